#include "listwindows/OpenForm.h"

#include "common/BijEnter.h"
#include "common/HoofdVenster.h"
#include "common/Opmaak.h"
#include "common/Programma.h"
#include "controls/MaakKnop.h"
#include "controls/VistaButton.h"
#include "lists/LijstBestand.h"
#include "listwindows/LijstOpenen.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

namespace {

// The large euro sign; two of them, one offset, make it stand out with a shadow.
QLabel *Euroteken(QWidget *ouder, const QString &naam, int links, int boven, const QColor &kleur)
{
    auto *label = new QLabel(QStringLiteral("€"), ouder);
    label->setObjectName(naam);
    label->setFont(twips::font(QStringLiteral("Arial"), 130, true, true));
    ZetKleur(*label, QPalette::WindowText, kleur);
    label->move(twips::point(links, boven));
    label->adjustSize();
    // Only a picture: the pointer goes through it to whatever lies below, such as the buttons
    // its lower edge reaches.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// The three buttons share a row and a size.
VistaButton *Knop(QWidget *ouder, const QString &naam, const QString &opschrift, int links)
{
    return MaakKnop(ouder, naam, opschrift, twips::rect(links, 3550, 990, 360));
}

} // namespace

OpenForm::OpenForm(HoofdVenster &hoofd, QWidget *parent)
    : QDialog(parent)
    , m_hoofd(hoofd)
    , List1(new QListWidget(this))
    , Label2(new QLabel(this))
    , Label1(Euroteken(this, QStringLiteral("Label1"), 3300, 600, QColor(100, 100, 100)))
    , Label3(Euroteken(this, QStringLiteral("Label3"), 3360, 660, QColor(220, 240, 200)))
    , DelKnop(Knop(this, QStringLiteral("DelKnop"), QStringLiteral("Delete"), 180))
    , CancelKnop(Knop(this, QStringLiteral("CancelKnop"), QStringLiteral("Annuleren"), 3660))
    , OkKnop(Knop(this, QStringLiteral("OkKnop"), QStringLiteral("Ok"), 4710))
{
    RichtDialoogIn(*this, QStringLiteral("OpenForm"), QStringLiteral("Geldlog Openen"), 6000, 4500,
        QColor(210, 230, 190));

    // The folder is listed directly; the file list box of old needs no widget of its own.
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twips::rect(180, 180, 2400, 3210));
    ZetInvoerKleuren(*List1, QColor(200, 220, 220), QColor(60, 60, 60));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->addItems(OpgeslagenLijsten(m_hoofd.programma()));

    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twips::rect(2700, 240, 2970, 2100));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setText(QStringLiteral(
        "Maak d.m.v. de linker lijst een keuze uit het geldlog dat je wilt openen."));
    // Made after Label1, the light sign lies over the grey one, which shows as its shadow; the
    // buttons, made later still, lie over both.

    DelKnop->setEnabled(false);
    // A click on a name and a move of the selection by keyboard both make Delete possible.
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!List1->selectedItems().isEmpty())
            DelKnop->setEnabled(true);
    });
    connect(List1, &QListWidget::itemDoubleClicked, this, &OpenForm::OkKnopClick);
    BijEnter(*List1, [this] { OkKnopClick(); });
    List1->installEventFilter(this);
    connect(DelKnop, &VistaButton::Click, this, &OpenForm::DelKnopClick);
    connect(CancelKnop, &VistaButton::Click, this, &QDialog::reject);
    connect(OkKnop, &VistaButton::Click, this, &OpenForm::OkKnopClick);
}

bool OpenForm::eventFilter(QObject *watched, QEvent *event)
{
    // The list has a current name before any is chosen, so the first arrow key would move on
    // from it (or, with one name, do nothing). With no name chosen, that key chooses the first.
    if (watched == List1 && event->type() == QEvent::KeyPress && List1->count() > 0
        && List1->selectedItems().isEmpty()) {
        const int toets = static_cast<QKeyEvent *>(event)->key();
        if (toets == Qt::Key_Down || toets == Qt::Key_Up) {
            List1->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString OpenForm::GekozenNaam() const
{
    const QList<QListWidgetItem *> gekozen = List1->selectedItems();
    return gekozen.isEmpty() ? QString() : gekozen.first()->text();
}

void OpenForm::OkKnopClick()
{
    // Without a chosen name there is nothing to open; the main window stays as it is.
    const QString naam = GekozenNaam();
    if (!naam.isEmpty() && OpenLijst(m_hoofd, this, naam))
        accept();
}

void OpenForm::DelKnopClick()
{
    const QString naam = GekozenNaam();
    if (naam.isEmpty())
        return;

    MessageBoxes &berichten = m_hoofd.programma().Berichten();
    if (!berichten.ask(this,
            QStringLiteral("Wilt je het geldlog '") + naam + QStringLiteral("' verwijderen?"),
            QStringLiteral("Delete"), MessageBoxes::DefaultButton::No))
        return;

    // A file that is already gone counts as deleted; one that stays is reported and keeps
    // its name in the list.
    QFile bestand(LijstPad(m_hoofd.programma(), naam));
    if (!bestand.remove() && bestand.exists()) {
        berichten.tell(this,
            QStringLiteral("Het geldlog '%1' kon niet worden verwijderd. Misschien is "
                           "het bestand in gebruik of mag de map Data niet worden "
                           "gewijzigd.")
                .arg(naam),
            QStringLiteral("Error"), MessageBoxes::Icon::Critical);
        return;
    }
    delete List1->selectedItems().first();
    List1->clearSelection();
    List1->setCurrentItem(nullptr);
}
