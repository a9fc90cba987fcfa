#include "optiontree/CTipEdit.h"

#include "OptionTreeColors.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace optiontree {

namespace {
const QPoint TipOffset(1, 3);
}

CTipEdit::CTipEdit(QWidget* parent)
    : QWidget(parent)
    , m_tip(this)
{
    setEditMode(false, false, false);
}

void CTipEdit::setEditMode(bool multiLine, bool password, bool numeric)
{
    const QString current = text();
    delete m_line;
    delete m_multi;
    m_line = nullptr;
    m_multi = nullptr;
    if (multiLine) {
        m_multi = new QPlainTextEdit(this);
        m_multi->setLineWrapMode(QPlainTextEdit::NoWrap);
        m_multi->setTabChangesFocus(true);
        installEditor(m_multi);
        m_multi->viewport()->installEventFilter(this);
        m_multi->viewport()->setMouseTracking(true);
    } else {
        m_line = new QLineEdit(this);
        m_line->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
        if (numeric) {
            m_line->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_line));
        }
        installEditor(m_line);
    }
    setText(current);
}

void CTipEdit::installEditor(QWidget* editor)
{
    editor->setGeometry(rect());
    editor->setMouseTracking(true);
    editor->installEventFilter(this);
    editor->show();
    setFocusProxy(editor);
}

bool CTipEdit::isPassword() const
{
    return m_line && m_line->echoMode() == QLineEdit::Password;
}

QString CTipEdit::text() const
{
    if (m_line) {
        return m_line->text();
    }
    return m_multi ? m_multi->toPlainText() : QString();
}

void CTipEdit::setText(const QString& text)
{
    if (m_line) {
        m_line->setText(text);
    } else if (m_multi) {
        m_multi->setPlainText(text);
    }
}

void CTipEdit::setSelection(int start, int end)
{
    if (m_line) {
        m_line->setSelection(start, end - start);
        if (start == end) {
            m_line->setCursorPosition(start);
        }
        return;
    }
    QTextCursor cursor = m_multi->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    m_multi->setTextCursor(cursor);
    m_multi->ensureCursorVisible();
}

QWidget* CTipEdit::editor() const
{
    return m_line ? static_cast<QWidget*>(m_line) : static_cast<QWidget*>(m_multi);
}

QRect CTipEdit::textArea() const
{
    if (m_multi) {
        return m_multi->viewport()->geometry();
    }
    QStyleOptionFrame option;
    option.initFrom(m_line);
    option.rect = m_line->rect();
    option.lineWidth = m_line->hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, m_line) : 0;
    return style()->subElementRect(QStyle::SE_LineEditContents, &option, m_line);
}

bool CTipEdit::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched == editor()) {
            focusInEvent(static_cast<QFocusEvent*>(event));
        }
        break;
    case QEvent::FocusOut:
        if (watched == editor()) {
            m_tip.hideText();
            focusOutEvent(static_cast<QFocusEvent*>(event));
        }
        break;
    case QEvent::KeyPress:
        if (watched == editor() && editorKeyPress(static_cast<QKeyEvent*>(event))) {
            return true;
        }
        break;
    case QEvent::MouseMove:
        showTipIfCutOff();
        break;
    case QEvent::Leave:
        m_tip.hideText();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CTipEdit::showTipIfCutOff()
{
    // A masked text is never shown in clear.
    if (isPassword()) {
        return;
    }
    const QString shown = text();
    const QFontMetrics metrics(editor()->font());
    int widest = 0;
    for (const QString& line : shown.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const QRect area = textArea();
    if (widest <= area.width()) {
        m_tip.hideText();
        return;
    }
    const QPalette& pal = palette();
    const bool focused = editor()->hasFocus();
    m_tip.showText(shown, editor()->mapToGlobal(area.topLeft() + TipOffset), editor()->font(),
        focused ? OptionTreeColors::highlightText(pal) : OptionTreeColors::windowText(pal),
        focused ? OptionTreeColors::highlight(pal) : OptionTreeColors::window(pal));
}

void CTipEdit::resizeEvent(QResizeEvent*)
{
    editor()->setGeometry(rect());
}

void CTipEdit::keyPressEvent(QKeyEvent* event)
{
    // Keys the editor leaves unused stop here rather than reach the widgets below.
    event->accept();
}

bool CTipEdit::editorKeyPress(QKeyEvent*)
{
    return false;
}

} // namespace optiontree
