#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reports/report_output.h"
#include "support/setting_values.h"

class QImage;

// An HTML report page: a fixed HTML 4.0 Transitional frame (head, style
// sheet, body colours, title, subtitle, footer) around the body a report
// builds. The page is assembled as UTF-8 and written in the charset its
// meta line declares (ISO-8859-1 unless it names UTF-8).
class CHtmlPage : public CReportOutput {
public:
    // Result of WriteFile: 0 written, 1 not written (LastError() says why).
    static constexpr int kWriteFailed = 1;

    // Sets the defaults, then reads the "ReportsHtml..." settings.
    explicit CHtmlPage(const SettingGetter& get);
    // Removes the images of a page that was not written.
    ~CHtmlPage() override;
    CHtmlPage(const CHtmlPage&) = delete;
    CHtmlPage& operator=(const CHtmlPage&) = delete;

    // Builds the page and writes it to path; 0 written.
    virtual int Render(const std::string& path) = 0;

    void LoadSettings(const SettingGetter& get);

    // The frame up to the report's body; styleExtra ends the style sheet,
    // headExtra the head, withTitle adds the title as a heading. The TITLE
    // element is always written (empty without a title), so the page stays
    // valid HTML 4.0.
    int WriteHead(std::string& out, std::string_view styleExtra, std::string_view headExtra,
                  bool withTitle) const;
    void WriteSubtitle(std::string& out, std::string_view text) const;
    int WriteFooter(std::string& out) const;

    // Writes the page atomically (a temporary file renamed into place), so
    // a failure leaves no partial file under path and an older file there
    // untouched; then the page's images take their names. On failure the
    // user is told (unless "ReportsErrorMessage" is off), the images not yet
    // named are removed and 1 is returned; on success the images and path
    // join WrittenFiles().
    int WriteFile(std::string_view text, const std::string& path);

    // Saves the image beside the page and appends its tag; several images
    // stand in a table, one in a paragraph. Its name is the page's name
    // (plus index + 1 when the page has more than one image) and ".png",
    // which it takes only when WriteFile has written the page: until then
    // the images of an earlier page of that name stay as they were. 0
    // saved; otherwise the user is told (as for WriteFile), nothing is
    // appended, the page's saved images are removed and 1 is returned.
    int WriteImage(std::string& out, const std::string& pagePath, int index, const QImage& image);

    const std::vector<std::string>& WrittenFiles() const { return writtenFiles_; }
    const std::string& LastError() const { return lastError_; }

    std::uint32_t backgroundColor = 0xFFFFFF;
    std::uint32_t textColor = 0;
    int imageSizeMax = 4000000;
    int imageCount = 0;
    std::string documentType;
    std::string styleSheet;
    std::string headAddition;
    std::string bodyAddition;
    std::string endAddition;
    std::string metaLine;
    std::string footerFormat;
    bool showFooter = true;
    bool showErrors = true;

private:
    // An image saved under a name of its own until the page is written.
    struct StagedImage {
        std::string staging;
        std::string path;
    };

    // Records a failure, removes the staged images and tells the user;
    // returns kWriteFailed.
    int Fail(const std::string& path, const std::string& reason);
    void DiscardStagedImages();

    std::vector<StagedImage> staged_;
    std::vector<std::string> writtenFiles_;
    std::string lastError_;
};
