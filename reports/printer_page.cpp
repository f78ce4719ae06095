#include "reports/printer_page.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "plat/resource_strings.h"
#include "plat/utf8.h"
#include "string_ids.h"
#include "support/setting_ranges.h"

namespace {

// Space between the centre footer text and the texts beside it.
constexpr int kFooterCenterGap = 20;

short FontSizeField(int size) {
    return static_cast<short>(std::clamp(size, 1, static_cast<int>(std::numeric_limits<short>::max())));
}

void ReadText(const SettingGetter& get, std::string_view key, std::string& value) {
    value = GetStringSetting(get, key, value);
}

void ReadIndent(const SettingGetter& get, std::string_view key, CPrinterPage::Indent& indent) {
    std::vector<std::string> parts;
    GetListSetting(get, key, parts, " \t");
    int* const fields[] = {&indent.left, &indent.top, &indent.right, &indent.bottom};
    for (std::size_t i = 0; i < parts.size() && i < std::size(fields); ++i)
        *fields[i] = std::clamp(ParseInt(parts[i], *fields[i]), 0, kMaxPrintedLengthSetting);
}

int TextWidth(CReportDocument& document, const std::string& text) {
    int width = 0;
    document.GetTextExtent(&width, nullptr, text.c_str());
    return width;
}

}  // namespace

int GetPrintedFontSize(const SettingGetter& get, std::string_view key, int size) {
    return GetIntSettingIn(get, key, size, 1, kMaxFontSizeSetting);
}

int GetPrintedLength(const SettingGetter& get, std::string_view key, int length) {
    return GetIntSettingIn(get, key, length, 0, kMaxPrintedLengthSetting);
}

int GetPrintedLineWidth(const SettingGetter& get, std::string_view key, int width) {
    return GetIntSettingIn(get, key, width, 0, kMaxPrintedLineSetting);
}

CPrinterPage::CPrinterPage(const SettingGetter& get)
    : fontFace(plat::LoadResString(ids::REPORT_PRINTER_FONT)),
      footerLeft(plat::LoadResString(ids::REPORT_FOOTER_LEFT)),
      footerRight(plat::LoadResString(ids::REPORT_FOOTER_RIGHT)) {
    LoadSettings(get);
}

void CPrinterPage::LoadSettings(const SettingGetter& get) {
    ReadText(get, "ReportsPrinterFont", fontFace);
    penStdWidth = GetPrintedLineWidth(get, "ReportsPrinterPenStdWidth", penStdWidth);
    penThickWidth = GetPrintedLineWidth(get, "ReportsPrinterPenThickWidth", penThickWidth);
    marginsMinimal = GetBoolSetting(get, "ReportsPrinterMarginsMinimal", marginsMinimal);
    marginLeft = GetIntSettingIn(get, "ReportsPrinterMarginsLeft", marginLeft, 0, kMaxMarginSetting);
    marginRight = GetIntSettingIn(get, "ReportsPrinterMarginsRight", marginRight, 0, kMaxMarginSetting);
    marginTop = GetIntSettingIn(get, "ReportsPrinterMarginsTop", marginTop, 0, kMaxMarginSetting);
    marginBottom = GetIntSettingIn(get, "ReportsPrinterMarginsBottom", marginBottom, 0, kMaxMarginSetting);
    headerFontSize = GetPrintedFontSize(get, "ReportsPrinterHeaderFontSize", headerFontSize);
    footerFontSize = GetPrintedFontSize(get, "ReportsPrinterFooterFontSize", footerFontSize);
    headerBold = GetBoolSetting(get, "ReportsPrinterHeaderFontBold", headerBold);
    footerBold = GetBoolSetting(get, "ReportsPrinterFooterFontBold", footerBold);
    headerItalic = GetBoolSetting(get, "ReportsPrinterHeaderFontItalic", headerItalic);
    footerItalic = GetBoolSetting(get, "ReportsPrinterFooterFontItalic", footerItalic);
    headerUnderline = GetBoolSetting(get, "ReportsPrinterHeaderFontUnderline", headerUnderline);
    headerTopRule = GetPrintedLineWidth(get, "ReportsPrinterHeaderTopLineWidth", headerTopRule);
    headerBottomRule = GetPrintedLineWidth(get, "ReportsPrinterHeaderBottomLineWidth", headerBottomRule);
    footerTopRule = GetPrintedLineWidth(get, "ReportsPrinterFooterTopLineWidth", footerTopRule);
    footerBottomRule = GetPrintedLineWidth(get, "ReportsPrinterFooterBottomLineWidth", footerBottomRule);
    headerSpaceToBody = GetPrintedLength(get, "ReportsPrinterHeaderVerticalSpaceBody", headerSpaceToBody);
    footerSpaceToBody = GetPrintedLength(get, "ReportsPrinterFooterVerticalSpaceBody", footerSpaceToBody);
    ReadText(get, "ReportsPrinterHeaderInfoLeft", headerLeft);
    ReadText(get, "ReportsPrinterHeaderInfoCenter", headerCenter);
    ReadText(get, "ReportsPrinterHeaderInfoRight", headerRight);
    ReadText(get, "ReportsPrinterFooterInfoLeft", footerLeft);
    ReadText(get, "ReportsPrinterFooterInfoCenter", footerCenter);
    ReadText(get, "ReportsPrinterFooterInfoRight", footerRight);
    ReadIndent(get, "ReportsPrinterHeaderIndent", headerIndent);
    ReadIndent(get, "ReportsPrinterFooterIndent", footerIndent);
    tableSubtitleSpaceBefore =
        GetPrintedLength(get, "ReportsPrinterTableSubtitleSpaceBefore", tableSubtitleSpaceBefore);
    tableSubtitleSpaceAfter = GetPrintedLength(get, "ReportsPrinterTableSubtitleSpaceAfter", tableSubtitleSpaceAfter);
    tableGridHorzIndent = GetPrintedLength(get, "ReportsPrinterTableGridHorzStdIndent", tableGridHorzIndent);
    tableCellExtraIndent = GetIntSetting(get, "ReportsPrinterTableCellExtraIndent", tableCellExtraIndent);
    tableHeaderSpaceAfter = GetIntSetting(get, "ReportsPrinterTableHeaderSpaceAfter", tableHeaderSpaceAfter);
    captionDistanceTop = GetIntSetting(get, "ReportsPrinterDistanceCaptionTop", captionDistanceTop);
    captionDistanceBottom = GetIntSetting(get, "ReportsPrinterDistanceCaptionBottom", captionDistanceBottom);
    captionLineStretch = GetIntSetting(get, "ReportsPrinterCaptionLineStretch", captionLineStretch);
}

int CPrinterPage::Print(CReportDocument& document, ReportDC dc, ReportAttribDC attribDc) {
    document.BeginPrinting(dc, attribDc);
    int result = BeginDocument(document);
    if (result == 0) result = PrintBody(document);
    if (result == 0) result = PrintHeaders(document);
    if (result == 0) result = PrintFooters(document);
    if (result == 0) document.EndPrinting();
    return result;
}

int CPrinterPage::TallestText(CReportDocument& document, const std::string& left, const std::string& center,
                              const std::string& right) const {
    // The page numbers are not known yet.
    int tallest = 0;
    for (const std::string* text : {&left, &center, &right}) {
        if (text->empty()) continue;
        int height = 0;
        document.GetTextExtent(nullptr, &height, ExpandInfoText(*text, 0, 0).c_str());
        tallest = std::max(tallest, height);
    }
    return tallest;
}

int CPrinterPage::BeginDocument(CReportDocument& document) {
    plat::CopyBounded(document.fontFace, sizeof document.fontFace, fontFace);
    if (!marginsMinimal) {
        document.marginLeft = marginLeft;
        document.marginRight = marginRight;
        document.marginTop = marginTop;
        document.marginBottom = marginBottom;
    }
    pageWidth = document.GetPageWidth();
    pageHeight = document.GetPageHeight();

    bodyTop = 0;
    if (showHeader) {
        document.fontSize = FontSizeField(headerFontSize);
        document.fontBold = headerBold;
        document.fontItalic = headerItalic;
        document.fontUnderline = headerUnderline;
        bodyTop = headerIndent.top + headerIndent.bottom + headerBottomRule + headerTopRule + headerSpaceToBody +
                  TallestText(document, headerLeft, headerCenter, headerRight);
    }
    bodyBottom = pageHeight;
    if (showFooter) {
        document.fontSize = FontSizeField(footerFontSize);
        document.fontBold = footerBold;
        document.fontItalic = footerItalic;
        bodyBottom -= footerIndent.top + footerIndent.bottom + footerBottomRule + footerTopRule + footerSpaceToBody +
                      TallestText(document, footerLeft, footerCenter, footerRight);
    }
    document.SetFont(bodyFontSize, 0, 3, 0, 0, 0);
    return 0;
}

int CPrinterPage::PrintBody(CReportDocument&) { return 0; }

int CPrinterPage::PrintHeaders(CReportDocument& document) {
    if (!showHeader) return 0;
    for (int page = 1; page <= document.GetPageCount(); ++page) {
        document.currentPage = page;
        document.SetFont(headerFontSize, headerBold, 0, 0, headerItalic, headerUnderline);
        const int x = headerIndent.left;
        const int y = headerIndent.top + headerTopRule;
        const int width = pageWidth - headerIndent.right - headerIndent.left;
        const int height = (bodyTop - headerSpaceToBody) - headerBottomRule - headerIndent.bottom - y;
        const std::pair<const std::string*, int> texts[] = {
            {&headerLeft, kReportAlignLeft}, {&headerCenter, kReportAlignCenter}, {&headerRight, kReportAlignRight}};
        for (const auto& [text, alignment] : texts) {
            document.textAlignment = alignment;
            document.DrawText(ExpandInfoText(*text, page, document.GetPageCount()).c_str(), x, y, width, height, 0,
                              1, 0, 0);
        }
        document.SetPen(headerTopRule, 0);
        document.DrawLine(0, 0, pageWidth, 0);
        document.SetPen(headerBottomRule, 0);
        const int ruleY = bodyTop - headerSpaceToBody;
        document.DrawLine(0, ruleY, pageWidth, ruleY);
    }
    return 0;
}

int CPrinterPage::PrintFooters(CReportDocument& document) {
    if (!showFooter) return 0;
    for (int page = 1; page <= document.GetPageCount(); ++page) {
        document.currentPage = page;
        document.SetFont(footerFontSize, footerBold, 0, 0, footerItalic, 0);
        const int ruleY = bodyBottom + footerSpaceToBody;
        const int y = ruleY + footerTopRule + footerIndent.top;
        const int height = pageHeight - footerIndent.bottom - footerBottomRule - y;
        const int x = footerIndent.left;
        const int width = pageWidth - footerIndent.right - footerIndent.left;

        const int pages = document.GetPageCount();
        const std::string left = ExpandInfoText(footerLeft, page, pages);
        const std::string center = ExpandInfoText(footerCenter, page, pages);
        const std::string right = ExpandInfoText(footerRight, page, pages);
        // The centre text keeps clear of the texts beside it; when they leave
        // it no room, its box has no width and it is not drawn.
        const int centerX = x + TextWidth(document, left) + kFooterCenterGap;
        const int centerRight = x + width - TextWidth(document, right) - kFooterCenterGap;

        document.textAlignment = kReportAlignLeft;
        document.DrawText(left.c_str(), x, y, width, height, 0, 1, 0, 0);
        document.textAlignment = kReportAlignCenter;
        document.DrawText(center.c_str(), centerX, y, centerRight - centerX, height, 0, 1, 0, 0);
        document.textAlignment = kReportAlignRight;
        document.DrawText(right.c_str(), x, y, width, height, 0, 1, 0, 0);

        document.SetPen(footerTopRule, 0);
        document.DrawLine(0, ruleY, pageWidth, ruleY);
        document.SetPen(footerBottomRule, 0);
        document.DrawLine(0, pageHeight, pageWidth, pageHeight);
    }
    return 0;
}

int CPrinterPage::MeasureCharCell(CReportDocument& document, int size, bool bold) {
    if (size != 0) document.fontSize = FontSizeField(size);
    document.fontBold = bold;
    int height = 0;
    document.GetTextExtent(nullptr, &height, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return height;
}
