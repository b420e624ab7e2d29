// The subprogram dialog: address number (digits, at most 4), symbol (upper case, at most 16
// bytes), comment 1 and comment 2 (at most 30 bytes each; a Chinese character counts two, as
// the comment file stores it). Add shows it empty, Property filled with the program's entry.
#pragma once

#include <QDialog>

#include "project/subprograms.h"

class QLineEdit;

namespace varno {

class CAddSubProgramDlg final : public QDialog {
    Q_OBJECT

public:
    static constexpr int NUMBER_CHARS = 4;
    static constexpr int SYMBOL_BYTES = 16;
    static constexpr int COMMENT_BYTES = 30;

    explicit CAddSubProgramDlg(QWidget* parent, const CSubprogramEntry& entry = {});
    // The fields as GBK texts.
    CSubprogramEntry Entry() const;

private:
    QLineEdit* number_;
    QLineEdit* symbol_;
    QLineEdit* comment1_;
    QLineEdit* comment2_;
};

// Keeps the edit's text within a number of GBK bytes: an edit that would pass it is undone.
void LimitGbkBytes(QLineEdit* edit, int bytes);

}  // namespace varno
