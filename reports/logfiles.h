#pragma once

#include "storage/fileresult.h"

#include <QString>

// File operations of the Reports window.
namespace logfiles {

// Copies the file byte for byte, replacing the target without asking. The target is replaced
// only once the copy is complete; a failure leaves it as it was.
FileResult copyFile(const QString& source, const QString& target);

} // namespace logfiles
