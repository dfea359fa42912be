#include "resources/pictures/KalvixPictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QString>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerPictures()
{
    Q_INIT_RESOURCE(pictures);
}

void kalvixInitPictures()
{
    // Registering twice is harmless, but there is no need to.
    static const bool done = (registerPictures(), true);
    (void)done;
}

namespace KalvixPictures {

QIcon AppIcon()
{
    QIcon icon;
    for (int size : AppIconSizes)
        icon.addFile(QStringLiteral(":/pictures/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

QString DoublePath(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? path + QLatin1String("@2x") : path.left(dot) + QLatin1String("@2x") + path.mid(dot);
}

int PictureRatio()
{
    const auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    return app && app->devicePixelRatio() > 1.0 ? 2 : 1;
}

QImage Image(const char *path)
{
    const QString normal = QString::fromLatin1(path);
    if (PictureRatio() > 1) {
        const QString twice = DoublePath(normal);
        if (QFile::exists(twice)) {
            QImage img(twice);
            img.setDevicePixelRatio(2);
            return img;
        }
    }
    return QImage(normal);
}

QByteArray InLanguage(const char *path, const QString &language)
{
    const QByteArray normal(path);
    if (language.isEmpty())
        return normal;
    const qsizetype dot = normal.lastIndexOf('.');
    const QByteArray own = normal.left(dot) + '-' + language.toLatin1() + normal.mid(dot);
    return QFile::exists(QString::fromLatin1(own)) ? own : normal;
}

QPixmap Pixmap(const char *path)
{
    return QPixmap::fromImage(Image(path));
}

const Entry All[] = {
    {ExitNormal, 101, 30},
    {ExitPressed, 101, 30},
    {AboutNormal, 101, 30},
    {AboutPressed, 101, 30},
    {":/pictures/exit-de.gif", 101, 30},
    {":/pictures/exit-pressed-de.gif", 101, 30},
    {":/pictures/about-de.gif", 101, 30},
    {":/pictures/about-pressed-de.gif", 101, 30},
    {":/pictures/exit-fr.gif", 101, 30},
    {":/pictures/exit-pressed-fr.gif", 101, 30},
    {":/pictures/about-fr.gif", 101, 30},
    {":/pictures/about-pressed-fr.gif", 101, 30},
    {OptionsPanel, 209, 360},
    {AboutBox, 306, 322},
    {GlyphAdd, 36, 18},
    {GlyphDelete, 36, 18},
    {GlyphUp, 36, 18},
    {GlyphMinimize, 36, 18},
    {GlyphHomepage, 32, 16},
    {TabImages[0], 16, 16},
    {TabImages[1], 16, 16},
    {DetailTabImages[0], 16, 16},
    {DetailTabImages[1], 16, 16},
    {TreeImages[0], 16, 16},
    {TreeImages[1], 16, 16},
    {TreeImages[2], 16, 16},
    {TreeImages[3], 16, 16},
    {TreeImages[4], 16, 16},
    {TrayMenuImages[0], 16, 16},
    {TrayMenuImages[1], 16, 16},
    {TrayMenuImages[2], 16, 16},
    {TrayMenuImages[3], 16, 16},
    {TrayMenuImages[4], 16, 16},
    {":/pictures/icon-16.png", 16, 16},
    {":/pictures/icon-32.png", 32, 32},
    {":/pictures/icon-48.png", 48, 48},
    {":/pictures/icon-64.png", 64, 64},
    {":/pictures/icon-256.png", 256, 256},
};
const std::size_t AllCount = sizeof All / sizeof All[0];

} // namespace KalvixPictures
