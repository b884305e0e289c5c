#pragma once

#include <memory>

#include <QByteArray>
#include <QWidget>

#include "client/otn/otnexport.h"

class CaptureDumpWidget;

namespace Ui {
class OtnCaptureFtflWidget;
}

// One captured FTFL half, read-only: the fault indication, the operator identifier and the operator
// specific bytes.
class ZELOTN_EXPORT OtnCaptureFtflWidget : public QWidget
{
    Q_OBJECT
public:
    explicit OtnCaptureFtflWidget(QWidget *parent = nullptr);
    ~OtnCaptureFtflWidget() override;

    void setFtflHalf(const QByteArray &half);
    CaptureDumpWidget *dumpWidget() const { return m_dump; }

private slots:
    void formatChanged(int index);

private:
    std::unique_ptr<Ui::OtnCaptureFtflWidget> ui;
    CaptureDumpWidget *m_dump = nullptr;
};
