#pragma once
// Names derived from one data file: the lock file beside it and the local
// server through which the copy owning the file can be reached. Every way
// of spelling the same file (relative, through a symbolic link, with "./"
// or "../" parts) gives the same names; different files give different ones.

#include <QString>

struct InstanceKey {
    QString dataPath; // the data file's canonical full path
    QString lockPath; // dataPath + ".lock"
    // Full path of the local socket, in a folder only this user can enter
    // (see PrivateFolder); empty when there is no such folder, and then
    // `socketProblem` says why.
    QString serverName;
    QString socketProblem;
    // Set when the usual socket folder belongs to somebody else and one of
    // our own is used in its place (see PrivateFolder).
    QString socketNotice;

    static InstanceKey For(const QString &dataFilePath);
};
