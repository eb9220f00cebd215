#include "settings/GeneralSettingsView.h"
#include "settings/SettingsMotion.h"

#include "settings/PageParts.h"

#include "core/AppSettings.h"
#include "core/SymbolIcons.h"
#include "editors/SegmentButton.h"
#include "platform/DisplayPreferences.h"
#include "platform/Platform.h"
#include "platform/Screens.h"
#include "platform/Workspace.h"
#include "services/BuildConfig.h"
#include "services/Telemetry.h"
#include "services/UpdateChecker.h"
#include "settings/IconViews.h"
#include "settings/LanguagePicker.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>

namespace {
AppSettings& settings() { return AppSettings::shared(); }

QLabel* secondary(const QString& text, QWidget* parent) { return new SecondaryLabel(text, parent); }

// A toggle with its title and a second line.
QCheckBox* toggle(const QString& title, const QString& detail, QVBoxLayout* into, QWidget* parent)
{
    auto* box = new QCheckBox(title, parent);
    box->setAccessibleName(title);
    box->setAccessibleDescription(detail);
    into->addWidget(box);
    auto* second = secondary(detail, parent);
    second->setContentsMargins(24, 0, 0, 0);
    into->addWidget(second);
    return box;
}

// A segmented control: one segment per option, exclusive, after its title.
// The title wraps rather than pushing the segments out of the page.
template <typename Enum> QButtonGroup* segmented(const QString& title, QVBoxLayout* into, QWidget* parent)
{
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(title, parent);
    label->setWordWrap(true);
    row->addWidget(label, 1);
    auto* segments = new QHBoxLayout;
    auto* group = new QButtonGroup(parent);
    group->setExclusive(true);
    int id = 0;
    for (Enum option : allCases<Enum>()) {
        auto* b = new SegmentButton(::title(option), parent);
        b->setSymbol(symbolName(option));
        b->setAccessibleName(title + QStringLiteral(": ") + ::title(option));
        group->addButton(b, id++);
    }
    Segments::join(group, segments);
    row->addLayout(segments);
    into->addLayout(row);
    return group;
}

QVBoxLayout* section(const QString& title, QVBoxLayout* page, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* column = new QVBoxLayout(box);
    column->setSpacing(6);
    page->addWidget(box);
    return column;
}

template <typename Enum> void checkOption(QButtonGroup* group, Enum value)
{
    group->button(int(allCases<Enum>().indexOf(value)))->setChecked(true);
}

// A slider in hundredths of the factor, with the factor's name under it.
void showFactor(QSlider* slider, QLabel* label, double factor, const QString& name)
{
    {
        // The slider rounds and clamps: its echo of a stored factor is not a
        // choice, and must not overwrite it.
        const QSignalBlocker quiet(slider);
        slider->setValue(int(std::lround(factor * 100)));
    }
    label->setText(name);
    slider->setAccessibleDescription(name);
}

QSlider* slider(double min, double max, QWidget* parent)
{
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setRange(int(std::lround(min * 100)), int(std::lround(max * 100)));
    s->setSingleStep(5);
    s->setPageStep(10);
    s->setFixedWidth(190);
    return s;
}
}

QString GeneralSettingsView::scaleLabel(double ringScale)
{
    if (ringScale < 0.85)
        return QCoreApplication::translate("Kelvaro", "Small");
    if (ringScale < 1.15)
        return QCoreApplication::translate("Kelvaro", "Medium");
    return QCoreApplication::translate("Kelvaro", "Large");
}

QString GeneralSettingsView::speedLabel(double animationSpeed)
{
    if (animationSpeed < 0.85)
        return QCoreApplication::translate("Kelvaro", "Relaxed");
    if (animationSpeed < 1.35)
        return QCoreApplication::translate("Kelvaro", "Normal");
    return QCoreApplication::translate("Kelvaro", "Brisk");
}

QString GeneralSettingsView::versionText()
{
    QString version = BuildConfig::version();
    QString build = BuildConfig::buildNumber();
    if (version.isEmpty())
        version = QStringLiteral("1.0");
    if (build.isEmpty())
        build = QStringLiteral("1");
    return QStringLiteral("%1 (%2)").arg(version, build);
}

GeneralSettingsView::GeneralSettingsView(const Platform& platform, UpdateChecker& updates, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_updates(updates)
{
    auto* page = scrollingPage(this, QMargins(20, 12, 20, 16), 12);
    auto* content = page->parentWidget();

    // Language
    section(QCoreApplication::translate("Kelvaro", "Language"), page, content)
        ->addWidget(new LanguagePicker(m_platform.defaults(), LanguagePicker::Style::list, false, content));

    // Startup
    m_openAtLogin = toggle(QCoreApplication::translate("Kelvaro", "Open at login"),
        QCoreApplication::translate("Kelvaro", "Start Kelvaro automatically when you sign in."),
        section(QCoreApplication::translate("Kelvaro", "Startup"), page, content), content);
    connect(m_openAtLogin, &QCheckBox::toggled, this, [](bool on) { settings().setLaunchAtLogin(on); });

    // Privacy
    // A build without an analytics key sends nothing whatever the setting says.
    m_usageData = toggle(QCoreApplication::translate("Kelvaro", "Send anonymous usage data"),
        BuildConfig::analyticsKey().trimmed().isEmpty()
            ? QCoreApplication::translate("Kelvaro", "This build of Kelvaro cannot send usage data.")
            : QCoreApplication::translate("Kelvaro",
                "Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, "
                "file paths or anything you type."),
        section(QCoreApplication::translate("Kelvaro", "Privacy"), page, content), content);
    connect(m_usageData, &QCheckBox::toggled, this, [](bool on) {
        Telemetry::shared().setEnabled(on); // turning it off sends "telemetry_disabled"
    });

    // Behaviour
    auto* behaviour = section(QCoreApplication::translate("Kelvaro", "Behaviour"), page, content);
    m_activation = segmented<ActivationMode>(QCoreApplication::translate("Kelvaro", "Activation"), behaviour, content);
    m_activationText = secondary(QString(), content);
    behaviour->addWidget(m_activationText);
    connect(m_activation, &QButtonGroup::idClicked, this,
        [](int id) { settings().setActivationMode(allCases<ActivationMode>().value(id)); });
    m_placement = segmented<RingPlacement>(QCoreApplication::translate("Kelvaro", "Open the ring"), behaviour, content);
    m_placementText = secondary(QString(), content);
    behaviour->addWidget(m_placementText);
    connect(m_placement, &QButtonGroup::idClicked, this,
        [](int id) { settings().setRingPlacement(allCases<RingPlacement>().value(id)); });
    m_followPointer = toggle(QCoreApplication::translate("Kelvaro", "Follow the pointer across displays"),
        QCoreApplication::translate("Kelvaro", "Otherwise the ring always opens on the main display."), behaviour,
        content);
    connect(m_followPointer, &QCheckBox::toggled, this, [](bool on) { settings().setShowOnMouseScreen(on); });

    // Appearance
    auto* look = section(QCoreApplication::translate("Kelvaro", "Appearance"), page, content);
    m_appearance = segmented<AppearanceMode>(QCoreApplication::translate("Kelvaro", "Appearance"), look, content);
    connect(m_appearance, &QButtonGroup::idClicked, this,
        [](int id) { settings().setAppearance(allCases<AppearanceMode>().value(id)); });
    auto sliderRow = [&](const QString& title, QSlider* s, QLabel*& valueLabel) {
        auto* row = new QHBoxLayout;
        auto* label = new QLabel(title, content);
        label->setBuddy(s);
        s->setAccessibleName(title);
        row->addWidget(label);
        row->addStretch(1);
        auto* column = new QVBoxLayout;
        column->setSpacing(2);
        column->addWidget(s, 0, Qt::AlignRight);
        valueLabel = secondary(QString(), content);
        valueLabel->setAlignment(Qt::AlignRight);
        column->addWidget(valueLabel);
        row->addLayout(column);
        look->addLayout(row);
    };
    m_ringSize = slider(0.7, 1.4, content);
    sliderRow(QCoreApplication::translate("Kelvaro", "Ring size"), m_ringSize, m_ringSizeLabel);
    connect(m_ringSize, &QSlider::valueChanged, this, [](int v) { settings().setRingScale(v / 100.0); });
    m_speed = slider(0.5, 2.0, content);
    sliderRow(QCoreApplication::translate("Kelvaro", "Animation speed"), m_speed, m_speedLabel);
    connect(m_speed, &QSlider::valueChanged, this, [](int v) { settings().setAnimationSpeed(v / 100.0); });
    m_tilt = toggle(QCoreApplication::translate("Kelvaro", "Tilt the centre icon with the pointer"),
        QCoreApplication::translate("Kelvaro", "Adds a subtle parallax to the selected app's icon."), look, content);
    connect(m_tilt, &QCheckBox::toggled, this, [](bool on) { settings().setEnable3DEffects(on); });
    m_reduceMotionNote = secondary(QStringLiteral("ⓘ ")
            + QCoreApplication::translate(
                "Kelvaro", "Reduce Motion is on in the desktop's settings, so animations stay minimal."),
        content);
    look->addWidget(m_reduceMotionNote);

    // About
    auto* about = section(QCoreApplication::translate("Kelvaro", "About"), page, content);
    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(new QLabel(QCoreApplication::translate("Kelvaro", "Version"), content));
    versionRow->addStretch(1);
    auto* version = new QLabel(versionText(), content);
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    versionRow->addWidget(version);
    about->addLayout(versionRow);
    // A build without an update feed never checks, whatever the stored choice
    // (kept for a build that has one).
    m_automaticChecks = toggle(QCoreApplication::translate("Kelvaro", "Check for updates automatically"),
        UpdateChecker::hasFeed() ? QCoreApplication::translate("Kelvaro", "Once a day, in the background.")
                                 : QCoreApplication::translate("Kelvaro", "This build of Kelvaro has no update feed."),
        about, content);
    connect(m_automaticChecks, &QCheckBox::toggled, this, [this](bool on) { m_updates.setAutomaticChecks(on); });
    auto* checkRow = new QHBoxLayout;
    m_checkNow = new QPushButton(QCoreApplication::translate("Kelvaro", "Check Now"), content);
    connect(m_checkNow, &QPushButton::clicked, this, [this] { m_updates.check(true); });
    checkRow->addWidget(m_checkNow);
    m_checking = new QProgressBar(content);
    m_checking->setRange(0, 0);
    m_checking->setFixedWidth(60);
    m_checking->setTextVisible(false);
    m_checking->setMaximumHeight(10);
    checkRow->addWidget(m_checking);
    checkRow->addStretch(1);
    m_updateStatus = secondary(QString(), content);
    m_updateStatus->setWordWrap(false);
    checkRow->addWidget(m_updateStatus);
    m_updateLink = new QPushButton(content);
    m_updateLink->setFlat(true);
    m_updateLink->setCursor(Qt::PointingHandCursor);
    m_updateLink->setStyleSheet(QStringLiteral("QPushButton { color: palette(link); border: none; padding: 0; }"));
    connect(m_updateLink, &QPushButton::clicked, this, [this] {
        const QUrl url(m_updates.outcome().manifest.url, QUrl::StrictMode);
        if (url.isValid() && !url.scheme().isEmpty())
            m_platform.workspace().openURL(url);
    });
    checkRow->addWidget(m_updateLink);
    about->addLayout(checkRow);
    page->addStretch(1);

    for (AppSettings::Key key : AppSettings::allKeys())
        showSetting(key);
    showUsageData();
    showAutomaticChecks();
    refreshUpdates();
    auto showReduceMotion = [this] { m_reduceMotionNote->setVisible(m_platform.displayPreferences().reduceMotion()); };
    showReduceMotion();
    connect(&settings(), &AppSettings::changed, this, &GeneralSettingsView::showSetting);
    connect(&Telemetry::shared(), &Telemetry::enabledChanged, this, &GeneralSettingsView::showUsageData);
    connect(&m_updates, &UpdateChecker::outcomeChanged, this, &GeneralSettingsView::refreshUpdates);
    connect(&m_updates, &UpdateChecker::automaticChecksChanged, this, &GeneralSettingsView::showAutomaticChecks);
    connect(&m_platform.displayPreferences(), &DisplayPreferences::changed, this, showReduceMotion);
}

void GeneralSettingsView::showSetting(AppSettings::Key key)
{
    using Key = AppSettings::Key;
    const AppSettings& s = settings();
    switch (key) {
    case Key::launchAtLogin:
        m_openAtLogin->setChecked(s.launchAtLogin());
        break;
    case Key::activationMode:
        checkOption(m_activation, s.activationMode());
        SettingsMotion::changeText(m_activationText, explanation(s.activationMode()), SettingsMotion::list());
        break;
    case Key::ringPlacement:
        checkOption(m_placement, s.ringPlacement());
        SettingsMotion::changeText(m_placementText, explanation(s.ringPlacement()), SettingsMotion::list());
        break;
    case Key::showOnMouseScreen:
        m_followPointer->setChecked(s.showOnMouseScreen());
        // Counted each time: a second display may have been plugged in.
        m_followPointer->setEnabled(m_platform.screens().screens().size() >= 2);
        break;
    case Key::appearance:
        checkOption(m_appearance, s.appearance());
        break;
    case Key::ringScale:
        showFactor(m_ringSize, m_ringSizeLabel, s.ringScale(), scaleLabel(s.ringScale()));
        break;
    case Key::animationSpeed:
        showFactor(m_speed, m_speedLabel, s.animationSpeed(), speedLabel(s.animationSpeed()));
        break;
    case Key::enable3DEffects:
        m_tilt->setChecked(s.enable3DEffects());
        break;
    case Key::language: // the texts written here rather than when the page was made
        for (Key relabelled : { Key::activationMode, Key::ringPlacement, Key::ringScale, Key::animationSpeed })
            showSetting(relabelled);
        break;
    default:
        break;
    }
}

// Neither store below returns early on an unchanged value: the boxes show
// theirs without announcing it as the user's choice.
void GeneralSettingsView::showUsageData()
{
    const QSignalBlocker quiet(m_usageData);
    const bool canSend = !BuildConfig::analyticsKey().trimmed().isEmpty();
    m_usageData->setEnabled(canSend);
    m_usageData->setChecked(canSend && Telemetry::shared().isEnabled());
}

void GeneralSettingsView::showAutomaticChecks()
{
    const QSignalBlocker quiet(m_automaticChecks);
    const bool canCheck = UpdateChecker::hasFeed();
    m_automaticChecks->setEnabled(canCheck);
    m_automaticChecks->setChecked(canCheck && m_updates.automaticChecks());
}

void GeneralSettingsView::refreshUpdates()
{
    const UpdateChecker::Outcome& outcome = m_updates.outcome();
    const bool checking = outcome.kind == UpdateChecker::Outcome::Checking;
    m_checkNow->setEnabled(!checking);
    m_checking->setVisible(checking);
    m_updateLink->setVisible(outcome.kind == UpdateChecker::Outcome::Available);
    m_updateLink->setText(
        QCoreApplication::translate("Kelvaro", "Kelvaro %1 is available").arg(outcome.manifest.version));
    switch (outcome.kind) {
    case UpdateChecker::Outcome::Failed:
        m_updateStatus->setText(QCoreApplication::translate("Kelvaro", outcome.message.toUtf8().constData()));
        break;
    case UpdateChecker::Outcome::UpToDate:
        m_updateStatus->setText(QCoreApplication::translate("Kelvaro", "Up to date"));
        break;
    default:
        m_updateStatus->clear();
        break;
    }
}
