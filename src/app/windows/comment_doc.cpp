#include "app/windows/comment_doc.h"

namespace varno {

CCommentDoc::CCommentDoc(CCommentList& comments, QObject* parent)
    : QObject(parent),
      comments_(comments),
      watch_(comments.Subscribe([this] { emit Updated(); })) {}

CCommentGrp* CCommentDoc::CurrentGroup() const {
    return current_.empty() ? nullptr : comments_.FindGroup(current_);
}

void CCommentDoc::SetCurrentGroup(const std::string& name) {
    if (name == current_) {
        return;
    }
    current_ = name;
    emit Updated();
}

}  // namespace varno
