#pragma once

#include "reports/logprinter.h"

#include <QStringList>

// Keeps what would have been printed; can be told to fail like a printer that is not there.
class FakePrinter final : public LogPrinter {
public:
    QStringList jobs;
    bool fails = false;

    FileResult print(const QString& text) override {
        if (fails)
            return FileResult::failure(QStringLiteral("default printer"),
                                       QStringLiteral("no printer is installed"));
        jobs.append(text);
        return FileResult::success();
    }
};
