// The session kind from the windowing system Qt runs on and the session type,
// the accessibility bus's state from its Status object on the session bus
// (org.a11y.Status.IsEnabled).

#include "platform/DesktopAccess.h"
#include "platform/Log.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QGuiApplication>
#include <memory>

namespace {

const QString a11yService = QStringLiteral("org.a11y.Bus");
const QString a11yPath = QStringLiteral("/org/a11y/bus");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString statusInterface = QStringLiteral("org.a11y.Status");

class DBusDesktopAccess final : public DesktopAccess {
public:
    bool isX11Session() const override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return false;
        // XWayland gives an X connection too, but no global keys or windows.
        return qEnvironmentVariable("XDG_SESSION_TYPE") != QLatin1String("wayland");
    }

    void readAccessibilityBus(QObject* context, std::function<void(bool on)> reply) override
    {
        QDBusMessage get
            = QDBusMessage::createMethodCall(a11yService, a11yPath, propertiesInterface, QStringLiteral("Get"));
        get << statusInterface << QStringLiteral("IsEnabled");
        auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(get, 1000), context);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, reply = std::move(reply)] {
            QDBusPendingReply<QDBusVariant> answer = *watcher;
            watcher->deleteLater();
            reply(!answer.isError() && answer.value().variant().toBool());
        });
    }

    bool enableAccessibilityBus() override
    {
        QDBusMessage set
            = QDBusMessage::createMethodCall(a11yService, a11yPath, propertiesInterface, QStringLiteral("Set"));
        set << statusInterface << QStringLiteral("IsEnabled") << QVariant::fromValue(QDBusVariant(true));
        if (!QDBusConnection::sessionBus().send(set)) {
            Log::write(QStringLiteral("Kelvaro: could not ask the session bus to switch the accessibility bus on"));
            return false;
        }
        return true;
    }
};
}

std::shared_ptr<DesktopAccess> makeDBusDesktopAccess() { return std::make_shared<DBusDesktopAccess>(); }
