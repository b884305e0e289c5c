// The plug-in's screens open for a long run on the simulated tester: every page, result page and stimuli
// panel of port 1 shown, the interval polled ten times a second, the multiplex structure changed every
// minute. Prints the resident memory each minute and fails when it grew more than the bound after the
// first minute.
#include <memory>
#include <vector>

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>
#include <QTimer>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/otnsetuppagefactory.h"
#include "client/otn/interface_setup_status/otnstatisticspagefactory.h"
#include "client/otn/stimuli/otnstimulicontrol.h"
#include "host/contract/setuppageproperty.h"
#include "host/contract/statuspageproperty.h"
#include "host/contract/testresultidentifier.h"
#include "host/otn/otnpid.h"
#include "host/pages/page.h"
#include "host/pages/statisticslistpage.h"
#include "host/pages/stimuliwidget.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/intervalpoller.h"
#include "host/server/zelservermanager.h"
#include "simulator/poweronstructure.h"
#include "tests/support/testerfixture.h"

namespace {

constexpr int port = 1;

qint64 residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * 4 : 0;
}

// Writes the structure's mapping on both directions in one request, as a mapping dialog's OK would.
void applyStructure(zelServerManager *manager, const PowerOnStructure &structure)
{
    const OtnMapping mapping = structure.mapping();
    std::vector<std::unique_ptr<QcmaParameter>> copies;
    QList<const QcmaParameter *> batch;
    for (const int *ids : {PID::Otn::TX::MAPPING, PID::Otn::RX::MAPPING}) {
        for (int field = 0; field < 5; ++field) {
            std::unique_ptr<QcmaParameter> copy = manager->GetQcmaParameter(nsSID::otnSid(port, ids[field]));
            if (!copy)
                continue;
            copy->setDefined(true);
            copy->setValue(mapping.value(field));
            batch << copy.get();
            copies.push_back(std::move(copy));
        }
    }
    manager->SetQcmaParameterList(batch);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption minutesOption(QStringLiteral("minutes"), QStringLiteral("Run time."), QStringLiteral("N"),
                                     QStringLiteral("10"));
    QCommandLineOption boundOption(QStringLiteral("bound"), QStringLiteral("Growth allowed after the first minute."),
                                   QStringLiteral("MiB"), QStringLiteral("64"));
    parser.addOptions({minutesOption, boundOption});
    parser.process(app);
    const int minutes = qMax(1, parser.value(minutesOption).toInt());
    const qint64 boundKiB = parser.value(boundOption).toLongLong() * 1024;
    QTextStream out(stdout);

    TesterFixture tester(TesterFixture::testOptions(1));
    zelServerManager *manager = tester.manager();
    // Dialogs a page runs by itself are closed at once: the soak is about the open screens.
    tester.dialogRunner().setHandler([](QDialog *) { return 0; });

    std::vector<std::unique_ptr<QWidget>> views;
    OtnSetupPageFactory factory;
    QList<int> pageIds;
    for (const SetupPageProperty *record : factory.setupPageProperties())
        pageIds << record->pageId();
    for (const StatusPageProperty *record : factory.allStatusPageProperties())
        pageIds << record->pageId();
    for (int id : pageIds) {
        std::unique_ptr<Page> page(factory.createPage(InterfaceSetupIdentifier(id, 0, 0, 5), manager));
        if (!page)
            continue;
        page->initializePage();
        views.push_back(std::move(page));
    }
    QList<int> ports{port};
    OtnStatisticsPageFactory results(&ports);
    for (int view : {int(TestResultIdentifier::ViewAlarmsErrors), int(TestResultIdentifier::ViewPerformance)}) {
        std::unique_ptr<StatisticsListPage> page(results.createPage(TestResultIdentifier(view), manager));
        page->initializePage();
        views.push_back(std::move(page));
    }
    QList<OtnStimuliControl::Item> items;
    OtnStimuliControl::registerStimuli(manager, port, items);
    for (const OtnStimuliControl::Item &item : qAsConst(items))
        views.emplace_back(item.widget);
    for (const std::unique_ptr<QWidget> &view : views) {
        view->setAttribute(Qt::WA_DontShowOnScreen);
        view->show();
    }

    IntervalPoller poller(manager);
    poller.start(100);

    QVector<const PowerOnStructure *> structures;
    for (const PowerOnStructure &s : PowerOnStructure::all()) {
        if (!s.needsMultiLaneModule())
            structures << &s;
    }
    int minute = 0;
    qint64 firstKiB = 0;
    int status = 0;
    QTimer everyMinute;
    QObject::connect(&everyMinute, &QTimer::timeout, &app, [&] {
        ++minute;
        const qint64 rss = residentKiB();
        if (minute == 1)
            firstKiB = rss;
        out << QStringLiteral("minute %1: resident %2 MiB").arg(minute).arg(rss / 1024.0, 0, 'f', 1) << Qt::endl;
        if (minute > 1 && rss - firstKiB > boundKiB) {
            out << QStringLiteral("grew %1 MiB after the first minute, bound %2 MiB")
                       .arg((rss - firstKiB) / 1024.0, 0, 'f', 1).arg(boundKiB / 1024) << Qt::endl;
            status = 1;
        }
        if (minute >= minutes) {
            app.exit(status);
            return;
        }
        applyStructure(manager, *structures.at(minute % structures.size()));
    });
    everyMinute.start(60 * 1000);
    out << QStringLiteral("%1 views open, %2 minutes").arg(views.size()).arg(minutes) << Qt::endl;
    const int result = app.exec();
    poller.stop();
    views.clear();
    return result;
}
