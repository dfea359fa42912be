#pragma once
// What the reader does to a logical line before libical sees it.
//
// libical trims the spaces around every value and refuses a text property
// with nothing left ("No value for DESCRIPTION"), so a name of spaces, or
// an empty LOCATION as some calendars write it, would refuse the whole
// file, and " x " would come back as "x". The texts an appointment keeps
// (the event's SUMMARY and DESCRIPTION) are therefore taken from the line
// as written and decoded here; libical gets a stand-in value for every
// text property. Durations written without the "T" before hours, minutes
// or seconds ("-P300S", as calcurse writes its alarms) get it.

#include "store/Text.h"

#include <string>

namespace Ical {

// The event's texts as read from its lines, in the store's code page.
struct EventTexts {
    bool hasName = false, hasDescription = false;
    TText name, description;
    int unmappable = 0; // characters stored as "?"
};

// Looks at one logical line (NUL-terminated, writable). `ofEvent`: the
// line belongs to a VEVENT itself (not to one of its alarms), whose texts
// go into `texts`. Cuts a text property's value down to a stand-in in
// place. Returns a replacement line when the line has to grow, else an
// empty string.
std::string FixLine(char *line, bool ofEvent, EventTexts &texts);

} // namespace Ical
