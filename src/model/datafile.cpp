#include "model/datafile.h"

#include <fstream>

namespace bx {

std::string Data_file_text(const MemImage& image) {
    std::string out;
    out.reserve(static_cast<size_t>(kImageRecords) * 96);
    for (int r = 0; r < kImageRecords; ++r) {
        Append_number_item(out, r / 16);
        Append_number_item(out, r % 16);
        Append_number_item(out, r);
        for (int b = 0; b < kRecordBytes; ++b) Append_number_item(out, image(r, b));
        out += "\r\n";
    }
    return out;
}

FileError Parse_data_file(std::istream& in, MemImage& image) {
    MemImage scratch = image;
    NumberReader rd(in);
    FileError err;
    for (int r = 0; r < kImageRecords; ++r) {
        // The three leading numbers give the record's place: a line lost or
        // doubled shows there, and would otherwise shift every record after
        // it into the wrong place.
        const long long place[3] = {r / 16, r % 16, r};
        bool in_place = true;
        std::string found;
        int line = 0;
        for (int k = 0; k < 3 && !err; ++k) {
            long long v = 0;
            if (!Next_number(rd, v, err)) break;
            if (k == 0) line = rd.line();
            found += (k ? " " : "") + rd.token();
            in_place = in_place && v == place[k];
        }
        if (!err && !in_place) {
            err.kind = FileError::Out_of_place;
            err.line = line;
            err.count = r;
            err.token = found;
            err.want = std::to_string(place[0]) + " " + std::to_string(place[1]) + " " + std::to_string(place[2]);
        }
        for (int b = 0; b < kRecordBytes && !err; ++b) Next_byte(rd, scratch(r, b), err);
        if (err) {
            if (err.kind == FileError::Ends_early) {
                err.count = r;
                err.expected = kImageRecords;
            }
            return err;
        }
    }
    image = scratch;
    return FileError{};
}

FileError Load_data_file(const std::string& path, MemImage& image) {
    std::ifstream in;
    if (FileError err = Open_for_reading(path, in)) return err;
    return Parse_data_file(in, image);
}

FileError Save_data_file(const std::string& path, const MemImage& image) {
    return Write_file_replacing(path, Data_file_text(image));
}

}  // namespace bx
