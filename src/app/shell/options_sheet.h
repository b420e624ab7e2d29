// Options (command 32916): the property sheet "Options" without an Apply button: the Build
// page (the target file name), then the Ladder page (grid, line numbers, comment 2, font, cell
// size).
#pragma once

#include <QDialog>

#include "project/options_values.h"

class QLineEdit;
class QTabWidget;

namespace varno {

class CLadderProp;

class CBuildProp final : public QWidget {
    Q_OBJECT

public:
    explicit CBuildProp(QWidget* parent);
    QLineEdit* RomName() const { return romName_; }

private:
    QLineEdit* romName_;
};

class COptionsSheet final : public QDialog {
    Q_OBJECT

public:
    COptionsSheet(const COptionsValues& values, QWidget* parent);
    // The pages' values; ApplyOptions takes them on OK.
    COptionsValues Values() const;
    CBuildProp* BuildPage() const { return build_; }
    CLadderProp* LadderPage() const { return ladder_; }
    QTabWidget* Pages() const { return pages_; }

private:
    COptionsValues values_;
    QTabWidget* pages_;
    CBuildProp* build_;
    CLadderProp* ladder_;
};

}  // namespace varno
