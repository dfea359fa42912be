#include "store/StableHash.h"

#include <cstring>

// MurmurHash64A (Austin Appleby, public domain): eight bytes a step, so a
// store of many appointments is fingerprinted about as fast as it is read.
uint64_t StableHash(const void *data, size_t size, uint64_t seed)
{
    constexpr uint64_t m = 0xc6a4a7935bd1e995ULL;
    constexpr int r = 47;
    const auto *p = static_cast<const unsigned char *>(data);
    uint64_t h = seed ^ (static_cast<uint64_t>(size) * m);
    const size_t words = size / 8;
    for (size_t i = 0; i < words; ++i) {
        uint64_t k;
        std::memcpy(&k, p + i * 8, sizeof k);
        k *= m;
        k ^= k >> r;
        k *= m;
        h ^= k;
        h *= m;
    }
    const unsigned char *tail = p + words * 8;
    const size_t rest = size & 7;
    if (rest > 0) {
        for (size_t i = rest; i-- > 0;)
            h ^= static_cast<uint64_t>(tail[i]) << (8 * i);
        h *= m;
    }
    h ^= h >> r;
    h *= m;
    h ^= h >> r;
    return h;
}
