#include "lists/charset.h"

#include "text/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace lw::lists {
namespace {

// 0x80 to 0x9F of Windows-1252; the open places keep their own number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Lines are read eight bytes at a time where they are plain: most lines of a
// list are short runs of digits, and a byte-wise look costs more than the
// conversion around it.
constexpr std::size_t kWord = 8;
constexpr std::uint64_t kOnes = 0x0101010101010101, kHighBits = 0x8080808080808080;

std::uint64_t wordAt(std::string_view text, std::size_t i) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, kWord);
    return word;
}

// Whether a byte of `word` lies below `bound` (at most 0x80): a byte below
// it borrows into its own high bit, which it did not have.
bool holdsByteBelow(std::uint64_t word, unsigned bound) {
    return ((word - kOnes * bound) & ~word & kHighBits) != 0;
}

// Whether a byte of `word` may need escaping: a control byte (a tab too, to
// be looked at alone) or DEL.
bool mayHoldControl(std::uint64_t word) {
    return holdsByteBelow(word, 0x20) || holdsByteBelow(word ^ (kOnes * 0x7F), 1);
}

// How far the words of `text` from `from` on pass `plain`: the end where
// they all do (the last word overlapping the one before, if it must), else
// the start of the first word that does not.
template <typename Plain>
std::size_t plainWords(std::string_view text, std::size_t from, Plain plain) {
    std::size_t i = from;
    while (i + kWord <= text.size() && plain(wordAt(text, i)))
        i += kWord;
    if (i + kWord > text.size() && text.size() >= kWord && plain(wordAt(text, text.size() - kWord)))
        return text.size();
    return i;
}

bool asciiWord(std::uint64_t word) {
    return (word & kHighBits) == 0;
}

// How many bytes at `from` are ASCII.
std::size_t asciiRun(std::string_view text, std::size_t from) {
    std::size_t i = plainWords(text, from, asciiWord);
    while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80)
        ++i;
    return i - from;
}

} // namespace

bool isAscii(std::string_view text) {
    return asciiRun(text, 0) == text.size();
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            pos += asciiRun(text, pos);
            continue;
        }
        // decodeNext reports every malformed sequence as U+FFFD; a real
        // U+FFFD in the text is three bytes long and valid.
        const std::size_t start = pos;
        if (utf8::decodeNext(text, pos) == utf8::kReplacement &&
            text.substr(start, 3) != "\xEF\xBF\xBD")
            return false;
    }
    return true;
}

void cp1252ToUtf8(std::string_view text, std::string& out) {
    out.clear();
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0)
            appendUtf8(out, kHighControls[byte - 0x80]);
        else
            appendUtf8(out, byte);
    }
}

void utf8ToCp1252(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t cp = utf8::decodeNext(text, pos);
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char byte = '?';
        for (std::size_t i = 0; i < kHighControls.size(); ++i)
            if (kHighControls[i] == cp)
                byte = static_cast<char>(0x80 + i);
        out += byte;
    }
}

namespace {

bool escaped(char c, std::string_view keep) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 || byte == 0x7F) && c != '\t' && keep.find(c) == std::string_view::npos;
}

bool withoutControl(std::uint64_t word) {
    return !mayHoldControl(word);
}

// Where the first byte to escape is; the size where there is none. A word
// that may hold one (a tab may be all it holds) is looked at byte by byte.
std::size_t firstEscaped(std::string_view text, std::string_view keep) {
    std::size_t i = 0;
    while ((i = plainWords(text, i, withoutControl)) < text.size())
        for (const std::size_t end = std::min(i + kWord, text.size()); i < end; ++i)
            if (escaped(text[i], keep))
                return i;
    return text.size();
}

} // namespace

void escapeControlBytes(std::string& text, std::string_view keep) {
    std::size_t i = firstEscaped(text, keep);
    if (i == text.size())
        return;
    std::string out(text, 0, i);
    constexpr std::string_view kHex = "0123456789ABCDEF";
    for (; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!escaped(text[i], keep)) {
            out += text[i];
            continue;
        }
        out += "\\x";
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
    }
    text.swap(out);
}

} // namespace lw::lists
