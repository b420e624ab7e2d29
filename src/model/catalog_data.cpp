#include "model/catalog_data.h"

namespace varno::catalog_data {

namespace {

constexpr std::string_view BASIC[] = {
    "   ",        "RD",      "RD.NOT",   "AND",  "AND.NOT", "OR",   "OR.NOT",   "RD.STK",
    "RD.NOT.STK", "AND.STK", "OR.STK",   "WRT",  "WRT.NOT", "SET",  "RST",      "RDPT",
    "ANDPT",      "ORPT",    "RDPT.STK", "RDNT", "ANDNT",   "ORNT", "RDNT.STK",
};

constexpr FuncEntry FUNCS[] = {
    {1, "END1", "程序结束", 3, 2, 0, {}, {}},
    {2, "END2", "程序结束", 3, 2, 0, {}, {}},
    {3, "TMR", "定时器", 4, 2, 1, {"ACT"}, {1}},
    {5, "CTR", "计数器", 4, 5, 1, {"CN0", "UPDOWN", "RST", "ACT"}, {2}},
    {8, "MOVE", "逻辑与后数据传输", 4, 5, 0, {"ACT"}, {3, 4, 5, 6}},
    {9, "COM", "公共线控制", 3, 2, 0, {"ACT"}, {}},
    {11, "PARI", "奇偶校验", 4, 4, 1, {"OE", "RST", "ACT"}, {7}},
    {12, "MWRT", "数据保存", 4, 4, 1, {"ACT"}, {8, 9, 10}},
    {14, "DCNV", "数据转换", 4, 5, 1, {"BYT", "CNV", "RST", "ACT"}, {5, 6}},
    {24, "TMRB", "固定定时器", 4, 3, 1, {"ACT"}, {1, 11}},
    {25, "DECB", "二进制译码", 4, 5, 0, {"ACT"}, {12, 13, 14, 15}},
    {26,
     "ROTB",
     "二进制旋转控制",
     4,
     6,
     1,
     {"RN0", "DIR", "POS", "INC", "ACT"},
     {12, 16, 17, 18, 6}},
    {27, "CODB", "二进制代码转换", 4, 5, 1, {"RST", "ACT"}, {12, 19, 5, 6}},
    {28, "MOVOR", "逻辑或后数据传输", 4, 4, 0, {"ACT"}, {5, 20, 6}},
    {29, "COME", "公共线控制结束", 3, 2, 1, {"ACT"}, {}},
    {31, "DCNVB", "扩展数据转换", 4, 5, 1, {"SIN", "CNV", "RST", "ACT"}, {12, 5, 6}},
    {32, "COMPB", "比较数据大小", 4, 4, 0, {"ACT"}, {8, 21, 22}},
    {33, "SFT", "寄存器移位", 4, 5, 1, {"DIR", "CONT", "RST", "ACT"}, {23}},
    {34, "DSCHB", "二进制数据查找", 4, 6, 1, {"RST", "ACT"}, {12, 24, 25, 26, 6}},
    {35, "XMOVB", "二进制变址数据传输", 4, 6, 1, {"RW", "RST", "ACT"}, {12, 24, 25, 27, 28}},
    {36, "ADDB", "二进制加法运算", 4, 5, 1, {"RST", "ACT"}, {8, 29, 30, 6}},
    {37, "SUBB", "二进制减法运算", 4, 5, 1, {"RST", "ACT"}, {8, 31, 32, 6}},
    {38, "MULB", "二进制乘法运算", 4, 5, 1, {"RST", "ACT"}, {8, 33, 34, 6}},
    {39, "DIVB", "二进制除法运算", 4, 5, 1, {"RST", "ACT"}, {8, 35, 36, 6}},
    {40, "NUMEB", "二进制常数定义", 4, 4, 0, {"ACT"}, {12, 37, 6}},
    {43, "MOVB", "一个字节传输", 4, 3, 0, {"ACT"}, {38, 39}},
    {44, "MOVW", "两个字节传输", 4, 3, 0, {"ACT"}, {38, 39}},
    {45, "MOVN", "任意字节数传输", 4, 4, 0, {"ACT"}, {40, 38, 39}},
    {46, "SPCNT", "主轴控制", 4, 4, 0, {"CIRC", "OVRD", "ACT"}, {41, 42, 43}},
    {53, "AXCTL", "PLC轴控制", 4, 3, 1, {"RST", "ACT"}, {44, 45}},
    {55, "CTRC", "计数器", 4, 5, 1, {"CN0", "UPDOWN", "RST", "ACT"}, {46, 47}},
    {56, "CTRB", "计数器", 4, 5, 1, {"CN0", "UPDOWN", "RST", "ACT"}, {2, 11}},
    {57, "DIFU", "上升沿检测", 4, 2, 1, {"ACT"}, {48}},
    {58, "DIFD", "下降沿检测", 4, 2, 1, {"ACT"}, {49}},
    {59, "EORB", "异或", 4, 5, 0, {"ACT"}, {8, 50, 51, 6}},
    {60, "ANDB", "逻辑与", 4, 5, 0, {"ACT"}, {8, 50, 51, 6}},
    {61, "ORB", "逻辑或", 4, 5, 0, {"ACT"}, {8, 50, 51, 6}},
    {62, "NOTB", "逻辑非", 4, 5, 0, {"ACT"}, {12, 50, 51, 6}},
    {65, "CALL", "条件子程序调用", 4, 2, 0, {"ACT"}, {52}},
    {66, "CALLU", "无条件子程序调用", 4, 2, 0, {}, {52}},
    {68, "JMPB", "标号跳转", 4, 2, 0, {"ACT"}, {53}},
    {69, "LBL", "标号", 4, 2, 0, {}, {53}},
    {71, "SP", "子程序定义", 4, 2, 0, {}, {52}},
    {72, "SPE", "子程序结束", 3, 2, 0, {}, {}},
};

constexpr std::string_view HINTS[] = {
    "定时器号(如:0003)",
    "计数器号(如:0003)",
    "高四位逻辑与数据",
    "低四位逻辑与数据",
    "输入数据地址",
    "结果输出地址",
    "校验数据地址",
    "格式指定(X000:0:常数,1:地址,000X:1/2/4字节)",
    "单元数/地址",
    "起始地址",
    "设定值",
    "格式指定(000X:1/2/4字节)",
    "代码数据地址",
    "译码指定数",
    "译码目标地址",
    "转台分度数地址",
    "当前位置地址",
    "目标位置地址",
    "数据表大小",
    "逻辑或数据地址",
    "输入值",
    "比较数值地址",
    "移位数据地址",
    "数据表大小地址",
    "数据表起始地址",
    "查找数据地址",
    "输入/输出数据存储地址",
    "表内存储地址号",
    "被加数地址",
    "加数",
    "被减数地址",
    "减数",
    "被乘数地址",
    "乘数",
    "被除数地址",
    "除数",
    "常数",
    "传送源地址",
    "传送目标地址",
    "要传送的字节数",
    "主轴转速地址",
    "主轴控制参数地址",
    "主轴控制输出地址",
    "DI/DO信号组",
    "轴控制数据地址",
    "设定值地址",
    "计数器寄存器地址",
    "上升沿号",
    "下降沿号",
    "地址A",
    "常数或地址B",
    "程序名(如:P0010)",
    "标号指定(如:L0010)",
};

constexpr CategoryEntry CATEGORIES[] = {
    {IDS_CATEGORY_ALL, {"ADDB",  "ANDB", "AXCTL", "CALL", "CALLU", "CODB",  "COM",  "COME", "COMPB",
                        "CTR",   "CTRB", "CTRC",  "DCNV", "DCNVB", "DECB",  "DIFD", "DIFU", "DIVB",
                        "DSCHB", "END1", "END2",  "EORB", "JMPB",  "LBL",   "MOVB", "MOVE", "MOVN",
                        "MOVOR", "MOVW", "MULB",  "MWRT", "NOTB",  "NUMEB", "ORB",  "PARI", "ROTB",
                        "SFT",   "SP",   "SPCNT", "SPE",  "SUBB",  "TMR",   "TMRB", "XMOVB"}},
    {IDS_CATEGORY_TIMER, {"TMR", "TMRB"}},
    {IDS_CATEGORY_COUNTER, {"CTR", "CTRB", "CTRC"}},
    {IDS_CATEGORY_TRANSFER, {"DSCHB", "MOVB", "MOVE", "MOVN", "MOVOR", "MOVW", "MWRT", "XMOVB"}},
    {IDS_CATEGORY_COMPARE, {"COMPB"}},
    {IDS_CATEGORY_BIT_OPERATION, {"ANDB", "DIFD", "DIFU", "EORB", "NOTB", "ORB", "PARI", "SFT"}},
    {IDS_CATEGORY_CODE_CONVERSION, {"CODB", "DCNV", "DCNVB", "DECB"}},
    {IDS_CATEGORY_OPERATION, {"ADDB", "DIVB", "MULB", "NUMEB", "SUBB"}},
    {IDS_CATEGORY_PROGRAM_CONTROL,
     {"CALL", "CALLU", "COM", "COME", "END1", "END2", "JMPB", "LBL", "SP", "SPE"}},
    {IDS_CATEGORY_ROTATION_CONTROL, {"ROTB"}},
    {IDS_CATEGORY_INSTRUCTION_CONTROL, {"AXCTL", "SPCNT"}},
};

}  // namespace

std::span<const std::string_view> BasicMnemonics() {
    return BASIC;
}
std::span<const FuncEntry> Functions() {
    return FUNCS;
}
std::span<const std::string_view> OperandHints() {
    return HINTS;
}
std::span<const CategoryEntry> Categories() {
    return CATEGORIES;
}

}  // namespace varno::catalog_data
