#include "common/Csv.h"

void VoegCsvCel(QByteArray &regel, QStringView cel)
{
    QByteArray tekst = cel.toUtf8();
    if (tekst.contains(';') || tekst.contains('"') || tekst.contains('\r')
        || tekst.contains('\n')) {
        tekst.replace('"', "\"\"");
        tekst = '"' + tekst + '"';
    }
    regel += tekst;
}

QString GeenFormule(QStringView cel)
{
    if (!cel.isEmpty() && QStringView(u"=+-@\t\r").contains(cel.front()))
        return u'\'' + cel.toString();
    return cel.toString();
}
