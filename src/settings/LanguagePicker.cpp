#include "settings/LanguagePicker.h"

#include "core/AppSettings.h"
#include "platform/DefaultsStore.h"
#include "platform/Log.h"
#include "ringkit/RingAnimation.h"
#include "settings/AdaptiveGrid.h"
#include "settings/IconViews.h"
#include "settings/LanguageTiles.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Flags and the globe need a colour emoji font; without one they would show
// as empty boxes, so the names stand alone.
bool canShowEmoji()
{
    static const bool available = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString& family : families) {
            if (family.contains(QLatin1String("Emoji"), Qt::CaseInsensitive))
                return true;
        }
        return false;
    }();
    return available;
}

QString withEmoji(const QString& emoji, const QString& text)
{
    return canShowEmoji() ? emoji + QStringLiteral("  ") + text : text;
}

struct RelaunchHooks {
    std::function<bool(const QString&, const QStringList&)> start
        = [](const QString& program, const QStringList& arguments) {
              return QProcess::startDetached(program, arguments);
          };
    std::function<void()> quit = [] { QCoreApplication::quit(); };
};
RelaunchHooks& hooks()
{
    static RelaunchHooks h;
    return h;
}
}

void LanguagePicker::setRelaunchHooks(
    std::function<bool(const QString&, const QStringList&)> start, std::function<void()> quit)
{
    hooks() = RelaunchHooks {};
    if (start)
        hooks().start = std::move(start);
    if (quit)
        hooks().quit = std::move(quit);
}

bool LanguagePicker::relaunch(DefaultsStore& defaults)
{
    // Settings reach the disk behind the caller: wait for them, so the
    // language chosen a moment ago is in the file before the new instance
    // reads it.
    defaults.flush();
    const QString program = QCoreApplication::applicationFilePath();
    QStringList arguments = QCoreApplication::arguments().mid(1);
    arguments.removeAll(relaunchArgument());
    arguments.prepend(relaunchArgument());
    if (!hooks().start(program, arguments)) {
        Log::write(QStringLiteral("Kelvaro: could not start %1 again; keeping this instance").arg(program));
        return false;
    }
    hooks().quit();
    return true;
}

LanguagePicker::LanguagePicker(DefaultsStore& defaults, Style style, bool appliesImmediately, QWidget* parent)
    : QWidget(parent)
    , m_defaults(defaults)
    , m_style(style)
    , m_appliesImmediately(appliesImmediately)
{
    build();
    AppSettings::shared().onChange(this, { AppSettings::Key::language }, [this] { showLanguage(); });
}

void LanguagePicker::build()
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    if (m_style == Style::list) {
        auto* row = new QHBoxLayout;
        auto* label = new QLabel(QCoreApplication::translate("Kelvaro", "Language"), this);
        m_list = new QComboBox(this);
        m_list->setAccessibleName(QCoreApplication::translate("Kelvaro", "Language"));
        label->setBuddy(m_list);
        row->addWidget(label);
        row->addStretch(1);
        row->addWidget(m_list);
        column->addLayout(row);
        m_list->addItem(QString(), rawValue(AppLanguage::system)); // named in showLanguage, in the language chosen
        m_list->insertSeparator(1);
        for (AppLanguage language : selectableLanguages())
            m_list->addItem(withEmoji(flag(language), endonym(language)), rawValue(language));
    } else {
        auto* scroll = m_scroll = new QScrollArea(this);
        scroll->setWidgetResizable(true);
        scroll->setFocusPolicy(Qt::NoFocus); // its fields and tiles take the focus
        scroll->setMaximumHeight(268);
        scroll->setFrameShape(QFrame::NoFrame);
        m_grid = new QWidget(scroll);
        // Tiles at least 148 wide, as many to a row as the width allows.
        auto* grid = new AdaptiveGrid(148, 8, m_grid);
        grid->setContentsMargins(0, 0, 0, 2);
        QList<LanguageTile*> tiles;
        for (AppLanguage language : selectableLanguages()) {
            auto* tile = new LanguageTile(canShowEmoji() ? flag(language) : QString(), endonym(language), m_grid);
            tiles << tile;
            tile->setProperty("language", rawValue(language));
            connect(tile, &QAbstractButton::clicked, this, [language] { AppSettings::shared().setLanguage(language); });
            grid->addWidget(tile);
        }
        // Names in other scripts come in fonts with taller lines: every tile
        // takes the tallest one's height, so the grid's rows line up.
        int tallest = 0;
        for (const LanguageTile* tile : tiles)
            tallest = std::max(tallest, tile->sizeHint().height());
        for (LanguageTile* tile : tiles)
            tile->setFixedHeight(tallest);
        scroll->setWidget(m_grid);
        column->addWidget(scroll);
        auto* system = new SystemLanguageRow(canShowEmoji() ? QStringLiteral("🌐") : QString(), this);
        system->setObjectName(QStringLiteral("system-language"));
        system->setProperty("language", rawValue(AppLanguage::system));
        connect(
            system, &QAbstractButton::clicked, this, [] { AppSettings::shared().setLanguage(AppLanguage::system); });
        column->addWidget(system);
    }
    if (m_appliesImmediately) {
        auto* note
            = new QLabel(QCoreApplication::translate("Kelvaro", "The rest of this guide uses your choice."), this);
        note->setWordWrap(true);
        column->addWidget(note);
    } else {
        auto* row = new QHBoxLayout;
        row->setSpacing(8);
        auto* note = new SecondaryLabel(
            QStringLiteral("↻ ") + QCoreApplication::translate("Kelvaro", "The interface updates right away."), this);
        note->setWordWrap(false);
        auto* relaunchButton = new QPushButton(QCoreApplication::translate("Kelvaro", "Relaunch Now"), this);
        relaunchButton->setFlat(true);
        relaunchButton->setCursor(Qt::PointingHandCursor);
        relaunchButton->setStyleSheet(
            QStringLiteral("QPushButton { color: palette(link); border: none; padding: 0; }"));
        connect(relaunchButton, &QPushButton::clicked, this, [defaults = &m_defaults] {
            // After the click has been handled, not from inside it.
            QTimer::singleShot(0, qApp, [defaults] { relaunch(*defaults); });
        });
        row->addWidget(note);
        row->addWidget(relaunchButton);
        row->addStretch(1);
        column->addLayout(row);
    }
    showLanguage();
    // Only now: filling the list moves its current item.
    if (m_list) {
        connect(m_list, &QComboBox::currentIndexChanged, this, [this](int index) {
            const auto language = fromRawValue<AppLanguage>(m_list->itemData(index).toString());
            if (language)
                AppSettings::shared().setLanguage(*language);
        });
    }
}

QSize LanguagePicker::sizeHint() const
{
    QSize size = QWidget::sizeHint();
    if (m_scroll) {
        const int grid = m_grid->sizeHint().width() + m_scroll->verticalScrollBar()->sizeHint().width()
            + 2 * m_scroll->frameWidth();
        size.setWidth(std::max(size.width(), grid));
    }
    return size;
}

void LanguagePicker::showLanguage()
{
    const QString current = rawValue(AppSettings::shared().language());
    if (m_list) {
        m_list->setItemText(
            0, withEmoji(QStringLiteral("🌐"), QCoreApplication::translate("Kelvaro", "Match the system language")));
        m_list->setCurrentIndex(m_list->findData(current));
    }
    // The first marks are drawn at once; a later choice moves them.
    const bool still = !m_marked || AnimationEngine::shared().reduceMotion();
    m_marked = true;
    const auto buttons = findChildren<LanguageChoiceButton*>();
    for (LanguageChoiceButton* b : buttons) {
        if (auto* row = qobject_cast<SystemLanguageRow*>(b))
            row->setText(QCoreApplication::translate("Kelvaro", "Match the system language"));
        b->setSelected(b->property("language").toString() == current, still);
    }
}
