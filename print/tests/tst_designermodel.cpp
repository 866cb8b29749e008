#include "core/template/EditKindIndex.h"
#include "designer/model/AddFieldButtons.h"
#include "designer/model/AddFieldPlacement.h"
#include "designer/model/DesignSelection.h"
#include "designer/model/DesignTags.h"
#include "designer/model/FieldChooserList.h"
#include "designer/model/FieldLook.h"
#include "designer/model/KindChange.h"
#include "designer/model/LayoutRules.h"
#include "designer/model/PageOffset.h"
#include "designer/model/RubberBand.h"
#include "designer/model/SizeText.h"

#include <QtTest>

Q_DECLARE_METATYPE(AlignMode)
Q_DECLARE_METATYPE(ArrowKey)

// The design page's rules on plain geometry: selection, rubber band, alignment, sizes, copies,
// Tags, kind changes, added fields and the field chooser.
class TestDesignerModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pressAndShiftPress_data()
    {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<int>("pressed");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QList<int>>("after");
        QTest::newRow("press on nothing selected") << QList<int>{} << 1000 << false << QList<int>{1000};
        QTest::newRow("press inside a multiple selection") << QList<int>{1000, 1001, 1002} << 1001 << false << QList<int>{1001};
        QTest::newRow("press on another field") << QList<int>{1000} << 1002 << false << QList<int>{1002};
        QTest::newRow("shift adds at the end") << QList<int>{1002, 1000} << 1001 << true << QList<int>{1002, 1000, 1001};
        QTest::newRow("shift on a selected field drops it") << QList<int>{1002, 1000, 1001} << 1000 << true << QList<int>{1002, 1001};
        QTest::newRow("shift on the only one empties") << QList<int>{500} << 500 << true << QList<int>{};
    }
    void pressAndShiftPress()
    {
        QFETCH(QList<int>, before);
        QFETCH(int, pressed);
        QFETCH(bool, shift);
        QFETCH(QList<int>, after);
        DesignSelection selection;
        for (const int tag : before)
            selection.add(tag);
        selection.press(pressed, shift);
        QCOMPARE(selection.tags(), after);
    }

    void rubberBand_data()
    {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QPoint>("end");
        QTest::addColumn<QList<int>>("hit");
        // Fields: 1000 at (20,20) 20x20; 1001 at (50,10) 10x10 (touches x = 50); 1002 far away;
        // 500 a grid overlapping partly.
        QTest::newRow("forward") << QPoint(10, 10) << QPoint(50, 50) << QList<int>{500, 1000};
        QTest::newRow("reversed") << QPoint(50, 50) << QPoint(10, 10) << QList<int>{500, 1000};
        QTest::newRow("one edge touched only") << QPoint(41, 5) << QPoint(50, 15) << QList<int>{};
        QTest::newRow("partial overlap is enough") << QPoint(39, 39) << QPoint(45, 45) << QList<int>{500, 1000};
        QTest::newRow("beyond the corner sums to -4 and selects nothing") << QPoint(1, 1) << QPoint(-3, -3) << QList<int>{};
    }
    void rubberBand()
    {
        QFETCH(QPoint, start);
        QFETCH(QPoint, end);
        QFETCH(QList<int>, hit);
        const PlacedControls controls = {
            {1000, QRect(20, 20, 20, 20)}, {1001, QRect(50, 10, 10, 10)}, {1002, QRect(300, 300, 10, 10)}, {500, QRect(35, 35, 100, 100)}};
        QCOMPARE(TagsInRubberBand(controls, RubberBandRect(start, end)), hit);
    }

    void selectAllTakesEveryControlNewestFirst()
    {
        const PlacedControls controls = {{1000, QRect(0, 0, 1, 1)}, {500, QRect(5, 5, 1, 1)}, {1001, QRect(9, 9, 1, 1)}};
        QCOMPARE(AllTagsNewestFirst(controls), (QList<int>{1001, 500, 1000}));
    }

    void align_data()
    {
        QTest::addColumn<AlignMode>("mode");
        QTest::addColumn<QRect>("aligned");
        // Reference (100, 50) 80 x 20; own (10, 200) 30 x 40.
        QTest::newRow("left") << AlignMode::Left << QRect(100, 200, 30, 40);
        QTest::newRow("right") << AlignMode::Right << QRect(150, 200, 30, 40);
        QTest::newRow("top") << AlignMode::Top << QRect(10, 50, 30, 40);
        QTest::newRow("bottom") << AlignMode::Bottom << QRect(10, 30, 30, 40);
    }
    void align()
    {
        QFETCH(AlignMode, mode);
        QFETCH(QRect, aligned);
        QCOMPARE(AlignedRect(mode, QRect(100, 50, 80, 20), QRect(10, 200, 30, 40)), aligned);
    }

    void equalSizeTakesTheNewestSelectedControl()
    {
        const PlacedControls controls = {{1000, QRect(0, 0, 10, 10)}, {1001, QRect(0, 0, 20, 20)}, {1002, QRect(0, 0, 30, 30)},
                                         {1003, QRect(0, 0, 40, 40)}};
        DesignSelection selection;
        selection.add(1002);
        selection.add(1000);
        selection.add(1001);
        QCOMPARE(EqualSizeReference(controls, selection)->tag, 1002);
        QCOMPARE(EqualSizedRect(SizeMode::Width, QRect(0, 0, 30, 30), QRect(5, 6, 10, 10)), QRect(5, 6, 30, 10));
        QCOMPARE(EqualSizedRect(SizeMode::Height, QRect(0, 0, 30, 30), QRect(5, 6, 10, 10)), QRect(5, 6, 10, 30));
        QVERIFY(!EqualSizeReference(controls, DesignSelection()).has_value());
    }

    void pasteTouchesTheSource()
    {
        QCOMPARE(PastedRect(PasteMode::Right, QRect(100, 40, 80, 22)), QRect(180, 40, 80, 22));
        QCOMPARE(PastedRect(PasteMode::Below, QRect(100, 40, 80, 22)), QRect(100, 62, 80, 22));
    }

    void arrows_data()
    {
        QTest::addColumn<ArrowKey>("key");
        QTest::addColumn<QRect>("moved");
        QTest::addColumn<QRect>("resized");
        QTest::newRow("left") << ArrowKey::Left << QRect(9, 20, 1, 2) << QRect(10, 20, 1, 2);
        QTest::newRow("right") << ArrowKey::Right << QRect(11, 20, 1, 2) << QRect(10, 20, 2, 2);
        QTest::newRow("up") << ArrowKey::Up << QRect(10, 19, 1, 2) << QRect(10, 20, 1, 1);
        QTest::newRow("down") << ArrowKey::Down << QRect(10, 21, 1, 2) << QRect(10, 20, 1, 3);
    }
    void arrows()
    {
        QFETCH(ArrowKey, key);
        QFETCH(QRect, moved);
        QFETCH(QRect, resized);
        const QRect thin(10, 20, 1, 2);
        QCOMPARE(NudgedRect(key, thin), moved);
        QCOMPARE(ResizedRect(key, thin), resized);
    }

    void tags_data()
    {
        QTest::addColumn<QList<int>>("tags");
        QTest::addColumn<bool>("grid");
        QTest::addColumn<int>("next");
        QTest::newRow("first field") << QList<int>{} << false << 1000;
        QTest::newRow("first grid") << QList<int>{} << true << 500;
        QTest::newRow("grid columns continue the fields") << QList<int>{500, 1000, 1001} << false << 1002;
        QTest::newRow("second grid") << QList<int>{500, 1000, 1001} << true << 501;
        // An older copy of a grid took 1002: a new field must not take it again.
        QTest::newRow("grid numbered as a field") << QList<int>{500, 1000, 1002} << false << 1003;
        QTest::newRow("grid sequence ignores fields") << QList<int>{1000, 1005} << true << 500;
    }
    void tags()
    {
        QFETCH(QList<int>, tags);
        QFETCH(bool, grid);
        QFETCH(int, next);
        QCOMPARE(NextDesignTag(tags, grid), next);
    }

    void kindRefusal_data()
    {
        QTest::addColumn<QString>("oldKind");
        QTest::addColumn<QString>("newKind");
        QTest::addColumn<bool>("refused");
        QTest::newRow("grid to editor") << "表格" << "编辑器" << true;
        QTest::newRow("editor to grid") << "编辑器" << "表格" << true;
        QTest::newRow("grid to grid") << "表格" << "表格" << true;
        QTest::newRow("editor to amount") << "编辑器" << "小写金额" << false;
        QTest::newRow("amount to check group") << "小写金额" << "复选框" << false;
    }
    void kindRefusal()
    {
        QFETCH(QString, oldKind);
        QFETCH(QString, newKind);
        QFETCH(bool, refused);
        const std::optional<QString> refusal = KindChangeRefusal(oldKind, newKind);
        QCOMPARE(refusal.has_value(), refused);
        if (refused)
            QCOMPARE(*refusal, QStringLiteral("表格类型不能修改"));
    }

    void kindEffects_data()
    {
        QTest::addColumn<QString>("newKind");
        QTest::addColumn<QVariant>("digitalCount");
        QTest::addColumn<QVariant>("needPrint");
        QTest::addColumn<QVariant>("xAlign");
        QTest::newRow("amount") << "小写金额" << QVariant(11) << QVariant() << QVariant();
        QTest::newRow("check group") << "复选框" << QVariant() << QVariant(false) << QVariant();
        QTest::newRow("plain text") << "一般文本" << QVariant() << QVariant() << QVariant(QStringLiteral("居右"));
        QTest::newRow("spaced string keeps a cell") << "等距字符串" << QVariant(1) << QVariant() << QVariant();
        QTest::newRow("editor") << "编辑器" << QVariant() << QVariant() << QVariant();
    }
    void kindEffects()
    {
        QFETCH(QString, newKind);
        QFETCH(QVariant, digitalCount);
        QFETCH(QVariant, needPrint);
        QFETCH(QVariant, xAlign);
        // A mixed selection: two fields and a grid. The grid keeps its kind; both fields get
        // the kind and its rules.
        const QList<KindChangeEffect> effects = KindChangeEffects(
            {{1000, QStringLiteral("编辑器"), 0}, {500, QStringLiteral("表格"), 0}, {1001, QStringLiteral("文本显示"), 0}}, newKind);
        QCOMPARE(effects.size(), 2);
        QCOMPARE(effects.at(0).tag, 1000);
        QCOMPARE(effects.at(1).tag, 1001);
        for (const KindChangeEffect &effect : effects) {
            QCOMPARE(effect.kind, newKind);
            QCOMPARE(effect.digitalCount ? QVariant(*effect.digitalCount) : QVariant(), digitalCount);
            QCOMPARE(effect.needPrint ? QVariant(*effect.needPrint) : QVariant(), needPrint);
            QCOMPARE(effect.xAlign ? QVariant(*effect.xAlign) : QVariant(), xAlign);
        }
    }

    void spacedStringKeepsItsCells()
    {
        const QList<KindChangeEffect> effects = KindChangeEffects({{1000, QStringLiteral("编辑器"), 16}}, QStringLiteral("等距字符串"));
        QVERIFY(!effects.at(0).digitalCount.has_value());
    }

    void addFieldPlacementWraps()
    {
        AddFieldPlacement placement;
        QList<int> xs;
        QList<int> ys;
        for (int i = 0; i < 9; ++i) {
            const QPoint at = placement.next(QSize(300, 1000));
            xs.append(at.x());
            ys.append(at.y());
        }
        QCOMPARE(xs, (QList<int>{210, 220, 230, 240, 250, 260, 270, 280, 200}));
        QCOMPARE(ys, (QList<int>{190, 200, 210, 220, 230, 240, 250, 260, 270}));

        AddFieldPlacement low;
        QList<int> lowYs;
        for (int i = 0; i < 3; ++i)
            lowYs.append(low.next(QSize(1000, 220)).y());
        QCOMPARE(lowYs, (QList<int>{190, 200, 180}));
        QCOMPARE(AddedFieldCaption(QStringLiteral("编辑器"), 4), QStringLiteral("编辑器5"));
    }

    void addFieldButtonsCoverEveryKind()
    {
        const QList<AddFieldButton> &buttons = AddFieldButtons();
        for (int kind = 0; kind < buttons.size(); ++kind)
            QCOMPARE(int(buttons.at(kind).kind), kind);
        QCOMPARE(buttons.at(ekGrid).caption, QStringLiteral("多行表格"));
        QCOMPARE(buttons.at(ekGrid).size, QSize(500, 200));
        QCOMPARE(buttons.at(ekMemo).size, QSize(100, 60));
        QCOMPARE(buttons.at(ekMultiTick2).caption, QStringLiteral("多项勾选2"));
    }

    void chooser()
    {
        const FieldChooserList empty{QString()};
        QVERIFY(empty.columns().isEmpty());

        FieldChooserList list(QStringLiteral("寄件人名称,寄件人电话"));
        list.add({QStringLiteral("寄件省"), QStringLiteral("寄件人电话"), QStringLiteral("寄件市")});
        QCOMPARE(list.columns(), (QStringList{"寄件人名称", "寄件人电话", "寄件省", "寄件市"}));
        QCOMPARE(*list.refusal(3), QStringLiteral("选择字段数量应该为3个"));
        list.remove({QStringLiteral("寄件人电话")});
        QVERIFY(!list.refusal(3).has_value());
        QCOMPARE(list.answer(), QStringLiteral("寄件人名称,寄件省,寄件市"));
        QCOMPARE(*empty.refusal(2), QStringLiteral("选择字段数量应该为2个"));
        QVERIFY(!empty.refusal(0).has_value());
    }

    void sizeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("number");
        QTest::newRow("number") << "120" << QVariant(120);
        QTest::newRow("blanks") << " 7 " << QVariant(7);
        // Refused or kept by the geometry rule, never changed here.
        QTest::newRow("zero") << "0" << QVariant(0);
        QTest::newRow("negative") << "-5" << QVariant(-5);
        QTest::newRow("too long to hold") << "99999999999999999999" << QVariant(1000000000);
        QTest::newRow("too long, negative") << "-99999999999999999999" << QVariant(-1000000000);
        QTest::newRow("empty") << "" << QVariant();
        QTest::newRow("a minus sign only") << "-" << QVariant();
        QTest::newRow("letters") << "12a" << QVariant();
    }
    void sizeText()
    {
        QFETCH(QString, text);
        QFETCH(QVariant, number);
        const std::optional<int> n = NumberFromText(text);
        QCOMPARE(n ? QVariant(*n) : QVariant(), number);
    }

    void pageOffset()
    {
        const QSize strips(50, 30);
        QCOMPARE(PageOffsetMm(QPoint(49, 34), strips), QPointF(-0.5, 2.0));
        QCOMPARE(PagePosition(QPointF(-0.5, 2.0), strips), QPoint(49, 34));
        // Halves of a pixel go to the even neighbour.
        QCOMPARE(PagePosition(QPointF(1.25, 1.75), strips), QPoint(52, 34));
    }

    void look()
    {
        const FieldLook plain = FieldLookOf(QStringLiteral("编辑器"), true, true, false);
        QCOMPARE(plain.border, QColor(255, 0, 255));
        QCOMPARE(plain.borderWidth, 1);
        QCOMPARE(plain.grip, QColor(0, 128, 128));
        QVERIFY(!plain.struckOut);
        const FieldLook selected = FieldLookOf(QStringLiteral("编辑器"), false, false, true);
        QCOMPARE(selected.border, QColor(255, 0, 0));
        QCOMPARE(selected.borderWidth, 3);
        QCOMPARE(selected.grip, QColor(128, 128, 128));
        QVERIFY(selected.struckOut);
        QVERIFY(!FieldLookOf(QStringLiteral("按钮"), true, true, false).grip.isValid());
    }
};

QTEST_MAIN(TestDesignerModel)
#include "tst_designermodel.moc"
