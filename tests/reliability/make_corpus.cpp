// Writes the fuzzer's seed files: real files as the program saves them,
// packed as the fuzzer takes its inputs.
//   make_fuzz_corpus <directory>

#include "PackedImage.h"
#include "SampleStores.h"
#include "store/TerminFile.h"

#include <QDir>

#include <cstdio>

using namespace reliability;

namespace {

bool save(const QDir &dir, const char *name, const DayGrid &grid, const TSettings &settings)
{
    const QString path = dir.filePath(QString::fromLatin1(name) + QStringLiteral(".packed"));
    if (!WriteFile(path, PackImage(TerminFile::Serialize(grid, settings)))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <directory>\n", argv[0]);
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral(".")))
        return 1;
    bool ok = true;

    {
        DayGrid grid;
        ok &= save(dir, "empty", grid, TSettings());
    }
    {
        DayGrid grid;
        FillRepresentative(grid);
        ok &= save(dir, "few", grid, RepresentativeSettings());
    }
    {
        DayGrid grid;
        TTermin *t = grid.AddRecord(grid.Slot(2012, 12, 21));
        t->Name = std::string(4000, 'N');
        std::string description;
        for (int i = 0; i < 7000; ++i)
            description += "line " + std::to_string(i) + "\r\n";
        t->Description = description;
        t->Time = 0.5;
        t->FirstRemind = 3;
        t->RepeatInterval = 1;
        ok &= save(dir, "long_texts", grid, TSettings{0, 30, false});
    }
    {
        DayGrid grid;
        TTermin *t = grid.AddRecord(grid.Slot(2000, 2, 29));
        std::string every;
        for (int c = 1; c < 256; ++c)
            every += static_cast<char>(c);
        t->Description = every;
        t->Name = "\xc4rger \xfc\xe4\xf6 \xa9\xae\xb0";
        t->Time = 0.5;
        t->Done = true;
        ok &= save(dir, "eight_bit", grid, TSettings{1, 59, true});
    }
    {
        DayGrid grid;
        TTerminDay &day = grid.Slot(2100, 12, 31);
        for (int i = 0; i < 40; ++i) {
            TTermin *t = grid.AddRecord(day);
            t->Name = "slot " + std::to_string(i);
            t->Time = i / 40.0;
            t->LastReminded = 73415 + i / 40.0;
            t->FirstRemind = 1;
            t->RepeatInterval = 1.0 / 24;
        }
        ok &= save(dir, "one_full_day", grid, TSettings{59, 0, false});
    }
    return ok ? 0 : 1;
}
