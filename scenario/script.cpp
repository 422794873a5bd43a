#include "scenario/script.h"

namespace lw::scenario {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (isBlank(s.front()) || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

void dropLeadingBlanks(std::string_view& s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
}

std::optional<char> unescaped(char c) {
    switch (c) {
    case '"':
        return '"';
    case '\\':
        return '\\';
    case 'r':
        return '\r';
    case 'n':
        return '\n';
    case 't':
        return '\t';
    default:
        return std::nullopt;
    }
}

TextOperand parseQuoted(std::string_view rest) {
    std::string text;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '"') {
            std::string_view after = rest.substr(i + 1);
            dropLeadingBlanks(after);
            if (!after.empty())
                return {std::nullopt, "text after the closing quote"};
            return {std::move(text), {}};
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++i == rest.size())
            break;
        const std::optional<char> decoded = unescaped(rest[i]);
        if (!decoded)
            return {std::nullopt, std::string("unknown escape \\") + rest[i]};
        text += *decoded;
    }
    return {std::nullopt, "missing closing quote"};
}

} // namespace

std::vector<CommandLine> readCommandLines(std::istream& in) {
    std::vector<CommandLine> lines;
    std::string raw;
    for (int number = 1; std::getline(in, raw); ++number) {
        const std::string_view text = trimmed(raw);
        if (text.empty() || text.front() == '#')
            continue;
        lines.push_back({number, std::string(text)});
    }
    return lines;
}

std::string takeWord(std::string_view& rest) {
    dropLeadingBlanks(rest);
    std::size_t end = 0;
    while (end < rest.size() && !isBlank(rest[end]))
        ++end;
    std::string word(rest.substr(0, end));
    rest.remove_prefix(end);
    dropLeadingBlanks(rest);
    return word;
}

TextOperand parseTextOperand(std::string_view rest) {
    dropLeadingBlanks(rest);
    if (!rest.empty() && rest.front() == '"')
        return parseQuoted(rest);
    while (!rest.empty() && isBlank(rest.back()))
        rest.remove_suffix(1);
    return {std::string(rest), {}};
}

std::string quotedText(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    out += '"';
    return out;
}

} // namespace lw::scenario
