// CParamFrame: the parameter window, a splitter of one row and two panes: the table tree (100
// pixels) and the list taking the rest, over its own parameter document read from a parameter
// file. The title shows the file's name with the modified mark; Save writes the file whole
// (the old one is replaced only once the new one is complete), asking for a new name when the
// file is read-only; closing with unsaved changes asks whether to save them.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "app/shell/document_types.h"
#include "params/param_doc.h"

class QSplitter;

namespace varno {

class CCommentList;
class CParamGroupView;
class CParamView;
class IMessageService;

struct CParamWindowContext {
    CCommentList& comments;
    IMessageService& messages;
};

class CParamFrame final : public QWidget, public IShellCommands {
    Q_OBJECT

public:
    // The window of the parameter file at path (an operating-system path). With create, a new
    // document of the default tables that is saved there at once. nullptr, after telling the
    // user why, when an existing file cannot be read as a parameter file.
    static CParamFrame* Open(const CParamWindowContext& context, const std::string& path,
                             bool create, QWidget* parent = nullptr);
    ~CParamFrame() override;

    CParamDoc& Doc() { return doc_; }
    const std::string& Path() const { return path_; }
    CParamGroupView* GroupView() const { return groupView_; }
    CParamView* View() const { return view_; }
    QSplitter* Splitter() const { return splitter_; }

    // Saves to the file, or where the user says when it is read-only. True when written.
    bool Save();
    bool SaveAs();
    // Where Save As writes without asking: set by tests and scripted runs.
    std::function<QString()> askSavePath;

    bool CanRunShellCommand(int id) const override;
    void RunShellCommand(int id) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CParamFrame(const CParamWindowContext& context, std::string path, QWidget* parent);
    bool SaveTo(const std::string& path);
    void UpdateTitle();

    CParamWindowContext context_;
    std::string path_;
    CParamDoc doc_;
    QSplitter* splitter_;
    CParamGroupView* groupView_;
    CParamView* view_;
};

}  // namespace varno
