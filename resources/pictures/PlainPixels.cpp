#include "resources/pictures/PlainPixels.h"
#include "resources/pictures/PlainPixelsFormat.h"

#include <QResource>

#include <cstdint>
#include <cstring>

namespace PlainPixels {

namespace {
constexpr qint64 HeaderBytes = sizeof(Header);
} // namespace

QImage Find(const QString &picturePath)
{
    const qsizetype slash = picturePath.lastIndexOf(QLatin1Char('/'));
    const QResource resource(QLatin1String(":/pixels/") + picturePath.mid(slash + 1));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression
        || resource.size() < HeaderBytes)
        return {};
    const uchar *data = resource.data();
    Header header;
    std::memcpy(&header, data, sizeof header);
    const auto format = static_cast<QImage::Format>(header.format);
    const qint64 width = header.width, height = header.height;
    if (header.tag != Tag || (format != QImage::Format_ARGB32 && format != QImage::Format_RGB32) || width <= 0
        || height <= 0 || width > 4096 || height > 4096 || resource.size() != HeaderBytes + width * height * 4)
        return {};
    const uchar *pixels = data + HeaderBytes;
    const int w = int(width), h = int(height), bytesPerLine = int(width * 4);
    QImage image;
    // QImage wants its rows on 4-byte boundaries; the resource compiler
    // does not promise any.
    if (reinterpret_cast<quintptr>(pixels) % 4 == 0) {
        image = QImage(pixels, w, h, bytesPerLine, format);
    } else {
        image = QImage(w, h, format);
        for (int y = 0; y < h; ++y)
            std::memcpy(image.scanLine(y), pixels + qsizetype(y) * bytesPerLine, size_t(bytesPerLine));
    }
    // As the image reader does for a file named "<name>@2x.<ext>".
    if (picturePath.contains(QLatin1String("@2x.")))
        image.setDevicePixelRatio(2);
    return image;
}

} // namespace PlainPixels
