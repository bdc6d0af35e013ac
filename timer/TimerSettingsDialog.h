#pragma once
#include <windows.h>

// The parts of the timer settings dialog ("SETTIMERDLG"); its dialog
// procedure TimerSettingsDialog is declared with the others in Dialogs.h.

// Copies the AlarmSettings that the dialog was opened with (an AlarmBinding
// as its parameter) into the controls.
void FillTimerDialog(HWND dialog);
// The first control whose input would be refused (time edits in order, the
// count, the snooze minutes, then a wave path too long to store), or null
// when everything may be stored.
HWND ValidateTimerDialog(HWND dialog);
// Copies the controls into that AlarmSettings and stores them; false when
// a count is no number to take (nothing is taken then), or they could not
// be stored, and they then hold for this run only.
bool ReadTimerDialog(HWND dialog);
