#include "editor/function_choice.h"

#include <gtest/gtest.h>

#include "model/catalog.h"

namespace varno::test {
namespace {

int CategoryIndex(StrId title) {
    for (int i = 0; i < CATEGORY_COUNT; ++i) {
        if (Category(i).title == title) {
            return i;
        }
    }
    return -1;
}

TEST(FunctionChoice, APreselectedInstructionIsFoundInAll) {
    const int position = FuncChoicePosition(FUNC_TMR);
    ASSERT_GE(position, 0);
    EXPECT_EQ(FuncChoiceNumber(0, position), FUNC_TMR);
    EXPECT_EQ(FuncChoiceDescription(0, position), FuncTexts(FUNC_TMR)->description);
    // Numbers the catalog has no instruction for are not in "All".
    EXPECT_EQ(FuncChoicePosition(0), -1);
    EXPECT_EQ(FuncChoicePosition(4), -1);
    EXPECT_EQ(FuncChoicePosition(73), -1);
    EXPECT_EQ(FuncChoicePosition(1000), -1);
}

TEST(FunctionChoice, NothingSelectedAnswersZeroAndDescribesTheFirstInstruction) {
    const int timer = CategoryIndex(IDS_CATEGORY_TIMER);
    ASSERT_GT(timer, 0);
    EXPECT_EQ(FuncChoiceNumber(timer, -1), 0);
    EXPECT_EQ(FuncChoiceNumber(timer, 0), FUNC_TMR);
    EXPECT_EQ(FuncChoiceNumber(timer, 1), FUNC_TMRB);
    EXPECT_EQ(FuncChoiceNumber(timer, 2), 0);
    EXPECT_EQ(FuncChoiceDescription(timer, -1), FuncTexts(FUNC_TMR)->description);
    EXPECT_EQ(FuncChoiceDescription(timer, 1), FuncTexts(FUNC_TMRB)->description);
}

TEST(FunctionChoice, PositionsOutsideTheCatalogAreNoChoice) {
    EXPECT_EQ(FuncChoiceNumber(-1, 0), 0);
    EXPECT_EQ(FuncChoiceNumber(CATEGORY_COUNT, 0), 0);
    EXPECT_EQ(FuncChoiceDescription(CATEGORY_COUNT, 0), "");
    const int count = static_cast<int>(Category(0).members.size());
    EXPECT_EQ(FuncChoiceNumber(0, count), 0);
    SetLanguage(Lang::English);
    EXPECT_EQ(FuncChoiceDescription(0, count), "Undefined function");
}

}  // namespace
}  // namespace varno::test
