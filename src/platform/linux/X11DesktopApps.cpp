// The snapshot's second half: which application each client window belongs
// to, and the applications in the order first seen.

#include "platform/linux/X11Desktop.h"

#include <QSet>

#include <algorithm>

void X11Desktop::identifyAndGroup() const
{
    const QList<quint32>& stacking = m_rootState.stacking;
    const QList<quint32>& mapping = m_rootState.mapping;
    Snapshot& s = m_snapshot;
    const quint64 generation = m_identity->generation();

    // Identity: re-resolved when the installed desktop entries changed. The
    // many windows of one application share their facts: each set of facts
    // is looked up once.
    QHash<QStringList, QPair<std::optional<DesktopEntry>, QString>> resolved;
    for (quint32 id : stacking) {
        Fixed& f = m_fixed[id];
        if (f.identityGeneration == generation && generation != 0)
            continue;
        if (!m_processes.contains(f.pid))
            m_processes.insert(f.pid, ApplicationIdentity::processFacts(f.pid));
        const auto process = m_processes.value(f.pid);
        const QStringList key { f.gtkApplicationId, f.wmInstance, f.wmClass, process.first, process.second };
        if (const auto same = resolved.constFind(key); same != resolved.cend()) {
            f.entry = same->first;
            f.bundleIdentifier = same->second;
        } else {
            const ApplicationIdentity::WindowFacts facts { f.gtkApplicationId, f.wmInstance, f.wmClass, process.first,
                process.second };
            f.entry = m_identity->entryForWindow(facts);
            f.bundleIdentifier = f.entry ? ApplicationIdentity::bundleIdentifier(*f.entry)
                                         : (!f.wmClass.isEmpty() ? f.wmClass : f.wmInstance);
            resolved.insert(key, qMakePair(f.entry, f.bundleIdentifier));
        }
        f.identityGeneration = generation;
    }

    for (qsizetype i = stacking.size() - 1; i >= 0; --i) { // front to back
        const quint32 id = stacking[i];
        const Live& l = m_live[id];
        if (!l.present)
            continue;
        Client cl;
        cl.id = id;
        cl.fixed = m_fixed.value(id);
        cl.title = l.title;
        cl.hidden = l.hidden;
        cl.fullScreen = l.fullScreen;
        cl.above = l.above;
        cl.skipTaskbar = l.skipTaskbar;
        cl.desktop = l.desktop;
        cl.frame = l.frame;
        cl.opacity = l.opacity;
        s.clients << cl;
    }

    // Group into applications, in the order first seen (oldest client first).
    QHash<QString, int> appIndex;
    QSet<qint32> usedPIDs;
    QHash<QString, QList<int>> members;
    QStringList keysInMapOrder;
    // The order windows were mapped in (the client list) is the same at every
    // start of this application for the same windows; stacking order is not.
    QHash<quint32, qsizetype> indexOf;
    for (qsizetype i = 0; i < s.clients.size(); ++i)
        indexOf.insert(s.clients[i].id, i);
    QList<qsizetype> inMappingOrder;
    QSet<quint32> placed;
    for (quint32 id : mapping) {
        if (const auto it = indexOf.constFind(id); it != indexOf.cend() && !placed.contains(id)) {
            inMappingOrder << *it;
            placed.insert(id);
        }
    }
    for (qsizetype i = s.clients.size() - 1; i >= 0; --i) { // any the client list missed: back to front
        if (!placed.contains(s.clients[i].id))
            inMappingOrder << i;
    }
    for (qsizetype i : std::as_const(inMappingOrder)) {
        const Client& cl = s.clients[i];
        if (cl.fixed.type == Type::Dock || cl.fixed.type == Type::Desktop)
            continue;
        const QString key
            = cl.fixed.bundleIdentifier.isEmpty() ? QStringLiteral("#window%1").arg(cl.id) : cl.fixed.bundleIdentifier;
        if (!members.contains(key))
            keysInMapOrder << key;
        members[key].append(int(i));
    }
    for (auto& list : members)
        std::sort(list.begin(), list.end()); // front to back
    for (const QString& key : std::as_const(keysInMapOrder)) {
        if (!m_appOrder.contains(key))
            m_appOrder << key;
    }
    QStringList order;
    for (const QString& key : std::as_const(m_appOrder)) {
        if (members.contains(key))
            order << key;
    }
    m_appOrder = order;
    for (const QString& key : std::as_const(order)) {
        App a;
        a.bundleIdentifier = key.startsWith(QLatin1Char('#')) ? QString() : key;
        a.clients = members.value(key);
        qint32 pid = 0;
        for (int idx : std::as_const(a.clients)) {
            const qint32 p = s.clients[idx].fixed.pid;
            if (p > 0 && (pid <= 0 || p < pid))
                pid = p;
        }
        a.processID = pid;
        // One process may show several applications: each keeps a key of its own.
        if (pid <= 0 || usedPIDs.contains(pid))
            pid = -qint32(s.clients[a.clients.first()].id & 0x3FFFFFFF) - 1;
        usedPIDs.insert(pid);
        a.pid = pid;
        for (int idx : std::as_const(a.clients))
            s.clients[idx].appPID = a.pid;
        appIndex.insert(key, int(s.apps.size()));
        s.apps << a;
    }
}
