#include "app/windows/param_edit_list.h"

#include "params/param_rows.h"

namespace varno {

CParamEditList::CParamEditList(QWidget* parent) : CEditList(parent) {
    setObjectName("ParamList");
    SetEditableColumn(PARAM_DATA);
}

bool CParamEditList::IsEditable(int subItem) const {
    return subItem == PARAM_DATA;
}

}  // namespace varno
