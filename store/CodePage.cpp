#include "store/CodePage.h"

// Neither Qt 6.4's own converters nor glibc's iconv round-trip the five
// unassigned bytes (iconv rejects them), so the 32 characters that differ
// from Latin-1 are listed here; the rest of the code page is Latin-1.

namespace {

// Unicode characters of the bytes 0x80..0x9F.
constexpr char16_t High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

// The byte of a character outside Latin-1's printable range, or 0.
unsigned char byteOf(char16_t c)
{
    for (int i = 0; i < 32; ++i)
        if (High[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return 0;
}

} // namespace

QString DecodeAnsi(std::string_view bytes)
{
    // Latin-1 is right for all but 0x80..0x9F; fix those up afterwards, so
    // the common text without them costs one bulk conversion.
    QString text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b >= 0x80 && b <= 0x9F)
            text[static_cast<qsizetype>(i)] = QChar(High[b - 0x80]);
    }
    return text;
}

std::string EncodeAnsi(const QString &text, int *unmappable)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    int lost = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        if (const unsigned char b = byteOf(c)) {
            out.push_back(static_cast<char>(b));
            continue;
        }
        // One "?" per character, also for a pair of surrogates.
        if (QChar::isHighSurrogate(c) && i + 1 < n && text.at(i + 1).isLowSurrogate())
            ++i;
        out.push_back('?');
        ++lost;
    }
    if (unmappable)
        *unmappable = lost;
    return out;
}
