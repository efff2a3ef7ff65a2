#pragma once

// The program: start-up, the event loop and the end. Returns the exit code.
int RunZentoria(int argc, char** argv);
