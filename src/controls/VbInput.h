#pragma once

#include <QKeyEvent>
#include <Qt>

// The numbers the button's events carry for mouse buttons, shift keys, key codes and drop
// effects, as handlers written against the Windows key and button codes expect them.
int vbButtons(Qt::MouseButtons buttons);
int vbShift(Qt::KeyboardModifiers modifiers);
// 0 for keys without a Windows key code.
int vbKeyCode(int qtKey);
int vbDropEffect(Qt::DropActions actions);
// The one action to report back for the effect a handler left: the proposed action when the
// effect allows it, else the first allowed one; Qt::IgnoreAction when none fits.
Qt::DropAction qtDropAction(int effect, Qt::DropAction proposed, Qt::DropActions possible);
