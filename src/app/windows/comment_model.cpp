#include "app/windows/comment_model.h"

#include "app/qt_text.h"
#include "app/windows/comment_doc.h"
#include "comments/comment_rows.h"
#include "platform/strings/app_dialogs.h"

namespace varno {

CCommentTableModel::CCommentTableModel(CCommentDoc& doc, QObject* parent)
    : QAbstractTableModel(parent), doc_(doc) {
    connect(&doc_, &CCommentDoc::Updated, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int CCommentTableModel::rowCount(const QModelIndex& parent) const {
    const CCommentGrp* group = doc_.CurrentGroup();
    return parent.isValid() || group == nullptr ? 0 : static_cast<int>(group->GetSize());
}

int CCommentTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : COMMENT_COLUMN_COUNT;
}

QVariant CCommentTableModel::data(const QModelIndex& index, int role) const {
    const CCommentGrp* group = doc_.CurrentGroup();
    if (role != Qt::DisplayRole || group == nullptr || !index.isValid()) {
        return {};
    }
    return FromGbk(CommentCellText(*group, static_cast<std::size_t>(index.row()), index.column()));
}

QVariant CCommentTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return {};
    }
    static constexpr StrId HEADERS[COMMENT_COLUMN_COUNT] = {IDS_COLUMN_INDEX, IDS_COLUMN_ADDRESS,
                                                            IDS_COLUMN_SYMBOL, IDS_COLUMN_COMMENT1,
                                                            IDS_COLUMN_COMMENT2};
    if (section < 0 || section >= COMMENT_COLUMN_COUNT) {
        return {};
    }
    return Tr(HEADERS[section]);
}

}  // namespace varno
