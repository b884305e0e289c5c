#include "structurescreenshots.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "clientsession.h"
#include "contactsheet.h"
#include "customscreenpage.h"
#include "eventlogpage.h"
#include "eventsamplerun.h"
#include "historypage.h"
#include "host/contract/interfacesetupidentifier.h"
#include "mainwindow.h"
#include "screenshotrunner.h"
#include "simulator/poweronstructure.h"

namespace {
// The window as a user first sees it, with the Tx frame setup open.
const QSize windowSize(1280, 800);
constexpr int firstPage = InterfaceSetupIdentifier::PageOtnTxFrameSetup;
} // namespace

StructureScreenshots::StructureScreenshots(const ClientOptions &options) : m_options(options) {}

QList<const PowerOnStructure *> StructureScreenshots::structures() const
{
    QList<const PowerOnStructure *> list;
    if (m_options.structureGiven) {
        if (const PowerOnStructure *given = PowerOnStructure::find(m_options.structure))
            list.append(given);
        return list;
    }
    for (const PowerOnStructure &structure : PowerOnStructure::all())
        list.append(&structure);
    return list;
}

int StructureScreenshots::run()
{
    m_written.clear();
    m_errors.clear();
    m_notes.clear();
    m_shown.clear();
    const QDir root(m_options.screenshotDir);
    if (!QDir().mkpath(root.path())) {
        m_errors.append(QStringLiteral("Cannot create %1.").arg(root.path()));
        return 1;
    }

    ContactSheet sheet(QStringLiteral("otn-client screens by structure"));
    for (const PowerOnStructure *structure : structures()) {
        ClientOptions options = m_options;
        QString reason;
        if (!options.useStructure(structure->name, &reason)) {
            addNote(QStringLiteral("Structure %1 left out: %2").arg(structure->name, reason));
            continue;
        }
        QStringList files;
        if (!render(options, root.filePath(structure->name), &files))
            continue;

        ContactSheet::Section section{structure->name, structure->title, {}, {}};
        for (const QString &file : qAsConst(files)) {
            const QFileInfo info(file);
            const QString relative = structure->name + QLatin1Char('/') + info.fileName();
            const QImage image(file);
            QList<Shown> &earlier = m_shown[info.fileName()];
            auto same = std::find_if(earlier.cbegin(), earlier.cend(),
                                     [&image](const Shown &shown) { return shown.image == image; });
            if (!image.isNull() && same != earlier.cend()) {
                QFile::remove(file);
                section.unchanged.append({same->path, info.completeBaseName()});
                continue;
            }
            earlier.append({relative, image});
            section.images.append({relative, info.completeBaseName()});
            m_written.append(file);
        }
        sheet.addSection(section);
    }

    const QString sheetFile = root.filePath(sheetFileName());
    QString error;
    if (sheet.write(sheetFile, &error))
        m_written.append(sheetFile);
    else
        m_errors.append(error);
    return m_errors.isEmpty() ? 0 : 1;
}

bool StructureScreenshots::render(const ClientOptions &options, const QString &folder, QStringList *files)
{
    ClientSession session(options);
    QString error;
    if (!session.start(&error)) {
        m_errors.append(error);
        return false;
    }
    if (!QDir().mkpath(folder)) {
        m_errors.append(QStringLiteral("Cannot create %1.").arg(folder));
        return false;
    }
    renderWindow(session, folder, files);

    ScreenshotRunner runner(session.setupFactory(), session.serverManager(), session.dialogRunner(), folder);
    runner.setIntervalPoller(session.intervalPoller());
    runner.setStatisticsFactory(session.statisticsFactory());
    runner.setPort(session.ports().value(0, 1));
    // The window took the registered panels; the pictures get a set of their own.
    runner.setStimuli(session.registerStimuli(session.ports().value(0, 1)));
    runner.run();
    *files += runner.writtenFiles();
    m_errors += runner.errors();
    for (const QString &note : runner.notes())
        addNote(note);
    renderEventPages(session, folder, files);
    return true;
}

void StructureScreenshots::renderEventPages(ClientSession &session, const QString &folder, QStringList *files)
{
    const int port = session.ports().value(0, 1);
    QString problem;
    if (!EventSampleRun::run(session.serverManager(), session.intervalPoller(), port, &problem))
        addNote(problem);
    EventLogPage log;
    log.setObjectName(QStringLiteral("EventLogPage"));
    log.setLog(session.eventLog());
    log.showPort(port);
    HistoryPage history;
    history.setObjectName(QStringLiteral("HistoryPage"));
    history.setLog(session.eventLog());
    history.showPort(port);
    CustomScreenPage custom;
    custom.setObjectName(QStringLiteral("CustomScreenPage"));
    custom.setup(session.serverManager(), session.uiHelperWrapper(), port);
    custom.setScreen(CustomScreenPage::sampleScreen(port), nullptr);
    for (QWidget *page : {static_cast<QWidget *>(&log), static_cast<QWidget *>(&history),
                          static_cast<QWidget *>(&custom)}) {
        page->setAttribute(Qt::WA_DontShowOnScreen);
        page->resize(eventPageSize());
        page->show();
        QCoreApplication::processEvents();
        const QString file = QDir(folder).filePath(ScreenshotRunner::fileNameFor(page->objectName()));
        if (page->grab().save(file, "PNG"))
            files->append(file);
        else
            m_errors.append(QStringLiteral("Cannot write %1.").arg(file));
    }
}

bool StructureScreenshots::renderWindow(ClientSession &session, const QString &folder, QStringList *files)
{
    MainWindow window(session);
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.resize(windowSize);
    window.show();
    window.openPage(firstPage);
    // The window as the user sees it, scrolling what does not fit; each page is pictured whole on its own.
    ScreenshotRunner::showWithValues(&window, session.intervalPoller());
    const QString file = QDir(folder).filePath(windowFileName());
    if (!window.grab().save(file, "PNG")) {
        m_errors.append(QStringLiteral("Cannot write %1.").arg(file));
        return false;
    }
    files->append(file);
    return true;
}

void StructureScreenshots::addNote(const QString &note)
{
    if (!m_notes.contains(note))
        m_notes.append(note);
}
