#include "app/shell/shell_settings.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QSettings>

#include "project/recent_files.h"

namespace varno {

namespace {

constexpr const char* RECENT_GROUP = "Recent File List";
constexpr const char* BAR_NAMES = "VARNO_BarState-Bars";
constexpr const char* WINDOW_PLACEMENT = "VARNO_WindowPlacement";

QSettings Store() {
    return QSettings("TELMARA", "VARNO");
}

QString SizeGroup(int barId) {
    return QString("%1-SCBar-%2").arg(CShellSettings::BAR_STATE).arg(barId);
}

QSize ReadSize(const QSettings& store, const char* cx, const char* cy) {
    return QSize(store.value(cx, 0).toInt(), store.value(cy, 0).toInt());
}

bool IsHorizontal(Qt::DockWidgetArea area) {
    return area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
}

}  // namespace

QStringList CShellSettings::RecentFiles() const {
    QSettings store = Store();
    store.beginGroup(RECENT_GROUP);
    std::vector<std::string> paths;
    for (std::size_t i = 1; i <= CRecentFileList::SIZE; ++i) {
        const QString path = store.value(QString("File%1").arg(i)).toString();
        if (!path.isEmpty()) {
            paths.push_back(path.toStdString());
        }
    }
    const CRecentFileList recent(paths);
    QStringList list;
    for (const std::string& path : recent.Paths()) {
        list.append(QString::fromStdString(path));
    }
    return list;
}

void CShellSettings::SetRecentFiles(const QStringList& paths) {
    QSettings store = Store();
    store.remove(RECENT_GROUP);
    store.beginGroup(RECENT_GROUP);
    for (qsizetype i = 0; i < paths.size() && i < qsizetype(CRecentFileList::SIZE); ++i) {
        store.setValue(QString("File%1").arg(i + 1), paths[i]);
    }
}

CBarSizes CShellSettings::BarSizes(int barId) const {
    QSettings store = Store();
    store.beginGroup(SizeGroup(barId));
    return {ReadSize(store, "sizeHorzCX", "sizeHorzCY"),
            ReadSize(store, "sizeVertCX", "sizeVertCY"),
            ReadSize(store, "sizeFloatCX", "sizeFloatCY")};
}

void CShellSettings::SaveBarState(QMainWindow& window, const QList<CDockBarEntry>& bars) const {
    QSettings store = Store();
    store.setValue(BAR_STATE, window.saveState());
    QStringList names;
    for (const CDockBarEntry& entry : bars) {
        names.append(entry.bar->objectName());
        store.beginGroup(SizeGroup(entry.barId));
        const QSize size = entry.bar->size();
        const char* cx = "sizeFloatCX";
        const char* cy = "sizeFloatCY";
        if (!entry.bar->isFloating()) {
            const bool horizontal = IsHorizontal(window.dockWidgetArea(entry.bar));
            cx = horizontal ? "sizeHorzCX" : "sizeVertCX";
            cy = horizontal ? "sizeHorzCY" : "sizeVertCY";
        }
        store.setValue(cx, size.width());
        store.setValue(cy, size.height());
        store.endGroup();
    }
    store.setValue(BAR_NAMES, names);
}

bool CShellSettings::RestoreBarState(QMainWindow& window, const QList<CDockBarEntry>& bars) const {
    QSettings store = Store();
    const QByteArray state = store.value(BAR_STATE).toByteArray();
    if (state.isEmpty()) {
        return false;
    }
    QStringList existing;
    for (const CDockBarEntry& entry : bars) {
        existing.append(entry.bar->objectName());
    }
    for (const QString& name : store.value(BAR_NAMES).toStringList()) {
        if (!existing.contains(name)) {
            return false;
        }
    }
    if (!window.restoreState(state)) {
        return false;
    }
    for (const CDockBarEntry& entry : bars) {
        const CBarSizes sizes = BarSizes(entry.barId);
        if (entry.bar->isFloating()) {
            if (sizes.floating.isValid() && !sizes.floating.isEmpty()) {
                entry.bar->resize(sizes.floating);
            }
            continue;
        }
        const bool horizontal = IsHorizontal(window.dockWidgetArea(entry.bar));
        const QSize size = horizontal ? sizes.horz : sizes.vert;
        const int extent = horizontal ? size.height() : size.width();
        if (extent > 0) {
            window.resizeDocks({entry.bar}, {extent}, horizontal ? Qt::Vertical : Qt::Horizontal);
        }
    }
    return true;
}

void CShellSettings::SaveWindowPlacement(const QMainWindow& window) const {
    Store().setValue(WINDOW_PLACEMENT, window.saveGeometry());
}

bool CShellSettings::RestoreWindowPlacement(QMainWindow& window) const {
    const QByteArray placement = Store().value(WINDOW_PLACEMENT).toByteArray();
    return !placement.isEmpty() && window.restoreGeometry(placement);
}

}  // namespace varno
