#pragma once
// Pictures kept as plain pixels (written at build time by tools/pixelpack),
// drawn from the program's memory without decoding.

#include <QImage>
#include <QString>

namespace PlainPixels {

// The pixels kept for the picture at `picturePath` (":/pictures/<name>"),
// or a null image where none are kept or they do not make a whole picture.
// The image reads the program's own memory and copies only when changed.
QImage Find(const QString &picturePath);

} // namespace PlainPixels
