#include "app/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

// Resources of a static library are registered by hand; outside any namespace, as Qt requires.
static void RegisterPictures()
{
    Q_INIT_RESOURCE(app);
}

namespace app {

namespace {

QString PicturePath(const QString& name)
{
    static const bool registered = (RegisterPictures(), true);
    Q_UNUSED(registered);
    return QStringLiteral(":/app/") + name + QStringLiteral(".svg");
}

} // namespace

void DrawPicture(QPainter& painter, const QString& name, const QRectF& target)
{
    QSvgRenderer renderer(PicturePath(name));
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    renderer.render(&painter, target);
}

QSize PictureSize(const QString& name)
{
    return QSvgRenderer(PicturePath(name)).defaultSize();
}

QIcon ProgramIcon()
{
    return QIcon(PicturePath(QStringLiteral("marlowen")));
}

} // namespace app
