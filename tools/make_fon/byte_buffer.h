// Little-endian byte assembly for the 16-bit Windows file formats (NE, FNT), which store
// every multi-byte field little-endian and unaligned whatever the host does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace glyphwright::fon {

using Bytes = std::vector<std::uint8_t>;

class ByteBuffer {
public:
    std::size_t size() const { return bytes_.size(); }
    const Bytes& bytes() const { return bytes_; }
    Bytes take() { return std::move(bytes_); }

    void u8(unsigned value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
    void u16(unsigned value) {
        u8(value & 0xFF);
        u8((value >> 8) & 0xFF);
    }
    void u32(std::uint32_t value) {
        u16(value & 0xFFFF);
        u16(value >> 16);
    }
    void append(const Bytes& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
    void zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    // A string padded with NULs (or cut) to exactly `width` bytes.
    void fixed_string(const std::string& text, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i) u8(i < text.size() ? static_cast<unsigned char>(text[i]) : 0);
    }
    void c_string(const std::string& text) {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        u8(0);
    }
    // Length-prefixed string as the NE name tables hold them.
    void pascal_string(const std::string& text) {
        u8(static_cast<unsigned>(text.size()));
        bytes_.insert(bytes_.end(), text.begin(), text.end());
    }
    void pad_to_multiple(std::size_t unit) {
        while (bytes_.size() % unit) u8(0);
    }
    // Fields whose value is known only once later parts are laid out.
    void patch_u16(std::size_t at, unsigned value) {
        bytes_.at(at) = static_cast<std::uint8_t>(value & 0xFF);
        bytes_.at(at + 1) = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    }
    void patch_u32(std::size_t at, std::uint32_t value) {
        patch_u16(at, value & 0xFFFF);
        patch_u16(at + 2, value >> 16);
    }

private:
    Bytes bytes_;
};

inline unsigned read_u16(const Bytes& bytes, std::size_t at) {
    return bytes.at(at) | (bytes.at(at + 1) << 8);
}

inline std::uint32_t read_u32(const Bytes& bytes, std::size_t at) {
    return read_u16(bytes, at) | (static_cast<std::uint32_t>(read_u16(bytes, at + 2)) << 16);
}

}  // namespace glyphwright::fon
