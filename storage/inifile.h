#pragma once

#include "storage/fileresult.h"

#include <QHash>
#include <QList>
#include <QString>

// Settings.ini: INI text in Windows-1252, section headings in square brackets and lines of the
// form key=value. Section and key names match without regard to letter case; the first
// section and the first key of a name win, as with the platform's private-profile files.
// Lines starting with ';' or '#' are comments, and lines that are neither headings nor keys
// are kept as they are.
//
// Values are stored on one line. One pair of surrounding double or single quotes is taken off
// when reading, and blanks (spaces and tabs) around a value are not part of it, so a value
// with surrounding blanks, or one that starts and ends with the same quote, is written inside
// double quotes; every value without a line break then reads back exactly as it was written.
// A value with a line break cannot be held on one line and is refused. Characters outside
// Windows-1252 are stored as '?', as in every file of the program.
//
// QSettings is not used: it escapes and types values, splits values with commas into lists
// and rewrites the whole file in its own layout, while a write here changes one line and
// leaves every other byte of a hand-edited file as it was.
class IniDocument {
public:
    explicit IniDocument(QString path);

    const QString& path() const { return m_path; }

    // Reads the file; a missing file is an empty document. A failure leaves the document
    // empty, so that a caller cannot save it over a file it could not read.
    FileResult load();

    // The whole value, or empty text when the section or the key is missing.
    QString value(QStringView section, QStringView key) const;

    // Replaces the value of the first matching key in place, keeping the line's key spelling,
    // spacing and line end. A new key goes after the last key of its section, a new section
    // at the end of the file; both are written with CR LF.
    FileResult setValue(QStringView section, QStringView key, QStringView value);

    // Replaces the file only once the new content is complete on disk.
    FileResult save() const;

private:
    enum class LineEnd : quint8 { None, CrLf, Lf, Cr };
    struct Line {
        QString text;
        LineEnd end;
    };
    // The lines from one heading to the next, heading included. The first section holds the
    // lines before the first heading and has no name.
    struct Section {
        QList<Line> lines;
    };

    void clear();
    void parse(QStringView text);
    void addLine(QString text, LineEnd end);
    void appendSection(QStringView section, QString keyLine);
    QString toText() const;
    static QStringView lineEndText(LineEnd end);

    QString m_path;
    QList<Section> m_sections;
    // Case-folded section name to the index of its first section in m_sections.
    QHash<QString, qsizetype> m_firstSection;
};

// A read gives at most this many characters, as the program's settings always have.
inline constexpr qsizetype IniReadLimit = 254;

// The value of the key, cut to IniReadLimit characters. A missing or unreadable file, section
// or key reads as empty text.
QString ReadINI(QStringView section, QStringView key, const QString& fileName);

// Sets one value, creating the file, the section and the key as needed. A file that exists but
// cannot be read is not overwritten: the write fails instead.
FileResult WriteINI(QStringView section, QStringView key, QStringView value,
                    const QString& fileName);
