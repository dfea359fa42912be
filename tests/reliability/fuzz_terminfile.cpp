// libFuzzer entry for the file reader: every input is a packed file image
// (see PackedImage.h) that goes through the parser, a write-back of what
// loaded, and the program's whole read (from memory), and must keep the
// reader's promise (see FileImageCheck.h). A broken promise aborts, so
// libFuzzer keeps the input as a crash artifact.

#include "FileImageCheck.h"
#include "PackedImage.h"

#include <QDir>
#include <QTemporaryDir>

#include <sanitizer/allocator_interface.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The read from a real file costs more than all the rest of an input's
// checks together (several system calls and copies of the whole image), so
// it is made for the first input and then for every DiskEvery-th; the
// memory read before it is the same code above the file system.
constexpr unsigned long DiskEvery = 256;

void onMalloc(const volatile void *, size_t size)
{
    reliability::NoteAllocation(size);
}

void onFree(const volatile void *) {}

// A directory of its own for one read from a real file, removed right after
// it: libFuzzer ends its workers without running destructors of statics, so
// a directory kept for the whole run would be left behind by each of them.
std::string checkWithDisk(reliability::FileImageChecker &checker, const uint8_t *image, size_t size)
{
    // A memory file system keeps the file traffic cheap.
    const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                ? QStringLiteral("/dev/shm/kalvix-fuzz-XXXXXX")
                                : QDir::tempPath() + QStringLiteral("/kalvix-fuzz-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a scratch directory\n");
        std::abort();
    }
    return checker.CheckWithDisk(image, size, dir.path());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static reliability::ImageUnpacker unpacker;
    static reliability::FileImageChecker checker;
    static unsigned long inputs = 0;
    size_t imageSize = 0;
    const auto *image = reinterpret_cast<const uint8_t *>(unpacker.Unpack(data, size, imageSize));
    const std::string broken = inputs++ % DiskEvery == 0 ? checkWithDisk(checker, image, imageSize)
                                                         : checker.Check(image, imageSize);
    if (!broken.empty()) {
        std::fprintf(stderr, "file reader promise broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
