#pragma once

#include <memory>

#include <QString>

#include "client/otn/otnexport.h"
#include "host/bindings/notifyinterface.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otntpts.h"
#include "host/pages/zeldialog.h"
#include "otntsmap.h"

class OtnChWidget;
class QAbstractButton;
class QDialogButtonBox;
class QLabel;
class QLayout;
class UiHelperList;
class UiHelper_Setter;

// What the transmitter's and the receiver's channel dialogs of one multiplex stage share: the structure,
// the sizes of the stage's TS map, the main TS of each TP, the bindings, the main TP/TS grid and the
// way from that grid to the TP/TS selection.
class ZELOTN_EXPORT OtnChDialogBase : public ZelDialog, public NotifyInterface
{
    Q_OBJECT
public:
    static constexpr int stageCount = 3;

    ~OtnChDialogBase() override;

    void setAccessState(int state);
    void setOdtuName(const QString &name);
    QString odtuName() const { return m_odtuName; }

    int stage() const { return m_stage; }
    int port() const { return m_port; }
    int gridSize() const { return m_gridSize; }
    int tpCount() const { return m_tpCount; }
    int tsCount() const { return m_tsCount; }
    int gridRows() const { return m_rows; }
    quint32 mainTp() const { return m_mainTp; }
    quint32 flexTsCount() const { return m_flexTsCount; }
    const int *mainTsList() const { return m_mainTs; }
    OtnChWidget *mainGrid() const { return m_mainGrid; }
    UiHelperList *uiHelperList() const { return m_helpers.get(); }

public slots:
    // Any cell of the main grid opens the TP/TS selection of the stage.
    void clickedMainTpTs(int index);

protected:
    // mainTpIds and mainTsIds: the direction's MAIN_TP and MAIN_TS parameter ids, one per stage.
    OtnChDialogBase(zelServerManager *manager, int port, QWidget *page, int stage, const OtnMapping &mapping,
                    const int *mainTpIds, const int *mainTsIds);

    // Common dialog set-up of the form; content and buttons follow the access state.
    void prepareForm(QWidget *content, QDialogButtonBox *buttons);
    // The main TP/TS grid, placed into layout; its clicks open the TP/TS selection.
    void createMainGrid(QWidget *parent, QLayout *layout);
    // Grid size, TP and TS counts and rows of the stage for the current ODUflex TS count; returns the
    // stage's figures they come from.
    TpTsInfo updateDerivedCounts();

    // Bindings of the dialog's port, connected at once; an id of 0 binds nothing.
    void addNotification(int id);
    void addNumber(QAbstractButton *button, QLabel *label, int id);
    void addMainTsSetter();
    // Takes a usable main TS list into the main TS of each TP; false when there was none to take.
    bool takeMainTs(const QcmaParameter &parameter, const char *what);

    // The stage's entry of a per-stage id table, 0 for a stage out of range.
    static int stageEntry(const int *table, int stage);
    static bool isStageEntry(const int *table, int id);
    static bool isNumber(const QcmaParameter &parameter);
    // Undefined values are normal (the stage has no such setting now); another kind of value is a fault.
    static bool usable(const QcmaParameter &parameter, bool rightKind, const char *what);

    std::unique_ptr<UiHelperList> m_helpers;
    zelServerManager *m_manager = nullptr;
    OtnMapping m_mapping;
    OtnChWidget *m_mainGrid = nullptr;
    UiHelper_Setter *m_mainTsSetter = nullptr;
    // 1-based TS of each TP; until the server tells otherwise, TP i sits in TS i.
    int m_mainTs[OtnTsMap::maxTs];
    int m_port = 0;
    int m_stage = 0;
    quint32 m_mainTp = 0;
    quint32 m_flexTsCount = 0;
    int m_gridSize = 8;
    int m_tpCount = 0;
    int m_tsCount = 0;
    int m_rows = 0;

private:
    const int *m_mainTpIds = nullptr;
    const int *m_mainTsIds = nullptr;
    QWidget *m_content = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    QString m_odtuName;
};
