#include "import/import_lists.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "import/import_table.h"
#include "plat/checked_format.h"
#include "plat/resource_strings.h"
#include "string_ids.h"

namespace {

QString Text(unsigned id) { return QString::fromStdString(plat::LoadResString(id)); }

QTableWidgetItem* Cell(const std::string& text, bool right = false) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    if (right) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

CImportListDlg::CImportListDlg(unsigned captionId, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Text(captionId));
    auto* layout = new QVBoxLayout(this);
    table_ = new QTableWidget(this);
    table_->setObjectName("1000");
    table_->setShowGrid(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    layout->addWidget(table_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(Text(ids::IMPORT_LABELS + 10));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CImportListDlg::SetColumns(const std::vector<std::pair<std::string, int>>& columns, int rightAligned) {
    table_->setColumnCount(static_cast<int>(columns.size()) + 1);
    table_->setHorizontalHeaderItem(0, new QTableWidgetItem());
    table_->setColumnHidden(0, true);
    int width = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int column = static_cast<int>(i) + 1;
        auto* header = new QTableWidgetItem(QString::fromStdString(columns[i].first));
        if (column == rightAligned) header->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setHorizontalHeaderItem(column, header);
        table_->setColumnWidth(column, columns[i].second);
        width += columns[i].second;
    }
    table_->setMinimumWidth(std::min(width + 40, 1000));
}

void CImportListDlg::FitLines() {
    constexpr int kPageLines = 20;
    const int lines = std::clamp(table_->rowCount(), 1, kPageLines);
    const int wanted = table_->horizontalHeader()->sizeHint().height() +
                       lines * table_->verticalHeader()->defaultSectionSize() + 2 * table_->frameWidth() +
                       table_->horizontalScrollBar()->sizeHint().height();
    const QSize hint = sizeHint();
    const int height = hint.height() + std::max(0, wanted - table_->sizeHint().height());
    resize(hint.width(), std::min(height, screen()->availableGeometry().height() * 4 / 5));
}

CImportPreviewDlg::CImportPreviewDlg(const std::vector<ImportField>& fields,
                                     const std::vector<int>& columnOfField, const ImportTable& lines,
                                     bool firstLineNames, int columnWidth, QWidget* parent)
    : CImportListDlg(ids::IMPORT_LABELS + 11, parent) {
    std::vector<std::pair<std::string, int>> columns{{plat::LoadResString(ids::IMPORT_PREVIEW_LINE), 2 * columnWidth / 3}};
    for (const ImportField& field : fields) columns.emplace_back(field.name, columnWidth);
    SetColumns(columns, 1);
    const std::size_t rows = std::min(lines.LineCount(), kMaxImportListRows);
    table_->setRowCount(static_cast<int>(rows));
    std::vector<std::string_view> parts;
    for (std::size_t row = 0; row < rows; ++row) {
        lines.GetLine(row, parts);
        const int r = static_cast<int>(row);
        table_->setItem(r, 1, Cell(std::to_string(row + (firstLineNames ? 2 : 1)), true));
        for (std::size_t f = 0; f < fields.size() && f < columnOfField.size(); ++f) {
            const int column = columnOfField[f];
            if (column >= 0 && static_cast<std::size_t>(column) < parts.size())
                table_->setItem(r, static_cast<int>(f) + 2, Cell(std::string(parts[static_cast<std::size_t>(column)])));
        }
    }
    FitLines();
}

CImportErrorDlg::CImportErrorDlg(const std::vector<ImportError>& errors, std::size_t total, int columnWidth,
                                 QWidget* parent)
    : CImportListDlg(ids::IMPORT_LABELS + 12, parent) {
    if (total > errors.size()) {
        auto* count = new QLabel(QString::fromStdString(plat::FormatChecked(
            plat::LoadResString(ids::IMPORT_ERRORS_IN_ALL),
            {static_cast<long long>(total), static_cast<long long>(errors.size())})));
        count->setWordWrap(true);
        static_cast<QVBoxLayout*>(layout())->insertWidget(0, count);
    }
    SetColumns({{plat::LoadResString(ids::IMPORT_ERROR_COLUMNS), 2 * columnWidth / 3},
                {plat::LoadResString(ids::IMPORT_ERROR_COLUMNS + 1), columnWidth},
                {plat::LoadResString(ids::IMPORT_ERROR_COLUMNS + 2), columnWidth},
                {plat::LoadResString(ids::IMPORT_ERROR_COLUMNS + 3), 2 * columnWidth}},
               1);
    table_->setRowCount(static_cast<int>(errors.size()));
    for (std::size_t i = 0; i < errors.size(); ++i) {
        const int r = static_cast<int>(i);
        table_->setItem(r, 1, Cell(std::to_string(errors[i].line + 1), true));
        table_->setItem(r, 2, Cell(errors[i].field));
        table_->setItem(r, 3, Cell(errors[i].value));
        table_->setItem(r, 4, Cell(errors[i].message));
    }
    FitLines();
}
