#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "bindingtestserver.h"
#include "host/bindings/uihelper_enum_pushbutton.h"
#include "host/bindings/uihelper_enum_radiobutton.h"
#include "host/parameters/qcmaparameterenum.h"

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

template<typename Button>
QList<bool> checkedStates(const QList<Button *> &buttons)
{
    QList<bool> states;
    for (const Button *b : buttons)
        states << b->isChecked();
    return states;
}

template<typename Button>
QList<bool> enabledStates(const QList<Button *> &buttons)
{
    QList<bool> states;
    for (const Button *b : buttons)
        states << b->isEnabled();
    return states;
}
} // namespace

class tst_UiHelper_Enum_Buttons : public QObject
{
    Q_OBJECT
private slots:
    void pushButtonsShowValue_data();
    void pushButtonsShowValue();
    void pushButtonPressWrites_data();
    void pushButtonPressWrites();
    void pushButtonAddedLaterFollows();
    void radioButtonsShowValue_data();
    void radioButtonsShowValue();
    void radioButtonPressWrites();
};

void tst_UiHelper_Enum_Buttons::pushButtonsShowValue_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("inactive");
    QTest::addColumn<bool>("defined");
    QTest::addColumn<QList<bool>>("checked");
    QTest::addColumn<QList<bool>>("enabled");

    const QList<bool> allOn{true, true, true, true};
    QTest::newRow("value 0") << 0 << QList<int>{} << true << QList<bool>{true, false, false, false} << allOn;
    QTest::newRow("value 3") << 3 << QList<int>{} << true << QList<bool>{false, false, false, true} << allOn;
    QTest::newRow("value without button") << 5 << QList<int>{} << true << QList<bool>{false, false, false, false}
                                          << allOn;
    QTest::newRow("inactive 1 and 2") << 0 << QList<int>{1, 2} << true << QList<bool>{true, false, false, false}
                                      << QList<bool>{true, false, false, true};
    QTest::newRow("undefined") << 2 << QList<int>{} << false << QList<bool>{false, false, false, false}
                               << QList<bool>{false, false, false, false};
}

void tst_UiHelper_Enum_Buttons::pushButtonsShowValue()
{
    QFETCH(int, value);
    QFETCH(QList<int>, inactive);
    QFETCH(bool, defined);
    QFETCH(QList<bool>, checked);
    QFETCH(QList<bool>, enabled);

    Server server;
    server.link->addParameter(modeParameter(value, inactive, defined));
    QGroupBox group;
    QList<QPushButton *> buttons;
    for (int i = 0; i < 4; ++i)
        buttons << new QPushButton(QStringLiteral("b%1").arg(i), &group);
    UiHelper_Enum_PushButton binding(server.start(), &group, buttons, sid(modeId), UiHelper::ConnectImmediately);
    QCOMPARE(checkedStates(buttons), checked);
    QCOMPARE(enabledStates(buttons), enabled);
    QCOMPARE(binding.button(2), buttons.at(2));
    QVERIFY(!binding.button(4));
}

void tst_UiHelper_Enum_Buttons::pushButtonPressWrites_data()
{
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QList<bool>>("checkedAtOnce");

    QTest::newRow("another value") << 2 << 1 << QList<bool>{false, false, true, false};
    QTest::newRow("the current value again") << 1 << 0 << QList<bool>{false, true, false, false};
}

void tst_UiHelper_Enum_Buttons::pushButtonPressWrites()
{
    QFETCH(int, pressed);
    QFETCH(int, requests);
    QFETCH(QList<bool>, checkedAtOnce);

    Server server;
    server.link->addParameter(modeParameter(1));
    QGroupBox group;
    QList<QPushButton *> buttons;
    for (int i = 0; i < 4; ++i)
        buttons << new QPushButton(&group);
    UiHelper_Enum_PushButton binding(server.start(), &group, buttons, sid(modeId), UiHelper::ConnectImmediately);
    buttons.at(pressed)->click();
    QCOMPARE(checkedStates(buttons), checkedAtOnce);
    QCOMPARE(server.link->writeRequests(), requests);
    QTRY_COMPARE(binding.QcmaParameter_Get()->getEnum(), pressed);
    QCOMPARE(checkedStates(buttons), checkedAtOnce);
}

void tst_UiHelper_Enum_Buttons::pushButtonAddedLaterFollows()
{
    Server server;
    server.link->addParameter(modeParameter(3, {4}));
    QGroupBox group;
    UiHelper_Enum_PushButton binding(server.start(), &group, sid(modeId), UiHelper::ConnectImmediately);
    auto *three = new QPushButton(&group);
    auto *four = new QPushButton(&group);
    binding.PushButtonAdd(3, three);
    binding.PushButtonAdd(4, four);
    QVERIFY(three->isChecked());
    QVERIFY(!four->isChecked());
    QVERIFY(three->isEnabled());
    QVERIFY(!four->isEnabled());

    server.link->serverChange(modeParameter(4));
    QTRY_VERIFY(four->isChecked());
    QVERIFY(!three->isChecked());
    QVERIFY(four->isEnabled());
    QCOMPARE(server.link->writeRequests(), 0);
}

void tst_UiHelper_Enum_Buttons::radioButtonsShowValue_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("inactive");
    QTest::addColumn<bool>("defined");
    QTest::addColumn<QList<bool>>("checked");
    QTest::addColumn<QList<bool>>("enabled");

    QTest::newRow("value 0") << 0 << QList<int>{} << true << QList<bool>{true, false, false} << QList<bool>{true, true, true};
    QTest::newRow("value 2") << 2 << QList<int>{} << true << QList<bool>{false, false, true} << QList<bool>{true, true, true};
    QTest::newRow("value without button clears all")
        << 4 << QList<int>{} << true << QList<bool>{false, false, false} << QList<bool>{true, true, true};
    QTest::newRow("inactive 1") << 2 << QList<int>{1} << true << QList<bool>{false, false, true}
                                << QList<bool>{true, false, true};
    QTest::newRow("undefined") << 1 << QList<int>{} << false << QList<bool>{false, false, false}
                               << QList<bool>{false, false, false};
}

void tst_UiHelper_Enum_Buttons::radioButtonsShowValue()
{
    QFETCH(int, value);
    QFETCH(QList<int>, inactive);
    QFETCH(bool, defined);
    QFETCH(QList<bool>, checked);
    QFETCH(QList<bool>, enabled);

    Server server;
    // The buttons first show another value, so that clearing them all is really tested.
    server.link->addParameter(modeParameter(0));
    QGroupBox group;
    QList<QRadioButton *> buttons;
    for (int i = 0; i < 3; ++i)
        buttons << new QRadioButton(&group);
    UiHelper_Enum_RadioButton binding(server.start(), &group, false, buttons, sid(modeId),
                                      UiHelper::ConnectImmediately);
    server.link->serverChange(modeParameter(value, inactive, defined));
    QTRY_COMPARE(server.confirmed, 1);
    QCOMPARE(binding.QcmaParameter_Get()->isDefined(), defined);
    QCOMPARE(checkedStates(buttons), checked);
    QCOMPARE(enabledStates(buttons), enabled);
    // Clearing did not cost the buttons their exclusivity.
    QVERIFY(buttons.at(0)->autoExclusive());
    QCOMPARE(server.link->writeRequests(), 0);
}

void tst_UiHelper_Enum_Buttons::radioButtonPressWrites()
{
    Server server;
    server.link->addParameter(modeParameter(0));
    QGroupBox group;
    auto *off = new QRadioButton(&group);
    auto *on = new QRadioButton(&group);
    UiHelper_Enum_RadioButton binding(server.start(), &group, true, {off, on}, sid(modeId),
                                      UiHelper::ConnectImmediately);
    on->click();
    QCOMPARE(server.link->writeRequests(), 1);
    QTRY_COMPARE(binding.QcmaParameter_Get()->getEnum(), 1);
    QVERIFY(on->isChecked());
    QVERIFY(!off->isChecked());
    QCOMPARE(server.link->writeRequests(), 1);
}

QTEST_MAIN(tst_UiHelper_Enum_Buttons)
#include "tst_uihelper_enum_buttons.moc"
