#pragma once

#include "base/Result.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// The fields a header or footer can show; written {file}, {path}, ... in its text.
enum class HeaderField
{
    File,
    Path,
    Folder,
    Page,
    Pages,
    Date,
    Time,
    Modified,
    Title
};

// A run of text, or a field.
struct HeaderPiece
{
    std::string text; // literal text; empty for a field
    bool isField = false;
    HeaderField field = HeaderField::File;
};

using HeaderPart = std::vector<HeaderPiece>;

// A header or footer line as its option gives it: "left|centre|right", each part text and fields;
// one part is the left one, two are the left and right ones. "{{" and "}}" stand for braces.
struct HeaderTemplate
{
    std::array<HeaderPart, 3> parts; // left, centre, right

    bool uses(HeaderField field) const;
};

// The template of a header or footer text; fails with the reason ("unknown field {name}", ...).
base::Result<HeaderTemplate> ParseHeaderTemplate(std::string_view text);

// What the fields of one file's header and footer show, but the page numbers.
struct HeaderValues
{
    std::string file, path, folder, date, time, modified, title;
};

// The part with every field but {page} and {pages} replaced by its value, and each run of text
// between those two passed through encode.
HeaderPart ResolveFileFields(
    const HeaderPart& part, const HeaderValues& values, const std::function<std::string(std::string_view)>& encode);

// The text of a part on a page: its text and the page numbers for {page} and {pages}.
std::string ExpandPageFields(const HeaderPart& part, std::int64_t page, std::int64_t pages);

} // namespace engine
