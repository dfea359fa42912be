#include "store/ical/CodePageBridge.h"

#include "store/CodePage.h"

#include <algorithm>
#include <cstring>

namespace Ical {

namespace {

constexpr size_t Piece = 1 << 16;

// The store's bytes with every line break (CR LF, lone CR or lone LF) as LF.
std::string unifyBreaks(const TText &text)
{
    std::string out;
    out.reserve(text.size());
    const char *p = text.data();
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        if (p[i] == '\r') {
            if (i + 1 < n && p[i + 1] == '\n')
                ++i;
            out += '\n';
        } else {
            out += p[i];
        }
    }
    return out;
}

} // namespace

QString DecodeText(const TText &text)
{
    return DecodeAnsi(unifyBreaks(text));
}

std::string DecodeTextUtf8(const TText &text)
{
    return DecodeText(text).toStdString();
}

std::string EncodeText(const QString &text, int &unmappable)
{
    // Every break as CR LF; a NUL dropped rather than cutting the text there.
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    t.remove(QChar(0));
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    int lost = 0;
    std::string out = EncodeAnsi(t, &lost);
    unmappable += lost;
    return out;
}

IcalTextDecoder::IcalTextDecoder(size_t bound) : out_(new char[bound + 1]), bound_(bound)
{
    piece_.reserve(Piece + 2);
}

void IcalTextDecoder::Feed(const char *raw, size_t size)
{
    for (size_t i = 0; i < size; ++i) {
        char c = raw[i];
        if (escaped_) {
            escaped_ = false;
            if (c == 'n' || c == 'N')
                c = '\n';
        } else if (c == '\\') {
            escaped_ = true;
            continue;
        }
        if (c == '\0')
            continue;
        if (c == '\n' || c == '\r')
            piece_ += "\r\n";
        else
            piece_ += c;
        if (piece_.size() >= Piece)
            flush(false);
    }
}

void IcalTextDecoder::flush(bool last)
{
    size_t cut = piece_.size();
    if (!last) { // a character whose bytes may go on waits for the next piece
        size_t back = 0;
        while (back < 3 && back < cut && (static_cast<unsigned char>(piece_[cut - 1 - back]) & 0xC0) == 0x80)
            ++back;
        if (back < cut && static_cast<unsigned char>(piece_[cut - 1 - back]) >= 0xC0)
            cut -= back + 1;
    }
    int lost = 0;
    const std::string bytes = EncodeAnsi(QString::fromUtf8(piece_.data(), static_cast<qsizetype>(cut)), &lost);
    lost_ += lost;
    const size_t n = std::min(bytes.size(), bound_ - size_);
    std::memcpy(out_.get() + size_, bytes.data(), n);
    size_ += n;
    piece_.erase(0, cut);
}

TText IcalTextDecoder::Finish(int &unmappable)
{
    if (escaped_) // a backslash at the very end stands for itself
        piece_ += '\\';
    flush(true);
    unmappable += lost_;
    out_[size_] = '\0';
    return TText::Adopt(std::move(out_), size_);
}

TText DecodeIcalText(const char *raw, size_t size, int &unmappable)
{
    size_t breaks = 0;
    for (const char *p = raw; (p = static_cast<const char *>(std::memchr(p, '\r', size - size_t(p - raw)))); ++p)
        ++breaks;
    IcalTextDecoder d(size + breaks);
    d.Feed(raw, size);
    return d.Finish(unmappable);
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
