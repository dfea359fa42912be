// Test helper: reads the store in the given directory and then saves the
// following generations of it in a loop until it is killed. After every
// completed save it writes the generation's number to stdout, so the
// killer knows which states the file may be in.
//   crash_saver <directory>

#include "SampleStores.h"
#include "store/TerminFile.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

void say(const std::string &line)
{
    const std::string out = line + "\n";
    // Unbuffered: whatever was said before the kill has arrived.
    if (::write(STDOUT_FILENO, out.data(), out.size()) < 0)
        _exit(3);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <directory>\n", argv[0]);
        return 2;
    }
    const QString path = TerminFile::PathIn(QString::fromLocal8Bit(argv[1]));
    DayGrid grid;
    TSettings settings;
    const TerminFile::Outcome o = OpenTermins(path, grid, settings);
    if (!o.ok) {
        say("unreadable " + o.message.toStdString());
        return 1;
    }
    uint32_t generation = static_cast<uint32_t>(settings.checkMinutes);
    say("start " + std::to_string(generation));
    for (;;) {
        ++generation;
        DayGrid next;
        reliability::FillGeneration(next, generation);
        const TerminFile::Outcome saved = SaveTermins(path, next, reliability::GenerationSettings(generation));
        if (!saved.ok) {
            say("failed " + saved.message.toStdString());
            return 1;
        }
        say("saved " + std::to_string(generation));
    }
}
