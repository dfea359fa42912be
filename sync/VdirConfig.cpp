#include "sync/VdirConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace VdirConfig {

namespace {

// Paths hold slashes, which QSettings takes for groups.
QString keyFor(const QString &dataPath)
{
    return QStringLiteral("vdir/")
        + QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(dataPath).absoluteFilePath()));
}

} // namespace

QString FilePath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("kalvix/vdir.conf"));
}

QString FolderFor(const QString &dataPath)
{
    const QSettings s(FilePath(), QSettings::IniFormat);
    return s.value(keyFor(dataPath)).toString();
}

bool SetFolder(const QString &dataPath, const QString &folder, QString &error)
{
    QDir().mkpath(QFileInfo(FilePath()).path());
    QSettings s(FilePath(), QSettings::IniFormat);
    s.setValue(keyFor(dataPath), folder);
    s.sync();
    if (s.status() != QSettings::NoError) {
        error =
            QCoreApplication::translate("VdirConfig", "could not write %1").arg(QDir::toNativeSeparators(FilePath()));
        return false;
    }
    return true;
}

} // namespace VdirConfig
