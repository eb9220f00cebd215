// Every window, page, sheet and wizard page laid out in each interface
// language: nothing cut, nothing clipped by its parent, nothing stacked on a
// sibling.

#include "core/AppLanguage.h"
#include "core/AppSettings.h"
#include "editors/IconPickerSheet.h"
#include "editors/KeyStrip.h"
#include "editors/ShortcutEditorView.h"
#include "editors/ShortcutSuggestionsView.h"
#include "layout/LayoutCheck.h"
#include "onboarding/HelpView.h"
#include "onboarding/LaunchPopover.h"
#include "onboarding/OnboardingView.h"
#include "platform/Appearance.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimDisplayPreferences.h"
#include "ring/CapturedTabStore.h"
#include "services/UpdateChecker.h"
#include "services/UpdateNoticeView.h"
#include "settings/PageParts.h"
#include "settings/PasswordEditors.h"
#include "settings/SettingsView.h"
#include "support/TestSupport.h"
#include "switcher/AppPicker.h"
#include "vault/PasswordVault.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace {
AppSettings& settings() { return AppSettings::shared(); }

class Layout : public ::testing::TestWithParam<AppLanguage> {
protected:
    void SetUp() override
    {
        desktop = &env.sim().desktop();
        for (int i = 0; i < 12; ++i)
            desktop->addApp(100 + i, QStringLiteral("org.example.app%1").arg(i), QStringLiteral("App %1").arg(i)).icon
                = SimDesktop::solidIcon(QColor(20 * i, 100, 200));
        desktop->frontmostPID = 100;
        settings().setLanguage(GetParam());
        // KELVARO_LAYOUT_DARK=1 lays everything out in the dark appearance's colours.
        if (qEnvironmentVariableIsSet("KELVARO_LAYOUT_DARK"))
            QApplication::setPalette(darkPalette());
        code = localeIdentifier(GetParam()).value_or(QStringLiteral("en"));
        ellipses = LayoutCheck::ownEllipses(code);
        ellipses << LayoutCheck::ownEllipses(QStringLiteral("en"));
    }
    void TearDown() override
    {
        settings().setLanguage(AppLanguage::system);
        if (qEnvironmentVariableIsSet("KELVARO_LAYOUT_DARK"))
            QApplication::setPalette(QApplication::style()->standardPalette());
    }

    // Shows `window` at `size` (its own size when empty), lets its layouts
    // settle and records what is wrong under `where`.
    void check(QWidget& window, const QString& where, QSize size = {})
    {
        if (!window.isVisible()) {
            if (size.isValid())
                window.resize(size);
            else
                window.adjustSize();
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        }
        settle();
        // KELVARO_LAYOUT_SHOTS=<folder> keeps a picture of each layout for a person to look at.
        const QString shots = qEnvironmentVariable("KELVARO_LAYOUT_SHOTS");
        if (!shots.isEmpty()) {
            QString name = code + QLatin1Char('-') + where;
            name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]+")), QStringLiteral("-"));
            window.grab().save(shots + QLatin1Char('/') + name + QStringLiteral(".png"));
        }
        for (const QString& problem : LayoutCheck::problems(&window, ellipses))
            found << where + QStringLiteral(": ") + problem;
    }
    // Lets layouts settle and motion end (a page change fades the page before out).
    void settle()
    {
        for (int i = 0; i < 3; ++i) {
            env.scheduler().advance(1.0);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
    }
    void expectNothingFound() { EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString(); }

    TestSupport::SimEnvironment env;
    SimDesktop* desktop = nullptr;
    UpdateChecker updates { env.defaults() };
    QString code;
    QList<QRegularExpression> ellipses;
    QStringList found;
};

std::string languageName(const ::testing::TestParamInfo<AppLanguage>& info)
{
    return localeIdentifier(info.param).value_or(QStringLiteral("system")).toStdString();
}
}

TEST_P(Layout, EverySettingsPageFits)
{
    PasswordEntry entry;
    entry.label = QStringLiteral("Mail");
    entry.account = QStringLiteral("me@example.org");
    entry.variants << PasswordVariant { QUuid::createUuid(), QStringLiteral("Work"), QStringLiteral("key.fill"), {} };
    PasswordVault(env.platform()).upsert(entry);
    QList<BrowserTabs::Tab> tabs;
    for (int i = 0; i < 12; ++i)
        tabs << BrowserTabs::Tab { QStringLiteral("Tab %1").arg(i), QStringLiteral("https://example.org/%1").arg(i),
            std::nullopt, std::nullopt };
    CapturedTabStore(env.platform()).setActiveID(CapturedTabStore(env.platform()).add(tabs).id);

    SettingsView view(env.platform(), updates);
    view.setFixedSize(SettingsView::windowSize);
    for (SettingsTab tab : allCases<SettingsTab>()) {
        view.selectTab(tab);
        check(view, rawValue(tab));
    }
    // The largest ring keeps to its own area, above the key caps.
    env.sim().displayPreferences().setReduceMotion(true); // the ring at its new size at once
    settings().setRingScale(1.4);
    check(view, QStringLiteral("large ring"));
    const QRectF ring = view.preview()->ringRect();
    const QRect keys = view.preview()->keyCaps()->geometry();
    EXPECT_LE(ring.bottom(), keys.top()) << "the ring runs into the key caps";
    EXPECT_GE(ring.top(), 0);
    expectNothingFound();
}

TEST_P(Layout, EverySheetFits)
{
    const AppShortcut app(QStringLiteral("App 1"), QString(), QString(), QStringLiteral("org.example.app1"));
    {
        ShortcutEditorView editor(env.platform(), app, std::nullopt);
        const auto kinds = editor.findChild<QButtonGroup*>()->buttons();
        for (QAbstractButton* kind : kinds) {
            kind->click();
            check(editor, QStringLiteral("shortcut editor, ") + kind->objectName());
        }
    }
    {
        IconPickerSheet picker(QStringLiteral("star"));
        check(picker, QStringLiteral("icon picker"));
    }
    {
        ShortcutSuggestionsView suggestions(env.platform(), ShortcutSuggestionContext { app, {}, QUuid::createUuid() });
        check(suggestions, QStringLiteral("suggested shortcuts"));
    }
    {
        PasswordAccountEditorView account(PasswordVault(env.platform()), PasswordEntry {});
        check(account, QStringLiteral("account editor"));
    }
    {
        PasswordVariantEditorView variant(PasswordVault(env.platform()), QUuid::createUuid(), PasswordVariant {});
        check(variant, QStringLiteral("password editor"));
    }
    {
        NameDialog name(QCoreApplication::translate("Kelvaro", "Rename Launcher"), QString());
        name.accept(); // refused: the note is up
        check(name, QStringLiteral("name dialog"));
    }
    {
        AppPickerDialog chooser(env.platform(), QStringLiteral("Choose"), QStringLiteral("Pick one"));
        check(chooser, QStringLiteral("app chooser"));
    }
    expectNothingFound();
}

TEST_P(Layout, EveryWizardPageAndSmallWindowFits)
{
    {
        OnboardingView wizard(env.platform(), [](bool) {});
        wizard.setFixedSize(OnboardingView::windowSize);
        for (int page = 0; page < OnboardingView::pageCount; ++page) {
            if (page > 0)
                wizard.advance();
            check(wizard, QStringLiteral("wizard page %1").arg(page + 1));
        }
    }
    {
        // The access page while the desktop still lacks something: its list, card and button.
        env.sim().desktopAccess().accessibilityBus = false;
        OnboardingView wizard(env.platform(), [](bool) {});
        wizard.setFixedSize(OnboardingView::windowSize);
        wizard.advance();
        wizard.advance();
        check(wizard, QStringLiteral("wizard access page, bus off"));
        wizard.advance();
        wizard.setChoosingShortcut(true);
        check(wizard, QStringLiteral("wizard shortcut page, recording"));
    }
    {
        HelpView help(env.platform());
        check(help, QStringLiteral("help"));
    }
    {
        UpdateNoticeView notice(updates, [] {});
        check(notice, QStringLiteral("update notice"));
    }
    {
        LaunchPopoverView popover(
            40, false, [] {}, [] {});
        check(popover, QStringLiteral("launch notice"));
    }
    expectNothingFound();
}

INSTANTIATE_TEST_SUITE_P(Languages, Layout, ::testing::ValuesIn(selectableLanguages()), languageName);
