#include "resources/pictures/KalvixPictures.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
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

namespace {

// Reads a picture in the format its name ends in. Without a format named,
// or with the reader left to guess, every image plugin installed would be
// loaded and asked first.
QImage readImage(const QString &path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// The application icon, decoded only when a size of it is first drawn: the
// start then reads no picture the first window does not show, and names
// each file's format, so no image plugin is tried on it.
class AppIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().pixmap(size, mode, state);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        decoded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        if (mode != QIcon::Normal || state != QIcon::Off)
            return {};
        QList<QSize> sizes;
        for (int size : AppIconSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }
    QIconEngine *clone() const override { return new AppIconEngine(*this); }
    QString key() const override { return QStringLiteral("KalvixAppIcon"); }
    bool isNull() override { return false; }

private:
    const QIcon &decoded()
    {
        if (icon_.isNull())
            for (int size : AppIconSizes)
                icon_.addPixmap(QPixmap::fromImage(readImage(QStringLiteral(":/pictures/icon-%1.png").arg(size))));
        return icon_;
    }
    QIcon icon_;
};

} // namespace

QIcon AppIcon()
{
    // One decoding for every user of the icon (the window and the tray).
    static const QIcon icon(new AppIconEngine);
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
            QImage img = readImage(twice);
            img.setDevicePixelRatio(2);
            return img;
        }
    }
    return readImage(normal);
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

QSize LogicalSize(const char *path)
{
    for (std::size_t i = 0; i < AllCount; ++i)
        if (qstrcmp(All[i].path, path) == 0)
            return QSize(All[i].width, All[i].height);
    return QSize();
}

} // namespace KalvixPictures
