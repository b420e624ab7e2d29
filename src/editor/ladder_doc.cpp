#include "editor/ladder_doc.h"

#include <algorithm>

#include "model/ladder_file.h"
#include "platform/atomic_file.h"

namespace varno {

CLadderDoc::CLadderDoc(ILadderProject& project, IMessageService& messages)
    : project_(project),
      messages_(messages),
      commentWatch_(project.Comments().Subscribe([this] { UpdateAllViews(HINT_LAYOUT); })) {}

CLadderDoc::~CLadderDoc() = default;

// --- Opening and saving -------------------------------------------------------------------

void CLadderDoc::OnNewDocument() {
    ladder_ = &ownLadder_;
    ownLadder_.DeleteAllRows();
    history_.Clear();
    InsertRows(0, nullptr, 1);
    history_.Clear();
    SetModified(false);
}

bool CLadderDoc::OnOpenDocument(const std::string& name) {
    if (!name.empty() && name.find('.') != std::string::npos) {
        return OpenFile(name);
    }
    CLadder* program = project_.Programs().FindByName(name);
    if (program == nullptr) {
        return false;
    }
    ladder_ = program;
    history_.Clear();
    pathName_ = name;
    return true;
}

bool CLadderDoc::OpenFile(const std::string& path) {
    std::unique_ptr<CFileArchive> file = CFileArchive::Open(path, CFileArchive::Mode::Read);
    if (!file) {
        return false;
    }
    ladder_ = &ownLadder_;
    ownLadder_.DeleteAllRows();
    history_.Clear();
    if (!ReadProgramFile(*file, ownLadder_)) {
        messages_.ShowMessage(IDS_CAPTION_ERROR, IDS_UNRECOGNIZED_FILE, MbIcon::Error);
    }
    pathName_ = path;
    modified_ = false;
    return true;
}

bool CLadderDoc::OnSaveDocument(const std::string& path) {
    if (!IsOwnLadder()) {
        std::string error;
        if (!project_.SavePrograms(path, &error)) {
            messages_.ShowMessage(LoadString(IDS_CAPTION_ERROR), error, MbIcon::Error,
                                  MbButtons::Ok);
            return false;
        }
        return true;
    }
    // The whole file is built first, so that content the format cannot hold is refused
    // before the old file is touched.
    CMemWriteArchive bytes;
    StrId why{};
    if (!WriteProgramFile(bytes, ownLadder_, &why)) {
        messages_.ShowMessage(IDS_CAPTION_ERROR, why, MbIcon::Error);
        return false;
    }
    SaveFileAtomically(path,
                       [&](CArchive& ar) { ar.Write(bytes.Data().data(), bytes.Data().size()); });
    pathName_ = path;
    SetModified(false);
    project_.ReloadPrograms(path);
    return true;
}

bool CLadderDoc::Save() {
    return OnSaveDocument(IsOwnLadder() ? pathName_ : std::string());
}

bool CLadderDoc::IsModified() const {
    return IsOwnLadder() && modified_;
}

void CLadderDoc::SetModified(bool modified) {
    if (IsOwnLadder()) {
        modified_ = modified;
    } else {
        project_.SetLaddersModified(modified);
    }
}

// --- Undo ---------------------------------------------------------------------------------

bool CLadderDoc::Undo() {
    if (!history_.Undo(*ladder_)) {
        return false;
    }
    SetModified(true);
    UpdateAllViews(HINT_ROWS);
    return true;
}

bool CLadderDoc::Redo() {
    if (!history_.Redo(*ladder_)) {
        return false;
    }
    SetModified(true);
    UpdateAllViews(HINT_ROWS);
    return true;
}

// --- Views --------------------------------------------------------------------------------

void CLadderDoc::AddView(ILadderDocView* view) {
    if (std::find(views_.begin(), views_.end(), view) == views_.end()) {
        views_.push_back(view);
    }
}

void CLadderDoc::RemoveView(ILadderDocView* view) {
    std::erase(views_, view);
}

void CLadderDoc::UpdateAllViews(int hint) {
    // A copy, so that a view may come or go while the others are told.
    const std::vector<ILadderDocView*> views = views_;
    for (ILadderDocView* view : views) {
        if (std::find(views_.begin(), views_.end(), view) != views_.end()) {
            view->OnUpdate(hint);
        }
    }
}

}  // namespace varno
