#pragma once
// Starting, measuring and stopping the programs under test.

#include <string>
#include <sys/types.h>
#include <vector>

// Starts argv[0] (searched in PATH) with its output discarded; with a
// display, DISPLAY is set to it and the variables that would steer Qt away
// from that X server are removed. Returns the pid, or -1.
pid_t SpawnProcess(const std::vector<std::string> &argv, const char *display);

// SIGTERM, then SIGKILL when it has not ended within a few seconds; reaps it.
void StopProcess(pid_t pid);

// Resident memory in KiB (VmRSS), or -1.
long ResidentKiB(pid_t pid);

// True while the process has not ended.
bool Running(pid_t pid);
