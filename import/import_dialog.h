#pragma once

// The dialog of the three import commands: file, separator, names line,
// the assignment of file columns to the import's fields, preview,
// description files, and the import itself. The dialog stays open after an
// import, so another file can follow.

#include <memory>
#include <string>
#include <vector>

#include "import/importer.h"
#include "spctrl/sp_controls.h"
#include "ui/dialog_base.h"

// Dialog item ids.
inline constexpr int IDC_IMPORT_BROWSE = 1049;
inline constexpr int IDC_IMPORT_FILE = 30201;
inline constexpr int IDC_IMPORT_AUTO_ASSIGN = 30203;
inline constexpr int IDC_IMPORT_FIRST_LINE = 30205;
inline constexpr int IDC_IMPORT_SEPARATOR = 30206;
inline constexpr int IDC_IMPORT_GRID = 31009;
inline constexpr int IDC_IMPORT_PREVIEW = 30003;
inline constexpr int IDC_IMPORT_SAVE_DESCRIPTION = 30004;
inline constexpr int IDC_IMPORT_LOAD_DESCRIPTION = 30005;

class CImportDlg : public ui::DialogBase {
public:
    // texts: the kind's first string (ids::IMPORT_*_TEXTS); settings gives
    // the dialog's settings and folderSetter keeps "ImportFolderLast".
    CImportDlg(std::unique_ptr<CImporter> importer, unsigned texts, SettingGetter settings,
               SettingSetter folderSetter, QWidget* parent = nullptr);
    ~CImportDlg() override;

    std::string fileName;
    bool firstLineNames = false;
    int separatorIndex = 2;

    CImporter& Importer() { return *importer_; }
    // The grid's assignment of each field (0 none, else the 1-based column).
    std::vector<int> Assignments() const;
    void SetAssignments(const std::vector<int>& assignments);
    const std::vector<std::string>& ColumnEntries() const { return columns_; }

    void AutoAssignFields();
    void ShowPreview();
    void SaveDescription();
    void LoadDescription();

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, unsigned code, QWidget* control) override;

private:
    bool IsInputValid() const;
    void EnableControls();
    // The fields of the file's first line split at the separator of that index.
    bool ReadFirstLine(int separator, std::vector<std::string>& fields) const;
    // The fields of the first line with that separator; none without a file.
    std::vector<std::string> FirstLineFields(int separator) const;
    void FillColumnList();
    // Offers the fields of the first line as the grid's columns, none assigned
    // (no fields: no file, no columns).
    void ShowColumns(const std::vector<std::string>& first);
    void Refresh();
    void OnBrowse();
    void ApplyToImporter();
    // False (with the message and the focus on Browse) when there is no file.
    bool CheckInput();
    std::string StartFolder() const;
    void KeepFolder(const std::string& path);
    std::vector<std::string> FieldNames() const;

    std::unique_ptr<CImporter> importer_;
    unsigned texts_;
    SettingGetter settings_;
    SettingSetter folderSetter_;
    CSPAssignGridCtrl grid_;
    std::vector<std::string> columns_;
};
