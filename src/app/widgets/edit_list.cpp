#include "app/widgets/edit_list.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "app/widgets/edit_label.h"
#include "app/widgets/header_ctrl_ex.h"

namespace varno {

namespace {

// The editor starts a little right of the cell's edge, where the cell's text begins.
constexpr int EDITOR_INDENT = 3;

}  // namespace

CEditList::CEditList(QWidget* parent) : CColorList(parent) {
    QFont listFont("Arial");
    listFont.setPointSize(10);
    listFont.setStyleHint(QFont::SansSerif);
    setFont(listFont);
    verticalHeader()->setMinimumSectionSize(fontMetrics().height());
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header_ = new CHeaderCtrlEx(this);
    setHorizontalHeader(header_);
    connect(header_, &CHeaderCtrlEx::CancelRequested, this, [this] { EndEdit(false); });
}

CEditList::~CEditList() {
    // The editor outlives this part of the list and may still lose the focus.
    if (editor_ != nullptr) {
        disconnect(editor_, nullptr, this, nullptr);
    }
}

void CEditList::SetUpperCase(bool on) {
    upperCase_ = on;
    if (editor_ != nullptr) {
        editor_->SetUpperCase(on);
    }
}

void CEditList::StartEdit(int item, int subItem, const QString& text) {
    if (model() == nullptr || item < 0 || item >= model()->rowCount() || !IsEditable(subItem) ||
        subItem >= model()->columnCount()) {
        return;
    }
    if (editor_ == nullptr) {
        editor_ = new CEditLabel(viewport());
        editor_->SetUpperCase(upperCase_);
        connect(editor_, &CEditLabel::CommitRequested, this, [this] { EndEdit(true); });
        connect(editor_, &CEditLabel::CancelRequested, this, [this] { EndEdit(false); });
        connect(editor_, &CEditLabel::FocusLost, this, &CEditList::OnEditorFocusLost);
    }
    item_ = item;
    subItem_ = subItem;
    QRect cell = visualRect(model()->index(item, subItem));
    cell.setLeft(cell.left() + EDITOR_INDENT);
    editor_->setGeometry(cell);
    editor_->show();
    editor_->setText(upperCase_ ? text.toUpper() : text);
    editor_->setFocus(Qt::OtherFocusReason);
    editor_->selectAll();
    editing_ = true;
}

void CEditList::EndEdit(bool commit) {
    if (!editing_) {
        return;
    }
    editing_ = false;
    HideEditor();
    if (!commit) {
        return;
    }
    const int item = item_;
    const int subItem = subItem_;
    const QString text = editor_->text();
    model()->setData(model()->index(item, subItem), text, Qt::EditRole);
    emit EditCommitted(item, subItem, text);
    if (item + 1 < model()->rowCount()) {
        const QModelIndex next = model()->index(item + 1, std::max(subItem, 0));
        setCurrentIndex(next);
        scrollTo(next);
    }
}

void CEditList::OnEditorFocusLost() {
    if (QApplication::focusWidget() != this) {
        EndEdit(true);
        return;
    }
    // A press somewhere on the list took the focus; the press itself comes next and decides:
    // the header cancels, a scroll bar hides the editor, anything else commits.
    QMetaObject::invokeMethod(
        this, [this] { EndEdit(true); }, Qt::QueuedConnection);
}

void CEditList::HideEditor() {
    if (editor_ == nullptr || !editor_->isVisible()) {
        return;
    }
    if (editor_->hasFocus()) {
        setFocus(Qt::OtherFocusReason);
    }
    editor_->hide();
}

void CEditList::StartEditAt(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    item_ = index.row();
    subItem_ = index.column();
    StartEdit(index.row(), index.column(), index.data(Qt::DisplayRole).toString());
}

int CEditList::FirstEditableColumn() const {
    const int columns = model() != nullptr ? model()->columnCount() : 0;
    for (int column = 0; column < columns; ++column) {
        if (IsEditable(column)) {
            return column;
        }
    }
    return -1;
}

void CEditList::mousePressEvent(QMouseEvent* event) {
    EndEdit(true);
    CColorList::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        StartEditAt(indexAt(event->position().toPoint()));
    }
}

void CEditList::mouseDoubleClickEvent(QMouseEvent* event) {
    CColorList::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        StartEditAt(indexAt(event->position().toPoint()));
    }
}

void CEditList::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!plain || typed.size() != 1 || !typed.at(0).isPrint() || model() == nullptr) {
        CColorList::keyPressEvent(event);
        return;
    }
    event->accept();
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return;
    }
    const int item =
        std::min_element(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) {
            return a.row() < b.row();
        })->row();
    // Before any click there is no column to go back to: the list's editable one is meant.
    const int subItem = subItem_ >= 0 ? subItem_ : FirstEditableColumn();
    StartEdit(item, subItem, typed);
    if (editing_) {
        editor_->deselect();
        editor_->end(false);
    }
}

void CEditList::scrollContentsBy(int dx, int dy) {
    editing_ = false;
    HideEditor();
    CColorList::scrollContentsBy(dx, dy);
}

}  // namespace varno
