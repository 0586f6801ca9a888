#include "lists/LijstNamen.h"

#include "common/LijstNaam.h"
#include "common/MaandNamen.h"
#include "lists/LijstBestand.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// The year and the month name of a list named after a month, in the order of its name.
struct MaandDelen {
    QStringView jaar;
    QStringView maand;
    bool jaarEerst = true;
};

std::optional<MaandDelen> DelenVan(const QString &naam)
{
    const QList<QStringView> delen = QStringView(naam).split(u' ', Qt::SkipEmptyParts);
    if (delen.size() != 2)
        return std::nullopt;
    for (const bool jaarEerst : { true, false }) {
        const QStringView jaar = delen[jaarEerst ? 0 : 1];
        if (jaar.size() == 4 && std::all_of(jaar.begin(), jaar.end(), [](QChar c) {
                return c >= u'0' && c <= u'9';
            }))
            return MaandDelen { jaar, delen[jaarEerst ? 1 : 0], jaarEerst };
    }
    return std::nullopt;
}

int MaandVanNaam(QStringView maand)
{
    for (int nummer = 1; nummer <= 12; ++nummer) {
        if (maand.compare(MaandNaam(nummer), Qt::CaseInsensitive) == 0)
            return nummer;
    }
    return 0;
}

// The month's name written as `voorbeeld` writes one: "juli" beside "juni", "JULI" beside "JUNI".
QString InDezelfdeLetters(const QString &maand, QStringView voorbeeld)
{
    if (voorbeeld == voorbeeld.toString().toLower())
        return maand.toLower();
    if (voorbeeld == voorbeeld.toString().toUpper())
        return maand.toUpper();
    return maand;
}

} // namespace

bool ZelfdeLijst(const QString &a, const QString &b)
{
    return a.simplified().compare(b.simplified(), Qt::CaseInsensitive) == 0;
}

std::optional<QString> BestaandeLijst(const QStringList &opgeslagen, const QString &naam)
{
    if (opgeslagen.contains(naam))
        return naam;
    const auto zelfde = std::find_if(opgeslagen.begin(), opgeslagen.end(),
        [&naam](const QString &lijst) { return ZelfdeLijst(lijst, naam); });
    if (zelfde == opgeslagen.end())
        return std::nullopt;
    return *zelfde;
}

std::optional<QString> BestaandeLijst(const Programma &programma, const QString &naam)
{
    // The list of that very name is found without listing the folder.
    if (LijstNaamFout(naam).isEmpty() && QFileInfo(LijstPad(programma, naam)).isFile())
        return naam;
    return BestaandeLijst(OpgeslagenLijsten(programma), naam);
}

QDate MaandVanLijst(const QString &naam)
{
    const std::optional<MaandDelen> delen = DelenVan(naam);
    const int maand = delen ? MaandVanNaam(delen->maand) : 0;
    if (maand == 0)
        return {};
    return QDate(delen->jaar.toInt(), maand, 1);
}

QString MaandLijstNaam(QDate maand, const QStringList &opgeslagen)
{
    // The household's form is that of its latest month; a list of this month is that list.
    std::optional<MaandDelen> vorm;
    QDate laatste;
    for (const QString &naam : opgeslagen) {
        const QDate van = MaandVanLijst(naam);
        if (!van.isValid())
            continue;
        if (van.year() == maand.year() && van.month() == maand.month())
            return naam;
        if (!laatste.isValid() || van >= laatste) {
            laatste = van;
            vorm = DelenVan(naam);
        }
    }
    const QString jaar = QString::number(maand.year());
    if (!vorm)
        return jaar + u' ' + MaandNaam(maand.month());
    const QString naam = InDezelfdeLetters(MaandNaam(maand.month()), vorm->maand);
    return vorm->jaarEerst ? jaar + u' ' + naam : naam + u' ' + jaar;
}
