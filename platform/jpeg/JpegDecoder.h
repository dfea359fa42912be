#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a complete JPEG file held in memory with libjpeg-turbo.
//
// Returns a QImage::Format_RGB888 image (grayscale pictures are expanded to
// RGB). Any problem - empty or truncated data, damaged entropy data, an
// unsupported colour space, a picture too large to hold - gives a null image
// and, when error is not null, a sentence saying what went wrong. The decoder
// is strict: anything libjpeg would only warn about (premature end of data,
// corrupt segments) counts as damage, because a half-grey picture must not be
// shown as if it were fine. On success *error is cleared.
QImage DecodeJpeg(const QByteArray &data, QString *error);

// Reads the file (a Qt resource path works too) and decodes it as above; a
// file that cannot be read gives a null image and a message naming it.
QImage LoadJpegFile(const QString &path, QString *error);
