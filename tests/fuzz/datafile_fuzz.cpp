// The data-file loader against any text: a refused file leaves the image
// byte for byte as it was and names a line inside the file; an accepted file
// saves and loads back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "fuzz_check.h"
#include "model/datafile.h"

using bx::FileError;
using bx::MemImage;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    MemImage image;
    for (int r = 0; r < bx::kImageRecords; ++r)
        for (int b = 0; b < bx::kRecordBytes; ++b) image(r, b) = static_cast<uint8_t>(r * 31 + b);
    const MemImage before = image;

    std::istringstream in(text);
    const FileError e = bx::Parse_data_file(in, image);
    if (e) {
        FUZZ_CHECK(image == before);
        FUZZ_CHECK(e.kind != FileError::Cannot_open && e.kind != FileError::Cannot_write);
        // Lines end at CR LF, at a lone LF and at a lone CR.
        int lines = 1;
        for (size_t i = 0; i < text.size(); ++i)
            lines += text[i] == '\r' || (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'));
        FUZZ_CHECK(e.line >= 1 && e.line <= lines);
        if (e.kind == FileError::One_too_many || e.kind == FileError::One_too_few)
            FUZZ_CHECK(e.last_line >= e.line && e.last_line <= lines);
        // A field is quoted as it stands in the file, or cut with "...".
        if (e.kind == FileError::Not_a_number || e.kind == FileError::Out_of_range ||
            e.kind == FileError::Cut_short || e.kind == FileError::Trailing) {
            const bool cut = e.token.size() > 3 && e.token.compare(e.token.size() - 3, 3, "...") == 0;
            FUZZ_CHECK(text.find(cut ? e.token.substr(0, e.token.size() - 3) : e.token) != std::string::npos);
        }
        FUZZ_CHECK(!bx::File_error_text(e, "x.dat", 0).empty());
        FUZZ_CHECK(!bx::File_error_text(e, "x.dat", -1).empty());
        return 0;
    }
    const std::string saved = bx::Data_file_text(image);
    std::istringstream back(saved);
    MemImage again;
    FUZZ_CHECK(!bx::Parse_data_file(back, again));
    FUZZ_CHECK(again == image);
    FUZZ_CHECK(bx::Data_file_text(again) == saved);
    return 0;
}
