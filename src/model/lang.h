// Texts that several windows share, in the language the flag chooses.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace bx {

struct LangTexts {
    std::string About_title;
    std::string About_version;
    std::string About_description;
    std::string About_disclaimer;
    std::string About_ok_caption;
    std::string About_sysinfo_caption;
    std::array<std::string, 4> Sig_2tone_resp_names;
    std::array<std::string, 9> Sig_5tone_func_names;
};

// Fills every text in Chinese when lang_chinese is non-zero, else English.
void Set_lang_texts(LangTexts& t, int16_t lang_chinese);

// Picks the text of the language the flag holds.
inline const char* L(int16_t lang_chinese, const char* chn, const char* eng) {
    return lang_chinese != 0 ? chn : eng;
}

}  // namespace bx
