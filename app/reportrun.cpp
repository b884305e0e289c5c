#include "reportrun.h"

#include <QEventLoop>
#include <QTextStream>
#include <QTimer>

#include "clientsession.h"
#include "host/server/intervalpoller.h"
#include "reportsaver.h"

ReportRun::ReportRun(const ClientOptions &options) : m_options(options) {}

int ReportRun::run(QTextStream &progress)
{
    ClientSession session(m_options);
    QString error;
    if (!session.start(&error)) {
        progress << error << "\n";
        progress.flush();
        return 1;
    }
    progress << "Running the tester for " << m_options.runSeconds << " s\n";
    progress.flush();
    // The session's poller measures the seconds while the loop runs, as it does under the window.
    for (int second = 1; second <= m_options.runSeconds; ++second) {
        QEventLoop loop;
        QTimer::singleShot(IntervalPoller::intervalMs, &loop, &QEventLoop::quit);
        loop.exec();
        progress << "  " << second << "/" << m_options.runSeconds << " s\n";
        progress.flush();
    }
    progress << "Writing the report to " << m_options.reportPath << "\n";
    progress.flush();
    if (!ReportSaver::write(session, m_options.reportPath, m_options.csvPath, &error)) {
        progress << error << "\n";
        return 1;
    }
    if (!m_options.csvPath.isEmpty())
        progress << "Wrote " << m_options.csvPath << " and " << ReportSaver::eventsPathFor(m_options.csvPath) << "\n";
    progress << "Done\n";
    return 0;
}
