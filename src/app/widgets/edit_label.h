// The text box the in-place editing list lays over the cell being edited. Enter asks the list
// to commit, Escape to cancel, and losing the focus commits (a click elsewhere keeps what was
// typed). Both keys are taken here, so that a dialog holding the list neither closes nor
// presses its default button.
#pragma once

#include <QLineEdit>

namespace varno {

class CEditLabel final : public QLineEdit {
    Q_OBJECT

public:
    explicit CEditLabel(QWidget* parent);

    // Typed and pasted text turned to upper case (on by default).
    void SetUpperCase(bool on);

signals:
    void CommitRequested();
    void CancelRequested();
    void FocusLost();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace varno
