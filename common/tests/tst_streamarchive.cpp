#include "core/archive/PasswordArchive.h"
#include "core/archive/StreamArchive.h"
#include "EndedProcess.h"
#include "ExternalTool.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <zlib.h>

namespace {
const QString password = QStringLiteral("vorp");

QByteArray noise(int size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (char &c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

// Rows of text as a database holds them, with noise between, over several pieces.
QByteArray databaseLike(int rows)
{
    QByteArray bytes;
    for (int i = 0; i < rows; ++i) {
        bytes += QStringLiteral("收款人名称 %1|金额 %2|用途 货款|").arg(i).arg(i * 7919 % 1000003).toUtf8();
        if (i % 5000 == 0)
            bytes += noise(3000, quint32(i));
    }
    return bytes;
}

StreamSource sourceOf(const QString &name, const QByteArray &bytes, QList<qint64> *offsets = nullptr)
{
    StreamSource source;
    source.entryName = name;
    source.size = bytes.size();
    source.read = [&bytes, offsets](qint64 offset, char *buffer, qint64 length) {
        if (offsets)
            offsets->append(offset);
        std::memcpy(buffer, bytes.constData() + offset, size_t(length));
        return QString();
    };
    return source;
}

QString sha(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// Name (GBK) -> SHA-256 of the content, as Python's zipfile reads it.
const char *pythonReader = R"(
import hashlib, json, sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
out = {}
for i in z.infolist():
    name = i.filename if i.flag_bits & 0x800 else i.filename.encode('cp437').decode('gbk')
    out[name] = hashlib.sha256(z.read(i, pwd=sys.argv[2].encode('gbk'))).hexdigest()
print(json.dumps(out))
)";

QStringList folderListing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}
} // namespace

class StreamArchiveTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readBackByEveryReader_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << "data.db" << QByteArray();
        QTest::newRow("smaller than a piece") << "data.db" << noise(1000, 7);
        QTest::newRow("text over several pieces") << "data.db" << databaseLike(60000);
        QTest::newRow("noise over pieces") << "data.db" << noise(int(2.5 * (1 << 20)), 9);
        QTest::newRow("name in GBK") << "数据.db" << QByteArray("中文内容").repeated(1000);
    }

    // unzip -P, Python's zipfile and our own extraction read the content back; a wrong
    // password is refused.
    void readBackByEveryReader()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QTemporaryDir root;
        const QString archive = root.filePath(QStringLiteral("out.bak"));
        QList<qint64> offsets;
        const ArchiveResult result = WriteStreamArchiveOver(sourceOf(name, content, &offsets), archive, password,
                                                            QStringLiteral("again"));
        QVERIFY2(result.ok, qPrintable(result.reason));
        QCOMPARE(result.names, QStringList{name});
        // The source is read once, in order.
        for (qsizetype i = 1; i < offsets.size(); ++i)
            QVERIFY(offsets[i] > offsets[i - 1]);
        QCOMPARE(folderListing(root.path()), QStringList{QStringLiteral("out.bak")});

        const ToolRun python = runPython(QString::fromUtf8(pythonReader), {archive, password});
        QVERIFY2(python.exitCode == 0, python.errors.constData());
        const QJsonObject entries = QJsonDocument::fromJson(python.output).object();
        QCOMPARE(entries.keys(), QStringList{name});
        QCOMPARE(entries.value(name).toString(), sha(content));

        const ToolRun unzip = runTool(QStringLiteral("unzip"), {QStringLiteral("-P"), password, QStringLiteral("-p"), archive});
        QCOMPARE(unzip.exitCode, 0);
        QCOMPARE(sha(unzip.output), sha(content));
        const ToolRun test = runTool(QStringLiteral("unzip"), {QStringLiteral("-t"), QStringLiteral("-P"), password, archive});
        QCOMPARE(test.exitCode, 0);
        QVERIFY(runTool(QStringLiteral("unzip"), {QStringLiteral("-P"), QStringLiteral("wrong"), QStringLiteral("-p"), archive}).exitCode != 0);

        const QString folder = root.filePath(QStringLiteral("out"));
        const ArchiveResult unpacked = UnZipFiles(archive, folder, password);
        QVERIFY2(unpacked.ok, qPrintable(unpacked.reason));
        QFile file(QDir(folder).filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(sha(file.readAll()), sha(content));
    }

    // The read-back check finds a changed byte anywhere in the archive.
    void changedByteFailsTheCheck_data()
    {
        QTest::addColumn<double>("where");
        QTest::newRow("encryption header") << 0.0;
        QTest::newRow("middle of the data") << 0.5;
        QTest::newRow("descriptor and directory") << 1.0;
    }

    void changedByteFailsTheCheck()
    {
        QFETCH(double, where);
        const QByteArray content = databaseLike(20000);
        QTemporaryDir root;
        const QString archive = root.filePath(QStringLiteral("out.bak"));
        QVERIFY(WriteStreamArchiveOver(sourceOf(QStringLiteral("data.db"), content), archive, password, {}).ok);
        QFile file(archive);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        const qsizetype header = 30 + 7;  // local header and name
        const qsizetype tail = 16 + 46 + 7 + 22;
        const qsizetype at = where == 0.0 ? header + 5 : where == 1.0 ? bytes.size() - tail + 6 : bytes.size() / 2;
        bytes[at] = char(bytes[at] ^ 0x10);
        QVERIFY(file.seek(0));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();
        uLong crc = crc32(0, reinterpret_cast<const Bytef *>(content.constData()), uInt(content.size()));
        QCOMPARE(CheckStreamArchive(archive, password, QStringLiteral("data.db"), quint32(crc), content.size()),
                 QStringLiteral("压缩文件写入后校验失败"));
        // The untouched archive passes.
        bytes[at] = char(bytes[at] ^ 0x10);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();
        QCOMPARE(CheckStreamArchive(archive, password, QStringLiteral("data.db"), quint32(crc), content.size()), QString());
    }

    // A staging file a killed backup left beside the archive goes with the next backup into
    // that folder; a running program's and the user's own hidden files stay.
    void nextBackupRemovesLeftStagingFiles()
    {
        QTemporaryDir root;
        const qint64 gone = EndedProcessId();
        const QString left = QStringLiteral(".db.bak.quillet-%1-abc123").arg(gone);
        const QStringList kept{QStringLiteral(".db.bak.quillet-1-abc123"), QStringLiteral(".db.bak.mine")};
        const QStringList written = kept + QStringList{left};
        for (const QString &name : written) {
            QFile file(root.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("PK partial") > 0);
        }
        const QByteArray content = databaseLike(2000);
        QVERIFY(WriteStreamArchiveOver(sourceOf(QStringLiteral("data.db"), content), root.filePath(QStringLiteral("db.bak")),
                                       password, {})
                    .ok);
        QStringList expected = kept + QStringList{QStringLiteral("db.bak")};
        expected.sort();
        QCOMPARE(folderListing(root.path()), expected);
    }

    // A source that fails half-way: its reason, the earlier archive untouched, nothing beside it.
    void failedReadKeepsTheEarlierArchive()
    {
        QTemporaryDir root;
        const QString archive = root.filePath(QStringLiteral("keep.bak"));
        QFile earlier(archive);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("an earlier archive");
        earlier.close();
        StreamSource source;
        source.entryName = QStringLiteral("data.db");
        source.size = 5 << 20;
        source.read = [](qint64 offset, char *buffer, qint64 length) {
            std::memset(buffer, 'x', size_t(length));
            return offset >= (3 << 20) ? QStringLiteral("读不到了") : QString();
        };
        const ArchiveResult result = WriteStreamArchiveOver(source, archive, password, {});
        QVERIFY(!result.ok);
        QCOMPARE(result.reason, QStringLiteral("读不到了"));
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("an earlier archive"));
        QCOMPARE(folderListing(root.path()), QStringList{QStringLiteral("keep.bak")});
    }
};

QTEST_GUILESS_MAIN(StreamArchiveTest)
#include "tst_streamarchive.moc"
