// The ladder file (.vld) and the byte form of rows and cells that undo records, the clipboard
// and the target file's ladder image share. Little-endian throughout.
//
// Header, 64 bytes:
//   0  4  magic 4C 41 44 00 ("LAD\0")      16  2  row count (rows that follow)
//   4  2  header size 64                     18  2  cells per row, 8
//   6  2  version 200                        20  4  constant 8
//   8  8  zero                               24  4  constant 4
//                                            28 36  zero
// Writers emit exactly these values; readers check only the magic and version <= 200.
//
// Row header, 8 bytes: byte 0 tag (0x25 '%' element row, 0x2F '/' comment row), bytes 1..3
// zero, bytes 4..7 a 32-bit value.
//   Comment row: value = length of text 2 << 16 | length of text 1; then the bytes of text 1
//   and text 2, no terminators. A text read back ends at its first zero byte.
//   Element row: value = number of 8-byte records that follow (cell records + operand
//   records; readers take as many records as the cells call for and use it only as a hint).
// Cell record, 8 bytes: the cell's CLDCmd (kind, vertical flag, code, reserved, operand) where
//   a block head (kind 17) has operand 0, and an empty (0) or wire (45) record has as operand
//   its run length: how many consecutive cells, from this one, it stands for. Writers join a
//   cell into the previous record when both are empty or both wires with the same vertical
//   flag. Readers take records until the eight columns are covered; a run length of 2..8
//   fills the following cells (kind, flag, code; clipped at column 7), other values one cell.
// Operand records: after the cell records, for each head left to right, its records as held in
//   memory (kind 18, tag 0x81 constant or 0x82 LDADDR): the catalog's operand count, and for
//   CODB (27) then as many table items as its second operand says.
//
// A program file holds one program; a program set file holds every program of a project one
// after the other, each ending with its END1, END2 or SPE row (see ReadProgramSet).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/ladder.h"
#include "platform/archive.h"
#include "platform/string_table.h"

namespace varno {

class CLadderList;

inline constexpr std::uint8_t LADDER_MAGIC[4] = {'L', 'A', 'D', 0};
inline constexpr std::uint16_t LADDER_HEADER_SIZE = 64;
inline constexpr std::uint16_t LADDER_FILE_VERSION = 200;
inline constexpr int LADDER_FILE_MAX_ROWS = 65535;
inline constexpr std::size_t COMMENT_MAX_BYTES = 65535;
inline constexpr std::uint8_t ROW_TAG_ELEMENTS = 0x25;
inline constexpr std::uint8_t ROW_TAG_COMMENT = 0x2F;

// A row read back, and what its blocks say about the program: 1 (END1), 2 (END2), 71 (SP) or
// 72 (SPE) for the last such head in an element row, 0 otherwise. Marker -1 (and no row) for an
// unrecognised tag or a row cut short by the end of the data.
// asWritten says whether the row's bytes are exactly those AppendRow writes for the row read,
// so that they may be copied instead of written anew; record holds them when they were read
// from memory by ReadRowKeepingRecord.
struct CRowRead {
    std::unique_ptr<CLDRow> row;
    int marker = -1;
    bool asWritten = false;
    std::span<const std::uint8_t> record;
};

// The bytes of a program set file read into memory, and for each program read from it, each
// row's record in those bytes, for writers that copy rows instead of writing them anew. A row the
// reader made (the blank row that closes a program) or whose bytes differ from those AppendRow
// writes for it has an empty record. It describes the programs only while they stay unchanged.
struct CLoadedRows {
    using CRecords = std::vector<std::span<const std::uint8_t>>;  // one a row

    std::string bytes;
    std::unordered_map<const CLadder*, CRecords> programs;

    // The program's records; null when the program was not read into this.
    const CRecords* Records(const CLadder& program) const;
};

void WriteLadderHeader(CArchive& ar, std::uint16_t rowCount);
// The row count, or nullopt for a short header, a wrong magic or a version above 200.
std::optional<std::uint16_t> ReadLadderHeader(CArchive& ar);

CRowRead ReadRow(CArchive& ar);
// The same, with the row's record kept when asWritten.
CRowRead ReadRowKeepingRecord(CMemReadArchive& ar);
// The body of a comment row whose 8-byte header (value) was already read; null when short.
std::unique_ptr<CLDRow> ReadCommentRow(CArchive& ar, std::uint32_t value);
// Whether a row can be written so that it reads back the same: a comment row's texts must each
// fit in 65535 bytes and hold no zero byte.
bool RowFitsFile(const CLDRow& row);
// Writes a row; false, with nothing written, when !RowFitsFile(row).
bool WriteRow(CArchive& ar, const CLDRow& row);
// The same bytes appended to out.
bool AppendRow(std::vector<std::uint8_t>& out, const CLDRow& row);
// Bytes the row takes in a file.
std::uint64_t RowRecordSize(const CLDRow& row);

// One cell record as written for undo and the clipboard (no run-length joining). False when
// the data ends inside the record. A head's operands follow with Read/WriteCellOperands.
// Reading is for cells that belong to no ladder (records of undo and the clipboard).
bool ReadCell(CArchive& ar, CLDCell& cell);
void WriteCell(CArchive& ar, const CLDCell& cell);
// A head's operand records; nothing for other cells. False, with the cell unchanged, when the
// data holds fewer records than the head needs.
bool ReadCellOperands(CArchive& ar, CLDCell& cell);
void WriteCellOperands(CArchive& ar, const CLDCell& cell);

// Reads a program file's header and rows, appending the rows to the program. False for an
// unrecognised header (no row is added) and for a row that cannot be read (the rows before it
// stay); the document then shows IDS_UNRECOGNIZED_FILE.
bool ReadProgramFile(CArchive& ar, CLadder& program);
// Writes a program file. Refuses (false, nothing written, the reason's text in *why) a program
// of more than 65535 rows or with a row that does not fit the file.
bool WriteProgramFile(CArchive& ar, const CLadder& program, StrId* why = nullptr);

// Reads a program set file into the list: the row stream is cut into programs at their END1
// (named LEVEL1), END2 (LEVEL2) and SPE rows (named by their SP row's operand, e.g. P0010);
// each closed program gets a trailing blank row and replaces the list's program of the same
// name. Blank element rows that begin a program are dropped (they are the trailing blank rows
// of the program before), and rows after the last closing row are dropped. False when the file
// cannot be opened or its header is not recognised (nothing changes), or when a row is
// unrecognised or cut short: reading stops there and the programs closed before it are kept.
//
// With `loaded` the file's bytes are kept there, and for each program the read put in the list,
// each row's record in them (see CLoadedRows).
bool ReadProgramSet(const std::string& path, CLadderList& list, CLoadedRows* loaded = nullptr);
// The same on the file's whole content, already in memory.
bool ReadProgramSetFromBytes(std::string bytes, CLadderList& list, CLoadedRows* loaded = nullptr);
// Writes every program of the list in list order into a new file that replaces the old one
// only once complete. False when the content does not fit the format (nothing is written, the
// reason in *why) or the file cannot be created (IDS_LADDER_CANNOT_CREATE). Write failures
// after that throw CFileException and leave the old file in place.
bool WriteProgramSet(const std::string& path, const CLadderList& list, StrId* why = nullptr);
// The same over an archive (the file's whole content from its header on).
bool ReadProgramSet(CArchive& ar, CLadderList& list);
bool WriteProgramSet(CArchive& ar, const CLadderList& list, StrId* why = nullptr);

}  // namespace varno
