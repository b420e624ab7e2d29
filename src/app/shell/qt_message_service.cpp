#include "app/shell/qt_message_service.h"

#include <QApplication>
#include <QMessageBox>

#include "app/qt_text.h"

namespace varno {

namespace {

QMessageBox::Icon ToQt(MbIcon icon) {
    switch (icon) {
        case MbIcon::Error:
            return QMessageBox::Critical;
        case MbIcon::Warning:
            return QMessageBox::Warning;
        case MbIcon::Information:
            return QMessageBox::Information;
        case MbIcon::Question:
            return QMessageBox::Question;
        case MbIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MbButtons buttons) {
    switch (buttons) {
        case MbButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MbButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MbButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MbButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

}  // namespace

MbAnswer CQtMessageService::ShowMessage(const std::string& caption, const std::string& text,
                                        MbIcon icon, MbButtons buttons) {
    QMessageBox box(ToQt(icon), FromGbk(caption), FromGbk(text), ToQt(buttons), parent_);
    switch (box.exec()) {
        case QMessageBox::Ok:
            return MbAnswer::Ok;
        case QMessageBox::Yes:
            return MbAnswer::Yes;
        case QMessageBox::No:
            return MbAnswer::No;
        default:
            return MbAnswer::Cancel;
    }
}

void CQtMessageService::Beep(BeepKind) {
    QApplication::beep();
}

}  // namespace varno
