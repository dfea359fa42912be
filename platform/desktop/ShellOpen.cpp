#include "platform/desktop/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

bool ShellOpen(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address));
}
