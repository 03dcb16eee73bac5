#include "managed/Utf8Decoder.h"

#include <cstddef>

namespace mirobanth::managed {

namespace {

constexpr char16_t REPLACEMENT_CHARACTER = 0xFFFD;

// What a lead byte promises: the sequence length, the mask of the bits it
// contributes and the range of the byte after it. The narrowed second-byte
// ranges are what rule out overlong forms, surrogates and values above
// U+10FFFF.
struct LeadBytes {
    unsigned char first;
    unsigned char last;
    std::size_t length;
    unsigned char mask;
    unsigned char secondLow;
    unsigned char secondHigh;
};

// clang-format off
constexpr LeadBytes LEAD_BYTES[] = {
    {0xC2, 0xDF, 2, 0x1F, 0x80, 0xBF},
    {0xE0, 0xE0, 3, 0x0F, 0xA0, 0xBF},  // no overlong forms
    {0xE1, 0xEC, 3, 0x0F, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x0F, 0x80, 0x9F},  // no surrogates
    {0xEE, 0xEF, 3, 0x0F, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x07, 0x90, 0xBF},  // no overlong forms
    {0xF1, 0xF3, 4, 0x07, 0x80, 0xBF},
    {0xF4, 0xF4, 4, 0x07, 0x80, 0x8F},  // nothing above U+10FFFF
};
// clang-format on

const LeadBytes* leadOf(unsigned char byte) {
    for (const LeadBytes& lead : LEAD_BYTES) {
        if (byte >= lead.first && byte <= lead.last) return &lead;
    }
    return nullptr;
}

void appendCodePoint(std::u16string& out, char32_t codePoint) {
    if (codePoint < 0x10000) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

// Decodes the sequence starting at text[start]; returns how many bytes it
// used. A sequence that breaks off uses the bytes that were still valid.
std::size_t decodeSequence(const std::string& text, std::size_t start, std::u16string& out) {
    const auto byte = [&](std::size_t index) { return static_cast<unsigned char>(text[index]); };
    const LeadBytes* lead = leadOf(byte(start));
    if (!lead) {
        out.push_back(REPLACEMENT_CHARACTER);
        return 1;
    }
    char32_t codePoint = byte(start) & lead->mask;
    std::size_t used = 1;
    for (; used < lead->length && start + used < text.size(); ++used) {
        unsigned char next = byte(start + used);
        unsigned char low = used == 1 ? lead->secondLow : 0x80;
        unsigned char high = used == 1 ? lead->secondHigh : 0xBF;
        if (next < low || next > high) break;
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    if (used < lead->length) {
        out.push_back(REPLACEMENT_CHARACTER);
    } else {
        appendCodePoint(out, codePoint);
    }
    return used;
}

}  // namespace

std::u16string decodeUtf8(const std::string& text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t index = 0;
    while (index < text.size()) {
        unsigned char byte = static_cast<unsigned char>(text[index]);
        if (byte < 0x80) {
            out.push_back(byte);
            ++index;
        } else {
            index += decodeSequence(text, index, out);
        }
    }
    return out;
}

}  // namespace mirobanth::managed
