#pragma once
// The real program copied into a folder of its own, as a user has it, and
// run there as a command or as the window (offscreen).

#include "store/DayGrid.h"
#include "store/TerminFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <grp.h>
#include <memory>
#include <unistd.h>

struct Run {
    int status = -1;
    QString out, err;
};

constexpr uid_t Nobody = 65534;

class Folder {
public:
    QTemporaryDir dir;
    QString exe;
    // What every start gets; and, as root, whether it runs as "nobody".
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    bool secondUser = false;

    Folder()
    {
        exe = dir.filePath(QStringLiteral("kalvix"));
        QFile::copy(QStringLiteral(KALVIX_PROGRAM), exe);
    }
    // A test may have taken the write permission away.
    ~Folder() { QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }
    QString data() const { return TerminFile::PathIn(dir.path()); }

    // `output`: a file that receives standard output instead of the test.
    QProcess *start(const QStringList &args, bool display = false, const QString &output = QString()) const
    {
        auto *p = new QProcess;
        QProcessEnvironment env = this->env;
        if (secondUser) {
            p->setChildProcessModifier([] {
                if (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
                    ::_exit(3);
            });
        }
        if (display) {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        } else {
            // Commands must not need a display at all.
            env.remove(QStringLiteral("DISPLAY"));
            env.remove(QStringLiteral("WAYLAND_DISPLAY"));
            env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        }
        p->setProcessEnvironment(env);
        p->setWorkingDirectory(dir.path());
        if (!output.isEmpty())
            p->setStandardOutputFile(output);
        p->start(exe, args);
        return p;
    }

    Run run(const QStringList &args, const QString &output = QString()) const
    {
        std::unique_ptr<QProcess> p(start(args, false, output));
        Run r;
        if (!p->waitForFinished(120000))
            return r;
        r.status = p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1;
        r.out = QString::fromUtf8(p->readAllStandardOutput());
        r.err = QString::fromUtf8(p->readAllStandardError());
        return r;
    }

    QStringList entries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    int stored(const QDate &day) const
    {
        DayGrid grid;
        TSettings s;
        if (!OpenTermins(data(), grid, s).ok)
            return -1;
        return int(grid.Slot(day.year(), day.month(), day.day()).records.Count());
    }
};
