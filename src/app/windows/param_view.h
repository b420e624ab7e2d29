// CParamView: the parameter window's right pane, the in-place editing list of the current
// table's entries (grid lines, full-row selection, the last column stretched). The Symbol and
// comment columns follow the element comments as they change.
#pragma once

#include <QWidget>

#include "comments/comment_watch.h"

namespace varno {

class CCommentList;
class CParamDoc;
class CParamEditList;
class CParamTableModel;

class CParamView final : public QWidget {
    Q_OBJECT

public:
    CParamView(CParamDoc& doc, CCommentList& comments, QWidget* parent = nullptr);

    CParamEditList* List() const { return list_; }
    CParamTableModel* Model() const { return model_; }
    // The rows of the document's current table.
    void OnCurrentTableChanged();

signals:
    void ValueEdited();

private:
    CParamTableModel* model_;
    CParamEditList* list_;
    CCommentSubscription commentWatch_;
};

}  // namespace varno
