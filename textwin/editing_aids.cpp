#include "textwin/editing_aids.h"

char g_searchText[160];
