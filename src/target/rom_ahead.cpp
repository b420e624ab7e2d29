#include "target/rom_ahead.h"

#include "comments/compiled_comments.h"

namespace varno {

CRomAhead::CRomAhead(const CCommentList& comments, std::string commentPath,
                     const CLadderList& programs, const CLoadedRows* loaded)
    : commentPath_(std::move(commentPath)),
      thread_([this, &comments, &programs, loaded] { Run(comments, programs, loaded); }) {}

CRomAhead::~CRomAhead() {
    Wait();
}

void CRomAhead::Run(const CCommentList& comments, const CLadderList& programs,
                    const CLoadedRows* loaded) {
    // The comment file first: while its bytes go to disk, the compile has the cores.
    commentRefusal_ = CompiledCommentsRefusal(comments);
    if (!commentRefusal_) {
        try {
            commentBytes_ = CompiledCommentBytes(comments);
            auto file = std::make_unique<CAtomicFile>(commentPath_);
            file->Archive().Write(commentBytes_.data(), commentBytes_.size());
            file->Finish();
            commentFile_ = std::move(file);
        } catch (...) {
            commentFailure_ = std::current_exception();
        }
    }
    try {
        ladder_ = MakeLadderImage(programs, loaded);
    } catch (...) {
        ladderFailure_ = std::current_exception();
    }
}

void CRomAhead::Wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

const std::optional<std::string>& CRomAhead::CommentRefusal() {
    Wait();
    return commentRefusal_;
}

const std::vector<std::uint8_t>& CRomAhead::CommentBytes() {
    Wait();
    return commentBytes_;
}

void CRomAhead::CommitCommentFile() {
    Wait();
    if (commentFailure_) {
        std::rethrow_exception(commentFailure_);
    }
    commentFile_->Commit();
}

const CLadderImage& CRomAhead::Ladder() {
    Wait();
    if (ladderFailure_) {
        std::rethrow_exception(ladderFailure_);
    }
    return ladder_;
}

}  // namespace varno
