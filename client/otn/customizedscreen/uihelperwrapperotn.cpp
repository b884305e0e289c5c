#include "uihelperwrapperotn.h"

#include <memory>

#include <QPushButton>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"
#include "host/bindings/uihelperlist.h"
#include "host/contract/sidproperty.h"
#include "host/contract/widgetproperty.h"
#include "host/diagnostics/zeldiagnostics.h"
#include "uihelper_otnallocatedts.h"
#include "uihelper_otnmsimdetection.h"
#include "uihelper_otnoverhead.h"

UiHelperWrapperOTN::UiHelperWrapperOTN(zelServerManager *manager) : UiHelperWrapper(manager) {}

UiHelperWrapperOTN::~UiHelperWrapperOTN() = default;

UiHelperList *UiHelperWrapperOTN::createUiHelper(QSharedPointer<WidgetProperty> widgetProperty,
                                                 SidProperty *sidproperty, QList<QWidget *> &widgets)
{
    ZEL_ASSERT_TEXT(_parent, "0 != _parent", QStringLiteral("NULL != _parent"));
    if (!widgetProperty || !sidproperty)
        return nullptr;

    const int sid = widgetProperty->getSid();
    const int kind = sidproperty->getCustomHelperKind();
    UiHelper *(UiHelperWrapperOTN::*creator)(int, QList<QWidget *> &) = nullptr;
    switch (kind) {
    case kindOverhead:
        creator = &UiHelperWrapperOTN::createUiHelperOtnOverhead;
        break;
    case kindAllocatedTS:
        creator = &UiHelperWrapperOTN::createUiHelperOtnAllocatedTS;
        break;
    case kindMsimDetection:
        creator = &UiHelperWrapperOTN::createUiHelperOtnMsimDetection;
        break;
    default:
        return nullptr;
    }
    ZEL_ASSERT(widgetProperty->getType() == CustomizedScreen::Type_Setup,
               QStringLiteral("widgetProperty->getType() == CustomizedScreen::Type_Setup"));
    ZEL_ASSERT(sidproperty->getType() == CustomizedScreen::Type_Setup,
               QStringLiteral("sidproperty->getType() == CustomizedScreen::Type_Setup"));

    auto list = std::make_unique<UiHelperList>();
    list->AddUiHelper(std::unique_ptr<UiHelper>((this->*creator)(sid, widgets)));
    list->ConnectManual();
    list->ChangeTerminology(terminology(nsSID::portOf(sid)));
    return list.release();
}

UiHelper *UiHelperWrapperOTN::createUiHelperOtnOverhead(int sid, QList<QWidget *> &widgets)
{
    auto *button = new QPushButton(QStringLiteral("Setup"), _parent);
    widgets.append(button);
    return new UiHelper_OtnOverhead(serverManager(), button, nullptr, nullptr, sid, UiHelper::ConnectManually);
}

UiHelper *UiHelperWrapperOTN::createUiHelperOtnAllocatedTS(int sid, QList<QWidget *> &widgets)
{
    auto *grid = new OtnChWidget(8, 0, false, false, true, false, 8, _parent);
    widgets.append(grid);
    return new UiHelper_OtnAllocatedTS(serverManager(), grid, nullptr, nullptr, sid, UiHelper::ConnectManually);
}

UiHelper *UiHelperWrapperOTN::createUiHelperOtnMsimDetection(int sid, QList<QWidget *> &widgets)
{
    auto *button = new QPushButton(QStringLiteral("Setup"), _parent);
    widgets.append(button);
    return new UiHelper_OtnMsimDetection(serverManager(), button, nullptr, nullptr, sid, UiHelper::ConnectManually);
}
