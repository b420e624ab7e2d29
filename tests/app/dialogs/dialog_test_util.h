// Small helpers the dialog suites share: the standard buttons of a dialog, clicks on list
// rows, and running a modal dialog with a script that acts on it once it is up.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace varno::test {

inline QPushButton* StandardButton(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    for (QDialogButtonBox* box : dialog->findChildren<QDialogButtonBox*>()) {
        if (QPushButton* button = box->button(which)) {
            return button;
        }
    }
    return nullptr;
}

inline void ClickOk(QWidget* dialog) {
    QTest::mouseClick(StandardButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
}
inline void ClickCancel(QWidget* dialog) {
    QTest::mouseClick(StandardButton(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
}

inline void ClickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// A check box or radio button takes clicks on its indicator and its text only.
inline void ClickIndicator(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// A double click as the window system delivers it: press, release, double click, release.
inline void DoubleClick(QWidget* widget, QPoint pos) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

// Types any text, Chinese included, one key event per character (keyClicks takes Latin-1 only).
inline void TypeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Runs act on the first modal dialog of type T once it shows, then the caller's exec goes on.
template <typename T>
void WhenModal(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (T* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
}

}  // namespace varno::test
