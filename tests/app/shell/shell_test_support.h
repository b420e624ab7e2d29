// Helpers of the shell's Qt Test suites: answering the next modal dialog as a user would,
// settings kept in a private folder, and a stand-in document type.
#pragma once

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "app/shell/document_types.h"
#include "app/shell/main_frame.h"

namespace varno::test {

// Double clicks the item as a user would: selected by a first click, then the double click.
inline void DoubleClickItem(QTreeWidget* tree, QTreeWidgetItem* item) {
    tree->scrollToItem(item);
    const QPoint at = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
}

// Runs act on the next modal window once it is shown (a message box, a file dialog, a dialog).
inline void OnNextModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

// Answers the next message box with the button, remembering its text.
inline void AnswerMessage(QMessageBox::StandardButton button, QString* text = nullptr) {
    OnNextModal([button, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        if (text != nullptr) {
            *text = box->text();
        }
        QTest::mouseClick(box->button(button), Qt::LeftButton);
    });
}

// Puts the path into the next file dialog's name field and clicks its Open or Save button.
inline void AnswerFileDialog(const QString& path) {
    OnNextModal([path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY2(dialog != nullptr, modal->metaObject()->className());
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name != nullptr);
        // Typed text would open the completer's popup, which takes the next click.
        name->setText(path);
        auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
        QVERIFY2(buttons != nullptr, "no button box");
        QPushButton* accept = nullptr;
        for (QAbstractButton* button : buttons->buttons()) {
            if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
                accept = qobject_cast<QPushButton*>(button);
            }
        }
        QVERIFY(accept != nullptr);
        QTest::mouseClick(accept, Qt::LeftButton);
    });
}

// Presses the OK or Cancel button of a dialog.
inline void PressDialogButton(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    auto* box = dialog->findChild<QDialogButtonBox*>();
    QVERIFY(box != nullptr);
    QTest::mouseClick(box->button(which), Qt::LeftButton);
}

// Settings of this run only.
inline QTemporaryDir& PrivateSettings() {
    static QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    return dir;
}

// A document type whose windows are labels titled with their key; it records what it opened.
struct CFakeDocuments {
    QStringList opened;  // "key" or "new:key"
    QStringList refreshed;

    void Register(CMainFrame& frame, DocKind kind, const QString& extension) {
        frame.DocumentTypes().Register(
            {kind, StrId{}, extension, [this](const CDocumentRequest& request) -> QWidget* {
                 opened.append((request.create ? "new:" : "") + request.key);
                 auto* label = new QLabel(request.key);
                 label->setWindowTitle(request.key + "[*]");
                 return label;
             }});
    }
};

}  // namespace varno::test
