#include "app/ladder/ladder_bar.h"

#include <QHBoxLayout>
#include <QLabel>

#include "app/qt_text.h"

namespace varno {

CLadderBar::CLadderBar(QWidget* parent) : QWidget(parent), label_(new QLabel(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(label_);
    label_->setTextFormat(Qt::PlainText);
    label_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label_->setFrameShape(QFrame::StyledPanel);
    label_->setFrameShadow(QFrame::Sunken);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void CLadderBar::SetBarText(const std::string& gbk) {
    label_->setText(FromGbk(gbk));
}

QString CLadderBar::Text() const {
    return label_->text();
}

}  // namespace varno
