#pragma once

#include <memory>

#include "device_backend.h"

namespace doc {

// The backend on Qt: measures text with the fonts for the device's
// resolution (fixed metrics when no GUI application runs) and paints
// recorded pages with QPainter, converting units on coordinates.
class QtDevice : public DeviceBackend {
public:
    QtDevice();
    ~QtDevice() override;

    Paper Bind(ReportDC dc, ReportAttribDC attribDc) override;
    TextMeasure& Measure() override;
    int Replay(const Page& page, ReportDC dc, ReportAttribDC attribDc,
               const Margins& requested) override;

private:
    class FontMeasure;
    std::unique_ptr<FontMeasure> fontMeasure_;
    FixedTextMeasure fixedMeasure_;
};

}  // namespace doc
