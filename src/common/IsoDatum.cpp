#include "common/IsoDatum.h"

namespace {

// One reader for bytes and for UTF-16: both hold a date's characters one unit each.
template<typename Tekst> std::optional<IsoDatum> Lees(Tekst tekst)
{
    const auto blank = [](auto teken) { return teken == ' '; };
    // A date as the program writes it is read at once; one with blanks around it is trimmed first.
    if (tekst.size() != 10 || blank(tekst.front()) || blank(tekst.back())) {
        while (!tekst.isEmpty() && blank(tekst.front()))
            tekst = tekst.sliced(1);
        while (!tekst.isEmpty() && blank(tekst.back()))
            tekst.chop(1);
        if (tekst.size() != 9 && tekst.size() != 10)
            return std::nullopt;
    }
    if (tekst[4] != '-' || tekst[7] != '-')
        return std::nullopt;
    bool geenCijfer = false;
    const auto cijfer = [&tekst, &geenCijfer](qsizetype plek) {
        const unsigned waarde = static_cast<unsigned>(tekst[plek]) - unsigned('0');
        geenCijfer |= waarde > 9;
        return static_cast<int>(waarde);
    };
    const IsoDatum datum { cijfer(0) * 1000 + cijfer(1) * 100 + cijfer(2) * 10 + cijfer(3),
        cijfer(5) * 10 + cijfer(6), tekst.size() == 10 ? cijfer(8) * 10 + cijfer(9) : cijfer(8) };
    if (geenCijfer || datum.jaar < 1 || datum.maand < 1 || datum.maand > 12 || datum.dag < 1
        || datum.dag > 31)
        return std::nullopt;
    return datum;
}

// The characters of a view as numbers: a byte is taken unsigned, so no byte is a digit by accident.
struct Bytes {
    QByteArrayView tekst;
    qsizetype size() const { return tekst.size(); }
    bool isEmpty() const { return tekst.isEmpty(); }
    unsigned char front() const { return static_cast<unsigned char>(tekst.front()); }
    unsigned char back() const { return static_cast<unsigned char>(tekst.back()); }
    unsigned char operator[](qsizetype i) const { return static_cast<unsigned char>(tekst[i]); }
    Bytes sliced(qsizetype begin) const { return { tekst.sliced(begin) }; }
    void chop(qsizetype aantal) { tekst.chop(aantal); }
};

struct Tekens {
    QStringView tekst;
    qsizetype size() const { return tekst.size(); }
    bool isEmpty() const { return tekst.isEmpty(); }
    char16_t front() const { return tekst.front().unicode(); }
    char16_t back() const { return tekst.back().unicode(); }
    char16_t operator[](qsizetype i) const { return tekst[i].unicode(); }
    Tekens sliced(qsizetype begin) const { return { tekst.sliced(begin) }; }
    void chop(qsizetype aantal) { tekst.chop(aantal); }
};

} // namespace

std::optional<IsoDatum> LeesIsoDatum(QByteArrayView tekst)
{
    return Lees(Bytes { tekst });
}

std::optional<IsoDatum> LeesIsoDatum(QStringView tekst)
{
    return Lees(Tekens { tekst });
}

QDate IsoDag(QStringView tekst)
{
    const std::optional<IsoDatum> datum = LeesIsoDatum(tekst);
    return datum ? datum->Dag() : QDate();
}

char *SchrijfIsoDatum(char *uit, QDate datum)
{
    int jaar = 0;
    int maand = 0;
    int dag = 0;
    datum.getDate(&jaar, &maand, &dag);
    if (jaar < 1 || jaar > 9999)
        return uit;
    const auto cijfers = [&uit](int getal, int aantal) {
        for (int i = aantal - 1; i >= 0; --i, getal /= 10)
            uit[i] = static_cast<char>('0' + getal % 10);
        uit += aantal;
    };
    cijfers(jaar, 4);
    *uit++ = '-';
    cijfers(maand, 2);
    *uit++ = '-';
    cijfers(dag, 2);
    return uit;
}

QString IsoDatumTekst(QDate datum)
{
    char tekst[10];
    return QString::fromLatin1(tekst, SchrijfIsoDatum(tekst, datum) - tekst);
}
