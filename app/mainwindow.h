#pragma once

#include <memory>

#include <QMainWindow>
#include <QPointer>

class ClientSession;
class ControlBar;
class CustomScreenPage;
class HelpWindow;
class MeasurementControl;
class QActionGroup;
class QLabel;
class QSettings;
class SetupWriter;
class InterfaceOverview;
class NavigationList;
class PageArea;
class ResultsArea;
class StimuliArea;

namespace Ui {
class MainWindow;
}

// The client's window: switches on top; the interface overview and page navigation on the left;
// the pages and the result views in the middle; the stimuli of the port on the right. Menus and a tool
// bar for setup files, the measurement and help; the status bar tells the measurement's state and time,
// the link's state and the tester.
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
    MeasurementControl *measurement() const { return m_measurement.get(); }
    int currentPort() const { return m_port; }

    // Restores the window, port, access and terminology from the settings and keeps them there when the
    // window closes. Without settings (screenshots, tests) nothing is read or written.
    void useSettings(QSettings *settings);
    void saveSettings();

    // The help page name of the dialog or page in front.
    QString currentHelpPage() const;
    void showHelp();
    HelpWindow *helpWindow() const;

    // Writes the port's setup to a file; false with the reason.
    bool saveSetup(const QString &path, QString *error);
    // Starts writing a setup file to the port; null, with the reason, for a file that cannot be used
    // (then nothing changes). The writer belongs to the window and tells when it has finished.
    SetupWriter *openSetup(const QString &path, QString *error);
    // Why closing needs the user's word (a measurement or a tributary scan runs); empty when it does not.
    QString closeQuestion() const;
    // The status bar's texts, for tests: measurement state, elapsed time, link, tester.
    QStringList statusTexts() const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setupActions();
    void updateMeasurement();
    void updateLink();
    void updateTerminologyActions();
    void setTerminology(int value);
    void chooseSetupToOpen();
    void chooseSetupToSave();
    void setupWritten();
    void showAbout();
    void terminologyChanged(int port, int terminology);
    void accessStateChanged(int state);

    std::unique_ptr<Ui::MainWindow> ui;
    ClientSession &m_session;
    std::unique_ptr<MeasurementControl> m_measurement;
    QPointer<HelpWindow> m_help;
    QSettings *m_settings = nullptr;
    QActionGroup *m_portActions = nullptr;
    QActionGroup *m_terminologyActions = nullptr;
    QLabel *m_lblMeasurement = nullptr;
    QLabel *m_lblElapsed = nullptr;
    QLabel *m_lblLink = nullptr;
    QLabel *m_lblTester = nullptr;
    std::unique_ptr<SetupWriter> m_setupWriter;
    QString m_lastSetupFile;
    int m_port = 1;
    bool m_sidesSized = false;
    CustomScreenPage *m_customScreen = nullptr;
};
