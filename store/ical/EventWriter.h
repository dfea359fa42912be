#pragma once
// The pieces export builds an event from, shared with the one-event files
// of a mirrored calendar folder (Item.h).

#include "store/Termin.h"
#include "store/ical/IcalPtr.h"

#include <QByteArray>
#include <QDate>

#include <string>

namespace Ical {

extern const char *const ProductId;

// A local date-time value as a UTC time.
icaltimetype UtcTime(double localValue);

// The VALARM that carries the reminder plan of `r`, marked as ours;
// `name` (UTF-8) is its text.
ComponentPtr MakeAlarm(const TTermin &r, const std::string &name);

// One appointment as a VEVENT (with its VALARM) under the given UID.
ComponentPtr MakeEvent(const QDate &date, const TTermin &r, const icaltimetype &stamp, const QByteArray &uid);

} // namespace Ical
