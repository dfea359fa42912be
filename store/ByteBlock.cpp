#include "store/ByteBlock.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>

namespace {

// Below this a block is not worth a mapping: the heap serves it at once.
constexpr std::size_t MapFrom = std::size_t(4) << 20;
constexpr std::size_t HugePage = std::size_t(2) << 20;

std::size_t roundUp(std::size_t n, std::size_t to)
{
    return (n + to - 1) / to * to;
}

} // namespace

void ByteBlockFree::operator()(char *p) const
{
    if (mapped == 0)
        delete[] p;
    else
        ::munmap(p, mapped);
}

ByteBlock MakeByteBlock(std::size_t size, bool ownMapping)
{
    if (!ownMapping || size < MapFrom)
        return ByteBlock(new char[size > 0 ? size : 1]);
    // Mapped with a huge page's worth to spare, then cut to start on a
    // huge-page boundary: only whole, aligned huge pages can back it.
    const std::size_t length = roundUp(size, HugePage);
    void *raw = ::mmap(nullptr, length + HugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = roundUp(start, HugePage);
    if (aligned > start)
        ::munmap(raw, aligned - start);
    if (const std::size_t tail = start + length + HugePage - (aligned + length))
        ::munmap(reinterpret_cast<void *>(aligned + length), tail);
    char *p = reinterpret_cast<char *>(aligned);
    // Only advice: where huge pages are off, the block is ordinary memory.
    ::madvise(p, length, MADV_HUGEPAGE);
    return ByteBlock(p, ByteBlockFree{length});
}
