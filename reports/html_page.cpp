#include "reports/html_page.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "plat/files.h"
#include "plat/resource_strings.h"
#include "plat/utf8.h"
#include "reports/html_text.h"
#include "reports/png_image.h"
#include "string_ids.h"
#include "support/setting_ranges.h"
#include "ui/prompts.h"

namespace {

constexpr const char* kDocumentType = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">";
constexpr const char* kMetaLine =
    "<meta http-equiv=\"content-type\" content=\"text/html; charset=iso-8859-1\">";
constexpr const char* kStyleSheet =
    "\tbody { margin:0.1in; }\n"
    "\tp,h1,h2,h3,h4,div,td,th,b,i,small { font-family:Verdana, Arial, helvetica, sans-serif; }\n"
    "\th1 { font-size:14pt; text-align:center; }\n"
    "\th2 { font-size:11pt; font-style:italic; font-weight:normal; text-align:center; }\n"
    "\tth { font-size:10pt; font-weight:bold; }\n"
    "\ttd { font-size:10pt; font-weight:normal; }\n"
    "\tp { font-size:10pt; }\n"
    "\tsmall { font-size:9pt; }\n";

// Settings texts go into the page as they are; text that is not UTF-8 is
// read as Windows-1252, so that the page as a whole stays UTF-8 until it is
// encoded for its charset.
std::string ReadText(const SettingGetter& get, std::string_view key, std::string_view defaultValue) {
    return plat::ToUtf8(GetStringSetting(get, key, defaultValue));
}

// A setting colour, which an HTML colour text overrides.
std::uint32_t ReadColor(const SettingGetter& get, std::string_view key, std::uint32_t defaultValue) {
    std::uint32_t colour = GetColorSetting(get, key, defaultValue);
    ParseHtmlColor(get(key), colour);
    return colour;
}

}  // namespace

CHtmlPage::CHtmlPage(const SettingGetter& get)
    : documentType(kDocumentType),
      styleSheet(kStyleSheet),
      metaLine(kMetaLine),
      footerFormat(plat::LoadResString(ids::REPORT_HTML_FOOTER)) {
    LoadSettings(get);
}

CHtmlPage::~CHtmlPage() { DiscardStagedImages(); }

void CHtmlPage::LoadSettings(const SettingGetter& get) {
    backgroundColor = ReadColor(get, "ReportsHtmlColorBk", backgroundColor);
    textColor = ReadColor(get, "ReportsHtmlColorText", textColor);
    imageSizeMax = GetIntSettingIn(get, "ReportsHtmlImageSizeMax", imageSizeMax, 0, kMaxImagePixelsSetting);
    documentType = ReadText(get, "ReportsHtmlBegin", documentType);
    styleSheet = ReadText(get, "ReportsHtmlCSS", styleSheet);
    headAddition = ReadText(get, "ReportsHtmlHeaderAdd", "");
    bodyAddition = ReadText(get, "ReportsHtmlBeginAdd", "");
    endAddition = ReadText(get, "ReportsHtmlEndAdd", "");
    metaLine = ReadText(get, "ReportsHtmlMeta", metaLine);
    footerFormat = ReadText(get, "ReportsHtmlFooterFormat", footerFormat);
    showFooter = GetBoolSetting(get, "ReportsHtmlFooterShow", showFooter);
    showErrors = GetBoolSetting(get, "ReportsErrorMessage", showErrors);
}

int CHtmlPage::WriteHead(std::string& out, std::string_view styleExtra, std::string_view headExtra,
                         bool withTitle) const {
    if (!documentType.empty()) out += documentType + "\n";
    out += "<html>\n";
    out += "<head>\n";
    out += metaLine + "\n";
    out += "<title>" + EscapeHtmlTitle(title) + "</title>\n";
    out += "\n   <style type=\"text/css\">\n";
    out += "   <!--\n";
    out += styleSheet;
    out += styleExtra;
    out += "\n   //-->\n";
    out += "   </style>\n";
    out += headAddition + "\n";
    out += headExtra;
    out += "</head>\n";
    out += "\n<body bgcolor=" + FormatHtmlColor(backgroundColor) + " text=" + FormatHtmlColor(textColor) + ">\n";
    out += bodyAddition + "\n";
    if (withTitle && !title.empty()) out += "<h1>" + EscapeHtml(title, false, true) + "</h1>\n";
    return 0;
}

void CHtmlPage::WriteSubtitle(std::string& out, std::string_view text) const {
    if (text.empty()) return;
    out += "<h2>" + EscapeHtml(text, false, true) + "</h2>\n";
}

int CHtmlPage::WriteFooter(std::string& out) const {
    if (showFooter && !footerFormat.empty()) {
        const std::string text = EscapeHtml(ExpandInfoText(footerFormat, 0, 0), false, true);
        out += "\n<hr size=1>\n";
        out += "<small>" + text + "</small>\n";
    }
    out += endAddition;
    out += "\n</body>\n</html>\n";
    return 0;
}

int CHtmlPage::WriteFile(std::string_view text, const std::string& path) {
    if (path.empty()) return Fail(path, "No file name was given.");
    std::string error;
    if (!plat::WriteFileAtomic(path, EncodeHtmlPage(text, DeclaresUtf8(metaLine)), &error))
        return Fail(path, error);
    // The page is in place: its images take their names.
    const std::vector<StagedImage> staged = std::exchange(staged_, {});
    for (std::size_t i = 0; i < staged.size(); ++i) {
        if (std::rename(staged[i].staging.c_str(), staged[i].path.c_str()) != 0) {
            const std::string reason = std::strerror(errno);
            staged_.assign(staged.begin() + static_cast<std::ptrdiff_t>(i), staged.end());
            writtenFiles_.push_back(path);
            return Fail(staged[i].path, reason);
        }
        writtenFiles_.push_back(staged[i].path);
    }
    writtenFiles_.push_back(path);
    return 0;
}

int CHtmlPage::WriteImage(std::string& out, const std::string& pagePath, int index, const QImage& image) {
    const std::size_t slash = pagePath.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string() : pagePath.substr(0, slash + 1);
    std::string name = pagePath.substr(directory.size());
    if (const std::size_t dot = name.rfind('.'); dot != std::string::npos) name.erase(dot);
    if (imageCount > 1) name += std::to_string(index + 1);
    const std::string fileName = name + ".png";
    const std::string path = directory + fileName;

    // Beside the page, hidden, until the page is written.
    const std::string staging = directory + "." + fileName + ".new";
    std::string error;
    if (!SavePng(staging, image, &error)) return Fail(path, error);
    staged_.push_back({staging, path});

    const std::string tag = "<img src=\"" + PercentEncode(fileName) + "\" alt=\"\" width=\"" +
                            std::to_string(image.width()) + "\" height=\"" + std::to_string(image.height()) + "\">";
    if (imageCount > 1) {
        if (index == 0) out += "\n<table border=0 cellpadding=0 cellspacing=0>\n";
        out += "<tr>\n<td>" + tag + "</td>\n</tr>\n";
        if (index == imageCount - 1) out += "</table>\n";
    } else {
        out += "\n<p>" + tag + "</p>\n";
    }
    return 0;
}

void CHtmlPage::DiscardStagedImages() {
    for (const StagedImage& image : staged_) std::remove(image.staging.c_str());
    staged_.clear();
}

int CHtmlPage::Fail(const std::string& path, const std::string& reason) {
    DiscardStagedImages();
    lastError_ = reason;
    if (showErrors)
        ui::MessageBoxById(nullptr, ids::REPORT_FILE_NOT_WRITTEN, ui::MB_OK | ui::MB_ICONSTOP, {path, reason});
    return kWriteFailed;
}
