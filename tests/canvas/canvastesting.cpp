#include "canvastesting.h"

namespace canvas_testing {

QImage Blank(int width, int height, QImage::Format format)
{
    QImage image(width, height, format);
    image.fill(Qt::white);
    return image;
}

std::string Sketch(const QImage& image)
{
    std::string out;
    for (int y = 0; y < image.height(); ++y) {
        out += '\n';
        for (int x = 0; x < image.width(); ++x) {
            switch (CanvasFromQColor(QColor(image.pixel(x, y)))) {
            case kWhite: out += '.'; break;
            case kBlack: out += '#'; break;
            case kRed: out += 'r'; break;
            case kBlue: out += 'b'; break;
            default: out += '?'; break;
            }
        }
    }
    return out;
}

std::string Rows(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& row : lines)
        out += '\n' + row;
    return out;
}

int CountColor(const QImage& image, TColor color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += CanvasFromQColor(QColor(image.pixel(x, y))) == color;
    return n;
}

} // namespace canvas_testing
