// UTF-8 and UTF-16 (and the wide text of the system's API) converted into
// each other, the same on every system.
#include "Text.h"

#include <algorithm>
#include <cstddef>

namespace mirobanth::text {

namespace {

constexpr char16_t REPLACEMENT_CHARACTER = 0xFFFD;
constexpr char32_t LAST_CODE_POINT = 0x10FFFF;

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
bool isSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

// The code point a UTF-16 surrogate pair stands for.
char32_t pairedCodePoint(char32_t high, char32_t low) {
    return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Whether a three-byte sequence is already broken at its second byte: E0
// followed by 80..9F could only start an overlong form.
bool isBrokenThreeByteStart(unsigned char lead, unsigned char second) {
    return (lead == 0xE0 && (second & 0xE0) == 0x80) || !isContinuation(second);
}

// Whether a four-byte sequence is already broken at its second byte: overlong
// forms (F0 80..8F), values above U+10FFFF (F4 90.., F5 and up).
bool isBrokenFourByteStart(unsigned char lead, unsigned char second) {
    return lead > 0xF4 || (lead == 0xF0 && (second < 0x90 || second > 0xBF)) ||
           (lead == 0xF4 && (second & 0xF0) != 0x80) || !isContinuation(second);
}

// Java decodes a byte string sequence by sequence, and where one is
// ill-formed it puts one U+FFFD and goes on after the bytes it judged to
// belong to it; an argument must reach main as `new String(bytes, UTF_8)`
// would give it, so this walks the bytes the same way. Where the text ends
// inside a sequence whose bytes so far were fine, that rest is one U+FFFD.
class Decoder {
public:
    explicit Decoder(const std::string& text) : text(text) { out.reserve(text.size()); }

    std::u16string run() {
        while (at < text.size()) {
            const unsigned char lead = next();
            if (lead < 0x80) {
                out.push_back(lead);
            } else if (lead >= 0xC2 && lead <= 0xDF) {
                twoBytes(lead);
            } else if ((lead & 0xF0) == 0xE0) {
                threeBytes(lead);
            } else if ((lead & 0xF8) == 0xF0) {
                fourBytes(lead);
            } else {
                replace();  // a stray continuation byte, C0, C1, F8..FF
            }
        }
        return std::move(out);
    }

private:
    unsigned char next() { return byteAt(at++); }
    unsigned char byteAt(std::size_t index) const {
        return static_cast<unsigned char>(text[index]);
    }
    std::size_t left() const { return text.size() - at; }
    void replace() { out.push_back(REPLACEMENT_CHARACTER); }
    void endInsideSequence() {
        replace();
        at = text.size();
    }

    void twoBytes(unsigned char lead) {
        if (left() == 0) return endInsideSequence();
        if (!isContinuation(byteAt(at))) return replace();
        out.push_back(static_cast<char16_t>(((lead & 0x1F) << 6) | (next() & 0x3F)));
    }

    void threeBytes(unsigned char lead) {
        if (left() < 2) {
            if (left() == 1 && isBrokenThreeByteStart(lead, byteAt(at))) return replace();
            return endInsideSequence();
        }
        const unsigned char second = byteAt(at), third = byteAt(at + 1);
        if (isBrokenThreeByteStart(lead, second)) return replace();
        if (!isContinuation(third)) {
            ++at;  // the lead and the second byte were one broken sequence
            return replace();
        }
        at += 2;
        const char16_t unit =
            static_cast<char16_t>(((lead & 0x0F) << 12) | ((second & 0x3F) << 6) | (third & 0x3F));
        // An encoded surrogate is one broken sequence of three bytes.
        out.push_back(isSurrogate(unit) ? REPLACEMENT_CHARACTER : unit);
    }

    void fourBytes(unsigned char lead) {
        if (left() < 3) return truncatedFourBytes(lead);
        const unsigned char second = byteAt(at), third = byteAt(at + 1), fourth = byteAt(at + 2);
        if (isBrokenFourByteStart(lead, second)) return replace();
        if (!isContinuation(third)) {
            ++at;
            return replace();
        }
        if (!isContinuation(fourth)) {
            at += 2;
            return replace();
        }
        at += 3;
        const char32_t codePoint = ((lead & 0x07) << 18) | ((second & 0x3F) << 12) |
                                   ((third & 0x3F) << 6) | (fourth & 0x3F);
        const char32_t offset = codePoint - 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
    }

    // Fewer than three bytes follow the lead: a broken second byte ends the
    // sequence at the lead, a broken third byte after the second; otherwise
    // the text ends inside it.
    void truncatedFourBytes(unsigned char lead) {
        if (lead > 0xF4 || (left() > 0 && isBrokenFourByteStart(lead, byteAt(at))))
            return replace();
        if (left() == 2 && !isContinuation(byteAt(at + 1))) {
            ++at;
            return replace();
        }
        endInsideSequence();
    }

    const std::string& text;
    std::size_t at = 0;
    std::u16string out;
};

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
            return pairedCodePoint(unit, low);
        }
    }
    return unit;  // a lone surrogate is replaced when it is appended
}

}  // namespace

std::u16string decodeUtf8(const std::string& text) { return Decoder(text).run(); }

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

// UTF-16 where wchar_t has 16 bits (Windows), code points where it has 32.
// The decoded text holds surrogates only in pairs.
std::wstring widen(const std::string& text) {
    const std::u16string units = decodeUtf8(text);
    std::wstring wide;
    wide.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t unit = units[i];
        if (sizeof(wchar_t) == 4 && isHighSurrogate(unit) && i + 1 < units.size()) {
            unit = pairedCodePoint(unit, units[++i]);
        }
        wide += static_cast<wchar_t>(unit);
    }
    return wide;
}

bool isWellFormedUtf8(const std::string& text) {
    const std::string encodedReplacement = "\xEF\xBF\xBD";
    std::size_t written = 0;
    for (std::size_t at = text.find(encodedReplacement); at != std::string::npos;
         at = text.find(encodedReplacement, at + 1)) {
        ++written;
    }
    const std::u16string decoded = decodeUtf8(text);
    return static_cast<std::size_t>(
               std::count(decoded.begin(), decoded.end(), REPLACEMENT_CHARACTER)) == written;
}

}  // namespace mirobanth::text
