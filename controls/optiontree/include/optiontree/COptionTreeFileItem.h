#pragma once

#include "optiontree/COptionTreeFileDialog.h"
#include "optiontree/COptionTreeItem.h"

#include <QStringList>

#include <memory>

namespace optiontree {

// A file or folder option. Activation runs a dialog; the chosen paths are shown
// one per line, the row grows to fit them, and an accepted dialog commits
// (TreeNotifyItemChanged) while a cancelled one changes nothing.
class COptionTreeFileItem : public COptionTreeItem
{
public:
    COptionTreeFileItem();
    ~COptionTreeFileItem() override;

    // Stores the dialog settings and makes initialFile the only path. Needs
    // the item to be inserted; false when it is not.
    bool CreateFileItem(const QString& initialFile, const QString& defaultExtension, const QString& filter,
        quint32 fileOptions, quint32 dialogFlags);

    // The file name the last open or save dialog left (see COptionTreeFileDialog::GetFileName).
    QString GetPath() const;
    QStringList GetPaths() const { return m_paths; }
    quint32 GetFileOptions() const { return m_fileOptions; }

    // Where the dialog opens while the item holds no path (a folder, with or without a trailing '/').
    void SetInitialFolder(const QString& folder) { m_initialFolder = folder; }

    // Replaces the dialog runner; the item owns it.
    void SetFileDialog(std::unique_ptr<COptionTreeFileDialog> dialog);

    void DrawAttribute(QPainter& painter, const QRect& attribute) override;
    void OnActivate() override;
    // Forgets the chosen paths: "No selection made." again, committed.
    bool OnClear() override;

private:
    void fitRowToPaths();

    quint32 m_fileOptions = 0;
    quint32 m_dialogFlags = 0;
    int m_baseRowHeight = 0;
    std::unique_ptr<COptionTreeFileDialog> m_dialog;
    QStringList m_paths;
    QString m_defaultExtension;
    QString m_initialFolder;
    QString m_filter;
};

} // namespace optiontree
