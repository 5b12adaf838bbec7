// The application object: every value the windows share, and the windows
// themselves. main() makes one; every test makes its own, so no two tests
// share a memory image.
//
// Declared here, below the window layers, so that every window reaches it;
// its operations are in app.cpp beside this header. Its constructor and
// destructor are the composition root, at the top of the layers where every
// window class is known: src/app/composition_root.cpp (and the editors'
// list, src/app/editor_windows.cpp).
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "appstate/data_area.h"
#include "appstate/editor_ids.h"
#include "appstate/main_window.h"
#include "model/adj_table.h"
#include "model/code_tables.h"
#include "model/freq_codec.h"
#include "model/lang.h"
#include "model/mem_image.h"
#include "model/option_offsets.h"
#include "ui/runtime.h"

namespace ui {
class Form;
}

namespace bx {

class MDImain;
class Form_open_chann;
class Form_save_chann;
class Form_open_adj;
class Form_save_adj;
class Form_open_sig;
class Form_save_sig;
class Form_open_menu;
class Form_save_menu;
class frmAbout;
class Form_type;
class Form_Comm_Read;
class Form_Comm_Write;
class Form_setup;

// What a window's exchange is doing now, as its probe reports it: the
// identification of the radio (which reads and writes none of its memory),
// a read or a write.
enum class ExchangeRun { None, Identifying, Reading, Writing };

class App {
    // Declared first, so it outlives every window (and the exchange machine
    // of each, which takes its probe out when it goes).
    std::vector<std::pair<int, std::function<ExchangeRun()>>> exchanges_;
    int next_exchange_id_ = 1;

public:
    explicit App(ui::Runtime& rt);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    ui::Runtime& rt;

    // Starts the program: loads the main window, whose load is the start-up.
    void Start();
    // Ends the program: unloads every child window (each with its own unload
    // handling, never refused), then the main window.
    void End();
    bool Ended() const { return ended_; }

    // Every window of the program, the main window first.
    const std::vector<ui::Form*>& forms() const { return forms_; }
    // The window of that name, or nullptr: how a window below the shell
    // reaches a dialog of the shell (the data-file dialogs) without its type.
    ui::Form* Form_named(std::string_view name) const;

    // Bringing up windows: open (load unless loaded), reopen (unload, then
    // load), unload.
    static void Open(ui::Form& f);
    static void Reopen(ui::Form& f);
    static void Unload(ui::Form& f);
    // Unloads f unless its unload handling refuses (a busy editor); returns
    // whether it is unloaded now.
    static bool Try_unload(ui::Form& f);
    // The forced unload of the program's end: the window's unload handling
    // runs (a busy editor warns) and cannot refuse.
    static void Unload_for_end(ui::Form& f);

    // ---- editor windows (see editor_ids.h) ----
    // The window of an editor id; nullptr while that editor is not in the
    // program.
    ui::Form* Window(EditorId id) const { return editors_[static_cast<int>(id)]; }
    // The window as its own class (its header included).
    template <EditorId id>
    typename EditorClass<id>::type* Editor() const {
        return static_cast<typename EditorClass<id>::type*>(Window(id));
    }
    // Puts a window into the program under an id (the program does it for
    // every editor of editor_windows.cpp; tests put stand-ins). A window
    // already under that id is unloaded and replaced.
    void Add_window(EditorId id, std::unique_ptr<ui::Form> f);

    // What the windows below the shell reach of the main window (bound by
    // the main window when it is created).
    MainWindow main_window;

    // ---- radio data model and shell ----
    MemImage Mem_image;
    int16_t Lang_chinese = 0;
    LangTexts Lang_texts;
    std::string Title_eng, Company_eng;
    // The Chinese title and company line; the start-up sets only the English ones.
    std::string Title_chn = "BX-5610 UV 双段系列编程软件";
    std::string Company_chn = "岚山港工业园 德瑞尔电子有限公司";
    std::array<uint8_t, 10> Program_cmd{};
    int16_t Chann_count = 0;
    int16_t Model_index = 0;
    // Validation limits in MHz, as set (the radio's report, the start-up or
    // the model dialog); the checks take them through limits(), which knows
    // that a band of 0-0 is no band.
    double Limit_A_low = 0, Limit_A_high = 0, Limit_B_low = 0, Limit_B_high = 0;

    // ---- data file and file dialogs ----
    // The name confirmed in the last data-file dialog (.dat, .sig, .menu):
    // folder, "/", name.
    std::string Data_file_name;
    // A confirmed alignment file dialog: the file it chose, and for a save
    // the table as it stood at its Confirm. It is the whole request: no
    // other dialog changes what it does.
    struct AdjFileRequest {
        bool save = false;
        std::string path;
        AdjTable table;
    };
    // The requests the alignment editor's poll serves, in the order they
    // were confirmed (editors/alignment/adj_files.h).
    std::deque<AdjFileRequest> Adj_file_requests;
    // Raised by the .sig and .menu file dialogs (-1 confirmed, 0 none).
    int16_t Open_dialog_ok = 0, Save_dialog_ok = 0;

    // ---- code tables (built at start-up) ----
    ToneNameTable Tone_name_table{};
    RadioIdent Radio_ident{};
    ModelTable Model_table;
    // Milliseconds of one count of the radio's tone timer (kToneTickMs).
    double Tone_tick_ms = 0;
    // The limits every range check uses (channel cells, the channel write
    // check, the VFO frequencies).
    ValidationLimits limits() const { return {Limit_A_low, Limit_A_high, Limit_B_low, Limit_B_high}; }

    // ---- factory defaults: options mirror and alignment tables ----
    // The options editor's working copy of the block at 0x0E00 (entries
    // 0..255; all 0 when the program starts).
    OptionSettings Option_settings{};
    // The working alignment table and its factory values.
    AdjTable Adj_table;
    AdjTable Adj_defaults;

    // ---- radio link ----
    int16_t Comm_port = 1;
    // The program-wide record of the last port open anywhere: -1 when it
    // failed, else 0 (link/link_machine.h, Open_port, keeps it). Each open
    // returns its own result, which is what its caller goes by.
    int16_t Comm_port_err = 0;
    // Base radio address of the exchange started last, high byte first.
    // Each exchange builds its frames from the base it started with
    // (LinkMachine::Base_addr), never from these.
    uint8_t Addr_high = 0, Addr_low = 0;
    // Raw 69-byte read replies by block counter (slots 0..68 of a row), and
    // the second buffer of the channel editor's name area.
    using ReadBlocks = std::array<std::array<uint8_t, 71>, 257>;
    ReadBlocks Read_blocks{};
    ReadBlocks Read_blocks_twin{};
    // During the channel editor's data phase: which area the next reply or
    // acknowledged frame belongs to (0 channels, -1 names).
    int16_t Pair_toggle = 0;
    // Character codes of the password last typed into any password box
    // (slots 0..5 compared, blank-padded); all 0 until a box is edited.
    std::array<int32_t, 17> PassWord_typed{};
    // The password record last read from radio address 0x3DF0.
    std::array<uint8_t, 17> PassWord_radio{};
    // Band limits the radio reported at the last accepted identification.
    double Band_A_low = 0, Band_A_high = 0, Band_B_low = 0, Band_B_high = 0;

    // ---- running exchanges ----
    // The exchange machine of every window, the identification's included,
    // puts in a probe telling whether its exchange runs and which way, and
    // takes it out when it goes; Add_exchange returns the id that removes it.
    int Add_exchange(std::function<ExchangeRun()> runs);
    void Remove_exchange(int id);
    // Whether any of them runs, the identification included: the
    // one-exchange rule, which the start of every exchange asks
    // (LinkMachine::May_start).
    bool Radio_busy() const;
    // Whether a read or write of the radio's memory runs (the
    // identification aside): commands that would change the image an
    // exchange fills or re-aim it refuse while one does.
    bool Exchange_runs() const;
    // Whether a write runs: the commands that rewrite an area wholesale
    // (the editors' Default and Clear) refuse while one does.
    bool Write_runs() const;

    // ---- limits-changed notice ----
    // A window that shows the limits (the options editor's range boxes)
    // listens while it is loaded; an accepted identification runs every
    // listener once it has set the limits.
    int Add_limits_listener(std::function<void()> on_changed);
    void Remove_limits_listener(int id);
    void Limits_changed();

    // ---- image-replaced notice ----
    // A window that must redraw at once when the whole image is replaced (a
    // data-file load, the read window's full read) listens while it is
    // loaded: Add_image_listener returns the id that removes it again.
    int Add_image_listener(std::function<void()> on_replaced);
    void Remove_image_listener(int id);
    // Runs every listener, in the order they were added; a listener may
    // remove itself or another one. Marks the whole image replaced
    // (Data_replaced) first.
    void Image_replaced();

    // ---- replaced data (appstate/data_area.h) ----
    // Marks an area replaced wholesale: a full read or a data-file load
    // (Image_replaced, the whole image), an editor's own read (its area),
    // the alignment editor's read or a loaded alignment file (the table).
    void Data_replaced(const DataArea& a);
    // The mark of the last replacement of any record of the area. A commit
    // that shows a message takes it before the message and stores nothing
    // when it has changed after: what it would store was judged on data
    // that is gone.
    uint64_t Data_mark(const DataArea& a) const;

    // ---- windows ----
    std::unique_ptr<bx::MDImain> MDImain;
    std::unique_ptr<bx::Form_open_chann> Form_open_chann;
    std::unique_ptr<bx::Form_save_chann> Form_save_chann;
    std::unique_ptr<bx::Form_open_adj> Form_open_adj;
    std::unique_ptr<bx::Form_save_adj> Form_save_adj;
    std::unique_ptr<bx::Form_open_sig> Form_open_sig;
    std::unique_ptr<bx::Form_save_sig> Form_save_sig;
    std::unique_ptr<bx::Form_open_menu> Form_open_menu;
    std::unique_ptr<bx::Form_save_menu> Form_save_menu;
    std::unique_ptr<bx::frmAbout> frmAbout;
    std::unique_ptr<bx::Form_type> Form_type;
    std::unique_ptr<bx::Form_Comm_Read> Form_Comm_Read;
    std::unique_ptr<bx::Form_Comm_Write> Form_Comm_Write;
    std::unique_ptr<bx::Form_setup> Form_setup;

private:
    void add_form(ui::Form& f) { forms_.push_back(&f); }
    void Make_editor_windows();  // editor_windows.cpp
    std::array<ui::Form*, kEditorCount> editors_{};
    std::vector<std::unique_ptr<ui::Form>> owned_;
    std::vector<std::pair<int, std::function<void()>>> image_listeners_;
    std::vector<std::pair<int, std::function<void()>>> limits_listeners_;
    int next_listener_id_ = 1;
    std::array<uint64_t, kImageRecords> image_marks_{};
    std::array<uint64_t, kAdjRecords> adj_marks_{};
    uint64_t last_mark_ = 0;
    std::vector<ui::Form*> forms_;
    bool ended_ = false;
};

}  // namespace bx
