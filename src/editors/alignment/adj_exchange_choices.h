// What the alignment exchange, its file and the simulated radio decide for
// themselves, in one place (the constants live where the code that sends or
// reads them does, named here):
//
// - The marker frame (link/frames.h, Adj_marker): data bytes 0-7 are
//   kAdjMarkerPattern, data byte 15 kAdjMarkerLast, and data bytes 8-14 are
//   always 0x00. Every write thus sends the same marker, and no byte of an
//   earlier record frame (a password least of all) goes to 0x3B90.
// - A cell goes out as its byte: every way into Adj_table (the editor's
//   boxes and lists, the file, a read, Default) keeps it within 0..255, so
//   nothing is masked or refused on the way out.
// - A read reply is stored only with its 'X' at index 0 or 1, its data
//   taken 4 bytes after the 'X'; any other reply gets no Ack, and the
//   time-out and retry follow. Address and length are not checked.
// - Read or Write pressed during the pause after a time-out starts a new
//   exchange and cancels the pause (the machine stops its timers at every
//   start), so the old retry never acts on the new exchange.
// - The alignment file (model/adj_file.h) is read whole before the table
//   changes: a file that cannot be opened, ends before 512 numbers, or holds
//   a field that is not a whole number 0..255 is refused with its reason and
//   the table is left as it was. A save writes a temporary file and renames
//   it over the target only when complete.
// - The simulated radio (tools/radio-sim) holds an alignment area of its own
//   (Radio::Fill_adj_area): transmit powers, squelch levels and
//   compensations, level lists within their ranges and none at its factory
//   value, working range VHF 136-174 and UHF 410-470 MHz; both passwords
//   blank. `radio-sim --adj FILE` replaces it from an alignment file.
#pragma once
