#include "device_backend.h"

#include <algorithm>
#include <limits>

namespace doc {

Margins EffectiveMargins(const Margins& requested, const Paper& paper) {
    return {std::max(requested.left, paper.unprintable.left),
            std::max(requested.top, paper.unprintable.top),
            std::max(requested.right, paper.unprintable.right),
            std::max(requested.bottom, paper.unprintable.bottom)};
}

int FixedTextMeasure::Width(const FontStyle& font, std::string_view line) {
    long long characters = 0;
    for (const char c : line)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    const long long width = characters * font.size * 18 / 100 * font.Stretch() / 100;
    return static_cast<int>(std::min<long long>(width, std::numeric_limits<int>::max()));
}

int FixedTextMeasure::LineHeight(const FontStyle& font) { return font.size * 42 / 100; }

}  // namespace doc
