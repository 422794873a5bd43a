#include "byte_reader.h"

#include "text/utf8.h"

namespace lw::places {
namespace {

bool isCleanText(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = utf8::decodeNext(text, pos);
        if (c == utf8::kReplacement || c < 0x20 || (c >= 0x7F && c < 0xA0))
            return false;
    }
    return true;
}

} // namespace

std::string_view ByteReader::take(std::size_t n) {
    if (failed_ || n > remaining()) {
        failed_ = true;
        return {};
    }
    std::string_view part = bytes_.substr(pos_, n);
    pos_ += n;
    return part;
}

bool ByteReader::expect(std::string_view magic) {
    if (bytes_.substr(pos_, magic.size()) != magic) {
        failed_ = true;
        return false;
    }
    pos_ += magic.size();
    return true;
}

std::uint8_t ByteReader::u8() {
    const std::string_view b = take(1);
    return b.empty() ? 0 : static_cast<std::uint8_t>(b[0]);
}

std::uint16_t ByteReader::u16() {
    const std::uint16_t low = u8();
    return static_cast<std::uint16_t>(low | (u8() << 8));
}

std::uint32_t ByteReader::u32() {
    const std::uint32_t low = u16();
    return low | (static_cast<std::uint32_t>(u16()) << 16);
}

std::int64_t ByteReader::svarint() {
    std::uint64_t z = 0;
    for (int shift = 0; shift <= 28; shift += 7) {
        const std::uint8_t b = u8();
        z |= static_cast<std::uint64_t>(b & 0x7F) << shift;
        if (failed_ || !(b & 0x80))
            return (z & 1) ? -static_cast<std::int64_t>(z >> 1) - 1
                           : static_cast<std::int64_t>(z >> 1);
    }
    failed_ = true; // more than five bytes: no number this file writes
    return 0;
}

std::string_view ByteReader::text() {
    const std::size_t end = bytes_.find('\0', pos_);
    if (failed_ || end == std::string_view::npos) {
        failed_ = true;
        return {};
    }
    const std::string_view t = take(end - pos_);
    pos_ += 1; // the NUL
    if (!isCleanText(t))
        failed_ = true;
    return t;
}

} // namespace lw::places
