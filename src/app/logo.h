#pragma once
// The logo on the "About" page: the LOGO bitmap resource drawn into the logo box with
// softened corners.

#include <windows.h>

namespace glyphwright {

class MainWindow;

// The loaded logo bitmap; deletes the bitmap it holds when replaced or destroyed.
class LogoBitmap {
public:
    LogoBitmap() = default;
    ~LogoBitmap();
    LogoBitmap(const LogoBitmap&) = delete;
    LogoBitmap& operator=(const LogoBitmap&) = delete;

    void Replace(HBITMAP bitmap);
    HBITMAP Handle() const { return bitmap_; }
    SIZE Size() const { return size_; }

private:
    HBITMAP bitmap_ = nullptr;
    SIZE size_{};
};

// Loads the LOGO resource as a device-independent section, or nullptr.
HBITMAP LoadLogoBitmap();

// Runs each time the "About" page becomes visible: reloads the logo, sizes, places and shapes
// the logo box for it, and draws it.
void ShowLogo(MainWindow& window);
// Runs on each paint of the logo box.
void PaintLogo(MainWindow& window, HDC dc);

}  // namespace glyphwright
