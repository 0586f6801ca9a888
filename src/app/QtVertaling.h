#pragma once

class QWidget;

// Qt's own texts in Dutch: the file chooser, the right-click menu of every input box. They are
// loaded once `venster` has been painted for the first time, so the start-up does not wait for
// them; without Qt's translation files on the system those texts stay English.
void VertaalQtNaEersteVerf(QWidget &venster);
