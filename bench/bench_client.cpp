// The figures of the whole client in one process: what a user waits for at start, the memory it holds with
// every page open, and the processor it takes while idle with values arriving. Each mode has a Qt-only
// counterpart doing the same kind of work; scripts/bench runs both and sets them side by side.
//
//   bench_client start|start-qt    opens the Tx frame setup page, then ends (the caller times the process)
//   bench_client memory|memory-qt  prints "rss_kb N" with every page and panel created
//   bench_client idle|idle-qt      prints "cpu_percent X" over 10 s of 10 interval updates a second
//   bench_client grab-qt N DIR     saves N pictures of a 1024 x 700 form, Qt's cost of screenshots

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QTextStream>
#include <QTimer>

#include <sys/resource.h>

#include "clientoptions.h"
#include "clientsession.h"
#include "host/contract/interfacesetupidentifier.h"
#include "host/pages/page.h"
#include "host/server/intervalpoller.h"
#include "mainwindow.h"
#include "pluginloader.h"
#include "screenshotrunner.h"

namespace {

constexpr int updatesPerSecond = 10;
constexpr int idleSeconds = 10;

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void letEventsRun(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool pageShown(const QWidget &window)
{
    for (const Page *page : window.findChildren<Page *>()) {
        if (page->isVisible())
            return true;
    }
    return false;
}

// The client as main() starts it, on the embedded simulated tester.
struct Client {
    Client()
    {
        options.pluginPath = PluginLoader::locate(options.pluginPath, QCoreApplication::applicationDirPath());
        if (!plugin.load(options.pluginPath) || !session.start(&error))
            return;
        window.reset(new MainWindow(session));
        window->show();
        // The page a user opens first: the Tx frame setup.
        window->openPage(InterfaceSetupIdentifier::PageOtnTxFrameSetup);
        for (int round = 0; round < 1000 && !pageShown(*window); ++round)
            QCoreApplication::processEvents();
    }
    bool ok() const { return window && pageShown(*window); }

    ClientOptions options;
    PluginLoader plugin;
    QString error;
    ClientSession session{options};
    std::unique_ptr<MainWindow> window;
};

// A window of Qt alone, shown.
struct QtWindow {
    QtWindow()
    {
        window.setCentralWidget(new QLabel(QStringLiteral("OTN")));
        window.show();
        QCoreApplication::processEvents();
    }
    QMainWindow window;
};

int idle(bool qt)
{
    std::unique_ptr<Client> client;
    std::unique_ptr<QtWindow> bare;
    QLabel *label = nullptr;
    QTimer timer;
    int step = 0;
    if (qt) {
        bare.reset(new QtWindow);
        label = static_cast<QLabel *>(bare->window.centralWidget());
        QObject::connect(&timer, &QTimer::timeout, [label, &step] { label->setText(QString::number(++step)); });
    } else {
        client.reset(new Client);
        if (!client->ok())
            return 1;
        // The poller asks as often as the updates come.
        client->session.intervalPoller()->start(1000 / updatesPerSecond);
    }
    if (qt)
        timer.start(1000 / updatesPerSecond);
    const double before = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    letEventsRun(idleSeconds * 1000);
    const double used = cpuSeconds() - before;
    QTextStream(stdout) << "cpu_percent " << QString::number(100.0 * used / (wall.elapsed() / 1000.0), 'f', 2) << "\n";
    return 0;
}

int memory(bool qt)
{
    if (qt) {
        QtWindow bare;
        QTextStream(stdout) << "rss_kb " << residentKb() << "\n";
        return 0;
    }
    Client client;
    if (!client.ok())
        return 1;
    for (int pageId : ScreenshotRunner::registeredPages(*client.session.setupFactory())) {
        client.window->openPage(pageId);
        QCoreApplication::processEvents();
    }
    client.session.intervalPoller()->poll();
    letEventsRun(100);
    QTextStream(stdout) << "rss_kb " << residentKb() << "\n";
    return 0;
}

int grab(int count, const QString &folder)
{
    QLabel form(QStringLiteral("OTN"));
    form.setAttribute(Qt::WA_DontShowOnScreen);
    form.resize(1024, 700);
    form.show();
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        form.setText(QString::number(i));
        if (!form.grab().save(QDir(folder).filePath(QStringLiteral("%1.png").arg(i)), "PNG"))
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString mode = arguments.value(1);
    if (mode == QLatin1String("start"))
        return Client().ok() ? 0 : 1;
    if (mode == QLatin1String("start-qt"))
        return QtWindow().window.isVisible() ? 0 : 1;
    if (mode == QLatin1String("memory") || mode == QLatin1String("memory-qt"))
        return memory(mode.endsWith(QLatin1String("-qt")));
    if (mode == QLatin1String("idle") || mode == QLatin1String("idle-qt"))
        return idle(mode.endsWith(QLatin1String("-qt")));
    if (mode == QLatin1String("grab-qt"))
        return grab(arguments.value(2).toInt(), arguments.value(3));
    QTextStream(stderr) << "usage: bench_client start|memory|idle[-qt] | grab-qt N DIR\n";
    return 2;
}
