#include "print_setup_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls_api.h"
#include "dialog_layout.h"
#include "plat/checked_format.h"
#include "plat/locale_info.h"
#include "plat/resource_strings.h"
#include "plat/version_block.h"
#include "print_setup_ids.h"
#include "print_setup_values.h"
#include "spctrl/sp_ddx.h"
#include "ui/data_exchange.h"
#include "ui/prompts.h"

namespace {

using namespace print_setup_ids;

QString Text(unsigned id) { return QString::fromStdString(plat::LoadResString(id)); }

constexpr int kMarginIds[4] = {IDC_PRINT_MARGIN_LEFT, IDC_PRINT_MARGIN_TOP, IDC_PRINT_MARGIN_RIGHT,
                               IDC_PRINT_MARGIN_BOTTOM};
constexpr unsigned kMarginLabels[4] = {LABEL_MARGIN_LEFT, LABEL_MARGIN_TOP, LABEL_MARGIN_RIGHT, LABEL_MARGIN_BOTTOM};

QLabel* Caption(unsigned stringId, QWidget* buddy) {
    auto* label = new QLabel(Text(stringId));
    label->setBuddy(buddy);
    return label;
}

QLabel* Static(int id) {
    auto* label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    ui::SetControlId(label, id);
    return label;
}

}  // namespace

CPrintSetupDlg::CPrintSetupDlg(QPrinter* printer, QWidget* parent) : DialogBase(parent), printer_(printer) {
    setWindowTitle(Text(CAPTION_PRINT_SETUP));
    QVBoxLayout* layout = dlg::AddDialogLayout(this);
    if (printer_ != nullptr) {
        printerAtOpening_ = printer_->printerName();
        layoutAtOpening_ = printer_->pageLayout();
        auto* row = new QHBoxLayout;
        auto* printers = new QComboBox;
        ui::SetControlId(printers, IDC_PRINT_PRINTER);
        const QStringList names = QPrinterInfo::availablePrinterNames();
        for (const QString& name : names) printers->addItem(name, name);
        if (names.isEmpty()) printers->addItem(Text(LABEL_NO_PRINTER));
        printers->setEnabled(!names.isEmpty());
        const int current = printers->findData(printer_->printerName());
        printers->setCurrentIndex(current >= 0 ? current : 0);
        row->addWidget(Caption(LABEL_PRINTER, printers));
        row->addWidget(printers, 1);
        auto* pageSetup = new QPushButton(Text(BUTTON_PAGE_SETUP));
        ui::SetControlId(pageSetup, IDC_PRINT_PAGE_SETUP);
        pageSetup->setAutoDefault(false);
        connect(pageSetup, &QPushButton::clicked, this, [this] {
            ApplyChosenPrinter();
            QPageSetupDialog(printer_, this).exec();
        });
        row->addWidget(pageSetup);
        layout->addLayout(row);
    }
    auto* fontRow = new QHBoxLayout;
    QWidget* font = font_.Create(this, IDC_PRINT_FONT);
    fontRow->addWidget(Caption(LABEL_PRINTER_FONT, font));
    fontRow->addWidget(font, 1);
    layout->addLayout(fontRow);
    layout->addWidget(Static(IDC_PRINT_UNIT));
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        QWidget* edit = marginEdits_[i].Create(this, kMarginIds[i]);
        grid->addWidget(Caption(kMarginLabels[i], edit), i / 2, (i % 2) * 2);
        grid->addWidget(edit, i / 2, (i % 2) * 2 + 1);
    }
    layout->addLayout(grid);
    dlg::AddOkCancel(this, layout);
}

void CPrintSetupDlg::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_PRINT_UNIT);
    DDX_Control(dx, IDC_PRINT_FONT, font_);
    DDX_SPFontComboBox(dx, IDC_PRINT_FONT, fontName);
    for (int i = 0; i < 4; ++i) DDX_Control(dx, kMarginIds[i], marginEdits_[i]);
    for (int i = 0; i < 4; ++i) DDX_SPDoubleEdit(dx, kMarginIds[i], margins[i]);
}

void CPrintSetupDlg::OnInitDialog() {
    font_.SendMessage(WM_SP_FONTCOMBO_FILL);
    fontSubstitute_.Show(font_, fontName);
    metric = plat::CurrentLocale().metric;
    for (const CSPDoubleEditCtrl& edit : marginEdits_) edit.SetLowerAndSteps(0.0, 0.1, metric ? 1.0 : 0.4);
    static_cast<QLabel*>(GetDlgItem(IDC_PRINT_UNIT))->setText(Text(metric ? LABEL_UNIT_CM : LABEL_UNIT_INCH));
    if (!metric)
        for (double& margin : margins) margin = CmToInch(margin);
    DialogBase::OnInitDialog();
}

void CPrintSetupDlg::OnOK() {
    if (!UpdateData(true)) return;
    if (!MarginsFitThePage()) return;
    if (!metric) {
        for (double& margin : margins) margin = InchToCm(margin);
        UpdateData(false);
    }
    fontSubstitute_.Keep(fontName);
    ApplyChosenPrinter();
    EndDialog(ui::IDOK);
}

void CPrintSetupDlg::OnCancel() {
    // The page set-up wrote into the printer; cancelling takes it back.
    if (printer_ != nullptr) {
        if (printer_->printerName() != printerAtOpening_) printer_->setPrinterName(printerAtOpening_);
        printer_->setPageLayout(layoutAtOpening_);
    }
    DialogBase::OnCancel();
}

// Margins that meet across the paper leave the reports no page to lay out.
bool CPrintSetupDlg::MarginsFitThePage() {
    const QPageLayout layout = printer_ != nullptr ? printer_->pageLayout()
                                                   : QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {});
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const double factor = metric ? 10.0 : 25.4;   // millimetres in the unit shown
    const double width = paper.width() / factor, height = paper.height() / factor;
    if (margins[0] + margins[2] < width && margins[1] + margins[3] < height) return true;
    const auto shown = [this](double value) {
        return QString::number(value, 'f', 2).toStdString() + " " + (metric ? "cm" : "in");
    };
    ui::MessageBoxById(this, MARGINS_TOO_LARGE, ui::MB_OK | ui::MB_ICONEXCLAMATION, {shown(width), shown(height)});
    return false;
}

void CPrintSetupDlg::ApplyChosenPrinter() {
    auto* printers = qobject_cast<QComboBox*>(GetDlgItem(IDC_PRINT_PRINTER));
    if (printers == nullptr || !printers->isEnabled()) return;
    const QString name = printers->currentData().toString();
    if (!name.isEmpty() && name != printer_->printerName()) printer_->setPrinterName(name);
}

CAboutDlg::CAboutDlg(QWidget* parent) : DialogBase(parent) {
    setWindowTitle(Text(CAPTION_ABOUT));
    QVBoxLayout* layout = dlg::AddDialogLayout(this);
    QLabel* name = Static(IDC_ABOUT_PRODUCT);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    layout->addWidget(name);
    layout->addWidget(Static(IDC_ABOUT_VERSION));
    layout->addWidget(Static(IDC_ABOUT_LEGAL));
    layout->addWidget(link_.Create(this, IDC_ABOUT_LINK));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    ui::SetControlId(buttons->button(QDialogButtonBox::Ok), ui::IDOK);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void CAboutDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::DDX_Text(dx, IDC_ABOUT_PRODUCT, productName);
    ui::DDX_Text(dx, IDC_ABOUT_VERSION, version);
    ui::DDX_Text(dx, IDC_ABOUT_LEGAL, legalNotice);
    DDX_Control(dx, IDC_ABOUT_LINK, link_);
}

void CAboutDlg::OnInitDialog() {
    productName = plat::VersionValue(nullptr, "ProductName");
    legalNotice = plat::VersionValue(nullptr, "LegalCopyright");
    version = plat::FormatChecked(plat::LoadResString(ABOUT_VERSION),
                                  {AboutVersionText(plat::VersionValue(nullptr, "ProductVersion"))});
    const std::string address = plat::LoadResString(ABOUT_LINK);
    link_.SendMessage(WM_SP_HYPERLINK_SETTEXT, 0, reinterpret_cast<ui::LPARAM>(address.c_str()));
    link_.SendMessage(WM_SP_HYPERLINK_OPTION1);
    link_.SendMessage(WM_SP_HYPERLINK_OPTION2, 1);
    DialogBase::OnInitDialog();
}
