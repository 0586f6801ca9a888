#include "planning/TerugkerendForm.h"

#include "common/CelTips.h"
#include "common/MaandNamen.h"
#include "common/Opmaak.h"
#include "common/Programma.h"
#include "controls/MaakKnop.h"
#include "controls/VistaButton.h"
#include "lists/VasteLastenBestand.h"
#include "planning/ContractenModel.h"
#include "platform/BusyCursor.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"
#include "recurring/Contracten.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeView>

#include <array>

namespace {

constexpr QColor Achtergrond(214, 228, 236);
constexpr QColor TabelKleur(244, 248, 250);
constexpr QColor Grijs(110, 110, 100);

constexpr int Breedte = 12600;
constexpr int Hoogte = 7200;
constexpr int Links = 180;
constexpr int Rechts = 12330;
// The columns in twips: description, counterparty, interval, amount, next; what to note takes
// what is left.
constexpr std::array<int, 5> Kolommen { 2250, 2250, 900, 1170, 1500 };
// The buttons, right under the table.
constexpr int KnopBoven = 6060;
constexpr int SluitenLinks = Rechts - 810;
constexpr int ToevoegenLinks = SluitenLinks - 60 - 2820;

QString Toegevoegd(int nieuw, int bijgewerkt)
{
    QStringList delen;
    if (nieuw > 0) {
        delen.append(nieuw == 1
                ? QStringLiteral("1 contract toegevoegd aan de vaste lasten")
                : QStringLiteral("%1 contracten toegevoegd aan de vaste lasten").arg(nieuw));
    }
    if (bijgewerkt > 0) {
        delen.append(bijgewerkt == 1
                ? QStringLiteral("1 vaste last bijgewerkt")
                : QStringLiteral("%1 vaste lasten bijgewerkt").arg(bijgewerkt));
    }
    return delen.join(QStringLiteral(", ")) + u'.';
}

} // namespace

TerugkerendForm::TerugkerendForm(Programma &programma, ItemModel *vasteLasten, QWidget *parent)
    : QDialog(parent)
    , m_programma(programma)
    , m_vasteLasten(vasteLasten ? vasteLasten : &m_eigenVasteLasten)
{
    RichtDialoogIn(*this, QStringLiteral("TerugkerendForm"),
        QStringLiteral("Terugkerende betalingen"), Breedte, Hoogte, Achtergrond);
    setMinimumSize(size());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    const QDate vandaag = programma.Klok().now().date();
    QStringList meldingen;
    {
        BusyCursor bezig;
        m_model
            = new ContractenModel(VindContracten(programma, vandaag, &meldingen), vandaag, this);
        if (!vasteLasten)
            LaadVasteLasten(programma, m_eigenVasteLasten);
        m_model->ZetVasteLasten(m_vasteLasten->Rijen());
    }

    UitlegLabel = MaakBreedLabel(this, "UitlegLabel",
        QStringLiteral("Gevonden in de bankafschriften en de lijsten tot en met %1. Vink aan wat "
                       "bij de vaste lasten hoort.")
            .arg(DagTekst(vandaag, true)),
        Links, 150, Rechts, Arial(9));

    ContractenTabel = MaakLijst(
        this, "ContractenTabel", twips::rect(Links, 450, Rechts - Links, 5500), TabelKleur);
    ContractenTabel->setFont(Arial(9));
    ContractenTabel->setModel(m_model);
    ContractenTabel->setItemDelegate(new CelTips(ContractenTabel));
    for (size_t kolom = 0; kolom < Kolommen.size(); ++kolom)
        ContractenTabel->setColumnWidth(static_cast<int>(kolom), twips::toPixels(Kolommen[kolom]));
    ContractenTabel->header()->setStretchLastSection(true);
    // A group's head row reads across the table.
    for (int rij = 0; rij < m_model->rowCount(); ++rij) {
        if (m_model->IsKop(rij))
            ContractenTabel->setFirstColumnSpanned(rij, {}, true);
    }

    if (m_model->rowCount() == 0) {
        meldingen.prepend(QStringLiteral("Geldlog vond geen betalingen die terugkomen. Lees "
                                         "bankafschriften in, of houd een paar maanden bij."));
    }
    MeldingLabel = MaakBreedLabel(this, "MeldingLabel", meldingen.join(u' '), Links, KnopBoven,
        ToevoegenLinks - 120, Arial(9), 540);
    MeldingLabel->setWordWrap(true);
    MeldingLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ZetKleur(*MeldingLabel, QPalette::WindowText, Grijs);

    ToevoegenKnop = MaakKnop(this, QStringLiteral("ToevoegenKnop"),
        QStringLiteral("Toevoegen aan vaste lasten"),
        QStringLiteral(" De aangevinkte contracten bij de vaste lasten zetten "),
        twips::rect(ToevoegenLinks, KnopBoven, 2820, 360));
    connect(ToevoegenKnop, &VistaButton::Click, this, &TerugkerendForm::ToevoegenKnop_Click);
    SluitenKnop = MaakKnop(this, QStringLiteral("SluitenKnop"), QStringLiteral("Sluiten"),
        twips::rect(SluitenLinks, KnopBoven, 810, 360));
    connect(SluitenKnop, &VistaButton::Click, this, &QDialog::reject);

    connect(m_model, &ContractenModel::KeuzeGewijzigd, this, &TerugkerendForm::ToonKeuze);
    ToonKeuze();
    // Space ticks the first at once; the arrow keys go from contract to contract.
    ContractenTabel->setFocus();
    if (const int eerste = m_model->EersteKiesbare(); eerste >= 0)
        ContractenTabel->setCurrentIndex(m_model->index(eerste, ContractenModel::Omschrijving));

    m_ankers.Zet(UitlegLabel, Ankers::Links | Ankers::Boven | Ankers::Rechts);
    m_ankers.Zet(ContractenTabel, Ankers::Links | Ankers::Boven | Ankers::Rechts | Ankers::Onder);
    m_ankers.Zet(MeldingLabel, Ankers::Links | Ankers::Onder | Ankers::Rechts);
    m_ankers.Zet(ToevoegenKnop, Ankers::Rechts | Ankers::Onder);
    m_ankers.Zet(SluitenKnop, Ankers::Rechts | Ankers::Onder);
}

TerugkerendForm::~TerugkerendForm() = default;

void TerugkerendForm::ToonKeuze()
{
    ToevoegenKnop->setEnabled(m_model->AantalGekozen() > 0);
}

void TerugkerendForm::ToevoegenKnop_Click()
{
    if (m_model->AantalGekozen() == 0)
        return;
    ContractenModel::Toegevoegd toegevoegd;
    if (m_vasteLasten == &m_eigenVasteLasten) {
        // The file is written whole before the window shows them as added; one that cannot be
        // written stays as it was, and so do the ticks.
        ItemModel nieuw;
        nieuw.VoegToe(ItemRijen(m_eigenVasteLasten.Rijen()));
        toegevoegd = m_model->VoegGekozenToe(nieuw);
        if (QString fout; !SaveVasteLasten(m_programma, nieuw, &fout)) {
            m_programma.Berichten().tell(this,
                QStringLiteral("De vaste lasten zijn niet opgeslagen.\n") + fout,
                QStringLiteral("Geldlog"), MessageBoxes::Icon::Critical);
            return;
        }
        m_eigenVasteLasten.MaakLeeg();
        m_eigenVasteLasten.VoegToe(ItemRijen(nieuw.Rijen()));
    } else {
        toegevoegd = m_model->VoegGekozenToe(*m_vasteLasten);
    }
    m_model->ZetVasteLasten(m_vasteLasten->Rijen());
    MeldingLabel->setText(Toegevoegd(toegevoegd.nieuw, toegevoegd.bijgewerkt));
}

void TerugkerendForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const QSize groei = size().expandedTo(minimumSize()) - minimumSize();
    m_ankers.Pas(groei);
}

void ToonTerugkerend(Programma &programma, ItemModel *vasteLasten, QWidget *ouder)
{
    TerugkerendForm form(programma, vasteLasten, ouder);
    form.exec();
}
