#include "core/archive/PasswordArchive.h"
#include "core/errors/CorvaneError.h"
#include "ExternalTool.h"
#include "helpers/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString password = QStringLiteral("pw-票据-9");
const QString asciiPassword = QStringLiteral("secret");

QByteArray noise(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(42);
    for (char &c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

QStringList folderListing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Entries as Python's zipfile sees them: name (GBK unless flagged UTF-8) -> content as hex,
// plus per entry its flag bits and compression.
const char *pythonReader = R"(
import json, sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
out = {}
for i in z.infolist():
    name = i.filename if i.flag_bits & 0x800 else i.filename.encode('cp437').decode('gbk')
    data = z.read(i, pwd=sys.argv[2].encode('gbk'))
    out[name] = {'data': data.hex(), 'flags': i.flag_bits, 'method': i.compress_type}
print(json.dumps(out))
)";

// A wrong password that passes the check byte of the first entry, found by Python's zipfile.
const char *pythonCheckBytePasser = R"(
import sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
first = z.infolist()[0]
for i in range(100000):
    try:
        z.open(first, pwd=b'wrong%d' % i).close()
        print('wrong%d' % i)
        break
    except RuntimeError:
        pass
)";

// An archive of one deflated entry whose headers state 3 bytes for its 24.
const char *pythonSizeLiar = R"(
import struct, sys, zipfile
path = sys.argv[1]
with zipfile.ZipFile(path, 'w', zipfile.ZIP_DEFLATED) as z:
    z.writestr('a.txt', 'hello hello hello hello\n')
data = bytearray(open(path, 'rb').read())
struct.pack_into('<I', data, 22, 3)
central = data.find(b'PK\x01\x02')
struct.pack_into('<I', data, central + 24, 3)
open(path, 'wb').write(bytes(data))
)";

// Writes a fixture archive with Python: argv = path, then name/content pairs. Names starting
// with "gbk:" are stored as GBK bytes without the UTF-8 flag, the others as Python does.
const char *pythonWriter = R"(
import sys, zipfile
class GbkInfo(zipfile.ZipInfo):
    def _encodeFilenameFlags(self):
        return self.filename.encode('gbk'), self.flag_bits
z = zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED)
args = sys.argv[2:]
for name, content in zip(args[0::2], args[1::2]):
    info = GbkInfo(name[4:]) if name.startswith('gbk:') else zipfile.ZipInfo(name)
    info.compress_type = zipfile.ZIP_DEFLATED
    z.writestr(info, content)
z.close()
)";
}

class TestPasswordArchive : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString path(const QString &relative) const { return m_root.filePath(relative); }

    // Two files whose names test the GBK path, one of them incompressible and large.
    QStringList makeSources()
    {
        QDir(m_root.path()).mkpath(QStringLiteral("src"));
        const QStringList files{path(QStringLiteral("src/a.txt")), path(QStringLiteral("src/票据模板.xml")),
                                path(QStringLiteral("src/一.bin"))};
        writeFile(files[0], "hello hello hello hello\n");
        writeFile(files[1], QStringLiteral("<模板 名称=\"支票\"/>").toUtf8());
        writeFile(files[2], noise(40000));
        return files;
    }

private Q_SLOTS:
    void init() { QVERIFY(m_root.isValid()); }
    void cleanup()
    {
        QDir(m_root.path()).removeRecursively();
        QDir().mkpath(m_root.path());
    }

    void writtenArchiveOpensWithPythonAndUnzip()
    {
        const QStringList files = makeSources();
        const QString archive = path(QStringLiteral("p.pnt"));
        const ArchiveResult result = ZipFileLists(files, archive, password);
        QVERIFY2(result.ok, qPrintable(result.reason));
        QCOMPARE(result.names, (QStringList{QStringLiteral("a.txt"), QStringLiteral("票据模板.xml"), QStringLiteral("一.bin")}));

        const ToolRun python = runPython(QString::fromLatin1(pythonReader), {archive, password});
        QVERIFY2(python.exitCode == 0, python.errors.constData());
        const QJsonObject entries = QJsonDocument::fromJson(python.output).object();
        QCOMPARE(entries.size(), 3);
        for (const QString &file : files) {
            const QJsonObject entry = entries.value(QFileInfo(file).fileName()).toObject();
            QCOMPARE(entry.value(QStringLiteral("data")).toString().toLatin1(), readFile(file).toHex());
            const int flags = entry.value(QStringLiteral("flags")).toInt();
            QVERIFY(flags & 0x1);     // encrypted
            QVERIFY(!(flags & 0x800)); // GBK name, no UTF-8 flag
            QCOMPARE(entry.value(QStringLiteral("method")).toInt(), 8); // deflate
        }

        QDir(m_root.path()).mkpath(QStringLiteral("ascii"));
        const QString asciiArchive = path(QStringLiteral("ascii.zip"));
        QVERIFY(ZipFileLists({files[0]}, asciiArchive, asciiPassword).ok);
        const ToolRun test = runTool(QStringLiteral("unzip"), {QStringLiteral("-t"), QStringLiteral("-P"), asciiPassword, asciiArchive});
        QVERIFY2(test.exitCode == 0, test.output.constData());
        const ToolRun print = runTool(QStringLiteral("unzip"), {QStringLiteral("-p"), QStringLiteral("-P"), asciiPassword, asciiArchive, QStringLiteral("a.txt")});
        QCOMPARE(print.output, readFile(files[0]));
        const ToolRun wrong = runTool(QStringLiteral("unzip"), {QStringLiteral("-t"), QStringLiteral("-P"), QStringLiteral("nope"), asciiArchive});
        QVERIFY(wrong.exitCode != 0);
    }

    void infoZipArchiveOpensWithOurs()
    {
        QDir(m_root.path()).mkpath(QStringLiteral("src"));
        writeFile(path(QStringLiteral("src/a.txt")), "hello hello hello hello\n");
        writeFile(path(QStringLiteral("src/big.bin")), noise(40000));
        const QString archive = path(QStringLiteral("info.zip"));
        const ToolRun zip = runTool(QStringLiteral("zip"), {QStringLiteral("-q"), QStringLiteral("-j"), QStringLiteral("-9"), QStringLiteral("-P"), asciiPassword,
                                                            archive, path(QStringLiteral("src/a.txt")), path(QStringLiteral("src/big.bin"))});
        QVERIFY2(zip.exitCode == 0, zip.errors.constData());
        const QString out = path(QStringLiteral("out"));
        QString names;
        const ArchiveResult result = UnZipFiles2(archive, out, asciiPassword, names);
        QVERIFY2(result.ok, qPrintable(result.reason));
        QCOMPARE(names, QStringLiteral("a.txt;big.bin"));
        QCOMPARE(folderListing(out), folderListing(path(QStringLiteral("src"))));
        for (const QString &name : folderListing(out))
            QCOMPARE(readFile(out + QLatin1Char('/') + name), readFile(path(QStringLiteral("src/")) + name));
        QVERIFY(!UnZipFiles(archive, path(QStringLiteral("other")), QStringLiteral("wrong")).ok);
    }

    void roundTripKeepsNamesAndUpdates()
    {
        const QStringList files = makeSources();
        const QString archive = path(QStringLiteral("src/pack.zip")); // inside the folder it packs
        QVERIFY(ZipFiles(path(QStringLiteral("src/*.xml")), archive, password).ok);
        const ArchiveResult update = ZipFiles(path(QStringLiteral("src/*.*")), archive, password);
        QVERIFY2(update.ok, qPrintable(update.reason));
        QVERIFY(!update.names.contains(QStringLiteral("pack.zip")));

        const QString out = path(QStringLiteral("out"));
        const ArchiveResult result = UnZipFiles(archive, out, password);
        QVERIFY2(result.ok, qPrintable(result.reason));
        QStringList expected;
        for (const QString &file : files)
            expected.append(QFileInfo(file).fileName());
        expected.sort();
        QStringList extracted = folderListing(out);
        extracted.sort();
        QCOMPARE(extracted, expected);
        for (const QString &file : files)
            QCOMPARE(readFile(out + QLatin1Char('/') + QFileInfo(file).fileName()), readFile(file));

        const ArchiveResult first = UnZipFirstFiles(archive, path(QStringLiteral("first")), password);
        QVERIFY(first.ok);
        QCOMPARE(first.names.size(), 1);
        QCOMPARE(folderListing(path(QStringLiteral("first"))), first.names);
    }

    void entryNamesDecodeByFlag()
    {
        const QString archive = path(QStringLiteral("names.zip"));
        const ToolRun python = runPython(QString::fromLatin1(pythonWriter),
                                         {archive, QStringLiteral("票据.txt"), QStringLiteral("utf8"),
                                          QStringLiteral("gbk:模板.xml"), QStringLiteral("gbk"),
                                          QStringLiteral("gbk:一.txt"), QStringLiteral("gbk looking like utf8")});
        QVERIFY2(python.exitCode == 0, python.errors.constData());
        const ArchiveResult result = UnZipFiles(archive, path(QStringLiteral("out")), QString());
        QVERIFY2(result.ok, qPrintable(result.reason));
        QCOMPARE(result.names, (QStringList{QStringLiteral("票据.txt"), QStringLiteral("模板.xml"), QStringLiteral("一.txt")}));
        QCOMPARE(readFile(path(QStringLiteral("out/一.txt"))), QByteArray("gbk looking like utf8"));

        // Updating keeps the names already there as they were and adds GBK names.
        writeFile(path(QStringLiteral("一号.txt")), "new");
        writeFile(path(QStringLiteral("模板.xml")), "replaced");
        QVERIFY(ZipFileLists({path(QStringLiteral("一号.txt")), path(QStringLiteral("模板.xml"))}, archive, password).ok);
        const ToolRun reader = runPython(QString::fromLatin1(pythonReader), {archive, password});
        QVERIFY2(reader.exitCode == 0, reader.errors.constData());
        const QJsonObject entries = QJsonDocument::fromJson(reader.output).object();
        QCOMPARE(entries.keys(), (QStringList{QStringLiteral("一.txt"), QStringLiteral("一号.txt"), QStringLiteral("模板.xml"), QStringLiteral("票据.txt")}));
        QCOMPARE(entries.value(QStringLiteral("模板.xml")).toObject().value(QStringLiteral("data")).toString(), QString::fromLatin1(QByteArray("replaced").toHex()));
        QCOMPARE(entries.value(QStringLiteral("票据.txt")).toObject().value(QStringLiteral("flags")).toInt() & 0x800, 0x800);
        QCOMPARE(entries.value(QStringLiteral("一号.txt")).toObject().value(QStringLiteral("flags")).toInt() & 0x800, 0);
    }

    void traversalStaysInside()
    {
        const QString archive = path(QStringLiteral("evil.zip"));
        const ToolRun python = runPython(QString::fromLatin1(pythonWriter),
                                         {archive, QStringLiteral("../up.txt"), QStringLiteral("1"),
                                          QStringLiteral("/etc-abs.txt"), QStringLiteral("2"),
                                          QStringLiteral("..\\back.txt"), QStringLiteral("3"),
                                          QStringLiteral("a/b/../../../deep.txt"), QStringLiteral("4"),
                                          QStringLiteral("sub/"), QString(), QStringLiteral(".."), QStringLiteral("5")});
        QVERIFY2(python.exitCode == 0, python.errors.constData());
        QDir(m_root.path()).mkpath(QStringLiteral("box/out"));
        const ArchiveResult result = UnZipFiles(archive, path(QStringLiteral("box/out")), password);
        QVERIFY2(result.ok, qPrintable(result.reason));
        QCOMPARE(folderListing(path(QStringLiteral("box/out"))),
                 (QStringList{QStringLiteral("back.txt"), QStringLiteral("deep.txt"), QStringLiteral("etc-abs.txt"), QStringLiteral("up.txt")}));
        QCOMPARE(folderListing(path(QStringLiteral("box"))), QStringList{QStringLiteral("out")});
        QCOMPARE(readFile(path(QStringLiteral("box/out/back.txt"))), QByteArray("3"));
    }

    void wrongPasswordLeavesFilesIdentical()
    {
        const QStringList files = makeSources();
        const QString archive = path(QStringLiteral("p.zip"));
        QVERIFY(ZipFileLists(files, archive, password).ok);
        const QString out = path(QStringLiteral("out"));
        QDir().mkpath(out);
        writeFile(out + QStringLiteral("/a.txt"), "existing a");
        writeFile(out + QStringLiteral("/一.bin"), "existing bin");
        const QStringList before = folderListing(out);
        for (int i = 0; i < 20; ++i)
            QVERIFY(!UnZipFiles(archive, out, QStringLiteral("wrong%1").arg(i)).ok);
        // Traditional encryption lets about one wrong password in 256 past its check byte;
        // such a password must be caught by the data check.
        const ToolRun python = runPython(QString::fromLatin1(pythonCheckBytePasser), {archive});
        QVERIFY2(python.exitCode == 0, python.errors.constData());
        const ArchiveResult passer = UnZipFiles(archive, out, QString::fromUtf8(python.output.trimmed()));
        QVERIFY(!passer.ok);
        QVERIFY2(passer.reason.contains(QStringLiteral("校验")), qPrintable(passer.reason));
        QCOMPARE(folderListing(out), before);
        QCOMPARE(readFile(out + QStringLiteral("/a.txt")), QByteArray("existing a"));
        QCOMPARE(readFile(out + QStringLiteral("/一.bin")), QByteArray("existing bin"));

        try {
            UnZipFiles(archive, out, QStringLiteral("wrong")).requireSuccess();
            QFAIL("no error raised");
        } catch (const CorvaneError &e) {
            QVERIFY(e.message().startsWith(QStringLiteral("压缩文件异常！")));
        }
    }

    // An entry whose data is longer than its stated size (what a wrong password past the
    // check byte mostly gives) fails the data check, and nothing is written.
    void lengthMismatchFailsTheDataCheck()
    {
        const QString archive = path(QStringLiteral("size.zip"));
        const ToolRun python = runPython(QString::fromLatin1(pythonSizeLiar), {archive});
        QVERIFY2(python.exitCode == 0, python.errors.constData());
        const QString out = path(QStringLiteral("out"));
        const ArchiveResult result = UnZipFiles(archive, out, QString());
        QVERIFY(!result.ok);
        QVERIFY2(result.reason.contains(QStringLiteral("数据校验失败")), qPrintable(result.reason));
        QCOMPARE(folderListing(out), QStringList());
    }

    void damagedArchiveLeavesNoPartialFile_data()
    {
        QTest::addColumn<bool>("truncate");
        QTest::newRow("flipped byte") << false;
        QTest::newRow("truncated") << true;
    }
    void damagedArchiveLeavesNoPartialFile()
    {
        QFETCH(bool, truncate);
        const QStringList files = makeSources();
        const QString archive = path(QStringLiteral("p.zip"));
        QVERIFY(ZipFileLists(files, archive, password).ok);
        QByteArray bytes = readFile(archive);
        const qsizetype bin = bytes.indexOf("\xd2\xbb.bin"); // GBK name of the incompressible entry
        QVERIFY(bin > 0); // stored last: damage its data
        if (truncate)
            bytes.truncate(bin + 20000);
        else
            bytes[bin + 20000] = char(bytes[bin + 20000] ^ 0x01);
        writeFile(archive, bytes);

        const QString out = path(QStringLiteral("out"));
        QDir().mkpath(out);
        writeFile(out + QStringLiteral("/a.txt"), "existing a");
        const ArchiveResult result = UnZipFiles(archive, out, password);
        QVERIFY(!result.ok);
        QCOMPARE(folderListing(out), QStringList{QStringLiteral("a.txt")});
        QCOMPARE(readFile(out + QStringLiteral("/a.txt")), QByteArray("existing a"));
    }

    void nothingToDoIsNoSuccess()
    {
        QDir().mkpath(path(QStringLiteral("empty")));
        const QString archive = path(QStringLiteral("none.zip"));
        const ArchiveResult none = ZipFiles(path(QStringLiteral("empty/*.*")), archive, password);
        QVERIFY(!none.ok);
        QVERIFY(!none.reason.isEmpty());
        QVERIFY(!QFile::exists(archive));
        QVERIFY(!ZipFileLists({path(QStringLiteral("missing.txt"))}, archive, password).ok);

        const QStringList files = makeSources();
        QDir().mkpath(path(QStringLiteral("other")));
        QFile::copy(files[0], path(QStringLiteral("other/a.txt")));
        QVERIFY(!ZipFileLists({files[0], path(QStringLiteral("other/a.txt"))}, archive, password).ok); // same stored name

        const ToolRun python = runPython(QString::fromLatin1(pythonWriter), {archive, QStringLiteral("only/"), QString()});
        QVERIFY(python.exitCode == 0);
        QVERIFY(!UnZipFiles(archive, path(QStringLiteral("out")), password).ok);

        writeFile(path(QStringLiteral("not.zip")), "plain text");
        QVERIFY(!UnZipFiles(path(QStringLiteral("not.zip")), path(QStringLiteral("out")), password).ok);
        QVERIFY(!ZipFileLists(files, path(QStringLiteral("not.zip")), password).ok);
        QCOMPARE(readFile(path(QStringLiteral("not.zip"))), QByteArray("plain text"));
    }
};

QTEST_MAIN(TestPasswordArchive)
#include "tst_passwordarchive.moc"
