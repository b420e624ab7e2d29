// The output bar: the docking bar at the bottom of the main window where compiler, target
// file tools and comment tools print their lines. Its text window is read-only, drawn in the
// window colours, keeps at most about 64,000 characters (a longer text loses its first 10,000
// before the next line) and always shows its end. A right click offers Copy (with a
// selection), Select All and Clear All (with text).
#pragma once

#include <QDockWidget>
#include <QPlainTextEdit>

namespace varno {

class CCommandTable;

class COutputEdit final : public QPlainTextEdit {
    Q_OBJECT

public:
    static constexpr int TRIM_ABOVE = 64000;
    static constexpr int TRIM_CHARS = 10000;

    explicit COutputEdit(QWidget* parent);

    // Appends one line (its line end counts as the two characters CR LF).
    void AppendLine(const QString& line);
    void ClearAll();
    // The length of the text as stored, each line ending in CR LF.
    int StoredLength() const { return length_; }
    // The context menu as it would show now: entries enabled by the current state.
    QMenu* BuildContextMenu();
    CCommandTable& Commands() { return *commands_; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void RemoveFirstChars(int count);

    CCommandTable* commands_;
    int length_ = 0;
};

class COutputBar final : public QDockWidget {
    Q_OBJECT

public:
    static constexpr int BAR_ID = 104;

    explicit COutputBar(QWidget* parent);
    COutputEdit* Edit() const { return edit_; }
    void Retranslate();

private:
    COutputEdit* edit_;
};

}  // namespace varno
