#include "app/shell/document_types.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <algorithm>

namespace varno {

namespace {

constexpr const char* KIND_PROPERTY = "varnoDocKind";
constexpr const char* KEY_PROPERTY = "varnoDocKey";

int Index(DocKind kind) {
    return static_cast<int>(kind);
}

}  // namespace

CDocumentTypes::CDocumentTypes(QMdiArea* area) : QObject(area), area_(area) {
    connect(area_, &QMdiArea::subWindowActivated, this, &CDocumentTypes::WindowsChanged);
}

void CDocumentTypes::Register(CDocumentType type) {
    types_[Index(type.kind)] = std::move(type);
}

bool CDocumentTypes::IsRegistered(DocKind kind) const {
    return types_[Index(kind)].has_value();
}

const CDocumentType* CDocumentTypes::Type(DocKind kind) const {
    const auto& type = types_[Index(kind)];
    return type ? &*type : nullptr;
}

// A program name stays as it is (names are compared exactly); a path is made absolute and, when
// the file exists, followed through links, so that two spellings of one file are one window.
QString CDocumentTypes::NormalKey(const QString& key) {
    if (!key.contains('.')) {
        return key;
    }
    const QFileInfo info(key);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QMdiSubWindow* CDocumentTypes::Find(DocKind kind, const QString& key) const {
    const QString normal = NormalKey(key);
    for (QMdiSubWindow* window : Windows(kind)) {
        if (KeyOf(window) == normal) {
            return window;
        }
    }
    return nullptr;
}

QMdiSubWindow* CDocumentTypes::Open(DocKind kind, const CDocumentRequest& request) {
    const CDocumentType* type = Type(kind);
    if (type == nullptr || !type->open) {
        return nullptr;
    }
    if (QMdiSubWindow* open = Find(kind, request.key)) {
        area_->setActiveSubWindow(open);
        return open;
    }
    QWidget* widget = type->open(request);
    if (widget == nullptr) {
        return nullptr;
    }
    QMdiSubWindow* window = area_->addSubWindow(widget);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setProperty(KIND_PROPERTY, Index(kind));
    window->setProperty(KEY_PROPERTY, NormalKey(request.key));
    connect(window, &QObject::destroyed, this, &CDocumentTypes::WindowsChanged);
    // Ladders and lists are wide and long: a new window takes most of the area, cascaded, and
    // as much of its width as the window asks for (a whole ladder row), but never more than
    // the area: a window reaching past the area's edges hides its scroll bars.
    const QSize area = area_->viewport()->size();
    QSize size = area * 0.85;
    size.setWidth(std::min(area.width(), std::max(size.width(), window->sizeHint().width())));
    window->resize(size);
    window->show();
    const QPoint inside(std::clamp(window->x(), 0, std::max(0, area.width() - size.width())),
                        std::clamp(window->y(), 0, std::max(0, area.height() - size.height())));
    window->move(inside);
    area_->setActiveSubWindow(window);
    emit WindowsChanged();
    return window;
}

std::optional<DocKind> CDocumentTypes::KindOfPath(const QString& path) const {
    for (const auto& type : types_) {
        if (type && !type->extension.isEmpty() &&
            path.endsWith(type->extension, Qt::CaseInsensitive)) {
            return type->kind;
        }
    }
    return std::nullopt;
}

QList<QMdiSubWindow*> CDocumentTypes::Windows(DocKind kind) const {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area_->subWindowList(QMdiArea::CreationOrder)) {
        if (KindOf(window) == kind) {
            windows.append(window);
        }
    }
    return windows;
}

std::optional<DocKind> CDocumentTypes::KindOf(const QMdiSubWindow* window) {
    const QVariant kind = window == nullptr ? QVariant() : window->property(KIND_PROPERTY);
    if (!kind.isValid()) {
        return std::nullopt;
    }
    return static_cast<DocKind>(kind.toInt());
}

QString CDocumentTypes::KeyOf(const QMdiSubWindow* window) {
    return window == nullptr ? QString() : window->property(KEY_PROPERTY).toString();
}

bool CDocumentTypes::CloseWindow(QMdiSubWindow* window) {
    QPointer<QMdiSubWindow> alive(window);
    if (!window->close()) {
        return false;
    }
    // The window deletes itself later; it no longer counts as open from now on.
    if (alive) {
        window->setProperty(KIND_PROPERTY, QVariant());
        window->hide();
    }
    return true;
}

bool CDocumentTypes::CloseAll() {
    for (QMdiSubWindow* window : area_->subWindowList(QMdiArea::CreationOrder)) {
        if (!CloseWindow(window)) {
            return false;
        }
    }
    return true;
}

}  // namespace varno
