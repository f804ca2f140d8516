#include "platform/qt/WindowActivation.h"

#include <QWidget>

namespace qx {
namespace {

constexpr char kTokenVariable[] = "XDG_ACTIVATION_TOKEN";

}  // namespace

QString takeLaunchActivationToken() {
    const QString token = qEnvironmentVariable(kTokenVariable);
    qunsetenv(kTokenVariable);
    return token;
}

void activateWithToken(QWidget& window, const QString& token) {
    if (!token.isEmpty()) qputenv(kTokenVariable, token.toUtf8());
    window.raise();
    window.activateWindow();
    // Where the platform took no token (X11, or a compositor without
    // xdg-activation), it must not reach the programs we start later.
    qunsetenv(kTokenVariable);
}

}  // namespace qx
