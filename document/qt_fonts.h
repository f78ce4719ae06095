#pragma once

#include <QFont>

#include "draw_ops.h"

namespace doc {

// The Qt font of a style, sized for `devicePointScale` (the ratio of the
// resolution the layout counts in to the painted device's own).
QFont ToQFont(const FontStyle& style, double devicePointScale = 1.0);

}  // namespace doc
