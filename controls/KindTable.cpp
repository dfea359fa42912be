#include "controls/KindTable.h"

#include "controls/ButtonGlyph.h"
#include "controls/ModalResults.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

#include <array>
#include <optional>

// The resource file is compiled into a static library; naming its
// initialiser here keeps the linker from dropping it.
static void initGlyphResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(glyphs);
        return true;
    }();
    (void)done;
}

namespace KindTable {

namespace {

// Named as BMP, so no image plugin is loaded to guess the format.
QImage readBitmap(const QString &path)
{
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
using M = ModalResults;
// Captions are the program's own texts; QT_TRANSLATE_NOOP keeps them
// visible to the translation tools under the button's context.
const std::array<KindInfo, KindCount> kKinds{{
    {"", M::mrNone, nullptr, false, false},
    {QT_TRANSLATE_NOOP("TBitBtnXP", "OK"), M::mrOk, "BBOKX", true, false},
    {QT_TRANSLATE_NOOP("TBitBtnXP", "Cancel"), M::mrCancel, "BBCANCELX", false, true},
    {QT_TRANSLATE_NOOP("TBitBtnXP", "&Help"), M::mrNone, "BBHELPX", false, false},
    {QT_TRANSLATE_NOOP("TBitBtnXP", "&Yes"), M::mrYes, "BBYESX", true, false},
    {QT_TRANSLATE_NOOP("TBitBtnXP", "&No"), M::mrNo, "BBNOX", false, true},
    {QT_TRANSLATE_NOOP("TBitBtnXP", "&Close"), M::mrNone, "BBCLOSEX", false, false},
    {QT_TRANSLATE_NOOP("TBitBtnXP", "Abort"), M::mrAbort, "BBABORTX", false, false},
    {QT_TRANSLATE_NOOP("TBitBtnXP", "&Retry"), M::mrRetry, "BBRETRYX", false, false},
    {QT_TRANSLATE_NOOP("TBitBtnXP", "&Ignore"), M::mrIgnore, "BBIGNOREX", false, false},
    {QT_TRANSLATE_NOOP("TBitBtnXP", "&All"), M::mrAll, "BBALLX", false, false},
}};

// One slot per kind, filled on first use, freed at exit.
std::array<std::optional<QImage>, KindCount> &glyphTable()
{
    static std::array<std::optional<QImage>, KindCount> table;
    return table;
}
} // namespace

const KindInfo &Info(int k)
{
    if (k < 0 || k >= KindCount)
        k = 0;
    return kKinds[static_cast<size_t>(k)];
}

QString Caption(int k)
{
    const KindInfo &info = Info(k);
    return info.caption[0] ? QCoreApplication::translate("TBitBtnXP", info.caption) : QString();
}

QImage Glyph(int k)
{
    const KindInfo &info = Info(k);
    if (!info.resource)
        return QImage();
    auto &slot = glyphTable()[static_cast<size_t>(k)];
    if (!slot) {
        initGlyphResources();
        // On a high-density screen the glyph drawn at twice the size, marked
        // as such, so it shows at the same logical size with finer detail.
        const auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
        if (app && app->devicePixelRatio() > 1.0) {
            QImage twice = readBitmap(QStringLiteral(":/glyphs/%1@2x.bmp").arg(QLatin1String(info.resource)));
            if (!twice.isNull()) {
                twice.setDevicePixelRatio(2);
                slot = twice;
            }
        }
        if (!slot)
            slot = readBitmap(QStringLiteral(":/glyphs/%1.bmp").arg(QLatin1String(info.resource)));
    }
    return *slot;
}

QIcon GlyphIcon(int k)
{
    const QImage strip = Glyph(k);
    if (strip.isNull())
        return QIcon();
    // The painter cuts the cells and keys out the background exactly as the
    // bitmap button draws them.
    TButtonGlyph painter;
    painter.SetGlyph(strip);
    painter.SetNumGlyphs(2);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(painter.StateImageContents(gsUp)), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(painter.StateImageContents(gsDisabled)), QIcon::Disabled);
    return icon;
}

} // namespace KindTable
