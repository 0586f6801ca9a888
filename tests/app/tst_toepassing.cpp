// The program's application: the windows Qt makes for it show the desktop's font.
#include "MainFixture.h"
#include "app/Toepassing.h"
#include "platform/MessageBoxes.h"

#include <QFontDatabase>
#include <QHelpEvent>
#include <QTimer>

class TestToepassing : public QObject {
    Q_OBJECT

private:
    MainFixture f;

private Q_SLOTS:
    // The main window's controls are Arial by fonts of their own; what the application's Arial
    // spares is start-up time, which the start-up benchmark shows.
    void messageBoxesAndTooltipsFollowTheDesktop()
    {
        const QFont bureaublad = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        if (bureaublad.family() == QStringLiteral("Arial"))
            QSKIP("the desktop's font is Arial itself");
        f.start();
        QFont bericht;
        QTimer::singleShot(0, f.main.get(), [&bericht] {
            QWidget *box = QApplication::activeModalWidget();
            bericht = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->font();
            box->close();
        });
        QtMessageBoxes().tell(
            f.main.get(), QStringLiteral("Opgeslagen."), QStringLiteral("Geldlog"));

        QWidget *knop = f.find(QStringLiteral("BankKnop"));
        QHelpEvent vraag(QEvent::ToolTip, QPoint(5, 5), knop->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(knop, &vraag);
        QFont tip;
        for (const QWidget *venster : QApplication::topLevelWidgets())
            if (venster->inherits("QTipLabel") && venster->isVisible())
                tip = venster->font();

        for (const QFont &getoond : { bericht, tip }) {
            QCOMPARE(getoond.family(), bureaublad.family());
            QCOMPARE(getoond.pointSizeF(), bureaublad.pointSizeF());
        }
    }
};

int main(int argc, char *argv[])
{
    const std::unique_ptr<QApplication> toepassing = MaakToepassing(argc, argv);
    TestToepassing test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_toepassing.moc"
