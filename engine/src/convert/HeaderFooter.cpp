#include "convert/HeaderFooter.h"

#include "platform/FileInfo.h"

#include "text/InputDecoder.h"

#include <ctime>
#include <filesystem>
#include <iomanip>
#include <locale>
#include <sstream>
#include <stdexcept>

namespace engine {
namespace {

// A time as the user's locale writes it with a strftime format ("%x": the date, "%X": the time).
std::string LocalTime(std::time_t time, const char* format)
{
    std::tm parts {};
    localtime_r(&time, &parts);
    std::ostringstream out;
    try {
        out.imbue(std::locale(""));
    } catch (const std::runtime_error&) {
        // A locale the environment names but the system lacks: the classic one writes the time.
    }
    out << std::put_time(&parts, format);
    return out.str();
}

HeaderValues FileValues(const ConversionOptions& options, const std::string& inputPath, bool modified)
{
    std::error_code ignored;
    const std::filesystem::path path = std::filesystem::absolute(inputPath, ignored).lexically_normal();
    const std::time_t now = std::time(nullptr);
    HeaderValues values;
    values.file = path.filename().string();
    values.path = path.string();
    values.folder = path.parent_path().string();
    values.date = LocalTime(now, "%x");
    values.time = LocalTime(now, "%X");
    if (modified) {
        auto info = platform::GetFileInfo(inputPath);
        values.modified = info ? LocalTime(info->modificationTime, "%x") : std::string();
    }
    values.title = options.Title;
    return values;
}

// The template of a line; nothing when the line is empty.
std::optional<HeaderTemplate> Parse(const std::string& text)
{
    auto parsed = ParseHeaderTemplate(text);
    if (text.empty() || !parsed) {
        return std::nullopt;
    }
    return std::move(*parsed);
}

bool Uses(const std::optional<HeaderTemplate>& line, HeaderField field)
{
    return line && line->uses(field);
}

// Fills the file's fields in, in the font's encoding.
void Resolve(std::optional<HeaderTemplate>& line, const HeaderValues& values, std::string_view fontEncoding,
             FallbackChooser* fallback)
{
    if (!line) {
        return;
    }
    // The texts are read as the input is: UTF-8 becomes the font's encoding, "?" where it lacks a
    // character; other bytes are taken to be in it already.
    auto encode = [fontEncoding, fallback](std::string_view run) {
        return DecodeInputBytes(std::string(run), fontEncoding, "Auto", std::nullopt, fallback).text;
    };
    for (auto& part : line->parts) {
        part = ResolveFileFields(part, values, encode);
    }
}

void Expand(const std::optional<HeaderTemplate>& line, BandTexts& texts, std::int64_t page, std::int64_t pages)
{
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = ExpandPageFields(line->parts[i], page, pages);
    }
}

} // namespace

HeaderFooter::HeaderFooter(const ConversionOptions& options, const std::string& inputPath,
                           std::string_view fontEncoding, FallbackChooser* fallback)
{
    m_header = Parse(options.Header);
    m_footer = Parse(options.Footer);
    if (!m_header && !m_footer) {
        return;
    }
    const bool modified = Uses(m_header, HeaderField::Modified) || Uses(m_footer, HeaderField::Modified);
    const HeaderValues values = FileValues(options, inputPath, modified);
    Resolve(m_header, values, fontEncoding, fallback);
    Resolve(m_footer, values, fontEncoding, fallback);
}

bool HeaderFooter::needsPageCount() const
{
    return Uses(m_header, HeaderField::Pages) || Uses(m_footer, HeaderField::Pages);
}

PageBands HeaderFooter::forPage(std::int64_t page, std::int64_t pages)
{
    PageBands bands;
    if (m_header) {
        Expand(m_header, m_headerTexts, page, pages);
        bands.header = &m_headerTexts;
    }
    if (m_footer) {
        Expand(m_footer, m_footerTexts, page, pages);
        bands.footer = &m_footerTexts;
    }
    return bands;
}

} // namespace engine
