// CCommentView: the comment window's right pane, a report list of the current group's items
// (grid lines, full-row selection, the last column stretched) with the commands Modify, Add,
// Delete, Load and Export in its context menu. The English menu offers Modify, Load and
// Export; the Chinese one Add and Delete as well. The Delete key deletes, a double click
// modifies. Every change goes to the comment table, which marks the project's comments
// modified and tells the ladder windows and the workspace.
#pragma once

#include <QString>
#include <QWidget>
#include <string>

class QMenu;
class QTableView;

namespace varno {

class CCommandTable;
class CCommentDoc;
class CCommentTableModel;
class IMessageService;

inline constexpr int ID_COMMENT_MODIFY = 32928;
inline constexpr int ID_COMMENT_ADD = 32926;
inline constexpr int ID_COMMENT_DELETE = 32777;
inline constexpr int ID_COMMENT_LOAD = 32988;
inline constexpr int ID_COMMENT_EXPORT = 32989;

class CCommentView final : public QWidget {
    Q_OBJECT

public:
    CCommentView(CCommentDoc& doc, IMessageService& messages, QWidget* parent = nullptr);

    QTableView* List() const { return list_; }
    CCommandTable& Commands() const { return *commands_; }
    // The context menu as it would show now (the caller owns it).
    QMenu* BuildPopup();
    // The selected row, or -1.
    int SelectedRow() const;

    // Where the Load and Export dialogs start: the folder of the comment file.
    void SetFileDirectory(const QString& directory) { fileDirectory_ = directory; }

    void Modify();
    void Add();
    void Delete();
    void Load();
    void Export();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateCommands();
    void SelectRow(int row);
    void SelectLastRow();
    // The text file chosen in a file dialog (Load: an existing one), or empty for Cancel.
    QString AskTextFile(bool save);

    CCommentDoc& doc_;
    IMessageService& messages_;
    CCommentTableModel* model_;
    QTableView* list_;
    CCommandTable* commands_;
    QString fileDirectory_;
};

}  // namespace varno
