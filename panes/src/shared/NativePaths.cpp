#include "shared/NativePaths.h"

#include <QFile>

namespace panes {

QString FromNative(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string ToNative(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace panes
