// The instruction window's view: the document's text in a fixed-pitch font, editable, saved
// and printed like any text document. A notification from the file watch asks whether to read
// the file again.
#pragma once

#include <QPlainTextEdit>
#include <memory>

#include "project/file_watch.h"

class QPrinter;

namespace varno {

class CInstructDoc;

class CInstructView final : public QPlainTextEdit, public IFileWatchWindow {
    Q_OBJECT

public:
    // Takes the document over; it goes, and its watch with it, when the view goes.
    explicit CInstructView(std::unique_ptr<CInstructDoc> document, QWidget* parent = nullptr);
    ~CInstructView() override;

    CInstructDoc& Document() const { return *document_; }
    void OnFileWatchNotify(FileWatchId id, const std::string& path) override;
    void PrintDocument(QPrinter& printer);

    // "Fixedsys", 18 pixels, normal weight; a fixed-pitch face where there is none.
    static QFont InstructionFont();

protected:
    void showEvent(QShowEvent* event) override;
    // Unsaved changes are offered for saving; Cancel keeps the window open.
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<CInstructDoc> document_;
    bool shown_ = false;
    bool asking_ = false;
};

}  // namespace varno
