// "Function": the instruction categories, the instructions of the chosen one and the
// description of the instruction selected (or of the category's first). What is listed,
// described and answered is the core's (editor/function_choice.h).
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;

namespace varno {

class CFuncSet final : public QDialog {
    Q_OBJECT

public:
    // preselected: an instruction number, selected in "All" when it is listed there.
    explicit CFuncSet(int preselected, QWidget* parent = nullptr);

    // The instruction selected; 0 when none is.
    int Number() const;

    QListWidget* CategoryList() const { return categories_; }
    QListWidget* FunctionList() const { return functions_; }
    QLabel* Description() const { return description_; }

private:
    void OnSelectionChanged();
    void FillFunctions(int category);
    int SelectedRow(const QListWidget* list) const;

    QListWidget* categories_;
    QListWidget* functions_;
    QLabel* description_;
    int listedCategory_ = -1;
};

}  // namespace varno
