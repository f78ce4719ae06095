#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "data/crypto/md5.h"
#include "data_library.h"
#include "dialog_ids.h"
#include "dialog_layout.h"
#include "password_check.h"
#include "password_dialogs.h"
#include "plat/resource_strings.h"
#include "scripted_plan.h"
#include "string_ids.h"
#include "testing/temp_directory.h"
#include "ui/scripted_prompts.h"
#include "when_modal.h"

namespace {

const char* Texts(unsigned id) {
    switch (id) {
    case dlg_ids::PASSWORD_ENTRY_PROMPT: return "Password for %s:";
    case dlg_ids::PASSWORD_WRONG: return "wrong password";
    case dlg_ids::PASSWORD_MISMATCH: return "passwords differ";
    case dlg_ids::PASSWORD_FIRST_EMPTY: return "first password empty";
    case dlg_ids::PASSWORD_CONFIRM_FIRST: return "retype the first password";
    case dlg_ids::PASSWORD_CONFIRM_SECOND: return "retype the second password";
    case dlg_ids::LABEL_PROTECT: return "&Protect";
    case dlg_ids::LABEL_PASSWORD_FIRST: return "&First password (full access):";
    case dlg_ids::LABEL_PASSWORD_SECOND: return "&Second password (read only):";
    case ids::UNDO_PASSWORDS: return "Change Passwords";
    default: return "";
    }
}

void Digest(const std::string& text, std::uint8_t* out) {
    const MD5DigestBytes d = MD5Digest(text.data(), text.size());
    std::memcpy(out, d.data(), d.size());
}

struct Digests {
    Digests(const std::string& first, const std::string& second) {
        Digest(first, bytes);
        Digest(second, bytes + 16);
    }
    std::uint8_t bytes[32];
};

TEST(MatchPasswordTest, TellsWhichPasswordMatched) {
    const Digests plain("alpha", "beta");
    const Digests noSecond("alpha", "");
    const Digests noFirst("", "beta");
    const Digests legacy("\xE4rger", "\xF6" "de");   // Windows-1252 bytes of an older file
    struct Case {
        const char* entry;
        const Digests& digests;
        PasswordMatch expected;
    } cases[] = {
        {"alpha", plain, PasswordMatch::First},
        {"beta", plain, PasswordMatch::Second},
        {"Alpha", plain, PasswordMatch::None},
        {"", plain, PasswordMatch::None},
        {"", noSecond, PasswordMatch::None},   // an empty entry never unlocks read-only access
        {"", noFirst, PasswordMatch::First},
        {"\xC3\xA4rger", legacy, PasswordMatch::First},   // typed as UTF-8
        {"\xC3\xB6" "de", legacy, PasswordMatch::Second},
        {"\xE2\x82\xAC", legacy, PasswordMatch::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchPassword(c.entry, c.digests.bytes), c.expected) << c.entry;
    }
}

// Types each character as a key press, so the editor's input rules apply.
void Type(QWidget* editor, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(editor, &press);
    }
}

QLineEdit* Edit(ui::DialogBase* dialog, int id) { return static_cast<QLineEdit*>(dialog->GetDlgItem(id)); }

void ClickOk(ui::DialogBase* dialog) {
    QTest::mouseClick(static_cast<QAbstractButton*>(dialog->GetDlgItem(ui::IDOK)), Qt::LeftButton);
}

// Answers the confirmation dialogs that come one after the other.
void Confirm(std::vector<std::string> texts) {
    if (texts.empty()) return;
    dlgtest::WhenModal<CPasswordConfirmDlg>([texts](CPasswordConfirmDlg* confirm) {
        Edit(confirm, IDC_PASSWORD_ENTRY)->setText(QString::fromStdString(texts.front()));
        Confirm(std::vector<std::string>(texts.begin() + 1, texts.end()));
        ClickOk(confirm);
    });
}

class PasswordDialogTest : public ::testing::Test {
protected:
    void SetUp() override { plat::SetResourceStringSource(Texts); }
    void TearDown() override { plat::SetResourceStringSource(nullptr); }
    ui::ScriptedPrompts prompts;
};

// A document that knows nothing but the digests of its last file.
struct DigestPlan : dlgtest::ScriptedPlan {
    explicit DigestPlan(const Digests& d) { std::memcpy(digests, d.bytes, sizeof digests); }
};

TEST_F(PasswordDialogTest, EntryDialogTellsWhichPasswordWasGiven) {
    DigestPlan plan(Digests("alpha", "beta"));
    struct Case {
        const char* entry;
        bool readOnly;
    } cases[] = {{"alpha", false}, {"beta", true}};
    for (const Case& c : cases) {
        CPasswordEntryDlg dialog("/plans/site.qel", &plan);
        dialog.show();
        EXPECT_EQ(static_cast<QLabel*>(dialog.GetDlgItem(IDC_PASSWORD_PROMPT))->text().remove(QChar(0x200B)),
                  "Password for /plans/site.qel:");
        Edit(&dialog, IDC_PASSWORD_ENTRY)->setText(c.entry);
        ClickOk(&dialog);
        EXPECT_EQ(dialog.result(), ui::IDOK) << c.entry;
        EXPECT_EQ(dialog.password, c.entry);
        EXPECT_EQ(dialog.readOnly, c.readOnly) << c.entry;
    }
    EXPECT_TRUE(prompts.asked().empty());
}

// Every label shows all of its text: the lines it needs at its width,
// measured apart from the label, fit inside it, and the dialog on the screen.
void ExpectWholeTexts(const QDialog& dialog) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(dialog.width(), screen.width());
    EXPECT_LE(dialog.height(), screen.height());
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        const QRect room = label->contentsRect();
        const int flags = Qt::TextWordWrap | (label->buddy() != nullptr ? Qt::TextShowMnemonic : 0);
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, room.width(), 1 << 20), flags, label->text());
        EXPECT_LE(needed.width(), room.width()) << label->text().toStdString();
        EXPECT_LE(needed.height(), room.height()) << label->text().toStdString();
    }
}

TEST_F(PasswordDialogTest, PromptShowsTheWholeFileName) {
    const std::string longWords = "/home/user/a very long folder name for a plan that a user might have/"
                                  "another folder with a long name/Demo plan with password.qel";
    const std::string oneWord = "/srv/" + std::string(180, 'x') + "/plan.qel";
    DigestPlan plan(Digests("alpha", "beta"));
    for (const std::string& path : {std::string("/plans/site.qel"), longWords, oneWord,
                                    std::string("/plans/R&D <b>bold</b>.qel")}) {
        SCOPED_TRACE(path);
        CPasswordEntryDlg dialog(path, &plan);
        dialog.show();
        const QString shown = static_cast<QLabel*>(dialog.GetDlgItem(IDC_PASSWORD_PROMPT))->text();
        EXPECT_EQ(QString(shown).remove(QChar(0x200B)).toStdString(), "Password for " + path + ":");
        ExpectWholeTexts(dialog);
    }
}

// The labels' "&" marks the mnemonic of the edit below, not a character to show.
// Wrapping places go after each folder and inside overlong runs only, and
// never split a character.
TEST(WrappableNameTest, WrapsAfterFoldersAndInsideOverlongRunsOnly) {
    const QChar wrap(0x200B);
    const QString accented = QString("e") + QChar(0x0301);           // e and a combining acute
    const QString emoji = QString::fromUcs4(U"\U0001F600");         // a surrogate pair
    const QString overlong = accented.repeated(20) + emoji.repeated(10);
    const QString name = "/plans/site plan.qel/" + overlong;
    const QString wrappable = QString::fromStdString(dlg::WrappableName(name.toStdString()));
    EXPECT_EQ(QString(wrappable).remove(wrap), name);
    EXPECT_TRUE(wrappable.startsWith(QString("/") + wrap + "plans/" + wrap + "site plan.qel/" + wrap));
    for (qsizetype i = 1; i + 1 < wrappable.size(); ++i) {
        if (wrappable[i] != wrap) continue;
        EXPECT_FALSE(wrappable[i + 1].isMark()) << i;
        EXPECT_FALSE(wrappable[i - 1].isHighSurrogate()) << i;
    }
    EXPECT_GT(wrappable.count(wrap), 30);   // the overlong run may wrap anywhere
    EXPECT_EQ(dlg::WrappableName("site.qel"), "site.qel");
}

TEST_F(PasswordDialogTest, PasswordLabelsNameTheirEdits) {
    CFilePasswordDlg dialog(false);
    dialog.protect = 1;
    dialog.show();
    EXPECT_EQ(static_cast<QLabel*>(dialog.GetDlgItem(IDC_PASSWORD_FIRST_LABEL))->buddy(),
              dialog.GetDlgItem(IDC_PASSWORD_FIRST));
    EXPECT_EQ(static_cast<QLabel*>(dialog.GetDlgItem(IDC_PASSWORD_SECOND_LABEL))->buddy(),
              dialog.GetDlgItem(IDC_PASSWORD_SECOND));
    ExpectWholeTexts(dialog);

    CPasswordConfirmDlg confirm;
    confirm.prompt = "Type the first password again to confirm it, exactly as before:";
    confirm.show();
    ExpectWholeTexts(confirm);
}

TEST_F(PasswordDialogTest, WrongEntryIsRefusedAndTheDialogStays) {
    DigestPlan plan(Digests("alpha", ""));
    CPasswordEntryDlg dialog("site.qel", &plan);
    dialog.show();
    for (const char* entry : {"gamma", ""}) {
        Edit(&dialog, IDC_PASSWORD_ENTRY)->setText(entry);
        ClickOk(&dialog);
        EXPECT_TRUE(dialog.isVisible()) << entry;
        EXPECT_EQ(prompts.asked().back().text, "wrong password");
        EXPECT_EQ(prompts.asked().back().type & ui::MB_ICONMASK, ui::MB_ICONSTOP);
        EXPECT_EQ(dialog.focusWidget(), dialog.GetDlgItem(IDC_PASSWORD_ENTRY));
    }
    EXPECT_EQ(prompts.asked().size(), 2u);
}

TEST_F(PasswordDialogTest, EditorsStopAtFifteenBytes) {
    CFilePasswordDlg dialog(false);
    dialog.protect = 1;
    dialog.show();
    struct Case {
        QString typed;
        QString kept;
    } cases[] = {
        {"abcdefghijklmnopq", "abcdefghijklmno"},
        {QString::fromUtf8("\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4"),
         QString::fromUtf8("\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4")},
        {QString::fromUtf8("abcdefghijklmn\xC3\xA4"), "abcdefghijklmn"},
    };
    for (int id : {IDC_PASSWORD_FIRST, IDC_PASSWORD_SECOND}) {
        for (const Case& c : cases) {
            QLineEdit* edit = Edit(&dialog, id);
            edit->clear();
            Type(edit, c.typed);
            EXPECT_EQ(edit->text(), c.kept) << id;
        }
    }
}

TEST_F(PasswordDialogTest, ProtectionSwitchEnablesThePasswordItems) {
    CFilePasswordDlg dialog(false);
    dialog.show();
    auto* check = static_cast<QCheckBox*>(dialog.GetDlgItem(IDC_PASSWORD_PROTECT));
    const int items[] = {IDC_PASSWORD_FIRST, IDC_PASSWORD_SECOND, IDC_PASSWORD_FIRST_LABEL,
                         IDC_PASSWORD_SECOND_LABEL};
    for (bool on : {false, true, false}) {
        if (check->isChecked() != on) check->click();
        for (int id : items) EXPECT_EQ(dialog.GetDlgItem(id)->isEnabled(), on) << id;
    }
    EXPECT_TRUE(dialog.GetDlgItem(ui::IDOK)->isEnabled());
}

TEST_F(PasswordDialogTest, ReadOnlyDocumentCannotChangeItsPasswords) {
    CFilePasswordDlg dialog(true);
    dialog.show();
    EXPECT_FALSE(dialog.GetDlgItem(ui::IDOK)->isEnabled());
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(PasswordDialogTest, ProtectedDocumentNeedsAFirstPassword) {
    CFilePasswordDlg dialog(false);
    dialog.protect = 1;
    dialog.show();
    ClickOk(&dialog);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].text, "first password empty");
    EXPECT_EQ(dialog.focusWidget(), dialog.GetDlgItem(IDC_PASSWORD_FIRST));
}

TEST_F(PasswordDialogTest, ChangedPasswordsAreTypedAgain) {
    CFilePasswordDlg dialog(false);
    dialog.protect = 1;
    dialog.password1 = "old";
    dialog.show();
    Edit(&dialog, IDC_PASSWORD_FIRST)->setText("alpha");
    Edit(&dialog, IDC_PASSWORD_SECOND)->setText("beta");
    std::string prompts1;
    dlgtest::WhenModal<CPasswordConfirmDlg>([&](CPasswordConfirmDlg* confirm) {
        prompts1 = static_cast<QLabel*>(confirm->GetDlgItem(IDC_PASSWORD_PROMPT))->text().toStdString();
        Edit(confirm, IDC_PASSWORD_ENTRY)->setText("alpha");
        ClickOk(confirm);
        dlgtest::WhenModal<CPasswordConfirmDlg>([](CPasswordConfirmDlg* second) {
            EXPECT_EQ(static_cast<QLabel*>(second->GetDlgItem(IDC_PASSWORD_PROMPT))->text(),
                      "retype the second password");
            Edit(second, IDC_PASSWORD_ENTRY)->setText("beta");
            ClickOk(second);
        });
    });
    ClickOk(&dialog);
    EXPECT_EQ(prompts1, "retype the first password");
    EXPECT_EQ(dialog.result(), ui::IDOK);
    EXPECT_EQ(dialog.password1, "alpha");
    EXPECT_EQ(dialog.password2, "beta");
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(PasswordDialogTest, UnchangedOrEmptySecondPasswordNeedsNoRetyping) {
    CFilePasswordDlg dialog(false);
    dialog.protect = 1;
    dialog.password1 = "alpha";
    dialog.show();
    ClickOk(&dialog);
    EXPECT_EQ(dialog.result(), ui::IDOK);
    EXPECT_EQ(dialog.password2, "");
}

TEST_F(PasswordDialogTest, WrongRetypingKeepsTheConfirmationAndCancelReturns) {
    CFilePasswordDlg dialog(false);
    dialog.protect = 1;
    dialog.show();
    Edit(&dialog, IDC_PASSWORD_FIRST)->setText("alpha");
    bool stayedOpen = false;
    dlgtest::WhenModal<CPasswordConfirmDlg>([&](CPasswordConfirmDlg* confirm) {
        Edit(confirm, IDC_PASSWORD_ENTRY)->setText("alpah");
        ClickOk(confirm);
        stayedOpen = confirm->isVisible() && confirm->focusWidget() == confirm->GetDlgItem(IDC_PASSWORD_ENTRY);
        confirm->reject();
    });
    ClickOk(&dialog);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].text, "passwords differ");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.GetDlgItem(IDC_PASSWORD_FIRST));
}

// Keeps the names of the steps the data store pushes.
class StepNames : public CUndoHistory {
public:
    void Clear() override { names.clear(); }
    bool PushUndo(const UndoEntry* entry, bool) override {
        names.emplace_back(entry->name);
        if (entry->release != nullptr) entry->release(entry->arg);
        return true;
    }
    bool PushRedo(const UndoEntry*) override { return false; }
    std::vector<std::string> names;
};

// The whole road: passwords set in one undo step, the file saved, and the
// entry dialog deciding how it opens again.
class PasswordDocumentTest : public PasswordDialogTest {
protected:
    void SetUp() override {
        PasswordDialogTest::SetUp();
        ASSERT_NE(library.data(), nullptr) << library.error();
        data = library.data();
    }
    void SetThroughDialog(bool protect, const char* first, const char* second) {
        dlgtest::WhenModal<CFilePasswordDlg>([=](CFilePasswordDlg* dialog) {
            auto* check = static_cast<QCheckBox*>(dialog->GetDlgItem(IDC_PASSWORD_PROTECT));
            if (check->isChecked() != protect) check->click();
            if (protect) {
                Edit(dialog, IDC_PASSWORD_FIRST)->setText(first);
                Edit(dialog, IDC_PASSWORD_SECOND)->setText(second);
                Confirm(*second != '\0' ? std::vector<std::string>{first, second}
                                        : std::vector<std::string>{first});
            }
            ClickOk(dialog);
        });
    }

    StepNames steps;
    dlgtest::DataLibrary library{&steps};
    CPlanData* data = nullptr;
    testing::TempDirectory dir;
};

TEST_F(PasswordDocumentTest, PasswordsAreStoredAndSwitchedOff) {
    SetThroughDialog(true, "alpha", "beta");
    ASSERT_TRUE(EditFilePassword(data));
    EXPECT_EQ(data->properties->passwordFlag, 1);
    EXPECT_STREQ(data->properties->password1, "alpha");
    EXPECT_STREQ(data->properties->password2, "beta");
    EXPECT_TRUE(data->IsModified());

    SetThroughDialog(false, "", "");
    ASSERT_TRUE(EditFilePassword(data));
    EXPECT_EQ(data->properties->passwordFlag, 0);
    EXPECT_STREQ(data->properties->password1, "");
    EXPECT_STREQ(data->properties->password2, "");
    EXPECT_EQ(steps.names, (std::vector<std::string>{"Change Passwords", "Change Passwords"}));
}

TEST_F(PasswordDocumentTest, CancelledDialogChangesNothing) {
    dlgtest::WhenModal<CFilePasswordDlg>([](CFilePasswordDlg* dialog) { dialog->reject(); });
    EXPECT_FALSE(EditFilePassword(data));
    EXPECT_FALSE(data->IsModified());
}

TEST_F(PasswordDocumentTest, SecondPasswordOpensTheFileReadOnly) {
    const std::string path = dir.File("site.qel");
    ASSERT_EQ(dlgtest::SaveProtected(data, path, "alpha", "beta"), kDataOk);
    data->Close();
    ASSERT_EQ(data->Open(path.c_str(), false, nullptr, false), kDataPassword);

    struct Case {
        const char* entry;
        int32_t status;
    } cases[] = {{"beta", kDataReadOnly}, {"alpha", kDataOk}};
    for (const Case& c : cases) {
        CPasswordEntryDlg dialog(path, data);
        dialog.show();
        Edit(&dialog, IDC_PASSWORD_ENTRY)->setText(c.entry);
        ClickOk(&dialog);
        ASSERT_EQ(dialog.result(), ui::IDOK);
        EXPECT_EQ(data->Open(path.c_str(), dialog.readOnly, dialog.password.c_str(), true), c.status)
            << c.entry;
        data->Close();
        data->Open(path.c_str(), false, nullptr, false);   // digests of the file again
    }
}

}  // namespace
