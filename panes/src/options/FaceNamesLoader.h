#pragma once

#include "shared/LatestResult.h"

#include <QObject>
#include <QString>

#include <memory>
#include <string>

namespace panes {

// Reads the face names of a TrueType font file on a thread of its own, so that a large collection never holds
// the interface up. A later load supersedes the one under way.
class FaceNamesLoader : public QObject
{
    Q_OBJECT

public:
    explicit FaceNamesLoader(QObject* parent = nullptr);

    void load(const std::string& path);

signals:
    // The faces of the latest file read, as a sentence for the info text ("Faces: 0 Name, 1 Name."), or empty
    // when the file holds no font that can be read.
    void loaded(const QString& faces);

private:
    LatestResult m_latest;
};

} // namespace panes
