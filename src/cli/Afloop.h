#pragma once

// The exit status of a command, as scripts read it.
enum Afloop : int {
    Gedaan = 0,
    Geweigerd = 1, // the command was understood, but refused: nothing was written
    VerkeerdGebruik = 2, // the command line itself is wrong
};
