#include "cli/png_export.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "cli/cp437_cells.h"
#include "cli/sauce.h"

namespace glyphwright::cli {
namespace {

constexpr std::size_t kTabStop = 8;
constexpr char kDosEndOfFile = '\x1A';

bool ParseHexColor(std::string_view text, Rgb& color) {
    if (!text.empty() && text.front() == '#') text.remove_prefix(1);
    if (text.size() != 6) return false;
    std::uint8_t parts[3];
    for (int i = 0; i < 3; ++i) {
        int value = 0;
        for (int j = 0; j < 2; ++j) {
            const char c = text[static_cast<std::size_t>(i * 2 + j)];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) return false;
            value = value * 16 + digit;
        }
        parts[i] = static_cast<std::uint8_t>(value);
    }
    color = Rgb{parts[0], parts[1], parts[2]};
    return true;
}

// The text's lines, tabs expanded, as the cells they fill.
std::vector<std::string> CellLines(std::string_view text) {
    text = ViewedText(text);
    if (!text.empty() && text.back() == kDosEndOfFile) text.remove_suffix(1);
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            i = LineBreakEnd(text, i) - 1;
            if (i + 1 < text.size()) lines.emplace_back();
        } else if (c == '\t') {
            lines.back().append(kTabStop - lines.back().size() % kTabStop, ' ');
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

// Writes bits left to right into a row, most significant bit first.
class BitWriter {
  public:
    explicit BitWriter(std::uint8_t* out) : out_(out) {}
    void Put(unsigned bit, int count) {
        for (int i = 0; i < count; ++i) {
            pending_ = static_cast<unsigned>(pending_ << 1 | bit);
            if (++filled_ == 8) {
                *out_++ = static_cast<std::uint8_t>(pending_);
                pending_ = 0;
                filled_ = 0;
            }
        }
    }
    void Finish() {
        if (filled_ > 0) *out_ = static_cast<std::uint8_t>(pending_ << (8 - filled_));
    }

  private:
    std::uint8_t* out_;
    unsigned pending_ = 0;
    int filled_ = 0;
};

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void PutChunk(std::string& out, const char* type, std::string_view data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.append(type, 4);
    out.append(data);
    const auto* checked = reinterpret_cast<const Bytef*>(out.data() + typeAt);
    PutBigEndian(out, static_cast<std::uint32_t>(crc32(0, checked, static_cast<uInt>(4 + data.size()))));
}

using RowSource = void (*)(const void* context, int y, std::uint8_t* bits);

// Rows are compressed as they are made, each with the "none" filter: deflate finds the
// repeats of one-bit rows by itself, and every other filter, or a choice per row, made the
// files of text pictures larger (by 10% to 25% on the starter templates' NFOs).
std::string Encode(int width, int height, const PngColors& colors, RowSource row, const void* context) {
    std::string png("\x89PNG\r\n\x1A\n", 8);
    std::string header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header += std::string("\x01\x03\x00\x00\x00", 5);  // 1 bit, palette, deflate, no interlace
    PutChunk(png, "IHDR", header);
    const Rgb palette[2] = {colors.paper, colors.ink};
    std::string entries;
    for (const Rgb& c : palette) entries += {static_cast<char>(c.red), static_cast<char>(c.green), static_cast<char>(c.blue)};
    PutChunk(png, "PLTE", entries);

    z_stream stream{};
    // Z_FILTERED prefers literals to short matches: the bytes of a text row are the rows of
    // its letters' glyphs, cheaper spelt out than copied three at a time (3% smaller files).
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15, 9, Z_FILTERED) != Z_OK) return {};
    // The best compression's lazy matching, but a shorter search for each match: blank rows
    // and repeated lines give deflate thousands of equal candidates, and following all of
    // them (4096) took two and a half times as long for a file 0.7% smaller.
    deflateTune(&stream, 32, 258, 258, 1024);
    const std::size_t stride = (static_cast<std::size_t>(width) + 7) / 8;
    std::vector<std::uint8_t> line(stride + 1);
    std::string chunk(std::size_t(1) << 16, '\0');
    std::string data;
    bool ok = true;
    auto drain = [&](int flush) {
        do {
            stream.next_out = reinterpret_cast<Bytef*>(&chunk[0]);
            stream.avail_out = static_cast<uInt>(chunk.size());
            if (deflate(&stream, flush) == Z_STREAM_ERROR) ok = false;
            data.append(chunk.data(), chunk.size() - stream.avail_out);
        } while (ok && stream.avail_out == 0);
    };
    for (int y = 0; y < height && ok; ++y) {
        line[0] = 0;
        row(context, y, line.data() + 1);
        stream.next_in = line.data();
        stream.avail_in = static_cast<uInt>(line.size());
        drain(Z_NO_FLUSH);
    }
    if (ok) drain(Z_FINISH);
    deflateEnd(&stream);
    if (!ok) return {};
    PutChunk(png, "IDAT", data);
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace

bool ParseColors(std::string_view text, PngColors& colors, std::string& error) {
    const std::size_t comma = text.find(',');
    PngColors parsed;
    if (comma == std::string_view::npos || !ParseHexColor(text.substr(0, comma), parsed.ink) ||
        !ParseHexColor(text.substr(comma + 1), parsed.paper)) {
        error = "--colors wants two hexadecimal colours FG,BG such as c0c0c0,000000, not \"" +
                std::string(text) + "\"";
        return false;
    }
    colors = parsed;
    return true;
}

bool TextPicture::Lay(std::string_view cp437, const PictureOptions& options, std::string& error,
                      std::size_t maxPixels) {
    lines_ = CellLines(cp437);
    options_ = options;
    std::size_t columns = 1;
    for (const std::string& line : lines_) columns = std::max(columns, line.size());
    const auto scale = static_cast<std::size_t>(options.scale);
    const std::size_t width = columns * static_cast<std::size_t>(options.cellWidth) * scale;
    const std::size_t height = lines_.size() * kCellHeight * scale;
    if (width > maxPixels / height) {
        error = "the picture would be " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels; at most " + std::to_string(maxPixels) + " pixels are drawn";
        return false;
    }
    width_ = static_cast<int>(width);
    height_ = static_cast<int>(height);
    return true;
}

void TextPicture::Row(int y, std::uint8_t* bits) const {
    const int scale = options_.scale;
    const std::string& line = lines_[static_cast<std::size_t>(y / (kCellHeight * scale))];
    const int row = y / scale % kCellHeight;
    const std::size_t stride = (static_cast<std::size_t>(width_) + 7) / 8;
    std::memset(bits, 0, stride);
    if (options_.cellWidth == 8 && scale == 1) {  // a cell row is a byte: most pictures
        for (std::size_t column = 0; column < line.size(); ++column)
            bits[column] = kCp437Cells[static_cast<unsigned char>(line[column])][row];
        return;
    }
    BitWriter out(bits);
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        const unsigned cell = kCp437Cells[byte][row];
        for (int bit = 7; bit >= 0; --bit) out.Put(cell >> bit & 1, scale);
        if (options_.cellWidth == 9) out.Put(byte >= 0xC0 && byte <= 0xDF ? cell & 1 : 0, scale);
    }
    out.Finish();
}

Rgb TextImage::At(int x, int y) const {
    const std::uint8_t byte = bits[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) / 8];
    return byte >> (7 - x % 8) & 1 ? colors.ink : colors.paper;
}

bool DrawText(std::string_view cp437, const PictureOptions& options, TextImage& image,
              std::string& error, std::size_t maxPixels) {
    TextPicture picture;
    if (!picture.Lay(cp437, options, error, maxPixels)) return false;
    image.width = picture.Width();
    image.height = picture.Height();
    image.colors = options.colors;
    image.stride = (static_cast<std::size_t>(image.width) + 7) / 8;
    image.bits.assign(image.stride * static_cast<std::size_t>(image.height), 0);
    for (int y = 0; y < image.height; ++y) picture.Row(y, &image.bits[static_cast<std::size_t>(y) * image.stride]);
    return true;
}

bool DrawText(std::string_view cp437, const PngColors& colors, TextImage& image, std::string& error,
              std::size_t maxPixels) {
    PictureOptions options;
    options.colors = colors;
    return DrawText(cp437, options, image, error, maxPixels);
}

std::string EncodePng(const TextPicture& picture) {
    return Encode(picture.Width(), picture.Height(), picture.Colors(),
                  [](const void* context, int y, std::uint8_t* bits) {
                      static_cast<const TextPicture*>(context)->Row(y, bits);
                  },
                  &picture);
}

std::string EncodePng(const TextImage& image) {
    return Encode(image.width, image.height, image.colors,
                  [](const void* context, int y, std::uint8_t* bits) {
                      const auto* held = static_cast<const TextImage*>(context);
                      std::memcpy(bits, &held->bits[static_cast<std::size_t>(y) * held->stride], held->stride);
                  },
                  &image);
}

}  // namespace glyphwright::cli
