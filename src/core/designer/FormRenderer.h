#pragma once

#include <QImage>
#include <QSize>

namespace zf {

class Canvas;
class DesignForm;
class DesignObject;

// What a picture of a form shows: the design window's whole picture of the
// handheld with the form's screen on it, or the 160 x 160 screen alone.
enum class RenderArea { Device, Screen };

// Draws forms as their design windows show them: the device picture, the
// screen with its controls and the shown dialog (each object clipped to its
// own rectangle and to its container's, children in child order, the last on
// top), then the menu bar and the menus of the window over the screen.
//
// A view keeps one renderer and calls render() whenever the form changed;
// the picture is repainted in place, so repainting allocates nothing. The
// picture is in the handheld's own pixels: scale it up without smoothing
// (QPainter::drawImage into a larger rectangle, or QImage::scaled with
// Qt::FastTransformation).
class FormRenderer
{
public:
    explicit FormRenderer(RenderArea area = RenderArea::Device);

    RenderArea area() const { return m_area; }
    // The picture's size: 167 x 226 for the device, 160 x 160 for the screen.
    static QSize pictureSize(RenderArea area);

    // Repaints the form's picture. The result stays valid until the next
    // call, or as long as a copy of it is kept.
    const QImage &render(const DesignForm &form);

private:
    RenderArea m_area;
    QImage m_picture;
};

// The form's picture, in one call.
QImage renderForm(const DesignForm &form, RenderArea area = RenderArea::Device);

// Whether the form shows the object: visible, not a hidden dialog, a hidden
// pop-up list or a hidden menu bar, and of a positive width and height.
bool isDrawn(const DesignObject &object);

// Draws one object without its children, in its own coordinates: the
// canvas's origin at its top-left corner and the clip inside its rectangle.
void paintObject(Canvas &canvas, const DesignObject &object);

// Draws the object at its place in the canvas's coordinates (those of its
// container), clipped to its rectangle, and then, inside it, its children;
// nothing when the object is not drawn.
void paintTree(Canvas &canvas, const DesignObject &object);

} // namespace zf
