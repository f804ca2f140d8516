#include "platform/qt/ProgramLog.h"

namespace qx {

Q_LOGGING_CATEGORY(lcProgram, "quiltrix")

void quietenQtMessages() {
    const QByteArray keep = qgetenv(kQtMessagesVariable);
    if (!keep.isEmpty() && keep != "0") return;
    QLoggingCategory::setFilterRules(
        QStringLiteral("*.debug=false\n"
                       "*.info=false\n"
                       "*.warning=false\n"
                       "quiltrix.warning=true"));
}

}  // namespace qx
