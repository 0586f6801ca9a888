#include "app/Main.h"

#include "app/AboutForm.h"
#include "app/HelpScherm.h"
#include "app/Instellingen.h"
#include "app/KnopPlaatjes.h"
#include "bankimport/BankForm.h"
#include "common/Achtergrondkleur.h"
#include "common/InvoerPaneel.h"
#include "common/KlokTekst.h"
#include "common/LijstNaam.h"
#include "common/Omschrijvingen.h"
#include "common/Opmaak.h"
#include "common/Programma.h"
#include "common/Totalen.h"
#include "controls/MaakKnop.h"
#include "controls/VistaButton.h"
#include "fixedcosts/VasteLastenForm.h"
#include "listwindows/NieuwForm.h"
#include "listwindows/OpenForm.h"
#include "listwindows/SaldoOverzicht.h"
#include "listwindows/SaveForm.h"
#include "planning/BegrotingForm.h"
#include "planning/TerugkerendForm.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"
#include "printing/PrinterForm.h"
#include "yearview/JaaroverzichtForm.h"
#include "settings/EditForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMimeData>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>

#include <array>

namespace {

const QColor StandaardAchtergrond(230, 230, 180);

QFrame *MaakPaneel(QWidget *ouder, const char *naam, const QRect &plaats)
{
    auto *paneel = new QFrame(ouder);
    paneel->setObjectName(QLatin1StringView(naam));
    ZetPaneelOpmaak(*paneel, StandaardAchtergrond);
    paneel->setGeometry(plaats);
    return paneel;
}

VistaButton *MaakPlaatjesKnop(QWidget *ouder, const QString &naam, KnopPlaatjeSoort soort,
    const QString &tip, int links, int boven)
{
    VistaButton *knop = MaakKnop(ouder, naam, QString(), tip, twips::rect(links, boven, 840, 840));
    knop->setPicture(KnopPlaatje(soort));
    return knop;
}

} // namespace

Main::Main(Programma &programma, Tonen tonen)
    : m_programma(programma)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Mijn Geldlog"));
    // 16500 x 9930 twips from edge to edge leaves room for the whole layout with a margin.
    setFixedSize(BinnenMaat(16500, 9930));
    ZetAchtergrond(*this, StandaardAchtergrond);
    // All text is Arial; controls made from here on take it over.
    setFont(Arial(9));
    if (tonen == Tonen::Meteen)
        show();

    BouwTabel();
    BouwInvoer();
    BouwMenu();
    BouwNaamPaneel();
    // Controls made in a window already shown wait to be shown themselves; the ones hidden on
    // purpose are made later, when first needed.
    if (tonen == Tonen::Meteen) {
        for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            control->show();
    }

    HerlaadOmschrijvingen();

    ProgrammaWaarden &waarden = m_programma.Waarden();
    waarden.LijstNaam.clear();
    waarden.KleurRood = StandaardAchtergrond.red();
    waarden.KleurGroen = StandaardAchtergrond.green();
    waarden.KleurBlauw = StandaardAchtergrond.blue();
    waarden.Gewijzigd = false;

    // The stored background colour. A file that is missing or cannot be read is written anew
    // from the values as they stand, without a word; the window then keeps the default colour.
    if (LeesInstellingen(InstellingenPad(), waarden))
        ZetAchtergrondkleur(*this, waarden.KleurRood, waarden.KleurGroen, waarden.KleurBlauw);
    else
        SchrijfInstellingen(InstellingenPad(), waarden, nullptr);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &Main::Timer1_Timer);
    m_timer1->start();

    setAcceptDrops(true);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_I), this), &QShortcut::activated, this,
        &Main::KiesBankafschrift);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_J), this), &QShortcut::activated, this,
        [this] { ToonJaaroverzicht(m_programma, this); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this), &QShortcut::activated, this,
        [this] { ToonTerugkerend(m_programma, nullptr, this); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), this), &QShortcut::activated, this,
        [this] { ToonBegroting(m_programma, this); });
}

Main::~Main() = default;

void Main::BouwTabel()
{
    m_listView1 = MaakItemTabel(this, "ListView1", twips::rect(225, 240, 10890, 6000),
        QColor(210, 210, 210), m_items, std::array { 1290, 6210, 1500, 1500 });
    // A row chosen with the mouse or the arrow keys comes back into the inputs; a click on the
    // row already chosen brings it back again.
    connect(m_listView1, &QTreeView::clicked, this, &Main::ListView1_ItemClick);
    connect(m_listView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this](const QItemSelection &gekozen) {
            if (!gekozen.isEmpty())
                ListView1_ItemClick();
        });

    m_label6 = MaakBreedLabel(this, "Label6", AantalItemsTekst(0), 240, 6300, 6900);
    m_label1 = MaakLabel(this, "Label1", QStringLiteral("Totaal :"), twips::point(7170, 6300));
    // The totals stand under the right edges of the income and expense columns.
    m_inkLabel = MaakRechtsLabel(
        this, "InkLabel", QStringLiteral("€ 00,00"), 9225, 6300, QColor(0, 128, 0));
    m_uitLabel = MaakRechtsLabel(
        this, "UitLabel", QStringLiteral("€ 00,00"), 10725, 6300, QColor(128, 0, 0));
    m_klokLabel = MaakRechtsLabel(
        this, "KlokLabel", QStringLiteral("00:00"), 16185, 6300, QColor(128, 128, 128));
}

void Main::BouwInvoer()
{
    m_invoer = new InvoerPaneel(this, twips::rect(210, 6600, 10920, 2700), StandaardAchtergrond,
        m_programma.Klok().now().date());

    const QString knoppen[] = { QStringLiteral("Toevoegen"), QStringLiteral("Wijzigen"),
        QStringLiteral("Verwijderen") };
    for (int index = 0; index < 3; ++index) {
        m_knop[index] = MaakKnop(m_invoer, ArrayNaam("Knop", index), knoppen[index],
            QStringLiteral(" Item %1 ").arg(knoppen[index]),
            twips::rect(180 + 1260 * index, 2160, 1200, 360));
        connect(m_knop[index], &VistaButton::Click, this, [this, index] { Knop_Click(index); });
    }

    m_label9
        = MaakLabel(m_invoer, "Label9", QStringLiteral("Vaste lasten"), twips::point(8730, 2235));
    m_vasteLastenKnop
        = MaakKnop(m_invoer, QStringLiteral("VasteLastenKnop"), QStringLiteral("Vast"),
            QStringLiteral(" Vaste lasten invullen "), twips::rect(9780, 2160, 990, 360));
    connect(m_vasteLastenKnop, &VistaButton::Click, this, [this] {
        VasteLastenForm form(*this, this);
        form.exec();
    });
}

void Main::BouwMenu()
{
    struct Menu {
        const char *label;
        const char *tip;
        KnopPlaatjeSoort plaatje;
    };
    static const Menu menu[6] = {
        { "Nieuw Geldlog", " Nieuw lijst (Maand) aanmaken ", KnopPlaatjeSoort::NieuwGeldlog },
        { "Geldlog Openen", " Lijst Openen ", KnopPlaatjeSoort::GeldlogOpenen },
        { "Geldlog Opslaan", " Lijst Opslaan ", KnopPlaatjeSoort::GeldlogOpslaan },
        { "Geldlog Afdrukken", " Lijst afdrukken ", KnopPlaatjeSoort::GeldlogAfdrukken },
        { "Instellingen", " Wijzigingen aanbrengen ", KnopPlaatjeSoort::Instellingen },
        { "Programma Info", " Copyright en Info ", KnopPlaatjeSoort::ProgrammaInfo },
    };

    m_frame2 = MaakPaneel(this, "Frame2", twips::rect(11340, 135, 4890, 6120));
    for (int index = 0; index < 6; ++index) {
        m_menuKnop[index] = MaakPlaatjesKnop(m_frame2, ArrayNaam("MenuKnop", index),
            menu[index].plaatje, QString::fromLatin1(menu[index].tip), 255, 375 + 930 * index);
        connect(
            m_menuKnop[index], &VistaButton::Click, this, [this, index] { MenuKnop_Click(index); });

        const QString naam = ArrayNaam("MenuLabel", index);
        m_menuLabel[index]
            = MaakLabel(m_frame2, qPrintable(naam), QString::fromLatin1(menu[index].label),
                twips::point(1290, 675 + 930 * index), Arial(14.25, true));
        ZetKleur(*m_menuLabel[index], QPalette::WindowText, QColor(90, 90, 70));
    }
}

void Main::BouwNaamPaneel()
{
    m_frame3 = MaakPaneel(this, "Frame3", twips::rect(11340, 6600, 4890, 2700));
    m_label7
        = MaakBreedLabel(m_frame3, "Label7", NaamTekst(QString()), 210, 270, 4830, Arial(12, true));
    m_label8 = MaakBreedLabel(
        m_frame3, "Label8", QStringLiteral("Saldo..... : "), 210, 600, 4830, Arial(12, true));

    m_helpKnop = MaakPlaatjesKnop(m_frame3, QStringLiteral("HelpKnop"), KnopPlaatjeSoort::Help,
        QStringLiteral(" Beknopte Uitleg "), 180, 1680);
    m_grafiekKnop = MaakPlaatjesKnop(m_frame3, QStringLiteral("GrafiekKnop"),
        KnopPlaatjeSoort::Overzicht, QStringLiteral(" Totaal Saldo berekenen "), 1110, 1680);
    // The way in to reading a statement that a household sees, beside Ctrl+I and a drop; the
    // free place next to the overview button, apart from the exit.
    m_bankKnop
        = MaakPlaatjesKnop(m_frame3, QStringLiteral("BankKnop"), KnopPlaatjeSoort::Bankafschrift,
            QStringLiteral(" Bankafschrift inlezen (Ctrl+I) "), 2040, 1680);
    m_exitKnop = MaakPlaatjesKnop(m_frame3, QStringLiteral("ExitKnop"), KnopPlaatjeSoort::Afsluiten,
        QStringLiteral(" Programma Stoppen "), 3870, 1680);
    connect(m_helpKnop, &VistaButton::Click, this, &Main::HelpKnop_Click);
    connect(m_grafiekKnop, &VistaButton::Click, this, &Main::GrafiekKnop_Click);
    connect(m_bankKnop, &VistaButton::Click, this, &Main::KiesBankafschrift);
    connect(m_exitKnop, &VistaButton::Click, this, &QWidget::close);
}

void Main::BouwSaldoPaneel()
{
    m_frame4 = MaakPaneel(this, "Frame4", twips::rect(11340, 135, 4890, 6120));
    m_frame4->hide();
    // Built when first shown, so it takes the colour the other panels show by now.
    ZetAchtergrond(*m_frame4, m_frame2->palette().color(QPalette::Window));

    m_label10 = new QLabel(m_frame4);
    m_label10->setObjectName(QStringLiteral("Label10"));
    m_label10->setWordWrap(true);
    m_label10->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label10->setGeometry(twips::rect(150, 240, 4560, 1200));
    m_label10->setText(
        QStringLiteral(
            "Met de button 'Show' kunt u in alle gemaakte bestanden het Saldo bekijken. ")
        + QStringLiteral(
            "Het Saldo wordt berekend door de uitgaven van de inkomsten af te trekken. ")
        + QStringLiteral("Het Saldo is dan het bedrag dat u daarna overhoud of te kort komt."));

    m_showKnop = MaakKnop(m_frame4, QStringLiteral("ShowKnop"), QStringLiteral("Show"),
        QStringLiteral(" Bekijk alle bestanden "), twips::rect(2400, 1500, 990, 360));
    // In the room under "Show", beside the table: the year per description.
    m_jaarKnop = MaakKnop(m_frame4, QStringLiteral("JaaroverzichtKnop"),
        QStringLiteral("Per omschrijving..."), QStringLiteral(" Jaaroverzicht per omschrijving "),
        twips::rect(2400, 1980, 2100, 360));
    connect(
        m_jaarKnop, &VistaButton::Click, this, [this] { ToonJaaroverzicht(m_programma, this); });
    m_list1
        = MaakLijst(m_frame4, "List1", twips::rect(195, 1500, 2100, 3885), QColor(210, 210, 150));
    ZetKleur(*m_list1, QPalette::Text, QColor(30, 30, 30));
    // Wide enough for every list's name and any total the scan writes into them.
    m_label12 = MaakBreedLabel(
        m_frame4, "Label12", QStringLiteral("Bestand"), 2400, 5160, 4830, Arial(9));
    m_label11 = MaakBreedLabel(m_frame4, "Label11", QStringLiteral("Totaal €"), 180, 5460, 4830);

    m_overzicht = new SaldoOverzicht(m_programma, *m_showKnop, *m_label12, *m_label11, this);
    m_list1->setModel(&m_overzicht->Rijen());
    m_list1->setColumnHidden(SaldoRijen::Leeg, true);
    m_list1->setColumnWidth(SaldoRijen::Saldo, twips::toPixels(1700));
}

void Main::Knop_Click(int index)
{
    switch (index) {
    case 0:
        ItemToevoegen();
        break;
    case 1:
        ItemWijzigen();
        break;
    case 2:
        ItemVerwijderen();
        break;
    }
    // Every click counts as a change, also one whose input was refused.
    m_programma.Waarden().Gewijzigd = true;
    TotalenBerekenen(*this);
}

void Main::MenuKnop_Click(int index)
{
    switch (index) {
    case 0: {
        NieuwForm form(*this, this);
        form.exec();
        break;
    }
    case 1: {
        OpenForm form(*this, this);
        form.exec();
        break;
    }
    case 2:
        if (m_items.Aantal() > 0) {
            SaveForm form(*this, this);
            form.exec();
        }
        break;
    case 3:
        if (m_items.Aantal() > 0)
            Afdrukken(*this, this);
        break;
    case 4: {
        EditForm form(*this, this);
        form.exec();
        break;
    }
    case 5: {
        AboutForm form(this);
        form.exec();
        break;
    }
    }
}

void Main::HelpKnop_Click()
{
    const bool help = !m_listView1->isHidden();
    // Made and drawn once, the first time it is needed, so the start-up does not wait for it.
    if (help && !m_helpPic) {
        m_helpPic = new QLabel(this);
        m_helpPic->setObjectName(QStringLiteral("HelpPic"));
        m_helpPic->setGeometry(twips::rect(225, 240, 10890, 6000));
        m_helpPic->setPixmap(TekenHelpScherm(m_helpPic->size()));
    }
    m_listView1->setVisible(!help);
    m_helpPic->setVisible(help);
}

void Main::ToonTabel()
{
    if (m_helpPic)
        m_helpPic->hide();
    m_listView1->show();
}

void Main::ToonRij(int rij)
{
    m_listView1->scrollTo(m_items.index(rij, ItemModel::Datum));
}

void Main::GrafiekKnop_Click()
{
    const bool overzicht = !m_frame2->isHidden();
    // Built the first time it is shown; the start-up does not wait for it.
    if (overzicht && !m_frame4)
        BouwSaldoPaneel();
    m_frame2->setVisible(!overzicht);
    m_frame4->setVisible(overzicht);
}

void Main::Timer1_Timer()
{
    m_klokLabel->setText(KlokTekst(m_programma.Klok().now()));
}

QList<QWidget *> Main::AchtergrondVlakken()
{
    QList<QWidget *> vlakken { this, m_invoer, m_frame2, m_frame3 };
    if (m_frame4)
        vlakken.append(m_frame4);
    return vlakken;
}

void Main::HerlaadOmschrijvingen()
{
    // The count leaves out the empty first item; blank lines of the file count.
    LaadOmschrijvingen(*m_invoer->Combo4(), m_programma);
    m_invoer->Label5()->setText(
        QStringLiteral("Omschrijving (%1)").arg(m_invoer->Combo4()->count() - 1));
    m_invoer->Label5()->adjustSize();
}

void Main::LeesBankafschriftIn(const QString &pad)
{
    ::LeesBankafschriftIn(*this, this, pad);
}

void Main::KiesBankafschrift()
{
    // Where the browser put the download; a folder that is not there the chooser would offer as a
    // file name.
    QString map = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (!QFileInfo(map).isDir())
        map = QDir::homePath();
    // The bank's file is recognised by its content; the filter only spares the user a search.
    const QString pad
        = QFileDialog::getOpenFileName(this, QStringLiteral("Bankafschrift kiezen"), map,
            QStringLiteral("Bankafschriften (*.csv *.txt *.tab *.xml *.sta *.940 *.mt940);;"
                           "Alle bestanden (*)"));
    if (!pad.isEmpty())
        LeesBankafschriftIn(pad);
}

namespace {

// The one local file of a drop; empty when it holds anything else.
QString GesleeptBestand(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1
        || !data->urls().first().isLocalFile())
        return {};
    return data->urls().first().toLocalFile();
}

} // namespace

void Main::dragEnterEvent(QDragEnterEvent *event)
{
    if (!GesleeptBestand(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Main::dropEvent(QDropEvent *event)
{
    const QString pad = GesleeptBestand(event->mimeData());
    if (pad.isEmpty())
        return;
    event->acceptProposedAction();
    // The drop is finished first: the program that the file came from waits for it.
    QTimer::singleShot(0, this, [this, pad] { LeesBankafschriftIn(pad); });
}

QString Main::InstellingenPad() const
{
    return m_programma.ProgrammaMap() + QStringLiteral("/Geldlog.ini");
}

void Main::closeEvent(QCloseEvent *event)
{
    if (m_programma.Waarden().Gewijzigd
        && !m_programma.Berichten().ask(this,
            QStringLiteral("Geldlog is gewijzigd, wil je toch afsluiten?"),
            QStringLiteral("Afsluiten"), MessageBoxes::DefaultButton::No)) {
        event->ignore();
        return;
    }
    // The program ends all the same; the user learns that the colour was not kept.
    if (QString fout; !SchrijfInstellingen(InstellingenPad(), m_programma.Waarden(), &fout)) {
        m_programma.Berichten().tell(this,
            QStringLiteral("De instellingen zijn niet bewaard.\n") + fout,
            QStringLiteral("Geldlog"), MessageBoxes::Icon::Critical);
    }
    event->accept();
}
