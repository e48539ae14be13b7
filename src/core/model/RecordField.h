#pragma once

#include "core/model/DesignObject.h"
#include "core/model/FormFileRecord.h"

#include <functional>
#include <type_traits>
#include <vector>

namespace zf {

class DesignForm;

// One key of a kind's form-file record: how the object's value is written
// and how it is read back. A kind lists its fields in the order the file
// holds them, and reading applies them in the same order, so a key is added
// to a record by adding one field to its list.
struct RecordField
{
    using Write = std::function<void(FormFileRecordWriter &, const DesignObject &)>;
    using Read = std::function<void(const FormFileRecord &, DesignObject &, const DesignForm &)>;

    // The key as the file holds it; empty for what is read without a key of
    // its own (a place that follows from the form).
    QString key{};
    Write write{}; // null: never written
    Read read{};   // null: never read (the value is fixed by the kind)
    // A list kept in the record's own section erases the section it goes
    // into, so it is written before "Control" and "Name".
    bool beforeHead = false;
    // A list kept in a section of its own, named by the object's name and
    // this suffix (a table's columns); empty for a key of the record.
    QString sectionSuffix{};
};
using RecordFields = std::vector<RecordField>;

// Builders of the fields every kind is made of. Each getter and setter is a
// member of the class of every object the field is used for, or of its base;
// the defaults are what reading gives a missing or unreadable key.
namespace fields {

template <typename T>
T &as(DesignObject &object)
{
    return static_cast<T &>(object);
}

template <typename T>
const T &as(const DesignObject &object)
{
    return static_cast<const T &>(object);
}

template <typename T, typename R>
RecordField text(const char16_t *key, R (T::*get)() const,
                 std::type_identity_t<void (T::*)(const QString &)> set,
                 const QString &defaultValue = QString())
{
    return {QString::fromUtf16(key),
            [key, get](FormFileRecordWriter &w, const DesignObject &o) {
                w.text(key, (as<T>(o).*get)());
            },
            [key, set, defaultValue](const FormFileRecord &r, DesignObject &o, const DesignForm &) {
                (as<T>(o).*set)(r.text(key, defaultValue));
            }};
}

template <typename T>
RecordField number(const char16_t *key, int (T::*get)() const,
                   std::type_identity_t<void (T::*)(int)> set, int defaultValue)
{
    return {QString::fromUtf16(key),
            [key, get](FormFileRecordWriter &w, const DesignObject &o) {
                w.number(key, (as<T>(o).*get)());
            },
            [key, set, defaultValue](const FormFileRecord &r, DesignObject &o, const DesignForm &) {
                (as<T>(o).*set)(r.number(key, defaultValue));
            }};
}

template <typename T>
RecordField color(const char16_t *key, PalmColor (T::*get)() const,
                  std::type_identity_t<void (T::*)(PalmColor)> set, PalmColor defaultValue)
{
    return {QString::fromUtf16(key),
            [key, get](FormFileRecordWriter &w, const DesignObject &o) {
                w.color(key, (as<T>(o).*get)());
            },
            [key, set, defaultValue](const FormFileRecord &r, DesignObject &o, const DesignForm &) {
                (as<T>(o).*set)(r.color(key, defaultValue));
            }};
}

// The design rectangle, frame included: what records store.
RecordField left(int defaultValue);
RecordField top(int defaultValue);
RecordField width(int defaultValue);
RecordField height(int defaultValue);
// "Height", "Width", "Left" and "Top", the order most records keep them in.
RecordFields box(int height, int width, int left, int top);
// "Font" over the object's own font.
RecordField font();
// "Parent": written for the reader of the file, which places the object
// before its record is read.
RecordField parent();
// The Tag under a key of the kind's own ("Test", "GroupNumber", ...).
RecordField tag(const char16_t *key, int defaultValue);
// A key that is written for other readers (the generator, older files) but
// never read back: the object keeps what its kind gives it.
RecordField writtenOnly(RecordField field);
// The lines of an item list, in the record's own section.
RecordField items();
// A list in the section named by the object's name and `suffix`.
template <typename T>
RecordField list(const char16_t *suffix, const QStringList &(T::*get)() const,
                 std::type_identity_t<void (T::*)(const QStringList &)> set)
{
    RecordField field{
        {},
        [suffix, get](FormFileRecordWriter &w, const DesignObject &o) {
            w.list(o.name() + QString::fromUtf16(suffix), (as<T>(o).*get)());
        },
        [suffix, get, set](const FormFileRecord &r, DesignObject &o, const DesignForm &) {
            (as<T>(o).*set)(r.list(o.name() + QString::fromUtf16(suffix), (as<T>(o).*get)()));
        }};
    field.sectionSuffix = QString::fromUtf16(suffix);
    return field;
}

// One record from fields and groups of fields, in order.
template <typename... Parts>
RecordFields record(Parts &&...parts)
{
    RecordFields joined;
    const auto add = [&joined](auto &&part) {
        if constexpr (std::is_same_v<std::decay_t<decltype(part)>, RecordField>)
            joined.push_back(std::forward<decltype(part)>(part));
        else
            joined.insert(joined.end(), part.begin(), part.end());
    };
    (add(std::forward<Parts>(parts)), ...);
    return joined;
}

} // namespace fields

} // namespace zf
