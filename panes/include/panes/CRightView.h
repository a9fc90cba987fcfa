#pragma once

#include "controls/ControlNotify.h"
#include "engine/ConversionOptions.h"
#include "panes/OptionsSource.h"

#include <QWidget>

namespace optiontree {
class COptionTree;
class COptionTreeItem;
class COptionTreeEditItem;
} // namespace optiontree

namespace engine {
struct OptionDescription;
}

namespace panes {

class FolderMemory;
class FaceNamesLoader;
class MessageAsker;
struct OptionItemSpec;

// The options pane: one option tree over the whole widget that shows every conversion option of the record
// it was given, stores each value the user commits into that record at once, and keeps the font items
// editable only where the chosen kind of page font uses them. The record belongs to the caller and must
// outlive the pane; the pane reads and writes it on the interface thread only.
class CRightView : public QWidget, public controls::NotifyTarget, public OptionsSource
{
    Q_OBJECT

public:
    // Control identifier of the option tree.
    static constexpr int OptionTreeId = 101;

    // Builds the tree from *options at once.
    explicit CRightView(engine::ConversionOptions* options, QWidget* parent = nullptr);
    ~CRightView() override;

    // Builds the tree from the record, or rebuilds it: the items keep their identifiers. False when the tree
    // could not be created; the pane then stays empty.
    bool BuildOptionTree();
    // Stores the value the item committed into the record and applies what it decides for other items.
    void OnItemChanged(optiontree::COptionTreeItem* item);
    // Stores every item into the record and returns a copy of it: the options a run converts with. An
    // editor still open counts with what it holds.
    engine::ConversionOptions ReadBackOptions() override;
    // Asks "Reset all the convert options?"; on Yes sets the record to its defaults and rebuilds the tree.
    // Does nothing while a reset is unavailable. The settings file is not written. True when reset.
    bool OnResetOptions();

    // A reset deletes every item and is refused during a run: the main window greys its command from this.
    bool isResetAvailable() const { return !m_runInProgress; }
    // Told by whoever starts and ends runs.
    void setRunInProgress(bool running);

    optiontree::COptionTree* optionTree() const { return m_tree; }
    // Wide enough that the divider, which stays left of the middle, shows every label whole, and the values as
    // much room.
    QSize sizeHint() const override;
    // The asker that raises the reset question; it must outlive the pane.
    void setMessageAsker(MessageAsker& asker) { m_asker = &asker; }
    // Where the folder items' chooser keeps the recent folders; it must outlive the pane.
    void setFolderMemory(const FolderMemory& memory) { m_folderMemory = &memory; }

signals:
    void resetAvailableChanged(bool available);
    // An item committed a change into the record (the main window saves the settings soon after).
    void optionCommitted();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    qintptr notify(controls::NotifyHeader& record) override;

    void insertItem(const OptionItemSpec& spec);
    // Stores the value of the item with the identifier into its field; items without a field store nothing.
    void storeValue(quint32 id, optiontree::COptionTreeItem* item);
    // Stores the number the edit holds when it lies in the option's range; otherwise the edit shows the stored
    // value again and the item's info text says what was refused.
    void storeNumber(const OptionItemSpec& spec, const engine::OptionDescription& option,
                     optiontree::COptionTreeItem* item);
    // Shows the points of a named size, read-only, or the record's custom size, editable. With no size chosen
    // the edits keep the record's own size, read-only.
    void showPageSize(int selection);
    // Makes the font items read-only or editable for the kind of page font. A kind outside the list changes
    // nothing, except while building, when it leaves only "Single-byte Encoding" editable.
    void applyFontKind(int kind, bool building);
    // The data file's dialog opens in the folder of the chosen metrics file, where its data file usually lies.
    void placeDataFileDialog();
    // The item's info text: its description, the range of a number, and the faces of the TrueType font file.
    QString infoText(const OptionItemSpec& spec) const;
    // Reads the faces of the chosen TrueType font file in the background; showFaceNames shows them.
    void loadFaceNames();
    void showFaceNames(const QString& faces);
    // Makes "Encrypt Level" editable only while RC4 is chosen: AES keys have a length of their own.
    void applyEncryptMethod();
    // The entry chosen in "Page Size", or -1.
    int pageSizeSelection() const;
    optiontree::COptionTreeEditItem* sizeEdit(quint32 id) const;
    // Until the user drags the divider, it follows the pane's width: far enough right for the widest label,
    // but never past the middle unless the labels' usual column already is.
    void fitDivider();

    engine::ConversionOptions* const m_options;
    optiontree::COptionTree* m_tree;
    bool m_treeCreated = false;
    bool m_runInProgress = false;
    bool m_dividerDragged = false;
    MessageAsker* m_asker;
    const FolderMemory* m_folderMemory = nullptr;
    FaceNamesLoader* m_faceNamesLoader;
    QString m_faceNames; // of the chosen TrueType font file, once read
};

} // namespace panes
