#include "app/build_profile.h"
#include "resources/resource_ids.h"

// German into English.
namespace {
SubjectArea g_areas[] = {
    {(char*)"anat", (char*)"Anatomie", 0, nullptr, 0},
    {(char*)"kfz", (char*)"Automobil", 0, nullptr, 0},
    {(char*)"education", (char*)"Bildungswesen", 0, nullptr, 0},
    {(char*)"biol", (char*)"Biologie", 0, nullptr, 0},
    {(char*)"bot", (char*)"Botanik", 0, nullptr, 0},
    {(char*)"chem", (char*)"Chemie", 0, nullptr, 0},
    {(char*)"computer", (char*)"Computer", 0, nullptr, 0},
    {(char*)"elec", (char*)"Elektronik", 0, nullptr, 0},
    {(char*)"banking", (char*)"Finanzwesen", 0, nullptr, 0},
    {(char*)"phot", (char*)"Fotografie", 0, nullptr, 0},
    {(char*)"comm", (char*)"Geschäftswesen", 0, nullptr, 0},
    {(char*)"gram", (char*)"Grammatik", 0, nullptr, 0},
    {(char*)"jur", (char*)"Jura", 0, nullptr, 0},
    {(char*)"math", (char*)"Mathematik", 0, nullptr, 0},
    {(char*)"medical", (char*)"Medizin", 0, nullptr, 0},
    {(char*)"mil", (char*)"Militär", 0, nullptr, 0},
    {(char*)"mus", (char*)"Musik", 0, nullptr, 0},
    {(char*)"phys", (char*)"Physik", 0, nullptr, 0},
    {(char*)"pol", (char*)"Politik", 0, nullptr, 0},
    {(char*)"psych", (char*)"Psychologie", 0, nullptr, 0},
    {(char*)"tech", (char*)"Technik", 0, nullptr, 0},
    {(char*)"theat", (char*)"Theater", 0, nullptr, 0},
    {(char*)"chess", (char*)"Schach", 0, nullptr, 0},
    {(char*)"sport", (char*)"Sport", 0, nullptr, 0},
    {(char*)"zool", (char*)"Zoologie", 0, nullptr, 0},
    {nullptr, nullptr, 0, nullptr, 0},
};

const BuildProfile g_profile = {
    .frameClass = "QDGerEng",
    .otherFrameClass = "QDEngGer",
    .baseNameString = IDS_QDGE,
    .builtinSubjectAreas = g_areas,
    .honorificOption = "letter",
    .optionsDialog = IDD_OPTIONS_QDGE,
    .fatalErrorDialog = IDD_FATAL_ERROR_QDGE,
    .aboutDialog = IDD_ABOUT_QDGE,
    .frameIcon = IDI_QDGE,
    .inputLabelString = IDS_GERMAN_LABEL,
    .outputLabelString = IDS_ENGLISH_LABEL,
    .lexiconFileName = "QD_USER.DE",
    .directionTag = "GtoE",
    .lexiconFilterString = IDS_LEXICON_FILES_DE,
    .lexiconFilterPattern = "*.DE",
    .lexiconExtension = "DE",
    .compoundAnalysisBound = true,
};
}  // namespace

const BuildProfile& CurrentBuild() { return g_profile; }
