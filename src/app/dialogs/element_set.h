// The contact and coil dialogs: an address box, the element's type list and the list of
// address ranges. Choosing a range puts its first address into the box. OK hands the values
// to the core's check; a refused address keeps the dialog open with the box focused (the
// check has told the user why), an accepted symbol is rewritten to its address.
#pragma once

#include <QDialog>
#include <optional>

#include "editor/editor_dialogs.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace varno {

class CElementSet : public QDialog {
    Q_OBJECT

public:
    QLineEdit* AddressBox() const { return address_; }
    QListWidget* TypeList() const { return types_; }
    QListWidget* RangeList() const { return ranges_; }
    // The accepted choice after OK.
    const std::optional<CElementChoice>& Choice() const { return choice_; }

    void accept() override;

protected:
    CElementSet(ElementClass cls, const CElementDialogData& values,
                IEditorDialogs::ElementCheck check, QWidget* parent);

private:
    void OnRangeChosen(QListWidgetItem* item);

    IEditorDialogs::ElementCheck check_;
    QLineEdit* address_;
    QListWidget* types_;
    QListWidget* ranges_;
    std::optional<CElementChoice> choice_;
};

// "Contact": the address box takes at most 20 characters.
class CContactSet final : public CElementSet {
    Q_OBJECT

public:
    CContactSet(const CElementDialogData& values, IEditorDialogs::ElementCheck check,
                QWidget* parent = nullptr);
};

// "Coil": no limit on the address box.
class CCoilSet final : public CElementSet {
    Q_OBJECT

public:
    CCoilSet(const CElementDialogData& values, IEditorDialogs::ElementCheck check,
             QWidget* parent = nullptr);
};

}  // namespace varno
