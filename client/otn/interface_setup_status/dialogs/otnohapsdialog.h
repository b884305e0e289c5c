#pragma once

#include <memory>

#include <QString>
#include <QVector>

#include "client/otn/otnexport.h"
#include "host/pages/zeldialog.h"

class QRadioButton;

namespace Ui {
class OtnOhApsDialog;
}

// Byte 1 of an ODU's APS/PCC field: the request/state (bits 1-4) and the channel, architecture, switching
// and operation bits (5-8), each bit a pair of buttons of which exactly one is checked.
class ZELOTN_EXPORT OtnOhApsDialog : public ZelDialog
{
    Q_OBJECT
public:
    explicit OtnOhApsDialog(QWidget *parent = nullptr);
    ~OtnOhApsDialog() override;

    // Title "ODU<name> APS/PCC[1]".
    void setOhName(const QString &name);
    void setApsByte(quint8 byte);
    quint8 apsByte() const;

private slots:
    void noApsClicked();
    void apsClicked();
    void onePlusOneClicked();
    void oneToNClicked();
    void undirectionalClicked();
    void bidirectionalClicked();
    void nonRevertiveClicked();
    void revertiveClicked();

private:
    // A bit of byte 1 and the buttons of its two values.
    struct BitPair {
        quint8 mask;
        QRadioButton *zero;
        QRadioButton *one;
    };
    static void check(QRadioButton *checked, QRadioButton *unchecked);

    std::unique_ptr<Ui::OtnOhApsDialog> ui;
    QVector<BitPair> m_bits;
};
