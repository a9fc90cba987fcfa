#include "panes/CLeftView.h"

#include "panes/CFileListDialog.h"

namespace panes {

CLeftView::CLeftView(OptionsSource& options, QWidget* parent)
    : QWidget(parent)
    , m_dialog(new CFileListDialog(options, this))
{
    setFocusProxy(m_dialog);
}

void CLeftView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_dialog->setGeometry(rect());
}

} // namespace panes
