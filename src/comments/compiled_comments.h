// The compiled comment section "CMT": the element comments in fixed-layout records. It is the
// whole content of the file "plc.pro" beside the comment file, and the comment section of every
// target file, from which an import turns it back into comments.
//
// Little-endian, unsigned. Only kept items appear: those with a non-empty symbol, comment 1 or
// comment 2. G groups (all groups of the list, in order), K kept items, S = 32 + 8G + 8K.
//   0  "CMT\0"            4  u16 header size 32      6  u16 200
//   8  u32 section size: S + the sizes of all text blocks
//  12  u32 S, the offset of the first text block
//  16  u16 8 (group entry size)   18  u16 G   20  u16 8 (item entry size)   22  u16 K
//  24  8 zero bytes
//  32  G group entries: letter, 0, u16 kept items of the group, u32 offset of the group's first
//      item entry (a group without kept items points where the next group's items begin)
//  32 + 8G  K item entries, groups and items in order: 4-byte address record, u32 offset of
//      the item's text block
//  S   K text blocks in item order: symbol, 0, comment 1, 0, comment 2, 0
// Offsets count from the start of the section.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "comments/comment_list.h"
#include "platform/archive.h"
#include "platform/message_service.h"
#include "platform/output.h"

namespace varno {

inline constexpr const char* COMPILED_COMMENT_FILE = "plc.pro";

// Why the list cannot be written as a section that reads back the same (as a line for the
// output window), or nullopt when it can: more kept items than the 16-bit count holds, a
// section larger than its 32-bit size, or a text with a zero byte, which would end the text
// early when read back.
std::optional<std::string> CompiledCommentsRefusal(const CCommentList& list);

// The section's bytes. The list must fit (CompiledCommentsRefusal).
std::vector<std::uint8_t> CompiledCommentBytes(const CCommentList& list);
void WriteCompiledComments(CArchive& ar, const CCommentList& list);

// Writes the section as a file that replaces the old one only once complete. False when the
// list does not fit or the file cannot be written; the reason, as a line for the output
// window, goes to why.
bool WriteCompiledCommentFile(const CCommentList& list, const std::string& path,
                              std::string* why = nullptr);

// Reads a section at the archive's position and replaces the list's items by its items (an
// item whose letter has no group is dropped); the modified flag stays as it was. The archive
// ends right after the section. False, with the list unchanged, for a wrong tag, header size
// or entry size, sizes or offsets that do not fit the section or the data, or a short read.
bool ReadCompiledComments(CArchive& ar, CCommentList& list);
bool ReadCompiledCommentFile(const std::string& path, CCommentList& list);

// The Generate comment file command: clears the output, writes plc.pro at the path and beeps
// (exclamation on success; on failure the reason goes to the output and the error beep
// sounds). Returns whether the file was written.
bool RunGenerateCommentFile(const CCommentList& list, const std::string& path, IOutput& output,
                            IMessageService& messages);

// The stored path of plc.pro: the directory part of the stored comment file path (up to and
// including its last separator, "\" or "/"), then "plc.pro".
std::string CompiledCommentStoredPath(std::string_view storedCommentPath);

}  // namespace varno
