#include "helpers/FakeFieldLink.h"
#include "helpers/KeyRecordingForm.h"
#include "tav/TtavDBCurrencyEdit.h"

#include <QtTest>

namespace {

struct Fixture
{
    QStringList log;
    KeyRecordingForm form;
    QObject source;
    FakeFieldLink *link = new FakeFieldLink(log);
    TtavDBCurrencyEdit *edit = new TtavDBCurrencyEdit(std::unique_ptr<TavFieldLink>(link), &form);

    Fixture()
    {
        edit->move(10, 10);
        edit->SetDataSource(&source);
        edit->SetDataField(QStringLiteral("金额"));
        QObject::connect(edit, &TtavCustomCurrencyEdit::OnChange, edit,
                         [this] { log << QStringLiteral("change %1").arg(double(edit->Value())); });
        QVERIFY(form.showActive());
    }
    void enter()
    {
        edit->setFocus(Qt::TabFocusReason);
        QVERIFY(edit->hasFocus());
    }
};

} // namespace

class TestDBCurrencyEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsTheFieldOfAnOpenDataSet()
    {
        Fixture f;
        f.link->value = 7;
        f.link->Close();
        QCOMPARE(double(f.edit->Value()), 0.0);
        f.link->Open(12.5);
        QCOMPARE(double(f.edit->Value()), 12.5);
        QVERIFY(!f.edit->Modified());
        QVERIFY(f.log.isEmpty()); // showing a value fires no change
        f.edit->SetDataField(QStringLiteral("其他"));
        QCOMPARE(double(f.edit->Value()), 0.0);
    }

    void editModeBeforeTheFirstDigit()
    {
        Fixture f;
        f.link->Open(7);
        QVERIFY(f.edit->Model().ReadOnly());
        f.enter();
        QVERIFY(!f.edit->Model().ReadOnly());
        QTest::keyClicks(f.edit, QStringLiteral("12"));
        QCOMPARE(f.log, QStringList({"edit", "change 71", "change 712"}));
        QVERIFY(f.link->editing());
        f.link->Post();
        QCOMPARE(f.link->value, 712.0);
    }

    void readOnlyLinkRefusesTyping()
    {
        Fixture f;
        f.link->Open(7);
        f.edit->SetReadOnly(true);
        QVERIFY(f.edit->ReadOnly());
        f.enter();
        QTest::keyClicks(f.edit, QStringLiteral("1"));
        QCOMPARE(double(f.edit->Value()), 7.0);
        QVERIFY(f.log.isEmpty());
    }

    void editingElsewhereUnlocksTheControl()
    {
        Fixture f;
        f.link->Open(7);
        f.link->EditElsewhere();
        QVERIFY(!f.edit->Model().ReadOnly());
        f.link->Post();
        QVERIFY(f.edit->Model().ReadOnly());
    }

    void escapeResets()
    {
        Fixture f;
        f.link->Open(7);
        f.enter();
        QTest::keyClicks(f.edit, QStringLiteral("1"));
        QCOMPARE(double(f.edit->Value()), 71.0);
        QTest::keyClick(f.edit, Qt::Key_Escape);
        QCOMPARE(double(f.edit->Value()), 7.0);
        QVERIFY(f.form.events.isEmpty());
        f.link->Post();
        QCOMPARE(f.link->value, 7.0);
        QTest::keyClick(f.edit, Qt::Key_Escape); // not editing: the form gets it
        QCOMPARE(f.form.events, QStringList({QStringLiteral("form key %1").arg(Qt::Key_Escape)}));
    }

    void leavingWritesTheValue()
    {
        Fixture f;
        f.link->Open(7);
        f.enter();
        QTest::keyClicks(f.edit, QStringLiteral("5"));
        f.form.other->setFocus();
        QCOMPARE(f.link->value, 75.0);
        QVERIFY(f.log.contains(QStringLiteral("write 75")));
        QCOMPARE(double(f.edit->Value()), 75.0);
    }

    void failedUpdateKeepsTheFocus()
    {
        Fixture f;
        f.link->Open(7);
        f.enter();
        QTest::keyClicks(f.edit, QStringLiteral("5"));
        f.link->failWrite = true;
        bool raised = false;
        try {
            f.form.other->setFocus();
        } catch (const std::runtime_error &e) {
            raised = QString::fromUtf8(e.what()) == QStringLiteral("金额超出范围");
        }
        QVERIFY(raised);
        QCOMPARE(QApplication::focusWidget(), f.edit);
        QVERIFY(f.edit->hasFocus());
        QCOMPARE(double(f.edit->Value()), 75.0);
        // Once the value can be written, leaving works.
        f.link->failWrite = false;
        f.form.other->setFocus();
        QCOMPARE(f.link->value, 75.0);
        QVERIFY(f.form.other->hasFocus());
    }

    void freedDataSourceIsDropped()
    {
        QStringList log;
        auto *link = new FakeFieldLink(log);
        TtavDBCurrencyEdit edit{std::unique_ptr<TavFieldLink>(link)};
        auto *source = new QObject;
        edit.SetDataSource(source);
        edit.SetDataField(QStringLiteral("金额"));
        link->Open(3);
        QCOMPARE(double(edit.Value()), 3.0);
        delete source;
        QCOMPARE(edit.DataSource(), nullptr);
        QCOMPARE(double(edit.Value()), 0.0);
    }
};

QTEST_MAIN(TestDBCurrencyEdit)
#include "tst_dbcurrencyedit.moc"
