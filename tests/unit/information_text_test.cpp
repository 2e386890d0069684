// The information view shows kInformationText byte for byte in an OEM font and centres it line
// by line, so one stray or missing byte opens a frame or shifts a whole line. These tests hold
// the text to its layout.

#include "app/information_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace glyphwright {
namespace {

constexpr std::size_t kLineCount = 63;
constexpr std::size_t kLineWidth = 79;
constexpr std::size_t kBannerFirst = 1;  // 13 banner lines follow the leading blank line
constexpr std::size_t kBannerLast = 13;
constexpr std::size_t kCheckLines[] = {15, 16};

// OEM code page bytes the layout is drawn with.
constexpr unsigned char kTick = 0xFB;           // √
constexpr unsigned char kVertical = 0xB3;       // │
constexpr unsigned char kTitleLeft = 0xD5;      // ╒
constexpr unsigned char kTitleRight = 0xB8;     // ╕
constexpr unsigned char kBottomLeft = 0xD4;     // ╘
constexpr unsigned char kBottomRight = 0xBE;    // ╛
constexpr unsigned char kDouble = 0xCD;         // ═
constexpr unsigned char kSingle = 0xC4;         // ─
constexpr unsigned char kMiddleDot = 0xFA;      // ·
constexpr char kTitleMark[] = "\xDE\xDB\xDD";   // ▐█▌

unsigned char At(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(' ') == std::string_view::npos;
}

bool IsBlockOrShade(unsigned char c) {
    return (c >= 0xB0 && c <= 0xB2) || (c >= 0xDB && c <= 0xDF);
}

// Letters of code page 866 (А..п and р..я); in this text they may only spell the Russian.
bool IsCp866Cyrillic(unsigned char c) {
    return (c >= 0x80 && c <= 0xAF) || (c >= 0xE0 && c <= 0xEF);
}

std::string_view Text() { return std::string_view(kInformationText, kInformationTextLength); }

// The 79 visible bytes of each line, without the CR LF (checked separately).
std::vector<std::string_view> Lines() {
    std::vector<std::string_view> lines;
    for (std::size_t i = 0; i < kLineCount; ++i)
        lines.push_back(Text().substr(i * (kLineWidth + 2), kLineWidth));
    return lines;
}

struct Section {
    std::string title;  // with the letter spacing taken out
    std::size_t first;  // title bar line
    std::size_t last;   // bottom rule line
};

// Walks the framed sections below the check boxes; records a failure for any line that is
// neither blank, nor part of a well-formed frame.
std::vector<Section> Sections() {
    const auto lines = Lines();
    std::vector<Section> sections;
    std::size_t n = kCheckLines[1] + 1;
    while (n < kLineCount) {
        const std::string_view bar = lines[n];
        if (IsBlank(bar)) {
            ++n;
            continue;
        }
        EXPECT_EQ(At(bar, 0), kTitleLeft) << "line " << n + 1;
        EXPECT_EQ(At(bar, kLineWidth - 1), kTitleRight) << "line " << n + 1;
        const std::size_t open = bar.find(kTitleMark);
        const std::size_t close = bar.rfind(kTitleMark);
        if (open == std::string_view::npos || close <= open) {
            ADD_FAILURE() << "line " << n + 1 << " is no title bar";
            return sections;
        }
        // " R E L E A S E   I N F O " : capitals on every other column, blanks between.
        const std::string_view spaced = bar.substr(open + 3, close - open - 3);
        std::string title;
        for (std::size_t i = 0; i < spaced.size(); ++i) {
            const char c = spaced[i];
            if (i % 2 == 0) {
                EXPECT_EQ(c, ' ') << "title on line " << n + 1 << " is not spaced out";
            } else {
                EXPECT_TRUE(c == ' ' || (c >= 'A' && c <= 'Z')) << "line " << n + 1;
                title += c;
            }
        }
        const std::size_t first = n++;
        while (n < kLineCount && At(lines[n], 0) != kBottomLeft) {
            EXPECT_EQ(At(lines[n], 0), kVertical) << "line " << n + 1 << " leaves the frame";
            EXPECT_EQ(At(lines[n], kLineWidth - 1), kVertical)
                << "line " << n + 1 << " leaves the frame";
            ++n;
        }
        if (n == kLineCount) {
            ADD_FAILURE() << "section from line " << first + 1 << " is never closed";
            return sections;
        }
        sections.push_back({title, first, n++});
    }
    return sections;
}

TEST(InformationText, IsSixtyThreeLinesOfSeventyNineColumnsEndedByCrLf) {
    ASSERT_EQ(kInformationTextLength, kLineCount * (kLineWidth + 2));
    ASSERT_EQ(std::strlen(kInformationText), kInformationTextLength)
        << "NUL inside, or none at the end";
    for (std::size_t n = 0; n < kLineCount; ++n) {
        const std::string_view line = Text().substr(n * (kLineWidth + 2), kLineWidth + 2);
        EXPECT_EQ(line.substr(kLineWidth), "\r\n") << "line " << n + 1;
        for (std::size_t i = 0; i < kLineWidth; ++i) {
            // No tab, CR, LF or other control byte inside a line: each would break the columns.
            EXPECT_GE(At(line, i), 0x20) << "line " << n + 1 << ", column " << i + 1;
            EXPECT_NE(At(line, i), 0x7F) << "line " << n + 1 << ", column " << i + 1;
        }
    }
}

TEST(InformationText, BannerOfBlockArtBetweenBlankLines) {
    const auto lines = Lines();
    EXPECT_TRUE(IsBlank(lines.front()));
    EXPECT_TRUE(IsBlank(lines[kBannerLast + 1]));
    EXPECT_TRUE(IsBlank(lines.back()));
    for (std::size_t n = kBannerFirst; n <= kBannerLast; ++n) {
        const std::string_view line = lines[n];
        EXPECT_TRUE(std::any_of(line.begin(), line.end(), [](char c) {
            return IsBlockOrShade(static_cast<unsigned char>(c));
        })) << "banner line " << n + 1;
        for (const char c : line) {
            const auto b = static_cast<unsigned char>(c);
            EXPECT_TRUE(b < 0x80 || IsBlockOrShade(b))
                << "banner line " << n + 1 << " holds byte " << int(b);
        }
    }
}

TEST(InformationText, OnlyTheTenthOfTenCheckBoxesIsTicked) {
    const auto lines = Lines();
    std::vector<bool> ticked;
    for (const std::size_t n : kCheckLines) {
        const std::string_view line = lines[n];
        std::size_t boxes = 0;
        for (std::size_t i = 0; i + 2 < line.size(); ++i) {
            if (line[i] != '[' || line[i + 2] != ']') continue;
            ASSERT_TRUE(line[i + 1] == ' ' || At(line, i + 1) == kTick) << "line " << n + 1;
            ticked.push_back(At(line, i + 1) == kTick);
            ++boxes;
        }
        EXPECT_EQ(boxes, 5u) << "line " << n + 1;
    }
    EXPECT_EQ(ticked, std::vector<bool>(
                          {false, false, false, false, false, false, false, false, false, true}));
    EXPECT_EQ(std::count(Text().begin(), Text().end(), static_cast<char>(kTick)), 1)
        << "a tick outside the boxes";
}

TEST(InformationText, FourFramedSectionsInOrder) {
    const auto sections = Sections();
    ASSERT_EQ(sections.size(), 4u);
    const char* const titles[] = {"RELEASE INFORMATION", "DESCRIPTION",
                                  "INSTALLATION INFORMATION", "GREETINGS"};
    const auto lines = Lines();
    for (std::size_t s = 0; s < sections.size(); ++s) {
        EXPECT_EQ(sections[s].title, titles[s]);
        EXPECT_GE(sections[s].last - sections[s].first, 3u) << titles[s] << " has no body";
        const std::string_view rule = lines[sections[s].last];
        EXPECT_EQ(At(rule, kLineWidth - 1), kBottomRight) << titles[s];
        for (std::size_t i = 1; i + 1 < kLineWidth; ++i) {
            const unsigned char c = At(rule, i);
            EXPECT_TRUE(c == kDouble || c == kSingle || c == ' ' || c == kMiddleDot)
                << titles[s] << " rule";
        }
        EXPECT_NE(rule.find(static_cast<char>(kDouble)), std::string_view::npos) << titles[s];
        EXPECT_NE(rule.find(static_cast<char>(kSingle)), std::string_view::npos) << titles[s];
    }
    bool named = false;
    for (std::size_t n = sections[0].first + 1; n < sections[0].last; ++n)
        named = named || lines[n].find("Glyphwright") != std::string_view::npos;
    EXPECT_TRUE(named) << "the release information does not name the program";
}

TEST(InformationText, RussianOnlyInTheDescriptionAndInCodePage866) {
    const auto sections = Sections();
    ASSERT_EQ(sections.size(), 4u);
    const auto lines = Lines();
    std::size_t cyrillic_in_description = 0;
    for (std::size_t n = 0; n < kLineCount; ++n) {
        const bool in_description = n > sections[1].first && n < sections[1].last;
        for (const char c : lines[n]) {
            if (!IsCp866Cyrillic(static_cast<unsigned char>(c))) continue;
            EXPECT_TRUE(in_description) << "letter outside the Latin alphabet on line " << n + 1;
            ++cyrillic_in_description;
        }
    }
    // A paragraph, not a stray byte: a few lines' worth of Cyrillic letters.
    EXPECT_GT(cyrillic_in_description, 100u);
}

}  // namespace
}  // namespace glyphwright
