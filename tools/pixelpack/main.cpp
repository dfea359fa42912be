// Writes pictures out as the plain pixels the program draws from, so that
// the running program wraps them in place where it would otherwise decode a
// PNG or GIF (and load the GIF plugin) on every start.
//
//   kalvix-pixelpack OUTDIR PICTURE...
//
// Each PICTURE whose pixels take at most PlainPixels::MostBytes is written
// to OUTDIR/<its file name> as PlainPixelsFormat.h lays it out; JPEGs are
// left to the program's own decoder. OUTDIR/pixels.qrc then lists what was
// written, under ":/pixels/".
#include "resources/pictures/PlainPixelsFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>

#include <cstdint>
#include <cstdio>

namespace {

bool writePixels(const QImage &decoded, const QString &path)
{
    // Only two formats, so the reader needs to know no others: pixels
    // as drawn, with or without a transparent part.
    const QImage image = decoded.convertToFormat(decoded.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                           : QImage::Format_RGB32);
    const PlainPixels::Header header{PlainPixels::Tag, static_cast<std::uint32_t>(image.width()),
                                     static_cast<std::uint32_t>(image.height()),
                                     static_cast<std::uint32_t>(image.format())};
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(reinterpret_cast<const char *>(&header), sizeof header);
    for (int y = 0; y < image.height(); ++y)
        out.write(reinterpret_cast<const char *>(image.constScanLine(y)), qsizetype(image.width()) * 4);
    return out.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    // For the GIF plugin's path.
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: kalvix-pixelpack OUTDIR PICTURE...\n");
        return 2;
    }
    const QDir outDir(args[1]);
    if (!outDir.mkpath(QStringLiteral(".")))
        return 1;
    QString qrc = QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/pixels\">\n");
    for (const QString &picture : args.mid(2)) {
        const QFileInfo info(picture);
        if (info.suffix().compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0)
            continue;
        QImageReader reader(picture, info.suffix().toLatin1());
        const QImage image = reader.read();
        if (image.isNull()) {
            std::fprintf(stderr, "kalvix-pixelpack: %s: %s\n", qPrintable(picture), qPrintable(reader.errorString()));
            return 1;
        }
        if (qint64(image.width()) * image.height() * 4 > PlainPixels::MostBytes)
            continue;
        if (!writePixels(image, outDir.filePath(info.fileName()))) {
            std::fprintf(stderr, "kalvix-pixelpack: cannot write %s\n", qPrintable(outDir.filePath(info.fileName())));
            return 1;
        }
        qrc += QStringLiteral("    <file>%1</file>\n").arg(info.fileName());
    }
    qrc += QStringLiteral("  </qresource>\n</RCC>\n");
    QSaveFile list(outDir.filePath(QStringLiteral("pixels.qrc")));
    if (!list.open(QIODevice::WriteOnly) || list.write(qrc.toUtf8()) < 0 || !list.commit())
        return 1;
    return 0;
}
