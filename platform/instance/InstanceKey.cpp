#include "platform/instance/InstanceKey.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// The data file itself may not exist yet (first start), its folder does.
QString canonicalDataPath(const QString &dataFilePath)
{
    const QFileInfo file(dataFilePath);
    const QString dir = QFileInfo(file.absolutePath()).canonicalFilePath();
    if (dir.isEmpty())
        return QDir::cleanPath(file.absoluteFilePath());
    return QDir(dir).filePath(file.fileName());
}

} // namespace

InstanceKey InstanceKey::For(const QString &dataFilePath)
{
    InstanceKey key;
    key.dataPath = canonicalDataPath(dataFilePath);
    key.lockPath = key.dataPath + QStringLiteral(".lock");

    // The socket lives in the shared temp folder; the user id keeps two
    // users of one shared folder from fighting over a single socket name.
    QByteArray identity = key.dataPath.toUtf8();
#ifdef Q_OS_UNIX
    identity.prepend(QByteArray::number(static_cast<qulonglong>(::getuid())) + '\n');
#endif
    const QByteArray hash = QCryptographicHash::hash(identity, QCryptographicHash::Sha256).toHex().left(24);
    key.serverName = QStringLiteral("kalvix-") + QString::fromLatin1(hash);
    return key;
}
