#include "store/ical/LineFixes.h"

#include "store/ical/CodePageBridge.h"

#include <QByteArray>

#include <cctype>
#include <cstring>

namespace Ical {

namespace {

// Text properties of RFC 5545 that may be empty in files of other programs.
const char *const TextProperties[] = {"SUMMARY", "DESCRIPTION", "LOCATION", "COMMENT",
                                      "CONTACT", "CATEGORIES",  "RESOURCES"};

// The property's name at the start of the line and where its value starts
// (after the first colon outside quoted parameter values); null when the
// line has no value.
char *valueOf(char *line, size_t &nameLength)
{
    nameLength = std::strcspn(line, ";:");
    bool quoted = false;
    for (char *p = line + nameLength; *p; ++p) {
        if (*p == '"')
            quoted = !quoted;
        else if (*p == ':' && !quoted)
            return p + 1;
    }
    return nullptr;
}

bool named(const char *line, size_t length, const char *name)
{
    return std::strlen(name) == length && qstrnicmp(line, name, static_cast<uint>(length)) == 0;
}

// "-P300S" -> "-PT300S": a duration whose hours, minutes or seconds lack the "T".
std::string withTimeMark(const char *line, const char *value)
{
    const char *p = value;
    if (*p == '+' || *p == '-')
        ++p;
    if (*p != 'P' && *p != 'p')
        return std::string();
    ++p;
    if (std::strpbrk(p, "Tt"))
        return std::string();
    const char *q = p;
    while (*q) { // the first group of digits that ends in H, M or S
        const char *digits = q;
        while (std::isdigit(static_cast<unsigned char>(*q)))
            ++q;
        if (q == digits || !*q)
            return std::string();
        if (std::strchr("HMShms", *q))
            return std::string(line, static_cast<size_t>(digits - line)) + 'T' + digits;
        ++q;
    }
    return std::string();
}

} // namespace

std::string FixLine(char *line, bool ofEvent, EventTexts &texts)
{
    size_t nameLength = 0;
    char *value = valueOf(line, nameLength);
    if (!value)
        return std::string();
    if (named(line, nameLength, "TRIGGER") || named(line, nameLength, "DURATION"))
        return withTimeMark(line, value);
    for (const char *name : TextProperties) {
        if (!named(line, nameLength, name))
            continue;
        const bool isName = named(line, nameLength, "SUMMARY");
        const bool isDescription = named(line, nameLength, "DESCRIPTION");
        if (ofEvent && isName && !texts.hasName) {
            texts.hasName = true;
            texts.name = DecodeIcalText(value, std::strlen(value), texts.unmappable);
        } else if (ofEvent && isDescription && !texts.hasDescription) {
            texts.hasDescription = true;
            texts.description = DecodeIcalText(value, std::strlen(value), texts.unmappable);
        }
        if (!*value) // no room to write into
            return std::string(line) + 'x';
        value[0] = 'x';
        value[1] = '\0';
        break;
    }
    return std::string();
}

} // namespace Ical
