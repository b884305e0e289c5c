#pragma once

#include <memory>

#include <QMainWindow>

class ClientSession;
class ControlBar;
class CustomScreenPage;
class InterfaceOverview;
class NavigationList;
class PageArea;
class ResultsArea;
class StimuliArea;

namespace Ui {
class MainWindow;
}

// The client's window: switches on top; the interface overview and page navigation on the left;
// the pages and the result views in the middle; the stimuli of the port on the right.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(ClientSession &session, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Shows a page in the middle (creating it when needed); false when the plug-in has none.
    bool openPage(int pageId);
    // Shows a result view; false when the plug-in has no page for it.
    bool openResults(int view);
    void setPort(int port);

    ControlBar *controlBar() const;
    InterfaceOverview *overview() const;
    NavigationList *navigation() const;
    PageArea *pageArea() const;
    ResultsArea *resultsArea() const;
    StimuliArea *stimuliArea() const;
    CustomScreenPage *customScreenPage() const { return m_customScreen; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void terminologyChanged(int port, int terminology);
    void accessStateChanged(int state);

    std::unique_ptr<Ui::MainWindow> ui;
    ClientSession &m_session;
    int m_port = 1;
    bool m_sidesSized = false;
    CustomScreenPage *m_customScreen = nullptr;
};
