#pragma once
// Memory for a file read whole. A small file's bytes come from the heap.
// A large one gets a mapping of its own, laid on huge-page boundaries and
// offered to the kernel for huge pages: reading a store of many megabytes
// then takes a handful of page faults instead of thousands, and the memory
// goes back to the system as soon as the block is let go, however the heap
// around it is used meanwhile.

#include <cstddef>
#include <memory>

struct ByteBlockFree {
    std::size_t mapped = 0; // bytes of the block's own mapping; 0 for the heap
    void operator()(char *p) const;
};

using ByteBlock = std::unique_ptr<char[], ByteBlockFree>;

// Room for `size` bytes (at least one). Throws std::bad_alloc when there is
// none.
ByteBlock MakeByteBlock(std::size_t size);
