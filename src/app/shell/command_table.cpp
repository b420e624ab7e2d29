#include "app/shell/command_table.h"

#include <QWidget>

#include "app/qt_text.h"

namespace varno {

CCommandTable::CCommandTable(QWidget* owner) : QObject(owner), owner_(owner) {}

QAction* CCommandTable::Add(CCommandInfo info) {
    auto it = entries_.find(info.id);
    if (it != entries_.end()) {
        owner_->removeAction(it->second.action);
        delete it->second.action;
        entries_.erase(it);
    }
    auto* action = new QAction(owner_);
    action->setShortcut(info.shortcut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setCheckable(static_cast<bool>(info.checked));
    const int id = info.id;
    connect(action, &QAction::triggered, this, [this, id] { Run(id); });
    owner_->addAction(action);
    Entry& entry = entries_.emplace(id, Entry{std::move(info), action}).first->second;
    ApplyText(entry);
    return action;
}

QAction* CCommandTable::Action(int id) const {
    auto it = entries_.find(id);
    return it == entries_.end() ? nullptr : it->second.action;
}

void CCommandTable::UpdateStates() {
    for (auto& [id, entry] : entries_) {
        if (entry.info.enabled) {
            entry.action->setEnabled(entry.info.enabled());
        }
        if (entry.info.checked) {
            entry.action->setChecked(entry.info.checked());
        }
    }
}

bool CCommandTable::IsEnabled(int id) const {
    auto it = entries_.find(id);
    if (it == entries_.end()) {
        return false;
    }
    const CCommandInfo& info = it->second.info;
    return info.run && (!info.enabled || info.enabled());
}

bool CCommandTable::Run(int id) {
    if (!IsEnabled(id)) {
        return false;
    }
    entries_.at(id).info.run();
    return true;
}

void CCommandTable::Retranslate() {
    for (auto& [id, entry] : entries_) {
        ApplyText(entry);
    }
}

void CCommandTable::ApplyText(Entry& entry) {
    if (entry.info.text == StrId{}) {
        return;
    }
    const QString text = Tr(entry.info.text);
    const qsizetype split = text.indexOf('\n');
    entry.action->setText(split < 0 ? text : text.left(split));
    const QString tip = split < 0 ? QString() : text.mid(split + 1);
    entry.action->setToolTip(tip.isEmpty() ? entry.action->text().remove('&') : tip);
    entry.action->setStatusTip(tip);
}

}  // namespace varno
