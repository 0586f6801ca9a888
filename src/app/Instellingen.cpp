#include "app/Instellingen.h"

#include "common/Programma.h"
#include "platform/Ansi.h"
#include "platform/SafeWrite.h"
#include "platform/WriteError.h"

#include <QFile>

#include <optional>

namespace {

// The fields of the file: separated by commas or line ends, blanks before a field skipped,
// a text field between double quotes (which may hold commas).
class Velden {
public:
    explicit Velden(QString tekst)
        : m_tekst(std::move(tekst))
    {
    }

    std::optional<QString> Volgende()
    {
        while (m_plaats < m_tekst.size() && IsRegeleinde(m_tekst.at(m_plaats)))
            ++m_plaats;
        while (m_plaats < m_tekst.size() && m_tekst.at(m_plaats) == u' ')
            ++m_plaats;
        if (m_plaats >= m_tekst.size())
            return std::nullopt;

        QString veld;
        if (m_tekst.at(m_plaats) == u'"') {
            const qsizetype einde = m_tekst.indexOf(u'"', m_plaats + 1);
            const qsizetype sluit = einde < 0 ? m_tekst.size() : einde;
            veld = m_tekst.mid(m_plaats + 1, sluit - m_plaats - 1);
            m_plaats = sluit + 1;
        }
        // Up to the next comma or line end; after a quoted field that is all that is left.
        const qsizetype begin = m_plaats;
        while (m_plaats < m_tekst.size() && m_tekst.at(m_plaats) != u','
            && !IsRegeleinde(m_tekst.at(m_plaats)))
            ++m_plaats;
        if (veld.isNull())
            veld = m_tekst.mid(begin, m_plaats - begin).trimmed();
        if (m_plaats < m_tekst.size() && m_tekst.at(m_plaats) == u',')
            ++m_plaats;
        return veld;
    }

private:
    static bool IsRegeleinde(QChar c) { return c == u'\r' || c == u'\n'; }

    QString m_tekst;
    qsizetype m_plaats = 0;
};

// A colour component: a whole number from 0 to 255.
std::optional<int> Component(const std::optional<QString> &veld)
{
    if (!veld)
        return std::nullopt;
    bool getal = false;
    const int waarde = veld->toInt(&getal);
    if (!getal || waarde < 0 || waarde > 255)
        return std::nullopt;
    return waarde;
}

} // namespace

bool LeesInstellingen(const QString &pad, ProgrammaWaarden &waarden)
{
    QFile bestand(pad);
    return bestand.open(QIODevice::ReadOnly) && LeesInstellingen(bestand, waarden);
}

bool LeesInstellingen(QIODevice &in, ProgrammaWaarden &waarden)
{
    // The colour lies in the first few lines; a huge file is not read whole.
    Velden velden(Ansi::decode(in.read(64 * 1024)));

    // The header and the separator are read but not looked at.
    if (!velden.Volgende() || !velden.Volgende())
        return false;
    for (int *component : { &waarden.KleurRood, &waarden.KleurGroen, &waarden.KleurBlauw }) {
        const std::optional<int> waarde = Component(velden.Volgende());
        if (!waarde)
            return false;
        *component = *waarde;
    }
    return true;
}

bool SchrijfInstellingen(const QString &pad, const ProgrammaWaarden &waarden, QString *fout)
{
    const QString inhoud = QStringLiteral("\"Velbrook Software 2018\"\r\n"
                                          "\"--------------------------\"\r\n"
                                          "%1,%2,%3\r\n")
                               .arg(waarden.KleurRood)
                               .arg(waarden.KleurGroen)
                               .arg(waarden.KleurBlauw);
    const QByteArray bytes = Ansi::encode(inhoud);
    return writeFileSafely(
        pad,
        [&bytes](QIODevice &uit, QString *reden) {
            return writeAll(uit, bytes.constData(), bytes.size(), reden);
        },
        fout);
}
