#include "storage/inifile.h"
#include "tests/support/faultfs.h"
#include "tests/support/files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

// Identifies the file on disk: a rewrite puts a new file in place of the old one.
ino_t fileId(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

// True when the file can still be opened after its permissions were taken away, as for root.
bool permissionsAreIgnored(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void readsValuesAsThePlatformDoes_data();
    void readsValuesAsThePlatformDoes();
    void readsMissingFileAsEmpty();
    void cutsLongValuesOnReadOnly();
    void generatedValuesReadBackUnchanged();
    void writeChangesOnlyItsLineInHandEditedFile_data();
    void writeChangesOnlyItsLineInHandEditedFile();
    void writePlacesNewKeysAndSections_data();
    void writePlacesNewKeysAndSections();
    void writingWhatTheFileHoldsLeavesItAlone_data();
    void writingWhatTheFileHoldsLeavesItAlone();
    void severalValuesGoInOneRewrite();
    void unicodeFilesAreReadAndWrittenInTheirEncoding_data();
    void unicodeFilesAreReadAndWrittenInTheirEncoding();
    void refusesWhatCannotBeReadBack_data();
    void refusesWhatCannotBeReadBack();
    void folderInPlaceOfFileFailsNamingIt();
    void missingFolderFailsNamingFile();
    void unreadableFileReadsEmptyAndIsNotOverwritten();
    void readOnlyFolderFailsNamingFile();
    void handlesAHundredThousandSections();
};

void TestIniFile::readsValuesAsThePlatformDoes_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString cb = QStringLiteral("Checkboxes");
    const QString key = QStringLiteral("ChkMin");
    QTest::newRow("leading zero kept")
        << QByteArray("[Checkboxes]\r\nChkMin=01\r\n") << cb << key << QStringLiteral("01");
    QTest::newRow("names ignore case")
        << QByteArray("[CHECKBOXES]\r\nchkmin=1\r\n") << cb << key << QStringLiteral("1");
    QTest::newRow("non-ASCII names ignore case")
        << QByteArray("[CAF\xc9]\r\n\xc9T\xc9=x\r\n") << QStringLiteral("café")
        << QStringLiteral("été") << QStringLiteral("x");
    QTest::newRow("blanks around name and value")
        << QByteArray("  [ Checkboxes ]  \n \t ChkMin \t=  1 0 \t\n") << cb << key
        << QStringLiteral("1 0");
    QTest::newRow("double quotes taken off")
        << QByteArray("[Checkboxes]\r\nChkMin=\" a \"\r\n") << cb << key << QStringLiteral(" a ");
    QTest::newRow("single quotes taken off")
        << QByteArray("[Checkboxes]\r\nChkMin='a'\r\n") << cb << key << QStringLiteral("a");
    QTest::newRow("one pair of quotes only") << QByteArray("[Checkboxes]\r\nChkMin=\"\"a\"\"\r\n")
                                             << cb << key << QStringLiteral("\"a\"");
    QTest::newRow("unmatched quotes kept")
        << QByteArray("[Checkboxes]\r\nChkMin=\"a'\r\n") << cb << key << QStringLiteral("\"a'");
    QTest::newRow("lone quote kept")
        << QByteArray("[Checkboxes]\r\nChkMin=\"\r\n") << cb << key << QStringLiteral("\"");
    QTest::newRow("equals sign in value")
        << QByteArray("[Checkboxes]\r\nChkMin=a=b\r\n") << cb << key << QStringLiteral("a=b");
    QTest::newRow("first key wins") << QByteArray("[Checkboxes]\r\nChkMin=1\r\nChkMin=2\r\n") << cb
                                    << key << QStringLiteral("1");
    QTest::newRow("first section wins")
        << QByteArray("[Checkboxes]\r\nOther=1\r\n[Checkboxes]\r\nChkMin=2\r\n") << cb << key
        << QString();
    QTest::newRow("commented key not read")
        << QByteArray("[Checkboxes]\r\n;ChkMin=1\r\n#ChkMin=2\r\n") << cb << key << QString();
    QTest::newRow("key before any section not read")
        << QByteArray("ChkMin=1\r\n[Checkboxes]\r\n") << cb << key << QString();
    QTest::newRow("key of another section not read")
        << QByteArray("[Textboxes]\r\nChkMin=1\r\n") << cb << key << QString();
    QTest::newRow("missing section")
        << QByteArray("[Other]\r\nChkMin=1\r\n") << cb << key << QString();
    QTest::newRow("empty file") << QByteArray() << cb << key << QString();
    QTest::newRow("CR line ends") << QByteArray("[Checkboxes]\rA=0\rChkMin=1\r") << cb << key
                                  << QStringLiteral("1");
    QTest::newRow("no final line end")
        << QByteArray("[Checkboxes]\nChkMin=1") << cb << key << QStringLiteral("1");
    QTest::newRow("Windows-1252 value") << QByteArray("[Checkboxes]\r\nChkMin=\x80 caf\xe9\r\n")
                                        << cb << key << QStringLiteral("€ café");
}

void TestIniFile::readsValuesAsThePlatformDoes() {
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    QVERIFY(writeBytes(path, content));
    QCOMPARE(ReadINI(section, key, path), expected);
}

void TestIniFile::readsMissingFileAsEmpty() {
    QTemporaryDir dir;
    QCOMPARE(ReadINI(u"Checkboxes", u"ChkMin", dir.filePath(QStringLiteral("Settings.ini"))),
             QString());
}

void TestIniFile::cutsLongValuesOnReadOnly() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    QString name;
    for (int i = 0; i < 300; ++i)
        name += QChar(u'a' + i % 26);

    QVERIFY(WriteINI(u"ComboBox", u"CboProject", name, path).ok());
    QCOMPARE(ReadINI(u"ComboBox", u"CboProject", path), name.left(254));
    IniDocument document(path);
    QVERIFY(document.load().ok());
    QCOMPARE(document.value(u"ComboBox", u"CboProject"), name);
}

void TestIniFile::generatedValuesReadBackUnchanged() {
    const QString alphabet = QStringLiteral(" \t\"'=;#[]\\,%aZ09€ƒ‰Šœÿéß…\x01\x7f\x81\xa0");
    QRandomGenerator random(20240611);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    QHash<QString, QString> written;

    for (int round = 0; round < 300; ++round) {
        QString value;
        const int length = random.bounded(12);
        for (int i = 0; i < length; ++i)
            value += alphabet[random.bounded(int(alphabet.size()))];
        const QString key = QStringLiteral("Key%1").arg(random.bounded(8));
        written.insert(key, value);

        QVERIFY(WriteINI(u"Values", key, value, path).ok());
        QCOMPARE(ReadINI(u"Values", key, path), value);
    }
    IniDocument document(path);
    QVERIFY(document.load().ok());
    for (auto it = written.cbegin(); it != written.cend(); ++it)
        QCOMPARE(document.value(u"values", it.key()), it.value());
}

void TestIniFile::writeChangesOnlyItsLineInHandEditedFile_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("existing key, other case")
        << QStringLiteral("Checkboxes") << QStringLiteral("ChkAskMe") << QStringLiteral("1")
        << QByteArray("chkaskme   =   0\n") << QByteArray("chkaskme   =   1\n");
    QTest::newRow("quoted value replaced")
        << QStringLiteral("colors") << QStringLiteral("MODE") << QStringLiteral(" light ")
        << QByteArray("Mode\t= \"dark\"\n") << QByteArray("Mode\t= \" light \"\n");
    QTest::newRow("new key after last key of section")
        << QStringLiteral("Textboxes") << QStringLiteral("Extra") << QStringLiteral("x")
        << QByteArray("TxtAsk=30\n") << QByteArray("TxtAsk=30\nExtra=x\r\n");
    QTest::newRow("new section at end")
        << QStringLiteral("ComboBox") << QStringLiteral("CboProject") << QStringLiteral("Alpha")
        << QByteArray("NoEqualsLine\n")
        << QByteArray("NoEqualsLine\n[ComboBox]\r\nCboProject=Alpha\r\n");
}

void TestIniFile::writeChangesOnlyItsLineInHandEditedFile() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);

    const QByteArray original =
        readBytes(QStringLiteral(TALLYHAWK_TEST_DATA "/ini/handedited.ini"));
    QVERIFY(original.contains(before));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    QVERIFY(writeBytes(path, original));

    QVERIFY(WriteINI(section, key, value, path).ok());
    QCOMPARE(readBytes(path), QByteArray(original).replace(before, after));
    QCOMPARE(ReadINI(section, key, path), value);
}

void TestIniFile::writePlacesNewKeysAndSections_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("no file") << QByteArray() << QStringLiteral("A") << QByteArray("[A]\r\nk=v\r\n");
    QTest::newRow("section without keys")
        << QByteArray("[A]\r\n; note\r\n\r\n[B]\r\n") << QStringLiteral("a")
        << QByteArray("[A]\r\nk=v\r\n; note\r\n\r\n[B]\r\n");
    QTest::newRow("last line without line end, same section")
        << QByteArray("[A]\r\nx=1") << QStringLiteral("A") << QByteArray("[A]\r\nx=1\r\nk=v\r\n");
    QTest::newRow("last line without line end, new section")
        << QByteArray("[A]\r\nx=1") << QStringLiteral("B")
        << QByteArray("[A]\r\nx=1\r\n[B]\r\nk=v\r\n");
    QTest::newRow("first of two equal sections")
        << QByteArray("[A]\nx=1\n[a]\nk=old\n") << QStringLiteral("A")
        << QByteArray("[A]\nx=1\nk=v\r\n[a]\nk=old\n");
    QTest::newRow("CR-only file keeps its line ends")
        << QByteArray("[A]\rk=old\r[B]\r") << QStringLiteral("A") << QByteArray("[A]\rk=v\r[B]\r");
    QTest::newRow("empty value replaced")
        << QByteArray("[A]\r\nk=   \r\n") << QStringLiteral("A") << QByteArray("[A]\r\nk=v\r\n");
}

void TestIniFile::writePlacesNewKeysAndSections() {
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QByteArray, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    if (!content.isEmpty())
        QVERIFY(writeBytes(path, content));
    QVERIFY(WriteINI(section, u"k", u"v", path).ok());
    QCOMPARE(readBytes(path), expected);
}

void TestIniFile::writingWhatTheFileHoldsLeavesItAlone_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("value");

    QTest::newRow("same value") << QByteArray("[A]\r\nk = True\r\n") << QStringLiteral("True");
    QTest::newRow("quoted in the file") << QByteArray("[a]\nK=\"True\"") << QStringLiteral("True");
    QTest::newRow("blanks kept by quotes")
        << QByteArray("[A]\r\nk=\" x \"\r\n") << QStringLiteral(" x ");
    QTest::newRow("empty value after blanks") << QByteArray("[A]\r\nk = \r\n") << QString();
    // Found by fuzzing: an empty value written to "k = a" leaves "k = ", and writing it once
    // more used to give "k =".
    QTest::newRow("empty value written twice")
        << QByteArray("Extra\\|Key\r\n[A]\nk = a\nNoEquaLine\n") << QString();
}

void TestIniFile::writingWhatTheFileHoldsLeavesItAlone() {
    QFETCH(QByteArray, content);
    QFETCH(QString, value);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    QVERIFY(writeBytes(path, content));
    QVERIFY(WriteINI(u"A", u"k", value, path).ok());
    const QByteArray held = readBytes(path);
    QCOMPARE(ReadINI(u"A", u"k", path), value);
    const ino_t id = fileId(path);

    QVERIFY(WriteINI(u"A", u"k", value, path).ok());
    QCOMPARE(readBytes(path), held);
    QCOMPARE(fileId(path), id);
    // A read-only file that holds the value is no failure.
    {
        faultfs::ReadOnlyFolder readOnly(dir.path());
        QVERIFY2(readOnly.unavailableReason().isEmpty(), qPrintable(readOnly.unavailableReason()));
        QVERIFY(WriteINI(u"A", u"k", value, path).ok());
        QVERIFY(!WriteINI(u"A", u"k", u"other", path).ok());
    }
    QCOMPARE(readBytes(path), held);
}

void TestIniFile::severalValuesGoInOneRewrite() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    QVERIFY(writeBytes(path, "[ColorScheme]\r\nRed=True\r\n"));
    const QList<IniValue> flags{{u"Black"_qs, u"True"_qs}, {u"Red"_qs, u"False"_qs}};
    QVERIFY(WriteINI(u"ColorScheme", flags, path).ok());
    QCOMPARE(readBytes(path), "[ColorScheme]\r\nRed=False\r\nBlack=True\r\n");

    // One value that cannot be stored and none is written.
    const QList<IniValue> broken{{u"Black"_qs, u"False"_qs}, {u"Red"_qs, u"a\nb"_qs}};
    QVERIFY(!WriteINI(u"ColorScheme", broken, path).ok());
    QCOMPARE(readBytes(path), "[ColorScheme]\r\nRed=False\r\nBlack=True\r\n");
}

void TestIniFile::unicodeFilesAreReadAndWrittenInTheirEncoding_data() {
    QTest::addColumn<int>("encoding");
    QTest::newRow("UTF-16LE") << int(ansi::Encoding::Utf16LE);
    QTest::newRow("UTF-16BE") << int(ansi::Encoding::Utf16BE);
    QTest::newRow("UTF-8") << int(ansi::Encoding::Utf8);
}

void TestIniFile::unicodeFilesAreReadAndWrittenInTheirEncoding() {
    QFETCH(int, encoding);
    const auto inFile = [encoding](const QString& text) {
        return ansi::encodeFile(text, ansi::Encoding(encoding));
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    const QString name = QStringLiteral("Caf\u00e9 \u65e5\u672c");
    QVERIFY(writeBytes(path, inFile(u"[Textboxes]\r\nTxtAsk=30\r\n[ComboBox]\r\nCboProject="_qs +
                                    name + u"\r\n"_qs)));

    QCOMPARE(ReadINI(u"Textboxes", u"TxtAsk", path), QStringLiteral("30"));
    QCOMPARE(ReadINI(u"ComboBox", u"CboProject", path), name);

    QVERIFY(WriteINI(u"Textboxes", u"TxtAsk", u"45", path).ok());
    QVERIFY(WriteINI(u"ComboBox", u"CboProject", u"\u0391lpha", path).ok());
    QVERIFY(WriteINI(u"Checkboxes", u"ChkMin", u"1", path).ok());
    QCOMPARE(readBytes(path), inFile(u"[Textboxes]\r\nTxtAsk=45\r\n[ComboBox]\r\n"
                                     u"CboProject=\u0391lpha\r\n[Checkboxes]\r\nChkMin=1\r\n"_qs));
    QCOMPARE(ReadINI(u"ComboBox", u"CboProject", path), QStringLiteral("\u0391lpha"));

    // A file that holds nothing but the byte-order mark.
    QVERIFY(writeBytes(path, inFile(QString())));
    QVERIFY(WriteINI(u"A", u"k", u"v", path).ok());
    QCOMPARE(readBytes(path), inFile(u"[A]\r\nk=v\r\n"_qs));
}

void TestIniFile::refusesWhatCannotBeReadBack_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    const QString s = QStringLiteral("S");
    const QString k = QStringLiteral("K");
    QTest::newRow("LF in value") << s << k << QStringLiteral("a\nb");
    QTest::newRow("CR in value") << s << k << QStringLiteral("a\rb");
    QTest::newRow("CR LF ending value") << s << k << QStringLiteral("a\r\n");
    QTest::newRow("bracket in section") << QStringLiteral("a]b") << k << QString();
    QTest::newRow("blank around section") << QStringLiteral(" S") << k << QString();
    QTest::newRow("equals in key") << s << QStringLiteral("a=b") << QString();
    QTest::newRow("empty key") << s << QString() << QString();
    QTest::newRow("comment key") << s << QStringLiteral(";K") << QString();
    QTest::newRow("blank around key") << s << QStringLiteral("K ") << QString();
}

void TestIniFile::refusesWhatCannotBeReadBack() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    const QByteArray content("[S]\r\nK=old\r\n");
    QVERIFY(writeBytes(path, content));

    const FileResult result = WriteINI(section, key, value, path);
    QVERIFY(!result.ok());
    QCOMPARE(result.path(), path);
    QCOMPARE(readBytes(path), content);
}

void TestIniFile::folderInPlaceOfFileFailsNamingIt() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Settings.ini")));

    QCOMPARE(ReadINI(u"A", u"k", path), QString());
    const FileResult result = WriteINI(u"A", u"k", u"v", path);
    QVERIFY(!result.ok());
    QVERIFY(result.message().contains(path));
    QVERIFY(QFileInfo(path).isDir());
}

void TestIniFile::missingFolderFailsNamingFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gone/Settings.ini"));

    const FileResult result = WriteINI(u"A", u"k", u"v", path);
    QVERIFY(!result.ok());
    QCOMPARE(result.path(), path);
    QVERIFY(!QFileInfo::exists(path));
}

void TestIniFile::unreadableFileReadsEmptyAndIsNotOverwritten() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    QVERIFY(writeBytes(path, "[A]\r\nk=secret\r\nother=1\r\n"));
    faultfs::ObeyPermissions obey;
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    if (permissionsAreIgnored(path))
        QSKIP("File permissions do not apply to this user.");

    QCOMPARE(ReadINI(u"A", u"k", path), QString());
    const FileResult result = WriteINI(u"A", u"k", u"v", path);
    QVERIFY(!result.ok());
    QCOMPARE(result.path(), path);
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(ReadINI(u"A", u"other", path), QStringLiteral("1"));
}

void TestIniFile::readOnlyFolderFailsNamingFile() {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("locked")));
    const QString path = folder + QStringLiteral("/Settings.ini");
    QVERIFY(writeBytes(path, "[A]\r\nk=old\r\n"));
    faultfs::ObeyPermissions obey;
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool ignored = QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly);
    if (ignored)
        QSKIP("Folder permissions do not apply to this user.");

    const FileResult result = WriteINI(u"A", u"k", u"new", path);
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner));
    QVERIFY(!result.ok());
    QCOMPARE(result.path(), path);
    QCOMPARE(ReadINI(u"A", u"k", path), QStringLiteral("old"));
}

void TestIniFile::handlesAHundredThousandSections() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Settings.ini"));
    QByteArray content;
    for (int i = 0; i < 100000; ++i)
        content +=
            "[Section" + QByteArray::number(i) + "]\r\nKey=" + QByteArray::number(i) + "\r\n";
    QVERIFY(writeBytes(path, content));

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(ReadINI(u"SECTION99999", u"key", path), QStringLiteral("99999"));
    const qint64 readMs = timer.restart();
    QVERIFY(WriteINI(u"Section50000", u"Key", u"changed", path).ok());
    QVERIFY(WriteINI(u"New", u"Key", u"added", path).ok());
    const qint64 writeMs = timer.elapsed() / 2;
    qInfo("100,000 sections: one read %lld ms, one write %lld ms", readMs, writeMs);

    QCOMPARE(ReadINI(u"Section50000", u"Key", path), QStringLiteral("changed"));
    QCOMPARE(ReadINI(u"Section50001", u"Key", path), QStringLiteral("50001"));
    QCOMPARE(ReadINI(u"New", u"Key", path), QStringLiteral("added"));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
