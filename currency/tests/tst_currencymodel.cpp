#include "tav/TavCellContent.h"
#include "tav/TavCellGeometry.h"
#include "tav/TavCurrencyEditModel.h"

#include <QtTest>

namespace {

const QString Yuan = QStringLiteral("\uFFE5");

// One character per cell: '_' empty, '$' the symbol, else the cell's text.
QString Picture(const TavCellContent &content)
{
    QString picture;
    for (int cell = 0; cell < content.Cells.size(); ++cell) {
        if (cell == content.SymbolCell)
            picture += u'$';
        else
            picture += content.Cells.at(cell).isEmpty() ? QStringLiteral("_") : content.Cells.at(cell);
    }
    return picture;
}

TavCurrencyStyle Cells(int n, int d, const QString &symbol)
{
    TavCurrencyStyle style;
    style.DigitalNumber = n;
    style.DecimalNumber = d;
    style.CurrencySymbol = symbol;
    return style;
}

// Keys of a script: digits are typed; B Backspace, D Delete, X Ctrl+Delete, + - . the plus,
// minus and decimal keys, L R plain arrows, l r Ctrl+arrows, H Home, E End.
TavCurrencyEditModel::KeyResult Press(TavCurrencyEditModel &model, QChar c)
{
    using R = TavCurrencyEditModel::KeyResult;
    if (c.isDigit())
        return model.TypeDigit(c) ? R::Consumed : R::Ignored;
    static const QHash<QChar, std::pair<TavEditKey, Qt::KeyboardModifiers>> keys = {
        {u'B', {TavEditKey::Backspace, Qt::NoModifier}}, {u'D', {TavEditKey::Delete, Qt::NoModifier}},
        {u'X', {TavEditKey::Delete, Qt::ControlModifier}}, {u'+', {TavEditKey::Plus, Qt::NoModifier}},
        {u'-', {TavEditKey::Minus, Qt::NoModifier}}, {u'.', {TavEditKey::Decimal, Qt::NoModifier}},
        {u'L', {TavEditKey::Left, Qt::NoModifier}}, {u'R', {TavEditKey::Right, Qt::NoModifier}},
        {u'l', {TavEditKey::Left, Qt::ControlModifier}}, {u'r', {TavEditKey::Right, Qt::ControlModifier}},
        {u'H', {TavEditKey::Home, Qt::NoModifier}}, {u'E', {TavEditKey::End, Qt::NoModifier}},
        {u'U', {TavEditKey::Up, Qt::NoModifier}}, {u'W', {TavEditKey::Down, Qt::NoModifier}},
    };
    const auto key = keys.value(c);
    return model.Key(key.first, key.second);
}

} // namespace

class TestCurrencyModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellContent_data()
    {
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<bool>("aligned");
        QTest::addColumn<bool>("showSign");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("blankZero");
        QTest::addColumn<QString>("picture");
        QTest::newRow("zero left empty, symbol too") << 10 << 2 << Yuan << false << true << 0.0 << true << "__________";
        QTest::newRow("zero shown when focused") << 10 << 2 << Yuan << false << true << 0.0 << false << "______$000";
        QTest::newRow("symbol in the lead cell") << 10 << 2 << Yuan << false << true << 123.45 << true << "____$12345";
        QTest::newRow("symbol aligned left") << 10 << 2 << Yuan << true << true << 123.45 << true << "$____12345";
        QTest::newRow("digits fill all but the first") << 10 << 2 << Yuan << false << true << 1234567.89 << true
                                                       << "$123456789";
        QTest::newRow("no room for symbol: asterisks") << 10 << 2 << Yuan << false << true << 12345678.90 << true
                                                       << "$*********";
        QTest::newRow("negative with sign") << 10 << 2 << Yuan << false << true << -5.0 << true << "_____$-500";
        QTest::newRow("negative without sign") << 10 << 2 << Yuan << false << false << -5.0 << true << "______$500";
        QTest::newRow("sign needs the last cell") << 10 << 2 << Yuan << false << true << -1234567.0 << true
                                                  << "$*********";
        QTest::newRow("no symbol, every cell used") << 10 << 2 << "" << false << true << 12345678.90 << true
                                                    << "1234567890";
        QTest::newRow("no symbol, too wide") << 10 << 2 << "" << false << true << 123456789.99 << true << "**********";
        QTest::newRow("no decimals") << 5 << 0 << Yuan << false << true << 12.0 << true << "__$12";
        QTest::newRow("no decimals, too wide for the symbol") << 5 << 0 << Yuan << false << true << 12345.0 << true
                                                              << "$****";
        QTest::newRow("no decimals, no symbol, too wide") << 5 << 0 << "" << false << true << 123456.0 << true
                                                          << "*****";
        QTest::newRow("half fen to even: down") << 10 << 2 << Yuan << false << true << 0.125 << true << "______$012";
        QTest::newRow("half fen to even: up") << 10 << 2 << Yuan << false << true << 0.375 << true << "______$038";
        QTest::newRow("half yuan to even, no decimals") << 5 << 0 << Yuan << false << true << 12.5 << true << "__$12";
        QTest::newRow("rounding adds a digit") << 10 << 2 << Yuan << false << true << 99.999 << true << "____$10000";
    }

    void cellContent()
    {
        QFETCH(int, cells);
        QFETCH(int, decimals);
        QFETCH(QString, symbol);
        QFETCH(bool, aligned);
        QFETCH(bool, showSign);
        QFETCH(double, value);
        QFETCH(bool, blankZero);
        QFETCH(QString, picture);
        TavCurrencyStyle style = Cells(cells, decimals, symbol);
        style.CurrencySymbolAligned = aligned;
        style.ShowNegativeSign = showSign;
        const auto content = TavCellContent::ForAmount(style, std::fabs(value), value < 0 ? -1 : 1, blankZero);
        QCOMPARE(Picture(content), picture);
    }

    void placeNames_data()
    {
        const QStringList places = {"元", "十", "百", "千", "万", "十", "百", "千", "亿", "十", "百", "千", "万"};
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QStringList>("digital");
        QTest::addColumn<QString>("picture");
        QTest::newRow("more cells than names") << 17 << 2 << places << "__万千百十亿千百十万千百十元角分";
        QTest::newRow("no decimals") << 10 << 0 << places << "十亿千百十万千百十元";
        QTest::newRow("one blank name") << 4 << 0 << QStringList{""} << "____";
    }

    void placeNames()
    {
        QFETCH(int, cells);
        QFETCH(int, decimals);
        QFETCH(QStringList, digital);
        QFETCH(QString, picture);
        const auto content = TavCellContent::ForPlaceNames(cells, decimals, digital, {"角", "分"});
        QCOMPARE(Picture(content), picture);
    }

    void keys_data()
    {
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursorAfter");
        // 10 cells, 2 decimals: units cell 7, first decimal 8.
        QTest::newRow("type on zero at units") << 10 << 2 << 0.0 << 7 << 18 << "123" << "123.00" << 7;
        QTest::newRow("type on first decimal") << 10 << 2 << 1.23 << 8 << 18 << "5" << "1.52" << 9;
        QTest::newRow("type on last decimal") << 10 << 2 << 1.23 << 9 << 18 << "7" << "1.27" << 9;
        QTest::newRow("type left of the digits") << 10 << 2 << 12.0 << 2 << 18 << "9" << "912.00" << 2;
        QTest::newRow("integer digits at the limit") << 10 << 2 << 123.0 << 7 << 3 << "4" << "123.00" << 7;
        QTest::newRow("limit holds in the decimals") << 10 << 2 << 123.0 << 8 << 3 << "4" << "123.00" << 8;
        QTest::newRow("typing keeps the sign") << 10 << 2 << -5.0 << 7 << 18 << "3" << "-53.00" << 7;
        QTest::newRow("backspace right of first digit") << 10 << 2 << 123.45 << 7 << 18 << "B" << "13.45" << 7;
        QTest::newRow("backspace on first digit") << 10 << 2 << 123.45 << 5 << 18 << "B" << "23.45" << 6;
        QTest::newRow("backspace on the only digit") << 10 << 2 << 5.0 << 7 << 18 << "B" << "0.00" << 7;
        QTest::newRow("backspace left of the digits") << 10 << 2 << 123.45 << 3 << 18 << "B" << "123.45" << 4;
        QTest::newRow("backspace on first decimal") << 10 << 2 << 1.23 << 8 << 18 << "B" << "1.30" << 8;
        QTest::newRow("backspace on last decimal") << 10 << 2 << 1.23 << 9 << 18 << "B" << "1.30" << 8;
        QTest::newRow("delete in the integer part") << 10 << 2 << 123.45 << 6 << 18 << "D" << "13.45" << 7;
        QTest::newRow("delete on units") << 10 << 2 << 123.45 << 7 << 18 << "D" << "12.45" << 7;
        QTest::newRow("delete left of the digits") << 10 << 2 << 123.45 << 2 << 18 << "D" << "123.45" << 3;
        QTest::newRow("delete a decimal") << 10 << 2 << 1.23 << 8 << 18 << "D" << "1.30" << 8;
        QTest::newRow("ctrl+delete clears") << 10 << 2 << 123.45 << 9 << 18 << "X" << "0.00" << 7;
        QTest::newRow("minus on zero stays positive") << 10 << 2 << 0.0 << 7 << 18 << "-" << "0.00" << 7;
        QTest::newRow("minus negates") << 10 << 2 << 5.0 << 7 << 18 << "-" << "-5.00" << 7;
        QTest::newRow("plus on negative") << 10 << 2 << -5.0 << 7 << 18 << "+" << "5.00" << 7;
        QTest::newRow("plus on positive") << 10 << 2 << 5.0 << 7 << 18 << "+" << "5.00" << 7;
        QTest::newRow("decimal key to first decimal") << 10 << 2 << 5.0 << 3 << 18 << "." << "5.00" << 8;
        QTest::newRow("decimal key back to units") << 10 << 2 << 5.0 << 9 << 18 << "." << "5.00" << 7;
        QTest::newRow("home and end") << 10 << 2 << 123.45 << 7 << 18 << "H" << "123.45" << 4;
        QTest::newRow("end") << 10 << 2 << 123.45 << 2 << 18 << "E" << "123.45" << 9;
        QTest::newRow("home with text wider than the cells") << 10 << 2 << 123456789.0 << 7 << 18 << "H"
                                                             << "123456789.00" << 0;
        QTest::newRow("arrows") << 10 << 2 << 123.45 << 7 << 18 << "LLR" << "123.45" << 6;
        QTest::newRow("ctrl+left by thousands") << 10 << 2 << 1234567.89 << 7 << 18 << "l" << "1234567.89" << 4;
        QTest::newRow("ctrl+left to lead cell") << 10 << 2 << 1234567.89 << 7 << 18 << "lll" << "1234567.89" << 0;
        QTest::newRow("ctrl+left stops at the lead cell") << 10 << 2 << 123.45 << 7 << 18 << "ll" << "123.45" << 4;
        QTest::newRow("ctrl+left from decimals") << 10 << 2 << 1.0 << 9 << 18 << "l" << "1.00" << 8;
        QTest::newRow("ctrl+left from first decimal") << 10 << 2 << 1.0 << 8 << 18 << "l" << "1.00" << 7;
        QTest::newRow("ctrl+right by groups") << 10 << 2 << 123456.0 << 2 << 18 << "r" << "123456.00" << 4;
        QTest::newRow("ctrl+right through to the end") << 10 << 2 << 123456.0 << 2 << 18 << "rrrr" << "123456.00" << 9;
        QTest::newRow("ctrl+right mid group") << 10 << 2 << 123456.0 << 5 << 18 << "r" << "123456.00" << 7;
        // 5 cells, no decimals: units cell 4 is the last.
        QTest::newRow("no decimals: typing") << 5 << 0 << 0.0 << 4 << 18 << "12" << "12" << 4;
        QTest::newRow("no decimals: backspace") << 5 << 0 << 12.0 << 4 << 18 << "B" << "2" << 4;
        QTest::newRow("no decimals: decimal key ignored") << 5 << 0 << 12.0 << 2 << 18 << "." << "12" << 2;
        // 18 digits stay exact.
        QTest::newRow("widest box") << 18 << 2 << 0.0 << 15 << 18 << "1234567890123456" << "1234567890123456.00" << 15;
    }

    void keys()
    {
        QFETCH(int, cells);
        QFETCH(int, decimals);
        QFETCH(double, value);
        QFETCH(int, cursor);
        QFETCH(int, maxLength);
        QFETCH(QString, script);
        QFETCH(QString, text);
        QFETCH(int, cursorAfter);
        TavCurrencyEditModel model;
        QVERIFY(model.SetDecimalNumber(0));
        QVERIFY(model.SetDigitalNumber(cells));
        QVERIFY(model.SetDecimalNumber(decimals));
        QVERIFY(model.SetMaxLength(maxLength));
        model.SetValue(value);
        model.SetCursor(cursor);
        for (QChar c : script)
            Press(model, c);
        QCOMPARE(TavCellContent::Format(model.Value(), decimals), text);
        QCOMPARE(model.Cursor(), cursorAfter);
    }

    void readOnlyRefusesChanges()
    {
        TavCurrencyEditModel model;
        model.SetValue(-12.5);
        model.SetReadOnly(true);
        int changes = 0;
        model.ChangeHook = [&] { ++changes; };
        for (QChar c : QStringLiteral("1BDX+-"))
            Press(model, c);
        QCOMPARE(double(model.Value()), -12.5);
        QCOMPARE(changes, 0);
        QCOMPARE(Press(model, u'.'), TavCurrencyEditModel::KeyResult::Consumed);
        QCOMPARE(model.Cursor(), 8);
    }

    void moveOut_data()
    {
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QChar>("key");
        QTest::addColumn<bool>("movesOut");
        QTest::addColumn<int>("cursorAfter");
        // 123.45 in 10 cells: blank lead cell 4, last cell 9.
        QTest::newRow("left on the lead cell") << 4 << QChar(u'L') << true << 4;
        QTest::newRow("ctrl+left on the lead cell") << 4 << QChar(u'l') << true << 4;
        QTest::newRow("left on a digit") << 5 << QChar(u'L') << false << 4;
        QTest::newRow("right on the last cell") << 9 << QChar(u'R') << true << 9;
        QTest::newRow("ctrl+right on the last cell") << 9 << QChar(u'r') << true << 9;
        QTest::newRow("up") << 6 << QChar(u'U') << true << 6;
        QTest::newRow("down") << 6 << QChar(u'W') << true << 6;
    }

    void moveOut()
    {
        QFETCH(int, cursor);
        QFETCH(QChar, key);
        QFETCH(bool, movesOut);
        QFETCH(int, cursorAfter);
        TavCurrencyEditModel model;
        model.SetValue(123.45);
        model.SetCursor(cursor);
        QCOMPARE(Press(model, key) == TavCurrencyEditModel::KeyResult::MoveOut, movesOut);
        QCOMPARE(model.Cursor(), cursorAfter);
    }

    void beforeChangeOncePerRun()
    {
        TavCurrencyEditModel model;
        QStringList calls;
        model.BeforeChangeHook = [&] { calls << QStringLiteral("before %1").arg(double(model.Value())); };
        model.ChangeHook = [&] { calls << QStringLiteral("change %1").arg(double(model.Value())); };
        model.SetValue(1);
        QVERIFY(calls.isEmpty());
        Press(model, u'2');
        Press(model, u'3');
        QVERIFY(model.Modified());
        QCOMPARE(calls, QStringList({"before 1", "change 12", "change 123"}));
        calls.clear();
        model.SetValue(5);
        QVERIFY(!model.Modified());
        Press(model, u'B');
        QCOMPARE(calls, QStringList({"before 5", "change 0"}));
        model.UnDo();
        QCOMPARE(double(model.Value()), 5.0);
        QVERIFY(!model.Modified());
    }

    void beforeChangeVetoStopsTheDigit()
    {
        TavCurrencyEditModel model;
        model.SetValue(7);
        model.BeforeChangeHook = [] { throw std::runtime_error("refused"); };
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, model.TypeDigit(u'1'));
        QCOMPARE(double(model.Value()), 7.0);
        QVERIFY(!model.Modified());
    }

    void valueFromOutside()
    {
        TavCurrencyEditModel model;
        model.SetValue(-0.0);
        QCOMPARE(model.Sign(), 1);
        model.SetValue(123.45);
        model.SetCursor(2);
        model.SetValue(1.0); // cursor stood left of the new lead cell
        QCOMPARE(model.Cursor(), 7);
        model.SetValue(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(double(model.Value()), 1.0);
    }

    void setterRanges_data()
    {
        QTest::addColumn<QString>("setter");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("taken");
        QTest::newRow("decimals 0") << "decimals" << 0 << true;
        QTest::newRow("decimals N-1") << "decimals" << 9 << true;
        QTest::newRow("decimals N") << "decimals" << 10 << false;
        QTest::newRow("decimals negative") << "decimals" << -1 << false;
        QTest::newRow("cells 18") << "cells" << 18 << true;
        QTest::newRow("cells 19") << "cells" << 19 << false;
        QTest::newRow("cells D") << "cells" << 2 << false;
        QTest::newRow("cells D+1") << "cells" << 3 << true;
        QTest::newRow("max length 0") << "max" << 0 << true;
        QTest::newRow("max length 19") << "max" << 19 << false;
    }

    void setterRanges()
    {
        QFETCH(QString, setter);
        QFETCH(int, value);
        QFETCH(bool, taken);
        TavCurrencyEditModel model;
        const bool result = setter == "decimals" ? model.SetDecimalNumber(value)
                            : setter == "cells"  ? model.SetDigitalNumber(value)
                                                 : model.SetMaxLength(value);
        QCOMPARE(result, taken);
        const int now = setter == "decimals" ? model.Style().DecimalNumber
                        : setter == "cells"  ? model.Style().DigitalNumber
                                             : model.MaxLength();
        const int before = setter == "decimals" ? 2 : setter == "cells" ? 10 : 18;
        QCOMPARE(now, taken ? value : before);
    }

    void cellsAtClick_data()
    {
        // 105 pixels, 10 cells, 1-pixel lines: cells of 9, a 6-pixel strip at the left.
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("cell");
        QTest::newRow("offset strip") << 5 << -1;
        QTest::newRow("first column") << 6 << 0;
        QTest::newRow("end of first column") << 14 << 0;
        QTest::newRow("grid line") << 15 << -1;
        QTest::newRow("second column") << 16 << 1;
        QTest::newRow("last column") << 104 << 9;
        QTest::newRow("outside") << 105 << -1;
    }

    void cellsAtClick()
    {
        QFETCH(int, x);
        QFETCH(int, cell);
        const auto geometry = TavCellGeometry::Automatic(105, 10, 1);
        QCOMPARE(geometry.CellWidth(), 9);
        QCOMPARE(geometry.LeftOffset(), 6);
        QCOMPARE(geometry.CellAt(x), cell);
    }

    void clicks_data()
    {
        QTest::addColumn<bool>("focusing");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("cursorAfter");
        // 123.45: first digit cell 5, blank lead cell 4; the cursor starts on cell 9.
        QTest::newRow("focusing click left of the digits") << true << 2 << 5;
        QTest::newRow("focusing click on a digit") << true << 6 << 6;
        QTest::newRow("focusing click on a line") << true << -1 << 7;
        QTest::newRow("click left of the digits") << false << 2 << 4;
        QTest::newRow("click on a decimal") << false << 8 << 8;
        QTest::newRow("click on a line") << false << -1 << 9;
    }

    void clicks()
    {
        QFETCH(bool, focusing);
        QFETCH(int, cell);
        QFETCH(int, cursorAfter);
        TavCurrencyEditModel model;
        model.SetValue(123.45);
        model.SetCursor(9);
        model.Click(cell, focusing);
        QCOMPARE(model.Cursor(), cursorAfter);
    }

    void keyMapping_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("mapped");
        const int keypad = Qt::KeypadModifier;
        QTest::newRow("shift and =") << int(Qt::Key_Equal) << int(Qt::ShiftModifier) << int(TavEditKey::Plus);
        QTest::newRow("= alone") << int(Qt::Key_Equal) << 0 << int(TavEditKey::Other);
        QTest::newRow("keypad plus") << int(Qt::Key_Plus) << keypad << int(TavEditKey::Plus);
        QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << int(TavEditKey::Minus);
        QTest::newRow("ctrl and minus") << int(Qt::Key_Minus) << int(Qt::ControlModifier) << int(TavEditKey::Other);
        QTest::newRow("keypad minus with ctrl") << int(Qt::Key_Minus) << int(keypad | Qt::ControlModifier)
                                                << int(TavEditKey::Minus);
        QTest::newRow("point") << int(Qt::Key_Period) << 0 << int(TavEditKey::Decimal);
        QTest::newRow("shift and point") << int(Qt::Key_Period) << int(Qt::ShiftModifier) << int(TavEditKey::Other);
        QTest::newRow("keypad point") << int(Qt::Key_Period) << keypad << int(TavEditKey::Decimal);
        QTest::newRow("keypad left") << int(Qt::Key_Left) << keypad << int(TavEditKey::Left);
    }

    void keyMapping()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, mapped);
        QCOMPARE(int(TavEditKeyFromQt(key, Qt::KeyboardModifiers(modifiers))), mapped);
    }

    void storedColourValues()
    {
        QCOMPARE(TavColor(255), QColor(255, 0, 0));
        QCOMPARE(TavColor(16711680), QColor(0, 0, 255));
        QCOMPARE(TavColor(65535), QColor(255, 255, 0));
        QCOMPARE(TavColor(12632256), QColor(192, 192, 192));
    }
};

QTEST_GUILESS_MAIN(TestCurrencyModel)
#include "tst_currencymodel.moc"
