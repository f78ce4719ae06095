#include "startup_logic.h"

#include <algorithm>
#include <cstdint>
#include <locale>
#include <sstream>

#include "plat/checked_format.h"
#include "plat/datetime_format.h"
#include "plat/resource_strings.h"
#include "plat/utf8.h"
#include "string_ids.h"

std::string CommandLineFile(const std::vector<std::string>& arguments, const std::string& startDirectory) {
    std::string file;
    for (const std::string& argument : arguments) {
        if (argument.empty() || argument[0] == '-') continue;
        file = argument;
    }
    if (file.empty() || file[0] == '/' || startDirectory.empty()) return file;
    return startDirectory.back() == '/' ? startDirectory + file : startDirectory + "/" + file;
}

StartFileChoice ChooseStartFile(const StartFileInputs& in, const std::function<bool(const std::string&)>& exists) {
    StartFileChoice choice;
    choice.file = in.fileOpenOnStart;
    if (choice.file.empty() && in.fileOpenLast && !in.mostRecentFile.empty() && exists(in.mostRecentFile)) {
        choice.file = in.mostRecentFile;
    }
    if (!in.commandLineFile.empty()) choice.file = in.commandLineFile;
    if (!choice.file.empty() && !exists(choice.file)) {
        choice.missingFile = choice.file;
        choice.file.clear();
    }
    if (in.shiftHeld) choice.file.clear();
    return choice;
}

std::string CompleteDateFormat(const std::string& day, const std::string& month, const std::string& year,
                               const plat::LocaleInfo& locale) {
    if (locale.dateSeparator.empty()) return "";
    const std::string separator(plat::FirstCodePoint(locale.dateSeparator));
    switch (locale.dateOrder) {
    case 1: return day + separator + month + separator + year;
    case 2: return year + separator + month + separator + day;
    default: return month + separator + day + separator + year;
    }
}

std::string CompleteTimeFormat(const plat::LocaleInfo& locale) {
    const std::string morning = plat::FormatTime(locale, 8, 0, 0, 0, nullptr);
    const std::string evening = plat::FormatTime(locale, 20, 0, 0, 0, nullptr);
    return morning == evening ? "HH:mm" : "";
}

std::string TitleText(const std::string& filePath, bool modified, bool readOnly) {
    const std::size_t slash = filePath.rfind('/');
    std::string name = slash == std::string::npos ? filePath : filePath.substr(slash + 1);
    if (name.empty()) name = plat::LoadResString(ids::TITLE_UNTITLED);
    if (modified) name += plat::LoadResString(ids::TITLE_MODIFIED);
    std::string caption = plat::FormatChecked(plat::LoadResString(ids::TITLE_CAPTION), {name});
    if (readOnly) caption += plat::LoadResString(ids::TITLE_READ_ONLY);
    return caption;
}

WindowRect ParseWindowRect(const std::string& text, int screenWidth, int screenHeight) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    WindowRect rect;
    std::string rest;
    if ((in >> rect.left >> rect.top >> rect.right >> rect.bottom) && !(in >> rest) && !rect.IsEmpty()) {
        return rect;
    }
    return {int(0.1 * screenWidth), int(0.1 * screenHeight), int(0.9 * screenWidth), int(0.9 * screenHeight)};
}

namespace {

std::int64_t Overlap(std::int64_t low1, std::int64_t high1, std::int64_t low2, std::int64_t high2) {
    return std::max<std::int64_t>(0, std::min(high1, high2) - std::max(low1, low2));
}

// Where a span of the given length starts inside [low, high), as near to start as it can.
int Pull(int start, std::int64_t length, int low, int high) {
    return int(std::clamp<std::int64_t>(start, low, std::max<std::int64_t>(low, high - length)));
}

}  // namespace

WindowRect FitWindowRect(const WindowRect& rect, const std::vector<WindowRect>& screens) {
    if (screens.empty()) return rect;
    // The screen showing most of the window, else the first (primary) one.
    const WindowRect* screen = &screens.front();
    std::int64_t best = 0;
    for (const WindowRect& candidate : screens) {
        const std::int64_t area = Overlap(rect.left, rect.right, candidate.left, candidate.right) *
                                  Overlap(rect.top, rect.bottom, candidate.top, candidate.bottom);
        if (area > best) {
            best = area;
            screen = &candidate;
        }
    }
    const std::int64_t width = std::min<std::int64_t>(std::int64_t(rect.right) - rect.left,
                                                      std::int64_t(screen->right) - screen->left);
    const std::int64_t height = std::min<std::int64_t>(std::int64_t(rect.bottom) - rect.top,
                                                       std::int64_t(screen->bottom) - screen->top);
    WindowRect fitted;
    fitted.left = Pull(rect.left, width, screen->left, screen->right);
    fitted.top = Pull(rect.top, height, screen->top, screen->bottom);
    fitted.right = int(fitted.left + width);
    fitted.bottom = int(fitted.top + height);
    return fitted;
}

std::string FormatWindowRect(const WindowRect& rect) {
    return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " + std::to_string(rect.right) +
           " " + std::to_string(rect.bottom);
}
