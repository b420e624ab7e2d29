// "Edit Batch": the bank, the byte range and the amount of an address shift, and whether it
// applies to the selection or the whole ladder. Choosing a bank fills the range with the
// bank's whole range (the core's FillBatchDefaults).
#pragma once

#include <QDialog>

#include "editor/dialog_checks.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace varno {

class CBatEditDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CBatEditDlg(const CBatchDialogData& values, QWidget* parent = nullptr);

    CBatchDialogData Data() const;

    QComboBox* TypeBox() const { return type_; }
    QLineEdit* StartBox() const { return start_; }
    QLineEdit* EndBox() const { return end_; }
    QLineEdit* AmountBox() const { return amount_; }
    QRadioButton* SelectionButton() const { return selection_; }
    QRadioButton* AllButton() const { return all_; }

private:
    void OnTypeChosen(int index);

    QComboBox* type_;
    QLineEdit* start_;
    QLineEdit* end_;
    QLineEdit* amount_;
    QRadioButton* selection_;
    QRadioButton* all_;
};

}  // namespace varno
