#include "startup_logic.h"

#include <locale>
#include <sstream>

#include "plat/checked_format.h"
#include "plat/datetime_format.h"
#include "plat/resource_strings.h"
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
    const std::string separator(1, locale.dateSeparator[0]);
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

std::string FormatWindowRect(const WindowRect& rect) {
    return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " + std::to_string(rect.right) +
           " " + std::to_string(rect.bottom);
}
