#include "import/import_menu.h"

#include <QMenu>
#include <QMenuBar>
#include <cstring>

#include "plan_data.h"
#include "plan_records.h"

void CopyTextField(char* field, std::size_t size, const std::string& text) {
    const std::size_t length = std::min(text.size(), size - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

std::uint8_t ImportCommandState(CPlanData* root) {
    if (root == nullptr || (root->properties != nullptr && root->properties->IsWriteProtected()))
        return PLUGIN_UPDATE_DISABLED;
    return 0;
}

int InsertImportMenu(QMenuBar* bar, const std::string& title, const std::vector<ImportMenuCommand>& commands,
                     const std::function<std::int32_t(const PluginCommand&)>& registerCommand) {
    if (bar == nullptr) return 0;
    const QList<QAction*> tops = bar->actions();
    QMenu* target = tops.isEmpty() ? nullptr : tops.front()->menu();
    if (target == nullptr) return 1;
    QAction* before = nullptr;
    for (QAction* item : target->actions())
        if (item->data().toUInt() == kHostExportCommandId) {
            before = item;
            break;
        }
    auto* popup = new QMenu(QString::fromStdString(title), target);
    target->insertMenu(before, popup);
    for (const ImportMenuCommand& command : commands) {
        PluginCommand record{};
        CopyTextField(record.name, sizeof record.name, command.commandText);
        CopyTextField(record.description, sizeof record.description, command.commandText);
        record.onCommand = command.run;
        record.onUpdate = command.update;
        const std::int32_t id = registerCommand(record);
        if (id > 0) popup->addAction(QString::fromStdString(command.menuText))->setData(static_cast<unsigned>(id));
    }
    return 1;
}
