#pragma once

// What the document needs from a real output device: its paper, a text
// measure for its resolution, and painting a recorded page onto it. The Qt
// implementation is qt_device; tests use a fixed one.

#include "draw_ops.h"
#include "text_layout.h"

namespace doc {

// In document units.
struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct Paper {
    int width = 2100;   // A4 portrait
    int height = 2970;
    Margins unprintable;
};

// The margins a page uses: the requested ones, but never inside the
// device's unprintable border.
Margins EffectiveMargins(const Margins& requested, const Paper& paper);

class DeviceBackend {
public:
    virtual ~DeviceBackend() = default;
    // Binds measuring to the device of a new fill and returns its paper.
    virtual Paper Bind(ReportDC dc, ReportAttribDC attribDc) = 0;
    virtual TextMeasure& Measure() = 0;
    // Paints the page with its printable area placed by the requested
    // margins. 0 painted, 1 nothing to paint on.
    virtual int Replay(const Page& page, ReportDC dc, ReportAttribDC attribDc,
                       const Margins& requested) = 0;
};

// A measure that needs no fonts: every character is 18 % of the font size
// wide and a line is 42 % of it high (close to a proportional face; sizes in
// tenths of a point, lengths in hundredths of a centimetre).
class FixedTextMeasure : public TextMeasure {
public:
    int Width(const FontStyle& font, std::string_view line) override;
    int LineHeight(const FontStyle& font) override;
};

}  // namespace doc
