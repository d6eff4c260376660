#pragma once

#include "storage/fileresult.h"

#include <QString>

// Prints the Reports window's text. Behind an interface so that the window's tests need no
// printer.
class LogPrinter {
public:
    virtual ~LogPrinter() = default;
    // One print job holding the text; a failure names the printer and the reason.
    virtual FileResult print(const QString& text) = 0;
};

// Prints on the system's default printer, or into a PDF file when given one. The text is laid
// out by Qt's text engine on the printer's pages: no heading, footer or page number is added.
class QtLogPrinter final : public LogPrinter {
public:
    QtLogPrinter() = default;
    static QtLogPrinter toPdf(const QString& pdfPath);

    FileResult print(const QString& text) override;

private:
    QString m_pdfPath;
};
