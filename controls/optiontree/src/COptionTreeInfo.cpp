#include "COptionTreeInfo.h"

#include "optiontree/COptionTree.h"

#include "OptionTreeColors.h"
#include "OptionTreeFonts.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>
#include <QToolTip>
#include <qdrawutil.h>

#include <algorithm>
#include <limits>

namespace optiontree {

COptionTreeInfo::COptionTreeInfo(COptionTree* tree)
    : QWidget(tree)
    , m_tree(tree)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int COptionTreeInfo::neededHeight(int paneWidth) const
{
    const int textWidth = paneWidth - 2 * TextInset;
    const QFontMetrics normal(OptionTreeFonts::normal());
    int lines = 0;
    const auto count = [&](const QString& text) {
        // Most descriptions fit on one line, which needs no layout.
        const bool oneLine = !text.contains(QLatin1Char('\n')) && normal.horizontalAdvance(text) <= textWidth;
        const int needed
            = oneLine ? 1 : static_cast<int>(wrappedLines(text, textWidth, std::numeric_limits<int>::max()).size());
        lines = std::max(lines, needed);
    };
    if (m_tree->TreeStyleDefaultInfoText()) {
        count(noItemText());
    }
    COptionTree::ForEachInSubtree(
        m_tree->GetRootItem(), [&count](COptionTreeItem* item) { count(item->GetInfoText()); });
    return 2 * TextInset + QFontMetrics(OptionTreeFonts::bold()).height() + lines * normal.lineSpacing();
}

COptionTreeInfo::Shown COptionTreeInfo::shown() const
{
    if (const COptionTreeItem* item = m_tree->GetFocusedItem()) {
        return { item->GetLabelText(), item->GetInfoText() };
    }
    if (m_tree->TreeStyleDefaultInfoText()) {
        return { noItemTitle(), noItemText() };
    }
    return {};
}

QRect COptionTreeInfo::textArea() const
{
    return rect().adjusted(
        TextInset, TextInset + QFontMetrics(OptionTreeFonts::bold()).height(), -TextInset, -TextInset);
}

int COptionTreeInfo::visibleLines() const
{
    return std::max(1, textArea().height() / QFontMetrics(OptionTreeFonts::normal()).lineSpacing());
}

QStringList COptionTreeInfo::wrappedLines(const QString& text, int width, int maxLines, bool* cut)
{
    const QFont font = OptionTreeFonts::normal();
    QTextLayout layout(QString(text).replace(QLatin1Char('\n'), QChar::LineSeparator), font);
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(1, width));
        if (lines.size() == maxLines) {
            // The last kept line takes the rest of the text, cut short by an ellipsis.
            const qsizetype start = layout.lineAt(maxLines - 1).textStart();
            lines.back() = QFontMetrics(font).elidedText(text.mid(start).simplified(), Qt::ElideRight, width);
            if (cut) {
                *cut = true;
            }
            break;
        }
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

bool COptionTreeInfo::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    const QString text = shown().text;
    bool cut = false;
    wrappedLines(text, textArea().width(), visibleLines(), &cut);
    if (cut) {
        QToolTip::showText(
            static_cast<QHelpEvent*>(event)->globalPos(), Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal), this);
    } else {
        QToolTip::hideText();
    }
    return true;
}

void COptionTreeInfo::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRect(event->rect());
    const QPalette& pal = palette();
    painter.fillRect(rect(), OptionTreeColors::buttonFace(pal));
    qDrawWinPanel(&painter, rect(), pal, true);

    const Shown texts = shown();
    if (texts.title.isEmpty() && texts.text.isEmpty()) {
        return;
    }
    painter.setPen(m_tree->isEnabled() ? OptionTreeColors::buttonText(pal) : OptionTreeColors::greyText(pal));
    const QFont bold = OptionTreeFonts::bold();
    painter.setFont(bold);
    painter.drawText(rect().adjusted(TextInset, TextInset, -TextInset, -TextInset),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, texts.title);

    const QRect area = textArea();
    const QFont normal = OptionTreeFonts::normal();
    const int lineSpacing = QFontMetrics(normal).lineSpacing();
    painter.setFont(normal);
    int top = area.top();
    for (const QString& line : wrappedLines(texts.text, area.width(), visibleLines())) {
        painter.drawText(QRect(area.left(), top, area.width(), lineSpacing), Qt::AlignLeft | Qt::TextSingleLine, line);
        top += lineSpacing;
    }
}

} // namespace optiontree
