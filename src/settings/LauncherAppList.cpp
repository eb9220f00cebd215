#include "settings/LauncherAppList.h"

#include "platform/Platform.h"

#include "core/AppSettings.h"
#include "core/SymbolIcons.h"
#include "ringkit/ChangeMotion.h"
#include "settings/IconViews.h"
#include "settings/PageParts.h"
#include "switcher/LauncherApps.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QPushButton* addAppButton(QWidget* parent)
{
    auto* b = new QPushButton(
        SymbolIcons::icon(QStringLiteral("plus")), QCoreApplication::translate("Kelvaro", "Add App"), parent);
    b->setObjectName(QStringLiteral("add-app"));
    b->setDefault(false);
    b->setAutoDefault(false);
    return b;
}

std::optional<LauncherGroup> storedGroup(const QUuid& id)
{
    for (const LauncherGroup& g : AppSettings::shared().launcherGroups())
        if (g.id == id)
            return g;
    return std::nullopt;
}
}

std::optional<QStringList> LauncherAppList::moved(const QStringList& stored, const QList<int>& shown, int from, int by)
{
    const int target = from + by;
    if (from < 0 || from >= shown.size() || target < 0 || target >= shown.size())
        return std::nullopt;
    const int a = shown[from], b = shown[target];
    if (a < 0 || a >= stored.size() || b < 0 || b >= stored.size())
        return std::nullopt;
    QStringList result = stored;
    result.swapItemsAt(a, b);
    return result;
}

std::optional<QStringList> LauncherAppList::removed(const QStringList& stored, const QList<int>& shown, int at)
{
    if (at < 0 || at >= shown.size() || shown[at] < 0 || shown[at] >= stored.size())
        return std::nullopt;
    QStringList result = stored;
    result.removeAt(shown[at]);
    return result;
}

std::optional<QStringList> LauncherAppList::added(const QStringList& stored, const QString& bundleIdentifier)
{
    if (bundleIdentifier.isEmpty() || stored.contains(bundleIdentifier))
        return std::nullopt;
    return stored + QStringList { bundleIdentifier };
}

QString LauncherAppList::countText(int count)
{
    if (count <= 0)
        return {};
    if (count == 1)
        return QCoreApplication::translate("Kelvaro", "1 app");
    return QCoreApplication::translate("Kelvaro", "%n apps", nullptr, count);
}

LauncherAppList::LauncherAppList(const Platform& platform, const LauncherGroup& group, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_group(group)
{
    setObjectName(QStringLiteral("launcher-apps"));
    for (int position = 0; position < group.bundleIdentifiers.size(); ++position) {
        if (auto app = LauncherApps::resolve(m_platform, group.bundleIdentifiers[position])) {
            m_apps << *app;
            m_shown << position;
        }
    }
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    const int total = int(m_apps.size());
    if (total == 0) {
        column->addWidget(emptyListState(appListHeight, QCoreApplication::translate("Kelvaro", "No apps added yet."),
            QCoreApplication::translate("Kelvaro", "Choose apps this launcher should show in the ring."), true, this,
            [this](QWidget* box) {
                QPushButton* add = addAppButton(box);
                connect(add, &QPushButton::clicked, this, &LauncherAppList::chooseApp);
                return add;
            }));
    } else {
        const ScrollingList parts = scrollingList(appListHeight, this);
        QVBoxLayout* rows = parts.rows;
        for (int i = 0; i < total; ++i) {
            QWidget* r = row(m_apps[i], i, total);
            m_rows << r;
            rows->addWidget(r);
        }
        rows->addStretch(1);
        column->addWidget(parts.scroll);
    }
    column->addWidget(horizontalDivider(this));
    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(0, 8, 0, 0);
    QPushButton* add = addAppButton(this);
    connect(add, &QPushButton::clicked, this, &LauncherAppList::chooseApp);
    footer->addWidget(add);
    footer->addStretch(1);
    m_count = plainLabel(countText(total), this, true);
    m_count->setVisible(total > 0);
    footer->addWidget(m_count);
    column->addLayout(footer);
}

LauncherAppList::Placement LauncherAppList::placement() const
{
    Placement placement { m_group.id, {}, 0 };
    for (const RunningApp& app : m_apps)
        placement.shown << app.bundleIdentifier;
    if (m_rows.size() >= 2 && m_rows[1]->y() > m_rows[0]->y())
        placement.pitch = m_rows[1]->y() - m_rows[0]->y();
    else if (!m_rows.isEmpty()) {
        const QLayout* rows = m_rows[0]->parentWidget()->layout();
        placement.pitch
            = std::max(m_rows[0]->height(), m_rows[0]->sizeHint().height()) + (rows ? std::max(rows->spacing(), 0) : 0);
    }
    return placement;
}

void LauncherAppList::easeFrom(const Placement& before, const RingAnimation& animation, bool still)
{
    if (before.group != m_group.id || still)
        return;
    for (int i = 0; i < m_rows.size(); ++i) {
        const qsizetype was = before.shown.indexOf(m_apps[i].bundleIdentifier);
        if (was < 0)
            ChangeMotion::fadeIn(m_rows[i], animation, still);
        else if (was != i)
            ChangeMotion::slideFrom(m_rows[i], double(was - i) * before.pitch, animation, still);
    }
}

QWidget* LauncherAppList::row(const RunningApp& app, int index, int total)
{
    auto* r = new QWidget;
    r->setObjectName(QStringLiteral("launcher-app-row"));
    r->setAccessibleName(app.name);
    auto* line = new QHBoxLayout(r);
    line->setContentsMargins(0, 3, 0, 3);
    line->setSpacing(10);
    auto* icon = new QLabel(r);
    icon->setFixedSize(20, 20);
    if (!app.icon.isNull()) {
        QPixmap pixmap = QPixmap::fromImage(app.icon).scaled(
            QSize(20, 20) * devicePixelRatioF(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        pixmap.setDevicePixelRatio(devicePixelRatioF());
        icon->setPixmap(pixmap);
    }
    line->addWidget(icon);
    line->addWidget(plainLabel(app.name, r), 1);
    auto* up = new RowActionButton(
        QStringLiteral("chevron.up"), QCoreApplication::translate("Kelvaro", "Move up"), false, r);
    up->setEnabled(index > 0);
    connect(up, &QAbstractButton::clicked, this, [this, index] { move(index, -1); });
    line->addWidget(up);
    auto* down = new RowActionButton(
        QStringLiteral("chevron.down"), QCoreApplication::translate("Kelvaro", "Move down"), false, r);
    down->setEnabled(index < total - 1);
    connect(down, &QAbstractButton::clicked, this, [this, index] { move(index, 1); });
    line->addWidget(down);
    auto* remove = new RowActionButton(QStringLiteral("xmark.circle.fill"),
        QCoreApplication::translate("Kelvaro", "Remove %1").arg(app.name), true, r);
    remove->setToolTip(QString());
    connect(remove, &QAbstractButton::clicked, this, [this, index] { this->remove(index); });
    line->addWidget(remove);
    return r;
}

void LauncherAppList::move(int from, int by)
{
    // The stored group, not the copy this list was built from.
    auto group = storedGroup(m_group.id);
    if (!group || group->bundleIdentifiers != m_group.bundleIdentifiers)
        return;
    if (const auto list = moved(group->bundleIdentifiers, m_shown, from, by)) {
        group->bundleIdentifiers = *list;
        AppSettings::shared().updateLauncherGroup(*group);
    }
}

void LauncherAppList::remove(int at)
{
    auto group = storedGroup(m_group.id);
    if (!group || group->bundleIdentifiers != m_group.bundleIdentifiers)
        return;
    if (const auto list = removed(group->bundleIdentifiers, m_shown, at)) {
        group->bundleIdentifiers = *list;
        AppSettings::shared().updateLauncherGroup(*group);
    }
}

void LauncherAppList::add(const QUuid& groupId, const QString& bundleIdentifier)
{
    auto group = storedGroup(groupId);
    if (!group)
        return; // deleted while the chooser was open
    if (const auto list = added(group->bundleIdentifiers, bundleIdentifier)) {
        group->bundleIdentifiers = *list;
        AppSettings::shared().updateLauncherGroup(*group);
    }
}

void LauncherAppList::chooseApp()
{
    // The list may be rebuilt while the chooser is open: the completion goes by id.
    const QUuid id = m_group.id;
    LauncherApps::chooseApp(m_platform, [id](std::optional<QString> chosen) {
        if (chosen)
            add(id, *chosen);
    });
}
