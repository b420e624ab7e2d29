// The comment window's document: the project's comment table itself (no copy) and the group
// the window shows, held by name so that a reset of the table never leaves it dangling. Every
// change of the table, made here or anywhere else, is passed on as Updated.
#pragma once

#include <QObject>
#include <string>

#include "comments/comment_list.h"

namespace varno {

class CCommentDoc final : public QObject {
    Q_OBJECT

public:
    explicit CCommentDoc(CCommentList& comments, QObject* parent = nullptr);

    CCommentList& Comments() const { return comments_; }
    // The group shown, or null while none is chosen.
    CCommentGrp* CurrentGroup() const;
    const std::string& CurrentGroupName() const { return current_; }
    // Shows another group (an empty name for none); all views follow.
    void SetCurrentGroup(const std::string& name);

signals:
    // The views should show the table again.
    void Updated();

private:
    CCommentList& comments_;
    std::string current_;
    CCommentSubscription watch_;
};

}  // namespace varno
