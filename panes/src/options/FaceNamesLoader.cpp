#include "options/FaceNamesLoader.h"

#include "engine/TrueTypeFaces.h"

#include "filelist/PostBox.h"

#include <QStringList>

#include <thread>

namespace panes {

FaceNamesLoader::FaceNamesLoader(QObject* parent)
    : QObject(parent)
    , m_box(std::make_shared<PostBox>(this))
{
}

FaceNamesLoader::~FaceNamesLoader()
{
    m_box->close();
}

void FaceNamesLoader::load(const std::string& path)
{
    const unsigned generation = ++m_generation;
    std::thread([box = m_box, path, generation, this] {
        QString faces;
        if (auto names = engine::TrueTypeFaceNames(path)) {
            QStringList entries;
            for (std::size_t i = 0; i < names->size(); ++i) {
                entries.append(QStringLiteral("%1 %2").arg(i).arg(QString::fromStdString((*names)[i])));
            }
            faces = QStringLiteral("Faces: %1.").arg(entries.join(QStringLiteral(", ")));
        }
        box->post([this, generation, faces] {
            if (generation == m_generation) {
                emit loaded(faces);
            }
        });
    }).detach();
}

} // namespace panes
