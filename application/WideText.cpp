#include "application/WideText.h"

namespace mirobanth::application {

namespace {

constexpr char32_t REPLACEMENT_CHARACTER = 0xFFFD;
constexpr char32_t LAST_CODE_POINT = 0x10FFFF;

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
bool isSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint > LAST_CODE_POINT || isSurrogate(codePoint)) codePoint = REPLACEMENT_CHARACTER;
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// The code point that starts at text[i] in UTF-16, advancing i past a pair.
char32_t nextUtf16CodePoint(const std::wstring& text, std::size_t& i) {
    char32_t unit = static_cast<char16_t>(text[i]);
    if (isHighSurrogate(unit) && i + 1 < text.size()) {
        char32_t low = static_cast<char16_t>(text[i + 1]);
        if (isLowSurrogate(low)) {
            ++i;
            return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        }
    }
    return unit;  // a lone surrogate is replaced when it is appended
}

}  // namespace

std::string toUtf8(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if constexpr (sizeof(wchar_t) == 2) {
            appendUtf8(out, nextUtf16CodePoint(text, i));
        } else {
            appendUtf8(out, static_cast<char32_t>(text[i]));
        }
    }
    return out;
}

}  // namespace mirobanth::application
