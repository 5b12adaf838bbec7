#include "link/link_machine.h"

#include <algorithm>

#include "appstate/app.h"
#include "model/memory_map.h"
#include "ui/password_box.h"

namespace bx {

using namespace link_timing;

LinkMachine::LinkMachine(App& a, const Link_params& r, Controls c) : app(a), row(r), c_(c) {
    exchange_id_ = app.Add_exchange([this] {
        if (!Running()) return ExchangeRun::None;
        if (row.ident_only) return ExchangeRun::Identifying;
        return st.Write_mode != 0 ? ExchangeRun::Writing : ExchangeRun::Reading;
    });
}

LinkMachine::~LinkMachine() { app.Remove_exchange(exchange_id_); }

LinkPhase LinkMachine::Phase() const { return c_.MSC.owner().Loaded() ? phase_ : LinkPhase::Idle; }

void LinkMachine::Become_idle() {
    if (phase_ != LinkPhase::Reporting) phase_ = LinkPhase::Idle;
}

void LinkMachine::Hold(bool on) {
    if (on)
        phase_ = LinkPhase::Identifying;
    else if (phase_ == LinkPhase::Identifying)
        phase_ = LinkPhase::Idle;
}

void LinkMachine::End(const std::function<void()>& show) {
    // A report shown from within another report's box: the outer box still
    // shows when this one returns.
    const bool outer_shows = phase_ == LinkPhase::Reporting;
    Finish();
    phase_ = LinkPhase::Reporting;
    if (show) show();
    if (!outer_shows && phase_ == LinkPhase::Reporting) phase_ = LinkPhase::Idle;
}

bool LinkMachine::May_start(Begin how) {
    if (!Running() && !app.Radio_busy()) return true;
    if (how == Begin::User) Msg(link_text::kBusy);
    return false;
}

const char* LinkMachine::T(const link_text::Pair& t) const { return L(app.Lang_chinese, t.chn, t.eng); }

void LinkMachine::Msg(const link_text::Pair& t, const char* eng_title) {
    app.rt.MsgBox(T(t), ui::vbExclamation, L(app.Lang_chinese, link_text::kTitleChn, eng_title));
}

void LinkMachine::Show_port_error() {
    if (row.port_text == PortText::A)
        Msg({link_text::kPortErrorChn, link_text::kPortErrorA}, link_text::kTitleEng);
    else
        Msg({link_text::kPortErrorChn, link_text::kPortErrorB}, link_text::kTitleEngP);
}

// ---- port ----

bool LinkMachine::Open_link_port() {
    ui::SerialPort& MSC = c_.MSC;
    // The port number cannot change under an open port. An exchange still
    // running on it (the identification, when the port dialog picks another
    // port) ends here, so its time-out and retry never act on the new port.
    if (MSC.PortOpen()) Reset();
    // Nothing is waiting to go out on a port that is just opening, so the
    // write window's clearing of the output buffer has nothing to do.
    if (Open_port(app, MSC, app.Comm_port)) return true;
    Show_port_error();
    return false;
}

void LinkMachine::Close_port() {
    if (c_.MSC.PortOpen()) c_.MSC.setPortOpen(false);
}

void LinkMachine::Stop_timers() {
    c_.Timer1.setEnabled(false);
    c_.Timer2.setEnabled(false);
    c_.Timer3.setEnabled(false);
}

void LinkMachine::Reset() {
    Stop_timers();
    Close_port();
    st.Clear_flags();
    Become_idle();
}

// ---- exchange start and send pump ----

LinkMachine::Started LinkMachine::Try_start(bool write, Begin how) {
    if (!May_start(how)) return Started::Refused;
    if (how != Begin::Retry) {
        st.Retries = static_cast<decltype(st.Retries)>(write ? row.write_retries : row.read_retries);
        if (write) Take_write_snapshot();
    }
    // A time-out or pause left over from an earlier attempt must not act on
    // this exchange.
    Stop_timers();
    if (!c_.MSC.PortOpen() && !Open_link_port()) return Started::NoPort;
    st.Link_ok = 0;
    st.Identified = 0;
    st.Block_reading = 0;
    c_.MSC.setInBufferCount(0);
    st.Stage = 0;
    for (size_t i = 0; i < Cmd_program.size(); ++i) st.Send_frame[i] = app.Program_cmd[i];
    st.Send_len = static_cast<int16_t>(Cmd_program.size());
    st.Block_no = 0;
    if (write) {
        st.Write_mode = -1;
        st.Records_total = row.records_total;
    } else {
        st.Write_mode = 0;
        st.Blocks_total = row.blocks_total;
    }
    int base = write ? row.write_base : row.read_base;
    if (base < 0) base = 0;
    base_addr_ = base & 0xFF00;
    app.Addr_high = static_cast<uint8_t>((base >> 8) & 0xFF);
    app.Addr_low = 0;
    st.Write_busy = write ? -1 : 0;
    st.Read_busy = write ? 0 : -1;
    phase_ = row.ident_only ? LinkPhase::Identifying : LinkPhase::Connecting;
    Arm_send_pump();
    return Started::Running;
}

void LinkMachine::Arm_send_pump() {
    st.Block_reading = 0;
    st.Frame_sent = 0;
    st.Send_pos = 0;
    c_.Timer1.setInterval(kPumpMs);
    c_.Timer1.setEnabled(true);
}

void LinkMachine::Timer1_Timer() {
    ui::SerialPort& MSC = c_.MSC;
    // The radio speaks only when asked, so whatever waits as a frame starts
    // is left over from the previous reply (the byte behind the password
    // record, bytes trailing a reply): it must not shift the next reply,
    // also what the port layer holds and has not handed over yet.
    if (st.Send_pos == 0) MSC.Flush_input();
    if (row.one_byte_pump) {
        c_.Timer1.setInterval(row.pump_next_ms);
        if (st.Send_pos < st.Send_len) {
            MSC.Output({st.Send_frame[static_cast<size_t>(st.Send_pos)]});
            c_.Timer2.setInterval(row.pump_byte_timeout_ms);
            c_.Timer2.setEnabled(true);
            ++st.Send_pos;
        }
        if (st.Send_pos >= st.Send_len) Frame_handed_over();
        return;
    }
    for (;;) {
        c_.Timer1.setInterval(kReplyTimeoutMs);
        if (st.Send_pos >= st.Send_len) {
            Frame_handed_over();
            return;
        }
        MSC.Output({st.Send_frame[static_cast<size_t>(st.Send_pos)]});
        st.Link_ok = 0;
        c_.Timer2.setInterval(kByteTimeoutMs);
        c_.Timer2.setEnabled(true);
        ++st.Send_pos;
    }
}

void LinkMachine::Frame_handed_over() {
    c_.Timer2.setInterval(kReplyTimeoutMs);
    c_.Timer2.setEnabled(true);
    c_.Timer1.setEnabled(false);
    st.Frame_sent = -1;
    c_.MSC.setInBufferCount(0);
}

bool LinkMachine::Frame_delivered() const { return st.Frame_sent != 0 && c_.MSC.OutBufferCount() == 0; }

// ---- time-out and retry ----

void LinkMachine::Timer2_Timer() {
    st.Link_ok = 0;
    c_.Timer1.setEnabled(false);
    // The time-out fires once per attempt; the pause counts from it.
    c_.Timer2.setEnabled(false);
    c_.Timer3.setInterval(row.pause_ms);
    c_.Timer3.setEnabled(true);
    Close_port();
    st.Write_busy = 0;
    st.Read_busy = 0;
    phase_ = LinkPhase::Pause;
}

void LinkMachine::Timer3_Timer() {
    // The pause is over: the retry starts as any exchange does, or the
    // failure is reported.
    Stop_timers();
    phase_ = LinkPhase::Idle;
    if (st.Retries < 1) {
        Report_failure();
        return;
    }
    --st.Retries;
    // The port is gone (its message has shown): the exchange did not
    // complete, and the window says so; the identification ends with the
    // port message alone, the status bar as it was. A retry refused because
    // another exchange holds the radio ends quietly (that exchange
    // identifies the radio itself).
    if (Try_start(st.Write_mode != 0, Begin::Retry) == Started::NoPort && !row.ident_only) Report_failure();
}

void LinkMachine::Report_failure() {
    End([this] {
        if (On_failure)
            On_failure();
        else
            Default_failure();
    });
}

void LinkMachine::Default_failure() {
    Msg(link_text::kFailConnect);
    if (c_.ProgressBar1) c_.ProgressBar1->setValue(0);
    if (c_.Label_tr_count) c_.Label_tr_count->setCaption(T(link_text::kCommFault));
}

// ---- receive ----

void LinkMachine::Take_bytes(uint8_t* out, int n) {
    ui::SerialPort& MSC = c_.MSC;
    for (int i = 0; i < n; ++i) {
        std::vector<uint8_t> b = MSC.Input();
        out[i] = b.empty() ? 0 : b[0];
    }
    MSC.setInBufferCount(0);
}

std::vector<uint8_t> LinkMachine::Peek_input() const {
    const ui::SerialPort& MSC = c_.MSC;
    std::vector<uint8_t> in(static_cast<size_t>(MSC.InBufferCount()));
    for (size_t i = 0; i < in.size(); ++i) in[i] = MSC.InBufferByte(static_cast<int>(i));
    return in;
}

void LinkMachine::Drop_bytes(int n) {
    for (int i = 0; i < n; ++i) c_.MSC.Input();
}

FrameHead LinkMachine::Read_request() const {
    const size_t at = st.Send_frame[0] == frame::Ack ? 2 : 1;
    return {st.Send_frame[at], st.Send_frame[at + 1], st.Send_frame[at + 2]};
}

bool LinkMachine::Take_read_reply(std::array<uint8_t, frame::kReadReplyLen>& reply) {
    if (c_.MSC.InBufferCount() < frame::kReadReplyLen) return false;
    const std::vector<uint8_t> in = Peek_input();
    const FrameHead head = Read_request();
    const int strays = Read_reply_strays(in.data(), static_cast<int>(in.size()), head);
    if (static_cast<int>(in.size()) - strays < frame::kReadReplyLen) return false;
    Drop_bytes(strays);
    Take_bytes(reply.data(), frame::kReadReplyLen);
    return Read_reply_answers(reply.data(), head);
}

void LinkMachine::MSC_OnComm() {
    ui::SerialPort& MSC = c_.MSC;
    if (MSC.CommEvent() != ui::SerialPort::comEvReceive) return;
    // The radio answers a frame only once it has all of it, so a byte that
    // arrives before the frame has left the port belongs to an earlier
    // reply (its late last byte, or junk behind it): it is dropped here, so
    // it can neither shift the answer nor pass for its Ack.
    if (!Frame_delivered()) {
        MSC.setInBufferCount(0);
        return;
    }
    if (st.Identified != 0) {
        if (row.ident_only) return;
        if (st.Write_mode != 0)
            Data_phase.Write_reply ? Data_phase.Write_reply() : Write_phase();
        else
            Data_phase.Read_reply ? Data_phase.Read_reply() : Read_phase();
        return;
    }
    int need = st.Stage == 0 ? frame::kIdentLen : frame::kPassWordTaken;
    if (MSC.InBufferCount() < need) return;
    const std::vector<uint8_t> in = Peek_input();
    int strays = 0;
    if (st.Stage == 0) {
        // Bytes in front of the identification (left over from an earlier
        // reply) are dropped; the reply itself is judged as received.
        strays = Ident_reply_strays(in.data(), static_cast<int>(in.size()), app.Radio_ident);
    } else {
        // The password reply is judged whole: its last byte (the 21st behind
        // the Ack) may come well after the rest through a slow adapter, and
        // left behind it would land in front of the first data reply. Bytes
        // in front of its mark are taken with it.
        need = PassWord_reply_len(in.data());
    }
    if (MSC.InBufferCount() < strays + need) return;  // the reply time-out ends the wait
    Drop_bytes(strays);
    Take_bytes(st.Rx_buf.data(), need);
    if (st.Stage == 0)
        Ident_stage();
    else
        PassWord_stage(need);
}

void LinkMachine::Send_ack() { c_.MSC.Output({frame::Ack}); }

void LinkMachine::Apply_ident(const IdentInfo& in) {
    MainWindow& bar = app.main_window;
    app.Band_A_low = in.band_a_low;
    app.Band_A_high = in.band_a_high;
    app.Band_B_low = in.band_b_low;
    app.Band_B_high = in.band_b_high;
    bar.setPanelText(8, in.band_a);
    bar.setPanelText(10, in.band_b);
    app.Limit_A_low = app.Band_A_low;
    app.Limit_A_high = app.Band_A_high;
    app.Limit_B_low = app.Band_B_low;
    app.Limit_B_high = app.Band_B_high;
    bar.setPanelText(2, in.model);
    bar.setPanelText(4, in.serial);
    bar.setPanelText(6, in.version);
    // The windows that show the limits follow them.
    app.Limits_changed();
}

void LinkMachine::Ident_stage() {
    const uint8_t* rx = st.Rx_buf.data();
    // Another reply is dropped; the time-out and retry follow.
    if (!Ident_accepted(rx, app.Radio_ident)) return;
    if (row.ident_only) {
        Mark_identified();
        Apply_ident(Ident_decode(rx));
        if (On_identified) On_identified();
        // The identification ends here, idle like every other exchange.
        Finish();
        return;
    }
    if (row.ack_after_ident) {
        Send_ack();
        app.rt.loop().busy_wait();
    }
    if (!row.password_stage) {
        // No password to check: the data follow the identification at once.
        Apply_ident(Ident_decode(rx));
        Begin_data();
        return;
    }
    Apply_ident(Ident_decode(rx));
    st.Stage = 1;
    Set_frame(Cmd_read(area::kPassWordAddr, kRecordBytes));
    st.Block_no = 0;
    Arm_send_pump();
    c_.MSC.setInBufferCount(0);
}

void LinkMachine::PassWord_stage(int taken) {
    if (row.ack_after_password) {
        Send_ack();
        app.rt.loop().busy_wait();
    }
    const uint8_t* rx = st.Rx_buf.data();
    // Its mark is the 'X' followed by the record's address and length: one
    // whose header a stray byte has split would hand over the record
    // shifted, and is dropped (time-out follows) as a late mark is.
    const FrameHead record_head = Frame_head(area::kPassWordAddr, kRecordBytes);
    const int k = Find_frame_mark(rx, taken, frame::kPassWordMarkLimit - 1, record_head);
    if (k < 0) return;
    // The record follows the 4-byte header; the reply was taken whole, so
    // all 16 of its bytes are in.
    const int received = std::min(kRecordBytes, taken - (k + 4));
    app.PassWord_radio.fill(0);
    for (int i = 0; i < received; ++i) app.PassWord_radio[static_cast<size_t>(i)] = rx[k + 4 + i];
    if (!PassWord_passes(app.PassWord_radio.data(), received, app.PassWord_typed.data())) {
        End([this] { Msg(link_text::kPassWordError, link_text::kTitleEngP); });
        return;
    }
    Begin_data();
}

void LinkMachine::Mark_identified() {
    st.Identified = -1;
    c_.Timer2.setEnabled(false);
    c_.Timer3.setEnabled(false);
}

void LinkMachine::Begin_data() {
    Mark_identified();
    phase_ = LinkPhase::Data;
    st.Link_ok = -1;
    if (st.Write_mode != 0)
        Data_phase.Begin_write ? Data_phase.Begin_write() : Begin_write_data();
    else
        Data_phase.Begin_read ? Data_phase.Begin_read() : Begin_read_data();
}

// ---- data phase ----

void LinkMachine::Set_frame(const std::vector<uint8_t>& bytes) {
    size_t n = std::min(bytes.size(), st.Send_frame.size());
    std::copy_n(bytes.begin(), n, st.Send_frame.begin());
    st.Send_len = static_cast<int16_t>(n);
}

const uint8_t* LinkMachine::Image_row(int rec) const {
    const MemImage& img = sent_image_ ? *sent_image_ : app.Mem_image;
    return img.record(std::clamp(rec, 0, kImageRecords - 1)).data();
}

void LinkMachine::Take_write_snapshot() {
    sent_image_ = std::make_unique<MemImage>(app.Mem_image);
    sent_records_.clear();
    if (Data_phase.Write_record)
        for (int c = 0; c <= row.records_total; ++c) sent_records_.push_back(Data_phase.Write_record(c));
}

std::array<uint8_t, kRecordBytes> LinkMachine::Record_to_write(int c) const {
    if (Data_phase.Write_record)
        return c >= 0 && c < static_cast<int>(sent_records_.size()) ? sent_records_[static_cast<size_t>(c)]
                                                                     : Data_phase.Write_record(c);
    std::array<uint8_t, kRecordBytes> rec{};
    const int base = base_addr_;
    const uint8_t* row = Image_row(base / kRecordBytes + c);
    std::copy(row, row + kRecordBytes, rec.begin());
    return rec;
}

void LinkMachine::Show_progress(int percent, const std::string& label) {
    if (c_.ProgressBar1) {
        c_.ProgressBar1->setVisible(true);
        c_.ProgressBar1->setValue(percent);
    }
    if (c_.Label_tr_count) c_.Label_tr_count->setCaption(label);
}

void LinkMachine::Finish() {
    Close_port();
    Stop_timers();
    st.Write_busy = 0;
    st.Read_busy = 0;
    Become_idle();
}

void LinkMachine::Begin_read_data() {
    const int base = base_addr_;
    std::vector<uint8_t> f = Cmd_read(base, frame::kBlockBytes);
    if (row.first_read_ack) f.insert(f.begin(), frame::Ack);
    Set_frame(f);
    st.Block_no = row.first_block_no;
    Arm_send_pump();
    c_.MSC.setInBufferCount(0);
}

void LinkMachine::Begin_write_data() {
    const int base = base_addr_;
    Set_frame(Write_frame(base, Record_to_write(0).data(), false));
    st.Block_no = 1;
    Arm_send_pump();
}

void LinkMachine::Read_phase() {
    std::array<uint8_t, frame::kReadReplyLen> reply{};
    // A reply whose data would not lie inside the 69 bytes, or whose header
    // is not the request's, counts as no reply: not acknowledged, and the
    // time-out follows.
    if (!Take_read_reply(reply)) return;
    const int c = st.Block_no;
    if (c < 0 || c >= static_cast<int>(app.Read_blocks.size())) return;  // rows 0..256 only
    c_.Timer2.setEnabled(false);
    st.Block_reading = -1;
    auto& dst = app.Read_blocks[static_cast<size_t>(c)];
    dst.fill(0);
    std::copy(reply.begin(), reply.end(), dst.begin());
    Send_ack();
    if (c > st.Blocks_total) {
        Read_done();
        return;
    }
    const int addr = base_addr_ + (c - 1) * frame::kBlockBytes;
    Set_frame(Cmd_read(addr, frame::kBlockBytes));
    Arm_send_pump();
    ++st.Block_no;
    const int n = row.read_progress_before_increase ? c : st.Block_no;
    if (On_read_progress) {
        On_read_progress(n);
    } else {
        Show_progress(n * 100 / (st.Blocks_total + 1),
                      L(app.Lang_chinese, "正在读取 ", "Reading ") + std::to_string(n) +
                          L(app.Lang_chinese, " 数据块", " Data Block"));
    }
}

void LinkMachine::Write_phase() {
    // Every byte is looked at by itself; only an Ack after the whole frame
    // has gone out counts.
    std::vector<uint8_t> in = c_.MSC.Input();
    if (in.empty() || in[0] != frame::Ack) return;
    c_.Timer2.setEnabled(false);
    const int c = st.Block_no;
    if (c >= st.Records_total) {
        Write_done();
        return;
    }
    if (On_write_progress) {
        On_write_progress(c);
    } else {
        const int n = c - row.write_label_less;
        Show_progress(c * 100 / st.Records_total, L(app.Lang_chinese, "正在写入  ", "Writing  ") +
                                                      std::to_string(n) +
                                                      L(app.Lang_chinese, "  数据块", "  Data Block"));
    }
    const int base = base_addr_;
    Set_frame(Write_frame(base + c * kRecordBytes, Record_to_write(c).data(), true));
    ++st.Block_no;
    Arm_send_pump();
}

// ---- buttons ----

bool LinkMachine::Read_button() { return Start_button(false); }

bool LinkMachine::Write_button() { return Start_button(true); }

// A Read or Write button: the exchange starts (refused while this or
// another exchange runs; a write from the copy it takes now) and, once its
// port is open, the progress shows.
bool LinkMachine::Start_button(bool write) {
    if (!Start(write, Begin::User)) return false;
    Show_progress(0, T(link_text::kConnecting));
    return true;
}

bool Refuse_while_exchange_runs(App& app) {
    if (!app.Exchange_runs()) return false;
    app.rt.MsgBox(L(app.Lang_chinese, link_text::kBusy.chn, link_text::kBusy.eng), ui::vbExclamation,
                  L(app.Lang_chinese, link_text::kTitleChn, link_text::kTitleEng));
    return true;
}

bool Refuse_while_write_runs(App& app) {
    if (!app.Write_runs()) return false;
    app.rt.MsgBox(L(app.Lang_chinese, link_text::kBusy.chn, link_text::kBusy.eng), ui::vbExclamation,
                  L(app.Lang_chinese, link_text::kTitleChn, link_text::kTitleEng));
    return true;
}

// ---- port ----

bool Open_port(App& app, ui::SerialPort& MSC, int comm_port) {
    app.Comm_port_err = 0;
    Set_link_port(MSC, comm_port);
    const bool opened = MSC.setPortOpen(true);
    if (!opened) app.Comm_port_err = -1;
    return opened;
}

void Set_link_port(ui::SerialPort& MSC, int comm_port) {
    MSC.setCommPort(comm_port);
    MSC.setSettings(kLinkSettings);
    MSC.setInBufferSize(1024);
    MSC.setInputLen(1);
    MSC.setRThreshold(1);
    MSC.setInputMode(1);
    MSC.setInBufferCount(0);
}

// ---- password box ----

void Store_typed_password(App& app, const std::string& text) {
    const auto slots = ui::Password_slots(text);
    for (int i = 0; i < ui::kPasswordLength; ++i) app.PassWord_typed[static_cast<size_t>(i)] = slots[static_cast<size_t>(i)];
}

}  // namespace bx
