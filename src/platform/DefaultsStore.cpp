#include "platform/DefaultsStore.h"

#include <QRegularExpression>

bool DefaultsStore::setValues(const Changes& changes)
{
    for (const auto& [key, value] : changes) {
        if (value)
            setValue(key, *value);
        else
            remove(key);
    }
    for (const auto& [key, value] : changes) {
        const auto now = this->value(key);
        if (value ? !now || now->typeId() != value->typeId() || *now != *value : now.has_value())
            return false;
    }
    return true;
}

bool DefaultsStore::boolValue(const QString& key) const
{
    const auto v = value(key);
    return v && lenientBool(*v);
}

bool DefaultsStore::lenientBool(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool();
    case QMetaType::LongLong:
    case QMetaType::Int:
        return v.toLongLong() != 0;
    case QMetaType::ULongLong:
    case QMetaType::UInt:
        return v.toULongLong() != 0;
    case QMetaType::Double:
        return v.toDouble() != 0.0;
    case QMetaType::QString: {
        const QString s = v.toString().trimmed();
        if (s.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0
            || s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        // A string that starts with a non-zero integer counts as true ("1", "+2", "-3").
        static const QRegularExpression number(QStringLiteral("^[+-]?0*[1-9]"));
        return number.match(s).hasMatch();
    }
    default:
        return false;
    }
}
