#pragma once
// Dialogs and controls of the lexicon editor (MBXDLL.dll), shared by its resource
// script, its code and the tests that drive it.

#define IDD_LEXED_ENTRY 100
#define IDD_LEXED_LIST 101

// The entry window; "&Speichern" is IDOK and "Schließen" IDCANCEL, so that Enter
// saves and Escape closes.
#define IDC_LEXED_SOURCE 1001
#define IDC_LEXED_TRANSLATION 1002
#define IDC_LEXED_PART 1003
#define IDC_LEXED_AREA 1004
#define IDC_LEXED_PREVIOUS 1005
#define IDC_LEXED_NEXT 1006
#define IDC_LEXED_POSITION 1007
#define IDC_LEXED_STATUS 1008
#define IDC_LEXED_DELETE 1010
#define IDC_LEXED_NEW 1011
#define IDC_LEXED_SHOW_LIST 1012
#define IDC_LEXED_HELP 1013

// The list window; "&Bearbeiten" is IDOK, "Schließen" IDCANCEL, "&Hilfe" as above.
#define IDC_LEXED_FILTER 1020
#define IDC_LEXED_ENTRIES 1021
#define IDC_LEXED_COUNT 1022

// Help contexts the editor sets before it calls the program's help callback; the
// program's help file has a topic for each.
#define LEXED_HELP_ENTRY 6001
#define LEXED_HELP_LIST 6002
