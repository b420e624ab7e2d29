// Printing, print preview and PDF export of a ladder window: one page painter for all three,
// with the view's pagination, header and footer; texts are painted as texts.
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/ladder/ladder_frame.h"
#include "app/ladder/qt_draw_surface.h"
#include "app/qt_text.h"
#include "platform/strings/app_ladder.h"
#include "project/varno_app.h"

namespace varno {

int CLadderFrame::PrintTo(QPrinter& printer) {
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const int pages = view_->PreparePrinting(area.width(), area.height(), printer.logicalDpiX(),
                                             printer.logicalDpiY());
    QPainter painter;
    if (pages == 0 || !painter.begin(&printer)) {
        return 0;
    }
    const CRect page = view_->PageRect();
    const QTransform scale =
        QTransform::fromScale(static_cast<double>(area.width()) / std::max(1, page.Width()),
                              static_cast<double>(area.height()) / std::max(1, page.Height()));
    CQtDrawSurface surface(painter, scale, nullptr);
    const CVersionArray noVersions;
    const CVersionArray& versions = context_.app ? context_.app->Versions() : noVersions;
    int first = 1;
    int last = pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(1, printer.fromPage());
        last = std::min(pages, printer.toPage() > 0 ? printer.toPage() : pages);
    }
    int printed = 0;
    for (int p = first; p <= last; ++p) {
        if (printed > 0) {
            printer.newPage();
        }
        view_->PrintPage(surface, p, versions);
        ++printed;
    }
    painter.end();
    return printed;
}

void CLadderFrame::Print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const int pages = view_->PreparePrinting(area.width(), area.height(), printer.logicalDpiX(),
                                             printer.logicalDpiY());
    dialog.setMinMax(1, std::max(1, pages));
    if (dialog.exec() == QDialog::Accepted) {
        PrintTo(printer);
    }
}

void CLadderFrame::PrintPreview() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { PrintTo(*target); });
    dialog.exec();
}

bool CLadderFrame::WritePdf(const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return PrintTo(printer) > 0 && QFileInfo::exists(path);
}

void CLadderFrame::ExportPdf() {
    QString path = askPdfPath ? askPdfPath()
                              : QFileDialog::getSaveFileName(this, QString(), QString(),
                                                             Tr(IDS_PDF_FILE_FILTER));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += ".pdf";
    }
    WritePdf(path);
}

}  // namespace varno
