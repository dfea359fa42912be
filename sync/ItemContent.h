#pragma once
// What the mirror compares of an appointment: its day and every field an
// item file carries, the way the file carries them. A Done byte of 2 goes
// out as "done" and comes back as 1, and a text keeps nothing after a NUL,
// so both sides are compared in that form, or an untouched appointment
// would look changed at every pass.

#include "store/Termin.h"

#include <cstdint>

namespace ItemContent {

TTermin Normalized(const TTermin &t);
// Fingerprint of the normalized record on day `day` (DayGrid::DayNumber).
uint64_t Of(int day, const TTermin &t);
// The same, given the record's RecordHash (most records are normalized
// already, and their fingerprint is known).
uint64_t Of(int day, const TTermin &t, uint64_t recordHash);
// The fingerprint without the reminder state: what a person changed,
// rather than answered.
uint64_t ShapeOf(int day, const TTermin &t);
// Equal but for the reminder state (LastReminded, Done).
bool SameButReminders(const TTermin &a, const TTermin &b);
// `into` takes the later acknowledgement and a Done of either: a reminder
// answered on one machine stays answered on the other.
void TakeReminders(TTermin &into, const TTermin &other);

} // namespace ItemContent
