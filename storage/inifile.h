#pragma once

#include "storage/ansitext.h"
#include "storage/fileresult.h"
#include "storage/textlines.h"

#include <QHash>
#include <QList>
#include <QString>

// Settings.ini: INI text, section headings in square brackets and lines of the form key=value.
// The program writes Windows-1252; a file saved as Unicode by another program (UTF-8 or
// UTF-16 with a byte-order mark) is read as such and written back in its own encoding. Section and
// key names match without regard to letter case; the first section and the first key of a name win,
// as with the platform's private-profile files. Lines starting with ';' or '#' are comments, and
// lines that are neither headings nor keys are kept as they are.
//
// Values are stored on one line. One pair of surrounding double or single quotes is taken off
// when reading, and blanks (spaces and tabs) around a value are not part of it, so a value
// with surrounding blanks, or one that starts and ends with the same quote, is written inside
// double quotes; every value without a line break then reads back exactly as it was written.
// A value with a line break cannot be held on one line and is refused, and so is a value with
// characters a Windows-1252 file cannot hold.
//
// A write of the value that the key already reads as changes nothing, not even the file's
// time: a read-only file that holds the settings needs no writing.
//
// QSettings is not used: it escapes and types values, splits values with commas into lists
// and rewrites the whole file in its own layout, while a write here changes one line and
// leaves every other byte of a hand-edited file as it was.
class IniDocument {
public:
    // newFile: how a file that does not exist yet is to be written.
    explicit IniDocument(QString path, ansi::Encoding newFile = ansi::Encoding::Windows1252);

    const QString& path() const { return m_path; }

    // Reads the file; a missing file is an empty document. A failure leaves the document
    // empty, so that a caller cannot save it over a file it could not read.
    FileResult load();

    // The whole value, or empty text when the section or the key is missing.
    QString value(QStringView section, QStringView key) const;

    // Replaces the value of the first matching key in place, keeping the line's key spelling,
    // spacing and line end. A new key goes after the last key of its section, a new section
    // at the end of the file; both are written with CR LF. A key that already reads as the
    // value is left alone.
    FileResult setValue(QStringView section, QStringView key, QStringView value);

    // Whether a setValue() has changed the document since it was loaded.
    bool isModified() const { return m_modified; }

    ansi::Encoding encoding() const { return m_encoding; }

    // Replaces the file only once the new content is complete on disk, in the encoding the
    // file was loaded with.
    FileResult save() const;

private:
    using LineEnd = textlines::LineEnd;
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

    QString m_path;
    ansi::Encoding m_newFile;
    ansi::Encoding m_encoding = ansi::Encoding::Windows1252;
    bool m_modified = false;
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
// cannot be read is not overwritten: the write fails instead. A file that already holds the
// value is not touched, and the write succeeds.
FileResult WriteINI(QStringView section, QStringView key, QStringView value,
                    const QString& fileName);

struct IniValue {
    QString key;
    QString value;
};

// Sets several values of one section in a single rewrite, in the order given: either the file
// holds all of them afterwards or it is left as it was.
FileResult WriteINI(QStringView section, const QList<IniValue>& values, const QString& fileName,
                    ansi::Encoding newFile = ansi::Encoding::Windows1252);
