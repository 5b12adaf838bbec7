#include "link/form_write_password.h"

#include <algorithm>

#include "appstate/app.h"
#include "ui/placement.h"

namespace bx {

namespace {

// The exchange: program-mode request, identification, one 64-byte read of
// 0x3DC0-0x3DFF (its last 16 bytes are the password record), the record
// write, the radio's one-byte answer.
constexpr int kAreaAddr = 0x3DC0;
constexpr int kRecordInArea = area::kPassWordAddr - kAreaAddr;  // 48
constexpr int kAnswerLen = 1;
// The 'X' of the read reply is looked for among bytes 0..20 and taken only at
// index 5 or below, so that both passwords (record bytes 0..11) lie inside
// the 69 bytes received.
constexpr int kMarkSearchLast = 20;
constexpr int kMarkLimit = 5;
constexpr int kCloseTickMs = 500;

// The identification test of this window: an Ack at byte 0 with the end mark
// at byte 49, or 0x01 at byte 0 with the mark at byte 48. Nothing else of the
// reply is looked at.
bool Pw_ident_accepted(const uint8_t* r) {
    return (r[0] == frame::Ack && r[frame::kIdentEndAt] == frame::kEndMark) ||
           (r[0] == 0x01 && r[frame::kIdentEndAt - 1] == frame::kEndMark);
}

const link_text::Pair kNotConsistent{"密码不一致", "Password is not consistent ."};
const link_text::Pair kOldError{"原密码错误，禁止写入", "Old PassWord Error, Writeing Stop"};
const link_text::Pair kSuccess{"密码修改成功 ", "PassWord Modify Success ! "};

void Set_blank(std::array<int32_t, 17>& slots, const std::string& text) {
    const auto s = ui::Password_slots(text);
    for (size_t i = 0; i < s.size(); ++i) slots[i] = s[i];
}

}  // namespace

Form_Write_PassWord::Form_Write_PassWord(App& a)
    : LinkWindow(a, "Form_Write_PassWord", link_rows::Form_Write_PassWord,
                 {.progress = false, .password = false, .busy_unload = &link_text::kNoClose}) {
    Command_Write.Click = [this] { Command_Write_Click(); };
    Command_Cancel.Click = [this] { Command_Cancel_Click(); };
    Text_Old_PassWord.Change = [this] { Text_Old_PassWord_Change(); };
    for (ui::TextBox* t : {&Text_Old_PassWord, &Text_New_Password_1, &Text_New_PassWord_2}) ui::Use_password_filter(*t);
    Timer4.OnTimer = [this] { Timer4_Timer(); };
    // The exchange starts and ends as every other does (LinkMachine::Start,
    // LinkMachine::End); its three stages are the window's own receive
    // handler, and its data phase begins with the read of the record area.
    MSC.OnComm = [this] { MSC_OnComm(); };
    Link.Data_phase.Begin_read = [this] { Request_record_area(); };
    // The pause ends in the machine's failure report ("Fail connect with
    // transceiver."): the window has no progress bar or status label.
}

void Form_Write_PassWord::Build() {
    LinkWindow::Build();
    for (ui::TextBox* t : {&Text_Old_PassWord, &Text_New_Password_1, &Text_New_PassWord_2}) t->setPasswordChar("*");
    // Timer1..Timer3 (off since the base's Build) tick only once the
    // exchange gives them an interval.
    for (ui::Timer* t : {&Timer1, &Timer2, &Timer3}) t->setInterval(0);
    Timer4.setEnabled(false);
    Timer4.setInterval(kCloseTickMs);
}

// The layout is drawn for a client area of 4500 x 2700 twips; a smaller
// window (the window's size follows the main window's) shrinks it to fit.
void Form_Write_PassWord::Place_controls() {
    const ui::ScaledLayout layout(*this, 4500, 2700);
    layout.place(Label_old_PassWord, 300, 330, 1700, 300);
    layout.place(Text_Old_PassWord, 2100, 270, 2100, 360);
    layout.place(Label_New_Password_1, 300, 870, 1700, 300);
    layout.place(Text_New_Password_1, 2100, 810, 2100, 360);
    layout.place(Label_New_PassWord_2, 300, 1410, 1700, 300);
    layout.place(Text_New_PassWord_2, 2100, 1350, 2100, 360);
    layout.place(Command_Write, 700, 2100, 1300, 450);
    layout.place(Command_Cancel, 2600, 2100, 1300, 450);
}

void Form_Write_PassWord::Form_Load() {
    LinkWindow::Form_Load();
    ++loads_;
    Close_request = 0;
    const int16_t chn = app.Lang_chinese;
    setCaption(L(chn, "修改密码", "Modify PassWord"));
    Label_old_PassWord.setCaption(L(chn, "原密码", "Old PassWord"));
    Label_New_Password_1.setCaption(L(chn, "新密码", "New PassWord"));
    Label_New_PassWord_2.setCaption(L(chn, "确认新密码", "Confirm PassWord"));
    Command_Write.setCaption(L(chn, "修改", "Modify"));
    Command_Cancel.setCaption(L(chn, "关闭", "Close"));
    const MainWindow& m = app.main_window;
    setWidth(m.ScaleWidth() / 4);
    setHeight(m.ScaleHeight() / 3);
    m.Centre(*this, 500);
    Place_controls();
    // The boxes start empty; the old password is six blanks.
    Text_Old_PassWord.setText("");
    Text_New_Password_1.setText("");
    Text_New_PassWord_2.setText("");
    Set_blank(PassWord_old, "");
}

// Refused while the exchange runs, as every link window's close (the
// program's end excepted): the exchange goes on to its report. A closed
// window's four timers stop and its port closes, so nothing of it acts later.
void Form_Write_PassWord::Form_Unload(int& Cancel) {
    LinkWindow::Form_Unload(Cancel);
    if (Cancel && UnloadMode() != ui::vbFormMDIForm) return;
    Timer4.setEnabled(false);
    Close_request = 0;
}

void Form_Write_PassWord::Msg(const link_text::Pair& t, const char* eng_title) { Link.Msg(t, eng_title); }

void Form_Write_PassWord::Text_Old_PassWord_Change() { Set_blank(PassWord_old, Text_Old_PassWord.Text()); }

// ---- Modify ----

// One exchange at a time, asked before the window's own check, as every
// entry point does: refused, and nothing typed is taken (the running
// exchange writes the new password it started with).
void Form_Write_PassWord::Command_Write_Click() {
    if (Link.Refuse_if_busy()) return;
    const auto new1 = ui::Password_slots(Text_New_Password_1.Text());
    const auto new2 = ui::Password_slots(Text_New_PassWord_2.Text());
    if (new1 != new2) {
        Msg(kNotConsistent, link_text::kTitleEng);
        return;
    }
    Set_blank(PassWord_new, Text_New_Password_1.Text());
    // The start every exchange passes: the port opened (or its message), the
    // program-mode request out, stage 0 and the row's retries (none). It
    // runs as a read: the image is neither sent nor replaced.
    Link.Start(false, LinkMachine::Begin::User);
}

void Form_Write_PassWord::Send_frame() { Link.Arm_send_pump(); }

// ---- receive ----

void Form_Write_PassWord::MSC_OnComm() {
    if (MSC.CommEvent() != ui::SerialPort::comEvReceive) return;
    if (!Link.Awaiting_reply()) return;
    // The radio answers a frame only once all of it has left the port: what
    // arrives before is left over from the previous reply (bytes behind it,
    // or its late last byte) and would be taken for the answer.
    if (!Link.Frame_delivered()) {
        MSC.setInBufferCount(0);
        return;
    }
    const int stage = Link.st.Stage;
    const int need = stage == 0 ? frame::kIdentLen : stage == 1 ? frame::kReadReplyLen : kAnswerLen;
    if (MSC.InBufferCount() < need) return;
    // Bytes in front of the identification or of the record area's reply
    // (left over from an earlier reply) are dropped first. The one-byte
    // answer cannot be told from a stray byte: it is taken as it comes.
    int strays = 0;
    if (stage == 0 || stage == 1) {
        const std::vector<uint8_t> in = Link.Peek_input();
        const int n = static_cast<int>(in.size());
        strays = stage == 0 ? Ident_reply_strays(in.data(), n, app.Radio_ident)
                            : Read_reply_strays(in.data(), n, Link.Read_request());
    }
    if (MSC.InBufferCount() < strays + need) return;
    Link.Drop_bytes(strays);
    // Exactly the reply's bytes; later ones stay in the port.
    uint8_t* rx = Link.st.Rx_buf.data();
    for (int i = 0; i < need; ++i) {
        const std::vector<uint8_t> b = MSC.Input();
        rx[i] = b.empty() ? 0 : b[0];
    }
    if (stage == 0)
        Ident_stage();
    else if (stage == 1)
        Record_stage();
    else
        Answer_stage(rx[0]);
}

void Form_Write_PassWord::Ident_stage() {
    // Another reply is dropped: the time-out follows.
    if (!Pw_ident_accepted(Link.st.Rx_buf.data())) return;
    // No password stage of the machine's: the old password is checked
    // against the record the data phase reads.
    Link.Begin_data();
}

void Form_Write_PassWord::Request_record_area() {
    Link.st.Stage = 1;
    std::vector<uint8_t> f = Cmd_read(kAreaAddr, frame::kBlockBytes);
    f.insert(f.begin(), frame::Ack);
    Link.Set_frame(f);
    Send_frame();
    MSC.setInBufferCount(0);
}

void Form_Write_PassWord::Record_stage() {
    Link.Send_ack();
    app.rt.loop().busy_wait();
    const uint8_t* rx = Link.st.Rx_buf.data();
    const int k = Find_data_mark(rx, frame::kReadReplyLen, kMarkSearchLast);
    if (k < 0 || k > kMarkLimit) return;  // dropped: the time-out follows
    // A mark not followed by the area's address and length: a stray byte
    // has split the header, and the record would come shifted.
    if (Find_frame_mark(rx, frame::kReadReplyLen, k, Link.Read_request()) != k) return;
    // The record's bytes as received; a byte beyond the 69 (only bytes 12..15
    // can be) counts as 0x00 and is never written back.
    const int first = k + 4 + kRecordInArea;
    const int received = std::min(kRecordBytes, frame::kReadReplyLen - first);
    app.PassWord_radio.fill(0);
    for (int i = 0; i < received; ++i) app.PassWord_radio[static_cast<size_t>(i)] = rx[first + i];
    if (!PassWord_passes(app.PassWord_radio.data(), received, PassWord_old.data())) {
        Link.End([this] { Msg(kOldError, link_text::kTitleEngP); });
        return;
    }
    Timer2.setEnabled(false);  // the reply is in: its time-out stops
    std::array<uint8_t, kRecordBytes> rec{};
    for (int i = 0; i < 6; ++i) rec[static_cast<size_t>(i)] = static_cast<uint8_t>(PassWord_new[static_cast<size_t>(i)]);
    for (int i = 6; i < 12; ++i) rec[static_cast<size_t>(i)] = app.PassWord_radio[static_cast<size_t>(i)];
    Link.Set_frame(Write_frame(area::kPassWordAddr, rec.data(), false));
    MSC.setInBufferCount(0);
    Send_frame();
    MSC.setInBufferCount(0);
    Link.st.Stage = 2;
}

void Form_Write_PassWord::Answer_stage(uint8_t answer) {
    if (answer != frame::Ack) {
        // The record was not written: the window stays for another try.
        Link.End([this] { Msg(link_text::kFailConnect, link_text::kTitleEng); });
        return;
    }
    Close_request = -1;
    Timer4.setEnabled(true);
    const uint64_t shown_by = loads_;
    Link.End([this] { Msg(kSuccess, link_text::kTitleEngP); });
    // Timer4 may have closed the window while the box was open, and the menu
    // may have opened it anew: only the window that showed the box empties.
    if (!Loaded() || loads_ != shown_by) return;
    Set_blank(PassWord_old, "");
    Set_blank(PassWord_new, "");
    Text_Old_PassWord.setText("");
    Text_New_Password_1.setText("");
    Text_New_PassWord_2.setText("");
}

// ---- closing ----

// The close after a written record waits until its report has shown.
void Form_Write_PassWord::Timer4_Timer() {
    if (Close_request != 0 && !Link.Running()) App::Unload(*this);
}

// The unload closes the port (the link window's unload rule).
void Form_Write_PassWord::Command_Cancel_Click() {
    if (Link.Running()) {
        Msg(link_text::kNoClose, link_text::kTitleEng);
        return;
    }
    App::Unload(*this);
}

}  // namespace bx
