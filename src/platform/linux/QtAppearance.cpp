// Light, dark or the desktop's appearance, applied to the application palette.
// "system" asks the desktop portal for its colour scheme
// (org.freedesktop.appearance color-scheme: 1 dark, 2 light, 0 no preference)
// and follows its changes; without a portal it is light.
//
// The desktop's icon theme is the XSETTINGS manager's Net/IconThemeName (what
// GNOME's, Xfce's and MATE's settings daemons publish), else the GNOME
// setting (read through the portal) or KDE's kdeglobals, the current
// desktop's first, else what Qt's platform theme chose.

#include "platform/Appearance.h"
#include "platform/ApplicationIdentity.h"
#include "platform/Log.h"
#include "platform/SafeFile.h"
#include "platform/linux/X11Properties.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QIcon>
#include <QObject>
#include <QPalette>
#include <QStandardPaths>
#include <QStyle>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

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
std::optional<QVariant> portalSetting(const QString& group, const QString& key)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    QDBusMessage msg
        = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kPortalSettings, QStringLiteral("Read"));
    msg << group << key;
    const QDBusMessage reply = bus.call(msg, QDBus::Block, 1000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return unwrap(reply.arguments().constFirst());
}

std::optional<bool> portalPrefersDark()
{
    const auto setting = portalSetting(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"));
    if (!setting)
        return std::nullopt;
    const QVariant& value = *setting;
    bool ok = false;
    const uint scheme = value.toUInt(&ok);
    if (!ok)
        return std::nullopt;
    return scheme == 1;
}

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

QString xsettingsIconTheme()
{
    int screen = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screen);
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(c, &xcb_disconnect);
    if (xcb_connection_has_error(c))
        return {};
    auto atom = [c](const QByteArray& name) -> xcb_atom_t {
        const Reply<xcb_intern_atom_reply_t> r(
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, quint16(name.size()), name.constData()), nullptr),
            &std::free);
        return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    };
    const xcb_atom_t selection = atom("_XSETTINGS_S" + QByteArray::number(screen));
    const xcb_atom_t settings = atom("_XSETTINGS_SETTINGS");
    if (selection == XCB_ATOM_NONE || settings == XCB_ATOM_NONE)
        return {};
    const Reply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr), &std::free);
    if (!owner || owner->owner == XCB_NONE)
        return {};
    const Reply<xcb_get_property_reply_t> property(
        xcb_get_property_reply(
            c, xcb_get_property(c, 0, owner->owner, settings, XCB_GET_PROPERTY_TYPE_ANY, 0, 256 * 1024), nullptr),
        &std::free);
    if (!property || property->format != 8)
        return {};
    const QByteArray bytes(static_cast<const char*>(xcb_get_property_value(property.get())),
        xcb_get_property_value_length(property.get()));
    return X11Properties::xsettingsString(bytes, QStringLiteral("Net/IconThemeName")).value_or(QString());
}

QString gnomeIconTheme()
{
    const auto setting = portalSetting(QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("icon-theme"));
    return setting ? setting->toString() : QString();
}

QString kdeIconTheme()
{
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        const QString path = folder + QStringLiteral("/kdeglobals");
        const SafeFile::Result file = SafeFile::read(path, ApplicationIdentity::maxEntryBytes);
        if (!file.ok()) {
            if (file.status != SafeFile::Status::missing)
                Log::write(QStringLiteral("Kelvaro: %1 not read: %2").arg(path, file.reason));
            continue;
        }
        QString theme
            = ApplicationIdentity::groups(file.bytes).value(QStringLiteral("Icons")).value(QStringLiteral("Theme"));
        if (!theme.isEmpty())
            return theme;
    }
    return {};
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

    QString iconThemeName() const override
    {
        QString theme = xsettingsIconTheme();
        const bool kde = ApplicationIdentity::currentDesktops().contains(QLatin1String("KDE"));
        if (theme.isEmpty())
            theme = kde ? kdeIconTheme() : gnomeIconTheme();
        if (theme.isEmpty())
            theme = kde ? gnomeIconTheme() : kdeIconTheme();
        if (theme.isEmpty() && QCoreApplication::instance())
            theme = QIcon::themeName();
        return theme;
    }

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
