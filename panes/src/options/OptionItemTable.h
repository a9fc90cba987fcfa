#pragma once

#include "engine/OptionTable.h"

#include <QtGlobal>

#include <span>

namespace panes {

// The dialog a path item opens: a file to read, a file to write, or a folder (the folder chooser).
enum class PathDialog { Open, Save, Folder };

// An item of the options pane. An item with a field shows that option as its description in the engine's
// option table has it: a number as an edit limited to its range, a choice as a combo of its entries, a text
// as an edit, a path as a file chooser. An item without one is a category (no parent) or a heading.
struct OptionItemSpec
{
    const char* label;
    quint32 parent; // identifier of the parent item; 0 for a category
    const char* field; // the record's field the item shows, or null
    const char* info;
    const char* filter = ""; // the file types of a path item
    PathDialog dialog = PathDialog::Open;

    // The field's description; null for a category or heading.
    const engine::OptionDescription* option() const;
};

// Identifiers of the items the pane treats apart from the others. Items are numbered from 1 in the order of
// OptionItems(); files and other parts of the program rely on these numbers.
namespace OptionItemId {
inline constexpr quint32 PageSize = 2;
inline constexpr quint32 PageWidth = 3;
inline constexpr quint32 PageHeight = 4;
inline constexpr quint32 PageFont = 10;
inline constexpr quint32 Type1MetricsFile = 13;
inline constexpr quint32 Type1DataFile = 14;
inline constexpr quint32 TrueTypeFile = 15;
inline constexpr quint32 EmbeddingFont = 16;
inline constexpr quint32 SingleByteEncoding = 19;
inline constexpr quint32 EncryptLevel = 36;
inline constexpr quint32 EncryptMethod = 38;
inline constexpr quint32 TrueTypeFace = 50;
} // namespace OptionItemId

// Every item of the options pane in insertion order: the item at position i gets identifier i + 1.
std::span<const OptionItemSpec> OptionItems();

// Which font items can be edited while each "Page Font" kind (0 to 3) is chosen; items not listed are
// always editable.
struct FontItemRule
{
    quint32 id;
    bool editable[4]; // by kind: Base14, Type1, TrueType, CID
};
std::span<const FontItemRule> FontItemRules();

// The one item left editable when the stored kind is none of the four.
inline constexpr quint32 EditableWithUnknownFontKind = 19;

} // namespace panes
