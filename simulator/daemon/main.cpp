#include <csignal>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QTextStream>

#include "testeroptions.h"
#include "testerserver.h"

namespace {

// SIGTERM and SIGINT reach the event loop through a pipe: the handler may only write to it.
int stopPipe[2] = {-1, -1};

void onStopSignal(int)
{
    const char byte = 1;
    const ssize_t written = ::write(stopPipe[1], &byte, 1);
    Q_UNUSED(written)
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("otn-tester"));
    TesterOptions options;
    QString error;
    QString help;
    if (!options.parse(QCoreApplication::arguments(), &error, &help)) {
        QTextStream(stderr) << error << "\n";
        return 2;
    }
    if (options.helpRequested) {
        QTextStream(stdout) << help;
        return 0;
    }
    if (::pipe(stopPipe) != 0) {
        QTextStream(stderr) << "cannot set up the stop signal\n";
        return 1;
    }
    std::signal(SIGTERM, onStopSignal);
    std::signal(SIGINT, onStopSignal);

    TesterServer server(options.tester, options.statePath);
    server.setMaxClients(options.maxClients);
    if (!server.listen(options.address, options.port))
        return 1;
    QSocketNotifier stop(stopPipe[0], QSocketNotifier::Read);
    QObject::connect(&stop, &QSocketNotifier::activated, &app, [&server] {
        server.closeAll(QStringLiteral("the tester is stopping"));
        // Lets the closing frames go out.
        QTimer::singleShot(200, QCoreApplication::instance(), &QCoreApplication::quit);
    });
    const int result = app.exec();
    QTextStream(stderr) << "otn-tester stopped\n";
    return result;
}
