// CLadderBar: the one-line information bar at the bottom of a ladder window. It shows the
// address, symbol and comments of the element under the caret, as the view composes them.
#pragma once

#include <QWidget>

class QLabel;

namespace varno {

class CLadderBar final : public QWidget {
    Q_OBJECT

public:
    explicit CLadderBar(QWidget* parent = nullptr);
    // GBK text from the view.
    void SetBarText(const std::string& gbk);
    QString Text() const;

private:
    QLabel* label_;
};

}  // namespace varno
