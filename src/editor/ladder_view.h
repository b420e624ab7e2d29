// CLadderView: what a ladder window does, without the window. It keeps the caret (a display
// row and a column) and the selection, the layout and the scrolling state, turns caret keys,
// clicks and drags on cells into caret moves and selections, carries out every editing
// command on its document, paints the client area onto a drawing surface and prints pages.
// The window forwards its size, scroll requests, focus, keys, mouse cells and dialog answers
// here, paints through Paint into an off-screen image and shows the platform's caret where
// CaretPixel says (ILadderViewHost tells it when to look again).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/draw_surface.h"
#include "editor/editor_dialogs.h"
#include "editor/ladder_doc.h"
#include "editor/ladder_renderer.h"
#include "editor/view_scroll.h"
#include "model/ladder.h"
#include "platform/clipboard.h"

namespace varno {

// The name the clipboard block is registered under.
inline constexpr const char* CLIPBOARD_FORMAT = "KESTO_LADITEM";

// What the window does for the view. Every call has a do-nothing default.
class ILadderViewHost {
public:
    virtual ~ILadderViewHost() = default;
    // The scroll sizes or the scroll position changed (Scroll()): set the scroll bars again.
    virtual void ScrollChanged() {}
    // The caret moved or was shown or hidden: place the platform's caret, W x H, at
    // CaretPixel() and show it when CaretVisible().
    virtual void CaretChanged() {}
    // The whole client area should be painted again (through Paint).
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

    // --- Layout (view_layout.cpp) -----------------------------------------------------------
    // The project's display settings (SHOW_GRID, SHOW_LINE_NO, SHOW_COMMENT2, GRID_COLOR,
    // WIDTH, HEIGHT, LADDER_FONT); they take effect at the next hint 0.
    void SetDisplay(const CDisplaySettings& display) { renderer_.SetDisplay(display); }
    const CDisplaySettings& Display() const { return renderer_.Display(); }
    // What measures texts for the layout (the row-number column); the window gives its real
    // fonts' metrics. Without one, the fixed-pitch estimate.
    void SetTextMeasure(ITextMeasure* measure) { measure_ = measure; }
    // Rebuilds the ladder font, originX and the ladder width, and moves the ladder's origin.
    void RecalcLayout();
    const CLadderRenderer& Renderer() const { return renderer_; }
    const CFontDesc& LadderFont() const { return renderer_.LadderFont(); }
    int OriginX() const { return renderer_.OriginX(); }
    int LadderWidth() const { return renderer_.LadderWidth(); }
    // The client width a new window asks for: the margin strip, the row numbers, the ladder
    // with both rails and the first two cells' width of the comments right of it.
    int PreferredClientWidth() const {
        return OriginX() + LadderWidth() + 2 + 2 * Ladder().CellWidth();
    }

    // --- Scrolling (view_layout.cpp) --------------------------------------------------------
    // The window's client size in pixels; visible rows become height / H.
    void SetClientSize(int width, int height);
    const CViewScroll& Scroll() const { return scroll_; }
    // Every scroll request of the window (bars, wheel, keys): snapped to whole cells; moves
    // the caret with the contents. False when nothing moved.
    bool ScrollBy(int dx, int dy);
    // The cell under a client pixel (clamped into the ladder), for the window's mouse events.
    CCellPos HitTest(int clientX, int clientY) const;
    // Whether a client pixel lies on the ladder (a double click there opens the Property
    // command).
    bool InLadder(int clientX, int clientY) const;
    // Scrolls the logical rectangle into view (nothing while the window has no size).
    void EnsureVisible(const CRect& rect);
    // Total (2 x 8W, ladder height), page and line (W, H) sizes from the ladder and client.
    void UpdateScrollSizes();

    // --- Painting (view_layout.cpp) ---------------------------------------------------------
    // Paints the client area onto a surface of the client's size: the surface's origin is set
    // to the scroll position, so drawing happens in logical units.
    void Paint(IDrawSurface& surface);

    // --- Printing (view_layout.cpp) ---------------------------------------------------------
    // Paginates for a printable area of printer pixels at the printer's resolution; returns
    // the page count (pages 1..count can be printed).
    int PreparePrinting(int printerWidth, int printerHeight, int dpiX, int dpiY);
    const std::vector<int>& PageStarts() const { return pageStarts_; }
    // The page rectangle (logical units) of the last PreparePrinting; the printer maps it onto
    // its printable area (dots per inch / 96 when the ladder fits the page's width).
    const CRect& PageRect() const { return pageRect_; }
    // Draws page `page` (1-based) with the version texts in the header.
    void PrintPage(IDrawSurface& surface, int page, const CVersionArray& versions);

    // --- Focus and caret pixels (view_layout.cpp) -------------------------------------------
    void SetFocus(bool focused);
    bool HasFocus() const { return focused_; }
    // The caret block's size: one cell, W x H.
    CSize CaretSize() const { return CSize{Ladder().CellWidth(), Ladder().CellHeight()}; }
    // Top-left corner of the caret cell in client pixels.
    CPoint CaretPixel() const { return caretPixel_; }
    // Whether the platform's caret shows: the view has the focus and the caret's x is right of
    // the margin strip.
    bool CaretVisible() const { return caretVisible_; }
    // Recomputes the caret's visibility and tells the window.
    void UpdateCaret();

    // --- Caret and selection ----------------------------------------------------------------
    // Places the caret on the element at the display position and adds that element to the
    // selection (extend) or makes it the selection. False, with nothing changed, outside the
    // ladder.
    bool SetCaret(int displayRow, int column, bool extend);
    int CaretRow() const { return caretRow_; }
    int CaretColumn() const { return caretColumn_; }
    const CSelect& Selection() const { return selection_; }
    // How many whole rows the window shows (Page Up and Page Down move by it); the client
    // size sets it too.
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
    // Puts the caret on the cell of the row with list index `row` (a column outside 0..7 means
    // the row's first) and scrolls it into view, for lists that point into a program. False,
    // with nothing changed, when the program has no such row.
    bool GoToCell(int row, int column);
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

    CLadderRenderer renderer_;
    CFixedPitchMeasure fixedMeasure_;
    ITextMeasure* measure_ = nullptr;
    CViewScroll scroll_;
    bool focused_ = false;
    CPoint caretPixel_;
    bool caretVisible_ = false;
    std::vector<int> pageStarts_;
    CRect pageRect_;
};

}  // namespace varno
