#pragma once

#include <functional>

class QWidget;

// Lets Enter (the main key or the one of the number pad) in `invoer` do `actie`, as users
// expect of a dialog: in a name box it does what the dialog's Ok or Opslaan does. The key goes
// no further. An open drop-down list of a combo box keeps Enter for choosing its item.
void BijEnter(QWidget &invoer, std::function<void()> actie);
