#pragma once

#include "optiontree/COptionTreeWindowItem.h"
#include "optiontree/CTipEdit.h"

namespace optiontree {

// A text, number or password option. The object is the edit box itself: the
// owner sets and reads text() once CreateEditItem succeeded. Enter commits at
// once (unless a multi-line edit wants returns), as does leaving the box for
// another part of the tree.
class COptionTreeEditItem : public CTipEdit, public COptionTreeWindowItem
{
    Q_OBJECT

public:
    static constexpr int MultiLineRowHeight = 75;

    COptionTreeEditItem();

    // Creates the edit over the value area, hidden, with EditOption* bits; the
    // additional style EditStyleWantReturn lets Enter start a new line in a
    // multi-line edit. Needs the item to be inserted; false when it is not or
    // when the edit exists already.
    bool CreateEditItem(quint32 editOptions = 0, quint32 additionalStyles = 0);

    // Sets the text to the decimal form of value; needs the edit to exist.
    void SetEditInt(int value);
    // The text as a whole number: true with the value for a numeric edit whose
    // text holds at least one digit and no letter, sign or other refused
    // character; otherwise false with 0. Digits are read up to the first other
    // character ("12.5" gives 12).
    bool GetEditInt(int& value) const;

    void OnActivate() override;

protected:
    QString displayText() const override;
    bool drawTopLeft() const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool editorKeyPress(QKeyEvent* event) override;

private:
    quint32 m_options = 0;
    bool m_wantReturn = false;
};

} // namespace optiontree
