#include "model/datafile.h"

#include <sstream>
#include <system_error>

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

namespace {

// Where a record stood in the file, for naming a record one number longer
// or shorter than its line should be.
struct RecordLines {
    int first = 0;        // line of its first number
    int before_last = 0;  // line of its next-to-last number
};

// The record r's three leading numbers `found` (read at `lines`) are not its
// place. When the record before it held one number too many (its 20th
// number, then this place shifted by one) or one too few (this place's
// first number taken as its last byte), says so with the lines it stands
// on; else the numbers found are out of place.
FileError Misplaced(NumberReader& rd, int r, const long long (&found)[3], const int (&lines)[3],
                    const std::string& found_text, bool line_start, const RecordLines& prev, uint8_t prev_last) {
    const long long place[3] = {r / 16, r % 16, r};
    FileError err;
    err.count = r - 1;
    err.line = prev.first;
    if (r > 0 && found[1] == place[0] && found[2] == place[1]) {
        long long next = 0;
        if (rd.next(next) == NumberReader::Ok && next == place[2]) {
            err.kind = FileError::One_too_many;
            err.last_line = lines[0];
            return err;
        }
    }
    if (r > 0 && found[0] == place[1] && found[1] == place[2] && prev_last == place[0]) {
        err.kind = FileError::One_too_few;
        err.last_line = prev.before_last;
        return err;
    }
    err.kind = FileError::Out_of_place;
    err.line = lines[0];
    err.count = r;
    err.token = found_text;
    err.line_start = line_start;
    err.want = std::to_string(place[0]) + " " + std::to_string(place[1]) + " " + std::to_string(place[2]);
    return err;
}

// After the last record: only blanks and line ends may follow.
bool Nothing_after_last_record(NumberReader& rd, FileError& err) {
    long long v = 0;
    const NumberReader::Result res = rd.next(v);
    if (rd.failed()) {
        err.kind = FileError::Cannot_open;
        err.detail = std::generic_category().message(EIO);
        return false;
    }
    if (res == NumberReader::End) return true;
    err.kind = FileError::Trailing;
    err.line = rd.line();
    err.count = kImageRecords - 1;
    err.token = rd.token().empty() ? "," : rd.token();  // a lone comma
    return false;
}

}  // namespace

FileError Parse_data_file(std::istream& in, MemImage& image) {
    MemImage scratch = image;
    NumberReader rd(in);
    FileError err;
    RecordLines prev;
    for (int r = 0; r < kImageRecords; ++r) {
        // The three leading numbers give the record's place: a line lost or
        // doubled shows there, and would otherwise shift every record after
        // it into the wrong place.
        const long long place[3] = {r / 16, r % 16, r};
        long long found[3] = {};
        int lines[3] = {};
        bool in_place = true;
        bool line_start = true;
        std::string found_text;
        for (int k = 0; k < 3 && !err; ++k) {
            if (!Next_number(rd, found[k], err)) break;
            lines[k] = rd.line();
            if (k == 0) line_start = rd.first_on_line();
            found_text += (k ? " " : "") + rd.token();
            in_place = in_place && found[k] == place[k];
        }
        if (!err && !in_place) {
            const uint8_t prev_last = r > 0 ? scratch(r - 1, kRecordBytes - 1) : 0;
            err = Misplaced(rd, r, found, lines, found_text, line_start, prev, prev_last);
        }
        RecordLines here{lines[0], lines[0]};
        for (int b = 0; b < kRecordBytes && !err; ++b) {
            if (Next_byte(rd, scratch(r, b), err) && b == kRecordBytes - 2) here.before_last = rd.line();
        }
        if (err) {
            if (err.kind == FileError::Ends_early) {
                err.count = r;
                err.expected = kImageRecords;
            }
            return err;
        }
        prev = here;
    }
    if (!Last_number_whole(rd, err) || !Nothing_after_last_record(rd, err)) return err;
    image = scratch;
    return FileError{};
}

FileError Load_data_file(const std::string& path, MemImage& image) { return Load_whole_file(path, image, Parse_data_file); }

FileError Save_data_file(const std::string& path, const MemImage& image) {
    return Write_file_replacing(path, Data_file_text(image));
}

}  // namespace bx
