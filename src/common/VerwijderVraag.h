#pragma once

#include <QString>

class MessageBoxes;
class QWidget;

// Asks whether the row with this description may be deleted; true when the user answers Yes.
// Enter answers No.
// The main window and the fixed-costs window ask alike.
bool VraagVerwijderen(MessageBoxes &berichten, QWidget *venster, const QString &omschrijving);
