// The ladder documents' view of the application object: its program list, its element
// comments, its ladders-modified flag and its project ladder file.
#pragma once

#include <functional>
#include <string>

#include "editor/ladder_project.h"
#include "project/varno_app.h"

namespace varno {

class CAppLadderProject final : public ILadderProject {
public:
    explicit CAppLadderProject(CVARNOApp& app) : app_(app) {}

    // Closes the documents of the project's programs; run before the list is reloaded.
    std::function<void()> closeProgramDocuments;
    // Shows the comment, parameter and workspace windows' data again.
    std::function<void()> refreshProjectViews;

    CLadderList& Programs() override { return app_.Programs(); }
    CCommentList& Comments() override { return app_.Comments(); }
    bool IsLaddersModified() const override { return app_.IsLaddersModified(); }
    void SetLaddersModified(bool modified) override { app_.SetLaddersModified(modified); }
    bool SavePrograms(const std::string& path, std::string* error) override;
    // Unsaved changes of the program list are written to the project's ladder file first,
    // unless the saved file is that very file: a program edited but not saved is not thrown
    // away by saving some other ladder file.
    void ReloadPrograms(const std::string& savedFile) override;
    void RefreshProjectViews() override;

    // The project's ladder file as the operating system names it.
    std::string LadderFile() const { return app_.GetFullPath(app_.Files().ladder); }

private:
    CVARNOApp& app_;
};

}  // namespace varno
