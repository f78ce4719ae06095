#include <gtest/gtest.h>

#include "every_dialog.h"
#include "tab_order.h"

namespace {

class DialogTabOrderTest : public dlgtest::EveryDialogFixture {};

// Tab walks the fields as they are laid out, then OK and Cancel: Tab and
// Space after typing a name must not press OK.
TEST_F(DialogTabOrderTest, TabReachesTheFieldsInTheirOrderThenOkAndCancel) {
    for (const auto& c : Dialogs()) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<QDialog> dialog = c.make();
        dialog->show();
        EXPECT_EQ(dlgtest::ButtonsBeforeFields(*dialog), std::vector<std::string>{});
        EXPECT_EQ(dlgtest::FieldsOutOfVisualOrder(*dialog), std::vector<std::string>{});
    }
}

}  // namespace
