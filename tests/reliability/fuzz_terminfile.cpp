// libFuzzer entry for the file reader: every input goes through the parser
// and through a full read from disk, and must keep the reader's promise
// (see FileImageCheck.h). A broken promise aborts, so libFuzzer keeps the
// input as a crash artifact.

#include "FileImageCheck.h"

#include <QDir>
#include <QTemporaryDir>

#include <sanitizer/allocator_interface.h>

#include <cstdio>
#include <cstdlib>

namespace {

void onMalloc(const volatile void *, size_t size)
{
    reliability::NoteAllocation(size);
}

void onFree(const volatile void *) {}

QString scratchDir()
{
    // A memory file system keeps the per-input file traffic cheap.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/kalvix-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/kalvix-fuzz-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a scratch directory\n");
        std::abort();
    }
    return dir.path();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString dir = scratchDir();
    const std::string broken = reliability::CheckFileImage(data, size, dir);
    if (!broken.empty()) {
        std::fprintf(stderr, "file reader promise broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
