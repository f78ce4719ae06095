#include "file_commands.h"


#include "data_status.h"
#include "password_check.h"
#include "plan_data.h"
#include "plat/resource_strings.h"
#include "settings_store.h"
#include "string_ids.h"
#include "support/paths.h"
#include "ui/prompts.h"
#include "ui/win_types.h"
#include "wait_cursor.h"

namespace {

ui::FileDialogRequest DocumentDialog() {
    ui::FileDialogRequest request;
    request.filter = plat::LoadResString(ids::DOCUMENT_FILTER);
    request.defaultExt = plat::LoadResString(ids::DOCUMENT_EXTENSION);
    return request;
}

}  // namespace

std::string CFileCommands::DocumentName() const {
    const std::string name = data_->GetFileName();
    return name.empty() ? plat::LoadResString(ids::TITLE_UNTITLED) : name;
}

bool CFileCommands::CanSave() const {
    return data_->properties == nullptr || !data_->properties->IsWriteProtected();
}

bool CFileCommands::CanReopen() const { return !data_->GetFileName().empty(); }

void CFileCommands::OnFileOpen() {
    ui::FileDialogRequest request = DocumentDialog();
    request.mustExist = true;
    request.initialDir = ui::UserFolder({GetSetting("DirectoryFiles"), GetPathDirectory(data_->GetFileName())});
    const std::optional<std::string> path = ui::CurrentPrompts().OpenFile(site_.Window(), request);
    if (!path) return;
    SetSetting("DirectoryFiles", GetPathDirectory(*path));
    OpenDocument(*path);
}

bool CFileCommands::OpenDocument(const std::string& path) {
    if (path == data_->GetFileName() && !data_->IsModified()) return true;
    if (!SaveModified()) return false;

    bool readOnly = false;
    std::string password;
    bool havePassword = false;
    for (;;) {
        int32_t status;
        {
            const ScopedWaitCursor wait(&site_);
            status = data_->Open(path.c_str(), readOnly, password.c_str(), havePassword);
        }
        site_.UpdateTitle();
        if (status == kDataPassword) {
            const std::optional<IFileCommandSite::Password> entered = site_.AskPassword(path);
            if (!entered) return false;
            password = entered->text;
            readOnly = entered->readOnly;
            havePassword = true;
            continue;
        }
        if (status == kDataOk || status == kDataReadOnly) {
            site_.AddRecentFile(path);
            site_.FileOpened(kFileOpened);
        }
        if (status == kDataReadOnly) {
            if (BoolSetting("ShowMessageOpenedReadOnly", true)) {
                ui::MessageBoxById(site_.Window(), ids::OPEN_READ_ONLY, ui::MB_OK | ui::MB_ICONINFORMATION, {path});
            }
            if (havePassword) {
                SetSetting("PasswordLast", password);
                SetSetting("PasswordEntered", "1");
            }
        } else if (status == kDataCannotOpen) {
            ui::MessageBoxById(site_.Window(), ids::OPEN_CANNOT, ui::MB_OK | ui::MB_ICONSTOP, {path});
        } else if (status != kDataOk) {
            ui::MessageBoxById(site_.Window(), ids::OPEN_FAILED, ui::MB_OK | ui::MB_ICONSTOP, {path});
        }
        const bool opened = status == kDataOk || status == kDataReadOnly;
        if (opened) TellShortenedTexts(path);
        return opened;
    }
}

// Texts of an older file that grew past their fields in UTF-8 were cut on a
// character boundary; the user hears of it once per open, never silently.
void CFileCommands::TellShortenedTexts(const std::string& path) {
    if (data_->TextsWereShortened()) {
        ui::MessageBoxById(site_.Window(), ids::OPEN_TEXTS_SHORTENED, ui::MB_OK | ui::MB_ICONEXCLAMATION, {path});
    }
}

void CFileCommands::OnFileNew() {
    if (!SaveModified()) return;
    data_->Close();
    site_.UpdateTitle();
    site_.FileOpened(kFileNew);
}

bool CFileCommands::SaveDocument() {
    const std::string name = data_->GetFileName();
    if (data_->IsReadOnly() || name.empty() || !PathExists(name, false)) return OnFileSaveAs();
    if (data_->IsOlderFormatOpen() &&
        ui::MessageBoxById(site_.Window(), ids::SAVE_OLDER_FORMAT,
                           ui::MB_YESNO | ui::MB_DEFBUTTON2 | ui::MB_ICONEXCLAMATION, {name}) != ui::IDYES) {
        return false;
    }
    return SaveDocumentTo(name);
}

bool CFileCommands::OnFileSaveAs() {
    ui::FileDialogRequest request = DocumentDialog();
    request.overwritePrompt = true;
    const std::string current = data_->GetFileName();
    request.initialDir = ui::UserFolder({GetPathDirectory(current), GetSetting("DirectoryFiles")});
    request.fileName = current.substr(GetPathDirectory(current).size());
    const std::optional<std::string> path = ui::CurrentPrompts().SaveFile(site_.Window(), request);
    return path && SaveDocumentTo(*path);
}

bool CFileCommands::SaveDocumentTo(const std::string& path) {
    int32_t status;
    {
        const ScopedWaitCursor wait(&site_);
        status = data_->Save(path.c_str());
    }
    if (status != kDataOk) ui::MessageBoxById(site_.Window(), ids::SAVE_FAILED, ui::MB_OK | ui::MB_ICONSTOP, {path});
    site_.UpdateTitle();
    if (status != kDataOk) return false;
    if (!path.empty()) site_.AddRecentFile(path);
    site_.FileOpened(kFileSaved);
    return true;
}

bool CFileCommands::SaveModified() {
    if (!data_->IsModified()) return true;
    switch (ui::MessageBoxById(site_.Window(), ids::SAVE_CHANGES, ui::MB_YESNOCANCEL | ui::MB_ICONEXCLAMATION,
                               {DocumentName()})) {
    case ui::IDYES: return SaveDocument();
    case ui::IDNO: return true;
    default: return false;
    }
}

// The last password, when it is the open file's full-access one and the
// document is read-only: what the user wants to gain by opening again.
std::optional<std::string> CFileCommands::KnownFullAccessPassword() const {
    if (!data_->IsReadOnly() || !BoolSetting("PasswordEntered", false)) return std::nullopt;
    const std::string last = GetSetting("PasswordLast");
    std::uint8_t digests[32] = {};
    if (data_->GetPasswordDigests(digests) != kDataOk || MatchPassword(last, digests) != PasswordMatch::First)
        return std::nullopt;
    return last;
}

int32_t CFileCommands::Reload(const std::string& password, bool havePassword) {
    const ScopedWaitCursor wait(&site_);
    return data_->Reload(password.c_str(), havePassword);
}

void CFileCommands::OnChangePassword() {
    if (!CanReopen()) return;
    const std::string name = data_->GetFileName();
    if (data_->IsModified() &&
        ui::MessageBoxById(site_.Window(), ids::REOPEN_DISCARDS,
                           ui::MB_YESNO | ui::MB_DEFBUTTON2 | ui::MB_ICONEXCLAMATION, {name}) != ui::IDYES) {
        return;
    }
    // Without a password an unprotected file is read again at once; a
    // protected one is refused before anything changes, and its digests are
    // then those of the open file.
    std::string password;
    bool havePassword = false;
    for (;;) {
        const int32_t status = Reload(password, havePassword);
        if (status == kDataPassword) {
            std::optional<std::string> next = havePassword ? std::nullopt : KnownFullAccessPassword();
            if (!next) {
                const std::optional<IFileCommandSite::Password> entered = site_.AskPassword(name);
                if (!entered) return;
                next = entered->text;
            }
            password = *next;
            havePassword = true;
            continue;
        }
        // Read-only is what the second password grants: a success.
        if (status != kDataOk && status != kDataReadOnly) {
            site_.UpdateTitle();
            ui::MessageBoxById(site_.Window(), ids::REOPEN_FAILED, ui::MB_OK | ui::MB_ICONSTOP);
            return;
        }
        TellShortenedTexts(name);
        if (havePassword) {
            SetSetting("PasswordLast", password);
            SetSetting("PasswordEntered", "1");
        }
        return;
    }
}
