// Writing the target file's sections (layout in target_reader.h).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "compiler/ldcmd_list.h"
#include "model/ladder_file.h"
#include "model/ladder_list.h"
#include "platform/archive.h"
#include "project/version_array.h"

namespace varno {

// The ladder section, made ahead of the file: it depends on the programs alone.
struct CLadderImage {
    std::vector<std::uint8_t> head;         // header, program table and row table
    std::vector<std::uint8_t> body;         // the rows
    std::size_t rows = 0;                   // the programs' row total
    std::optional<std::string> rowRefusal;  // the first row the file cannot hold, as an output line
};

// With `loaded`, rows whose records it holds are copied from there instead of written anew; the
// image is the same. It must describe the programs as they are (see CLoadedRows).
CLadderImage MakeLadderImage(const CLadderList& programs, const CLoadedRows* loaded = nullptr);

// What does not fit the file's narrow fields, one output line each; empty when everything
// fits. Checked: the instruction count (16-bit index), the row total (16-bit), every row's
// record length (16-bit), display height and extent (8-bit), comment rows the ladder file
// cannot hold, and version texts with a zero byte.
std::vector<std::string> TargetFileRefusals(const CLDCmdList& linked, const CLadderImage& ladder,
                                            const CVersionArray& versions);

// The sum of all bytes of all instruction records.
std::uint32_t InstructionChecksum(const CLDCmdList& linked);
// The program code of the program table: the name's order key as 16 bits.
std::uint16_t ProgramCode(const std::string& name);

void WriteTargetHeader(CArchive& ar);
void WriteInstructionSection(CArchive& ar, const CLDCmdList& linked);
void WriteLadderSection(CArchive& ar, const CLadderImage& image);

// The whole file. paramFile is the parameter file's bytes, or nullopt to leave the section
// out; comments is the compiled comment section. Everything must fit (TargetFileRefusals).
void WriteTargetFile(CArchive& ar, const CLDCmdList& linked,
                     const std::optional<std::string>& paramFile,
                     std::span<const std::uint8_t> comments, const CVersionArray& versions,
                     const CLadderImage& ladder);

}  // namespace varno
