#include <QtTest>

#include <QAbstractButton>
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
#include "app/pagearea.h"
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
    void keyboardAndToolTipsOfEveryPage_data();
    void keyboardAndToolTipsOfEveryPage();
    void cleanupTestCase();

private:
    std::unique_ptr<Client> m_client;
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

void tst_DesktopWindow::keyboardAndToolTipsOfEveryPage_data()
{
    m_client = std::make_unique<Client>();
    QVERIFY(m_client->started);
    QTest::addColumn<int>("pageId");
    NavigationList *navigation = m_client->window->navigation();
    for (int pageId : navigation->pageIds()) {
        if (navigation->isPageOffered(pageId))
            QTest::newRow(qPrintable(QString::number(pageId) + QLatin1Char(' ') + navigation->titleOf(pageId))) << pageId;
    }
}

// The keyboard reaches every control of a page and never starts on one that turns the port off;
// a button that shows no word says what it is when hovered.
void tst_DesktopWindow::keyboardAndToolTipsOfEveryPage()
{
    QFETCH(int, pageId);
    MainWindow *window = m_client->window.get();
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(window->openPage(pageId));
    QWidget *page = window->pageArea()->currentWidget();
    QVERIFY(page);
    QVERIFY(settle(m_client->session));

    const auto takesTab = [page](const QWidget *widget) {
        return widget != page && page->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled()
            && widget->isVisibleTo(page) && !widget->focusProxy();
    };
    // Of a group of exclusive buttons Tab reaches the checked one; the arrow keys move within the group.
    const auto arrowsReach = [](const QWidget *widget) {
        const auto *button = qobject_cast<const QAbstractButton *>(widget);
        return button && button->autoExclusive() && !button->isChecked();
    };
    QList<QWidget *> controls;
    for (QWidget *widget : page->findChildren<QWidget *>()) {
        if (takesTab(widget) && !arrowsReach(widget))
            controls << widget;
    }

    page->setFocus(Qt::OtherFocusReason);
    QList<QWidget *> visited;
    for (int step = 0; step < 4 * (controls.size() + 1) && visited.size() < controls.size(); ++step) {
        QWidget *before = QApplication::focusWidget();
        QVERIFY(before);
        QTest::keyClick(before, Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        QVERIFY2(now != before, qPrintable(QLatin1String("Tab stays on ") + before->objectName()));
        if (!controls.contains(now))
            continue;
        if (visited.contains(now)) {
            QStringList missing;
            for (QWidget *control : qAsConst(controls)) {
                if (!visited.contains(control))
                    missing << control->objectName() + QLatin1Char(':') + QLatin1String(control->metaObject()->className());
            }
            QFAIL(qPrintable(QLatin1String("Tab never reaches ") + missing.join(QLatin1Char(' '))));
        }
        visited << now;
    }
    QCOMPARE(visited.size(), controls.size());
    if (auto *first = qobject_cast<QAbstractButton *>(visited.value(0)))
        QVERIFY2(first->text().compare(QLatin1String("OFF"), Qt::CaseInsensitive) != 0, qPrintable(first->objectName()));

    // Reading order: among the controls of one group the next is further right on the same row, or on a
    // row below, or (in a diagram read left to right) further right.
    for (int i = 1; i < visited.size(); ++i) {
        const QWidget *previous = visited.at(i - 1);
        const QWidget *next = visited.at(i);
        if (previous->parentWidget() != next->parentWidget())
            continue;
        const QPoint a = previous->geometry().center();
        const QPoint b = next->geometry().center();
        const bool sameRow = qAbs(a.y() - b.y()) < qMin(previous->height(), next->height()) / 2;
        QVERIFY2(b.x() > a.x() || (!sameRow && b.y() > a.y()),
                 qPrintable(previous->objectName() + QLatin1String(" before ") + next->objectName()));
    }

    for (QAbstractButton *button : page->findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(page) && button->text().remove(QLatin1Char('&')).trimmed().size() <= 3)
            QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName() + QLatin1Char(' ') + button->text()));
    }
}

void tst_DesktopWindow::cleanupTestCase()
{
    m_client.reset();
}

QTEST_MAIN(tst_DesktopWindow)
#include "tst_desktopwindow.moc"
