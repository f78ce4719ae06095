#pragma once

// The print set-up with the reports' font and page margins (kept in
// centimetres, shown in inches where the locale measures in inches), and the
// About dialog with the program's version block.

#include <array>
#include <string>

#include <QPageLayout>
#include <QString>

#include "font_substitute.h"
#include "spctrl/sp_controls.h"
#include "ui/dialog_base.h"

class QPrinter;

class CPrintSetupDlg : public ui::DialogBase {
    Q_OBJECT
public:
    // printer: the one chosen and set up here (paper, orientation), kept
    // as it was on Cancel; none hides the choice.
    explicit CPrintSetupDlg(QPrinter* printer, QWidget* parent = nullptr);

    std::string fontName;
    std::array<double, 4> margins{1.0, 1.0, 1.0, 1.0};   // cm: left, top, right, bottom
    bool metric = true;                                   // from the locale at opening

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    bool MarginsFitThePage();
    void ApplyChosenPrinter();

    QPrinter* printer_;
    QString printerAtOpening_;
    QPageLayout layoutAtOpening_;
    CFontSubstitute fontSubstitute_;
    CSPFontComboBoxCtrl font_;
    std::array<CSPDoubleEditCtrl, 4> marginEdits_;
};

class CAboutDlg : public ui::DialogBase {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    std::string productName;
    std::string version;
    std::string legalNotice;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;

private:
    CSPHyperlinkCtrl link_;
};
