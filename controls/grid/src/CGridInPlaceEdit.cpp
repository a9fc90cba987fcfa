#include "CGridInPlaceEdit.h"

#include "grid/CGridCtrl.h"
#include "grid/GridNotify.h"

#include "GridKeys.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QStyle>

#include <algorithm>

namespace grid {

namespace {

// Keys that end the edit unless it was opened by the mouse (then they move the caret).
bool isNavigationKey(int key)
{
    return isFocusMoveKey(key) && key != Qt::Key_Tab && key != Qt::Key_Backtab && key != Qt::Key_Home &&
           key != Qt::Key_End;
}

// First keys that open the editor with its whole text selected, without typing anything.
bool selectsWholeText(int key)
{
    return isFocusMoveKey(key) || key == Qt::Key_Space;
}

} // namespace

CGridInPlaceEdit::CGridInPlaceEdit(CGridCtrl* grid, const QRect& rect, Qt::Alignment alignment, int id, int row,
                                   int col, const QString& text, int firstChar, bool numbersOnly)
    : QLineEdit(grid->viewport())
    , m_grid(grid)
    , m_id(id)
    , m_row(row)
    , m_col(col)
    , m_initialText(text)
    , m_exitOnArrows(firstChar != EditByMouse)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(grid->font());
    setAlignment(alignment | Qt::AlignVCenter);
    if (numbersOnly) {
        setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    }
    setGeometry(rect);
    setText(text);
    show();
    setFocus(Qt::OtherFocusReason);

    if (firstChar == EditByMouse || firstChar == Qt::Key_Return || firstChar == Qt::Key_Enter) {
        end(false);
    } else if (firstChar == Qt::Key_Backspace) {
        end(false);
        backspace();
    } else if (selectsWholeText(firstChar)) {
        selectAll();
    } else {
        selectAll();
        TypeChar(firstChar);
    }
}

void CGridInPlaceEdit::TypeChar(int nChar)
{
    if (nChar == Qt::Key_Backspace) {
        backspace();
    } else if (nChar >= 0x20 && nChar < Qt::Key_Escape) {
        const char32_t code = char32_t(nChar);
        insert(QString::fromUcs4(&code, 1));
    }
    widenToText();
}

bool CGridInPlaceEdit::event(QEvent* e)
{
    // Tab must reach keyPressEvent instead of moving the focus along the chain.
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(e);
}

void CGridInPlaceEdit::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    if (isNavigationKey(key) && (m_exitOnArrows || (e->modifiers() & Qt::ControlModifier))) {
        endWithKey(key);
        return;
    }
    switch (key) {
    case Qt::Key_Tab:
        endWithKey((e->modifiers() & Qt::ShiftModifier) ? Qt::Key_Backtab : Qt::Key_Tab);
        return;
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        endWithKey(key);
        return;
    case Qt::Key_Escape:
        setText(m_initialText);
        endWithKey(key);
        return;
    default:
        break;
    }
    if (e->modifiers() & Qt::AltModifier) {
        e->ignore();
        return;
    }
    QLineEdit::keyPressEvent(e);
    widenToText();
}

void CGridInPlaceEdit::widenToText()
{
    if (!parentWidget()) {
        return;
    }
    // Text plus two spaces, plus the frame and the line edit's inner margins.
    const int chrome = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) + 4;
    const int wanted = fontMetrics().horizontalAdvance(text() + QStringLiteral("  ")) + chrome;
    const int room = parentWidget()->width() - x();
    const int width = std::min(std::max(this->width(), wanted), std::max(room, this->width()));
    if (width != this->width()) {
        resize(width, height());
    }
}

void CGridInPlaceEdit::endWithKey(int key)
{
    m_lastKey = key;
    // Reports even where the focus did not move (the window not active).
    EndEdit();
}

void CGridInPlaceEdit::EndEdit()
{
    // Hidden while it holds the focus, the editor would pass the focus on to the next widget of the window.
    if (m_grid && window()->focusWidget() == this) {
        m_grid->setFocus(Qt::OtherFocusReason);
    }
    finish();
}

void CGridInPlaceEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    // A popup, such as the editor's own context menu, takes the focus only while it is open, and a window
    // that is no longer active gives it back when it is active again. Its owner may be going away: a window
    // that closes because it is being destroyed loses the focus this way, before the grid goes.
    if (e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason) {
        finish();
    }
}

void CGridInPlaceEdit::finish()
{
    if (m_finished) {
        return;
    }
    m_finished = true;
    hide();
    if (m_grid) {
        GV_DISPINFO info;
        info.sender = m_grid;
        info.controlId = m_id;
        info.code = notify::LVN_ENDLABELEDITA;
        info.item.mask = GVIF_TEXT | GVIF_PARAM;
        info.item.row = m_row;
        info.item.col = m_col;
        info.item.strText = text();
        info.item.lParam = quint32(m_lastKey);
        m_grid->OnEndInPlaceEdit(info);
    }
    close();
}

} // namespace grid
