#pragma once

#include <memory>

#include <QString>
#include <QVector>

#include "client/otn/otnexport.h"
#include "host/bindings/notifyinterface.h"
#include "host/pages/zeldialog.h"

class OtnChWidget;
class QLabel;
class QPushButton;
class UiHelperList;
class UiHelper_Setter;

namespace Ui {
class OtnSelectTsDialog;
}

// Picks the main TS of each tributary port of a stage; the choice is written as soon as it is complete.
class ZELOTN_EXPORT OtnSelectTsDialog : public ZelDialog, public NotifyInterface
{
    Q_OBJECT
public:
    // channelDialog lends its server manager; mainTpId and mainTsId are the stage's parameter ids.
    OtnSelectTsDialog(ZelDialog *channelDialog, int port, int tpCount, int tsCount, int stage, int mainTpId,
                      int mainTsId);
    ~OtnSelectTsDialog() override;

    void setOdtuName(const QString &name);
    QString odtuName() const { return m_odtuName; }

    int tpCount() const { return m_tpCount; }
    int tsCount() const { return m_tsCount; }
    int stage() const { return m_stage; }
    OtnChWidget *grid() const { return m_grid; }
    UiHelperList *uiHelperList() const { return m_helpers.get(); }

public slots:
    void clickedTs(int index);
    void clickedAllOff();

private:
    void buildLabels();
    void resetLabels();
    QPushButton *closeButton() const;

    std::unique_ptr<Ui::OtnSelectTsDialog> ui;
    std::unique_ptr<UiHelperList> m_helpers;
    OtnChWidget *m_grid = nullptr;
    QVector<QLabel *> m_labels;
    UiHelper_Setter *m_mainTpSetter = nullptr;
    UiHelper_Setter *m_mainTsSetter = nullptr;
    QString m_odtuName;
    int m_port = 0;
    int m_tpCount = 0;
    int m_tsCount = 0;
    int m_stage = 0;
    int m_mainTpId = 0;
    int m_mainTsId = 0;
};
