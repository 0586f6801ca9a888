#include "printing/PrinterForm.h"

#include "common/HoofdVenster.h"
#include "common/Opmaak.h"
#include "common/Programma.h"
#include "controls/MaakKnop.h"
#include "controls/VistaButton.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Printers.h"
#include "platform/Twips.h"
#include "printing/HuidigePrinter.h"
#include "printing/LijstAfdruk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace {

const QColor Achtergrond(210, 230, 190);
const QColor Tekstkleur(64, 64, 64);

QString Titel(const std::optional<InstalledPrinter> &printer)
{
    return QStringLiteral("Geldlog Afdrukken (%1)").arg(printer ? printer->deviceName : QString());
}

QCheckBox *MaakKeuze(QWidget *ouder, const QString &naam, const QString &tekst, int top)
{
    auto *keuze = new QCheckBox(tekst, ouder);
    keuze->setObjectName(naam);
    keuze->setGeometry(twips::rect(3900, top, 2400, 300));
    ZetKleur(*keuze, QPalette::WindowText, Tekstkleur);
    keuze->setChecked(true);
    return keuze;
}

} // namespace

PrinterForm::PrinterForm(HoofdVenster &hoofd, QWidget *parent)
    : PrinterForm(hoofd.programma(), &hoofd, parent)
{
}

PrinterForm::PrinterForm(
    Programma &programma, QString document, Bladzijden bladzijden, QWidget *parent)
    : PrinterForm(programma, nullptr, parent)
{
    m_document = std::move(document);
    m_bladzijden = std::move(bladzijden);
    // The columns are the list's.
    Check1->hide();
    Check2->hide();
}

PrinterForm::PrinterForm(Programma &programma, HoofdVenster *hoofd, QWidget *parent)
    : QDialog(parent)
    , m_programma(programma)
    , m_hoofd(hoofd)
    , Combo2(new QComboBox(this))
    , Label1(MaakLabel(this, "Label1", QStringLiteral("Printerkeuze"), twips::point(3180, 270),
          DialoogLettertype()))
    , Label3(new QLabel(this))
    , Check1(MaakKeuze(
          this, QStringLiteral("Check1"), QStringLiteral("Print inclusief Inkomsten"), 810))
    , Check2(MaakKeuze(
          this, QStringLiteral("Check2"), QStringLiteral("Print inclusief Uitgaven"), 1110))
    , CancelKnop(MaakKnop(this, QStringLiteral("CancelKnop"), QStringLiteral("Annuleren"),
          twips::rect(4260, 1710, 990, 360)))
    , PrintKnop(MaakKnop(this, QStringLiteral("PrintKnop"), QStringLiteral("Afdrukken"),
          twips::rect(5310, 1710, 990, 360)))
    , Label4(new QLabel(this))
{
    RichtDialoogIn(*this, QStringLiteral("PrinterForm"), Titel(programma.HuidigePrinter()), 6600,
        2700, Achtergrond);

    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setEditable(false);
    Combo2->setGeometry(twips::rect(180, 210, 2940, 0));
    Combo2->setFixedHeight(Combo2->sizeHint().height());
    QPalette palet = Combo2->palette();
    for (const auto rol : { QPalette::Base, QPalette::Button }) {
        palet.setColor(rol, QColor(40, 0, 0));
    }
    for (const auto rol : { QPalette::Text, QPalette::ButtonText }) {
        palet.setColor(rol, QColor(240, 240, 250));
    }
    Combo2->setPalette(palet);
    // The list's positions are the system's positions: it is not sorted.
    const QList<InstalledPrinter> printers = programma.SysteemPrinters().Installed();
    for (const InstalledPrinter &printer : printers)
        Combo2->addItem(printer.deviceName);
    // The current printer stands selected; when it has gone, nothing is.
    if (const auto &huidige = programma.HuidigePrinter())
        Combo2->setCurrentIndex(static_cast<int>(printers.indexOf(*huidige)));
    else
        Combo2->setCurrentIndex(-1);
    connect(Combo2, &QComboBox::activated, this, &PrinterForm::Combo2_Change);

    ZetKleur(*Label1, QPalette::WindowText, Tekstkleur);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(twips::rect(180, 600, 3900, 750));
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setText(QStringLiteral("Selecteer de printer die je wilt gebruiken\r\n"
                                   "klik dan op de button 'Adrukken'."));
    ZetKleur(*Label3, QPalette::WindowText, Tekstkleur);

    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(Arial(9.75));
    // It measures the texts as they are printed: an amount read as "<b>12</b>" is no markup.
    Label4->setTextFormat(Qt::PlainText);
    Label4->move(twips::point(2520, 3150));
    Label4->hide();

    connect(CancelKnop, &VistaButton::Click, this, &QDialog::reject);
    connect(PrintKnop, &VistaButton::Click, this, &PrinterForm::PrintKnop_Click);
}

void PrinterForm::ZetTitel()
{
    setWindowTitle(Titel(m_programma.HuidigePrinter()));
}

void PrinterForm::Combo2_Change()
{
    // The pick is matched by its position, so of two printers with the same name the one at
    // the picked place becomes current.
    const int gekozen = Combo2->currentIndex();
    const QList<InstalledPrinter> printers = m_programma.SysteemPrinters().Installed();
    if (gekozen >= 0 && gekozen < printers.size())
        m_programma.ZetHuidigePrinter(printers.at(gekozen));
    ZetTitel();
}

int PrinterForm::LiniaalBreedte(const QString &tekst)
{
    Label4->setText(tekst);
    Label4->adjustSize();
    return Label4->width() * twips::perPixel;
}

bool PrinterForm::PrintLijst()
{
    if (!m_hoofd)
        return DrukAf(m_programma, this, m_document, m_bladzijden);
    const QString naam = m_programma.Waarden().LijstNaam;
    const LijstAfdruk afdruk { naam, m_programma.Klok().now(), &m_hoofd->items(),
        m_hoofd->Label8().text(), m_hoofd->InkLabel().text(), m_hoofd->UitLabel().text(),
        Check1->checkState() != Qt::Unchecked, Check2->checkState() != Qt::Unchecked };
    return DrukAf(m_programma, this,
        naam.isEmpty() ? QStringLiteral("Geldlog") : QStringLiteral("Geldlog ") + naam,
        [&](Printer &printer, QString *fout) {
            return ::PrintLijst(
                printer, afdruk, [this](const QString &tekst) { return LiniaalBreedte(tekst); },
                fout);
        });
}

void PrinterForm::PrintKnop_Click()
{
    // After a failure the dialog stays, so that another printer can be tried.
    if (PrintLijst())
        accept();
}

namespace {

// Before the dialog opens: a current printer, and a word when the one picked before has gone.
bool KiesPrinterVoorDialoog(Programma &programma, QWidget *parent)
{
    const bool eerder = programma.HuidigePrinter().has_value();
    if (!KiesHuidigePrinter(programma, parent))
        return false;
    if (eerder && !programma.SysteemPrinters().Installed().contains(*programma.HuidigePrinter()))
        programma.Berichten().tell(parent,
            printerGoneReason(*programma.HuidigePrinter())
                + QStringLiteral("\nKies een andere printer."),
            QStringLiteral("Geldlog"));
    return true;
}

} // namespace

void Afdrukken(HoofdVenster &hoofd, QWidget *parent)
{
    if (!KiesPrinterVoorDialoog(hoofd.programma(), parent))
        return;
    PrinterForm form(hoofd, parent);
    form.exec();
}

void Afdrukken(
    Programma &programma, QWidget *parent, const QString &document, const Bladzijden &bladzijden)
{
    if (!KiesPrinterVoorDialoog(programma, parent))
        return;
    PrinterForm form(programma, document, bladzijden, parent);
    form.exec();
}
