// The workspace: the docking bar at the left with the project tree. While a project is open the
// tree shows the project file's path, its version information, element comments, parameters,
// the ladder with LEVEL1, LEVEL2 and the subprograms, and the instruction list. Each item that
// opens something carries its node data (kind, command, program name); a double click runs the
// command, a right click shows the kind's popup. The commands act on the selected item.
#pragma once

#include <QDockWidget>
#include <QTreeWidget>
#include <string>

#include "project/varno_app.h"

namespace varno {

class CCommandTable;
class CMainFrame;

// Node kinds; -1 for the two level programs.
enum TreeNodeKind {
    NODE_LEVEL_PROGRAM = -1,
    NODE_VERSION = 0,
    NODE_COMMENT = 1,
    NODE_LADDER = 2,
    NODE_INSTRUCTION = 3,
    NODE_PARAMETER = 4,
    NODE_SUBPROGRAM_FOLDER = 5,
    NODE_SUBPROGRAM = 6,
};

struct CTreeNodeData {
    int kind = 0;
    int command = 0;   // run by a double click; 0 for none
    std::string name;  // the program name of a program node (GBK)
};

class CWorkspaceTree final : public QTreeWidget {
    Q_OBJECT

public:
    static constexpr int CONTROL_ID = 109;

    explicit CWorkspaceTree(QWidget* parent);

    static bool HasData(const QTreeWidgetItem* item);
    static CTreeNodeData Data(const QTreeWidgetItem* item);
    static void SetData(QTreeWidgetItem* item, const CTreeNodeData& data);

signals:
    void NodeActivated(QTreeWidgetItem* item);
    void NodeMenuRequested(QTreeWidgetItem* item, const QPoint& globalPos);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class CWorkspace final : public QDockWidget {
    Q_OBJECT

public:
    static constexpr int BAR_ID = 106;

    explicit CWorkspace(CMainFrame& frame);

    // --- The tree ------------------------------------------------------------------------------
    void BuildProjectTree(const QString& projectPath);
    void ClearProjectTree();
    void AddSubprogramNodes();
    void RemoveSubprogramNodes();
    void RebuildSubprogramNodes();
    void RefreshSubprogramLabels();
    // The project item's text: the open project's path, empty while none is open.
    QString ProjectPath() const;
    CWorkspaceTree* Tree() const { return tree_; }
    QTreeWidgetItem* ProjectItem() const { return projectItem_; }
    QTreeWidgetItem* LadderItem() const { return ladderItem_; }
    QTreeWidgetItem* SubprogramFolder() const { return folderItem_; }
    QTreeWidgetItem* FindProgramNode(const std::string& name) const;

    // --- Commands on the selected item ------------------------------------------------------
    CCommandTable& Commands() { return *commands_; }
    // The popup of the item's kind as it would show now, or null for a kind without one.
    QMenu* BuildPopup(QTreeWidgetItem* item);
    void Retranslate();

private:
    void CreateCommands();
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& text, int image);
    QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const QString& text, int image,
                             const CTreeNodeData& data);
    QTreeWidgetItem* AddSubprogramNode(const std::string& name);
    CTreeNodeData Selected() const;
    std::string SubprogramLabelOf(const std::string& name) const;
    void RunNodeCommand(QTreeWidgetItem* item);
    void ShowNodeMenu(QTreeWidgetItem* item, const QPoint& globalPos);

    void OnVersionOpen();
    void OnCommentOpen();
    void OnLadderOpen();
    void OnInstructionOpen();
    void OnParameterOpen();
    void OnPathOptions(std::string CProjectFiles::*member);
    void OnAddSubprogram();
    void OnDeleteSubprogram();
    void OnSubprogramProperty();
    void OnReload();

    CMainFrame& frame_;
    CWorkspaceTree* tree_;
    CCommandTable* commands_;
    QTreeWidgetItem* rootItem_ = nullptr;
    QTreeWidgetItem* projectItem_ = nullptr;
    QTreeWidgetItem* ladderItem_ = nullptr;
    QTreeWidgetItem* folderItem_ = nullptr;
    // Subprogram labels carry the comments of their P addresses.
    CCommentSubscription commentWatch_;
};

}  // namespace varno
