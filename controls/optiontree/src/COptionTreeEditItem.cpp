#include "optiontree/COptionTreeEditItem.h"

#include "optiontree/COptionTree.h"
#include "optiontree/OptionTreeConstants.h"

#include <QKeyEvent>

#include <limits>

namespace optiontree {

namespace {

// Characters that make a numeric text invalid: letters, signs and punctuation
// other than the decimal point.
bool isRefusedInNumber(QChar c)
{
    static const QString Refused = QStringLiteral("`~[]{}-_=+\\|'/?>,<");
    return (c.isLetter() && c.unicode() < 0x80) || Refused.contains(c);
}

} // namespace

COptionTreeEditItem::COptionTreeEditItem()
    : COptionTreeWindowItem(static_cast<QWidget&>(*this))
{
}

bool COptionTreeEditItem::CreateEditItem(quint32 editOptions, quint32 additionalStyles)
{
    if (!GetOptionTree() || HasWindow()) {
        return false;
    }
    m_options = editOptions;
    m_wantReturn = (additionalStyles & EditStyleWantReturn) != 0;
    setEditMode((editOptions & EditOptionMultiLine) != 0, (editOptions & EditOptionPassword) != 0,
        (editOptions & EditOptionNumeric) != 0);
    if (editOptions & EditOptionMultiLine) {
        SetItemHeight(MultiLineRowHeight);
        GetOptionTree()->UpdateScrollRange();
        GetOptionTree()->RepaintAll();
    }
    createWindow();
    setSelection(0, 0);
    return true;
}

void COptionTreeEditItem::SetEditInt(int value)
{
    if (HasWindow()) {
        setText(QString::number(value));
    }
}

bool COptionTreeEditItem::GetEditInt(int& value) const
{
    value = 0;
    if (!HasWindow() || !(m_options & EditOptionNumeric)) {
        return false;
    }
    const QString content = text();
    bool hasDigit = false;
    for (const QChar c : content) {
        if (isRefusedInNumber(c)) {
            return false;
        }
        hasDigit = hasDigit || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
    }
    if (!hasDigit) {
        return false;
    }
    // Leading white space, then the leading digits; the refused list above has
    // already turned away signs.
    qsizetype pos = 0;
    while (pos < content.size() && content.at(pos).isSpace()) {
        ++pos;
    }
    qint64 number = 0;
    for (; pos < content.size() && content.at(pos) >= QLatin1Char('0') && content.at(pos) <= QLatin1Char('9'); ++pos) {
        number = number * 10 + (content.at(pos).unicode() - '0');
        if (number > std::numeric_limits<int>::max()) {
            number = std::numeric_limits<int>::max();
        }
    }
    value = static_cast<int>(number);
    return true;
}

void COptionTreeEditItem::OnActivate()
{
    if (!HasWindow()) {
        return;
    }
    setSelection(0, 0);
    showEditor(GetAttributeRect());
}

QString COptionTreeEditItem::displayText() const
{
    const QString content = text();
    return (m_options & EditOptionPassword) ? QString(content.size(), QLatin1Char('*')) : content;
}

bool COptionTreeEditItem::drawTopLeft() const
{
    return (m_options & EditOptionMultiLine) != 0;
}

void COptionTreeEditItem::focusInEvent(QFocusEvent* event)
{
    editorFocusIn();
    CTipEdit::focusInEvent(event);
}

void COptionTreeEditItem::focusOutEvent(QFocusEvent* event)
{
    CTipEdit::focusOutEvent(event);
    editorFocusOut(event);
}

bool COptionTreeEditItem::editorKeyPress(QKeyEvent* event)
{
    if (forwardTabToList(event)) {
        return true;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (isMultiLine() && m_wantReturn)) {
        return false;
    }
    CommitChanges();
    return true;
}

} // namespace optiontree
