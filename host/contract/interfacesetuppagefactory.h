#pragma once

#include <memory>
#include <vector>

#include <QDialog>
#include <QList>
#include <QString>
#include <QVector>

#include "host/hostexport.h"
#include "interfacesetupidentifier.h"
#include "statuspageproperty.h"

class Page;
class SetupPageProperty;
class zelServerManager;

// A dialog no page button opens by itself (a field editor of another dialog), filled for a picture.
struct SampleDialog {
    QString name;
    std::unique_ptr<QDialog> dialog;
};

// What a plug-in tells the host about its setup and status pages, and how the host gets them.
// The records are filled by the plug-in's constructor; the factory owns them (copies are deep,
// navigation managers are shared between copies).
class ZELBASE_EXPORT InterfaceSetupPageFactory
{
public:
    InterfaceSetupPageFactory();
    InterfaceSetupPageFactory(const InterfaceSetupPageFactory &other);
    InterfaceSetupPageFactory &operator=(const InterfaceSetupPageFactory &other);
    virtual ~InterfaceSetupPageFactory();

    // A new page for the identifier (the caller owns it), or null when the plug-in has none.
    virtual Page *createPage(const InterfaceSetupIdentifier &identifier, zelServerManager *manager) = 0;
    virtual InterfaceSetupIdentifier::Technology technology() const = 0;
    // The plug-in's dialogs that pages reach only through other dialogs, filled with the tester's values
    // of the port, for screenshot mode and test harnesses. None unless the plug-in offers some.
    virtual std::vector<SampleDialog> createSampleDialogs(zelServerManager *manager, int port);

    const QVector<SetupPageProperty *> &setupPageProperties() const { return m_setupPages; }
    const StatusPageProperty &physicalStatusProperty() const { return m_physicalStatus; }
    const StatusPageProperty &errorStatusProperty() const { return m_errorStatus; }
    const QVector<StatusPageProperty *> &statusPageProperties() const { return m_statusPages; }
    // The two embedded status records, then the further ones, as the host lists them.
    QList<const StatusPageProperty *> allStatusPageProperties() const;

protected:
    QVector<SetupPageProperty *> m_setupPages;
    StatusPageProperty m_physicalStatus;
    StatusPageProperty m_errorStatus;
    QVector<StatusPageProperty *> m_statusPages;

private:
    void copyRecords(const InterfaceSetupPageFactory &other);
    void clearRecords();
};
