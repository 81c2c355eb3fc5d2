#pragma once

// The program's run from the framework's start to its end: the start-up
// routine, the event loop and the finalisation. Returns the exit status.
int RunNubrello(int& argc, char** argv);

// The start-up routine that the framework runs during its initialisation.
void Startup();

// Releases, in order, the sounds, the menu bar, the catalogue and the deck.
void Finalise();
