#include "core/errors/CorvaneError.h"
#include "core/printfun/FontInfo.h"
#include "core/printfun/FontSubstitution.h"
#include "core/text/FontString.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

// Font strings of template fields and the installed faces behind Windows font names.
class TestFontInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<bool>("strikeOut");
        QTest::newRow("default") << "黑体;10;;;;" << "黑体" << 10 << false << false << false << false;
        QTest::newRow("bold underlined") << "宋体;12;粗体;;下划线;" << "宋体" << 12 << true << false << true << false;
        QTest::newRow("italic struck out") << "Arial;9;;斜体;;删除线" << "Arial" << 9 << false << true << false << true;
        QTest::newRow("any text switches a style on") << "楷体;14;x;y;z;w" << "楷体" << 14 << true << true << true
                                                      << true;
        QTest::newRow("style items missing") << "仿宋;11" << "仿宋" << 11 << false << false << false << false;
    }
    void decodes()
    {
        QFETCH(QString, text);
        QFETCH(QString, family);
        QFETCH(int, size);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, underline);
        QFETCH(bool, strikeOut);
        const std::optional<QFont> font = DecodeFontInfo(text);
        QVERIFY(font);
        QCOMPARE(font->family(), family);
        QCOMPARE(font->pointSize(), size);
        QCOMPARE(font->bold(), bold);
        QCOMPARE(font->italic(), italic);
        QCOMPARE(font->underline(), underline);
        QCOMPARE(font->strikeOut(), strikeOut);
    }

    void emptyStringIsNoFont() { QVERIFY(!DecodeFontInfo(QString())); }

    void sizeThatIsNoIntegerFails_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("letters") << "宋体;abc;;;;";
        QTest::newRow("fraction") << "宋体;10.5;;;;";
        QTest::newRow("no size") << "宋体";
    }
    void sizeThatIsNoIntegerFails()
    {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(CorvaneError, DecodeFontInfo(text));
    }

    void encodes()
    {
        QFont font(QStringLiteral("宋体"));
        font.setPointSize(12);
        font.setBold(true);
        font.setUnderline(true);
        QCOMPARE(FontToFontString(font), QStringLiteral("宋体;12;粗体;;下划线;"));
        font.setBold(false);
        font.setUnderline(false);
        font.setItalic(true);
        font.setStrikeOut(true);
        QCOMPARE(FontToFontString(font), QStringLiteral("宋体;12;;斜体;;删除线"));
    }

    void roundTripKeepsTheStoredName_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("default") << DefaultFontInfo();
        QTest::newRow("all styles") << "楷体_GB2312;16;粗体;斜体;下划线;删除线";
        QTest::newRow("latin") << "Times New Roman;8;;;下划线;";
    }
    void roundTripKeepsTheStoredName()
    {
        QFETCH(QString, text);
        QCOMPARE(FontToFontString(*DecodeFontInfo(text)), text);
    }

    void everyWindowsNameResolvesToItsInstalledFace_data()
    {
        QTest::addColumn<QString>("windowsName");
        QTest::addColumn<QString>("installed");
        for (const FontSubstitute &entry : FontSubstitutionTable())
            QTest::newRow(qPrintable(entry.windowsName)) << entry.windowsName << entry.installedFamily;
    }
    void everyWindowsNameResolvesToItsInstalledFace()
    {
        QFETCH(QString, windowsName);
        QFETCH(QString, installed);
        QVERIFY2(QFontDatabase::families().contains(installed), qPrintable(installed + " is not installed"));
        const std::optional<QFont> font = DecodeFontInfo(windowsName + QStringLiteral(";12;;;;"));
        QCOMPARE(QFontInfo(*font).family(), installed);
        QCOMPARE(QFontInfo(QFont(windowsName)).family(), installed); // fonts made elsewhere too
    }
};

QTEST_MAIN(TestFontInfo)
#include "tst_fontinfo.moc"
