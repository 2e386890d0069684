#pragma once
// The logo on the "About" page: the LOGO bitmap resource drawn into the logo box with
// softened corners, at the display's scale.

#include <windows.h>

namespace glyphwright {

class MainWindow;

// The loaded logo bitmap and the copy drawn at the display's scale; deletes what it holds
// when replaced or destroyed.
class LogoBitmap {
public:
    LogoBitmap() = default;
    ~LogoBitmap();
    LogoBitmap(const LogoBitmap&) = delete;
    LogoBitmap& operator=(const LogoBitmap&) = delete;

    // Takes `bitmap` (made for 96 DPI, or nullptr) as the logo and shows it at `dpi`.
    void Replace(HBITMAP bitmap, int dpi);
    // Shows the logo at another scale: a copy resampled from the bitmap as loaded (see
    // logo_scaling.h); at 96 DPI the bitmap itself.
    void Rescale(int dpi);
    // What is drawn, and its size.
    HBITMAP Handle() const { return scaled_ ? scaled_ : bitmap_; }
    SIZE Size() const { return scaled_ ? scaledSize_ : size_; }

private:
    HBITMAP bitmap_ = nullptr;
    SIZE size_{};
    HBITMAP scaled_ = nullptr;
    SIZE scaledSize_{};
};

// Loads the LOGO resource as a device-independent section, or nullptr.
HBITMAP LoadLogoBitmap();

// Runs each time the "About" page becomes visible: reloads the logo, sizes, places and shapes
// the logo box for it, and draws it.
void ShowLogo(MainWindow& window);
// After the display's scale changed: the logo shown so far, at the new scale, in a box sized,
// placed and shaped for it. Nothing before the logo was first shown.
void FitLogo(MainWindow& window);
// Runs on each paint of the logo box.
void PaintLogo(MainWindow& window, HDC dc);

}  // namespace glyphwright
