#include "editors/signalling/two_tone_rules.h"

#include <cmath>

#include "model/layouts.h"

namespace bx::two_tone {

namespace {

constexpr std::array<const char*, 12> kPairNames = {"A-B", "A-C", "A-D", "B-A", "B-C", "B-D",
                                                    "C-A", "C-B", "C-D", "D-A", "D-B", "D-C"};
constexpr int kAlerts = 16;

std::string Hz_text(int f) { return std::to_string(f) + ".0"; }

namespace L2 = layout::Sig_2tone_dec_record;

// Pair: "A-B" preset, the position stored; response: position 2 preset,
// the position stored; alert: "1" preset, the number (position + 1) stored.
const DecColumn kColumns[3] = {
    {DecKind::Pair, 0, 0, L2::Pair},
    {DecKind::Resp, 2, 0, L2::Resp},
    {DecKind::Alert, 0, 1, L2::Alert},
};

}  // namespace

std::string Enc_tone_text(int f) { return f >= kMinHz && f <= kMaxHz ? Hz_text(f) : std::string(); }

std::string Dec_tone_text(int f) { return f == 0 || f == 0xFFFF ? std::string() : Hz_text(f); }

std::string Pair_text(int b) {
    return b >= 0 && b < static_cast<int>(kPairNames.size()) ? kPairNames[static_cast<size_t>(b)] : "";
}

std::string Resp_text(int b, const std::array<std::string, 4>& names) {
    if (b == 255) return {};
    if (b >= 0 && b <= 3) return names[static_cast<size_t>(b)];
    return names[0];
}

std::string Alert_text(int b) { return b >= 0 && b <= kAlerts ? std::to_string(b) : std::string(); }

std::optional<int> Enc_tone_value(double v) {
    if (!(v >= kMinHz)) return std::nullopt;
    const double w = std::floor(v + 0.5);
    if (w > kMaxHz) return std::nullopt;
    return static_cast<int>(w);
}

std::optional<int> Dec_tone_value(double v) {
    // Out of range on the double first, so no value overflows an int.
    if (!(v > kMinHz - 1) || !(v < kMaxHz + 1)) return std::nullopt;
    double w = std::floor(v);
    const double frac = v - w;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(w, 2.0) != 0)) w += 1;
    if (w < kMinHz || w > kMaxHz) return std::nullopt;
    return static_cast<int>(w);
}

int Dec_decoder(int c) { return (c - 1) / 3; }

const DecColumn& Dec_column(int c) { return kColumns[(c - 1) % 3]; }

std::vector<std::string> Dec_items(DecKind kind, const std::array<std::string, 4>& resp_names) {
    std::vector<std::string> items;
    switch (kind) {
        case DecKind::Pair:
            items.assign(kPairNames.begin(), kPairNames.end());
            break;
        case DecKind::Resp:
            items.assign(resp_names.begin(), resp_names.end());
            break;
        case DecKind::Alert:
            for (int n = 1; n <= kAlerts; ++n) items.push_back(std::to_string(n));
            break;
    }
    return items;
}

}  // namespace bx::two_tone
