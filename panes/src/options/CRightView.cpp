#include "panes/CRightView.h"

#include "FaceNamesLoader.h"
#include "FolderChooserDialog.h"
#include "OptionItemTable.h"
#include "engine/ChoiceLists.h"
#include "engine/PageSizes.h"
#include "engine/SettingsFile.h"
#include "optiontree/COptionTree.h"
#include "optiontree/COptionTreeComboItem.h"
#include "optiontree/COptionTreeEditItem.h"
#include "optiontree/COptionTreeFileItem.h"
#include "optiontree/OptionTreeConstants.h"
#include "optiontree/OptionTreeNotifyRecord.h"
#include "panes/MessageBoxAsker.h"
#include "shared/NativePaths.h"

#include "chrome/Palette.h"

#include <QFileInfo>
#include <QStyle>

#include <algorithm>
#include <limits>
#include <memory>
#include <optional>

namespace panes {

using optiontree::COptionTreeComboItem;
using optiontree::COptionTreeEditItem;
using optiontree::COptionTreeFileItem;
using optiontree::COptionTreeItem;

namespace {

constexpr quint32 TreeStyle
    = optiontree::TreeStyleShowInfo | optiontree::TreeStyleShadeMargin | optiontree::TreeStyleShadeRootItems;
constexpr int FontKindCount = 4;

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// True when the item's editor exists: the value and the read-only rules only apply to such items.
bool hasControl(const COptionTreeItem* item)
{
    if (!item) {
        return false;
    }
    const auto* windowItem = dynamic_cast<const optiontree::COptionTreeWindowItem*>(item);
    return !windowItem || windowItem->HasWindow();
}

int chosenIndex(COptionTreeItem* item)
{
    const auto* combo = dynamic_cast<COptionTreeComboItem*>(item);
    return combo ? combo->currentIndex() : -1;
}

// The number the edit holds, or nothing when it holds no number or one too large for an int.
std::optional<int> typedNumber(COptionTreeItem* item)
{
    const auto* edit = dynamic_cast<COptionTreeEditItem*>(item);
    int value = 0;
    if (!edit || !edit->GetEditInt(value) || value == std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return value;
}

std::string textValue(engine::OptionKind kind, COptionTreeItem* item)
{
    if (kind == engine::OptionKind::Path) {
        // The path the item shows: the stored one until the user picks another. (The dialog's own file name
        // stays empty until the dialog has been opened, which would lose the stored path.)
        const auto* file = dynamic_cast<COptionTreeFileItem*>(item);
        const QStringList paths = file ? file->GetPaths() : QStringList();
        return paths.isEmpty() ? std::string() : ToNative(paths.first());
    }
    const auto* edit = dynamic_cast<COptionTreeEditItem*>(item);
    return edit ? edit->text().toStdString() : std::string();
}

} // namespace

QString CRightView::infoText(const OptionItemSpec& spec) const
{
    QString info = QString::fromLatin1(spec.info);
    const engine::OptionDescription* option = spec.option();
    if (option && option->kind == engine::OptionKind::Number) {
        info += QStringLiteral(" Range: %1.").arg(QString::fromStdString(option->rangeText()));
    }
    if (&spec == &OptionItems()[OptionItemId::TrueTypeFace - 1] && !m_faceNames.isEmpty()) {
        info += QLatin1Char(' ') + m_faceNames;
    }
    return info;
}

CRightView::CRightView(engine::ConversionOptions* options, QWidget* parent)
    : QWidget(parent)
    , m_options(options)
    , m_tree(new optiontree::COptionTree(this))
    , m_asker(&MessageBoxAsker::instance())
    , m_faceNamesLoader(new FaceNamesLoader(this))
{
    Q_ASSERT(m_options);
    connect(m_faceNamesLoader, &FaceNamesLoader::loaded, this, &CRightView::showFaceNames);
    BuildOptionTree();
}

CRightView::~CRightView()
{
    // The tree is deleted after this object and reports its items' deletion; nobody is to hear it.
    m_tree->SetNotify(false, nullptr);
}

bool CRightView::BuildOptionTree()
{
    if (m_treeCreated) {
        m_tree->DeleteAllItems();
    } else if (!(m_treeCreated = m_tree->Create(rect(), this, TreeStyle, OptionTreeId))) {
        return false;
    }
    m_tree->SetNotify(true, this);
    for (const OptionItemSpec& spec : OptionItems()) {
        insertItem(spec);
    }
    showPageSize(pageSizeSelection());
    placeDataFileDialog();
    loadFaceNames();
    const auto* fontKind = dynamic_cast<COptionTreeComboItem*>(m_tree->FindItem(OptionItemId::PageFont));
    applyFontKind(hasControl(fontKind) ? fontKind->currentIndex() : -1, true);
    applyEncryptMethod();
    m_tree->UpdatedItems();
    m_tree->ExpandAllItems();
    return true;
}

void CRightView::insertItem(const OptionItemSpec& spec)
{
    COptionTreeItem* parent = spec.parent ? m_tree->FindItem(spec.parent) : nullptr;
    auto insert = [&](auto* item) {
        m_tree->InsertItem(item, parent);
        item->SetLabelText(QString::fromLatin1(spec.label));
        item->SetInfoText(infoText(spec));
        return item;
    };
    const engine::OptionDescription* option = spec.option();
    if (!option) {
        COptionTreeItem* row = insert(new COptionTreeItem);
        if (!spec.parent) {
            row->SetRootBackground(chrome::PaneBackground);
            row->SetLabelTextColor(Qt::black);
        }
        return;
    }
    switch (option->kind) {
    case engine::OptionKind::Choice: {
        COptionTreeComboItem* combo = insert(new COptionTreeComboItem);
        if (combo->CreateComboItem()) {
            for (const std::string_view choice : option->choices) {
                combo->addItem(toQString(choice));
            }
            const int index = m_options->*option->intMember();
            combo->setCurrentIndex(option->inRange(index) ? index : -1);
        }
        break;
    }
    case engine::OptionKind::Number: {
        COptionTreeEditItem* edit = insert(new COptionTreeEditItem);
        if (edit->CreateEditItem(optiontree::EditOptionNumeric)) {
            edit->SetEditInt(m_options->*option->intMember());
        }
        break;
    }
    case engine::OptionKind::Text: {
        COptionTreeEditItem* edit = insert(new COptionTreeEditItem);
        if (edit->CreateEditItem()) {
            edit->setText(QString::fromStdString(engine::SettingsTextAsUtf8(m_options->*option->textMember())));
        }
        break;
    }
    case engine::OptionKind::Path: {
        // The stored path is shown, so a chosen font file need not be picked again after a restart.
        COptionTreeFileItem* file = insert(new COptionTreeFileItem);
        file->CreateFileItem(FromNative(m_options->*option->textMember()),
                             spec.dialog == PathDialog::Save ? QStringLiteral("pdf") : QString(),
                             QString::fromLatin1(spec.filter), PathItemOptions(spec.dialog),
                             optiontree::DialogOverwritePrompt);
        if (spec.dialog == PathDialog::Folder) {
            file->SetFileDialog(std::make_unique<FolderChooserDialog>(m_folderMemory));
        }
        break;
    }
    }
}

void CRightView::OnItemChanged(COptionTreeItem* item)
{
    if (!item || item->GetOptionTree() != m_tree) {
        return;
    }
    const quint32 id = item->GetCtrlID();
    storeValue(id, item);
    if (id == OptionItemId::PageSize) {
        showPageSize(m_options->PageSize);
    } else if (id == OptionItemId::PageFont) {
        applyFontKind(m_options->PageFont, false);
    } else if (id == OptionItemId::SingleByteEncoding) {
        applyFontKind(m_options->PageFont, false);
    } else if (id == OptionItemId::Type1MetricsFile) {
        placeDataFileDialog();
    } else if (id == OptionItemId::TrueTypeFile) {
        loadFaceNames();
    } else if (id == OptionItemId::EncryptMethod) {
        applyEncryptMethod();
    }
    m_tree->UpdatedItems();
    emit optionCommitted();
}

engine::ConversionOptions CRightView::ReadBackOptions()
{
    const auto items = OptionItems();
    for (quint32 id = 1; id <= items.size(); ++id) {
        COptionTreeItem* item = m_tree->FindItem(id);
        if (!item) {
            break;
        }
        storeValue(id, item);
    }
    return *m_options;
}

bool CRightView::OnResetOptions()
{
    if (!isResetAvailable() || !m_asker->askYesNo(this, QStringLiteral("Reset all the convert options?"))
        || !isResetAvailable()) {
        return false;
    }
    engine::ResetOptions(*m_options);
    BuildOptionTree();
    return true;
}

void CRightView::setRunInProgress(bool running)
{
    if (running == m_runInProgress) {
        return;
    }
    m_runInProgress = running;
    emit resetAvailableChanged(isResetAvailable());
}

void CRightView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_treeCreated) {
        m_tree->setGeometry(rect());
        fitDivider();
    }
}

qintptr CRightView::notify(controls::NotifyHeader& record)
{
    if (record.sender == m_tree && record.code == optiontree::TreeNotifyItemChanged) {
        OnItemChanged(static_cast<optiontree::OptionTreeNotifyRecord&>(record).item);
    }
    if (record.sender == m_tree && record.code == optiontree::TreeNotifyDividerDrag) {
        m_dividerDragged = true;
    }
    return 0;
}

QSize CRightView::sizeHint() const
{
    const int label = m_tree ? m_tree->WidestLabelRight() + optiontree::OptionTreeGeometry::LabelTextInset
                             : optiontree::OptionTreeGeometry::DefaultColumn;
    return { 2 * label + style()->pixelMetric(QStyle::PM_ScrollBarExtent), QWidget::sizeHint().height() };
}

void CRightView::fitDivider()
{
    if (m_dividerDragged) {
        return;
    }
    using optiontree::OptionTreeGeometry;
    const int fit = m_tree->WidestLabelRight() + OptionTreeGeometry::LabelTextInset;
    m_tree->SetColumn(std::min(fit, std::max(OptionTreeGeometry::DefaultColumn, width() / 2)));
    m_tree->MoveItems();
}

void CRightView::storeValue(quint32 id, COptionTreeItem* item)
{
    const auto items = OptionItems();
    if (id == 0 || id > items.size()) {
        return;
    }
    const bool sizeItem = id == OptionItemId::PageWidth || id == OptionItemId::PageHeight;
    if (sizeItem && pageSizeSelection() != engine::CustomPageSizeIndex) {
        // The edits show a named size, or the record's own with no size chosen: the custom size stays.
        return;
    }
    const OptionItemSpec& spec = items[id - 1];
    const engine::OptionDescription* option = spec.option();
    if (!option) {
        return;
    }
    switch (option->kind) {
    case engine::OptionKind::Choice:
        // A combo without a choice shows a stored index outside its list, which stays as it is.
        if (const int index = chosenIndex(item); index >= 0) {
            m_options->*option->intMember() = index;
        }
        break;
    case engine::OptionKind::Number:
        storeNumber(spec, *option, item);
        break;
    case engine::OptionKind::Text:
    case engine::OptionKind::Path: {
        // A text the user left as shown keeps its stored bytes, whatever their encoding.
        std::string& stored = m_options->*option->textMember();
        std::string shown = textValue(option->kind, item);
        if (option->kind == engine::OptionKind::Path || shown != engine::SettingsTextAsUtf8(stored)) {
            stored = std::move(shown);
        }
        break;
    }
    }
}

void CRightView::storeNumber(const OptionItemSpec& spec, const engine::OptionDescription& option,
                             COptionTreeItem* item)
{
    int& stored = m_options->*option.intMember();
    auto* edit = dynamic_cast<COptionTreeEditItem*>(item);
    const auto typed = typedNumber(item);
    if (typed && option.inRange(*typed)) {
        stored = *typed;
        item->SetInfoText(infoText(spec));
        return;
    }
    // The edit keeps the last good value, and the info pane says why.
    const QString shown = edit ? edit->text().trimmed() : QString();
    if (edit) {
        edit->SetEditInt(stored);
    }
    item->SetInfoText(QStringLiteral("%1 is outside %2; %3 is kept. %4")
                          .arg(shown.isEmpty() ? QStringLiteral("An empty value") : shown,
                               QString::fromStdString(option.rangeText()), QString::number(stored),
                               infoText(spec)));
    m_tree->update(); // the info pane, a part of the tree, shows the new text
}

void CRightView::showPageSize(int selection)
{
    const bool named = selection >= 0 && selection < engine::CustomPageSizeIndex;
    const quint32 ids[2] = { OptionItemId::PageWidth, OptionItemId::PageHeight };
    int size[2] = { m_options->PageWidth, m_options->PageHeight };
    engine::LookupPageSize(selection, size[0], size[1]);
    for (int i = 0; i < 2; ++i) {
        if (COptionTreeEditItem* edit = sizeEdit(ids[i])) {
            if (named || selection == engine::CustomPageSizeIndex) {
                edit->SetEditInt(size[i]);
            }
            edit->ReadOnly(selection != engine::CustomPageSizeIndex);
        }
    }
}

void CRightView::applyFontKind(int kind, bool building)
{
    const bool known = kind >= 0 && kind < FontKindCount;
    if (!known && !building) {
        return;
    }
    for (const FontItemRule& rule : FontItemRules()) {
        COptionTreeItem* item = m_tree->FindItem(rule.id);
        if (hasControl(item)) {
            item->ReadOnly(known ? !rule.editable[kind] : rule.id != EditableWithUnknownFontKind);
        }
    }
    // With UTF-8 the PDF draws glyph numbers of the font file, so the file is always embedded.
    COptionTreeItem* embedding = m_tree->FindItem(OptionItemId::EmbeddingFont);
    const bool utf8 = engine::ChoiceAt(engine::SingleByteEncodingChoices, m_options->SingeEncode)
        == engine::Utf8EncodingName;
    if (utf8 && hasControl(embedding)) {
        embedding->ReadOnly(true);
    }
}

void CRightView::placeDataFileDialog()
{
    auto* dataItem = dynamic_cast<COptionTreeFileItem*>(m_tree->FindItem(OptionItemId::Type1DataFile));
    if (dataItem) {
        const QString metrics = FromNative(m_options->Type1MetricsFile);
        dataItem->SetInitialFolder(metrics.isEmpty() ? QString() : QFileInfo(metrics).path());
    }
}

void CRightView::loadFaceNames()
{
    showFaceNames(QString());
    if (!m_options->TrueTypeFile.empty()) {
        m_faceNamesLoader->load(m_options->TrueTypeFile);
    }
}

void CRightView::showFaceNames(const QString& faces)
{
    m_faceNames = faces;
    if (COptionTreeItem* face = m_tree->FindItem(OptionItemId::TrueTypeFace)) {
        face->SetInfoText(infoText(OptionItems()[OptionItemId::TrueTypeFace - 1]));
        m_tree->update(); // the info pane, a part of the tree, shows the new text
    }
}

void CRightView::applyEncryptMethod()
{
    COptionTreeItem* level = m_tree->FindItem(OptionItemId::EncryptLevel);
    if (hasControl(level)) {
        level->ReadOnly(chosenIndex(m_tree->FindItem(OptionItemId::EncryptMethod)) != engine::Rc4Encryption);
    }
}

int CRightView::pageSizeSelection() const
{
    const auto* combo = dynamic_cast<COptionTreeComboItem*>(m_tree->FindItem(OptionItemId::PageSize));
    return hasControl(combo) ? combo->currentIndex() : -1;
}

COptionTreeEditItem* CRightView::sizeEdit(quint32 id) const
{
    auto* edit = dynamic_cast<COptionTreeEditItem*>(m_tree->FindItem(id));
    return hasControl(edit) ? edit : nullptr;
}

} // namespace panes
