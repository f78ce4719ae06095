// The import plugin in the real program: its menu, its commands' state, and
// imports run through its dialog, answered as a user would.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringEncoder>
#include <QTableWidget>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>

#include "app_fixture.h"
#include "app_ids.h"
#include "data_library.h"
#include "main_app.h"
#include "main_frame.h"
#include "mnemonics.h"
#include "password_dialogs.h"
#include "plan_data.h"
#include "plat/resource_strings.h"
#include "settings_store.h"
#include "string_ids.h"
#include "support/calendar_values.h"
#include "ui/message.h"
#include "ui/scripted_prompts.h"
#include "ui/win_types.h"
#include "when_modal.h"

namespace {

// Answers the modal windows that come up, in order. Each step sees the
// active modal window and takes it when it is the step's own (a window
// title, or a message box); its actions are queued, so a window that opens
// another runs that one's loop outside the step.
class ModalScript {
public:
    struct Step {
        QString title;   // empty: a message box
        std::function<void(QWidget* modal)> act;
    };
    explicit ModalScript(std::deque<Step> steps) : steps_(std::move(steps)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(20);
    }
    bool Done() const { return steps_.empty(); }

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal->property(kAnswered).toBool() || !modal->isVisible() || steps_.empty())
            return;
        const Step& next = steps_.front();
        const bool ours = next.title.isEmpty() ? qobject_cast<QMessageBox*>(modal) != nullptr
                                               : modal->windowTitle() == next.title;
        if (!ours) return;
        // Only the window answered last is marked: a later one may take its
        // address, and an earlier one may come back for the next step.
        if (answered_) answered_->setProperty(kAnswered, false);
        answered_ = modal;
        modal->setProperty(kAnswered, true);
        Step step = std::move(steps_.front());
        steps_.pop_front();
        step.act(modal);
    }
    std::deque<Step> steps_;
    QTimer timer_;
    static constexpr const char* kAnswered = "scriptAnswered";
    QPointer<QWidget> answered_;
};

template <class T = QWidget>
T* Item(QWidget* dialog, int id) {
    return qobject_cast<T*>(ui::FindControl(dialog, id));
}

void Later(std::function<void()> act) { QTimer::singleShot(0, qApp, std::move(act)); }

void Close(QWidget* dialog) {
    Later([dialog] { static_cast<QDialog*>(dialog)->reject(); });
}

void ClickButton(QMessageBox* box, QMessageBox::StandardButton which) {
    QAbstractButton* button = box->button(which);
    ASSERT_NE(button, nullptr) << box->text().toStdString();
    Later([button] { button->click(); });
}

void ChooseFile(QWidget* dialog, const std::string& path) {
    auto* edit = Item<QLineEdit>(dialog, 30201);
    edit->setText(QString::fromStdString(path));
    emit edit->textEdited(edit->text());   // as typed
}

void ChooseSeparator(QWidget* dialog, int index) {
    auto* separator = Item<QComboBox>(dialog, 30206);
    separator->setCurrentIndex(index);
    emit separator->activated(index);
}

// The file, ";" as the separator and the names line, then the automatic
// assignment, as a user sets up most imports.
void PrepareImport(QWidget* dialog, const std::string& path) {
    ChooseFile(dialog, path);
    ChooseSeparator(dialog, 0);
    Item<QCheckBox>(dialog, 30205)->click();
    Item<QPushButton>(dialog, 30203)->click();
}

// The assignment grid as it shows: each field's chosen entry, and the
// entries offered (those of the first field).
QComboBox* Choice(QWidget* dialog, int row) {
    auto* table = Item(dialog, 31009)->findChild<QTableWidget*>();
    return table != nullptr ? qobject_cast<QComboBox*>(table->cellWidget(row, 1)) : nullptr;
}
std::vector<int> Assignments(QWidget* dialog) {
    std::vector<int> chosen;
    for (int row = 0; QComboBox* combo = Choice(dialog, row); ++row) chosen.push_back(combo->currentIndex());
    return chosen;
}
QStringList ColumnEntries(QWidget* dialog) {
    QStringList entries;
    if (QComboBox* combo = Choice(dialog, 0))
        for (int i = 0; i < combo->count(); ++i) entries << combo->itemText(i);
    return entries;
}

const QStringList kBookingColumns = {"", "Resource", "Task", "Start date", "Start time", "End date", "End time"};
const std::vector<int> kAutoAssigned = {1, 2, 3, 4, 5, 6, 0, 0};

struct BookingFacts {
    std::string resource, task, text;
    int startDay, startMinutes, endDay, endMinutes, flag;
    bool operator==(const BookingFacts&) const = default;
};

std::vector<BookingFacts> Bookings(CPlanData* data) {
    std::vector<BookingFacts> all;
    for (int i = 0; i < data->bookings->GetCount(); ++i) {
        CBooking* b = data->bookings->GetAt(i);
        all.push_back({b->resource->name, b->task->name, b->text, b->startDay, b->startMinutes, b->endDay,
                       b->endMinutes, b->flag});
    }
    return all;
}

class ImportPluginTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsStore().Clear();
        dir.Substitute("Import.plugin", QEL_IMPORT_PLUGIN);
        app = std::make_unique<CMainApp>(dir.Environment());
        ASSERT_TRUE(app->InitInstance());
        frame = app->MainFrame();
        data = app->Data();
    }
    void TearDown() override {
        app->ExitInstance();
        SettingsStore().Clear();
    }
    QMenu* FileMenu() { return frame->menuBar()->actions().front()->menu(); }
    QMenu* ImportMenu() {
        for (QAction* item : FileMenu()->actions())
            if (item->menu() != nullptr && item->text() == "&Import") return item->menu();
        return nullptr;
    }
    void Add(const char* resource, const char* task) {
        ASSERT_EQ(data->BeginTransaction("Add"), kDataOk);
        CResource* r = data->resources->Create();
        r->SetName(resource);
        ASSERT_EQ(data->resources->Add(r), kDataOk);
        CTask* t = data->tasks->Create();
        t->SetName(task);
        ASSERT_EQ(data->tasks->Add(t), kDataOk);
        ASSERT_EQ(data->CommitTransaction(), kDataOk);
    }
    // Runs the bookings import command through the steps; the last closes
    // the dialog.
    void InBookingsDialog(std::deque<ModalScript::Step> steps) {
        ModalScript script(std::move(steps));
        QAction* item = ImportMenu()->actions().at(2);
        emit FileMenu()->aboutToShow();
        ASSERT_TRUE(item->isEnabled());
        item->trigger();
        EXPECT_TRUE(script.Done());
    }
    // Runs the bookings import on path; the dialog takes the file, the
    // names line and the automatic assignment, then imports.
    void ImportBookings(const std::string& path, std::deque<ModalScript::Step> afterOk) {
        std::deque<ModalScript::Step> steps;
        steps.push_back({"Import Bookings", [path](QWidget* dialog) {
            PrepareImport(dialog, path);
            QPushButton* ok = Item<QPushButton>(dialog, ui::IDOK);
            Later([ok] { ok->click(); });
        }});
        for (auto& step : afterOk) steps.push_back(std::move(step));
        // The dialog stays open after an import.
        steps.push_back({"Import Bookings", Close});
        InBookingsDialog(std::move(steps));
    }
    std::string WriteFile(const char* name, const std::string& bytes) {
        const std::string path = dir.Path() + name;
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return path;
    }
    // A good and a broken booking line, after the names line.
    std::string WriteBrokenFile() {
        return WriteFile("broken.txt",
                         "Resource;Task;Start date;Start time;End date;End time\n"
                         "Crane;Lift;20240311;08:00;20240311;12:30\n"
                         "crane;Lift;31.2.2024;08:00;20240311;12:30\n");
    }

    apptest::ProgramDirectory dir;
    std::unique_ptr<CMainApp> app;
    CMainFrame* frame = nullptr;
    CPlanData* data = nullptr;
};

TEST_F(ImportPluginTest, SubmenuStandsBeforeExportWithThreeCommands) {
    const QList<QAction*> items = FileMenu()->actions();
    auto exportItem = std::find_if(items.begin(), items.end(),
                                   [](QAction* a) { return a->data().toUInt() == app_ids::ID_EXPORT; });
    ASSERT_NE(exportItem, items.end());
    ASSERT_NE(exportItem, items.begin());
    QMenu* submenu = (*(exportItem - 1))->menu();
    ASSERT_NE(submenu, nullptr);
    EXPECT_EQ(submenu, ImportMenu());
    QStringList texts;
    for (QAction* a : submenu->actions()) {
        texts << a->text();
        EXPECT_GE(a->data().toUInt(), PLUGIN_COMMAND_FIRST_ID);
    }
    EXPECT_EQ(texts, (QStringList{"&Resources...", "&Tasks...", "&Bookings..."}));
}

// The dialog of each import command: Alt and a letter leads to one control.
TEST_F(ImportPluginTest, EachLetterOfTheDialogsLeadsToOneControl) {
    emit FileMenu()->aboutToShow();
    for (QAction* command : ImportMenu()->actions()) {
        SCOPED_TRACE(command->text().toStdString());
        std::optional<dlgtest::MnemonicTexts> repeats;
        dlgtest::WhenModal<QDialog>([&repeats](QDialog* dialog) {
            repeats = dlgtest::RepeatedMnemonics(*dialog);
            dialog->reject();
        });
        command->trigger();
        EXPECT_EQ(repeats, dlgtest::MnemonicTexts{});
    }
}

TEST_F(ImportPluginTest, CommandsAreDisabledOnAReadOnlyDocument) {
    ui::ScriptedPrompts prompts;
    emit FileMenu()->aboutToShow();
    for (QAction* a : ImportMenu()->actions()) EXPECT_TRUE(a->isEnabled());

    const std::string path = dir.Path() + "locked.qel";
    ASSERT_EQ(dlgtest::SaveProtected(data, path, "alpha", "beta"), kDataOk);
    frame->OnCommand(app_ids::ID_FILE_NEW);
    dlgtest::WhenModal<CPasswordEntryDlg>([](CPasswordEntryDlg* dialog) {
        static_cast<QLineEdit*>(dialog->GetDlgItem(IDC_PASSWORD_ENTRY))->setText("beta");
        dialog->accept();
    });
    ASSERT_TRUE(frame->Files().OpenDocument(path));
    ASSERT_TRUE(data->properties->IsWriteProtected());
    emit FileMenu()->aboutToShow();
    for (QAction* a : ImportMenu()->actions()) EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
}

TEST_F(ImportPluginTest, ImportThroughTheDialogIsOneUndoStep) {
    SetSetting("ImportUndo", "1");
    Add("Crane", "Lift");
    Add("Digger", "Dig");
    const std::vector<BookingFacts> before = Bookings(data);
    const std::string file = WriteFile("bookings.txt",
                                       "Resource;Task;Start date;Start time;End date;End time;Text;Flag\r\n"
                                       "Crane;Lift;20240311;08:00;20240311;12:30;North gate;no\r\n"
                                       "Digger;Dig;20240312;7:15;20240313;16:00;;\r\n");
    ImportBookings(file, {
        {"", [](QWidget* box) {
            auto* question = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(question, nullptr);
            EXPECT_EQ(question->text().toStdString(), plat::LoadResString(ids::IMPORT_CONFIRM));
            ClickButton(question, QMessageBox::Yes);
        }},
        {"", [](QWidget* box) {
            auto* done = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(done, nullptr);
            EXPECT_EQ(done->text().toStdString(), "2 records were imported.");
            ClickButton(done, QMessageBox::Ok);
        }},
    });

    std::vector<BookingFacts> expected = before;
    expected.push_back({"Crane", "Lift", "North gate", CDate(11, 3, 2024).GetJulianDay(), 480,
                        CDate(11, 3, 2024).GetJulianDay(), 750, 0});
    expected.push_back({"Digger", "Dig", "", CDate(12, 3, 2024).GetJulianDay(), 435,
                        CDate(13, 3, 2024).GetJulianDay(), 960, 1});
    EXPECT_EQ(Bookings(data), expected);
    EXPECT_EQ(frame->Action(app_ids::ID_UNDO)->text().toStdString(), "&Undo Import\tCtrl+Z");

    frame->OnCommand(app_ids::ID_UNDO);
    EXPECT_EQ(Bookings(data), before) << "one undo takes the whole import back";
    EXPECT_EQ(data->resources->GetCount(), 2);
    EXPECT_EQ(frame->Action(app_ids::ID_UNDO)->text().toStdString(), "&Undo Add\tCtrl+Z");
}

TEST_F(ImportPluginTest, BrokenFileShowsTheErrorListAndImportsNothing) {
    Add("Crane", "Lift");
    const std::string file = WriteBrokenFile();
    const std::vector<BookingFacts> before = Bookings(data);
    ImportBookings(file, {{"Import Errors", [](QWidget* list) {
        auto* table = list->findChild<QTableWidget*>();
        ASSERT_NE(table, nullptr);
        ASSERT_EQ(table->rowCount(), 2);
        EXPECT_EQ(table->item(0, 1)->text().toStdString(), "3");
        EXPECT_EQ(table->item(0, 2)->text().toStdString(), "Start date");
        EXPECT_EQ(table->item(1, 1)->text().toStdString(), "3");
        EXPECT_EQ(table->item(1, 3)->text().toStdString(), "crane");
        Later([list] { static_cast<QDialog*>(list)->reject(); });
    }}});
    EXPECT_EQ(Bookings(data), before);
}

// A file read with the wrong separator has errors on every line: the list
// shows the first ones and says how many there were.
TEST_F(ImportPluginTest, ErrorListSaysHowManyErrorsThereWereInAll) {
    Add("Crane", "Lift");
    std::string text = "Resource;Task;Start date;Start time;End date;End time\n";
    for (int i = 0; i < 1700; ++i) text += "Crane,Lift,20240311,08:00,20240311,12:30\n";
    const std::string file = WriteFile("commas.txt", text);
    ImportBookings(file, {{"Import Errors", [](QWidget* list) {
        auto* table = list->findChild<QTableWidget*>();
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->rowCount(), 10000);
        EXPECT_EQ(table->item(0, 1)->text(), "2");
        EXPECT_EQ(table->item(9999, 1)->text(), "1668");
        QStringList labels;
        for (QLabel* label : list->findChildren<QLabel*>()) labels << label->text();
        EXPECT_EQ(labels, QStringList{"The file has 10200 errors in all; the first 10000 are listed."});
        // A page of lines at once, not a peephole.
        EXPECT_GE(table->viewport()->height(), 15 * table->verticalHeader()->defaultSectionSize());
        Later([list] { static_cast<QDialog*>(list)->reject(); });
    }}});
    EXPECT_EQ(data->bookings->GetCount(), 0);
}

// The names of the first line as the user sees them, in every form of UTF-16.
TEST_F(ImportPluginTest, Utf16FilesGiveTheirColumnNames) {
    const std::string text = "Resource;Task;Start date;Start time;End date;End time\nCrane;Lift\n";
    struct Case {
        const char* what;
        bool bigEndian, crlf;
    };
    const Case cases[] = {
        {"little-endian, LF", false, false},
        {"little-endian, CR LF", false, true},
        {"big-endian, LF", true, false},
        {"big-endian, CR LF", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QString lines = QString::fromStdString(text);
        if (c.crlf) lines.replace("\n", "\r\n");
        const QStringConverter::Encoding encoding = c.bigEndian ? QStringConverter::Utf16BE : QStringConverter::Utf16LE;
        QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
        const QByteArray bytes = encoder.encode(lines);
        const std::string file = WriteFile("utf16.txt", bytes.toStdString());
        InBookingsDialog({{"Import Bookings", [file](QWidget* dialog) {
            Close(dialog);   // once the step is done
            PrepareImport(dialog, file);
            EXPECT_EQ(ColumnEntries(dialog), kBookingColumns);
            EXPECT_EQ(Assignments(dialog), kAutoAssigned);
        }}});
    }
}

// A description is checked against the file before anything changes; one
// that does not fit leaves the separator, the names line and every
// assignment as they were.
TEST_F(ImportPluginTest, DescriptionThatDoesNotFitChangesNothing) {
    const std::string file = WriteFile("bookings.txt",
                                       "Resource;Task;Start date;Start time;End date;End time\n"
                                       "Crane;Lift;20240311;08:00;20240311;12:30\n");
    const std::string head = "[Description]\nName=Bookings\n";
    const std::string eight = "Field Count=8\n[Field Assignment]\n";
    struct Case {
        const char* what;
        std::string description;
        bool fits;
        int separator;
        bool names;
        std::vector<int> assignments;
    };
    const Case cases[] = {
        {"a column past the file's", head + "Separator=;\nFieldname in first line=Yes\n" + eight + "Value1=6\n",
         false, 0, true, kAutoAssigned},
        {"a column below -1", head + "Separator=;\nFieldname in first line=Yes\n" + eight + "Value2=-2\n", false,
         0, true, kAutoAssigned},
        {"the file has one column at ','", head + "Separator=,\nFieldname in first line=No\n" + eight + "Value1=1\n",
         false, 0, true, kAutoAssigned},
        {"a tasks description", head + "Separator=;\nField Count=2\n[Field Assignment]\nValue1=0\n", false, 0, true,
         kAutoAssigned},
        {"fits", head + "Separator=;\nFieldname in first line=Yes\n" + eight + "Value1=5\nValue2=0\nValue8=1\n", true,
         0, true, {6, 1, 0, 0, 0, 0, 0, 2}},
        {"fits at ','", head + "Separator=,\nFieldname in first line=No\n" + eight + "Value7=0\n", true, 1, false,
         {0, 0, 0, 0, 0, 0, 1, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string description = WriteFile("case.imd", c.description);
        ui::ScriptedPrompts prompts;
        prompts.AnswerFile(description);
        InBookingsDialog({{"Import Bookings", [&](QWidget* dialog) {
            Close(dialog);
            PrepareImport(dialog, file);
            ASSERT_EQ(Assignments(dialog), kAutoAssigned);
            Item<QPushButton>(dialog, 30005)->click();
            EXPECT_EQ(Item<QComboBox>(dialog, 30206)->currentIndex(), c.separator);
            EXPECT_EQ(Item<QCheckBox>(dialog, 30205)->isChecked(), c.names);
            EXPECT_EQ(Assignments(dialog), c.assignments);
            if (!c.fits) {
                EXPECT_EQ(ColumnEntries(dialog), kBookingColumns);
            }
        }}});
        std::vector<std::string> messages;
        for (const auto& asked : prompts.asked())
            if (asked.kind == ui::ScriptedPrompts::Kind::Message) messages.push_back(asked.text);
        EXPECT_EQ(messages, c.fits ? std::vector<std::string>{}
                                   : std::vector<std::string>{plat::LoadResString(ids::IMPORT_DESCRIPTION_MISMATCH)});
        EXPECT_TRUE(prompts.allAnswered());
    }
}

// Saved over a description that editors each marked with a byte-order mark,
// the description loads back as saved.
TEST_F(ImportPluginTest, DescriptionSavedOverMarkedFileLoadsBack) {
    const std::string file = WriteFile("bookings.txt",
                                       "Resource;Task;Start date;Start time;End date;End time\n"
                                       "Crane;Lift;20240311;08:00;20240311;12:30\n");
    const std::string description = WriteFile("marked.imd",
                                              "\xEF\xBB\xBF\xEF\xBB\xBF[Description]\r\nName=Bookings\r\n"
                                              "Separator=,\r\nFieldname in first line=No\r\nField Count=8\r\n"
                                              "[Field Assignment]\r\nValue1=0\r\n");
    ui::ScriptedPrompts prompts;
    prompts.AnswerFile(description);
    prompts.AnswerFile(description);
    InBookingsDialog({{"Import Bookings", [&](QWidget* dialog) {
        Close(dialog);
        PrepareImport(dialog, file);
        Item<QPushButton>(dialog, 30004)->click();
        ChooseSeparator(dialog, 2);   // the columns are offered anew, none assigned
        ASSERT_EQ(Assignments(dialog), std::vector<int>(8, 0));
        Item<QPushButton>(dialog, 30005)->click();
        EXPECT_EQ(Item<QComboBox>(dialog, 30206)->currentIndex(), 0);
        EXPECT_TRUE(Item<QCheckBox>(dialog, 30205)->isChecked());
        EXPECT_EQ(Assignments(dialog), kAutoAssigned);
    }}});
    EXPECT_EQ(prompts.asked().size(), 2u);
    EXPECT_TRUE(prompts.allAnswered());
    for (const auto& asked : prompts.asked()) EXPECT_NE(asked.kind, ui::ScriptedPrompts::Kind::Message) << asked.text;
}

// The column widths of the preview and the error list far out of range, read
// from the program's settings file: both lists open with their lines.
class ImportListWidthTest : public ImportPluginTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        const std::string value = GetParam();
        dir.WriteSettings("ImportPreviewColumnWidth=" + value + "\nImportErrorDlgColumnWidth=" + value + "\n");
        ImportPluginTest::SetUp();
    }
};

TEST_P(ImportListWidthTest, PreviewAndErrorListOpen) {
    Add("Crane", "Lift");
    const std::string file = WriteBrokenFile();
    const auto lines = [](int count) {
        return [count](QWidget* list) {
            auto* table = list->findChild<QTableWidget*>();
            ASSERT_NE(table, nullptr);
            EXPECT_EQ(table->rowCount(), count);
            Later([list] { static_cast<QDialog*>(list)->reject(); });
        };
    };
    InBookingsDialog({{"Import Bookings",
                       [file](QWidget* dialog) {
                           PrepareImport(dialog, file);
                           QPushButton* preview = Item<QPushButton>(dialog, 30003);
                           Later([preview] { preview->click(); });
                       }},
                      {"Import Preview", lines(2)},
                      {"Import Bookings",
                       [](QWidget* dialog) {
                           QPushButton* ok = Item<QPushButton>(dialog, ui::IDOK);
                           Later([ok] { ok->click(); });
                       }},
                      {"Import Errors", lines(2)},
                      {"Import Bookings", Close}});
}

INSTANTIATE_TEST_SUITE_P(FarOutOfRange, ImportListWidthTest,
                         ::testing::Values("-2147483648", "-1", "0", "2147483647", "NaN", "1e300"));

}  // namespace
