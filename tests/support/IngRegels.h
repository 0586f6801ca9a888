#pragma once

#include <QByteArray>

// Lines of an ING current-account export, without their line ends, for the tests that read or
// import one.

inline const QByteArray IngKop
    = "\"Datum\";\"Naam / Omschrijving\";\"Rekening\";\"Tegenrekening\";\"Code\";\"Af Bij\";"
      "\"Bedrag (EUR)\";\"Mutatiesoort\";\"Mededelingen\";\"Saldo na mutatie\";\"Tag\"";

inline QByteArray IngRegel(const QByteArray &datum, const QByteArray &naam, const QByteArray &afBij,
    const QByteArray &bedrag, const QByteArray &mededelingen)
{
    return "\"" + datum + "\";\"" + naam + "\";\"NL12INGB0001234567\";\"\";\"BA\";\"" + afBij
        + "\";\"" + bedrag + "\";\"Betaalautomaat\";\"" + mededelingen + "\";\"100,00\";\"\"";
}
