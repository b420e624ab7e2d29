// CParamEditList: the parameter view's list, an in-place editing list whose only editable
// column is Data.
#pragma once

#include "app/widgets/edit_list.h"

namespace varno {

class CParamEditList final : public CEditList {
    Q_OBJECT

public:
    explicit CParamEditList(QWidget* parent = nullptr);

    bool IsEditable(int subItem) const override;
};

}  // namespace varno
