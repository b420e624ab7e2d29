// "Find": one text box, given the text to start from with all of it selected.
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

namespace varno {

class CFindDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CFindDlg(const std::string& text, QWidget* parent = nullptr);

    std::string Text() const;
    QLineEdit* TextBox() const { return text_; }

private:
    QLineEdit* text_;
};

}  // namespace varno
