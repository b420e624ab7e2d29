// What the editor's dialogs check and read when the user presses OK. The window's dialogs and
// the script runner's answers go through the same functions, so both accept and refuse alike.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "comments/comment_list.h"
#include "model/address.h"
#include "platform/message_service.h"

namespace varno {

// The contact or coil dialog's values: the position in its type list (-1 for none, taken as
// 0) and the address text.
struct CElementDialogData {
    int typeIndex = -1;
    std::string address;
};

// What the dialog gives back on OK: the basic code at the chosen position and the address.
struct CElementChoice {
    std::uint8_t code = 0;
    LDADDR address;
};

// The contact and coil dialogs' OK: the text must be an address of the element's class within
// its range, or a symbol of such an address (the text is then rewritten with the address). A
// refused text shows "Address error!" and gives nullopt; the dialog then stays open.
std::optional<CElementChoice> CheckElementDialog(ElementClass cls, CElementDialogData& data,
                                                 const CCommentList& comments,
                                                 IMessageService& messages);

// The element comment dialog's values (its address shown read-only).
struct CElemCommentData {
    std::string address;
    std::string symbol;
    std::string comment1;
    std::string comment2;
};

// The element comment dialog's OK: the address text must be an operand text; otherwise
// "Address error!" and false.
bool CheckElemCommentDialog(const CElemCommentData& data, IMessageService& messages);

// A text read as a decimal integer the way the dialogs read numbers: blanks, an optional sign
// and the digits that follow; 0 when there are none. Saturates at the 32-bit limits.
std::int32_t ReadDialogInt(std::string_view text);

// The batch dialog's values.
struct CBatchDialogData {
    int typeIndex = 0;  // position in the batch-edit range list; -1 for none
    std::string start;
    std::string end;
    std::uint32_t amount = 0;
    int area = 0;  // 0 the selection, 1 the whole ladder
};

// The Start and End texts the dialog puts in when a type is chosen: the four characters after
// the bank letter of its hint, and the four after its "-" (for X: "0000" and "0127").
void FillBatchDefaults(CBatchDialogData& data);

// A batch edit as the dialog's OK reads it: the bank letter ('\0' when no type is chosen), the
// byte range and the amount added to each matching byte number, modulo 65536.
struct CBatchRequest {
    char letter = '\0';
    int first = 0;
    int last = 0;
    int delta = 0;
    int area = 0;
};
CBatchRequest ReadBatchDialog(const CBatchDialogData& data);

}  // namespace varno
