#include "shell/tiplist.h"

#include "platform/resources/namedresources.h"

QStringList ParseTipLines(const QByteArray& bytes)
{
    QStringList tips;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\r', start);
        if (end < 0)
            end = bytes.size();
        const QByteArray line = bytes.mid(start, end - start);
        if (line == "FIN")
            break;
        tips.append(DecodeWindows1252(line));
        start = end + 1;
        if (start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return tips;
}

QStringList LoadTipList()
{
    return ParseTipLines(LoadNamedResource(QStringLiteral("TIPS")));
}

QString TipNumberText(int index, int count)
{
    return QStringLiteral("Astuce n° %1 sur %2").arg(index + 1).arg(count);
}
