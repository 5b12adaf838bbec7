#include "editors/options/text_fields.h"

#include <algorithm>

#include "editors/dtmf_code_key.h"
#include "model/numtext.h"
#include "ui/text.h"

namespace bx::options {

PonLine Pon_line_encode(std::string_view text) {
    PonLine line;
    line.fill(' ');
    const std::vector<std::string> cs = ui::utf8_chars(Trim(text));
    int n = static_cast<int>(cs.size());
    int pad = 0;
    if (n >= kPonLineLen)
        n = kPonLineLen;
    else
        pad = (kPonLineLen - n) / 2;
    for (int i = 0; i < n; ++i) {
        const std::string& c = cs[static_cast<size_t>(i)];
        line[static_cast<size_t>(pad + i)] = Disp_char_to_code(c == " " ? std::string_view() : std::string_view(c));
    }
    return line;
}

std::string Pon_line_text(std::span<const uint8_t> line) {
    std::string s;
    for (uint8_t b : line) s = Trim(s) + Disp_code_to_char(b);
    return s;
}

bool Pon_key_refused(std::string_view text_after) {
    return Pon_key_refused(ui::TextCounts::of(std::string(text_after)));
}

bool Pon_key_refused(const ui::TextCounts& after) { return after.trimmed() > kPonBoxChars; }

DtmfCodeField Code_field_encode(std::string_view text) {
    DtmfCodeField f;
    f.fill(kNoDtmf);
    const std::vector<std::string> cs = ui::utf8_chars(Trim(text));
    for (size_t i = 0; i < cs.size() && i < f.size(); ++i) f[i] = static_cast<uint8_t>(Dtmf_char_to_code(cs[i]));
    return f;
}

std::string Code_field_text(std::span<const uint8_t> field) {
    std::string s;
    for (uint8_t b : field) s += Dtmf_code_to_char(b);
    return s;
}

bool Code_key_refused(std::string_view text_after) {
    return Dtmf_code_key_refused(ui::TextCounts::of(std::string(text_after)), DtmfCodeCount::All);
}

bool Code_char_ok(int key) { return key < 0x20 || Dtmf_code_key_ok(key); }

bool Ani_can_pass(std::string_view text) {
    const std::string t = Trim(text);
    if (ui::utf8_length(t) > 5) return false;
    if (ui::TextCounts::of(t).ascii) {
        // The range check compares character codes, "00000" <= text <=
        // "99999": a text is out of it for good once its first character
        // other than "0" comes before "0", or its first other than "9" after
        // "9". Any other text becomes a valid ANI by adding "5"s (or
        // nothing) up to three to five characters.
        const size_t not0 = t.find_first_not_of('0'), not9 = t.find_first_not_of('9');
        return !(not0 != std::string::npos && t[not0] < '0') && !(not9 != std::string::npos && t[not9] > '9');
    }
    // The range check compares character codes, so an added character
    // matters only by how it stands to "0" and "9": one of each kind.
    auto reach = [](auto& self, const std::string& s) -> bool {
        if (s.size() >= 3 && Ani_check(s) == AniCheck::Ok) return true;
        if (s.size() >= 5) return false;
        for (char c : {'#', '0', '5', '9', 'A'})
            if (self(self, s + c)) return true;
        return false;
    };
    return reach(reach, t);
}

AniCheck Ani_check(std::string_view text) {
    const std::string t = Trim(text);
    const int n = ui::utf8_length(t);
    if (n < 3 || n > 5) return AniCheck::Length;
    // Plain comparisons by character code, as the texts stand.
    if (t < "00000" || t > "99999") return AniCheck::Range;
    return AniCheck::Ok;
}

}  // namespace bx::options
