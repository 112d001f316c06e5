// The layouts of the translation-options dialog (one per build) and the
// user-lexicon dialog, read back from the running dialogs: every control's id,
// kind, text and place in dialog units, in order.
#include <windows.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "tests/support/driver.h"

using namespace qd;

namespace {

class UIDialogLayouts : public UiTest {};

constexpr int kOptions = 132, kUserLexicon = 134;
constexpr int kNoId = -1;  // a control the program never addresses

enum class Kind { Label, List, CheckBox, Edit, EtchedLine, DefaultButton, Button };

struct Control {
    int id;  // kNoId: any id that no other control of the dialog uses
    Kind kind;
    const char* text;  // nullptr: not checked (set at run time)
    int x, y, width, height;
};

struct Layout {
    const char* title;
    int width, height;
    std::vector<Control> controls;
};

const char kTimeSpan[] =
    "Zeitspanne, nach der die \xDC" "bersetzung eines Satzes abgebrochen wird:";

const Layout kOptionsQdge = {
    "\xDC" "bersetzungsweise", 164, 168,
    {
        {kNoId, Kind::Label, "Sachgebiete:", 4, 2, 94, 8},
        {1130, Kind::List, "", 4, 12, 156, 59},
        {1123, Kind::CheckBox, "\"&Sie\" mit \"you\" statt \"they\" \xFC" "bersetzen", 4, 73, 154, 10},
        {1125, Kind::CheckBox, "&Zeilenumbruch als Satzende", 4, 85, 153, 10},
        {1167, Kind::CheckBox, "Eingabe von '&ss' statt '\xDF'", 4, 97, 128, 10},
        {kNoId, Kind::Label, kTimeSpan, 4, 111, 154, 17},
        {1146, Kind::Edit, nullptr, 4, 131, 40, 12},
        {kNoId, Kind::Label, "Sekunden (max. 500)", 47, 133, 87, 10},
        {kNoId, Kind::EtchedLine, "", 2, 147, 158, 1},
        {IDOK, Kind::DefaultButton, "&OK", 4, 151, 50, 14},
        {IDCANCEL, Kind::Button, "&Abbrechen", 56, 151, 50, 14},
        {1000, Kind::Button, "&Hilfe", 108, 151, 50, 14},
    },
};

const Layout kOptionsQdeg = {
    "\xDC" "bersetzungsweise", 164, 185,
    {
        {kNoId, Kind::Label, "Sachgebiete:", 4, 3, 81, 8},
        {1130, Kind::List, "", 4, 13, 155, 59},
        {1122, Kind::CheckBox, "&Unpers\xF6nlicher Imperativ", 4, 75, 154, 10},
        {1123, Kind::CheckBox, "\"&you\" mit \"Sie\" statt \"du\" \xFC" "bersetzen", 4, 87, 154, 10},
        {1125, Kind::CheckBox, "&Zeilenumbruch als Satzende", 4, 99, 153, 10},
        {1166, Kind::CheckBox, "Ausgabe von '\xDF' als '&ss'", 4, 111, 112, 12},
        {kNoId, Kind::Label, kTimeSpan, 4, 127, 154, 17},
        {1146, Kind::Edit, nullptr, 4, 147, 40, 12},
        {kNoId, Kind::Label, "Sekunden (max. 500)", 47, 150, 93, 9},
        {kNoId, Kind::EtchedLine, "", 3, 163, 156, 1},
        {IDOK, Kind::DefaultButton, "&OK", 4, 167, 50, 14},
        {IDCANCEL, Kind::Button, "&Abbrechen", 56, 167, 50, 14},
        {1000, Kind::Button, "&Hilfe", 108, 167, 50, 14},
    },
};

const Layout kUserLexiconLayout = {
    "Benutzerlexikon", 155, 90,
    {
        {1136, Kind::CheckBox, "&Benutzerlexikon verwenden", 6, 6, 114, 10},
        {1147, Kind::Label, "Lexikondatei:", 17, 20, 77, 8},
        {1137, Kind::Label, nullptr, 17, 32, 122, 10},
        {1138, Kind::Button, "&Neue Datei...", 17, 47, 61, 14},
        {1139, Kind::Button, "&Datei suchen...", 80, 47, 61, 14},
        {kNoId, Kind::EtchedLine, "", 4, 66, 145, 1},
        {IDOK, Kind::DefaultButton, "&OK", 6, 72, 45, 14},
        {IDCANCEL, Kind::Button, "&Abbrechen", 54, 72, 45, 14},
        {1000, Kind::Button, "&Hilfe", 102, 72, 45, 14},
    },
};

// Dialog base units of 8-point "MS Sans Serif", as the dialog manager works them
// out: MapDialogRect on a dialog of that font made here. (The program's dialogs
// cannot be asked: MapDialogRect reads the font of a window of its own process.)
struct BaseUnits {
    int x, y;
};

INT_PTR CALLBACK NothingHandled(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

BaseUnits BaseUnitsOfTheDialogFont(Caller at = {}) {
    // DLGTEMPLATE, no menu, the default class, an empty title, then the font.
    struct alignas(4) Template {
        DLGTEMPLATE header;
        WORD menu, windowClass, title, pointSize;
        WCHAR face[14];
    } dialog = {};
    dialog.header.style = WS_POPUP | DS_SETFONT;
    dialog.header.cx = 100;
    dialog.header.cy = 100;
    dialog.pointSize = 8;
    lstrcpyW(dialog.face, L"MS Sans Serif");
    HWND window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialog.header, nullptr,
                                             NothingHandled, 0);
    if (!window) Fail(at, "cannot make a dialog of 8-point MS Sans Serif here");
    RECT units = {0, 0, 4, 8};
    MapDialogRect(window, &units);
    DestroyWindow(window);
    return {units.right, units.bottom};
}

// Pixels back into dialog units, to the nearest unit.
int ToUnits(int pixels, int base, int unitsPerBase) {
    return (pixels * unitsPerBase * 2 + base) / (base * 2);
}

Kind KindOf(const std::string& className, LONG style) {
    if (_stricmp(className.c_str(), "ListBox") == 0) return Kind::List;
    if (_stricmp(className.c_str(), "Edit") == 0) return Kind::Edit;
    if (_stricmp(className.c_str(), "Static") == 0)
        return (style & SS_TYPEMASK) == SS_ETCHEDHORZ ? Kind::EtchedLine : Kind::Label;
    switch (style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX: return Kind::CheckBox;
    case BS_DEFPUSHBUTTON: return Kind::DefaultButton;
    case BS_PUSHBUTTON: return Kind::Button;
    default: return static_cast<Kind>(-1);
    }
}

const char* KindName(Kind kind) {
    switch (kind) {
    case Kind::Label: return "static";
    case Kind::List: return "list box";
    case Kind::CheckBox: return "check box toggling itself";
    case Kind::Edit: return "edit";
    case Kind::EtchedLine: return "etched line";
    case Kind::DefaultButton: return "default button";
    case Kind::Button: return "button";
    }
    return "something else";
}

// The programs' texts are Windows-1252; failure messages are read as UTF-8.
std::string Utf8(const std::string& text) {
    wchar_t wide[512] = L"";
    MultiByteToWideChar(1252, 0, text.c_str(), -1, wide, 512);
    char utf8[1024] = "";
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}

std::string Hex(LONG value) {
    char text[16];
    snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
    return text;
}

std::string Place(int x, int y, int width, int height) {
    char text[64];
    snprintf(text, sizeof text, "(%d, %d, %d, %d)", x, y, width, height);
    return text;
}

// Checks the running dialog against layout: title, client size, then each child
// window in the dialog's order against the next row of the table.
void ExpectLayout(Program& app, const Box& dialog, const Layout& layout, Caller at = {}) {
    auto fail = [&at](const std::string& what) { ADD_FAILURE_AT(at.file, at.line) << what; };
    const BaseUnits base = BaseUnitsOfTheDialogFont(at);
    auto units = [&base](const RECT& r) {
        return Place(ToUnits(r.left, base.x, 4), ToUnits(r.top, base.y, 8),
                     ToUnits(r.right - r.left, base.x, 4), ToUnits(r.bottom - r.top, base.y, 8));
    };

    if (dialog.title != layout.title) fail("title \"" + Utf8(dialog.title) + "\"");
    RECT client;
    GetClientRect(dialog.window, &client);
    const std::string size = Place(0, 0, layout.width, layout.height);
    if (units(client) != size) fail("the dialog measures " + units(client) + ", not " + size);

    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog.window, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    if (children.size() != layout.controls.size()) {
        std::string ids;
        for (HWND child : children) ids += " " + std::to_string(GetDlgCtrlID(child));
        return fail(std::to_string(children.size()) + " controls, not " +
                    std::to_string(layout.controls.size()) + "; their ids:" + ids);
    }

    for (size_t i = 0; i < children.size(); ++i) {
        const Control& want = layout.controls[i];
        HWND child = children[i];
        const std::string row = "control " + std::to_string(i + 1) + " (" +
                                (want.id == kNoId ? std::string("no id")
                                                  : "id " + std::to_string(want.id)) +
                                "): ";
        const int id = GetDlgCtrlID(child);
        if (want.id == kNoId) {
            for (const Control& other : layout.controls)
                if (other.id != kNoId && other.id == id)
                    fail(row + "has id " + std::to_string(id) + " of another control");
        } else if (id != want.id) {
            fail(row + "has id " + std::to_string(id));
        }

        char className[64] = "";
        GetClassNameA(child, className, sizeof className);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (KindOf(className, style) != want.kind)
            fail(row + className + " with style " + Hex(style) + " is no " + KindName(want.kind));
        if (want.kind == Kind::List &&
            ((style & (LBS_MULTIPLESEL | WS_VSCROLL)) != (LBS_MULTIPLESEL | WS_VSCROLL) ||
             (style & (LBS_SORT | LBS_EXTENDEDSEL))))
            fail(row + "the list is not multi-select by click, unsorted, with a scroll bar");
        if (want.kind == Kind::Edit && !(style & ES_AUTOHSCROLL))
            fail(row + "the edit does not scroll horizontally");

        if (want.text && app.Text(child, at) != want.text)
            fail(row + "reads \"" + Utf8(app.Text(child, at)) + "\", not \"" + Utf8(want.text) +
                 "\"");

        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, dialog.window, reinterpret_cast<POINT*>(&r), 2);
        std::string place = Place(want.x, want.y, want.width, want.height);
        if (want.kind == Kind::EtchedLine) {
            // The line makes itself its two edges high and wide; its template's
            // width is what lies between them, and its height cannot be read back.
            RECT inner;
            GetClientRect(child, &inner);
            r.right = r.left + inner.right;
            place = Place(want.x, want.y, want.width, ToUnits(r.bottom - r.top, base.y, 8));
        }
        if (units(r) != place) fail(row + "lies at " + units(r) + ", not " + place);
    }
}

}  // namespace

TEST_F(UIDialogLayouts, EachBuildShowsItsOptionsLayoutAndTheLexiconDialog) {
    for (Build build : {Build::QDGE, Build::QDEG}) {
        SCOPED_TRACE(ProgramName(build));
        ResetMachine();
        Program app(StartOptions{build});
        app.Frame();

        app.PostCommand(kOptions);
        Box options = app.WaitForBox(kWaitLimitMs);
        ExpectLayout(app, options, build == Build::QDGE ? kOptionsQdge : kOptionsQdeg);
        app.Answer(options, IDCANCEL);

        app.PostCommand(kUserLexicon);
        Box lexicon = app.WaitForBox(kWaitLimitMs);
        ExpectLayout(app, lexicon, kUserLexiconLayout);
        EXPECT_EQ(app.Text(GetDlgItem(lexicon.window, 1137)),
                  ReadSetting(build, "Lexikon", "LexFile").value_or("(none)"));
        app.Answer(lexicon, IDCANCEL);
        EXPECT_EQ(app.Close(), 0);
    }
}
