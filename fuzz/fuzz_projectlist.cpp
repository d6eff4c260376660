// The project list loader on arbitrary file content: loading never fails on content, saving
// the names and loading again gives the same names, a name appended comes back last, and the
// file keeps the encoding its byte-order mark announces.
#include "fuzzcheck.h"
#include "scratchfolder.h"

#include "session/projectlist.h"
#include "storage/ansitext.h"
#include "storage/projectlistfile.h"
#include "storage/textlines.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

namespace {

// A Unicode file stays in its encoding; a Windows-1252 one too, unless its text would then
// start with the bytes of a byte-order mark, when it goes in UTF-8 with its mark.
bool keepsEncoding(ansi::Encoding before, const QByteArray& file) {
    const ansi::Encoding now = ansi::detectEncoding(file);
    if (now == before)
        return true;
    return before == ansi::Encoding::Windows1252 && now == ansi::Encoding::Utf8 &&
           ansi::encodingForNewFile(ansi::decodeFile(file).text) == ansi::Encoding::Utf8;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string nameBytes = input.ConsumeRandomLengthString(64);
    const QString name =
        ansi::decode(QByteArrayView(nameBytes.data(), qsizetype(nameBytes.size())));
    const std::vector<char> rest = input.ConsumeRemainingBytes<char>();
    const QByteArray content(rest.data(), qsizetype(rest.size()));

    const QString path = scratch::path(QStringLiteral("Projects.txt"));
    scratch::writeFile(path, content);

    const ProjectListLoad loaded = loadProjectList(path);
    FUZZ_CHECK(loaded.result.ok());
    FUZZ_CHECK(loaded.entries == textlines::split(ansi::decodeFile(content).text));
    const ansi::Encoding encoding = ansi::detectEncoding(content);

    // The list's order is a sorted permutation of the file's lines.
    ProjectList list(path);
    FUZZ_CHECK(list.load().ok());
    const QStringList names = list.names();
    FUZZ_CHECK(names.size() == loaded.entries.size());
    for (qsizetype i = 1; i < names.size(); ++i)
        FUZZ_CHECK(QString::compare(names[i - 1], names[i], Qt::CaseInsensitive) <= 0);

    // A removal of nothing writes the list back in its order.
    FUZZ_CHECK(list.removeAt(-1).ok());
    const ProjectListLoad reloaded = loadProjectList(path);
    FUZZ_CHECK(reloaded.result.ok());
    FUZZ_CHECK(reloaded.entries == names);
    FUZZ_CHECK(keepsEncoding(encoding, scratch::readFile(path)));

    // Appending to the file as the program wrote it, which ends with a line end.
    const bool hasLineBreak = name.contains(u'\r') || name.contains(u'\n');
    const FileResult appended = AppendProject(path, name);
    FUZZ_CHECK(appended.ok() == !hasLineBreak);
    const ProjectListLoad afterAppend = loadProjectList(path);
    FUZZ_CHECK(afterAppend.result.ok());
    FUZZ_CHECK(afterAppend.entries == (hasLineBreak ? names : names + QStringList{name}));
    FUZZ_CHECK(keepsEncoding(encoding, scratch::readFile(path)));

    return 0;
}
