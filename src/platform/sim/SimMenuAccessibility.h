#pragma once
#include "platform/MenuAccessibility.h"

#include <QHash>
#include <QSet>
#include <atomic>
#include <mutex>

// An in-memory accessibility tree for tests. Elements are built by the test;
// attribute reads can be made to fail, and reads are counted.
class SimAXElement final : public AXElement, public std::enable_shared_from_this<SimAXElement> {
public:
    static std::shared_ptr<SimAXElement> make(const QString& role, const QString& title = QString())
    {
        auto e = std::make_shared<SimAXElement>();
        if (!role.isEmpty())
            e->attributes.insert(QStringLiteral("AXRole"), role);
        if (!title.isNull())
            e->attributes.insert(QStringLiteral("AXTitle"), title);
        return e;
    }
    // A menu item with a key equivalent: `key` as its character, `modifiers`
    // as the modifier bits (none: the attribute is absent).
    static std::shared_ptr<SimAXElement> item(
        const QString& title, const QString& key, std::optional<int> modifiers = 0)
    {
        auto e = make(QStringLiteral("AXMenuItem"), title);
        if (!key.isNull())
            e->attributes.insert(QStringLiteral("AXMenuItemCmdChar"), key);
        if (modifiers)
            e->attributes.insert(QStringLiteral("AXMenuItemCmdModifiers"), *modifiers);
        return e;
    }
    std::shared_ptr<SimAXElement> add(std::shared_ptr<SimAXElement> child)
    {
        children.append(child);
        return child;
    }

    std::optional<QVariant> value(const QString& attribute) const override
    {
        ++reads;
        if (failing.contains(attribute))
            return std::nullopt;
        const auto it = attributes.constFind(attribute);
        if (it == attributes.constEnd())
            return std::nullopt;
        return *it;
    }
    std::optional<QList<AXElementPtr>> elements(const QString& attribute) const override
    {
        ++reads;
        if (attribute != QStringLiteral("AXChildren") || failing.contains(attribute))
            return std::nullopt;
        QList<AXElementPtr> list;
        for (const auto& c : children)
            list.append(c);
        return list;
    }
    AXElementPtr element(const QString& attribute) const override
    {
        ++reads;
        if (attribute == QStringLiteral("AXMenuBar") && !failing.contains(attribute))
            return menuBar;
        return nullptr;
    }

    QHash<QString, QVariant> attributes;
    QList<std::shared_ptr<SimAXElement>> children;
    std::shared_ptr<SimAXElement> menuBar; // on an application element
    QSet<QString> failing;
    mutable std::atomic<int> reads { 0 };
};

class SimMenuAccessibility final : public MenuAccessibility {
public:
    bool isProcessTrusted() override { return trusted; }
    AXElementPtr applicationElement(qint64 pid) override
    {
        std::lock_guard lock(m_mutex);
        ++lookups;
        return applications.value(pid);
    }
    void setApplication(qint64 pid, const std::shared_ptr<SimAXElement>& app)
    {
        std::lock_guard lock(m_mutex);
        applications.insert(pid, app);
    }

    std::atomic<bool> trusted { true };
    std::atomic<int> lookups { 0 };

private:
    std::mutex m_mutex;
    QHash<qint64, std::shared_ptr<SimAXElement>> applications;
};
