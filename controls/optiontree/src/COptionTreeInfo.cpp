#include "optiontree/COptionTreeInfo.h"

#include "optiontree/COptionTree.h"
#include "optiontree/OptionTreeColors.h"
#include "optiontree/OptionTreeFonts.h"

#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace optiontree {

namespace {
constexpr int TextInset = 4;
}

COptionTreeInfo::COptionTreeInfo(COptionTree* tree)
    : QWidget(tree)
    , m_tree(tree)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void COptionTreeInfo::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRect(event->rect());
    const QPalette& pal = palette();
    painter.fillRect(rect(), OptionTreeColors::buttonFace(pal));
    qDrawWinPanel(&painter, rect(), pal, true);

    QString title;
    QString text;
    if (const COptionTreeItem* item = m_tree->GetFocusedItem()) {
        title = item->GetLabelText();
        text = item->GetInfoText();
    } else if (m_tree->TreeStyleDefaultInfoText()) {
        title = noItemTitle();
        text = noItemText();
    }
    if (title.isEmpty() && text.isEmpty()) {
        return;
    }

    painter.setPen(m_tree->isEnabled() ? OptionTreeColors::buttonText(pal) : OptionTreeColors::greyText(pal));
    const QRect area = rect().adjusted(TextInset, TextInset, -TextInset, -TextInset);
    const QFont bold = OptionTreeFonts::bold();
    painter.setFont(bold);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title);
    const QRect textArea = area.adjusted(0, QFontMetrics(bold).height(), 0, 0);
    painter.setFont(OptionTreeFonts::normal());
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

} // namespace optiontree
