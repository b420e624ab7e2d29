#include "project/subprograms.h"

#include <cstdio>

#include "model/address.h"
#include "model/ladder_file.h"
#include "platform/archive.h"
#include "platform/codepage.h"
#include "project/varno_app.h"

namespace varno {

namespace {

bool SubprogramAddress(const std::string& name, LDADDR& addr) {
    return ParseAddress(name, addr) && addr.letter == 'P';
}

}  // namespace

bool IsSubprogramName(const std::string& name) {
    LDADDR addr{};
    return SubprogramAddress(name, addr);
}

std::vector<std::string> SubprogramNodeNames(const CLadderList& programs) {
    std::vector<std::string> names;
    for (const CLadder& program : programs) {
        if (IsSubprogramName(program.Name())) {
            names.push_back(program.Name());
        }
    }
    return names;
}

std::string SubprogramLabel(const std::string& name, const CCommentList& comments,
                            bool showComment2) {
    LDADDR addr{};
    if (!SubprogramAddress(name, addr)) {
        return name;
    }
    std::string label = FormatAddress(addr, true);
    const std::string comment = comments.CommentOf(addr, showComment2 ? 1 : 0);
    if (!comment.empty()) {
        label += "(" + comment + ")";
    }
    return label;
}

std::string SubprogramNameFromNumber(std::string_view digits) {
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9' || number > 999) {
            break;
        }
        number = number * 10 + (c - '0');
    }
    char name[8];
    std::snprintf(name, sizeof name, "P%04d", number);
    return name;
}

CSubprogramEntry SubprogramEntryOf(const std::string& name, const CCommentList& comments) {
    CSubprogramEntry entry;
    LDADDR addr{};
    if (!SubprogramAddress(name, addr)) {
        return entry;
    }
    entry.number = FormatAddress(addr, true);
    entry.symbol = comments.SymbolOf(addr);
    entry.comment1 = comments.CommentOf(addr, 0);
    entry.comment2 = comments.CommentOf(addr, 1);
    return entry;
}

CAddedSubprogram AddSubprogram(CVARNOApp& app, const CSubprogramEntry& entry) {
    CAddedSubprogram added{SubprogramNameFromNumber(entry.number), false};
    SetSubprogramComment(app, added.name, entry);
    if (app.Programs().FindByName(added.name) == nullptr &&
        app.Programs().NewSubprogram(added.name) != nullptr) {
        app.SetLaddersModified(true);
        added.created = true;
    }
    return added;
}

bool DeleteSubprogram(CVARNOApp& app, const std::string& name) {
    LDADDR addr{};
    if (!SubprogramAddress(name, addr)) {
        return false;
    }
    app.Comments().Delete(addr);
    if (app.Programs().RemoveByName(name)) {
        app.SetLaddersModified(true);
    }
    return true;
}

bool SetSubprogramComment(CVARNOApp& app, const std::string& name, const CSubprogramEntry& entry) {
    LDADDR addr{};
    if (!SubprogramAddress(name, addr)) {
        return false;
    }
    app.Comments().SetComment(addr, entry.symbol, entry.comment1, entry.comment2);
    return true;
}

bool SaveChangedProgramList(CVARNOApp& app, std::string* error) {
    if (!app.IsLaddersModified()) {
        return true;
    }
    const std::string path = app.GetFullPath(app.Files().ladder);
    try {
        StrId why{};
        if (!WriteProgramSet(path, app.Programs(), &why)) {
            if (error != nullptr) {
                *error = path + ": " + GbkToUtf8(LoadString(why));
            }
            return false;
        }
    } catch (const CFileException& e) {
        if (error != nullptr) {
            *error = e.what();
        }
        return false;
    }
    app.SetLaddersModified(false);
    return true;
}

bool ReloadProgramList(CVARNOApp& app, std::string* error) {
    if (!SaveChangedProgramList(app, error)) {
        return false;
    }
    const std::string path = app.GetFullPath(app.Files().ladder);
    CLadderList reloaded;
    if (!ReadProgramSet(path, reloaded)) {
        if (error != nullptr) {
            *error = GbkToUtf8(
                Format(LoadString(IDS_PROJECT_FILE_UNREADABLE).c_str(), Utf8ToGbk(path).c_str()));
        }
        return false;
    }
    app.Programs() = std::move(reloaded);
    return true;
}

}  // namespace varno
