#include "app/windows/comment_frame.h"

#include <QFileInfo>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "app/shell/command_table.h"
#include "app/windows/comment_doc.h"
#include "app/windows/comment_group_view.h"
#include "app/windows/comment_view.h"
#include "comments/compiled_comments.h"
#include "platform/strings/app_windows.h"
#include "project/varno_app.h"

namespace varno {

CCommentFrame::CCommentFrame(const CCommentWindowContext& context, const QString& path,
                             QWidget* parent)
    : QWidget(parent),
      context_(context),
      fileName_(QFileInfo(path).fileName()),
      doc_(new CCommentDoc(context.app.Comments(), this)),
      splitter_(new QSplitter(Qt::Horizontal, this)),
      groupView_(new CCommentGroupView(*doc_, splitter_)),
      view_(new CCommentView(*doc_, context.messages, splitter_)),
      commands_(new CCommandTable(this)) {
    setObjectName("CommentFrame");
    view_->SetFileDirectory(QFileInfo(path).absolutePath());
    splitter_->addWidget(groupView_);
    splitter_->addWidget(view_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);
    commands_
        ->Add({ID_GENERATE_COMMENT_FILE,
               IDS_CMD_GENERATE_COMMENT_FILE,
               {},
               [this] { GenerateCommentFile(); },
               {},
               {}})
        ->setObjectName("GenerateCommentFile");
    connect(doc_, &CCommentDoc::Updated, this, &CCommentFrame::UpdateTitle);
    UpdateTitle();
    resize(760, 420);
}

CCommentFrame::~CCommentFrame() {
    // The views ask the document while they go; it must still be there.
    delete splitter_;
}

void CCommentFrame::UpdateTitle() {
    // "[*]" shows the modified mark; the sub-window takes title and mark from its widget.
    setWindowTitle(fileName_ + "[*]");
    setWindowModified(context_.app.IsCommentModified());
}

void CCommentFrame::Refresh() {
    emit doc_->Updated();
}

bool CCommentFrame::GenerateCommentFile() {
    CVARNOApp& app = context_.app;
    const std::string path = app.GetFullPath(CompiledCommentStoredPath(app.Files().comment));
    return RunGenerateCommentFile(app.Comments(), path, context_.output, context_.messages);
}

}  // namespace varno
