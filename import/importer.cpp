#include "import/importer.h"

#include "plat/resource_strings.h"
#include "string_ids.h"
#include "ui/prompts.h"
#include "ui/win_types.h"

CImporter::CImporter(CPlanData* planRoot, SettingGetter settingGetter)
    : root(planRoot), settings(std::move(settingGetter)) {}

CImporter::~CImporter() = default;

void CImporter::Reset() {
    columnMap.clear();
    lines.Clear();
    fields.clear();
    StartRecords(0);
}

int CImporter::Run(bool interactive) {
    if (!root) return kImportFailed;
    const int read = ReadFile(fileName, interactive, false);
    if (read != 0) return read;
    if (RecordCount() == 0) {
        if (interactive)
            ui::MessageBoxById(nullptr, ids::IMPORT_NO_RECORDS, ui::MB_ICONINFORMATION, {fileName});
        return kImportDone;
    }
    if (interactive && ui::MessageBoxById(nullptr, ids::IMPORT_CONFIRM,
                                          ui::MB_ICONQUESTION | ui::MB_YESNO) != ui::IDYES)
        return kImportDeclined;
    const int result = Commit();
    if (interactive) {
        if (result != 0)
            ui::MessageBoxById(nullptr, ids::IMPORT_COMMIT_FAILED, ui::MB_ICONSTOP);
        else
            ui::MessageBoxById(nullptr, ids::IMPORT_DONE, ui::MB_ICONINFORMATION,
                               {static_cast<long long>(RecordCount())});
    }
    return result == 0 ? kImportDone : kImportFailed;
}

int CImporter::ReadFile(const std::string& path, bool interactive, bool) {
    lastErrors_.clear();
    lastErrorTotal_ = 0;
    if (!ReadLines(path, lines)) {
        if (interactive)
            ui::MessageBoxById(nullptr, ids::IMPORT_CANNOT_READ, ui::MB_ICONSTOP, {path});
        return kImportFailed;
    }
    fields.clear();
    GetFieldList(fields);
    if (BuildRecords() < 0) {
        if (interactive) ui::MessageBoxById(nullptr, ids::IMPORT_BUILD_FAILED, ui::MB_ICONSTOP);
        Reset();
        return kImportInvalid;
    }
    ImportErrorList errors, warnings;
    CheckNulBytes(errors);
    ValidateRows(errors, warnings);
    if (!errors.Empty()) {
        lastErrorTotal_ = errors.Total();
        lastErrors_ = errors.TakeListed();
        if (interactive && errorView_) errorView_(lastErrors_, lastErrorTotal_);
        Reset();
        return kImportInvalid;
    }
    return 0;
}

bool CImporter::ReadLines(const std::string& path, ImportTable& table) {
    return ReadImportTable(path, separator, firstLineNames, table);
}

std::vector<int> CImporter::ColumnsOfFields() const {
    std::vector<int> columnOf(fields.size(), -1);
    for (const auto& [field, column] : columnMap)
        if (field >= 0 && static_cast<std::size_t>(field) < columnOf.size()) columnOf[field] = column;
    return columnOf;
}

int CImporter::BuildRecords() {
    StartRecords(lines.LineCount());
    const std::vector<int> columnOf = ColumnsOfFields();
    std::vector<std::string_view> line;
    for (std::size_t i = 0; i < lines.LineCount(); ++i) {
        lines.GetLine(i, line);
        CImportRecord& record = CreateRecord();
        for (std::size_t k = 0; k < columnOf.size(); ++k) {
            const int column = columnOf[k];
            if (column < 0 || static_cast<std::size_t>(column) >= line.size()) continue;
            if (!SetField(record, static_cast<int>(k), line[column])) return -1;
        }
    }
    return static_cast<int>(RecordCount());
}

void CImporter::CheckNulBytes(ImportErrorList& errors) const {
    const std::vector<int> columnOf = ColumnsOfFields();
    std::vector<std::string_view> line;
    for (std::size_t i = 0; i < lines.LineCount(); ++i) {
        lines.GetLine(i, line);
        for (std::size_t k = 0; k < columnOf.size(); ++k) {
            const int column = columnOf[k];
            if (column < 0 || static_cast<std::size_t>(column) >= line.size()) continue;
            if (line[column].find('\0') != std::string_view::npos)
                errors.Add(Error(i, static_cast<int>(k), line[column], ids::IMPORT_NUL_IN_FIELD));
        }
    }
}

std::string CImporter::TransactionName() const {
    const bool named = settings && GetBoolSetting(settings, "ImportUndo", false);
    return named ? plat::LoadResString(ids::UNDO_IMPORT) : std::string();
}

ImportError CImporter::Error(std::size_t recordIndex, int field, std::string_view value,
                             unsigned messageId) const {
    ImportError error;
    error.line = FileLine(recordIndex);
    if (field >= 0 && static_cast<std::size_t>(field) < fields.size()) error.field = fields[field].name;
    error.value = std::string(value);
    error.message = plat::LoadResString(messageId);
    return error;
}
