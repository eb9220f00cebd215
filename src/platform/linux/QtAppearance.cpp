// Light, dark or the desktop's appearance, applied to the application palette.
// "system" asks the desktop portal for its colour scheme
// (org.freedesktop.appearance color-scheme: 1 dark, 2 light, 0 no preference)
// and follows its changes; without a portal it is light.

#include "platform/Appearance.h"
#include "platform/Log.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QObject>
#include <QPalette>
#include <QStyle>

namespace {
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kPortalSettings = QStringLiteral("org.freedesktop.portal.Settings");

QVariant unwrap(QVariant v)
{
    for (int i = 0; i < 4; ++i) {
        if (v.canConvert<QDBusVariant>() && v.typeId() == qMetaTypeId<QDBusVariant>())
            v = v.value<QDBusVariant>().variant();
        else if (v.typeId() == qMetaTypeId<QDBusArgument>()) {
            const auto arg = v.value<QDBusArgument>();
            if (arg.currentType() != QDBusArgument::VariantType)
                break;
            QDBusVariant inner;
            arg >> inner;
            v = inner.variant();
        } else
            break;
    }
    return v;
}

// Some desktops ship the portal; ask it once, with a short timeout.
std::optional<bool> portalPrefersDark()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    QDBusMessage msg
        = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kPortalSettings, QStringLiteral("Read"));
    msg << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("color-scheme");
    const QDBusMessage reply = bus.call(msg, QDBus::Block, 1000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    const QVariant value = unwrap(reply.arguments().constFirst());
    bool ok = false;
    const uint scheme = value.toUInt(&ok);
    if (!ok)
        return std::nullopt;
    return scheme == 1;
}

class QtAppearance final : public QObject, public Appearance {
    Q_OBJECT
public:
    void apply(AppearanceMode mode) override
    {
        m_mode = mode;
        auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
        if (!app)
            return; // no application object yet
        bool dark = mode == AppearanceMode::dark;
        if (mode == AppearanceMode::system) {
            watchPortal();
            dark = portalPrefersDark().value_or(false);
        }
        m_dark = dark;
        if (dark)
            QApplication::setPalette(darkPalette());
        else
            QApplication::setPalette(app->style() ? app->style()->standardPalette() : QPalette());
    }

    bool isDark() const override { return m_dark; }

private:
    void watchPortal()
    {
        if (m_watching || !QDBusConnection::sessionBus().isConnected())
            return;
        m_watching = QDBusConnection::sessionBus().connect(kPortalService, kPortalPath, kPortalSettings,
            QStringLiteral("SettingChanged"), this, SLOT(settingChanged(QString, QString, QDBusVariant)));
    }

    AppearanceMode m_mode = AppearanceMode::system;
    bool m_dark = false;
    bool m_watching = false;

private Q_SLOTS:
    void settingChanged(const QString& group, const QString& key, const QDBusVariant&)
    {
        if (group == QLatin1String("org.freedesktop.appearance") && key == QLatin1String("color-scheme")
            && m_mode == AppearanceMode::system)
            apply(AppearanceMode::system);
    }
};
}

QPalette darkPalette()
{
    QPalette p;
    const QColor window(0x2b, 0x2b, 0x2d), base(0x1e, 0x1e, 0x20), text(0xec, 0xec, 0xee);
    const QColor disabled(0x80, 0x80, 0x84), highlight(0x3d, 0x7e, 0xe6);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3d));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Light, QColor(0x48, 0x48, 0x4c));
    p.setColor(QPalette::Midlight, QColor(0x40, 0x40, 0x44));
    p.setColor(QPalette::Mid, QColor(0x30, 0x30, 0x33));
    p.setColor(QPalette::Dark, QColor(0x18, 0x18, 0x1a));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x6c, 0xa6, 0xff));
    p.setColor(QPalette::LinkVisited, QColor(0xb0, 0x8c, 0xff));
    for (auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

std::shared_ptr<Appearance> makeDefaultAppearance() { return std::make_shared<QtAppearance>(); }

#include "QtAppearance.moc"
