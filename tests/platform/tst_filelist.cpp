#include "platform/FileList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class FileListTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listsMatchingFilesWithoutRegardToCase_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("case does not order")
            << QStringList { u"b.lst"_qs, u"C.lst"_qs, u"a2.lst"_qs, u"A.lst"_qs }
            << QStringList { u"A.lst"_qs, u"a2.lst"_qs, u"b.lst"_qs, u"C.lst"_qs };
        QTest::newRow("names with dots and blanks")
            << QStringList { u"2018 Mei.lst"_qs, u"2018.Jan.lst"_qs, u"2018 april.lst"_qs }
            << QStringList { u"2018 april.lst"_qs, u"2018 Mei.lst"_qs, u"2018.Jan.lst"_qs };
        QTest::newRow("only the pattern") << QStringList { u"x.lst"_qs, u"x.lst.bak"_qs,
            u"y.lsts"_qs, u"Vastelasten.vls"_qs, u"Omschrijving.txt"_qs, u"lst"_qs }
                                          << QStringList { u"x.lst"_qs };
        // Only names that open again under the name plus ".lst" are lists.
        QTest::newRow("extension with other case")
            << QStringList { u"Oud.LST"_qs, u"nieuw.lst"_qs } << QStringList { u"nieuw.lst"_qs };
        QTest::newRow("hidden file") << QStringList { u".verborgen.lst"_qs, u"zicht.lst"_qs }
                                     << QStringList { u".verborgen.lst"_qs, u"zicht.lst"_qs };
        QTest::newRow("same name in two cases") << QStringList { u"maart.lst"_qs, u"Maart.lst"_qs }
                                                << QStringList { u"Maart.lst"_qs, u"maart.lst"_qs };
        QTest::newRow("accents sort with their letter") << QStringList {
            u"Zorg.lst"_qs, u"Emma.lst"_qs, u"\u00e9mile.lst"_qs, u"frits.lst"_qs
        } << QStringList { u"\u00e9mile.lst"_qs, u"Emma.lst"_qs, u"frits.lst"_qs, u"Zorg.lst"_qs };
        QTest::newRow("empty folder") << QStringList() << QStringList();
    }

    void listsMatchingFilesWithoutRegardToCase()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, listed);
        QTemporaryDir folder;
        for (const QString &name : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(listFiles(folder.path(), u"*.lst"_qs), listed);
    }

    void foldersAreNotFiles()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(u"map.lst"_qs));
        QCOMPARE(listFiles(folder.path(), u"*.lst"_qs), QStringList());
    }

    void missingFolderListsNothing()
    {
        QTemporaryDir folder;
        QCOMPARE(listFiles(folder.filePath(u"Data"_qs), u"*.lst"_qs), QStringList());
        QVERIFY(!QDir(folder.filePath(u"Data"_qs)).exists());
    }
};

QTEST_APPLESS_MAIN(FileListTest)
#include "tst_filelist.moc"
