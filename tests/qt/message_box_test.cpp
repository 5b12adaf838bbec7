// A message box with a short text and a longer title is made wide enough for
// its title: a window manager draws the title in the box's frame and cuts
// what the box's width does not hold.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>

#include <string>
#include <utility>
#include <vector>

#include "qt/runtime.h"
#include "qt_test_app.h"

namespace {

TEST(QtMessageBox, AtLeastAsWideAsItsTitle) {
    bxtest::qt_app();
    bx::QtRuntime rt;
    const std::vector<std::pair<std::string, std::string>> boxes = {
        {"Encode Digit is 5 Bits.", "Operate Prompt\""},
        {"OK", "A title far longer than the text the box shows"},
        {"频率超出范围 ！", "操作提示"},
    };
    for (const auto& [text, title] : boxes) {
        SCOPED_TRACE(title);
        int width = 0, needs = 0;
        rt.set_message_hook([&](QMessageBox& b) {
            QFont bold = b.font();
            bold.setBold(true);
            needs = QFontMetrics(bold).horizontalAdvance(b.windowTitle()) + bx::kMessageTitleBarButtons;
            width = b.width();
            b.button(QMessageBox::Ok)->click();
        });
        rt.MsgBox(text, 0, title);
        EXPECT_GT(needs, bx::kMessageTitleBarButtons);
        EXPECT_GE(width, needs);
    }
}

}  // namespace
