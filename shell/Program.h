#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "shell/FormClient.h"

namespace qx {

class SingleInstanceLock;
class Start;
class frmMain;

// The order of windows: Start first, then the main window once "START" is
// chosen. Holds the single-instance lock for the program's life, and brings
// its window to the front when a second copy knocks.
class Program : public QObject {
    Q_OBJECT

public:
    explicit Program(SingleInstanceLock& lock);
    ~Program() override;

    // Loads Start; false when another copy runs (the message has been shown).
    // Throws DesignError when a window design is bad.
    bool begin(FormDesign startDesign = loadCompiledDesign(QStringLiteral("Start")));

    Start* startWindow() const;
    frmMain* mainWindow() const { return main_.get(); }

private:
    void showMainWindow();
    void bringToFront(const QString& activationToken);

    SingleInstanceLock& lock_;
    QPointer<Start> start_;
    std::unique_ptr<frmMain> main_;
};

}  // namespace qx
