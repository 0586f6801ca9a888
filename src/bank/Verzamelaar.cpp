#include "bank/Verzamelaar.h"

#include "common/EenRegel.h"

Verzamelaar::Verzamelaar(QString bank, QString soort)
{
    m_afschrift.bank = std::move(bank);
    m_afschrift.soort = std::move(soort);
}

void Verzamelaar::Onleesbaar(int regel, QString reden, QStringView tekst)
{
    if (Vol())
        return;
    // Enough of the row to recognise it, never a whole overlong line.
    constexpr qsizetype Hoogstens = 200;
    QString getoond = EenRegel(tekst.left(Hoogstens).toString());
    if (static_cast<int>(m_afschrift.onleesbaar.size()) + 1 == HoogstensOnleesbaar) {
        reden = QStringLiteral("meer dan %1 regels zijn onleesbaar; de rest van het bestand is "
                               "niet gelezen.")
                    .arg(HoogstensOnleesbaar - 1);
    }
    m_afschrift.onleesbaar.push_back({ regel, std::move(reden), std::move(getoond) });
}

void Verzamelaar::Rekening(QStringView rekening)
{
    rekening = rekening.trimmed();
    // Nearly every row names the account of the row before it; that costs no copy.
    if (rekening.isEmpty()
        || (!m_afschrift.rekeningen.isEmpty() && m_afschrift.rekeningen.back() == rekening))
        return;
    QString nieuw = rekening.toString();
    if (m_rekeningen.contains(nieuw))
        return;
    m_rekeningen.insert(nieuw);
    m_afschrift.rekeningen.append(std::move(nieuw));
}

bool Verzamelaar::Vol() const
{
    return static_cast<int>(m_afschrift.onleesbaar.size()) >= HoogstensOnleesbaar;
}
