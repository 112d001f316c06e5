#pragma once
#include <windows.h>

// "Übersetzungsweise": subject areas and translation options, stored and sent to
// the engine on OK. Layout 119 in QDGE, 118 in QDEG.
void RunOptionsDialog(HWND frame);

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The leading decimal number of a time-limit field; 0 when there is none.
int LeadingNumber(const char* text);
