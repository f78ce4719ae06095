#pragma once

#include "ui/prompts.h"

namespace ui {

// Message boxes and file dialogs of Qt.
class QtPrompts : public Prompts {
public:
    int MessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                   unsigned type) override;
    std::optional<std::string> OpenFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(QWidget* parent, const FileDialogRequest& request) override;
};

}  // namespace ui
