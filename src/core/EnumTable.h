#pragma once
// Enumerations described by one table each: a row per value with its stored
// form, its title, its symbol and, where it has one, the sentence that
// explains it. Titles and explanations are source texts of the "Kelvaro"
// context, marked with QT_TRANSLATE_NOOP where the table is written and
// translated when asked for, so the translation files see them as before.
//
// An enum E with a table declares, next to E,
//   std::span<const EnumRow<E>> enumRows(E);
// and gets rawValue, fromRawValue, allCases, title, symbolName and
// explanation from it.

#include "core/RawEnum.h"

#include <QCoreApplication>
#include <concepts>
#include <span>
#include <type_traits>

template <typename E> struct EnumRow {
    E value;
    const char* raw;
    const char* title;
    const char* symbol = "";
    const char* explanation = "";
};

template <typename E>
concept TabledEnum = std::is_enum_v<E> && requires(E e)
{
    {
        enumRows(e)
        } -> std::same_as<std::span<const EnumRow<E>>>;
};

namespace EnumTable {
template <TabledEnum E> const EnumRow<E>& row(E value)
{
    const std::span<const EnumRow<E>> rows = enumRows(value);
    for (const EnumRow<E>& r : rows)
        if (r.value == value)
            return r;
    return rows.front(); // a value cast from a number outside the enum
}

inline QString translated(const char* source)
{
    return *source ? QCoreApplication::translate("Kelvaro", source) : QString();
}
}

template <TabledEnum E> QString rawValue(E value) { return QString::fromLatin1(EnumTable::row(value).raw); }
template <TabledEnum E> QString title(E value) { return EnumTable::translated(EnumTable::row(value).title); }
template <TabledEnum E> QString symbolName(E value) { return QString::fromLatin1(EnumTable::row(value).symbol); }
template <TabledEnum E> QString explanation(E value)
{
    return EnumTable::translated(EnumTable::row(value).explanation);
}

// The generic forms of RawEnum.h's templates; an enum without a table
// specialises them instead.
template <typename E> std::optional<E> fromRawValue(const QString& raw)
{
    static_assert(TabledEnum<E>, "an enum without a table specialises fromRawValue");
    for (const EnumRow<E>& r : enumRows(E {}))
        if (raw == QLatin1String(r.raw))
            return r.value;
    return std::nullopt;
}

template <typename E> QList<E> allCases()
{
    static_assert(TabledEnum<E>, "an enum without a table specialises allCases");
    QList<E> all;
    for (const EnumRow<E>& r : enumRows(E {}))
        all.append(r.value);
    return all;
}
