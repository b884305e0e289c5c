#pragma once

#include <memory>

#include <QSignalMapper>
#include <QStringList>

#include "host/otn/otnmapping.h"
#include "otnsetuppage.h"

class OtnChDialogBase;
class QComboBox;
class QLabel;
class QLayoutItem;
class QPushButton;
class UiHelper_Setter;

namespace Ui {
class OtnFrameSetupPageBase;
}

// The OTN frame setup diagram: line OTU/ODU, up to three multiplex stages, GFP and client boxes,
// with the buttons that open the frame dialogs. Subclasses bind the parameters of their direction.
class ZELOTN_EXPORT OtnFrameSetupPageBase : public OtnSetupPage
{
    Q_OBJECT
public:
    // sourceFile: the subclass's own source, which the stage lookups report against.
    OtnFrameSetupPageBase(const Identifier &identifier, zelServerManager *manager, int flags, int directionIndex,
                          const QString &helpPage, const char *sourceFile);
    ~OtnFrameSetupPageBase() override;

    void initializeUi() override;
    void UpdateText() override;
    void ChangeTerminology(int terminology) override;
    void SetGUIAccessState(int state) override;
    void reinitialize() override;

    const OtnMapping &mapping() const { return m_mapping; }
    // Level names without "ODU" ("2", "flex"), and the ODTU display name of each present stage.
    QStringList oduNames() const { return m_oduNames; }
    QStringList odtuNames() const { return m_odtuNames; }
    int terminology() const { return m_terminology; }

    // Shows or hides every widget of a layout item and its nested layouts; spacers stay as they are.
    static void setLayoutVisible(QLayoutItem *item, bool visible);
    // Depth-first search of a layout item for a widget of that object name; null when absent.
    static QWidget *findChildInLayout(QLayoutItem *item, const QString &name);
    // Sets the button's text only while the label still shows the given ODTU.
    static void setChButtonTextIfCurrent(QLabel *label, QPushButton *button, const QString &odtuName,
                                         const QString &text);

    // Stage whose entry of a three-stage table is pid, or -1 (reported against the page's source) when none is.
    int stageOfPid(const int *table, int pid) const;
    // The same for the two-stage TS-count table.
    int tsStageOfPid(const int *table, int pid) const;

protected:
    struct OduLevelGroup {
        QLayoutItem *box = nullptr;
        QLayoutItem *line = nullptr;
        QLayoutItem *oh = nullptr;
        QLayoutItem *counter = nullptr;
    };
    struct OdtuStageGroup {
        QLayoutItem *box = nullptr;
        QLayoutItem *line = nullptr;
        QLayoutItem *dummyCh = nullptr;
        QLayoutItem *ch = nullptr;
        QLayoutItem *msim = nullptr;
    };

    bool isTx() const { return m_directionIndex == 0; }
    // Parameter id of a mapping record field for this page's direction.
    int mappingId(int field) const;
    virtual void openChDialog(int stage, const QString &odtuName) = 0;
    // Runs a channel dialog with the current access state and the stage's ODTU name.
    void runChDialog(OtnChDialogBase &dialog, const QString &odtuName);

    // Bindings of the page's port, added to the page's list and connected by the page.
    UiHelper_Setter *addSetter(int id);
    void addCombo(QComboBox *combo, QLabel *label, int id);
    // What both directions bind first: the extra setter, the mapping setters and the FEC combo.
    void addMappingBindings(int fecControlId);
    // The stage's main TP setter and, on the stages that have one, its ODUflex TS count setter.
    void addTpTsSetters(int stage, const int *mainTpIds, const int *numberOfTsIds);

    void reloadMapping();
    void refreshFrame();
    void updateHoOdu();
    void updateOduLevel(int level);
    void updateOdtuStage(int stage);
    void updateGfp();
    void updateClientSignal();
    void updateDirectionRows();

    // The stage's ODTU label and CH button, found in their groups (null when missing).
    QLabel *odtuLabel(int stage) const;
    QPushButton *chButton(int stage) const;
    // A widget of the form by object name (the subclasses bind and label the shared form).
    template <class T>
    T *formWidget(const QString &name) const { return findChild<T *>(name); }

    UiHelper_Setter *m_mappingSetters[OtnMapping::fieldCount] = {};
    OtnMapping m_mapping;
    UiHelper_Setter *m_extraSetter = nullptr;
    UiHelper_Setter *m_tpSetters[OtnMapping::maxStages] = {};
    UiHelper_Setter *m_tsCountSetters[2] = {};
    OduLevelGroup m_oduLevels[OtnMapping::maxLevels];
    OdtuStageGroup m_odtuStages[OtnMapping::maxStages];
    QStringList m_oduNames;
    QStringList m_odtuNames;
    int m_terminology = 0;

private slots:
    void clickedMapping();
    void clickedConfigure();
    void clickedCh(int stage);
    void clickedTtiDetection();
    void clickedMsimDetection(int stage);
    void clickedGfpT();
    void clickedOtlcSliceSetup();

private:
    void fillGroups();
    void applyConfigureRule();

    int findStage(const int *table, int entries, int pid, int line) const;

    const char *m_sourceFile = nullptr;
    std::unique_ptr<Ui::OtnFrameSetupPageBase> m_ui;
    QSignalMapper m_chMapper;
    QSignalMapper m_msimMapper;
};
