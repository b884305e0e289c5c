#include "stimuliarea.h"

#include "ui_stimuliarea.h"

#include "host/pages/stimuliwidget.h"

StimuliArea::StimuliArea(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::StimuliArea>())
{
    ui->setupUi(this);
    ui->twStimuli->setVisible(false);
}

StimuliArea::~StimuliArea() = default;

void StimuliArea::setTexts(const WidgetText &texts)
{
    m_texts = texts;
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
        m_panels[port].append(item);
    }
    if (port == m_port)
        showPort(port);
}

void StimuliArea::showPort(int port)
{
    m_port = port;
    // Removing a tab keeps its panel; the panels stay children of the area.
    while (ui->twStimuli->count() > 0) {
        QWidget *panel = ui->twStimuli->widget(0);
        ui->twStimuli->removeTab(0);
        panel->setParent(this);
        panel->hide();
    }
    for (const StimuliRegistration &item : m_panels.value(port))
        ui->twStimuli->addTab(item.widget, item.widget->title(m_texts));
    const bool any = ui->twStimuli->count() > 0;
    ui->twStimuli->setVisible(any);
    ui->lblNoStimuli->setVisible(!any);
}

QList<StimuliWidget *> StimuliArea::currentPanels() const
{
    QList<StimuliWidget *> panels;
    for (int i = 0; i < ui->twStimuli->count(); ++i)
        panels.append(qobject_cast<StimuliWidget *>(ui->twStimuli->widget(i)));
    return panels;
}

void StimuliArea::setGUIAccessState(int state)
{
    for (const QList<StimuliRegistration> &items : qAsConst(m_panels)) {
        for (const StimuliRegistration &item : items)
            item.widget->SetGUIAccessState(state);
    }
}

void StimuliArea::setTerminology(int terminology)
{
    for (const StimuliRegistration &item : m_panels.value(m_port)) {
        item.widget->ChangeTerminology(terminology);
        item.widget->UpdateText();
    }
    for (int i = 0; i < ui->twStimuli->count(); ++i)
        ui->twStimuli->setTabText(i, qobject_cast<StimuliWidget *>(ui->twStimuli->widget(i))->title(m_texts));
}
