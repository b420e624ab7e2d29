#include "demo_project.h"

#include <stdexcept>

#include "model/address.h"
#include "model/catalog.h"
#include "params/param_doc.h"
#include "platform/codepage.h"
#include "project/varno_app.h"
#include "support/recording_services.h"

namespace varno {

namespace {

LDADDR Address(const char* text) {
    LDADDR addr;
    if (!ParseAddress(text, addr)) {
        throw std::logic_error(std::string("demo: bad address ") + text);
    }
    return addr;
}

// Writes a program row by row from the top, appending rows as it goes.
class CDemoLadder {
public:
    explicit CDemoLadder(CLadder& ladder) : ladder_(ladder) {}

    // A new element row at the end; its index.
    int Row() {
        ladder_.InsertRow(ladder_.RowCount());
        return ladder_.RowCount() - 1;
    }
    void Comment(const char* english, const char* chinese) {
        CLDRow row(english, Utf8ToGbk(chinese));
        ladder_.InsertRow(ladder_.RowCount(), &row);
    }
    void Contact(int row, int column, std::uint8_t code, const char* address) {
        Put(row, column, code, address);
    }
    void Coil(int row, std::uint8_t code, const char* address) { Put(row, 7, code, address); }
    void Wire(int row, int from, int to) { Check(ladder_.FillLine(row, from, to), "wire"); }
    void VLine(int row, int column) { Check(ladder_.SetVLine(row, column), "vertical wire"); }
    // A block at the end of the program: its head in a new row, its rows appended.
    int Block(int column, std::uint8_t number, std::vector<const char*> operands,
              bool withLines = false) {
        return BlockAt(ladder_.RowCount(), column, number, std::move(operands), withLines);
    }
    // A block whose head goes into an existing row.
    int BlockAt(int row, int column, std::uint8_t number, std::vector<const char*> operands,
                bool withLines = false) {
        CLDCmd head;
        head.kind = LDCMD_FUNC;
        head.code = number;
        std::vector<CLDCmd> records;
        for (const char* text : operands) {
            CLDCmd operand;
            Check(ParseOperand(text, operand), "operand");
            operand.kind = LDCMD_OPERAND;
            records.push_back(operand);
        }
        CLDCell cell(head);
        Check(cell.SetOperands(records), "operands");
        Check(ladder_.PlaceBlock(row, column, cell, withLines) != nullptr, "block");
        return row;
    }

private:
    void Put(int row, int column, std::uint8_t code, const char* address) {
        const LDADDR addr = Address(address);
        CLDCell cell(CLDCmd::Basic(code, addr.letter, addr.number, addr.bit));
        Check(ladder_.PutElement(row, column, cell) != nullptr, "element");
    }
    static void Check(bool ok, const char* what) {
        if (!ok) {
            throw std::logic_error(std::string("demo: cannot place ") + what);
        }
    }

    CLadder& ladder_;
};

std::unique_ptr<CLadder> Program(const std::string& name) {
    auto program = std::make_unique<CLadder>();
    program->SetName(name);
    return program;
}

void BuildLevel1(CLadder& program) {
    CDemoLadder l(program);
    l.Comment("Spindle motor: start latches it, stop and overload break the latch",
              "主轴电机:按启动自锁,停止或过载时断开");
    int r = l.Row();
    l.Contact(r, 0, BASIC_RD, "X0000.0");
    l.Contact(r, 1, BASIC_RD_NOT, "X0000.1");
    l.Contact(r, 2, BASIC_RD_NOT, "X0000.2");
    l.Wire(r, 3, 6);
    l.Coil(r, BASIC_WRT, "Y0000.0");
    r = l.Row();
    l.Contact(r, 0, BASIC_RD, "Y0000.0");
    l.VLine(r, 1);

    l.Comment("Feed direction: forward and reverse lock each other out", "进给方向:正转与反转互锁");
    for (auto [button, other, coil] : {std::tuple{"X0000.3", "Y0000.2", "Y0000.1"},
                                       std::tuple{"X0000.4", "Y0000.1", "Y0000.2"}}) {
        r = l.Row();
        l.Contact(r, 0, BASIC_RD, button);
        l.Contact(r, 1, BASIC_RD_NOT, other);
        l.Contact(r, 2, BASIC_RD, "Y0000.0");
        l.Wire(r, 3, 6);
        l.Coil(r, BASIC_WRT, coil);
    }

    l.Comment("Lubrication: timer 1 runs while the spindle turns (preset T0004)",
              "润滑:主轴运转时定时器1计时(设定值T0004)");
    r = l.Row();
    l.Contact(r, 0, BASIC_RD, "Y0000.0");
    l.BlockAt(r, 1, FUNC_TMR, {"1"});
    l.Wire(r, 5, 6);
    l.Coil(r, BASIC_WRT, "R0000.0");

    l.Comment("Parts: counter 2 counts rising edges of the part sensor (preset C0008)",
              "工件计数:计数器2对工件传感器的上升沿计数(设定值C0008)");
    r = l.Row();
    l.Contact(r, 0, BASIC_RD, "K0000.0");
    l.BlockAt(r, 1, FUNC_CTR, {"2"});
    l.Wire(r, 5, 6);
    l.Coil(r, BASIC_WRT, "R0000.2");
    l.Contact(r + 1, 0, BASIC_RD, "K0000.1");
    l.Contact(r + 2, 0, BASIC_RD, "X0001.0");
    l.Contact(r + 3, 0, BASIC_RDPT, "X0000.5");

    l.Block(0, FUNC_END1, {}, true);
}

void BuildLevel2(CLadder& program) {
    CDemoLadder l(program);
    l.Comment("Automatic mode runs the lamp subprogram P0001", "自动方式下执行指示灯子程序P0001");
    int r = l.Row();
    l.Contact(r, 0, BASIC_RD, "X0001.1");
    l.BlockAt(r, 1, FUNC_CALL, {"P0001"}, true);

    l.Comment("The conveyor subprogram P0002 runs in every cycle", "每个周期都执行输送子程序P0002");
    l.Block(0, FUNC_CALLU, {"P0002"}, true);

    l.Block(0, FUNC_END2, {}, true);
}

CLadder& Subprogram(CLadderList& programs, const char* name) {
    CLDCmd operand;
    ParseProgramOperand(name, operand);
    auto program = Program(FormatOperand(operand, false));
    CDemoLadder l(*program);
    l.Block(0, FUNC_SP, {name}, true);
    return programs.AddSorted(std::move(program));
}

void BuildLamps(CLadder& program) {
    CDemoLadder l(program);
    l.Comment("Lamps for the count and the lubrication", "计数完成与润滑完成指示灯");
    for (auto [contact, lamp] :
         {std::pair{"R0000.2", "Y0001.0"}, std::pair{"R0000.0", "Y0001.3"}}) {
        int r = l.Row();
        l.Contact(r, 0, BASIC_RD, contact);
        l.Wire(r, 1, 6);
        l.Coil(r, BASIC_WRT, lamp);
    }
    l.Block(0, FUNC_SPE, {}, true);
}

void BuildConveyor(CLadder& program) {
    CDemoLadder l(program);
    l.Comment("No parts waiting: jump over the air blow to label L0001",
              "无工件等待时跳过吹气,转到标号L0001");
    int r = l.Row();
    l.Contact(r, 0, BASIC_RD_NOT, "X0001.2");
    l.BlockAt(r, 1, FUNC_JMPB, {"L0001"}, true);
    r = l.Row();
    l.Contact(r, 0, BASIC_RD, "X0001.3");
    l.Wire(r, 1, 6);
    l.Coil(r, BASIC_WRT, "Y0001.1");

    l.Block(0, FUNC_LBL, {"L0001"}, true);
    r = l.Row();
    l.Contact(r, 0, BASIC_RD, "Y0000.0");
    l.Contact(r, 1, BASIC_RD_NOT, "X0001.4");
    l.Wire(r, 2, 6);
    l.Coil(r, BASIC_WRT, "Y0001.2");
    l.Block(0, FUNC_SPE, {}, true);
}

struct CDemoComment {
    const char* address;
    const char* symbol;
    const char* comment1;
    const char* comment2;
};

constexpr CDemoComment COMMENTS[] = {
    {"X0000.0", "START", "Spindle start button", "主轴启动按钮"},
    {"X0000.1", "STOP", "Spindle stop button", "主轴停止按钮"},
    {"X0000.2", "OVERLOAD", "Motor overload relay", "电机过载继电器"},
    {"X0000.3", "FWD_BTN", "Feed forward button", "进给正转按钮"},
    {"X0000.4", "REV_BTN", "Feed reverse button", "进给反转按钮"},
    {"X0000.5", "PART", "Part sensor", "工件传感器"},
    {"X0001.0", "CNT_RST", "Counter reset button", "计数器复位按钮"},
    {"X0001.1", "AUTO", "Automatic mode switch", "自动方式开关"},
    {"X0001.2", "WAITING", "Parts waiting on the conveyor", "输送带上有工件等待"},
    {"X0001.3", "AIR_REQ", "Air blow request", "吹气请求"},
    {"X0001.4", "COOL_OFF", "Coolant off switch", "冷却关闭开关"},
    {"Y0000.0", "SPINDLE", "Spindle motor contactor", "主轴电机接触器"},
    {"Y0000.1", "FEED_FWD", "Feed forward", "进给正转"},
    {"Y0000.2", "FEED_REV", "Feed reverse", "进给反转"},
    {"Y0001.0", "BATCH", "Batch complete lamp", "批量完成指示灯"},
    {"Y0001.1", "AIR", "Air blow valve", "吹气阀"},
    {"Y0001.2", "COOLANT", "Coolant pump", "冷却泵"},
    {"Y0001.3", "LUBE_OK", "Lubrication done lamp", "润滑完成指示灯"},
    {"R0000.0", "LUBE_END", "Lubrication time elapsed", "润滑时间到"},
    {"R0000.2", "COUNTED", "Part count reached", "工件计数到达"},
    {"K0000.0", "CNT_ONE", "Counter counts from 1", "计数器从1开始计数"},
    {"K0000.1", "CNT_DOWN", "Counter counts down", "计数器减计数"},
    {"T0004", "LUBE_T", "Lubrication timer", "润滑定时器"},
    {"C0008", "PARTS", "Part counter", "工件计数器"},
    {"P0001", "LAMPS", "Lamp subprogram", "指示灯子程序"},
    {"P0002", "CONVEYOR", "Conveyor subprogram", "输送子程序"},
};

}  // namespace

void BuildDemoProject(CVARNOApp& app) {
    CLadderList& programs = app.Programs();
    programs.DeleteAll();
    BuildLevel1(programs.AddSorted(Program(LoadString(IDS_LEVEL1))));
    BuildLevel2(programs.AddSorted(Program(LoadString(IDS_LEVEL2))));
    BuildLamps(Subprogram(programs, "P0001"));
    BuildConveyor(Subprogram(programs, "P0002"));
    app.SetLaddersModified(true);

    for (const CDemoComment& c : COMMENTS) {
        app.Comments().SetComment(Address(c.address), c.symbol, c.comment1, Utf8ToGbk(c.comment2));
    }

    CVersionArray& versions = app.Versions();
    const char* lines[CVersionArray::COUNT][2] = {
        {"Demo Machine Works", "演示机床厂"},
        {"Spindle and feed station", "主轴与进给工位"},
        {"V1.0", "2024-05-01"},
        {"Example project", "示例项目"},
    };
    for (int i = 0; i < CVersionArray::COUNT; ++i) {
        versions.GetVersionLine(i, 0) = Utf8ToGbk(lines[i][0]);
        versions.GetVersionLine(i, 1) = Utf8ToGbk(lines[i][1]);
    }
    app.SetVersionModified(true);
}

bool WriteDemoProject(const std::string& folder, std::string& error) {
    test::CRecordingMessages messages;
    CVARNOApp app(messages);
    const std::string path = folder + "/Demo.KPJ";
    if (!app.OpenProject(path, true)) {
        error = "cannot create " + path;
        return false;
    }
    BuildDemoProject(app);
    if (!app.SaveProject(&error)) {
        return false;
    }
    CParamDoc params(&app.Comments());
    params.Tables().Find("T")->SetValue(1, 3000);  // T0004: lubrication time, ms
    params.Tables().Find("C")->SetValue(2, 25);    // C0008: parts per batch
    if (!params.Save(app.GetFullPath(app.Files().param), &error)) {
        return false;
    }
    if (!messages.boxes.empty()) {
        error = "unexpected message: " + GbkToUtf8(messages.boxes.front().text);
        return false;
    }
    return true;
}

}  // namespace varno
