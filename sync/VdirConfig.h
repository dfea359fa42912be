#pragma once
// Which calendar folder a data file is mirrored to, remembered per data
// file in "kalvix/vdir.conf" under the user's configuration folder
// (~/.config): never in the data file, whose format other copies read.

#include <QString>

namespace VdirConfig {

QString FilePath();
// The folder for `dataPath`; empty when none is set.
QString FolderFor(const QString &dataPath);
bool SetFolder(const QString &dataPath, const QString &folder, QString &error);

} // namespace VdirConfig
