// JPEG decoding through libjpeg's C API. libjpeg's own error handler ends
// the process, so a handler of ours jumps back here instead, and warnings
// (a truncated or corrupt stream that libjpeg would patch up with grey)
// also count as failures.
#include "raster/globeview.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

// Larger pictures are refused rather than allocated: no planet map needs it.
constexpr JDIMENSION kMaxSide = 8192;

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf escape;
    bool damaged = false;
};

[[noreturn]] void OnError(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(errors->escape, 1);
}

void OnMessage(j_common_ptr info, int level)
{
    // Level -1 is a warning about the data; higher levels are traces.
    if (level < 0)
        reinterpret_cast<ErrorManager*>(info->err)->damaged = true;
}

void Silent(j_common_ptr)
{ }

// Everything that must survive a longjmp lives outside the function that
// calls setjmp, and nothing with a destructor is created between the
// setjmp and the decoding calls.
bool DecodeInto(jpeg_decompress_struct& info, ErrorManager& errors, const QByteArray& data, QImage& image)
{
    if (setjmp(errors.escape))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK)
        return false;
    // Refused from the header: starting the decompression of a progressive
    // picture sets up coefficient buffers for the whole picture and reads
    // every scan into them, gigabytes for a damaged size field.
    if (info.image_width == 0 || info.image_height == 0 || info.image_width > kMaxSide || info.image_height > kMaxSide)
        return false;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_width == 0 || info.output_height == 0 || info.output_width > kMaxSide
        || info.output_height > kMaxSide || info.output_components != 3)
        return false;
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    if (image.isNull())
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            return false;
    }
    jpeg_finish_decompress(&info);
    return !errors.damaged;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = OnMessage;
    errors.base.output_message = Silent;
    QImage image;
    const bool decoded = DecodeInto(info, errors, data, image);
    jpeg_destroy_decompress(&info);
    if (!decoded)
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}
