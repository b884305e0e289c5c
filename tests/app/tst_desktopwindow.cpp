#include <QtTest>

#include <QAction>
#include <QDirIterator>
#include <QRegularExpression>
#include <QSettings>
#include <QTextBrowser>

#include "app/clientsession.h"
#include "app/controlbar.h"
#include "app/helpwindow.h"
#include "app/mainwindow.h"
#include "app/measurementcontrol.h"
#include "app/navigationlist.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/portstatusitem.h"
#include "simulator/simulatedserverlink.h"

namespace {

ClientOptions testOptions()
{
    ClientOptions options;
    options.portCount = 2;
    options.pluginPath = QStringLiteral(ZEL_OTN_PLUGIN);
    options.liveValues = false;
    return options;
}

// Lets the tester's answers arrive.
bool settle(ClientSession &session)
{
    return QTest::qWaitFor([&session] { return session.tester()->pendingAnswers() == 0; });
}

struct Client {
    Client() : session(testOptions())
    {
        QString error;
        started = session.start(&error);
        window = std::make_unique<MainWindow>(session);
    }
    ClientSession session;
    std::unique_ptr<MainWindow> window;
    bool started = false;
};

} // namespace

class tst_DesktopWindow : public QObject
{
    Q_OBJECT
private slots:
    void everyHelpPageNameHasAPage();
    void helpFollowsThePageInFront();
    void settingsRestoredOnTheNextStart();
    void ledsSayWhatTheyShow();
};

// Every help page a page or dialog names, in the sources of the plug-in and the host, is a page of the
// help, and an anchor it names is in that page.
void tst_DesktopWindow::everyHelpPageNameHasAPage()
{
    const QRegularExpression literal(QStringLiteral("\"([a-z_]+\\.html)(#[a-z_]+)?\""));
    QStringList names;
    for (const char *folder : {"/client", "/host"}) {
        QDirIterator files(QStringLiteral(ZEL_SOURCE_DIR) + QLatin1String(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                           QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QRegularExpressionMatchIterator matches = literal.globalMatch(QString::fromUtf8(file.readAll()));
            while (matches.hasNext()) {
                const QRegularExpressionMatch match = matches.next();
                names << match.captured(1) + match.captured(2);
            }
        }
    }
    QVERIFY(names.size() > 20);
    for (const QString &name : qAsConst(names)) {
        const QUrl url = HelpWindow::urlOf(name);
        QVERIFY2(url.isValid(), qPrintable(name));
        if (!url.fragment().isEmpty()) {
            QFile page(QStringLiteral(":/help/") + url.path().section(QLatin1Char('/'), -1));
            QVERIFY(page.open(QIODevice::ReadOnly));
            QVERIFY2(page.readAll().contains("name=\"" + url.fragment().toLatin1() + '"'), qPrintable(name));
        }
    }
}

void tst_DesktopWindow::helpFollowsThePageInFront()
{
    Client client;
    QVERIFY(client.started);
    client.window->show();
    for (int pageId : client.window->navigation()->pageIds()) {
        if (!client.window->navigation()->isPageOffered(pageId) || !client.window->openPage(pageId))
            continue;
        client.window->showHelp();
        HelpWindow *help = client.window->helpWindow();
        QVERIFY(help);
        QCOMPARE(help->browser()->source(), HelpWindow::urlOf(client.window->currentHelpPage()));
        QVERIFY2(client.window->currentHelpPage() != HelpWindow::overviewPage(), qPrintable(QString::number(pageId)));
        QVERIFY(!help->browser()->toPlainText().isEmpty());
    }
}

void tst_DesktopWindow::settingsRestoredOnTheNextStart()
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("otn-client.ini")), QSettings::IniFormat);
    constexpr int sonet = 0;
    QSize size;
    {
        Client first;
        QVERIFY(first.started);
        first.window->useSettings(&settings);
        first.window->show();
        first.window->resize(1100, 700);
        size = first.window->size();
        first.window->setPort(2);
        first.session.serverManager()->setGUIAccessState(ControlBar::RestrictedAccess);
        auto *sonetAction = first.window->findChild<QAction *>(QStringLiteral("actionTerminologySonet"));
        QVERIFY(sonetAction);
        sonetAction->trigger();
        QVERIFY(settle(first.session));
        // Closing asks while the measurement runs; stopped, the window closes and keeps its settings.
        QVERIFY(!first.window->closeQuestion().isEmpty());
        QVERIFY(first.window->measurement()->stop());
        QVERIFY(settle(first.session));
        QCOMPARE(first.window->closeQuestion(), QString());
        QVERIFY(first.window->close());
    }
    Client second;
    QVERIFY(second.started);
    second.window->useSettings(&settings);
    second.window->show();
    QVERIFY(settle(second.session));
    QCOMPARE(second.window->currentPort(), 2);
    QCOMPARE(second.window->size(), size);
    QCOMPARE(second.session.serverManager()->getGUIAccessState(), int(ControlBar::RestrictedAccess));
    QCOMPARE(second.session.serverManager()->cachedParameter(zelServerManager::terminologySid(2))->getEnum(), sonet);
}

void tst_DesktopWindow::ledsSayWhatTheyShow()
{
    Client client;
    QVERIFY(client.started);
    NavigationList *navigation = client.window->navigation();
    int leds = 0;
    for (int pageId : navigation->pageIds()) {
        for (PortStatusItem *led : navigation->statusLeds(pageId)) {
            ++leds;
            QVERIFY2(!led->toolTip().startsWith(QLatin1String("Status:")), qPrintable(led->toolTip()));
        }
    }
    QVERIFY(leds > 0);
    PortStatusItem *summary = nullptr;
    for (int pageId : navigation->pageIds())
        summary = summary ? summary : navigation->summaryLed(pageId);
    QVERIFY(summary);
    QVERIFY2(summary->toolTip().endsWith(QLatin1String(": clear")), qPrintable(summary->toolTip()));
    summary->setState(PortStatusItem::Alarm);
    QVERIFY2(summary->toolTip().endsWith(QLatin1String(": current")), qPrintable(summary->toolTip()));
}

QTEST_MAIN(tst_DesktopWindow)
#include "tst_desktopwindow.moc"
