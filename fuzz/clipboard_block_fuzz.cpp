// The clipboard block reader on arbitrary bytes, and a paste of what it accepts: the paste must
// stay inside the room its spans give, and one undo must give back the ladder as it was.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "editor/clipboard_block.h"
#include "editor/ladder_view.h"
#include "model/ladder_file.h"
#include "platform/archive.h"
#include "support/quiet_services.h"

using namespace varno;

namespace {

class CNoDialogs final : public IEditorDialogs {
public:
    std::optional<CElementChoice> RunElementDialog(ElementClass, CElementDialogData,
                                                   const ElementCheck&) override {
        return std::nullopt;
    }
    std::optional<int> RunFunctionDialog(int) override { return std::nullopt; }
    bool RunOperandDialog(COperandTable&) override { return false; }
    std::optional<std::pair<std::string, std::string>> RunCommentRowDialog(
        const std::string&, const std::string&) override {
        return std::nullopt;
    }
    bool RunElemCommentDialog(CElemCommentData&, const ElemCommentCheck&) override { return false; }
    std::optional<std::string> RunFindDialog(const std::string&) override { return std::nullopt; }
    bool RunBatchDialog(CBatchDialogData&) override { return false; }
};

std::vector<std::vector<std::uint8_t>> Snapshot(const CLadder& ladder) {
    std::vector<std::vector<std::uint8_t>> rows;
    for (const CLDRow& row : ladder) {
        CMemWriteArchive ar;
        WriteRow(ar, row);
        rows.push_back(ar.Data());
    }
    return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::optional<CClipboardBlock> block = ReadClipboardBlock(std::span(data, size));
    if (!block) {
        return 0;
    }
    for (const CClipboardEntry& e : block->entries) {
        const long long row = static_cast<long long>(e.row) - block->firstRow;
        const long long column = static_cast<long long>(e.column) - block->firstColumn;
        if (row < 0 || row >= block->rowSpan || column < 0 || column >= block->columnSpan ||
            e.cell.has_value() == (e.comment != nullptr)) {
            std::abort();
        }
    }

    test::CQuietProject project;
    test::CSilentMessages messages;
    CMemoryClipboard clipboard;
    CNoDialogs dialogs;
    CLadderDoc doc(project, messages);
    doc.OnNewDocument();
    doc.InsertRows(0, nullptr, 3);
    doc.History().Clear();
    CLadderView view(doc, dialogs, clipboard);
    view.OnInitialUpdate();
    view.SetCaret(1, 0, false);
    const auto before = Snapshot(doc.GetLadder());
    clipboard.SetData(CLIPBOARD_FORMAT, std::vector<std::uint8_t>(data, data + size));
    view.OnPaste();
    if (doc.GetLadder().RowCount() > 4LL + block->rowSpan + 2LL * LADDER_FILE_MAX_ROWS) {
        std::abort();
    }
    // A paste of more than the history's limit of records loses the start of its group to the
    // trim, and its undo then stops short; every smaller paste is undone completely.
    const CUndoHistory& history = doc.History();
    if (history.Count() > 0 && !history.Record(0).GroupStart()) {
        return 0;
    }
    doc.Undo();
    if (Snapshot(doc.GetLadder()) != before) {
        std::abort();
    }
    return 0;
}
