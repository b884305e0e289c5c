#include "stimuliarea.h"

#include "ui_stimuliarea.h"

#include <algorithm>

#include <QSet>

#include "clientlogging.h"
#include "host/bindings/uihelper.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelperlist.h"
#include "host/pages/stimuliwidget.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"

StimuliArea::StimuliArea(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::StimuliArea>()), m_switches(std::make_unique<UiHelperList>())
{
    ui->setupUi(this);
    ui->twStimuli->setVisible(false);
    ui->pbInsert->setVisible(false);
    ui->lblInsertion->setVisible(false);
    connect(ui->twStimuli, &QTabWidget::currentChanged, this, &StimuliArea::showInsertion);
    connect(ui->pbInsert, &QPushButton::clicked, this, &StimuliArea::insertClicked);
}

StimuliArea::~StimuliArea() = default;

void StimuliArea::setServerManager(zelServerManager *manager)
{
    m_manager = manager;
    if (manager)
        m_texts = manager->texts();
    followSwitches();
    showPort(m_port);
}

void StimuliArea::addPanels(int port, const QList<StimuliRegistration> &items)
{
    for (const StimuliRegistration &item : items) {
        if (!item.widget)
            continue;
        item.widget->setId(item.sid);
        item.widget->setParent(this);
        item.widget->hide();
        connect(item.widget, &StimuliWidget::insertionChanged, this, &StimuliArea::showInsertion);
        m_panels[port].append(item);
    }
    followSwitches();
    if (port == m_port)
        showPort(port);
}

void StimuliArea::showPort(int port)
{
    m_port = port;
    {
        // One look at the insertion once the tabs are in place, not one per tab going and coming.
        const QSignalBlocker blocker(ui->twStimuli);
        // Removing a tab keeps its panel; the panels stay children of the area.
        while (ui->twStimuli->count() > 0) {
            QWidget *panel = ui->twStimuli->widget(0);
            ui->twStimuli->removeTab(0);
            panel->setParent(this);
            panel->hide();
        }
        for (const StimuliRegistration &item : m_panels.value(port))
            ui->twStimuli->addTab(item.widget, item.widget->title(m_texts));
    }
    const bool any = ui->twStimuli->count() > 0;
    ui->twStimuli->setVisible(any);
    ui->lblNoStimuli->setVisible(!any);
    showInsertion();
}

QList<StimuliWidget *> StimuliArea::currentPanels() const
{
    QList<StimuliWidget *> panels;
    for (int i = 0; i < ui->twStimuli->count(); ++i)
        panels.append(qobject_cast<StimuliWidget *>(ui->twStimuli->widget(i)));
    return panels;
}

StimuliWidget *StimuliArea::currentPanel() const
{
    return qobject_cast<StimuliWidget *>(ui->twStimuli->currentWidget());
}

bool StimuliArea::showPanel(StimuliWidget *panel)
{
    if (!panel || ui->twStimuli->indexOf(panel) < 0)
        return false;
    ui->twStimuli->setCurrentWidget(panel);
    return true;
}

void StimuliArea::setGUIAccessState(int state)
{
    m_accessState = state;
    for (const QList<StimuliRegistration> &items : qAsConst(m_panels)) {
        for (const StimuliRegistration &item : items)
            item.widget->SetGUIAccessState(state);
    }
    showInsertion();
}

void StimuliArea::setTerminology(int terminology)
{
    for (const StimuliRegistration &item : m_panels.value(m_port)) {
        item.widget->ChangeTerminology(terminology);
        item.widget->UpdateText();
    }
    for (int i = 0; i < ui->twStimuli->count(); ++i)
        ui->twStimuli->setTabText(i, qobject_cast<StimuliWidget *>(ui->twStimuli->widget(i))->title(m_texts));
    showInsertion();
}

void StimuliArea::qcmaParameterChanged(const QcmaParameter &)
{
    showInsertion();
}

void StimuliArea::followSwitches()
{
    m_switches->Clear();
    if (!m_manager)
        return;
    QSet<int> followed;
    for (const QList<StimuliRegistration> &items : qAsConst(m_panels)) {
        for (const StimuliRegistration &item : items) {
            const int sid = item.widget->insertionSid();
            if (sid == 0 || followed.contains(sid))
                continue;
            followed.insert(sid);
            if (!m_manager->cachedParameter(sid))
                qCWarning(lcClient, "Stimuli panel %s: the server has no insertion switch 0x%08x; it cannot insert.",
                          qPrintable(item.widget->objectName()), unsigned(sid));
            m_switches->AddUiHelper(
                std::make_unique<UiHelper_Notification>(m_manager, this, sid, UiHelper::ConnectImmediately));
        }
    }
}

int StimuliArea::switchState(int sid) const
{
    const QcmaParameter *value = m_manager && sid ? m_manager->cachedParameter(sid) : nullptr;
    return value && value->isDefined() ? value->getEnum() : StimuliWidget::InsertionOff;
}

QString StimuliArea::insertionLine(const StimuliWidget &panel, int state)
{
    const int sid = panel.insertionSid();
    const QString what = panel.insertionText();
    switch (state) {
    case StimuliWidget::InsertionOff:
        m_inserted.remove(sid);
        return QString();
    case StimuliWidget::InsertionOn:
        m_inserted.insert(sid, what);
        return what.isEmpty() ? tr("Inserting") : tr("Inserting: %1").arg(what);
    case StimuliWidget::InsertionDone: {
        const QString inserted = m_inserted.value(sid, what);
        return inserted.isEmpty() ? tr("Inserted") : tr("Inserted: %1").arg(inserted);
    }
    default:
        break;
    }
    // The server stopped it by itself: its value's name says why.
    const QString reason = m_texts.getValueName(sid, state, panel.terminology());
    if (!reason.isEmpty())
        return reason;
    qCWarning(lcClient, "Insertion switch 0x%08x: unknown state %d.", unsigned(sid), state);
    return tr("Stopped (%1)").arg(state);
}

void StimuliArea::showInsertion()
{
    StimuliWidget *panel = currentPanel();
    const int sid = panel ? panel->insertionSid() : 0;
    QStringList lines;
    ui->pbInsert->setVisible(sid != 0);
    if (sid != 0) {
        const int state = switchState(sid);
        ui->pbInsert->setText(state == StimuliWidget::InsertionOn ? tr("Stop") : tr("Insert"));
        ui->pbInsert->setEnabled(m_manager && m_manager->cachedParameter(sid) && m_accessState == 0);
        const QString line = insertionLine(*panel, state);
        if (!line.isEmpty())
            lines << line;
    }
    // Insertions out of sight go on: the other tabs of this port, then the other ports.
    for (const StimuliRegistration &item : m_panels.value(m_port)) {
        const int other = item.widget->insertionSid();
        if (item.widget != panel && other != 0 && other != sid && switchState(other) == StimuliWidget::InsertionOn)
            lines << tr("%1 is still inserting").arg(item.widget->title(m_texts));
    }
    QList<int> ports = m_panels.keys();
    std::sort(ports.begin(), ports.end());
    for (int port : qAsConst(ports)) {
        if (port == m_port)
            continue;
        for (const StimuliRegistration &item : m_panels.value(port)) {
            if (switchState(item.widget->insertionSid()) == StimuliWidget::InsertionOn) {
                lines << tr("Port %1 is still inserting").arg(port);
                break;
            }
        }
    }
    ui->lblInsertion->setText(lines.join(QLatin1Char('\n')));
    ui->lblInsertion->setVisible(!lines.isEmpty());
}

void StimuliArea::insertClicked()
{
    StimuliWidget *panel = currentPanel();
    const int sid = panel ? panel->insertionSid() : 0;
    std::unique_ptr<QcmaParameter> copy = m_manager && sid ? m_manager->GetQcmaParameter(sid) : nullptr;
    if (!copy) {
        qCWarning(lcClient, "Insert: the server has no insertion switch 0x%08x.", unsigned(sid));
        return;
    }
    const int wanted = switchState(sid) == StimuliWidget::InsertionOn ? StimuliWidget::InsertionOff
                                                                       : StimuliWidget::InsertionOn;
    if (!copy->setValue(wanted)) {
        qCWarning(lcClient, "Insert: the insertion switch 0x%08x takes no value %d.", unsigned(sid), wanted);
        return;
    }
    // The button turns when the server confirms.
    m_manager->SetQcmaParameter(copy.get());
}
