#pragma once

// The program's look for every window: the Fusion style and Arial as the application's font.
// The program and the start-up benchmarks call it before the first window is made.
void RichtToepassingIn();
