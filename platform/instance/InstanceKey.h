#pragma once
// Names derived from one data file: the lock file beside it and the local
// server through which the copy owning the file can be reached. Every way
// of spelling the same file (relative, through a symbolic link, with "./"
// or "../" parts) gives the same names; different files give different ones.

#include <QString>

struct InstanceKey {
    QString dataPath;   // the data file's canonical full path
    QString lockPath;   // dataPath + ".lock"
    QString serverName; // short enough for a Unix socket path in the temp folder

    static InstanceKey For(const QString &dataFilePath);
};
