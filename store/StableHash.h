#pragma once
// A 64-bit hash that gives the same value in every run, on every machine
// of the same byte order: fingerprints that are written down (a mirror's
// side index) must still match tomorrow. Qt's qHashBits is seeded afresh
// in every process, so it cannot serve. Not for anything an attacker
// chooses: it tells changed from unchanged, nothing more.

#include <cstddef>
#include <cstdint>

uint64_t StableHash(const void *data, size_t size, uint64_t seed);
