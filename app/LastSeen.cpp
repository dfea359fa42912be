#include "app/LastSeen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr int KeptPaths = 32;

struct Entry {
    double value = 0;
    QString path;
};

QString stateFolder()
{
    // Qt 6.4 has no StateLocation; this is where XDG puts it.
    const QString xdg = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = QDir::isAbsolutePath(xdg) ? xdg : QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/kalvix");
}

QList<Entry> readEntries()
{
    QList<Entry> entries;
    QFile f(LastSeen::FilePath());
    if (!f.open(QIODevice::ReadOnly))
        return entries;
    for (const QByteArray &line : f.readAll().split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        bool ok = false;
        const double value = tab > 0 ? line.left(tab).toDouble(&ok) : 0;
        if (ok)
            entries.append({value, QString::fromUtf8(line.mid(tab + 1))});
    }
    return entries;
}

// A new file of a unique name, mode 0600, renamed over the old one: a
// link or a half-written file never stands at the name.
bool replaceWith(const QString &folder, const QByteArray &bytes)
{
    QByteArray pattern = QFile::encodeName(folder + QStringLiteral("/last-seen.XXXXXX"));
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return false;
    bool ok = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(pattern.constData(), QFile::encodeName(LastSeen::FilePath()).constData()) == 0;
    if (!ok)
        ::unlink(pattern.constData());
    return ok;
}
} // namespace

QString LastSeen::FilePath()
{
    return stateFolder() + QStringLiteral("/last-seen");
}

double LastSeen::Read(const QString &dataPath)
{
    const QString path = QFileInfo(dataPath).absoluteFilePath();
    for (const Entry &e : readEntries())
        if (e.path == path)
            return e.value;
    return 0;
}

bool LastSeen::Write(const QString &dataPath, double value)
{
    const QString path = QFileInfo(dataPath).absoluteFilePath();
    if (path.contains(QLatin1Char('\n')))
        return false;
    const QString folder = stateFolder();
    if (!QDir().mkpath(folder))
        return false;
    QByteArray bytes = QByteArray::number(value, 'g', 17) + '\t' + path.toUtf8() + '\n';
    int kept = 1;
    for (const Entry &e : readEntries())
        if (e.path != path && kept++ < KeptPaths)
            bytes += QByteArray::number(e.value, 'g', 17) + '\t' + e.path.toUtf8() + '\n';
    return replaceWith(folder, bytes);
}
