#include "editor_fixture.h"

#include "model/ladder_file.h"
#include "platform/archive.h"

namespace varno::test {

bool CMemoryProject::SavePrograms(const std::string& path, std::string* error) {
    StrId why{};
    if (!WriteProgramSet(path.empty() ? ladderFile : path, programs, &why)) {
        if (error != nullptr) {
            *error = LoadString(why);
        }
        return false;
    }
    laddersModified = false;
    return true;
}

void CMemoryProject::ReloadPrograms(const std::string& saved) {
    ++reloads;
    savedFile = saved;
    programs.DeleteAll();
    ReadProgramSet(ladderFile, programs);
}

namespace {

template <class T>
std::optional<T> Next(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) {
        return std::nullopt;
    }
    std::optional<T> answer;
    answer.swap(queue.front());
    queue.pop_front();
    return answer;
}

}  // namespace

std::optional<CElementChoice> CQueuedDialogs::RunElementDialog(ElementClass cls,
                                                               CElementDialogData data,
                                                               const ElementCheck& check) {
    elementsShown.push_back(data);
    elementClasses.push_back(cls);
    std::optional<CElementDialogData> answer = Next(elements);
    if (!answer) {
        return std::nullopt;
    }
    return check(*answer);
}

std::optional<int> CQueuedDialogs::RunFunctionDialog(int preselected) {
    functionsShown.push_back(preselected);
    return Next(functions);
}

bool CQueuedDialogs::RunOperandDialog(COperandTable& table) {
    std::vector<std::string> shown;
    for (std::size_t i = 0; i < table.RowCount(); ++i) {
        shown.push_back(table.Text(i));
    }
    operandsShown.push_back(shown);
    std::optional<std::vector<std::string>> answer = Next(operands);
    if (!answer) {
        return false;
    }
    for (std::size_t i = 0; i < answer->size() && i < table.RowCount(); ++i) {
        table.EditRow(i, (*answer)[i]);
    }
    return true;
}

std::optional<std::pair<std::string, std::string>> CQueuedDialogs::RunCommentRowDialog(
    const std::string& comment1, const std::string& comment2) {
    commentRowsShown.emplace_back(comment1, comment2);
    return Next(commentRows);
}

bool CQueuedDialogs::RunElemCommentDialog(CElemCommentData& data, const ElemCommentCheck& check) {
    elemCommentsShown.push_back(data);
    std::optional<CElemCommentData> answer = Next(elemComments);
    if (!answer) {
        return false;
    }
    CElemCommentData values = data;
    values.symbol = answer->symbol;
    values.comment1 = answer->comment1;
    values.comment2 = answer->comment2;
    if (!check(values)) {
        return false;
    }
    data = values;
    return true;
}

std::optional<std::string> CQueuedDialogs::RunFindDialog(const std::string& text) {
    findsShown.push_back(text);
    return Next(finds);
}

bool CQueuedDialogs::RunBatchDialog(CBatchDialogData& data) {
    batchesShown.push_back(data);
    std::optional<CBatchDialogData> answer = Next(batches);
    if (!answer) {
        return false;
    }
    data = *answer;
    return true;
}

CEditorFixture::CEditorFixture() {
    Reset(1);
}

void CEditorFixture::Reset(int rows) {
    doc.OnNewDocument();
    doc.GetLadder().DeleteAllRows();
    for (int i = 0; i < rows; ++i) {
        doc.GetLadder().InsertRow(i);
    }
    doc.History().Clear();
    view.OnInitialUpdate();
}

std::vector<std::string> Snapshot(const CLadder& ladder) {
    std::vector<std::string> rows;
    for (const CLDRow& row : ladder) {
        CMemWriteArchive ar;
        WriteRow(ar, row);
        rows.emplace_back(ar.Data().begin(), ar.Data().end());
    }
    return rows;
}

CLDCell WireCell() {
    CLDCmd wire;
    wire.kind = LDCMD_HLINE;
    return CLDCell(wire);
}

}  // namespace varno::test
