#include "app/check/diagnostics_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "check/cell_ref_text.h"
#include "platform/strings/app_check.h"

namespace varno {

namespace {

QIcon SeverityIcon(const QStyle& style, Severity severity) {
    switch (severity) {
        case Severity::Error:
            return style.standardIcon(QStyle::SP_MessageBoxCritical);
        case Severity::Warning:
            return style.standardIcon(QStyle::SP_MessageBoxWarning);
        case Severity::Note:
            break;
    }
    return style.standardIcon(QStyle::SP_MessageBoxInformation);
}

}  // namespace

CDiagnosticsBar::CDiagnosticsBar(QAction* checkAction, QWidget* parent)
    : QDockWidget(Tr(IDS_DIAGNOSTICS_BAR), parent),
      summary_(new QLabel(this)),
      list_(new QListWidget(this)) {
    setObjectName("DiagnosticsBar");
    auto* pane = new QWidget(this);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    auto* top = new QHBoxLayout();
    auto* check = new QToolButton(pane);
    check->setDefaultAction(checkAction);
    check->setToolButtonStyle(Qt::ToolButtonTextOnly);
    top->addWidget(check);
    top->addWidget(summary_, 1);
    layout->addLayout(top);
    list_->setUniformItemSizes(true);
    list_->setIconSize(QSize(16, 16));
    layout->addWidget(list_);
    setWidget(pane);
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const std::size_t index = static_cast<std::size_t>(list_->row(item));
        if (index < places_.size()) {
            const CPlace& place = places_[index];
            emit CellRequested(place.program, place.row, place.column);
        }
    });
    Clear();
}

void CDiagnosticsBar::ShowResult(const CCheckResult& result) {
    list_->clear();
    places_.clear();
    places_.reserve(result.findings.size());
    const QStyle& style = *list_->style();
    for (const CFinding& finding : result.findings) {
        auto* item = new QListWidgetItem(SeverityIcon(style, finding.severity),
                                         FromGbk(FindingText(result, finding)));
        list_->addItem(item);
        places_.push_back(
            {ProgramName(result.programs, finding.at), finding.at.row, finding.at.column});
    }
    summary_->setText(FromGbk(CheckSummaryText(result)));
}

void CDiagnosticsBar::Clear() {
    list_->clear();
    places_.clear();
    summary_->setText(Tr(IDS_CHECK_NOT_RUN));
}

}  // namespace varno
