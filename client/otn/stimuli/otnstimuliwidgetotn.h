#pragma once

#include <memory>

#include <QHash>
#include <QList>
#include <QPair>
#include <QVariant>
#include <QVector>

#include "host/otn/otnmapping.h"
#include "host/pages/samplestates.h"
#include "otnstimuliwidget.h"

namespace Ui {
class OtnStimuliWidgetOtn;
}

// The OTN insertion panel: a "Category:" selector over one panel per insertion category. The page
// follows the category parameter as the tester reports it, not the user's click.
class ZELOTN_EXPORT OtnStimuliWidgetOtn : public OtnStimuliWidget, public SampleStates
{
    Q_OBJECT
public:
    explicit OtnStimuliWidgetOtn(const ClientInfo &client, QWidget *parent = nullptr);
    ~OtnStimuliWidgetOtn() override;

    void UpdateText() override;
    void SetGUIAccessState(int state) override;
    void ChangeTerminology(int terminology) override;
    void setPort(int port) override;
    void qcmaParameterChanged(const QcmaParameter &parameter) override;

    // The port's insertion switch, which runs what the current category's page sets.
    int insertionSid() const override;
    // What the current category's page inserts (the category's name when the page cannot tell).
    QString insertionText() const override;

    // The panel of a category key, or null.
    StimuliWidget *categoryPanel(int key) const { return m_pages.value(key); }
    StimuliWidget *currentPanel() const;

    // One state per category: its page shown (the category is asked of the tester, which may refuse a
    // category the configured signal does not offer; the page is shown all the same). Then one per
    // insertion the structure offers, inserted continuously, the alarms page after it on the level the
    // insertion reaches: ODU-AIS on the second level of a multiplexed structure, LOR on the first
    // logical lane of a multi-lane one, uncorrectable cHECs of a GFP mapping, uncorrectable FEC sub-rows.
    QStringList sampleStateNames() const override;
    bool stepToSampleState(int index) override;
    QList<int> sampleStatePages(int index) const override;
    QString sampleStatePageState(int index) const override;

public slots:
    void itemChanged(int index);

protected:
    void initializeHelpers() override;

private:
    // The port's transmitted structure as the tester holds it.
    OtnMapping txMapping() const;
    // A cached value of the port, -1 while unknown or undefined.
    int cachedValue(int id) const;
    struct InsertionSample {
        QString name;
        QList<QPair<int, QVariant>> settings;
        // The alarms page's state (its level's name) that shows what the insertion does.
        QString pageLevel;
    };
    QVector<InsertionSample> insertionSamples() const;
    // Steps towards a sample insertion; true once the tester inserts it.
    bool stepToInsertionSample(const InsertionSample &sample);

    std::unique_ptr<Ui::OtnStimuliWidgetOtn> ui;
    QHash<int, StimuliWidget *> m_pages;
};
