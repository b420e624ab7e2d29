// The instruction window's document: the instruction list file as editable plain text. The file
// is watched while the document has it; the document's own saves are never reported.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>

#include "project/document_watch.h"

class QTextDocument;

namespace varno {

class CInstructView;
class IMessageService;

class CInstructDoc final : public QObject, public IFileWatchDocument {
    Q_OBJECT

public:
    CInstructDoc(CFileWatch& watch, int* reloadAll, IMessageService& messages,
                 QObject* parent = nullptr);
    ~CInstructDoc() override;

    // Reads the file (an operating-system path) and watches it; false when it cannot be read.
    bool Open(const std::string& path);
    // Writes the text back to the document's file; a failure is reported to the user.
    bool Save();
    // Reads the file again; the text is left as it was when that fails.
    bool Reload();

    const std::string& Path() const { return watch_.Path(); }
    FileWatchId WatchId() const { return watch_.Id(); }
    CDocumentWatch& Watch() { return watch_; }
    IMessageService& Messages() { return messages_; }
    QTextDocument* Text() const { return text_; }
    bool IsModified() const;
    void SetModified(bool modified);

    void SetView(CInstructView* view) { view_ = view; }
    IFileWatchWindow* FirstView() override;

private:
    bool Read(const std::string& path);

    QTextDocument* text_;
    CDocumentWatch watch_;
    IMessageService& messages_;
    CInstructView* view_ = nullptr;
};

}  // namespace varno
