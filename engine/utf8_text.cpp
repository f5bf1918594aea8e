#include "engine/utf8_text.h"

#include <array>
#include <cstddef>

namespace engine {

namespace {

// The length of the UTF-8 sequence at the start of s, with its code point;
// 0 when it is not a well-formed sequence.
size_t DecodeOne(std::string_view s, char32_t& cp) {
    if (s.empty()) return 0;
    const auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = b(0);
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    size_t len = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range allowed for the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        len = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        len = 3;
        cp = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        len = 4;
        cp = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (s.size() < len) return 0;
    for (size_t i = 1; i < len; ++i) {
        const unsigned char c = b(i);
        const unsigned char lo = i == 1 ? low : 0x80;
        const unsigned char hi = i == 1 ? high : 0xBF;
        if (c < lo || c > hi) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    return len;
}

void Encode(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Windows-1252 0x80..0x9F; the five holes keep the C1 code of the same value,
// as the platform's own conversion does.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// How a block of small letters finds its capitals.
enum class Rule {
    Shift,      // capital = letter + delta
    PairsEven,  // capitals on even codes, each small letter on the odd code after
    PairsOdd,   // capitals on odd codes, each small letter on the even code after
};

struct Block {
    char32_t first, last;
    Rule rule;
    int delta;  // for Shift
};

// Simple (one-to-one) upper-case mappings, in code order.
constexpr Block Blocks[] = {
    {0x0061, 0x007A, Rule::Shift, -32},
    {0x00B5, 0x00B5, Rule::Shift, 0x039C - 0x00B5},
    {0x00E0, 0x00F6, Rule::Shift, -32},
    {0x00F8, 0x00FE, Rule::Shift, -32},
    {0x00FF, 0x00FF, Rule::Shift, 0x0178 - 0x00FF},
    {0x0100, 0x012F, Rule::PairsEven, 0},
    {0x0131, 0x0131, Rule::Shift, 0x0049 - 0x0131},  // dotless i
    {0x0132, 0x0137, Rule::PairsEven, 0},
    {0x0139, 0x0148, Rule::PairsOdd, 0},
    {0x014A, 0x0177, Rule::PairsEven, 0},
    {0x0179, 0x017E, Rule::PairsOdd, 0},
    {0x017F, 0x017F, Rule::Shift, 0x0053 - 0x017F},  // long s
    {0x01CD, 0x01DC, Rule::PairsOdd, 0},             // pinyin tones
    {0x01DE, 0x01EF, Rule::PairsEven, 0},
    {0x01F8, 0x021F, Rule::PairsEven, 0},  // with Romanian comma letters
    {0x0222, 0x0233, Rule::PairsEven, 0},
    {0x0371, 0x0373, Rule::PairsEven, 0},
    {0x0377, 0x0377, Rule::Shift, -1},
    {0x037B, 0x037D, Rule::Shift, 0x03FD - 0x037B},
    {0x03AC, 0x03AC, Rule::Shift, 0x0386 - 0x03AC},
    {0x03AD, 0x03AF, Rule::Shift, 0x0388 - 0x03AD},
    {0x03B1, 0x03C1, Rule::Shift, -32},
    {0x03C2, 0x03C2, Rule::Shift, 0x03A3 - 0x03C2},  // final sigma
    {0x03C3, 0x03CB, Rule::Shift, -32},
    {0x03CC, 0x03CC, Rule::Shift, 0x038C - 0x03CC},
    {0x03CD, 0x03CE, Rule::Shift, 0x038E - 0x03CD},
    {0x03D0, 0x03D0, Rule::Shift, 0x0392 - 0x03D0},
    {0x03D1, 0x03D1, Rule::Shift, 0x0398 - 0x03D1},
    {0x03D5, 0x03D5, Rule::Shift, 0x03A6 - 0x03D5},
    {0x03D6, 0x03D6, Rule::Shift, 0x03A0 - 0x03D6},
    {0x03D7, 0x03D7, Rule::Shift, 0x03CF - 0x03D7},
    {0x03D8, 0x03EF, Rule::PairsEven, 0},
    {0x03F0, 0x03F0, Rule::Shift, 0x039A - 0x03F0},
    {0x03F1, 0x03F1, Rule::Shift, 0x03A1 - 0x03F1},
    {0x03F2, 0x03F2, Rule::Shift, 0x03F9 - 0x03F2},
    {0x03F3, 0x03F3, Rule::Shift, 0x037F - 0x03F3},
    {0x03F5, 0x03F5, Rule::Shift, 0x0395 - 0x03F5},
    {0x03F8, 0x03F8, Rule::Shift, -1},
    {0x03FB, 0x03FB, Rule::Shift, -1},
    {0x0430, 0x044F, Rule::Shift, -32},
    {0x0450, 0x045F, Rule::Shift, -80},
    {0x0460, 0x0481, Rule::PairsEven, 0},
    {0x048A, 0x04BF, Rule::PairsEven, 0},
    {0x04C1, 0x04CE, Rule::PairsOdd, 0},
    {0x04CF, 0x04CF, Rule::Shift, 0x04C0 - 0x04CF},
    {0x04D0, 0x052F, Rule::PairsEven, 0},
    {0x0561, 0x0586, Rule::Shift, -48},
    {0x1E00, 0x1E95, Rule::PairsEven, 0},
    {0x1E9B, 0x1E9B, Rule::Shift, 0x1E60 - 0x1E9B},
    {0x1EA0, 0x1EFF, Rule::PairsEven, 0},  // Vietnamese
};

char32_t UpperOf(char32_t c) {
    for (const Block& b : Blocks) {
        if (c < b.first) break;
        if (c > b.last) continue;
        switch (b.rule) {
            case Rule::Shift: return static_cast<char32_t>(static_cast<long>(c) + b.delta);
            case Rule::PairsEven: return c % 2 == 1 ? c - 1 : c;
            case Rule::PairsOdd: return c % 2 == 0 ? c - 1 : c;
        }
    }
    return c;
}

// Raises the first `limit` characters of text; the rest is copied.
std::string Raise(std::string_view text, size_t limit) {
    std::string out;
    out.reserve(text.size());
    size_t letters = 0;
    while (!text.empty()) {
        char32_t cp = 0;
        const size_t len = DecodeOne(text, cp);
        if (len == 0) {  // not UTF-8: the byte stands as it is, and counts as a character
            out += text.front();
            text.remove_prefix(1);
            ++letters;
            continue;
        }
        if (letters < limit)
            Encode(UpperOf(cp), out);
        else
            out.append(text.substr(0, len));
        ++letters;
        text.remove_prefix(len);
    }
    return out;
}

}  // namespace

bool IsUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        char32_t cp = 0;
        const size_t len = DecodeOne(bytes, cp);
        if (len == 0) return false;
        bytes.remove_prefix(len);
    }
    return true;
}

std::string FileTextAsUtf8(std::string_view bytes) {
    if (IsUtf8(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        Encode(b >= 0x80 && b <= 0x9F ? Cp1252High[b - 0x80] : b, out);
    }
    return out;
}

std::string UpperCaseText(std::string_view text) { return Raise(text, std::string_view::npos); }

std::string UpperCaseFirst(std::string_view text) { return Raise(text, 1); }

}  // namespace engine
