#pragma once

#include <QHash>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include "host/contract/stimuliregistration.h"

class DialogRunner;
class InterfaceSetupPageFactory;
class QDialog;
class QPixmap;
class IntervalPoller;
class StatisticsListTablePageFactory;
class QWidget;
class zelServerManager;

// Renders every page the plug-in registered, every dialog a page's buttons open, the result pages of the
// views, the sample states of the pages that offer some (with the dialogs they open on the way), the
// plug-in's sample dialogs and the stimuli panels of the first port (in the stimuli area, under their
// tabs) offscreen to PNG files named after their object names; a dialog is pictured below its window title and named after it too. A registered page that this plug-in build does not provide is listed as a note; a
// file that cannot be written makes the run fail.
class ScreenshotRunner
{
public:
    // dialogs is the modal runner installed on the manager: the runner renders each dialog run there.
    ScreenshotRunner(InterfaceSetupPageFactory *factory, zelServerManager *manager, DialogRunner &dialogs,
                     const QString &directory);

    void setSize(const QSize &size) { m_size = size; }
    // The port whose values the sample dialogs show.
    void setPort(int port) { m_port = port; }
    // Each picture then shows the values of one interval after the widget was shown.
    void setIntervalPoller(IntervalPoller *poller) { m_poller = poller; }
    // Shows the widget, lets its bindings connect and, with a poller, one interval's answers arrive.
    static void showWithValues(QWidget *widget, IntervalPoller *poller);
    // The result pages of the alarms/errors and performance views come from this factory.
    void setStatisticsFactory(StatisticsListTablePageFactory *factory) { m_statistics = factory; }
    // The runner renders the panels; it deletes them afterwards.
    void setStimuli(const QList<StimuliRegistration> &items) { m_stimuli = items; }

    // 0 when every page the plug-in provides was rendered, 1 otherwise (the others are still written).
    int run();

    QStringList writtenFiles() const { return m_written; }
    QStringList errors() const { return m_errors; }
    QStringList notes() const { return m_notes; }

    // A file name for an object name ("OTN Alarms/Errors status" -> "OTN Alarms-Errors status.png").
    static QString fileNameFor(const QString &objectName);
    // What a dialog's picture is named: its name followed by the window title, which tells the level or
    // field it shows ("OtnOhDialog - ODU2/OPU2 Overhead"); the name alone when the title is empty.
    static QString dialogPictureName(const QString &name, const QString &windowTitle);
    // The dialog with its window title drawn above it, as a window manager would frame it.
    static QPixmap titledPicture(QWidget *dialog);
    // Makes a shown widget as much larger as its scroll areas need to show their contents whole.
    static void growToShowScrolledContents(QWidget *widget);
    // The registered page ids: setup pages, then the status pages, in registration order.
    static QList<int> registeredPages(const InterfaceSetupPageFactory &factory);

private:
    // The size a widget is pictured at: a stimuli panel at the stimuli area's width, the rest at the
    // runner's size.
    QSize sizeFor(QWidget *widget) const;
    bool render(QWidget *widget, const QString &fallbackName);
    // Shown at the runner's size with an interval's values, saved under the name, then hidden.
    bool renderAs(QWidget *widget, const QString &name);
    // Presses every plain button of the page; each dialog it runs is rendered and rejected, each dialog it
    // only shows is rendered and hidden.
    void renderDialogsOf(QWidget *page);
    // Shown at its own size (at least its size hint), saved under the name, then hidden.
    void renderDialog(QDialog *dialog, const QString &name);
    // Steps a page offering sample states into each of them ("<page> - <state>"), letting the tester
    // answer between steps; dialogs opened on the way are rendered too, and the pages that show what a
    // state does elsewhere after it ("<that page> - <state>"). shown is what is pictured (the page itself
    // unless a panel is pictured in its area).
    void renderSampleStates(QWidget *page, QWidget *shown = nullptr);
    // pageState, when given, is the sample state each page is stepped to before its picture.
    void renderStatePages(const QList<int> &pageIds, const QString &state, const QString &pageState);
    // Shows the page and steps it to its sample state of that name; false if it does not get there.
    bool stepPageTo(QWidget *page, const QString &state);
    // The stimuli panels of the port, each pictured in a stimuli area under its tab, then their states.
    void renderStimuli();
    void renderResultPages();
    // Saves a shown widget, grown to show its scrolled contents, under a unique name.
    bool save(QWidget *widget, const QString &name);
    // Lets the tester's answers and one interval's values arrive.
    void settle();
    QString uniqueName(const QString &name);

    // Steps a page may take towards a sample state.
    static constexpr int maxSampleSteps = 12;
    // Intervals let pass before the pages showing what a state does are pictured.
    static constexpr int stateIntervals = 2;
    // The room of a panel in the stimuli area (app/stimuliarea.ui).
    static constexpr int stimuliWidth = 270;
    static constexpr int stimuliHeight = 300;

    InterfaceSetupPageFactory *m_factory = nullptr;
    StatisticsListTablePageFactory *m_statistics = nullptr;
    zelServerManager *m_manager = nullptr;
    DialogRunner *m_dialogs = nullptr;
    IntervalPoller *m_poller = nullptr;
    QString m_directory;
    QSize m_size = QSize(1024, 700);
    int m_port = 1;
    QList<StimuliRegistration> m_stimuli;
    QStringList m_written;
    QStringList m_errors;
    QStringList m_notes;
    QHash<QString, int> m_usedNames;
};
