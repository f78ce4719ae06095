#pragma once

// Editors stop input at a limit in bytes of UTF-8, cut on a character
// boundary; the records behind them hold fixed byte buffers.

#include <cstddef>

class QWidget;

namespace ui {

// A QLineEdit or QPlainTextEdit; other widgets are left alone.
void SetByteLimit(QWidget* editor, std::size_t maxBytes);

}  // namespace ui
