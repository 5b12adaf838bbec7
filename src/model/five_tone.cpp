#include "model/five_tone.h"

namespace bx {

// Tone frequencies in tenths of a hertz, standards in list order, digits 0..F.
const std::array<std::array<int, kSig5toneDigits>, kSig5toneStdsInTable> kSig5toneFreqTenths = {{
    // CCIR1
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 24000, 9300, 22470, 9910, 21100, 10550},
    // CCIR2
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 24000, 9300, 22470, 9910, 21100, 10550},
    // PCCIR
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 10500, 9300, 24000, 9910, 21100, 0},
    // ZVEI1
    {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 22000, 28000, 8100, 9700, 8850, 26000, 6800},
    // ZVEI2
    {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 22000, 8850, 8100, 7400, 6800, 9700, 26000},
    // ZVEI3
    {22000, 9700, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 8850, 0, 0, 0, 24000, 0},
    // PZVEI
    {24000, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 22000, 9700, 8100, 28000, 8850, 26000, 6800},
    // DZVEI
    {22000, 9700, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 8250, 7400, 26000, 8850, 24000, 6800},
    // PDZVEI
    {22000, 9700, 10600, 11600, 12700, 14000, 15300, 16700, 18300, 20000, 8250, 8860, 26000, 8560, 24000, 0},
    // EEA
    {19810, 11240, 11970, 12750, 13580, 14460, 15400, 16400, 17470, 18600, 10550, 9300, 24000, 9910, 21100, 22470},
    // EIA
    {6000, 7410, 8820, 10230, 11640, 13050, 14460, 15870, 17280, 18690, 21510, 24330, 20100, 22920, 4590, 10910},
    // EURO
    {9798, 9031, 8325, 7674, 7074, 6520, 6010, 5540, 5107, 4708, 0, 0, 0, 0, 10629, 0},
    // CCITT
    {4000, 6970, 7700, 8520, 9410, 12090, 13350, 14770, 16330, 18000, 19000, 20000, 21000, 22000, 23000, 0},
    // NATEL
    {16330, 6310, 6970, 7700, 8520, 9410, 10400, 12090, 13360, 14770, 19950, 5710, 22050, 24370, 18050, 26940},
    // MODAT
    {6575, 7875, 9375, 10875, 12375, 13875, 15375, 16875, 18375, 19875, 0, 0, 0, 0, 4875, 0},
}};

namespace {

// The divider counts of the 2.304 MHz clock: the largest whole number
// strictly below 2 304 000 / f (an exact quotient gets one less).
constexpr int kClockTenthsHz = 23040000;  // 2 304 000 Hz in tenths

Sig5toneToneTable build_table() {
    Sig5toneToneTable t;
    for (size_t s = 0; s < kSig5toneFreqTenths.size(); ++s) {
        for (size_t d = 0; d < kSig5toneDigits; ++d) {
            const int tenths = kSig5toneFreqTenths[s][d];
            std::string text = "   " + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
            text.resize(11, ' ');
            const int hz = tenths / 10;  // the integer part, not rounded
            const int div = tenths == 0 ? 0 : (kClockTenthsHz + tenths - 1) / tenths - 1;
            t.Sig_5tone_freq_text[s][d] = text;
            t.Sig_5tone_freq_low[s][d] = static_cast<int16_t>(hz % 256);
            t.Sig_5tone_freq_high[s][d] = static_cast<int16_t>(hz / 256);
            t.Sig_5tone_div_low[s][d] = static_cast<int16_t>(div % 256);
            t.Sig_5tone_div_high[s][d] = static_cast<int16_t>(div / 256);
        }
    }
    return t;
}

}  // namespace

const Sig5toneToneTable& Sig_5tone_tone_table() {
    static const Sig5toneToneTable table = build_table();
    return table;
}

void Load_5tone_tables(MemImage& img) {
    namespace Tables = layout::Sig_5tone_tables;
    const Sig5toneToneTable& t = Sig_5tone_tone_table();
    const struct {
        const Field& field;
        const Sig5toneGrid<int16_t>& values;
    } tables[] = {{Tables::Hz_low, t.Sig_5tone_freq_low},
                  {Tables::Hz_high, t.Sig_5tone_freq_high},
                  {Tables::Div_low, t.Sig_5tone_div_low},
                  {Tables::Div_high, t.Sig_5tone_div_high}};
    for (const auto& table : tables)
        for (int s = 0; s < table.field.at.count; ++s) {
            std::array<uint8_t, kSig5toneDigits> row;
            for (size_t d = 0; d < row.size(); ++d)
                row[d] = static_cast<uint8_t>(table.values[static_cast<size_t>(s)][d]);
            table.field.put(img, s, row);
        }
}

}  // namespace bx
