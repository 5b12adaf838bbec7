#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "model/adj_file.h"
#include "model/defaults.h"
#include "support/tempdir.h"

using bx::AdjTable;
using bx::FileError;
using bxtest::TempDir;

namespace {

AdjTable factory() {
    AdjTable t;
    bx::Load_adj_defaults(t);
    return t;
}

// Every byte value somewhere, 0 and 255 included.
AdjTable every_byte() {
    AdjTable t;
    for (int c = 0; c < bx::kAdjRecords; ++c)
        for (int r = 0; r < bx::kAdjCells; ++r) t(c, r) = static_cast<int16_t>((c * 16 + r) * 3 % 256);
    t(31, 15) = 255;
    return t;
}

std::string numbers(const AdjTable& t, const std::string& sep, int count = 512) {
    std::string s;
    for (int i = 0; i < count; ++i) s += std::to_string(t(i / 16, i % 16)) + sep;
    return s;
}

}  // namespace

TEST(AdjFile, FactoryFileIs32LinesOfItems) {
    const std::string text = bx::Adj_file_text(factory());
    EXPECT_EQ(text.substr(0, 66), " 12  13  13  13  13  13  14  15  15  15  15  15  15  15  15  15 \r\n");
    size_t lines = 0, at = 0;
    while ((at = text.find("\r\n", at)) != std::string::npos) ++lines, at += 2;
    EXPECT_EQ(lines, 32u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);  // no bare LF
    // Line 31: the two passwords as their character codes, then four zeros.
    const size_t last = text.rfind("\r\n", text.size() - 3) + 2;
    EXPECT_EQ(text.substr(last), " 49  50  51  52  53  54  56  56  56  56  56  56  0  0  0  0 \r\n");
}

TEST(AdjFile, SavedTableLoadsBackTheSame) {
    TempDir dir;
    for (const AdjTable& t : {factory(), every_byte()}) {
        ASSERT_FALSE(bx::Save_adj_file(dir / "a.adj", t));
        AdjTable back;
        ASSERT_FALSE(bx::Load_adj_file(dir / "a.adj", back));
        EXPECT_EQ(back, t);
    }
    EXPECT_EQ(dir.names(), std::vector<std::string>{"a.adj"});  // nothing beside it
}

TEST(AdjFile, AnySeparatorsAndTrailingTextLoadTheSame) {
    const AdjTable t = every_byte();
    const std::string texts[] = {
        numbers(t, "\n"),             // one number a line
        numbers(t, ","),              // commas
        numbers(t, " ,"),             // a blank before each comma
        numbers(t, "\t"),             // tabs
        "   " + numbers(t, "  \r\n"),  // leading blanks, CR LF
        numbers(t, " ") + "junk that is never read",
    };
    for (const std::string& text : texts) {
        std::istringstream in(text);
        AdjTable got;
        EXPECT_FALSE(bx::Parse_adj_file(in, got)) << text.substr(0, 30);
        EXPECT_EQ(got, t) << text.substr(0, 30);
    }
}

TEST(AdjFile, BadFileLeavesTheTableUnchanged) {
    const AdjTable t = every_byte();
    const std::string good = numbers(t, " ");
    struct Case {
        std::string text;
        FileError::Kind kind;
        int line;
    };
    const Case cases[] = {
        {"", FileError::Ends_early, 1},
        {numbers(t, " ", 511), FileError::Ends_early, 1},
        {numbers(t, "\r\n", 100), FileError::Ends_early, 101},
        {numbers(t, " ", 20) + "1x " + good, FileError::Not_a_number, 1},
        {numbers(t, "\n", 40) + "1.5 " + good, FileError::Not_a_number, 41},
        {"1,,2 " + good, FileError::Not_a_number, 1},
        {numbers(t, " ", 300) + "-1 " + good, FileError::Out_of_range, 1},
        {numbers(t, " ", 511) + "256", FileError::Out_of_range, 1},
        {numbers(t, " ", 511) + "99999999999999999999", FileError::Out_of_range, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        AdjTable table = factory();
        std::istringstream in(c.text);
        FileError e = bx::Parse_adj_file(in, table);
        EXPECT_EQ(e.kind, c.kind);
        EXPECT_EQ(e.line, c.line);
        EXPECT_EQ(table, factory());
        EXPECT_NE(bx::File_error_text(e, "x.adj", 0).find("Nothing was loaded"), std::string::npos);
    }
    // 511 numbers: 31 lines complete of the 32.
    std::istringstream in(numbers(t, " ", 511));
    AdjTable table;
    FileError e = bx::Parse_adj_file(in, table);
    EXPECT_EQ(e.count, 31);
    EXPECT_EQ(e.expected, 32);
}

TEST(AdjFile, FilesThatCannotBeOpenedOrWritten) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder.adj");
    dir.write("folder.adj/keep", "x");
    ASSERT_EQ(::mkfifo((dir / "pipe.adj").c_str(), 0600), 0);
    for (const char* name : {"missing.adj", "folder.adj", "pipe.adj"}) {
        AdjTable table = factory();
        FileError e = bx::Load_adj_file(dir / name, table);
        EXPECT_EQ(e.kind, FileError::Cannot_open) << name;
        EXPECT_EQ(table, factory()) << name;
    }
    for (const char* name : {"no-such-folder/a.adj", "folder.adj", "pipe.adj"}) {
        FileError e = bx::Save_adj_file(dir / name, factory());
        EXPECT_EQ(e.kind, FileError::Cannot_write) << name;
        EXPECT_NE(bx::File_error_text(e, name, 0).find("Nothing was saved"), std::string::npos);
    }
    EXPECT_EQ(dir.read("folder.adj/keep"), "x");
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "pipe.adj"));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"folder.adj", "pipe.adj"}));
}
