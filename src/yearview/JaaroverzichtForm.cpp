#include "yearview/JaaroverzichtForm.h"

#include "budget/BegrotingBestand.h"
#include "common/CsvBestand.h"
#include "common/Opmaak.h"
#include "common/Programma.h"
#include "controls/MaakKnop.h"
#include "controls/VistaButton.h"
#include "planning/BegrotingForm.h"
#include "platform/BusyCursor.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/SafeWrite.h"
#include "platform/Twips.h"
#include "printing/PrinterForm.h"
#include "reports/Grafiek.h"
#include "reports/JaarCsv.h"
#include "yearview/BegrootKolom.h"
#include "yearview/CelTekenaar.h"
#include "yearview/JaarAfdruk.h"
#include "yearview/JaarModel.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStandardPaths>
#include <QTreeView>

namespace {

constexpr QColor Achtergrond(225, 228, 205);
constexpr QColor VlakKleur(246, 246, 236);
constexpr QColor Grijs(110, 110, 100);

// The columns in twips: the description, its budget, each month, the year's total.
constexpr int OmschrijvingBreedte = 2040;
constexpr int BegrootBreedte = 900;
constexpr int MaandBreedte = 930;
constexpr int TotaalBreedte = 1140;
constexpr int Links = 180;
constexpr int Rechts = 15720;

} // namespace

// The chart under the table, on a light field of its own.
class GrafiekVlak final : public QWidget {
public:
    explicit GrafiekVlak(QWidget *ouder)
        : QWidget(ouder)
    {
    }

    void Toon(const QString &titel, const JaarRij &rij)
    {
        m_titel = titel;
        m_rij = rij;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), VlakKleur);
        painter.setPen(Achtergrond.darker(140));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        TekenGrafiek(painter, rect(), m_titel, m_rij);
    }

private:
    QString m_titel;
    JaarRij m_rij;
};

JaaroverzichtForm::JaaroverzichtForm(Programma &programma, QWidget *parent)
    : QDialog(parent)
    , m_programma(programma)
{
    RichtDialoogIn(*this, QStringLiteral("JaaroverzichtForm"), QStringLiteral("Jaaroverzicht"),
        16000, 10500, Achtergrond);
    {
        BusyCursor bezig;
        m_posten = LeesPosten(programma);
    }
    m_model = new JaarModel(this);
    m_begroot = new BegrootKolom(*m_model, this);
    m_begroot->ZetBegrotingen(BegrotingBestand(programma).Inhoud());

    JaarLabel = MaakLabel(this, "JaarLabel", QStringLiteral("Jaar"), twips::point(Links, 240));
    JaarKeuze = new QComboBox(this);
    JaarKeuze->setObjectName(QStringLiteral("JaarKeuze"));
    JaarKeuze->setGeometry(twips::rect(720, 180, 1200, 360));
    for (const int jaar : Jaren(m_posten, programma.Klok().now().date().year()))
        JaarKeuze->addItem(QString::number(jaar), jaar);

    ZoekLabel = MaakLabel(this, "ZoekLabel", QStringLiteral("Zoeken"), twips::point(2340, 240));
    ZoekVak = new QLineEdit(this);
    ZoekVak->setObjectName(QStringLiteral("ZoekVak"));
    ZoekVak->setGeometry(twips::rect(3180, 180, 4200, 360));
    ZoekVak->setPlaceholderText(QStringLiteral("een deel van de omschrijving"));
    ZoekVak->setClearButtonEnabled(true);

    PostenTabel
        = MaakLijst(this, "PostenTabel", twips::rect(Links, 660, Rechts - Links, 4500), VlakKleur);
    PostenTabel->setFont(Arial(8.25));
    PostenTabel->setModel(m_begroot);
    PostenTabel->setItemDelegate(new CelTekenaar(PostenTabel));
    PostenTabel->setColumnWidth(
        BegrootKolom::Van(JaarModel::Omschrijving), twips::toPixels(OmschrijvingBreedte));
    PostenTabel->setColumnWidth(BegrootKolom::Kolom, twips::toPixels(BegrootBreedte));
    for (int maand = 0; maand < 12; ++maand) {
        PostenTabel->setColumnWidth(
            BegrootKolom::Van(JaarModel::Jan + maand), twips::toPixels(MaandBreedte));
    }
    PostenTabel->setColumnWidth(
        BegrootKolom::Van(JaarModel::Totaalkolom), twips::toPixels(TotaalBreedte));

    StatusLabel = MaakBreedLabel(this, "StatusLabel", QString(), Links, 5250, Rechts, Arial(9));
    MeldingLabel = MaakBreedLabel(this, "MeldingLabel", QString(), Links, 5520, Rechts, Arial(9));
    ZetKleur(*MeldingLabel, QPalette::WindowText, Grijs);

    Grafiek = new GrafiekVlak(this);
    Grafiek->setObjectName(QStringLiteral("Grafiek"));
    Grafiek->setGeometry(twips::rect(Links, 5850, Rechts - Links, 3450));

    CsvKnop = MaakKnop(this, QStringLiteral("CsvKnop"), QStringLiteral("Opslaan als CSV..."),
        QStringLiteral(" De tabel opslaan voor een rekenblad "),
        twips::rect(11400, 9540, 1800, 360));
    AfdrukKnop = MaakKnop(this, QStringLiteral("AfdrukKnop"), QStringLiteral("Afdrukken"),
        QStringLiteral(" Tabel en grafiek afdrukken "), twips::rect(13320, 9540, 1140, 360));
    SluitKnop = MaakKnop(this, QStringLiteral("SluitKnop"), QStringLiteral("Sluiten"),
        twips::rect(14580, 9540, 1140, 360));
    BegrotingKnop = MaakKnop(this, QStringLiteral("BegrotingKnop"), QStringLiteral("Begroting..."),
        QStringLiteral(" De begroting per omschrijving (Ctrl+B) "),
        twips::rect(Links, 9540, 1500, 360));

    connect(JaarKeuze, &QComboBox::currentIndexChanged, this, &JaaroverzichtForm::ToonJaar);
    connect(ZoekVak, &QLineEdit::textChanged, this, [this](const QString &tekst) {
        m_model->ZetZoektekst(tekst);
        ToonGevonden();
    });
    connect(PostenTabel->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        &JaaroverzichtForm::ToonGrafiek);
    connect(CsvKnop, &VistaButton::Click, this, &JaaroverzichtForm::CsvKnop_Click);
    connect(AfdrukKnop, &VistaButton::Click, this, &JaaroverzichtForm::AfdrukKnop_Click);
    connect(SluitKnop, &VistaButton::Click, this, &QDialog::reject);
    connect(BegrotingKnop, &VistaButton::Click, this, &JaaroverzichtForm::BegrotingKnop_Click);

    ToonJaar();
    JaarKeuze->setFocus();
}

JaaroverzichtForm::~JaaroverzichtForm() = default;

int JaaroverzichtForm::Jaar() const
{
    return JaarKeuze->currentData().toInt();
}

QString JaaroverzichtForm::Zoektekst() const
{
    return ZoekVak->text();
}

void JaaroverzichtForm::ToonJaar()
{
    m_model->ZetTabel(MaakJaarTabel(m_posten, Jaar()));
    QStringList melding = NietMeegeteld(m_posten);
    if (m_model->Tabel().rijen.empty())
        melding.prepend(GeenPosten(Jaar()));
    MeldingLabel->setText(melding.join(QStringLiteral("  ·  ")));
    ToonGevonden();
}

void JaaroverzichtForm::ToonGevonden()
{
    const Telling &jaar = m_model->TotaalRij().jaar;
    StatusLabel->setText(PostenTekst(jaar.posten, jaar.inkomsten, jaar.uitgaven));
    ToonGrafiek();
}

JaaroverzichtForm::GrafiekKeuze JaaroverzichtForm::GrafiekRij() const
{
    const JaarRij *gekozen = m_model->Rij(PostenTabel->currentIndex().row());
    if (gekozen && gekozen != &m_model->TotaalRij())
        return { gekozen,
            QStringLiteral("%1 in %2").arg(gekozen->omschrijving, QString::number(Jaar())) };
    // In one go, so a "%1" typed into the search box stays as typed.
    const QString titel = Zoektekst().isEmpty() ? QStringLiteral("Alle posten van %1").arg(Jaar())
                                                : QStringLiteral("Omschrijvingen met \"%1\" in %2")
                                                      .arg(Zoektekst(), QString::number(Jaar()));
    return { &m_model->TotaalRij(), titel };
}

void JaaroverzichtForm::ToonGrafiek()
{
    const GrafiekKeuze keuze = GrafiekRij();
    Grafiek->Toon(keuze.titel, *keuze.rij);
}

void JaaroverzichtForm::CsvKnop_Click()
{
    const QString voorstel
        = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
              .filePath(QStringLiteral("Jaaroverzicht %1.csv").arg(Jaar()));
    const QString pad
        = QFileDialog::getSaveFileName(this, QStringLiteral("Jaaroverzicht opslaan als CSV"),
            voorstel, QStringLiteral("CSV-bestanden (*.csv)"));
    if (pad.isEmpty())
        return;

    const auto meld = [this](const QString &reden) {
        m_programma.Berichten().tell(this,
            QStringLiteral("Het jaaroverzicht is niet opgeslagen.\n") + reden,
            QStringLiteral("Geldlog"), MessageBoxes::Icon::Critical);
    };
    if (const QString weigering = CsvWeigering(m_programma, pad); !weigering.isEmpty()) {
        meld(weigering);
        return;
    }
    QString reden;
    BusyCursor bezig;
    const bool gelukt = writeFileSafely(
        pad,
        [this](QIODevice &csv, QString *waarom) {
            return SchrijfJaarCsv(csv, m_model->Tabel(), m_model->Gevonden(), waarom);
        },
        &reden);
    bezig.release();
    if (!gelukt)
        meld(reden);
}

void JaaroverzichtForm::AfdrukKnop_Click()
{
    // The printer picked as for the month's list; the pages as the window shows the year when
    // "Afdrukken" is pressed there.
    Afdrukken(m_programma, this, QStringLiteral("Geldlog Jaaroverzicht %1").arg(Jaar()),
        [this](Printer &printer, QString *fout) {
            JaarAfdruk afdruk;
            afdruk.titel = QStringLiteral("Jaaroverzicht %1").arg(Jaar());
            if (!Zoektekst().isEmpty())
                afdruk.titel += QStringLiteral(", omschrijvingen met \"%1\"").arg(Zoektekst());
            afdruk.moment = m_programma.Klok().now();
            afdruk.tabel = &m_model->Tabel();
            afdruk.rijen = m_model->Gevonden();
            afdruk.nietMeegeteld = NietMeegeteld(m_posten);
            const GrafiekKeuze keuze = GrafiekRij();
            afdruk.grafiek = keuze.rij;
            afdruk.grafiekTitel = keuze.titel;
            return PrintJaar(printer, afdruk, fout);
        });
}

void JaaroverzichtForm::BegrotingKnop_Click()
{
    ToonBegroting(m_programma, this);
    // The budgets as the window left them.
    m_begroot->ZetBegrotingen(BegrotingBestand(m_programma).Inhoud());
}

void ToonJaaroverzicht(Programma &programma, QWidget *ouder)
{
    JaaroverzichtForm form(programma, ouder);
    form.exec();
}
