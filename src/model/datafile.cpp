#include "model/datafile.h"

#include <fstream>

namespace bx {

namespace {

void put_number(std::string& out, int v) {
    out += ' ';
    out += std::to_string(v);
    out += ' ';
}

}  // namespace

std::string Data_file_text(const MemImage& image) {
    std::string out;
    out.reserve(static_cast<size_t>(kImageRecords) * 96);
    for (int r = 0; r < kImageRecords; ++r) {
        put_number(out, r / 16);
        put_number(out, r % 16);
        put_number(out, r);
        for (int b = 0; b < kRecordBytes; ++b) put_number(out, image(r, b));
        out += "\r\n";
    }
    return out;
}

FileError Parse_data_file(std::istream& in, MemImage& image) {
    MemImage scratch = image;
    NumberReader rd(in);
    FileError err;
    for (int r = 0; r < kImageRecords; ++r) {
        // The first three numbers repeat the record's place; not compared.
        for (int k = 0; k < 3; ++k) {
            long long v = 0;
            if (!Next_number(rd, v, err)) break;
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
