#include "bankimport/BankForm.h"

#include "bank/BankBestand.h"
#include "bank/Bankafschrift.h"
#include "bankimport/BankRijen.h"
#include "common/Bedrag.h"
#include "common/HoofdVenster.h"
#include "common/LijstAanvullen.h"
#include "common/MaandNamen.h"
#include "common/Opmaak.h"
#include "common/Programma.h"
#include "controls/MaakKnop.h"
#include "controls/VistaButton.h"
#include "platform/BusyCursor.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeView>

#include <algorithm>
#include <optional>

namespace {

const QColor Achtergrond(210, 230, 190);
const QColor TabelKleur(240, 240, 225);
const QColor Groen(0, 128, 0);
const QColor DonkerRood(128, 0, 0);

// The columns of the table, in twips: the date leaves room for its check box.
constexpr std::array<int, 4> Kolommen { 1590, 4800, 1500, 1500 };
constexpr int TabelLinks = 225;
constexpr int TabelRechts = TabelLinks + 9690;
// The labels stand in lines of this height, in twips, whatever their font.
constexpr int RegelHoogte = 270;

// The month a list is named after: a year and a month name in either order, as "2026 Maart" or
// as the new-list dialog names it, "Maart 2026". Invalid for any other name.
QDate MaandVanLijst(const QString &naam)
{
    const QStringList delen = naam.split(u' ', Qt::SkipEmptyParts);
    if (delen.size() != 2)
        return {};
    for (int jaarDeel = 0; jaarDeel < 2; ++jaarDeel) {
        const QString &jaar = delen[jaarDeel];
        const QString &maand = delen[1 - jaarDeel];
        if (jaar.size() != 4 || !std::all_of(jaar.begin(), jaar.end(), [](QChar c) {
                return c >= u'0' && c <= u'9';
            }))
            continue;
        for (int nummer = 1; nummer <= 12; ++nummer) {
            if (maand.compare(MaandNaam(nummer), Qt::CaseInsensitive) == 0)
                return QDate(jaar.toInt(), nummer, 1);
        }
    }
    return {};
}

QString DagTekst(QDate datum, bool metJaar)
{
    QString tekst
        = QStringLiteral("%1 %2").arg(datum.day()).arg(MaandNaam(datum.month()).toLower());
    if (metJaar)
        tekst += u' ' + QString::number(datum.year());
    return tekst;
}

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

} // namespace

BankForm::BankForm(HoofdVenster &hoofd, const Bankafschrift &afschrift, QWidget *parent)
    : QDialog(parent)
    , m_hoofd(hoofd)
    , m_maand(MaandVanLijst(hoofd.programma().Waarden().LijstNaam))
{
    RichtDialoogIn(*this, QStringLiteral("BankForm"), QStringLiteral("Bankafschrift inlezen"),
        10200, 6450, Achtergrond);

    m_rijen = new BankRijen(afschrift, hoofd.items().Rijen(), m_maand, this);
    BouwKop(afschrift);

    PostenTabel = MaakItemTabel(this, "PostenTabel", twips::rect(TabelLinks, 720, 9690, 4200),
        TabelKleur, *m_rijen, Kolommen);

    GekozenLabel = MaakLabel(this, "GekozenLabel", QString(), twips::point(TabelLinks, 4980));
    const int inkomstenRechts = TabelLinks + Kolommen[0] + Kolommen[1] + Kolommen[2];
    // The totals stand under the right edges of the income and expense columns.
    InkomstenLabel = MaakRechtsLabel(
        this, "InkomstenLabel", QString(), inkomstenRechts, 4980, Groen, 1800, RegelHoogte);
    UitgavenLabel = MaakRechtsLabel(this, "UitgavenLabel", QString(), inkomstenRechts + Kolommen[3],
        4980, DonkerRood, 1800, RegelHoogte);

    AlleenMaand = new QCheckBox(this);
    AlleenMaand->setObjectName(QStringLiteral("AlleenMaand"));
    AlleenMaand->setFont(Arial(9, true));
    AlleenMaand->move(twips::point(TabelLinks, 5460));
    if (m_maand.isValid()) {
        AlleenMaand->setText(QStringLiteral("Alleen %1 %2")
                                 .arg(MaandNaam(m_maand.month()).toLower())
                                 .arg(m_maand.year()));
        AlleenMaand->setChecked(true);
        AlleenMaand->adjustSize();
        connect(AlleenMaand, &QCheckBox::toggled, m_rijen, &BankRijen::ZetAlleenMaand);
    } else {
        AlleenMaand->hide();
    }

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

    QString telling = afschrift.Naam() + QStringLiteral(": ")
        + Posten(static_cast<int>(afschrift.posten.size()));
    if (const int al = m_rijen->AantalAlInLijst(); al > 0) {
        telling += al == 1 ? QStringLiteral(", 1 staat al in de lijst")
                           : QStringLiteral(", %1 staan al in de lijst").arg(al);
    }
    if (const int onleesbaar = m_rijen->AantalOnleesbaar(); onleesbaar > 0) {
        telling += onleesbaar == 1 ? QStringLiteral(", 1 regel is onleesbaar")
                                   : QStringLiteral(", %1 regels zijn onleesbaar").arg(onleesbaar);
    }
    TellingLabel = MaakBreedLabel(
        this, "TellingLabel", telling + u'.', TabelLinks, 420, TabelRechts, Arial(9), RegelHoogte);
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
    VulLijstAan(m_hoofd, m_rijen->GekozenRijen());
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
