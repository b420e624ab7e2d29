// The errors one compile run found, in the order they were found.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace varno {

// Error kinds. Kinds 1, 3 and 5 make a program's compilation fail; kinds 2, 6 and 7 are
// reported but the instructions are still written.
enum CompileErrorKind : int {
    ERR_CONNECT = 1,         // an element's right side runs into nothing it can join
    ERR_SHORT_CONNECT = 2,   // two vertical lines joined by plain wire
    ERR_OUTPUT = 3,          // an output branch whose chain does not end in outputs only
    ERR_REFLUENCE = 5,       // power would flow right to left
    ERR_FUNC_IN_BRANCH = 6,  // a functional block on one of several parallel branches
    ERR_FUNC_OUTPUT = 7,     // a functional block's output feeding a junction
};

struct CErrorInfo {
    int row = 0;  // 0-based row index within the program
    int kind = 0;
    // The program the error was found in. A run continues past programs whose errors do not
    // fail it, so the list's current name may already name a later program.
    std::string program;  // GBK

    bool operator==(const CErrorInfo&) const = default;
};

class CErrorList {
public:
    // Names the program whose errors are recorded next.
    void SetProgramName(std::string name) { programName_ = std::move(name); }
    const std::string& ProgramName() const { return programName_; }

    void Add(int row, int kind) { errors_.push_back(CErrorInfo{row, kind, programName_}); }
    // Appends another run's errors, each keeping its own program.
    void Append(const CErrorList& other) {
        errors_.insert(errors_.end(), other.errors_.begin(), other.errors_.end());
    }

    // Forgets the errors, keeping the program name.
    void Clear() { errors_.clear(); }

    std::size_t GetCount() const { return errors_.size(); }
    bool IsEmpty() const { return errors_.empty(); }
    const CErrorInfo& operator[](std::size_t index) const { return errors_[index]; }
    auto begin() const { return errors_.begin(); }
    auto end() const { return errors_.end(); }

private:
    std::vector<CErrorInfo> errors_;
    std::string programName_;
};

}  // namespace varno
