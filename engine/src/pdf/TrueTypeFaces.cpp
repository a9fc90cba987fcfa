#include "engine/TrueTypeFaces.h"

#include "pdf/HarfBuzzHandles.h"
#include "pdf/TrueTypeFaceCount.h"

#include <hb-ot.h>

namespace engine {
namespace {


// The face's name in English when the font has one, else in its first language.
std::string FullName(hb_face_t* face)
{
    for (hb_language_t language : { hb_language_from_string("en", -1), HB_LANGUAGE_INVALID }) {
        unsigned length = hb_ot_name_get_utf8(face, HB_OT_NAME_ID_FULL_NAME, language, nullptr, nullptr);
        if (length > 0) {
            std::string name(length + 1, '\0');
            unsigned size = static_cast<unsigned>(name.size());
            hb_ot_name_get_utf8(face, HB_OT_NAME_ID_FULL_NAME, language, &size, name.data());
            name.resize(size);
            return name;
        }
    }
    return {};
}

HbBlob OpenFontFile(const std::string& path)
{
    return HbBlob(hb_blob_create_from_file_or_fail(path.c_str()));
}

base::Failure NoFont(const std::string& path)
{
    return { base::FailureKind::Input, path + ": not a TrueType font file that can be read" };
}

} // namespace

base::Result<std::vector<std::string>> TrueTypeFaceNames(const std::string& path)
{
    HbBlob blob = OpenFontFile(path);
    const unsigned count = blob ? hb_face_count(blob.get()) : 0;
    if (count == 0) {
        return NoFont(path);
    }
    std::vector<std::string> names;
    for (unsigned i = 0; i < count; ++i) {
        HbFace face(hb_face_create(blob.get(), i));
        names.push_back(FullName(face.get()));
    }
    return names;
}

bool TrueTypeFaceIsMonospaced(const std::string& path, int face)
{
    HbBlob blob = OpenFontFile(path);
    if (!blob || face < 0 || static_cast<unsigned>(face) >= hb_face_count(blob.get())) {
        return false;
    }
    HbFace opened(hb_face_create(blob.get(), static_cast<unsigned>(face)));
    HbFont font(hb_font_create(opened.get()));
    // As the fallback fonts judge a body font: "i" as wide as "W". The post table's fixed-pitch flag
    // is not set by dual-width faces (CJK monospaced fonts), which are monospaced all the same.
    hb_codepoint_t narrow = 0;
    hb_codepoint_t wide = 0;
    return hb_font_get_nominal_glyph(font.get(), 'i', &narrow) && hb_font_get_nominal_glyph(font.get(), 'W', &wide)
        && hb_font_get_glyph_h_advance(font.get(), narrow) == hb_font_get_glyph_h_advance(font.get(), wide);
}

unsigned TrueTypeFaceCount(const std::string& path)
{
    HbBlob blob = OpenFontFile(path);
    return blob ? hb_face_count(blob.get()) : 0;
}

base::Result<> CheckTrueTypeFace(const std::string& path, int face)
{
    const unsigned count = TrueTypeFaceCount(path);
    if (count == 0 || (face >= 0 && static_cast<unsigned>(face) < count)) {
        return {};
    }
    const std::string faces
        = count == 1 ? "1 face (0)" : std::to_string(count) + " faces (0 to " + std::to_string(count - 1) + ")";
    return base::Failure { base::FailureKind::Options,
        path + ": the TrueType face " + std::to_string(face) + " is not in the file, which holds " + faces };
}

} // namespace engine
