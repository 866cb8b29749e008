#include "ExternalTool.h"
#include "PdfWords.h"
#include "TestProgramFolder.h"
#include "helpers/DeliveryNoteFixture.h"

#include "core/report/ReportFile.h"
#include "core/report/ReportLayout.h"
#include "core/report/ReportPainter.h"
#include "core/report/ReportText.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

ReportItem textItem(const QString &text, const QRectF &rect, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop,
                    const QString &format = {})
{
    ReportItem item;
    item.text = text;
    item.rect = rect;
    item.alignment = alignment;
    item.format = format;
    return item;
}

// A delivery-note report on A4 with 10 mm margins: company, title and customer in the title,
// column captions in the page header, one line per detail row, the sum in the summary and the
// page count in the footer.
ReportDefinition deliveryNoteReport()
{
    ReportDefinition definition;
    ReportBand &title = definition.ensureBand(ReportBandKind::ReportTitle);
    title.height = 30;
    title.items = {textItem(QStringLiteral("[公司资料.\"公司名称\"]"), {0, 0, 190, 10}, Qt::AlignHCenter | Qt::AlignTop),
                   textItem(QStringLiteral("送货单"), {0, 10, 190, 8}, Qt::AlignHCenter | Qt::AlignTop),
                   textItem(QStringLiteral("客户：[出货单.\"收货单位\"]"), {0, 20, 100, 6})};
    ReportBand &header = definition.ensureBand(ReportBandKind::PageHeader);
    header.height = 8;
    header.items = {textItem(QStringLiteral("品名"), {0, 1, 60, 6}),
                    textItem(QStringLiteral("金额"), {100, 1, 40, 6}, Qt::AlignRight | Qt::AlignTop)};
    definition.ensureBand(ReportBandKind::MasterData).dataSet = QStringLiteral("出货单");
    definition.band(ReportBandKind::MasterData)->height = 0;
    ReportBand &detail = definition.ensureBand(ReportBandKind::DetailData);
    detail.height = 10;
    detail.dataSet = QStringLiteral("出货单明细");
    detail.items = {textItem(QStringLiteral("[出货单明细.品名]"), {0, 1, 60, 6}),
                    textItem(QStringLiteral("[出货单明细.\"金额\"]"), {100, 1, 40, 6}, Qt::AlignRight | Qt::AlignTop,
                             QStringLiteral("0.00"))};
    ReportBand &summary = definition.ensureBand(ReportBandKind::Summary);
    summary.height = 10;
    summary.items = {textItem(QStringLiteral("合计"), {60, 1, 30, 6}),
                     textItem(QStringLiteral("[SUM(出货单明细.\"金额\")]"), {100, 1, 40, 6}, Qt::AlignRight | Qt::AlignTop,
                              QStringLiteral("#,##0.00"))};
    ReportBand &footer = definition.ensureBand(ReportBandKind::PageFooter);
    footer.height = 8;
    footer.items = {textItem(QStringLiteral("第[页码]页/共[总页数]页"), {0, 1, 190, 6}, Qt::AlignHCenter | Qt::AlignTop)};
    return definition;
}

QList<PdfWord> wordsNamed(const QList<PdfWord> &words, const QString &text)
{
    QList<PdfWord> found;
    for (const PdfWord &word : words)
        if (word.text == text)
            found.append(word);
    return found;
}

} // namespace

// The report engine: its definition file, its references, and a delivery note laid out on A4
// and read back from the PDF.
class TestReportEngine : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
    }
    void cleanup() { m_folder.reset(); }

    // Every property survives the file, and the file is plain JSON of the documented shape.
    void definitionRoundTrip()
    {
        ReportDefinition definition = deliveryNoteReport();
        definition.page = {148, 210, 5, 6, 7, 8};
        ReportItem line;
        line.kind = ReportItemKind::Line;
        line.rect = QRectF(0, 0.5, 120.25, 0);
        line.lineWidth = 0.35;
        ReportItem box;
        box.kind = ReportItemKind::Rectangle;
        box.rect = QRectF(1, 2, 3, 4);
        ReportItem picture;
        picture.kind = ReportItemKind::Picture;
        picture.text = QStringLiteral("images/logo.jpg");
        picture.frame = FrameLeft | FrameBottom;
        picture.rect = QRectF(150, 0, 30, 20);
        ReportItem styled = textItem(QStringLiteral("[日期]"), {10, 10, 50, 7}, Qt::AlignRight | Qt::AlignBottom,
                                     QStringLiteral("yyyy年M月d日"));
        styled.font = QStringLiteral("黑体;14;粗体;;下划线;");
        styled.frame = FrameAll;
        definition.band(ReportBandKind::ReportTitle)->items.append({line, box, picture, styled});
        definition.band(ReportBandKind::MasterData)->items.append(
            textItem(QStringLiteral("中"), {0, 0, 5, 5}, Qt::AlignHCenter | Qt::AlignVCenter));

        const QString path = m_folder->file(QStringLiteral("Reports/出货单.Rep"));
        SaveReportFile(path, definition);
        QCOMPARE(LoadReportFile(path), definition);

        const ToolRun read = runPython(QStringLiteral(
                                           "import json,sys\n"
                                           "d=json.load(open(sys.argv[1],encoding='utf-8'))\n"
                                           "print(d['format'], d['version'], d['page']['width'],"
                                           " ','.join(b['kind'] for b in d['bands']), d['bands'][0]['items'][6]['frame'])"),
                                       {path});
        QCOMPARE(read.exitCode, 0);
        QCOMPARE(QString::fromUtf8(read.output).trimmed(),
                 QStringLiteral("QuilletReport 1 148 title,pageHeader,masterData,detailData,summary,pageFooter LTRB"));
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not JSON") << QByteArray("QuilletReport 1");
        QTest::newRow("another format") << QByteArray(R"({"format":"Other","version":1})");
        QTest::newRow("later version") << QByteArray(R"({"format":"QuilletReport","version":2,"bands":[]})");
        QTest::newRow("unknown band") << QByteArray(R"({"format":"QuilletReport","version":1,"bands":[{"kind":"x"}]})");
        QTest::newRow("band twice")
            << QByteArray(R"({"format":"QuilletReport","version":1,"bands":[{"kind":"title"},{"kind":"title"}]})");
        QTest::newRow("unknown item")
            << QByteArray(R"({"format":"QuilletReport","version":1,"bands":[{"kind":"title","items":[{"kind":"x"}]}]})");
        QTest::newRow("number as text")
            << QByteArray(R"({"format":"QuilletReport","version":1,"bands":[{"kind":"title","height":"5"}]})");
        QTest::newRow("unknown frame side") << QByteArray(
            R"({"format":"QuilletReport","version":1,"bands":[{"kind":"title","items":[{"kind":"text","frame":"X"}]}]})");
    }
    void refusedFiles()
    {
        QFETCH(QByteArray, json);
        QVERIFY_THROWS_EXCEPTION(ReportFileError, ReportDefinitionFromJson(json));
    }

    void references_data()
    {
        QTest::addColumn<QString>("inside");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("alias");
        QTest::addColumn<QString>("name");
        QTest::newRow("quoted field") << "出货单.\"客户名称\"" << int(ReportReference::Field) << "出货单" << "客户名称";
        QTest::newRow("plain field") << "出货单.客户名称" << int(ReportReference::Field) << "出货单" << "客户名称";
        QTest::newRow("label with a dot") << "明细.\"No.\"" << int(ReportReference::Field) << "明细" << "No.";
        QTest::newRow("sum") << "SUM(出货单明细.\"金额\")" << int(ReportReference::Sum) << "出货单明细" << "金额";
        QTest::newRow("sum in lower case") << "sum( 明细.金额 )" << int(ReportReference::Sum) << "明细" << "金额";
        QTest::newRow("variable") << "页码" << int(ReportReference::Variable) << "" << "页码";
        QTest::newRow("no alias") << ".金额" << int(ReportReference::Variable) << "" << ".金额";
    }
    void references()
    {
        QFETCH(QString, inside);
        QFETCH(int, kind);
        QFETCH(QString, alias);
        QFETCH(QString, name);
        QCOMPARE(ParseReportReference(inside), (ReportReference{ReportReference::Kind(kind), alias, name}));
    }

    void expansion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expanded");
        QTest::newRow("two references") << "[a.b]-[页码]" << "<a.b>-<页码>";
        QTest::newRow("unknown stays as written") << "x[未知]y" << "x[未知]y";
        QTest::newRow("unclosed bracket") << "a [b" << "a [b";
        QTest::newRow("no reference") << "送货单" << "送货单";
    }
    void expansion()
    {
        QFETCH(QString, text);
        QFETCH(QString, expanded);
        const auto resolve = [](const ReportReference &reference) -> std::optional<QString> {
            if (reference.name == QStringLiteral("未知"))
                return std::nullopt;
            return QLatin1Char('<') + (reference.alias.isEmpty() ? QString() : reference.alias + QLatin1Char('.'))
                   + reference.name + QLatin1Char('>');
        };
        QCOMPARE(ExpandReportText(text, resolve), expanded);
    }

    // 25 lines on A4: two pages, the captions on both, the sum on the last, every text where the
    // definition puts it.
    void deliveryNoteOnA4()
    {
        const DeliveryNoteFixture note(25);
        const LaidOutReport report = LayOutReport(deliveryNoteReport(), note.data());
        const QString pdf = m_folder->file(QStringLiteral("tmp/report.pdf"));
        {
            QPdfWriter writer(pdf);
            writer.setResolution(600);
            QVERIFY(PrintReport(writer, report));
        }
        QCOMPARE(PdfPageCount(pdf), 2);
        const QList<PdfWord> words = PdfWords(pdf);

        // Margins 10 mm; text sits 0.5 mm inside its box; the glyphs' tops a little below it.
        const auto at = [&](const QString &text, int page, double left, double top) {
            const QList<PdfWord> found = wordsNamed(words, text);
            const auto on = std::find_if(found.begin(), found.end(), [page](const PdfWord &w) { return w.page == page; });
            QVERIFY2(on != found.end(), qPrintable(QStringLiteral("%1 on page %2").arg(text).arg(page)));
            QVERIFY2(std::abs(on->mm.left() - left) < 0.6, qPrintable(QStringLiteral("%1 left %2").arg(text).arg(on->mm.left())));
            QVERIFY2(on->mm.top() >= top - 0.2 && on->mm.top() < top + 1.5,
                     qPrintable(QStringLiteral("%1 top %2").arg(text).arg(on->mm.top())));
        };
        at(QStringLiteral("客户：上海联华超市"), 1, 10.5, 30);
        at(QStringLiteral("品名"), 1, 10.5, 41);
        at(QStringLiteral("品名"), 2, 10.5, 11);
        at(QStringLiteral("货品01"), 1, 10.5, 49);
        at(QStringLiteral("货品23"), 1, 10.5, 269);
        at(QStringLiteral("货品24"), 2, 10.5, 19);
        at(QStringLiteral("货品25"), 2, 10.5, 29);
        at(QStringLiteral("合计"), 2, 70.5, 39);
        QCOMPARE(wordsNamed(words, QStringLiteral("品名")).size(), 2);
        QCOMPARE(wordsNamed(words, QStringLiteral("合计")).size(), 1);

        // Right-aligned amounts end 0.5 mm inside x = 150 mm.
        const QList<PdfWord> sum = wordsNamed(words, QStringLiteral("3,331.25"));
        QCOMPARE(sum.size(), 1);
        QCOMPARE(sum.first().page, 2);
        QVERIFY2(std::abs(sum.first().mm.right() - 149.5) < 0.6, qPrintable(QString::number(sum.first().mm.right())));
        const QList<PdfWord> line25 = wordsNamed(words, QStringLiteral("256.25"));
        QCOMPARE(line25.size(), 1);
        QVERIFY(std::abs(line25.first().mm.right() - 149.5) < 0.6);

        // The company name centred over the printable width.
        const QList<PdfWord> company = wordsNamed(words, QStringLiteral("华东建材有限公司"));
        QCOMPARE(company.size(), 1);
        QCOMPARE(company.first().page, 1);
        QVERIFY2(std::abs(company.first().mm.center().x() - 105) < 0.6, qPrintable(QString::number(company.first().mm.center().x())));

        // The footer at the foot of each page: 297 - 10 - 8, centred.
        for (int page : {1, 2}) {
            const QList<PdfWord> footer = wordsNamed(words, QStringLiteral("第%1页/共2页").arg(page));
            QCOMPARE(footer.size(), 1);
            QCOMPARE(footer.first().page, page);
            QVERIFY(std::abs(footer.first().mm.center().x() - 105) < 0.6);
            QVERIFY(footer.first().mm.top() >= 279.8 && footer.first().mm.top() < 281.5);
        }
    }

    // Each page footer sums the lines up to its page; a title sees the whole total.
    void runningSums()
    {
        const DeliveryNoteFixture note(25);
        ReportDefinition definition = deliveryNoteReport();
        definition.band(ReportBandKind::PageFooter)->items = {
            textItem(QStringLiteral("[SUM(出货单明细.金额)]"), {0, 0, 50, 6})};
        definition.band(ReportBandKind::ReportTitle)->items = {
            textItem(QStringLiteral("[SUM(出货单明细.金额)] [出货单明细.数量]"), {0, 0, 50, 6})};
        const LaidOutReport report = LayOutReport(definition, note.data());
        QCOMPARE(report.pages.size(), 2);
        const auto texts = [&](int page) {
            QStringList found;
            for (const PlacedReportItem &placed : report.pages.at(page).items)
                found.append(placed.item.text);
            return found;
        };
        QVERIFY(texts(0).contains(QStringLiteral("3331.25 ")));     // 数量 is NULL
        QVERIFY(texts(0).contains(QStringLiteral("2829.00")));      // lines 1 to 23
        QVERIFY(texts(1).contains(QStringLiteral("3331.25")));
    }

    // A field with a negative tag is neither offered nor printed; labelled fields are found by
    // label, the company data under its alias.
    void hiddenFields()
    {
        const DeliveryNoteFixture note(1);
        const ReportData &data = note.data();
        QVERIFY(!data.field(QStringLiteral("出货单明细"), QStringLiteral("Refno")));
        QVERIFY(data.field(QStringLiteral("出货单明细"), QStringLiteral("金额")));
        QVERIFY(data.field(QStringLiteral("出货单明细"), QStringLiteral("小计")));
        QVERIFY(data.field(QStringLiteral("出货单"), QStringLiteral("refno")));
        QVERIFY(data.field(QStringLiteral("公司资料"), QStringLiteral("公司名称")));

        ReportDefinition definition;
        definition.ensureBand(ReportBandKind::ReportTitle).items = {textItem(QStringLiteral("[出货单明细.Refno]"), {0, 0, 50, 6})};
        QCOMPARE(LayOutReport(definition, data).pages.first().items.first().item.text, QStringLiteral("[出货单明细.Refno]"));
    }
};

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
