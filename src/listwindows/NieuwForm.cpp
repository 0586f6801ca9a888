#include "listwindows/NieuwForm.h"

#include "common/BijEnter.h"
#include "common/HoofdVenster.h"
#include "common/Jaartallen.h"
#include "common/MaandNamen.h"
#include "common/Opmaak.h"
#include "common/Programma.h"
#include "controls/MaakKnop.h"
#include "controls/VistaButton.h"
#include "listwindows/LijstOpenen.h"
#include "platform/Clock.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// An editable box that takes the typed text as it stands: no completion from the items and
// no typed text added to them.
QComboBox *Invoerlijst(QWidget *ouder, const QString &naam, const QRect &plaats,
    const QStringList &items, const QString &tekst)
{
    auto *combo = new QComboBox(ouder);
    combo->setObjectName(naam);
    combo->setEditable(true);
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setGeometry(plaats);
    ZetInvoerKleuren(*combo, QColor(30, 0, 0), QColor(230, 230, 230));
    ZetInvoerKleuren(*combo->lineEdit(), QColor(30, 0, 0), QColor(230, 230, 230));
    combo->addItems(items);
    // The text need not be one of the items: a year outside the list is shown all the same.
    combo->setCurrentIndex(static_cast<int>(items.indexOf(tekst)));
    combo->setEditText(tekst);
    return combo;
}

// Combo boxes keep their standard height of 315 twips.
constexpr int ComboHoogte = 315;

} // namespace

NieuwForm::NieuwForm(HoofdVenster &hoofd, QWidget *parent)
    : QDialog(parent)
    , m_hoofd(hoofd)
{
    RichtDialoogIn(*this, QStringLiteral("NieuwForm"), QStringLiteral("Nieuw Geldlog"), 6600, 2100,
        QColor(210, 230, 190));

    const QDate vandaag = m_hoofd.programma().Klok().now().date();
    Combo2 = Invoerlijst(this, QStringLiteral("Combo2"), twips::rect(180, 210, 930, ComboHoogte),
        Jaartallen(), QString::number(vandaag.year()));
    Combo1 = Invoerlijst(this, QStringLiteral("Combo1"), twips::rect(1200, 210, 2100, ComboHoogte),
        MaandNamen(), MaandNaam(vandaag.month()));

    Label1 = new QLabel(QStringLiteral("Jaar, Maand"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(twips::point(3390, 255));
    Label1->adjustSize();

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twips::rect(180, 750, 3150, 900));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ZetKleur(*Label2, QPalette::WindowText, QColor(0, 80, 80));
    Label2->setText(
        QStringLiteral("Selecteer het jaartal en de maand die je wilt aanmaken en bewerken, ")
        + QStringLiteral("of vul een nieuwe naam in voor de maand."));

    CancelKnop = MaakKnop(this, QStringLiteral("CancelKnop"), QStringLiteral("Annuleren"),
        twips::rect(4260, 1110, 990, 360));
    connect(CancelKnop, &VistaButton::Click, this, &QDialog::reject);

    OkKnop = MaakKnop(
        this, QStringLiteral("OkKnop"), QStringLiteral("Ok"), twips::rect(5310, 1110, 990, 360));
    connect(OkKnop, &VistaButton::Click, this, &NieuwForm::OkKnopClick);
    for (QComboBox *combo : { Combo2, Combo1 })
        BijEnter(*combo, [this] { OkKnopClick(); });
}

void NieuwForm::OkKnopClick()
{
    // The texts are taken as they stand; the save dialog checks the name when it is stored.
    if (BeginLijst(m_hoofd, this, Combo2->currentText() + u' ' + Combo1->currentText()))
        accept();
}
