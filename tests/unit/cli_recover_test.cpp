// recover: the project found in a filled file renders that file again, and what does not come
// from the template is named.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "cli/cli_render.h"
#include "cli/recover.h"
#include "engine_test_support.h"
#include "model/placeholder_table.h"
#include "starter_templates.h"

namespace glyphwright::cli {
namespace {

constexpr char kPicture[] = "dd.MM.yyyy";

std::string Rendered(const MemoryProjectForm& form, const StarterTemplate& t, std::size_t wrap) {
    std::string text, error;
    std::vector<Finding> warnings;
    const bool nfo = std::string(t.name).find(".nfo") != std::string::npos;
    EXPECT_TRUE(RenderTemplate(t.name, nfo ? TemplateKind::Nfo : TemplateKind::Diz, t.bytes,
                               RenderInputFromProject(form, wrap), text, warnings, error))
        << error;
    return text;
}

// Values as people type them: words of letters, digits and a few signs, accented letters of
// the ANSI code page among them, sometimes empty, short enough to shorten a line, or too long
// for any room.
class ProjectMaker {
  public:
    explicit ProjectMaker(unsigned seed) : random_(seed) {}

    MemoryProjectForm Make() {
        MemoryProjectForm form;
        form.SetDatePicture(kPicture);
        for (const Placeholder& p : kPlaceholders) {
            if (p.kind == PlaceholderKind::LineValue) form.SetText(ReleaseField(p.letter), Value());
            if (p.kind == PlaceholderKind::TextBlock) form.SetText(ReleaseField(p.letter), Block());
        }
        const char* spacers[] = {".", "_", "", " - "};
        form.SetText(FormItem::Spacer, spacers[Below(4)]);
        form.SetText(FormItem::Delimiter, Below(2) ? "-" : "");
        form.SetText(FormItem::PackageTeam, Below(2) ? form.GetText(ReleaseField(kTeamNameLetter)) : Word());
        form.SetDate(DateTimeValue{static_cast<int>(1990 + Below(60)), static_cast<int>(1 + Below(12)),
                                   static_cast<int>(1 + Below(28))});
        form.UpdateFileName();
        return form;
    }

  private:
    std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

    std::string Word() {
        static const std::string letters = "abcdefghXYZ0129.-/\xE9\xFC";
        std::string word;
        for (std::size_t n = 1 + Below(9); n > 0; --n) word += letters[Below(letters.size())];
        return word;
    }

    std::string Value() {
        switch (Below(8)) {
            case 0: return std::string();
            case 1: return Word().substr(0, 1 + Below(2));
            case 2: return std::string(50 + Below(30), 'W');
            default: {
                std::string value = Word();
                for (std::size_t n = Below(4); n > 0; --n) value += " " + Word();
                return value;
            }
        }
    }

    std::string Block() {
        std::string text;
        for (std::size_t n = Below(5); n > 0; --n) text += Value().substr(0, 60) + (n > 1 ? "\r\n" : "");
        return text;
    }

    std::mt19937 random_;
};

// render, recover, render: the same bytes, for every starter template with projects made up
// of every kind of value.
TEST(CliRecover, RendersTheFilledFileAgain) {
    // The values and their OEM bytes are drawn from code pages 1252 and 437.
    if (!testing::UsesWesternCodePages()) GTEST_SKIP() << "system code pages are not 1252/437";
    std::vector<const StarterTemplate*> nfos, dizzes;
    for (const StarterTemplate& t : StarterTemplates())
        (std::string(t.name).find(".nfo") != std::string::npos ? nfos : dizzes).push_back(&t);
    ASSERT_FALSE(nfos.empty());
    ASSERT_FALSE(dizzes.empty());
    for (unsigned seed = 0; seed < 100; ++seed) {
        const MemoryProjectForm made = ProjectMaker(seed).Make();
        const StarterTemplate& nfo = *nfos[seed % nfos.size()];
        const StarterTemplate& diz = *dizzes[seed % dizzes.size()];
        RecoverRequest request;
        request.hasNfo = request.hasDiz = true;
        request.nfo = {nfo.name, "filled.nfo", nfo.bytes, Rendered(made, nfo, 69)};
        request.diz = {diz.name, "filled.diz", diz.bytes, Rendered(made, diz, 69)};
        request.datePicture = kPicture;
        Recovered recovered = RecoverProject(request);
        EXPECT_TRUE(recovered.reproduces) << "seed " << seed << "\n" << FindingsText(recovered.findings);
        EXPECT_FALSE(HasProblems(recovered.findings)) << "seed " << seed << "\n" << FindingsText(recovered.findings);

        // Read back as render reads it, not as recover holds it.
        MemoryProjectForm read;
        read.SetDatePicture(kPicture);
        ASSERT_TRUE(ReadProjectBytes(ProjectFileText(recovered.form), read));
        EXPECT_EQ(Rendered(read, nfo, 69), request.nfo.filledBytes) << "seed " << seed;
        EXPECT_EQ(Rendered(read, diz, 69), request.diz.filledBytes) << "seed " << seed;
    }
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// A filled file that is more than the template and values: recover names where, and the
// project it writes is not said to give the file back.
TEST(CliRecover, NamesWhatTheTemplateDoesNotGive) {
    // The values and their OEM bytes are drawn from code pages 1252 and 437.
    if (!testing::UsesWesternCodePages()) GTEST_SKIP() << "system code pages are not 1252/437";
    const std::string nfo =
        "+----------------------------+\r\n"
        "|  Name ....: {A}            |\r\n"
        "|  File ....: {Q}            |\r\n"
        "|  {R}                       |\r\n"
        "+----------------------------+\r\n";
    MemoryProjectForm form;
    form.SetText(ReleaseField(kNameLetter), "Glyph Tool");
    form.SetText(ReleaseField(kTeamNameLetter), "XYZ");
    form.SetText(FormItem::PackageTeam, "XYZ");
    form.SetText(ReleaseField('R'), "first\r\nsecond");
    form.UpdateFileName();
    const std::string filled = Rendered(form, {"t.nfo", nfo}, 69);
    const struct {
        const char* name;
        std::string filled;
        const char* code;
        std::size_t line;
    } cases[] = {
        {"a frame edited", Replaced(filled, "+---", "+==="), "differs", 1},
        {"a line added", Replaced(filled, "|  second", "| extra line                 |\r\n|  second"), "differs", 5},
        {"{Q} edited by hand", Replaced(filled, "Glyph.Tool-XYZ", "Glyph.Tol-XYZ "), "file-name", 0},
        {"a value with a byte no ANSI character becomes", Replaced(filled, "Glyph Tool", "Glyph \xDBool"),
         "no-counterpart", 2},
    };
    for (const auto& c : cases) {
        RecoverRequest request;
        request.hasNfo = true;
        request.nfo = {"t.nfo", "f.nfo", nfo, c.filled};
        request.datePicture = kPicture;
        const Recovered recovered = RecoverProject(request);
        EXPECT_FALSE(recovered.reproduces && !HasProblems(recovered.findings)) << c.name;
        const auto found = std::find_if(recovered.findings.begin(), recovered.findings.end(),
                                        [&](const Finding& f) { return f.code == c.code; });
        ASSERT_NE(found, recovered.findings.end()) << c.name << "\n" << FindingsText(recovered.findings);
        EXPECT_EQ(found->line, c.line) << c.name;
        EXPECT_EQ(found->severity, Severity::Problem) << c.name;
    }
}

}  // namespace
}  // namespace glyphwright::cli
