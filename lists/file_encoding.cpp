#include "lists/file_encoding.h"

#include "lists/charset.h"
#include "text/utf8.h"

namespace lw::lists {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

void appendUnit(std::string& out, char32_t unit, bool little) {
    const char high = static_cast<char>((unit >> 8) & 0xFF), low = static_cast<char>(unit & 0xFF);
    out += little ? low : high;
    out += little ? high : low;
}

std::string toUtf16(std::string_view utf8, bool little) {
    std::string out(little ? kUtf16LeMark : kUtf16BeMark);
    out.reserve(2 + 2 * utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = utf8::decodeNext(utf8, pos);
        if (cp < 0x10000) {
            appendUnit(out, cp, little);
        } else {
            appendUnit(out, 0xD800 + ((cp - 0x10000) >> 10), little);
            appendUnit(out, 0xDC00 + ((cp - 0x10000) & 0x3FF), little);
        }
    }
    return out;
}

} // namespace

FileEncoding detectEncoding(std::string_view bytes) {
    // The same marks the record reader follows, so that both read one file
    // alike.
    if (bytes.starts_with(kUtf8Mark))
        return FileEncoding::Utf8WithMark;
    if (bytes.starts_with(kUtf16LeMark))
        return FileEncoding::Utf16LittleEndian;
    if (bytes.starts_with(kUtf16BeMark))
        return FileEncoding::Utf16BigEndian;
    return isValidUtf8(bytes) ? FileEncoding::Utf8 : FileEncoding::Cp1252;
}

std::string_view encodingName(FileEncoding encoding) {
    switch (encoding) {
    case FileEncoding::Utf8:
        return "UTF-8";
    case FileEncoding::Utf8WithMark:
        return "UTF-8 mit BOM";
    case FileEncoding::Utf16LittleEndian:
    case FileEncoding::Utf16BigEndian:
        return "UTF-16";
    case FileEncoding::Cp1252:
        return "Windows-1252";
    }
    return "UTF-8";
}

std::optional<std::string> notTextReason(std::string_view bytes, FileEncoding encoding) {
    if (encoding == FileEncoding::Utf16LittleEndian || encoding == FileEncoding::Utf16BigEndian)
        return std::nullopt;
    if (bytes.find('\0') == std::string_view::npos)
        return std::nullopt;
    return "Die Datei ist keine Text- oder CSV-Datei. Eine Tabelle speichern Sie dafür als CSV "
           "oder als Text.";
}

std::string encodeText(std::string_view utf8, FileEncoding encoding) {
    switch (encoding) {
    case FileEncoding::Utf8:
        return std::string(utf8);
    case FileEncoding::Utf8WithMark:
        return std::string(kUtf8Mark) + std::string(utf8);
    case FileEncoding::Utf16LittleEndian:
        return toUtf16(utf8, true);
    case FileEncoding::Utf16BigEndian:
        return toUtf16(utf8, false);
    case FileEncoding::Cp1252: {
        std::string out;
        utf8ToCp1252(utf8, out);
        return out;
    }
    }
    return std::string(utf8);
}

std::string savedListText(std::string_view listText, FileEncoding encoding) {
    switch (encoding) {
    case FileEncoding::Utf8:
    case FileEncoding::Cp1252:
        return std::string(listText);
    case FileEncoding::Utf8WithMark:
    case FileEncoding::Utf16LittleEndian:
    case FileEncoding::Utf16BigEndian:
        if (listText.starts_with(kUtf8Mark))
            listText.remove_prefix(kUtf8Mark.size());
        return encodeText(listText, encoding);
    }
    return std::string(listText);
}

} // namespace lw::lists
