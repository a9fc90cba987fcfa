#pragma once

#include "optiontree/CutOffTextTip.h"

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace optiontree {

// An edit box that shows its whole text in a tip when the text is cut off. It
// is one line (optionally masked or digits only) or several lines; the editor
// inside is its focus proxy, and its focus and key events arrive at this
// widget's focusInEvent, focusOutEvent and editorKeyPress.
class CTipEdit : public QWidget
{
    Q_OBJECT

public:
    explicit CTipEdit(QWidget* parent = nullptr);

    // Chooses the editor; the text is kept. Password and digits-only apply to one line only.
    void setEditMode(bool multiLine, bool password, bool numeric);
    bool isMultiLine() const { return m_multi != nullptr; }
    bool isPassword() const;

    QString text() const;
    void setText(const QString& text);
    // Selects from start to end (a caret when equal) and scrolls the caret into view.
    void setSelection(int start, int end);
    QWidget* editor() const;
    // The part of the editor that shows text.
    QRect textArea() const;
    const CutOffTextTip& tip() const { return m_tip; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A key for the editor; return true to keep it from the editor.
    virtual bool editorKeyPress(QKeyEvent* event);

private:
    void installEditor(QWidget* editor);
    void showTipIfCutOff();

    QLineEdit* m_line = nullptr;
    QPlainTextEdit* m_multi = nullptr;
    CutOffTextTip m_tip;
};

} // namespace optiontree
