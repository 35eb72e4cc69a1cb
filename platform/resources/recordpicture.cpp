// kinea_recordpicture IN.svg OUT.kpic: the SVG recorded for builds without
// Qt SVG at run time.
#include "platform/resources/svgrecorder.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

namespace {

int Fail(const char* what, const QString& path)
{
    std::fprintf(stderr, "kinea_recordpicture: %s %s\n", what, qPrintable(path));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    // Text in a drawing needs fonts, which need a Gui application; no
    // window is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kinea_recordpicture IN.svg OUT.kpic\n");
        return 2;
    }
    const QString in = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QFile source(in);
    RecordedPicture recorded;
    if (!source.open(QIODevice::ReadOnly) || !RecordSvg(source.readAll(), recorded))
        return Fail("cannot read", in);
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || file.write(EncodeRecordedPicture(recorded)) < 0 || !file.commit())
        return Fail("cannot write", out);
    return 0;
}
