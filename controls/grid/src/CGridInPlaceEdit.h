#pragma once

#include <QLineEdit>

namespace grid {

class CGridCtrl;

// The editor that covers a cell while its text is edited in place. It starts
// from the first character that opened it, ends on Tab, Enter, Escape (which
// restores the text) or, unless opened by the mouse, on the navigation keys,
// and reports the final text and the ending key to the grid once, when it
// loses the focus (not to a popup such as its context menu) or is ended from
// code. It then deletes itself; the grid keeps the focus it had.
class CGridInPlaceEdit : public QLineEdit
{
    Q_OBJECT

public:
    CGridInPlaceEdit(CGridCtrl* grid, const QRect& rect, Qt::Alignment alignment, int id, int row, int col,
                     const QString& text, int firstChar, bool numbersOnly);

    // Ends the edit as if the focus had left, without an ending key; a focus it held goes to the grid.
    void EndEdit();
    // Handles a character or key code as if typed.
    void TypeChar(int nChar);
    // Stops reporting to the grid (the cell went away).
    void Detach() { m_grid = nullptr; }

    int GetRow() const { return m_row; }
    int GetColumn() const { return m_col; }
    int GetId() const { return m_id; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void endWithKey(int key);
    void finish();
    void widenToText();

    CGridCtrl* m_grid;
    int m_id;
    int m_row;
    int m_col;
    QString m_initialText;
    int m_lastKey = 0;
    bool m_exitOnArrows;
    bool m_finished = false;
};

} // namespace grid
