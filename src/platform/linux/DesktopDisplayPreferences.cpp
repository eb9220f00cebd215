// Display preferences of a Linux desktop.
//  - Reduce Motion: the XDG desktop portal's org.freedesktop.appearance
//    "reduced-motion" (1 = reduce), else GNOME's "enable-animations" read
//    through the same portal; off when neither is available.
//  - Reduce Transparency: the portal's "contrast" (1 = higher contrast), and
//    always on when no compositing manager owns _NET_WM_CM_S<screen>: without
//    one, translucent window pixels cannot be shown.
//  - Frame rate: the primary screen's refresh rate.

#include "platform/DisplayPreferences.h"
#include "platform/Log.h"
#include "platform/linux/X11CompositorWatch.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QScreen>

#include <optional>
#include <utility>

namespace {
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kGnomeInterface = QStringLiteral("org.gnome.desktop.interface");
constexpr int kPortalTimeoutMs = 800;

QVariant unwrap(QVariant v)
{
    // "Read" (version 1) wraps the value in one more variant than "ReadOne".
    for (int i = 0; i < 3 && v.canConvert<QDBusVariant>() && v.userType() == qMetaTypeId<QDBusVariant>(); ++i)
        v = qvariant_cast<QDBusVariant>(v).variant();
    return v;
}

class DesktopDisplayPreferences final : public DisplayPreferences {
    Q_OBJECT
public:
    DesktopDisplayPreferences()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (bus.isConnected()) {
            readPortal();
            bus.connect(kPortalService, kPortalPath, kSettingsInterface, QStringLiteral("SettingChanged"), this,
                SLOT(onSettingChanged(QString, QString, QDBusVariant)));
        }
    }

    bool reduceMotion() const override
    {
        if (m_reducedMotion)
            return *m_reducedMotion;
        if (m_enableAnimations)
            return !*m_enableAnimations;
        return false;
    }

    bool reduceTransparency() const override
    {
        if (m_highContrast.value_or(false))
            return true;
        return !compositing();
    }

    double frameRate() const override
    {
        const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
        const double rate = screen ? screen->refreshRate() : 0.0;
        return rate >= 1.0 ? rate : 60.0;
    }

private Q_SLOTS:
    void onSettingChanged(const QString& ns, const QString& key, const QDBusVariant& value)
    {
        if (apply(ns, key, value.variant()))
            Q_EMIT changed();
    }

private:
    std::optional<QVariant> read(const QString& ns, const QString& key)
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        for (const QString& method : { QStringLiteral("ReadOne"), QStringLiteral("Read") }) {
            QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kSettingsInterface, method);
            call << ns << key;
            const QDBusMessage reply = bus.call(call, QDBus::Block, kPortalTimeoutMs);
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
                return unwrap(reply.arguments().constFirst());
            if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod"))
                continue; // an older portal: try "Read"
            if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
                || reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply")
                || reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.Timeout"))
                m_portalMissing = true;
            return std::nullopt;
        }
        return std::nullopt;
    }

    void readPortal()
    {
        const std::pair<QString, QString> keys[] = {
            { kAppearance, QStringLiteral("reduced-motion") },
            { kAppearance, QStringLiteral("contrast") },
            { kGnomeInterface, QStringLiteral("enable-animations") },
        };
        for (const auto& [ns, key] : keys) {
            if (m_portalMissing)
                break;
            if (auto v = read(ns, key))
                apply(ns, key, *v);
        }
        if (m_portalMissing)
            Log::write(
                QStringLiteral("Kelvaro: no desktop settings portal; Reduce Motion and Reduce Transparency are off"));
    }

    bool apply(const QString& ns, const QString& key, const QVariant& raw)
    {
        const QVariant v = unwrap(raw);
        bool ok = false;
        if (ns == kAppearance && key == QLatin1String("reduced-motion")) {
            const uint u = v.toUInt(&ok);
            m_reducedMotion = ok ? std::optional<bool>(u == 1) : std::nullopt;
            return true;
        }
        if (ns == kAppearance && key == QLatin1String("contrast")) {
            const uint u = v.toUInt(&ok);
            m_highContrast = ok ? std::optional<bool>(u == 1) : std::nullopt;
            return true;
        }
        if (ns == kGnomeInterface && key == QLatin1String("enable-animations")) {
            if (v.typeId() == QMetaType::Bool)
                m_enableAnimations = v.toBool();
            return true;
        }
        return false;
    }

    bool compositing() const
    {
        const bool running = m_compositor.running();
        if (!running && !std::exchange(m_compositingLogged, true))
            logNoCompositor();
        return running;
    }

    static void logNoCompositor()
    {
        Log::write(QStringLiteral("Kelvaro: no compositing manager on this display; rings are drawn opaque"));
    }

    std::optional<bool> m_reducedMotion;
    std::optional<bool> m_enableAnimations;
    std::optional<bool> m_highContrast;
    bool m_portalMissing = false;
    // Followed as it comes and goes: the glass is translucent from the first
    // showing after a compositing manager starts, and opaque again from the
    // first after it stops.
    mutable X11CompositorWatch m_compositor { [this](bool running) {
        if (!running)
            logNoCompositor();
        m_compositingLogged = !running;
        QMetaObject::invokeMethod(
            this, [this] { Q_EMIT changed(); }, Qt::QueuedConnection);
    } };
    mutable bool m_compositingLogged = false;
};
}

std::shared_ptr<DisplayPreferences> makeDefaultDisplayPreferences()
{
    return std::make_shared<DesktopDisplayPreferences>();
}

#include "DesktopDisplayPreferences.moc"
