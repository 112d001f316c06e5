#include "app/build_profile.h"
#include "resources/resource_ids.h"

// English into German.
namespace {
SubjectArea g_areas[] = {
    {(char*)"auto", (char*)"Automobil", 0, nullptr, 0},
    {(char*)"computers", (char*)"Computer", 0, nullptr, 0},
    {(char*)"printing", (char*)"Druckwesen", 0, nullptr, 0},
    {(char*)"finance", (char*)"Finanzwesen", 0, nullptr, 0},
    {(char*)"business", (char*)"Geschäftswesen", 0, nullptr, 0},
    {(char*)"hw", (char*)"Hardware", 0, nullptr, 0},
    {(char*)"law", (char*)"Jura", 0, nullptr, 0},
    {(char*)"ling", (char*)"Linguistik", 0, nullptr, 0},
    {(char*)"medical", (char*)"Medizin", 0, nullptr, 0},
    {(char*)"military", (char*)"Militär", 0, nullptr, 0},
    {(char*)"music", (char*)"Musik", 0, nullptr, 0},
    {(char*)"sw", (char*)"Software", 0, nullptr, 0},
    {(char*)"sports", (char*)"Sport", 0, nullptr, 0},
    {(char*)"technical", (char*)"Technik", 0, nullptr, 0},
    {(char*)"ins", (char*)"Versicherungswesen", 0, nullptr, 0},
    {nullptr, nullptr, 0, nullptr, 0},
};

const BuildProfile g_profile = {
    .frameClass = "QDEngGer",
    .otherFrameClass = "QDGerEng",
    .baseNameString = IDS_QDEG,
    .builtinSubjectAreas = g_areas,
    .honorificOption = "honorific",
    .optionsDialog = IDD_OPTIONS_QDEG,
    .fatalErrorDialog = IDD_FATAL_ERROR_QDEG,
    .aboutDialog = IDD_ABOUT_QDEG,
    .frameIcon = IDI_QDEG,
    .inputLabelString = IDS_ENGLISH_LABEL,
    .outputLabelString = IDS_GERMAN_LABEL,
    .lexiconFileName = "QD_USER.ED",
    .directionTag = "EtoG",
    .lexiconFilterString = IDS_LEXICON_FILES_ED,
    .lexiconFilterPattern = "*.ED",
    .lexiconExtension = "ED",
    .compoundAnalysisBound = false,
};
}  // namespace

const BuildProfile& CurrentBuild() { return g_profile; }
