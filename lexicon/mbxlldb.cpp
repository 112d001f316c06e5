// placeholder
#include <windows.h>
#include "lexicon/subject_area.h"
extern "C" {
int WINAPI LexiconOpen(const char*, int, SubjectArea*, const char*) { return -1; }
int WINAPI LexiconClose(int) { return 0; }
SubjectArea* WINAPI LexiconSubjectAreas(SubjectArea*) { return nullptr; }
}
