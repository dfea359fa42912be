#include "SampleStores.h"

#include "store/TerminFile.h"

#include <QFile>

namespace reliability {

void FillRepresentative(DayGrid &grid)
{
    TTermin *a = grid.AddRecord(grid.Slot(2000, 1, 1));
    a->Name = "New year";
    a->Description = "line one\r\nline two\r\n\xe4\xf6\xfc\xdf \xff\x80";
    a->Time = 0.75;
    a->FirstRemind = 3;
    a->RepeatInterval = 1.0 / 24;
    a->LastReminded = 36526.5;
    a->Done = true;

    TTermin *b = grid.AddRecord(grid.Slot(2024, 2, 29));
    b->Name = "Leap day";
    b->Description = std::string(1000, 'x');
    b->Time = 0.5;
    b->FirstRemind = 7;
    b->RepeatInterval = 1;
    TTermin *c = grid.AddRecord(grid.Slot(2024, 2, 29));
    c->Name = ""; // an empty text is a length alone
    c->Time = 0.999988425925926;
    c->FirstRemind = 0;
    c->RepeatInterval = 0.5;

    TTermin *d = grid.AddRecord(grid.Slot(2100, 12, 31));
    d->Name = "Last day \xa7";
    d->Description = "end";
    d->Time = 0;
    d->LastReminded = 73415.25;
}

TSettings RepresentativeSettings()
{
    return TSettings{5, 15, true};
}

void FillGeneration(DayGrid &grid, uint32_t generation)
{
    // 0 to 6 blocks of 300 records, so consecutive generations differ in
    // size by at least one block of records.
    const uint32_t records = (generation % 7) * 300 + generation % 5;
    for (uint32_t i = 0; i < records; ++i) {
        const int year = 2000 + static_cast<int>((i * 7 + generation) % 101);
        const int month = 1 + static_cast<int>((i * 5) % 12);
        const int day = 1 + static_cast<int>((i * 3 + generation) % 28);
        TTermin *t = grid.AddRecord(grid.Slot(year, month, day));
        t->Name = "generation " + std::to_string(generation) + " #" + std::to_string(i);
        t->Description = std::string(40 + i % 60, static_cast<char>('a' + generation % 26));
        t->Time = (i % 96) / 96.0;
        t->FirstRemind = generation;
        t->RepeatInterval = 1;
        t->Done = (i + generation) % 2;
    }
}

TSettings GenerationSettings(uint32_t generation)
{
    return TSettings{static_cast<int>(generation), static_cast<int>(generation % 60), generation % 2 == 1};
}

QByteArray GenerationBytes(uint32_t generation)
{
    DayGrid grid;
    FillGeneration(grid, generation);
    return TerminFile::Serialize(grid, GenerationSettings(generation));
}

long long GenerationOf(const QByteArray &bytes)
{
    DayGrid grid;
    TSettings settings;
    if (!TerminFile::Parse(bytes.constData(), static_cast<size_t>(bytes.size()), grid, settings).isEmpty())
        return -1;
    const uint32_t generation = static_cast<uint32_t>(settings.checkMinutes);
    return GenerationBytes(generation) == bytes ? generation : -1;
}

QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace reliability
