#pragma once
// KALVIX_ASAN is defined in a build under AddressSanitizer (gcc or clang),
// with its interface at hand, so a test can also check what the sanitizer
// is told: which bytes are unusable.

#if defined(__SANITIZE_ADDRESS__)
#define KALVIX_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KALVIX_ASAN 1
#endif
#endif

#ifdef KALVIX_ASAN
#include <sanitizer/asan_interface.h>
#endif
