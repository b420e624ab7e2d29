#include "app/ladder/ladder_frame.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/ladder/ladder_bar.h"
#include "app/ladder/ladder_widget.h"
#include "app/qt_text.h"
#include "check/caret_address.h"
#include "compiler/compile_command.h"
#include "model/address.h"
#include "platform/archive.h"
#include "platform/strings/app_ladder.h"
#include "project/varno_app.h"
#include "target/generate_rom.h"

namespace varno {

CLadderFrame* CLadderFrame::Open(const CLadderContext& context, const std::string& name,
                                 QWidget* parent) {
    auto doc = std::make_unique<CLadderDoc>(*context.project, *context.messages);
    if (name.empty()) {
        doc->OnNewDocument();
    } else if (!doc->OnOpenDocument(name)) {
        return nullptr;
    }
    auto* frame = new CLadderFrame(context, parent);
    frame->doc_ = std::move(doc);
    frame->view_ = std::make_unique<CLadderView>(*frame->doc_, *context.dialogs, *context.clipboard,
                                                 frame->widget_);
    frame->widget_->SetView(frame->view_.get());
    frame->ApplyDisplaySettings();
    frame->view_->OnInitialUpdate();
    frame->RefreshState();
    return frame;
}

CLadderFrame::CLadderFrame(const CLadderContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      widget_(new CLadderWidget),
      bar_(new CLadderBar),
      commands_(new CCommandTable(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(widget_, 1);
    layout->addWidget(bar_);
    setCentralWidget(central);
    if (!context_.inMainWindow) {
        statusPane_ = new QLabel(this);
        statusBar()->addPermanentWidget(statusPane_);
    }
    widget_->caretChanged = [this] { RefreshState(); };
    widget_->accelerator = [this](const QKeyEvent& event) { return Accelerator(event); };
    widget_->runCommand = [this](int id) { commands_->Run(id); };
    AddCommands();
    BuildMenus();
    BuildToolBar();
    widget_->setFocus(Qt::OtherFocusReason);
}

CLadderFrame::~CLadderFrame() {
    // The chooser's widget action would delete the chooser while a bar still lays it out.
    for (QAction* action : std::as_const(toolActions_)) {
        for (QObject* holder : action->associatedObjects()) {
            if (auto* bar = qobject_cast<QWidget*>(holder); bar != nullptr && bar != this) {
                bar->removeAction(action);
            }
        }
    }
    // The widget outlives the view and the document (children go with the base class), so it
    // lets go of the view first; closing during destruction then finds no document.
    widget_->SetView(nullptr);
    view_.reset();
    doc_.reset();
}

void CLadderFrame::ApplyDisplaySettings() {
    if (context_.app == nullptr) {
        return;
    }
    view_->SetDisplay(context_.app->Display());
}

QString CLadderFrame::DocumentTitle() const {
    const std::string& path = doc_->PathName();
    if (path.empty()) {
        return Tr(IDS_UNTITLED_LADDER);
    }
    return doc_->IsOwnLadder() ? QFileInfo(QString::fromStdString(path)).fileName() : FromGbk(path);
}

void CLadderFrame::RefreshState() {
    if (!doc_) {
        return;
    }
    setWindowTitle(DocumentTitle() + "[*]");
    setWindowModified(doc_->IsOwnLadder() ? doc_->IsModified()
                                          : doc_->Project().IsLaddersModified());
    bar_->SetBarText(view_->BarText());
    if (statusPane_ != nullptr) {
        statusPane_->setText(StatusPaneText());
    }
    commands_->UpdateStates();
    if (partsChanged_) {
        partsChanged_();
    }
}

QString CLadderFrame::StatusPaneText() const {
    return doc_ ? FromGbk(view_->StatusText()) : QString();
}

bool CLadderFrame::HasSavedPath() const {
    return !doc_->PathName().empty();
}

bool CLadderFrame::SaveTo(const std::string& path) {
    bool saved = false;
    try {
        saved = doc_->OnSaveDocument(path);
    } catch (const CFileException& e) {
        context_.messages->ShowMessage(LoadString(IDS_CAPTION_ERROR), e.what(), MbIcon::Error,
                                       MbButtons::Ok);
    }
    RefreshState();
    return saved;
}

bool CLadderFrame::Save() {
    if (doc_->IsOwnLadder() && !HasSavedPath()) {
        return SaveAs();
    }
    if (!doc_->IsOwnLadder()) {
        return SaveTo(std::string());
    }
    const QFileInfo info(QString::fromStdString(doc_->PathName()));
    if (info.exists() && !info.isWritable()) {
        return SaveAs();
    }
    return SaveTo(doc_->PathName());
}

bool CLadderFrame::SaveAs() {
    QString path;
    if (askSavePath) {
        path = askSavePath();
    } else {
        const QString start =
            doc_->IsOwnLadder() ? QString::fromStdString(doc_->PathName()) : QString();
        path = QFileDialog::getSaveFileName(this, QString(), start, Tr(IDS_LADDER_FILE_FILTER));
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
            path += ".vld";
        }
    }
    if (path.isEmpty()) {
        return false;
    }
    return SaveTo(path.toStdString());
}

void CLadderFrame::Compile() {
    if (context_.app == nullptr) {
        return;
    }
    if (!HasSavedPath()) {
        context_.messages->ShowMessage(IDS_CAPTION_WARNING, IDS_PLEASE_SAVE_FILE, MbIcon::Warning);
        return;
    }
    CVARNOApp& app = *context_.app;
    try {
        RunCompileCommand(app.Programs(), app.GetFullPath(app.Files().instruct), *context_.output,
                          *context_.messages);
    } catch (const CFileException& e) {
        context_.messages->ShowMessage(LoadString(IDS_CAPTION_ERROR), e.what(), MbIcon::Error,
                                       MbButtons::Ok);
    }
    if (context_.checkProject) {
        context_.checkProject(false);
    }
}

void CLadderFrame::CrossReferenceAtCaret() {
    const std::optional<LDADDR> address =
        AddressAt(doc_->GetLadder(), view_->CaretRow(), view_->CaretColumn());
    context_.crossReference(address ? FormatAddress(*address, true) : std::string());
}

void CLadderFrame::GenerateRom() {
    if (context_.app == nullptr) {
        return;
    }
    if (!HasSavedPath()) {
        context_.messages->ShowMessage(IDS_CAPTION_WARNING, IDS_PLEASE_SAVE_FILE, MbIcon::Warning);
        return;
    }
    CVARNOApp& app = *context_.app;
    CRomBuild build = ProjectRomBuild(app);
    if (doc_->IsOwnLadder()) {
        build.ownLadder = &doc_->GetLadder();
        build.targetPath = TargetFilePath(doc_->PathName(), app.Files().romName);
    }
    RunGenerateRom(build, *context_.output, *context_.messages);
}

void CLadderFrame::closeEvent(QCloseEvent* event) {
    if (doc_ && doc_->IsModified()) {
        const std::string text =
            Format(LoadString(IDS_SAVE_CHANGES_TO).c_str(), ToGbk(DocumentTitle()).c_str());
        const MbAnswer answer = context_.messages->ShowMessage(
            LoadString(IDS_CAPTION_WARNING), text, MbIcon::Question, MbButtons::YesNoCancel);
        if (answer == MbAnswer::Cancel || (answer == MbAnswer::Yes && !Save())) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

}  // namespace varno
