// Paths of a project. The project file's own path comes from the operating system (UTF-8,
// "/" separators); the data-file paths stored in the project file are kept the Windows way
// (GBK bytes, ".\Demo.vld") so that files move between systems unchanged. Both separators are
// accepted when a path is read; resolving a stored path for the operating system turns it into
// UTF-8 with "/" separators.
#pragma once

#include <string>
#include <string_view>

namespace varno {

struct CProjectPathParts {
    std::string directory;  // up to and including the last separator; empty when there is none
    std::string name;       // the file name without its extension
};

// Splits the project file path. The extension starts at the last "." of the file name; a
// name without "." is taken whole (a dot in a folder name is no extension).
CProjectPathParts SplitProjectPath(std::string_view path);

// ".\" + name + extension: the stored form of a data file beside the project file. The name is
// converted from the operating system's UTF-8 to GBK.
std::string DefaultStoredPath(std::string_view osName, std::string_view extension);

// The operating-system path of a stored path: an absolute one ("/..." or "\...") as it is, a
// relative one below the project directory, "." and ".." resolved.
std::string ResolveStoredPath(std::string_view projectDirectory, std::string_view stored);

}  // namespace varno
