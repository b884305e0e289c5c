#pragma once

#include <memory>
#include <vector>

#include <QList>
#include <QWidget>

#include "customscreen.h"

class ParameterDefinition;
class QLabel;
class UiHelperList;
class UiHelperWrapper;
class zelServerManager;

namespace Ui {
class CustomScreenPage;
}

// A screen the user assembles from the server's parameters, picked from its catalogue by name. The page
// makes the widget of an ordinary parameter after its kind (combo, check box, spin box, text) and asks the
// plug-in's wrapper for the parameters only the technology can show; screens are saved to and opened from
// files, and a file that is not a whole screen for this server changes nothing.
class CustomScreenPage : public QWidget
{
    Q_OBJECT
public:
    explicit CustomScreenPage(QWidget *parent = nullptr);
    ~CustomScreenPage() override;

    // The wrapper (null: none) is not owned and must outlive the page. Picks go to the port.
    void setup(zelServerManager *manager, UiHelperWrapper *wrapper, int port);
    void setPort(int port);

    // False, with a logged line and nothing added, for a parameter the server does not know.
    bool addParameter(int sid);
    void removeLast();
    void clear();
    CustomScreen screen() const;
    // Refuses, keeping the screen shown, a screen with a parameter the server does not know.
    bool setScreen(const CustomScreen &screen, QString *error);

    int itemCount() const { return int(m_items.size()); }
    // The widgets that show the item's parameter.
    QList<QWidget *> itemWidgets(int index) const;
    QString message() const;
    // The catalogue rows the search leaves visible.
    int visibleCatalogueRows() const;

    // A sample screen of the port: two ordinary parameters and one of each widget of the plug-in.
    static CustomScreen sampleScreen(int port);

public slots:
    bool openScreen(const QString &path);
    bool saveScreen(const QString &path);

private:
    struct Item;

    void fillCatalogue();
    void filterCatalogue(const QString &text);
    void addSelected();
    void clickedOpen();
    void clickedSave();
    void showMessage(const QString &text, bool problem);
    QList<QWidget *> ordinaryWidgets(const ParameterDefinition &definition, int sid, UiHelperList &helpers);

    std::unique_ptr<Ui::CustomScreenPage> ui;
    std::vector<std::unique_ptr<Item>> m_items;
    zelServerManager *m_manager = nullptr;
    UiHelperWrapper *m_wrapper = nullptr;
    int m_port = 1;
};
