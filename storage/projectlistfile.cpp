#include "storage/projectlistfile.h"

#include "storage/ansitext.h"
#include "storage/textfile.h"
#include "storage/textlines.h"

#include <QFile>

#include <algorithm>

namespace {

const QString LineBreakReason = textfile::lineBreakReason(u"a project name");

// The encoding of the file as it is now. A file that is missing, or that cannot be read and is
// about to be replaced anyway, is written as the program writes new files.
ansi::Encoding existingEncoding(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ansi::Encoding::Windows1252;
    return ansi::detectEncoding(file.read(3));
}

} // namespace

ProjectListLoad loadProjectList(const QString& path) {
    textfile::Read read = textfile::readWhole(path);
    if (!read.result)
        return {std::move(read.result), {}};
    return {FileResult::success(), textlines::split(ansi::decodeFile(read.bytes).text)};
}

FileResult AppendProject(const QString& path, const QString& name) {
    if (textlines::hasBreak(name))
        return FileResult::failure(path, LineBreakReason);
    return textfile::appendText(path, name + ansi::LineEnd, textfile::AppendEncoding::AsTheFileIs);
}

FileResult SaveProjectList(const QString& path, const QStringList& entries) {
    if (std::any_of(entries.cbegin(), entries.cend(), textlines::hasBreak))
        return FileResult::failure(path, LineBreakReason);
    QString text;
    for (const QString& entry : entries)
        text += entry + ansi::LineEnd;
    ansi::Encoding encoding = existingEncoding(path);
    if (encoding == ansi::Encoding::Windows1252)
        encoding = ansi::encodingForNewFile(text);
    if (std::optional<QString> why = ansi::cannotHold(text, encoding))
        return FileResult::failure(path, QStringLiteral("Windows-1252 cannot hold %1").arg(*why));
    return textfile::writeWhole(path, ansi::encodeFile(text, encoding));
}
