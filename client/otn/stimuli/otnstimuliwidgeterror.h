#pragma once

#include <memory>

#include <QStringList>

#include "host/otn/otnmapping.h"
#include "otnstimuliwidget.h"

namespace Ui {
class OtnStimuliWidgetError;
}

class UiHelper_SetText_ComboBox;
class UiHelper_Setter;

// Chooses the alarm or error inserted on one multiplex level and how (mode, counts, burst, rate). Only
// the items the catalogue allows for the configured signal are offered; an item that stops being
// allowed after a structure or port mode change gives way to the first allowed one.
class ZELOTN_EXPORT OtnStimuliWidgetError : public OtnStimuliWidget
{
    Q_OBJECT
public:
    explicit OtnStimuliWidgetError(const ClientInfo &client, QWidget *parent = nullptr);
    ~OtnStimuliWidgetError() override;

    void UpdateText() override;
    void SetGUIAccessState(int state) override;
    void qcmaParameterChanged(const QcmaParameter &parameter) override;

    // The item on its level and how it is inserted: "ODU-AIS on OTU2/ODU2, Continuous"; empty while no
    // item is chosen.
    QString insertionText() const override;

    // Level texts of a structure: the line as OTUk/ODUk, then the ODU names, at least four entries.
    static QStringList levelTexts(const OtnMapping &mapping);

protected:
    void initializeHelpers() override;

private slots:
    void typeChanged(int index);
    void itemChanged(int index);

private:
    enum Type { TypeNone = 0, TypeAlarm = 1, TypeError = 2 };

    void fillItems();
    void selectCurrentItem();
    void showInsertion();
    void synchroniseType();
    void fillTypes();
    bool mustReplaceItem() const;
    QList<int> offeredItems(const QList<int> &candidates) const;
    void writeItem(int item);

    std::unique_ptr<Ui::OtnStimuliWidgetError> ui;
    UiHelper_SetText_ComboBox *m_levelHelper = nullptr;
    UiHelper_Setter *m_itemSetter = nullptr;
    OtnMapping m_mapping;
    int m_level = 0;
    int m_item = 0;
    int m_mode = 0;
    int m_type = TypeNone;
    bool m_itemDefined = true;
    bool m_updating = false;
    int m_portMode = 0;
    int m_otlSlice = 0;
    int m_patternType = 0;
};
