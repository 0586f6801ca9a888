#pragma once

class Clock;

// Pauses for `seconden` while the window events keep being handled, so the animations repaint
// and buttons keep reacting. A caller whose window may close during the pause checks it after.
void Wacht(Clock &klok, double seconden);
