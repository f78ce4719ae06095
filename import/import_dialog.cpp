#include "import/import_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "import/import_lists.h"
#include "import/import_setup.h"
#include "import/import_table.h"
#include "plat/checked_format.h"
#include "plat/resource_strings.h"
#include "string_ids.h"
#include "support/setting_ranges.h"
#include "ui/data_exchange.h"
#include "ui/prompts.h"

namespace {

QString Text(unsigned id) { return QString::fromStdString(plat::LoadResString(id)); }

enum Label {
    kFileLabel, kBrowse, kSeparatorLabel, kFirstLine, kAutoAssign, kGridLabel, kPreview,
    kSaveDescription, kLoadDescription, kImport, kClose,
};
QString LabelText(Label label) { return Text(ids::IMPORT_LABELS + label); }

QPushButton* Button(Label label, int id, QWidget* dialog) {
    auto* button = new QPushButton(LabelText(label));
    ui::SetControlId(button, id);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, dialog, [button] { ui::NotifyParent(button, ui::BN_CLICKED); });
    return button;
}

std::string FolderOf(const std::string& path) {
    return std::filesystem::path(path).parent_path().string();
}

}  // namespace

CImportDlg::CImportDlg(std::unique_ptr<CImporter> importer, unsigned texts, SettingGetter settings,
                       SettingSetter folderSetter, QWidget* parent)
    : DialogBase(parent), importer_(std::move(importer)), texts_(texts), settings_(std::move(settings)),
      folderSetter_(std::move(folderSetter)) {
    firstLineNames = GetBoolSetting(settings_, "ImportFirstLine", false);
    separatorIndex = NormalSeparatorIndex(GetIntSetting(settings_, "ImportSeparator", 2));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    auto* form = new QGridLayout;
    layout->addLayout(form);

    auto* fileLabel = new QLabel(LabelText(kFileLabel));
    auto* edit = new QLineEdit;
    ui::SetControlId(edit, IDC_IMPORT_FILE);
    edit->setMinimumWidth(360);
    fileLabel->setBuddy(edit);
    connect(edit, &QLineEdit::textEdited, this, [edit] { ui::NotifyParent(edit, ui::EN_CHANGE); });
    form->addWidget(fileLabel, 0, 0);
    form->addWidget(edit, 0, 1);
    form->addWidget(Button(kBrowse, IDC_IMPORT_BROWSE, this), 0, 2);

    auto* separatorLabel = new QLabel(LabelText(kSeparatorLabel));
    auto* combo = new QComboBox;
    ui::SetControlId(combo, IDC_IMPORT_SEPARATOR);
    separatorLabel->setBuddy(combo);
    connect(combo, &QComboBox::activated, this, [combo] { ui::NotifyParent(combo, ui::CBN_SELCHANGE); });
    form->addWidget(separatorLabel, 1, 0);
    form->addWidget(combo, 1, 1, Qt::AlignLeft);

    auto* check = new QCheckBox(LabelText(kFirstLine));
    ui::SetControlId(check, IDC_IMPORT_FIRST_LINE);
    connect(check, &QCheckBox::clicked, this, [check] { ui::NotifyParent(check, ui::BN_CLICKED); });
    form->addWidget(check, 2, 1);

    auto* gridLabel = new QLabel(LabelText(kGridLabel));
    layout->addWidget(gridLabel);
    QWidget* grid = grid_.Create(this, IDC_IMPORT_GRID);
    grid->setMinimumSize(520, 300);
    gridLabel->setBuddy(grid);
    layout->addWidget(grid, 1);

    auto* row = new QHBoxLayout;
    for (auto [label, id] : {std::pair{kAutoAssign, IDC_IMPORT_AUTO_ASSIGN}, {kPreview, IDC_IMPORT_PREVIEW},
                             {kSaveDescription, IDC_IMPORT_SAVE_DESCRIPTION},
                             {kLoadDescription, IDC_IMPORT_LOAD_DESCRIPTION}})
        row->addWidget(Button(label, id, this));
    row->addStretch(1);
    layout->addLayout(row);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    QPushButton* ok = Button(kImport, ui::IDOK, this);
    ok->setDefault(true);
    QPushButton* close = Button(kClose, ui::IDCANCEL, this);
    ok->disconnect();
    close->disconnect();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    bottom->addWidget(ok);
    bottom->addWidget(close);
    layout->addLayout(bottom);
}

CImportDlg::~CImportDlg() { importer_->Reset(); }

void CImportDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::DDX_Text(dx, IDC_IMPORT_FILE, fileName);
    int names = firstLineNames ? 1 : 0;
    ui::DDX_Check(dx, IDC_IMPORT_FIRST_LINE, names);
    firstLineNames = names != 0;
    ui::DDX_CBIndex(dx, IDC_IMPORT_SEPARATOR, separatorIndex);
}

void CImportDlg::OnInitDialog() {
    setWindowTitle(Text(texts_ + 2));
    if (fileName.empty()) fileName = GetStringSetting(settings_, "ImportFileName", "");
    auto* combo = static_cast<QComboBox*>(GetDlgItem(IDC_IMPORT_SEPARATOR));
    for (unsigned i = 0; i < 3; ++i) combo->addItem(Text(ids::IMPORT_SEPARATORS + i));
    const int width = grid_.GetSafeHwnd()->minimumWidth() * 2 / 5;
    for (unsigned column = 0; column < 2; ++column) {
        SPAssignHeaderRecord header{};
        const std::string text = plat::LoadResString(ids::IMPORT_GRID_FIELD + column);
        text.copy(header.text, sizeof header.text - 1);
        header.width = width;
        grid_.SendMessage(WM_SP_ASSIGNGRID_SETHEADER, column, reinterpret_cast<ui::LPARAM>(&header));
    }
    std::vector<ImportField> fields;
    importer_->GetFieldList(fields);
    for (const ImportField& field : fields) grid_.AddItem(field.name, field.required);
    DialogBase::OnInitDialog();
    Refresh();
}

bool CImportDlg::OnCommand(int id, unsigned code, QWidget* control) {
    switch (id) {
    case IDC_IMPORT_BROWSE: OnBrowse(); return true;
    case IDC_IMPORT_AUTO_ASSIGN: AutoAssignFields(); return true;
    case IDC_IMPORT_FIRST_LINE:
    case IDC_IMPORT_SEPARATOR:
        UpdateData(true);
        EnableControls();
        FillColumnList();
        return true;
    case IDC_IMPORT_PREVIEW: ShowPreview(); return true;
    case IDC_IMPORT_SAVE_DESCRIPTION: SaveDescription(); return true;
    case IDC_IMPORT_LOAD_DESCRIPTION: LoadDescription(); return true;
    case IDC_IMPORT_FILE:
        if (code != ui::EN_CHANGE) return false;
        UpdateData(true);
        Refresh();
        return true;
    default: return DialogBase::OnCommand(id, code, control);
    }
}

bool CImportDlg::IsInputValid() const {
    std::error_code error;
    return !fileName.empty() && std::filesystem::is_regular_file(fileName, error);
}

void CImportDlg::EnableControls() {
    const bool valid = IsInputValid();
    for (int id : {IDC_IMPORT_FIRST_LINE, IDC_IMPORT_GRID, IDC_IMPORT_SEPARATOR, ui::IDOK, IDC_IMPORT_PREVIEW,
                   IDC_IMPORT_SAVE_DESCRIPTION, IDC_IMPORT_LOAD_DESCRIPTION})
        GetDlgItem(id)->setEnabled(valid);
    GetDlgItem(IDC_IMPORT_AUTO_ASSIGN)->setEnabled(valid && firstLineNames);
}

bool CImportDlg::ReadFirstLine(int separator, std::vector<std::string>& fields) const {
    std::string text;
    if (!ReadImportFirstLine(fileName, text)) return false;
    const char separators[] = {SeparatorOfIndex(separator), '\n'};
    std::vector<std::string_view> parts;
    SplitImportLine(text, std::string_view(separators, 2), parts);
    fields.assign(parts.begin(), parts.end());
    return true;
}

std::vector<std::string> CImportDlg::FirstLineFields(int separator) const {
    std::vector<std::string> first;
    if (IsInputValid()) ReadFirstLine(separator, first);
    return first;
}

void CImportDlg::FillColumnList() { ShowColumns(FirstLineFields(separatorIndex)); }

void CImportDlg::ShowColumns(const std::vector<std::string>& first) {
    grid_.SendMessage(WM_SP_ASSIGNGRID_REMOVECOLUMNS);
    columns_.clear();
    if (first.empty()) return;
    const std::vector<std::string_view> parts(first.begin(), first.end());
    columns_ = ImportColumnEntries(parts, firstLineNames, [](int n) {
        return plat::FormatChecked(plat::LoadResString(ids::IMPORT_COLUMN_NUMBER), {n});
    });
    for (const std::string& entry : columns_)
        grid_.SendMessage(WM_SP_ASSIGNGRID_ADDCOLUMN, 0, reinterpret_cast<ui::LPARAM>(entry.c_str()));
    SetAssignments(std::vector<int>(FieldNames().size(), 0));
}

void CImportDlg::Refresh() {
    EnableControls();
    if (!IsInputValid()) return;
    std::vector<std::string> first;
    if (!ReadFirstLine(separatorIndex, first)) {
        ui::MessageBoxById(this, ids::IMPORT_FIRST_LINE_UNREADABLE, ui::MB_ICONSTOP, {fileName});
        return;
    }
    const std::size_t shown = columns_.empty() ? 0 : columns_.size() - 1;
    const std::size_t count = std::min(first.size(), kMaxImportColumns);
    const bool differs = firstLineNames
        ? shown != count || !std::equal(first.begin(), first.begin() + count, columns_.begin() + 1)
        : shown != count;
    if (differs) ShowColumns(first);
}

std::vector<std::string> CImportDlg::FieldNames() const {
    std::vector<std::string> names;
    const int count = static_cast<int>(grid_.SendMessage(WM_SP_ASSIGNGRID_GETITEMCOUNT));
    for (int i = 0; i < count; ++i) names.push_back(grid_.GetItemText(i));
    return names;
}

std::vector<int> CImportDlg::Assignments() const {
    std::vector<int> assignments;
    const int count = static_cast<int>(grid_.SendMessage(WM_SP_ASSIGNGRID_GETITEMCOUNT));
    for (int i = 0; i < count; ++i)
        assignments.push_back(std::max(0, static_cast<int>(grid_.SendMessage(WM_SP_ASSIGNGRID_GETASSIGN, i))));
    return assignments;
}

void CImportDlg::SetAssignments(const std::vector<int>& assignments) {
    if (grid_.SendMessage(WM_SP_ASSIGNGRID_GETCOLUMNCOUNT) == 0) return;
    for (std::size_t i = 0; i < assignments.size(); ++i)
        grid_.SendMessage(WM_SP_ASSIGNGRID_SETASSIGN, i, assignments[i]);
}

void CImportDlg::AutoAssignFields() {
    if (!firstLineNames) return;
    std::vector<int> assignments = Assignments();
    AutoAssignColumns(FieldNames(), columns_, GetBoolSetting(settings_, "ImportAutoSkipExisting", true),
                      assignments);
    SetAssignments(assignments);
}

std::string CImportDlg::StartFolder() const {
    return ui::UserFolder({GetStringSetting(settings_, "ImportFolderLast", "")});
}

void CImportDlg::KeepFolder(const std::string& path) { folderSetter_("ImportFolderLast", FolderOf(path)); }

void CImportDlg::OnBrowse() {
    ui::FileDialogRequest request;
    request.defaultExt = plat::LoadResString(ids::IMPORT_FILE_EXTENSION);
    request.filter = plat::LoadResString(ids::IMPORT_FILE_FILTER);
    request.title = plat::LoadResString(ids::IMPORT_FILE_TITLE);
    request.initialDir = StartFolder();
    request.mustExist = true;
    const std::optional<std::string> chosen = ui::CurrentPrompts().OpenFile(this, request);
    if (!chosen) return;
    UpdateData(true);
    fileName = *chosen;
    KeepFolder(fileName);
    UpdateData(false);
    Refresh();
}

void CImportDlg::ApplyToImporter() {
    importer_->Reset();
    importer_->SetFirstLineNames(firstLineNames);
    importer_->SetSeparator(SeparatorOfIndex(separatorIndex));
    importer_->SetFileName(fileName);
    const std::vector<int> assignments = Assignments();
    for (std::size_t i = 0; i < assignments.size(); ++i)
        importer_->SetColumn(static_cast<int>(i), assignments[i] > 0 ? assignments[i] - 1 : -1);
}

bool CImportDlg::CheckInput() {
    if (IsInputValid()) return true;
    GotoDlgCtrl(GetDlgItem(IDC_IMPORT_BROWSE));
    ui::MessageBoxById(this, ids::IMPORT_NO_FILE, ui::MB_ICONSTOP);
    return false;
}

void CImportDlg::OnOK() {
    if (!UpdateData(true) || !CheckInput()) return;
    ApplyToImporter();
    importer_->SetErrorView([this](const std::vector<ImportError>& errors, std::size_t total) {
        CImportErrorDlg(errors, total, GetIntSettingIn(settings_, "ImportErrorDlgColumnWidth", 100, 0, kMaxPixelsSetting),
                        this)
            .exec();
    });
    const int trial = importer_->ReadFile(fileName, true, true);
    importer_->Reset();
    if (trial != 0) return;
    ApplyToImporter();
    importer_->Run(true);
}

void CImportDlg::ShowPreview() {
    if (!UpdateData(true) || !CheckInput()) return;
    ApplyToImporter();
    std::vector<ImportField> fields;
    importer_->GetFieldList(fields);
    ImportTable lines;
    if (!importer_->ReadLines(fileName, lines)) return;
    std::vector<int> columnOfField;
    for (int assignment : Assignments()) columnOfField.push_back(assignment - 1);
    CImportPreviewDlg(fields, columnOfField, lines, firstLineNames,
                      GetIntSettingIn(settings_, "ImportPreviewColumnWidth", 100, 0, kMaxPixelsSetting), this)
        .exec();
}

void CImportDlg::SaveDescription() {
    if (!UpdateData(true)) return;
    ui::FileDialogRequest request;
    request.defaultExt = plat::LoadResString(ids::IMPORT_DESCRIPTION_EXTENSION);
    request.filter = plat::LoadResString(ids::IMPORT_DESCRIPTION_FILTER);
    request.title = plat::LoadResString(ids::IMPORT_DESCRIPTION_SAVE_TITLE);
    request.initialDir = StartFolder();
    request.overwritePrompt = true;
    const std::optional<std::string> path = ui::CurrentPrompts().SaveFile(this, request);
    if (!path) return;
    KeepFolder(*path);
    ImportDescription description{plat::LoadResString(texts_ + 3), separatorIndex, firstLineNames, {}};
    for (int assignment : Assignments()) description.columns.push_back(assignment - 1);
    if (!SaveImportDescription(*path, description))
        ui::MessageBoxById(this, ids::IMPORT_DESCRIPTION_NOT_WRITTEN, ui::MB_ICONSTOP, {*path});
}

void CImportDlg::LoadDescription() {
    ui::FileDialogRequest request;
    request.defaultExt = plat::LoadResString(ids::IMPORT_DESCRIPTION_EXTENSION);
    request.filter = plat::LoadResString(ids::IMPORT_DESCRIPTION_FILTER);
    request.title = plat::LoadResString(ids::IMPORT_DESCRIPTION_LOAD_TITLE);
    request.initialDir = StartFolder();
    request.mustExist = true;
    const std::optional<std::string> path = ui::CurrentPrompts().OpenFile(this, request);
    if (!path) return;
    KeepFolder(*path);
    // Checked against the file as the description would read it, before
    // anything is changed: a description that does not fit changes nothing.
    ImportDescription description;
    std::vector<std::string> first;
    std::vector<int> entries;
    const bool loaded = LoadImportDescription(*path, static_cast<int>(FieldNames().size()), description) ==
                        DescriptionLoad::Loaded;
    if (loaded) first = FirstLineFields(description.separatorIndex);
    if (!loaded || !FitDescriptionColumns(description.columns, std::min(first.size(), kMaxImportColumns), entries)) {
        ui::MessageBoxById(this, ids::IMPORT_DESCRIPTION_MISMATCH, ui::MB_ICONSTOP);
        UpdateData(true);
        return;
    }
    separatorIndex = description.separatorIndex;
    firstLineNames = description.firstLineNames;
    UpdateData(false);
    EnableControls();
    ShowColumns(first);
    SetAssignments(entries);
}
