// The factory-default builders: each writes the factory values of its own
// area and nothing outside it, and running one twice gives the same bytes.
// The start-up runs them all over an erased image; each editor's Default
// command runs its own again.
#pragma once

#include <string>

#include "model/adj_table.h"
#include "model/codecs.h"
#include "model/field.h"
#include "model/mem_image.h"
#include "model/option_offsets.h"

namespace bx {

// ---- options (records 224..243) ----

// Stores the factory position of every setting that has one into `settings`,
// the power-on message, ANI and PTT-ID codes into entries 192..255, copies
// entries 0..255 into records 224..239 (also the entries it did not set) and
// writes the VFO A and B records 240..243 (bytes 12-15 of 241 and 243 are
// left alone).
void Load_option_defaults(OptionSettings& settings, MemImage& img);

// ---- channels (records 0..199) and FM presets (records 768..783) ----

// Erases the 200 channel records and writes the eight factory channels 0..6
// and 199. The channel names (records 256..455) are not touched.
void Load_chann_defaults(MemImage& img);

// A CTCSS tone typed in hertz into the Tone_code field f, instance i
// (layout::Chann_record::Rx_tone or Tx_tone, channel k): "FF" stores
// 0xFF 0xFF; a value strictly between 0 and 255 Hz stores its tenths of a
// hertz, low byte first; any other value, or an instance outside the field,
// stores nothing. The result tells whether anything was stored. f must be a
// Tone_code field (std::logic_error otherwise).
bool Store_ctcss_tone(MemImage& img, const std::string& text, const Field& f, int i);

// Erases the 16 preset records and writes the nine factory presets.
void Load_fm_defaults(MemImage& img);

// The frequency f (MHz) of preset `index` (0..15) as eight digits in bytes
// 0-7 of record 768 + index; digits below 10 Hz are dropped. A frequency
// below 0 or of 1000 MHz and more stores nothing.
void Store_fm_freq(MemImage& img, double f, int index);

// Trims blanks from both ends of `name` (in place) and stores its characters
// from byte 8 of record 768 + index on, one byte each. At most eight
// characters are stored, so a name never runs into the next preset.
void Store_fm_name(MemImage& img, std::string& name, int index);

// ---- alignment (Adj_defaults, not the image) ----

// Writes the factory alignment values: records 0..9 completely and the two
// passwords in record 31 bytes 0-11. Every other cell is left as it is.
void Load_adj_defaults(AdjTable& defaults);

// ---- signalling ----

// Erases the DTMF area (records 656..687) and writes its factory values.
void Load_dtmf_defaults(MemImage& img);

// Erases the 2-tone area (records 720..767) and writes its factory values;
// the decode tones' period counts are taken in timer counts of
// tone_tick_ms milliseconds.
void Load_2tone_defaults(MemImage& img, double tone_tick_ms = kToneTickMs);

// Writes 2-tone encode entry i (instance 0..14 of
// layout::Sig_2tone_enc_record): tone f1 into Tone_1 and f2 into Tone_2, each
// rounded to whole hertz, low byte first. A tone beyond 0..65535 Hz is held
// within that range. std::out_of_range for an instance outside the record set.
void Store_2tone_pair(MemImage& img, int i, double f1, double f2);

// Rebuilds the 5-tone tone tables (records 512..575 but for 527, 543, 559,
// 575), then writes bytes 0-2 of the 15 standard records 576..590 and
// records 592..607. Record 591 and bytes 3-15 of the standard records are
// left alone.
void Load_5tone_defaults(MemImage& img);

}  // namespace bx
