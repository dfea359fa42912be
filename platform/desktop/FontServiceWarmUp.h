#pragma once
// Loads the desktop's font configuration on a thread of its own while the
// application object is being made. Reading that configuration (dozens of
// XML files) is the largest single step of a start, and nothing before the
// main window needs a font, so the two overlap on a machine with more than
// one core. The window's first font then finds the configuration loaded.
//
// Wait() must come before the toolkit's first font: a second load begun
// while the first runs would be thrown away, not shared. Until Wait()
// returns, the process's environment must not be changed (setenv and the
// like): the font library reads it on the thread. Where there is no
// font configuration library, or no thread to be had, it does nothing and
// the toolkit loads the configuration itself when first asked, as before.

#include <thread>

class FontServiceWarmUp {
public:
    FontServiceWarmUp();
    ~FontServiceWarmUp();
    FontServiceWarmUp(const FontServiceWarmUp &) = delete;
    FontServiceWarmUp &operator=(const FontServiceWarmUp &) = delete;

    // Returns once the configuration is loaded (or was never begun here).
    void Wait();

private:
    std::thread loader_;
};
