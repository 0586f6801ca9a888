#pragma once

#include "lists/Posten.h"

#include <QDialog>

class BegrootKolom;
class GrafiekVlak;
class JaarModel;
class Programma;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeView;
class VistaButton;
struct JaarRij;

// "Jaaroverzicht": where the money went in a year. A row per description with its months, the
// search that narrows the rows, and the chart of the total or of the row chosen. It reads the
// saved lists when it opens and writes nothing but the CSV file the user asks for.
class JaaroverzichtForm final : public QDialog {
    Q_OBJECT

public:
    explicit JaaroverzichtForm(Programma &programma, QWidget *parent = nullptr);
    ~JaaroverzichtForm() override;

private:
    // What the chart shows: the row chosen, or else the total of the rows found.
    struct GrafiekKeuze {
        const JaarRij *rij;
        QString titel;
    };
    GrafiekKeuze GrafiekRij() const;

    void ToonJaar();
    void ToonGevonden();
    void ToonGrafiek();
    QString Zoektekst() const;
    int Jaar() const;

    void CsvKnop_Click();
    void AfdrukKnop_Click();
    void BegrotingKnop_Click();

    Programma &m_programma;
    Posten m_posten;
    JaarModel *m_model = nullptr;
    BegrootKolom *m_begroot = nullptr; // the table as shown, with the budgets

    QLabel *JaarLabel = nullptr;
    QComboBox *JaarKeuze = nullptr;
    QLabel *ZoekLabel = nullptr;
    QLineEdit *ZoekVak = nullptr;
    QTreeView *PostenTabel = nullptr;
    QLabel *StatusLabel = nullptr; // the entries of the rows shown and their amounts
    QLabel *MeldingLabel = nullptr; // grey: an empty year, and what does not count
    GrafiekVlak *Grafiek = nullptr;
    VistaButton *CsvKnop = nullptr;
    VistaButton *AfdrukKnop = nullptr;
    VistaButton *SluitKnop = nullptr;
    VistaButton *BegrotingKnop = nullptr; // opens "Begroting"
};

// Opens the year overview over `ouder`, modal, on the lists saved in the program's Data folder.
void ToonJaaroverzicht(Programma &programma, QWidget *ouder);
