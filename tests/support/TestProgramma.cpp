#include "TestProgramma.h"

#include <QDir>
#include <QFile>

TestProgramma::TestProgramma()
    : m_programma(m_map.path(), m_berichten, m_klok, m_printers)
{
    QDir(m_map.path()).mkdir(QStringLiteral("Data"));
}

void TestProgramma::schrijfData(const QString &naam, const QByteArray &inhoud) const
{
    QFile file(dataMap() + naam);
    if (!file.open(QIODevice::WriteOnly) || file.write(inhoud) != inhoud.size())
        qFatal("cannot write test file %s", qPrintable(file.fileName()));
}

QByteArray TestProgramma::leesData(const QString &naam) const
{
    QFile file(dataMap() + naam);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
