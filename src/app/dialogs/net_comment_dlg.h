// "Comment": the two texts of a comment row, each on several lines (Enter starts a new line,
// Tab moves to the next box). Texts come and go as GBK with the platform's CR LF line breaks.
#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace varno {

class CNetCommentDlg final : public QDialog {
    Q_OBJECT

public:
    CNetCommentDlg(const std::string& comment1, const std::string& comment2,
                   QWidget* parent = nullptr);

    std::string Comment1() const;
    std::string Comment2() const;

    QPlainTextEdit* Comment1Box() const { return comment1_; }
    QPlainTextEdit* Comment2Box() const { return comment2_; }

private:
    QPlainTextEdit* comment1_;
    QPlainTextEdit* comment2_;
};

}  // namespace varno
