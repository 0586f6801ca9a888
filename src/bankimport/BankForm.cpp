#include "bankimport/BankForm.h"

#include "bank/BankBestand.h"
#include "bank/Bankafschrift.h"
#include "bankimport/BankRijen.h"
#include "bankimport/MaandLijst.h"
#include "bankimport/WoordKeuze.h"
#include "common/Bedrag.h"
#include "common/CelTips.h"
#include "common/HoofdVenster.h"
#include "common/LijstAanvullen.h"
#include "common/LijstNaam.h"
#include "common/MaandNamen.h"
#include "common/Omschrijvingen.h"
#include "common/Opmaak.h"
#include "common/Programma.h"
#include "controls/MaakKnop.h"
#include "controls/VistaButton.h"
#include "lists/LijstBestand.h"
#include "lists/LijstNamen.h"
#include "lists/VasteLastenBestand.h"
#include "listwindows/LijstOpenen.h"
#include "matching/GeleerdBestand.h"
#include "matching/InDataMap.h"
#include "matching/Voorsteller.h"
#include "platform/BusyCursor.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QTreeView>

#include <algorithm>
#include <initializer_list>
#include <numeric>
#include <optional>

namespace {

const QColor Achtergrond(210, 230, 190);
const QColor TabelKleur(240, 240, 225);
const QColor Groen(0, 128, 0);
const QColor DonkerRood(128, 0, 0);

// The columns of the table, in twips: the date leaves room for its check box, the household's
// word and the bank's text share the room of a description.
constexpr std::array<int, BankRijen::AantalKolommen> Kolommen { 1590, 2400, 2400, 1500, 1500 };
constexpr int StartBreedte = 13500;
constexpr int TabelLinks = 225;
constexpr int TabelRechts = TabelLinks + 9690;
// The labels stand in lines of this height, in twips, whatever their font.
constexpr int RegelHoogte = 270;

// "3 januari – 31 januari 2026"; the year twice only when the period spans the turn of a year.
QString Periode(const Bankafschrift &afschrift)
{
    if (afschrift.posten.empty())
        return {};
    const auto [eerste, laatste]
        = std::minmax_element(afschrift.posten.begin(), afschrift.posten.end(),
            [](const BankPost &a, const BankPost &b) { return a.datum < b.datum; });
    const QDate van = eerste->datum;
    const QDate tot = laatste->datum;
    if (van == tot)
        return DagTekst(van, true);
    return DagTekst(van, van.year() != tot.year()) + QStringLiteral(" – ") + DagTekst(tot, true);
}

QString Posten(int aantal)
{
    return aantal == 1 ? QStringLiteral("1 post") : QStringLiteral("%1 posten").arg(aantal);
}

// The household's descriptions to choose from: those of the settings and the words learned.
QStringList EigenOmschrijvingen(const Programma &programma, const Geleerd &geleerd)
{
    QStringList woorden = geleerd.EigenWoorden();
    for (const QString &omschrijving : LeesOmschrijvingBestand(programma)) {
        if (const QString woord = omschrijving.trimmed(); !woord.isEmpty())
            woorden.append(woord);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(woorden.begin(), woorden.end(), collator);
    woorden.removeDuplicates();
    return woorden;
}

// The transactions as the lists hold them: the table in the main window, in place of the file it
// was read from, and every other saved list, so a row read into another month before is not added
// again.
DataMapTreffers InDeLijsten(HoofdVenster &hoofd, std::span<const BankPost> posten)
{
    const Programma &programma = hoofd.programma();
    return ZoekInDataMap(programma, posten, hoofd.items().Rijen(), programma.Waarden().EigenLijst,
        LeesVasteLasten(programma));
}

} // namespace

BankForm::BankForm(HoofdVenster &hoofd, const Bankafschrift &afschrift, QWidget *parent)
    : QDialog(parent)
    , m_hoofd(hoofd)
    , m_geleerd(hoofd.programma(), GeleerdBestand::Gebruik::Leren)
{
    RichtDialoogIn(*this, QStringLiteral("BankForm"), QStringLiteral("Bankafschrift inlezen"),
        10200, 6450, Achtergrond);
    // The designed size is the smallest; the table takes whatever the user adds.
    setMinimumSize(size());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    // A learning file that cannot be used costs the learning, not the statement.
    if (!m_geleerd.Melding().isEmpty()) {
        hoofd.programma().Berichten().tell(parent, m_geleerd.Melding(), QStringLiteral("Geldlog"),
            MessageBoxes::Icon::Information);
    }
    // Chosen, and the month's list opened, before the rows are checked against the list.
    if (hoofd.programma().Waarden().LijstNaam.isEmpty())
        BouwLijstKeuze(afschrift);
    m_rijen = new BankRijen(afschrift, InDeLijsten(hoofd, afschrift.posten), DoelMaand(),
        Voorsteller(m_geleerd.Inhoud()), this);
    BouwKop(afschrift);
    BouwTabel();

    GekozenLabel = MaakLabel(this, "GekozenLabel", QString(), twips::point(TabelLinks, 4980));
    const int inkomstenRechts
        = TabelLinks + std::accumulate(Kolommen.begin(), Kolommen.begin() + BankRijen::Uitgaven, 0);
    // The totals stand under the right edges of the income and expense columns.
    InkomstenLabel = MaakRechtsLabel(
        this, "InkomstenLabel", QString(), inkomstenRechts, 4980, Groen, 1800, RegelHoogte);
    UitgavenLabel = MaakRechtsLabel(this, "UitgavenLabel", QString(),
        inkomstenRechts + Kolommen[BankRijen::Uitgaven], 4980, DonkerRood, 1800, RegelHoogte);

    AlleenMaand = new QCheckBox(this);
    AlleenMaand->setObjectName(QStringLiteral("AlleenMaand"));
    AlleenMaand->setFont(Arial(9, true));
    AlleenMaand->move(twips::point(TabelLinks, 5460));
    ToonAlleenMaand();
    connect(AlleenMaand, &QCheckBox::toggled, m_rijen, &BankRijen::ZetAlleenMaand);
    if (ToevoegenAan)
        setTabOrder(AlleenMaand, ToevoegenAan);

    AnnulerenKnop = MaakKnop(this, QStringLiteral("AnnulerenKnop"), QStringLiteral("Annuleren"),
        twips::rect(7875, 5400, 990, 360));
    connect(AnnulerenKnop, &VistaButton::Click, this, &QDialog::reject);
    ToevoegenKnop = MaakKnop(this, QStringLiteral("ToevoegenKnop"), QStringLiteral("Toevoegen"),
        QStringLiteral(" Gekozen posten aan de lijst toevoegen "),
        twips::rect(8925, 5400, 990, 360));
    connect(ToevoegenKnop, &VistaButton::Click, this, &BankForm::OkKnop_Click);

    connect(m_rijen, &BankRijen::KeuzeGewijzigd, this, &BankForm::ToonKeuze);
    ToonKeuze();
    PostenTabel->setFocus();

    // The heads keep their distance to the top, the rest of the window to the bottom, the
    // buttons and totals to the right: the table between them takes the room.
    m_ankers.Zet(RekeningLabel, Ankers::Links | Ankers::Boven | Ankers::Rechts);
    m_ankers.Zet(TellingLabel, Ankers::Links | Ankers::Boven | Ankers::Rechts);
    m_ankers.Zet(PostenTabel, Ankers::Links | Ankers::Boven | Ankers::Rechts | Ankers::Onder);
    for (QWidget *onder : std::initializer_list<QWidget *> {
             GekozenLabel, AlleenMaand, ToevoegenAanLabel, ToevoegenAan }) {
        if (onder)
            m_ankers.Zet(onder, Ankers::Links | Ankers::Onder);
    }
    for (QWidget *hoek : std::initializer_list<QWidget *> {
             InkomstenLabel, UitgavenLabel, AnnulerenKnop, ToevoegenKnop })
        m_ankers.Zet(hoek, Ankers::Rechts | Ankers::Onder);
    // Wider than its smallest size at first, so a row's word and the bank's text both read.
    resize(BinnenMaat(StartBreedte, 6450));
}

BankForm::~BankForm() = default;

void BankForm::BouwKop(const Bankafschrift &afschrift)
{
    QStringList kop { afschrift.bank };
    kop << afschrift.rekeningen;
    if (const QString periode = Periode(afschrift); !periode.isEmpty())
        kop << periode;
    RekeningLabel = MaakBreedLabel(this, "RekeningLabel", kop.join(QStringLiteral(", ")),
        TabelLinks, 150, TabelRechts, Arial(9, true), RegelHoogte);

    m_bestandTelling = afschrift.Naam() + QStringLiteral(": ")
        + Posten(static_cast<int>(afschrift.posten.size()));
    TellingLabel = MaakBreedLabel(
        this, "TellingLabel", QString(), TabelLinks, 420, TabelRechts, Arial(9), RegelHoogte);
    ToonTelling();
}

void BankForm::BouwTabel()
{
    PostenTabel = MaakItemTabel(this, "PostenTabel", twips::rect(TabelLinks, 720, 9690, 4200),
        TabelKleur, *m_rijen, Kolommen);
    PostenTabel->setItemDelegate(new CelTips(PostenTabel));
    PostenTabel->setItemDelegateForColumn(BankRijen::Omschrijving,
        new WoordKeuze(EigenOmschrijvingen(m_hoofd.programma(), m_geleerd.Inhoud()), PostenTabel));
    // The description is typed over or chosen in place; Space stays the check box's.
    PostenTabel->setEditTriggers(QAbstractItemView::DoubleClicked
        | QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::AnyKeyPressed);
    // A double click on the bank's text or an amount edits the description too; on the date it
    // is the check box's.
    connect(PostenTabel, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &cel) {
        if (cel.column() > BankRijen::Omschrijving)
            PostenTabel->edit(cel.siblingAtColumn(BankRijen::Omschrijving));
    });
    PostenTabel->installEventFilter(this);
}

void BankForm::BouwLijstKeuze(const Bankafschrift &afschrift)
{
    ToevoegenAanLabel = MaakLabel(
        this, "ToevoegenAanLabel", QStringLiteral("Toevoegen aan:"), twips::point(2940, 5460));
    ToevoegenAan = new QComboBox(this);
    ToevoegenAan->setObjectName(QStringLiteral("ToevoegenAan"));
    ToevoegenAan->setFont(Arial(9));
    ToevoegenAan->setGeometry(twips::rect(4425, 5415, 3300, 0));
    ToevoegenAan->setFixedHeight(ToevoegenAan->sizeHint().height());

    // The saved list named after the month most transactions fall in, in whatever order and case;
    // a new list of that month first when there is none.
    const QDate maand = MeesteMaand(afschrift);
    const QStringList lijsten = OpgeslagenLijsten(m_hoofd.programma());
    const qsizetype vanMaand = maand.isValid()
        ? std::find_if(lijsten.begin(), lijsten.end(),
              [maand](const QString &naam) { return MaandVanLijst(naam) == maand; })
            - lijsten.begin()
        : lijsten.size();
    if (maand.isValid() && vanMaand == lijsten.size()) {
        m_nieuweLijst = MaandLijstNaam(maand, lijsten);
        ToevoegenAan->addItem(QStringLiteral("Nieuwe lijst \"%1\"").arg(m_nieuweLijst));
    }
    for (const QString &naam : lijsten)
        ToevoegenAan->addItem(naam, naam);

    // The month's list is opened at once, so its entries are what the rows are checked against.
    // When the list in the main window may not make way, nothing is chosen: the rows go to that
    // list, as they did before there was a choice, and the box says so.
    ToevoegenAan->setPlaceholderText(QStringLiteral("De lijst zonder naam"));
    if (!m_nieuweLijst.isEmpty())
        m_gekozenLijst = 0;
    else if (vanMaand < lijsten.size() && OpenLijst(m_hoofd, parentWidget(), lijsten[vanMaand]))
        m_gekozenLijst = static_cast<int>(vanMaand);
    ToevoegenAan->setCurrentIndex(m_gekozenLijst);
    connect(ToevoegenAan, &QComboBox::activated, this, &BankForm::ToevoegenAan_Click);
}

bool BankForm::NieuweLijstGekozen() const
{
    return ToevoegenAan && !m_nieuweLijst.isEmpty() && ToevoegenAan->currentIndex() == 0;
}

QDate BankForm::DoelMaand() const
{
    return MaandVanLijst(
        NieuweLijstGekozen() ? m_nieuweLijst : m_hoofd.programma().Waarden().LijstNaam);
}

void BankForm::ToevoegenAan_Click(int index)
{
    if (index == m_gekozenLijst)
        return;
    // The new list is the table in the main window as it stands while it has no name; after a
    // saved list was opened here, an empty one again.
    const bool gedaan = index == 0 && !m_nieuweLijst.isEmpty()
        ? m_hoofd.programma().Waarden().LijstNaam.isEmpty() || BeginLijst(m_hoofd, this, QString())
        : OpenLijst(m_hoofd, this, ToevoegenAan->itemData(index).toString());
    if (!gedaan) {
        ToevoegenAan->setCurrentIndex(m_gekozenLijst);
        return;
    }
    m_gekozenLijst = index;
    m_rijen->Vergelijk(InDeLijsten(m_hoofd, m_rijen->Transacties()), DoelMaand());
    ToonTelling();
    ToonAlleenMaand();
}

void BankForm::ToonTelling()
{
    QString telling = m_bestandTelling;
    const int andere = m_rijen->AantalInAndereLijst();
    if (const int al = m_rijen->AantalAlInLijst() - andere; al > 0) {
        telling += al == 1 ? QStringLiteral(", 1 staat al in de lijst")
                           : QStringLiteral(", %1 staan al in de lijst").arg(al);
    }
    if (andere > 0) {
        telling += andere == 1 ? QStringLiteral(", 1 staat al in een andere lijst")
                               : QStringLiteral(", %1 staan al in een andere lijst").arg(andere);
    }
    if (const int onleesbaar = m_rijen->AantalOnleesbaar(); onleesbaar > 0) {
        telling += onleesbaar == 1 ? QStringLiteral(", 1 regel is onleesbaar")
                                   : QStringLiteral(", %1 regels zijn onleesbaar").arg(onleesbaar);
    }
    TellingLabel->setText(telling + u'.');
}

void BankForm::ToonAlleenMaand()
{
    // The rows start with the month's new ones chosen, as the box then says.
    const QDate maand = DoelMaand();
    const QSignalBlocker stil(AlleenMaand);
    AlleenMaand->setChecked(true);
    AlleenMaand->setVisible(maand.isValid());
    if (maand.isValid()) {
        AlleenMaand->setText(QStringLiteral("Alleen %1 %2")
                                 .arg(MaandNaam(maand.month()).toLower())
                                 .arg(maand.year()));
        AlleenMaand->adjustSize();
    }
}

void BankForm::ToonKeuze()
{
    GekozenLabel->setText(QStringLiteral("Gekozen: ") + Posten(m_rijen->AantalGekozen()));
    GekozenLabel->adjustSize();
    InkomstenLabel->setText(QStringLiteral("€ ") + CentenTekst(m_rijen->GekozenInkomsten()));
    UitgavenLabel->setText(QStringLiteral("€ ") + CentenTekst(m_rijen->GekozenUitgaven()));
}

void BankForm::OkKnop_Click()
{
    if (NieuweLijstGekozen()) {
        // Named after the month, with no file of its own yet: the save dialog offers the name,
        // and saving asks nothing while no list of that name exists. Whatever the table held
        // unsaved stays so.
        ProgrammaWaarden &waarden = m_hoofd.programma().Waarden();
        const bool gewijzigd = waarden.Gewijzigd;
        NoemLijst(m_hoofd, m_nieuweLijst, QString());
        waarden.Gewijzigd = gewijzigd;
    }
    VulLijstAan(m_hoofd, m_rijen->GekozenRijen());
    // The rows are in the list whether or not what they taught can be kept.
    QString fout;
    if (m_rijen->Leer(m_geleerd.Inhoud()) && !m_geleerd.Bewaar(&fout)) {
        m_hoofd.programma().Berichten().tell(this,
            fout
                + QStringLiteral(
                    "\n\nDe posten zijn toegevoegd; wat Geldlog ervan leerde, is niet bewaard."),
            QStringLiteral("Geldlog"), MessageBoxes::Icon::Critical);
    }
    accept();
}

void BankForm::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // On "Annuleren", reached with Tab, Enter means that button.
        if (focusWidget() == AnnulerenKnop)
            reject();
        else
            OkKnop_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool BankForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != PostenTabel || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto *toets = static_cast<QKeyEvent *>(event);
    const QModelIndex huidig = PostenTabel->currentIndex();
    // The table would only select the row, or toggle the box when the date cell is current.
    if (toets->key() == Qt::Key_Space) {
        if (huidig.isValid())
            m_rijen->Kies(huidig.row(), !m_rijen->Gekozen(huidig.row()));
        return true;
    }
    // Typing on a row, or F2, edits its description whichever cell is current.
    const bool typt = !toets->text().isEmpty() && toets->text().at(0).isPrint()
        && !(toets->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (huidig.isValid() && huidig.column() != BankRijen::Omschrijving
        && (typt || toets->key() == Qt::Key_F2))
        PostenTabel->setCurrentIndex(huidig.siblingAtColumn(BankRijen::Omschrijving));
    return false;
}

void BankForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // Only a window manager holds the window to its smallest size; without one, nothing shrinks.
    const QSize groei = size().expandedTo(minimumSize()) - minimumSize();
    m_ankers.Pas(groei);
    // The descriptions take the width, so the amounts stay above their totals.
    const int woord = groei.width() / 2;
    PostenTabel->setColumnWidth(
        BankRijen::Omschrijving, twips::toPixels(Kolommen[BankRijen::Omschrijving]) + woord);
    PostenTabel->setColumnWidth(
        BankRijen::Bank, twips::toPixels(Kolommen[BankRijen::Bank]) + groei.width() - woord);
}

void LeesBankafschriftIn(HoofdVenster &hoofd, QWidget *ouder, const QString &pad)
{
    MessageBoxes &berichten = hoofd.programma().Berichten();
    std::optional<Bankafschrift> afschrift;
    {
        BusyCursor bezig;
        QString fout;
        const std::optional<QByteArray> inhoud = LeesBankBestand(pad, &fout);
        if (!inhoud) {
            bezig.release();
            berichten.tell(ouder, fout, QStringLiteral("Geldlog"), MessageBoxes::Icon::Critical);
            return;
        }
        afschrift = LeesBankafschrift(*inhoud);
    }
    if (!afschrift) {
        berichten.tell(
            ouder, OnbekendAfschrift(), QStringLiteral("Geldlog"), MessageBoxes::Icon::Information);
        return;
    }
    BankForm form(hoofd, *afschrift, ouder);
    form.exec();
}
