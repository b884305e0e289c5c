#pragma once

#include <memory>

#include <QLabel>
#include <QSize>

#include "client/otn/interface_setup_status/otnsetuppagefactory.h"
#include "tests/support/testerfixture.h"

// A page as the OTN page factory builds it for pageId on the fixture's tester, initialised and shown
// (at size, when one is given); null when the factory builds no PageT for that id.
template <typename PageT>
std::unique_ptr<PageT> shownFactoryPage(TesterFixture &tester, int pageId, const QSize &size = QSize())
{
    std::unique_ptr<Page> page(
        OtnSetupPageFactory().createPage(InterfaceSetupIdentifier(pageId, 0, 0, 5), tester.manager()));
    auto *typed = qobject_cast<PageT *>(page.get());
    if (!typed)
        return nullptr;
    page.release();
    typed->initializePage();
    if (size.isValid())
        typed->resize(size);
    typed->show();
    return std::unique_ptr<PageT>(typed);
}

// The text of owner's label called name, or "<no name>" when it has none.
inline QString labelText(const QWidget &owner, const char *name)
{
    const auto *label = owner.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}
