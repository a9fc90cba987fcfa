#pragma once

#include "optiontree/COptionTreeWindowItem.h"
#include "optiontree/CWideEntryComboBox.h"

namespace optiontree {

// A drop-down list option. The object is the combo box itself: the owner fills
// and reads it with the QComboBox operations once CreateComboItem succeeded.
// Choosing an entry does not commit; leaving the box for another part of the tree does.
class COptionTreeComboItem : public CWideEntryComboBox, public COptionTreeWindowItem
{
    Q_OBJECT

public:
    static constexpr int DefaultDropDownHeight = 100;

    COptionTreeComboItem();

    // Creates the box over the value area, hidden. Needs the item to be inserted;
    // returns false when it is not or when the box exists already. Additional
    // styles are accepted for compatibility and have no effect.
    bool CreateComboItem(quint32 additionalStyles = 0);

    void SetDropDownHeight(int height) { m_dropDownHeight = height; }

    void OnActivate() override;

protected:
    QString displayText() const override;
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_dropDownHeight = DefaultDropDownHeight;
};

} // namespace optiontree
