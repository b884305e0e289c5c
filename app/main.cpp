#include <memory>

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTextStream>

#include "clientoptions.h"
#include "clientsession.h"
#include "mainwindow.h"
#include "pluginloader.h"
#include "reportrun.h"
#include "structurescreenshots.h"

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
    if (options.versionRequested) {
        out << "otn-client " << ClientOptions::version() << "\n";
        return 0;
    }
    // Screenshots and reports need no display.
    const bool windowless = !options.screenshotDir.isEmpty() || !options.reportPath.isEmpty();
    if (windowless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("otn-client"));
    QApplication::setApplicationVersion(ClientOptions::version());
    QApplication::setOrganizationName(QStringLiteral("zel"));

    // Without its plug-in the client has nothing to show: it ends before it opens a window or writes a file.
    options.pluginPath = PluginLoader::locate(options.pluginPath, QCoreApplication::applicationDirPath());
    PluginLoader plugin;
    if (!plugin.load(options.pluginPath)) {
        const QString message = QStringLiteral("Cannot load the OTN plug-in: %1").arg(plugin.errorString());
        err << message << "\n";
        // Started from the desktop menu, nobody reads stderr: a window session says it on screen too.
        if (!windowless && QGuiApplication::platformName() != QLatin1String("offscreen"))
            QMessageBox::critical(nullptr, QStringLiteral("otn-client"), message);
        return 1;
    }

    if (!options.screenshotDir.isEmpty()) {
        StructureScreenshots screenshots(options);
        const int result = screenshots.run();
        for (const QString &file : screenshots.writtenFiles())
            out << file << "\n";
        for (const QString &message : screenshots.notes())
            err << message << "\n";
        for (const QString &message : screenshots.errors())
            err << message << "\n";
        return result;
    }

    if (!options.reportPath.isEmpty())
        return ReportRun(options).run(err);

    ClientSession session(options);
    if (!session.start(&error)) {
        err << error << "\n";
        return 1;
    }
    MainWindow window(session);
    const std::unique_ptr<QSettings> settings = options.settingsFile.isEmpty()
        ? std::make_unique<QSettings>()
        : std::make_unique<QSettings>(options.settingsFile, QSettings::IniFormat);
    if (options.resetSettings)
        settings->clear();
    window.useSettings(settings.get());
    window.show();
    return app.exec();
}
