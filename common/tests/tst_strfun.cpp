#include "core/files/FileFilter.h"
#include "core/files/PathFun.h"
#include "core/text/HexText.h"
#include "core/text/ListSplit.h"
#include "core/text/StrFun.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestStrFun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splitAtSeparatorText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("one item") << "a" << ";" << QStringList{"a"};
        QTest::newRow("empty text") << "" << ";" << QStringList{};
        QTest::newRow("empty separator") << "a;b" << "" << QStringList{};
        QTest::newRow("trailing separator adds empty item") << "a;b;" << ";" << QStringList{"a", "b", ""};
        QTest::newRow("leading and double") << ";a;;b" << ";" << QStringList{"", "a", "", "b"};
        QTest::newRow("long separator, no trimming") << " a ||b||" << "||" << QStringList{" a ", "b", ""};
        QTest::newRow("chinese") << "支票:SUM;进账单" << ";" << QStringList{"支票:SUM", "进账单"};
    }
    void splitAtSeparatorText()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(QStringList, items);
        QCOMPARE(GetStringIndexCount(text, separator), items.size());
        for (int i = 0; i <= items.size(); ++i)
            QCOMPARE(GetStringIndexValue2(text, separator, i), items.value(i));
        QCOMPARE(GetStringIndexValue2(text, separator, -1), QString());
    }

    void splitAtSeparatorCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separators");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("default set") << "a,b;c" << "" << QStringList{"a", "b", "c"};
        QTest::newRow("trailing separator adds nothing") << "a;b;" << ";" << QStringList{"a", "b"};
        QTest::newRow("inner empties kept") << ";a,,b" << ",;" << QStringList{"", "a", "", "b"};
        QTest::newRow("other set") << "a|b c" << "| " << QStringList{"a", "b", "c"};
        QTest::newRow("comma not in set") << "a,b" << ";" << QStringList{"a,b"};
    }
    void splitAtSeparatorCharacters()
    {
        QFETCH(QString, text);
        QFETCH(QString, separators);
        QFETCH(QStringList, items);
        for (int i = 0; i <= items.size(); ++i)
            QCOMPARE(GetStringIndexValue(text, separators, i), items.value(i));
    }

    void hexText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hex");
        QTest::newRow("ascii") << "abc" << "616263";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("gbk bytes, upper case") << "支票" << "D6A7C6B1";
        QTest::newRow("control character") << "\n~" << "0A7E";
    }
    void hexText()
    {
        QFETCH(QString, text);
        QFETCH(QString, hex);
        QCOMPARE(StringToHex(text), hex);
        QCOMPARE(hextostring(hex), text);
        QCOMPARE(hextostring(hex.toLower()), text);
    }

    void hexTextReadsSloppyInput_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("text");
        QTest::newRow("trailing digit ignored") << "6162636" << "abc";
        QTest::newRow("non-digit counts as zero") << "6g31" << QStringLiteral("\x60") + "1";
    }
    void hexTextReadsSloppyInput()
    {
        QFETCH(QString, hex);
        QFETCH(QString, text);
        QCOMPARE(hextostring(hex), text);
    }

    void smallTextRoutines()
    {
        QCOMPARE(FixLenString(123, 2), QStringLiteral("123"));
        QCOMPARE(FixLenString(123, 6), QStringLiteral("000123"));
        QCOMPARE(FixLenString(0, 0), QStringLiteral("0"));
        QCOMPARE(AddDoubleChar(QStringLiteral("it's 'x'"), QLatin1Char('\'')), QStringLiteral("it''s ''x''"));
        QCOMPARE(AddDoubleChar(QString(), QLatin1Char('\'')), QString());
        const QString random = Randomstring(200);
        QCOMPARE(random.size(), 200);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-z]*$")).match(random).hasMatch());
        QVERIFY(random != Randomstring(200));
        QCOMPARE(Randomstring(0), QString());
    }

    void paths()
    {
        QCOMPARE(TruncPathSplash(QStringLiteral("/a/b/")), QStringLiteral("/a/b"));
        QCOMPARE(TruncPathSplash(QStringLiteral("/a/b//")), QStringLiteral("/a/b/"));
        QCOMPARE(TruncPathSplash(QStringLiteral("/a/b")), QStringLiteral("/a/b"));
        QCOMPARE(PathAddSlash(QStringLiteral("/a/b")), QStringLiteral("/a/b/"));
        QCOMPARE(PathAddSlash(QStringLiteral("/a/b/")), QStringLiteral("/a/b/"));
    }

    void deleteDirFilesLeavesFoldersAndOtherFiles()
    {
        QTemporaryDir dir;
        for (const char *name : {"a.jpg", "B.JPG", "c.txt", "noext", ".hidden.jpg"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("sub.jpg/inner")));
        QCOMPARE(DeleteDirFiles(dir.path(), QStringLiteral("*.jpg")), 0);
        const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
        QCOMPARE(QDir(dir.path()).entryList(all, QDir::Name), (QStringList{"c.txt", "noext", "sub.jpg"}));
        QCOMPARE(DeleteDirFiles(dir.path(), QStringLiteral("*.*")), 0);
        QCOMPARE(QDir(dir.path()).entryList(all), QStringList{"sub.jpg"});
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("sub.jpg/inner"))));
    }

    void windowsFiltersBecomeQtFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::newRow("description with own list") << QStringLiteral("Excel文件(*.xls)|*.xls") << QStringLiteral("Excel文件 (*.xls)");
        QTest::newRow("every file") << QStringLiteral("所有文件(*.*)|*.*") << QStringLiteral("所有文件 (*)");
        QTest::newRow("several") << QStringLiteral("图片|*.jpg;*.bmp|全部|*.*") << QStringLiteral("图片 (*.jpg *.bmp);;全部 (*)");
        QTest::newRow("empty") << QString() << QString();
    }
    void windowsFiltersBecomeQtFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        QCOMPARE(fileFilterToQt(filter), qt);
    }
};

QTEST_MAIN(TestStrFun)
#include "tst_strfun.moc"
