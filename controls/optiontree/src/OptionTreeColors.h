#pragma once

#include <QColor>
#include <QPalette>

namespace optiontree {

// The system colours the tree paints with, taken from a palette.
namespace OptionTreeColors {

inline QColor window(const QPalette& palette)
{
    return palette.color(QPalette::Active, QPalette::Base);
}
inline QColor buttonFace(const QPalette& palette)
{
    return palette.color(QPalette::Active, QPalette::Button);
}
inline QColor buttonShadow(const QPalette& palette)
{
    return palette.color(QPalette::Active, QPalette::Dark);
}
inline QColor buttonText(const QPalette& palette)
{
    return palette.color(QPalette::Active, QPalette::ButtonText);
}
inline QColor highlight(const QPalette& palette)
{
    return palette.color(QPalette::Active, QPalette::Highlight);
}
inline QColor highlightText(const QPalette& palette)
{
    return palette.color(QPalette::Active, QPalette::HighlightedText);
}
inline QColor windowText(const QPalette& palette)
{
    return palette.color(QPalette::Active, QPalette::WindowText);
}
inline QColor greyText(const QPalette& palette)
{
    return palette.color(QPalette::Disabled, QPalette::Text);
}

// An item colour that was never set stands for the given system colour.
inline QColor orSystem(const QColor& itemColor, const QColor& system)
{
    return itemColor.isValid() ? itemColor : system;
}

} // namespace OptionTreeColors
} // namespace optiontree
