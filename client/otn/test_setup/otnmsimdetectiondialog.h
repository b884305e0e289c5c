#pragma once

#include <memory>

#include <QByteArray>
#include <QString>

#include "client/otn/otnexport.h"
#include "host/bindings/notifyinterface.h"
#include "host/bindings/uihelperlist.h"
#include "host/pages/zeldialog.h"

namespace Ui {
class OtnMsimDetectionDialog;
}

class OtnMapping;
class UiHelper_Setter;

// The expected multiplex structure identifier (MSI) of one multiplex stage and its "Setup Follow" choice.
class ZELOTN_EXPORT OtnMsimDetectionDialog : public ZelDialog, public NotifyInterface
{
    Q_OBJECT
public:
    OtnMsimDetectionDialog(zelServerManager *manager, int port, QWidget *parent, int stage,
                           const OtnMapping &mapping);
    ~OtnMsimDetectionDialog() override;

    void setOdtuName(const QString &name);
    QString odtuName() const { return m_odtuName; }
    // Restricted access (non-zero) leaves the table readable but nothing to change or send.
    void setAccessState(int state);
    int tsCount() const { return m_tsCount; }

    void qcmaParameterChanged(const QcmaParameter &parameter) override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private slots:
    void okPressed();
    void applyPressed();

private:
    void prepareTable();
    void rebuildTable();
    void fillSetupFollow();
    void apply();

    std::unique_ptr<Ui::OtnMsimDetectionDialog> ui;
    UiHelperList m_helpers;
    QByteArray m_expectedMsi;
    UiHelper_Setter *m_detectionSetter = nullptr;
    QString m_odtuName;
    int m_port = 0;
    int m_stage = 0;
    int m_tsCount = 0;
    int m_detectionSid = 0;
    int m_referenceSid = 0;
};
