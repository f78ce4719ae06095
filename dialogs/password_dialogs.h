#pragma once

// The document's two passwords: the first opens it for editing, the second
// read-only. CFilePasswordDlg sets them (each changed one typed again in
// CPasswordConfirmDlg); CPasswordEntryDlg asks for one when a protected file
// is opened.

#include <cstdint>
#include <string>

#include "ui/dialog_base.h"

class CPlanData;

// Dialog items.
inline constexpr int IDC_PASSWORD_PROTECT = 1004;
inline constexpr int IDC_PASSWORD_FIRST = 1005;
inline constexpr int IDC_PASSWORD_SECOND = 1006;
inline constexpr int IDC_PASSWORD_FIRST_LABEL = 1007;
inline constexpr int IDC_PASSWORD_SECOND_LABEL = 1008;
inline constexpr int IDC_PASSWORD_PROMPT = 1009;
inline constexpr int IDC_PASSWORD_ENTRY = 1010;

class CPasswordConfirmDlg : public ui::DialogBase {
    Q_OBJECT
public:
    explicit CPasswordConfirmDlg(QWidget* parent = nullptr);

    std::string prompt;
    std::string expected;
    std::string entered;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnOK() override;
};

class CFilePasswordDlg : public ui::DialogBase {
    Q_OBJECT
public:
    explicit CFilePasswordDlg(bool readOnly, QWidget* parent = nullptr);

    int protect = 0;
    std::string password1;
    std::string password2;

    // Asks for the new first (or second) password again; true on OK.
    bool ConfirmPassword(bool first);

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, unsigned code, QWidget* control) override;

private:
    void EnableControls();

    bool readOnly_;
    std::string original1_;
    std::string original2_;
};

class CPasswordEntryDlg : public ui::DialogBase {
    Q_OBJECT
public:
    // The digests are those of the file the document examined last.
    CPasswordEntryDlg(const std::string& fileName, CPlanData* data, QWidget* parent = nullptr);

    std::string password;
    // True when the entry matched only the second (read-only) password.
    bool readOnly = false;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;

private:
    std::string prompt_;
    CPlanData* data_;
    std::uint8_t digests_[32] = {};
};

// Sets the open document's protection in one undo step. True when the user
// confirmed and the document took the change.
bool EditFilePassword(CPlanData* data, QWidget* parent = nullptr);
