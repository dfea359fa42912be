#include "app/ExitSave.h"

#include <cstdlib>
#include <utility>

namespace {
std::function<void()> &armed()
{
    // Never destroyed: exit() may run the handler after other statics are gone.
    static auto *f = new std::function<void()>;
    return *f;
}

void runArmed()
{
    std::function<void()> last = std::exchange(armed(), nullptr);
    if (last)
        last();
}
} // namespace

ExitSave::ExitSave(std::function<void()> last)
{
    // Registered at the latest moment, so it runs before anything whose
    // teardown exit() started earlier (handlers run in reverse order).
    armed() = std::move(last);
    std::atexit(runArmed);
}

ExitSave::~ExitSave()
{
    armed() = nullptr;
}
