// What kelvaro answers before it looks for a display: --help and --version
// anywhere, in the interface language, the usage and status 2 for an option
// it does not know, and one clear line with status 1 when there is no X11
// session.
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
            {},
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

TEST(CommandLineTest, AnUnknownOptionIsTheUsageOnStandardErrorAndStatusTwo)
{
    FakeEnvironment env;
    env.variables[QStringLiteral("DISPLAY")] = QStringLiteral(":0");
    for (const QStringList& args : { QStringList { QStringLiteral("--bogus") },
             QStringList { QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("-x") },
             QStringList { QStringLiteral("--display=:0"), QStringLiteral("--reverse=1") } }) {
        const auto a = answer(args, env);
        ASSERT_TRUE(a) << args.join(u' ').toStdString();
        EXPECT_EQ(a->exitCode, 2);
        EXPECT_TRUE(a->output.isEmpty());
        EXPECT_TRUE(
            a->error.startsWith(QStringLiteral("kelvaro: unknown option: %1\nUsage: kelvaro ").arg(args.last())))
            << a->error.toStdString();
    }
    // Qt's own options, with their values in either form, still start it.
    EXPECT_FALSE(answer({ QStringLiteral("-display"), QStringLiteral(":0"), QStringLiteral("--style=Fusion"),
                            QStringLiteral("-reverse"), QStringLiteral("-name"), QStringLiteral("--bogus") },
        env));
    EXPECT_FALSE(answer({ QStringLiteral("-") }, env));
    // Nor does the argument of the copy a language change starts.
    EXPECT_FALSE(answer({ QStringLiteral("--relaunch") }, env));
}

TEST(CommandLineTest, TextsAreInTheInterfaceLanguage)
{
    FakeEnvironment env;
    CommandLine::Environment german = env.get();
    german.languageCode = [] { return QStringLiteral("de"); };
    const auto help = CommandLine::answer({ QStringLiteral("kelvaro"), QStringLiteral("--help") }, german);
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->output.startsWith(QStringLiteral("Aufruf: kelvaro ")));
    EXPECT_TRUE(help->output.contains(QStringLiteral("Diese Hilfe anzeigen und beenden.")));
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
QProcess* runKelvaro(const QStringList& args, const QString& display, const QString& lang = QStringLiteral("C.UTF-8"))
{
    auto* p = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("DISPLAY"));
    for (const char* name : { "LANGUAGE", "LC_ALL", "LC_MESSAGES" })
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), lang);
    // No stored language: the system's decides.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral(KELVARO_BINARY_DIR "/no-such-config"));
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

    std::unique_ptr<QProcess> bogus(runKelvaro({ QStringLiteral("--bogus") }, QStringLiteral(":9876")));
    ASSERT_EQ(bogus->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(bogus->exitCode(), 2);
    EXPECT_TRUE(bogus->readAllStandardOutput().isEmpty());
    const QString usage = QString::fromLocal8Bit(bogus->readAllStandardError());
    EXPECT_TRUE(usage.contains(QStringLiteral("--bogus")) && usage.contains(QStringLiteral("Usage: kelvaro ")))
        << usage.toStdString();

    std::unique_ptr<QProcess> german(runKelvaro({ QStringLiteral("--help") }, {}, QStringLiteral("de_DE.UTF-8")));
    ASSERT_EQ(german->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(german->exitCode(), 0);
    const QString help = QString::fromUtf8(german->readAllStandardOutput());
    EXPECT_TRUE(help.startsWith(QStringLiteral("Aufruf: kelvaro ")) && help.contains(QStringLiteral("Diese Hilfe")))
        << help.toStdString();
}

}
