#include "managed/Utf8Decoder.h"

#include <cstddef>

namespace mirobanth::managed {

namespace {

constexpr char16_t REPLACEMENT_CHARACTER = 0xFFFD;

// What a lead byte promises: the sequence length, the bits it contributes
// and the range of the byte after it. The narrowed second-byte ranges are
// what rule out overlong forms, surrogates and values above U+10FFFF.
struct LeadByte {
    int length;
    char32_t bits;
    unsigned char secondLow;
    unsigned char secondHigh;
};

bool describeLead(unsigned char byte, LeadByte& lead) {
    if (byte >= 0xC2 && byte <= 0xDF) lead = {2, byte & 0x1Fu, 0x80, 0xBF};
    else if (byte == 0xE0) lead = {3, 0x0, 0xA0, 0xBF};
    else if (byte == 0xED) lead = {3, 0xD, 0x80, 0x9F};
    else if (byte >= 0xE1 && byte <= 0xEF) lead = {3, byte & 0x0Fu, 0x80, 0xBF};
    else if (byte == 0xF0) lead = {4, 0x0, 0x90, 0xBF};
    else if (byte >= 0xF1 && byte <= 0xF3) lead = {4, byte & 0x07u, 0x80, 0xBF};
    else if (byte == 0xF4) lead = {4, 0x4, 0x80, 0x8F};
    else return false;
    return true;
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
    LeadByte lead;
    if (!describeLead(byte(start), lead)) {
        out.push_back(REPLACEMENT_CHARACTER);
        return 1;
    }
    char32_t codePoint = lead.bits;
    std::size_t used = 1;
    for (; used < static_cast<std::size_t>(lead.length); ++used) {
        if (start + used >= text.size()) break;
        unsigned char next = byte(start + used);
        unsigned char low = used == 1 ? lead.secondLow : 0x80;
        unsigned char high = used == 1 ? lead.secondHigh : 0xBF;
        if (next < low || next > high) break;
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    if (used < static_cast<std::size_t>(lead.length)) {
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
