// CLadderList: the project's ladder programs, owned, in their fixed order: LEVEL1, LEVEL2, then
// the subprograms by number. Names are unique after every operation of the list.
//
// Order key of a name: -2 for the LEVEL1 text of the running edition, -1 for the LEVEL2 text,
// the byte number (0..9999) for a name that ParseAddress accepts with letter P, -3 for one it
// accepts with another letter, 0 for a name it refuses. The list stays in ascending key order;
// equal keys keep the order they were added in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/ladder.h"
#include "platform/linked_list.h"

namespace varno {

int ProgramOrderKey(const std::string& name);

class CLadderList : public CLinkedList<CLadder> {
public:
    // Inserts before the first program with a greater key (at the end when there is none).
    CLadder& AddSorted(std::unique_ptr<CLadder> program);
    // Adds programs in order as if each first removed the list's program of its name and was
    // then added with AddSorted, without the cost of doing that one by one. The list must be
    // in key order, as AddSorted keeps it.
    void ReplaceAndAddAll(std::vector<std::unique_ptr<CLadder>> programs);

    // Exact, case-sensitive look-ups by name.
    CLadder* FindByName(const std::string& name) const;
    std::optional<std::size_t> FindPosition(const std::string& name) const;
    // Removes and deletes the program; false when no program has the name.
    bool RemoveByName(const std::string& name);
    void DeleteAll() { RemoveAll(); }
    // Rows of all programs: the row count of the program set file.
    std::uint64_t TotalRows() const;

    // An empty program named LEVEL1 (LEVEL2) holding an END1 (END2) block with its wire in row 0.
    CLadder& NewLevel1();
    CLadder& NewLevel2();
    // Just LEVEL1 and LEVEL2.
    void ResetToNewProject();
    // A subprogram named after its SP operand (e.g. P0010): the SP block in rows 0..1 and the
    // SPE block in rows 2..3, each with its wire. The caller has checked that the name is a
    // program name not in use; null when the name does not parse.
    CLadder* NewSubprogram(const std::string& name);
};

}  // namespace varno
