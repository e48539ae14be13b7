#include "core/model/RecordField.h"
#include "core/model/ItemListObject.h"

namespace zf::fields {

RecordField left(int defaultValue)
{
    return number(u"Left", &DesignObject::left, &DesignObject::setLeft, defaultValue);
}

RecordField top(int defaultValue)
{
    return number(u"Top", &DesignObject::top, &DesignObject::setTop, defaultValue);
}

RecordField width(int defaultValue)
{
    return number(u"Width", &DesignObject::width, &DesignObject::setWidth, defaultValue);
}

RecordField height(int defaultValue)
{
    return number(u"Height", &DesignObject::height, &DesignObject::setHeight, defaultValue);
}

RecordFields box(int height, int width, int left, int top)
{
    return {fields::height(height), fields::width(width), fields::left(left), fields::top(top)};
}

RecordField font()
{
    return {QStringLiteral("Font"),
            [](FormFileRecordWriter &w, const DesignObject &o) { w.font(u"Font", o.font()); },
            [](const FormFileRecord &r, DesignObject &o, const DesignForm &) { readFont(r, o); }};
}

RecordField parent()
{
    return {QStringLiteral("Parent"),
            [](FormFileRecordWriter &w, const DesignObject &o) { w.parent(o); },
            {}};
}

RecordField tag(const char16_t *key, int defaultValue)
{
    return number(key, &DesignObject::tag, &DesignObject::setTag, defaultValue);
}

RecordField writtenOnly(RecordField field)
{
    field.read = {};
    return field;
}

RecordField items()
{
    RecordField field{
        {},
        [](FormFileRecordWriter &w, const DesignObject &o) {
            w.list(as<ItemListObject>(o).items());
        },
        [](const FormFileRecord &r, DesignObject &o, const DesignForm &) {
            auto &list = as<ItemListObject>(o);
            list.setItems(r.list(list.items()));
        }};
    field.beforeHead = true;
    return field;
}

} // namespace zf::fields
