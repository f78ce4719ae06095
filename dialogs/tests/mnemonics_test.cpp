#include <gtest/gtest.h>

#include <memory>

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "every_dialog.h"
#include "mnemonics.h"

namespace {

using dlgtest::MnemonicTexts;

// Only what Alt+letter reaches counts: a label without a buddy and a hidden
// button do not, a disabled button, a group box and a tab do. "&&" is no
// mnemonic; letter case makes no other letter.
TEST(MnemonicsTest, RepeatsAreTheLettersOfControlsAltReaches) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* name = new QLabel("&Name:");
    auto* edit = new QLineEdit;
    name->setBuddy(edit);
    auto* open = new QPushButton("&Open");
    open->setEnabled(false);
    auto* options = new QGroupBox("&Options");
    options->setCheckable(true);
    auto* hidden = new QRadioButton("&Close");
    auto* tabs = new QTabWidget;
    tabs->addTab(new QWidget, "&Tasks");
    tabs->addTab(new QWidget, "&times");
    for (QWidget* widget : std::initializer_list<QWidget*>{name, edit, new QLabel("&Notes"), new QPushButton("&New"),
                                                           new QCheckBox("Save && &close"), open, options, hidden, tabs})
        layout->addWidget(widget);
    hidden->hide();

    EXPECT_EQ(dlgtest::RepeatedMnemonics(dialog),
              (MnemonicTexts{{"n", {"&Name:", "&New"}}, {"o", {"&Open", "&Options"}}, {"t", {"&Tasks", "&times"}}}));
    EXPECT_EQ(dlgtest::Mnemonics(dialog).at("c"), std::vector<std::string>{"Save && &close"});
}

class DialogMnemonicsTest : public dlgtest::EveryDialogFixture {};

TEST_F(DialogMnemonicsTest, EachLetterLeadsToOneControl) {
    for (const auto& c : Dialogs()) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<QDialog> dialog = c.make();
        dialog->show();
        EXPECT_EQ(dlgtest::RepeatedMnemonics(*dialog), MnemonicTexts{});
    }
}

}  // namespace
