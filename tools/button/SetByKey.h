#pragma once

#include <QJsonValue>
#include <QString>

namespace qx {

class zbButtons_H;

// Assigns a property through its set-rule, named by its property-store key
// (any letter case) with the value in the design-file form. False for a key
// the button does not have.
bool setByKey(zbButtons_H& button, const QString& key, const QJsonValue& value);

}  // namespace qx
