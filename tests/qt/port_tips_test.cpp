// The port dialog's buttons in the front end: each shows as its tooltip the
// device its port stands for and whether that device is there now.
#include <gtest/gtest.h>

#include <QRadioButton>

#include "appstate/app.h"
#include "link/form_setup.h"
#include "qt_test_app.h"
#include "shell/mdimain.h"

TEST(QtPortDialog, EachPortButtonShowsItsDeviceAsTooltip) {
    bxtest::QtProgram program;
    bx::QtRuntime& rt = program.rt;
    rt.set_port_device(4, "/dev/null");  // a device file that is there
    program.app->MDImain->proc_setup.click();
    bxtest::settle();
    bx::Form_setup& d = *program.app->Form_setup;
    ASSERT_TRUE(d.Loaded());
    bx::FormView* v = rt.forms().view(d);
    ASSERT_NE(v, nullptr);
    auto tip = [v](ui::Control& c) {
        auto* w = qobject_cast<QRadioButton*>(v->find(&c)->widget());
        return w ? w->toolTip().toStdString() : std::string("(no button)");
    };
    EXPECT_EQ(tip(d.Option4), "Device /dev/null: present");
    EXPECT_EQ(tip(d.Option5), "Device /nonexistent/bx-test-com5: not present");
    EXPECT_EQ(d.Option4.Caption(), "COM4");
}
