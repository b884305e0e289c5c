#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QList>
#include <QString>
#include <QStringList>

#include "clientoptions.h"

class ClientSession;
class PowerOnStructure;

// Screenshot mode: the client's screens once per power-on structure. Each structure gets a session of
// its own (tester, plug-in, pages), rendered as the whole window and by ScreenshotRunner (pages, the
// dialogs their buttons open, stimuli panels) into a folder named after the structure. A screen that
// looks exactly as in an earlier structure is left out of the later folder, and index.html shows every
// image with its name. New screens appear here as soon as ScreenshotRunner renders them.
class StructureScreenshots
{
public:
    // The structures of the options: the one given with --structure, otherwise every one.
    explicit StructureScreenshots(const ClientOptions &options);

    // 0 when every structure was rendered and the contact sheet written, 1 otherwise.
    int run();

    QStringList writtenFiles() const { return m_written; }
    QStringList errors() const { return m_errors; }
    QStringList notes() const { return m_notes; }

    static QString windowFileName() { return QStringLiteral("otn-client.png"); }
    static QString sheetFileName() { return QStringLiteral("index.html"); }
    static QSize eventPageSize() { return QSize(1000, 560); }

private:
    // A picture written for an earlier structure: its digest stands for the image, so that no image of a
    // structure outlives its rendering.
    struct Shown {
        QString path;   // relative to the screenshot folder
        QByteArray digest;
    };

    static QByteArray digestOf(const QImage &image);

    QList<const PowerOnStructure *> structures() const;
    // The files written for the structure, the window first; false when nothing could be rendered.
    bool render(const ClientOptions &options, const QString &folder, QStringList *files);
    bool renderWindow(ClientSession &session, const QString &folder, QStringList *files);
    // The event log and history pages after a sample run on the first port (run last: it inserts).
    void renderEventPages(ClientSession &session, const QString &folder, QStringList *files);
    void addNote(const QString &note);

    ClientOptions m_options;
    QHash<QString, QList<Shown>> m_shown;   // by file name
    QStringList m_written;
    QStringList m_errors;
    QStringList m_notes;
};
