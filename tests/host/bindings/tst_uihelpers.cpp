#include <QBitArray>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>
#include <memory>

#include "bindingtestserver.h"
#include "host/bindings/statusjudge.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_enum_pushbutton.h"
#include "host/bindings/uihelper_enum_radiobutton.h"
#include "host/bindings/uihelper_label.h"
#include "host/bindings/uihelper_multilane.h"
#include "host/bindings/uihelper_number.h"
#include "host/bindings/uihelper_pushbutton.h"
#include "host/bindings/uihelper_status.h"
#include "host/bindings/uihelperlist.h"
#include "host/pages/uihelperdialog.h"
#include "host/parameters/qcmaparameterbitarray.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameterint.h"
#include "host/parameters/qcmaparametermap.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/multilanewidget.h"
#include "host/widgets/portstatusitem.h"
#include "host/widgets/qzelnumpaddlg.h"
#include "tests/support/bitpattern.h"
#include "tests/support/diagnosticsrecorder.h"

Q_DECLARE_METATYPE(QcmaParameter *)

using namespace BindingTest;

namespace {
// The parameter a kind of binding is bound to, holding value (an enumerator, a number or a lane pattern).
QcmaParameter *parameterFor(const QString &kind, const QString &value, bool defined = true)
{
    QcmaParameter *p = nullptr;
    if (kind == QLatin1String("number") || kind == QLatin1String("label"))
        p = new QcmaParameterInt(nsSID::otnSid(port, burstId), value.toInt(), 1, 1000);
    else if (kind == QLatin1String("multilane"))
        p = new QcmaParameterBitArray(nsSID::otnSid(port, lanesId), bitsOf(value));
    else if (kind == QLatin1String("status"))
        p = new QcmaParameterEnum(nsSID::otnSid(port, alarmId), value.toInt(), 0, 2);
    else
        return modeParameter(value.toInt(), {}, defined);
    p->setDefined(defined);
    return p;
}

QString held(const QcmaParameter *p)
{
    return p->getType() == QcmaParameter::TypeBitArray ? patternOf(p->getBitArray()) : p->toVariant().toString();
}

void enterNumber(DialogRunner &runner, QPushButton *button, const QString &text)
{
    ScopedDialogHandler handler(runner, [&text](QDialog *dialog) {
        qobject_cast<QzelNumpadDlg *>(dialog)->setText(text);
        return 1;
    });
    button->click();
}

// A binding of the given kind on a page, with what it shows and a user's edit to a value.
struct Bound {
    Bound(const QString &kind, Server &server) : runner(server.dialogRunner())
    {
        zelServerManager *manager = server.manager();
        auto *nameLabel = new QLabel(&page);
        name = nameLabel;
        if (kind == QLatin1String("combo")) {
            auto *combo = new QComboBox(&page);
            widget = combo;
            binding = std::make_unique<UiHelper_Enum_ComboBox>(manager, combo, nameLabel, nullptr, nullptr,
                                                               nsSID::otnSid(port, modeId), UiHelper::ConnectImmediately);
            shown = [combo] { return combo->currentText(); };
            edit = [combo](const QString &v) { combo->setCurrentIndex(combo->findData(v.toInt())); };
        } else if (kind == QLatin1String("push") || kind == QLatin1String("radio")) {
            auto *group = new QGroupBox(&page);
            widget = group;
            QList<QPushButton *> push;
            QList<QRadioButton *> radios;
            for (int i = 0; i < 4; ++i) {
                if (kind == QLatin1String("radio"))
                    radios << new QRadioButton(group);
                else
                    push << new QPushButton(group);
            }
            buttons = group->findChildren<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
            if (kind == QLatin1String("radio"))
                binding = std::make_unique<UiHelper_Enum_RadioButton>(manager, group, false, radios,
                                                                       nsSID::otnSid(port, modeId),
                                                                       UiHelper::ConnectImmediately);
            else
                binding = std::make_unique<UiHelper_Enum_PushButton>(manager, group, push, nsSID::otnSid(port, modeId),
                                                                     UiHelper::ConnectImmediately);
            shown = [this] { return states(&QAbstractButton::isChecked); };
            edit = [this](const QString &v) { buttons.at(v.toInt())->click(); };
            name = nullptr;
        } else if (kind == QLatin1String("number")) {
            auto *button = new QPushButton(&page);
            widget = button;
            binding = std::make_unique<UiHelper_Number>(manager, button, nameLabel, nullptr,
                                                        nsSID::otnSid(port, burstId), UiHelper::ConnectImmediately);
            shown = [button] { return button->text(); };
            edit = [this, button](const QString &v) { enterNumber(runner, button, v); };
        } else if (kind == QLatin1String("label")) {
            auto *value = new QLabel(&page);
            widget = value;
            binding = std::make_unique<UiHelper_Label>(manager, value, nameLabel, nullptr,
                                                       nsSID::otnSid(port, burstId), 0, UiHelper::ConnectImmediately);
            shown = [value] { return value->text(); };
        } else if (kind == QLatin1String("multilane")) {
            // The widget itself allows several lanes: the binding's own rule is what is tested.
            auto *lanes = new MultiLaneWidget(&page, false);
            widget = lanes;
            binding = std::make_unique<UiHelper_MultiLane>(manager, lanes, nameLabel, nsSID::otnSid(port, lanesId), 5,
                                                           false, UiHelper::ConnectImmediately);
            shown = [lanes] { return patternOf(lanes->bits()); };
            edit = [lanes](const QString &v) {
                for (int i = 0; i < v.size(); ++i) {
                    if (lanes->bits().testBit(i) != (v.at(i) == QLatin1Char('1')))
                        lanes->laneButton(i)->click();
                }
            };
        } else {
            auto *led = new PortStatusItem(&page);
            widget = nameLabel;
            binding = std::make_unique<UiHelper_Status>(manager, led, nameLabel, nsSID::otnSid(port, alarmId),
                                                        UiHelper::ConnectImmediately);
            shown = [led] { return QStringList{"Off", "Ok", "Alarm", "History"}.at(led->state()); };
        }
    }
    // One digit per button: 1 where the state holds.
    QString states(bool (QAbstractButton::*state)() const) const
    {
        QString digits;
        for (const QAbstractButton *b : buttons)
            digits += (b->*state)() ? QLatin1Char('1') : QLatin1Char('0');
        return digits;
    }

    DialogRunner &runner;
    QWidget page;
    QWidget *widget = nullptr;
    QLabel *name = nullptr;
    QList<QAbstractButton *> buttons;
    std::unique_ptr<UiHelper> binding;
    std::function<QString()> shown;
    std::function<void(const QString &)> edit;
};

// Green for anything that is not an alarm: a judge for counters where any value > 0 is bad.
class CounterJudge : public StatusJudge
{
public:
    State judge(const QcmaParameter &parameter) const override
    {
        return parameter.getUInt() > 0 ? StateAlarm : StateOk;
    }
};

// A dialog as the plug-in builds one: a combo and a number button, a label that shows the combo's
// value too, and a box with OK, Apply and Cancel.
struct EditDialog {
    explicit EditDialog(zelServerManager *manager) : dialog(manager, nullptr)
    {
        combo = new QComboBox(&dialog);
        echo = new QLabel(&dialog);
        number = new QPushButton(&dialog);
        box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel,
                                   &dialog);
        dialog.SetButtons(box);
        UiHelperList *list = dialog.uiHelperList();
        list->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(
            manager, combo, nullptr, nullptr, nullptr, nsSID::otnSid(port, modeId), UiHelper::ConnectImmediately));
        list->AddUiHelper(std::make_unique<UiHelper_Label>(manager, echo, nullptr, nullptr, nsSID::otnSid(port, modeId),
                                                           0, UiHelper::ConnectImmediately));
        list->AddUiHelper(std::make_unique<UiHelper_Number>(
            manager, number, nullptr, nullptr, nsSID::otnSid(port, burstId), UiHelper::ConnectImmediately));
    }

    void press(QDialogButtonBox::StandardButton which) { box->button(which)->click(); }

    UiHelperDialog dialog;
    QComboBox *combo = nullptr;
    QLabel *echo = nullptr;
    QPushButton *number = nullptr;
    QDialogButtonBox *box = nullptr;
};

// The tester of the dialog tests: a mode and a burst.
std::unique_ptr<Server> dialogServer()
{
    auto server = std::make_unique<Server>();
    server->fake()->addParameter(new QcmaParameterEnum(nsSID::otnSid(port, modeId), 0, 0, 5));
    server->fake()->addParameter(new QcmaParameterInt(nsSID::otnSid(port, burstId), 1, 1, 1000));
    server->manager();
    return server;
}
} // namespace

class tst_UiHelpers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void followsTester_data();
    void followsTester();
    void enumeratorsAndTerminology();
    void buttonStates_data();
    void buttonStates();
    void valueTexts_data();
    void valueTexts();
    void keypadRange_data();
    void keypadRange();
    void laneRules_data();
    void laneRules();
    void triggerWritesEveryPress();
    void wrongKindIsReported();
    void statusJudge();
    void dialogClosingWays_data();
    void dialogClosingWays();

private:
    Server m_catalogueServer;   // its manager's texts name the catalogue's values
};

void tst_UiHelpers::initTestCase()
{
    m_catalogueServer.manager();
}

// Every binding: shows the tester's value and name, writes nothing for what it was told, blanks and
// disables on an undefined value, and writes a user's edit once, showing it once the tester confirmed it.
void tst_UiHelpers::followsTester_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("shownFirst");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QString>("shownTold");
    QTest::addColumn<QString>("shownUndefined");
    QTest::addColumn<QString>("written");   // empty: the binding takes no edit
    QTest::addColumn<QString>("shownWritten");

    QTest::newRow("combo") << "combo" << "Insertion Mode" << "1" << "Burst (SONET)" << "4" << "Rate" << ""
                           << "3" << "Continuous";
    QTest::newRow("push buttons") << "push" << "" << "1" << "0100" << "3" << "0001" << "0000" << "2" << "0010";
    QTest::newRow("radio buttons") << "radio" << "" << "0" << "1000" << "5" << "0000" << "0000" << "3" << "0001";
    QTest::newRow("number") << "number" << "Burst" << "43" << "43" << "12" << "12" << "" << "1000" << "1000";
    QTest::newRow("label") << "label" << "Burst" << "43" << "43" << "12" << "12" << "--" << "" << "";
    QTest::newRow("multilane") << "multilane" << "Error Lane" << "1000000001" << "1000000001" << "0110"
                               << "0110" << "0110" << "0100" << "0100";
    QTest::newRow("status LED") << "status" << "LOS" << "0" << "Ok" << "2" << "History" << "Off" << "" << "";
}

void tst_UiHelpers::followsTester()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QString, first);
    QFETCH(QString, shownFirst);
    QFETCH(QString, told);
    QFETCH(QString, shownTold);
    QFETCH(QString, shownUndefined);
    QFETCH(QString, written);
    QFETCH(QString, shownWritten);

    Server server;
    server.fake()->addParameter(parameterFor(kind, first));
    Bound bound(kind, server);
    const int sid = bound.binding->getSID();
    QCOMPARE(bound.shown(), shownFirst);
    if (bound.name)
        QCOMPARE(bound.name->text(), name);
    QVERIFY(bound.widget->isEnabled());

    server.fake()->serverChange(parameterFor(kind, told));
    QTRY_COMPARE(bound.shown(), shownTold);
    server.fake()->serverChange(parameterFor(kind, told, false));
    QTRY_VERIFY(!bound.widget->isEnabled());
    QCOMPARE(bound.shown(), shownUndefined);
    server.fake()->serverChange(parameterFor(kind, told));
    QTRY_VERIFY(bound.widget->isEnabled());
    QVERIFY(server.settle());
    QCOMPARE(server.fake()->writeRequests(), 0);
    if (written.isEmpty())
        return;

    bound.edit(written);
    QCOMPARE(server.fake()->writeRequests(), 1);
    QCOMPARE(held(server.fake()->value(sid)), written);
    // The binding's own parameter changes only with the tester's answer.
    QCOMPARE(held(bound.binding->QcmaParameter_Get()), told);
    QTRY_COMPARE(held(bound.binding->QcmaParameter_Get()), written);
    QCOMPARE(bound.shown(), shownWritten);
    QVERIFY(server.settle());
    QCOMPARE(server.fake()->writeRequests(), 1);
}

// Inactive enumerators are left out of the combo, so an index is not a value; a terminology switch or
// a new set of active enumerators refills it, and no refill is written.
void tst_UiHelpers::enumeratorsAndTerminology()
{
    Server server;
    server.fake()->addParameter(modeParameter(3, {2, 4}));
    QWidget page;
    auto *combo = new QComboBox(&page);
    UiHelperList list;
    list.AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(server.manager(), combo, nullptr, nullptr, nullptr,
                                                              nsSID::otnSid(port, modeId),
                                                              UiHelper::ConnectImmediately));
    QCOMPARE(combo->count(), 4);
    QCOMPARE(combo->currentIndex(), 2);
    list.ChangeTerminology(2);
    QCOMPARE(combo->itemText(1), QStringLiteral("Burst (SONET)"));
    QCOMPARE(combo->currentText(), QStringLiteral("Continuous"));
    server.fake()->serverChange(modeParameter(4, {0, 1}));
    QTRY_COMPARE(combo->count(), 4);
    QCOMPARE(combo->currentIndex(), 2);
    // The current value inactive: nothing is selected.
    server.fake()->serverChange(modeParameter(4, {4}));
    QTRY_COMPARE(combo->count(), 5);
    QCOMPARE(combo->currentIndex(), -1);
    QVERIFY(server.settle());
    QCOMPARE(server.fake()->writeRequests(), 0);

    combo->setCurrentIndex(4);
    QCOMPARE(server.fake()->writeRequests(), 1);
    QCOMPARE(server.fake()->value(nsSID::otnSid(port, modeId))->getEnum(), 5);
    // The written copy kept the enumerators' activity.
    QTRY_COMPARE(combo->currentText(), QStringLiteral("Off"));
    QCOMPARE(combo->count(), 5);
}

// Buttons of inactive enumerators are disabled; a press of the current value writes nothing.
void tst_UiHelpers::buttonStates_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<int>>("inactive");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("requests");
    QTest::newRow("push, 1 and 2 inactive") << "push" << QList<int>{1, 2} << "1001" << 3 << 1;
    QTest::newRow("push, current value pressed") << "push" << QList<int>{} << "1111" << 0 << 0;
    QTest::newRow("radio, 2 inactive") << "radio" << QList<int>{2} << "1101" << 1 << 1;
}

void tst_UiHelpers::buttonStates()
{
    QFETCH(QString, kind);
    QFETCH(QList<int>, inactive);
    QFETCH(QString, enabled);
    QFETCH(int, pressed);
    QFETCH(int, requests);
    Server server;
    server.fake()->addParameter(modeParameter(0, inactive));
    Bound bound(kind, server);
    QCOMPARE(bound.states(&QWidget::isEnabled), enabled);
    // Clearing did not cost radio buttons their exclusivity.
    QVERIFY(kind != QLatin1String("radio") || bound.buttons.at(0)->autoExclusive());
    bound.buttons.at(pressed)->click();
    QCOMPARE(server.fake()->writeRequests(), requests);
    QTRY_COMPARE(bound.binding->QcmaParameter_Get()->getEnum(), pressed);
}

void tst_UiHelpers::valueTexts_data()
{
    QTest::addColumn<bool>("number");
    QTest::addColumn<QcmaParameter *>("parameter");
    QTest::addColumn<int>("terminology");
    QTest::addColumn<int>("formatType");
    QTest::addColumn<QString>("text");

    auto p = [](QcmaParameter *parameter) { return parameter; };
    const int hex = UiHelper_Label::FormatHex;
    QTest::newRow("label int hex") << false << p(new QcmaParameterInt(nsSID::otnSid(port, burstId), 254)) << 0
                                   << hex << "FE";
    QTest::newRow("label bytes") << false
                                 << p(new QcmaParameterByteArray(nsSID::otnSid(port, bytesId),
                                                                 QByteArray::fromHex("f6f6280a")))
                                 << 0 << 0 << "F6 F6 28 0A";
    QTest::newRow("number uint above int range") << true << p(new QcmaParameterUInt(1, 4000000000u)) << 0 << 0
                                                 << "4000000000";
}

void tst_UiHelpers::valueTexts()
{
    QFETCH(bool, number);
    QFETCH(QcmaParameter *, parameter);
    QFETCH(int, terminology);
    QFETCH(int, formatType);
    QFETCH(QString, text);
    QScopedPointer<QcmaParameter> owner(parameter);
    if (number)
        QCOMPARE(UiHelper_Number::valueText(*parameter), text);
    else
        QCOMPARE(UiHelper_Label::formatValue(m_catalogueServer.manager()->texts(), *parameter, terminology,
                                             formatType),
                 text);
}

// The keypad opens on the button with the parameter's range and value; only an accepted value inside
// the range is written.
void tst_UiHelpers::keypadRange_data()
{
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("shown");

    QTest::newRow("double") << true << 1 << "-99.5" << "-2.5" << "-99.5";
    QTest::newRow("cancelled") << false << 0 << "12" << "43" << "43";
    QTest::newRow("accepted above the range") << false << 1 << "1001" << "43" << "43";
}

void tst_UiHelpers::keypadRange()
{
    QFETCH(bool, decimal);
    QFETCH(int, result);
    QFETCH(QString, entered);
    QFETCH(QString, preset);
    QFETCH(QString, shown);

    Server server;
    const int sid = nsSID::otnSid(port, decimal ? offsetId : burstId);
    if (decimal)
        server.fake()->addParameter(new QcmaParameterDouble(sid, -2.5, -100.0, 100.0, 1));
    else
        server.fake()->addParameter(new QcmaParameterInt(sid, 43, 1, 1000));
    QWidget page;
    auto *button = new QPushButton(&page);
    UiHelper_Number binding(server.manager(), button, nullptr, nullptr, sid, UiHelper::ConnectImmediately);

    int runs = 0;
    ScopedDialogHandler handler(server.dialogRunner(), [&](QDialog *dialog) {
        auto *pad = qobject_cast<QzelNumpadDlg *>(dialog);
        ++runs;
        [&] {
            QCOMPARE(pad->inputType(), decimal ? int(QzelNumpadDlg::Decimal) : int(QzelNumpadDlg::Integer));
            QCOMPARE(pad->minimum(), decimal ? -100.0 : 1.0);
            QCOMPARE(pad->maximum(), decimal ? 100.0 : 1000.0);
            QCOMPARE(pad->text(), preset);
        }();
        pad->setText(entered);
        return result;
    });
    button->click();
    QCOMPARE(runs, 1);
    QCOMPARE(server.fake()->writeRequests(), shown == preset ? 0 : 1);
    QTRY_COMPARE(button->text(), shown);
}

// The lanes fill rows of lanesPerRow; a single-lane binding moves its one lane.
void tst_UiHelpers::laneRules_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("lanesPerRow");
    QTest::addColumn<bool>("singleLane");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<QString>("written");

    QTest::newRow("20 lanes, 10 a row, clear the last") << "11110000111100001111" << 10 << false << 19
                                                      << "11110000111100001110";
    QTest::newRow("single lane moves") << "0100" << 5 << true << 3 << "0001";
}

void tst_UiHelpers::laneRules()
{
    QFETCH(QString, before);
    QFETCH(int, lanesPerRow);
    QFETCH(bool, singleLane);
    QFETCH(int, pressed);
    QFETCH(QString, written);

    Server server;
    server.fake()->addParameter(new QcmaParameterBitArray(nsSID::otnSid(port, lanesId), bitsOf(before)));
    QWidget page;
    auto *lanes = new MultiLaneWidget(&page, false);
    UiHelper_MultiLane binding(server.manager(), lanes, nullptr, nsSID::otnSid(port, lanesId), lanesPerRow, singleLane,
                               UiHelper::ConnectImmediately);
    QCOMPARE(lanes->laneCount(), before.size());
    lanes->adjustSize();
    QCOMPARE(lanes->laneButton(before.size() - 1)->y() > lanes->laneButton(0)->y(), before.size() > lanesPerRow);
    lanes->laneButton(pressed)->click();
    QCOMPARE(server.fake()->writeRequests(), 1);
    QCOMPARE(patternOf(server.fake()->value(nsSID::otnSid(port, lanesId))->getBitArray()), written);
    QTRY_COMPARE(patternOf(lanes->bits()), written);
}

// Every press is a command of its own, even when the value does not change; a trigger the tester did
// not announce is built from the catalogue, its button disabled.
void tst_UiHelpers::triggerWritesEveryPress()
{
    for (bool announced : {true, false}) {
        Server server;
        if (announced)
            server.fake()->addParameter(new QcmaParameterEnum(nsSID::otnSid(port, applyId), 0, 0, 1));
        QWidget page;
        auto *button = new QPushButton(&page);
        UiHelper_PushButton binding(server.manager(), button, nsSID::otnSid(port, applyId),
                                    UiHelper::ConnectImmediately);
        QCOMPARE(button->isEnabled(), announced);
        for (int i = 0; i < 3; ++i)
            emit button->clicked();
        QCOMPARE(server.fake()->writeRequests(), 3);
        if (announced)
            QCOMPARE(server.fake()->value(nsSID::otnSid(port, applyId))->getEnum(), 1);
    }
}

// A binding on a parameter of another kind reports it, keeps its widget and writes nothing.
void tst_UiHelpers::wrongKindIsReported()
{
    Server server;
    server.fake()->addParameter(new QcmaParameterInt(nsSID::otnSid(port, burstId), 5, 1, 1000));
    server.fake()->addParameter(new QcmaParameterByteArray(nsSID::otnSid(port, bytesId), "\x01"));
    QWidget page;
    auto *box = new QComboBox(&page);
    box->addItems({"kept"});
    auto *button = new QPushButton(&page);
    DiagnosticsRecorder recorder;
    UiHelper_Enum_ComboBox combo(server.manager(), box, nullptr, nullptr, nullptr, nsSID::otnSid(port, burstId),
                                 UiHelper::ConnectImmediately);
    UiHelper_PushButton trigger(server.manager(), button, nsSID::otnSid(port, bytesId), UiHelper::ConnectImmediately);
    button->click();
    QCOMPARE(recorder.linesStartingWith(QStringLiteral("ZEL_FATAL: ")).size(), 2);
    QCOMPARE(box->count(), 1);
    QCOMPARE(server.fake()->writeRequests(), 0);
}

// A judge decides the LED's state.
void tst_UiHelpers::statusJudge()
{
    Server server;
    server.fake()->addParameter(new QcmaParameterUInt(nsSID::otnSid(port, upiId), 0));
    QWidget page;
    auto *judged = new PortStatusItem(&page);
    CounterJudge judge;
    UiHelper_Status binding(server.manager(), judged, nullptr, nsSID::otnSid(port, upiId),
                            UiHelper::ConnectImmediately, &judge);
    QCOMPARE(judged->state(), PortStatusItem::Ok);
    // 7 is no state for the default rule; this judge calls it an alarm.
    server.fake()->serverChange(new QcmaParameterUInt(nsSID::otnSid(port, upiId), 7));
    QTRY_COMPARE(judged->state(), PortStatusItem::Alarm);
}

void tst_UiHelpers::dialogClosingWays_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("requests");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("serverMode");
    QTest::addColumn<int>("serverBurst");
    QTest::addColumn<QString>("comboShows");

    QTest::newRow("OK sends one request") << "ok" << 1 << int(QDialog::Accepted) << 4 << 250 << "Rate";
    QTest::newRow("Apply sends, stays open") << "apply" << 1 << -1 << 4 << 250 << "Rate";
    QTest::newRow("Cancel drops") << "cancel" << 0 << int(QDialog::Rejected) << 5 << 1 << "Off";
}

void tst_UiHelpers::dialogClosingWays()
{
    const std::unique_ptr<Server> server = dialogServer();
    QFETCH(QString, way);
    QFETCH(int, requests);
    QFETCH(int, result);
    QFETCH(int, serverMode);
    QFETCH(int, serverBurst);
    QFETCH(QString, comboShows);

    EditDialog edit(server->manager());
    edit.dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit.dialog));
    edit.combo->setCurrentIndex(4);
    enterNumber(server->dialogRunner(), edit.number, QStringLiteral("250"));
    // Pending: shown by every binding of the dialog, sent to nobody.
    QCOMPARE(edit.echo->text(), QStringLiteral("Rate"));
    QCOMPARE(edit.number->text(), QStringLiteral("250"));
    QCOMPARE(edit.dialog.uiHelperList()->parameterMap()->count(), 2);
    QCOMPARE(server->fake()->writeRequests(), 0);
    // The tester moves the mode meanwhile: the dialog keeps showing the user's pending choice.
    server->fake()->serverChange(new QcmaParameterEnum(nsSID::otnSid(port, modeId), 5, 0, 5));
    QTRY_COMPARE(server->cachedSid(nsSID::otnSid(port, modeId))->getEnum(), 5);
    QCOMPARE(edit.combo->currentText(), QStringLiteral("Rate"));

    edit.press(way == QLatin1String("ok") ? QDialogButtonBox::Ok
               : way == QLatin1String("apply") ? QDialogButtonBox::Apply : QDialogButtonBox::Cancel);

    QCOMPARE(server->fake()->writeRequests(), requests);
    QCOMPARE(server->fake()->value(nsSID::otnSid(port, modeId))->getEnum(), serverMode);
    QCOMPARE(server->fake()->value(nsSID::otnSid(port, burstId))->getInt(), serverBurst);
    QCOMPARE(edit.dialog.isVisible(), result < 0);
    if (result >= 0)
        QCOMPARE(edit.dialog.result(), result);
    QVERIFY(edit.dialog.uiHelperList()->parameterMap()->isEmpty());
    // After the server's answers the bindings show what the server holds.
    QTRY_COMPARE(server->cachedSid(nsSID::otnSid(port, modeId))->getEnum(), serverMode);
    QTRY_COMPARE(server->cachedSid(nsSID::otnSid(port, burstId))->getInt(), serverBurst);
    QCOMPARE(edit.combo->currentText(), comboShows);
    QCOMPARE(edit.echo->text(), comboShows);
    QCOMPARE(edit.number->text(), QString::number(serverBurst));
    QCOMPARE(server->fake()->writeRequests(), requests);
    if (way == QLatin1String("apply")) {
        // Cancel after Apply keeps what was applied and drops the rest.
        enterNumber(server->dialogRunner(), edit.number, QStringLiteral("9"));
        edit.press(QDialogButtonBox::Cancel);
        QCOMPARE(server->fake()->writeRequests(), 1);
        QCOMPARE(server->fake()->value(nsSID::otnSid(port, burstId))->getInt(), 250);
        QCOMPARE(edit.number->text(), QStringLiteral("250"));
    }
}

QTEST_MAIN(tst_UiHelpers)
#include "tst_uihelpers.moc"
