#include "compiler/compile_report.h"

#include <gtest/gtest.h>

#include "model/catalog.h"
#include "platform/codepage.h"
#include "support/recording_services.h"

namespace varno {
namespace {

using Lines = std::vector<std::string>;

TEST(CompileReport, WithoutErrorsGivesTheSummaryAndTheInstructionCount) {
    CLDCmdList cmds;
    for (int i = 0; i < 7; ++i) {
        cmds.Add(CLDCmd::Basic(BASIC_RD, 'X', 0, 0));
    }
    test::CRecordingOutput output;
    output.AppendLine("left over");
    WriteCompileReport(cmds, CErrorList(), output);
    EXPECT_EQ(output.clears, 1);
    EXPECT_EQ(output.lines,
              (Lines{"Compile finished - 0 errors, 0 warnings", "Generate PLC 7 instructions"}));
}

TEST(CompileReport, ListsEveryErrorWithTheProgramItWasFoundIn) {
    CErrorList errors;
    errors.SetProgramName("LEVEL1");
    errors.Add(0, ERR_CONNECT);
    errors.Add(12, ERR_SHORT_CONNECT);
    errors.Add(3, ERR_OUTPUT);
    errors.SetProgramName("P0010");
    errors.Add(4, ERR_REFLUENCE);
    errors.Add(5, ERR_FUNC_IN_BRANCH);
    errors.Add(4, ERR_FUNC_OUTPUT);
    errors.Add(9, 0);  // prints nothing but is counted
    errors.Add(8, 4);  // any other kind is a syntax error
    CLDCmdList cmds;
    cmds.Add(CLDCmd::Basic(BASIC_RD, 'X', 0, 0));
    test::CRecordingOutput output;
    WriteCompileReport(cmds, errors, output);
    EXPECT_EQ(output.lines, (Lines{
                                "LEVEL1:The 0th row connect error!",
                                "LEVEL1:The 12th row short connect!",
                                "LEVEL1:The 3th row output error!",
                                "P0010:The 4th row refluence error!",
                                "P0010:The 5th row function or connection error!",
                                "The 4th row function output error!",
                                "P0010:The 8th row syntax error!",
                                "Compile finished - 8 errors, 0 warnings",
                            }));
}

TEST(CompileReport, ChineseEdition) {
    CErrorList errors;
    errors.SetProgramName("LEVEL2");
    errors.Add(2, ERR_CONNECT);
    errors.Add(6, ERR_FUNC_OUTPUT);
    test::CRecordingOutput failed;
    test::CRecordingOutput passed;
    SetLanguage(Lang::Chinese);
    WriteCompileReport(CLDCmdList(), errors, failed);
    WriteCompileReport(CLDCmdList(), CErrorList(), passed);
    SetLanguage(Lang::English);
    EXPECT_EQ(failed.lines,
              (Lines{Utf8ToGbk("LEVEL2:第2行连接错误!"), Utf8ToGbk("第6行功能指令输出错误!"),
                     Utf8ToGbk("编译完成 - 2 个错误, 0 个警告")}));
    EXPECT_EQ(passed.lines,
              (Lines{Utf8ToGbk("编译完成 - 0 个错误, 0 个警告"), Utf8ToGbk("生成PLC指令 0 条")}));
}

}  // namespace
}  // namespace varno
