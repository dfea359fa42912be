#pragma once
// The values a command line spells: dates, times of day, durations and
// repetition steps. Every parser returns the value or a one-line reason
// why the text is not one, naming the text.

#include <QDate>
#include <QString>

#include <optional>

template <typename T>
struct Parsed {
    std::optional<T> value;
    QString error; // set when there is no value

    static Parsed fail(const QString &why) { return Parsed{std::nullopt, why}; }
    static Parsed ok(T v) { return Parsed{std::move(v), QString()}; }
    explicit operator bool() const { return value.has_value(); }
};

namespace ArgumentValues {

// 2026-12-24, "today" or "tomorrow"; only days the store holds
// (1 January 2000 to 31 December 2100).
Parsed<QDate> Date(const QString &text, const QDate &today);

// 18:00, 7:05 or 18:00:30, as a fraction of a day.
Parsed<double> TimeOfDay(const QString &text);
// Whether the text is shaped like a time of day (digits, colon, digits),
// valid or not; tells "add DATE TIME NAME" from "add DATE NAME".
bool LooksLikeTime(const QString &text);

// 3d, 2h30m, 1d2h30m, 45m, 0 or ISO 8601 (P1DT2H30M, PT90M, P2W), in days.
Parsed<double> Duration(const QString &text);
// Longest lead time or repeat interval accepted, in days; longer than the
// whole span of days the store holds.
constexpr int MaxDurationDays = 40000;

// A repetition step: "day", "week", "month", "year", or Nd / Nw.
struct Step {
    enum Unit { Days, Months } unit = Days;
    int count = 1;
};
Parsed<Step> Every(const QString &text);

// Formats a duration in days as the shortest d/h/m(/s) text ("1d2h30m",
// "0m"), the way Duration reads it back.
QString DurationText(double days);

} // namespace ArgumentValues
