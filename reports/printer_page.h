#pragma once

#include <string>
#include <string_view>

#include "report_document.h"
#include "reports/report_output.h"
#include "support/setting_values.h"

// The printed reports' sizes as read from the settings, each brought into
// a range that still draws on a page: font sizes 1..kMaxFontSizeSetting,
// indents, spaces and distances 0..kMaxPrintedLengthSetting, widths of
// lines 0..kMaxPrintedLineSetting.
int GetPrintedFontSize(const SettingGetter& get, std::string_view key, int size);
int GetPrintedLength(const SettingGetter& get, std::string_view key, int length);
int GetPrintedLineWidth(const SettingGetter& get, std::string_view key, int width);

// The base of every printed report: reads the printer settings, sets up
// fonts and margins on the report document, drives its fill in a fixed
// order and prints the header and footer of every page. Sizes and
// distances are in the document's units (hundredths of a centimetre, fonts
// in tenths of a point).
class CPrinterPage : public CReportOutput {
public:
    struct Indent {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };

    // Sets the defaults, then reads the "ReportsPrinter..." settings.
    explicit CPrinterPage(const SettingGetter& get);

    // A text setting (face, header and footer texts) replaces the default
    // only when it is not empty; an indent is four integers separated by
    // blanks (left, top, right, bottom), missing ones keep their value.
    void LoadSettings(const SettingGetter& get);

    // Fills the document: BeginPrinting, BeginDocument, PrintBody,
    // PrintHeaders, PrintFooters, EndPrinting. The first step that fails
    // ends the fill at once (without EndPrinting) and its result is
    // returned; 0 when all went well.
    int Print(CReportDocument& document, ReportDC dc, ReportAttribDC attribDc);

    // Sets the face and margins, takes the page size and works out the
    // body's top and bottom from the header and footer. 0 on success.
    virtual int BeginDocument(CReportDocument& document);
    // The report's own pages; each printed report overrides it.
    virtual int PrintBody(CReportDocument& document);
    int PrintHeaders(CReportDocument& document);
    int PrintFooters(CReportDocument& document);

    // The height of a line of digits and capitals in this size (0 keeps
    // the document's size) and weight.
    int MeasureCharCell(CReportDocument& document, int size, bool bold);

    std::string fontFace;
    int bodyFontSize = 110;
    int penStdWidth = 2;
    int penThickWidth = 5;
    bool marginsMinimal = false;  // keep the margins the document has
    int marginLeft = 100;
    int marginRight = 100;
    int marginTop = 100;
    int marginBottom = 100;
    bool showHeader = true;
    bool showFooter = true;
    int headerFontSize = 160;
    int footerFontSize = 100;
    bool headerBold = true;
    bool footerBold = false;
    bool headerItalic = false;
    bool footerItalic = false;
    bool headerUnderline = false;
    // Pen widths of the rules above and below header and footer; 0 none.
    int headerTopRule = 0;
    int headerBottomRule = 0;
    int footerTopRule = 3;
    int footerBottomRule = 0;
    int headerSpaceToBody = 60;
    int footerSpaceToBody = 50;
    std::string headerLeft;
    std::string headerCenter = "%ti";
    std::string headerRight;
    std::string footerLeft;
    std::string footerCenter;
    std::string footerRight;
    Indent headerIndent;
    Indent footerIndent;
    int tableSubtitleSpaceBefore = 25;
    int tableSubtitleSpaceAfter = 5;
    int tableGridHorzIndent = 10;
    int tableCellExtraIndent = 25;
    int tableHeaderSpaceAfter = 10;
    int captionDistanceTop = 20;
    int captionDistanceBottom = 20;
    int captionLineStretch = 120;  // percent

    // Filled by BeginDocument.
    int pageWidth = 0;
    int pageHeight = 0;
    int bodyTop = 0;
    int bodyBottom = 0;

private:
    // The tallest of the expanded texts in the document's current font.
    int TallestText(CReportDocument& document, const std::string& left, const std::string& center,
                    const std::string& right) const;
};
