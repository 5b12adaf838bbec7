#include "editors/channels/chann_link.h"

#include <cmath>

#include "app/app.h"
#include "editors/channels/chann_columns.h"
#include "link/reply_unpack.h"
#include "model/lang.h"

namespace bx {

using chann_link::kNameOffset;

ChannLinkMachine::ChannLinkMachine(App& a, Controls c) : LinkMachine(a, link_rows::frm_chann, c) {}

void ChannLinkMachine::Request_block(int addr) {
    Set_frame(Cmd_read(addr, frame::kBlockBytes));
    Arm_send_pump();
}

void ChannLinkMachine::Begin_read_data() {
    const int base = app.Addr_high * 256 + app.Addr_low;
    st.Block_no = 1;
    Request_block(base);
    c_.MSC.setInBufferCount(0);
    app.Pair_toggle = 0;
}

void ChannLinkMachine::Read_phase() {
    ui::SerialPort& MSC = c_.MSC;
    if (MSC.InBufferCount() < frame::kReadReplyLen) return;
    std::array<uint8_t, frame::kReadReplyLen> reply{};
    Take_bytes(reply.data(), frame::kReadReplyLen);
    // A reply whose data would not lie inside the 69 bytes counts as no
    // reply: not acknowledged, and the time-out follows.
    if (!Read_reply_usable(reply.data())) return;
    const int c = st.Block_no;
    App::ReadBlocks& rows = app.Pair_toggle == 0 ? app.Read_blocks : app.Read_blocks_twin;
    if (c < 0 || c >= static_cast<int>(rows.size())) return;
    c_.Timer2.setEnabled(false);
    st.Block_reading = -1;
    auto& dst = rows[static_cast<size_t>(c)];
    dst.fill(0);
    std::copy(reply.begin(), reply.end(), dst.begin());
    Send_ack();

    const int base = app.Addr_high * 256 + app.Addr_low;
    if (app.Pair_toggle == 0) {
        // A channel block: its names next.
        Request_block(base + kNameOffset + frame::kBlockBytes * (c - 1));
        ++st.Block_no;
        app.Pair_toggle = -1;
    } else {
        app.Pair_toggle = 0;
        if (st.Block_no > st.Blocks_total) {
            Finish();
            if (On_read_complete) On_read_complete();
            return;
        }
        Request_block(base + frame::kBlockBytes * (c - 1));
    }
    const int n = st.Block_no;
    Show_progress(n * 100 / (st.Blocks_total + 1), L(app.Lang_chinese, "正在读取 ", "Reading ") + std::to_string(n) +
                                                       L(app.Lang_chinese, " 数据块", " Data Block"));
}

void ChannLinkMachine::Begin_write_data() {
    const int base = app.Addr_high * 256 + app.Addr_low;
    Set_frame(Write_frame(base, Image_row(base / frame::kRecordBytes), false));
    st.Block_no = 0;
    app.Pair_toggle = 0;
    Arm_send_pump();
}

void ChannLinkMachine::Write_phase() {
    std::vector<uint8_t> in = c_.MSC.Input();
    if (in.empty() || in[0] != frame::Ack || st.Frame_sent == 0) return;
    c_.Timer2.setEnabled(false);
    const int base = app.Addr_high * 256 + app.Addr_low;
    const int c = st.Block_no;
    if (app.Pair_toggle == 0) {
        // The channel record is in: its name record next.
        const int addr = base + kNameOffset + frame::kRecordBytes * c;
        Set_frame(Write_frame(addr, Image_row(addr / frame::kRecordBytes), true));
        ++st.Block_no;
        Arm_send_pump();
        app.Pair_toggle = -1;
        return;
    }
    app.Pair_toggle = 0;
    if (c > st.Records_total) {
        Finish();
        if (On_write_complete) On_write_complete();
        return;
    }
    Show_progress(c * 100 / st.Records_total, L(app.Lang_chinese, "正在写入  ", "Writeing  ") + std::to_string(c - 1) +
                                                  L(app.Lang_chinese, "  信道", "  Channel"));
    const int addr = base + frame::kRecordBytes * c;
    Set_frame(Write_frame(addr, Image_row(addr / frame::kRecordBytes), true));
    Arm_send_pump();
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
