#pragma once
// The standard roles of the bitmap button: caption, modal result, default and
// cancel flags and glyph of each kind, and the process-wide table of kind
// glyphs (each loaded from the program's resources on first use and kept
// until exit).

#include <QIcon>
#include <QImage>
#include <QString>

namespace KindTable {

constexpr int KindCount = 11; // bkCustom .. bkAll

struct KindInfo {
    const char *caption; // source text; translated by Caption()
    int modalResult;
    const char *resource; // glyph resource name, null for bkCustom
    bool isDefault;
    bool isCancel;
};

// Info for kind k (0 = bkCustom .. 10 = bkAll); out-of-range gives bkCustom.
const KindInfo &Info(int k);
QString Caption(int k);
// The kind's two-cell glyph strip; a null image for bkCustom.
QImage Glyph(int k);
// The kind's glyph for an ordinary Qt button: the normal cell for the
// normal look, the disabled cell in the current colour scheme for the
// disabled look, see-through where the glyph has its background colour.
QIcon GlyphIcon(int k);

} // namespace KindTable
