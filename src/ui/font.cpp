#include "ui/font.h"

#include <cstring>
#include <utility>

namespace glyphwright::ui {
namespace {

// A screen device context with the font selected, for the questions asked of the mapper.
class SelectedFont {
public:
    explicit SelectedFont(HFONT font) : dc_(GetDC(nullptr)), old_(SelectObject(dc_, font)) {}
    ~SelectedFont() {
        SelectObject(dc_, old_);
        ReleaseDC(nullptr, dc_);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace

Font::Font(const FontRequest& request) : request_(request) {
    font_ = CreateFontA(request.height, request.width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        request.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        request.pitchAndFamily, request.face);
}

Font::~Font() {
    if (font_) DeleteObject(font_);
}

std::unique_ptr<Font> Font::WantedOrStandIn(const FontRequest& wanted, const FontRequest& standIn) {
    auto font = std::make_unique<Font>(wanted);
    if (font->HasFaceAskedFor()) return font;
    return std::make_unique<Font>(standIn);
}

void Font::Swap(Font& other) {
    std::swap(font_, other.font_);
    std::swap(request_, other.request_);
}

int Font::LineHeight() const {
    return Measure("0").cy;
}

SIZE Font::Measure(const char* text) const {
    SIZE size{};
    SelectedFont selected(font_);
    GetTextExtentPoint32A(selected.dc(), text, static_cast<int>(std::strlen(text)), &size);
    TEXTMETRICA metrics{};
    GetTextMetricsA(selected.dc(), &metrics);
    size.cy = metrics.tmHeight;
    return size;
}

bool Font::HasFaceAskedFor() const {
    SelectedFont selected(font_);
    char face[LF_FACESIZE] = {};
    GetTextFaceA(selected.dc(), sizeof face, face);
    TEXTMETRICA metrics{};
    GetTextMetricsA(selected.dc(), &metrics);
    // Face names are matched as the mapper matches them, without regard to case.
    return lstrcmpiA(face, request_.face) == 0 &&
           (request_.charset == DEFAULT_CHARSET || metrics.tmCharSet == request_.charset);
}

namespace {

int CALLBACK NoteRasterSize(const LOGFONTA*, const TEXTMETRICA* metrics, DWORD type, LPARAM sizes) {
    if (type & RASTER_FONTTYPE) {
        reinterpret_cast<std::vector<CellSize>*>(sizes)->push_back(
            {static_cast<int>(metrics->tmAveCharWidth), static_cast<int>(metrics->tmHeight)});
    }
    return 1;
}

}  // namespace

std::vector<CellSize> RasterCellSizes(const char* face, BYTE charset) {
    LOGFONTA wanted{};
    wanted.lfCharSet = charset;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    std::vector<CellSize> sizes;
    HDC screen = GetDC(nullptr);
    // A raster face is listed once for each of its sizes.
    EnumFontFamiliesExA(screen, &wanted, NoteRasterSize, reinterpret_cast<LPARAM>(&sizes), 0);
    ReleaseDC(nullptr, screen);
    return sizes;
}

}  // namespace glyphwright::ui
