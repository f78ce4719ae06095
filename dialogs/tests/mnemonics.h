#pragma once

// The mnemonics ("&" letters) of a dialog's controls, as Qt binds them to
// Alt+letter: two controls with one letter leave the user a guess.

#include <map>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QTabBar>

namespace dlgtest {

// A letter (lower case) and the texts that carry it.
using MnemonicTexts = std::map<std::string, std::vector<std::string>>;

// Every mnemonic of the dialog's shown controls, disabled ones too (they are
// enabled by other choices): labels that name a buddy, buttons, group box
// titles and tabs. "&&" is a plain ampersand.
inline MnemonicTexts Mnemonics(const QWidget& dialog) {
    MnemonicTexts letters;
    const auto add = [&letters](const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (key.isEmpty()) return;
        const QString letter = QString(QChar(char16_t(key[0].key()))).toLower();
        letters[letter.toStdString()].push_back(text.toStdString());
    };
    const auto shown = [&dialog](const QWidget* widget) { return widget->isVisibleTo(&dialog); };
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() != nullptr && shown(label)) add(label->text());
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (shown(button)) add(button->text());
    // A title moves the focus into its box, checkable or not.
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>())
        if (shown(box)) add(box->title());
    for (const QTabBar* tabs : dialog.findChildren<QTabBar*>()) {
        if (!shown(tabs)) continue;
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->isTabVisible(i)) add(tabs->tabText(i));
    }
    return letters;
}

// The letters that more than one text carries.
inline MnemonicTexts RepeatedMnemonics(const QWidget& dialog) {
    MnemonicTexts repeated = Mnemonics(dialog);
    std::erase_if(repeated, [](const auto& entry) { return entry.second.size() < 2; });
    return repeated;
}

}  // namespace dlgtest
