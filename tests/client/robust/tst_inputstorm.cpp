#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QTableWidget>

#include "client/otn/interface_setup_status/otnsetuppagefactory.h"
#include "client/otn/interface_setup_status/otnstatisticspagefactory.h"
#include "client/otn/stimuli/otnstimulicontrol.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/contract/setuppageproperty.h"
#include "host/contract/statuspageproperty.h"
#include "host/contract/testresultidentifier.h"
#include "host/pages/page.h"
#include "host/pages/statisticslistpage.h"
#include "host/pages/stimuliwidget.h"
#include "host/parameters/qcmaparameterbitarray.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/testerfixture.h"

namespace {

constexpr int port = 1;
constexpr quint32 seed = 33;

// Warnings of the server manager: the refused inputs.
QStringList g_refusals;
QtMessageHandler g_previousHandler = nullptr;

void recordRefusals(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && qstrcmp(context.category, "zel.server") == 0)
        g_refusals << message;
    else
        g_previousHandler(type, context, message);
}

// What a user sees of a view: the text and state of every widget below it.
QStringList shown(const QWidget *view)
{
    QStringList lines;
    for (const QWidget *w : view->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(view))
            continue;
        QString value;
        if (const auto *label = qobject_cast<const QLabel *>(w))
            value = label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            value = button->text() + (button->isChecked() ? QLatin1String(" [x]") : QString());
        else if (const auto *combo = qobject_cast<const QComboBox *>(w))
            value = combo->currentText();
        else if (const auto *edit = qobject_cast<const QLineEdit *>(w))
            value = edit->text();
        else if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(w))
            value = spin->text();
        else if (const auto *table = qobject_cast<const QTableWidget *>(w)) {
            for (int r = 0; r < table->rowCount(); ++r) {
                for (int c = 0; c < table->columnCount(); ++c)
                    value += (table->item(r, c) ? table->item(r, c)->text() : QString()) + QLatin1Char('|');
            }
        } else {
            continue;
        }
        lines << QStringLiteral("%1 %2%3: %4")
                     .arg(QLatin1String(w->metaObject()->className()), w->objectName(),
                          w->isEnabled() ? QString() : QStringLiteral(" (disabled)"), value);
    }
    return lines;
}

std::shared_ptr<QcmaParameter> ofKind(int kind, int sid)
{
    switch (kind) {
    case QcmaParameter::TypeInt: return std::make_shared<QcmaParameterInt>(sid, 1);
    case QcmaParameter::TypeEnum: return std::make_shared<QcmaParameterEnum>(sid, 1, 0, 1);
    case QcmaParameter::TypeUInt: return std::make_shared<QcmaParameterUInt>(sid, 1u);
    case QcmaParameter::TypeDouble: return std::make_shared<QcmaParameterDouble>(sid, 1.0);
    case QcmaParameter::TypeByteArray: return std::make_shared<QcmaParameterByteArray>(sid, QByteArray(2, '\1'));
    default: return std::make_shared<QcmaParameterBitArray>(sid, QBitArray(3, true));
    }
}

// A copy of the value beyond what its description allows; null when nothing lies beyond.
std::shared_ptr<QcmaParameter> outOfRange(const QcmaParameter &value, const ParameterDefinition &definition)
{
    std::shared_ptr<QcmaParameter> copy(value.clone().release());
    copy->setDefined(true);
    switch (value.getType()) {
    case QcmaParameter::TypeEnum: {
        if (definition.enumerators.isEmpty())
            return nullptr;
        int beyond = 0;
        for (const ParameterDefinition::Enumerator &e : definition.enumerators)
            beyond = qMax(beyond, e.value + 1);
        copy->setValue(beyond);
        return copy;
    }
    case QcmaParameter::TypeDouble:
        copy->setValue(definition.minimum < definition.maximum ? definition.maximum + qMax(1.0, qAbs(definition.maximum))
                                                               : qQNaN());
        return copy;
    default:
        return nullptr;
    }
}

// One input from the server, and whether the manager is to refuse it.
struct Input {
    std::function<void()> send;
    bool refused = false;
};

Input valueInput(SimulatedServerLink *link, std::shared_ptr<QcmaParameter> value, bool refused)
{
    return {[link, value] { emit link->parameterChanged(QSharedPointer<QcmaParameter>(value->clone().release())); },
            refused};
}

template <typename Block>
Input dataInput(SimulatedServerLink *link, const Block &block)
{
    return {[link, block] { emit link->intervalDataArrived(QSharedPointer<IntervalData>(new Block(block))); }, true};
}

} // namespace

// Every page, the dialogs their buttons run, the sample dialogs, the result pages and the stimuli panels,
// shown on the simulated tester, take a storm of malformed server input for every SID they follow: a
// value of every other kind, an undefined value, a value out of its range, interval data of the wrong
// size, in an order drawn from a fixed seed. Nothing crashes, each refused input is logged, and once each
// SID has been sent its value again every widget shows what it showed before.
class tst_InputStorm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void storm_data();
    void storm();

private:
    // Storms the shown view; false, with the failure recorded, when it did not hold.
    bool stormView(QWidget *view, const QString &name);

    std::unique_ptr<TesterFixture> m_tester;
    QRandomGenerator m_random{seed};
};

void tst_InputStorm::initTestCase()
{
    m_tester = std::make_unique<TesterFixture>(TesterFixture::testOptions(1));
    g_previousHandler = qInstallMessageHandler(recordRefusals);
}

void tst_InputStorm::cleanupTestCase()
{
    qInstallMessageHandler(g_previousHandler);
}

bool tst_InputStorm::stormView(QWidget *view, const QString &name)
{
    zelServerManager *manager = m_tester->manager();
    SimulatedServerLink *link = m_tester->link();
    if (!m_tester->settle())
        return false;
    const QStringList before = shown(view);

    QList<Input> inputs;
    QList<std::shared_ptr<QcmaParameter>> lastValid;
    for (int sid : manager->observedSids()) {
        const QcmaParameter *cached = manager->cachedParameter(sid);
        const ParameterDefinition *definition = manager->catalogue().findBySid(sid);
        if (cached && definition) {
            lastValid << std::shared_ptr<QcmaParameter>(cached->clone().release());
            for (int kind = QcmaParameter::TypeInt; kind <= QcmaParameter::TypeBitArray; ++kind) {
                if (kind != cached->getType())
                    inputs.append(valueInput(link, ofKind(kind, sid), true));
            }
            std::shared_ptr<QcmaParameter> undefined(cached->clone().release());
            undefined->setDefined(false);
            // Undefined is how the server says a value is not available: taken, then replaced below.
            inputs.append(valueInput(link, undefined, false));
            if (std::shared_ptr<QcmaParameter> beyond = outOfRange(*cached, *definition))
                inputs.append(valueInput(link, beyond, true));
        }
        IntervalDataOtnCapture capture(sid, currentIntervalSelector);
        for (QByteArray &record : capture.records)
            record = QByteArray(IntervalDataOtnCapture::recordSize, '\x5A');
        capture.records[m_random.bounded(IntervalDataOtnCapture::levelCount)].resize(int(m_random.bounded(1000)));
        inputs.append(dataInput(link, capture));
        IntervalDataOtnTributaryScan scan(sid, currentIntervalSelector);
        scan.words.resize(int(m_random.bounded(IntervalDataOtnTributaryScan::wordCount)));
        inputs.append(dataInput(link, scan));
    }
    std::shuffle(inputs.begin(), inputs.end(), m_random);

    g_refusals.clear();
    int refused = 0;
    for (const Input &input : qAsConst(inputs)) {
        input.send();
        refused += input.refused ? 1 : 0;
    }
    for (const std::shared_ptr<QcmaParameter> &value : qAsConst(lastValid))
        emit link->parameterChanged(QSharedPointer<QcmaParameter>(value->clone().release()));
    if (!m_tester->settle())
        return false;

    const QStringList after = shown(view);
    if (g_refusals.size() != refused || after != before) {
        qWarning("%s: %d refusals logged for %d refused inputs; shows \"%s\", showed \"%s\"", qPrintable(name),
                 int(g_refusals.size()), refused, qPrintable(after.join('\n')), qPrintable(before.join('\n')));
        return false;
    }
    return true;
}

void tst_InputStorm::storm_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("id");
    const OtnSetupPageFactory factory;
    for (const SetupPageProperty *record : factory.setupPageProperties())
        QTest::addRow("page %d", record->pageId()) << QStringLiteral("page") << record->pageId();
    for (const StatusPageProperty *record : factory.allStatusPageProperties())
        QTest::addRow("page %d", record->pageId()) << QStringLiteral("page") << record->pageId();
    QTest::addRow("sample dialogs") << QStringLiteral("samples") << 0;
    QTest::addRow("stimuli panels") << QStringLiteral("stimuli") << 0;
    for (int view : {int(TestResultIdentifier::ViewAlarmsErrors), int(TestResultIdentifier::ViewPerformance)})
        QTest::addRow("result view %d", view) << QStringLiteral("results") << view;
}

void tst_InputStorm::storm()
{
    QFETCH(QString, kind);
    QFETCH(int, id);
    zelServerManager *manager = m_tester->manager();

    if (kind == QLatin1String("page")) {
        std::unique_ptr<Page> page(OtnSetupPageFactory().createPage(InterfaceSetupIdentifier(id, 0, 0, 5), manager));
        if (!page)
            QSKIP("The plug-in provides no such page");
        page->initializePage();
        page->show();
        QVERIFY(stormView(page.get(), page->objectName()));
        // The dialogs the page's plain buttons run, each stormed while it runs.
        // A press may rebuild the page's buttons.
        QList<QPointer<QAbstractButton>> buttons;
        for (QAbstractButton *button : page->findChildren<QAbstractButton *>())
            buttons << button;
        for (const QPointer<QAbstractButton> &button : qAsConst(buttons)) {
            if (!button || button->isCheckable() || !button->isVisibleTo(page.get()) || !button->isEnabled())
                continue;
            bool held = true;
            ScopedDialogHandler handler(m_tester->dialogRunner(), [&](QDialog *dialog) {
                dialog->setAttribute(Qt::WA_DontShowOnScreen);
                dialog->show();
                held = held && stormView(dialog, dialog->metaObject()->className());
                return 0;
            });
            const QString name = button->objectName();
            button->click();
            QVERIFY2(held, qPrintable(name));
        }
    } else if (kind == QLatin1String("samples")) {
        for (SampleDialog &sample : OtnSetupPageFactory().createSampleDialogs(manager, port)) {
            sample.dialog->setAttribute(Qt::WA_DontShowOnScreen);
            sample.dialog->show();
            QVERIFY2(stormView(sample.dialog.get(), sample.name), qPrintable(sample.name));
        }
    } else if (kind == QLatin1String("stimuli")) {
        QList<OtnStimuliControl::Item> items;
        OtnStimuliControl::registerStimuli(manager, port, items);
        for (const OtnStimuliControl::Item &item : qAsConst(items)) {
            std::unique_ptr<StimuliWidget> panel(item.widget);
            panel->show();
            QVERIFY2(stormView(panel.get(), panel->objectName()), qPrintable(panel->objectName()));
        }
    } else {
        QList<int> ports{port};
        std::unique_ptr<StatisticsListPage> page(OtnStatisticsPageFactory(&ports).createPage(TestResultIdentifier(id), manager));
        page->initializePage();
        page->show();
        QVERIFY(stormView(page.get(), page->objectName()));
    }
}

QTEST_MAIN(tst_InputStorm)
#include "tst_inputstorm.moc"
