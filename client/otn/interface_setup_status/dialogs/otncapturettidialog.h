#pragma once

#include <memory>

#include <QByteArray>

#include "client/otn/otnexport.h"
#include "host/pages/zeldialog.h"

class CaptureDumpWidget;

namespace Ui {
class OtnCaptureTtiDialog;
}

// One captured TTI message, read-only: SAPI and DAPI split into their segments and the operator specific
// bytes (structured), or all 64 bytes in the dump (raw).
class ZELOTN_EXPORT OtnCaptureTtiDialog : public ZelDialog
{
    Q_OBJECT
public:
    OtnCaptureTtiDialog(QWidget *parent, bool structured);
    ~OtnCaptureTtiDialog() override;

    bool isStructured() const { return m_structured; }
    void setTti(const QByteArray &tti);
    CaptureDumpWidget *dumpWidget() const { return m_dump; }

private slots:
    void formatChanged(int index);

private:
    std::unique_ptr<Ui::OtnCaptureTtiDialog> ui;
    CaptureDumpWidget *m_dump = nullptr;
    bool m_structured = true;
};
