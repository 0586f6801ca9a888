#include "settings/EditForm.h"

#include "common/Achtergrondkleur.h"
#include "common/EenRegel.h"
#include "common/GeenEscape.h"
#include "common/HoofdVenster.h"
#include "common/Omschrijvingen.h"
#include "common/Opmaak.h"
#include "common/Programma.h"
#include "common/Wacht.h"
#include "controls/MaakKnop.h"
#include "controls/VistaButton.h"
#include "platform/BusyCursor.h"
#include "platform/MessageBoxes.h"
#include "platform/SortedList.h"
#include "platform/Twips.h"
#include "settings/OmschrijvingBestand.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>

#include <algorithm>

namespace {

const QColor VensterKleur(220, 220, 190);
const QColor LijstAchter(20, 20, 60);
const QColor LijstTekst(220, 240, 220);

// The strip of OK: one line of a pixel for x = 0 to 280, from dark green to yellow.
constexpr int StreepEinde = 280;
constexpr int StreepHoogte = 24;
constexpr double StreepPauze = 0.01;
constexpr double SlotPauze = 0.5;

QRgb StreepKleur(int x)
{
    return qRgb(std::min(x + 40, 255), std::min(x + 100, 255), 0);
}

// Lines of nothing but blanks are no descriptions to edit.
bool IsLeeg(const QString &regel)
{
    return std::ranges::all_of(regel, [](QChar c) { return c == u' '; });
}

QLabel *MaakKader(QWidget *ouder, const char *naam, const QRect &plaats, const QColor &kleur)
{
    auto *kader = new QLabel(ouder);
    kader->setObjectName(QLatin1StringView(naam));
    kader->setGeometry(plaats);
    kader->setFrameStyle(QFrame::Box | QFrame::Plain);
    ZetAchtergrond(*kader, kleur);
    return kader;
}

} // namespace

EditForm::EditForm(HoofdVenster &hoofd, QWidget *parent)
    : QDialog(parent)
    , m_hoofd(hoofd)
{
    RichtDialoogIn(*this, QStringLiteral("EditForm"), QStringLiteral("Instellingen"), 9000, 4800,
        VensterKleur);
    // Only Annuleren and the window's close button forget the descriptions added here.
    GeenEscape(*this);
    BouwLijst();
    BouwKleur();
    LeesOmschrijvingen();
}

void EditForm::BouwLijst()
{
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(twips::rect(150, 180, 4200, 2700));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setUniformItemSizes(true);
    ZetInvoerKleuren(*List1, LijstAchter, LijstTekst);
    connect(List1, &QListWidget::itemSelectionChanged, this, &EditForm::List1Click);

    Label2 = MaakLabel(this, "Label2", QString(), twips::point(165, 2940), DialoogLettertype());

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips::rect(150, 3315, 4200, 360));
    ZetInvoerKleuren(*Text1, LijstAchter, LijstTekst);

    Bar = new QLabel(this);
    Bar->setObjectName(QStringLiteral("Bar"));
    Bar->setGeometry(twips::rect(150, 3315, 4200, 360));
    Bar->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ZetAchtergrond(*Bar, LijstAchter);
    m_streep = QImage(Bar->size(), QImage::Format_RGB32);
    Bar->hide();

    DeleteKnop = MaakKnop(this, QStringLiteral("DeleteKnop"), QStringLiteral("Verwijder"),
        twips::rect(150, 3780, 990, 360));
    Label5 = MaakLabel(this, "Label5", QStringLiteral("Omschrijving"), twips::point(1230, 3855),
        DialoogLettertype());
    AddKnop = MaakKnop(this, QStringLiteral("AddKnop"), QStringLiteral("Toevoegen"),
        twips::rect(3330, 3780, 1005, 360));
    CancelKnop = MaakKnop(this, QStringLiteral("CancelKnop"), QStringLiteral("Annuleren"),
        twips::rect(6660, 3780, 990, 360));
    OkKnop = MaakKnop(this, QStringLiteral("OkKnop"), QStringLiteral("Opslaan"),
        QStringLiteral(" Wijziging opslaan en afsluiten "), twips::rect(7710, 3780, 990, 360));
    Label1 = MaakLabel(this, "Label1", QStringLiteral("Wijzigingen"), twips::point(7800, 3480),
        DialoogLettertype());

    connect(AddKnop, &VistaButton::Click, this, &EditForm::AddKnopClick);
    connect(DeleteKnop, &VistaButton::Click, this, &EditForm::DeleteKnopClick);
    connect(OkKnop, &VistaButton::Click, this, &EditForm::OkKnopClick);
    connect(CancelKnop, &VistaButton::Click, this, &QDialog::reject);
    // Annuleren or the window closed, also during the strip: the preview ends and the main
    // window shows the stored colour again.
    connect(this, &QDialog::rejected, this, [this] {
        const ProgrammaWaarden &waarden = m_hoofd.programma().Waarden();
        ZetAchtergrondkleur(m_hoofd, waarden.KleurRood, waarden.KleurGroen, waarden.KleurBlauw);
    });
}

void EditForm::BouwKleur()
{
    // The black backdrop lies under the bars and frames them.
    Label3 = MaakKader(this, "Label3", twips::rect(4590, 180, 1800, 1050), Qt::black);
    for (int index = 0; index < 3; ++index) {
        auto *balk = new QScrollBar(Qt::Horizontal, this);
        balk->setObjectName(ArrayNaam("HScroll1", index));
        balk->setGeometry(twips::rect(4620, 210 + 330 * index, 1740, 330));
        balk->setRange(0, 255);
        balk->setSingleStep(1);
        balk->setPageStep(1);
        // Dragging the thumb changes the value as it goes: the preview follows the pointer.
        connect(balk, &QScrollBar::valueChanged, this, &EditForm::HScroll1Change);
        HScroll1[index] = balk;
    }
    Label6 = MaakKader(this, "Label6", twips::rect(6450, 180, 450, 1050), VensterKleur);
    Label4 = MaakLabel(this, "Label4", QStringLiteral("Achtergrondkleur wijzigen"),
        twips::point(4620, 1260), DialoogLettertype());
    ResetKnop = MaakKnop(this, QStringLiteral("ResetKnop"), QStringLiteral("Reset"),
        QStringLiteral(" Reset Achtergrondkleur "), twips::rect(7050, 180, 900, 360));
    connect(ResetKnop, &VistaButton::Click, this, &EditForm::ResetKnopClick);

    // The bars start at the stored colour, which also ends a preview left by a cancelled visit.
    const ProgrammaWaarden &waarden = m_hoofd.programma().Waarden();
    ZetBalken(waarden.KleurRood, waarden.KleurGroen, waarden.KleurBlauw);
}

void EditForm::LeesOmschrijvingen()
{
    QStringList omschrijvingen = LeesOmschrijvingBestand(m_hoofd.programma());
    omschrijvingen.removeIf(IsLeeg);
    sortAlphabetically(omschrijvingen);
    List1->clear();
    List1->addItems(omschrijvingen);
    ToonAantal();
    DeleteKnop->setEnabled(false);
}

void EditForm::ToonAantal()
{
    Label2->setText(QString::number(List1->count()) + QStringLiteral(" Omschrijvingen"));
    Label2->adjustSize();
}

void EditForm::AddKnopClick()
{
    // The list is being written while the strip runs: it stays as it was when OK was clicked.
    if (m_bezig || Text1->text().isEmpty())
        return;
    const QString omschrijving = EenRegel(Text1->text());
    // A new item goes after the ones equal to it, as in a sorted list box.
    const AlphabeticalOrder volgorde;
    int onder = 0;
    int boven = List1->count();
    while (onder < boven) {
        const int midden = onder + (boven - onder) / 2;
        if (volgorde(omschrijving, List1->item(midden)->text()))
            boven = midden;
        else
            onder = midden + 1;
    }
    List1->insertItem(onder, omschrijving);
    ToonAantal();
    Text1->clear();
    Text1->setFocus();
}

void EditForm::List1Click()
{
    if (!List1->selectedItems().isEmpty())
        DeleteKnop->setEnabled(true);
}

void EditForm::DeleteKnopClick()
{
    if (m_bezig)
        return;
    MessageBoxes &berichten = m_hoofd.programma().Berichten();
    const QList<QListWidgetItem *> gekozen = List1->selectedItems();
    const QString omschrijving = gekozen.isEmpty() ? QString() : gekozen.first()->text();
    if (!berichten.ask(this,
            QStringLiteral("Wil je de omschrijving (") + omschrijving
                + QStringLiteral(") verwijderen?"),
            QStringLiteral("Delete"), MessageBoxes::DefaultButton::No))
        return;
    if (gekozen.isEmpty()) {
        berichten.tell(
            this, QStringLiteral("Eerst een omschrijving selecteren!"), QStringLiteral("Geldlog"));
        return;
    }
    delete gekozen.first();
    List1->clearSelection();
    List1->setCurrentItem(nullptr);
    ToonAantal();
}

void EditForm::OkKnopClick()
{
    if (m_bezig)
        return;
    m_bezig = true;
    Programma &programma = m_hoofd.programma();
    BusyCursor zandloper;

    m_streep.fill(LijstAchter);
    Text1->hide();
    Bar->show();
    // Closing the window during a pause counts as Cancel; it may even be deleted meanwhile.
    const QPointer<EditForm> zelf(this);
    const auto gesloten = [&zelf] { return !zelf || !zelf->isVisible(); };
    for (int x = 0; x <= StreepEinde; ++x) {
        TekenStreep(x);
        Wacht(programma.Klok(), StreepPauze);
        if (gesloten()) {
            if (zelf)
                StopStreep();
            return;
        }
    }

    QStringList omschrijvingen;
    omschrijvingen.reserve(List1->count());
    for (int rij = 0; rij < List1->count(); ++rij)
        omschrijvingen.append(List1->item(rij)->text());
    if (QString fout; !SchrijfOmschrijvingen(programma, omschrijvingen, &fout)) {
        zandloper.release();
        StopStreep();
        programma.Berichten().tell(this,
            QStringLiteral("De omschrijvingen zijn niet opgeslagen.\n") + fout,
            QStringLiteral("Error"), MessageBoxes::Icon::Critical);
        return;
    }

    // The descriptions are stored: from here on the main window follows the file and the
    // chosen colour is kept, also when the window is closed during the last pause.
    HoofdVenster &hoofd = m_hoofd;
    const int rood = HScroll1[0]->value();
    const int groen = HScroll1[1]->value();
    const int blauw = HScroll1[2]->value();
    Wacht(programma.Klok(), SlotPauze);
    hoofd.HerlaadOmschrijvingen();
    ProgrammaWaarden &waarden = programma.Waarden();
    waarden.KleurRood = rood;
    waarden.KleurGroen = groen;
    waarden.KleurBlauw = blauw;
    ZetAchtergrondkleur(hoofd, rood, groen, blauw);
    zandloper.release();
    if (gesloten())
        return;
    m_bezig = false;
    accept();
}

void EditForm::StopStreep()
{
    Bar->hide();
    Text1->show();
    m_bezig = false;
}

void EditForm::TekenStreep(int x)
{
    // The last line falls just outside the strip's 280 pixels, as it was designed.
    if (x < m_streep.width()) {
        for (int y = 0; y < std::min(StreepHoogte, m_streep.height()); ++y)
            m_streep.setPixel(x, y, StreepKleur(x));
    }
    Bar->setPixmap(QPixmap::fromImage(m_streep));
}

void EditForm::HScroll1Change()
{
    // A preview only: the stored colour changes on OK or Reset.
    const int rood = HScroll1[0]->value();
    const int groen = HScroll1[1]->value();
    const int blauw = HScroll1[2]->value();
    ZetAchtergrond(*Label6, QColor(rood, groen, blauw));
    ZetAchtergrondkleur(m_hoofd, rood, groen, blauw);
}

void EditForm::ResetKnopClick()
{
    // The default is stored at once, without OK.
    const ProgrammaWaarden standaard;
    ProgrammaWaarden &waarden = m_hoofd.programma().Waarden();
    waarden.KleurRood = standaard.KleurRood;
    waarden.KleurGroen = standaard.KleurGroen;
    waarden.KleurBlauw = standaard.KleurBlauw;
    ZetBalken(waarden.KleurRood, waarden.KleurGroen, waarden.KleurBlauw);
}

void EditForm::ZetBalken(int rood, int groen, int blauw)
{
    // The colours in between are skipped; the end colour is shown once.
    const int waarden[] = { rood, groen, blauw };
    for (int index = 0; index < 3; ++index) {
        const QSignalBlocker stil(HScroll1[index]);
        HScroll1[index]->setValue(waarden[index]);
    }
    HScroll1Change();
}
