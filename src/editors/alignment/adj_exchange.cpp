#include "editors/alignment/adj_exchange.h"

#include "appstate/app.h"
#include "link/reply_unpack.h"

namespace bx {

namespace {

constexpr int kFirstReplyRow = 2;

// The marker goes out first; the plain record write answers its Ack with
// record 0, and so on, with the records taken from Adj_table.
void begin_write(LinkMachine& m) {
    const auto marker = Adj_marker();
    m.Set_frame({marker.begin(), marker.end()});
    m.st.Block_no = 0;
    m.Arm_send_pump();
}

std::array<uint8_t, kRecordBytes> table_record(const App& app, int c) {
    std::array<uint8_t, kRecordBytes> rec{};
    if (c < 0 || c >= kAdjRecords) return rec;
    // Every path into the table keeps its cells within 0..255.
    for (int r = 0; r < kAdjCells; ++r) rec[static_cast<size_t>(r)] = static_cast<uint8_t>(app.Adj_table(c, r));
    return rec;
}

}  // namespace

void Use_adj_exchange(LinkMachine& m) {
    m.Data_phase.Begin_write = [&m] { begin_write(m); };
    m.Data_phase.Write_record = [&m](int c) { return table_record(m.app, c); };
    m.On_failure = [&m] { m.app.main_window.setPanelText(2, m.T(adj_text::kFault)); };
    m.On_read_complete = [&m, window = std::move(m.On_read_complete)] {
        if (window) window();
        m.Show_progress(100, m.T(adj_text::kReadLabel));
        m.Msg(adj_text::kReadDone, link_text::kTitleEngP);
    };
    m.On_write_complete = [&m, window = std::move(m.On_write_complete)] {
        if (window) window();
        m.Msg(adj_text::kWriteDone, link_text::kTitleEngP);
        if (m.c().Label_tr_count) m.c().Label_tr_count->setCaption(m.T(adj_text::kWriteLabel));
    };
}

void Unpack_adj_reply(App& app) {
    const int last = kFirstReplyRow + kAdjRecords / frame::kBlockRecords - 1;
    For_each_reply_record(app.Read_blocks, kFirstReplyRow, last, [&app](int k, const uint8_t* rec) {
        if (k >= kAdjRecords) return;
        for (int r = 0; r < kAdjCells; ++r) app.Adj_table(k, r) = rec[r];
    });
}

}  // namespace bx
