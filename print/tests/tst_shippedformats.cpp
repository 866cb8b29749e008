#include "BuiltFolders.h"
#include "MessageScript.h"
#include "SqliteShell.h"
#include "TestProgramFolder.h"
#include "helpers/UserInput.h"

#include "bills/company/TCompShowForm.h"
#include "core/dataset/DataSet.h"
#include "core/globals/PubDm.h"
#include "core/template/PictureSize.h"

#include <QComboBox>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

QString programFile(const QString &relative)
{
    return BuiltProgramFolder() + QLatin1Char('/') + relative;
}

QStringList shipped(const QString &sql)
{
    return SqliteShellRows(programFile(QStringLiteral("data/data.db")), sql);
}

QString shippedValue(const QString &sql)
{
    return shipped(sql).join(QLatin1Char('\n'));
}

// The JFIF header's density, read from the file's bytes: units, x, y.
QList<int> jfifDensity(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(20);
    if (head.size() < 18 || head.mid(6, 5) != QByteArray("JFIF\0", 5))
        return {};
    const auto word = [&](int at) { return (quint8(head.at(at)) << 8) | quint8(head.at(at + 1)); };
    return {quint8(head.at(13)), word(14), word(16)};
}

QStringList columnsOf(const QString &table)
{
    QStringList names;
    for (const QString &column : SqliteShellColumns(programFile(QStringLiteral("data/data.db")), table))
        names.append(column.section(QLatin1Char(' '), 0, 0));
    return names;
}

} // namespace

// The formats, pictures, icons and lists shipped with the program, read from the built program
// folder with the sqlite3 shell and the files' own headers.
class TestShippedFormats : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyKindHasOneDefaultFormat_data()
    {
        QTest::addColumn<QString>("kind");
        for (const QString &kind : shipped(QStringLiteral("select PrintName from s_PrintType order by id")))
            QTest::newRow(qPrintable(kind)) << kind;
    }
    void everyKindHasOneDefaultFormat()
    {
        QFETCH(QString, kind);
        // What the main page's quick buttons and the conversions look up.
        const QStringList defaults = shipped(QStringLiteral("select RefNo || '|' || DataTablename from p_NoteList where NoteType = '%1'"
                                                            " and \"default\" = '是' and DefNote = 1").arg(kind));
        QCOMPARE(defaults.size(), 1);
        QCOMPARE(defaults.first().section(QLatin1Char('|'), 1),
                 shippedValue(QStringLiteral("select MainTableName from s_PrintType where PrintName = '%1'").arg(kind)));
        const QString refNo = defaults.first().section(QLatin1Char('|'), 0, 0);
        // Its icon on its kind's tab and on 常用单据.
        QCOMPARE(shippedValue(QStringLiteral("select group_concat(t.Caption, ',') from s_ui u join s_uiTab t on t.TabNo = u.TabNo"
                                             " where u.ModId = %1 order by t.TabNo").arg(refNo)),
                 QStringLiteral("常用单据,") + kind);
    }

    void picturesAndFieldsAgree_data()
    {
        QTest::addColumn<QString>("refNo");
        for (const QString &row : shipped(QStringLiteral("select RefNo || '|' || NoteName from p_NoteList order by RefNo")))
            QTest::newRow(qPrintable(row.section(QLatin1Char('|'), 1))) << row.section(QLatin1Char('|'), 0, 0);
    }
    void picturesAndFieldsAgree()
    {
        QFETCH(QString, refNo);
        const QStringList row = shippedValue(QStringLiteral("select ImgFile, ImgEnc, xDpi, yDpi, DpiUnit, tWidth, tHeight, smallpic,"
                                                            " DataTablename from p_NoteList where RefNo = '%1'").arg(refNo))
                                    .split(QLatin1Char('|'));
        QCOMPARE(row.size(), 9);
        const QString image = row.at(0);
        const QString picture = programFile(QStringLiteral("images/") + image);
        QVERIFY2(QFile::exists(picture), qPrintable(picture));
        QCOMPARE(row.at(1), QStringLiteral("0"));
        QCOMPARE(jfifDensity(picture), (QList<int>{row.at(4).toInt(), row.at(2).toInt(), row.at(3).toInt()}));
        QCOMPARE(row.at(4), QStringLiteral("1"));

        // The paper size is the picture's size at its density, enciphered as the import writes it.
        QImageReader reader(picture);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QSize pixels = reader.size();
        QCOMPARE(StoredPictureInches(row.at(5), image), std::round(pixels.width() * 1e6 / row.at(2).toDouble()) / 1e6);
        QCOMPARE(StoredPictureInches(row.at(6), image), std::round(pixels.height() * 1e6 / row.at(3).toDouble()) / 1e6);

        const QImage icon(programFile(QStringLiteral("icons/") + row.at(7)));
        QCOMPARE(icon.size(), QSize(50, 50));

        // Every field on the picture, on a column of its table (a grid's columns on its detail table).
        const QStringList header = columnsOf(row.at(8));
        const QStringList fields = shipped(QStringLiteral(
            "select f.CtlCName, f.DbFieldName, f.FieldEditType, f.Ctlx, f.CtlY - coalesce(f.GridTitleH, 0), f.CtlW, f.CtlH,"
            " coalesce(g.DbFieldName, ''), coalesce(f.PickListName, ''), coalesce(f.pickSetFields, '') from p_NoteCntlList f"
            " left join p_NoteCntlList g on g.RefNo = f.RefNo and g.Tag = f.ParentId and f.ParentId <> 0"
            " where f.RefNo = '%1'").arg(refNo));
        QVERIFY(fields.size() > 5);
        for (const QString &field : fields) {
            const QStringList f = field.split(QLatin1Char('|'));
            const QRect rect(f.at(3).toInt(), f.at(4).toInt(), f.at(5).toInt(), f.at(6).toInt());
            QVERIFY2(QRect(QPoint(0, 0), pixels).contains(rect), qPrintable(field));
            const QString kind = f.at(2);
            if (kind == QStringLiteral("表格")) {
                QVERIFY2(!columnsOf(f.at(1)).isEmpty(), qPrintable(field));
            } else if (kind != QStringLiteral("一般文本")) {
                const QStringList table = f.at(7).isEmpty() ? header : columnsOf(f.at(7));
                QVERIFY2(table.contains(f.at(1)), qPrintable(field));
            }
            if (!f.at(8).isEmpty()) {
                const QStringList targets = f.at(9).split(QLatin1Char(','));
                QCOMPARE(QString::number(targets.size()),
                         shippedValue(QStringLiteral("select RtnFieldCount from p_pickList where PickName = '%1'").arg(f.at(8))));
                const QStringList table = f.at(7).isEmpty() ? header : columnsOf(f.at(7));
                for (const QString &target : targets)
                    QVERIFY2(table.contains(target), qPrintable(field));
            }
        }
    }

    void provincesHaveTheirCities()
    {
        const QStringList provinces = shipped(QStringLiteral("select distinct 一级代码 from dmtable2 where 类型 = '省市'"));
        QCOMPARE(provinces.size(), 34);  // 23 provinces, 5 autonomous regions, 4 municipalities, 2 SARs
        QCOMPARE(shippedValue(QStringLiteral("select count(*) from dmtable2 where 类型 = '省市'"
                                             " and (二级代码 is null or trim(二级代码) = '')")),
                 QStringLiteral("0"));
        QCOMPARE(shippedValue(QStringLiteral("select count(*) from (select 一级代码, 二级代码 from dmtable2 where 类型 = '省市'"
                                             " group by 1, 2 having count(*) > 1)")),
                 QStringLiteral("0"));
        const QStringList banks = shipped(QStringLiteral("select 一级代码 from dmtable2 where 类型 = '银行'"));
        for (const QString &bank : {QStringLiteral("中国工商银行"), QStringLiteral("国家开发银行"), QStringLiteral("招商银行"),
                                    QStringLiteral("城市商业银行"), QStringLiteral("农村信用合作社")})
            QVERIFY2(banks.contains(bank), qPrintable(bank));
    }

    // The company editor's city list follows the chosen province, for every shipped province.
    void companyEditorCitiesFollowTheProvince()
    {
        TestProgramFolder folder;
        folder.openDatabase();
        MessageScript messages;
        TCompShowForm editor(nullptr);
        editor.show();
        editor.openEntry(CurAdo, -1, true);
        const QStringList provinces = shipped(QStringLiteral("select distinct 一级代码 from dmtable2 where 类型 = '省市'"));
        QStringList listed;
        for (int i = 0; i < editor.provinceList()->count(); ++i)
            listed.append(editor.provinceList()->itemText(i));
        listed.removeAll(QString());
        QCOMPARE(listed.size(), provinces.size());
        for (const QString &province : provinces) {
            QVERIFY2(listed.contains(province), qPrintable(province));
            editor.provinceList()->lineEdit()->clear();
            TypeText(editor.provinceList()->lineEdit(), province);
            QStringList cities;
            for (int i = 0; i < editor.cityList()->count(); ++i)
                cities.append(editor.cityList()->itemText(i));
            cities.removeAll(QString());
            QStringList expected = shipped(QStringLiteral("select 二级代码 from dmtable2 where 类型 = '省市' and 一级代码 = '%1'").arg(province));
            std::sort(cities.begin(), cities.end());
            std::sort(expected.begin(), expected.end());
            QCOMPARE(cities, expected);
        }
        editor.entry()->cancel();
    }
};

QTEST_MAIN(TestShippedFormats)
#include "tst_shippedformats.moc"
