// What the window cache counts as changed after the display's events, so a
// showing reads again exactly what changed and nothing else.

#include <gtest/gtest.h>

#include "platform/linux/X11WindowCache.h"

namespace {
constexpr quint32 root = 0x100, editor = 0x200, other = 0x300;
constexpr quint32 netWmName = 301, wmClass = 67, wmHints = 35, netWmIcon = 302, clientList = 303, cursorAtom = 999;

X11WindowCache watching()
{
    X11WindowCache cache(root, { { netWmName }, { wmClass }, { netWmIcon, wmHints }, { clientList } });
    cache.rootRead();
    for (quint32 w : { editor, other }) {
        cache.watch(w);
        EXPECT_EQ(cache.take(w), unsigned(X11WindowCache::everything)); // first read: all of it
    }
    return cache;
}

xcb_property_notify_event_t propertyNotify(quint32 window, quint32 atom)
{
    xcb_property_notify_event_t e {};
    e.response_type = XCB_PROPERTY_NOTIFY;
    e.window = window;
    e.atom = atom;
    return e;
}
}

TEST(X11WindowCacheTest, ATitleChangeMakesOnlyThatWindowsLivePropertiesStale)
{
    X11WindowCache cache = watching();
    const auto title = propertyNotify(editor, netWmName);
    cache.apply(reinterpret_cast<const xcb_generic_event_t*>(&title));
    EXPECT_EQ(cache.take(editor), unsigned(X11WindowCache::livePart));
    EXPECT_EQ(cache.take(editor), unsigned(X11WindowCache::nothing)); // read once, current again
    EXPECT_EQ(cache.take(other), unsigned(X11WindowCache::nothing));
    EXPECT_FALSE(cache.isRootStale());

    // A property nobody reads changes nothing; a class change is read again;
    // a property of the root (a client list, the active window) marks the root.
    const auto unread = propertyNotify(other, cursorAtom);
    cache.apply(reinterpret_cast<const xcb_generic_event_t*>(&unread));
    EXPECT_EQ(cache.take(other), unsigned(X11WindowCache::nothing));
    const auto renamed = propertyNotify(other, wmClass);
    cache.apply(reinterpret_cast<const xcb_generic_event_t*>(&renamed));
    EXPECT_EQ(cache.take(other), unsigned(X11WindowCache::fixedPart));
    const auto active = propertyNotify(root, cursorAtom);
    cache.apply(reinterpret_cast<const xcb_generic_event_t*>(&active));
    EXPECT_TRUE(cache.isRootStale());

    // A new icon, in either property, is read again at the next showing.
    for (const quint32 atom : { netWmIcon, wmHints }) {
        const auto icon = propertyNotify(editor, atom);
        cache.apply(reinterpret_cast<const xcb_generic_event_t*>(&icon));
        EXPECT_EQ(cache.take(editor), unsigned(X11WindowCache::iconPart));
        EXPECT_EQ(cache.take(editor), unsigned(X11WindowCache::nothing));
    }
}

TEST(X11WindowCacheTest, MovesAreReadAgainAndDestroyedWindowsForgotten)
{
    X11WindowCache cache = watching();
    xcb_configure_notify_event_t moved {};
    moved.response_type = XCB_CONFIGURE_NOTIFY | 0x80; // the window manager's synthetic one
    moved.window = editor;
    cache.apply(reinterpret_cast<const xcb_generic_event_t*>(&moved));
    EXPECT_EQ(cache.take(editor), unsigned(X11WindowCache::livePart));

    xcb_destroy_notify_event_t gone {};
    gone.response_type = XCB_DESTROY_NOTIFY;
    gone.window = other;
    cache.apply(reinterpret_cast<const xcb_generic_event_t*>(&gone));
    EXPECT_FALSE(cache.isWatched(other));
    // Events of windows never watched (or errors) are ignored.
    const auto stray = propertyNotify(0x999, netWmName);
    cache.apply(reinterpret_cast<const xcb_generic_event_t*>(&stray));
    EXPECT_FALSE(cache.isWatched(0x999));
    xcb_generic_event_t error {};
    cache.apply(&error);
    cache.keepOnly({});
    EXPECT_EQ(cache.watchedCount(), 0);
}

TEST(X11WindowCacheTest, OnlyWindowsPropertiesAndNewWindowsCallForAReadBeforeTheNextShowing)
{
    // What a burst of events reports is read in the background, so that a
    // showing finds it read; the active window, the root's size and icons
    // are cheap to read when asked for, and must not keep a read going for
    // every focus change.
    X11WindowCache cache = watching();
    const auto apply
        = [&cache](const auto& event) { return cache.apply(reinterpret_cast<const xcb_generic_event_t*>(&event)); };
    EXPECT_TRUE(apply(propertyNotify(editor, netWmName)));
    EXPECT_TRUE(apply(propertyNotify(other, wmClass)));
    EXPECT_TRUE(apply(propertyNotify(root, clientList)));
    EXPECT_FALSE(apply(propertyNotify(root, cursorAtom))); // e.g. the active window
    EXPECT_TRUE(cache.isRootStale());
    EXPECT_FALSE(apply(propertyNotify(editor, netWmIcon)));
    EXPECT_FALSE(apply(propertyNotify(editor, cursorAtom)));
    EXPECT_FALSE(apply(propertyNotify(0x999, netWmName))); // not watched
    xcb_map_notify_event_t mapped {};
    mapped.response_type = XCB_MAP_NOTIFY;
    mapped.window = editor;
    EXPECT_TRUE(apply(mapped));
}
