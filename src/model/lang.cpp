#include "model/lang.h"

namespace bx {

void Set_lang_texts(LangTexts& t, int16_t lang_chinese) {
    if (lang_chinese != 0) {
        t.About_title = "BX-5610 系列对讲机编程软件";
        t.About_version = "德瑞尔电子 版权所有 2010-2016";
        t.About_description = "    本软件由德瑞尔电子有限公司设计开发。";
        t.About_disclaimer =
            "警告：本程序受著作权法和国际条约保护。未经授权擅自复制或传播本程序的全部或部分，"
            "将受到严厉的民事和刑事制裁，并将在法律许可的范围内受到最大程度的起诉。";
        t.About_ok_caption = "确定";
        t.About_sysinfo_caption = "系统信息(&S)...";
        t.Sig_2tone_resp_names = {"0.无", "1.提醒", "2.回复", "3.提醒并回"};
        t.Sig_5tone_func_names = {"0.通话", "1.主叫", "2.被叫", "3.监听", "4.巡查",
                                  "5.报警", "6.遥晕", "7.遥毙", "8.开机"};
    } else {
        t.About_title = "DRELL BX-5610 series program software. ";
        t.About_version = "Software by DRELL Electronic, 2006-2016";
        t.About_description = "This software was designed by DRELL Electronic Co.,Ltd.";
        t.About_disclaimer =
            "Warning: this computer program is protected by copyright law and international "
            "treaties. Unauthorized reproduction or distribution of this program, or any portion "
            "of it, may result in severe civil and criminal penalties, and will be prosecuted to "
            "the maximum extent possible under the law.";
        t.About_ok_caption = "Confirm";
        t.About_sysinfo_caption = "System Information(&S)...";
        t.Sig_2tone_resp_names = {"0.None", "1.Alert", "2.Transpond", "3.Alert+Transpond"};
        t.Sig_5tone_func_names = {"0.Open Speak", "1.Primary Caller ID", "2.Secondary Caller ID",
                                  "3.Monitor", "4.Inspection ", "5.Emergency", "6.Stun",
                                  "7.Kill", "8.Revive"};
    }
}

}  // namespace bx
