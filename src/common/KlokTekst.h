#pragma once

#include <QString>

class QDate;
class QDateTime;

// A date in the Dutch short form, day and month without leading zero: 6-12-2026.
QString KorteDatum(const QDate &datum);

// The clock of the main window: short date, " / ", and the time as H:mm:ss (6-12-2026 / 16:38:04).
QString KlokTekst(const QDateTime &moment);
