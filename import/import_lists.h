#pragma once

// The two list windows of the import: the parsed lines of a file, and the
// errors that stop an import.

#include <QDialog>
#include <string>
#include <vector>

#include "import/importer.h"

class QTableWidget;

class CImportListDlg : public QDialog {
public:
    CImportListDlg(unsigned captionId, QWidget* parent);
    QTableWidget* Table() const { return table_; }

protected:
    // Column 0 stays empty and hidden, as the list's first column.
    void SetColumns(const std::vector<std::pair<std::string, int>>& columns, int rightAligned);
    // Opens tall enough for a page of the filled lines, within the screen.
    void FitLines();

    QTableWidget* table_;
};

// One row per data line: its line number in the file, then each assigned
// field's text.
class CImportPreviewDlg : public CImportListDlg {
public:
    // columnOfField: the file column of each field, -1 for none.
    CImportPreviewDlg(const std::vector<ImportField>& fields, const std::vector<int>& columnOfField,
                      const ImportTable& lines, bool firstLineNames, int columnWidth,
                      QWidget* parent = nullptr);
};

// One row per listed error; when the list holds only the first of them, a
// line above it says how many there were in all.
class CImportErrorDlg : public CImportListDlg {
public:
    CImportErrorDlg(const std::vector<ImportError>& errors, std::size_t total, int columnWidth,
                    QWidget* parent = nullptr);
};
