#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include "bindingtestserver.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelperlist.h"
#include "host/parameters/qcmaparameterint.h"
#include "tests/support/diagnosticsrecorder.h"

using namespace BindingTest;

namespace {
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
    void showsActiveAndWritesChoice_data();
    void showsActiveAndWritesChoice();
    void refillsWriteNothing();
    void wrongTypeIsReported();
};

void tst_UiHelper_Enum_ComboBox::showsActiveAndWritesChoice_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("inactive");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("chosenIndex");
    QTest::addColumn<int>("written");

    QTest::newRow("all active, first chosen")
        << 2 << QList<int>{} << QStringList{"Single", "Burst (SONET)", "Alternate", "Continuous", "Rate", "Off"}
        << 2 << 0 << 0;
    QTest::newRow("2 and 4 inactive, fourth chosen writes 5")
        << 3 << QList<int>{2, 4} << QStringList{"Single", "Burst (SONET)", "Continuous", "Off"} << 2 << 3 << 5;
    QTest::newRow("current value inactive selects nothing")
        << 4 << QList<int>{4} << QStringList{"Single", "Burst (SONET)", "Alternate", "Continuous", "Off"} << -1
        << 1 << 1;
    QTest::newRow("0 inactive, second chosen writes 2")
        << 5 << QList<int>{0} << QStringList{"Burst (SONET)", "Alternate", "Continuous", "Rate", "Off"} << 4 << 1
        << 2;
}

void tst_UiHelper_Enum_ComboBox::showsActiveAndWritesChoice()
{
    QFETCH(int, value);
    QFETCH(QList<int>, inactive);
    QFETCH(QStringList, texts);
    QFETCH(int, selected);
    QFETCH(int, chosenIndex);
    QFETCH(int, written);

    Server server;
    server.fake()->addParameter(modeParameter(value, inactive));
    Form form;
    UiHelper_Enum_ComboBox binding(server.manager(), form.combo, form.name, form.unit, form.group,
                                   nsSID::otnSid(port, modeId), UiHelper::ConnectImmediately);
    QVector<int> values;
    for (int v = 0; v <= 5; ++v) {
        if (!inactive.contains(v))
            values << v;
    }
    QCOMPARE(itemTexts(*form.combo), texts);
    QCOMPARE(binding.itemValues(), values);
    QCOMPARE(form.combo->currentIndex(), selected);
    QCOMPARE(form.name->text(), QStringLiteral("Insertion Mode"));
    QVERIFY(form.combo->isEnabled());
    QCOMPARE(server.fake()->writeRequests(), 0);

    form.combo->setCurrentIndex(chosenIndex);
    QCOMPARE(server.fake()->writeRequests(), 1);
    QCOMPARE(server.fake()->value(nsSID::otnSid(port, modeId))->getEnum(), written);
    // The binding's own parameter changes only with the server's answer.
    QCOMPARE(binding.QcmaParameter_Get()->getEnum(), value);
    QTRY_COMPARE(binding.QcmaParameter_Get()->getEnum(), written);
    QCOMPARE(form.combo->currentData().toInt(), written);
    // The written copy kept the enumerators' activity: the item list is unchanged.
    QCOMPARE(itemTexts(*form.combo), texts);
    QCOMPARE(server.fake()->writeRequests(), 1);
}

void tst_UiHelper_Enum_ComboBox::refillsWriteNothing()
{
    Server server;
    server.fake()->addParameter(modeParameter(1));
    Form form;
    UiHelperList list;
    list.AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(server.manager(), form.combo, form.name, nullptr, nullptr,
                                                              nsSID::otnSid(port, modeId),
                                                              UiHelper::ConnectImmediately));
    QSignalSpy indexChanges(form.combo, QOverload<int>::of(&QComboBox::currentIndexChanged));

    // A terminology switch renames the items and keeps the selection.
    const QStringList burst{"Burst", "Burst (SDH)", "Burst (SONET)"};
    for (int terminology : {0, 1, 2}) {
        list.ChangeTerminology(terminology);
        QCOMPARE(form.combo->itemText(1), burst.at(terminology));
        QCOMPARE(form.combo->itemText(0), QStringLiteral("Single"));
        QCOMPARE(form.combo->currentIndex(), 1);
    }
    // A new value and then a new set of active enumerators refill it too.
    server.fake()->serverChange(modeParameter(4));
    QTRY_COMPARE(form.combo->currentData().toInt(), 4);
    server.fake()->serverChange(modeParameter(4, {0, 1}));
    QTRY_COMPARE(form.combo->count(), 4);
    QCOMPARE(form.combo->currentIndex(), 2);

    QVERIFY2(!indexChanges.isEmpty(), "the refills moved the combo's index");
    QCOMPARE(server.fake()->writeRequests(), 0);
}

void tst_UiHelper_Enum_ComboBox::wrongTypeIsReported()
{
    Server server;
    server.fake()->addParameter(new QcmaParameterInt(nsSID::otnSid(port, burstId), 5, 1, 1000));
    Form form;
    form.combo->addItems({"kept"});
    DiagnosticsRecorder recorder;
    UiHelper_Enum_ComboBox binding(server.manager(), form.combo, form.name, nullptr, nullptr,
                                   nsSID::otnSid(port, burstId), UiHelper::ConnectImmediately);
    QCOMPARE(recorder.withLineNumbersMasked(),
             QStringList{QStringLiteral("ZEL_FATAL: ..\\..\\host\\bindings\\uihelper_enum_combobox: line %d: "
                                        "Incorrect qcmaparameter type=1 for UiHelper_Enum_ComboBox(sid=10d36b4)")});
    QCOMPARE(itemTexts(*form.combo), QStringList{"kept"});
    QCOMPARE(server.fake()->writeRequests(), 0);
}

QTEST_MAIN(tst_UiHelper_Enum_ComboBox)
#include "tst_uihelper_enum_combobox.moc"
