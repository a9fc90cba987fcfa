#include "folderchooser/FileTypeList.h"

#include "optiontree/COptionTreeFileDialog.h"

namespace panes {

QList<FileType> parseFileTypeList(const QString& text)
{
    QList<FileType> types;
    const QStringList fields = text.split(u'|');
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        if (fields[i].isEmpty() || fields[i + 1].isEmpty()) {
            break;
        }
        types.append({ fields[i], optiontree::COptionTreeFileDialog::NamePatterns(fields[i + 1]) });
    }
    return types;
}

} // namespace panes
