#pragma once
// Resource identifiers shared by the .rc scripts and the code. The numbers are
// fixed: outside programs and the help file use them too.

// ---- Strings ----
#define IDS_CANNOT_OPEN 1
#define IDS_CANNOT_READ 2
#define IDS_CANNOT_CREATE 3
#define IDS_CANNOT_WRITE 4
#define IDS_SAVE_CHANGES 7
#define IDS_NOT_FOUND 8
#define IDS_INPUT_CAPTION 12
#define IDS_OUTPUT_CAPTION 13
#define IDS_TXT_EXTENSION 15
#define IDS_UNTITLED 17
#define IDS_PRODUCT 18
#define IDS_MESSAGES_CAPTION 19
#define IDS_QDEG 20
#define IDS_QDGE 24
#define IDS_ENGLISH_LABEL 26
#define IDS_GERMAN_LABEL 27
#define IDS_SAVE_AS_TITLE 28
#define IDS_SAVE_TITLE 29
#define IDS_PRODUCT_PLUS 30
#define IDS_WINDOW_AND_FILE_EMPTY 31
#define IDS_OPEN_TITLE 32
#define IDS_OPEN_LEXICON_TITLE 33
#define IDS_CREATE_LEXICON_TITLE 35
#define IDS_NO_MEMORY 39
#define IDS_DOCUMENT_BUSY 41
#define IDS_SAME_FILE 43
#define IDS_WRONG_DIRECTION 47
#define IDS_NOT_TEXT 50
#define IDS_HELP_VIEWER_MISSING 60
#define IDS_TIME_LIMIT_RANGE 61
#define IDS_INPUT_ERROR_TITLE 62
// File-type names of the file dialogs; their patterns stay in the code.
#define IDS_TEXT_FILES 70
#define IDS_ALL_FILES 71
#define IDS_LEXICON_FILES_DE 72
#define IDS_LEXICON_FILES_ED 73
// Menu items the program writes itself: the character-set item and the context menu.
#define IDS_MENU_CHARSET_TO_ASCII 80
#define IDS_MENU_CHARSET_TO_WINDOWS 81
#define IDS_MENU_EDIT_LEXICON 82
#define IDS_MENU_MARK_SENTENCE 83
#define IDS_MENU_EXTEND_MARKING 84
#define IDS_MENU_SELECT_ALL 85
#define IDS_MENU_CUT 86
#define IDS_MENU_COPY 87
#define IDS_MENU_PASTE 88
#define IDS_MENU_DELETE 89
#define IDS_MENU_FIND 90

// ---- Menus and accelerators ----
#define IDM_FRAME_MENU 2
#define IDA_ACCELERATORS 1

// ---- Commands ----
#define CMD_TRANSLATE_ALL 104
#define CMD_CONTENTS 114
#define CMD_MARK_SENTENCE 129
#define CMD_EXTEND_MARKING 130
#define CMD_OPTIONS 132
#define CMD_LEXICON 134
#define CMD_EDIT_LEXICON 135
#define CMD_SIDE_BY_SIDE 137
#define CMD_TRANSLATE_MARKED 138
#define CMD_HELP 139
#define CMD_STOP_RUN 141
#define CMD_CONVERT_CHARSET 142
#define CMD_TRANSLATE_SENTENCE 143
#define CMD_TRANSLATE_FILE 144
#define CMD_FONTS 145
#define CMD_OPEN 1002
#define CMD_SAVE 1003
#define CMD_SAVE_AS 1004
#define CMD_EXIT 1006
#define CMD_RUN_NEXT 1025
#define CMD_RUN_TRANSLATE 1026
#define CMD_NEW 1099
#define CMD_UNDO 2001
#define CMD_CUT 2002
#define CMD_COPY 2003
#define CMD_PASTE 2004
#define CMD_DELETE 2005
#define CMD_SELECT_ALL 2006
#define CMD_WORD_WRAP 2008
#define CMD_FIND 3001
#define CMD_FIND_NEXT 3002
#define CMD_FIND_PREVIOUS 3003
#define CMD_TILE 4001
#define CMD_CASCADE 4002
#define CMD_FIRST_CHILD 4100
#define CMD_HELP_ON_HELP 5001
#define CMD_ABOUT 5002
#define CMD_HELP_SEARCH 5003

// Aliases other programs post for menu commands (the command switch sees the
// menu command they stand for).
#define CMD_ALIAS_CUT 4401
#define CMD_ALIAS_COPY 4402
#define CMD_ALIAS_PASTE 4403
#define CMD_ALIAS_NEW 4404
#define CMD_ALIAS_OPEN 4405
#define CMD_ALIAS_SAVE 4406
#define CMD_ALIAS_EXTEND_MARKING 4407
#define CMD_ALIAS_MARK_SENTENCE 4408
#define CMD_ALIAS_TRANSLATE_SENTENCE 4409
#define CMD_ALIAS_EDIT_LEXICON 4410
#define CMD_ALIAS_CONTENTS 4411

// Commands of the word-processor link. The document ones say where the
// translation goes: a file (/S /T /W) or the text windows (/s /t /w).
#define CMD_LINK_NOTHING 990
#define CMD_LINK_LEXICON_WORD 991
#define CMD_LINK_CLIPBOARD 993
#define CMD_LINK_DOCUMENT_S 994
#define CMD_LINK_WINDOWS_S 995
#define CMD_LINK_DOCUMENT_T 996
#define CMD_LINK_WINDOWS_T 997
#define CMD_LINK_DOCUMENT_W 998
#define CMD_LINK_WINDOWS_W 999

// ---- Help topics that are no command ----
#define HELP_MENU_FILE 109
#define HELP_MENU_EDIT 110
#define HELP_MENU_TRANSLATE 111
#define HELP_MENU_OPTIONS 112
#define HELP_MENU_WINDOW 113
#define HELP_MENU_HELP 115
#define HELP_OUTPUT_WINDOW 1092
#define HELP_MESSAGES_WINDOW 1093
#define HELP_INPUT_WINDOW 1094

// ---- Dialogs ----
#define IDD_PROGRESS 117
#define IDD_OPTIONS_QDEG 118
#define IDD_OPTIONS_QDGE 119
#define IDD_SPLASH 120
#define IDD_TO_WINDOWS_CHARSET 127
#define IDD_TO_ASCII_CHARSET 128
#define IDD_FILE_TOO_LARGE 130
#define IDD_OUTPUT_FULL 131
#define IDD_DROP_TARGET 132
#define IDD_ABOUT_QDGE 143
#define IDD_ABOUT_QDEG 144
#define IDD_ENGINE_INIT_FAILED 159
#define IDD_ENGINE_MISSING 175
#define IDD_FATAL_ERROR_QDGE 183
#define IDD_FATAL_ERROR_QDEG 184
#define IDD_FIND 400
#define IDD_USER_LEXICON 502

// ---- Controls ----
#define IDC_CANCEL_RUN 2
#define IDC_STEP_TEXT 500
#define IDC_HELP_BUTTON 1000
#define IDC_INPUT_WINDOW 1159
#define IDC_OUTPUT_WINDOW 1160
#define IDC_ANIMATION 1165
#define IDC_SENTENCE_NUMBER 3244
#define IDC_EDIT 3244
#define IDC_MDI_CLIENT 3244

// Find dialog (400)
#define IDC_SEARCH_LABEL 100
#define IDC_SEARCH_TEXT 401
#define IDC_SEARCH_BACKWARD 402
#define IDC_MATCH_CASE 403

// Translation options (119 and 118); each check box is named by its option
#define IDC_IMPERSONAL 1122
#define IDC_HONORIFIC 1123
#define IDC_NEWLINE_ENDS_SENTENCE 1125
#define IDC_RAP 1128
#define IDC_SUBJECT_AREAS 1130
#define IDC_TIMELIMIT 1146
#define IDC_COMPOUND_ANALYSIS 1162
#define IDC_SS_OUTPUT 1166  // "ssszeg"
#define IDC_SS_INPUT 1167   // "sssz"

// User lexicon (502)
#define IDC_USE_LEXICON 1136
#define IDC_LEXICON_PATH 1137
#define IDC_NEW_LEXICON 1138
#define IDC_FIND_LEXICON 1139
#define IDC_LEXICON_LABEL 1147

// ---- Icons and bitmaps ----
#define IDI_QDEG 137
#define IDI_QDGE 138
#define IDI_TEXT_WINDOW 147
#define IDI_MESSAGES_WINDOW 149
