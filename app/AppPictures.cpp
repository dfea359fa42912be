#include "app/AppPictures.h"

#include "resources/pictures/KalvixPictures.h"

namespace AppPictures {

namespace {
template <size_t N>
QVector<QPixmap> load(const char *const (&paths)[N])
{
    QVector<QPixmap> images;
    images.reserve(static_cast<int>(N));
    for (const char *p : paths)
        images.append(KalvixPictures::Pixmap(p));
    return images;
}
} // namespace

void init()
{
    kalvixInitPictures();
}

QIcon applicationIcon()
{
    return KalvixPictures::AppIcon();
}

QIcon windowIcon()
{
    return KalvixPictures::WindowIcon();
}

QVector<QPixmap> trayImages()
{
    return load(KalvixPictures::TrayMenuImages);
}

QVector<QPixmap> treeImages()
{
    return load(KalvixPictures::TreeImages);
}

QVector<QPixmap> tabImages()
{
    return load(KalvixPictures::TabImages);
}

QVector<QPixmap> detailTabImages()
{
    return load(KalvixPictures::DetailTabImages);
}

} // namespace AppPictures
