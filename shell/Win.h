#pragma once

#include <QDialog>

#include "shell/FormClient.h"

namespace qx {

class DesignLabel;
class zbButtons_H;

// The congratulation window shown when a puzzle is solved: the solving time
// and a Close button. Application-modal, fixed, destroyed when closed.
class Win : public QDialog {
    Q_OBJECT

public:
    // Shows the window centred on `owner` (on the screen without one) and
    // returns once the player has closed it. `time` is the clock's text.
    static void ShowModal(QWidget* owner, const QString& time);

    Win(QWidget* owner, const QString& time,
        FormDesign design = loadCompiledDesign(QStringLiteral("Win")));

    FormClient& client() { return *client_; }
    DesignLabel& lblTime();
    zbButtons_H& cmdClose();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load(const QString& time);
    void cmdClose_Click();
    void centreOnOwner();

    FormClient* client_;
};

}  // namespace qx
