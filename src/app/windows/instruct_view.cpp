#include "app/windows/instruct_view.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPrinter>

#include "app/dialogs/file_watch_dlg.h"
#include "app/qt_text.h"
#include "app/windows/instruct_doc.h"
#include "platform/message_service.h"
#include "platform/strings/app_windows.h"

namespace varno {

CInstructView::CInstructView(std::unique_ptr<CInstructDoc> document, QWidget* parent)
    : QPlainTextEdit(parent), document_(std::move(document)) {
    setDocument(document_->Text());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(InstructionFont());
    document_->SetView(this);
}

CInstructView::~CInstructView() {
    // The watch goes before the view: no notification can reach a view being destroyed.
    document_->SetView(nullptr);
    setDocument(nullptr);
    document_.reset();
}

QFont CInstructView::InstructionFont() {
    QFont font(QStringLiteral("Fixedsys"));
    font.setPixelSize(18);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPixelSize(18);
        font.setWeight(QFont::Normal);
    }
    return font;
}

void CInstructView::OnFileWatchNotify(FileWatchId id, const std::string&) {
    // A question is already open: its answer reads the file as it is by then.
    if (asking_) {
        return;
    }
    asking_ = true;
    CFileWatchAsk ask(this);
    const bool reload = document_->Watch().AskReload(id, ask);
    asking_ = false;
    if (reload) {
        document_->Reload();
    }
}

void CInstructView::PrintDocument(QPrinter& printer) {
    print(&printer);
}

void CInstructView::showEvent(QShowEvent* event) {
    QPlainTextEdit::showEvent(event);
    if (!shown_) {
        shown_ = true;
        // Loading the file is no change of the user's.
        document_->SetModified(false);
    }
}

void CInstructView::closeEvent(QCloseEvent* event) {
    if (document_->IsModified()) {
        const std::string name =
            ToGbk(QFileInfo(QString::fromStdString(document_->Path())).fileName());
        const std::string question = Format(LoadString(IDS_SAVE_CHANGES).c_str(), name.c_str());
        const MbAnswer answer = document_->Messages().ShowMessage(
            LoadString(IDS_MAIN_TITLE), question, MbIcon::Warning, MbButtons::YesNoCancel);
        if (answer == MbAnswer::Cancel || (answer == MbAnswer::Yes && !document_->Save())) {
            event->ignore();
            return;
        }
    }
    QPlainTextEdit::closeEvent(event);
}

}  // namespace varno
