#pragma once

#include "chrome/CHyperLink.h"

#include <QDialog>

namespace app {

// The About box: a banner, the product name, a rights notice and links to the web site and the
// support address, on the program's background colour, without a caption bar. A left or right click
// anywhere on it except on a link closes it.
class CAboutBoxDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutBoxDialog(QWidget* parent = nullptr, chrome::UrlOpener opener = chrome::DesktopUrlOpener());

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect m_banner;
};

} // namespace app
