#pragma once

#include <functional>
#include <memory>

#include <QByteArray>
#include <QHash>
#include <QPointer>
#include <QString>
#include <QVector>

#include "client/otn/components/clientinfo.h"
#include "client/otn/otnexport.h"
#include "host/bindings/notifyinterface.h"
#include "host/otn/otnmapping.h"
#include "host/pages/uihelperdialog.h"
#include "otnohtablelayout.h"
#include "otnohwrites.h"

class OtnOhApsDialog;
class OtnOhFtflDialog;
class OtnOhPmDialog;
class OtnOhSmDialog;
class OtnOhTcmiDialog;
class QPushButton;
class QTableWidgetItem;
class UiHelper;

namespace Ui {
class OtnOhDialog;
}

// The transmitted OTU/ODU/OPU overhead of one multiplex level as the 4 x 16 byte grid of the frame
// overhead: plain bytes are edited on the grid, the structured fields (SM, PM, TCM1-TCM6, FTFL, APS/PCC
// byte 1, PSI[0]) in their editors. What the user changes waits in the dialog, shown at once, until OK or
// Apply sends it to the tester as one batch; Cancel drops it.
class ZELOTN_EXPORT OtnOhDialog : public UiHelperDialog, public NotifyInterface
{
    Q_OBJECT
public:
    // level 0 is the line level, the one with the OTU overhead; ohName is the level's name without "ODU"
    // ("2", "flex"), empty where none is known; otlcSliceSelector is the OTL slice an OTLC signal sends.
    OtnOhDialog(const ClientInfo &context, int level, const QString &ohName, QWidget *parent,
                const OtnMapping &mapping, int otlcSliceSelector);
    ~OtnOhDialog() override;

    int port() const { return m_port; }
    int level() const { return m_layout.level(); }
    int otlcSliceSelector() const { return m_otlcSliceSelector; }
    const OtnMapping &mapping() const { return m_mapping; }
    const OtnOhTableLayout &layout() const { return m_layout; }

    void setOhName(const QString &name);
    // 0 is full access; any other state leaves every cell, the PSI[0] combo and Restore Defaults read-only.
    void setAccessState(int state);

    // The field editors as the cells open them, filled with the values the table holds.
    std::unique_ptr<OtnOhSmDialog> createSmDialog(QWidget *parent) const;
    std::unique_ptr<OtnOhPmDialog> createPmDialog(QWidget *parent) const;
    // tcm 1-6.
    std::unique_ptr<OtnOhTcmiDialog> createTcmiDialog(int tcm, QWidget *parent) const;
    std::unique_ptr<OtnOhFtflDialog> createFtflDialog(QWidget *parent) const;
    std::unique_ptr<OtnOhApsDialog> createApsDialog(QWidget *parent) const;

    void qcmaParameterChanged(const QcmaParameter &parameter) override;

private slots:
    void clickedSmTti();
    void clickedPmTti();
    void clickedTcmiTti(int tcmIndex);
    void clickedTcm1Tti();
    void clickedTcm2Tti();
    void clickedTcm3Tti();
    void clickedTcm4Tti();
    void clickedTcm5Tti();
    void clickedTcm6Tti();
    void clickedFtfl();
    void clickedAps();
    void currentIndexChangedPsi0(int index);
    void parameterChangedPsi0(const QcmaParameter &parameter);
    void restoreDefaultsClicked();

private:
    // A field with a TTI and a third byte: its parameters, kept values and cells.
    struct TtiField {
        OtnOhTableLayout::FieldIds ids;
        QByteArray tti;
        quint8 thirdByte = 0;
        quint8 ttiByte = 0;
        QPointer<QPushButton> ttiButton;
        QPointer<QPushButton> thirdByteButton;
    };
    int sidOf(int id) const;
    // Makes a binding and gives it to the dialog's list.
    template <class Binding, class... Arguments>
    Binding *addBinding(Arguments &&...arguments);

    void buildTable();
    QTableWidgetItem *labelItem(const OtnOhTableLayout::Label &label) const;
    void addValueButton(int row, int column, const OtnOhTableLayout::Value &value);
    void connectFieldButton(QPushButton *button, const OtnOhTableLayout::Value &value);
    void initFieldIds();
    void bindTable();
    // Keeps a parameter's value through onChange, which runs for the first time at once.
    void follow(int id, std::function<void(const QcmaParameter &)> onChange);
    void followField(int field);
    void followFtfl(int direction, int fifId, int oifId, int operatorSpecificId);
    void readTtiEncoding();
    void fillPsiCombo();
    void updateEditable();

    // Puts the values into the dialog's pending values (outside a binding dialog: sends them as one
    // request). A parameter the tester does not hold now is left out.
    void writeBatch(const OtnOhWrites::Batch &batch);
    // The field's TTI message (unless leaveTti) or TTI byte, and its third byte.
    void writeField(const TtiField &field, bool leaveTti);

    std::unique_ptr<Ui::OtnOhDialog> ui;
    OtnOhTableLayout m_layout;
    OtnMapping m_mapping;
    int m_port = 0;
    int m_otlcSliceSelector = 0;
    QString m_ohName;
    bool m_structuredTti = true;
    int m_accessState = 0;
    bool m_fillingPsi = false;

    TtiField m_fields[OtnOhTableLayout::fieldCount];
    QByteArray m_ftfl[2];
    quint8 m_apsByte1 = 0;
    QPointer<QPushButton> m_apsButton;
    // The cells that open an editor; byte cells follow their bindings instead.
    QVector<QPointer<QPushButton>> m_editorButtons;
    // What a notification of a SID updates.
    QHash<int, std::function<void(const QcmaParameter &)>> m_onChange;
    // The binding whose parameter a write of an id copies.
    QHash<int, UiHelper *> m_bindings;
};
