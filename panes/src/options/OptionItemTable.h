#pragma once

#include "engine/ConversionOptions.h"

#include <QtGlobal>

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace panes {

// What an item of the options pane is and how it shows its field.
enum class OptionItemKind {
    Category, // top-level row without a value
    Heading,  // a row without a value below a category
    Combo,    // a choice list; the field holds the index of the chosen entry
    Number,   // a whole number typed as digits
    Text,     // free text
    File,     // a file chosen with the open dialog
};

using IntField = int engine::ConversionOptions::*;
using TextField = std::string engine::ConversionOptions::*;

struct OptionItemSpec
{
    const char* label;
    quint32 parent; // identifier of the parent item; 0 for a category
    OptionItemKind kind;
    std::variant<std::monostate, IntField, TextField> field;
    const char* info;
    std::span<const std::string_view> choices = {}; // the entries of a combo, in list order
    const char* filter = "";                        // the file types of a file item
};

// Identifiers of the items the pane treats apart from the others. Items are numbered from 1 in the order of
// OptionItems(); files and other parts of the program rely on these numbers.
namespace OptionItemId {
inline constexpr quint32 PageSize = 2;
inline constexpr quint32 PageWidth = 3;
inline constexpr quint32 PageHeight = 4;
inline constexpr quint32 PageFont = 10;
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
