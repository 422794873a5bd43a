// Reading the place files: little-endian numbers and NUL-ended texts, each
// read checked against the end of the bytes, so that a damaged or cut file
// ends in a refusal, never in a read beyond it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lw::places {

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    bool failed() const { return failed_; }
    bool atEnd() const { return pos_ == bytes_.size(); }
    std::size_t remaining() const { return bytes_.size() - pos_; }

    // Whether the next bytes are `magic`; they are consumed when they are.
    bool expect(std::string_view magic);
    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    // A zigzag LEB128 number of at most 32 bits of value.
    std::int64_t svarint();
    // A text up to its NUL (consumed); it must be UTF-8 without control
    // characters, since it reaches the screen and the list's output.
    std::string_view text();

private:
    std::string_view take(std::size_t n);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

} // namespace lw::places
