#include "structurescreenshots.h"

#include <algorithm>

#include <QCoreApplication>
#include <QCryptographicHash>
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
        const bool rendered = render(options, root.filePath(structure->name), &files);
        // Outside an event loop nothing deletes what Qt scheduled for deletion: the structure's leftovers
        // go now, not with the last structure.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!rendered)
            continue;

        ContactSheet::Section section{structure->name, structure->title, {}, {}};
        for (const QString &file : qAsConst(files)) {
            const QFileInfo info(file);
            const QString relative = structure->name + QLatin1Char('/') + info.fileName();
            const QByteArray digest = digestOf(QImage(file));
            QList<Shown> &earlier = m_shown[info.fileName()];
            auto same = std::find_if(earlier.cbegin(), earlier.cend(),
                                     [&digest](const Shown &shown) { return shown.digest == digest; });
            if (!digest.isEmpty() && same != earlier.cend()) {
                QFile::remove(file);
                section.unchanged.append({same->path, info.completeBaseName()});
                continue;
            }
            earlier.append({relative, digest});
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

QByteArray StructureScreenshots::digestOf(const QImage &image)
{
    if (image.isNull())
        return QByteArray();
    // The pixels row by row, without the padding at a row's end, in one format whatever the file held.
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    QCryptographicHash hash(QCryptographicHash::Md5);
    const qint32 size[2] = {pixels.width(), pixels.height()};
    hash.addData(reinterpret_cast<const char *>(size), sizeof size);
    const int rowBytes = pixels.width() * 4;
    for (int row = 0; row < pixels.height(); ++row)
        hash.addData(reinterpret_cast<const char *>(pixels.constScanLine(row)), rowBytes);
    return hash.result();
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
