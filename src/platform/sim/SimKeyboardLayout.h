#pragma once
// A keyboard layout held in memory for tests: the US ANSI layout unless a
// test sets other characters.

#include "platform/KeyboardLayout.h"

#include <QMap>
#include <mutex>

class SimKeyboardLayout final : public KeyboardLayout {
public:
    SimKeyboardLayout();

    std::optional<QString> character(std::uint16_t keyCode) const override;
    bool isAvailable() const override;
    QString layoutName() const override;

    // Replaces the whole layout and announces the change.
    void setLayout(const QString& name, const QMap<std::uint16_t, QString>& characters);
    // With false, behaves as a machine on which no layout can be read.
    void setAvailable(bool available);

    static QMap<std::uint16_t, QString> usAnsi();

private:
    mutable std::mutex m_lock;
    QString m_name;
    QMap<std::uint16_t, QString> m_characters;
    bool m_available = true;
};
