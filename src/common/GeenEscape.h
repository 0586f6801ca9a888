#pragma once

class QDialog;

// Escape does nothing in `dialoog`: a window where rows are typed one by one would otherwise
// throw them all away at one slip of the finger. Its boxes and drop-down lists keep their Escape.
void GeenEscape(QDialog &dialoog);
