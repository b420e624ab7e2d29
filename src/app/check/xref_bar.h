// The cross reference bar: a field for an address, a pattern or a symbol, and below it every
// address it picks with its symbol, comment 1 and counts ("3 reads, 1 write"); an address opens
// into its uses, each with its place, what it is and whether it reads or writes. Activating a
// use (double click or Enter) asks for its cell. Uses are made into lines only when their
// address is opened, so that a pattern picking every address of a large project stays quick.
#pragma once

#include <QDockWidget>
#include <functional>
#include <string>

#include "check/cross_reference.h"

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace varno {

class CXrefBar final : public QDockWidget {
    Q_OBJECT

public:
    static constexpr int BAR_ID = 122;

    // build gives the cross reference of the open project for a pattern (GBK); an empty one
    // while no project is open.
    using Builder = std::function<CCrossReference(const std::string& pattern)>;
    CXrefBar(Builder build, QWidget* parent);

    // Puts the text into the field and lists what it picks; one address picked is opened.
    void Lookup(const QString& pattern);
    // Empties the field and the list, for a closed project.
    void Clear();
    QLineEdit* Field() const { return field_; }
    QTreeWidget* Tree() const { return tree_; }
    QLabel* Summary() const { return summary_; }

signals:
    // A program's row (list index) and column, name in GBK.
    void CellRequested(const std::string& program, int row, int column);

private:
    void FillUses(QTreeWidgetItem* addressItem);

    Builder build_;
    QLineEdit* field_;
    QLabel* summary_;
    QTreeWidget* tree_;
    CCrossReference xref_;
};

}  // namespace varno
