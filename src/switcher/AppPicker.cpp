#include "switcher/AppPicker.h"

#include "switcher/LauncherApps.h"
#include "core/Translations.h"
#include "input/KeyTapSuspension.h"
#include "platform/ApplicationIdentity.h"
#include "platform/IconFile.h"
#include "platform/Platform.h"
#include "platform/Scheduler.h"
#include "platform/Workspace.h"
#include "ringkit/RunningApp.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int bundleRole = Qt::UserRole;
constexpr int urlRole = Qt::UserRole + 1;

// The window a picker is shown on as a sheet: the active window, else the
// first visible window with a title bar.
QWidget* sheetParent()
{
    if (QWidget* active = QApplication::activeWindow(); active && active->isVisible())
        return active;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const auto type = w->windowType();
        if (w->isVisible() && (type == Qt::Window || type == Qt::Dialog)
            && !(w->windowFlags() & Qt::FramelessWindowHint))
            return w;
    }
    return nullptr;
}
}

QString AppPickerDialog::processLocalized(const char* english)
{
    return Translations::translate(english, Translations::systemLanguageCode());
}

AppPickerDialog::AppPickerDialog(
    const Platform& platform, const QString& title, const QString& message, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    m_message = new QLabel(message, this);
    m_message->setWordWrap(true);
    layout->addWidget(m_message);
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(processLocalized(QT_TRANSLATE_NOOP("Kelvaro", "Search")));
    m_search->setClearButtonEnabled(true);
    layout->addWidget(m_search);
    m_list = new QListWidget(this);
    m_list->setIconSize(QSize(24, 24));
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(m_list, 1);
    auto* buttons = new QDialogButtonBox(this);
    m_confirm = buttons->addButton(processLocalized(QT_TRANSLATE_NOOP("Kelvaro", "Add")), QDialogButtonBox::AcceptRole);
    buttons->addButton(processLocalized(QT_TRANSLATE_NOOP("Kelvaro", "Cancel")), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    resize(420, 480);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_search, &QLineEdit::textChanged, this, &AppPickerDialog::setSearchText);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { updateConfirm(); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    fill(platform);
    updateConfirm();
}

void AppPickerDialog::fill(const Platform& platform)
{
    struct Row {
        QString name, bundle, url, icon;
        QIcon runningIcon;
    };
    QList<Row> rows;
    QSet<QString> listed;
    // What the desktop's menus list.
    const QStringList desktops = ApplicationIdentity::currentDesktops();
    for (const DesktopEntry& entry : platform.applicationIdentity().entries()) {
        if (!ApplicationIdentity::listedInMenus(entry, desktops))
            continue;
        const QString bundle = ApplicationIdentity::bundleIdentifier(entry);
        if (bundle.isEmpty())
            continue;
        if (listed.contains(bundle))
            continue;
        listed.insert(bundle);
        rows << Row { LauncherApps::displayName(entry.path, bundle), bundle, entry.path,
            entry.value(QStringLiteral("Icon")), QIcon() };
    }
    // Running applications the entries do not cover, under the identifier the
    // switcher gives them (their window class when they have no entry).
    for (const RunningApplication& app : platform.workspace().runningApplications()) {
        if (app.activationPolicy != RunningApplication::ActivationPolicy::Regular || app.bundleIdentifier.isEmpty()
            || listed.contains(app.bundleIdentifier))
            continue;
        listed.insert(app.bundleIdentifier);
        rows << Row { app.localizedName.isEmpty() ? app.bundleIdentifier : app.localizedName, app.bundleIdentifier,
            app.bundleURL, QString(), app.icon };
    }
    std::sort(rows.begin(), rows.end(),
        [](const Row& a, const Row& b) { return QString::localeAwareCompare(a.name, b.name) < 0; });
    for (const Row& row : rows) {
        auto* item = new QListWidgetItem(row.name, m_list);
        item->setData(bundleRole, row.bundle);
        item->setData(urlRole, row.url);
        item->setToolTip(row.bundle);
        if (!row.runningIcon.isNull()) {
            item->setIcon(row.runningIcon);
        } else if (!row.icon.isEmpty()) {
            const QString file = platform.applicationIdentity().iconFile(row.icon);
            QIcon icon = file.isEmpty() ? QIcon::fromTheme(row.icon) : IconFile::load(file);
            if (!icon.isNull())
                item->setIcon(icon);
        }
        // A row without an icon of its own gets the one the switcher draws for
        // it, so every row has the same height and its name the same indent.
        if (item->icon().isNull())
            item->setIcon(QIcon(QPixmap::fromImage(RunningApp::placeholderIcon(row.name, 48))));
    }
}

void AppPickerDialog::updateConfirm()
{
    const QListWidgetItem* item = m_list->currentItem();
    m_confirm->setEnabled(item && !item->isHidden());
}

void AppPickerDialog::setSearchText(const QString& text)
{
    if (m_search->text() != text)
        m_search->setText(text); // comes back here through textChanged
    const QString needle = text.trimmed();
    QListWidgetItem* firstVisible = nullptr;
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem* item = m_list->item(i);
        const bool shown = needle.isEmpty() || item->text().contains(needle, Qt::CaseInsensitive)
            || item->data(bundleRole).toString().contains(needle, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !firstVisible)
            firstVisible = item;
    }
    if (!m_list->currentItem() || m_list->currentItem()->isHidden())
        m_list->setCurrentItem(firstVisible);
    updateConfirm();
}

bool AppPickerDialog::select(const QString& bundleIdentifier)
{
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem* item = m_list->item(i);
        if (!item->isHidden() && item->data(bundleRole).toString() == bundleIdentifier) {
            m_list->setCurrentItem(item);
            return true;
        }
    }
    return false;
}

std::optional<QString> AppPickerDialog::chosenBundleIdentifier() const
{
    const QListWidgetItem* item = m_list->currentItem();
    if (!item || item->isHidden())
        return std::nullopt;
    const QString url = item->data(urlRole).toString();
    if (url.isEmpty()) {
        // A running application without a desktop entry.
        const QString bundle = item->data(bundleRole).toString();
        return bundle.isEmpty() ? std::nullopt : std::optional<QString>(bundle);
    }
    return LauncherApps::bundleIdentifier(url);
}

std::optional<QString> AppPickerDialog::chosenURL() const
{
    const QListWidgetItem* item = m_list->currentItem();
    if (!item || item->isHidden())
        return std::nullopt;
    return item->data(urlRole).toString();
}

int AppPickerDialog::visibleRowCount() const
{
    int n = 0;
    for (int i = 0; i < m_list->count(); ++i)
        n += m_list->item(i)->isHidden() ? 0 : 1;
    return n;
}

QStringList AppPickerDialog::visibleNames() const
{
    QStringList names;
    for (int i = 0; i < m_list->count(); ++i) {
        if (!m_list->item(i)->isHidden())
            names << m_list->item(i)->text();
    }
    return names;
}

QString AppPickerDialog::message() const { return m_message->text(); }

QString AppPickerDialog::confirmTitle() const { return m_confirm->text(); }

// ---- LauncherApps -------------------------------------------------------------------------

std::optional<QString> LauncherApps::bundleIdentifier(const QString& url)
{
    if (url.isEmpty())
        return std::nullopt;
    const auto entry = ApplicationIdentity::readEntry(url);
    if (!entry)
        return std::nullopt;
    const QString id = ApplicationIdentity::bundleIdentifier(*entry);
    if (id.isEmpty())
        return std::nullopt;
    return id;
}

void LauncherApps::chooseApp(const Platform& platform, std::function<void(std::optional<QString>)> completion)
{
    presentAppPicker(platform, AppPickerDialog::processLocalized(QT_TRANSLATE_NOOP("Kelvaro", "Add App to Launcher")),
        AppPickerDialog::processLocalized(QT_TRANSLATE_NOOP("Kelvaro", "Choose an app to add to the ring.")),
        std::move(completion));
}

void LauncherApps::presentAppPicker(const Platform& platform, const QString& title, const QString& message,
    std::function<void(std::optional<QString>)> completion)
{
    // One turn later, so that whatever asked has settled before the dialog shows.
    Scheduler::shared().post([&platform, title, message, completion = std::move(completion)] {
        QWidget* parent = sheetParent();
        auto* dialog = new AppPickerDialog(platform, title, message, parent);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        auto finish = [completion, dialog = QPointer<AppPickerDialog>(dialog)](int result) {
            std::optional<QString> chosen;
            if (result == QDialog::Accepted && dialog)
                chosen = dialog->chosenBundleIdentifier();
            if (completion)
                completion(chosen);
        };
        if (parent) {
            // A sheet on the open window; the hotkeys stay on.
            dialog->setWindowModality(Qt::WindowModal);
            QObject::connect(dialog, &QDialog::finished, dialog, finish);
            dialog->open();
            dialog->activateWindow();
            return;
        }
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->setAttribute(Qt::WA_DeleteOnClose, false);
        const std::optional<QString> chosen = KeyTapSuspension::withSuspended([dialog] {
            dialog->show();
            dialog->raise();
            dialog->activateWindow();
            const int result = dialog->exec();
            return result == QDialog::Accepted ? dialog->chosenBundleIdentifier() : std::nullopt;
        });
        dialog->deleteLater();
        if (completion)
            completion(chosen);
    });
}
