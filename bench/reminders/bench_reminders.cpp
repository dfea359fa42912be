// A reminder check over 100,000 appointments of which none is due, against
// a plain loop that applies the same due rule to the same records in the
// same order. The check's own cost per appointment (its cursor, its
// guards) should stay within twice the plain walk.
#include "BenchUtil.h"

#include "reminders/ReminderCheck.h"
#include "store/DateTimeValue.h"
#include "support/FixedClock.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int Appointments = 100000;
constexpr int Runs = 9;
constexpr int Rounds = 3;

// The machine may be busy with other work: take the median of several runs
// in a few rounds that alternate between the two measurements, and keep
// each side's best round.
double bestMedian(double &best, int runs, const std::function<void()> &body)
{
    const double m = bench::medianMs(runs, body);
    if (best < 0 || m < best)
        best = m;
    return best;
}

class NeverAsked : public ReminderAnswers {
public:
    int Ask(const QString &, const QString &, const QString &) override
    {
        std::fprintf(stderr, "an appointment was due; the benchmark data is wrong\n");
        std::exit(2);
    }
};

// Spreads the appointments evenly over the whole grid. Those before `now`
// have passed, those far ahead are not yet in their window, and those
// whose window is open were answered an hour ago or are done.
void fill(DayGrid &grid, double now)
{
    const double first = DateTimeValue::EncodeDate(DayGrid::FirstYear, 1, 1);
    int i = 0;
    grid.ForEachDay([&](int y, int m, int d, TTerminDay &slot) {
        const double date = DateTimeValue::EncodeDate(y, m, d);
        const long long dayIndex = static_cast<long long>(date - first);
        const int upTo = static_cast<int>((dayIndex + 1) * Appointments / DayGrid::UsedDays);
        for (; i < upTo; ++i) {
            TTermin *r = grid.AddRecord(slot);
            r->Time = (i % 96) / 96.0;
            r->FirstRemind = 3;
            r->RepeatInterval = 1;
            r->Name = "Appointment";
            const double T = date + r->Time;
            if (T >= now && T - r->FirstRemind <= now) {
                if (i % 2)
                    r->Done = true;
                else
                    r->LastReminded = now - 1.0 / 24;
            }
        }
    });
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const double now = DateTimeValue::EncodeDate(2050, 6, 15) + 0.5;
    DayGrid grid;
    fill(grid, now);
    if (grid.RecordCount() != size_t(Appointments)) {
        std::fprintf(stderr, "expected %d appointments, built %zu\n", Appointments, grid.RecordCount());
        return 2;
    }

    FixedClock clock(now);
    NeverAsked answers;
    ReminderCheck check(grid, clock, answers);
    volatile double sink = 0;
    const auto plainLoop = [&] {
        int due = 0;
        grid.ForEachDay([&](int y, int m, int d, TTerminDay &slot) {
            const uint32_t n = slot.records.Count();
            if (n == 0)
                return;
            const double date = DateTimeValue::EncodeDate(y, m, d);
            for (uint32_t k = 0; k < n; ++k) {
                const TTermin &r = slot.records.At(k);
                const double at = date + r.Time;
                due += !r.Done && at >= now && at - r.FirstRemind <= now && now - r.LastReminded >= r.RepeatInterval;
            }
        });
        sink = sink + due;
    };
    double checkMs = -1, loopMs = -1;
    for (int round = 0; round < Rounds; ++round) {
        bestMedian(checkMs, Runs, [&] { check.CheckTermins(); });
        bestMedian(loopMs, Runs, plainLoop);
    }

    const double perCheck = checkMs * 1e6 / Appointments, perLoop = loopMs * 1e6 / Appointments;
    const bool ok = bench::report("reminder check, none due (per appointment)", perCheck, perLoop, 2.0, "ns");
    return ok ? 0 : 1;
}
