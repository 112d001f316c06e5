#pragma once
#include "lexicon/subject_area.h"

// What tells the two programs apart. QDGE.exe links build_qdge.cpp, QDEG.exe
// links build_qdeg.cpp; everything else is one code base.
struct BuildProfile {
    const char* frameClass;           // own frame window class
    const char* otherFrameClass;      // the other program's frame class
    int baseNameString;               // string "QDGE"/"QDEG": settings and catalogue base name
    SubjectArea* builtinSubjectAreas; // array closed by an entry whose code is null
    const char* honorificOption;      // engine option fed by the "Honorific" setting
    int optionsDialog;
    int fatalErrorDialog;
    int aboutDialog;
    int frameIcon;
    int inputLabelString;             // language label of the input window
    int outputLabelString;
    const char* lexiconFileName;      // default user lexicon beside the program
    const char* directionTag;
    int lexiconFilterString;          // name of the lexicon files' type in the file dialogs
    const char* lexiconFilterPattern;
    const char* lexiconExtension;
    bool compoundAnalysisBound;       // the options dialog reads "CompoundAnalysis" from its box
};

const BuildProfile& CurrentBuild();
