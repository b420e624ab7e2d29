#include "app/windows/param_view.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "app/windows/param_edit_list.h"
#include "app/windows/param_model.h"
#include "comments/comment_list.h"
#include "params/param_rows.h"

namespace varno {

namespace {

constexpr int COLUMN_WIDTHS[PARAM_COLUMN_COUNT] = {60, 80, 80, 80, 200, 200};

}  // namespace

CParamView::CParamView(CParamDoc& doc, CCommentList& comments, QWidget* parent)
    : QWidget(parent),
      model_(new CParamTableModel(doc, this)),
      list_(new CParamEditList(this)),
      commentWatch_(comments.Subscribe([this] { model_->RefreshCells(); })) {
    list_->setModel(model_);
    list_->setShowGrid(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int column = 0; column < PARAM_COLUMN_COUNT; ++column) {
        list_->setColumnWidth(column, COLUMN_WIDTHS[column]);
    }
    list_->horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    connect(model_, &CParamTableModel::ValueEdited, this, &CParamView::ValueEdited);
}

void CParamView::OnCurrentTableChanged() {
    model_->Reset();
}

}  // namespace varno
