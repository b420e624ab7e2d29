// An edit script's session: the project, its open ladder documents with their views, one
// clipboard for the whole run, and the view the commands go to. Each script line runs here.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/edit_script.h"
#include "cli/script_dialogs.h"
#include "editor/app_ladder_project.h"
#include "editor/ladder_doc_list.h"
#include "editor/ladder_view.h"
#include "platform/clipboard.h"

namespace varno {

// Message boxes as lines "box CAPTION: TEXT" on the script's output. Nobody can answer: a box
// with only OK is answered OK, any other Cancel.
class CScriptMessages final : public IMessageService {
public:
    explicit CScriptMessages(std::ostream& out) : out_(out) {}
    MbAnswer ShowMessage(const std::string& caption, const std::string& text, MbIcon icon,
                         MbButtons buttons) override;
    using IMessageService::ShowMessage;
    void Beep(BeepKind) override {}

private:
    std::ostream& out_;
};

class CEditSession {
public:
    enum class Result { Ok, ParseError, FileError };

    CEditSession(CVARNOApp& app, std::ostream& out);
    ~CEditSession();
    CEditSession(const CEditSession&) = delete;
    CEditSession& operator=(const CEditSession&) = delete;

    // Runs the command of one line (tokens of a line that holds one). ParseError for a line
    // whose command or answers cannot be understood, FileError for a save that failed; the
    // reason goes to error.
    Result Run(const std::vector<CScriptToken>& tokens, std::string& error);

private:
    Result Open(const CScriptToken& name);
    Result Save(std::string& error);
    void PrintState();
    void Forget(CLadderDoc& doc);
    // The display row a click on the row hits: clamped into the ladder, as a hit test is.
    CCellPos Hit(int row, int column) const;

    CVARNOApp& app_;
    std::ostream& out_;
    CAppLadderProject project_;
    CLadderDocList docs_;
    CMemoryClipboard clipboard_;
    CScriptDialogs dialogs_;
    std::vector<std::unique_ptr<CLadderView>> views_;
    CLadderView* active_ = nullptr;
    int visibleRows_ = 10;
};

}  // namespace varno
