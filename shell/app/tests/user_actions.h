#pragma once

// What a user does with the mouse and the keyboard, for tests that drive
// the real program: menus of the menu bar opened and their items clicked,
// buttons clicked, text typed, the file dialog answered. Each helper fails
// the test clearly (never hangs) when the window it needs does not come.

#include <string>

#include <QString>
#include <QStringList>

class QAction;
class QComboBox;
class QMainWindow;
class QWidget;

namespace apptest {

// Saves a picture of the whole screen as NAME.png in the folder that
// QEL_SESSION_SHOTS names; does nothing when it names none.
void SaveScreenShot(const std::string& name);

// Clicks the middle of the widget with the left button.
void Click(QWidget* widget);
// Clicks the toolbar button that shows the action.
void ClickToolButton(QAction* action);
// Selects everything in the edit and types the text over it.
void TypeInto(QWidget* edit, const QString& text);
// Types the text into a part (0 from, 1 to) of one of the control library's
// period controls, then leaves the part with Tab; the part must still show
// the text as typed, in the control's own form.
void TypeIntoPeriod(QWidget* period, int part, const QString& text);
// Moves the combo box to the entry with the arrow keys.
void ChooseEntry(QComboBox* combo, int index);

// Opens the menu of the menu bar that holds the item (the texts of the menu
// and any submenus, then the item's, mnemonics included) and clicks the
// item. With a shot name, the screen is saved while the menus are open.
void ChooseMenuItem(QMainWindow* window, const QStringList& path, const std::string& shot = {});
// The same for the item that runs the command.
void ChooseMenuCommand(QMainWindow* window, unsigned command, const std::string& shot = {});

// Answers the next file dialog (of that title, when one is given), which
// must start in the file's folder: types the file's name into its name
// field and clicks its Open or Save button.
void WhenFileDialog(const std::string& path, const QString& title = {}, const std::string& shot = {});

}  // namespace apptest
