#pragma once
#include <windows.h>

// The faces' life: App's face made, fitted and reshaped. Each asks the next
// tick for a whole new face.

// Replaces whichever face exists by the one that OnAnalog asks for.
void CreateFace(HWND window);

// The analog face fitted to a new client size, or given the shape that the
// options ask for; nothing without an analog face.
void ResizeAnalog(int clientWidth, int clientHeight);
void ReshapeAnalog();
