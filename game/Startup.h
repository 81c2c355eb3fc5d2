#pragma once

// The program's run from the framework's start to its end: initialisation,
// the start-up routine, the event loop and the finalisation.
int RunNubrello(int& argc, char** argv);

// The start-up routine that the framework runs during its initialisation.
void Startup();
