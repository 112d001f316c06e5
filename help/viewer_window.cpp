// The help viewer's window: which topic it shows, the search, "Zurück", and the
// requests that the program hands over.
#include "help/viewer_window.h"

#include <string.h>

#include <deque>
#include <string>
#include <vector>

#include "help/help_file.h"
#include "help/viewer_ids.h"

namespace {

constexpr char kViewerName[] = "Quendel Hilfe";  // caption until a file names its own
constexpr char kHelpFileName[] = "QD.hlp";
constexpr UINT kPerformRequest = WM_APP + 1;

// Layout, in pixels.
constexpr int kMargin = 8;
constexpr int kGap = 6;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 26;
constexpr int kLabelHeight = 18;
constexpr int kTitleHeight = 30;
constexpr int kSearchBoxHeight = 24;
constexpr int kSeeAlsoHeight = 96;
constexpr int kDefaultWidth = 560;
constexpr int kDefaultHeight = 640;
constexpr int kSmallestWidth = 4 * (kButtonWidth + kGap) + 2 * kMargin;
constexpr int kSmallestHeight = 320;

const int kButtons[] = {kViewerContentsButton, kViewerSearchButton, kViewerBackButton,
                        kViewerUsingHelpButton};
const int kTopicPage[] = {kViewerTopicTitle, kViewerTopicText, kViewerSeeAlsoLabel,
                          kViewerSeeAlso};
const int kSearchPage[] = {kViewerSearchLabel, kViewerSearchBox, kViewerResultsLabel,
                           kViewerResults, kViewerShowResult};

// Everything the viewer holds: one record for the process.
struct Viewer {
    HINSTANCE instance = nullptr;
    HWND window = nullptr;
    HFONT textFont = nullptr;
    HFONT titleFont = nullptr;

    std::string fileName;  // the help file loaded; empty: none yet
    HelpFile help;
    bool onSearchPage = false;
    int current = 0;            // the topic shown, or shown last before the search
    std::vector<int> history;   // topics shown before it, for "Zurück"
    std::vector<int> links;     // topic of each "Siehe auch" entry
    std::vector<int> results;   // topic of each search result
    std::deque<HelpRequest> pending;
    bool reporting = false;     // a message box of ours is open
};

Viewer g_viewer;

HWND Control(int id) { return GetDlgItem(g_viewer.window, id); }

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], length + 1)));
    return text;
}

std::string DefaultHelpFile() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length < sizeof path ? length : 0);
    return folder.substr(0, folder.find_last_of('\\') + 1) + kHelpFileName;
}

// ---- Messages to the user ----

// Requests that arrive meanwhile wait until the box is answered.
void Report(const std::string& text, UINT icon) {
    HWND owner = IsWindowVisible(g_viewer.window) ? g_viewer.window : nullptr;
    g_viewer.reporting = true;
    MessageBoxA(owner, text.c_str(), kViewerName, MB_OK | MB_SETFOREGROUND | icon);
    g_viewer.reporting = false;
}

// The program names a help file ending in "?" when its folder's name is too long
// to hold "QD.hlp".
void ReportNoHelpFile(const std::string& name) {
    std::string text = "Es wurde keine Hilfedatei gefunden.";
    if (!name.empty() && name.back() == '?')
        text += "\n\nDer Name des Programmordners ist zu lang, um darin die Hilfedatei zu finden.";
    else
        text += "\n\nGesucht wurde: " + name;
    Report(text, MB_ICONEXCLAMATION);
}

void ReportDamagedHelpFile(const std::string& name, const HelpFileError& error) {
    std::string where = error.line > 0 ? "Zeile " + std::to_string(error.line) + ": " : "";
    Report("Die Hilfedatei " + name + " läßt sich nicht lesen.\n\n" + where + error.message,
           MB_ICONSTOP);
}

// ---- The help file ----

bool ReadWholeFile(const std::string& name, std::string* text) {
    HANDLE file = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD size = GetFileSize(file, nullptr);
    bool read = size != INVALID_FILE_SIZE;
    if (read) {
        text->assign(size, '\0');
        DWORD got = 0;
        read = size == 0 || (ReadFile(file, &(*text)[0], size, &got, nullptr) && got == size);
    }
    CloseHandle(file);
    return read;
}

bool IsHelpFileName(const std::string& name) {
    if (name.empty() || name.back() == '?') return false;
    DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Keeps the file already shown; a file that cannot be had leaves everything as it was.
bool LoadHelpFile(const std::string& name) {
    if (!g_viewer.fileName.empty() && lstrcmpiA(name.c_str(), g_viewer.fileName.c_str()) == 0)
        return true;
    std::string text;
    if (!IsHelpFileName(name) || !ReadWholeFile(name, &text)) {
        ReportNoHelpFile(name);
        return false;
    }
    HelpFile help;
    HelpFileError error;
    if (!ParseHelpFile(text, &help, &error)) {
        ReportDamagedHelpFile(name, error);
        return false;
    }
    g_viewer.help = help;
    g_viewer.fileName = name;
    g_viewer.current = 0;
    g_viewer.history.clear();
    return true;
}

// ---- Layout ----

void Place(int id, int x, int y, int width, int height) {
    MoveWindow(Control(id), x, y, width > 0 ? width : 0, height > 0 ? height : 0, TRUE);
}

void LayOutTopicPage(int top, int width, int bottom) {
    Place(kViewerTopicTitle, kMargin, top, width, kTitleHeight);
    int textTop = top + kTitleHeight;
    int textBottom = bottom;
    if (!g_viewer.links.empty()) {
        int listTop = bottom - kSeeAlsoHeight;
        Place(kViewerSeeAlso, kMargin, listTop, width, kSeeAlsoHeight);
        Place(kViewerSeeAlsoLabel, kMargin, listTop - kLabelHeight, width, kLabelHeight);
        textBottom = listTop - kLabelHeight - kGap;
    }
    Place(kViewerTopicText, kMargin, textTop, width, textBottom - textTop);
}

void LayOutSearchPage(int top, int width, int bottom) {
    Place(kViewerSearchLabel, kMargin, top, width, kLabelHeight);
    Place(kViewerSearchBox, kMargin, top + kLabelHeight, width, kSearchBoxHeight);
    int listTop = top + kLabelHeight + kSearchBoxHeight + kGap;
    Place(kViewerResultsLabel, kMargin, listTop, width, kLabelHeight);
    listTop += kLabelHeight;
    int buttonTop = bottom - kButtonHeight;
    Place(kViewerResults, kMargin, listTop, width, buttonTop - kGap - listTop);
    Place(kViewerShowResult, kMargin + width - kButtonWidth, buttonTop, kButtonWidth,
          kButtonHeight);
}

void LayOut() {
    RECT client;
    GetClientRect(g_viewer.window, &client);
    int x = kMargin;
    for (int id : kButtons) {
        Place(id, x, kMargin, kButtonWidth, kButtonHeight);
        x += kButtonWidth + kGap;
    }
    int top = kMargin + kButtonHeight + kMargin;
    int width = client.right - 2 * kMargin;
    int bottom = client.bottom - kMargin;
    LayOutTopicPage(top, width, bottom);
    LayOutSearchPage(top, width, bottom);
}

// ---- Pages ----

void SetCaption(const std::string& what) {
    std::string name = g_viewer.help.title.empty() ? kViewerName : g_viewer.help.title;
    SetWindowTextA(g_viewer.window, (name + " - " + what).c_str());
}

bool CanGoBack() {
    return !g_viewer.history.empty() || (g_viewer.onSearchPage && g_viewer.current != 0);
}

void ShowPage(bool search) {
    g_viewer.onSearchPage = search;
    for (int id : kTopicPage) ShowWindow(Control(id), search ? SW_HIDE : SW_SHOW);
    for (int id : kSearchPage) ShowWindow(Control(id), search ? SW_SHOW : SW_HIDE);
    if (g_viewer.links.empty()) {
        ShowWindow(Control(kViewerSeeAlsoLabel), SW_HIDE);
        ShowWindow(Control(kViewerSeeAlso), SW_HIDE);
    }
    EnableWindow(Control(kViewerBackButton), CanGoBack());
    LayOut();
}

// Keyboard focus on the page in front, so that a control hidden with the other
// page does not keep it.
void FocusPage() {
    if (!g_viewer.onSearchPage) {
        SetFocus(Control(kViewerTopicText));
        return;
    }
    HWND box = Control(kViewerSearchBox);
    SetFocus(box);
    SendMessageA(box, EM_SETSEL, 0, -1);
}

void FillLinks(const HelpTopic& topic) {
    HWND list = Control(kViewerSeeAlso);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    g_viewer.links.clear();
    for (int context : topic.seeAlso) {
        const HelpTopic* target = g_viewer.help.Find(context);
        if (!target) continue;  // the build checks the shipped file; others may have holes
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(target->title.c_str()));
        g_viewer.links.push_back(context);
    }
}

void ShowTopic(int context, bool remember) {
    const HelpTopic* topic = g_viewer.help.Find(context);
    if (!topic) topic = g_viewer.help.ContentsTopic();
    if (remember && g_viewer.current != 0 && g_viewer.current != topic->context)
        g_viewer.history.push_back(g_viewer.current);
    g_viewer.current = topic->context;
    SetWindowTextA(Control(kViewerTopicTitle), topic->title.c_str());
    SetWindowTextA(Control(kViewerTopicText), TopicText(*topic).c_str());
    FillLinks(*topic);
    SetCaption(topic->title);
    ShowPage(false);
    FocusPage();
}

void ShowContext(int context) {
    if (!g_viewer.help.Find(context))
        Report("Zu diesem Thema (" + std::to_string(context) +
                   ") enthält die Hilfe keine Seite. Es folgt der Inhalt.",
               MB_ICONINFORMATION);
    ShowTopic(context, true);
}

void FillResults() {
    std::vector<const HelpTopic*> found =
        SearchTopics(g_viewer.help, WindowText(Control(kViewerSearchBox)));
    HWND list = Control(kViewerResults);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    g_viewer.results.clear();
    for (const HelpTopic* topic : found) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(topic->title.c_str()));
        g_viewer.results.push_back(topic->context);
    }
    if (!found.empty()) SendMessageA(list, LB_SETCURSEL, 0, 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    std::string label = "Gefundene &Themen: " + std::to_string(found.size());
    SetWindowTextA(Control(kViewerResultsLabel), label.c_str());
    EnableWindow(Control(kViewerShowResult), !found.empty());
}

void ShowSearch(const std::string& key) {
    SetWindowTextA(Control(kViewerSearchBox), key.c_str());
    FillResults();
    SetCaption("Suchen");
    ShowPage(true);
    FocusPage();
}

void ShowUsingHelp() {
    if (const HelpTopic* topic = g_viewer.help.UsingHelpTopic()) ShowTopic(topic->context, true);
}

void ShowContents() {
    if (const HelpTopic* topic = g_viewer.help.ContentsTopic()) ShowTopic(topic->context, true);
}

void GoBack() {
    if (g_viewer.onSearchPage && g_viewer.current != 0) {
        ShowTopic(g_viewer.current, false);
        return;
    }
    if (g_viewer.history.empty()) return;
    int previous = g_viewer.history.back();
    g_viewer.history.pop_back();
    ShowTopic(previous, false);
}

// The topic chosen in a list: a "Siehe auch" entry or a search result.
void OpenChosen(int listId, const std::vector<int>& topics) {
    LRESULT chosen = SendMessageA(Control(listId), LB_GETCURSEL, 0, 0);
    if (chosen < 0 || static_cast<size_t>(chosen) >= topics.size()) return;
    ShowTopic(topics[static_cast<size_t>(chosen)], true);
}

bool IsButton(HWND window) {
    char className[16];
    return GetClassNameA(window, className, sizeof className) > 0 &&
           lstrcmpiA(className, "Button") == 0;
}

void OnCommand(int id, int notification);

// Enter: what it does depends on where the keyboard focus is.
void OnEnter() {
    HWND focus = GetFocus();
    if (!focus || GetParent(focus) != g_viewer.window) return;
    int id = GetDlgCtrlID(focus);
    if (id == kViewerSeeAlso) OpenChosen(kViewerSeeAlso, g_viewer.links);
    else if (id == kViewerSearchBox || id == kViewerResults)
        OpenChosen(kViewerResults, g_viewer.results);
    else if (IsButton(focus))
        OnCommand(id, BN_CLICKED);
}

void BringForward() {
    HWND window = g_viewer.window;
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    else if (!IsWindowVisible(window)) ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    FocusPage();
}

// ---- Requests ----

void Perform(const HelpRequest& request) {
    if (request.action == HelpAction::Quit) {
        DestroyWindow(g_viewer.window);
        return;
    }
    std::string name = request.file;
    if (name.empty()) name = g_viewer.fileName.empty() ? DefaultHelpFile() : g_viewer.fileName;
    if (!LoadHelpFile(name)) {
        // Nothing to show: the viewer goes, as it came, after its message.
        if (g_viewer.fileName.empty()) DestroyWindow(g_viewer.window);
        return;
    }
    switch (request.action) {
    case HelpAction::Context: ShowContext(request.context); break;
    case HelpAction::Search: ShowSearch(request.key); break;
    case HelpAction::UsingHelp: ShowUsingHelp(); break;
    default: ShowContents(); break;
    }
    BringForward();
}

// In the order they came; the viewer may close on the way (/quit, no help file).
void PerformPendingRequests() {
    while (!g_viewer.pending.empty() && !g_viewer.reporting && IsWindow(g_viewer.window)) {
        HelpRequest request = g_viewer.pending.front();
        g_viewer.pending.pop_front();
        Perform(request);
    }
}

LRESULT TakeRequest(const COPYDATASTRUCT* data) {
    if (!data || data->dwData != kHelpRequestTag || !data->lpData || data->cbData == 0)
        return FALSE;
    const char* text = static_cast<const char*>(data->lpData);
    HelpRequest request;
    if (!ParseHelpRequest(std::string(text, strnlen(text, data->cbData)), &request)) return FALSE;
    QueueRequest(g_viewer.window, request);
    return TRUE;
}

// ---- Window ----

HWND AddControl(const char* className, const char* text, DWORD style, DWORD extendedStyle,
                int id) {
    HWND control = CreateWindowExA(extendedStyle, className, text, WS_CHILD | style, 0, 0, 0, 0,
                                   g_viewer.window,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   g_viewer.instance, nullptr);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

// Each label stands right before its control, so that its mnemonic reaches it.
void CreateControls() {
    const DWORD button = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    const DWORD list = WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    AddControl("BUTTON", "&Inhalt", button | WS_GROUP, 0, kViewerContentsButton);
    AddControl("BUTTON", "&Suchen", button, 0, kViewerSearchButton);
    AddControl("BUTTON", "&Zurück", button, 0, kViewerBackButton);
    AddControl("BUTTON", "&Hilfe benutzen", button, 0, kViewerUsingHelpButton);

    AddControl("STATIC", "", SS_LEFT | SS_NOPREFIX, 0, kViewerTopicTitle);
    AddControl("EDIT", "", WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
               WS_EX_CLIENTEDGE, kViewerTopicText);
    AddControl("STATIC", "Siehe &auch:", SS_LEFT, 0, kViewerSeeAlsoLabel);
    AddControl("LISTBOX", "", list, WS_EX_CLIENTEDGE, kViewerSeeAlso);

    AddControl("STATIC", "Such&begriff (Wörter aus Titel oder Text):", SS_LEFT, 0,
               kViewerSearchLabel);
    AddControl("EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, kViewerSearchBox);
    AddControl("STATIC", "Gefundene &Themen:", SS_LEFT, 0, kViewerResultsLabel);
    AddControl("LISTBOX", "", list, WS_EX_CLIENTEDGE, kViewerResults);
    AddControl("BUTTON", "A&nzeigen", WS_TABSTOP | BS_PUSHBUTTON, 0, kViewerShowResult);

    SendMessageA(Control(kViewerTopicTitle), WM_SETFONT,
                 reinterpret_cast<WPARAM>(g_viewer.titleFont), FALSE);
    // What is read (the text, the topics to pick, the words searched) in the text's font.
    for (int id : {kViewerTopicText, kViewerSeeAlso, kViewerSearchBox, kViewerResults})
        SendMessageA(Control(id), WM_SETFONT, reinterpret_cast<WPARAM>(g_viewer.textFont), FALSE);
    ShowPage(false);
}

HFONT MakeFont(int height, int weight) {
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       VARIABLE_PITCH | FF_SWISS, "Arial");
}

void OnCommand(int id, int notification) {
    switch (id) {
    case IDOK: OnEnter(); break;
    case IDCANCEL:
        if (g_viewer.onSearchPage) GoBack();
        break;
    case kViewerContentsButton: ShowContents(); break;
    case kViewerSearchButton: ShowSearch(WindowText(Control(kViewerSearchBox))); break;
    case kViewerBackButton: GoBack(); break;
    case kViewerUsingHelpButton: ShowUsingHelp(); break;
    case kViewerShowResult: OpenChosen(kViewerResults, g_viewer.results); break;
    case kViewerSeeAlso:
        if (notification == LBN_DBLCLK) OpenChosen(kViewerSeeAlso, g_viewer.links);
        break;
    case kViewerResults:
        if (notification == LBN_DBLCLK) OpenChosen(kViewerResults, g_viewer.results);
        break;
    case kViewerSearchBox:
        if (notification == EN_CHANGE && g_viewer.onSearchPage) FillResults();
        break;
    case kViewerTopicText:
        // The dialog keys select the whole text when Tab reaches it; reading needs none.
        if (notification == EN_SETFOCUS) PostMessageA(Control(id), EM_SETSEL, 0, 0);
        break;
    default: break;
    }
}

UINT InspectMessage() {
    static const UINT message = RegisterWindowMessageA(kHelpViewerInspectMessage);
    return message;
}

LRESULT CALLBACK ViewerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        g_viewer.window = window;
        CreateControls();
        return 0;
    case WM_SIZE:
        LayOut();
        return 0;
    case WM_GETMINMAXINFO: {
        MINMAXINFO* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize.x = kSmallestWidth;
        limits->ptMinTrackSize.y = kSmallestHeight;
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        // The topic's text is read-only but should read like paper, not like a dialog.
        if (reinterpret_cast<HWND>(lParam) == Control(kViewerTopicText)) {
            HDC context = reinterpret_cast<HDC>(wParam);
            SetTextColor(context, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(context, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_COPYDATA:
        return TakeRequest(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case kPerformRequest:
        PerformPendingRequests();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        // The controls that used the fonts are gone now.
        DeleteObject(g_viewer.textFont);
        DeleteObject(g_viewer.titleFont);
        return 0;
    default:
        if (message == InspectMessage()) return g_viewer.onSearchPage ? 0 : g_viewer.current;
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterViewerClass(HINSTANCE instance) {
    WNDCLASSA viewerClass = {};
    viewerClass.lpfnWndProc = ViewerWindowProc;
    viewerClass.hInstance = instance;
    viewerClass.hIcon = LoadIconA(nullptr, IDI_QUESTION);
    viewerClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    viewerClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    viewerClass.lpszClassName = kHelpViewerClass;
    return RegisterClassA(&viewerClass) != 0;
}

HWND CreateViewerWindow(HINSTANCE instance) {
    g_viewer.instance = instance;
    g_viewer.textFont = MakeFont(-15, FW_NORMAL);
    g_viewer.titleFont = MakeFont(-20, FW_BOLD);
    // At the right edge of the screen, beside the workbench rather than over it.
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int width = kDefaultWidth, height = kDefaultHeight;
    if (height > work.bottom - work.top) height = work.bottom - work.top;
    int x = work.right - width - 2 * kMargin;
    if (x < work.left) x = work.left;
    return CreateWindowExA(0, kHelpViewerClass, kViewerName, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           x, work.top + 2 * kMargin, width, height, nullptr, nullptr, instance,
                           nullptr);
}

void QueueRequest(HWND viewer, const HelpRequest& request) {
    g_viewer.pending.push_back(request);
    PostMessageA(viewer, kPerformRequest, 0, 0);
}

bool TranslateViewerMessage(HWND viewer, MSG* message) {
    if (message->message == WM_KEYDOWN && message->wParam == VK_F1 && !g_viewer.fileName.empty()) {
        ShowUsingHelp();
        return true;
    }
    return IsDialogMessageA(viewer, message) != 0;
}
