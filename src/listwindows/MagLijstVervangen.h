#pragma once

class HoofdVenster;
class QWidget;

// Whether the list in the main window may make way for another one: at once when it has no
// unsaved changes, otherwise only when the user answers Ja to the question. Nee, also the
// answer to Enter, leaves everything as it was.
bool MagLijstVervangen(HoofdVenster &hoofd, QWidget *ouder);
