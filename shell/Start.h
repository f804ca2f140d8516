#pragma once

#include <QWidget>

#include "shell/FormClient.h"

namespace qx {

class SingleInstanceLock;
class zbButtons_H;

// The borderless start-up window with "START" and "CANCEL".
class Start : public QWidget {
    Q_OBJECT

public:
    explicit Start(SingleInstanceLock& lock,
                   FormDesign design = loadCompiledDesign(QStringLiteral("Start")));

    // The single-instance check, then the window shows. A second copy gets
    // the "already running" message instead and false: nothing was shown.
    bool Form_Load();

    FormClient& client() { return *client_; }
    zbButtons_H& Command1();  // START
    zbButtons_H& Command2();  // CANCEL

signals:
    void startChosen();  // "START": the main window is to show; Start closes right after

private:
    void Command1_Click();
    void Command2_Click();

    SingleInstanceLock& lock_;
    FormClient* client_;
};

}  // namespace qx
