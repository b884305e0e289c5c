#pragma once

#include <memory>

#include "otnohttidialog.h"

namespace Ui {
class OtnOhTcmiDialog;
}

// One tandem connection monitoring field (TCM1-TCM6) of an ODU level: the third byte BEI/BIAE (bits 1-4),
// BDI (bit 5) and STAT (bits 6-8), and on the line level the TTI message; on lower levels the TCM carries
// no message, and the dialog edits its TTI overhead byte ("1st byte") instead.
class ZELOTN_EXPORT OtnOhTcmiDialog : public OtnOhTtiDialog
{
    Q_OBJECT
public:
    OtnOhTcmiDialog(QWidget *parent, bool structured, const OtnMapping &mapping);
    ~OtnOhTcmiDialog() override;

    // 1-6, for the title.
    void setTcmNumber(int number);
    int tcmNumber() const { return m_tcmNumber; }
    // True: the TTI message is edited; false: the TTI overhead byte.
    void setTtiShown(bool shown);
    bool isTtiShown() const { return m_ttiShown; }
    void setFirstByte(quint8 byte);
    // The button's number; 0 when it holds none.
    quint8 firstByte() const;

    void done(int result) override;

public slots:
    void clicked1stByte();

protected:
    void updateTitle() override;
    void applyThirdByte(quint8 byte) override;
    quint8 collectThirdByte() const override;

private:
    std::unique_ptr<Ui::OtnOhTcmiDialog> ui;
    BitGroups m_bitGroups;
    int m_tcmNumber = 1;
    bool m_ttiShown = true;
    quint8 m_givenFirstByte = 0;
    int m_ttiHeight = 0;
};
