#include "qt_fonts.h"

namespace doc {

QFont ToQFont(const FontStyle& style, double devicePointScale) {
    QFont font;
    if (!style.face.empty()) font.setFamily(QString::fromStdString(style.face));
    font.setPointSizeF(style.size / 10.0 * devicePointScale);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeOut);
    font.setStretch(style.Stretch());
    // Hinting would make widths depend on the device's resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace doc
