#include "listwindows/SaveForm.h"

#include "common/BijEnter.h"
#include "common/HoofdVenster.h"
#include "common/LijstNaam.h"
#include "common/Opmaak.h"
#include "common/Programma.h"
#include "common/Wacht.h"
#include "controls/MaakKnop.h"
#include "controls/VistaButton.h"
#include "lists/LijstBestand.h"
#include "lists/LijstNamen.h"
#include "platform/BusyCursor.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>

#include <cmath>

namespace {

// The bar fills to 300 x 20 pixels in 151 steps of two.
constexpr int BalkEinde = 300;
constexpr int BalkStap = 2;
constexpr int BalkHoogte = 20;
const QColor BalkGroen(0, 240, 0);

QString Procent(int waarde)
{
    return QString::number(waarde) + u'%';
}

} // namespace

SaveForm::SaveForm(HoofdVenster &hoofd, QWidget *parent)
    : QDialog(parent)
    , m_hoofd(hoofd)
    , Text1(new QLineEdit(this))
    , Bar(new QLabel(this))
    , Label1(new QLabel(this))
    , CancelKnop(MaakKnop(this, QStringLiteral("CancelKnop"), QStringLiteral("Annuleren"),
          twips::rect(2700, 600, 960, 360)))
    , SaveKnop(MaakKnop(this, QStringLiteral("SaveKnop"), QStringLiteral("Opslaan"),
          twips::rect(3720, 600, 840, 360)))
{
    RichtDialoogIn(*this, QStringLiteral("SaveForm"), QStringLiteral("Geldlog opslaan"), 4800, 1560,
        QColor(170, 240, 240));

    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips::rect(120, 150, 4470, 330));
    ZetInvoerKleuren(*Text1, QColor(40, 0, 0), QColor(220, 220, 220));
    Text1->setText(m_hoofd.programma().Waarden().LijstNaam);

    // Wide enough for the whole drawing even where the box itself is a little narrower.
    Bar->setObjectName(QStringLiteral("Bar"));
    Bar->setGeometry(twips::rect(120, 150, 4470, 330));
    Bar->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_balk = QImage(std::max(Bar->width(), BalkEinde), std::max(Bar->height(), BalkHoogte),
        QImage::Format_RGB32);
    // The bar has no colour of its own: behind the green it shows the system's button colour.
    m_balk.fill(Bar->palette().color(QPalette::Button));
    Bar->setPixmap(QPixmap::fromImage(m_balk));
    Bar->hide();

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(twips::point(150, 540));
    Label1->setText(Procent(0));
    Label1->adjustSize();

    connect(CancelKnop, &VistaButton::Click, this, &QDialog::reject);
    connect(SaveKnop, &VistaButton::Click, this, &SaveForm::SaveKnopClick);
    BijEnter(*Text1, [this] { SaveKnopClick(); });
}

void SaveForm::SaveKnopClick()
{
    // A second click while the animation runs would start it again over the first.
    if (m_bezig)
        return;

    Programma &programma = m_hoofd.programma();
    MessageBoxes &berichten = programma.Berichten();
    // A name that cannot be a file name is refused before anything on disk is touched.
    QString weigering;
    const std::optional<QString> gekozen = GetypteLijstNaam(Text1->text(), &weigering);
    if (!gekozen) {
        berichten.tell(this, weigering, QStringLiteral("Error"), MessageBoxes::Icon::Critical);
        Text1->setFocus();
        return;
    }
    // A name that differs from a saved list's only in capitals or blanks is that list: it is
    // saved in that file, under that name.
    const QString naam = BestaandeLijst(programma, *gekozen).value_or(*gekozen);

    // Another saved list of that name would be gone with all its entries: only on Ja. The
    // list's own file is brought up to date, also only on Ja when another program (an import, a
    // second window) wrote it meanwhile: what that program added would be gone.
    ProgrammaWaarden &waarden = programma.Waarden();
    if (naam != waarden.EigenLijst && QFileInfo(LijstPad(programma, naam)).isFile()
        && !berichten.ask(this, QStringLiteral("De lijst \"%1\" bestaat al. Vervangen?").arg(naam),
            QStringLiteral("Geldlog"), MessageBoxes::DefaultButton::No)) {
        Text1->setFocus();
        return;
    }
    if (naam == waarden.EigenLijst && EigenLijstBuitenGewijzigd(programma)
        && !berichten.ask(this,
            QStringLiteral("De lijst \"%1\" is intussen buiten dit venster gewijzigd. Toch "
                           "opslaan? De wijzigingen van buiten gaan dan verloren.")
                .arg(naam),
            QStringLiteral("Geldlog"), MessageBoxes::DefaultButton::No)) {
        Text1->setFocus();
        return;
    }

    BusyCursor zandloper;
    QString fout;
    if (!SaveLijst(programma, m_hoofd.items(), naam, &fout)) {
        zandloper.release();
        berichten.tell(this,
            QStringLiteral("Het geldlog '%1' is niet opgeslagen.\n%2").arg(naam, fout),
            QStringLiteral("Error"), MessageBoxes::Icon::Critical);
        Text1->setFocus();
        return;
    }
    // The list is on disk from here on, whether or not the animation is seen to its end.
    NoemLijst(m_hoofd, naam, naam);

    m_bezig = true;
    Text1->hide();
    Bar->show();
    // The dialog may be closed, and even deleted, while Wacht handles the events.
    const QPointer<SaveForm> zelf(this);
    const auto gesloten = [&zelf] { return !zelf || !zelf->isVisible(); };
    for (int h = 0; h <= BalkEinde; h += BalkStap) {
        TekenBalk(h);
        Label1->setText(Procent(static_cast<int>(std::nearbyint(h / 3.0))));
        Label1->adjustSize();
        Wacht(programma.Klok(), 0.02);
        if (gesloten())
            return;
    }
    zandloper.release();
    Label1->setText(Procent(100));
    Label1->adjustSize();
    Wacht(programma.Klok(), 1.0);
    if (gesloten())
        return;
    m_bezig = false;
    accept();
}

void SaveForm::TekenBalk(int breedte)
{
    QPainter schilder(&m_balk);
    schilder.fillRect(QRect(0, 0, breedte, BalkHoogte), BalkGroen);
    schilder.end();
    Bar->setPixmap(QPixmap::fromImage(m_balk));
}
