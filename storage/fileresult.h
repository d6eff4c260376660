#pragma once

#include <QString>

// The outcome of a file operation. A failure names the file and the reason, so that the
// message shown to the user can say both.
class [[nodiscard]] FileResult {
public:
    static FileResult success() { return FileResult(); }
    // code: the file device's error number (QFileDevice::FileError), where there is one.
    static FileResult failure(QString path, QString reason, int code = 0);

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString& path() const { return m_path; }
    const QString& reason() const { return m_reason; }
    int code() const { return m_code; }

    // "Could not write to <path>: <reason>", or empty text on success.
    QString message(QStringView verb = u"write to") const;

private:
    FileResult() = default;
    bool m_ok = true;
    int m_code = 0;
    QString m_path;
    QString m_reason;
};
