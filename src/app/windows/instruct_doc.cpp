#include "app/windows/instruct_doc.h"

#include <QPlainTextDocumentLayout>
#include <QTextDocument>

#include "app/qt_text.h"
#include "app/windows/instruct_view.h"
#include "platform/atomic_file.h"
#include "platform/message_service.h"
#include "platform/text_file.h"

namespace varno {

CInstructDoc::CInstructDoc(CFileWatch& watch, int* reloadAll, IMessageService& messages,
                           QObject* parent)
    : QObject(parent),
      text_(new QTextDocument(this)),
      watch_(watch, *this, reloadAll),
      messages_(messages) {
    text_->setDocumentLayout(new QPlainTextDocumentLayout(text_));
    text_->setModified(false);
}

CInstructDoc::~CInstructDoc() = default;

bool CInstructDoc::Open(const std::string& path) {
    if (!Read(path)) {
        return false;
    }
    watch_.SetPath(path);
    return true;
}

bool CInstructDoc::Read(const std::string& path) {
    std::optional<std::string> bytes = ReadWholeFile(path, MAX_TEXT_FILE);
    if (!bytes) {
        return false;
    }
    // The file's lines end in CR LF; the editor holds them as plain line breaks.
    QString text = FromGbk(*bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text_->setPlainText(text);
    return true;
}

bool CInstructDoc::Save() {
    if (Path().empty()) {
        return false;
    }
    QString text = text_->toPlainText();
    text.replace('\n', QStringLiteral("\r\n"));
    const std::string bytes = ToGbk(text);
    try {
        watch_.Save(
            [&] { SaveFileAtomically(Path(), [&](CArchive& ar) { ar.WriteBytes(bytes); }); });
    } catch (const CFileException& error) {
        messages_.ShowMessage(LoadString(IDS_CAPTION_ERROR), Utf8ToGbk(error.what()), MbIcon::Error,
                              MbButtons::Ok);
        return false;
    }
    SetModified(false);
    return true;
}

bool CInstructDoc::Reload() {
    SetModified(false);
    if (!Read(Path())) {
        return false;
    }
    SetModified(false);
    return true;
}

bool CInstructDoc::IsModified() const {
    return text_->isModified();
}

void CInstructDoc::SetModified(bool modified) {
    text_->setModified(modified);
}

IFileWatchWindow* CInstructDoc::FirstView() {
    return view_;
}

}  // namespace varno
