#include "panes/CRightView.h"

#include "COptionTreeList.h"
#include "FilePathDisplay.h"
#include "LayoutRecord.h"
#include "RecordingAsker.h"
#include "RecordingObserver.h"
#include "TempDir.h"
#include "chrome/Palette.h"
#include "engine/ChoiceLists.h"
#include "engine/Converter.h"
#include "engine/PageSizes.h"
#include "engine/SettingsFile.h"
#include "optiontree/COptionTree.h"
#include "optiontree/COptionTreeComboItem.h"
#include "optiontree/COptionTreeEditItem.h"
#include "optiontree/COptionTreeFileItem.h"
#include "optiontree/OptionTreeConstants.h"
#include "panes/FolderMemory.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using engine::ConversionOptions;
using optiontree::COptionTreeComboItem;
using optiontree::COptionTreeEditItem;
using optiontree::COptionTreeFileItem;
using optiontree::COptionTreeItem;
using panes::CRightView;

namespace {

// A file dialog that picks the given file, as a user would.
class PickingDialog : public optiontree::COptionTreeFileDialog
{
public:
    explicit PickingDialog(QString path)
        : m_path(std::move(path))
    {
    }
    int DoModal() override
    {
        accept({ m_path });
        return Accepted;
    }

private:
    QString m_path;
};

// The font items whose editability follows "Page Font", and those editable for each kind.
const QList<quint32> fontItems { 11, 13, 14, 15, 16, 17, 19, 20, 50 };
const QList<quint32> editableFontItems[4] = { { 11, 19 }, { 13, 14, 19 }, { 15, 16, 19, 20, 50 }, { 17, 20 } };

} // namespace

class CRightViewTest : public QObject
{
    Q_OBJECT

private:
    ConversionOptions m_options;
    RecordingAsker m_asker;
    std::unique_ptr<CRightView> m_pane;

    // Shows a pane over m_options, tall enough for every row.
    void openPane()
    {
        m_pane = std::make_unique<CRightView>(&m_options);
        m_pane->setMessageAsker(m_asker);
        m_pane->resize(420, 1000);
        m_pane->show();
        QApplication::setActiveWindow(m_pane.get());
        QVERIFY(QTest::qWaitForWindowActive(m_pane.get()));
    }

    template <typename Item = COptionTreeItem> Item* item(quint32 id) const
    {
        return dynamic_cast<Item*>(m_pane->optionTree()->FindItem(id));
    }

    void click(quint32 id, bool onValue)
    {
        optiontree::COptionTree* tree = m_pane->optionTree();
        COptionTreeItem* row = item(id);
        tree->EnsureVisible(row);
        tree->GetFirstVisible(); // lays the rows out
        const int y = row->GetLocation().y() - tree->GetScrollOffset() + row->GetItemHeight() / 2;
        QTest::mouseClick(tree->GetListWindow(), Qt::LeftButton, {}, { onValue ? tree->GetColumn() + 40 : 40, y });
    }

    // Opens a combo, moves to the entry with the keys and commits by clicking another row.
    void choose(quint32 id, int index)
    {
        click(id, true);
        auto* combo = item<COptionTreeComboItem>(id);
        QVERIFY(combo->hasFocus());
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < index; ++i) {
            QTest::keyClick(combo, Qt::Key_Down);
        }
        click(1, false);
        QCOMPARE(combo->currentIndex(), index);
    }

    // Types into an edit over its whole text; Enter commits unless told not to.
    void type(quint32 id, const QString& text, bool commit = true)
    {
        click(id, true);
        QWidget* editor = item<COptionTreeEditItem>(id)->editor();
        QVERIFY(editor->hasFocus());
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        if (commit) {
            QTest::keyClick(editor, Qt::Key_Return);
        }
    }

    QString shown(quint32 id) const
    {
        if (auto* combo = item<COptionTreeComboItem>(id)) {
            return combo->currentText();
        }
        if (auto* file = item<COptionTreeFileItem>(id)) {
            return optiontree::FilePathDisplay::Text(file->GetPaths(), file->GetFileOptions());
        }
        return item<COptionTreeEditItem>(id)->text();
    }

    QList<quint32> editable(const QList<quint32>& ids) const
    {
        QList<quint32> result;
        for (quint32 id : ids) {
            if (!item(id)->IsReadOnly()) {
                result.append(id);
            }
        }
        return result;
    }

    void verifyItemsInOrder()
    {
        const QStringList labels { "Paper Options", "Page Size", "Page Width", "Page Height", "Page Margin",
            "Left Margin", "Right Margin", "Top Margin", "Bottom Margin", "Page Font", "Base14 Font", "Type1 Font",
            "Metrics File(.afm)", "Data File(.pfa/.pfb)", "TrueType Font", "Embedding Font", "CID Font",
            "Page Encoding", "Single-byte Encoding", "Multi-byte Encoding", "Font Size", "Document Display Options",
            "Open Mode", "Open Results", "PDF Property Options", "Author", "Creator", "Title", "Subject", "Keywords",
            "PDF Security Options", "Read Permission", "Print Permission", "Copy Permission", "Modify Permission",
            "Encrypt Level", "Tab Width", "Encrypt Method", "Input Encoding", "Page Layout Options", "Line Gap",
            "Orientation", "Columns", "Form Feed", "Line Numbers", "Header", "Footer", "Output Folder", "Combine Into",
            "TrueType Face" };
        for (int i = 0; i < labels.size(); ++i) {
            QCOMPARE(item(quint32(i + 1))->GetLabelText(), labels.at(i));
        }
        for (quint32 category : { 1, 22, 25, 31, 40 }) {
            QVERIFY(item(category)->IsRootLevel());
            QCOMPARE(item(category)->GetRootBackground(), chrome::PaneBackground);
        }
        QCOMPARE(item(11)->GetParent(), item(10));
        QCOMPARE(item(16)->GetParent(), item(15));
        QCOMPARE(item(37)->GetParent(), item(1));
        QCOMPARE(item(38)->GetParent(), item(31));
        QCOMPARE(item(39)->GetParent(), item(18));
        QCOMPARE(item(47)->GetParent(), item(40));
        QCOMPARE(item(50)->GetParent(), item(15));
        QVERIFY(item(12)->IsExpanded());
    }

private slots:
    void init()
    {
        m_options = ConversionOptions();
        m_asker = RecordingAsker();
    }

    void cleanup() { m_pane.reset(); }

    void buildsTheItemsInTheirOrderAgainAfterAReset()
    {
        m_options.SingeEncode = 28;
        openPane();
        verifyItemsInOrder();
        QCOMPARE(item<COptionTreeComboItem>(2)->count(), 38);
        QCOMPARE(item<COptionTreeComboItem>(2)->itemText(37), "Custom Page Size");
        QCOMPARE(shown(19), "UTF-8");
        QCOMPARE(item(35)->GetInfoText(), "User can edit the contents of the document .");
        QVERIFY(m_pane->OnResetOptions());
        verifyItemsInOrder();
    }

    void namedSizesShowTheirPointsAndACustomSizeKeepsThem()
    {
        openPane();
        choose(2, 8);
        QCOMPARE(shown(3), "420");
        QCOMPARE(shown(4), "595");
        QVERIFY(item(3)->IsReadOnly() && item(4)->IsReadOnly());

        // "Custom Page Size" shows the record's own size, and a custom size entered once comes back after a
        // named size was chosen in between.
        choose(2, 37);
        QCOMPARE(shown(3), "595");
        QCOMPARE(shown(4), "842");
        QVERIFY(!item(3)->IsReadOnly() && !item(4)->IsReadOnly());
        QCOMPARE(m_options.PageSize, 37);
        type(3, "500");
        QCOMPARE(m_options.PageWidth, 500);
        type(4, "700");
        QCOMPARE(m_options.PageHeight, 700);
        choose(2, 7);
        QCOMPARE(shown(3), "595");
        QCOMPARE(m_options.PageWidth, 500);
        choose(2, 37);
        QCOMPARE(shown(3), "500");
        QCOMPARE(shown(4), "700");

        // A restart shows the custom size the record holds.
        openPane();
        QCOMPARE(shown(3), "500");
        QCOMPARE(shown(4), "700");
        QVERIFY(!item(3)->IsReadOnly());
        QCOMPARE(m_pane->ReadBackOptions().PageWidth, 500);
        choose(2, 8);
        const ConversionOptions snapshot = m_pane->ReadBackOptions();
        QCOMPARE(snapshot.PageSize, 8);
        QCOMPARE(engine::GetPageBox(snapshot).width, 420);
        QCOMPARE(snapshot.PageWidth, 500);
    }

    void pageFontDecidesWhichFontItemsCanBeEdited()
    {
        openPane();
        QCOMPARE(editable(fontItems), editableFontItems[0]);
        for (int kind : { 1, 2, 3, 0 }) {
            choose(10, kind);
            QCOMPARE(m_options.PageFont, kind);
            QCOMPARE(editable(fontItems), editableFontItems[kind]);
        }
        // A TrueType font with UTF-8 is always embedded: "Embedding Font" cannot say otherwise.
        choose(10, 2);
        QVERIFY(!item(16)->IsReadOnly());
        choose(19, static_cast<int>(engine::SingleByteEncodingChoices.size()) - 1);
        QVERIFY(item(16)->IsReadOnly());
        choose(19, 2);
        QVERIFY(!item(16)->IsReadOnly());
    }

    void eachPermissionStoresOnlyItsOwnField()
    {
        openPane();
        int ConversionOptions::* const fields[] = { &ConversionOptions::PermitRead, &ConversionOptions::PermitPrint,
            &ConversionOptions::PermitCopy, &ConversionOptions::PermitModify };
        for (quint32 id = 32; id <= 35; ++id) {
            ConversionOptions expected = m_options;
            expected.*fields[id - 32] = 1;
            choose(id, 1);
            QVERIFY(m_options == expected);
            QCOMPARE(shown(id), "No");
        }
    }

    // The key length is RC4's alone; the item that chooses the method says why RC4 is a poor choice.
    void encryptLevelCanBeEditedOnlyWhileRc4IsChosen()
    {
        openPane();
        QCOMPARE(shown(38), "AES-256");
        QVERIFY(item(36)->IsReadOnly());
        QVERIFY(item(38)->GetInfoText().contains("weak"));
        choose(38, engine::Rc4Encryption);
        QCOMPARE(m_options.EncryptMethod, engine::Rc4Encryption);
        QVERIFY(!item(36)->IsReadOnly());
        type(36, "128");
        QCOMPARE(m_options.EncryptLevel, 128);
        choose(38, engine::Aes128Encryption);
        QVERIFY(item(36)->IsReadOnly());

        m_options.EncryptMethod = engine::Rc4Encryption;
        openPane();
        QVERIFY(!item(36)->IsReadOnly());
    }

    void aChosenFontFileIsShownAfterARestartAndKeptByTheReadBack()
    {
        m_options.PageFont = engine::TrueTypeFont;
        openPane();
        QCOMPARE(shown(15), "No selection made.");
        const QString font = QStringLiteral("/usr/share/fonts/Kurz Straße.ttf");
        item<COptionTreeFileItem>(15)->SetFileDialog(std::make_unique<PickingDialog>(font));
        click(15, true);
        QCOMPARE(QString::fromStdString(m_options.TrueTypeFile), font);

        testsupport::TempDir folder;
        const std::string settings = (folder.path() / "Settings.ini").string();
        QVERIFY(engine::SaveOptions(settings, m_pane->ReadBackOptions()));
        m_options = ConversionOptions();
        QVERIFY(engine::LoadOptions(settings, m_options));
        openPane();
        QCOMPARE(shown(15), font);
        QCOMPARE(QString::fromStdString(m_pane->ReadBackOptions().TrueTypeFile), font);

        QVERIFY(m_pane->OnResetOptions());
        QVERIFY(m_options.TrueTypeFile.empty());
        QCOMPARE(shown(15), "No selection made.");
    }

    // Output Folder's own chooser shows the recent folders among its places, and the folder selected joins them.
    void outputFolderChooserKeepsTheRecentFolders()
    {
        testsupport::TempDir dir;
        const QString root = QString::fromStdString(dir.path().string());
        QVERIFY(QDir(root).mkpath(QStringLiteral("out")));
        panes::FolderMemory memory((dir.path() / "Settings.ini").string());
        memory.addRecentFolder(root);
        openPane();
        m_pane->setFolderMemory(memory);
        QStringList places;
        QTimer::singleShot(0, [&] {
            QWidget* chooser = QApplication::activeModalWidget();
            QVERIFY(chooser != nullptr);
            auto* list = chooser->findChild<QListWidget*>(QStringLiteral("placesList"));
            for (int row = 0; row < list->count(); ++row) {
                places.append(list->item(row)->text());
            }
            auto* box = chooser->findChild<QLineEdit*>(QStringLiteral("folderBox"));
            box->selectAll();
            QTest::keyClicks(box, root + QStringLiteral("/out"));
            QTest::keyClick(box, Qt::Key_Return);
        });
        click(48, true);
        QCOMPARE(places, (QStringList { "Home", "Root", "Recent", QString::fromStdString(dir.path().filename()) }));
        QCOMPARE(m_options.OutputFolder, (root + QStringLiteral("/out/")).toStdString());
        QCOMPARE(memory.recentFolders(), (QStringList { root + QStringLiteral("/out"), root }));
    }

    // Output Folder asks for a folder, Combine Into for a PDF to write; each choice is committed.
    void outputFolderAndCombineIntoAreChosenAsAFolderAndAPdf()
    {
        openPane();
        constexpr quint32 OutputFolder = 48;
        constexpr quint32 CombineInto = 49;
        QVERIFY(item<COptionTreeFileItem>(OutputFolder)->GetFileOptions() & optiontree::FileOptionFolder);
        item<COptionTreeFileItem>(OutputFolder)->SetFileDialog(std::make_unique<PickingDialog>("/srv/pdfs/"));
        click(OutputFolder, true);
        QCOMPARE(m_options.OutputFolder, std::string("/srv/pdfs/"));

        auto* combine = item<COptionTreeFileItem>(CombineInto);
        QVERIFY(!(combine->GetFileOptions() & (optiontree::FileOptionFolder | optiontree::FileOptionOpenDialog)));
        auto picking = std::make_unique<PickingDialog>("/srv/all.pdf");
        const auto* dialog = picking.get();
        combine->SetFileDialog(std::move(picking));
        click(CombineInto, true);
        QCOMPARE(m_options.CombineInto, std::string("/srv/all.pdf"));
        QCOMPARE(dialog->GetRequest().kind, optiontree::COptionTreeFileDialog::Kind::Save);
        QVERIFY(dialog->GetRequest().filter.startsWith("PDF Files (*.pdf)"));
    }

    // "TrueType Face" names the faces of the font file chosen, read in the background, and keeps them in its info
    // text when a face is typed.
    void theTrueTypeFaceItemNamesTheFacesOfTheChosenFile()
    {
        const QString collection = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc";
        const QString single = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
        if (!QFileInfo::exists(collection) || !QFileInfo::exists(single)) {
            QSKIP("needs fonts-wqy-zenhei and fonts-dejavu-core");
        }
        constexpr quint32 TrueTypeFile = 15;
        constexpr quint32 TrueTypeFace = 50;
        m_options.PageFont = engine::TrueTypeFont;
        openPane();
        QVERIFY(item(TrueTypeFace)->GetInfoText().contains("Range: 0 to 255."));
        item<COptionTreeFileItem>(TrueTypeFile)->SetFileDialog(std::make_unique<PickingDialog>(collection));
        click(TrueTypeFile, true);
        QTRY_VERIFY(item(TrueTypeFace)->GetInfoText().contains(
            "Faces: 0 WenQuanYi Zen Hei, 1 WenQuanYi Zen Hei Mono, 2 WenQuanYi Zen Hei Sharp."));
        type(TrueTypeFace, "2");
        QCOMPARE(m_options.TrueTypeFace, 2);
        QVERIFY(item(TrueTypeFace)->GetInfoText().contains("2 WenQuanYi Zen Hei Sharp"));

        item<COptionTreeFileItem>(TrueTypeFile)->SetFileDialog(std::make_unique<PickingDialog>(single));
        click(TrueTypeFile, true);
        QTRY_VERIFY(item(TrueTypeFace)->GetInfoText().endsWith("Faces: 0 DejaVu Sans Mono."));
    }

    void resetAsksFirstAndIsRefusedDuringARun()
    {
        m_options.PageSize = 8;
        m_options.LeftMargin = 10;
        m_options.B14Font = 4;
        m_options.PermitCopy = 1;
        openPane();
        type(21, "14");
        const ConversionOptions edited = m_options;

        m_asker = RecordingAsker(false);
        QVERIFY(!m_pane->OnResetOptions());
        QCOMPARE(m_asker.asked(), QStringList { "Reset all the convert options?" });
        QVERIFY(m_options == edited);
        QCOMPARE(shown(21), "14");

        QSignalSpy availability(m_pane.get(), &CRightView::resetAvailableChanged);
        m_asker = RecordingAsker(true);
        m_pane->setRunInProgress(true);
        QVERIFY(!m_pane->isResetAvailable());
        QVERIFY(!m_pane->OnResetOptions());
        QVERIFY(m_asker.asked().isEmpty());
        QVERIFY(m_options == edited);
        m_pane->setRunInProgress(false);
        QCOMPARE(availability.count(), 2);
        QCOMPARE(availability.at(0).at(0).toBool(), false);

        QVERIFY(m_pane->OnResetOptions());
        QVERIFY(m_options == ConversionOptions());
        QCOMPARE(shown(2), "A4 [210 x 297 mm]");
        for (quint32 margin = 6; margin <= 9; ++margin) {
            QCOMPARE(shown(margin), "60");
        }
        QCOMPARE(shown(11), "Courier");
        QCOMPARE(shown(21), "9");
        for (quint32 permission = 32; permission <= 35; ++permission) {
            QCOMPARE(shown(permission), "Yes");
        }
    }

    void indexesOutsideTheirListsShowNothingAndStillConvert()
    {
        int ConversionOptions::* const indexes[] = { &ConversionOptions::PageSize, &ConversionOptions::PageFont,
            &ConversionOptions::B14Font, &ConversionOptions::EmbeddingFont, &ConversionOptions::CIDFont,
            &ConversionOptions::SingeEncode, &ConversionOptions::MultiEncode, &ConversionOptions::OpenMode,
            &ConversionOptions::OpenResult, &ConversionOptions::PermitRead, &ConversionOptions::PermitPrint,
            &ConversionOptions::PermitCopy, &ConversionOptions::PermitModify, &ConversionOptions::EncryptMethod };
        int value = 99;
        for (auto index : indexes) {
            m_options.*index = value;
            value = value == 99 ? -5 : 99;
        }
        m_options.PageWidth = 500;
        m_options.PageHeight = -700; // a hand-edited file: the digits-only edit could not read it back
        openPane();
        for (quint32 id : { 2, 10, 11, 16, 17, 19, 20, 23, 24, 32, 33, 34, 35, 38 }) {
            QCOMPARE(item<COptionTreeComboItem>(id)->currentIndex(), -1);
        }
        // No size is chosen: the record's own is shown, read-only, and kept.
        QCOMPARE(shown(3), "500");
        QCOMPARE(shown(4), "-700");
        QVERIFY(item(3)->IsReadOnly() && item(4)->IsReadOnly());
        QCOMPARE(editable(fontItems), QList<quint32> { 19 });
        QVERIFY(item(36)->IsReadOnly());

        const ConversionOptions snapshot = m_pane->ReadBackOptions();
        value = 99;
        for (auto index : indexes) {
            QCOMPARE(snapshot.*index, value); // kept as stored, not turned into -1
            value = value == 99 ? -5 : 99;
        }
        QCOMPARE(snapshot.PageWidth, 500);
        QCOMPARE(snapshot.PageHeight, -700);

        testsupport::TempDir folder;
        testsupport::RecordingObserver observer;
        const auto input = folder.write("notes.txt", "Some text.\n");
        const engine::FileResult result = engine::ConvertTextFile(snapshot, input.string(), "", "", observer);
        QVERIFY2(result.written() || !result.outcome.error().empty(), "a failed file says why");
    }

    void theReadBackIsASnapshotTheSettingsFileKeeps()
    {
        openPane();
        type(28, QStringLiteral("Ünïcødé 日本"));
        type(6, "72");
        choose(23, 2);
        type(37, "4");
        type(26, "Ann", false); // still being typed when the run starts
        const ConversionOptions snapshot = m_pane->ReadBackOptions();
        QCOMPARE(QString::fromStdString(snapshot.Title), QStringLiteral("Ünïcødé 日本"));
        QCOMPARE(snapshot.LeftMargin, 72);
        QCOMPARE(snapshot.OpenMode, 2);
        QCOMPARE(snapshot.TabWidth, 4);
        QCOMPARE(snapshot.Author, "Ann");
        QVERIFY(snapshot == m_options);

        // A change during the run reaches the record for the next run, not the run's copy.
        click(1, false);
        type(6, "30");
        QCOMPARE(m_options.LeftMargin, 30);
        QCOMPARE(snapshot.LeftMargin, 72);

        testsupport::TempDir folder;
        const std::string settings = (folder.path() / "Settings.ini").string();
        QVERIFY(engine::SaveOptions(settings, snapshot));
        ConversionOptions loaded;
        QVERIFY(engine::LoadOptions(settings, loaded));
        QVERIFY(loaded == snapshot);
    }

    // The page layout items hold the record's fields as the command line's flags set them (CliTest).
    void theLayoutItemsReadBackIntoTheRecord()
    {
        openPane();
        QVERIFY(item(45)->GetInfoText().contains("Range: 0 to 10000 lines."));
        QVERIFY(item(46)->GetInfoText().contains("{file} {path} {folder} {page} {pages}"));
        QCOMPARE(shown(44), "Yes");
        QCOMPARE(shown(41), "5");
        type(41, "2");
        choose(42, 1);
        type(43, "3");
        choose(44, 1);
        type(45, "5");
        type(46, "{file}||{page}/{pages}");
        type(47, "{title}", false);
        QVERIFY(m_pane->ReadBackOptions() == testsupport::LayoutRecord());
        QCOMPARE(shown(42), "Landscape");
        type(43, "9");
        QCOMPARE(m_options.Columns, 3);
    }

    // A number outside its option's range is refused where it is typed: the edit shows the last good value
    // and the info text says the range, whichever way the edit ends (Enter, leaving the item, a run's read-back).
    void aNumberOutsideItsRangeIsRefusedAtEntry()
    {
        m_options.EncryptMethod = engine::Rc4Encryption; // Encrypt Level can be edited
        openPane();
        QVERIFY(item(37)->GetInfoText().contains("0 to 32 columns"));
        type(37, "99", false);
        click(1, false);
        QCOMPARE(shown(37), "8");
        QCOMPARE(m_options.TabWidth, 8);
        QVERIFY2(item(37)->GetInfoText().startsWith("99 is outside 0 to 32 columns; 8 is kept."),
                 qPrintable(item(37)->GetInfoText()));

        choose(2, engine::CustomPageSizeIndex);
        type(4, "99999999999999");
        QCOMPARE(m_options.PageHeight, 842);
        type(36, "30", false);
        QCOMPARE(m_pane->ReadBackOptions().EncryptLevel, 48);
        QCOMPARE(shown(36), "48");

        type(37, "12");
        QCOMPARE(m_options.TabWidth, 12);
        QVERIFY(!item(37)->GetInfoText().contains("outside"));
    }

    // Labels are shown whole wherever the pane has the room; a divider the user placed stays where it is.
    void theDividerMakesRoomForTheLabelsUntilTheUserDragsIt()
    {
        openPane();
        optiontree::COptionTree* tree = m_pane->optionTree();
        m_pane->resize(800, 1000);
        const int widest = tree->WidestLabelRight();
        QVERIFY(widest > optiontree::OptionTreeGeometry::DefaultColumn);
        QCOMPARE(tree->GetColumn(), widest + optiontree::OptionTreeGeometry::LabelTextInset);
        m_pane->resize(290, 1000);
        QCOMPARE(tree->GetColumn(), optiontree::OptionTreeGeometry::DefaultColumn);

        const int y = item(6)->GetLocation().y() - tree->GetScrollOffset() + item(6)->GetItemHeight() / 2;
        QWidget* list = tree->GetListWindow();
        QTest::mousePress(list, Qt::LeftButton, {}, { tree->GetColumn(), y });
        QTest::mouseMove(list, { 200, y });
        QTest::mouseRelease(list, Qt::LeftButton, {}, { 200, y });
        QCOMPARE(tree->GetColumn(), 200);
        m_pane->resize(800, 1000);
        QCOMPARE(tree->GetColumn(), 200);
    }
};

QTEST_MAIN(CRightViewTest)
#include "CRightViewTest.moc"
