// The cross reference of a project: every use of every address, listed by address (in the
// order of address_key.h), and within an address in project order, each address with its symbol
// and comment 1 from the element comments and its count of reads and writes.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "check/address_pattern.h"
#include "check/address_use.h"
#include "comments/comment_list.h"
#include "model/ladder_list.h"

namespace varno {

struct CXrefAddress {
    LDADDR address;
    std::string symbol;     // GBK; empty without an element comment
    std::string comment;    // comment 1
    std::size_t first = 0;  // its uses are uses[first, first + count)
    std::size_t count = 0;
    int reads = 0;  // a use that reads and writes counts once in each
    int writes = 0;
    int others = 0;  // operands that only name something
};

struct CCrossReference {
    std::vector<std::string> programs;  // names by program index (GBK)
    std::vector<CAddressUse> uses;
    std::vector<CXrefAddress> addresses;

    std::span<const CAddressUse> UsesOf(const CXrefAddress& entry) const {
        return std::span<const CAddressUse>(uses).subspan(entry.first, entry.count);
    }
};

// The uses of the addresses the pattern selects.
CCrossReference BuildCrossReference(const CLadderList& programs, const CCommentList& comments,
                                    const CAddressPattern& pattern = {});

// How a use uses its address: "-| |-", "-( )-", "MOVB operand 2" (running edition, GBK).
std::string UseText(const CAddressUse& use);
// "read", "write", "read/write", or empty for an operand that only names something.
std::string AccessText(Access access);
// "3 reads, 1 write", with ", 2 other uses" when there are such.
std::string UseCountText(const CXrefAddress& entry);

// The listing: per address a line with address, symbol, comment and counts, then one indented
// line per use with its place, what it is and its access; a last line "N addresses, M uses".
std::vector<std::string> CrossReferenceLines(const CCrossReference& xref);
// RFC 4180 CSV, a header record and one record per use, lines ended by CR LF.
std::string CrossReferenceCsv(const CCrossReference& xref);

}  // namespace varno
