#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <optional>
#include <string>

#include "control_fixture.h"

namespace {

using spcc_test::ControlTest;

struct Locale {
    const char* name;
    const char* decimal;
    const char* group;
};
const Locale kGerman{"de_DE", ",", "."};
const Locale kEnglish{"en_US", ".", ","};

// The number edits of the library as the user types into them, with the
// separators the program hands over.
class NumberEditTest : public ControlTest {
protected:
    ~NumberEditTest() override { spcc_setnumberformat(nullptr, nullptr); }

    static QLineEdit* Line(QWidget* edit) { return edit->findChild<QLineEdit*>(); }
    // Empties the edit and types the text key by key (any character, not
    // only those of a Latin keyboard).
    static void Type(QWidget* edit, const QString& text) {
        Line(edit)->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        for (const QChar ch : text) {
            const Qt::Key key = ch.unicode() < 0x80 ? Qt::Key(ch.toUpper().unicode()) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, edit, key, QString(ch), Qt::NoModifier);
        }
    }
    static int Check(QWidget* edit, SPNumberCheckRecord* record = nullptr) {
        return int(ui::SendMessage(edit, WM_SP_NUMBEREDIT_CHECK, 0, reinterpret_cast<ui::LPARAM>(record)));
    }
    static double DoubleValue(QWidget* edit) {
        double value = -99;
        ui::SendMessage(edit, WM_SP_DOUBLEEDIT_GETVALUE, 0, reinterpret_cast<ui::LPARAM>(&value));
        return value;
    }
    static void SetDouble(QWidget* edit, unsigned message, double value) {
        ui::SendMessage(edit, message, 0, reinterpret_cast<ui::LPARAM>(&value));
    }
};

// Every text is kept as typed (no key is dropped without a word); only
// what the locale writes as a number within the limits is taken.
TEST_F(NumberEditTest, TypedTextsAreTakenOnlyAsTheLocaleWritesNumbers) {
    struct Case {
        const Locale* locale;
        const char* typed;
        std::optional<double> number;
    } cases[] = {
        {&kGerman, "1,5", 1.5},         {&kGerman, "1.500,5", 1500.5},   {&kGerman, "2", 2.0},
        {&kGerman, "1.5", {}},          {&kGerman, "", {}},              {&kGerman, "-", {}},
        {&kGerman, "1e3", {}},          {&kGerman, "1..5", {}},          {&kGerman, "\u0661\u0662", {}},
        {&kGerman, ",", {}},            {&kGerman, ".", {}},             {&kGerman, "1,2345", {}},
        {&kEnglish, "1.5", 1.5},        {&kEnglish, "1,500.5", 1500.5},  {&kEnglish, "2", 2.0},
        {&kEnglish, "1,5", {}},         {&kEnglish, "", {}},             {&kEnglish, "-", {}},
        {&kEnglish, "1e3", {}},         {&kEnglish, "1..5", {}},         {&kEnglish, "\u0661\u0662", {}},
        {&kEnglish, ",", {}},           {&kEnglish, ".", {}},
    };
    QWidget* edit = Make(SPCC_DOUBLEEDIT);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.locale->name) + " \"" + c.typed + '"');
        spcc_setnumberformat(c.locale->decimal, c.locale->group);
        SetDouble(edit, WM_SP_DOUBLEEDIT_SETVALUE, 7.0);
        Type(edit, QString::fromUtf8(c.typed));
        EXPECT_EQ(Line(edit)->text(), QString::fromUtf8(c.typed));
        SPNumberCheckRecord record{};
        EXPECT_EQ(Check(edit, &record), c.number ? SP_NUMBER_OK : SP_NUMBER_NOT_A_NUMBER);
        EXPECT_EQ(std::string(record.example), c.locale == &kGerman ? "1.234,5" : "1,234.5");
        // Never some other number: the typed one, or the one the edit held.
        EXPECT_DOUBLE_EQ(DoubleValue(edit), c.number.value_or(7.0));
    }
}

TEST_F(NumberEditTest, WholeNumberEditTakesNoDecimalSign) {
    QWidget* edit = Make(SPCC_LONGEDIT);
    struct Case {
        const Locale* locale;
        const char* typed;
        std::optional<int> number;
    } cases[] = {
        {&kGerman, "1.234", 1234}, {&kGerman, "1,5", {}}, {&kGerman, "1.5", {}},
        {&kEnglish, "1,234", 1234}, {&kEnglish, "1.5", {}}, {&kEnglish, "-12", -12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.locale->name) + " \"" + c.typed + '"');
        spcc_setnumberformat(c.locale->decimal, c.locale->group);
        ui::SendMessage(edit, WM_SP_LONGEDIT_SETVALUE, 0, 7);
        Type(edit, c.typed);
        EXPECT_EQ(Check(edit), c.number ? SP_NUMBER_OK : SP_NUMBER_NOT_A_NUMBER);
        EXPECT_EQ(ui::SendMessage(edit, WM_SP_LONGEDIT_GETVALUE), c.number.value_or(7));
    }
}

// A number beyond the edit's limits is refused with the limits as the edit
// writes them, and never taken as the value.
TEST_F(NumberEditTest, NumbersBeyondTheLimitsAreRefusedWithTheLimits) {
    spcc_setnumberformat(",", ".");
    QWidget* pages = Make(SPCC_LONGEDIT);
    ui::SendMessage(pages, WM_SP_LONGEDIT_SETLOWER, 0, 1);
    ui::SendMessage(pages, WM_SP_LONGEDIT_SETUPPER, 0, 32767);
    QWidget* margin = Make(SPCC_DOUBLEEDIT);
    SetDouble(margin, WM_SP_DOUBLEEDIT_SETLOWER, 0.0);
    struct Case {
        QWidget* edit;
        const char* typed;
        const char* lower;
        const char* upper;
    } cases[] = {
        {pages, "0", "1", "32.767"},
        {pages, "32.768", "1", "32.767"},
        {pages, "99999999999999999999", "1", "32.767"},
        {margin, "-0,5", "0", "1.000.000.000.000"},
        {margin, "1.000.000.000.000,001", "0", "1.000.000.000.000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ui::SendMessage(pages, WM_SP_LONGEDIT_SETVALUE, 0, 5);
        SetDouble(margin, WM_SP_DOUBLEEDIT_SETVALUE, 5.0);
        Type(c.edit, c.typed);
        EXPECT_EQ(Line(c.edit)->text().toStdString(), c.typed);
        SPNumberCheckRecord record{};
        EXPECT_EQ(Check(c.edit, &record), SP_NUMBER_OUT_OF_RANGE);
        EXPECT_STREQ(record.lower, c.lower);
        EXPECT_STREQ(record.upper, c.upper);
        EXPECT_EQ(ui::SendMessage(pages, WM_SP_LONGEDIT_GETVALUE), 5);
        EXPECT_EQ(DoubleValue(margin), 5.0);
    }
}

// A text too long to be a number (a paste of 10,000 characters) is
// refused whole: the edit keeps what it showed.
TEST_F(NumberEditTest, OverlongTextIsRefusedWhole) {
    spcc_setnumberformat(".", ",");
    for (int kind : {SPCC_LONGEDIT, SPCC_DOUBLEEDIT}) {
        QWidget* edit = Make(kind);
        Type(edit, "2");
        for (const QString& pasted : {QString(10000, '1'), QString(10000, 'x'), "1" + QString(64, '0')}) {
            Line(edit)->selectAll();
            Line(edit)->insert(pasted);
            EXPECT_EQ(Line(edit)->text(), "2") << kind << " " << pasted.size();
            EXPECT_EQ(Check(edit), SP_NUMBER_OK);
        }
    }
}

// Leaving the edit, or pressing Enter in it, keeps a text that is not a
// number for the dialog to refuse; a spin box would put the last number
// back without a word.
TEST_F(NumberEditTest, TextThatIsNoNumberStaysWhenTheEditIsLeft) {
    spcc_setnumberformat(",", ".");
    QWidget* edit = Make(SPCC_DOUBLEEDIT);
    QLineEdit other(&parent);
    parent.show();
    QApplication::setActiveWindow(&parent);
    edit->setFocus();
    Type(edit, "1.5");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(Line(edit)->text(), "1.5");
    other.setFocus();
    EXPECT_FALSE(edit->hasFocus());
    EXPECT_EQ(Line(edit)->text(), "1.5");
    EXPECT_EQ(Check(edit), SP_NUMBER_NOT_A_NUMBER);

    // A number is shown again in the edit's own form when it is left.
    edit->setFocus();
    Type(edit, "1.500,5");
    other.setFocus();
    EXPECT_EQ(Line(edit)->text(), "1500,500");
    EXPECT_EQ(DoubleValue(edit), 1500.5);
}

}  // namespace
