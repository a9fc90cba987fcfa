#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace panes {

// One entry of a file-type list: the text shown to the user and the name patterns it stands for.
struct FileType
{
    QString description;
    QStringList patterns;

    bool operator==(const FileType&) const = default;
};

// Reads a file-type list written as "description|pattern|description|pattern||". A pattern may hold several
// patterns separated by ';', and "*.*" means every file. An empty field ends the list, and a description without a
// pattern is dropped.
QList<FileType> parseFileTypeList(const QString& text);

} // namespace panes
