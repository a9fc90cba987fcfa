#include "panes/MessageBoxAsker.h"

namespace panes {

void MessageBoxAsker::tell(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, QString::fromLatin1(ApplicationTitle), text, QMessageBox::Ok, parent);
    box.exec();
}

bool MessageBoxAsker::askYesNo(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(ApplicationTitle), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

QWidget* MessageBoxAsker::show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                               std::function<void()> closed)
{
    auto* box = new QMessageBox(icon, QString::fromLatin1(ApplicationTitle), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (closed) {
        QObject::connect(box, &QMessageBox::finished, box, [closed = std::move(closed)] { closed(); });
    }
    box->open();
    return box;
}

MessageBoxAsker& MessageBoxAsker::instance()
{
    static MessageBoxAsker asker;
    return asker;
}

} // namespace panes
