#include "app/ladder/qt_clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace varno {

QString ClipboardMimeType(const std::string& format) {
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"")
        .arg(QString::fromStdString(format));
}

bool CQtClipboard::HasFormat(const std::string& format) const {
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    return mime && mime->hasFormat(ClipboardMimeType(format));
}

std::optional<std::vector<std::uint8_t>> CQtClipboard::GetData(const std::string& format) const {
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    const QString type = ClipboardMimeType(format);
    if (!mime || !mime->hasFormat(type)) {
        return std::nullopt;
    }
    const QByteArray bytes = mime->data(type);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

bool CQtClipboard::SetData(const std::string& format, std::vector<std::uint8_t> data) {
    auto* mime = new QMimeData;
    mime->setData(ClipboardMimeType(format), QByteArray(reinterpret_cast<const char*>(data.data()),
                                                        static_cast<qsizetype>(data.size())));
    QApplication::clipboard()->setMimeData(mime);
    return true;
}

}  // namespace varno
