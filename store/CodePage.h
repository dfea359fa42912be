#pragma once
// The 8-bit character set of the appointment texts: Windows-1252, the code
// page the file's texts have always been written in for the Western
// languages the program speaks.
//
// Decoding and encoding are exact inverses for every byte: the 27 printable
// characters of 0x80..0x9F ("€", "„", "“", "–", "…" and the rest) map to
// their Unicode characters, and the five bytes the code page leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters
// of the same number, as the Windows converter does. So a text read from
// the file and written back unchanged keeps every byte. A character outside
// the code page has no byte and is written as "?".
//
// Every text that crosses between the file's bytes and a QString goes
// through these two functions; a QString::fromLatin1 or toLatin1 on an
// appointment text would turn "€" into a control character or "?".

#include <QString>

#include <string>
#include <string_view>

QString DecodeAnsi(std::string_view bytes);

// `unmappable`, when given, receives how many characters became "?" (a
// character outside the Basic Multilingual Plane counts once and becomes
// one "?").
std::string EncodeAnsi(const QString &text, int *unmappable = nullptr);
