// A window with an option tree that holds four categories and every item kind.

#include "optiontree/COptionTree.h"
#include "optiontree/COptionTreeComboItem.h"
#include "optiontree/COptionTreeEditItem.h"
#include "optiontree/COptionTreeFileItem.h"
#include "optiontree/OptionTreeConstants.h"
#include "optiontree/OptionTreeNotifyRecord.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

using namespace optiontree;

namespace {

// Shows the last notification of the tree below it.
class DemoWindow : public QWidget, public controls::NotifyTarget
{
public:
    DemoWindow()
    {
        setWindowTitle(QStringLiteral("Option tree"));
        resize(420, 560);
        auto* layout = new QVBoxLayout(this);
        m_tree = new COptionTree;
        m_tree->Create(QRect(0, 0, 420, 520), this,
            TreeStyleShowInfo | TreeStyleShadeMargin | TreeStyleShadeRootItems | TreeStyleDefaultInfoText, 101);
        m_tree->SetNotify(true, this);
        layout->addWidget(m_tree, 1);
        layout->addWidget(&m_status);
        populate();
    }

    qintptr notify(controls::NotifyHeader& header) override
    {
        const auto& record = static_cast<OptionTreeNotifyRecord&>(header);
        m_status.setText(QStringLiteral("Notification %1 for \"%2\"")
                             .arg(record.code)
                             .arg(record.item ? record.item->GetLabelText() : QStringLiteral("no item")));
        return 0;
    }

private:
    COptionTreeItem* category(const QString& label, const QString& info)
    {
        auto* item = m_tree->InsertItem(new COptionTreeItem);
        item->SetLabelText(label);
        item->SetInfoText(info);
        item->SetRootBackground(QColor(227, 246, 253));
        item->SetLabelTextColor(Qt::black);
        return item;
    }

    template <typename Item> Item* insert(COptionTreeItem* parent, const QString& label, const QString& info)
    {
        auto* item = static_cast<Item*>(m_tree->InsertItem(new Item, parent));
        item->SetLabelText(label);
        item->SetInfoText(info);
        return item;
    }

    COptionTreeComboItem* combo(COptionTreeItem* parent, const QString& label, const QStringList& entries)
    {
        auto* item = insert<COptionTreeComboItem>(parent, label, label + QStringLiteral(" choice."));
        if (item->CreateComboItem()) {
            item->addItems(entries);
        }
        return item;
    }

    COptionTreeEditItem* edit(COptionTreeItem* parent, const QString& label, quint32 options, const QString& text)
    {
        auto* item = insert<COptionTreeEditItem>(parent, label, label + QStringLiteral(" value."));
        if (item->CreateEditItem(options)) {
            item->setText(text);
        }
        return item;
    }

    void populate()
    {
        const QStringList yesNo { QStringLiteral("Yes"), QStringLiteral("No") };

        COptionTreeItem* paper = category(QStringLiteral("Paper Options"), QStringLiteral("Paper options."));
        auto* size = combo(paper, QStringLiteral("Page Size"),
            { QStringLiteral("A4 [210 x 297 mm]"), QStringLiteral("A5 [148 x 210 mm]"),
                QStringLiteral("Letter [8.5 x 11 in]"), QStringLiteral("Legal [8.5 x 14 in]"),
                QStringLiteral("Custom Page Size") });
        size->setCurrentIndex(0);
        edit(size, QStringLiteral("Page Width"), EditOptionNumeric, QStringLiteral("595"))->ReadOnly(true);
        edit(size, QStringLiteral("Page Height"), EditOptionNumeric, QStringLiteral("842"))->ReadOnly(true);
        COptionTreeItem* margin
            = insert<COptionTreeItem>(paper, QStringLiteral("Page Margin"), QStringLiteral("Page margin."));
        edit(margin, QStringLiteral("Left Margin"), EditOptionNumeric, QStringLiteral("60"));
        edit(margin, QStringLiteral("Right Margin"), EditOptionNumeric, QStringLiteral("60"));
        auto* font = combo(paper, QStringLiteral("Page Font"),
            { QStringLiteral("Base14 Font"), QStringLiteral("Type1 Font"), QStringLiteral("TrueType Font") });
        font->setCurrentIndex(0);
        font->SetInfoText(QStringLiteral("Base14 Fonts only display Latin1 character set. To use other character set, "
                                         "you must use other type of font."));
        auto* metrics = insert<COptionTreeFileItem>(paper, QStringLiteral("Metrics File(.afm)"),
            QStringLiteral("Type1 Font metrics file(.afm). Click to import."));
        metrics->CreateFileItem(QString(), QString(), QStringLiteral("AFM Files (*.afm)|*.afm|All Files (*.*)|*.*|"),
            FileOptionShowFullPath | FileOptionOpenDialog, DialogAllowMultiSelect);

        COptionTreeItem* display
            = category(QStringLiteral("Document Display Options"), QStringLiteral("PDF document display options."));
        combo(display, QStringLiteral("Open Mode"),
            { QStringLiteral("Use None"), QStringLiteral("Use Outlines"), QStringLiteral("Use Thumbs"),
                QStringLiteral("Full Screen") })
            ->setCurrentIndex(0);
        combo(display, QStringLiteral("Open Results"), yesNo)->setCurrentIndex(0);
        auto* folder = insert<COptionTreeFileItem>(
            display, QStringLiteral("Output Folder"), QStringLiteral("A folder chosen with the folder browser."));
        folder->CreateFileItem(QDir::homePath(), QString(), QString(), FileOptionShowFullPath | FileOptionFolder, 0);

        COptionTreeItem* property
            = category(QStringLiteral("PDF Property Options"), QStringLiteral("PDF property options."));
        edit(property, QStringLiteral("Author"), 0, QStringLiteral("Marlowen"));
        edit(property, QStringLiteral("A label far too long to fit in the label column"), 0, QString());
        edit(property, QStringLiteral("Keywords"), EditOptionMultiLine, QStringLiteral("text\npdf"));

        COptionTreeItem* security
            = category(QStringLiteral("PDF Security Options"), QStringLiteral("PDF security options."));
        combo(security, QStringLiteral("Print Permission"), yesNo)->setCurrentIndex(0);
        edit(security, QStringLiteral("Owner Password"), EditOptionPassword, QStringLiteral("secret"));
        edit(security, QStringLiteral("Encrypt Level"), EditOptionNumeric, QStringLiteral("40"));

        m_tree->UpdatedItems();
        m_tree->ExpandAllItems();
    }

    COptionTree* m_tree = nullptr;
    QLabel m_status;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    DemoWindow window;
    window.show();
    // "--screenshot file.png" saves the window and quits, for documentation.
    const QStringList args = QApplication::arguments();
    const qsizetype shot = args.indexOf(QStringLiteral("--screenshot"));
    if (shot > 0 && shot + 1 < args.size()) {
        return window.grab().save(args.at(shot + 1)) ? 0 : 1;
    }
    return QApplication::exec();
}
