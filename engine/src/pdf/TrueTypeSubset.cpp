#include "pdf/TrueTypeSubset.h"

#include "pdf/HarfBuzzHandles.h"

namespace engine {
namespace {

// Tables a PDF reader never draws with: text in a PDF is already shaped and laid out horizontally, and
// the outlines replace any bitmaps.
constexpr const char* DroppedTables[]
    = { "GSUB", "GPOS", "GDEF", "BASE", "JSTF", "MATH", "kern", "morx", "mort", "kerx", "EBDT", "EBLC", "EBSC", "bdat",
          "bloc", "vhea", "vmtx", "VORG", "DSIG", "hdmx", "LTSH", "VDMX", "PCLT", "gasp", "meta" };


hb_tag_t Tag(const char* name)
{
    return hb_tag_from_string(name, 4);
}

HbSubsetInput MakeInput(const std::set<std::uint32_t>& glyphs, const std::set<char32_t>& characters)
{
    HbSubsetInput input(hb_subset_input_create_or_fail());
    if (!input) {
        return input;
    }
    hb_set_t* glyphSet = hb_subset_input_glyph_set(input.get());
    hb_set_add(glyphSet, 0);
    for (std::uint32_t glyph : glyphs) {
        hb_set_add(glyphSet, glyph);
    }
    hb_set_t* characterSet = hb_subset_input_unicode_set(input.get());
    for (char32_t character : characters) {
        hb_set_add(characterSet, character);
    }
    hb_set_t* dropped = hb_subset_input_set(input.get(), HB_SUBSET_SETS_DROP_TABLE_TAG);
    for (const char* table : DroppedTables) {
        hb_set_add(dropped, Tag(table));
    }
    return input;
}

} // namespace

std::optional<TrueTypeSubset> SubsetTrueType(
    std::string_view font, const std::set<std::uint32_t>& glyphs, const std::set<char32_t>& characters)
{
    HbBlob blob(hb_blob_create_or_fail(
        font.data(), static_cast<unsigned>(font.size()), HB_MEMORY_MODE_READONLY, nullptr, nullptr));
    if (!blob) {
        return std::nullopt;
    }
    HbFace face(hb_face_create(blob.get(), 0));
    HbSubsetInput input = MakeInput(glyphs, characters);
    if (!input || hb_face_get_glyph_count(face.get()) == 0) {
        return std::nullopt;
    }
    HbSubsetPlan plan(hb_subset_plan_create_or_fail(face.get(), input.get()));
    if (!plan) {
        return std::nullopt;
    }
    HbFace subset(hb_subset_plan_execute_or_fail(plan.get()));
    if (!subset) {
        return std::nullopt;
    }
    HbBlob data(hb_face_reference_blob(subset.get()));
    unsigned length = 0;
    const char* bytes = hb_blob_get_data(data.get(), &length);
    if (!bytes || length == 0) {
        return std::nullopt;
    }
    TrueTypeSubset result { std::string(bytes, length), {} };
    const hb_map_t* oldToNew = hb_subset_plan_old_to_new_glyph_mapping(plan.get());
    for (std::uint32_t glyph : glyphs) {
        if (hb_map_has(oldToNew, glyph)) {
            result.newGlyph[glyph] = hb_map_get(oldToNew, glyph);
        }
    }
    return result;
}

} // namespace engine
