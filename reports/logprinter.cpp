#include "reports/logprinter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include <memory>

namespace {

FileResult printDocument(QPrinter& printer, const QString& name, const QString& text) {
    // The margins a printer driver would keep clear; a PDF has none of its own.
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QTextDocument doc;
    doc.setPlainText(text);
    doc.documentLayout()->setPaintDevice(&printer);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    doc.setPageSize(page.size());
    doc.setDocumentMargin(0);

    QPainter painter;
    if (!painter.begin(&printer))
        return FileResult::failure(name, QStringLiteral("the print job could not be started"));
    // QTextDocument::print() would add page numbers, so the pages are drawn here instead.
    const int pages = doc.pageCount();
    for (int p = 0; p < pages; ++p) {
        if (p > 0 && !printer.newPage()) {
            painter.end();
            return FileResult::failure(name, QStringLiteral("a new page could not be started"));
        }
        const QRectF clip(0, p * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -clip.top());
        doc.drawContents(&painter, clip);
        painter.restore();
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return FileResult::failure(name, QStringLiteral("the print job failed"));
    return FileResult::success();
}

} // namespace

QtLogPrinter QtLogPrinter::toPdf(const QString& pdfPath) {
    QtLogPrinter printer;
    printer.m_pdfPath = pdfPath;
    return printer;
}

FileResult QtLogPrinter::print(const QString& text) {
    if (!m_pdfPath.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_pdfPath);
        return printDocument(printer, m_pdfPath, text);
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return FileResult::failure(QStringLiteral("the default printer"),
                                   QStringLiteral("no printer is set up on this computer"));
    }
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        return FileResult::failure(info.printerName(), QStringLiteral("the printer is not ready"));
    return printDocument(printer, info.printerName(), text);
}
