#include "ui/popup_menu.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include "plat/dynlib.h"

namespace ui {
namespace {

MenuChooser* g_chooser = nullptr;

class QtMenuChooser : public MenuChooser {
public:
    unsigned Choose(QWidget* owner, QPoint screen, const std::vector<MenuItem>& items) override {
        QMenu menu(owner);
        for (const MenuItem& item : items) {
            if ((item.flags & MF_SEPARATOR) != 0) {
                menu.addSeparator();
                continue;
            }
            QAction* action = menu.addAction(QString::fromStdString(item.text));
            action->setData(item.id);
            action->setEnabled((item.flags & MF_GRAYED) == 0);
        }
        QPointer<QAction> chosen = menu.exec(screen);
        return chosen != nullptr ? chosen->data().toUInt() : 0;
    }
};

// The running program's copy of this library decides.
class ProgramMenuChooser : public MenuChooser {
public:
    explicit ProgramMenuChooser(QelTrackPopupMenuFn track) : track_(track) {}
    unsigned Choose(QWidget* owner, QPoint screen, const std::vector<MenuItem>& items) override {
        std::vector<QelPopupItem> records;
        records.reserve(items.size());
        for (const MenuItem& item : items) records.push_back({item.id, item.flags, item.text.c_str()});
        return track_(owner, screen.x(), screen.y(), records.data(), static_cast<std::uint32_t>(records.size()));
    }

private:
    QelTrackPopupMenuFn track_;
};

MenuChooser& CurrentMenuChooser() {
    if (g_chooser != nullptr) return *g_chooser;
    static const auto track = reinterpret_cast<QelTrackPopupMenuFn>(
        plat::GetSymbol(plat::ProgramModule(), QELUI_TRACK_POPUP_MENU_SYMBOL));
    static ProgramMenuChooser program(track);
    return track != nullptr ? program : OwnMenuChooser();
}

}  // namespace

MenuChooser* InstalledMenuChooser() { return g_chooser; }

void SetMenuChooser(MenuChooser* chooser) { g_chooser = chooser; }

MenuChooser& OwnMenuChooser() {
    static QtMenuChooser qtChooser;
    return g_chooser != nullptr ? *g_chooser : qtChooser;
}

void PopupMenu::Append(unsigned flags, unsigned id, std::string_view text) {
    items_.push_back({id, flags, std::string((flags & MF_SEPARATOR) != 0 ? std::string_view() : text)});
}

unsigned PopupMenu::Track(QWidget* owner, QPoint screen) const {
    if (items_.empty()) return 0;
    const unsigned id = CurrentMenuChooser().Choose(owner, screen, items_);
    if (id == 0) return 0;
    for (const MenuItem& item : items_) {
        if (item.id == id && (item.flags & (MF_SEPARATOR | MF_GRAYED)) == 0) return id;
    }
    return 0;
}

}  // namespace ui
