#include "model/adj_file.h"

#include <sstream>

namespace bx {

std::string Adj_file_text(const AdjTable& table) {
    std::string out;
    out.reserve(static_cast<size_t>(kAdjRecords) * 70);
    for (int c = 0; c < kAdjRecords; ++c) {
        for (int r = 0; r < kAdjCells; ++r) Append_number_item(out, table(c, r));
        out += "\r\n";
    }
    return out;
}

FileError Parse_adj_file(std::istream& in, AdjTable& table) {
    AdjTable scratch;
    NumberReader rd(in);
    FileError err;
    for (int c = 0; c < kAdjRecords; ++c)
        for (int r = 0; r < kAdjCells; ++r) {
            uint8_t b = 0;
            if (!Next_byte(rd, b, err)) {
                if (err.kind == FileError::Ends_early) {
                    err.count = c;
                    err.expected = kAdjRecords;
                }
                return err;
            }
            scratch(c, r) = b;
        }
    if (!Last_number_whole(rd, err)) return err;
    table = scratch;
    return {};
}

FileError Load_adj_file(const std::string& path, AdjTable& table) { return Load_whole_file(path, table, Parse_adj_file); }

FileError Save_adj_file(const std::string& path, const AdjTable& table) {
    return Write_file_replacing(path, Adj_file_text(table));
}

}  // namespace bx
