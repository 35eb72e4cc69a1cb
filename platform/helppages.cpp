#include "platform/helppages.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

QString MissingDrawingNote()
{
    return QStringLiteral("<p><i>[Dessin non affiché dans cette fenêtre&nbsp;: ouvrez le document dans un "
                          "navigateur web pour le voir.]</i></p>");
}

QString WithoutInlineDrawings(const QString& html)
{
    // Drawings are not nested in one another; the shortest match keeps the
    // text between two of them.
    static const QRegularExpression drawing(QStringLiteral("<svg\\b.*?</svg\\s*>"),
                                            QRegularExpression::CaseInsensitiveOption
                                                | QRegularExpression::DotMatchesEverythingOption);
    QString page = html;
    page.replace(drawing, MissingDrawingNote());
    return page;
}

QString PlainTextPage(const QString& text, const QString& title)
{
    return QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body>"
                          "<pre style=\"white-space: pre-wrap;\">%2</pre></body></html>")
        .arg(title.toHtmlEscaped(),
             QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toHtmlEscaped());
}

std::optional<QString> ReadHelpPage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString text = QString::fromUtf8(file.readAll());
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return WithoutInlineDrawings(text);
    return PlainTextPage(text, info.fileName());
}
