// The channel editor: the 200 channels of the image in a grid, a pick list
// or a text box laid over a clicked cell, each pick stored at once and each
// typed entry when its cell is left; Open, Save, Default, Clear, Close, and
// its own Read and Write of the channels with their names.
//
// The grid is a display: every row is rebuilt from the channel's records.
// The column table (chann_columns.h) drives the display, the editor placed
// over a cell and the commit of what it holds.
#pragma once

#include <cstdint>
#include <string>

#include "editors/channels/chann_link.h"
#include "editors/editor_window.h"
#include "ui/all.h"
#include "ui/cell_overlay.h"
#include "ui/grid.h"

namespace bx {

class App;

class frm_chann : public EditorWindow {
public:
    explicit frm_chann(App& app);

    ui::Grid MSF_Chann{*this, "MSF_Chann"};
    ui::ComboBox Combo_edit{*this, "Combo_edit"};
    ui::TextBox Text_Edit{*this, "Text_Edit"};
    ui::CommandButton Command_open{*this, "Command_open"};
    ui::CommandButton Command_save{*this, "Command_save"};
    ui::CommandButton Command_def{*this, "Command_def"};
    ui::CommandButton Command_Clear{*this, "Command_Clear"};
    ui::CommandButton Command_close{*this, "Command_close"};


    // Which cell each editor was laid over; a commit acts only there.
    ui::CellOverlay Combo_overlay{*this, "Combo_overlay", MSF_Chann, Combo_edit};
    ui::CellOverlay Text_overlay{*this, "Text_overlay", MSF_Chann, Text_Edit};

    // The cell last placed, picked or left.
    int16_t Edit_row = 0;
    int16_t Edit_col = 0;

    // ---- rows ----
    void Show_chann_row(int row);
    void Set_chann_defaults(int row);
    void Erase_chann(int row);
    void Erase_chann_keep_band(int row);
    // Every channel row from the image (the activation's redraw).
    void Show_all_rows();
    void Place_cell_editor();
    void Unpack_chann_blocks();
    void Show_reply_names();
    void Show_reply_name(int twin_row, int grid_row, int offset);

    // ---- handlers ----
    void Form_GotFocus() { Show_all_rows(); }
    void Form_LostFocus() {}
    void Command_open_Click();
    void Command_save_Click();
    void Command_def_Click();
    void Command_Clear_Click();
    void Command_close_Click();
    void MSF_Chann_Click() { Place_cell_editor(); }
    void MSF_Chann_LeaveCell();
    // Scrolling has dropped the cell editors already (ui/cell_overlay.h).
    void MSF_Chann_Scroll() {}
    void Combo_edit_Change();
    void Combo_edit_KeyPress(int& KeyAscii);
    void Combo_edit_Click();
    void Text_Edit_KeyPress(int& KeyAscii);

protected:
    void Build() override;
    void Form_Load() override;
    void Form_Activate() override {
        EditorWindow::Form_Activate();
        Show_all_rows();
    }
    void Image_replaced() override { Show_all_rows(); }
    bool Write_checks() override;
    void Read_complete() override;
    void Write_complete() override;

private:
    std::string Cell(int r, int c) const { return MSF_Chann.TextMatrix(r, c); }
    void Set_cell(int r, int c, const std::string& t) { MSF_Chann.setTextMatrix(r, c, t); }
    void Place_controls();
    void Fit_columns();
    // The commits of a left cell, by the column's rule.
    // A band picked for row r: a changed band erases the channel; a row
    // whose record is not in use stores no band, so its cell shows empty
    // (and its settings cells open no list) and the list goes.
    void Commit_band(int r, const std::string& picked);
    void Commit_rx(int r, std::string t);
    void Commit_tx(int r, std::string t);
    void Commit_tone(int r, int col, const std::string& c);
    void Commit_name(int r, const std::string& t);
    // Enter in a frequency box; changed: the text was edited or fails the
    // leave's check (otherwise the editing only moves on).
    void Enter_rx(int r, std::string t, bool changed);
    void Enter_tx(int r, std::string t, bool changed);
    // Fills the pick list of column col.
    void Fill_pick_list(int col);
    // Writes list position p of the pick list into row r's channel.
    void Write_pick(int r, int col, int p);
    void Hide_editors();
    void Link_failure();
};

}  // namespace bx

BX_EDITOR_WINDOW(frm_chann);
