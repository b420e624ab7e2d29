#include "editor/ladder_doc_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace varno {

namespace {

// The same file under different spellings of its path.
std::string FileKey(const std::string& path) {
    std::error_code ec;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : canonical.string();
}

}  // namespace

CLadderDoc* CLadderDocList::OpenProgram(const std::string& name) {
    for (const auto& doc : docs_) {
        if (!doc->IsOwnLadder() && doc->GetLadder().Name() == name) {
            doc->SetPathName(name);
            return doc.get();
        }
    }
    if (project_.Programs().FindByName(name) != nullptr) {
        auto doc = std::make_unique<CLadderDoc>(project_, messages_);
        if (doc->OnOpenDocument(name)) {
            docs_.push_back(std::move(doc));
            return docs_.back().get();
        }
    }
    messages_.ShowMessage(IDS_CAPTION_ERROR, IDS_FILE_CREATE_FAILED, MbIcon::Error);
    return nullptr;
}

CLadderDoc* CLadderDocList::OpenFile(const std::string& path) {
    const std::string key = FileKey(path);
    for (const auto& doc : docs_) {
        if (doc->IsOwnLadder() && FileKey(doc->PathName()) == key) {
            return doc.get();
        }
    }
    auto doc = std::make_unique<CLadderDoc>(project_, messages_);
    if (path.find('.') == std::string::npos || !doc->OnOpenDocument(path)) {
        messages_.ShowMessage(IDS_CAPTION_ERROR, IDS_FILE_CREATE_FAILED, MbIcon::Error);
        return nullptr;
    }
    docs_.push_back(std::move(doc));
    return docs_.back().get();
}

void CLadderDocList::Close(CLadderDoc& doc) {
    auto it =
        std::find_if(docs_.begin(), docs_.end(), [&doc](const auto& d) { return d.get() == &doc; });
    if (it == docs_.end()) {
        return;
    }
    if (onClose) {
        onClose(doc);
    }
    docs_.erase(it);
}

int CLadderDocList::CloseLadderDocuments(bool check) {
    int closed = 0;
    for (std::size_t i = 0; i < docs_.size();) {
        CLadderDoc& doc = *docs_[i];
        const bool file = doc.IsOwnLadder();
        if (check && file && doc.IsModified()) {
            messages_.ShowMessage(IDS_CAPTION_ATTENTION, IDS_SAVE_LADDER_FILE_FIRST,
                                  MbIcon::Information);
            return -1;
        }
        if (file == check) {
            Close(doc);
            closed = 1;
        } else {
            ++i;
        }
    }
    return closed;
}

void CLadderDocList::CloseProgramDocument(const std::string& name) {
    for (std::size_t i = 0; i < docs_.size();) {
        CLadderDoc& doc = *docs_[i];
        if (!doc.IsOwnLadder() && doc.GetLadder().Name() == name) {
            Close(doc);
        } else {
            ++i;
        }
    }
}

}  // namespace varno
