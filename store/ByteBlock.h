#pragma once
// Memory for a file read whole. A block comes from the heap, unless a
// mapping of its own is asked for: a large block then gets one, laid on
// huge-page boundaries and offered to the kernel for huge pages. That is
// for the read of a big store at start, into memory that is all fresh
// anyway: it takes a handful of page faults instead of thousands, and it
// leaves the reading thread's heap to the records made from the bytes.
// Where a file is read again and again, the heap, which reuses what the
// last read let go, serves better.

#include <cstddef>
#include <memory>

struct ByteBlockFree {
    std::size_t mapped = 0; // bytes of the block's own mapping; 0 for the heap
    void operator()(char *p) const;
};

using ByteBlock = std::unique_ptr<char[], ByteBlockFree>;

// Room for `size` bytes (at least one), in a mapping of its own when
// `ownMapping` and large. Throws std::bad_alloc when there is none.
ByteBlock MakeByteBlock(std::size_t size, bool ownMapping);
