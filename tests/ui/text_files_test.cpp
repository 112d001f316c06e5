// Text files through the real common dialogs: byte-exact loads and saves, the
// refusals of Open, naming on Save, and failed saves that lose nothing.
#include <algorithm>

#include "tests/support/driver.h"
#include "tests/support/whole_file.h"
#include "tests/ui/steps.h"

using namespace qd;

namespace {

class UITextFiles : public UiTest {};

const char kUntitledInput[] = "Eingabe (deutsch): [unbenannt]";
const char kUntitledOutput[] = "Ausgabe (englisch): [unbenannt]";

// Windows-1252 text with CR LF line ends, a tab and characters above 127.
const std::string kLetter =
    "Gr\xFC\xDF" "e aus K\xF6ln\r\n\tZweite Zeile: 5 \x80 \x96 Stra\xDF" "e\r\n\r\nEnde";

// The names in the scratch folder, sorted.
std::vector<std::string> ScratchNames() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(ScratchFile("*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != ".." && name != "engine.log" && name != "engine-script.txt")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

const std::vector<std::string> kTooLargeTexts = {
    "Die Datei, die Sie \xF6" "ffnen m\xF6" "chten, ist zu gro\xDF f\xFCr das Ein- bzw. "
    "Ausgabefenster.",
    "- Benutzen Sie einen Editor, wie z.B. WRITE, um",
    "die Datei in kleinere Dateien aufzuteilen,",
    "- oder benutzen Sie den Men\xFCpunkt \"\xDC" "bersetzen/Datei",
    "\xFC" "bersetzen ...\", um die gesamte Datei zu \xFC" "bersetzen.",
};

// Lines of 99 letters and CR LF, cut at length characters.
std::string TextOfLength(size_t length) {
    const std::string line = std::string(99, 'a') + "\r\n";
    std::string text;
    while (text.size() < length) text += line;
    text.resize(length);
    return text;
}

}  // namespace

TEST_F(UITextFiles, OpenAndSaveKeepEveryByte) {
    ASSERT_TRUE(WriteWholeFile(ScratchFile("BRIEF.TXT"), kLetter));
    Program app(StartOptions{Build::QDGE});

    OpenFileInto(app, Pane::Input, ScratchFile("BRIEF.TXT"));
    WaitForCaption(app, Pane::Input, "Eingabe (deutsch): C:\\QDTEST\\BRIEF.TXT");
    EXPECT_EQ(app.EditText(Pane::Input), kLetter);

    // Saving writes exactly what the window holds: no terminator, no end-of-file byte.
    app.Type(Pane::Input, "\r\nNachtrag \xE4");
    app.SendCommand(kSave);
    EXPECT_EQ(ReadWholeFile(ScratchFile("BRIEF.TXT")), kLetter + "\r\nNachtrag \xE4");
    EXPECT_EQ(app.Caption(Pane::Input), "Eingabe (deutsch): C:\\QDTEST\\BRIEF.TXT");

    // Save as proposes the bare name in the file's own folder (the program's working
    // folder is another); a bare new name lands there too.
    app.PostCommand(kSaveAs);
    Box dialog = app.WaitForBox();
    EXPECT_EQ(dialog.title, "Datei speichern unter ...");
    EXPECT_EQ(app.FileDialogName(dialog), "BRIEF.TXT");
    app.AnswerFileDialog(dialog, "KOPIE.TXT");
    WaitForCaption(app, Pane::Input, "Eingabe (deutsch): C:\\QDTEST\\KOPIE.TXT");
    EXPECT_EQ(ReadWholeFile(ScratchFile("KOPIE.TXT")), kLetter + "\r\nNachtrag \xE4");

    // Everything is saved or unchanged: closing asks nothing.
    EXPECT_EQ(app.Close(), 0);
    EXPECT_EQ(ScratchNames(), (std::vector<std::string>{"BRIEF.TXT", "KOPIE.TXT"}));
}

TEST_F(UITextFiles, FilesTheWindowCouldHoldOnlyPartOfAreRefusedAndCanNeverBeOverwritten) {
    const std::string withNul("Vorne\0Hinten", 12);
    const std::string utf16("\xFF\xFEH\0a\0l\0l\0o\0", 12);
    ASSERT_TRUE(WriteWholeFile(ScratchFile("NULL.TXT"), withNul));
    ASSERT_TRUE(WriteWholeFile(ScratchFile("UTF16.TXT"), utf16));
    // A sparse file of 4 GiB and five bytes that begins with "Hallo": the low 32 bits
    // of its size say 5.
    HANDLE huge = CreateFileA(ScratchFile("RIESIG.TXT").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(huge, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(huge, "Hallo", 5, &written, nullptr));
    LARGE_INTEGER end;
    end.QuadPart = (1LL << 32) + 5;
    ASSERT_TRUE(SetFilePointerEx(huge, end, nullptr, FILE_BEGIN) && SetEndOfFile(huge));
    CloseHandle(huge);
    Program app(StartOptions{Build::QDGE});

    // Not text: the message names the file, the window keeps its text, has no name,
    // and a save asks for one instead of writing over the file.
    app.SetText(app.Edit(Pane::Input), "Eigener Text");  // set, not typed: no save question
    for (const char* name : {"NULL.TXT", "UTF16.TXT"}) {
        OpenFileInto(app, Pane::Input, ScratchFile(name));
        Box message = app.WaitForBox();
        ExpectMessageBox(message, "Datei '" + ScratchFile(name) + "' ist keine Textdatei: Sie enth\xE4lt "
                         "Nullbytes oder ist in Unicode gespeichert.", {IDOK});
        app.Answer(message, IDOK);
        WaitForCaption(app, Pane::Input, kUntitledInput);
        EXPECT_EQ(app.EditText(Pane::Input), "Eigener Text");
    }
    app.PostCommand(kSave);
    Box dialog = app.WaitForBox();
    EXPECT_EQ(dialog.title, "Datei speichern");
    app.Answer(dialog, IDCANCEL);

    // Too large for the window, whatever its low 32 bits say: dialog 130.
    OpenFileInto(app, Pane::Output, ScratchFile("RIESIG.TXT"));
    Box tooLarge = app.WaitForBox();
    EXPECT_EQ(tooLarge.texts, kTooLargeTexts);
    app.Answer(tooLarge, IDOK);
    WaitForCaption(app, Pane::Output, kUntitledOutput);
    EXPECT_EQ(app.EditText(Pane::Output), "");

    app.End();
    EXPECT_EQ(ReadWholeFile(ScratchFile("NULL.TXT")), withNul);
    EXPECT_EQ(ReadWholeFile(ScratchFile("UTF16.TXT")), utf16);
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(ScratchFile("RIESIG.TXT").c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeHigh, 1u);
    EXPECT_EQ(data.nFileSizeLow, 5u);
    DeleteFileA(ScratchFile("RIESIG.TXT").c_str());
}

TEST_F(UITextFiles, RefusedOpensLeaveTheWindowUntitled) {
    ASSERT_TRUE(WriteWholeFile(ScratchFile("BRIEF.TXT"), "Brief"));
    ASSERT_TRUE(WriteWholeFile(ScratchFile("LEER.TXT"), ""));
    ASSERT_TRUE(WriteWholeFile(ScratchFile("GROSS.TXT"), TextOfLength(65536)));
    ASSERT_TRUE(WriteWholeFile(ScratchFile("GENAU.TXT"), TextOfLength(65535)));
    Program app(StartOptions{Build::QDGE});
    const std::string named = "Eingabe (deutsch): C:\\QDTEST\\BRIEF.TXT";

    // A file of 0 bytes: message 2; the window keeps its text but loses its name,
    // so that saving asks for one.
    OpenFileInto(app, Pane::Input, ScratchFile("BRIEF.TXT"));
    WaitForCaption(app, Pane::Input, named);
    OpenFileInto(app, Pane::Input, ScratchFile("LEER.TXT"));
    Box message = app.WaitForBox();
    ExpectMessageBox(message, "Datei '" + ScratchFile("LEER.TXT") + "' l\xE4\xDFt sich nicht lesen.",
                     {IDOK});
    app.Answer(message, IDOK);
    WaitForCaption(app, Pane::Input, kUntitledInput);
    EXPECT_EQ(app.EditText(Pane::Input), "Brief");
    app.PostCommand(kSave);
    Box dialog = app.WaitForBox();
    EXPECT_EQ(dialog.title, "Datei speichern");
    EXPECT_EQ(app.FileDialogName(dialog), "");
    app.Answer(dialog, IDCANCEL);
    app.ExpectNoBox();

    // One character beyond the edit control's 65,535: dialog 130, the window empty
    // and untitled.
    OpenFileInto(app, Pane::Input, ScratchFile("BRIEF.TXT"));
    WaitForCaption(app, Pane::Input, named);
    OpenFileInto(app, Pane::Input, ScratchFile("GROSS.TXT"));
    Box tooLarge = app.WaitForBox();
    EXPECT_EQ(tooLarge.title, "Quendel");
    EXPECT_EQ(tooLarge.texts, kTooLargeTexts);
    EXPECT_EQ(tooLarge.buttons, (std::vector<std::pair<int, std::string>>{{IDOK, "OK"}}));
    app.Answer(tooLarge, IDOK);
    WaitForCaption(app, Pane::Input, kUntitledInput);
    EXPECT_EQ(app.EditText(Pane::Input), "");

    // Exactly 65,535 characters still fit.
    OpenFileInto(app, Pane::Input, ScratchFile("GENAU.TXT"));
    WaitForCaption(app, Pane::Input, "Eingabe (deutsch): C:\\QDTEST\\GENAU.TXT");
    EXPECT_EQ(app.EditText(Pane::Input), TextOfLength(65535));

    // The input window's file in the output window, in other letters' case: message
    // 43, and the output window keeps its text and name.
    app.SetText(app.Edit(Pane::Output), "Bleibt");  // set, not typed: no save question
    OpenFileInto(app, Pane::Output, "c:\\qdtest\\Genau.txt");
    message = app.WaitForBox();
    ExpectMessageBox(message, "Die Eingabe- und die Ausgabedatei d\xFCrfen nicht gleich sein!",
                     {IDOK});
    app.Answer(message, IDOK);
    app.ExpectNoBox();
    EXPECT_EQ(app.Caption(Pane::Output), kUntitledOutput);
    EXPECT_EQ(app.EditText(Pane::Output), "Bleibt");
    EXPECT_EQ(app.Caption(Pane::Input), "Eingabe (deutsch): C:\\QDTEST\\GENAU.TXT");
    EXPECT_EQ(app.Close(), 0);
}

TEST_F(UITextFiles, SavingNamesTheWindowAndAddsTxtToABareName) {
    ASSERT_TRUE(WriteWholeFile(ScratchFile("NOTIZ"), "Notiz"));
    Program app(StartOptions{Build::QDGE});

    // An unnamed window asks for a name; the dialog's name is stored in upper case.
    app.Type(Pane::Input, "Neuer Text\r\n");
    app.PostCommand(kSave);
    Box dialog = app.WaitForBox();
    EXPECT_EQ(dialog.title, "Datei speichern");
    app.AnswerFileDialog(dialog, ScratchFile("Neu.txt"));
    WaitForCaption(app, Pane::Input, "Eingabe (deutsch): C:\\QDTEST\\NEU.TXT");
    EXPECT_EQ(ReadWholeFile(ScratchFile("NEU.TXT")), "Neuer Text\r\n");

    // Save as with the other window's file: message 43; the output window stays
    // unnamed and the file keeps its text.
    app.Activate(Pane::Output);
    app.Type(Pane::Output, "New text");
    app.PostCommand(kSaveAs);
    dialog = app.WaitForBox();
    app.AnswerFileDialog(dialog, ScratchFile("NEU.TXT"));
    Box replace = app.WaitForBox();  // the dialog's own question before replacing a file
    app.Answer(replace, IDYES);
    Box message = app.WaitForBox();
    ExpectMessageBox(message, "Die Eingabe- und die Ausgabedatei d\xFCrfen nicht gleich sein!",
                     {IDOK});
    app.Answer(message, IDOK);
    app.ExpectNoBox();
    EXPECT_EQ(app.Caption(Pane::Output), kUntitledOutput);
    EXPECT_EQ(ReadWholeFile(ScratchFile("NEU.TXT")), "Neuer Text\r\n");

    // A file whose name has no extension is saved under that name with ".TXT".
    app.SetText(app.Edit(Pane::Output), "");
    app.SendCommand(kNew);  // the emptied window asks nothing
    OpenFileInto(app, Pane::Output, ScratchFile("NOTIZ"));
    WaitForCaption(app, Pane::Output, "Ausgabe (englisch): C:\\QDTEST\\NOTIZ");
    app.Type(Pane::Output, " neu");
    app.SendCommand(kSave);
    WaitForCaption(app, Pane::Output, "Ausgabe (englisch): C:\\QDTEST\\NOTIZ.TXT");
    EXPECT_EQ(ReadWholeFile(ScratchFile("NOTIZ.TXT")), "Notiz neu");
    EXPECT_EQ(ReadWholeFile(ScratchFile("NOTIZ")), "Notiz");
    EXPECT_EQ(app.Close(), 0);
}

TEST_F(UITextFiles, FailedSaveKeepsTheOldFileAndTheWindowChanged) {
    // Another program holds the file open, so it cannot be replaced. (A read-only
    // attribute stops nobody here: the tests run as root, and Wine maps it to Unix
    // permissions.)
    ASSERT_TRUE(WriteWholeFile(ScratchFile("FEST.TXT"), "Alt"));
    ASSERT_TRUE(CreateDirectoryA(ScratchFile("MAPPE").c_str(), nullptr));
    ASSERT_TRUE(WriteWholeFile(ScratchFile("MAPPE\\WEG.TXT"), "Weg"));
    Program app(StartOptions{Build::QDGE});
    const std::string cannotCreate = "Datei 'C:\\QDTEST\\FEST.TXT' l\xE4\xDFt sich nicht erzeugen.";
    const std::string cannotWrite = "Datei 'C:\\QDTEST\\FEST.TXT' l\xE4\xDFt sich nicht schreiben.";
    auto expectCannotSave = [&](const Box& message, Caller at = {}) {
        bool known = message.texts.size() == 1 &&
                     (message.texts[0] == cannotCreate || message.texts[0] == cannotWrite);
        ExpectMessageBox(message, known ? message.texts[0] : cannotCreate, {IDOK}, at);
    };

    OpenFileInto(app, Pane::Input, ScratchFile("FEST.TXT"));
    WaitForCaption(app, Pane::Input, "Eingabe (deutsch): C:\\QDTEST\\FEST.TXT");
    app.Type(Pane::Input, " und neu");
    HANDLE held = CreateFileA(ScratchFile("FEST.TXT").c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    app.PostCommand(kSave);
    Box message = app.WaitForBox();
    expectCannotSave(message);
    app.Answer(message, IDOK);
    app.ExpectNoBox();
    EXPECT_EQ(ReadWholeFile(ScratchFile("FEST.TXT")), "Alt");
    EXPECT_EQ(ScratchNames(), (std::vector<std::string>{"FEST.TXT", "MAPPE"}));  // no leftovers

    // A vanished folder: message 3, and nothing is created.
    OpenFileInto(app, Pane::Output, ScratchFile("MAPPE\\WEG.TXT"));
    WaitForCaption(app, Pane::Output, "Ausgabe (englisch): C:\\QDTEST\\MAPPE\\WEG.TXT");
    app.Type(Pane::Output, "!");
    ASSERT_TRUE(DeleteFileA(ScratchFile("MAPPE\\WEG.TXT").c_str()));
    ASSERT_TRUE(RemoveDirectoryA(ScratchFile("MAPPE").c_str()));
    app.PostCommand(kSave);
    message = app.WaitForBox();
    ExpectMessageBox(message, "Datei 'C:\\QDTEST\\MAPPE\\WEG.TXT' l\xE4\xDFt sich nicht erzeugen.",
                     {IDOK});
    app.Answer(message, IDOK);
    app.ExpectNoBox();
    EXPECT_EQ(ScratchNames(), (std::vector<std::string>{"FEST.TXT"}));

    // Both windows still count as changed: closing asks, and Yes with a write that
    // fails again keeps the program running.
    app.RequestClose();
    Box question = app.WaitForBox();
    ExpectMessageBox(question, SaveQuestion("C:\\QDTEST\\MAPPE\\WEG.TXT"), {IDYES, IDNO, IDCANCEL});
    app.Answer(question, IDNO);
    question = app.WaitForBox();
    ExpectMessageBox(question, SaveQuestion("C:\\QDTEST\\FEST.TXT"), {IDYES, IDNO, IDCANCEL});
    app.Answer(question, IDYES);
    message = app.WaitForBox();
    expectCannotSave(message);
    app.Answer(message, IDOK);
    app.ExpectNoBox();
    ASSERT_TRUE(app.Running());
    EXPECT_EQ(ReadWholeFile(ScratchFile("FEST.TXT")), "Alt");
    EXPECT_EQ(app.EditText(Pane::Input), "Alt und neu");

    // Once the file is free, Yes writes it and the program ends.
    CloseHandle(held);
    app.RequestClose();
    question = app.WaitForBox();
    ExpectMessageBox(question, SaveQuestion("C:\\QDTEST\\MAPPE\\WEG.TXT"), {IDYES, IDNO, IDCANCEL});
    app.Answer(question, IDNO);
    question = app.WaitForBox();
    ExpectMessageBox(question, SaveQuestion("C:\\QDTEST\\FEST.TXT"), {IDYES, IDNO, IDCANCEL});
    app.Answer(question, IDYES);
    EXPECT_EQ(app.WaitForExit(), 0);
    EXPECT_EQ(ReadWholeFile(ScratchFile("FEST.TXT")), "Alt und neu");
}

TEST_F(UITextFiles, SavingIntoAFolderMadeReadOnlyLosesNoByte) {
    // The tests run as root, whom a read-only folder does not stop; the save may
    // then succeed. Either way not one byte may be lost: the file holds the new
    // text, or it holds the old one and the window still counts as changed.
    ASSERT_TRUE(CreateDirectoryA(ScratchFile("NURLESEN").c_str(), nullptr));
    const std::string path = ScratchFile("NURLESEN\\BRIEF.TXT");
    ASSERT_TRUE(WriteWholeFile(path, "Alt"));
    Program app(StartOptions{Build::QDGE});
    OpenFileInto(app, Pane::Input, path);
    WaitForCaption(app, Pane::Input, "Eingabe (deutsch): C:\\QDTEST\\NURLESEN\\BRIEF.TXT");
    app.Type(Pane::Input, " und neu");
    ASSERT_TRUE(SetFileAttributesA(ScratchFile("NURLESEN").c_str(), FILE_ATTRIBUTE_READONLY));

    app.PostCommand(kSave);
    if (Eventually([&] { return !app.OpenBoxes().empty() || !app.MarkedChanged(Pane::Input); }) &&
        !app.OpenBoxes().empty()) {
        Box message = app.WaitForBox();
        EXPECT_EQ(message.title, "Quendel");
        app.Answer(message, IDOK);
        EXPECT_EQ(ReadWholeFile(path), "Alt");
        EXPECT_TRUE(app.MarkedChanged(Pane::Input));
    } else {
        EXPECT_EQ(ReadWholeFile(path), "Alt und neu");
    }
    app.ExpectNoBox();
    SetFileAttributesA(ScratchFile("NURLESEN").c_str(), FILE_ATTRIBUTE_NORMAL);
    app.End();
}
