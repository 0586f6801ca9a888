#pragma once

class Programma;

// Ten years of one household's months up to this year (matching/Huishouden.h, a year of its own
// each, kept by hand) as lists in the program's Data folder; returns how many entries they hold.
// A file of its own: the generator's names meet the contracts' in one that includes both.
int SchrijfTienJaar(const Programma &programma);
