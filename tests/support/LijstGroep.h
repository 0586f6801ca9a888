#pragma once

#include <QByteArray>

// One entry as the list and fixed-costs files hold it: date, description, income and expense
// on lines of their own, then the dividing line, each ended by CR LF.
inline QByteArray Groep(const QByteArray &datum, const QByteArray &omschrijving,
    const QByteArray &inkomsten, const QByteArray &uitgaven,
    const QByteArray &scheiding = "----------------------------")
{
    return datum + "\r\n" + omschrijving + "\r\n" + inkomsten + "\r\n" + uitgaven + "\r\n"
        + scheiding + "\r\n";
}
