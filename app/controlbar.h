#pragma once

#include <memory>

#include <QWidget>

class UiHelperList;
class zelServerManager;

namespace Ui {
class ControlBar;
}

// The host's switches: the port shown, the user's access (full or restricted) and the terminology
// of the port (the tester's setting, written through its binding).
class ControlBar : public QWidget
{
    Q_OBJECT
public:
    enum AccessState { FullAccess = 0, RestrictedAccess = 1 };

    explicit ControlBar(QWidget *parent = nullptr);
    ~ControlBar() override;

    void setup(zelServerManager *manager, const QList<int> &ports);
    int currentPort() const;
    void setCurrentPort(int port);

signals:
    void portChanged(int port);

private:
    void portIndexChanged(int index);
    void accessIndexChanged(int index);
    void accessStateChanged(int state);

    std::unique_ptr<Ui::ControlBar> ui;
    std::unique_ptr<UiHelperList> m_helpers;
    zelServerManager *m_manager = nullptr;
    int m_port = 1;
};
