// The PLC target file ("DST.PLC" unless the project names another): what the controller loads,
// and what an import turns back into a project. All numbers unsigned little-endian. The
// sections follow one another without gaps, in this order:
//
// File header, 32 bytes: "PLC\0", u16 32 (header size), u16 200, 24 zero bytes.
//
// "EXE", the linked instructions: a 32-byte header and n records of 8 bytes.
//    0 "EXE\0"   4 u16 32   6 u16 200   8 u32 section size 32 + 8n   12 u32 32 (first record)
//   16 u32 n    20 u32 checksum: the sum of all bytes of all records   24 8 zero bytes
//   Record: u16 index (its 0-based position), u8 kind, u8 code, then the instruction's 4-byte
//   operand unchanged (address record, or 32-bit constant). The linker's work-bit instructions
//   (code 23, W addresses) follow their edge contacts; CALL, CALLU and JMPB operands hold the
//   1-based position of their SP or LBL head, which is the index of that head's operand
//   record; the last record is the end instruction, all zero (see linker.h).
//
// "PAR", the project's parameter file copied unchanged (layout in params/param_list.h; its
//   size at offset 8). Absent when the project had no readable parameter file: "CMT" follows
//   "EXE" directly, and the tags tell the two apart.
// "CMT", the compiled comments (layout in comments/compiled_comments.h; size at offset 8).
// "VER", the version block (layout in project/version_array.h; size at offset 8).
//
// "LAD", the ladder image: a 64-byte header, the program table, the row index and the rows.
// P programs, R rows in all, S = 64 + 8P + 4R:
//    0 "LAD\0"  4 u16 64   6 u16 200   8 u32 S   12 u32 S   16 u16 R   18 u16 8
//   20 u16 8 (program entry size)   22 u16 P   24 u16 4 (row entry size)   26 u16 R
//   28 36 zero bytes
//   Program table, P entries in program-list order: u16 program code (0xFFFE LEVEL1, 0xFFFF
//     LEVEL2, the number of a subprogram Pnnnn, 0xFFFD another address letter, 0 otherwise),
//     u16 rows of the program, u32 64.
//   Row index, R entries: u16 length of the row's record, u8 display height, u8 extent (the
//     rows the row's blocks reach down) for an element row, again the height for a comment row.
//   Row records: every row of every program in order, as in the ladder file
//     (model/ladder_file.h). The header with the fields at 22 and 26 set to 0, followed by the
//     row records, is the ladder file of all programs.
// Nothing follows the ladder section.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "comments/comment_list.h"
#include "project/version_array.h"

namespace varno {

inline constexpr std::uint16_t TARGET_HEADER_SIZE = 32;
inline constexpr std::uint16_t TARGET_VERSION = 200;
inline constexpr std::uint16_t TARGET_LADDER_HEADER_SIZE = 64;
inline constexpr std::uint16_t TARGET_PROGRAM_ENTRY_SIZE = 8;
inline constexpr std::uint16_t TARGET_ROW_ENTRY_SIZE = 4;
inline constexpr std::uint32_t TARGET_MAX_INSTRUCTIONS = 65536;
inline constexpr std::uint32_t TARGET_MAX_ROWS = 65535;
inline constexpr std::uint32_t TARGET_MAX_ROW_BYTES = 65535;
inline constexpr int TARGET_MAX_ROW_HEIGHT = 255;
// Far above any project the narrow fields allow; a larger file is refused unread.
inline constexpr std::uint64_t TARGET_MAX_FILE = 1ull << 30;

// Everything an import takes from a target file that passed every check.
struct CTargetImage {
    std::uint32_t instructions = 0;
    std::optional<std::string> paramFile;  // the parameter section's bytes, when there is one
    CCommentList comments;
    CVersionArray versions;
    std::string ladderFile;  // a ladder file of all programs
};

// Reads and checks the whole file: every section's tag, header size, size and counts against
// the bytes present, the instruction checksum, the parameter directory, the comment and
// version readers' checks, the ladder header, program table and row index against the rows,
// every row, and that nothing follows. On any failure returns nullopt with the reason (a GBK
// line) in why.
std::optional<CTargetImage> ReadTargetFile(std::span<const std::uint8_t> bytes, std::string* why);

// Whether a parameter section (or parameter file) is sound: tag, header size 32, its size
// field equal to its length, entry size 8, the directory and every table inside it.
bool ParamSectionSound(std::span<const std::uint8_t> section);

}  // namespace varno
