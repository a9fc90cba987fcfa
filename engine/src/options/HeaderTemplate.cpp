#include "options/HeaderTemplate.h"

#include <algorithm>

namespace engine {
namespace {

struct FieldName
{
    std::string_view name;
    HeaderField field;
    std::string HeaderValues::*value; // null for the page numbers
};

constexpr FieldName FieldNames[] = {
    { "file", HeaderField::File, &HeaderValues::file },
    { "path", HeaderField::Path, &HeaderValues::path },
    { "folder", HeaderField::Folder, &HeaderValues::folder },
    { "page", HeaderField::Page, nullptr },
    { "pages", HeaderField::Pages, nullptr },
    { "date", HeaderField::Date, &HeaderValues::date },
    { "time", HeaderField::Time, &HeaderValues::time },
    { "modified", HeaderField::Modified, &HeaderValues::modified },
    { "title", HeaderField::Title, &HeaderValues::title },
};

const FieldName& NameOf(HeaderField field)
{
    return *std::find_if(std::begin(FieldNames), std::end(FieldNames),
                         [field](const FieldName& name) { return name.field == field; });
}

base::Failure Problem(std::string reason)
{
    return { base::FailureKind::Options, std::move(reason) };
}

void AddText(HeaderPart& part, char c)
{
    if (part.empty() || part.back().isField) {
        part.push_back({});
    }
    part.back().text += c;
}

base::Result<HeaderPart> ParsePart(std::string_view text)
{
    HeaderPart part;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        const bool doubled = at + 1 < text.size() && text[at + 1] == c;
        if ((c == '{' || c == '}') && doubled) {
            AddText(part, c);
            ++at;
        } else if (c == '}') {
            return Problem("a } without its {: write }} for a brace");
        } else if (c == '{') {
            const std::size_t close = text.find('}', at);
            if (close == std::string_view::npos) {
                return Problem("a { without its }: write {{ for a brace");
            }
            const std::string_view name = text.substr(at + 1, close - at - 1);
            const auto* known = std::find_if(std::begin(FieldNames), std::end(FieldNames),
                [name](const FieldName& field) { return field.name == name; });
            if (known == std::end(FieldNames)) {
                return Problem("unknown field {" + std::string(name)
                    + "}: the fields are {file} {path} {folder} {page} {pages} {date} {time} "
                      "{modified} {title}");
            }
            part.push_back({ {}, true, known->field });
            at = close;
        } else {
            AddText(part, c);
        }
    }
    return part;
}

} // namespace

bool HeaderTemplate::uses(HeaderField field) const
{
    return std::any_of(parts.begin(), parts.end(), [field](const HeaderPart& part) {
        return std::any_of(part.begin(), part.end(),
            [field](const HeaderPiece& piece) { return piece.isField && piece.field == field; });
    });
}

base::Result<HeaderTemplate> ParseHeaderTemplate(std::string_view text)
{
    std::vector<std::string_view> texts;
    for (std::size_t start = 0;;) {
        const std::size_t bar = text.find('|', start);
        texts.push_back(text.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
        if (bar == std::string_view::npos) {
            break;
        }
        start = bar + 1;
    }
    if (texts.size() > 3) {
        return Problem("more than three parts: left|centre|right");
    }
    // One part is the left one; two are the left and the right one.
    static constexpr std::size_t Slots[3][3] = { { 0 }, { 0, 2 }, { 0, 1, 2 } };
    HeaderTemplate parsed;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        auto part = ParsePart(texts[i]);
        if (!part) {
            return part.failure();
        }
        parsed.parts[Slots[texts.size() - 1][i]] = std::move(*part);
    }
    return parsed;
}

HeaderPart ResolveFileFields(
    const HeaderPart& part, const HeaderValues& values, const std::function<std::string(std::string_view)>& encode)
{
    HeaderPart resolved;
    std::string run;
    auto endRun = [&] {
        if (!run.empty()) {
            resolved.push_back({ encode(run) });
            run.clear();
        }
    };
    for (const auto& piece : part) {
        const auto value = piece.isField ? NameOf(piece.field).value : nullptr;
        if (piece.isField && !value) {
            endRun();
            resolved.push_back(piece);
        } else {
            run += value ? values.*value : piece.text;
        }
    }
    endRun();
    return resolved;
}

std::string ExpandPageFields(const HeaderPart& part, std::int64_t page, std::int64_t pages)
{
    std::string text;
    for (const auto& piece : part) {
        text += !piece.isField                  ? piece.text
            : piece.field == HeaderField::Page  ? std::to_string(page)
            : piece.field == HeaderField::Pages ? std::to_string(pages)
                                                : std::string();
    }
    return text;
}

} // namespace engine
