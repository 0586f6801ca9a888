#include "common/Programma.h"

Programma::Programma(QString programmaMap, MessageBoxes &berichten, Clock &klok, Printers &printers)
    : m_programmaMap(std::move(programmaMap))
    , m_berichten(berichten)
    , m_klok(klok)
    , m_printers(printers)
{
}

QString Programma::DataMap() const
{
    return m_programmaMap + QStringLiteral("/Data/");
}
