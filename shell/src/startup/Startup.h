#pragma once

// Runs the program: main window (hidden), login, then the message loop.
int RunQuillet(int argc, char **argv);
