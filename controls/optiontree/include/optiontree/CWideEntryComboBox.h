#pragma once

#include "optiontree/CutOffTextTip.h"

#include <QComboBox>

namespace optiontree {

// A drop-down list that shows, in a tip, the whole text of an entry it had to cut
// off: the current text while the mouse is over the closed box, and each entry
// of the dropped list while the mouse is over it.
class CWideEntryComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CWideEntryComboBox(QWidget* parent = nullptr);

    // The part of the closed box that shows the text (without the drop button).
    QRect textArea() const;
    const CutOffTextTip& tip() const { return m_tip; }
    const CutOffTextTip& listTip() const { return m_listTip; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void showEntryTip(const QPoint& viewportPos);

    CutOffTextTip m_tip;
    CutOffTextTip m_listTip;
};

} // namespace optiontree
