#pragma once

// Resources or tasks from a delimited file: one new record per line, with
// its group found by exact name or created.

#include <string_view>

#include "import/importer.h"

class CNameGroupImportRecord : public CImportRecord {
public:
    enum Field { kName, kGroup, kFieldCount };
    std::string_view name;
    std::string_view group;
};

class CNameGroupImporter : public CImporterOf<CNameGroupImportRecord> {
public:
    using CImporterOf::CImporterOf;

    int GetFieldList(std::vector<ImportField>& list) override;
    bool SetField(CImportRecord& record, int field, std::string_view text) override;
    // Only an empty name is an error; groups and existing names are free.
    std::size_t ValidateRows(ImportErrorList& errors, ImportErrorList& warnings) override;

protected:
    // Writes the records into a kind's two collections in one transaction.
    template <class GroupCollection, class ItemCollection>
    int CommitInto(GroupCollection* groups, ItemCollection* items);
};

class CResourceImporter : public CNameGroupImporter {
public:
    using CNameGroupImporter::CNameGroupImporter;
    int Commit() override;
};

class CTaskImporter : public CNameGroupImporter {
public:
    using CNameGroupImporter::CNameGroupImporter;
    int Commit() override;
};
