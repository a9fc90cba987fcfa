#pragma once

#include <QtGlobal>

namespace optiontree {

// Style bits given to COptionTree::Create.
constexpr quint32 TreeStyleShowInfo = 0x01; // info pane shown at the bottom, as high as its texts need
constexpr quint32 TreeStyleNotify = 0x02; // notifications go to the notify target
constexpr quint32 TreeStyleDefaultInfoText = 0x04; // info pane explains itself when nothing is focused
constexpr quint32 TreeStyleShadeMargin = 0x08; // left margin painted in the button-face colour
constexpr quint32 TreeStyleShadeRootItems = 0x10; // top-level rows filled with their root background

// Notification codes of OptionTreeNotifyRecord::code. A non-zero answer vetoes
// where noted; the other answers are ignored.
constexpr int TreeNotifyItemInserted = -1101;
constexpr int TreeNotifyItemDeleted = -1102;
constexpr int TreeNotifyItemChanged = -1105;
constexpr int TreeNotifySelectionChanged = -1107;
constexpr int TreeNotifyItemExpanding = -1108; // veto cancels the expand or collapse
constexpr int TreeNotifyDividerDrag = -1109; // veto cancels the divider drag
constexpr int TreeNotifyItemActivating = -1110; // veto keeps the editor closed

// Results of COptionTree::HitTest.
constexpr int TreeHitLabel = 2024;
constexpr int TreeHitDivider = 2025;
constexpr int TreeHitExpandBox = 2026;
constexpr int TreeHitAttribute = 2027;
constexpr int TreeHitNowhere = 2028;

// Control identifiers of the two panes inside the tree.
constexpr int ListControlId = 30000;
constexpr int InfoControlId = 0xFFFF;

// Options of COptionTreeEditItem::CreateEditItem.
constexpr quint32 EditOptionNumeric = 0x200;
constexpr quint32 EditOptionPassword = 0x400;
constexpr quint32 EditOptionMultiLine = 0x40000;
// Additional style of an edit item: Enter starts a new line instead of committing.
constexpr quint32 EditStyleWantReturn = 0x1000;

// File options of COptionTreeFileItem::CreateFileItem. The display bits are
// tested in the order full path, name, title, extension, directory, drive.
constexpr quint32 FileOptionShowExtension = 0x100;
constexpr quint32 FileOptionShowTitle = 0x200;
constexpr quint32 FileOptionShowName = 0x400;
constexpr quint32 FileOptionShowDirectory = 0x800;
constexpr quint32 FileOptionShowDrive = 0x1000;
constexpr quint32 FileOptionFolder = 0x8000;
constexpr quint32 FileOptionOpenDialog = 0x20000;
constexpr quint32 FileOptionShowFullPath = 0x40000;

// Dialog flags of a file item, passed on to the file dialog.
constexpr quint32 DialogOverwritePrompt = 0x2;
constexpr quint32 DialogAllowMultiSelect = 0x200;

} // namespace optiontree
