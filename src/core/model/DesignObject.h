#pragma once

#include "core/base/FontValue.h"
#include "core/base/PalmColor.h"
#include "core/base/Saturating.h"
#include "core/model/ClassId.h"

#include <QRect>
#include <QString>

#include <memory>

namespace zf {

class DesignContainer;
class DesignForm;

// The fixed margins between a class's design rectangle (which includes the
// frame the designer draws) and its rectangle on the handheld. A zero offset
// also stands for "this class has no Palm value": the design value serves.
struct UserOffsets
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The common part of every object placed on a form: controls, dialogs, the
// menu bar and menus, and the screen itself. Objects are plain data with the
// setter rules of their class; they never draw or notify. Every setter first
// calls touch(), which lets an open change of the form remember the object as
// it was, so that any edit, side effects included, can be undone.
class DesignObject
{
public:
    virtual ~DesignObject();

    virtual ClassId classId() const = 0;

    // A copy of the object's own properties, without its children, its
    // container or its form: what the clipboard and undo keep.
    virtual std::unique_ptr<DesignObject> clone() const = 0;
    // Takes over the properties of `other`, an object of the same class; the
    // container, form and children stay.
    virtual void assignState(const DesignObject &other) = 0;

    DesignContainer *parent() const { return m_parent; }
    DesignForm *form() const { return m_form; }
    virtual bool isContainer() const { return false; }

    const QString &name() const { return m_name; }
    void setName(const QString &name) { assign(m_name, name); }

    int tag() const { return m_tag; }
    virtual void setTag(int tag) { assign(m_tag, tag); }

    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    // Cut at the end of the int range, where a far-off control's right or
    // bottom edge would lie beyond it.
    QRect bounds() const
    {
        return {QPoint(m_left, m_top), QPoint(saturate(qint64(m_left) + m_width - 1),
                                              saturate(qint64(m_top) + m_height - 1))};
    }
    void setLeft(int left) { assign(m_left, left); }
    void setTop(int top) { assign(m_top, top); }
    void setWidth(int width);
    void setHeight(int height);
    void setBounds(int left, int top, int width, int height);

    // Palm geometry: the design value plus the class's offset.
    virtual int userLeft() const { return saturate(qint64(m_left) + userOffsets().left); }
    virtual int userTop() const { return saturate(qint64(m_top) + userOffsets().top); }
    virtual int userWidth() const { return saturate(qint64(m_width) + userOffsets().width); }
    virtual int userHeight() const { return saturate(qint64(m_height) + userOffsets().height); }
    virtual void setUserLeft(int value) { setLeft(saturate(qint64(value) - userOffsets().left)); }
    virtual void setUserTop(int value) { setTop(saturate(qint64(value) - userOffsets().top)); }
    virtual void setUserWidth(int value) { setWidth(saturate(qint64(value) - userOffsets().width)); }
    virtual void setUserHeight(int value) { setHeight(saturate(qint64(value) - userOffsets().height)); }

    PalmColor color() const { return m_color; }
    void setColor(PalmColor color) { assign(m_color, color); }

    const FontValue &font() const { return m_font; }
    void setFont(const FontValue &font);
    void setFontName(const QString &name);

    bool isSelected() const { return m_selected; }
    PalmColor selectColor() const { return m_selectColor; }
    void setSelected(bool selected) { assign(m_selected, selected); }
    void setSelectColor(PalmColor color) { assign(m_selectColor, color); }

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { assign(m_visible, visible); }
    // Whether the object's own switch lets the form show it: a hidden
    // dialog, a closed pop-up list or a hidden menu bar is not drawn even
    // while visible.
    virtual bool isShowing() const { return true; }

    // The container whose colour set the object draws with, for the classes
    // that have one; the others ignore it.
    virtual bool hasPalmForm() const { return false; }
    DesignContainer *palmForm() const { return m_palmForm; }
    void setPalmForm(DesignContainer *container);

protected:
    DesignObject(int width, int height);
    // Copies carry the properties only; see clone() and assignState().
    DesignObject(const DesignObject &other);
    DesignObject &operator=(const DesignObject &other);

    virtual UserOffsets userOffsets() const { return {}; }

    // Re-applies sizes that follow from other properties (a label's fixed
    // height, a select box's width that fits its text). Every setter that can
    // disturb such a size calls it, so the model never holds a size that
    // drawing would have to correct.
    virtual void normalizeGeometry() {}
    // Sets the size without normalising; for normalizeGeometry() itself.
    void setSizeRaw(int width, int height);
    // Runs when the font changed, before normalising.
    virtual void fontChanged() {}

    // Lets an open change of the form remember this object before it changes.
    void touch();

    template <typename T>
    void assign(T &field, const T &value)
    {
        if (field == value)
            return;
        touch();
        field = value;
    }

    friend class ChildList;
    friend class DesignContainer;
    friend class DesignForm;
    // Attaches this object (and a container's children) to a form.
    virtual void attachTo(DesignForm *form) { m_form = form; }

private:
    DesignContainer *m_parent = nullptr;
    DesignForm *m_form = nullptr;

    QString m_name;
    int m_tag = 0;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    PalmColor m_color = kPalmWhite;
    FontValue m_font;
    bool m_selected = false;
    PalmColor m_selectColor = 0xFF0000;
    bool m_visible = true;
    DesignContainer *m_palmForm = nullptr;
};

// Gives each class its copy operations without repeating them.
template <typename Derived, typename Base>
class DesignObjectOf : public Base
{
public:
    using Base::Base;

    std::unique_ptr<DesignObject> clone() const override
    {
        return std::make_unique<Derived>(static_cast<const Derived &>(*this));
    }

    void assignState(const DesignObject &other) override
    {
        Q_ASSERT(other.classId() == this->classId());
        static_cast<Derived &>(*this) = static_cast<const Derived &>(other);
    }
};

// A checked downcast by class identity; null when the object is of another
// class. `T::kClassId` names the class.
template <typename T>
T *objectCast(DesignObject *object)
{
    return object && object->classId() == T::kClassId ? static_cast<T *>(object) : nullptr;
}

template <typename T>
const T *objectCast(const DesignObject *object)
{
    return object && object->classId() == T::kClassId ? static_cast<const T *>(object) : nullptr;
}

} // namespace zf
