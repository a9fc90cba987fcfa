#include "panes/FileTypeList.h"

namespace panes {

QList<FileType> parseFileTypeList(const QString& text)
{
    QList<FileType> types;
    const QStringList fields = text.split(u'|');
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        if (fields[i].isEmpty() || fields[i + 1].isEmpty()) {
            break;
        }
        QStringList patterns;
        for (const QString& pattern : fields[i + 1].split(u';')) {
            if (!pattern.trimmed().isEmpty()) {
                patterns.append(pattern.trimmed());
            }
        }
        types.append({ fields[i], patterns });
    }
    return types;
}

} // namespace panes
