// The real program started offscreen: its main window as a user sees it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>

#include "appstate/app.h"
#include "qt/host.h"
#include "qt/program.h"
#include "qt/runtime.h"
#include "qt_test_app.h"
#include "shell/mdimain.h"

namespace {

struct Box {
    std::string text, title;
    QMessageBox::Icon icon;
};

TEST(QtMainWindow, StartsWithTitleMenusToolbarAndStatusPanels) {
    bxtest::qt_app();
    bx::QtRuntime rt;
    // A screen below 1280 x 800 whatever screen an earlier test of the
    // process made: the program warns about it.
    rt.set_screen_size(1024, 768);
    for (int port = 1; port <= 12; ++port) rt.set_port_device(port, "/nonexistent/bx-test-com" + std::to_string(port));
    std::vector<Box> boxes;
    rt.set_message_hook([&](QMessageBox& b) {
        boxes.push_back({b.text().toStdString(), b.windowTitle().toStdString(), b.icon()});
        b.button(QMessageBox::Ok)->click();
    });
    bx::App app(rt);
    rt.set_close_handler([&] { app.End(); });
    app.Start();
    // The load has returned with the window shown and the port scan still
    // to come: it runs on the event loop, one port a turn, and the loop
    // handles other work between the ports.
    ASSERT_TRUE(app.MDImain->Scanning_ports());
    EXPECT_TRUE(rt.forms().main_window()->isVisible());
    std::vector<int> seen;  // the port the scan tries next, each turn of other work
    std::function<void()> turn = [&] {
        seen.push_back(app.MDImain->Scan_port());
        if (app.MDImain->Scanning_ports()) rt.loop().post(turn);
    };
    rt.loop().post(turn);
    ASSERT_TRUE(bx::process_events_until([&] { return !app.MDImain->Scanning_ports(); }, 10));
    for (int port = 7; port >= 2; --port) EXPECT_EQ(std::count(seen.begin(), seen.end(), port), 1) << port;
    EXPECT_EQ(app.Comm_port, 1);

    // The screen is smaller than 1280 × 800: the warning is a real box with
    // its icon and title.
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes[0].text, "Set the display mode of the computer to 1280 * 800 ");
    EXPECT_EQ(boxes[0].title, "Operate Prompt");
    EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);

    QMainWindow* mw = rt.forms().main_window();
    ASSERT_NE(mw, nullptr);
    EXPECT_TRUE(mw->isVisible());
    EXPECT_EQ(mw->windowTitle().toStdString(), "BX-5610 UV DualBand  Series Program Software.");

    std::vector<std::string> shown, hidden;
    for (QAction* a : mw->menuBar()->actions()) (a->isVisible() ? shown : hidden).push_back(a->text().toStdString());
    EXPECT_EQ(shown, (std::vector<std::string>{"File", "FM-Radio", "Channel", "Option", "Signal", "Program",
                                               "PassWord", "Communication", "Exit"}));
    EXPECT_EQ(hidden, (std::vector<std::string>{"Adjust", "Language", "About"}));
    for (QAction* a : mw->menuBar()->actions())
        if (a->text() == "File") {
            ASSERT_NE(a->menu(), nullptr);
            std::vector<std::string> items;
            for (QAction* i : a->menu()->actions()) items.push_back(i->text().toStdString() + (i->isEnabled() ? "" : " (greyed)"));
            EXPECT_EQ(items, (std::vector<std::string>{"New", "Open", "Save (greyed)", "Save As", "Exit"}));
        }

    auto bars = mw->findChildren<QToolBar*>();
    ASSERT_EQ(bars.size(), 1);
    // A toolbar button's tooltip is its menu item's caption as shown, in
    // either language; never the button's key.
    const std::vector<std::string> keys{"open", "save", "edit_option", "edit_chann", "edit_dtmf", "read", "write", "exit"};
    auto tips = [&] {
        std::vector<std::string> out;
        for (QAction* a : bars[0]->actions()) {
            out.push_back(a->toolTip().toStdString());
            EXPECT_FALSE(a->icon().isNull());
            EXPECT_TRUE(a->text().isEmpty());
            EXPECT_EQ(std::count(keys.begin(), keys.end(), out.back()), 0) << out.back();
        }
        return out;
    };
    EXPECT_EQ(tips(), (std::vector<std::string>{"Open", "Save", "Option", "Channel", "DTMF", "Read form radio",
                                                "Write to radio", "Exit"}));
    app.MDImain->Language_chn_Click();
    EXPECT_EQ(tips(), (std::vector<std::string>{"打开", "保存", "可选参数", "信道编辑", "DTMF", "从对讲机读取数据",
                                                "向对讲机写入数据", "退出"}));
    app.MDImain->Language_eng_Click();
    EXPECT_EQ(tips()[5], "Read from radio");

    std::vector<std::string> labels;
    for (int i = 1; i <= 11; i += 2) {
        auto* l = mw->statusBar()->findChild<QLabel*>(QStringLiteral("panel%1").arg(i));
        ASSERT_NE(l, nullptr) << i;
        labels.push_back(l->text().toStdString());
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"Model:", "S I M:", "MCU-Version:", "Band-A", "Band-B",
                                                "Lanshan Harbour Industrial Park, DRELL Electronic Co.,Ltd."}));

    // Child windows size themselves from the real client area.
    QWidget* area = mw->findChild<QMdiArea*>()->viewport();
    EXPECT_EQ(app.MDImain->ScaleWidth(), area->width() * 15);
    EXPECT_EQ(app.MDImain->ScaleHeight(), area->height() * 15);

    // The toolbar's exit ends the program through the application.
    bars[0]->actions().back()->trigger();
    EXPECT_TRUE(app.Ended());
    EXPECT_TRUE(rt.quit_requested());
    EXPECT_FALSE(mw->isVisible());
}

TEST(QtSerial, ComPortsMapToDevicesByOneRuleUnlessOverridden) {
    const std::pair<int, const char*> rule[] = {
        {1, "/dev/ttyS0"},   {4, "/dev/ttyS3"},   {5, "/dev/ttyUSB0"}, {8, "/dev/ttyUSB3"},
        {9, "/dev/ttyACM0"}, {12, "/dev/ttyACM3"}, {0, ""},            {13, ""},
        {-1, ""},
    };
    for (auto [port, path] : rule) EXPECT_EQ(bx::com_device_path(port), path) << "COM" << port;

    bxtest::qt_app();
    bx::QtRuntime rt;
    rt.set_port_device(8, "/dev/pts/9");
    EXPECT_EQ(rt.port_device(8), "/dev/pts/9");
    EXPECT_EQ(rt.port_device(7), "/dev/ttyUSB2");
    rt.set_port_device(8, "");
    EXPECT_EQ(rt.port_device(8), "/dev/ttyUSB3");
    // A device that cannot be opened gives no port.
    rt.set_port_device(3, "/nonexistent/bx-test-com3");
    EXPECT_EQ(rt.serial().open(3, "9600,N,8,1"), nullptr);
}

TEST(QtSerial, LineSettingsParse) {
    struct Case {
        const char* text;
        bool ok;
        int baud = 0;
        QSerialPort::Parity parity = QSerialPort::NoParity;
        QSerialPort::DataBits data = QSerialPort::Data8;
        QSerialPort::StopBits stop = QSerialPort::OneStop;
    };
    const Case cases[] = {
        {"9600,N,8,1", true, 9600, QSerialPort::NoParity, QSerialPort::Data8, QSerialPort::OneStop},
        {"19200,e,7,2", true, 19200, QSerialPort::EvenParity, QSerialPort::Data7, QSerialPort::TwoStop},
        {"4800, O, 5, 1.5", true, 4800, QSerialPort::OddParity, QSerialPort::Data5, QSerialPort::OneAndHalfStop},
        {"9600,N,8", false},
        {"9600,N,8,1,0", false},
        {"fast,N,8,1", false},
        {"9600,X,8,1", false},
        {"9600,N,9,1", false},
        {"9600,N,8,3", false},
        {"0,N,8,1", false},
        {"", false},
    };
    for (const Case& c : cases) {
        auto s = bx::parse_line_settings(c.text);
        ASSERT_EQ(s.has_value(), c.ok) << c.text;
        if (!s) continue;
        EXPECT_EQ(s->baud, c.baud) << c.text;
        EXPECT_EQ(s->parity, c.parity) << c.text;
        EXPECT_EQ(s->data_bits, c.data) << c.text;
        EXPECT_EQ(s->stop_bits, c.stop) << c.text;
    }
}

}  // namespace
