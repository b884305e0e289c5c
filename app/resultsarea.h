#pragma once

#include <map>
#include <memory>

#include <QWidget>

class StatisticsListPage;
class StatisticsListTablePageFactory;
class zelServerManager;

namespace Ui {
class ResultsArea;
}

// The result views (alarms/errors, performance), each a page of the plug-in's statistics factory,
// created the first time the view is chosen.
class ResultsArea : public QWidget
{
    Q_OBJECT
public:
    explicit ResultsArea(QWidget *parent = nullptr);
    ~ResultsArea() override;

    void setup(StatisticsListTablePageFactory *factory, zelServerManager *manager);
    // Shows the view's page; false (and a notice) when the plug-in has none.
    bool showView(int view);
    StatisticsListPage *page(int view) const;
    void setGUIAccessState(int state);
    void setTerminology(int terminology);

private:
    void viewIndexChanged(int index);

    std::unique_ptr<Ui::ResultsArea> ui;
    StatisticsListTablePageFactory *m_factory = nullptr;
    zelServerManager *m_manager = nullptr;
    // Handed over by the factory; each page is also a child of the area, which it leaves when destroyed.
    std::map<int, std::unique_ptr<StatisticsListPage>> m_pages;
};
