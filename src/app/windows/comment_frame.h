// CCommentFrame: the comment window, a splitter of one row and two panes: the group tree
// (100 pixels) and the list taking the rest. The title shows the comment file's name, marked
// while the project's comments have unsaved changes (they are saved with the project, so
// closing the window asks nothing). The frame's own command writes the compiled comment file.
#pragma once

#include <QWidget>
#include <string>

class QSplitter;

namespace varno {

class CCommandTable;
class CCommentDoc;
class CCommentGroupView;
class CCommentView;
class CVARNOApp;
class IMessageService;
class IOutput;

inline constexpr int ID_GENERATE_COMMENT_FILE = 32981;

struct CCommentWindowContext {
    CVARNOApp& app;
    IMessageService& messages;
    IOutput& output;
};

class CCommentFrame final : public QWidget {
    Q_OBJECT

public:
    // A window on the project's comments; path is the comment file it is named after.
    CCommentFrame(const CCommentWindowContext& context, const QString& path,
                  QWidget* parent = nullptr);
    ~CCommentFrame() override;

    CCommentDoc& Doc() const { return *doc_; }
    CCommentGroupView* GroupView() const { return groupView_; }
    CCommentView* View() const { return view_; }
    QSplitter* Splitter() const { return splitter_; }
    CCommandTable& Commands() const { return *commands_; }

    // Clears the output, writes plc.pro beside the project's comment file and beeps.
    bool GenerateCommentFile();
    // Shows the table again, after a change the table did not announce.
    void Refresh();

private:
    void UpdateTitle();

    CCommentWindowContext context_;
    QString fileName_;
    CCommentDoc* doc_;
    QSplitter* splitter_;
    CCommentGroupView* groupView_;
    CCommentView* view_;
    CCommandTable* commands_;
};

}  // namespace varno
