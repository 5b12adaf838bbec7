#include "model/code_tables.h"

namespace bx {

const std::array<int, kCtcssCount> kCtcssTenths = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035, 1072, 1109, 1148,
    1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799,
    1835, 1862, 1899, 1928, 1966, 1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541,
};

const std::array<int, kDcsCount> kDcsCodes = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115, 116, 122, 125,
    131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223, 225, 226, 243, 244, 245, 246,
    251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365,
    371, 411, 412, 413, 423, 431, 432, 445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526,
    532, 546, 565, 606, 612, 624, 627, 631, 632, 645, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754,
};

namespace {

std::string padded(int before, const std::string& name, int after) {
    return std::string(static_cast<size_t>(before), ' ') + name + std::string(static_cast<size_t>(after), ' ');
}

std::string ctcss_name(int tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

std::string dcs_name(int code, char suffix) {
    std::string digits = std::to_string(code);
    while (digits.size() < 3) digits.insert(digits.begin(), '0');
    return "D" + digits + suffix;
}

struct ModelRow {
    const char* name;
    int16_t a_low, a_high, b_low, b_high;
};

// Models 3 to 6 hold their upper limits rounded to whole MHz (470.9875 MHz
// as 471, 520.9875 as 521, 700.9875 as 701, 88.9875 as 89).
constexpr ModelRow kModelsRows[kModels] = {
    {"VHF0/UHF0", 130, 179, 400, 520}, {"VHF1/UHF1", 136, 174, 240, 250}, {"VHF2/UHF2", 144, 146, 430, 440},
    {"", 400, 471, 0, 0},              {"", 450, 521, 0, 0},              {"", 100, 701, 0, 0},
    {"", 66, 89, 0, 0},                {"", 0, 0, 0, 0},                  {"", 0, 0, 0, 0},
    {"", 0, 0, 0, 0},                  {"", 0, 0, 0, 0},
};

}  // namespace

void Load_code_tables(ToneNameTable& tone_names, RadioIdent& ident) {
    tone_names[0] = padded(3, "OFF", 6);
    for (int i = 1; i <= kCtcssCount; ++i) {
        const std::string name = ctcss_name(kCtcssTenths[static_cast<size_t>(i - 1)]);
        const int before = i <= 9 ? 3 : 2;
        const int after = i <= 12 ? 4 : 3;
        tone_names[static_cast<size_t>(i)] = padded(before, name, after);
    }
    for (int j = 0; j < kDcsCount; ++j) {
        const int n_index = kDcsFirstIndex + j;
        const int code = kDcsCodes[static_cast<size_t>(j)];
        tone_names[static_cast<size_t>(n_index)] = padded(n_index <= 99 ? 2 : 1, dcs_name(code, 'N'), 3);
        tone_names[static_cast<size_t>(n_index + kDcsCount)] = padded(1, dcs_name(code, 'I'), 3);
    }
    ident = {'R', 'A', 'V', 'O'};
}

void Load_model_table(ModelTable& table, int model_index, double& limit_a_low, double& limit_a_high) {
    for (int m = 0; m < kModels; ++m) {
        const ModelRow& r = kModelsRows[m];
        table.Model_names[static_cast<size_t>(m)] = r.name;
        table.Band_table[static_cast<size_t>(m)] = {r.a_low, r.a_high, r.b_low, r.b_high};
    }
    if (model_index >= 0 && model_index < kModels) {
        const auto& row = table.Band_table[static_cast<size_t>(model_index)];
        limit_a_low = row[kBandALowCol];
        limit_a_high = row[kBandAHighCol];
    }
}

}  // namespace bx
