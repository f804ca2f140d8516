#pragma once

#include <QUrl>
#include <QWidget>

#include "shell/FormClient.h"

namespace qx {

class DesignLabel;

// The About window: ownerless, fixed, destroyed when closed (also by Esc).
// Its web address opens in the browser, or is shown when no browser starts.
class About : public QWidget {
    Q_OBJECT

public:
    explicit About(FormDesign design = loadCompiledDesign(QStringLiteral("About")));

    FormClient& client() { return *client_; }
    DesignLabel& Label4();  // the web address

    // The address the link opens, kept in the design as Label4's Tag.
    QUrl webAddress() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;  // Esc closes

private:
    void Label4_Click();

    FormClient* client_;
};

}  // namespace qx
