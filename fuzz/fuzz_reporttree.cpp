// The report tree on arbitrary log bytes. Besides not crashing, the tree must show every line
// of the log that is neither a session marker nor empty exactly once and in file order, leaving
// out only the lines of a record still running at the end; keys must be unique, and every
// line must belong to the session whose range holds it.
#include "fuzzcheck.h"

#include "reports/reporttree.h"
#include "storage/ansitext.h"
#include "storage/logformat.h"

#include <QSet>

#include <cstddef>
#include <cstdint>

namespace {

// The lines the tree should show, worked out without the tree's own walk: all lines but
// markers and empty ones, cut at the last begin marker when no end marker follows it. Which
// line is a marker is the log format's one-line rule; text in front of a begin marker is a
// line of its own that belongs to what came before.
QList<QByteArrayView> expectedLines(QByteArrayView bytes) {
    using logformat::LineKind;
    QList<QByteArrayView> lines;
    qsizetype shownBeforeOpenRecord = -1;
    qsizetype start = 0;
    const auto take = [&](qsizetype from, qsizetype to) {
        const QByteArrayView line = bytes.sliced(from, to - from);
        switch (logformat::classify(line).kind) {
        case LineKind::Begin: {
            const QByteArrayView front = line.first(logformat::beginMarkerAt(line));
            if (!front.isEmpty() && logformat::classify(front).kind != LineKind::End)
                lines.append(front);
            shownBeforeOpenRecord = lines.size();
            break;
        }
        case LineKind::End:
            shownBeforeOpenRecord = -1;
            break;
        case LineKind::Empty:
            break;
        default:
            lines.append(line);
        }
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        take(start, i);
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        take(start, bytes.size());
    if (shownBeforeOpenRecord >= 0)
        lines.resize(shownBeforeOpenRecord);
    return lines;
}

void checkSessions(const ReportTree& tree) {
    QSet<QString> keys{ReportTree::RootKey};
    qsizetype lines = 0;
    for (qsizetype s = 0; s < tree.sessionCount(); ++s) {
        FUZZ_CHECK(tree.firstLine(s) == lines);
        FUZZ_CHECK(tree.lineCount(s) >= 0);
        lines += tree.lineCount(s);

        const QString key = tree.sessionKey(s);
        FUZZ_CHECK(!keys.contains(key));
        keys.insert(key);

        const QString project = tree.projectText(s);
        FUZZ_CHECK(!project.contains(u'\r') && !project.contains(u'\n'));
        FUZZ_CHECK(tree.sessionText(s) ==
                   QStringLiteral("Session #") + QString::number(s + 1) + u'-' + project);
    }
    FUZZ_CHECK(lines == tree.lineCount());

    for (qsizetype line = 0; line < tree.lineCount(); ++line) {
        const QString key = tree.lineKey(line);
        FUZZ_CHECK(!keys.contains(key));
        keys.insert(key);
        const qsizetype session = tree.sessionOfLine(line);
        FUZZ_CHECK(session >= 0 && session < tree.sessionCount());
        FUZZ_CHECK(line >= tree.firstLine(session));
        FUZZ_CHECK(line < tree.firstLine(session) + tree.lineCount(session));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ReportTree tree = ReportTree::build(bytes);

    const QList<QByteArrayView> expected = expectedLines(bytes);
    FUZZ_CHECK(tree.lineCount() == expected.size());
    // The lines of a UTF-16 file are cut at byte line ends, which only its bytes of ASCII
    // line ends are; their text is not compared.
    const ansi::Encoding encoding = ansi::detectEncoding(bytes);
    if (ansi::unitSize(encoding) == 1) {
        for (qsizetype i = 0; i < expected.size(); ++i)
            FUZZ_CHECK(tree.lineText(i) == ansi::decodeAs(expected[i], encoding));
    }
    // Shown lines always sit in some session; sessions without lines are allowed.
    FUZZ_CHECK(tree.lineCount() == 0 || tree.sessionCount() > 0);
    checkSessions(tree);
    return 0;
}
