// CLadderView: what a ladder window does, without the window. It keeps the caret (a display
// row and a column) and the selection, turns caret keys, clicks and drags on cells into caret
// moves and selections, and carries out every editing command on its document. The window
// forwards keys, mouse cells and dialog answers here, and draws what it reads back; pixels,
// focus, scrolling and the platform's caret stay with the window (ILadderViewHost).
#pragma once

#include <optional>
#include <string>

#include "editor/editor_dialogs.h"
#include "editor/ladder_doc.h"
#include "model/ladder.h"
#include "platform/clipboard.h"

namespace varno {

// The name the clipboard block is registered under.
inline constexpr const char* CLIPBOARD_FORMAT = "KESTO_LADITEM";

// What the window does for the view. Every call has a do-nothing default.
class ILadderViewHost {
public:
    virtual ~ILadderViewHost() = default;
    // Hint 0: fonts and margins are recomputed and the ladder's origin is set again.
    virtual void RecalcLayout() {}
    // The ladder's height (or the window) changed: scroll sizes are recomputed.
    virtual void UpdateScrollSizes() {}
    // The caret was placed on the cell: scroll it into view and move the caret block there.
    virtual void CaretMoved(int /*displayRow*/, int /*column*/) {}
    virtual void Repaint() {}
};

// The pop-up a context-menu request shows for the caret's element.
enum class LadderPopup { Comment, Base, Func, Null };

class CLadderView final : public ILadderDocView {
public:
    CLadderView(CLadderDoc& doc, IEditorDialogs& dialogs, IClipboard& clipboard,
                ILadderViewHost* host = nullptr);
    ~CLadderView() override;
    CLadderView(const CLadderView&) = delete;
    CLadderView& operator=(const CLadderView&) = delete;

    CLadderDoc& Doc() const { return doc_; }
    CLadder& Ladder() const { return doc_.GetLadder(); }

    // --- Updates ----------------------------------------------------------------------------
    // The first display of a view: the hint-0 path.
    void OnInitialUpdate() { OnUpdate(HINT_LAYOUT); }
    // Hint 0 recomputes the layout and sets the caret again; hint 1 recomputes the scroll
    // sizes, moves a caret that fell off the end up by one row and sets it again. A caret that
    // cannot be set there leaves the selection empty.
    void OnUpdate(int hint) override;

    // --- Caret and selection ----------------------------------------------------------------
    // Places the caret on the element at the display position and adds that element to the
    // selection (extend) or makes it the selection. False, with nothing changed, outside the
    // ladder.
    bool SetCaret(int displayRow, int column, bool extend);
    int CaretRow() const { return caretRow_; }
    int CaretColumn() const { return caretColumn_; }
    const CSelect& Selection() const { return selection_; }
    // How many whole rows the window shows (Page Up and Page Down move by it).
    void SetVisibleRows(int rows) { visibleRows_ = rows; }
    int VisibleRows() const { return visibleRows_; }
    // The information bar's text (GBK) and the status pane's text.
    const std::string& BarText() const { return barText_; }
    std::string StatusText() const;
    // The pop-up for the caret's element; nullopt when there is none there.
    std::optional<LadderPopup> ContextPopup() const;

    // --- Keys -------------------------------------------------------------------------------
    void OnKeyRight();
    void OnKeyLeft();
    void OnKeyDown();
    void OnKeyUp();
    void OnPageDown();
    void OnPageUp();
    void OnCtrlHome();
    void OnCtrlEnd();

    // --- Mouse, by cell (the window hit-tests pixels with CLadder::PixelToCell) -------------
    void OnLeftButtonDown(CCellPos cell);
    // Selects the region between the press and the release cell; the caret goes to the
    // release cell. Nothing without a press before.
    void OnLeftButtonUp(CCellPos cell);
    bool Dragging() const { return dragging_; }
    // Selects every element of the region, a block together with the vertical lines feeding
    // its rung group's rows in the region's columns.
    void SelectRegion(CCellPos from, CCellPos to);
    // Keeps a multiple selection and adds the cell's element; otherwise moves there.
    void OnRightButtonDown(CCellPos cell);

    // --- Commands ---------------------------------------------------------------------------
    void OnInsertComment();
    void OnInsertRow();
    void OnInsertRowAfter();
    void OnDeleteRow();
    void OnContact();
    void OnCoil();
    void OnFunction();
    // The function box's choice: a number of the "All" category, 0 when it has none.
    void OnFunctionBox(int number);
    void OnLineRight();
    void OnLineDown();
    void OnDeleteLineDown();
    void OnLineUp();
    void OnDeleteLineUp();
    void OnElemComment();
    void OnProperty();
    void OnBackspace();
    void OnDelete();
    void OnCut();
    // False when nothing went to the clipboard.
    bool OnCopy();
    void OnPaste();
    bool CanPaste() const;
    void OnUndo();
    void OnRedo();
    void OnFind();
    void OnRepeat();
    void OnEditBatch();

    // Places a functional instruction on the located element after its operand dialog; number
    // -1 edits the element's own instruction.
    void PlaceFunction(const CElemInfo& located, int number);
    // PlaceElement, telling the user when the element could not be placed.
    CLDCell* PlaceChecked(int row, int column, const CLDCell& element);
    // The last search, which Repeat runs again.
    const CLDCmd& FindKey() const { return findKey_; }

private:
    std::optional<CElemInfo> LocateCaret() const;
    void Notify(int hint);
    void Repaint();
    void UpdateScrollSizes();
    void RunElementCommand(ElementClass cls, const CElemInfo& located);
    bool SearchBySymbol(const std::string& text, int row, int column);
    bool SearchByKey(const CLDCmd& key, int row, int column);
    void ShiftAddresses(const CBatchRequest& request);

    CLadderDoc& doc_;
    IEditorDialogs& dialogs_;
    IClipboard& clipboard_;
    ILadderViewHost* host_;

    int caretRow_ = 0;
    int caretColumn_ = 0;
    CSelect selection_;
    CLDCmd findKey_;
    int visibleRows_ = 10;
    std::string barText_;
    bool dragging_ = false;
    CCellPos dragStart_{0, 0};
};

}  // namespace varno
