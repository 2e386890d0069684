#pragma once
// Pictures of the program's window for people to look at: the screen area under the window,
// read from the screen device context (the window belongs to another process), saved as PNG.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace glyphwright::guitest {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // top-down rows, 3 bytes a pixel
    bool operator==(const Picture& other) const {
        return width == other.width && height == other.height && rgb == other.rgb;
    }
};

// The screen area under the window once it has stopped changing (empty when it is not there).
Picture CaptureWindowPicture(HWND window);

// The longest run of dark pixels down any one column: a frame's side bar drawn in an OEM font
// runs through every line, while letters standing in for it never join across lines.
int LongestDarkVerticalRun(const Picture& picture);

// How many bands of rows hold a dark pixel, with rows of none between them: the lines of text
// a label shows.
int DarkRowBands(const Picture& picture);

// Waits until the picture stops changing (the target paints on its own schedule), then writes
// it. Creates the folders of `path` as needed.
bool SaveWindowScreenshot(HWND window, const std::string& path);

}  // namespace glyphwright::guitest
