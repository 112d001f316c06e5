// MBXLLDB.dll: the user-lexicon store. It keeps one lexicon open at a time and
// hands the program that lexicon's subject areas.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <set>
#include <string>
#include <vector>

#include "lexicon/lexicon_open_result.h"
#include "lexicon/subject_area.h"
#include "lexicon/user_lexicon_io.h"

namespace {
constexpr int kModeOpen = 1;
constexpr int kModeCreate = 2;
// A list longer than this is taken for a broken one (a loop in its links).
constexpr int kMaxSubjectAreas = 4096;

struct OpenLexicon {
    bool isOpen = false;
    std::string path;
    std::string direction;
    std::vector<LexiconArea> areas;
};

std::mutex g_lock;  // the exported functions may be called from any thread
OpenLexicon g_open;
std::set<SubjectArea*> g_handedOut;  // lists this library made and has not freed yet

int ResultOf(LexiconStatus status) {
    switch (status) {
    case LexiconStatus::Ok: return kLexiconOpened;
    case LexiconStatus::Missing: return kLexiconMissing;
    case LexiconStatus::Unreadable: return kLexiconUnreadable;
    case LexiconStatus::TooLarge: return kLexiconUnreadable;
    case LexiconStatus::Foreign: return kLexiconForeign;
    case LexiconStatus::NewerVersion: return kLexiconNewerVersion;
    case LexiconStatus::Damaged: return kLexiconDamaged;
    case LexiconStatus::InvalidContent: return kLexiconBadArgument;
    case LexiconStatus::WriteFailed: return kLexiconWriteFailed;
    }
    return kLexiconInternalError;
}

void Remember(const char* path, LexiconContent& content) {
    g_open.isOpen = true;
    g_open.path = path;
    g_open.direction = std::move(content.direction);
    g_open.areas = std::move(content.areas);
}

// A failed open leaves the lexicon opened before as it was.
int OpenExisting(const char* path, const char* tag) {
    LexiconContent content;
    LexiconStatus status = ReadUserLexiconFile(path, content);
    if (status != LexiconStatus::Ok) return ResultOf(status);
    if (tag && content.direction != tag) return kLexiconWrongDirection;
    Remember(path, content);
    return kLexiconOpened;
}

// The caller's list ends at a null link or at an entry without a code.
bool CollectAreas(const SubjectArea* list, std::vector<LexiconArea>& areas) {
    for (const SubjectArea* area = list; area && area->code; area = area->next) {
        if (areas.size() == kMaxSubjectAreas) return false;
        areas.push_back({area->code, area->name ? area->name : ""});
    }
    return true;
}

int CreateNew(const char* path, const SubjectArea* list, const char* tag) {
    if (!tag || !*tag) return kLexiconBadArgument;
    LexiconContent content;
    content.direction = tag;
    if (!CollectAreas(list, content.areas)) return kLexiconBadArgument;
    LexiconStatus status = WriteUserLexiconFile(path, content);
    if (status != LexiconStatus::Ok) return ResultOf(status);
    Remember(path, content);
    return kLexiconOpened;
}

char* CopyText(char*& into, const std::string& text) {
    char* start = into;
    std::memcpy(start, text.c_str(), text.size() + 1);
    into += text.size() + 1;
    return start;
}

// The nodes and their texts share one block, so that freeing the list never
// follows its links, which the program is free to change.
SubjectArea* BuildList(const std::vector<LexiconArea>& areas) {
    if (areas.empty()) return nullptr;
    std::size_t nodeBytes = areas.size() * sizeof(SubjectArea);
    std::size_t size = nodeBytes;
    for (const LexiconArea& area : areas) size += area.code.size() + area.name.size() + 2;
    char* block = static_cast<char*>(std::malloc(size));
    if (!block) return nullptr;

    SubjectArea* nodes = reinterpret_cast<SubjectArea*>(block);
    char* text = block + nodeBytes;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        SubjectArea* next = i + 1 < areas.size() ? &nodes[i + 1] : nullptr;
        new (&nodes[i]) SubjectArea{CopyText(text, areas[i].code), CopyText(text, areas[i].name),
                                    0, next, 0};
    }
    return nodes;
}

// Frees a list only when this library made it; anything else is not ours to free.
void ReleaseList(SubjectArea* list) {
    auto found = g_handedOut.find(list);
    if (found == g_handedOut.end()) return;
    g_handedOut.erase(found);
    std::free(list);
}

SubjectArea* HandOutList() {
    SubjectArea* list = BuildList(g_open.areas);
    if (!list) return nullptr;
    try {
        g_handedOut.insert(list);
    } catch (...) {
        std::free(list);
        throw;
    }
    return list;
}
}  // namespace

extern "C" {

int WINAPI LexiconOpen(const char* path, int mode, SubjectArea* list, const char* tag) {
    try {
        if (!path || !*path) return kLexiconBadArgument;
        std::lock_guard<std::mutex> hold(g_lock);
        switch (mode) {
        case kModeOpen: return OpenExisting(path, tag);
        case kModeCreate: return CreateNew(path, list, tag);
        default: return kLexiconBadArgument;
        }
    } catch (...) {
        return kLexiconInternalError;
    }
}

int WINAPI LexiconClose(int) {
    try {
        std::lock_guard<std::mutex> hold(g_lock);
        g_open = OpenLexicon{};
        return 0;
    } catch (...) {
        return kLexiconInternalError;
    }
}

SubjectArea* WINAPI LexiconSubjectAreas(SubjectArea* last) {
    try {
        std::lock_guard<std::mutex> hold(g_lock);
        ReleaseList(last);
        return g_open.isOpen ? HandOutList() : nullptr;
    } catch (...) {
        return nullptr;
    }
}

}  // extern "C"
