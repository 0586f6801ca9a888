#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The reckoning day of `--op JJJJ-MM-DD` ("terugkerend", "begroting"): a calendar day, written
// exactly as Geldlog writes dates (common/IsoDatum), so 2026-02-30 and 2026-3-1 are refused. None,
// with the Dutch reason in `waarom`, when the text is no such day.
std::optional<QDate> LeesOpDag(const QString &tekst, QString *waarom);
