#pragma once

#include <memory>

#include <QHash>
#include <QList>
#include <QWidget>

#include "host/contract/stimuliregistration.h"
#include "host/texts/widgettext.h"

namespace Ui {
class StimuliArea;
}

// The stimuli panels the plug-in registered, those of the current port shown as tabs. The area
// owns every panel handed to it.
class StimuliArea : public QWidget
{
    Q_OBJECT
public:
    explicit StimuliArea(QWidget *parent = nullptr);
    ~StimuliArea() override;

    // The texts the panel titles come from (the built-in texts until then).
    void setTexts(const WidgetText &texts);
    void addPanels(int port, const QList<StimuliRegistration> &items);
    void showPort(int port);
    // The panels shown now, in tab order.
    QList<StimuliWidget *> currentPanels() const;
    void setGUIAccessState(int state);
    void setTerminology(int terminology);

private:
    std::unique_ptr<Ui::StimuliArea> ui;
    QHash<int, QList<StimuliRegistration>> m_panels;
    WidgetText m_texts;
    int m_port = 0;
};
