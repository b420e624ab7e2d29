// What a target file holds besides the code depends on the comments and the programs alone, so
// Generate ROM prepares it on a thread of its own while the programs compile: the ladder image,
// and plc.pro, written and forced to disk. plc.pro replaces the old file only when the whole
// run succeeds; a run that fails leaves the old one as it was.
#pragma once

#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "comments/comment_list.h"
#include "model/ladder_list.h"
#include "platform/atomic_file.h"
#include "target/target_writer.h"

namespace varno {

class CRomAhead {
public:
    // Starts the thread. The comments and the programs' rows (and `loaded`, when given, for
    // the image) must stay as they are until the object is gone; compiling the programs
    // meanwhile is fine.
    CRomAhead(const CCommentList& comments, std::string commentPath, const CLadderList& programs,
              const CLoadedRows* loaded);
    // Waits for the thread; without CommitCommentFile the old plc.pro stays.
    ~CRomAhead();
    CRomAhead(const CRomAhead&) = delete;
    CRomAhead& operator=(const CRomAhead&) = delete;

    // Why the comments cannot be compiled, as an output line; nullopt when they can.
    const std::optional<std::string>& CommentRefusal();
    // The compiled comment section; empty when refused.
    const std::vector<std::uint8_t>& CommentBytes();
    // Puts plc.pro in place; only when the comments are not refused. Throws what writing the
    // file threw, or CFileException when the rename fails.
    void CommitCommentFile();
    // Throws what making the image threw.
    const CLadderImage& Ladder();

private:
    void Run(const CCommentList& comments, const CLadderList& programs, const CLoadedRows* loaded);
    void Wait();

    std::string commentPath_;
    std::optional<std::string> commentRefusal_;
    std::vector<std::uint8_t> commentBytes_;
    std::unique_ptr<CAtomicFile> commentFile_;
    std::exception_ptr commentFailure_;
    CLadderImage ladder_;
    std::exception_ptr ladderFailure_;
    std::thread thread_;  // last: it starts once the members above exist
};

}  // namespace varno
