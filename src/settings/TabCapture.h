#pragma once
// One capture of the running browsers' tabs, from the button to the store.
// The browsers' files are read and the favicons fetched on a worker thread
// of its own; everything else happens on the main thread. The favicons get
// `iconSeconds` all together: the capture is stored with the icons found by
// then (sooner when every site has answered), and icons that come later are
// filled into the stored capture. A quit before then stores the capture with
// what it has. One capture runs at a time in the whole process.

#include "ring/CapturedTabStore.h"

#include <QHash>
#include <QObject>
#include <QUuid>
#include <optional>

class Platform;
class Scheduler;

class TabCapture : public QObject {
    Q_OBJECT
public:
    static constexpr double iconSeconds = 3.0;
    // How long icons that come after the store are gathered before they
    // are written into it together.
    static constexpr double fillSeconds = 1.0;

    // Starts a capture on the browsers and the favicon service of
    // `platform`; false when one is already running.
    static bool start(const Platform& platform);
    // From the button until the capture is stored or has failed.
    static bool isRunning();
    // Where every capture says how it went (main thread).
    static TabCapture& events();

Q_SIGNALS:
    // The capture ended: failed, empty, stored, or refused by the store.
    void ended(const BrowserTabs::CaptureResult& result, const CapturedTabStore::Added& added);
    // Icons that came after the store were filled into the capture `id`.
    void iconsFilled(const QUuid& id);

private:
    TabCapture() = default;
};

// The main-thread side of one running capture; it goes once the worker has
// nothing more to say.
class TabCaptureRun : public QObject {
    Q_OBJECT
public:
    TabCaptureRun(CapturedTabStore store, Scheduler& scheduler);

    // What the worker reports, in this order: the tabs read, each site's
    // icon as it is found, and that nothing more will come.
    void captured(const BrowserTabs::CaptureResult& result);
    void found(const QString& host, const QString& fileName);
    void settled();

    bool isStored() const { return m_stored; }

private:
    void store();
    void fill();

    CapturedTabStore m_store;
    Scheduler& m_scheduler;
    std::optional<BrowserTabs::CaptureResult> m_result;
    bool m_stored = false;
    std::optional<QUuid> m_id; // of the stored capture
    QHash<QString, QString> m_late; // host -> icon, found after the store
    std::uint64_t m_deadline = 0;
    std::uint64_t m_fill = 0;
    QMetaObject::Connection m_quit;
};
