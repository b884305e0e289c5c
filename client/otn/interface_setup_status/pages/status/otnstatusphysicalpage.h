#pragma once

#include <memory>

#include "otnstatuspagebase.h"

namespace Ui { class OtnStatusPhysicalPage; }

// The optical interface as measured now: the receiver's and the transmitter's signal level and
// frequency with its offset, and an LED for the received level.
class ZELOTN_EXPORT OtnStatusPhysicalPage : public OtnStatusPageBase
{
    Q_OBJECT
public:
    OtnStatusPhysicalPage(const Identifier &identifier, zelServerManager *manager, int flags);
    ~OtnStatusPhysicalPage() override;

    void UpdateText() override;
    void initializeUi() override;
    void initializeHelper() override;

private:
    std::unique_ptr<Ui::OtnStatusPhysicalPage> ui;
};
