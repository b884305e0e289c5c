#pragma once

#include <memory>

#include <QHash>
#include <QList>
#include <QWidget>

#include "host/bindings/notifyinterface.h"
#include "host/contract/stimuliregistration.h"
#include "host/texts/widgettext.h"

namespace Ui {
class StimuliArea;
}

class UiHelperList;
class zelServerManager;

// The stimuli panels the plug-in registered, those of the current port shown as tabs, with Insert/Stop
// and a status line for the insertion of the current tab's panel. The area owns every panel handed to it.
// It follows the insertion switches of every port's panels: changing port, tab or structure stops
// nothing, and the status line tells when a panel out of sight is still inserting.
class StimuliArea : public QWidget, public NotifyInterface
{
    Q_OBJECT
public:
    explicit StimuliArea(QWidget *parent = nullptr);
    ~StimuliArea() override;

    // The server whose switches the area follows and writes, and whose texts name the panels (the
    // built-in texts until then).
    void setServerManager(zelServerManager *manager);
    void addPanels(int port, const QList<StimuliRegistration> &items);
    void showPort(int port);
    int port() const { return m_port; }
    // The panels shown now, in tab order.
    QList<StimuliWidget *> currentPanels() const;
    // The panel of the current tab, or null.
    StimuliWidget *currentPanel() const;
    // Makes the panel the current tab; false when it is not shown now.
    bool showPanel(StimuliWidget *panel);
    void setGUIAccessState(int state);
    void setTerminology(int terminology);

    void qcmaParameterChanged(const QcmaParameter &parameter) override;

private:
    // One watcher per switch of the registered panels, connected as long as the area has them.
    void followSwitches();
    // The button and the status line for the current tab, and what runs out of sight.
    void showInsertion();
    QString insertionLine(const StimuliWidget &panel, int state);
    int switchState(int sid) const;
    // Writes On, or Off while the current panel inserts.
    void insertClicked();

    std::unique_ptr<Ui::StimuliArea> ui;
    std::unique_ptr<UiHelperList> m_switches;
    zelServerManager *m_manager = nullptr;
    QHash<int, QList<StimuliRegistration>> m_panels;
    // What each switch inserted when last seen inserting, so the end names it even if the panel changed since.
    QHash<int, QString> m_inserted;
    WidgetText m_texts;
    int m_port = 0;
    int m_accessState = 0;
};
