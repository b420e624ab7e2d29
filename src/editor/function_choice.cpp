#include "editor/function_choice.h"

#include <algorithm>

#include "model/catalog.h"

namespace varno {

int FuncChoicePosition(int number) {
    const auto members = Category(0).members;
    const auto it = std::find(members.begin(), members.end(), number);
    return it == members.end() ? -1 : static_cast<int>(it - members.begin());
}

int FuncChoiceNumber(int category, int position) {
    if (category < 0 || category >= CATEGORY_COUNT || position < 0) {
        return 0;
    }
    const auto members = Category(category).members;
    return position < static_cast<int>(members.size()) ? members[static_cast<std::size_t>(position)]
                                                       : 0;
}

std::string FuncChoiceDescription(int category, int position) {
    if (category < 0 || category >= CATEGORY_COUNT) {
        return std::string();
    }
    const CFuncTexts* texts = FuncTexts(FuncChoiceNumber(category, position < 0 ? 0 : position));
    return texts != nullptr ? texts->description : LoadString(IDS_UNDEFINED_FUNCTION);
}

}  // namespace varno
