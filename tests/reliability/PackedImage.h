#pragma once
// The fuzzer's inputs: file images with their runs of zero bytes packed.
//
// A data file is mostly zeros (an empty calendar alone is 36,890 zero
// counts, 147,560 bytes), and libFuzzer copies, hashes and mutates every
// input whole. Packed, a file of a few appointments is a few hundred bytes,
// and a mutation of a run's length moves every day after it at once.
//
// Every byte other than 0 stands for itself. A 0 is followed by a count n
// (7 bits a byte, least significant first, high bit set while more follow)
// and stands for n + 1 zero bytes. Any bytes at all unpack to some image:
// a count cut off by the end of the input takes what was read of it, and
// the image ends at MaxImageBytes.

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace reliability {

// The largest image an input stands for, as the fuzzer bounded its inputs
// before they were packed: well over a calendar with texts of 100,000
// bytes, and a bound on what one input costs whatever its runs say.
constexpr size_t MaxImageBytes = size_t(1) << 18;

QByteArray PackImage(const QByteArray &image);

// Unpacks inputs one after another into memory kept from one to the next.
// Only the current image's bytes are usable: under AddressSanitizer the
// rest of the buffer is poisoned, so a read past the image is caught as it
// would be past an allocation of the image's size.
class ImageUnpacker {
public:
    ImageUnpacker();
    ~ImageUnpacker();
    ImageUnpacker(const ImageUnpacker &) = delete;
    ImageUnpacker &operator=(const ImageUnpacker &) = delete;

    // The image `packed` stands for; valid until the next call.
    const char *Unpack(const uint8_t *packed, size_t size, size_t &imageSize);

private:
    std::unique_ptr<char[]> buffer_;
    size_t usable_ = 0; // bytes at the start of buffer_ not poisoned
};

QByteArray UnpackImage(const QByteArray &packed);

} // namespace reliability
