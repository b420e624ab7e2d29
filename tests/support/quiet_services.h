// Doubles that answer without recording anything, for fuzz targets and benchmarks, where a
// test's recording would only grow: message boxes answered OK, output dropped, a project held
// in memory that never saves.
#pragma once

#include <string>

#include "editor/ladder_project.h"
#include "platform/message_service.h"
#include "platform/output.h"

namespace varno::test {

class CSilentMessages final : public IMessageService {
public:
    MbAnswer ShowMessage(const std::string&, const std::string&, MbIcon, MbButtons) override {
        return MbAnswer::Ok;
    }
    using IMessageService::ShowMessage;
    void Beep(BeepKind) override {}
};

class CNullOutput final : public IOutput {
public:
    void AppendLine(const std::string&) override {}
    void ClearOutput() override {}
};

class CQuietProject final : public ILadderProject {
public:
    CLadderList& Programs() override { return programs_; }
    CCommentList& Comments() override { return comments_; }
    bool IsLaddersModified() const override { return false; }
    void SetLaddersModified(bool) override {}
    bool SavePrograms(const std::string&, std::string*) override { return false; }
    void ReloadPrograms(const std::string&) override {}

private:
    CLadderList programs_;
    CCommentList comments_;
};

}  // namespace varno::test
