#include "planning/BegrotingForm.h"

#include "budget/BegrotingMaand.h"
#include "common/CelTips.h"
#include "common/GewoneTekst.h"
#include "common/MaandNamen.h"
#include "common/Opmaak.h"
#include "common/Programma.h"
#include "controls/MaakKnop.h"
#include "controls/VistaButton.h"
#include "planning/BegrotingModel.h"
#include "planning/GroepKeuze.h"
#include "platform/BusyCursor.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>

#include <set>

namespace {

constexpr QColor Achtergrond(222, 230, 214);
constexpr QColor VlakKleur(248, 250, 244);
constexpr QColor Grijs(110, 110, 100);
constexpr QColor Rood(170, 0, 0);
constexpr QColor Zwart(0, 0, 0);

constexpr int Links = 180;
constexpr int Rechts = 11220;

// The months to choose from: this one first, then every month with entries from the latest down.
std::vector<QDate> Maanden(const Posten &posten, QDate vandaag)
{
    std::set<QDate, std::greater<>> maanden;
    for (const Post &post : posten.posten)
        maanden.insert(QDate(post.datum.jaar, post.datum.maand, 1));
    const QDate deze(vandaag.year(), vandaag.month(), 1);
    maanden.erase(deze);
    std::vector<QDate> lijst { deze };
    lijst.insert(lijst.end(), maanden.begin(), maanden.end());
    return lijst;
}

} // namespace

BegrotingForm::BegrotingForm(Programma &programma, QWidget *parent)
    : QDialog(parent)
    , m_programma(programma)
    , m_vandaag(programma.Klok().now().date())
    , m_bestand(programma)
{
    RichtDialoogIn(*this, QStringLiteral("BegrotingForm"), QStringLiteral("Begroting"), 11700, 8400,
        Achtergrond);
    {
        BusyCursor bezig;
        m_posten = LeesPosten(programma);
        m_meldingen = NietMeegeteld(m_posten);
        m_vooruitzicht = Vooruitzicht(programma, m_posten, m_vandaag, &m_meldingen);
    }
    // The saved lists count, as in the year overview; the main window's changes once saved.
    if (programma.Waarden().Gewijzigd)
        m_meldingen.prepend(
            QStringLiteral("Wat in de open lijst nog niet is opgeslagen, telt niet mee."));

    MaandLabel = MaakLabel(this, "MaandLabel", QStringLiteral("Maand"), twips::point(Links, 240));
    MaandKeuze = new QComboBox(this);
    MaandKeuze->setObjectName(QStringLiteral("MaandKeuze"));
    MaandKeuze->setGeometry(twips::rect(900, 180, 2400, 360));
    for (const QDate maand : Maanden(m_posten, m_vandaag))
        MaandKeuze->addItem(MaandNaam(maand.month()) + u' ' + QString::number(maand.year()), maand);

    m_model = new BegrotingModel(
        m_bestand.Inhoud(), [this] { return Bewaar(); },
        [this](const QString &waarom) {
            m_programma.Berichten().tell(this, waarom, QStringLiteral("Geldlog"));
        },
        this);
    BegrotingTabel = MaakLijst(
        this, "BegrotingTabel", twips::rect(Links, 660, Rechts - Links, 5340), VlakKleur);
    BegrotingTabel->setFont(Arial(9));
    BegrotingTabel->setModel(m_model);
    BegrotingTabel->setItemDelegate(new CelTips(BegrotingTabel));
    BegrotingTabel->setItemDelegateForColumn(
        BegrotingModel::GroepKolom, new GroepKeuze(BegrotingTabel));
    // Typing on a row starts its budget anew; Enter stores it, Escape leaves it as it was.
    BegrotingTabel->setSelectionBehavior(QAbstractItemView::SelectItems);
    BegrotingTabel->setEditTriggers(QAbstractItemView::DoubleClicked
        | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    const int breedtes[] = { 3300, 2340, 1260, 1260, 1260, 1260 };
    for (int kolom = 0; kolom < BegrotingModel::AantalKolommen; ++kolom)
        BegrotingTabel->setColumnWidth(kolom, twips::toPixels(breedtes[kolom]));

    // Two lines: a damaged budget file is told with what becomes of it.
    MeldingLabel = new QLabel(this);
    MeldingLabel->setObjectName(QStringLiteral("MeldingLabel"));
    MeldingLabel->setTextFormat(Qt::PlainText);
    MeldingLabel->setWordWrap(true);
    MeldingLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MeldingLabel->setFont(Arial(8.25));
    MeldingLabel->setGeometry(twips::rect(Links, 6090, Rechts - Links, 450));
    ZetKleur(*MeldingLabel, QPalette::WindowText, Grijs);
    ToonMeldingen();
    VrijLabel = MaakBreedLabel(this, "VrijLabel", QString(), Links, 6720, Rechts, Arial(12, true));

    VoorstelKnop = MaakKnop(this, QStringLiteral("VoorstelKnop"), QStringLiteral("Voorstel"),
        QStringLiteral(" Elke lege begroting vullen met het gemiddelde van vorig jaar "),
        twips::rect(Links, 7440, 1140, 360));
    SluitKnop = MaakKnop(this, QStringLiteral("SluitKnop"), QStringLiteral("Sluiten"),
        twips::rect(Rechts - 1140, 7440, 1140, 360));

    connect(MaandKeuze, &QComboBox::currentIndexChanged, this, &BegrotingForm::ToonMaand);
    connect(m_model, &BegrotingModel::VrijGewijzigd, this, &BegrotingForm::ToonVrij);
    connect(m_model, &BegrotingModel::GroepGewijzigd, this, [this](int rij) {
        BegrotingTabel->setCurrentIndex(m_model->index(rij, BegrotingModel::GroepKolom));
    });
    connect(VoorstelKnop, &VistaButton::Click, this, &BegrotingForm::VoorstelKnop_Click);
    connect(SluitKnop, &VistaButton::Click, this, &QDialog::reject);

    ToonMaand();
    BegrotingTabel->setFocus();
}

BegrotingForm::~BegrotingForm() = default;

void BegrotingForm::ToonMaand()
{
    m_model->ZetMaand(BegrotingMaand(m_posten, m_bestand.Inhoud(), m_vooruitzicht,
        MaandKeuze->currentData().toDate(), m_vandaag, BegrotingMaand::Omvang::Alle));
    // The first description, its budget ready for typing; a group without any has its head alone.
    for (int rij = 0; rij < m_model->rowCount(); ++rij) {
        const QModelIndex begroot = m_model->index(rij, BegrotingModel::Begroot);
        if (m_model->flags(begroot) & Qt::ItemIsEditable) {
            BegrotingTabel->setCurrentIndex(begroot);
            break;
        }
    }
    ToonVrij();
}

void BegrotingForm::ToonVrij()
{
    const BegrotingMaand &maand = m_model->Maand();
    VrijLabel->setText(maand.VrijZin());
    ZetKleur(*VrijLabel, QPalette::WindowText, maand.VrijTeBesteden() < 0 ? Rood : Zwart);
    const QString verwacht = maand.VerwachtZin();
    VrijLabel->setToolTip(verwacht.isEmpty()
            ? QStringLiteral("Tot en met %1 wordt geen terugkerende betaling meer verwacht.")
                  .arg(DagTekst(maand.LaatsteDag(), false))
            : GewoneTekst(verwacht));
}

void BegrotingForm::ToonMeldingen()
{
    QStringList meldingen = m_meldingen;
    if (!m_bestand.Melding().isEmpty())
        meldingen.append(m_bestand.Melding());
    MeldingLabel->setText(meldingen.join(QStringLiteral("  ·  ")));
}

void BegrotingForm::VoorstelKnop_Click()
{
    m_model->VulVoorstellenIn();
    // Back to the table, where the proposals are changed.
    BegrotingTabel->setFocus();
}

bool BegrotingForm::Bewaar()
{
    QString reden;
    const bool bewaard = m_bestand.Bewaar(&reden);
    // A damaged file's sentence now tells where what it held was kept.
    ToonMeldingen();
    if (bewaard)
        return true;
    m_programma.Berichten().tell(this, QStringLiteral("De begroting is niet opgeslagen.\n") + reden,
        QStringLiteral("Geldlog"), MessageBoxes::Icon::Critical);
    return false;
}

void ToonBegroting(Programma &programma, QWidget *ouder)
{
    BegrotingForm form(programma, ouder);
    form.exec();
}
