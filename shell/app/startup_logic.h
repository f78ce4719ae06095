#pragma once

// Decisions of the program's start-up that need neither windows nor
// libraries.

#include <functional>
#include <string>
#include <vector>

#include "plat/locale_info.h"

// The document named on the command line: every argument that does not
// start with '-' names it (the last one wins); options are ignored. A
// relative name is made absolute against the directory the program was
// started from, before the program changes to its own directory. "" for none.
std::string CommandLineFile(const std::vector<std::string>& arguments, const std::string& startDirectory);

struct StartFileInputs {
    std::string fileOpenOnStart;   // "FileOpenOnStart"
    bool fileOpenLast = true;      // "FileOpenLast"
    std::string mostRecentFile;    // first entry of the recent-file list, "" when empty
    std::string commandLineFile;
    bool shiftHeld = false;
};

struct StartFileChoice {
    std::string file;          // the document to open, "" for a new one
    std::string missingFile;   // a chosen file that does not exist (to report), or ""
};

StartFileChoice ChooseStartFile(const StartFileInputs& in, const std::function<bool(const std::string&)>& exists);

// "DateFormat" when the setting is empty: the parts in the locale's date
// order with the first character of its date separator; "" when the locale
// has no separator.
std::string CompleteDateFormat(const std::string& day, const std::string& month, const std::string& year,
                               const plat::LocaleInfo& locale);
// "TimeFormat" when the setting is empty: "HH:mm" when the locale's texts of
// 08:00 and 20:00 are equal (twelve hours without a day-half marker), else "".
std::string CompleteTimeFormat(const plat::LocaleInfo& locale);

// The window caption: the document's name (or the untitled text) with the
// modified mark, in the caption format, with the read-only mark.
std::string TitleText(const std::string& filePath, bool modified, bool readOnly);

struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const WindowRect&) const = default;
};

// "ViewMainWindowRect": four integers separated by white space. An empty,
// malformed or empty-area value gives 10 % to 90 % of the screen.
WindowRect ParseWindowRect(const std::string& text, int screenWidth, int screenHeight);
std::string FormatWindowRect(const WindowRect& rect);
// The window rectangle moved, and cut where it is larger, onto the screen
// that shows most of it (the first screen when none does). Any rectangle of
// ints is safe: the arithmetic is done in 64 bits.
WindowRect FitWindowRect(const WindowRect& rect, const std::vector<WindowRect>& screens);
