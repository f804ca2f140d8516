#include <QLoggingCategory>

#include <gtest/gtest.h>

#include "platform/qt/ProgramLog.h"

namespace qx {
namespace {

Q_LOGGING_CATEGORY(lcSoundServer, "qt.multimedia.soundserver")

// Runs quietenQtMessages with the variable as given (nullptr: unset), then
// puts Qt's rules and the variable back.
template <class Check>
void withQuietening(const char* variable, Check check) {
    const QByteArray before = qgetenv(kQtMessagesVariable);
    if (variable)
        qputenv(kQtMessagesVariable, variable);
    else
        qunsetenv(kQtMessagesVariable);
    quietenQtMessages();
    check();
    QLoggingCategory::setFilterRules(QString());
    if (before.isNull())
        qunsetenv(kQtMessagesVariable);
    else
        qputenv(kQtMessagesVariable, before);
}

TEST(ProgramLog, QtsOwnMessagesAreQuietUnlessAskedFor) {
    const struct {
        const char* variable;
        bool qtWarnings;
    } cases[] = {{nullptr, false}, {"", false}, {"0", false}, {"1", true}, {"yes", true}};
    for (const auto& c : cases) {
        withQuietening(c.variable, [&] {
            const QLoggingCategory& fallback = *QLoggingCategory::defaultCategory();
            EXPECT_EQ(lcSoundServer().isWarningEnabled(), c.qtWarnings) << c.variable;
            EXPECT_EQ(fallback.isWarningEnabled(), c.qtWarnings) << c.variable;
            EXPECT_EQ(fallback.isDebugEnabled(), c.qtWarnings) << c.variable;
            // Faults are always told.
            EXPECT_TRUE(lcSoundServer().isCriticalEnabled());
            EXPECT_TRUE(lcProgram().isWarningEnabled());
            EXPECT_TRUE(lcProgram().isCriticalEnabled());
        });
    }
}

}  // namespace
}  // namespace qx
