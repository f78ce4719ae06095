#include "user_actions.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "when_modal.h"

namespace apptest {
namespace {

constexpr int kMenuOpenMs = 3000;

QAction* ItemNamed(const QList<QAction*>& items, const QString& text) {
    for (QAction* item : items)
        if (item->text() == text) return item;
    return nullptr;
}

// The texts of the menus down to the command's item, and the item's own.
bool PathOf(const QList<QAction*>& items, unsigned command, QStringList& path) {
    for (QAction* item : items) {
        path << item->text();
        if (QMenu* menu = item->menu(); menu != nullptr ? PathOf(menu->actions(), command, path)
                                                        : item->data().toUInt() == command)
            return true;
        path.removeLast();
    }
    return false;
}

bool WaitShown(QWidget* menu) { return QTest::qWaitFor([menu] { return menu->isVisible(); }, kMenuOpenMs); }

}  // namespace

void SaveScreenShot(const std::string& name) {
    const QString folder = qEnvironmentVariable("QEL_SESSION_SHOTS");
    if (folder.isEmpty()) return;
    QTest::qWait(150);   // the windows drawn on the display
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QString file = folder + "/" + QString::fromStdString(name) + ".png";
    EXPECT_TRUE(screen->grabWindow(0).save(file)) << file.toStdString();
}

void Click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(widget->isVisible() && widget->isEnabled()) << widget->objectName().toStdString();
    // A check box or radio button takes clicks on its box and text only,
    // which need not reach the middle of a wide one.
    const bool box = qobject_cast<QCheckBox*>(widget) != nullptr || qobject_cast<QRadioButton*>(widget) != nullptr;
    QTest::mouseClick(widget, Qt::LeftButton, {}, box ? QPoint(6, widget->height() / 2) : widget->rect().center());
}

void ClickToolButton(QAction* action) {
    ASSERT_NE(action, nullptr);
    for (QObject* shown : action->associatedObjects()) {
        auto* button = qobject_cast<QToolButton*>(shown);
        if (button != nullptr && button->isVisible()) return Click(button);
    }
    ADD_FAILURE() << "no button shows " << action->text().toStdString();
}

void TypeInto(QWidget* edit, const QString& text) {
    ASSERT_NE(edit, nullptr);
    // Keys go to the focus of the active window; a dialog's own reactions
    // (a file dialog's completion) count on that.
    edit->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(edit->window()));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
    // A list of completions that came up goes away with Escape.
    if (QWidget* completions = QApplication::activePopupWidget()) QTest::keyClick(completions, Qt::Key_Escape);
    if (auto* line = qobject_cast<QLineEdit*>(edit)) {
        EXPECT_EQ(line->text(), text);
    }
}

void TypeIntoPeriod(QWidget* period, int part, const QString& text) {
    ASSERT_NE(period, nullptr);
    const QList<QLineEdit*> parts = period->findChildren<QLineEdit*>();
    ASSERT_EQ(parts.size(), 2);
    QLineEdit* edit = parts[part];
    TypeInto(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_FALSE(edit->hasFocus());
    EXPECT_EQ(edit->text(), text);
}

void ChooseEntry(QComboBox* combo, int index) {
    ASSERT_NE(combo, nullptr);
    combo->setFocus();
    for (int presses = 0; combo->currentIndex() != index && presses < combo->count(); ++presses)
        QTest::keyClick(combo, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_EQ(combo->currentIndex(), index);
}

void ChooseMenuItem(QMainWindow* window, const QStringList& path, const std::string& shot) {
    ASSERT_GE(path.size(), 2);
    QMenuBar* bar = window->menuBar();
    QAction* title = ItemNamed(bar->actions(), path.front());
    ASSERT_TRUE(title != nullptr && title->menu() != nullptr) << "no menu " << path.front().toStdString();
    QMenu* menu = title->menu();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
    ASSERT_TRUE(WaitShown(menu)) << path.front().toStdString() << " did not open";
    for (qsizetype level = 1; level + 1 < path.size(); ++level) {
        QAction* opener = ItemNamed(menu->actions(), path[level]);
        ASSERT_TRUE(opener != nullptr && opener->menu() != nullptr) << "no submenu " << path[level].toStdString();
        const QPoint at = menu->actionGeometry(opener).center();
        QTest::mouseMove(menu, at);
        QTest::mouseClick(menu, Qt::LeftButton, {}, at);
        menu = opener->menu();
        ASSERT_TRUE(WaitShown(menu)) << path[level].toStdString() << " did not open";
    }
    QAction* item = ItemNamed(menu->actions(), path.back());
    ASSERT_NE(item, nullptr) << "no item " << path.back().toStdString();
    if (!item->isEnabled()) {
        ADD_FAILURE() << path.back().toStdString() << " is disabled";
        menu->close();
        return;
    }
    if (!shot.empty()) SaveScreenShot(shot);
    const QPoint at = menu->actionGeometry(item).center();
    QTest::mouseMove(menu, at);
    QTest::mouseClick(menu, Qt::LeftButton, {}, at);
}

void ChooseMenuCommand(QMainWindow* window, unsigned command, const std::string& shot) {
    QStringList path;
    ASSERT_TRUE(PathOf(window->menuBar()->actions(), command, path)) << "no menu item runs " << command;
    ChooseMenuItem(window, path, shot);
}

void WhenFileDialog(const std::string& path, const QString& title, const std::string& shot) {
    const QFileInfo file(QString::fromStdString(path));
    dlgtest::WhenModal<QFileDialog>(
        [file, shot](QFileDialog* dialog) {
            // A typed path of folders would have the dialog select each
            // folder it passes; the user's folder is the one it starts in.
            EXPECT_EQ(dialog->directory().absolutePath(), file.absolutePath());
            TypeInto(dialog->findChild<QLineEdit*>("fileNameEdit"), file.fileName());
            if (!shot.empty()) SaveScreenShot(shot);
            EXPECT_EQ(dialog->selectedFiles(), QStringList{file.absoluteFilePath()});
            auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
            for (QAbstractButton* button : buttons != nullptr ? buttons->buttons() : QList<QAbstractButton*>{})
                if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) return Click(button);
            ADD_FAILURE() << "the file dialog has no Open or Save button";
            dialog->reject();
        },
        title);
}

}  // namespace apptest
