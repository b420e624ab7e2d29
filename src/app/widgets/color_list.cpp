#include "app/widgets/color_list.h"

#include <QHeaderView>

#include "app/widgets/color_ref.h"

namespace varno {

CColorList::CColorList(QWidget* parent) : QTableView(parent) {
    setAlternatingRowColors(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(false);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    SetRowColors(EVEN_ROW_COLOR, ODD_ROW_COLOR);
}

void CColorList::SetRowColors(std::uint32_t even, std::uint32_t odd) {
    QPalette colors = palette();
    colors.setColor(QPalette::Base, ColorFromRef(even));
    colors.setColor(QPalette::AlternateBase, ColorFromRef(odd));
    colors.setColor(QPalette::Text, Qt::black);
    setPalette(colors);
}

}  // namespace varno
