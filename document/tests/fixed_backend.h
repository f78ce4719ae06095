#pragma once

// A device for layout tests: fixed paper and fixed text metrics, no painting.

#include <string>
#include <vector>

#include "device_backend.h"
#include "report_document_impl.h"

namespace doc::testing {

class FixedBackend : public DeviceBackend {
public:
    explicit FixedBackend(const Paper& paper) : paper_(paper) {}
    Paper Bind(ReportDC, ReportAttribDC) override { return paper_; }
    TextMeasure& Measure() override { return measure_; }
    int Replay(const Page&, ReportDC, ReportAttribDC, const Margins&) override { return 0; }

private:
    Paper paper_;
    FixedTextMeasure measure_;
};

// A document on paper of the given size, its fill begun.
inline std::unique_ptr<ReportDocument> MakeDocument(const Paper& paper) {
    auto document = std::make_unique<ReportDocument>(std::make_unique<FixedBackend>(paper));
    document->BeginPrinting(nullptr, nullptr);
    return document;
}

struct PlacedText {
    int x;
    int y;
    std::string text;
};

// Every line of text on a page, in drawing order.
inline std::vector<PlacedText> TextsOn(const ReportDocument& document, int page) {
    std::vector<PlacedText> texts;
    for (const DrawOp& op : document.Pages().At(page)->ops)
        if (const auto* text = std::get_if<TextOp>(&op))
            for (const TextLine& line : text->lines) texts.push_back({line.x, line.y, line.text});
    return texts;
}

inline std::vector<std::string> StringsOn(const ReportDocument& document, int page) {
    std::vector<std::string> strings;
    for (const PlacedText& text : TextsOn(document, page)) strings.push_back(text.text);
    return strings;
}

template <typename Op>
std::vector<Op> OpsOn(const ReportDocument& document, int page) {
    std::vector<Op> found;
    for (const DrawOp& op : document.Pages().At(page)->ops)
        if (const auto* typed = std::get_if<Op>(&op)) found.push_back(*typed);
    return found;
}

}  // namespace doc::testing
