#pragma once
// The last chance to save when the process ends through exit() from deep
// inside a library instead of returning from main(). Qt's X11 platform
// plugin does this when the connection to the X server breaks (the display
// or the session went away): exit(1), with no event, signal or Qt hook on
// the way. Functions registered with atexit() still run then.
//
// While an ExitSave object lives, such an exit runs its function once, on
// the thread that called exit(). Returning from main() destroys the object
// first, so a normal ending never runs it.

#include <functional>

class ExitSave {
public:
    explicit ExitSave(std::function<void()> last);
    ~ExitSave();
    ExitSave(const ExitSave &) = delete;
    ExitSave &operator=(const ExitSave &) = delete;
};
