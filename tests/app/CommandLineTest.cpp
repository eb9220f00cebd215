// What kelvaro answers before it looks for a display: --help and --version
// anywhere, and one clear line with status 1 when there is no X11 session.
// The last cases run the real program, as a user at a console would.

#include "app/CommandLine.h"
#include "services/BuildConfig.h"

#include <QMap>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct FakeEnvironment {
    QMap<QString, QString> variables;
    bool opens = true;
    QStringList tried;

    CommandLine::Environment get()
    {
        return {
            [this](const char* name) { return variables.value(QString::fromLatin1(name)); },
            [this](const QString& display) {
                tried.append(display);
                return opens;
            },
        };
    }
};

std::optional<CommandLine::Answer> answer(const QStringList& args, FakeEnvironment& env)
{
    return CommandLine::answer(QStringList { QStringLiteral("/usr/bin/kelvaro") } + args, env.get());
}

TEST(CommandLineTest, HelpAndVersionNeedNoDisplay)
{
    FakeEnvironment env; // no DISPLAY at all
    const auto version = answer({ QStringLiteral("--version") }, env);
    ASSERT_TRUE(version);
    EXPECT_EQ(version->exitCode, 0);
    EXPECT_EQ(version->output, QStringLiteral("Kelvaro %1\n").arg(BuildConfig::version()));
    EXPECT_TRUE(version->error.isEmpty());

    const auto help = answer({ QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("--help") }, env);
    ASSERT_TRUE(help);
    EXPECT_EQ(help->exitCode, 0);
    EXPECT_TRUE(help->output.startsWith(QStringLiteral("Usage: kelvaro ")));
    EXPECT_TRUE(help->output.contains(QStringLiteral("--version")));
    EXPECT_TRUE(env.tried.isEmpty());
}

TEST(CommandLineTest, NoX11SessionIsOneLineAndStatusOne)
{
    FakeEnvironment env;
    auto a = answer({}, env);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->exitCode, 1);
    EXPECT_TRUE(a->output.isEmpty());
    EXPECT_EQ(a->error, QStringLiteral("Kelvaro needs an X11 session: DISPLAY is not set.\n"));

    // Wayland without XWayland: the same, naming the session.
    env.variables[QStringLiteral("WAYLAND_DISPLAY")] = QStringLiteral("wayland-0");
    a = answer({}, env);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->exitCode, 1);
    EXPECT_TRUE(a->error.contains(QStringLiteral("Wayland")));
    EXPECT_EQ(a->error.count(QLatin1Char('\n')), 1);

    // A display that does not answer.
    env.variables[QStringLiteral("DISPLAY")] = QStringLiteral(":42");
    env.opens = false;
    a = answer({}, env);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->exitCode, 1);
    EXPECT_EQ(a->error, QStringLiteral("Kelvaro needs an X11 session: the display :42 cannot be opened.\n"));
    EXPECT_EQ(env.tried, QStringList { QStringLiteral(":42") });

    // Qt's -display option wins over the variable, as it does for Qt itself.
    env.opens = true;
    env.tried.clear();
    EXPECT_FALSE(answer({ QStringLiteral("-display"), QStringLiteral(":7") }, env));
    EXPECT_EQ(env.tried, QStringList { QStringLiteral(":7") });
}

TEST(CommandLineTest, AnotherPlatformChosenOnPurposeNeedsNoDisplay)
{
    FakeEnvironment env;
    env.variables[QStringLiteral("QT_QPA_PLATFORM")] = QStringLiteral("offscreen");
    EXPECT_FALSE(answer({}, env));
    env.variables.clear();
    EXPECT_FALSE(answer({ QStringLiteral("-platform"), QStringLiteral("offscreen") }, env));
    EXPECT_TRUE(env.tried.isEmpty());
    // Asking for xcb by name is an X11 start like any other, and so is a
    // Wayland session's choice for its Qt programs: Kelvaro runs on X11 there.
    for (const char* platform : { "xcb", "wayland", "wayland-egl" }) {
        env.variables[QStringLiteral("QT_QPA_PLATFORM")] = QString::fromLatin1(platform);
        const auto a = answer({}, env);
        ASSERT_TRUE(a) << platform;
        EXPECT_EQ(a->exitCode, 1) << platform;
    }
}

// The program itself, without a display: no Qt abort, no core dump.
QProcess* runKelvaro(const QStringList& args, const QString& display)
{
    auto* p = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("DISPLAY"));
    if (!display.isEmpty())
        env.insert(QStringLiteral("DISPLAY"), display);
    p->setProcessEnvironment(env);
    p->start(QStringLiteral(KELVARO_BINARY_DIR "/kelvaro"), args);
    p->waitForFinished(20000);
    return p;
}

TEST(CommandLineTest, TheProgramAnswersWithoutADisplay)
{
    std::unique_ptr<QProcess> version(runKelvaro({ QStringLiteral("--version") }, {}));
    ASSERT_EQ(version->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(version->exitCode(), 0);
    EXPECT_EQ(QString::fromLocal8Bit(version->readAllStandardOutput()),
        QStringLiteral("Kelvaro %1\n").arg(BuildConfig::version()));

    std::unique_ptr<QProcess> bare(runKelvaro({}, {}));
    ASSERT_EQ(bare->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(bare->exitCode(), 1);
    EXPECT_EQ(QString::fromLocal8Bit(bare->readAllStandardError()),
        QStringLiteral("Kelvaro needs an X11 session: DISPLAY is not set.\n"));

    std::unique_ptr<QProcess> unreachable(runKelvaro({}, QStringLiteral(":9876")));
    ASSERT_EQ(unreachable->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(unreachable->exitCode(), 1);
    EXPECT_TRUE(QString::fromLocal8Bit(unreachable->readAllStandardError()).contains(QStringLiteral(":9876")));
}

}
