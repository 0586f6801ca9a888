#include "bank/BankBestand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace {

// A device that reports no size (a pipe, /dev/zero) is read in pieces, so it stops at the bound.
constexpr qint64 Stuk = 1024 * 1024;

std::optional<QByteArray> Weiger(QString *fout, const QString &tekst)
{
    if (fout)
        *fout = tekst;
    return std::nullopt;
}

} // namespace

std::optional<QByteArray> LeesBankBestand(const QString &pad, QString *fout, qint64 grens)
{
    const QString naam = QDir::toNativeSeparators(pad);
    const QFileInfo info(pad);
    if (!info.exists())
        return Weiger(fout, QStringLiteral("Het bestand \"%1\" bestaat niet.").arg(naam));
    if (info.isDir())
        return Weiger(fout, QStringLiteral("\"%1\" is een map, geen bestand.").arg(naam));
    const auto teGroot = [&] {
        return Weiger(fout,
            QStringLiteral(
                "Het bestand \"%1\" is te groot voor een bankafschrift (meer dan %2 MB).")
                .arg(naam, QString::number(grens / (1024 * 1024))));
    };
    // A regular file says its size at once; nothing of it needs to be read to refuse it.
    if (info.isFile() && info.size() > grens)
        return teGroot();

    QFile bestand(pad);
    errno = 0;
    if (!bestand.open(QIODevice::ReadOnly)) {
        if (errno == EACCES || errno == EPERM)
            return Weiger(fout, QStringLiteral("Geen toestemming om \"%1\" te lezen.").arg(naam));
        return Weiger(fout, QStringLiteral("Het bestand \"%1\" is niet te openen.").arg(naam));
    }
    // A regular file fits in one piece of its size and a byte more, which finds its end without
    // growing the piece; only a file that grew meanwhile needs more room.
    QByteArray bytes(
        std::min<qint64>(info.isFile() ? info.size() + 1 : Stuk, grens + 1), Qt::Uninitialized);
    qint64 gelezen = 0;
    for (;;) {
        if (gelezen > grens)
            return teGroot();
        if (gelezen == bytes.size())
            bytes.resize(std::min<qint64>(gelezen + Stuk, grens + 1));
        const qint64 aantal = bestand.read(bytes.data() + gelezen, bytes.size() - gelezen);
        if (aantal < 0) {
            return Weiger(
                fout, QStringLiteral("Het bestand \"%1\" is niet volledig te lezen.").arg(naam));
        }
        if (aantal == 0) {
            bytes.truncate(gelezen);
            return bytes;
        }
        gelezen += aantal;
    }
}
