#include "app/windows/param_frame.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "app/shell/command_ids.h"
#include "app/windows/param_group_view.h"
#include "app/windows/param_view.h"
#include "platform/message_service.h"
#include "platform/strings/app_windows.h"

namespace varno {

namespace {

QString DisplayName(const std::string& path) {
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).fileName();
}

}  // namespace

CParamFrame::CParamFrame(const CParamWindowContext& context, std::string path, QWidget* parent)
    : QWidget(parent),
      context_(context),
      path_(std::move(path)),
      doc_(&context.comments),
      splitter_(new QSplitter(Qt::Horizontal, this)),
      groupView_(new CParamGroupView(doc_, splitter_)),
      view_(new CParamView(doc_, context.comments, splitter_)) {
    setObjectName("ParamFrame");
    splitter_->addWidget(groupView_);
    splitter_->addWidget(view_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);
    connect(groupView_, &CParamGroupView::CurrentTableChanged, view_,
            &CParamView::OnCurrentTableChanged);
    connect(view_, &CParamView::ValueEdited, this, &CParamFrame::UpdateTitle);
    resize(800, 420);
}

CParamFrame::~CParamFrame() {
    // An edit still open commits into the document as the list goes; it must still be there.
    delete splitter_;
}

CParamFrame* CParamFrame::Open(const CParamWindowContext& context, const std::string& path,
                               bool create, QWidget* parent) {
    std::unique_ptr<CParamFrame> frame(new CParamFrame(context, path, parent));
    if (create) {
        // A project's parameter file exists from the first time it is opened.
        frame->doc_.SetModified(true);
        frame->SaveTo(path);
    } else {
        std::string error;
        if (!frame->doc_.Load(path, &error)) {
            const std::string text =
                Format(LoadString(IDS_PARAM_OPEN_FAILED).c_str(), ToGbk(DisplayName(path)).c_str(),
                       Utf8ToGbk(error).c_str());
            context.messages.ShowMessage(LoadString(IDS_CAPTION_ERROR), text, MbIcon::Error,
                                         MbButtons::Ok);
            return nullptr;
        }
        frame->doc_.SetModified(false);
    }
    frame->UpdateTitle();
    return frame.release();
}

void CParamFrame::UpdateTitle() {
    setWindowTitle(DisplayName(path_) + "[*]");
    setWindowModified(doc_.IsModified());
}

bool CParamFrame::SaveTo(const std::string& path) {
    std::string error;
    if (!doc_.Save(path, &error)) {
        const std::string text = Format(LoadString(IDS_PARAM_SAVE_FAILED).c_str(),
                                        ToGbk(DisplayName(path)).c_str(), Utf8ToGbk(error).c_str());
        context_.messages.ShowMessage(LoadString(IDS_CAPTION_ERROR), text, MbIcon::Error,
                                      MbButtons::Ok);
        UpdateTitle();
        return false;
    }
    path_ = path;
    UpdateTitle();
    return true;
}

bool CParamFrame::Save() {
    if (path_.empty() || SaveNeedsNewName(path_)) {
        return SaveAs();
    }
    return SaveTo(path_);
}

bool CParamFrame::SaveAs() {
    QString path;
    if (askSavePath) {
        path = askSavePath();
    } else {
        QFileDialog dialog(this, QString(), QFile::decodeName(QByteArray::fromStdString(path_)),
                           Tr(IDS_PARAM_FILE_FILTER));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(Tr(IDS_PARAM_FILE_EXTENSION).mid(1));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
            path = dialog.selectedFiles().first();
        }
    }
    if (path.isEmpty()) {
        return false;
    }
    return SaveTo(QFile::encodeName(path).toStdString());
}

bool CParamFrame::CanRunShellCommand(int id) const {
    return id == ID_FILE_SAVE;
}

void CParamFrame::RunShellCommand(int id) {
    if (id == ID_FILE_SAVE) {
        Save();
    }
}

void CParamFrame::closeEvent(QCloseEvent* event) {
    if (doc_.IsModified()) {
        const std::string question =
            Format(LoadString(IDS_SAVE_CHANGES).c_str(), ToGbk(DisplayName(path_)).c_str());
        const MbAnswer answer = context_.messages.ShowMessage(
            LoadString(IDS_MAIN_TITLE), question, MbIcon::Warning, MbButtons::YesNoCancel);
        if (answer == MbAnswer::Cancel || (answer == MbAnswer::Yes && !Save())) {
            event->ignore();
            return;
        }
    }
    QWidget::closeEvent(event);
}

}  // namespace varno
