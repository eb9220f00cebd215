#pragma once
// String-valued enumerations: the raw value is the stored form.
// Every such enum E provides
//   QString rawValue(E)                                  (free function, overloaded)
//   template <> std::optional<E> fromRawValue<E>(const QString&)  (exact, case-sensitive)
//   template <> QList<E> allCases<E>()                   (declaration order)
// An enum described by a table (core/EnumTable.h) gets all three from it.

#include <QList>
#include <QString>
#include <optional>

template <typename E> std::optional<E> fromRawValue(const QString& raw);

template <typename E> QList<E> allCases();
