#include "resources/pictures/KalvixPictures.h"
#include "resources/pictures/PlainPixels.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QString>

#include <iterator>
#include <utility>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerPictures()
{
    Q_INIT_RESOURCE(pictures);
    Q_INIT_RESOURCE(pixels);
}

void kalvixInitPictures()
{
    // Registering twice is harmless, but there is no need to.
    static const bool done = (registerPictures(), true);
    (void)done;
}

namespace KalvixPictures {

namespace {

// Reads a picture: from the plain pixels kept for it where there are some,
// else decoded in the format its name ends in. Without a format named, or
// with the reader left to guess, every image plugin installed would be
// loaded and asked first.
QImage readImage(const QString &path)
{
    QImage plain = PlainPixels::Find(path);
    if (!plain.isNull())
        return plain;
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// One size of the application icon, decoded when first asked for and kept
// for every user of the icon (window, tray, notices).
QPixmap appIconSize(int size)
{
    static QHash<int, QPixmap> decoded;
    auto it = decoded.find(size);
    if (it == decoded.end())
        it = decoded.insert(size, QPixmap::fromImage(readImage(QStringLiteral(":/pictures/icon-%1.png").arg(size))));
    return *it;
}

// The application icon offering `sizes`. A size is decoded only when drawn:
// asked for some size, the engine reads the smallest offered size that
// covers it (else the largest) and leaves scaling and the disabled look to
// QIcon, as it would with every size added.
class AppIconEngine : public QIconEngine {
public:
    explicit AppIconEngine(QList<int> sizes) : sizes_(std::move(sizes)) {}
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return covering(size).pixmap(size, mode, state);
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        covering(rect.size() * ratio).paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = pick(size);
        return side >= qMax(size.width(), size.height()) ? size : QSize(side, side);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        if (mode != QIcon::Normal || state != QIcon::Off)
            return {};
        QList<QSize> sizes;
        for (int size : sizes_)
            sizes.append(QSize(size, size));
        return sizes;
    }
    QIconEngine *clone() const override { return new AppIconEngine(*this); }
    QString key() const override { return QStringLiteral("KalvixAppIcon"); }
    bool isNull() override { return sizes_.isEmpty(); }

private:
    int pick(const QSize &size) const
    {
        const int want = qMax(size.width(), size.height());
        for (int side : sizes_)
            if (side >= want)
                return side;
        return sizes_.isEmpty() ? 0 : sizes_.last();
    }
    QIcon covering(const QSize &size) const { return QIcon(appIconSize(pick(size))); }
    QList<int> sizes_;
};

} // namespace

QIcon AppIcon()
{
    static const QIcon icon(new AppIconEngine(QList<int>(std::begin(AppIconSizes), std::end(AppIconSizes))));
    return icon;
}

QIcon WindowIcon()
{
    static const QIcon icon = [] {
        QList<int> sizes;
        for (int size : AppIconSizes)
            if (size <= WindowIconLargest)
                sizes.append(size);
        return QIcon(new AppIconEngine(sizes));
    }();
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
