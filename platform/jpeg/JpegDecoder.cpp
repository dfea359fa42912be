#include "platform/jpeg/JpegDecoder.h"

#include <QCoreApplication>
#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstring>

// jpeglib.h expects FILE and size_t to be declared before it is included.
#include <jpeglib.h>

namespace {

// Pictures larger than this are refused before any pixel memory is taken; the
// program's own pictures are a few hundred pixels wide.
constexpr JDIMENSION kMaxSide = 16384;

// libjpeg reports errors through a callback that must not return. The error
// manager remembers libjpeg's message and jumps back to the decode routine,
// which then cleans up and reports instead of letting libjpeg exit().
struct ErrorManager {
    jpeg_error_mgr pub; // first member: libjpeg casts cinfo->err to this
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void failWithMessage(j_common_ptr cinfo)
{
    auto *mgr = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, mgr->message);
    std::longjmp(mgr->escape, 1);
}

// Warnings (msg_level -1) are libjpeg's way of saying the data was damaged
// but it carried on, e.g. filling the missing rows of a truncated file with
// grey. Treat them as failures; trace messages (level >= 0) are ignored.
void emitMessage(j_common_ptr cinfo, int msgLevel)
{
    if (msgLevel < 0)
        failWithMessage(cinfo);
}

void silence(j_common_ptr) {}

// Everything between setjmp and a possible longjmp lives here, with only
// trivially destructible locals, so that the jump skips no destructor. The
// image is owned by the caller and only written through the pointer. Returns
// an empty string on success, otherwise the reason.
const char *decodeInto(const QByteArray &data, QImage *out, ErrorManager *err)
{
    jpeg_decompress_struct cinfo;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&err->pub);
    err->pub.error_exit = failWithMessage;
    err->pub.emit_message = emitMessage;
    err->pub.output_message = silence;
    err->message[0] = '\0';

    if (setjmp(err->escape)) {
        // Safe on a partly set-up object; releases all libjpeg memory.
        jpeg_destroy_decompress(&cinfo);
        *out = QImage();
        return err->message[0] ? err->message : "unknown libjpeg error";
    }

    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);

    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB:
        cinfo.out_color_space = JCS_RGB;
        break;
    default:
        // CMYK and YCCK pictures would need a colour-managed conversion.
        jpeg_destroy_decompress(&cinfo);
        return "the picture uses a CMYK or other unsupported colour space";
    }

    if (cinfo.image_width > kMaxSide || cinfo.image_height > kMaxSide) {
        jpeg_destroy_decompress(&cinfo);
        return "the picture is too large";
    }

    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3) {
        jpeg_destroy_decompress(&cinfo);
        return "the decoder produced an unexpected pixel layout";
    }

    *out = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), QImage::Format_RGB888);
    if (out->isNull()) {
        jpeg_destroy_decompress(&cinfo);
        return "there is not enough memory for the picture";
    }

    // A Format_RGB888 line holds exactly width * 3 bytes of pixels (plus
    // padding), which is what libjpeg writes for JCS_RGB.
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }

    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return "";
}

} // namespace

QImage DecodeJpeg(const QByteArray &data, QString *error)
{
    if (error)
        error->clear();
    if (data.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("JpegDecoder", "Could not decode the JPEG picture: there is no data.");
        return {};
    }

    QImage image;
    ErrorManager err;
    const char *reason = decodeInto(data, &image, &err);
    if (*reason) {
        if (error)
            *error = QCoreApplication::translate("JpegDecoder", "Could not decode the JPEG picture: %1.")
                         .arg(QString::fromLocal8Bit(reason));
        return {};
    }
    return image;
}

QImage LoadJpegFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QCoreApplication::translate("JpegDecoder", "Could not read the JPEG picture %1: %2.")
                         .arg(path, file.errorString());
        return {};
    }
    return DecodeJpeg(file.readAll(), error);
}
