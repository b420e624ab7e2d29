#include "cli/edit_session.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <map>

#include "model/catalog.h"
#include "platform/codepage.h"

namespace varno {

MbAnswer CScriptMessages::ShowMessage(const std::string& caption, const std::string& text, MbIcon,
                                      MbButtons buttons) {
    out_ << "box " << GbkToUtf8(caption) << ": " << GbkToUtf8(text) << "\n";
    return buttons == MbButtons::Ok ? MbAnswer::Ok : MbAnswer::Cancel;
}

namespace {

using Tokens = std::vector<CScriptToken>;
using Result = CEditSession::Result;

// The arguments after the command word.
Tokens Args(const Tokens& tokens) {
    return Tokens(tokens.begin() + 1, tokens.end());
}

bool IsCancel(const Tokens& args) {
    return args.size() == 1 && args[0].IsCancel();
}

std::optional<int> Row(const CScriptToken& token) {
    return ScriptInteger(token, INT_MIN, INT_MAX);
}

std::optional<int> Column(const CScriptToken& token) {
    return ScriptInteger(token, 0, LADDER_WIDTH - 1);
}

// A function number: 0 or an instruction of the "All" category.
std::optional<int> FunctionNumber(const CScriptToken& token) {
    std::optional<int> number = ScriptInteger(token, 0, 255);
    if (!number || *number == 0) {
        return number;
    }
    std::span<const std::uint16_t> all = Category(0).members;
    if (std::find(all.begin(), all.end(), *number) == all.end()) {
        return std::nullopt;
    }
    return number;
}

// A cell given as ROW COL at args[at].
std::optional<CCellPos> Cell(const Tokens& args, std::size_t at) {
    std::optional<int> row = Row(args[at]);
    std::optional<int> column = Column(args[at + 1]);
    if (!row || !column) {
        return std::nullopt;
    }
    return CCellPos{*row, *column};
}

}  // namespace

CEditSession::CEditSession(CVARNOApp& app, std::ostream& out)
    : app_(app), out_(out), project_(app), docs_(project_, app.Messages()) {
    docs_.onClose = [this](CLadderDoc& doc) { Forget(doc); };
    project_.closeProgramDocuments = [this] { docs_.CloseLadderDocuments(false); };
}

CEditSession::~CEditSession() {
    // Views go before the documents they watch.
    views_.clear();
}

void CEditSession::Forget(CLadderDoc& doc) {
    if (active_ != nullptr && &active_->Doc() == &doc) {
        active_ = nullptr;
    }
    std::erase_if(views_, [&doc](const auto& view) { return &view->Doc() == &doc; });
}

CCellPos CEditSession::Hit(int row, int column) const {
    const int last = std::max(active_->Ladder().DisplayRowCount() - 1, 0);
    return CCellPos{std::clamp(row, 0, last), column};
}

Result CEditSession::Open(const CScriptToken& name) {
    CLadderDoc* doc = nullptr;
    if (name.text.find('.') != std::string::npos) {
        doc = docs_.OpenFile(name.text);
    } else if (docs_.CloseLadderDocuments(true) != -1) {
        doc = docs_.OpenProgram(Utf8ToGbk(name.text));
    }
    if (doc == nullptr) {
        return Result::Ok;
    }
    auto view = std::make_unique<CLadderView>(*doc, dialogs_, clipboard_);
    view->SetVisibleRows(visibleRows_);
    active_ = view.get();
    views_.push_back(std::move(view));
    active_->OnInitialUpdate();
    return Result::Ok;
}

Result CEditSession::Save(std::string& error) {
    CLadderDoc& doc = active_->Doc();
    try {
        if (!doc.Save()) {
            error = "the ladder could not be saved";
            return Result::FileError;
        }
        if (!doc.IsOwnLadder() && app_.IsCommentModified()) {
            if (!app_.Comments().SaveCommentFile(app_.GetFullPath(app_.Files().comment), &error)) {
                return Result::FileError;
            }
            app_.SetCommentModified(false);
        }
    } catch (const CFileException& e) {
        error = e.what();
        return Result::FileError;
    }
    return Result::Ok;
}

void CEditSession::PrintState() {
    const CSelect& s = active_->Selection();
    const CUndoHistory& h = active_->Doc().History();
    out_ << "state caret " << active_->CaretRow() << ' ' << active_->CaretColumn() << " sel "
         << s.GetCount() << " bounds " << s.MinRow() << ' ' << s.MinColumn() << ' ' << s.EndRow()
         << ' ' << s.EndColumn() << " undo " << h.Position() << '/' << h.Count() << " rows "
         << active_->Ladder().DisplayRowCount() << "\n";
}

Result CEditSession::Run(const Tokens& tokens, std::string& error) {
    const std::string& command = tokens[0].text;
    const Tokens args = Args(tokens);
    auto bad = [&error](std::string why) {
        error = std::move(why);
        return Result::ParseError;
    };
    // Runs an action on the active view, if there is one.
    auto onView = [this](const std::function<void(CLadderView&)>& action) {
        if (active_ != nullptr) {
            action(*active_);
        }
        return Result::Ok;
    };

    static const std::map<std::string, void (CLadderView::*)()> simple = {
        {"insert-row", &CLadderView::OnInsertRow},
        {"insert-row-after", &CLadderView::OnInsertRowAfter},
        {"delete-row", &CLadderView::OnDeleteRow},
        {"line-right", &CLadderView::OnLineRight},
        {"line-down", &CLadderView::OnLineDown},
        {"delete-line-down", &CLadderView::OnDeleteLineDown},
        {"line-up", &CLadderView::OnLineUp},
        {"delete-line-up", &CLadderView::OnDeleteLineUp},
        {"backspace", &CLadderView::OnBackspace},
        {"delete", &CLadderView::OnDelete},
        {"cut", &CLadderView::OnCut},
        {"paste", &CLadderView::OnPaste},
        {"undo", &CLadderView::OnUndo},
        {"redo", &CLadderView::OnRedo},
        {"repeat", &CLadderView::OnRepeat},
    };
    static const std::map<std::string, void (CLadderView::*)()> keys = {
        {"Right", &CLadderView::OnKeyRight},    {"Left", &CLadderView::OnKeyLeft},
        {"Down", &CLadderView::OnKeyDown},      {"Up", &CLadderView::OnKeyUp},
        {"PageDown", &CLadderView::OnPageDown}, {"PageUp", &CLadderView::OnPageUp},
        {"CtrlHome", &CLadderView::OnCtrlHome}, {"CtrlEnd", &CLadderView::OnCtrlEnd},
    };

    if (auto it = simple.find(command); it != simple.end()) {
        if (!args.empty()) {
            return bad(command + " takes no arguments");
        }
        return onView([&](CLadderView& v) { (v.*(it->second))(); });
    }
    if (command == "copy") {
        if (!args.empty()) {
            return bad("copy takes no arguments");
        }
        return onView([](CLadderView& v) { v.OnCopy(); });
    }
    if (command == "open") {
        if (args.size() != 1) {
            return bad("open takes one name");
        }
        return Open(args[0]);
    }
    if (command == "view") {
        std::optional<int> rows =
            args.size() == 1 ? ScriptInteger(args[0], 0, INT_MAX) : std::nullopt;
        if (!rows) {
            return bad("view takes a number of rows");
        }
        visibleRows_ = *rows;
        return onView([&](CLadderView& v) { v.SetVisibleRows(*rows); });
    }
    if (command == "caret" || command == "click" || command == "rclick") {
        std::optional<CCellPos> cell = args.size() == 2 ? Cell(args, 0) : std::nullopt;
        if (!cell) {
            return bad(command + " takes a row and a column 0..7");
        }
        return onView([&](CLadderView& v) {
            if (command == "caret") {
                v.SetCaret(cell->row, cell->column, false);
            } else if (command == "click") {
                v.OnLeftButtonDown(Hit(cell->row, cell->column));
                v.OnLeftButtonUp(Hit(cell->row, cell->column));
            } else {
                v.OnRightButtonDown(Hit(cell->row, cell->column));
            }
        });
    }
    if (command == "drag") {
        std::optional<CCellPos> from = args.size() == 4 ? Cell(args, 0) : std::nullopt;
        std::optional<CCellPos> to = args.size() == 4 ? Cell(args, 2) : std::nullopt;
        if (!from || !to) {
            return bad("drag takes two cells");
        }
        return onView([&](CLadderView& v) {
            v.OnLeftButtonDown(Hit(from->row, from->column));
            v.OnLeftButtonUp(Hit(to->row, to->column));
        });
    }
    if (command == "key") {
        auto it = args.size() == 1 ? keys.find(args[0].text) : keys.end();
        if (it == keys.end()) {
            return bad("unknown key");
        }
        return onView([&](CLadderView& v) { (v.*(it->second))(); });
    }
    if (command == "contact" || command == "coil") {
        CScriptAnswer answer;
        answer.cancel = IsCancel(args);
        if (!answer.cancel && (args.size() != 2 || !ScriptInteger(args[0], 0, 3))) {
            return bad(command + " takes a type 0..3 and an address, or cancel");
        }
        answer.tokens = args;
        dialogs_.SetAnswer(answer);
        return onView([&](CLadderView& v) { command == "contact" ? v.OnContact() : v.OnCoil(); });
    }
    if (command == "function" || command == "function-box") {
        CScriptAnswer answer;
        answer.cancel = command == "function" && IsCancel(args);
        std::optional<int> number = args.empty() ? std::nullopt : FunctionNumber(args[0]);
        if (!answer.cancel && !number) {
            return bad(command + " takes 0 or an instruction number, then operands");
        }
        if (!answer.cancel) {
            answer.tokens.assign(args.begin() + 1, args.end());
            if (command == "function") {
                answer.function = number;
            }
        }
        dialogs_.SetAnswer(answer);
        return onView([&](CLadderView& v) {
            command == "function" ? v.OnFunction() : v.OnFunctionBox(*number);
        });
    }
    if (command == "property") {
        CScriptAnswer answer;
        answer.cancel = IsCancel(args);
        answer.tokens = args;
        dialogs_.SetAnswer(answer);
        onView([](CLadderView& v) { v.OnProperty(); });
        if (!dialogs_.ShapeError().empty()) {
            return bad(dialogs_.ShapeError());
        }
        return Result::Ok;
    }
    if (command == "insert-comment" || command == "elem-comment" || command == "find") {
        const std::size_t count = command == "insert-comment" ? 2 : command == "find" ? 1 : 3;
        CScriptAnswer answer;
        answer.cancel = IsCancel(args);
        if (!answer.cancel && args.size() != count) {
            return bad(command + " takes " + std::to_string(count) + " texts, or cancel");
        }
        answer.tokens = args;
        dialogs_.SetAnswer(answer);
        return onView([&](CLadderView& v) {
            if (command == "insert-comment") {
                v.OnInsertComment();
            } else if (command == "elem-comment") {
                v.OnElemComment();
            } else {
                v.OnFind();
            }
        });
    }
    if (command == "batch") {
        const std::string banks = "XYFGRDKCA";
        const bool bank = args.size() == 5 && !args[0].quoted && args[0].text.size() == 1 &&
                          banks.find(args[0].text[0]) != std::string::npos;
        const std::optional<long long> amount = bank ? ScriptInteger(args[3]) : std::nullopt;
        if (!bank || !amount || *amount < 0 || *amount > UINT32_MAX ||
            !ScriptInteger(args[4], 0, 1)) {
            return bad("batch takes a bank letter, start, end, an amount and an area 0 or 1");
        }
        CScriptAnswer answer;
        answer.tokens = args;
        dialogs_.SetAnswer(answer);
        return onView([](CLadderView& v) { v.OnEditBatch(); });
    }
    if (command == "save" || command == "state") {
        if (!args.empty()) {
            return bad(command + " takes no arguments");
        }
        if (active_ == nullptr) {
            return Result::Ok;
        }
        if (command == "state") {
            PrintState();
            return Result::Ok;
        }
        return Save(error);
    }
    return bad("unknown command '" + command + "'");
}

}  // namespace varno
