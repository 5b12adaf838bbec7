#include "ui/runtime.h"

namespace ui {

void Runtime::report_failure(const std::string& what) {
    const bool chn = chinese && chinese();
    try {
        if (chn)
            MsgBox("此操作出错，已停止：" + what + "\n程序继续运行。", vbCritical, "错误");
        else
            MsgBox("This action failed and was stopped: " + what + "\nThe program goes on running.", vbCritical,
                   "Error");
    } catch (...) {
    }
}

}  // namespace ui
