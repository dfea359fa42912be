#include "platform/instance/InstanceKey.h"

#include "platform/instance/LocalServer.h"
#include "platform/instance/PrivateFolder.h"

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

    // The user id keeps the names of two users apart even where their
    // folders would be the same (no private folder on the platform).
    QByteArray identity = key.dataPath.toUtf8();
#ifdef Q_OS_UNIX
    identity.prepend(QByteArray::number(static_cast<qulonglong>(::getuid())) + '\n');
#endif
    const QByteArray hash = QCryptographicHash::hash(identity, QCryptographicHash::Sha256).toHex().left(24);
    const QString name = QStringLiteral("kalvix-") + QString::fromLatin1(hash);
    // The server first binds the socket in a temporary folder beside it
    // ("<name>-XXXXXX/s", see LocalServer).
    const PrivateFolder folder = PrivateFolder::ForSockets(static_cast<int>(name.size()) + LocalServer::BindRoom);
    key.socketNotice = folder.notice;
    if (folder.path.isEmpty())
        key.socketProblem = folder.problem;
    else
        key.serverName = folder.path + QLatin1Char('/') + name;
    return key;
}
