#pragma once

#include "client/otn/otnexport.h"
#include "host/contract/uihelperwrapper.h"

class UiHelper;

// Makes the OTN widgets of a customised screen that the host cannot: the overhead button (kind 14), the
// tributary slot allocation grid (15) and the MSIM detection button (16), each with its binding.
class ZELOTN_EXPORT UiHelperWrapperOTN : public UiHelperWrapper
{
public:
    explicit UiHelperWrapperOTN(zelServerManager *manager);
    UiHelperWrapperOTN(const UiHelperWrapperOTN &) = default;
    UiHelperWrapperOTN &operator=(const UiHelperWrapperOTN &) = default;
    ~UiHelperWrapperOTN() override;

    UiHelperList *createUiHelper(QSharedPointer<WidgetProperty> widgetProperty, SidProperty *sidproperty,
                                 QList<QWidget *> &widgets) override;

    static constexpr int kindOverhead = 14;
    static constexpr int kindAllocatedTS = 15;
    static constexpr int kindMsimDetection = 16;

private:
    UiHelper *createUiHelperOtnOverhead(int sid, QList<QWidget *> &widgets);
    UiHelper *createUiHelperOtnAllocatedTS(int sid, QList<QWidget *> &widgets);
    UiHelper *createUiHelperOtnMsimDetection(int sid, QList<QWidget *> &widgets);
};
