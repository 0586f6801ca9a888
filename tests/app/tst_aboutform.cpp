#include "app/AboutForm.h"

#include "controls/VistaButton.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList Regels(const AboutForm &form)
{
    return form.findChild<QLabel *>(QStringLiteral("Label1"))->text().split(u'\n');
}

} // namespace

class TestAboutForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsTheVersionSizeAndDateOfTheProgramFile_data();
    void showsTheVersionSizeAndDateOfTheProgramFile();
    void withoutTheProgramFileShowsOnlyTheVersion();
    void closesByItsButtonOrEscape_data();
    void closesByItsButtonOrEscape();
};

void TestAboutForm::showsTheVersionSizeAndDateOfTheProgramFile_data()
{
    QTest::addColumn<qint64>("grootte");
    QTest::addColumn<QDateTime>("gewijzigd");
    QTest::addColumn<QString>("datum");

    QTest::newRow("afternoon") << qint64(315392) << QDateTime(QDate(2026, 12, 3), QTime(16, 38, 4))
                               << "Date : 3-12-2026 16:38:04";
    // No leading zeros in the day, the month and the hour; always two in minutes and seconds.
    QTest::newRow("morning") << qint64(0) << QDateTime(QDate(2025, 1, 9), QTime(7, 5, 9))
                             << "Date : 9-1-2025 7:05:09";
    QTest::newRow("large") << qint64(12345678) << QDateTime(QDate(2024, 10, 31), QTime(23, 59, 0))
                           << "Date : 31-10-2024 23:59:00";
}

void TestAboutForm::showsTheVersionSizeAndDateOfTheProgramFile()
{
    QFETCH(qint64, grootte);
    QFETCH(QDateTime, gewijzigd);
    QFETCH(QString, datum);

    QTemporaryDir map;
    QFile programma(map.filePath(QStringLiteral("geldlog")));
    QVERIFY(programma.open(QIODevice::WriteOnly));
    QVERIFY(programma.resize(grootte));
    QVERIFY(programma.setFileTime(gewijzigd, QFileDevice::FileModificationTime));
    programma.close();

    const AboutForm form(nullptr, programma.fileName());
    const QStringList regels = Regels(form);
    QCOMPARE(regels.mid(regels.size() - 2),
        (QStringList { QStringLiteral("Version : " GELDLOG_VERSION " / %1").arg(grootte), datum }));
}

void TestAboutForm::withoutTheProgramFileShowsOnlyTheVersion()
{
    QTemporaryDir map;
    const AboutForm form(nullptr, map.filePath(QStringLiteral("weg")));
    QCOMPARE(Regels(form).last(), QStringLiteral("Version : " GELDLOG_VERSION));
    // A folder is no program file either.
    const AboutForm metMap(nullptr, map.path());
    QCOMPARE(Regels(metMap).last(), QStringLiteral("Version : " GELDLOG_VERSION));
}

void TestAboutForm::closesByItsButtonOrEscape_data()
{
    QTest::addColumn<bool>("knop");
    QTest::newRow("Annuleren") << true;
    QTest::newRow("Escape") << false;
}

void TestAboutForm::closesByItsButtonOrEscape()
{
    QFETCH(bool, knop);
    AboutForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *cancel = form.findChild<VistaButton *>(QStringLiteral("CancelKnop"));
    // Escape reaches the dialog also when its button has the focus.
    cancel->setFocus();
    if (knop)
        QTest::mouseClick(cancel, Qt::LeftButton, {}, QPoint(10, 10));
    else
        QTest::keyClick(cancel, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));
}

QTEST_MAIN(TestAboutForm)
#include "tst_aboutform.moc"
