#include "app/build_profile.h"

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
    "QDGerEng", "QDEngGer", 24, g_areas, "letter",
    119, 183, 143, 138, 27, 26,
    "QD_USER.DE", "GtoE", "Lexika D->E (*.DE)", "*.DE", "DE", true,
};
}  // namespace

const BuildProfile& CurrentBuild() { return g_profile; }
