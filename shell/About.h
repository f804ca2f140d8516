#pragma once

#include <QWidget>

#include "shell/FormClient.h"

namespace qx {

// The About window: ownerless, fixed, destroyed when closed.
class About : public QWidget {
    Q_OBJECT

public:
    explicit About(FormDesign design = loadCompiledDesign(QStringLiteral("About")));

    FormClient& client() { return *client_; }

private:
    FormClient* client_;
};

}  // namespace qx
