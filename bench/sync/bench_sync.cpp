// The mirror's costs on a store of 10,000 appointments, each beside the
// baseline it is held to, measured in the same run:
//  - a pass with nothing changed (after the folder has settled) against
//    reading the data file and taking the stamp of every file of the
//    folder (which it must, to see a file rewritten in place): at most
//    twice that; and, for the record, against the check before it, which
//    looked at the folder's own stamp only;
//  - a save of one changed appointment followed by its pass, against the
//    save alone (the pass then also looks at every file of the folder,
//    whose last change, the pass before, is too recent to trust its stamp);
//  - the first "kalvix sync --vdir" into an empty folder (10,000 files
//    written atomically) against "kalvix export" of the same store, both
//    as a person runs them.

#include "BenchUtil.h"
#include "SampleStore.h"

#include "store/StoreFile.h"
#include "sync/IndexKeeping.h"
#include "sync/VdirFolder.h"
#include "sync/VdirIndex.h"
#include "sync/VdirPass.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <vector>

namespace {

constexpr int Count = 10000;

double runMs(const QString &exe, const QStringList &args, const QString &dir)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    const auto start = std::chrono::steady_clock::now();
    p.start(exe, args);
    if (!p.waitForFinished(600000) || p.exitCode() != 0)
        return -1;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit()); // no running copy to talk to
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    QTemporaryDir dir;
    const QString exe = dir.filePath(QStringLiteral("kalvix"));
    const QString data = dir.filePath(QStringLiteral("appointments.dat"));
    const QString folder = dir.filePath(QStringLiteral("calendar"));
    QDir().mkpath(folder);
    {
        DayGrid grid;
        TSettings settings;
        bench::FillSpread(grid, Count, 3);
        StoreFile file(data);
        file.Load(grid, settings); // no file yet: an empty common state
        if (!QFile::copy(QStringLiteral(KALVIX_EXE), exe) || !file.Sync(grid, settings).outcome.ok) {
            std::printf("bench_sync: cannot set up the program folder\n");
            return 1;
        }
    }
    bool ok = true;

    // First sync as a person runs it, beside an export of the same store;
    // alternating rounds so that load changes hit both.
    double firstMs = 1e300, exportMs = 1e300;
    for (int i = 0; i < 3; ++i) {
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        QFile::remove(dir.filePath(QStringLiteral("appointments.idx")));
        QFile::remove(home.filePath(QStringLiteral("config/kalvix/vdir.conf")));
        const double e = runMs(exe, {QStringLiteral("export"), dir.filePath(QStringLiteral("all.ics"))}, dir.path());
        const double s = runMs(exe, {QStringLiteral("sync"), QStringLiteral("--vdir"), folder}, dir.path());
        if (e < 0 || s < 0) {
            std::printf("bench_sync: a command failed\n");
            return 1;
        }
        exportMs = std::min(exportMs, e);
        firstMs = std::min(firstMs, s);
    }
    ok = bench::report("first sync of 10,000 (vs kalvix export)", firstMs, exportMs, 10) && ok;

    // In the process: the pass itself against reading the data file.
    StoreFile::SetWrittenHook([](const QString &path, const DayHashes &before, const DayGrid &grid) {
        IndexKeeping::AfterSave(path, before, grid, 46000);
    });
    DayGrid grid;
    TSettings settings;
    StoreFile file(data);
    const double readMs = bench::medianMs(7, [&] {
        grid.delall();
        file.Load(grid, settings);
    });
    PassOptions options{data, QDir(folder).canonicalPath(), 46000, false, false};
    auto save = [&](QString &error) {
        const SyncResult r = file.Sync(grid, settings);
        error = r.outcome.message;
        return r.outcome.ok;
    };
    // Until the folder's last change is old enough to be trusted, a pass
    // looks at every file; a person's next pass comes minutes later.
    RunPass(options, grid, save);
    QThread::msleep(2100);
    RunPass(options, grid, save);
    bool wrote = false;
    const double unchangedMs = bench::medianMs(7,
                                               [&] { wrote = RunPass(options, grid, save).wroteAnything() || wrote; });
    if (wrote) {
        std::printf("bench_sync: a pass with nothing changed wrote something\n");
        ok = false;
    }
    bool sink = false; // keeps the baselines' work from being optimised away
    const double listMs = bench::medianMs(7, [&] { sink = VdirFolder::List(folder).isEmpty() || sink; });
    ok = bench::report("pass, nothing changed (vs reading + a stat per file)", unchangedMs, readMs + listMs, 2) && ok;
    // The check before: the index's header, the folder's stamp, the store.
    const double folderOnlyMs = bench::medianMs(7, [&] {
        VdirIndex head;
        QString error;
        sink = !head.Load(VdirIndex::PathFor(data), error, true) || VdirFolder::StampOf(folder).size < 0
            || head.store != StoreFingerprint(DayHashes::Of(grid)) || sink;
    });
    ok = bench::report("pass, nothing changed (vs the folder-stamp check)", unchangedMs, folderOnlyMs, 100) && ok;

    // One appointment changed and saved, with and without the pass that
    // follows in the running program: the pass against the save it follows.
    TTermin *first = nullptr;
    grid.ForEachFilledDay([&](int, int, int, TTerminDay &slot) {
        if (!first)
            first = slot.records.Item(0);
    });
    int round = 0;
    auto change = [&] {
        first->Name = "Changed " + std::to_string(++round);
        grid.NoteChange();
        file.Sync(grid, settings);
    };
    // Round by round, the save alone and then a save with its pass.
    constexpr int Rounds = 15;
    std::vector<double> saves, withPass;
    RunPass(options, grid, save);
    int written = 0;
    for (int i = 0; i < Rounds; ++i) {
        saves.push_back(bench::medianMs(1, change));
        withPass.push_back(bench::medianMs(1, [&] {
            change();
            written += RunPass(options, grid, save).written;
        }));
    }
    if (written != Rounds) {
        std::printf("bench_sync: one changed appointment wrote %d files in %d passes\n", written, Rounds);
        ok = false;
    }
    ok = bench::reportPaired("save + pass, one changed (vs the save alone)", withPass, saves, 4) && ok;
    return ok ? 0 : 1;
}
