#include "app/widgets/edit_label.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

namespace varno {

namespace {

class CUpperCaseValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

}  // namespace

CEditLabel::CEditLabel(QWidget* parent) : QLineEdit(parent) {
    setFrame(true);
    SetUpperCase(true);
}

void CEditLabel::SetUpperCase(bool on) {
    setValidator(on ? new CUpperCaseValidator(this) : nullptr);
}

void CEditLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            emit CommitRequested();
            return;
        case Qt::Key_Escape:
            event->accept();
            emit CancelRequested();
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

void CEditLabel::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // The box's own context menu takes the focus for a moment; that is no end of the edit.
    if (event->reason() != Qt::PopupFocusReason) {
        emit FocusLost();
    }
}

}  // namespace varno
