#include "bank/BankCodes.h"

#include <array>
#include <utility>

QString BankVanBic(QStringView bic)
{
    static constexpr std::array<std::pair<const char16_t *, const char16_t *>, 9> banken { {
        { u"INGB", u"ING" },
        { u"RABO", u"Rabobank" },
        { u"ABNA", u"ABN AMRO" },
        { u"SNSB", u"SNS" },
        { u"ASNB", u"ASN" },
        { u"RBRB", u"RegioBank" },
        { u"TRIO", u"Triodos" },
        { u"BUNQ", u"bunq" },
        { u"KNAB", u"Knab" },
    } };
    const QStringView code = bic.trimmed().left(4);
    for (const auto &[letters, naam] : banken) {
        if (code.compare(QStringView(letters), Qt::CaseInsensitive) == 0)
            return QString::fromUtf16(naam);
    }
    return {};
}

QString BankVanIban(QStringView iban)
{
    iban = iban.trimmed();
    return iban.size() >= 8 ? BankVanBic(iban.sliced(4, 4)) : QString();
}

bool IsIban(QStringView tekst)
{
    tekst = tekst.trimmed();
    if (tekst.size() < 15 || tekst.size() > 34)
        return false;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const char16_t c = tekst[i].unicode();
        const bool letter = c >= u'A' && c <= u'Z';
        const bool cijfer = c >= u'0' && c <= u'9';
        if (i < 2 ? !letter : (i < 4 ? !cijfer : !letter && !cijfer))
            return false;
    }
    return true;
}

QString EersteBank(std::initializer_list<QString> namen)
{
    for (const QString &naam : namen) {
        if (!naam.isEmpty())
            return naam;
    }
    return QStringLiteral("Bank");
}
