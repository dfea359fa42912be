#pragma once
// The interchange tests compare local times with UTC and other zones, so
// they run in one known zone (with summer time), however they are started.

#include <cstdlib>

#include <ctime>

namespace {
const bool FixedZoneSet = [] {
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    return true;
}();
}
