#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

#include "bindingtestserver.h"
#include "host/bindings/uihelper_enum_pushbutton.h"
#include "host/bindings/uihelper_enum_radiobutton.h"

using namespace BindingTest;

namespace {
// Four push or radio buttons, button i for value i, bound to the mode parameter.
struct Buttons {
    Buttons(zelServerManager *manager, bool radio)
    {
        QList<QPushButton *> push;
        QList<QRadioButton *> radios;
        for (int i = 0; i < 4; ++i) {
            if (radio)
                radios << new QRadioButton(&group);
            else
                push << new QPushButton(&group);
        }
        all = group.findChildren<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
        if (radio)
            binding.reset(new UiHelper_Enum_RadioButton(manager, &group, false, radios, nsSID::otnSid(port, modeId),
                                                        UiHelper::ConnectImmediately));
        else
            binding.reset(new UiHelper_Enum_PushButton(manager, &group, push, nsSID::otnSid(port, modeId),
                                                       UiHelper::ConnectImmediately));
    }
    // One digit per button: 1 where the state holds.
    QString states(bool (QAbstractButton::*state)() const) const
    {
        QString digits;
        for (const QAbstractButton *b : all)
            digits += (b->*state)() ? QLatin1Char('1') : QLatin1Char('0');
        return digits;
    }
    QString checked() const { return states(&QAbstractButton::isChecked); }
    QString enabled() const { return states(&QWidget::isEnabled); }

    QGroupBox group;
    QList<QAbstractButton *> all;
    std::unique_ptr<UiHelper> binding;
};
} // namespace

class tst_UiHelper_Enum_Buttons : public QObject
{
    Q_OBJECT
private slots:
    void showsValue_data();
    void showsValue();
    void pressWrites_data();
    void pressWrites();
};

void tst_UiHelper_Enum_Buttons::showsValue_data()
{
    QTest::addColumn<bool>("radio");
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("inactive");
    QTest::addColumn<bool>("defined");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("enabled");

    for (bool radio : {false, true}) {
        const char *kind = radio ? "radio" : "push";
        QTest::addRow("%s, value 3", kind) << radio << 3 << QList<int>{} << true << "0001" << "1111";
        QTest::addRow("%s, value without button clears all", kind)
            << radio << 5 << QList<int>{} << true << "0000" << "1111";
        QTest::addRow("%s, 1 and 2 inactive", kind) << radio << 0 << QList<int>{1, 2} << true << "1000" << "1001";
        QTest::addRow("%s, undefined", kind) << radio << 2 << QList<int>{} << false << "0000" << "0000";
    }
}

void tst_UiHelper_Enum_Buttons::showsValue()
{
    QFETCH(bool, radio);
    QFETCH(int, value);
    QFETCH(QList<int>, inactive);
    QFETCH(bool, defined);
    QFETCH(QString, checked);
    QFETCH(QString, enabled);

    Server server;
    server.fake()->addParameter(modeParameter(0));
    Buttons buttons(server.manager(), radio);
    QCOMPARE(buttons.checked(), QStringLiteral("1000"));

    // The buttons showed another value first, so that clearing them all is really tested.
    server.fake()->serverChange(modeParameter(value, inactive, defined));
    QVERIFY(server.settle());
    QCOMPARE(buttons.binding->QcmaParameter_Get()->isDefined(), defined);
    QCOMPARE(buttons.checked(), checked);
    QCOMPARE(buttons.enabled(), enabled);
    // Clearing did not cost radio buttons their exclusivity.
    QVERIFY(!radio || buttons.all.at(0)->autoExclusive());
    QCOMPARE(server.fake()->writeRequests(), 0);
}

void tst_UiHelper_Enum_Buttons::pressWrites_data()
{
    QTest::addColumn<bool>("radio");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("requests");

    QTest::newRow("push, another value") << false << 2 << 1;
    QTest::newRow("push, the current value again") << false << 1 << 0;
    QTest::newRow("radio, another value") << true << 3 << 1;
}

void tst_UiHelper_Enum_Buttons::pressWrites()
{
    QFETCH(bool, radio);
    QFETCH(int, pressed);
    QFETCH(int, requests);

    Server server;
    server.fake()->addParameter(modeParameter(1));
    Buttons buttons(server.manager(), radio);
    buttons.all.at(pressed)->click();
    QString expected(4, QLatin1Char('0'));
    expected[pressed] = QLatin1Char('1');
    QCOMPARE(buttons.checked(), expected);
    QCOMPARE(server.fake()->writeRequests(), requests);
    QTRY_COMPARE(buttons.binding->QcmaParameter_Get()->getEnum(), pressed);
    QCOMPARE(buttons.checked(), expected);
    QCOMPARE(server.fake()->writeRequests(), requests);
}

QTEST_MAIN(tst_UiHelper_Enum_Buttons)
#include "tst_uihelper_enum_buttons.moc"
