#include "app/StartupTrace.h"

#include <QEvent>
#include <QLoggingCategory>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdio>
#include <ctime>

Q_LOGGING_CATEGORY(lcStartup, "kalvix.startup", QtWarningMsg)

namespace StartupTrace {

namespace {
struct Note {
    const char *step;
    long long ns;    // monotonic clock
    long long cpuNs; // processor time of the process so far
};

long long nanoseconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}
// More than the start has steps; later marks are dropped.
std::array<Note, 32> notes;
size_t taken = 0;
bool flushed = false;

// Watches for the end of the window's first paint: the paint event has
// returned once the event loop runs again.
class FirstPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                Mark("painted");
                Flush();
                deleteLater();
            });
        }
        return false;
    }
};
} // namespace

void Mark(const char *step)
{
    if (flushed || taken == notes.size())
        return;
    notes[taken++] = {step, nanoseconds(CLOCK_MONOTONIC), nanoseconds(CLOCK_PROCESS_CPUTIME_ID)};
}

void Flush()
{
    if (flushed)
        return;
    flushed = true;
    // The rules are read with the application object: asked only now.
    if (!lcStartup().isDebugEnabled())
        return;
    for (size_t i = 0; i < taken; ++i)
        std::fprintf(stderr, "kalvix.startup %s %lld %lld\n", notes[i].step, notes[i].ns, notes[i].cpuNs);
    std::fflush(stderr);
}

void FlushAfterFirstPaint(QWidget *window)
{
    if (flushed)
        return;
    window->installEventFilter(new FirstPaint(window));
}

} // namespace StartupTrace
