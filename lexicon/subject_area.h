#pragma once
// One entry of a subject-area list. The layout is shared with the lexicon store
// library, which hands out lists of these; keep the field order and sizes.
struct SubjectArea {
    char* code;         // engine's name of the area and the settings key
    char* name;         // what the options dialog lists
    int selected;       // 0 or 1
    SubjectArea* next;
    int reserved;       // always 0
};
