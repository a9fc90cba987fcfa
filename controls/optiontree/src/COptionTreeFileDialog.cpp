#include "optiontree/COptionTreeFileDialog.h"

#include "optiontree/OptionTreeConstants.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace optiontree {

void COptionTreeFileDialog::Prepare(const Request& request)
{
    m_request = request;
    if (request.kind != Kind::Folder) {
        m_fileName = request.initialPath;
    }
}

int COptionTreeFileDialog::DoModal()
{
    QFileDialog dialog(m_request.owner);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    switch (m_request.kind) {
    case Kind::Folder:
        dialog.setWindowTitle(m_request.title);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        if (!m_request.initialPath.isEmpty()) {
            dialog.setDirectory(m_request.initialPath);
        }
        break;
    case Kind::Open:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(
            (m_request.flags & DialogAllowMultiSelect) ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        break;
    case Kind::Save:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !(m_request.flags & DialogOverwritePrompt));
        break;
    }
    if (m_request.kind != Kind::Folder) {
        const QStringList filters = NameFilters(m_request.filter);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
        }
        dialog.setDefaultSuffix(m_request.defaultExtension);
        if (!m_request.initialPath.isEmpty()) {
            dialog.selectFile(m_request.initialPath);
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return Cancelled;
    }
    accept(dialog.selectedFiles());
    return Accepted;
}

void COptionTreeFileDialog::accept(const QStringList& paths)
{
    m_selected = paths;
    if (m_request.kind != Kind::Folder && !paths.isEmpty()) {
        m_fileName = paths.first();
    }
}

QStringList COptionTreeFileDialog::NameFilters(const QString& filter)
{
    static const QRegularExpression TrailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts.at(i).isEmpty() && parts.at(i + 1).isEmpty()) {
            continue;
        }
        // The patterns go in parentheses, separated by spaces, as Qt expects them.
        QString description = parts.at(i);
        description.remove(TrailingPatterns);
        filters.append(
            QStringLiteral("%1 (%2)").arg(description, NamePatterns(parts.at(i + 1)).join(QLatin1Char(' '))));
    }
    return filters;
}

QStringList COptionTreeFileDialog::NamePatterns(const QString& field)
{
    QStringList patterns;
    for (const QString& part : field.split(QLatin1Char(';'))) {
        const QString pattern = part.trimmed();
        if (pattern == QLatin1String("*.*")) {
            patterns.append(QStringLiteral("*"));
        } else if (!pattern.isEmpty()) {
            patterns.append(pattern);
        }
    }
    return patterns;
}

} // namespace optiontree
