#include "ui/text_limit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QValidator>

#include "plat/utf8.h"

namespace ui {
namespace {

std::size_t Bytes(const QString& text) { return std::size_t(text.toUtf8().size()); }

QString CutTo(const QString& text, std::size_t maxBytes) {
    const QByteArray bytes = text.toUtf8();
    const std::string_view cut =
        plat::CutUtf8(std::string_view(bytes.constData(), std::size_t(bytes.size())), maxBytes);
    return QString::fromUtf8(cut.data(), qsizetype(cut.size()));
}

class ByteLimitValidator : public QValidator {
public:
    ByteLimitValidator(std::size_t maxBytes, QObject* parent)
        : QValidator(parent), maxBytes_(maxBytes) {}
    State validate(QString& input, int&) const override {
        return Bytes(input) <= maxBytes_ ? Acceptable : Invalid;
    }
    void fixup(QString& input) const override { input = CutTo(input, maxBytes_); }

private:
    std::size_t maxBytes_;
};

}  // namespace

void SetByteLimit(QWidget* editor, std::size_t maxBytes) {
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setValidator(new ByteLimitValidator(maxBytes, edit));
        if (Bytes(edit->text()) > maxBytes) edit->setText(CutTo(edit->text(), maxBytes));
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(editor)) {
        auto enforce = [plain, maxBytes] {
            const QString text = plain->toPlainText();
            if (Bytes(text) <= maxBytes) return;
            // Drop what went past the limit before the cursor, where it was typed.
            const int position = plain->textCursor().position();
            QString after = CutTo(text.mid(position), maxBytes);
            const QString before = CutTo(text.left(position), maxBytes - Bytes(after));
            const QSignalBlocker block(plain);
            plain->setPlainText(before + after);
            QTextCursor cursor = plain->textCursor();
            cursor.setPosition(int(before.size()));
            plain->setTextCursor(cursor);
        };
        QObject::connect(plain, &QPlainTextEdit::textChanged, plain, enforce);
        enforce();
    }
}

}  // namespace ui
