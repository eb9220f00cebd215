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
#include "platform/Scheduler.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QScreen>

#include <xcb/xcb.h>

#include <optional>

namespace {
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kGnomeInterface = QStringLiteral("org.gnome.desktop.interface");
constexpr int kPortalTimeoutMs = 800;
constexpr double kCompositorRecheckSeconds = 2.0;

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
        const double now = Scheduler::shared().now();
        if (m_compositingKnown && now - m_compositingCheckedAt < kCompositorRecheckSeconds
            && now >= m_compositingCheckedAt)
            return m_compositing;
        m_compositingCheckedAt = now;
        const bool before = m_compositing;
        m_compositing = queryCompositor();
        if (!m_compositing && (before || !m_compositingKnown))
            Log::write(QStringLiteral("Kelvaro: no compositing manager on this display; rings are drawn opaque"));
        m_compositingKnown = true;
        return m_compositing;
    }

    static bool queryCompositor()
    {
        if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
            return true; // Wayland always composites; offscreen renders into images
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11 || !x11->connection())
            return false;
        xcb_connection_t* c = x11->connection();
        int screen = 0;
        char* host = nullptr;
        int display = 0;
        if (!xcb_parse_display(nullptr, &host, &display, &screen))
            screen = 0;
        free(host);
        const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
        xcb_intern_atom_reply_t* atom
            = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, quint16(name.size()), name.constData()), nullptr);
        if (!atom)
            return false;
        xcb_get_selection_owner_reply_t* owner
            = xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr);
        const bool owned = owner && owner->owner != XCB_NONE;
        free(owner);
        free(atom);
        return owned;
    }

    std::optional<bool> m_reducedMotion;
    std::optional<bool> m_enableAnimations;
    std::optional<bool> m_highContrast;
    bool m_portalMissing = false;
    mutable bool m_compositing = true;
    mutable bool m_compositingKnown = false;
    mutable double m_compositingCheckedAt = 0.0;
};
}

std::shared_ptr<DisplayPreferences> makeDefaultDisplayPreferences()
{
    return std::make_shared<DesktopDisplayPreferences>();
}

#include "DesktopDisplayPreferences.moc"
