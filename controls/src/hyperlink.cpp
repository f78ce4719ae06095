#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

#include "controls.h"
#include "controls_api.h"
#include "ui/message.h"

namespace spcc {
namespace {

// A link that opens its text (an address) in the user's browser.
class HyperlinkCtrl : public ui::MessageWidget<QLabel> {
public:
    explicit HyperlinkCtrl(QWidget* parent) : MessageWidget(parent) {
        setTextFormat(Qt::RichText);
        setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        setCursor(Qt::PointingHandCursor);
        connect(this, &QLabel::linkActivated, this,
                [](const QString& link) { QDesktopServices::openUrl(QUrl::fromUserInput(link)); });
    }

protected:
    bool OnMessage(unsigned message, ui::WPARAM, ui::LPARAM lParam, ui::LRESULT& result) override {
        result = 0;
        switch (message) {
        case WM_SP_HYPERLINK_SETTEXT: {
            const char* text = reinterpret_cast<const char*>(lParam);
            address_ = QString::fromUtf8(text ? text : "");
            setText(QStringLiteral("<a href=\"%1\">%2</a>")
                        .arg(address_.toHtmlEscaped(), address_.toHtmlEscaped()));
            setToolTip(address_);
            return true;
        }
        case WM_SP_HYPERLINK_OPTION1:
        case WM_SP_HYPERLINK_OPTION2:
            // Underline and hand cursor are this link's only look.
            return true;
        default:
            return false;
        }
    }

private:
    QString address_;
};

}  // namespace

QWidget* CreateHyperlink(QWidget* parent) { return new HyperlinkCtrl(parent); }

}  // namespace spcc
