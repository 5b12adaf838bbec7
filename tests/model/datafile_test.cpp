#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "model/adj_file.h"
#include "model/datafile.h"
#include "model/file_choices.h"
#include "support/tempdir.h"

using bx::FileError;
using bx::MemImage;
using bxtest::TempDir;

namespace {

// Every byte different from its neighbours, record 1024 included.
MemImage patterned() {
    MemImage m;
    for (int r = 0; r < bx::kImageRecords; ++r)
        for (int b = 0; b < bx::kRecordBytes; ++b) m(r, b) = static_cast<uint8_t>((r * 7 + b * 13 + r / 256) % 256);
    return m;
}

std::vector<std::string> split_crlf(const std::string& text) {
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(text.substr(at));
            break;
        }
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

bool same_bytes(const MemImage& a, const MemImage& b) {
    for (int r = 0; r < bx::kImageRecords; ++r)
        for (int k = 0; k < bx::kRecordBytes; ++k)
            if (a(r, k) != b(r, k)) return false;
    return true;
}

}  // namespace

TEST(DataFile, TextOfLinesZeroAndLast) {
    MemImage m;  // erased
    m(1024, 0) = 1;
    m(1024, 15) = 200;
    const std::string text = bx::Data_file_text(m);
    const auto lines = split_crlf(text);
    ASSERT_EQ(lines.size(), 1025u);
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
    std::string line0 = " 0  0  0 ";
    for (int i = 0; i < 16; ++i) line0 += " 255 ";
    EXPECT_EQ(lines[0], line0);
    std::string last = " 64  0  1024  1 ";
    for (int i = 1; i < 15; ++i) last += " 255 ";
    last += " 200 ";
    EXPECT_EQ(lines[1024], last);
    EXPECT_EQ(lines[17].substr(0, 11), " 1  1  17  ");  // r div 16, r mod 16, r
}

TEST(DataFile, NumberItemsReadBack) {
    // A blank or "-" in the sign's place, the digits, a blank.
    std::string text;
    for (long long v : {0LL, 255LL, -5LL, -9223372036854775807LL - 1}) bx::Append_number_item(text, v);
    EXPECT_EQ(text, " 0  255 -5 -9223372036854775808 ");
    std::istringstream in(text);
    bx::NumberReader rd(in);
    long long v = 1;
    for (long long want : {0LL, 255LL, -5LL}) {
        ASSERT_EQ(rd.next(v), bx::NumberReader::Ok);
        EXPECT_EQ(v, want);
    }
}

TEST(DataFile, SaveLoadRoundTripKeepsEveryRecord) {
    TempDir dir;
    const MemImage saved = patterned();
    ASSERT_FALSE(bx::Save_data_file(dir / "radio.dat", saved));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"radio.dat"});  // no temporary left
    MemImage loaded;
    ASSERT_FALSE(bx::Load_data_file(dir / "radio.dat", loaded));
    EXPECT_TRUE(same_bytes(loaded, saved));
    EXPECT_EQ(loaded(1024, 15), saved(1024, 15));
}

TEST(DataFile, NumbersSpreadOverLinesDifferentlyLoadTheSame) {
    const MemImage want = patterned();
    // One number a line, then commas and tabs, then everything on one line.
    for (int layout = 0; layout < 3; ++layout) {
        std::string text;
        for (int r = 0; r < bx::kImageRecords; ++r) {
            int nums[19] = {r / 16, r % 16, r};
            for (int b = 0; b < 16; ++b) nums[3 + b] = want(r, b);
            for (int n : nums) {
                if (layout == 0) text += std::to_string(n) + "\n";
                if (layout == 1) text += std::to_string(n) + (n % 3 ? " ,\t" : ",\r\n");
                if (layout == 2) text += "  " + std::to_string(n);
            }
        }
        std::istringstream in(text);
        MemImage got;
        EXPECT_FALSE(bx::Parse_data_file(in, got)) << "layout " << layout;
        EXPECT_TRUE(same_bytes(got, want)) << "layout " << layout;
    }
}

// The text with its lines (CR LF ended) rearranged by `edit`.
std::string with_lines(const std::string& text, void (*edit)(std::vector<std::string>&)) {
    std::vector<std::string> lines = split_crlf(text);
    edit(lines);
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
}

TEST(DataFile, MalformedFileLeavesImageUnchanged) {
    const std::string good = bx::Data_file_text(patterned());
    // Replaces the n-th number of the text (0-based) by `field`.
    auto with_field = [&](int n, const std::string& field) {
        std::string t = good;
        size_t at = 0;
        for (int i = 0; i <= n; ++i) {
            at = t.find_first_not_of(" \r\n", at);
            if (i < n) at = t.find_first_of(" \r\n", at);
        }
        size_t end = t.find_first_of(" \r\n", at);
        return t.replace(at, end - at, field);
    };
    const std::string zeros40(40, '0');
    struct Case {
        const char* what;
        std::string text;
        FileError::Kind kind;
        int line;
        std::string token = "";  // the field quoted, when given
    };
    const Case cases[] = {
        {"empty file", "", FileError::Ends_early, 1},
        {"last record cut short", good.substr(0, good.size() - 10), FileError::Ends_early, 1025},
        {"letters", with_field(19 * 5 + 4, "1x"), FileError::Not_a_number, 6, "1x"},
        {"decimal point", with_field(19 * 2 + 7, "12.5"), FileError::Not_a_number, 3, "12.5"},
        {"leading field not a number", with_field(19 * 9, "abc"), FileError::Not_a_number, 10, "abc"},
        {"empty field", " 0 , , 0" + good.substr(8), FileError::Not_a_number, 1},
        {"sign alone", with_field(19 * 3 + 5, "-"), FileError::Not_a_number, 4, "-"},
        {"above 255", with_field(19 * 1024 + 18, "256"), FileError::Out_of_range, 1025, "256"},
        {"negative", with_field(19 * 40 + 3, "-1"), FileError::Out_of_range, 41, "-1"},
        // Quoted as written, not as far as the value was taken.
        {"huge", with_field(19 * 7 + 10, "18446744073709551621"), FileError::Out_of_range, 8,
         "18446744073709551621"},
        {"long run of digits", with_field(19 * 7 + 10, zeros40 + "00256"), FileError::Out_of_range, 8,
         zeros40 + "..."},
        {"long field of letters", with_field(19 * 2 + 4, zeros40 + "x"), FileError::Not_a_number, 3, zeros40 + "..."},
        {"binary", std::string("\x01\x02\xff", 3), FileError::Not_a_number, 1},
        // A lost or doubled line shows in the leading numbers of the next.
        {"line doubled", with_lines(good, [](auto& l) { l.insert(l.begin() + 100, l[99]); }), FileError::Out_of_place,
         101, "6  3  99"},
        {"line lost, one added at the end",
         with_lines(good, [](auto& l) { l.erase(l.begin() + 49), l.push_back(l.back()); }), FileError::Out_of_place, 50,
         "3  2  50"},
        {"place out of range", with_field(0, "-7"), FileError::Out_of_place, 1, "-7  0  0"},
        {"place off by 256", with_field(19 * 300 + 2, "44"), FileError::Out_of_place, 301, "18  12  44"},
    };
    for (const Case& c : cases) {
        MemImage image = patterned();
        const MemImage before = image;
        std::istringstream in(c.text);
        FileError e = bx::Parse_data_file(in, image);
        EXPECT_EQ(e.kind, c.kind) << c.what;
        EXPECT_EQ(e.line, c.line) << c.what;
        if (!c.token.empty()) {
            // The three leading numbers are quoted one blank apart.
            std::string want = c.token;
            for (size_t at; (at = want.find("  ")) != std::string::npos;) want.erase(at, 1);
            EXPECT_EQ(e.token, want) << c.what;
            EXPECT_NE(bx::File_error_text(e, "x.dat", 0).find(want), std::string::npos) << c.what;
            EXPECT_NE(bx::File_error_text(e, "x.dat", -1).find(want), std::string::npos) << c.what;
        }
        EXPECT_TRUE(same_bytes(image, before)) << c.what;
    }
}

TEST(DataFile, OutOfPlaceMessageNamesLineAndRecord) {
    FileError e;
    std::istringstream in(with_lines(bx::Data_file_text(MemImage{}), [](auto& l) { l.erase(l.begin() + 17); }));
    MemImage image;
    e = bx::Parse_data_file(in, image);
    EXPECT_EQ(bx::File_error_text(e, "x.dat", 0),
              "Line 18 of the file begins with \"1 2 18\" where record 17 needs \"1 1 17\": lines are missing, "
              "doubled or out of order. Nothing was loaded.");
    EXPECT_EQ(bx::File_error_text(e, "x.dat", -1),
              "文件第 18 行以 \"1 2 18\" 开头，而第 17 条记录应为 \"1 1 17\"：文件缺行、多行或行序错乱，参数未调入。");
}

TEST(DataFile, AnyRunOfDigitsIsANumber) {
    // Zero-padded fields load at any length, with a sign, and the leading
    // numbers compare by value.
    const MemImage want = patterned();
    std::string text = bx::Data_file_text(want);
    const std::string padded = std::string(200, '0');
    text.replace(0, 3, " +" + padded + "0 ");  // the first leading number
    const size_t at = text.find("  1024  ");
    text.replace(at + 2, 4, padded + "1024");
    std::istringstream in(text);
    MemImage got;
    EXPECT_FALSE(bx::Parse_data_file(in, got));
    EXPECT_TRUE(same_bytes(got, want));
}

TEST(DataFile, LoadOfMissingFileOrFolderFails) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder.dat");
    // Neither a pipe nor a device is read (one would block, the other never end).
    ASSERT_EQ(::mkfifo((dir / "pipe.dat").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir / "zero.dat");
    for (const char* name : {"missing.dat", "folder.dat", "pipe.dat", "zero.dat"}) {
        MemImage image = patterned();
        FileError e = bx::Load_data_file(dir / name, image);
        EXPECT_EQ(e.kind, FileError::Cannot_open) << name;
        EXPECT_FALSE(e.detail.empty()) << name;
        EXPECT_TRUE(same_bytes(image, patterned())) << name;
    }
}

TEST(DataFile, FailedSaveLeavesNoFileAndReportsIt) {
    TempDir dir;
    dir.write("plain", "not a folder");
    std::filesystem::create_directory(dir / "taken.dat");
    dir.write("taken.dat/keep", "x");
    ASSERT_EQ(::mkfifo((dir / "pipe.dat").c_str(), 0600), 0);
    std::filesystem::create_symlink("pipe.dat", dir / "link.dat");
    const std::string targets[] = {
        dir / "no-such-folder/x.dat",  // the folder does not exist
        dir / "plain/x.dat",           // the "folder" is a file
        dir / "taken.dat",             // the target is a folder
        dir / "pipe.dat",              // a pipe is no file to replace,
        dir / "link.dat",              // nor when a link names it
    };
    for (const std::string& t : targets) {
        FileError e = bx::Save_data_file(t, patterned());
        EXPECT_EQ(e.kind, FileError::Cannot_write) << t;
        EXPECT_FALSE(e.detail.empty()) << t;
    }
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"link.dat", "pipe.dat", "plain", "taken.dat"}));
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "pipe.dat"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.dat"));
    EXPECT_EQ(dir.read("plain"), "not a folder");
    EXPECT_EQ(dir.read("taken.dat/keep"), "x");
}

TEST(DataFile, SaveReplacesAnExistingFileWhole) {
    TempDir dir;
    dir.write("old.dat", std::string(200000, 'z'));
    ASSERT_FALSE(bx::Save_data_file(dir / "old.dat", MemImage{}));
    EXPECT_EQ(dir.read("old.dat"), bx::Data_file_text(MemImage{}));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"old.dat"});
}

TEST(DataFile, AByteOrderMarkAtTheStartIsNotData) {
    const MemImage want = patterned();
    const std::string text = bx::Data_file_text(want);
    for (const std::string& file : {"\xEF\xBB\xBF" + text, text}) {
        std::istringstream in(file);
        MemImage got;
        EXPECT_FALSE(bx::Parse_data_file(in, got));
        EXPECT_TRUE(same_bytes(got, want));
    }
    // The alignment file reads its numbers the same way.
    const bx::AdjTable table = [] {
        bx::AdjTable t;
        for (int c = 0; c < bx::kAdjRecords; ++c)
            for (int r = 0; r < bx::kAdjCells; ++r) t(c, r) = static_cast<int16_t>((c * 16 + r) % 256);
        return t;
    }();
    std::istringstream adj_in("\xEF\xBB\xBF" + bx::Adj_file_text(table));
    bx::AdjTable adj_got;
    EXPECT_FALSE(bx::Parse_adj_file(adj_in, adj_got));
    EXPECT_EQ(adj_got, table);
}

TEST(DataFile, ARefusalQuotesItsFieldReadably) {
    struct Case {
        std::string text;  // the start of the file
        std::string shown; // the field as the message quotes it
    } const cases[] = {
        // A mark anywhere but at the very start, or only part of one.
        {" 0 \xEF\xBB\xBF" "0", "\\xEF\\xBB\\xBF0"},
        {"\xEF\xBB" "0 0", "\\xEF\\xBB0"},
        {"\xEF\xBB\xBF\xEF\xBB\xBF" "0", "\\xEF\\xBB\\xBF0"},
        // Bytes that are no text, control characters; text of any script.
        {"\x01\x02\xff", "\\x01\\x02\\xFF"},
        {"0x\x7f\xc0\xaf", "0x\\x7F\\xC0\\xAF"},
        {"\xe4\xb8\x80" "0\xed\xa0\x80", "\xe4\xb8\x80" "0\\xED\\xA0\\x80"},
        {"é,", "é"},
        // A character cut at the quote's end is kept whole.
        {std::string(39, 'x') + "\xe4\xb8\x80" "yz", std::string(39, 'x') + "\xe4\xb8\x80..."},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.text);
        MemImage image;
        const FileError e = bx::Parse_data_file(in, image);
        ASSERT_EQ(e.kind, FileError::Not_a_number) << c.shown;
        EXPECT_EQ(bx::File_error_text(e, "x.dat", 0),
                  "Line 1 of the file holds \"" + c.shown + "\", which is not a number. Nothing was loaded.");
        EXPECT_NE(bx::File_error_text(e, "x.dat", -1).find("\"" + c.shown + "\""), std::string::npos) << c.shown;
    }
}

namespace {

std::string replaced_all(std::string t, const std::string& from, const std::string& to) {
    for (size_t at = 0; (at = t.find(from, at)) != std::string::npos; at += to.size()) t.replace(at, from.size(), to);
    return t;
}

// The data file of the patterned image, its last line ending " 14  15 ".
std::string data_text() {
    MemImage m = patterned();
    m(1024, 14) = 14;
    m(1024, 15) = 15;
    return bx::Data_file_text(m);
}

std::string adj_text() {
    bx::AdjTable t;
    for (int c = 0; c < bx::kAdjRecords; ++c)
        for (int r = 0; r < bx::kAdjCells; ++r) t(c, r) = static_cast<int16_t>((c * 16 + r) % 200);
    return bx::Adj_file_text(t);
}

// Line `n` (0-based) of a CR LF text edited by `edit`.
std::string with_line(const std::string& text, size_t n, const std::function<void(std::string&)>& edit) {
    std::vector<std::string> lines = split_crlf(text);
    edit(lines[n]);
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
}

}  // namespace

// Damaged files of either kind, loaded from disk: each refusal names its
// cause and its true line (whatever the line ends), and changes nothing.
TEST(DataFile, ADamagedFileIsRefusedWithItsTrueLine) {
    const std::string data = data_text();
    const std::string adj = adj_text();
    const std::string last_line = split_crlf(data).back() + "\r\n";
    const auto drop_last_number = [](std::string& l) { l.erase(l.rfind("  ") + 1); };
    struct Case {
        const char* what;
        bool adj;
        std::string text;
        FileError::Kind kind;
        int line;
        std::string message = "";  // in English, when given
    };
    const Case cases[] = {
        {"cut inside the last number", false, data.substr(0, data.size() - 4), FileError::Cut_short, 1025,
         "The file ends in the middle of line 1025, at \"1\" with no line end after it: it is cut short. "
         "Nothing was loaded."},
        {"last line without its end", false, data.substr(0, data.size() - 3), FileError::Cut_short, 1025},
        {"cut, LF line ends", false, replaced_all(data, "\r\n", "\n").substr(0, data.size() - 1025 - 3),
         FileError::Cut_short, 1025},
        {"last line doubled", false, data + last_line, FileError::Trailing, 1026,
         "Line 1026 of the file holds \"64\" after record 1024, the last one: nothing may follow it. "
         "Nothing was loaded."},
        {"file appended to itself", false, data + data, FileError::Trailing, 1026},
        {"text after the last line", false, data + "\r\n\r\n  end of file\r\n", FileError::Trailing, 1028},
        {"a comma after the last line", false, data + ",", FileError::Trailing, 1026},
        {"a control character after the last line", false, data + "\x1a", FileError::Trailing, 1026},
        {"one number too many", false, with_line(data, 5, [](std::string& l) { l += " 7 "; }),
         FileError::One_too_many, 6,
         "Line 6 of the file holds one number too many for record 5: 20 where 19 are due (the record's place and "
         "its 16 bytes). Nothing was loaded."},
        {"one number too few", false, with_line(data, 5, drop_last_number), FileError::One_too_few, 6,
         "Line 6 of the file holds one number too few for record 5: 18 where 19 are due (the record's place and "
         "its 16 bytes). Nothing was loaded."},
        {"one too few, CR line ends", false, replaced_all(with_line(data, 299, drop_last_number), "\r\n", "\r"),
         FileError::One_too_few, 300},
        {"two numbers too many", false, with_line(data, 5, [](std::string& l) { l += " 7  8 "; }),
         FileError::Out_of_place, 6,
         "Line 6 of the file holds \"7 8 0\" where record 6 needs \"0 6 6\": numbers are missing, doubled or out "
         "of order. Nothing was loaded."},
        {"bad field, CR line ends", false,
         replaced_all(with_line(data, 40, [](std::string& l) { l.replace(1, 1, "x"); }), "\r\n", "\r"),
         FileError::Not_a_number, 41},
        {"line doubled, CR line ends", false,
         replaced_all(with_lines(data, [](auto& l) { l.insert(l.begin() + 9, l[8]); }), "\r\n", "\r"),
         FileError::Out_of_place, 10},
        {"line lost, LF line ends", false,
         replaced_all(with_lines(data, [](auto& l) { l.erase(l.begin() + 9); }), "\r\n", "\n"),
         FileError::Out_of_place, 10},
        {"oversized junk", false, std::string(bx::file_choice::kMaxLoadBytes + 1, 'x'), FileError::Too_large, 0,
         "The file f is 1048577 bytes long, more than a file of this kind may be (1048576 bytes). Nothing was "
         "loaded."},
        {"adj cut inside the last number", true, adj.substr(0, adj.size() - 4), FileError::Cut_short, 32},
        {"adj bad field, CR line ends", true,
         replaced_all(with_line(adj, 9, [](std::string& l) { l.replace(1, 1, "q"); }), "\r\n", "\r"),
         FileError::Not_a_number, 10},
        {"adj cut, CR line ends", true, replaced_all(adj, "\r\n", "\r").substr(0, adj.size() - 32 - 3),
         FileError::Cut_short, 32},
        {"adj oversized", true, adj + std::string(bx::file_choice::kMaxLoadBytes, ' '), FileError::Too_large, 0},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dir.write("f", c.text);
        MemImage image = patterned();
        bx::AdjTable table;
        const bx::AdjTable table_before = table;
        const FileError e = c.adj ? bx::Load_adj_file(dir / "f", table) : bx::Load_data_file(dir / "f", image);
        EXPECT_EQ(e.kind, c.kind);
        EXPECT_EQ(e.line, c.line);
        EXPECT_TRUE(same_bytes(image, patterned()));
        EXPECT_EQ(table, table_before);
        const std::string eng = bx::File_error_text(e, "f", 0), chn = bx::File_error_text(e, "f", -1);
        if (!c.message.empty()) {
            EXPECT_EQ(eng, c.message);
        }
        EXPECT_NE(eng.find("Nothing was loaded."), std::string::npos) << eng;
        EXPECT_NE(chn.find("参数未调入"), std::string::npos) << chn;
        if (c.line > 0) {
            EXPECT_NE(chn.find(" " + std::to_string(c.line) + " "), std::string::npos) << chn;
        }
    }
}

TEST(DataFile, WholeFilesLoadWhateverTheirLineEndsAndBlanks) {
    const std::string data = data_text();
    const std::string adj = adj_text();
    std::string one_line;  // numbers without any line end: may end on its last number
    for (char ch : data) one_line += ch == '\r' || ch == '\n' ? ' ' : ch;
    const std::string last_blank = one_line.substr(0, one_line.find_last_not_of(' ') + 1);
    const struct {
        const char* what;
        bool adj;
        std::string text;
    } cases[] = {
        {"CR line ends", false, replaced_all(data, "\r\n", "\r")},
        {"LF line ends", false, replaced_all(data, "\r\n", "\n")},
        {"blanks and line ends after the last line", false, data + " \t\r\n\n\r  "},
        {"a comma after the last number", false, data.substr(0, data.size() - 3) + ","},
        {"no line end at all", false, last_blank},
        {"padded up to the largest file read", false,
         data + std::string(bx::file_choice::kMaxLoadBytes - data.size(), ' ')},
        {"adj with text after its last number", true, adj + "notes on this radio\r\n"},
        {"adj without a line end", true, replaced_all(adj, "\r\n", " ").substr(0, adj.size() - 1 - 32)},
    };
    TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dir.write("f", c.text);
        MemImage image;
        bx::AdjTable table;
        const FileError e = c.adj ? bx::Load_adj_file(dir / "f", table) : bx::Load_data_file(dir / "f", image);
        EXPECT_FALSE(e) << bx::File_error_text(e, "f", 0);
    }
}

namespace {

// The bytes this process has read so far (read calls of every kind).
unsigned long long bytes_read_so_far() {
    std::ifstream io("/proc/self/io");
    std::string key;
    unsigned long long v = 0;
    while (io >> key >> v)
        if (key == "rchar:") return v;
    return 0;
}

}  // namespace

TEST(DataFile, ALoadReadsNoMoreThanItsLimitWhateverTheFileDoes) {
    const unsigned long long limit = bx::file_choice::kMaxLoadBytes;
    // A plain file that says it is empty and reads on for megabytes (the
    // kernel's symbol list): refused once the limit is passed.
    const char* endless = "/proc/kallsyms";
    struct stat st {};
    if (::stat(endless, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size != 0 || ::access(endless, R_OK) != 0 ||
        bytes_read_so_far() == 0)
        GTEST_SKIP() << "no " << endless << " or /proc/self/io to read";
    for (bool adj : {false, true}) {
        SCOPED_TRACE(adj ? "adj" : "data");
        MemImage image = patterned();
        bx::AdjTable table;
        const unsigned long long before = bytes_read_so_far();
        const FileError e = adj ? bx::Load_adj_file(endless, table) : bx::Load_data_file(endless, image);
        const unsigned long long read = bytes_read_so_far() - before;
        EXPECT_EQ(e.kind, FileError::Too_large);
        EXPECT_EQ(bx::File_error_text(e, "f", 0), "The file f is " + std::to_string(limit + 1) +
                                                      " bytes long, more than a file of this kind may be (" +
                                                      std::to_string(limit) + " bytes). Nothing was loaded.");
        EXPECT_LE(read, limit + 1 + 4096);  // and this process's own counter
        EXPECT_TRUE(same_bytes(image, patterned()));
    }

    // A whole data file another program keeps appending blanks to (up to
    // four times the limit): read no further than the limit, whenever the
    // load catches up with it.
    TempDir dir;
    const std::string data = data_text();
    dir.write("growing.dat", data);
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        const int fd = ::open((dir / "growing.dat").c_str(), O_WRONLY | O_APPEND);
        const std::string blanks(65536, ' ');
        for (int i = 0; fd >= 0 && i < 64 && ::write(fd, blanks.data(), blanks.size()) > 0; ++i) {
        }
        ::_exit(0);
    }
    MemImage image;
    const unsigned long long before = bytes_read_so_far();
    const FileError e = bx::Load_data_file(dir / "growing.dat", image);
    const unsigned long long read = bytes_read_so_far() - before;
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    EXPECT_TRUE(e.kind == FileError::Too_large || e.kind == FileError::None) << bx::File_error_text(e, "f", 0);
    EXPECT_LE(read, limit + 1 + 4096);
}
