#include "PackedImage.h"

#include "store/MemoryPoison.h"

#include <algorithm>
#include <cstring>

namespace reliability {

namespace {

// Unpacks into `out` (room for MaxImageBytes), or only measures the image
// when `Write` is false; returns the image's size. Literal bytes go a run
// at a time: texts in an input are tens of kilobytes long.
template <bool Write>
size_t unpack(const uint8_t *in, size_t size, char *out)
{
    size_t n = 0;
    for (size_t i = 0; i < size && n < MaxImageBytes;) {
        const auto *zero = static_cast<const uint8_t *>(std::memchr(in + i, 0, size - i));
        const size_t upTo = zero ? static_cast<size_t>(zero - in) : size;
        const size_t literal = std::min(upTo - i, MaxImageBytes - n);
        if (Write)
            std::memcpy(out + n, in + i, literal);
        n += literal;
        i += literal + 1; // past the 0 that ends the literal run
        if (!zero || n == MaxImageBytes)
            break;
        size_t run = 0;
        for (unsigned shift = 0; i < size && shift < 63; shift += 7) {
            const uint8_t c = in[i++];
            run |= size_t(c & 0x7f) << shift;
            if (!(c & 0x80))
                break;
        }
        // run + 1 without overflowing, bounded by what is left of the image.
        const size_t zeros = std::min(run, MaxImageBytes - n - 1) + 1;
        if (Write)
            std::memset(out + n, 0, zeros);
        n += zeros;
    }
    return n;
}

} // namespace

QByteArray PackImage(const QByteArray &image)
{
    QByteArray out;
    const auto *p = reinterpret_cast<const uint8_t *>(image.constData());
    const size_t size = static_cast<size_t>(image.size());
    for (size_t i = 0; i < size;) {
        if (p[i] != 0) {
            out.append(static_cast<char>(p[i++]));
            continue;
        }
        size_t run = 0;
        while (i + run < size && p[i + run] == 0)
            ++run;
        i += run;
        out.append('\0');
        size_t count = run - 1;
        do {
            const uint8_t low = count & 0x7f;
            count >>= 7;
            out.append(static_cast<char>(count ? low | 0x80 : low));
        } while (count);
    }
    return out;
}

ImageUnpacker::ImageUnpacker() : buffer_(new char[MaxImageBytes])
{
    PoisonMemory(buffer_.get(), MaxImageBytes);
}

ImageUnpacker::~ImageUnpacker()
{
    UnpoisonMemory(buffer_.get(), MaxImageBytes);
}

const char *ImageUnpacker::Unpack(const uint8_t *packed, size_t size, size_t &imageSize)
{
    // Measured first, so that only the bytes between this image's end and
    // the last one's change their poisoning.
    imageSize = unpack<false>(packed, size, nullptr);
    if (imageSize > usable_)
        UnpoisonMemory(buffer_.get() + usable_, imageSize - usable_);
    else
        PoisonMemory(buffer_.get() + imageSize, usable_ - imageSize);
    usable_ = imageSize;
    unpack<true>(packed, size, buffer_.get());
    return buffer_.get();
}

QByteArray UnpackImage(const QByteArray &packed)
{
    ImageUnpacker unpacker;
    size_t size = 0;
    const char *image = unpacker.Unpack(reinterpret_cast<const uint8_t *>(packed.constData()),
                                        static_cast<size_t>(packed.size()), size);
    return QByteArray(image, static_cast<qsizetype>(size));
}

} // namespace reliability
