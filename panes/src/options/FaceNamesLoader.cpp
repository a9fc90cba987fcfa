#include "options/FaceNamesLoader.h"

#include "engine/TrueTypeFaces.h"

#include <QStringList>


namespace panes {

FaceNamesLoader::FaceNamesLoader(QObject* parent)
    : QObject(parent)
    , m_latest(this)
{
}

void FaceNamesLoader::load(const std::string& path)
{
    m_latest.run(
        [path] {
            QString faces;
            if (auto names = engine::TrueTypeFaceNames(path)) {
                QStringList entries;
                for (std::size_t i = 0; i < names->size(); ++i) {
                    entries.append(QStringLiteral("%1 %2").arg(i).arg(QString::fromStdString((*names)[i])));
                }
                faces = QStringLiteral("Faces: %1.").arg(entries.join(QStringLiteral(", ")));
            }
            return faces;
        },
        [this](const QString& faces) { emit loaded(faces); });
}

} // namespace panes
