#include "app/AppPictures.h"

#include <QApplication>
#include <QStyle>

namespace AppPictures {

void init()
{
}

QIcon applicationIcon()
{
    return QApplication::style()->standardIcon(QStyle::SP_FileDialogDetailedView);
}

QVector<QPixmap> trayImages()
{
    return {};
}

QVector<QPixmap> treeImages()
{
    return {};
}

QVector<QPixmap> tabImages()
{
    return {};
}

} // namespace AppPictures
