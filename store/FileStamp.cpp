#include "store/FileStamp.h"

#include <QFile>

#include <cerrno>

#include <sys/stat.h>

FileStamp FileStamp::Of(const QByteArray &nativePath)
{
    FileStamp s;
    struct stat st {};
    if (::stat(nativePath.constData(), &st) != 0) {
        s.hidden = errno != ENOENT && errno != ENOTDIR;
        return s;
    }
    s.exists = true;
    s.size = static_cast<int64_t>(st.st_size);
    s.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.changedNs = static_cast<int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    s.device = static_cast<uint64_t>(st.st_dev);
    s.inode = static_cast<uint64_t>(st.st_ino);
    return s;
}

FileStamp FileStamp::Of(const QString &path)
{
    return Of(QFile::encodeName(path));
}
