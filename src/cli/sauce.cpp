#include "cli/sauce.h"

#include "cli/cp437_unicode.h"

namespace glyphwright::cli {
namespace {

constexpr std::size_t kRecordSize = 128;
constexpr std::size_t kCommentLine = 64;
constexpr std::size_t kCommentCountAt = 104;
constexpr char kDosEndOfFile = '\x1A';

std::string Field(std::string_view record, std::size_t at, std::size_t size) {
    std::string_view field = record.substr(at, size);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\0')) field.remove_suffix(1);
    return std::string(field);
}

}  // namespace

std::optional<SauceRecord> FindSauce(std::string_view bytes) {
    if (bytes.size() < kRecordSize || bytes.substr(bytes.size() - kRecordSize, 7) != "SAUCE00")
        return std::nullopt;
    const std::string_view record = bytes.substr(bytes.size() - kRecordSize);
    SauceRecord found;
    found.blockAt = bytes.size() - kRecordSize;
    const std::size_t comments = static_cast<unsigned char>(record[kCommentCountAt]);
    const std::size_t block = 5 + comments * kCommentLine;
    // A count the comment block does not bear out is taken as no comments.
    if (comments > 0 && found.blockAt >= block && bytes.substr(found.blockAt - block, 5) == "COMNT")
        found.blockAt -= block;
    found.title = Field(record, 7, 35);
    found.author = Field(record, 42, 20);
    found.group = Field(record, 62, 20);
    found.date = Field(record, 82, 8);
    return found;
}

std::string DescribeSauce(const SauceRecord& record, bool withDate) {
    std::string date = record.date;
    if (date.size() == 8) date = date.substr(0, 4) + "-" + date.substr(4, 2) + "-" + date.substr(6);
    const struct {
        const char* name;
        const std::string& value;
    } fields[] = {{"title", record.title}, {"author", record.author}, {"group", record.group}, {"date", date}};
    std::string described;
    for (const auto& field : fields) {
        if (field.value.empty() || (!withDate && &field.value == &date)) continue;
        described += std::string(described.empty() ? "" : ", ") + field.name + " \"" +
                     Cp437ToUtf8(field.value) + "\"";
    }
    return described.empty() ? "no fields filled" : described;
}

std::size_t LineBreakEnd(std::string_view text, std::size_t at) {
    if (text[at] == '\n') return at + 1;
    std::size_t end = at;
    while (end < text.size() && text[end] == '\r') ++end;
    return end < text.size() && text[end] == '\n' ? end + 1 : at + 1;
}

std::string_view ViewedText(std::string_view bytes) {
    const std::optional<SauceRecord> record = FindSauce(bytes);
    if (!record) return bytes;
    const std::string_view before = bytes.substr(0, record->blockAt);
    return before.substr(0, before.find(kDosEndOfFile));
}

}  // namespace glyphwright::cli
