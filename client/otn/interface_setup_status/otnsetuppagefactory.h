#pragma once

#include "client/otn/otnexport.h"
#include "host/contract/interfacesetuppagefactory.h"
#include "host/contract/sublayerjudgeinterface.h"

// The OTN setup and status pages: tells the host at construction which pages exist (titles,
// navigation managers, status items, show judge) and builds them on demand.
class ZELOTN_EXPORT OtnSetupPageFactory : public InterfaceSetupPageFactory
{
public:
    // Offers the tributary scan only for interfaces that can be multiplexed: it answers false until
    // the Rx interface signal has been seen, and false for the 10G family (values 8 to 13).
    class ZELOTN_EXPORT StatusJudge10Gonly : public SubLayerJudgeInterface
    {
    public:
        ~StatusJudge10Gonly() override;
        bool judge(const QcmaParameter &parameter) override;
        bool verdict() const { return m_verdict; }

    private:
        bool m_verdict = false;
    };

    OtnSetupPageFactory();
    OtnSetupPageFactory(const OtnSetupPageFactory &other);
    OtnSetupPageFactory &operator=(const OtnSetupPageFactory &other);
    ~OtnSetupPageFactory() override;

    Page *createPage(const InterfaceSetupIdentifier &identifier, zelServerManager *manager) override;
    InterfaceSetupIdentifier::Technology technology() const override;
    std::vector<SampleDialog> createSampleDialogs(zelServerManager *manager, int port) override;

    const StatusJudge10Gonly &tributaryScanJudge() const { return m_judge10Gonly; }

private:
    // The host's records of every page of the registration table, in its order.
    void registerPages();
    // Copied records still point at the other factory's judge; move them to this one's.
    void adoptJudge(const OtnSetupPageFactory &other);

    StatusJudge10Gonly m_judge10Gonly;
};
