#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include "bindingtestserver.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelperlist.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameterint.h"
#include "tests/support/diagnosticsrecorder.h"

using namespace BindingTest;

namespace {
QcmaParameterEnum *modeParameter(int value, const QList<int> &inactive = {}, bool defined = true)
{
    auto *p = new QcmaParameterEnum(sid(modeId), value, 0, 5);
    for (int v : inactive)
        p->setEnumActive(v, false);
    p->setDefined(defined);
    return p;
}

QStringList itemTexts(const QComboBox &combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    return texts;
}

// The form a page gives the binding.
struct Form {
    QWidget page;
    QComboBox *combo = new QComboBox(&page);
    QLabel *name = new QLabel(&page);
    QLabel *unit = new QLabel(&page);
    QGroupBox *group = new QGroupBox(&page);
};
} // namespace

class tst_UiHelper_Enum_ComboBox : public QObject
{
    Q_OBJECT
private slots:
    void fillsActiveEnumerators_data();
    void fillsActiveEnumerators();
    void choiceWritesCopyAndFollowsConfirmation_data();
    void choiceWritesCopyAndFollowsConfirmation();
    void refillWritesNothing();
    void terminologyRefillsTexts_data();
    void terminologyRefillsTexts();
    void undefinedLeavesComboDisabled();
    void wrongTypeIsReported();
};

void tst_UiHelper_Enum_ComboBox::fillsActiveEnumerators_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("inactive");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QVector<int>>("values");
    QTest::addColumn<int>("selected");

    QTest::newRow("all active") << 2 << QList<int>{}
                                << QStringList{"Single", "Burst (SONET)", "Alternate", "Continuous", "Rate", "Off"}
                                << QVector<int>{0, 1, 2, 3, 4, 5} << 2;
    QTest::newRow("2 and 4 inactive, value 3")
        << 3 << QList<int>{2, 4} << QStringList{"Single", "Burst (SONET)", "Continuous", "Off"}
        << QVector<int>{0, 1, 3, 5} << 2;
    QTest::newRow("current value inactive selects nothing")
        << 4 << QList<int>{4} << QStringList{"Single", "Burst (SONET)", "Alternate", "Continuous", "Off"}
        << QVector<int>{0, 1, 2, 3, 5} << -1;
    QTest::newRow("last value") << 5 << QList<int>{0} << QStringList{"Burst (SONET)", "Alternate", "Continuous", "Rate", "Off"}
                                << QVector<int>{1, 2, 3, 4, 5} << 4;
}

void tst_UiHelper_Enum_ComboBox::fillsActiveEnumerators()
{
    QFETCH(int, value);
    QFETCH(QList<int>, inactive);
    QFETCH(QStringList, texts);
    QFETCH(QVector<int>, values);
    QFETCH(int, selected);

    Server server;
    server.link->addParameter(modeParameter(value, inactive));
    Form form;
    UiHelper_Enum_ComboBox binding(server.start(), form.combo, form.name, form.unit, form.group, sid(modeId),
                                   UiHelper::ConnectImmediately);
    QCOMPARE(itemTexts(*form.combo), texts);
    QCOMPARE(binding.itemValues(), values);
    QCOMPARE(form.combo->currentIndex(), selected);
    QCOMPARE(form.name->text(), QStringLiteral("Insertion Mode"));
    QVERIFY(form.combo->isEnabled());
    QCOMPARE(server.link->writeRequests(), 0);
}

void tst_UiHelper_Enum_ComboBox::choiceWritesCopyAndFollowsConfirmation_data()
{
    QTest::addColumn<QList<int>>("inactive");
    QTest::addColumn<int>("chosenIndex");
    QTest::addColumn<int>("written");

    QTest::newRow("fourth of 0,1,3,5 writes 5") << QList<int>{2, 4} << 3 << 5;
    QTest::newRow("first writes 0") << QList<int>{} << 0 << 0;
    QTest::newRow("second of 1..5 writes 2") << QList<int>{0} << 1 << 2;
}

void tst_UiHelper_Enum_ComboBox::choiceWritesCopyAndFollowsConfirmation()
{
    QFETCH(QList<int>, inactive);
    QFETCH(int, chosenIndex);
    QFETCH(int, written);

    Server server;
    server.link->addParameter(modeParameter(3, inactive));
    Form form;
    UiHelper_Enum_ComboBox binding(server.start(), form.combo, form.name, nullptr, nullptr, sid(modeId),
                                   UiHelper::ConnectImmediately);
    form.combo->setCurrentIndex(chosenIndex);

    QCOMPARE(server.link->writeRequests(), 1);
    QCOMPARE(server.link->value(sid(modeId))->getEnum(), written);
    // The binding's own parameter changes only with the server's answer.
    QCOMPARE(binding.QcmaParameter_Get()->getEnum(), 3);
    QTRY_COMPARE(binding.QcmaParameter_Get()->getEnum(), written);
    QCOMPARE(form.combo->currentData().toInt(), written);
    // The copy kept the enumerators' activity: the item list is unchanged.
    QCOMPARE(form.combo->count(), 6 - inactive.size());
    QCOMPARE(server.link->writeRequests(), 1);
}

void tst_UiHelper_Enum_ComboBox::refillWritesNothing()
{
    Server server;
    server.link->addParameter(modeParameter(1));
    Form form;
    UiHelper_Enum_ComboBox binding(server.start(), form.combo, form.name, nullptr, nullptr, sid(modeId),
                                   UiHelper::ConnectImmediately);
    QSignalSpy indexChanges(form.combo, QOverload<int>::of(&QComboBox::currentIndexChanged));

    // A new value and then a new set of active enumerators: both refill the combo.
    server.link->serverChange(modeParameter(4));
    QTRY_COMPARE(form.combo->currentData().toInt(), 4);
    server.link->serverChange(modeParameter(4, {0, 1}));
    QTRY_COMPARE(form.combo->count(), 4);
    QCOMPARE(form.combo->currentIndex(), 2);
    binding.ChangeTerminology(1);

    QVERIFY2(!indexChanges.isEmpty(), "the refills moved the combo's index");
    QCOMPARE(server.link->writeRequests(), 0);
}

void tst_UiHelper_Enum_ComboBox::terminologyRefillsTexts_data()
{
    QTest::addColumn<int>("terminology");
    QTest::addColumn<QString>("text");

    QTest::newRow("neutral") << 0 << "Burst";
    QTest::newRow("SDH") << 1 << "Burst (SDH)";
    QTest::newRow("SONET") << 2 << "Burst (SONET)";
}

void tst_UiHelper_Enum_ComboBox::terminologyRefillsTexts()
{
    QFETCH(int, terminology);
    QFETCH(QString, text);

    Server server;
    server.link->addParameter(modeParameter(1));
    Form form;
    UiHelperList list;
    list.AddUiHelper(new UiHelper_Enum_ComboBox(server.start(), form.combo, form.name, nullptr, nullptr,
                                                sid(modeId), UiHelper::ConnectImmediately));
    list.ChangeTerminology(terminology);
    QCOMPARE(form.combo->itemText(1), text);
    QCOMPARE(form.combo->itemText(0), QStringLiteral("Single"));
    QCOMPARE(form.combo->currentIndex(), 1);
    QCOMPARE(server.link->writeRequests(), 0);
}

void tst_UiHelper_Enum_ComboBox::undefinedLeavesComboDisabled()
{
    Server server;
    server.link->addParameter(modeParameter(2, {}, false));
    Form form;
    UiHelper_Enum_ComboBox binding(server.start(), form.combo, form.name, form.unit, form.group, sid(modeId),
                                   UiHelper::ConnectImmediately);
    QVERIFY(!form.combo->isEnabled());
    QVERIFY(!form.name->isEnabled());
    QVERIFY(!form.group->isEnabled());
    QCOMPARE(form.combo->currentIndex(), -1);

    server.link->serverChange(modeParameter(2));
    QTRY_VERIFY(form.combo->isEnabled());
    QVERIFY(form.name->isEnabled());
    QCOMPARE(form.combo->currentIndex(), 2);
}

void tst_UiHelper_Enum_ComboBox::wrongTypeIsReported()
{
    Server server;
    server.link->addParameter(new QcmaParameterInt(sid(burstId), 5, 1, 1000));
    Form form;
    form.combo->addItems({"kept"});
    DiagnosticsRecorder recorder;
    UiHelper_Enum_ComboBox binding(server.start(), form.combo, form.name, nullptr, nullptr, sid(burstId),
                                   UiHelper::ConnectImmediately);
    QCOMPARE(recorder.withLineNumbersMasked(),
             QStringList{QStringLiteral("ZEL_FATAL: ..\\..\\host\\bindings\\uihelper_enum_combobox: line %d: "
                                        "Incorrect qcmaparameter type=1 for UiHelper_Enum_ComboBox(sid=10d36b4)")});
    QCOMPARE(itemTexts(*form.combo), QStringList{"kept"});
    QCOMPARE(server.link->writeRequests(), 0);
}

QTEST_MAIN(tst_UiHelper_Enum_ComboBox)
#include "tst_uihelper_enum_combobox.moc"
