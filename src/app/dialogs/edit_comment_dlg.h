// "Element comment": address, symbol and the two comments of one element, each limited to
// the bytes the comment file keeps for it (7, 16, 32, 32; a Chinese character counts two).
//
// Two modes. Add: the address is editable and has the focus. Modify: the address is shown
// read-only and the symbol has the focus. Either way the focused box's text is selected. On
// OK the values go to the check the caller gives (the ladder editor and the comment window
// use the core's CheckElemCommentDialog); a refusal keeps the dialog open with the focus in
// the address box, the check having told the user why. Data() holds the values after OK.
#pragma once

#include <QDialog>

#include "editor/editor_dialogs.h"

class QLineEdit;

namespace varno {

class CEditCommentDlg final : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Add, Modify };
    static constexpr int ADDRESS_BYTES = 7;
    static constexpr int SYMBOL_BYTES = 16;
    static constexpr int COMMENT_BYTES = 32;

    CEditCommentDlg(Mode mode, const CElemCommentData& values,
                    IEditorDialogs::ElemCommentCheck check, QWidget* parent = nullptr);

    CElemCommentData Data() const;

    QLineEdit* AddressBox() const { return address_; }
    QLineEdit* SymbolBox() const { return symbol_; }
    QLineEdit* Comment1Box() const { return comment1_; }
    QLineEdit* Comment2Box() const { return comment2_; }

    void accept() override;

private:
    IEditorDialogs::ElemCommentCheck check_;
    QLineEdit* address_;
    QLineEdit* symbol_;
    QLineEdit* comment1_;
    QLineEdit* comment2_;
};

}  // namespace varno
