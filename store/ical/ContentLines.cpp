#include "store/ical/ContentLines.h"

#include <algorithm>
#include <cstring>

namespace Ical {

namespace {

// Where the name of a content line ends, or its parameters: the first ';'
// or ':' not inside a quoted parameter value.
qsizetype unquoted(const QByteArray &text, qsizetype from, const char *stops)
{
    bool quoted = false;
    for (qsizetype i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && std::strchr(stops, c))
            return i;
    }
    return text.size();
}

QByteArray componentNamed(const QByteArray &text)
{
    const qsizetype colon = text.indexOf(':');
    return colon < 0 ? QByteArray() : text.mid(colon + 1).trimmed().toUpper();
}

} // namespace

ContentLine ContentLine::Split(const QByteArray &unfolded)
{
    ContentLine l;
    const qsizetype nameEnd = unquoted(unfolded, 0, ";:");
    const qsizetype colon = unquoted(unfolded, nameEnd, ":");
    l.name = unfolded.left(nameEnd);
    l.params = unfolded.mid(nameEnd, colon - nameEnd);
    l.value = colon < unfolded.size() ? unfolded.mid(colon + 1) : QByteArray();
    return l;
}

QByteArray ContentLine::ParamsWithout(const QByteArray &param) const
{
    QByteArray out;
    for (qsizetype at = 0; at < params.size();) {
        const qsizetype next = unquoted(params, at + 1, ";");
        const QByteArray one = params.mid(at, next - at); // ";NAME=value"
        const qsizetype eq = one.indexOf('=');
        if (one.mid(1, eq < 0 ? -1 : eq - 1).trimmed().toUpper() != param.toUpper())
            out += one;
        at = next;
    }
    return out;
}

QByteArray Folded(const QByteArray &unfolded, const QByteArray &eol)
{
    QByteArray out;
    qsizetype pos = 0, limit = 75;
    do {
        qsizetype n = std::min(limit, unfolded.size() - pos);
        // A UTF-8 character's continuation bytes stay with its first byte.
        while (pos + n < unfolded.size() && n > 1 && (static_cast<uchar>(unfolded[pos + n]) & 0xC0) == 0x80)
            --n;
        if (pos > 0)
            out += ' ';
        out += unfolded.mid(pos, n);
        out += eol;
        pos += n;
        limit = 74; // after the fold's space
    } while (pos < unfolded.size());
    return out;
}

ContentLines::ContentLines(const QByteArray &bytes) : bytes_(bytes), eol_("\r\n")
{
    const qsizetype firstEnd = bytes.indexOf('\n');
    if (firstEnd >= 0 && (firstEnd == 0 || bytes[firstEnd - 1] != '\r'))
        eol_ = "\n";
    int depth = 0;
    for (qsizetype pos = 0; pos < bytes.size();) {
        qsizetype nl = bytes.indexOf('\n', pos);
        qsizetype end = nl < 0 ? bytes.size() : nl + 1;
        const bool continued = !lines_.empty() && (bytes[pos] == ' ' || bytes[pos] == '\t');
        const qsizetype textFrom = continued ? pos + 1 : pos;
        qsizetype textEnd = nl < 0 ? bytes.size() : nl;
        if (textEnd > textFrom && bytes[textEnd - 1] == '\r')
            --textEnd;
        const QByteArray piece = bytes.mid(textFrom, textEnd - textFrom);
        if (continued) {
            lines_.back().text += piece;
            lines_.back().end = end;
        } else {
            Line l;
            l.begin = pos;
            l.end = end;
            l.text = piece;
            lines_.push_back(l);
        }
        pos = end;
    }
    for (Line &l : lines_) {
        l.name = ContentLine::Split(l.text).name.trimmed().toUpper();
        if (l.name.startsWith("\xEF\xBB\xBF")) // a UTF-8 byte order mark
            l.name.remove(0, 3);
        if (l.name == "BEGIN")
            l.opens = componentNamed(l.text);
        else if (l.name == "END")
            l.closes = componentNamed(l.text);
        if (!l.closes.isEmpty())
            --depth;
        l.depth = depth;
        if (!l.opens.isEmpty())
            ++depth;
    }
}

size_t ContentLines::EndOf(size_t begin) const
{
    for (size_t i = begin + 1; i < lines_.size(); ++i)
        if (!lines_[i].closes.isEmpty() && lines_[i].depth == lines_[begin].depth)
            return i;
    return lines_.size();
}

void ContentLines::Replace(size_t line, const QByteArray &unfolded)
{
    replaced_[line] = Folded(unfolded, eol_);
}

void ContentLines::Remove(size_t line)
{
    replaced_[line] = QByteArray();
}

void ContentLines::InsertBefore(size_t line, const QByteArray &unfolded)
{
    inserted_[line] += Folded(unfolded, eol_);
}

void ContentLines::InsertWrittenBefore(size_t line, const QByteArray &written)
{
    QByteArray text = written;
    if (eol_ != "\r\n")
        text.replace("\r\n", eol_);
    inserted_[line] += text;
}

QByteArray ContentLines::Result() const
{
    QByteArray out;
    out.reserve(bytes_.size() + 512);
    for (size_t i = 0; i <= lines_.size(); ++i) {
        if (const auto ins = inserted_.find(i); ins != inserted_.end())
            out += ins->second;
        if (i == lines_.size())
            break;
        const Line &l = lines_[i];
        if (const auto rep = replaced_.find(i); rep != replaced_.end())
            out += rep->second;
        else
            out += bytes_.mid(l.begin, l.end - l.begin);
    }
    return out;
}

} // namespace Ical
