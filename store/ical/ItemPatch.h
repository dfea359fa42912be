#pragma once
// Changing a calendar folder's item file rather than writing it anew: the
// event is another program's as much as ours (a phone's, with its
// attendees, its time zone, its own alarms), so a change made here writes
// only what changed here, each in the event's own terms, and leaves every
// other line as it was, byte for byte.
//
// What this program owns in such an event, and writes only when it
// changed here:
//   SUMMARY, DESCRIPTION        the name and the description (their
//                               parameters kept), with X-KALVIX-NAME-BREAKS
//                               and X-KALVIX-DESCRIPTION-BREAKS
//   DTSTART, DTEND              moved together, in the event's own zone (or
//                               UTC, or floating); a whole-day event stays
//                               one when only its day moved; a DURATION is
//                               kept as it is
//   SEQUENCE                    one more when the event moved (RFC 5545)
//   X-KALVIX-EXACT              the exact time and reminder values
//   X-KALVIX-DONE               "Don't remind anymore"
//   the VALARM marked           the reminder plan and its ACKNOWLEDGED; added
//   X-KALVIX-ALARM              when the plan changed here (another program's
//                               alarms are never touched); an answer alone
//                               goes into X-KALVIX-EXACT when there is none
//   LAST-MODIFIED, DTSTAMP      the time of the change, whenever one is written

#include "store/Termin.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace Ical {

// `bytes`, an item file with one plain event, changed so that it reads as
// `record` on `date`. `changed` (a local date-time value) is the time of
// the change. The bytes as they were when the event already reads so;
// empty, with `error`, when the file holds no one plain event or the
// change would not read back as `record`.
QByteArray PatchedItem(const QByteArray &bytes, const QDate &date, const TTermin &record, double changed,
                       QString &error);

} // namespace Ical
