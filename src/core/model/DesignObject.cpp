#include "core/model/DesignObject.h"
#include "core/model/DesignForm.h"

namespace zf {

DesignObject::DesignObject(int width, int height)
    : m_width(width), m_height(height)
{
}

DesignObject::DesignObject(const DesignObject &other)
    : m_name(other.m_name), m_tag(other.m_tag), m_left(other.m_left), m_top(other.m_top),
      m_width(other.m_width), m_height(other.m_height), m_color(other.m_color),
      m_font(other.m_font), m_selected(other.m_selected), m_selectColor(other.m_selectColor),
      m_visible(other.m_visible), m_palmForm(other.m_palmForm)
{
}

DesignObject &DesignObject::operator=(const DesignObject &other)
{
    // The container and the form are where the object lives, not what it is.
    m_name = other.m_name;
    m_tag = other.m_tag;
    m_left = other.m_left;
    m_top = other.m_top;
    m_width = other.m_width;
    m_height = other.m_height;
    m_color = other.m_color;
    m_font = other.m_font;
    m_selected = other.m_selected;
    m_selectColor = other.m_selectColor;
    m_visible = other.m_visible;
    m_palmForm = other.m_palmForm;
    return *this;
}

DesignObject::~DesignObject() = default;

void DesignObject::setWidth(int width)
{
    assign(m_width, width);
    normalizeGeometry();
}

void DesignObject::setHeight(int height)
{
    assign(m_height, height);
    normalizeGeometry();
}

void DesignObject::setBounds(int left, int top, int width, int height)
{
    assign(m_left, left);
    assign(m_top, top);
    assign(m_width, width);
    assign(m_height, height);
    normalizeGeometry();
}

void DesignObject::setSizeRaw(int width, int height)
{
    assign(m_width, width);
    assign(m_height, height);
}

void DesignObject::setFont(const FontValue &font)
{
    if (m_font == font)
        return;
    touch();
    m_font = font;
    fontChanged();
    normalizeGeometry();
}

void DesignObject::setFontName(const QString &name)
{
    FontValue font = m_font;
    font.setName(name);
    setFont(font);
}

void DesignObject::setPalmForm(DesignContainer *container)
{
    if (hasPalmForm())
        assign(m_palmForm, container);
}

void DesignObject::touch()
{
    if (m_form)
        m_form->recordObject(this);
}

} // namespace zf
