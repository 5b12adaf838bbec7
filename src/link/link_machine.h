// The serial exchange machine that every window talking to the radio runs:
// program-mode request, identification reply, password record, then 64-byte
// block reads or 16-byte record writes, with the send pump (Timer1), the
// reply time-out (Timer2) and the pause before a retry (Timer3).
//
// A window owns one LinkMachine, built over its own serial port, timers,
// progress bar and status label, with its row of Link_params. The window's
// handlers forward to the machine's operations; what the window does at the
// end of a read or write, or when it gives up, it hands in as hooks. A
// window whose data phase differs (the channel editor pairs its records;
// the alignment write sends a marker frame first) hands in its own through
// Data_phase, built on the helpers below; LinkWindow (link_window.h) holds
// the machine and its controls for a window.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/frames.h"
#include "link/link_params.h"
#include "model/mem_image.h"
#include "ui/controls.h"

namespace bx {

class App;

// The per-window state of the machine. Flags hold -1 (set) or 0 (clear).
// Whether the exchange runs, and where it stands, is not read from them but
// from LinkMachine::Phase.
struct Link_state {
    std::array<uint8_t, 201> Send_frame{};
    int16_t Send_len = 0;
    int16_t Send_pos = 0;
    std::array<uint8_t, 2001> Rx_buf{};
    int16_t Link_ok = 0;
    int16_t Write_mode = 0;
    int16_t Identified = 0;
    int16_t Block_reading = 0;
    int16_t Frame_sent = 0;
    int16_t Write_busy = 0;
    int16_t Read_busy = 0;
    int16_t Block_no = 0;
    int16_t Blocks_total = 0;
    int16_t Records_total = 0;
    int16_t Retries = 0;
    int16_t Stage = 0;

    // The seven flags cleared.
    void Clear_flags() {
        Link_ok = Write_mode = Identified = Block_reading = Frame_sent = Write_busy = Read_busy = 0;
    }
    bool Busy() const { return Write_busy != 0 || Read_busy != 0; }
};

// Texts every link window shows, Chinese and English.
namespace link_text {
struct Pair {
    const char* chn;
    const char* eng;
};
inline constexpr const char* kTitleChn = "操作提示";
inline constexpr const char* kTitleEng = "Operate prompt";
inline constexpr const char* kTitleEngP = "Operate Prompt";
inline constexpr Pair kBusy{"正在与对讲机进行读写操作 ！", "Read-write operating with transceiver ."};
inline constexpr Pair kNoClose{"正在进行读写操作,请勿关窗口 ！,", "Read-write operating，don't close the window. ,"};
inline constexpr Pair kConnecting{"正在与对讲机联络 ！", "Connecting with transceiver. "};
inline constexpr const char* kPortErrorChn = "通讯端口打开错误，请正确设置通讯端口 ！";
inline constexpr const char* kPortErrorA =
    "Communication port is error, please setting right communication port . ！";
inline constexpr const char* kPortErrorB = "Communication Port Open Error ！";
inline constexpr Pair kPassWordError{"读写数据命令字错误，禁止读出", "PassWord Error, Reading Stop"};
inline constexpr Pair kFailConnect{"与对讲机联络失败 ！", "Fail connect with transceiver."};
inline constexpr Pair kCommFault{"与对讲机通讯故障 ！", "Communication fault."};
}  // namespace link_text

// Where a window's exchange stands. Every "does it run" asks this
// (LinkMachine::Running, and through it App::Radio_busy and the rest).
enum class LinkPhase : uint8_t {
    Idle,
    // The identification holds the radio: while the start-up scan looks for
    // its port (LinkMachine::Hold), then from its request until the reply is
    // accepted.
    Identifying,
    // A read or write from its start until the radio is identified and its
    // password record passed: program-mode request, identification reply,
    // password record.
    Connecting,
    // The data phase: blocks read or records written.
    Data,
    // After a reply time-out, until the retry or the failure report.
    Pause,
    // The exchange's report (its completion, failure or refusal box) shows.
    Reporting,
};

class LinkMachine {
public:
    struct Controls {
        ui::SerialPort& MSC;
        ui::Timer& Timer1;
        ui::Timer& Timer2;
        ui::Timer& Timer3;
        ui::ProgressBar* ProgressBar1 = nullptr;
        ui::Label* Label_tr_count = nullptr;
    };

    LinkMachine(App& app, const Link_params& row, Controls c);
    virtual ~LinkMachine();
    LinkMachine(const LinkMachine&) = delete;
    LinkMachine& operator=(const LinkMachine&) = delete;

    App& app;
    const Link_params& row;
    Link_state st;
    const Controls& c() const { return c_; }

    // ---- the machine's operations ----
    // Opens the port for the link on Comm_port, showing the row's port-open
    // message when it will not open; returns whether it opened. An exchange
    // still running on the port ends first.
    bool Open_link_port();
    // Who starts an exchange: the user (a Read, Write or Modify button), the
    // program (the identification at start-up and after the port dialog),
    // or the machine's own retry after a pause.
    enum class Begin { User, Program, Retry };
    // The start every exchange passes, its first attempt and each retry.
    // Refused while this or another exchange runs (May_start); otherwise a
    // first attempt takes the row's retries (a write also the copy it will
    // send), and the port opens and the request goes out. Returns whether
    // the exchange runs now (false: refused, or the port did not open and
    // its message has shown).
    bool Start(bool write, Begin how) { return Try_start(write, how) == Started::Running; }
    void Arm_send_pump();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void MSC_OnComm();

    // What every Read or Write button does once it is past its own checks:
    // the busy refusal, or the retry count, the exchange start and, when the
    // port opened, the progress bar at 0 and the connecting text. Returns
    // whether an exchange started.
    bool Read_button();
    bool Write_button();
    // The whole frame has left the port (handed over and out of its output
    // buffer); only bytes arriving after that can answer it.
    bool Frame_delivered() const;

    // The one-exchange rule: whether an exchange may start now, that is
    // neither this one nor any other (the identification included) runs.
    // When it may not, a user's start shows the busy text and the others
    // end quietly. Every start asks it (Start, which every exchange passes);
    // an entry point asks Refuse_if_busy before its own checks.
    bool May_start(Begin how);
    // The busy refusal of a user's start; returns whether it was shown.
    bool Refuse_if_busy() { return !May_start(Begin::User); }
    // Holds the exchange as running before its start (the identification
    // while the start-up scan looks for its port), so no other exchange
    // starts meanwhile. A hold is taken on an idle machine (the scan resets
    // it first) and released before the identification starts.
    void Hold(bool on);

    // Where the exchange stands. A window closed by force (its controls
    // discarded, its timers and port with them) runs nothing, whatever
    // phase it was left in.
    LinkPhase Phase() const;
    // The exchange runs: any phase but Idle, that is from its start until
    // its end has been reported, the pause after a time-out (before the
    // retry or the failure report) and the report's own box included, and
    // while held. Every machine tells the application (App::Radio_busy,
    // App::Exchange_runs). Closing the window, a second exchange and the
    // wholesale commands during a write all go by this.
    bool Running() const { return Phase() != LinkPhase::Idle; }
    // A request of the exchange is out and its reply awaited (connecting or
    // in the data phase): what arrives on the port may be its answer.
    bool Awaiting_reply() const {
        const LinkPhase p = Phase();
        return p == LinkPhase::Connecting || p == LinkPhase::Data;
    }

    // The one way an exchange ends with a report (its completion, failure
    // or refusal box and texts): timers off, busy flags clear, port closed,
    // then show() runs, and the exchange counts as running until it returns.
    void End(const std::function<void()>& show);
    // The read or write is complete: End with the window's hook.
    void Read_done() { End(On_read_complete); }
    void Write_done() { End(On_write_complete); }

    // The base radio address of the exchange, set by its start: every frame
    // of the exchange is built from it, whatever another exchange starts
    // meanwhile.
    int Base_addr() const { return base_addr_; }

    // A window's load and unload: the three machine timers stop, the port
    // closes and the seven flags clear, so a reloaded window never starts
    // out busy (idle, but for a report box still showing).
    void Reset();

    // The handshake is done (the radio identified, its password record
    // passed, or none to check): the reply's time-out and pause stop and
    // the data phase begins with the window's Data_phase.Begin_read (or
    // Begin_write), the plain block read (record write) when unset.
    void Begin_data();

    // ---- hooks the window hands in ----
    // The read is complete (timers off, busy flags clear, port closed): the
    // window unpacks Read_blocks and shows its completion texts.
    std::function<void()> On_read_complete;
    // The write is complete (port closed, timers off, busy flags clear).
    std::function<void()> On_write_complete;
    // The retries are used up. Unset: the editors' failure texts.
    std::function<void()> On_failure;
    // An identification-only exchange accepted the reply.
    std::function<void()> On_identified;
    // Progress while reading (block number shown) or writing (record
    // counter c). Unset: the default texts.
    std::function<void(int n)> On_read_progress;
    std::function<void(int c)> On_write_progress;

    // The port-open message of the row, with its title.
    void Show_port_error();
    // A message box with the exclamation icon and the title of the language.
    void Msg(const link_text::Pair& t, const char* eng_title = link_text::kTitleEng);
    // Text of the language now chosen.
    const char* T(const link_text::Pair& t) const;

    // ---- the data phase ----
    // Runs once the password check has passed. Each hook left unset is the
    // plain block read or record write below; a window sets the ones its
    // data phase does differently, and may call the plain ones from them.
    struct DataPhase {
        // The first request of the read (or write) data phase.
        std::function<void()> Begin_read, Begin_write;
        // A receive event in the read (or write) data phase.
        std::function<void()> Read_reply, Write_reply;
        // The 16 bytes of write record c (counted from the write base). They
        // are all taken when the write starts (Write_button) and every frame
        // is built from that copy. Unset: the image's record.
        std::function<std::array<uint8_t, kRecordBytes>(int c)> Write_record;
    };
    DataPhase Data_phase;

    // The plain data phase: 64-byte block reads from the row's read base
    // into Read_blocks, 16-byte record writes of the image from its write
    // base.
    void Begin_read_data();
    void Begin_write_data();
    void Read_phase();
    void Write_phase();

    // Helpers for the data phase.
    void Set_frame(const std::vector<uint8_t>& bytes);
    void Send_ack();
    // Takes n bytes off the input buffer into out and discards what else
    // waits.
    void Take_bytes(uint8_t* out, int n);
    // The reply to the read request just sent (the frame in Send_frame),
    // once all of it is in: bytes in front of it that belong to no reply of
    // this request dropped (Read_reply_strays), its 69 bytes taken into
    // reply and what else waits discarded. Returns true when a reply was
    // taken that may be stored (Read_reply_answers); false while it is not
    // all in, and for a reply that counts as none (the time-out follows).
    bool Take_read_reply(std::array<uint8_t, frame::kReadReplyLen>& reply);
    // Address and length of the read request in Send_frame.
    FrameHead Read_request() const;
    // The bytes waiting in the input buffer, left there; dropping the first
    // n of them.
    std::vector<uint8_t> Peek_input() const;
    void Drop_bytes(int n);
    // Timers off, busy flags clear, port closed: idle (but for a report box
    // still showing).
    void Finish();
    // Image record rec as the write sends it: from the copy of the image
    // taken when the write started, so nothing done to the image while it
    // runs reaches the radio; the image itself when no write has started.
    const uint8_t* Image_row(int rec) const;
    // Write record c of the exchange (Data_phase.Write_record, or the image).
    std::array<uint8_t, kRecordBytes> Record_to_write(int c) const;
    void Show_progress(int percent, const std::string& label);

protected:
    Controls c_;

private:
    int base_addr_ = 0;
    int exchange_id_ = 0;
    LinkPhase phase_ = LinkPhase::Idle;
    // What a start came to: the exchange runs, another one (or this one)
    // holds the radio, or the port did not open (its message has shown).
    enum class Started { Running, Refused, NoPort };
    Started Try_start(bool write, Begin how);
    // Leaves the phase for Idle, unless a report box still shows: the
    // exchange runs until End has shown it.
    void Become_idle();
    // What the write started last sends: the image and the window's own
    // records (Data_phase.Write_record) as they stood at its start.
    std::unique_ptr<MemImage> sent_image_;
    std::vector<std::array<uint8_t, kRecordBytes>> sent_records_;
    bool Start_button(bool write);
    // Takes the copy the write will send.
    void Take_write_snapshot();
    // The retries are used up, or a retry found its port gone: the
    // window's failure report.
    void Report_failure();
    void Stop_timers();
    void Close_port();
    // The pump has handed the frame's last byte to the port: the reply
    // time-out runs from here, and nothing received so far can be an answer.
    void Frame_handed_over();
    void Ident_stage();
    // The password reply, taken whole (`taken` bytes in Rx_buf), judged.
    void PassWord_stage(int taken);
    // The reply is accepted: Identified set, its time-out and pause stopped.
    void Mark_identified();
    void Apply_ident(const IdentInfo& in);
    void Default_failure();
};

// The password box's change: the typed text, trimmed, into PassWord_typed
// slots 0..5 (blank-padded; characters beyond the sixth are left out).
void Store_typed_password(App& app, const std::string& text);

// The busy refusal of a command that must not act while a read or write of
// the radio's memory runs (the main window's Open, the data-file load, the
// port dialog's OK and Cancel): shows "Read-write operating with
// transceiver ." and returns true when one runs. An exchange start asks
// LinkMachine::May_start instead.
bool Refuse_while_exchange_runs(App& app);
// The same refusal while a write runs (the editors' Default and Clear,
// which rewrite an area wholesale).
bool Refuse_while_write_runs(App& app);

// Sets a port up for the link (port number, line settings, one byte per
// Input, a receive event per byte, binary) and empties its input; opening
// it is the caller's.
void Set_link_port(ui::SerialPort& MSC, int comm_port);
// Sets the port up for the link and opens it, showing nothing; returns
// whether it opened. Every port open of the program goes through it, and
// it keeps the program-wide record of the last one (App::Comm_port_err).
bool Open_port(App& app, ui::SerialPort& MSC, int comm_port);

}  // namespace bx
