#include "editors/signalling/five_tone_rules.h"

#include "base/text.h"
#include "editors/signalling/five_tone_choices.h"
#include "model/codecs.h"
#include "model/five_tone.h"
#include "model/numtext.h"

namespace bx::five_tone {

namespace {

constexpr int kBackspace = 8;
constexpr int kEnter = 13;

bool Hex_key(int key) {
    return (key >= '0' && key <= '9') || (key >= 'a' && key <= 'f') || (key >= 'A' && key <= 'F');
}

}  // namespace

std::string Period_text(int byte) { return std::to_string(20 + 10 * byte); }

std::string Digit_text(int byte) {
    if (byte < 0 || byte > 15) return " ";
    return std::string(1, "0123456789ABCDEF"[byte]);
}

std::string Frame_text(std::span<const uint8_t> bytes) {
    std::string out;
    for (uint8_t b : bytes) out += Digit_text(b);
    return out;
}

std::string Tone_label(int s, int d) {
    if (s < 0 || s >= kSig5toneStds || d < 0 || d >= kSig5toneDigits) return {};
    return Trim(Sig_5tone_tone_table().Sig_5tone_freq_text[static_cast<size_t>(s)][static_cast<size_t>(d)]);
}

FrameBytes Frame_bytes(const std::string& text) {
    FrameBytes out;
    out.fill(kNoHex);
    const std::vector<std::string> chars = utf8_chars(Trim(text));
    for (size_t i = 0; i < chars.size() && i < out.size(); ++i)
        out[i] = static_cast<uint8_t>(Hex_char_to_code(chars[i]));
    return out;
}

bool Frame_key_passes(const std::string& text_after, int key) {
    return Frame_key_passes(ui::TextCounts::of(text_after), key);
}

bool Frame_key_passes(const ui::TextCounts& after, int key) {
    if (key == kBackspace) return true;
    if (!Hex_key(key) && key != kEnter) return false;
    return after.trimmed() <= five_tone_choice::kFrameDigits;
}

FrameLeave Frame_leave(const std::string& text) {
    const int n = utf8_length(Trim(text));
    if (n == five_tone_choice::kFrameDigits) return FrameLeave::Copy;
    return n == 0 ? FrameLeave::Keep : FrameLeave::Refuse;
}

std::vector<std::string> List_items(ListKind k) {
    std::vector<std::string> out;
    auto numbers = [&out](int from, int to, int step) {
        for (int v = from; v <= to; v += step) out.push_back(std::to_string(v));
    };
    switch (k) {
        case ListKind::StdNames:
            for (const char* name : Sig_5tone_std_list) out.emplace_back(name);
            break;
        case ListKind::Delays: numbers(0, 1000, 10); break;
        case ListKind::ResetTimes: numbers(100, 8000, 100); break;
        case ListKind::Periods: numbers(20, 200, 10); break;
        case ListKind::Digits:
            for (int d = 0; d < 16; ++d) out.push_back(Digit_text(d));
            break;
    }
    return out;
}

int Shown_pos(int byte, int count) { return byte >= 0 && byte < count ? byte : -1; }

}  // namespace bx::five_tone
