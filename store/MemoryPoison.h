#pragma once
// Memory kept for reuse is marked unusable while it waits, and usable again
// when handed out, under AddressSanitizer: a read of it in between is
// caught as a read of freed memory would be. Without the sanitizer these
// do nothing.

#include <cstddef>

#if defined(__has_include)
#if __has_include(<sanitizer/asan_interface.h>)
#include <sanitizer/asan_interface.h>
#endif
#endif

inline void PoisonMemory(const void *p, std::size_t size)
{
#ifdef ASAN_POISON_MEMORY_REGION
    ASAN_POISON_MEMORY_REGION(p, size);
#else
    (void)p;
    (void)size;
#endif
}

inline void UnpoisonMemory(const void *p, std::size_t size)
{
#ifdef ASAN_UNPOISON_MEMORY_REGION
    ASAN_UNPOISON_MEMORY_REGION(p, size);
#else
    (void)p;
    (void)size;
#endif
}
