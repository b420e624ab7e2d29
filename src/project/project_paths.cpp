#include "project/project_paths.h"

#include <filesystem>

#include "platform/codepage.h"

namespace varno {

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

}  // namespace

CProjectPathParts SplitProjectPath(std::string_view path) {
    // Operating-system paths are UTF-8, whose bytes after the first of a character are never
    // a separator or a dot, so plain byte searches are safe.
    std::size_t separator = path.find_last_of("/\\");
    std::size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    std::string_view file = path.substr(nameStart);
    std::size_t dot = file.find_last_of('.');
    CProjectPathParts parts;
    parts.directory = std::string(path.substr(0, nameStart));
    parts.name = std::string(file.substr(0, dot));
    return parts;
}

std::string DefaultStoredPath(std::string_view osName, std::string_view extension) {
    return ".\\" + Utf8ToGbk(osName) + std::string(extension);
}

std::string ResolveStoredPath(std::string_view projectDirectory, std::string_view stored) {
    std::string path = GbkToUtf8(stored);
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    std::filesystem::path resolved(path);
    if (path.empty() || !IsSeparator(path.front())) {
        resolved = std::filesystem::path(std::string(projectDirectory)) / resolved;
    }
    return resolved.lexically_normal().string();
}

}  // namespace varno
