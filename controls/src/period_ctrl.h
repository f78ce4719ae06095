#pragma once

// Two parts, from and to, each a caption and an edit whose text the
// subclass formats and reads back. The value of a part is what its text
// says now; the user's edits notify EN_CHANGE, the caller's settings do not.

#include <QLabel>
#include <QLineEdit>
#include <string>

#include "ui/message.h"

class QGridLayout;

namespace spcc {

class PeriodCtrl : public ui::MessageWidget<QWidget> {
public:
    // The message numbers of one kind of period control (option 0: none).
    struct Messages {
        unsigned setValue, getValue, getPart, setFormat, option;
    };

    PeriodCtrl(QWidget* parent, const Messages& messages, int emptyValue);
    // The edits lose the focus while they are destroyed, after the part
    // that formats values is gone: their signals must not reach it then.
    ~PeriodCtrl() override;

protected:
    virtual std::string Format(int value) const = 0;
    virtual int Parse(const std::string& text) const = 0;

    QLineEdit* edit(int part) const { return edits_[part]; }
    // A widget placed after the part's edit (a drop-down button).
    void AddBeside(int part, QWidget* widget);
    void SetValue(int part, int value);
    // The caller's change of a part by the user: shown, then notified.
    void SetValueByUser(int part, int value);
    int Value(int part) const;

    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override;

private:
    void Normalise(int part);

    Messages messages_;
    int emptyValue_;
    QGridLayout* layout_;
    QLabel* captions_[2];
    QLineEdit* edits_[2];
};

}  // namespace spcc
