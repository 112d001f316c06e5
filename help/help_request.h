#pragma once
// What the program asks of the help viewer. The same text travels as the
// viewer's command line and, to a viewer already running, in WM_COPYDATA:
//   "<help file>" /contents | /context <number> | /search [key] | /helponhelp
//   /quit
// Pure text handling, shared by the program and the viewer.
#include <string>

constexpr char kHelpViewerClass[] = "QDHelpViewer";
constexpr char kHelpViewerProgram[] = "QDHELP.exe";
// dwData of the WM_COPYDATA that carries a request: "QDH1".
constexpr unsigned long kHelpRequestTag = 0x31484451UL;
// Registered message the viewer answers with the number of the topic it shows
// (0 while its search page is up); for outside tools that check what it shows.
constexpr char kHelpViewerInspectMessage[] = "QuendelHelpInspect";

enum class HelpAction { Contents, Context, Search, UsingHelp, Quit };

struct HelpRequest {
    std::string file;  // the help file; empty for /quit
    HelpAction action = HelpAction::Contents;
    int context = 0;   // for Context
    std::string key;   // for Search; may be empty
};

std::string FormatHelpRequest(const HelpRequest& request);

// Reads a request; false when the text names no known switch or a bad number.
// A file without a switch asks for the contents.
bool ParseHelpRequest(const std::string& text, HelpRequest* request);

// The arguments of a whole command line: what follows the program's name, which
// may be quoted.
std::string CommandLineArguments(const std::string& commandLine);
