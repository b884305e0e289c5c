#pragma once

#include <memory>

#include "otnohttidialog.h"

namespace Ui {
class OtnOhSmDialog;
}

// The section monitoring field of the OTU: its TTI and the third byte BEI/BIAE (bits 1-4), BDI (bit 5),
// IAE (bit 6) and two reserved bits. On the second OTLC slice only BEI and the four bits 5-8 remain.
class ZELOTN_EXPORT OtnOhSmDialog : public OtnOhTtiDialog
{
    Q_OBJECT
public:
    OtnOhSmDialog(QWidget *parent, bool structured, const OtnMapping &mapping, int otlcSliceSelector);
    ~OtnOhSmDialog() override;

    // OTLC slice without TTI, BDI and IAE.
    bool isReduced() const { return m_reduced; }

protected:
    void updateTitle() override;
    void applyThirdByte(quint8 byte) override;
    quint8 collectThirdByte() const override;

private:
    std::unique_ptr<Ui::OtnOhSmDialog> ui;
    bool m_reduced = false;
    BitGroups m_bitGroups;
};
