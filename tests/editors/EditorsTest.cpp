#include "core/CustomIcons.h"
#include "core/ShortcutStorage.h"
#include "core/SymbolIcons.h"
#include "editors/IconPickerSheet.h"
#include "editors/ShortcutEditorView.h"
#include "editors/ShortcutSuggestionsView.h"
#include "editors/SymbolLibrary.h"
#include "platform/KeyModifiers.h"
#include "platform/sim/SimDesktop.h"
#include "ring/ShortcutPresets.h"
#include "settings/IconViews.h"
#include "settings/ShortcutsSettingsView.h"
#include "support/TestSupport.h"
#include "support/Watchdog.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
constexpr std::uint16_t KeyK = 40, KeyN = 45, KeyO = 31, KeyP = 35;
constexpr std::uint64_t Ctrl = Modifier::Ctrl, Shift = Modifier::Shift;

ShortcutPreset preset(const QString& id, std::uint16_t key, std::uint64_t modifiers, bool fromMenu)
{
    return ShortcutPreset { id, id, QStringLiteral("star"), Hotkey(key, modifiers), !fromMenu, fromMenu };
}

QStringList names(const QList<ShortcutPreset>& presets)
{
    QStringList out;
    for (const ShortcutPreset& p : presets)
        out << p.id;
    return out;
}

QByteArray png(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG", 0); // smallest file
    return bytes;
}

class Editors : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktop = &env.sim().desktop();
        ShortcutStorage::resetShared();
        QDir(CustomIcons::folderPath()).removeRecursively();
    }
    void TearDown() override
    {
        ShortcutSuggestionsView::setScanBackend({});
        ShortcutStorage::resetShared();
    }
    static void type(QWidget* field, const QString& text)
    {
        if (auto* line = qobject_cast<QLineEdit*>(field))
            line->clear();
        if (auto* edit = qobject_cast<QPlainTextEdit*>(field))
            edit->clear();
        QTest::keyClicks(field, text);
    }

    TestSupport::SimEnvironment env;
    SimDesktop* desktop = nullptr;
    const AppShortcut app
        = ShortcutsSettingsView::appEntry(QStringLiteral("Mousepad"), QStringLiteral("org.xfce.mousepad"));
};
}

TEST_F(Editors, EditorValidatesEachKindAndSavesOnlyItsPayload)
{
    ShortcutEditorView add(env.platform(), app, std::nullopt);
    EXPECT_EQ(add.action(), ShortcutAction::keyboard);
    EXPECT_EQ(add.icon(), QStringLiteral("command"));
    EXPECT_EQ(add.saveButton()->text(), QStringLiteral("Add Shortcut"));
    EXPECT_EQ(add.validationProblem(), QStringLiteral("Give the shortcut a name."));
    EXPECT_FALSE(add.saveButton()->isEnabled());
    type(add.nameField(), QStringLiteral(" \t "));
    EXPECT_EQ(add.validationProblem(), QStringLiteral("Give the shortcut a name.")) << "blanks are no name";
    type(add.nameField(), QStringLiteral("  Print  "));
    EXPECT_EQ(add.validationProblem(), QStringLiteral("Record the keystroke to send."));
    add.setHotkey(Hotkey(KeyP, Shift | Ctrl));
    EXPECT_EQ(add.validationProblem(), std::nullopt);
    EXPECT_TRUE(add.saveButton()->isEnabled());

    // Text: the default icon follows the kind; blanks are a valid text, kept as typed.
    add.setAction(ShortcutAction::text);
    EXPECT_EQ(add.icon(), QStringLiteral("doc.on.clipboard"));
    EXPECT_EQ(add.validationProblem(), QStringLiteral("Enter the text to copy."));
    type(add.snippetField(), QStringLiteral("   "));
    EXPECT_EQ(add.validationProblem(), std::nullopt);

    // Link: needs a scheme and a host; saved trimmed. A chosen icon stays.
    add.setIcon(QStringLiteral("globe"));
    add.setAction(ShortcutAction::link);
    EXPECT_EQ(add.icon(), QStringLiteral("globe"));
    EXPECT_EQ(add.validationProblem(), QStringLiteral("Enter a link to open."));
    for (const char* bad : { " x ", "mailto:someone", "https://", "javascript:alert(1)" }) {
        type(add.linkField(), QString::fromLatin1(bad));
        EXPECT_EQ(add.validationProblem(), QStringLiteral("That doesn't look like a valid link.")) << bad;
    }
    type(add.linkField(), QStringLiteral("  https://example.com/a?b=1  "));
    std::optional<AppShortcut> saved;
    QObject::connect(&add, &ShortcutEditorView::saved, [&](const AppShortcut& s) { saved = s; });
    add.save();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->name, QStringLiteral("Print"));
    EXPECT_EQ(saved->url, QStringLiteral("https://example.com/a?b=1"));
    EXPECT_EQ(saved->shortcut, QString()) << "only the chosen kind's payload is saved";
    EXPECT_EQ(saved->textSnippet, std::nullopt);
    EXPECT_EQ(saved->bundleIdentifier, app.bundleIdentifier);

    // Editing an item with a keystroke and a link: opens on the keystroke,
    // keeps its id, writes the same stored text back and drops the link.
    AppShortcut both(QStringLiteral("Both"), QStringLiteral("star"), QStringLiteral("⇧⌘K"), app.bundleIdentifier,
        std::nullopt, QStringLiteral("https://example.com"));
    ShortcutEditorView edit(env.platform(), app, both);
    EXPECT_EQ(edit.saveButton()->text(), QStringLiteral("Save"));
    EXPECT_EQ(edit.action(), ShortcutAction::keyboard);
    EXPECT_EQ(edit.hotkey(), Hotkey(KeyK, Shift | Ctrl));
    EXPECT_EQ(edit.draft().id, both.id);
    EXPECT_EQ(edit.draft().shortcut, QStringLiteral("⇧⌘K"));
    EXPECT_EQ(edit.draft().url, std::nullopt);

    // A present but empty link opens on the link kind.
    AppShortcut emptyLink(
        QStringLiteral("L"), QStringLiteral("link"), QString(), app.bundleIdentifier, std::nullopt, QString());
    ShortcutEditorView linkEdit(env.platform(), app, emptyLink);
    EXPECT_EQ(linkEdit.action(), ShortcutAction::link);
    EXPECT_EQ(linkEdit.validationProblem(), QStringLiteral("Enter a link to open."));
}

TEST_F(Editors, SymbolSearchAndPickerCommitOnlyOnPick)
{
    ASSERT_EQ(SymbolLibrary::all().size(), 164);
    for (const QString& symbol : SymbolLibrary::all())
        EXPECT_TRUE(SymbolIcons::contains(symbol)) << qPrintable(symbol) << " would draw the fallback glyph";
    EXPECT_EQ(SymbolLibrary::search(QStringLiteral("  ")), SymbolLibrary::all());
    EXPECT_EQ(SymbolLibrary::search(QStringLiteral("UP LEFT")),
        (QStringList { QStringLiteral("arrow.up.left"), QStringLiteral("arrow.up.left.and.arrow.down.right"),
            QStringLiteral("arrow.down.right.and.arrow.up.left") }));
    EXPECT_TRUE(SymbolLibrary::search(QStringLiteral("arrow.up")).isEmpty());

    IconPickerSheet picker(QStringLiteral("doc"));
    std::optional<QString> chosen;
    QObject::connect(&picker, &IconPickerSheet::iconChosen, [&](const QString& icon) { chosen = icon; });
    picker.setSearchText(QStringLiteral("zzz"));
    EXPECT_TRUE(picker.visibleCells().isEmpty());
    EXPECT_FALSE(picker.noResultsLabel()->isHidden());
    picker.setSearchText(QStringLiteral("star"));
    ASSERT_EQ(picker.visibleCells().size(), 3); // star, star.fill, wand.and.stars
    picker.visibleCells().first()->click();
    EXPECT_EQ(chosen, std::nullopt) << "a click only highlights";
    picker.pick();
    EXPECT_EQ(chosen, QStringLiteral("star"));
}

TEST_F(Editors, ImportTakesOnlySmallWholePngFilesAndWritesNothingOtherwise)
{
    QTemporaryDir dir;
    auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    };
    const QByteArray good = png(64, 64);
    const QString goodPath = write(QStringLiteral("good.png"), good);
    QFile::link(goodPath, dir.filePath(QStringLiteral("link.png")));
    // A picture padded after its end to exactly 1 MiB + 1 bytes.
    const QString big
        = write(QStringLiteral("big.png"), good + QByteArray(SymbolLibrary::maxFileBytes + 1 - good.size(), '\0'));
    const QString huge = write(QStringLiteral("huge.png"), png(5000, 5000));
    const QString truncated = write(QStringLiteral("truncated.png"), good.left(good.size() - 20));
    const QString notPng = write(QStringLiteral("text.png"), QByteArray("hello"));

    using E = SymbolLibrary::ImportError;
    const std::pair<QString, E> refused[] = {
        { dir.filePath(QStringLiteral("link.png")), E::notAFile },
        { dir.path(), E::notAFile },
        { QStringLiteral("/dev/zero"), E::notAFile },
        { dir.filePath(QStringLiteral("missing.png")), E::notAFile },
        { big, E::tooLarge },
        { huge, E::tooManyPixels },
        { truncated, E::unreadable },
        { notPng, E::unreadable },
    };
    for (const auto& [path, error] : refused) {
        const auto result = SymbolLibrary::importCustomIcon(path);
        EXPECT_EQ(result.iconName, std::nullopt) << qPrintable(path);
        EXPECT_EQ(result.error, error) << qPrintable(path);
        EXPECT_FALSE(result.message.isEmpty());
    }
    EXPECT_FALSE(QDir(CustomIcons::folderPath()).exists()) << "a refused file changes nothing";

    // The picker states the limits before a file is chosen, explains a refusal
    // in an alert with the pages' own symbol, and stays open with its selection.
    IconPickerSheet picker(QStringLiteral("doc"));
    auto* limits = picker.findChild<QLabel*>(QStringLiteral("upload-limits"));
    ASSERT_TRUE(limits);
    EXPECT_TRUE(limits->text().contains(QStringLiteral("1 MB")) && limits->text().contains(QStringLiteral("1024")));
    picker.handleImport(big);
    ASSERT_TRUE(picker.importAlert());
    EXPECT_EQ(picker.importAlert()->icon(), QMessageBox::NoIcon) << "the style's stock icon";
    EXPECT_FALSE(picker.importAlert()->iconPixmap().isNull());
    EXPECT_EQ(picker.importAlert()->windowTitle(), QStringLiteral("Could not add icon"));
    EXPECT_EQ(picker.importAlert()->text(), QStringLiteral("Pick a PNG smaller than 1 MB."));
    EXPECT_EQ(picker.importAlert()->textFormat(), Qt::PlainText);
    EXPECT_EQ(picker.draft(), QStringLiteral("doc"));

    // A good file: a new 52-character name each time, the bytes unchanged.
    const auto first = SymbolLibrary::importCustomIcon(goodPath);
    const auto second = SymbolLibrary::importCustomIcon(goodPath);
    ASSERT_TRUE(first.iconName && second.iconName);
    EXPECT_NE(*first.iconName, *second.iconName);
    EXPECT_EQ(first.iconName->size(), 52);
    EXPECT_TRUE(
        first.iconName->startsWith(QStringLiteral("custom_icon_")) && first.iconName->endsWith(QStringLiteral(".png")));
    QFile stored(*CustomIcons::filePath(*first.iconName));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), good);
    EXPECT_EQ(QDir(CustomIcons::folderPath()).entryList(QDir::Files).size(), 2) << "no temporary files left behind";

    // Stored icons that are a FIFO or a link to /dev/zero are shown as none, at once.
    const QString fifo = CustomIcons::folderPath() + QStringLiteral("/custom_icon_fifo.png");
    const QString zero = CustomIcons::folderPath() + QStringLiteral("/custom_icon_zero.png");
    ASSERT_TRUE(TestSupport::makeFifo(fifo));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    {
        TestSupport::Watchdog watchdog("loading custom icons that are a FIFO and /dev/zero");
        EXPECT_FALSE(SymbolLibrary::loadCustomIcon(*first.iconName).isNull());
        EXPECT_TRUE(SymbolLibrary::loadCustomIcon(QStringLiteral("custom_icon_fifo.png")).isNull());
        EXPECT_TRUE(SymbolLibrary::loadCustomIcon(QStringLiteral("custom_icon_zero.png")).isNull());
        EXPECT_EQ(SymbolLibrary::importCustomIcon(fifo).error, E::notAFile);
    }
    QFile::remove(fifo);
    QFile::remove(zero);
}

TEST_F(Editors, SuggestionsFilterMenuPresetsByCombinationAndTickOnlyOnImport)
{
    // Built-in: New (Ctrl+N) and Open (Ctrl+O). The menus repeat Ctrl+N under
    // another name and bring 20 new combinations.
    const QList<ShortcutPreset> builtIn { preset("new", KeyN, Ctrl, false), preset("open", KeyO, Ctrl, false) };
    QList<ShortcutPreset> menus { preset("menu.again", KeyN, Ctrl, true) };
    for (int i = 0; i < 20; ++i)
        menus << preset(QStringLiteral("menu.%1").arg(i), std::uint16_t(i), Ctrl | Shift, true);
    menus[1].name = QStringLiteral("<b>Save</b> & Close"); // another program's text, shown as written
    std::function<void()> pendingAuto;
    MenuShortcutScanner::Completion pendingImport;
    ShortcutSuggestionsView::setScanBackend({
        [&](const QString&) { return MenuShortcutScanner::ScanResult::success(menus); },
        [&](const QString&, MenuShortcutScanner::Completion c) { pendingImport = std::move(c); },
        [&](std::function<void()> work) { pendingAuto = std::move(work); },
        [](const QString&) { return true; },
    });

    ShortcutSuggestionsView sheet(env.platform(), { app, builtIn });
    EXPECT_EQ(sheet.addButton()->text(), QStringLiteral("Add 2 Shortcuts"));
    EXPECT_EQ(sheet.selectAllButton()->text(), QStringLiteral("Deselect All"));
    sheet.show();
    ASSERT_TRUE(pendingAuto) << "a running application is scanned when the sheet shows";
    EXPECT_TRUE(sheet.isScanning());
    EXPECT_FALSE(sheet.importButton()->isEnabled());
    pendingAuto();
    QCoreApplication::processEvents();
    EXPECT_FALSE(sheet.isScanning());
    EXPECT_EQ(sheet.scanMessage(), QStringLiteral("Found 21 shortcuts in the menus."));
    EXPECT_EQ(sheet.allPresets().size(), 22) << "the menus' Ctrl+N is the built-in New";
    EXPECT_FALSE(sheet.isNewCombination(menus.first()));
    EXPECT_EQ(sheet.selectedPresets().size(), 2) << "the automatic scan ticks nothing";
    ASSERT_EQ(sheet.rows().size(), 2 + 20) << "only new combinations are listed under the menus";
    EXPECT_EQ(sheet.rows()[2]->text(), QStringLiteral("<b>Save</b> && Close"));
    EXPECT_EQ(sheet.rows()[2]->accessibleName(), QStringLiteral("<b>Save</b> & Close"));

    // An import ticks the first 16 new combinations, never the repeated one.
    sheet.importFromMenus();
    ASSERT_TRUE(pendingImport);
    pendingImport(MenuShortcutScanner::ScanResult::success(menus));
    const QList<ShortcutPreset> chosen = sheet.selectedPresets();
    ASSERT_EQ(chosen.size(), 2 + ShortcutSuggestionsView::maxAutoTicks);
    EXPECT_EQ(chosen[2].id, QStringLiteral("menu.0"));
    EXPECT_FALSE(names(chosen).contains(QStringLiteral("menu.again")));

    // Built-in first, then menu items in scan order, whatever order they were ticked in.
    sheet.setTicked(QStringLiteral("new"), false);
    sheet.setTicked(QStringLiteral("new"), true);
    QList<AppShortcut> added;
    QObject::connect(&sheet, &ShortcutSuggestionsView::added, [&](const QList<AppShortcut>& items) { added = items; });
    sheet.add();
    ASSERT_EQ(added.size(), 18);
    EXPECT_EQ(added[0].name, QStringLiteral("new"));
    EXPECT_EQ(added[0].shortcut, QStringLiteral("⌘N"));
    EXPECT_EQ(added[2].name, QStringLiteral("<b>Save</b> & Close"));
    EXPECT_EQ(added[2].bundleIdentifier, app.bundleIdentifier);

    // The catalogue's suggestions leave out what the application has already.
    const QList<ShortcutPreset> all = ShortcutPresets::suggestions(app.bundleIdentifier);
    const QList<ShortcutPreset> missing = ShortcutPresets::missingSuggestions(
        app.bundleIdentifier, { all.first().makeShortcut(app.bundleIdentifier, QLocale()) });
    EXPECT_EQ(missing.size(), all.size() - 1);
    EXPECT_FALSE(names(missing).contains(all.first().id));
}

TEST_F(Editors, LateScanResultsForAClosedSheetAreDropped)
{
    std::function<void()> pendingAuto;
    MenuShortcutScanner::Completion pendingImport;
    const QList<ShortcutPreset> menus { preset("menu.print", KeyP, Ctrl, true) };
    ShortcutSuggestionsView::setScanBackend({
        [&](const QString&) { return MenuShortcutScanner::ScanResult::success(menus); },
        [&](const QString&, MenuShortcutScanner::Completion c) { pendingImport = std::move(c); },
        [&](std::function<void()> work) { pendingAuto = std::move(work); },
        [](const QString&) { return true; },
    });

    // Closed while the automatic scan runs: its answer changes nothing.
    auto* sheet = new ShortcutSuggestionsView(env.platform(), { app, {} });
    QPointer<ShortcutSuggestionsView> alive(sheet);
    sheet->show();
    ASSERT_TRUE(pendingAuto);
    const quint64 before = sheet->currentScanNumber();
    sheet->reject();
    pendingAuto();
    QCoreApplication::processEvents();
    EXPECT_TRUE(sheet->menuPresets().isEmpty());
    EXPECT_NE(sheet->currentScanNumber(), before);

    // Destroyed before the import's answer arrives: no crash, nothing delivered.
    auto* second = new ShortcutSuggestionsView(env.platform(), { app, {} });
    second->importFromMenus();
    ASSERT_TRUE(pendingImport);
    delete second;
    pendingImport(MenuShortcutScanner::ScanResult::success(menus));

    // An answer for another application, or from an earlier scan, is dropped too.
    ShortcutSuggestionsView third(env.platform(), { app, {} });
    third.importFromMenus();
    third.deliverScanResult(third.currentScanNumber(), QStringLiteral("org.other.App"),
        MenuShortcutScanner::ScanResult::success(menus), true);
    third.deliverScanResult(
        third.currentScanNumber() - 1, app.bundleIdentifier, MenuShortcutScanner::ScanResult::success(menus), true);
    EXPECT_TRUE(third.menuPresets().isEmpty());
    EXPECT_TRUE(third.isScanning());
    pendingImport(MenuShortcutScanner::ScanResult::success(menus));
    EXPECT_EQ(third.menuPresets().size(), 1);
    delete sheet;
}

TEST_F(Editors, PageMovesWithinTheShownShortcutsAndWritesThroughTheStore)
{
    desktop->installed.insert(
        app.bundleIdentifier, { QStringLiteral("/apps/org.xfce.mousepad.desktop"), QIcon(), true });
    ShortcutStorage& store = ShortcutStorage::shared();
    store.addShortcut(app);
    QList<AppShortcut> items;
    for (const char* name : { "One", "Two", "<i>Three</i> & more" }) {
        items << AppShortcut(QString::fromLatin1(name), QStringLiteral("star"),
            QStringLiteral("⌘") + QString::fromLatin1(name).left(1), app.bundleIdentifier);
        store.addShortcut(items.last());
    }
    ShortcutsSettingsView page(env.platform(), std::nullopt);
    std::optional<AppShortcut> previewApp;
    QList<AppShortcut> previewItems;
    QObject::connect(&page, &ShortcutsSettingsView::previewChanged, [&](const auto& a, const auto& s) {
        previewApp = a;
        previewItems = s;
    });
    page.loadSavedShortcuts();
    ASSERT_EQ(page.selectedApp()->bundleIdentifier, app.bundleIdentifier);
    EXPECT_EQ(previewItems.size(), 3);
    ASSERT_EQ(page.rows().size(), 3);
    EXPECT_EQ(page.countLabel()->text(), QStringLiteral("3 shortcuts"));
    // Up on the first and down on the last are off, and do nothing when asked anyway.
    EXPECT_FALSE(page.rows().first()->buttons()[0]->isEnabled());
    EXPECT_TRUE(page.rows().first()->buttons()[1]->isEnabled());
    EXPECT_FALSE(page.rows().last()->buttons()[1]->isEnabled());
    const QList<AppShortcut> stored = store.getShortcuts(app.bundleIdentifier);
    page.move(items[0], -1);
    page.move(items[2], 1);
    EXPECT_EQ(store.getShortcuts(app.bundleIdentifier).first().id, stored.first().id)
        << "the app's own entry stays first";
    auto order = [&] {
        QStringList out;
        for (const AppShortcut& s : page.shortcuts(*page.selectedApp()))
            out << s.name;
        return out;
    };
    EXPECT_EQ(order(), (QStringList { "One", "Two", "<i>Three</i> & more" }));
    page.move(items[0], 1);
    EXPECT_EQ(order(), (QStringList { "Two", "One", "<i>Three</i> & more" }));
    // A name from another program is shown as it is written, never as markup.
    const QList<QLabel*> labels = page.rows().last()->findChildren<QLabel*>();
    const auto named = std::find_if(
        labels.begin(), labels.end(), [](QLabel* l) { return l->text().startsWith(QStringLiteral("<i>")); });
    ASSERT_NE(named, labels.end());
    EXPECT_EQ((*named)->textFormat(), Qt::PlainText);
    EXPECT_EQ(previewItems.first().name, QStringLiteral("Two")) << "the preview follows";

    // Deleting one, then the application: the store follows at once.
    page.deleteShortcut(items[2]);
    EXPECT_EQ(page.countLabel()->text(), QStringLiteral("2 shortcuts"));
    page.addApp(ShortcutsSettingsView::appEntry(QStringLiteral("Mousepad again"), app.bundleIdentifier));
    EXPECT_EQ(page.registeredApps().size(), 1) << "an application is registered once";
    page.removeSelectedApp();
    EXPECT_TRUE(store.getShortcuts(app.bundleIdentifier).isEmpty());
    EXPECT_FALSE(previewApp);

    // A list that holds only a text (written by hand) is not yet a registered
    // application: adding it registers it rather than selecting nothing.
    const QString notes = QStringLiteral("org.example.Notes");
    store.addShortcut(
        AppShortcut(QStringLiteral("Sign"), QStringLiteral("doc"), QString(), notes, QStringLiteral("Regards")));
    page.loadSavedShortcuts();
    page.addApp(ShortcutsSettingsView::appEntry(QStringLiteral("Notes"), notes));
    ASSERT_TRUE(page.selectedApp());
    EXPECT_EQ(page.selectedApp()->bundleIdentifier, notes);
    EXPECT_EQ(page.shortcuts(*page.selectedApp()).size(), 1);
}
