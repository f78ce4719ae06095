#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstring>

#include "controls.h"
#include "controls_api.h"
#include "ui/message.h"

namespace spcc {
namespace {

// Target fields in rows, each with a choice among the column entries.
class AssignGridCtrl : public ui::MessageWidget<QWidget> {
public:
    explicit AssignGridCtrl(QWidget* parent) : MessageWidget(parent), table_(new QTableWidget(0, 2, this)) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(table_);
        table_->verticalHeader()->hide();
        table_->horizontalHeader()->setStretchLastSection(true);
        table_->setSelectionMode(QAbstractItemView::NoSelection);
        setFocusProxy(table_);
    }

protected:
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override {
        result = 0;
        const int item = wParam < ui::WPARAM(table_->rowCount()) ? int(wParam) : -1;
        switch (message) {
        case WM_SP_ASSIGNGRID_SETHEADER: {
            const auto* record = reinterpret_cast<const SPAssignHeaderRecord*>(lParam);
            if (!record || wParam > 1) return true;
            const std::size_t length = strnlen(record->text, sizeof record->text);
            table_->setHorizontalHeaderItem(
                int(wParam), new QTableWidgetItem(QString::fromUtf8(record->text, qsizetype(length))));
            if (record->width > 0) table_->setColumnWidth(int(wParam), record->width);
            return true;
        }
        case WM_SP_ASSIGNGRID_ADDITEM: {
            const auto* record = reinterpret_cast<const SPAssignItemRecord*>(lParam);
            if (!record || !record->text) return true;
            AddItem(record->text, record->required != 0);
            result = 1;
            return true;
        }
        case WM_SP_ASSIGNGRID_GETITEMCOUNT:
            result = table_->rowCount();
            return true;
        case WM_SP_ASSIGNGRID_ADDCOLUMN: {
            const char* text = reinterpret_cast<const char*>(lParam);
            columns_ << QString::fromUtf8(text ? text : "");
            for (int row = 0; row < table_->rowCount(); ++row) {
                QComboBox* combo = Choice(row);
                const bool first = combo->count() == 0;
                combo->addItem(columns_.back());
                if (first) combo->setCurrentIndex(0);
            }
            return true;
        }
        case WM_SP_ASSIGNGRID_SETASSIGN:
            if (item >= 0 && lParam >= 0 && lParam < columns_.size()) {
                Choice(item)->setCurrentIndex(int(lParam));
                result = 1;
            }
            return true;
        case WM_SP_ASSIGNGRID_GETASSIGN:
            result = item >= 0 ? Choice(item)->currentIndex() : -1;
            return true;
        case WM_SP_ASSIGNGRID_GETITEMTEXTLEN:
            result = item >= 0 ? ui::LRESULT(ItemText(item).size()) : -1;
            return true;
        case WM_SP_ASSIGNGRID_GETITEMTEXT: {
            char* buffer = reinterpret_cast<char*>(lParam);
            if (item < 0 || !buffer) return true;
            const QByteArray text = ItemText(item);
            std::memcpy(buffer, text.constData(), std::size_t(text.size()) + 1);
            result = text.size();
            return true;
        }
        case WM_SP_ASSIGNGRID_REMOVECOLUMNS:
            columns_.clear();
            for (int row = 0; row < table_->rowCount(); ++row) Choice(row)->clear();
            return true;
        case WM_SP_ASSIGNGRID_GETCOLUMNCOUNT:
            result = columns_.size();
            return true;
        default:
            return false;
        }
    }

private:
    void AddItem(const char* text, bool required) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        auto* name = new QTableWidgetItem(QString::fromUtf8(text));
        name->setFlags(Qt::ItemIsEnabled);
        name->setData(Qt::UserRole, QByteArray(text));
        if (required) {
            QFont bold = name->font();
            bold.setBold(true);
            name->setFont(bold);
        }
        table_->setItem(row, 0, name);
        auto* combo = new QComboBox;
        combo->addItems(columns_);
        combo->setCurrentIndex(columns_.isEmpty() ? -1 : 0);
        table_->setCellWidget(row, 1, combo);
    }

    QComboBox* Choice(int row) const { return static_cast<QComboBox*>(table_->cellWidget(row, 1)); }
    QByteArray ItemText(int row) const { return table_->item(row, 0)->data(Qt::UserRole).toByteArray(); }

    QTableWidget* table_;
    QStringList columns_;
};

}  // namespace

QWidget* CreateAssignGrid(QWidget* parent) { return new AssignGridCtrl(parent); }

}  // namespace spcc
