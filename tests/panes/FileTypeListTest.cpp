#include "folderchooser/FileTypeList.h"

#include <QTest>

using panes::FileType;

class FileTypeListTest : public QObject
{
    Q_OBJECT

private slots:
    void readsPairsUntilTheEmptyField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<FileType>>("expected");

        const FileType text{ "Text Files (*.txt)", { "*.txt" } };
        const FileType all{ "All Files (*.*)", { "*" } };
        QTest::newRow("the list Import Directory passes")
            << "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||" << QList<FileType>{ text, all };
        QTest::newRow("several patterns in one field")
            << "Sources|*.c; *.h||" << QList<FileType>{ { "Sources", { "*.c", "*.h" } } };
        QTest::newRow("missing end marker") << "Text Files (*.txt)|*.txt" << QList<FileType>{ text };
        // Anything after the end marker is not part of the list.
        QTest::newRow("text after the end marker") << "Text Files (*.txt)|*.txt||Other|*.o|" << QList<FileType>{ text };
        QTest::newRow("description without pattern") << "Text Files (*.txt)|*.txt|Lonely" << QList<FileType>{ text };
        QTest::newRow("no text") << QString() << QList<FileType>{};
    }

    void readsPairsUntilTheEmptyField()
    {
        QFETCH(QString, text);
        QFETCH(QList<FileType>, expected);
        QCOMPARE(panes::parseFileTypeList(text), expected);
    }
};

QTEST_APPLESS_MAIN(FileTypeListTest)
#include "FileTypeListTest.moc"
