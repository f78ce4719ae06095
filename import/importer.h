#pragma once

// The import engine: reads a delimited file into lines of fields, maps file
// columns to the importer's target fields, builds one record per line, has
// the kind of import validate them into an error list, and writes them into
// the plan in one transaction, or nothing.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "import/import_errors.h"
#include "import/import_table.h"
#include "plan_data.h"
#include "support/setting_values.h"

struct ImportField {
    std::string name;
    bool required = false;
};

// One target record per data line: a fixed number of texts, which point
// into the importer's lines (a large file is not copied once more).
class CImportRecord {
public:
    virtual ~CImportRecord() = default;
};

// Results of CImporter::Run.
enum ImportResult : int {
    kImportDone = 0,
    kImportFailed = 1,      // no document, file unreadable or commit failed
    kImportInvalid = 2,     // building the records failed or the file has errors
    kImportDeclined = 3,
};

class CImporter {
public:
    // root may be null (Run then fails); settings gives "ImportUndo".
    CImporter(CPlanData* root, SettingGetter settings);
    virtual ~CImporter();
    CImporter(const CImporter&) = delete;
    CImporter& operator=(const CImporter&) = delete;

    // Empties the column map, lines, fields and records (the records go
    // with the lines they point into).
    virtual void Reset();
    virtual void SetFirstLineNames(bool names) { firstLineNames = names; }
    virtual void SetSeparator(char c) { separator = c; }
    virtual void SetFileName(std::string name) { fileName = std::move(name); }
    // Target field index -> 0-based file column; -1 takes the column away.
    void SetColumn(int field, int column) { columnMap[field] = column; }

    // A kImport* result; interactive shows messages and asks before writing.
    virtual int Run(bool interactive);
    // 0 read and valid; 1 unreadable; 2 records not built or not valid.
    virtual int ReadFile(const std::string& path, bool interactive, bool askWarnings);
    virtual bool ReadLines(const std::string& path, ImportTable& table);
    // The number of records, or -1 when a field was refused.
    virtual int BuildRecords();

    // What each kind of import supplies.
    // 0 when every record was written; otherwise nothing was.
    virtual int Commit() = 0;
    virtual int GetFieldList(std::vector<ImportField>& list) = 0;
    // Drops the records and makes room for expected new ones.
    virtual void StartRecords(std::size_t expected) = 0;
    // Appends an empty record; the reference holds until the next one.
    virtual CImportRecord& CreateRecord() = 0;
    virtual std::size_t RecordCount() const = 0;
    // text lives as long as the importer's lines.
    virtual bool SetField(CImportRecord& record, int field, std::string_view text) = 0;
    // Adds the errors in the order found; returns their number.
    virtual std::size_t ValidateRows(ImportErrorList& errors, ImportErrorList& warnings) = 0;

    // Shows the errors of a failed read (the error list dialog): the first
    // ones by line and how many there were in all. Without one,
    // interactive reads show no list.
    using ErrorView = std::function<void(const std::vector<ImportError>& listed, std::size_t total)>;
    void SetErrorView(ErrorView view) { errorView_ = std::move(view); }
    // The errors of the last read as listed, and how many there were in
    // all; kept across Reset for the caller.
    const std::vector<ImportError>& LastErrors() const { return lastErrors_; }
    std::size_t LastErrorTotal() const { return lastErrorTotal_; }

    const ImportTable& Lines() const { return lines; }

protected:
    // The 0-based file line of a record.
    int FileLine(std::size_t recordIndex) const {
        return static_cast<int>(recordIndex) + (firstLineNames ? 1 : 0);
    }
    // The undo step's name: the import's own when "ImportUndo" is set, else
    // "" (an unnamed step, which clears the undo history).
    std::string TransactionName() const;
    ImportError Error(std::size_t recordIndex, int field, std::string_view value,
                      unsigned messageId) const;

    CPlanData* root;
    SettingGetter settings;
    std::map<int, int> columnMap;
    ImportTable lines;
    std::vector<ImportField> fields;
    char separator = '\t';
    std::string fileName;
    bool firstLineNames = false;

private:
    // The file column of each target field, -1 for none.
    std::vector<int> ColumnsOfFields() const;
    // A NUL byte cannot be stored in a record's text.
    void CheckNulBytes(ImportErrorList& errors) const;

    ErrorView errorView_;
    std::vector<ImportError> lastErrors_;
    std::size_t lastErrorTotal_ = 0;
};

// The records of one kind of import, kept in one block.
template <class Record>
class CImporterOf : public CImporter {
public:
    using CImporter::CImporter;

    void StartRecords(std::size_t expected) override {
        records.clear();
        records.shrink_to_fit();
        records.reserve(expected);
    }
    CImportRecord& CreateRecord() override { return records.emplace_back(); }
    std::size_t RecordCount() const override { return records.size(); }

protected:
    std::vector<Record> records;
};
