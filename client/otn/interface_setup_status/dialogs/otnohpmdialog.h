#pragma once

#include <memory>

#include "otnohttidialog.h"

namespace Ui {
class OtnOhPmDialog;
}

// The path monitoring field of one ODU level: its TTI and the third byte BEI (bits 1-4), BDI (bit 5) and
// STAT (bits 6-8). On the second slice of an OTLC signal only BEI and the four reserved bits remain.
class ZELOTN_EXPORT OtnOhPmDialog : public OtnOhTtiDialog
{
    Q_OBJECT
public:
    OtnOhPmDialog(QWidget *parent, bool structured, const OtnMapping &mapping, int otlcSliceSelector);
    ~OtnOhPmDialog() override;

    // The second OTLC slice: no TTI, BDI and STAT.
    bool isReduced() const { return m_reduced; }

protected:
    void updateTitle() override;
    void applyThirdByte(quint8 byte) override;
    quint8 collectThirdByte() const override;

private:
    std::unique_ptr<Ui::OtnOhPmDialog> ui;
    bool m_reduced = false;
    BitGroups m_bitGroups;
};
