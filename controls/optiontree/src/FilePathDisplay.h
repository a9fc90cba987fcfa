#pragma once

#include <QString>
#include <QStringList>

namespace optiontree {

// The text a file item shows for its paths, one per line, in the form its
// display bits choose (FileOptionShow*); the name, title and extension forms
// show only paths that exist.
class FilePathDisplay
{
public:
    static QString NoSelectionText() { return QStringLiteral("No selection made."); }

    static QString Text(const QStringList& paths, quint32 fileOptions);

private:
    static QString shownPart(const QString& path, quint32 fileOptions);
};

} // namespace optiontree
