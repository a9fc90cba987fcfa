#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace optiontree {

// Runs the open, save or folder dialog of a file item and keeps what the last
// dialog left. Tests and other front ends replace DoModal.
class COptionTreeFileDialog
{
public:
    static constexpr int Accepted = 1;
    static constexpr int Cancelled = 2;

    enum class Kind
    {
        Open,
        Save,
        Folder,
    };

    struct Request
    {
        Kind kind = Kind::Open;
        QWidget* owner = nullptr;
        QString title; // folder dialogs only
        QString initialPath;
        QString defaultExtension; // without the dot
        QString filter; // "description|pattern|description|pattern|"
        quint32 flags = 0; // Dialog* flags
    };

    COptionTreeFileDialog() = default;
    COptionTreeFileDialog(const COptionTreeFileDialog&) = delete;
    COptionTreeFileDialog& operator=(const COptionTreeFileDialog&) = delete;
    virtual ~COptionTreeFileDialog() = default;

    // Describes the next dialog. An open or save dialog starts its file name
    // from the initial path.
    void Prepare(const Request& request);
    const Request& GetRequest() const { return m_request; }

    // Runs the prepared dialog (not the platform's native one) modally. Returns
    // Accepted with the chosen paths kept, or Cancelled leaving them as they were.
    virtual int DoModal();

    // The paths chosen in the last accepted dialog.
    QStringList GetSelectedPaths() const { return m_selected; }
    // The file name of the last open or save dialog: "" before any was
    // prepared, the first chosen path after success, else the initial path.
    QString GetFileName() const { return m_fileName; }

    // Qt name filters for a "description|pattern|…|" filter.
    static QStringList NameFilters(const QString& filter);
    // The name patterns of one pattern field ("*.pfa;*.pfb"). "*.*" stands for every
    // file in such filters, names without an extension included, and so becomes "*".
    static QStringList NamePatterns(const QString& field);

protected:
    // Records an accepted dialog's choice.
    void accept(const QStringList& paths);

private:
    Request m_request;
    QStringList m_selected;
    QString m_fileName;
};

} // namespace optiontree
