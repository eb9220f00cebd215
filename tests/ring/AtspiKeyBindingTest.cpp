// Key bindings as toolkits report them on the accessibility bus.

#include "platform/linux/AtspiMenuAccessibility.h"

#include <gtest/gtest.h>

namespace {

std::string describe(const QString& binding)
{
    const auto b = AtspiKeyBinding::parse(binding);
    if (!b)
        return "none";
    return std::to_string(b->modifiers) + " " + b->character.toStdString()
        + (b->virtualKey ? " vk" + std::to_string(*b->virtualKey) : std::string());
}

TEST(AtspiKeyBinding, QtAndGtkFormsMapToTheirModifierBits)
{
    // Modifier bits: 1 shift, 2 option, 4 control, 8 no command.
    EXPECT_EQ(describe(QStringLiteral("Ctrl+N")), "0 N");
    EXPECT_EQ(describe(QStringLiteral("Ctrl+Shift+a")), "1 A");
    EXPECT_EQ(describe(QStringLiteral("Alt+F;Ctrl+O")), "0 O"); // mnemonic, then the shortcut
    EXPECT_EQ(describe(QStringLiteral("Alt+F")), "none"); // a lone mnemonic is no shortcut
    EXPECT_EQ(describe(QStringLiteral("Meta+Alt+F5")), "14  vk96");
    EXPECT_EQ(describe(QStringLiteral("Ctrl++")), "0 +");
    EXPECT_EQ(describe(QStringLiteral("Shift+Del")), "9  vk117");
    EXPECT_EQ(describe(QStringLiteral("Ctrl+K, Ctrl+S")), "none"); // a two-step sequence
    EXPECT_EQ(describe(QStringLiteral("Hyper+X")), "none");

    EXPECT_EQ(describe(QStringLiteral("n;<Alt>f:n;<Control>n")), "0 N");
    EXPECT_EQ(describe(QStringLiteral("s;<Alt>f:s;<Primary><Shift>s")), "1 S");
    EXPECT_EQ(describe(QStringLiteral(";;<Super>Return")), "12  vk36");
    EXPECT_EQ(describe(QStringLiteral("<Control>plus")), "0 +");
    EXPECT_EQ(describe(QStringLiteral("q;<Alt>f:q;")), "none"); // mnemonic only
    EXPECT_EQ(describe(QStringLiteral("<Control")), "none");
    EXPECT_EQ(describe(QString()), "none");
}

} // namespace
