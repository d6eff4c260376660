#include "tests/e2e/appundertest.h"

#include "tests/e2e/xdisplay.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

// Bytes as C-string text, so that CR, LF, tabs and non-ASCII bytes can be seen.
QString escaped(const QByteArray& bytes) {
    QString text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r')
            text += QStringLiteral("\\r");
        else if (c == '\n')
            text += QStringLiteral("\\n\n    ");
        else if (c == '\t')
            text += QStringLiteral("\\t");
        else if (c == '\\')
            text += QStringLiteral("\\\\");
        else if (byte < 0x20 || byte >= 0x7f)
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        else
            text += QLatin1Char(c);
    }
    return text;
}

} // namespace

AppUnderTest::AppUnderTest(const XDisplay& display)
    : m_display(display) {
    if (!m_folder.isValid()) {
        m_error = QStringLiteral("no temporary folder: ") + m_folder.errorString();
        return;
    }
    m_program = m_folder.filePath(QStringLiteral("tallyhawk"));
    if (!QFile::copy(QStringLiteral(TALLYHAWK_EXECUTABLE), m_program))
        m_error = QStringLiteral("could not copy ") + QStringLiteral(TALLYHAWK_EXECUTABLE);
}

AppUnderTest::~AppUnderTest() {
    if (isRunning()) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool AppUnderTest::seed(const QString& name, const QByteArray& bytes) const {
    QFile file(m_folder.filePath(name));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

bool AppUnderTest::start() {
    QProcessEnvironment env = m_display.environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    m_process.setProcessEnvironment(env);
    // Started from another folder: the data files must still land beside the program.
    m_process.setWorkingDirectory(QDir::tempPath());
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(m_program, {});
    return m_process.waitForStarted(5000);
}

void AppUnderTest::terminate() {
    m_process.terminate();
}

bool AppUnderTest::waitForExit(int timeoutMs) {
    return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(timeoutMs);
}

QByteArray AppUnderTest::file(const QString& name) const {
    QFile file(m_folder.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool AppUnderTest::fileExists(const QString& name) const {
    return QFile::exists(m_folder.filePath(name));
}

bool AppUnderTest::waitForFile(const QString& name, const QByteArray& bytes, int timeoutMs) const {
    return QTest::qWaitFor([&] { return file(name) == bytes; }, timeoutMs);
}

QString AppUnderTest::diagnostics() {
    QString text;
    for (const QString& name : {Tasks, Projects, Settings}) {
        text += QStringLiteral("%1:\n    ").arg(name);
        text += fileExists(name) ? escaped(file(name)) : QStringLiteral("(missing)");
        text += u'\n';
    }
    m_output += m_process.readAll();
    text += QStringLiteral("program output:\n") + QString::fromLocal8Bit(m_output);
    if (!isRunning())
        text += QStringLiteral("\nprogram ended with code %1\n").arg(m_process.exitCode());
    return text;
}
