#include "optiontree/COptionTreeFileItem.h"

#include "optiontree/COptionTree.h"
#include "optiontree/OptionTreeGeometry.h"
#include "optiontree/OptionTreeConstants.h"

#include "FilePathDisplay.h"
#include "OptionTreeColors.h"
#include "OptionTreeFonts.h"

#include <QPainter>

namespace optiontree {

namespace {
constexpr int LineGap = 3; // added to the font height for each shown path
constexpr int RowPadding = 5; // added below the paths of a grown row
constexpr int TextInset = 1;
} // namespace

COptionTreeFileItem::COptionTreeFileItem()
    : m_dialog(std::make_unique<COptionTreeFileDialog>())
{
}

COptionTreeFileItem::~COptionTreeFileItem() = default;

bool COptionTreeFileItem::CreateFileItem(const QString& initialFile, const QString& defaultExtension,
    const QString& filter, quint32 fileOptions, quint32 dialogFlags)
{
    if (!GetOptionTree()) {
        return false;
    }
    m_paths = QStringList { initialFile };
    m_defaultExtension = defaultExtension;
    m_filter = filter;
    m_fileOptions = fileOptions;
    m_dialogFlags = dialogFlags;
    m_baseRowHeight = GetItemHeight();
    return true;
}

QString COptionTreeFileItem::GetPath() const
{
    return m_dialog->GetFileName();
}

void COptionTreeFileItem::SetFileDialog(std::unique_ptr<COptionTreeFileDialog> dialog)
{
    if (dialog) {
        m_dialog = std::move(dialog);
    }
}

void COptionTreeFileItem::OnActivate()
{
    COptionTree* tree = GetOptionTree();
    if (!tree) {
        return;
    }
    COptionTreeFileDialog::Request request;
    request.owner = tree;
    request.initialPath = m_paths.isEmpty() ? m_initialFolder : m_paths.first();
    request.flags = m_dialogFlags;
    if (m_fileOptions & FileOptionFolder) {
        request.kind = COptionTreeFileDialog::Kind::Folder;
        request.title = QStringLiteral("Select Folder");
    } else {
        request.kind = (m_fileOptions & FileOptionOpenDialog) ? COptionTreeFileDialog::Kind::Open
                                                              : COptionTreeFileDialog::Kind::Save;
        request.defaultExtension = m_defaultExtension;
        request.filter = m_filter;
    }
    m_dialog->Prepare(request);
    const bool accepted = m_dialog->DoModal() == COptionTreeFileDialog::Accepted;
    if (accepted) {
        const QStringList chosen = m_dialog->GetSelectedPaths();
        m_paths = request.kind == COptionTreeFileDialog::Kind::Folder ? chosen.mid(0, 1) : chosen;
        fitRowToPaths();
    }
    tree->UpdateScrollRange();
    tree->MoveItems();
    tree->RepaintAll();
    if (accepted) {
        // A new choice is a committed value: the owner hears of it at once.
        CommitChanges();
    }
}

bool COptionTreeFileItem::OnClear()
{
    COptionTree* tree = GetOptionTree();
    if (!tree || IsReadOnly() || m_paths.isEmpty()) {
        return false;
    }
    m_paths.clear();
    fitRowToPaths();
    tree->UpdateScrollRange();
    tree->MoveItems();
    tree->RepaintAll();
    CommitChanges();
    return true;
}

void COptionTreeFileItem::fitRowToPaths()
{
    const int needed = static_cast<int>(m_paths.size()) * (OptionTreeFonts::normalHeight() + LineGap);
    if (needed > m_baseRowHeight) {
        SetItemHeight(needed + RowPadding);
        SetMultiLineLabel(true);
    } else {
        SetItemHeight(m_baseRowHeight);
        SetMultiLineLabel(false);
    }
}

void COptionTreeFileItem::DrawAttribute(QPainter& painter, const QRect& attribute)
{
    const COptionTree* tree = GetOptionTree();
    if (!tree) {
        return;
    }
    const QPalette& pal = tree->palette();
    const bool grey = IsReadOnly() || !tree->isEnabled();
    painter.setFont(OptionTreeFonts::normal());
    painter.setPen(grey ? OptionTreeColors::greyText(pal)
                        : OptionTreeColors::orSystem(GetAttributeTextColor(), OptionTreeColors::buttonText(pal)));
    // Each path shortened to end clear of the list's edge.
    const QRect area = attribute.adjusted(TextInset, TextInset, -OptionTreeGeometry::ValueRightInset, 0);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop,
        OptionTreeGeometry::shortenedLines(FilePathDisplay::Text(m_paths, m_fileOptions), painter.fontMetrics(),
                                           area.width()));
}

} // namespace optiontree
