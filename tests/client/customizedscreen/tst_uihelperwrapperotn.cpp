#include <QBitArray>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/customizedscreen/uihelperwrapperotn.h"
#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"
#include "client/otn/interface_setup_status/dialogs/otntxchallocationdialog.h"
#include "client/otn/test_setup/otnmsimdetectiondialog.h"
#include "host/bindings/uihelperlist.h"
#include "host/contract/sidproperty.h"
#include "host/contract/widgetproperty.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "simulator/poweronstructure.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/testerfixture.h"

using namespace CustomizedScreen;

namespace {
// The tester on the default structure, OTU4 > ODU2 > ODU0.
SimulatorOptions defaultStructure()
{
    return TesterFixture::structureOptions(PowerOnStructure::defaultStructure().name);
}

// What the eight cells of the grid and of the dialog show of an allocation.
QBitArray firstCells(const QBitArray &bits)
{
    QBitArray cells(8);
    for (int i = 0; i < 8 && i < bits.size(); ++i)
        cells.setBit(i, bits.testBit(i));
    return cells;
}

// The wrapper on a parent, asked for one widget of the kind on the given parameter of port 1.
struct Wrapped {
    Wrapped(int kind, int id) : wrapper(tester.manager())
    {
        wrapper.setParent(&parent);
        SidProperty property(kind);
        list.reset(wrapper.createUiHelper(QSharedPointer<WidgetProperty>::create(nsSID::otnSid(1, id)), &property,
                                          widgets));
    }
    TesterFixture tester{defaultStructure()};
    QWidget parent;
    UiHelperWrapperOTN wrapper;
    QList<QWidget *> widgets;
    std::unique_ptr<UiHelperList> list;
};
} // namespace

class tst_UiHelperWrapperOTN : public QObject
{
    Q_OBJECT

private slots:
    void createUiHelper_data();
    void createUiHelper();
    void allocationWrittenOnlyWhenAccepted_data();
    void allocationWrittenOnlyWhenAccepted();
    void msimDetectionOfTheStage_data();
    void msimDetectionOfTheStage();
};

void tst_UiHelperWrapperOTN::createUiHelper_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("withWidgetProperty");
    QTest::addColumn<bool>("withSidProperty");
    QTest::addColumn<int>("widgetType");
    QTest::addColumn<int>("sidType");
    QTest::addColumn<bool>("withParent");
    QTest::addColumn<QString>("made");   // class of the one widget made; empty: null result
    QTest::addColumn<int>("reports");   // assertion lines logged

    QTest::newRow("14: overhead button") << 14 << true << true << 0 << 0 << true << "QPushButton" << 0;
    QTest::newRow("15: allocation grid") << 15 << true << true << 0 << 0 << true << "OtnChWidget" << 0;
    QTest::newRow("13: not the plug-in's") << 13 << true << true << 0 << 0 << true << QString() << 0;
    QTest::newRow("no widget property") << 15 << false << true << 0 << 0 << true << QString() << 0;
    QTest::newRow("no parent: reported, made all the same") << 15 << true << true << 0 << 0 << false << "OtnChWidget" << 1;
    // Both the widget's and the SID's screen type are reported.
    QTest::newRow("status screen: reported, made all the same")
        << 14 << true << true << int(Type_Status) << int(Type_Result) << true << "QPushButton" << 2;
}

void tst_UiHelperWrapperOTN::createUiHelper()
{
    QFETCH(int, kind);
    QFETCH(bool, withWidgetProperty);
    QFETCH(bool, withSidProperty);
    QFETCH(int, widgetType);
    QFETCH(int, sidType);
    QFETCH(bool, withParent);
    QFETCH(QString, made);
    QFETCH(int, reports);

    TesterFixture f(defaultStructure());
    QWidget parent;
    UiHelperWrapperOTN wrapper(f.manager());
    if (withParent)
        wrapper.setParent(&parent);
    const int sid = nsSID::otnSid(1, PID::Otn::TX::ALLOC[1]);
    QSharedPointer<WidgetProperty> widgetProperty;
    if (withWidgetProperty)
        widgetProperty = QSharedPointer<WidgetProperty>::create(sid, widgetType);
    SidProperty sidProperty(kind, sidType);
    QWidget before;
    QList<QWidget *> widgets{&before};

    DiagnosticsRecorder log;
    std::unique_ptr<UiHelperList> list(
        wrapper.createUiHelper(widgetProperty, withSidProperty ? &sidProperty : nullptr, widgets));

    const QStringList logged = log.lines();
    QCOMPARE(logged.filter(QRegularExpression("^ZEL_ASSERT_MSG: .*uihelperwrapperotn: line \\d+ - ")).size(), reports);
    QCOMPARE(logged.size(), reports);
    if (made.isEmpty()) {
        QVERIFY(!list);
        QCOMPARE(widgets, QList<QWidget *>{&before});
        QVERIFY(parent.findChildren<QWidget *>().isEmpty());
        return;
    }
    QVERIFY(list);
    QCOMPARE(widgets.size(), 2);
    std::unique_ptr<QWidget> orphan(withParent ? nullptr : widgets.last());
    QCOMPARE(widgets.last()->metaObject()->className(), made.toLatin1().constData());
    QCOMPARE(widgets.last()->parentWidget(), withParent ? &parent : nullptr);
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->helpers().first()->getSID(), sid);
    if (auto *grid = qobject_cast<OtnChWidget *>(widgets.last())) {
        QCOMPARE(grid->cellCount(), 8);
        // Connected at once: the grid already shows the tester's allocation.
        QCOMPARE(grid->bits(), f.cached(1, PID::Otn::TX::ALLOC[1])->getBitArray());
    } else {
        QCOMPARE(qobject_cast<QPushButton *>(widgets.last())->text(), QStringLiteral("Setup"));
    }
}

void tst_UiHelperWrapperOTN::allocationWrittenOnlyWhenAccepted_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("clickedCell");
    QTest::newRow("ODU2 stage, accepted") << 1 << 1 << 0;
    QTest::newRow("ODU2 stage, cancelled") << 1 << 0 << 3;
    // 80 slots on eight cells: the slots beyond the cells are sent as they were.
    QTest::newRow("ODU4 stage, accepted") << 0 << 1 << 2;
}

void tst_UiHelperWrapperOTN::allocationWrittenOnlyWhenAccepted()
{
    QFETCH(int, stage);
    QFETCH(int, result);
    QFETCH(int, clickedCell);

    const int id = PID::Otn::TX::ALLOC[stage];
    Wrapped wrapped(UiHelperWrapperOTN::kindAllocatedTS, id);
    TesterFixture &f = wrapped.tester;
    QVERIFY(wrapped.list);
    auto *grid = qobject_cast<OtnChWidget *>(wrapped.widgets.value(0));
    QVERIFY(grid);

    const QBitArray before = f.cached(1, id)->getBitArray();
    QBitArray edited = before;
    edited.toggleBit(0);
    edited.toggleBit(1);
    QBitArray preset;
    {
        ScopedDialogHandler handler(f.dialogRunner(), [&](QDialog *dialog) {
            auto *allocation = qobject_cast<OtnTxChAllocationDialog *>(dialog);
            if (!allocation)
                return 0;
            preset = allocation->bits();
            allocation->setBits(firstCells(edited));
            return result;
        });
        QTest::mouseClick(grid->cell(clickedCell), Qt::LeftButton);
    }
    QVERIFY(f.settle());
    QCOMPARE(preset, firstCells(before));
    QCOMPARE(f.cached(1, id)->getBitArray(), result == 1 ? edited : before);
    QCOMPARE(grid->bits(), firstCells(f.cached(1, id)->getBitArray()));
}

void tst_UiHelperWrapperOTN::msimDetectionOfTheStage_data()
{
    QTest::addColumn<int>("stage");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("title");
    QTest::newRow("stage 1, OK") << 0 << true << "ODTU4.8 (ODU2) MSIM Detection";
    QTest::newRow("stage 2, OK") << 1 << true << "ODTU2.1 (PT=21) MSIM Detection";
    QTest::newRow("stage 1, cancelled") << 0 << false << "ODTU4.8 (ODU2) MSIM Detection";
}

void tst_UiHelperWrapperOTN::msimDetectionOfTheStage()
{
    QFETCH(int, stage);
    QFETCH(bool, accept);
    QFETCH(QString, title);

    const int id = PID::Otn::MEASUREMENT::MSIM_DETECTION[stage];
    Wrapped wrapped(UiHelperWrapperOTN::kindMsimDetection, id);
    TesterFixture &f = wrapped.tester;
    QVERIFY(wrapped.list);
    auto *button = qobject_cast<QPushButton *>(wrapped.widgets.value(0));
    QVERIFY(button);

    const int before = f.cached(1, id)->getEnum();
    QStringList seen;
    int tsCount = 0;
    {
        ScopedDialogHandler handler(f.dialogRunner(), [&](QDialog *dialog) {
            auto *msim = qobject_cast<OtnMsimDetectionDialog *>(dialog);
            if (!msim)
                return 0;
            seen << msim->windowTitle();
            tsCount = msim->tsCount();
            msim->show();
            auto *follow = msim->findChild<QComboBox *>(QStringLiteral("cmbSetupFollow"));
            follow->setCurrentIndex(1 - before);
            if (!accept)
                return 0;
            auto *box = msim->findChild<QDialogButtonBox *>(QStringLiteral("bbMsimDetection"));
            QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
            return msim->result();
        });
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QVERIFY(f.settle());
    QCOMPARE(seen, QStringList{title});
    QCOMPARE(tsCount, stage == 0 ? 80 : 8);
    QCOMPARE(f.cached(1, id)->getEnum(), accept ? 1 - before : before);
}

QTEST_MAIN(tst_UiHelperWrapperOTN)
#include "tst_uihelperwrapperotn.moc"
