// A report-style list whose cells edit where they stand, for lists of values typed one per row
// (the operand dialog, the parameter window). Any item model can be shown; only the columns
// IsEditable answers true for edit (column 1 unless SetEditableColumn or a derived list says
// otherwise).
//
// An edit starts with a click on an editable cell (with its text), a double click (likewise)
// or a character typed on the list (on the first selected row, in the column last clicked,
// with that character as its text). The editor upper-cases what is typed. Enter commits and
// moves the selection to the next row, never past the last; Escape cancels; moving the focus
// elsewhere commits; a press on the column header cancels; scrolling hides the editor without
// committing.
//
// A commit writes the text into the model with setData (Qt::EditRole) and then emits
// EditCommitted; a model that keeps its data elsewhere takes the text in its setData. The
// model may change its rows while handling either. A window that closes while an edit runs
// commits it (the editor loses the focus), so a model must outlive the list's window being
// hidden: a dialog makes its model a child object, not a member destroyed before the dialog.
#pragma once

#include "app/widgets/color_list.h"

namespace varno {

class CEditLabel;
class CHeaderCtrlEx;

class CEditList : public CColorList {
    Q_OBJECT

public:
    explicit CEditList(QWidget* parent = nullptr);
    ~CEditList() override;

    virtual bool IsEditable(int subItem) const { return subItem == editableColumn_; }
    void SetEditableColumn(int column) { editableColumn_ = column; }
    // Whether the editor upper-cases typed text (on by default).
    void SetUpperCase(bool on);

    // Lays the editor over the cell and gives it the text, all selected. Nothing for a row
    // that does not exist or a column that does not edit.
    void StartEdit(int item, int subItem, const QString& text);
    bool IsEditing() const { return editing_; }
    int EditItem() const { return item_; }
    int EditSubItem() const { return subItem_; }
    // The editor, once the first edit has made it (for the windows that reuse the list).
    CEditLabel* Editor() const { return editor_; }

signals:
    void EditCommitted(int item, int subItem, const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void EndEdit(bool commit);
    void OnEditorFocusLost();
    // Hides the editor; the focus it had goes back to the list.
    void HideEditor();
    void StartEditAt(const QModelIndex& index);
    int FirstEditableColumn() const;

    CEditLabel* editor_ = nullptr;
    CHeaderCtrlEx* header_ = nullptr;
    bool editing_ = false;
    bool upperCase_ = true;
    int editableColumn_ = 1;
    int item_ = -1;
    int subItem_ = -1;
};

}  // namespace varno
