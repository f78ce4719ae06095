#pragma once

// The main window's commands on the document file: open (with the password
// loop), new, save, save as, open again with another password, and the
// question before changes would be lost. They work on the root data object
// directly and tell the plugins each outcome (0 opened, 1 new, 2 saved).

#include <cstdint>
#include <optional>
#include <string>

class CPlanData;
class QWidget;

// What the file commands need of the main window.
class IFileCommandSite {
public:
    struct Password {
        std::string text;
        bool readOnly = false;   // the second password matched
    };

    virtual ~IFileCommandSite() = default;
    virtual QWidget* Window() = 0;
    virtual void UpdateTitle() = 0;
    virtual void AddRecentFile(const std::string& path) = 0;
    // Asks for the password of a protected file; nothing when cancelled.
    virtual std::optional<Password> AskPassword(const std::string& path) = 0;
    virtual void FileOpened(int kind) = 0;
    // While the data store reads or writes the file.
    virtual void ShowWaitCursor(bool on) = 0;
};

inline constexpr int kFileOpened = 0;
inline constexpr int kFileNew = 1;
inline constexpr int kFileSaved = 2;

class CFileCommands {
public:
    CFileCommands(CPlanData* data, IFileCommandSite& site) : data_(data), site_(site) {}

    void OnFileOpen();
    void OnFileNew();
    bool OnFileSave() { return SaveDocument(); }
    bool OnFileSaveAs();
    void OnChangePassword();
    // Save, Save As and the passwords are refused on a write-protected document.
    bool CanSave() const;
    // Opening again needs a file: an untitled document has none.
    bool CanReopen() const;

    // True when the document was opened (or already was, unchanged).
    bool OpenDocument(const std::string& path);
    // False when the user cancelled.
    bool SaveModified();
    bool SaveDocument();
    bool SaveDocumentTo(const std::string& path);

private:
    std::string DocumentName() const;
    std::optional<std::string> KnownFullAccessPassword() const;
    int32_t Reload(const std::string& password, bool havePassword);
    void TellShortenedTexts(const std::string& path);

    CPlanData* data_;
    IFileCommandSite& site_;
};
