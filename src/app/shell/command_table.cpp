#include "app/shell/command_table.h"

#include <QWidget>

#include "app/qt_text.h"

namespace varno {

CCommandTable::CCommandTable(QWidget* owner) : QObject(owner), owner_(owner) {}

QAction* CCommandTable::Add(CCommandSpec spec) {
    auto it = entries_.find(spec.id);
    if (it != entries_.end()) {
        owner_->removeAction(it->second.action);
        delete it->second.action;
        entries_.erase(it);
    }
    auto* action = new QAction(owner_);
    action->setShortcut(spec.shortcut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    action->setCheckable(static_cast<bool>(spec.checked));
    const int id = spec.id;
    connect(action, &QAction::triggered, this, [this, id] { Run(id); });
    owner_->addAction(action);
    Entry& entry = entries_.emplace(id, Entry{std::move(spec), action}).first->second;
    ApplyText(entry);
    return action;
}

QAction* CCommandTable::Action(int id) const {
    auto it = entries_.find(id);
    return it == entries_.end() ? nullptr : it->second.action;
}

void CCommandTable::UpdateStates() {
    for (auto& [id, entry] : entries_) {
        if (entry.spec.enabled) {
            entry.action->setEnabled(entry.spec.enabled());
        }
        if (entry.spec.checked) {
            entry.action->setChecked(entry.spec.checked());
        }
    }
}

bool CCommandTable::Run(int id) {
    auto it = entries_.find(id);
    if (it == entries_.end()) {
        return false;
    }
    const CCommandSpec& spec = it->second.spec;
    if ((spec.enabled && !spec.enabled()) || !spec.run) {
        return false;
    }
    spec.run();
    return true;
}

void CCommandTable::Retranslate() {
    for (auto& [id, entry] : entries_) {
        ApplyText(entry);
    }
}

void CCommandTable::ApplyText(Entry& entry) {
    if (entry.spec.text == StrId{}) {
        return;
    }
    const QString text = Tr(entry.spec.text);
    const qsizetype split = text.indexOf('\n');
    entry.action->setText(split < 0 ? text : text.left(split));
    const QString tip = split < 0 ? QString() : text.mid(split + 1);
    entry.action->setToolTip(tip.isEmpty() ? entry.action->text().remove('&') : tip);
    entry.action->setStatusTip(tip);
}

}  // namespace varno
