#pragma once

#include <QIcon>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace app {

// The program's own pictures, drawn from the SVG files built into it: "tip", "banner", "splash"
// and "marlowen" (the program's icon).
void DrawPicture(QPainter& painter, const QString& name, const QRectF& target);
QSize PictureSize(const QString& name);
QIcon ProgramIcon();

} // namespace app
