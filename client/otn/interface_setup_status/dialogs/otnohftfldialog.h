#pragma once

#include <memory>

#include <QByteArray>
#include <QString>

#include "client/otn/otnexport.h"
#include "host/pages/zeldialog.h"

class OtnOhFtflWidget;

namespace Ui {
class OtnOhFtflDialog;
}

// The FTFL message of one ODU level: the forward and the backward half side by side. Only an accepted
// dialog hands back what the user changed: after a cancel, ftflHalf() reads the halves it was given.
class ZELOTN_EXPORT OtnOhFtflDialog : public ZelDialog
{
    Q_OBJECT
public:
    explicit OtnOhFtflDialog(QWidget *parent = nullptr);
    ~OtnOhFtflDialog() override;

    // Title "ODU<name> FTFL".
    void setOhName(const QString &name);
    // Direction 0 is the forward half, any other the backward half.
    void setFtflHalf(int direction, const QByteArray &half);
    QByteArray ftflHalf(int direction) const;

    OtnOhFtflWidget *forwardWidget() const { return m_forward; }
    OtnOhFtflWidget *backwardWidget() const { return m_backward; }

    void done(int result) override;

private:
    OtnOhFtflWidget *widgetOf(int direction) const;

    std::unique_ptr<Ui::OtnOhFtflDialog> ui;
    OtnOhFtflWidget *m_forward = nullptr;
    OtnOhFtflWidget *m_backward = nullptr;
    QByteArray m_givenForward;
    QByteArray m_givenBackward;
};
