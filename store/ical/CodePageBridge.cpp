#include "store/ical/CodePageBridge.h"

namespace Ical {

namespace {

// Windows-1252's characters for 0x80..0x9F. The five bytes it leaves
// unassigned stand for the control characters of the same number, so
// every byte survives a decode and encode.
const char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QChar decodeByte(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0)
        return QChar(HighControls[b - 0x80]);
    return QChar(b);
}

// -1 when the character has no byte in the code page.
int encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (HighControls[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

QString DecodeText(const TText &text)
{
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    const char *p = text.data();
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned char b = static_cast<unsigned char>(p[i]);
        if (b == '\r') {
            if (i + 1 < n && p[i + 1] == '\n')
                ++i;
            out += QLatin1Char('\n');
        } else {
            out += decodeByte(b);
        }
    }
    return out;
}

std::string DecodeTextUtf8(const TText &text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    const char *p = text.data();
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned char b = static_cast<unsigned char>(p[i]);
        if (b < 0x80 && b != '\r') {
            out += static_cast<char>(b);
            continue;
        }
        if (b == '\r') {
            if (i + 1 < n && p[i + 1] == '\n')
                ++i;
            out += '\n';
            continue;
        }
        const char16_t c = decodeByte(b).unicode();
        if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        }
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::string EncodeText(const QString &text, int &unmappable)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == '\r') { // a CR LF or lone CR from the file is one break
            if (i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += "\r\n";
        } else if (c == '\n') {
            out += "\r\n";
        } else if (c == 0) {
            continue; // the store's texts end at a NUL; drop it rather than cut the text
        } else {
            const int b = encodeChar(c);
            if (b >= 0) {
                out += static_cast<char>(b);
            } else {
                // A surrogate pair is one character outside the code page.
                if (QChar::isHighSurrogate(c) && i + 1 < n && text.at(i + 1).isLowSurrogate())
                    ++i;
                out += '?';
                ++unmappable;
            }
        }
    }
    return out;
}

std::string BreakKinds(const TText &text)
{
    std::string kinds;
    bool allCrLf = true;
    const char *p = text.data();
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        if (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n') {
            kinds += 'W';
            ++i;
        } else if (p[i] == '\r') {
            kinds += 'C';
            allCrLf = false;
        } else if (p[i] == '\n') {
            kinds += 'L';
            allCrLf = false;
        }
    }
    return allCrLf ? std::string() : kinds;
}

void ApplyBreakKinds(std::string &bytes, const std::string &kinds)
{
    size_t breaks = 0;
    for (size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == '\r' && bytes[i + 1] == '\n')
            ++breaks, ++i;
    if (kinds.empty() || breaks != kinds.size())
        return;
    std::string out;
    out.reserve(bytes.size());
    size_t k = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            const char kind = kinds[k++];
            out += kind == 'L' ? "\n" : kind == 'C' ? "\r" : "\r\n";
            ++i;
        } else {
            out += bytes[i];
        }
    }
    bytes.swap(out);
}

} // namespace Ical
