// The recent-file list of the File menu: at most four project paths, the last one opened
// first. The desktop application keeps it in its settings.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace varno {

class CRecentFileList {
public:
    static constexpr std::size_t SIZE = 4;

    explicit CRecentFileList(std::vector<std::string> paths = {});

    // Puts the path at the top, removing an entry of the same path; the oldest entry beyond
    // four drops off. An empty path changes nothing.
    void Add(const std::string& path);
    void Remove(const std::string& path);
    const std::vector<std::string>& Paths() const { return paths_; }

private:
    std::vector<std::string> paths_;
};

// Whether a path handed to the application's document opening names a project: its extension
// (from the last "." of the file name) is ".VP3" in any letter case.
bool IsProjectDocumentPath(const std::string& path);

// How Close Ladder Documents treats one open ladder document. A document whose path holds a "."
// edits a ladder file; any other edits one program of the project (its path is the name).
enum class LadderCloseStep { Keep, Close, Stop };
bool IsLadderFileDocument(const std::string& path);
// With check: a changed file document stops the walk, an unchanged one is closed, program
// documents are kept. Without check: program documents are closed, file documents kept.
LadderCloseStep LadderCloseDecision(bool check, const std::string& path, bool modified);

}  // namespace varno
