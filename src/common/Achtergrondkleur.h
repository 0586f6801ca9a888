#pragma once

class HoofdVenster;

// Gives the main window and its four panels the background colour of the three components.
// Nothing else changes: not the stored components, not the settings file, no other window.
void ZetAchtergrondkleur(HoofdVenster &hoofd, int rood, int groen, int blauw);
