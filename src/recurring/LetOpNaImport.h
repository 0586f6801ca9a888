#pragma once

#include <QDate>
#include <QStringList>

class Geleerd;
class Programma;

// What an import of a bank's statement tells of the contracts, each thing once: by the import
// that brought it.

// The day of the last transaction learned; invalid when none was.
QDate LaatstGeleerd(const Geleerd &geleerd);

// The changes that became known and the contracts that stopped after `van` (the last transaction
// learned before the import; invalid when none was) up to the last one learned now, as `geleerd`
// and the lists hold them, and not after today: "Let op: …" lines (LetOp). An import of
// transactions older than those read before tells nothing.
QStringList LetOpNaImport(const Programma &programma, const Geleerd &geleerd, QDate van);
