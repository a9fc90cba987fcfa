// Keyboard handling of CGridCtrl.
#include "grid/CGridCtrl.h"

#include "CGridCtrlPrivate.h"
#include "GridKeys.h"

#include <QKeyEvent>

namespace grid {

namespace {

bool isTabKey(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

} // namespace

bool CGridCtrl::event(QEvent* e)
{
    // Tab moves between cells unless it is left to the focus chain.
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (isTabKey(key->key()) && d->m_options.handleTabKey && !(key->modifiers() & Qt::ControlModifier)) {
            key->accept();
            keyPressEvent(key);
            if (!key->isAccepted()) {
                focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
                // Handled here: propagated to the parent it would move the focus once more.
                key->accept();
            }
            return true;
        }
    }
    return QAbstractScrollArea::event(e);
}

int CGridCtrl::nextVisibleRow(int from, int step) const
{
    for (int row = from + step; row >= GetFixedRowCount() && row < GetRowCount(); row += step) {
        if (d->m_geometry.rowHeight(row) > 0) {
            return row;
        }
    }
    return -1;
}

int CGridCtrl::nextVisibleColumn(int from, int step) const
{
    for (int col = from + step; col >= GetFixedColumnCount() && col < GetColumnCount(); col += step) {
        if (d->m_geometry.columnWidth(col) > 0) {
            return col;
        }
    }
    return -1;
}

GridCellId CGridCtrl::nextCell(int key, Qt::KeyboardModifiers modifiers) const
{
    const int firstRow = nextVisibleRow(GetFixedRowCount() - 1, 1);
    const int lastRow = nextVisibleRow(GetRowCount(), -1);
    const int firstCol = nextVisibleColumn(GetFixedColumnCount() - 1, 1);
    const int lastCol = nextVisibleColumn(GetColumnCount(), -1);
    const GridCellId focus = d->m_idCurrentCell;
    if (!isFocusMoveKey(key)) {
        return {};
    }
    if (!focus.IsValid()) {
        return {firstRow, firstCol};
    }
    auto cellOrNone = [](int row, int col) { return row >= 0 && col >= 0 ? GridCellId{row, col} : GridCellId{}; };
    auto pageFrom = [&](int step) {
        int row = focus.row;
        for (int i = 0, next = row; i < d->m_geometry.pageRows() && (next = nextVisibleRow(row, step)) >= 0; ++i) {
            row = next;
        }
        return GridCellId{row, focus.col};
    };
    const bool backwards = key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier);
    switch (key) {
    case Qt::Key_Down:
        return cellOrNone(nextVisibleRow(focus.row, 1), focus.col);
    case Qt::Key_Up:
        return cellOrNone(nextVisibleRow(focus.row, -1), focus.col);
    case Qt::Key_Right:
        return cellOrNone(focus.row, nextVisibleColumn(focus.col, 1));
    case Qt::Key_Left:
        return cellOrNone(focus.row, nextVisibleColumn(focus.col, -1));
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (const int col = nextVisibleColumn(focus.col, backwards ? -1 : 1); col >= 0) {
            return {focus.row, col};
        }
        return cellOrNone(nextVisibleRow(focus.row, backwards ? -1 : 1), backwards ? lastCol : firstCol);
    case Qt::Key_PageDown:
        return pageFrom(1);
    case Qt::Key_PageUp:
        return pageFrom(-1);
    case Qt::Key_Home:
        return cellOrNone((modifiers & Qt::ControlModifier) ? firstRow : focus.row, firstCol);
    case Qt::Key_End:
        return cellOrNone((modifiers & Qt::ControlModifier) ? lastRow : focus.row, lastCol);
    default:
        return {};
    }
}

bool CGridCtrl::moveFocusByKey(int key, Qt::KeyboardModifiers modifiers)
{
    const GridCellId next = nextCell(key, modifiers);
    if (!next.IsValid()) {
        return false;
    }
    if (key == Qt::Key_PageDown || key == Qt::Key_PageUp) {
        const int rows = next.row - d->m_idCurrentCell.row;
        scrollBy(d->m_idCurrentCell.IsValid() ? rows : 0, 0);
    }
    moveFocus(next, (modifiers & Qt::ShiftModifier) && !isTabKey(key));
    return true;
}

bool CGridCtrl::handleClipboardKey(const QKeyEvent& e)
{
    if (!(e.modifiers() & Qt::ControlModifier)) {
        return false;
    }
    if (e.key() == Qt::Key_A) {
        OnEditSelectAll();
        return true;
    }
    if (!d->m_options.clipboardKeys) {
        return false;
    }
    switch (e.key()) {
    case Qt::Key_C:
    case Qt::Key_Insert:
        OnEditCopy();
        return true;
    case Qt::Key_X:
        OnEditCut();
        return true;
    case Qt::Key_V:
        OnEditPaste();
        return true;
    default:
        return false;
    }
}

int CGridCtrl::editCharForKey(const QKeyEvent& e)
{
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return 0;
    }
    switch (e.key()) {
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Qt::Key_Return;
    case Qt::Key_Backspace:
        return Qt::Key_Backspace;
    default:
        break;
    }
    const QString text = e.text();
    if (text.isEmpty() || !text.front().isPrint()) {
        return 0;
    }
    return int(text.toUcs4().front());
}

void CGridCtrl::keyPressEvent(QKeyEvent* e)
{
    if (handleClipboardKey(*e)) {
        e->accept();
        return;
    }
    const int key = e->key();
    if (key == Qt::Key_F2 && d->m_idCurrentCell.IsValid()) {
        EditCell(d->m_idCurrentCell.row, d->m_idCurrentCell.col, EditByMouse);
        e->accept();
        return;
    }
    if (moveFocusByKey(key, e->modifiers())) {
        e->accept();
        return;
    }
    if (const int ch = editCharForKey(*e); ch != 0 && d->m_idCurrentCell.IsValid()) {
        EditCell(d->m_idCurrentCell.row, d->m_idCurrentCell.col, ch);
        e->accept();
        return;
    }
    e->ignore();
}

} // namespace grid
