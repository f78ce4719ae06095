#pragma once

// Message boxes, questions and file dialogs go through one replaceable
// service, so dialog and command logic runs headless with scripted answers.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

#include "plat/checked_format.h"

class QWidget;

namespace ui {

// Message-box types: buttons | icon | default button.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_RETRYCANCEL = 0x5;
inline constexpr unsigned MB_TYPEMASK = 0xF;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_ICONMASK = 0xF0;
inline constexpr unsigned MB_DEFBUTTON1 = 0x000;
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x200;
inline constexpr unsigned MB_DEFMASK = 0xF00;

struct FileDialogRequest {
    std::string title;
    std::string filter;        // "Texts (*.txt)|*.txt|All (*.*)|*.*||" or "Texts (*.txt);;All (*)"
    std::string defaultExt;    // without the dot
    std::string initialDir;
    std::string fileName;      // proposed name
    bool mustExist = false;
    bool overwritePrompt = false;
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // Returns IDOK, IDCANCEL, IDYES, IDNO ...
    virtual int MessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                           unsigned type) = 0;
    // The chosen path, or nothing when cancelled.
    virtual std::optional<std::string> OpenFile(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> SaveFile(QWidget* parent, const FileDialogRequest& request) = 0;
};

// The installed service: the Qt one unless a test installed another. There
// is one per process: the plugins' copies of this library use the slot of
// the program when the program exports it (ENABLE_EXPORTS).
Prompts& CurrentPrompts();
// Null puts the Qt service back.
void SetPrompts(Prompts* prompts);

// A text of the resource library, formatted with the checked formatter.
int MessageBoxById(QWidget* parent, unsigned stringId, unsigned type,
                   std::initializer_list<plat::FormatArg> args = {});

// The answers of a type's buttons, in order, and that of its default button.
std::vector<int> ButtonAnswers(unsigned type);
int DefaultAnswer(unsigned type);

// The folder a file dialog starts in: the first candidate that is an
// existing folder, else the user's documents folder, else the home folder;
// never the working folder, which is the program's own.
std::string UserFolder(std::initializer_list<std::string> candidates);

// "Name (*.a)|*.a|Other|*.b;*.c||" as a Qt filter list
// ("Name (*.a) (*.a);;Other (*.b *.c)"); text without '|' is taken as a
// Qt filter list already.
QString QtFileFilter(std::string_view filter);

}  // namespace ui
