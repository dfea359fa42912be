#pragma once
// The one crossing between the store's 8-bit texts (the store's code page,
// store/CodePage.h) and iCalendar's Unicode. Line breaks cross too: the store writes CR LF (as the program's
// editor does), iCalendar a line feed.

#include "store/Text.h"

#include <QString>

#include <memory>
#include <string>

namespace Ical {

// The text as Unicode with every CR LF, lone CR or lone LF as one "\n".
QString DecodeText(const TText &text);

// The same as UTF-8 bytes, straight from the store's bytes (export's
// hot path: no QString in between).
std::string DecodeTextUtf8(const TText &text);

// Unicode to the store's bytes, every line break as CR LF; characters the
// code page lacks become "?" and are added to `unmappable`.
std::string EncodeText(const QString &text, int &unmappable);

// A TEXT value as written in an iCalendar line (escaped, UTF-8) to the
// store's bytes: "\n" as CR LF, "\\", "\;" and "\," as their character,
// spaces kept as they are. It takes the value in pieces (the parts of a
// folded line) and works through them a little at a time, writing into
// one block of `bound` bytes (at least the value's length plus its CRs),
// so a long text takes no more memory than itself.
class IcalTextDecoder {
public:
    explicit IcalTextDecoder(size_t bound);
    void Feed(const char *raw, size_t size);
    TText Finish(int &unmappable);

private:
    void flush(bool last);
    std::unique_ptr<char[]> out_;
    size_t bound_, size_ = 0;
    std::string piece_;
    bool escaped_ = false;
    int lost_ = 0;
};

TText DecodeIcalText(const char *raw, size_t size, int &unmappable);

// The line breaks of `text` in order, "" when all are CR LF, else one
// letter each: "W" for CR LF, "L" for a lone LF, "C" for a lone CR. Import
// puts the exact bytes back from it.
std::string BreakKinds(const TText &text);
// Rewrites the CR LF breaks of `bytes` to the kinds listed, when the
// counts agree; otherwise leaves it as it is.
void ApplyBreakKinds(std::string &bytes, const std::string &kinds);

} // namespace Ical
