#include "font_substitute.h"

#include <QComboBox>
#include <QFont>
#include <QFontInfo>

#include "spctrl/sp_controls.h"

void CFontSubstitute::Show(const CSPFontComboBoxCtrl& box, std::string& fontName) {
    missing_.clear();
    substitute_.clear();
    QComboBox* fonts = box.GetCombo();
    const QString name = QString::fromStdString(fontName);
    if (fonts == nullptr || fonts->findText(name, Qt::MatchStartsWith) != -1) return;
    const int used = fonts->findText(QFontInfo(QFont(name)).family(), Qt::MatchStartsWith);
    if (used == -1) return;
    missing_ = fontName;
    substitute_ = fonts->itemText(used).toStdString();
    fontName = substitute_;
}

void CFontSubstitute::Keep(std::string& fontName) const {
    if (!missing_.empty() && fontName == substitute_) fontName = missing_;
}
