#pragma once
// An iCalendar file as its content lines, for changing a file another
// program wrote without writing it anew: only the lines a change concerns
// are replaced, and every other byte stays as it was (folding, line ends,
// parameters, properties and components this program does not know, and
// bytes that are not even UTF-8).

#include <QByteArray>

#include <map>
#include <vector>

namespace Ical {

// One content line split at its first unquoted colon.
struct ContentLine {
    QByteArray name;   // as written
    QByteArray params; // ";A=b;C=\"d:e\"" as written, "" when none
    QByteArray value;  // as written (escaped)

    static ContentLine Split(const QByteArray &unfolded);
    QByteArray Joined() const { return name + params + ':' + value; }
    // The parameters without those named `param` (any case).
    QByteArray ParamsWithout(const QByteArray &param) const;
};

// A content line folded after 75 octets, never inside a UTF-8 character,
// each piece ending in `eol`.
QByteArray Folded(const QByteArray &unfolded, const QByteArray &eol);

class ContentLines {
public:
    explicit ContentLines(const QByteArray &bytes);

    struct Line {
        qsizetype begin = 0, end = 0; // its physical lines, line ends included
        QByteArray text;              // unfolded, without its line end
        QByteArray name;              // upper case
        QByteArray opens, closes;     // the component a BEGIN or END line names, upper case
        int depth = 0;                // components open around it (a BEGIN or END line: outside its own)
    };
    const std::vector<Line> &Lines() const { return lines_; }
    // The file's own line end ("\r\n" or "\n"), for the lines written.
    const QByteArray &LineEnd() const { return eol_; }
    // The END line closing the component `begin` opens; Lines().size() when none.
    size_t EndOf(size_t begin) const;

    // Changes, carried out by Result().
    void Replace(size_t line, const QByteArray &unfolded);
    void Remove(size_t line);
    void InsertBefore(size_t line, const QByteArray &unfolded);
    // Lines as libical writes them (CR LF, folded), given this file's line ends.
    void InsertWrittenBefore(size_t line, const QByteArray &written);
    bool Changed() const { return !replaced_.empty() || !inserted_.empty(); }
    QByteArray Result() const;

private:
    const QByteArray bytes_;
    QByteArray eol_;
    std::vector<Line> lines_;
    std::map<size_t, QByteArray> replaced_; // folded already; empty: removed
    std::map<size_t, QByteArray> inserted_;
};

} // namespace Ical
