#include "onboarding/HelpView.h"

#include "core/AppSettings.h"
#include "core/SymbolIcons.h"
#include "platform/LinkOpener.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "services/BuildConfig.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace {
QString translated(const char* text) { return QCoreApplication::translate("Kelvaro", text); }

const QString site = QStringLiteral("https://www.morvanix.com");

void open(LinkOpener& links, const QUrl& url)
{
    if (!links.open(url))
        Log::write(QStringLiteral("Kelvaro: could not open %1").arg(url.toString()));
}

QColor secondary(const QWidget* w)
{
    QColor c = w->palette().color(QPalette::WindowText);
    c.setAlphaF(0.62f);
    return c;
}

QLabel* text(
    const QString& s, QWidget* parent, int pixelSize, bool secondaryStyle, QFont::Weight weight = QFont::Normal)
{
    auto* label = new QLabel(s, parent);
    label->setWordWrap(true);
    QFont f = label->font();
    f.setPixelSize(pixelSize);
    f.setWeight(weight);
    label->setFont(f);
    if (secondaryStyle) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, secondary(parent));
        label->setPalette(p);
    }
    return label;
}

class Symbol : public QWidget {
public:
    Symbol(QString name, QColor colour, int side, QWidget* parent)
        : QWidget(parent)
        , m_name(std::move(name))
        , m_colour(colour)
    {
        setFixedSize(side, side);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        SymbolIcons::paint(p, QRectF(rect()), m_name, m_colour);
    }

private:
    QString m_name;
    QColor m_colour;
};

// The orange callout box.
class CalloutFrame : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
        const QColor orange(255, 149, 0);
        QColor fill = orange;
        fill.setAlphaF(0.1f);
        p.fillPath(shape, fill);
        QColor edge = orange;
        edge.setAlphaF(0.25f);
        p.setPen(QPen(edge, 1));
        p.drawPath(shape);
    }
};

struct Item {
    const char* symbol;
    const char* title;
    const char* text;
};
struct Section {
    const char* title;
    QList<Item> items;
};

QList<Section> sections()
{
    return {
        { QT_TRANSLATE_NOOP("Kelvaro", "The two rings"),
            { { "rectangle.2.swap", QT_TRANSLATE_NOOP("Kelvaro", "App Switcher"),
                  QT_TRANSLATE_NOOP("Kelvaro",
                      "Hold its shortcut, aim at an app with the pointer, let go. The ring opens around "
                      "your pointer or in the middle of the display — your choice, under Settings › General.") },
                { "bolt.circle", QT_TRANSLATE_NOOP("Kelvaro", "Shortcut Launcher"),
                    QT_TRANSLATE_NOOP("Kelvaro",
                        "Opens the shortcuts you saved for whichever app is in front, so you can drive that "
                        "app by its own keyboard shortcuts without remembering them.") } } },
        { QT_TRANSLATE_NOOP("Kelvaro", "Choosing between windows"),
            { { "macwindow.on.rectangle", QT_TRANSLATE_NOOP("Kelvaro", "The window arc"),
                  QT_TRANSLATE_NOOP("Kelvaro",
                      "When the highlighted app has more than one window, a quarter-arc appears beside it "
                      "listing them. Keep moving outward onto the arc to pick a window instead of just the app.") },
                { "questionmark.circle", QT_TRANSLATE_NOOP("Kelvaro", "The arc never appears"),
                    QT_TRANSLATE_NOOP("Kelvaro",
                        "It only appears for an app with more than one window: an app with a single window "
                        "has nothing to choose between, so the arc stays hidden.") } } },
        { QT_TRANSLATE_NOOP("Kelvaro", "Shortcuts"),
            { { "keyboard", QT_TRANSLATE_NOOP("Kelvaro", "Changing a binding"),
                  QT_TRANSLATE_NOOP("Kelvaro",
                      "Settings › Switcher or Shortcuts, then click the recorder and press the combination "
                      "you want. Add Ctrl, Alt or Super so it can't fire while you're typing.") },
                { "hand.raised", QT_TRANSLATE_NOOP("Kelvaro", "Hold versus toggle"),
                    QT_TRANSLATE_NOOP("Kelvaro",
                        "By default the ring stays open while you hold the shortcut's modifiers and commits "
                        "when you let go. Settings › General can switch it to stay open until you press again or "
                        "click.") } } },
        { QT_TRANSLATE_NOOP("Kelvaro", "If nothing happens"),
            { { "lock.shield", QT_TRANSLATE_NOOP("Kelvaro", "Desktop access"),
                  QT_TRANSLATE_NOOP("Kelvaro",
                      "Global shortcuts need an X11 session, and reading menus or typing passwords needs "
                      "the accessibility bus. Settings shows a banner whenever something is missing, with a "
                      "button that turns the accessibility bus on.") },
                { "menubar.arrow.up.rectangle", QT_TRANSLATE_NOOP("Kelvaro", "Finding the app"),
                    QT_TRANSLATE_NOOP("Kelvaro",
                        "Kelvaro has no window of its own on purpose. It lives in the tray; closing a window "
                        "doesn't quit it.") },
                { "arrow.triangle.2.circlepath", QT_TRANSLATE_NOOP("Kelvaro", "Starting over"),
                    QT_TRANSLATE_NOOP("Kelvaro",
                        "Starting Kelvaro again while it runs opens its settings, or the walkthrough while "
                        "that is unfinished.") } } },
    };
}
} // namespace

QUrl SupportLinks::support() { return QUrl(site + QStringLiteral("/support")); }
QUrl SupportLinks::privacy() { return QUrl(site + QStringLiteral("/privacy-policy")); }
QUrl SupportLinks::terms() { return QUrl(site + QStringLiteral("/terms-of-use")); }
QString SupportLinks::supportAddress() { return QStringLiteral("support@morvanix.com"); }

QUrl SupportLinks::supportMail()
{
    QString subject = QStringLiteral("Kelvaro ") + HelpView::version() + QStringLiteral(" — Support");
    QByteArray encoded = QUrl::toPercentEncoding(subject);
    if (encoded.isEmpty())
        encoded = "Kelvaro";
    return QUrl(
        QStringLiteral("mailto:") + supportAddress() + QStringLiteral("?subject=") + QString::fromLatin1(encoded),
        QUrl::StrictMode);
}

QString HelpView::version()
{
    QString v = BuildConfig::version().trimmed();
    QString b = BuildConfig::buildNumber().trimmed();
    if (v.isEmpty())
        v = QStringLiteral("1.0");
    if (b.isEmpty())
        b = QStringLiteral("1");
    return v + QStringLiteral(" (") + b + QLatin1Char(')');
}

HelpView::HelpView(const Platform& platform, QWidget* parent)
    : QWidget(parent)
    , m_links(platform.linkOpener())
    , m_permissions(platform)
{
    resize(windowSize);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    column->addWidget(m_scroll);
    AppSettings::shared().onChange(this, { AppSettings::Key::language }, [this] { rebuild(); });
    connect(&m_permissions, &AccessibilityPermissionMonitor::trustChanged, this, &HelpView::rebuild);
    rebuild();
}

bool HelpView::showsCallout() const { return m_callout != nullptr; }

void HelpView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_permissions.startMonitoring();
}

void HelpView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_permissions.stopMonitoring();
}

QWidget* HelpView::callout(QWidget* parent)
{
    auto* box = new CalloutFrame(parent);
    box->setObjectName(QStringLiteral("permissionCallout"));
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(16, 16, 16, 16);
    row->setSpacing(12);
    row->addWidget(
        new Symbol(QStringLiteral("exclamationmark.triangle.fill"), QColor(255, 149, 0), 20, box), 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    const auto missing = m_permissions.state().missing();
    const char* title = QT_TRANSLATE_NOOP("Kelvaro", "Accessibility Access Required");
    const char* detail = QT_TRANSLATE_NOOP(
        "Kelvaro", "The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.");
    const char* button = QT_TRANSLATE_NOOP("Kelvaro", "Turn On");
    if (missing == AccessibilityState::Missing::x11Session) {
        title = QT_TRANSLATE_NOOP("Kelvaro", "Global Hotkeys Unavailable");
        detail = QT_TRANSLATE_NOOP("Kelvaro",
            "Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, "
            "then start Kelvaro again.");
        button = nullptr;
    } else if (missing == AccessibilityState::Missing::keyGrabs) {
        title = QT_TRANSLATE_NOOP("Kelvaro", "Keyboard Access Refused");
        detail = QT_TRANSLATE_NOOP(
            "Kelvaro", "The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.");
        button = QT_TRANSLATE_NOOP("Kelvaro", "Try Again");
    }
    QFont hf = font();
    hf.setPixelSize(14);
    hf.setWeight(QFont::DemiBold);
    auto* heading = new QLabel(translated(title), box);
    heading->setFont(hf);
    texts->addWidget(heading);
    texts->addWidget(text(translated(detail) + QLatin1Char(' ')
            + QCoreApplication::translate("Kelvaro", "This is the cause of most \"nothing happens\" reports."),
        box, 13, true));
    if (button) {
        auto* b = new QPushButton(translated(button), box);
        b->setObjectName(QStringLiteral("calloutButton"));
        connect(b, &QPushButton::clicked, this, [this] { m_permissions.openSystemSettings(); });
        texts->addSpacing(2);
        texts->addWidget(b, 0, Qt::AlignLeft);
    }
    row->addLayout(texts, 1);
    return box;
}

void HelpView::rebuild()
{
    const int scrolled = m_scroll->widget() ? m_scroll->verticalScrollBar()->value() : 0;
    auto* page = new QWidget;
    auto* stack = new QVBoxLayout(page);
    stack->setContentsMargins(32, 32, 32, 32);
    stack->setSpacing(28);

    auto* header = new QVBoxLayout;
    header->setSpacing(6);
    auto* title = text(QCoreApplication::translate("Kelvaro", "Kelvaro Help"), page, 26, false, QFont::DemiBold);
    title->setObjectName(QStringLiteral("helpTitle"));
    header->addWidget(title);
    header->addWidget(
        text(QCoreApplication::translate("Kelvaro", "Every app you have open, in a ring around your pointer."), page,
            17, true));
    stack->addLayout(header);

    m_callout = m_permissions.isTrusted() ? nullptr : callout(page);
    if (m_callout)
        stack->addWidget(m_callout);

    const QColor accent = palette().color(QPalette::Highlight);
    for (const Section& section : sections()) {
        auto* block = new QVBoxLayout;
        block->setSpacing(14);
        block->addWidget(text(translated(section.title), page, 17, false, QFont::DemiBold));
        for (const Item& item : section.items) {
            auto* row = new QHBoxLayout;
            row->setSpacing(12);
            auto* glyph = new QWidget(page);
            glyph->setFixedWidth(22);
            auto* gl = new QVBoxLayout(glyph);
            gl->setContentsMargins(0, 2, 0, 0);
            gl->addWidget(
                new Symbol(QString::fromLatin1(item.symbol), accent, 18, glyph), 0, Qt::AlignHCenter | Qt::AlignTop);
            gl->addStretch(1);
            row->addWidget(glyph, 0, Qt::AlignTop);
            auto* words = new QVBoxLayout;
            words->setSpacing(3);
            words->addWidget(text(translated(item.title), page, 13, false, QFont::Medium));
            words->addWidget(text(translated(item.text), page, 13, true));
            row->addLayout(words, 1);
            block->addLayout(row);
        }
        stack->addLayout(block);
    }

    auto* footer = new QVBoxLayout;
    footer->setSpacing(10);
    auto* rule = new QFrame(page);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    rule->setStyleSheet(QStringLiteral("color: palette(mid);"));
    footer->addWidget(rule);
    footer->addSpacing(8);
    auto* links = new QHBoxLayout;
    links->setSpacing(16);
    const struct {
        const char* label;
        QUrl (*url)();
    } buttons[] = {
        { QT_TRANSLATE_NOOP("Kelvaro", "Contact Support"), &SupportLinks::supportMail },
        { QT_TRANSLATE_NOOP("Kelvaro", "Support Page"), &SupportLinks::support },
        { QT_TRANSLATE_NOOP("Kelvaro", "Privacy Policy"), &SupportLinks::privacy },
        { QT_TRANSLATE_NOOP("Kelvaro", "Terms of Use"), &SupportLinks::terms },
    };
    for (const auto& b : buttons) {
        auto* link = new QPushButton(translated(b.label), page);
        link->setFlat(true);
        link->setCursor(Qt::PointingHandCursor);
        link->setStyleSheet(QStringLiteral("QPushButton { color: palette(link); border: none; padding: 0; }"
                                           " QPushButton:hover, QPushButton:focus { text-decoration: underline; }"));
        auto url = b.url;
        connect(link, &QPushButton::clicked, this, [this, url] { open(m_links, url()); });
        links->addWidget(link);
    }
    links->addStretch(1);
    footer->addLayout(links);
    auto* about = new QVBoxLayout;
    about->setSpacing(4);
    about->addWidget(text(QCoreApplication::translate("Kelvaro", "Kelvaro %1").arg(version()), page, 13, true));
    auto* mail = text(SupportLinks::supportAddress(), page, 11, true);
    mail->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    about->addWidget(mail);
    about->addWidget(
        text(QCoreApplication::translate("Kelvaro", "Your apps, shortcuts and passwords stay on this computer."), page,
            11, true));
    footer->addLayout(about);
    stack->addLayout(footer);
    stack->addStretch(1);

    m_scroll->setWidget(page); // deletes the page before
    m_scroll->verticalScrollBar()->setValue(scrolled);
    setAccessibleName(QCoreApplication::translate("Kelvaro", "Kelvaro Help"));
}
