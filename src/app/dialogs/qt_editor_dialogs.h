// The ladder editor's dialogs on the desktop: each call runs the matching dialog modally over
// the parent widget. The ladder window makes one and hands it to its CLadderView.
#pragma once

#include <memory>

#include "editor/editor_dialogs.h"

class QWidget;

namespace varno {

class IMessageService;

class CQtEditorDialogs final : public IEditorDialogs {
public:
    explicit CQtEditorDialogs(QWidget* parent);
    ~CQtEditorDialogs() override;

    std::optional<CElementChoice> RunElementDialog(ElementClass cls, CElementDialogData data,
                                                   const ElementCheck& check) override;
    std::optional<int> RunFunctionDialog(int preselected) override;
    bool RunOperandDialog(COperandTable& table) override;
    std::optional<std::pair<std::string, std::string>> RunCommentRowDialog(
        const std::string& comment1, const std::string& comment2) override;
    bool RunElemCommentDialog(CElemCommentData& data, const ElemCommentCheck& check) override;
    std::optional<std::string> RunFindDialog(const std::string& text) override;
    bool RunBatchDialog(CBatchDialogData& data) override;

private:
    QWidget* parent_;
    std::unique_ptr<IMessageService> messages_;
};

}  // namespace varno
