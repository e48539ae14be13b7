#include "core/designer/FormRenderer.h"
#include "core/canvas/Canvas.h"
#include "core/canvas/DevicePicture.h"
#include "core/controls/SharedPaint.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/LibrarySupport.h"
#include "core/model/PTDialog.h"

#include <array>
#include <cstring>

namespace zf {

namespace {

// The artwork never changes; it is drawn once and copied under every picture.
const QImage &deviceArtwork()
{
    static const QImage artwork = devicePicture().convertToFormat(QImage::Format_RGB32);
    return artwork;
}

} // namespace

FormRenderer::FormRenderer(RenderArea area)
    : m_area(area), m_picture(pictureSize(area), QImage::Format_RGB32)
{
}

QSize FormRenderer::pictureSize(RenderArea area)
{
    return area == RenderArea::Device ? kDevicePictureSize : kDeviceScreenRect.size();
}

const QImage &FormRenderer::render(const DesignForm &form)
{
    const TCCForm &screen = *form.screen();
    if (m_area == RenderArea::Device) {
        const QImage &artwork = deviceArtwork();
        Q_ASSERT(artwork.size() == m_picture.size());
        std::memcpy(m_picture.bits(), artwork.constBits(), size_t(artwork.sizeInBytes()));
    } else {
        m_picture.fill(palmToRgb(screen.colorFormFill()));
    }
    Canvas canvas(m_picture);
    // The window's coordinates: the screen and the menus are placed in them.
    if (m_area == RenderArea::Screen)
        canvas.translate(-screen.left(), -screen.top());
    paintTree(canvas, screen);
    for (const DesignObject *object : form.windowChildren())
        paintTree(canvas, *object);
    return m_picture;
}

QImage renderForm(const DesignForm &form, RenderArea area)
{
    FormRenderer renderer(area);
    return renderer.render(form);
}

bool isDrawn(const DesignObject &object)
{
    return object.isVisible() && object.isShowing() && object.width() > 0 && object.height() > 0;
}

void paintObject(Canvas &canvas, const DesignObject &object)
{
    // Every kind of a class draws alike, so the drawings are found by class
    // among the installed libraries' kinds, once; an object outside any form
    // (a preview) is drawn like one on a form.
    static const auto painters = [] {
        std::array<KindSpec::Paint, kClassIdCount> table{};
        table[std::size_t(ClassId::TCCForm)] = paintAs<TCCForm>;
        for (const int library : {kLibraryCControls, kLibraryPToolBox}) {
            for (const KindSpec &spec : LibrarySupport::forLibrary(library).kinds())
                table[std::size_t(spec.classId)] = spec.paint;
        }
        return table;
    }();
    if (const KindSpec::Paint paint = painters[std::size_t(object.classId())])
        paint(canvas, object);
}

void paintTree(Canvas &canvas, const DesignObject &object)
{
    if (!isDrawn(object))
        return;
    CanvasScope scope(canvas, object.bounds());
    // Its children lie inside it: a control wholly outside the picture is
    // passed over with them, so far-off coordinates never reach a painter.
    if (canvas.isClipEmpty())
        return;
    paintObject(canvas, object);
    if (object.isContainer()) {
        for (const DesignObject *child : static_cast<const DesignContainer &>(object).children())
            paintTree(canvas, *child);
    }
}

} // namespace zf
