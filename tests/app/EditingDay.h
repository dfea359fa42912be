#pragma once
// The day the editing and add/delete tests work on: 14 May 2031, far from
// today, so the window shows it only when told to.

#include "MainFormHarness.h"

namespace EditingDay {

const int Y = 2031, M = 5, D = 14;

// A main window on that day, which holds appointments named as given.
inline std::unique_ptr<TMainForm> withDay(MainFormHarness &h, const QStringList &names)
{
    return h.makeOnDay(QDate(Y, M, D), names, false);
}

inline QStringList namesOfDay(TMainForm &form)
{
    return namesOn(form.grid(), QDate(Y, M, D));
}

} // namespace EditingDay
