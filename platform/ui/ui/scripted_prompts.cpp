#include "ui/scripted_prompts.h"

namespace ui {

ScriptedPrompts::ScriptedPrompts() : previous_(&CurrentPrompts()) { SetPrompts(this); }

ScriptedPrompts::~ScriptedPrompts() { SetPrompts(previous_); }

int ScriptedPrompts::MessageBox(QWidget*, const std::string& text, const std::string&,
                                unsigned type) {
    asked_.push_back({Kind::Message, text, type, {}});
    if (messages_.empty()) {
        ++unscripted_;
        return DefaultAnswer(type);
    }
    const int answer = messages_.front();
    messages_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPrompts::NextFile(Kind kind, const FileDialogRequest& request) {
    asked_.push_back({kind, request.title, 0, request});
    if (files_.empty()) {
        ++unscripted_;
        return std::nullopt;
    }
    std::optional<std::string> path = std::move(files_.front());
    files_.pop_front();
    return path;
}

std::optional<std::string> ScriptedPrompts::OpenFile(QWidget*, const FileDialogRequest& request) {
    return NextFile(Kind::OpenFile, request);
}

std::optional<std::string> ScriptedPrompts::SaveFile(QWidget*, const FileDialogRequest& request) {
    return NextFile(Kind::SaveFile, request);
}

}  // namespace ui
