// UTF-8 texts as sequences of characters.
//
// Field texts are UTF-8, but the input checks count lengths and positions in
// characters, as the user sees them: a pasted "Ä" is one character, and a
// message that quotes a character must quote all of its bytes. Malformed
// bytes (which a Qt field never delivers) each count as one U+FFFD character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lw::utf8 {

inline constexpr char32_t kReplacement = 0xFFFD;

// Decodes the character starting at text[pos]; advances pos past it.
inline char32_t decodeNext(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1Fu, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0Fu, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07u, minimum = 0x10000;
    } else {
        return kReplacement;
    }
    std::size_t p = pos;
    for (int i = 0; i < extra; ++i, ++p) {
        if (p >= text.size() || (static_cast<unsigned char>(text[p]) & 0xC0) != 0x80)
            return kReplacement; // only the lead byte is consumed
        cp = (cp << 6) | (static_cast<unsigned char>(text[p]) & 0x3Fu);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return kReplacement;
    pos = p;
    return cp;
}

// Written in place rather than appended: pasted lines are decoded once a
// line in long lists, and push_back's checks cost more than the decoding.
inline std::u32string decode(std::string_view text) {
    std::u32string out(text.size(), U'\0');
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < text.size();)
        out[n++] = decodeNext(text, pos);
    out.resize(n);
    return out;
}

// One character as UTF-8 at the end of `out`; code points that are not
// characters give U+FFFD.
inline void appendEncoded(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = kReplacement;
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

inline std::string encode(char32_t cp) {
    std::string out;
    appendEncoded(out, cp);
    return out;
}

// The leading ASCII characters, nearly always all of them, are written in
// place; the rest appended.
inline std::string encode(std::u32string_view cps) {
    std::string out(cps.size(), '\0');
    std::size_t n = 0;
    while (n < cps.size() && cps[n] < 0x80) {
        out[n] = static_cast<char>(cps[n]);
        ++n;
    }
    out.resize(n);
    for (std::size_t i = n; i < cps.size(); ++i)
        appendEncoded(out, cps[i]);
    return out;
}

// Number of characters.
inline std::size_t charCount(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < text.size(); ++n)
        decodeNext(text, pos);
    return n;
}

// The character at 1-based position n, or "" when the text is shorter (or n is 0).
inline std::string nthChar(std::string_view text, std::size_t n) {
    std::size_t index = 1;
    for (std::size_t pos = 0; pos < text.size(); ++index) {
        const std::size_t start = pos;
        const char32_t cp = decodeNext(text, pos);
        if (index == n)
            return cp == kReplacement ? encode(cp) : std::string(text.substr(start, pos - start));
    }
    return std::string();
}

// The first n characters (the whole text when it is shorter).
inline std::string leftChars(std::string_view text, std::size_t n) {
    std::size_t pos = 0;
    std::size_t out = 0;
    for (std::size_t i = 0; i < n && pos < text.size(); ++i) {
        decodeNext(text, pos);
        out = pos;
    }
    return encode(decode(text.substr(0, out)));
}

// The last character, or "" for the empty text.
inline std::string lastChar(std::string_view text) {
    return nthChar(text, charCount(text));
}

} // namespace lw::utf8
