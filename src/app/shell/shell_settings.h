// The application's settings under the organisation "TELMARA": the recent-file list ("Recent
// File List", File1..File4), the docking state of the bars ("VARNO_BarState", with the names
// of the bars it was stored with) and, per docking bar, its sizes when docked horizontally,
// docked vertically and floating, in the group "VARNO_BarState-SCBar-<bar id>" with the values
// sizeHorzCX, sizeHorzCY, sizeVertCX, sizeVertCY, sizeFloatCX and sizeFloatCY; and the main
// window's place and size.
#pragma once

#include <QList>
#include <QSize>
#include <QStringList>

class QDockWidget;
class QMainWindow;

namespace varno {

struct CDockBarEntry {
    QDockWidget* bar;
    int barId;
};

struct CBarSizes {
    QSize horz;
    QSize vert;
    QSize floating;
};

class CShellSettings {
public:
    static constexpr const char* BAR_STATE = "VARNO_BarState";

    QStringList RecentFiles() const;
    void SetRecentFiles(const QStringList& paths);

    // The window's docking state and each bar's size in its present placement.
    void SaveBarState(QMainWindow& window, const QList<CDockBarEntry>& bars) const;
    // Restores a stored state only when every bar it names exists (otherwise the default layout
    // stays); false when nothing was restored.
    bool RestoreBarState(QMainWindow& window, const QList<CDockBarEntry>& bars) const;
    CBarSizes BarSizes(int barId) const;

    // The main window's place and size ("VARNO_WindowPlacement"); false when none is stored.
    void SaveWindowPlacement(const QMainWindow& window) const;
    bool RestoreWindowPlacement(QMainWindow& window) const;
};

}  // namespace varno
