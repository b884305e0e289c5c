#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include "clientoptions.h"
#include "clientsession.h"
#include "mainwindow.h"
#include "screenshotrunner.h"

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    ClientOptions options;
    QString error;
    QString help;
    const bool parsed = options.parse(arguments, &error, &help);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parsed) {
        err << error << "\n";
        return 2;
    }
    if (options.helpRequested) {
        const QCoreApplication core(argc, argv);
        options.parse(arguments, &error, &help);
        out << help;
        return 0;
    }
    // Screenshots need no display.
    if (!options.screenshotDir.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("otn-client"));
    ClientSession session(options);
    if (!session.start(&error)) {
        err << error << "\n";
        // Without a plug-in there is nothing to render; a window still runs and says why it is empty.
        if (!options.screenshotDir.isEmpty())
            return 1;
    }

    if (!options.screenshotDir.isEmpty()) {
        ScreenshotRunner runner(session.setupFactory(), session.serverManager(), options.screenshotDir);
        runner.setPort(session.ports().value(0, 1));
        runner.setStimuli(session.takeStimuli(session.ports().value(0, 1)));
        const int result = runner.run();
        {
            // The whole window as a user first sees it, with the Tx frame setup open.
            MainWindow window(session);
            window.setAttribute(Qt::WA_DontShowOnScreen);
            window.resize(1280, 800);
            window.show();
            window.openPage(31);
            QCoreApplication::processEvents();
            const QString file = QDir(options.screenshotDir).filePath(QStringLiteral("otn-client.png"));
            if (window.grab().save(file, "PNG"))
                out << file << "\n";
        }
        for (const QString &file : runner.writtenFiles())
            out << file << "\n";
        for (const QString &message : runner.notes())
            err << message << "\n";
        for (const QString &message : runner.errors())
            err << message << "\n";
        return result;
    }

    MainWindow window(session);
    window.show();
    return app.exec();
}
