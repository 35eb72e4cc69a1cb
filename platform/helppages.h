// What the help window reads: the help and the HTML documents as they are,
// less the inline drawings its rich-text engine cannot draw, and text files
// (the readme) as plain UTF-8 text.
#pragma once

#include <QString>
#include <optional>

// The note that stands where a drawing was left out.
QString MissingDrawingNote();

// `html` with each inline SVG drawing replaced by MissingDrawingNote().
QString WithoutInlineDrawings(const QString& html);

// A plain text as a page: lines and spaces kept, long lines wrapped,
// nothing in it taken for markup.
QString PlainTextPage(const QString& text, const QString& title);

// The page the help window shows for a local file: an HTML file (by its
// name) as above, any other file as plain UTF-8 text. Nothing when the file
// cannot be read.
std::optional<QString> ReadHelpPage(const QString& path);
