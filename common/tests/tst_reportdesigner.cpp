#include "MessageScript.h"
#include "TestProgramFolder.h"
#include "helpers/DeliveryNoteFixture.h"

#include "core/report/ReportFile.h"
#include "core/report/ReportLayout.h"
#include "gui/report/ReportBandView.h"
#include "gui/report/ReportDesignSurface.h"
#include "gui/report/ReportItemView.h"
#include "gui/report/ReportPropertyPanel.h"
#include "gui/report/TReportDesignerForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <cmath>

namespace {

double tenths(double mm)
{
    return std::round(mm * 10) / 10;
}

} // namespace

// The report designer over a delivery note: the field list, placing fields, dragging items
// through the move/resize zones, the property panel, and saving.
class TestReportDesigner : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;
    std::unique_ptr<DeliveryNoteFixture> m_note;

    QString filePath() const { return m_folder->file(QStringLiteral("Reports/出货单打印_送货单.Rep")); }

    std::unique_ptr<TReportDesignerForm> designer(const ReportDefinition &definition)
    {
        auto form = std::make_unique<TReportDesignerForm>(definition, m_note->data(), filePath(), m_folder->path());
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qFatal("the designer did not show");
        return form;
    }

    static ReportDefinition oneText()
    {
        ReportDefinition definition = EmptyReportDefinition({QStringLiteral("出货单"), QStringLiteral("出货单明细")});
        ReportItem item;
        item.text = QStringLiteral("[出货单.收货单位]");
        item.rect = QRectF(10, 5, 40, 6);
        definition.band(ReportBandKind::ReportTitle)->items = {item};
        return definition;
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_messages = std::make_unique<MessageScript>();
        m_note = std::make_unique<DeliveryNoteFixture>(2);
    }
    void cleanup()
    {
        m_note.reset();
        m_messages.reset();
        m_folder.reset();
    }

    // The list shows every data set by alias with its fields' labels; a field with a negative
    // tag is not there.
    void fieldListLeavesHiddenFieldsOut()
    {
        auto form = designer(EmptyReportDefinition(m_note->data().aliases()));
        const auto children = [&form](const QString &alias) {
            QStringList names;
            for (QTreeWidgetItem *top : form->fieldTree()->findItems(alias, Qt::MatchExactly))
                for (int i = 0; i < top->childCount(); ++i)
                    names.append(top->child(i)->text(0));
            return names;
        };
        QVERIFY(!children(QStringLiteral("出货单明细")).contains(QStringLiteral("Refno")));
        QVERIFY(children(QStringLiteral("出货单明细")).contains(QStringLiteral("金额")));
        QVERIFY(!children(QStringLiteral("出货单明细")).contains(QStringLiteral("小计")));
        QVERIFY(children(QStringLiteral("出货单")).contains(QStringLiteral("Refno")));
        QVERIFY(children(QStringLiteral("公司资料")).contains(QStringLiteral("纳税识别号")));
        QVERIFY(children(QStringLiteral("系统变量")).contains(QStringLiteral("总页数")));
    }

    // A field goes into the band over its data set, else where the user points; 保存 writes
    // the entry's file.
    void placedFieldsAreSaved()
    {
        auto form = designer(EmptyReportDefinition(m_note->data().aliases()));
        form->insertField(QStringLiteral("出货单明细"), QStringLiteral("金额"));
        form->surface()->select(ReportBandKind::PageFooter);
        form->insertVariable(QStringLiteral("页码"));
        form->surface()->select(ReportBandKind::ReportTitle);
        form->insertField(QStringLiteral("公司资料"), QStringLiteral("公司名称"));
        // 合计 sums the field chosen in the list into the summary.
        QTreeWidgetItem *amount = form->fieldTree()->findItems(QStringLiteral("金额"), Qt::MatchExactly | Qt::MatchRecursive).value(0);
        QVERIFY(amount);
        form->fieldTree()->setCurrentItem(amount);
        form->SumButton->click();
        QVERIFY(form->isModified());
        QVERIFY(form->save());
        QVERIFY(!form->isModified());
        const ReportDefinition saved = LoadReportFile(filePath());
        QCOMPARE(saved, form->definition());
        QCOMPARE(saved.band(ReportBandKind::DetailData)->items.size(), 1);
        QCOMPARE(saved.band(ReportBandKind::DetailData)->items.first().text, QStringLiteral("[出货单明细.\"金额\"]"));
        QCOMPARE(saved.band(ReportBandKind::PageFooter)->items.first().text, QStringLiteral("[页码]"));
        QCOMPARE(saved.band(ReportBandKind::ReportTitle)->items.first().text, QStringLiteral("[公司资料.\"公司名称\"]"));
        QCOMPARE(saved.band(ReportBandKind::Summary)->items.first().text, QStringLiteral("[SUM(出货单明细.\"金额\")]"));
        const LaidOutReport laid = LayOutReport(saved, m_note->data());
        QStringList texts;
        for (const PlacedReportItem &placed : laid.pages.first().items)
            texts.append(placed.item.text);
        QVERIFY2(texts.contains(QStringLiteral("30.75")), qPrintable(texts.join(u'|')));  // 10.25 + 20.50
    }

    void dragMovesAndResizes_data()
    {
        QTest::addColumn<QPoint>("grip");  // from the view's centre (0 = centre), or an edge
        QTest::addColumn<bool>("rightEdge");
        QTest::newRow("move") << QPoint(19, 8) << false;
        QTest::newRow("right edge") << QPoint(19, 8) << true;
    }
    // The zones of the template designer: the inner area moves, the right edge widens; the
    // millimetres follow, and edges not dragged keep theirs.
    void dragMovesAndResizes()
    {
        QFETCH(QPoint, grip);
        QFETCH(bool, rightEdge);
        auto form = designer(oneText());
        ReportItemView *view = form->surface()->itemView(ReportBandKind::ReportTitle, 0);
        QVERIFY(view);
        const double scale = view->pixelsPerMm();
        const QPoint press = rightEdge ? QPoint(view->width() - 1, view->height() / 2) : view->rect().center();
        const QPoint start = view->mapToGlobal(press);
        // The press runs the drag until the release: the moves come from the event loop.
        QTimer::singleShot(0, view, [view, start, grip] {
            QTest::mouseMove(view, view->mapFromGlobal(start + grip / 2));
            QTest::mouseMove(view, view->mapFromGlobal(start + grip));
            QTest::mouseRelease(view, Qt::LeftButton, {}, view->mapFromGlobal(start + grip));
        });
        QTest::mousePress(view, Qt::LeftButton, {}, press);

        const QRectF rect = form->definition().band(ReportBandKind::ReportTitle)->items.first().rect;
        const QRectF expected = rightEdge ? QRectF(10, 5, tenths(40 + grip.x() / scale), 6)
                                          : QRectF(10 + tenths(grip.x() / scale), 5 + tenths(grip.y() / scale), 40, 6);
        QCOMPARE(rect, expected);
        QVERIFY(form->isModified());
        QCOMPARE(form->surface()->selectedItem(), 0);
        QCOMPARE(form->properties()->LeftSpin->value(), expected.x());
    }

    // Every property edit lands in the definition; band heights and data sets too.
    void propertiesWriteTheDefinition()
    {
        auto form = designer(oneText());
        form->surface()->select(ReportBandKind::ReportTitle, 0);
        ReportPropertyPanel *panel = form->properties();
        panel->HorizontalBox->setCurrentIndex(panel->HorizontalBox->findText(QStringLiteral("居右")));
        panel->FormatBox->setCurrentText(QStringLiteral("#,##0.00"));
        panel->FrameBottomBox->setChecked(true);
        panel->WidthSpin->setValue(55);
        const ReportItem &item = form->definition().band(ReportBandKind::ReportTitle)->items.first();
        QCOMPARE(item.alignment, Qt::AlignRight | Qt::AlignTop);
        QCOMPARE(item.format, QStringLiteral("#,##0.00"));
        QCOMPARE(item.frame, int(FrameBottom));
        QCOMPARE(item.rect, QRectF(10, 5, 55, 6));
        QCOMPARE(form->surface()->itemView(ReportBandKind::ReportTitle, 0)->width(),
                 qRound(55 * form->surface()->itemView(ReportBandKind::ReportTitle, 0)->pixelsPerMm()));

        form->surface()->select(ReportBandKind::DetailData);
        panel->BandHeightSpin->setValue(12.5);
        panel->DataSetBox->setCurrentText(QStringLiteral("公司资料"));
        QCOMPARE(form->definition().band(ReportBandKind::DetailData)->height, 12.5);
        QCOMPARE(form->definition().band(ReportBandKind::DetailData)->dataSet, QStringLiteral("公司资料"));

        form->surface()->select(ReportBandKind::ReportTitle, 0);
        QTest::keyClick(form.get(), Qt::Key_Delete);
        QVERIFY(form->definition().band(ReportBandKind::ReportTitle)->items.isEmpty());
    }

    // Closing with changes asks: Cancel stays, No leaves the file alone.
    void closingAsksAboutChanges()
    {
        auto form = designer(oneText());
        form->addItem(ReportItemKind::Line);
        m_messages->answer(QMessageBox::Cancel);
        form->reject();
        QVERIFY(form->isVisible());
        QCOMPARE(m_messages->lastText(), QStringLiteral("报表已经修改，要保存吗？"));
        m_messages->answer(QMessageBox::No);
        form->reject();
        QVERIFY(!form->isVisible());
        QVERIFY(!QFile::exists(filePath()));
    }
};

QTEST_MAIN(TestReportDesigner)
#include "tst_reportdesigner.moc"
