#pragma once
// Stores the reliability tests load, save, cut and damage: built in code so
// every test knows exactly what a complete file holds.

#include "store/DayGrid.h"
#include "store/Settings.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace reliability {

// A few appointments with every awkward kind of content: CR LF, bytes above
// 127, an empty text, a long text, several records in one day, the first and
// the last day, a leap day.
void FillRepresentative(DayGrid &grid);
TSettings RepresentativeSettings();

// The store a saving loop writes as its `generation`-th state. Different
// generations differ in size and content, so any mix of two is detectable.
void FillGeneration(DayGrid &grid, uint32_t generation);
TSettings GenerationSettings(uint32_t generation);
QByteArray GenerationBytes(uint32_t generation);
// The generation a file image holds, or -1 when it is none of them.
long long GenerationOf(const QByteArray &bytes);

QByteArray ReadFile(const QString &path);
bool WriteFile(const QString &path, const QByteArray &bytes);

} // namespace reliability
