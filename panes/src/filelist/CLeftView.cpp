#include "panes/CLeftView.h"

#include "panes/CFileListDialog.h"

#include <grid/CGridCtrl.h>

#include <QScrollBar>

#include <algorithm>

namespace panes {

CLeftView::CLeftView(OptionsSource& options, QWidget* parent)
    : QWidget(parent)
    , m_dialog(new CFileListDialog(options, this))
{
    setFocusProxy(m_dialog);
}

QSize CLeftView::sizeHint() const
{
    const grid::CGridCtrl& grid = m_dialog->grid();
    int columns = 0;
    for (int col = 0; col < grid.GetColumnCount(); ++col) {
        columns += grid.GetColumnWidth(col);
    }
    const int whole = columns + 2 * grid.frameWidth() + grid.verticalScrollBar()->sizeHint().width();
    return { std::max(whole, minimumWidth()), 480 };
}

void CLeftView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_dialog->setGeometry(rect());
}

} // namespace panes
