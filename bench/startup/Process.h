#pragma once
// Starting, measuring and stopping the programs under test.

#include <string>
#include <sys/types.h>
#include <vector>

// Starts argv[0] (searched in PATH) with its output discarded (standard
// error into `errorPath` when given); with a display, DISPLAY is set to it
// and the variables that would steer Qt away from that X server are
// removed. `extraEnv` ("NAME=value") is added last. Returns the pid, or -1.
pid_t SpawnProcess(const std::vector<std::string> &argv, const char *display,
                   const std::vector<std::string> &extraEnv = {}, const char *errorPath = nullptr);

// SIGTERM, then SIGKILL when it has not ended within a few seconds; reaps it.
void StopProcess(pid_t pid);

// Processor time (user and system) the process used so far, in ms, or -1.
double CpuMs(pid_t pid);

// Resident memory in KiB (VmRSS), or -1.
long ResidentKiB(pid_t pid);

// True while the process has not ended.
bool Running(pid_t pid);
