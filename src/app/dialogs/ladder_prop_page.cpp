#include "app/dialogs/ladder_prop_page.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "app/qt_text.h"
#include "app/widgets/color_ref.h"
#include "app/widgets/font_record_qt.h"
#include "platform/strings/app_dialogs.h"

namespace varno {

namespace {

QSpinBox* SizeBox(QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(0, std::numeric_limits<int>::max());
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance("0000000000") + 16);
    return box;
}

QIcon Swatch(std::uint32_t ref) {
    QPixmap pixmap(16, 16);
    pixmap.fill(ColorFromRef(ref));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 15, 15);
    return QIcon(pixmap);
}

}  // namespace

CLadderProp::CLadderProp(QWidget* parent) : QWidget(parent) {
    setWindowTitle(Tr(IDS_DLG_LADDER_PAGE));
    grid_ = new QCheckBox(Tr(IDS_DLG_SHOW_GRID), this);
    gridColor_ = new QPushButton(Tr(IDS_DLG_GRID_COLOR), this);
    lineNumber_ = new QCheckBox(Tr(IDS_DLG_SHOW_LINE_NUMBER), this);
    comment2_ = new QCheckBox(Tr(IDS_DLG_SHOW_COMMENT2), this);
    font_ = new QPushButton(Tr(IDS_DLG_FONT), this);
    width_ = SizeBox(this);
    height_ = SizeBox(this);
    gridColor_->setAutoDefault(false);
    font_->setAutoDefault(false);
    connect(gridColor_, &QPushButton::clicked, this, &CLadderProp::OnGridColor);
    connect(font_, &QPushButton::clicked, this, &CLadderProp::OnFont);

    auto* show = new QGridLayout;
    show->addWidget(grid_, 0, 0);
    show->addWidget(gridColor_, 0, 1);
    show->addWidget(lineNumber_, 1, 0);
    show->addWidget(font_, 1, 1);
    show->addWidget(comment2_, 2, 0);
    show->setColumnStretch(0, 1);
    auto* size = new QGroupBox(Tr(IDS_DLG_CELL_SIZE), this);
    auto* sizeForm = new QFormLayout(size);
    sizeForm->addRow(Tr(IDS_DLG_WIDTH), width_);
    sizeForm->addRow(Tr(IDS_DLG_HEIGHT), height_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(show);
    layout->addWidget(size);
    layout->addStretch(1);
    setTabOrder(grid_, gridColor_);
    setTabOrder(gridColor_, lineNumber_);
    setTabOrder(lineNumber_, comment2_);
    setTabOrder(comment2_, font_);
    setTabOrder(font_, width_);
    setTabOrder(width_, height_);
    Load(CDisplaySettings{});
}

void CLadderProp::Load(const CDisplaySettings& settings) {
    grid_->setChecked(settings.showGrid != 0);
    lineNumber_->setChecked(settings.showLineNo != 0);
    comment2_->setChecked(settings.showComment2 != 0);
    width_->setValue(settings.cellWidth);
    height_->setValue(settings.cellHeight);
    gridColorValue_ = settings.gridColor;
    fontValue_ = settings.font;
    ShowValues();
}

void CLadderProp::Apply(CDisplaySettings& settings) const {
    settings.showGrid = grid_->isChecked() ? 1 : 0;
    settings.showLineNo = lineNumber_->isChecked() ? 1 : 0;
    settings.showComment2 = comment2_->isChecked() ? 1 : 0;
    settings.gridColor = gridColorValue_;
    settings.cellWidth = width_->value();
    settings.cellHeight = height_->value();
    settings.font = fontValue_;
}

void CLadderProp::ShowValues() {
    gridColor_->setIcon(Swatch(gridColorValue_));
    const QFont font = FontFromRecord(fontValue_);
    font_->setToolTip(QString("%1, %2 px").arg(font.family()).arg(std::abs(fontValue_.height)));
}

void CLadderProp::OnGridColor() {
    QColorDialog dialog(ColorFromRef(gridColorValue_), this);
    if (dialog.exec() == QDialog::Accepted) {
        gridColorValue_ = RefFromColor(dialog.selectedColor());
        ShowValues();
    }
}

void CLadderProp::OnFont() {
    // The dialog lists installed faces only: it starts on the face that stands in for the
    // record's (Liberation Mono for "Courier New"), and that face chosen again keeps the
    // record's name, so that the project still names the face it was made with.
    QFont initial = FontFromRecord(fontValue_);
    const QString standIn = QFontInfo(initial).family();
    initial.setFamily(standIn);
    QFontDialog dialog(initial, this);
    if (dialog.exec() == QDialog::Accepted) {
        QFont chosen = dialog.selectedFont();
        if (chosen.family() == standIn && !fontValue_.FaceName().empty()) {
            chosen.setFamily(FromGbk(fontValue_.FaceName()));
        }
        fontValue_ = RecordFromFont(chosen, fontValue_);
        ShowValues();
    }
}

}  // namespace varno
