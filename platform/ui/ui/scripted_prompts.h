#pragma once

// A prompt service for tests: answers come from a script, in order, and
// every question asked is recorded. An unscripted question gets the default
// button (or a cancelled file dialog) and is counted.

#include <deque>
#include <vector>

#include "ui/prompts.h"

namespace ui {

class ScriptedPrompts : public Prompts {
public:
    enum class Kind { Message, OpenFile, SaveFile };
    struct Asked {
        Kind kind;
        std::string text;      // message text, or the file dialog's title
        unsigned type = 0;     // message-box type
        FileDialogRequest file;
    };

    // Installs itself as the current service for its lifetime.
    ScriptedPrompts();
    ~ScriptedPrompts() override;

    void AnswerMessage(int answer) { messages_.push_back(answer); }
    void AnswerFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }

    const std::vector<Asked>& asked() const { return asked_; }
    int unscripted() const { return unscripted_; }
    bool allAnswered() const { return messages_.empty() && files_.empty(); }

    int MessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                   unsigned type) override;
    std::optional<std::string> OpenFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(QWidget* parent, const FileDialogRequest& request) override;

private:
    std::optional<std::string> NextFile(Kind kind, const FileDialogRequest& request);

    Prompts* previous_;
    std::deque<int> messages_;
    std::deque<std::optional<std::string>> files_;
    std::vector<Asked> asked_;
    int unscripted_ = 0;
};

}  // namespace ui
