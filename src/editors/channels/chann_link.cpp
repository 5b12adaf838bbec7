#include "editors/channels/chann_link.h"

#include <cmath>

#include "appstate/app.h"
#include "editors/channels/chann_columns.h"
#include "link/reply_unpack.h"
#include "model/lang.h"

namespace bx {

using chann_link::kNameOffset;

namespace {


void request_block(LinkMachine& m, int addr) {
    m.Set_frame(Cmd_read(addr, frame::kBlockBytes));
    m.Arm_send_pump();
}

// Every data phase, a retried one's included, starts its pairs with the
// channel area, whatever an earlier exchange left.
void begin_pairs(LinkMachine& m) { m.app.Pair_toggle = 0; }

void begin_read(LinkMachine& m) {
    m.st.Block_no = 1;
    request_block(m, m.Base_addr());
    m.c().MSC.setInBufferCount(0);
    begin_pairs(m);
}

// A reply in: stored as the channel block or as the name block of the pair,
// acknowledged, and the next block of the pair (or of the next pair)
// requested.
void read_reply(LinkMachine& m) {
    App& app = m.app;
    std::array<uint8_t, frame::kReadReplyLen> reply{};
    // A reply whose data would not lie inside the 69 bytes, or whose header
    // is not the request's, counts as no reply: not acknowledged, and the
    // time-out follows.
    if (!m.Take_read_reply(reply)) return;
    const int c = m.st.Block_no;
    App::ReadBlocks& rows = app.Pair_toggle == 0 ? app.Read_blocks : app.Read_blocks_twin;
    if (c < 0 || c >= static_cast<int>(rows.size())) return;
    m.c().Timer2.setEnabled(false);
    m.st.Block_reading = -1;
    auto& dst = rows[static_cast<size_t>(c)];
    dst.fill(0);
    std::copy(reply.begin(), reply.end(), dst.begin());
    m.Send_ack();

    if (app.Pair_toggle == 0) {
        request_block(m, m.Base_addr() + kNameOffset + frame::kBlockBytes * (c - 1));
        ++m.st.Block_no;
        app.Pair_toggle = -1;
    } else {
        app.Pair_toggle = 0;
        if (m.st.Block_no > m.st.Blocks_total) {
            m.Read_done();
            return;
        }
        request_block(m, m.Base_addr() + frame::kBlockBytes * (c - 1));
    }
    const int n = m.st.Block_no;
    m.Show_progress(n * 100 / (m.st.Blocks_total + 1), L(app.Lang_chinese, "正在读取 ", "Reading ") +
                                                           std::to_string(n) +
                                                           L(app.Lang_chinese, " 数据块", " Data Block"));
}

void begin_write(LinkMachine& m) {
    const int base = m.Base_addr();
    m.Set_frame(Write_frame(base, m.Image_row(base / kRecordBytes), false));
    m.st.Block_no = 0;
    begin_pairs(m);
    m.Arm_send_pump();
}

// An Ack in: the name record of the channel record just written, or the
// next pair's channel record.
void write_reply(LinkMachine& m) {
    App& app = m.app;
    std::vector<uint8_t> in = m.c().MSC.Input();
    if (in.empty() || in[0] != frame::Ack) return;
    m.c().Timer2.setEnabled(false);
    const int base = m.Base_addr();
    const int c = m.st.Block_no;
    if (app.Pair_toggle == 0) {
        const int addr = base + kNameOffset + kRecordBytes * c;
        m.Set_frame(Write_frame(addr, m.Image_row(addr / kRecordBytes), true));
        ++m.st.Block_no;
        m.Arm_send_pump();
        app.Pair_toggle = -1;
        return;
    }
    app.Pair_toggle = 0;
    if (c > m.st.Records_total) {
        m.Write_done();
        return;
    }
    m.Show_progress(c * 100 / m.st.Records_total, L(app.Lang_chinese, "正在写入  ", "Writeing  ") +
                                                      std::to_string(c - 1) +
                                                      L(app.Lang_chinese, "  信道", "  Channel"));
    const int addr = base + kRecordBytes * c;
    m.Set_frame(Write_frame(addr, m.Image_row(addr / kRecordBytes), true));
    m.Arm_send_pump();
}

}  // namespace

void Use_chann_data_phase(LinkMachine& m) {
    m.Data_phase.Begin_read = [&m] { begin_read(m); };
    m.Data_phase.Read_reply = [&m] { read_reply(m); };
    m.Data_phase.Begin_write = [&m] { begin_write(m); };
    m.Data_phase.Write_reply = [&m] { write_reply(m); };
}

void Unpack_chann_replies(const App& app, MemImage& img, int chann_count) {
    const int rows = (chann_count + 3) / 4;
    auto into = [&](const Field& f) {
        return [&img, &f, chann_count](int k, const uint8_t* rec) {
            if (k < chann_count) f.put(img, k, std::span<const uint8_t>(rec, kRecordBytes));
        };
    };
    For_each_reply_record(app.Read_blocks, 1, rows, into(chann_field::Record));
    For_each_reply_record(app.Read_blocks_twin, 2, rows + 1, into(chann_field::Name_record));
}

std::string Reply_name_text(const uint8_t* six) {
    std::string t;
    if (six[0] == 0xFF) return t;
    for (int j = 0; j < 6; ++j) {
        const uint8_t b = six[j];
        if (b <= 9)
            t += static_cast<char>('0' + b);
        else if (b >= 17 && b <= 37)
            t += static_cast<char>(b + 48);
        else if (b >= 48 && b <= 250)
            t += Byte_char(b);
        else if (b == 251)
            t += '+';
        else if (b == 253)
            t += '-';
    }
    return t;
}

int Reply_first_row(const std::array<uint8_t, 71>& reply) {
    const int at = Reply_data_start(reply.data());
    const int h = reply[static_cast<size_t>(at - 3)] - (kNameOffset >> 8);
    const int l = reply[static_cast<size_t>(at - 2)];
    if (h < 0 || h > 31) return -1;
    // Halves round to the even neighbour.
    return static_cast<int>(std::nearbyint(h * 16 + l / 16.0 + 1));
}

}  // namespace bx
