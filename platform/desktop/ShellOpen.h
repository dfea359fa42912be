#pragma once
// Asks the desktop to open an address in the default browser. The result
// only says whether the request was handed over.

#include <QString>

bool ShellOpen(const QString &address);
