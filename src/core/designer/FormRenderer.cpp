#include "core/designer/FormRenderer.h"
#include "core/canvas/Canvas.h"
#include "core/canvas/DevicePicture.h"
#include "core/ccontrols/CCCheckbox.h"
#include "core/ccontrols/CCDropDown.h"
#include "core/ccontrols/CCEdit.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/CCPaint.h"
#include "core/ccontrols/CCPopUp.h"
#include "core/ccontrols/CCTable.h"
#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/controls/SharedPaint.h"
#include "core/model/CCForm.h"
#include "core/model/DesignForm.h"
#include "core/model/PTDialog.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTCheckBox.h"
#include "core/ptoolbox/PTEdit.h"
#include "core/ptoolbox/PTGsi.h"
#include "core/ptoolbox/PTLabel.h"
#include "core/ptoolbox/PTList.h"
#include "core/ptoolbox/PTPaint.h"
#include "core/ptoolbox/PTPopTrigger.h"

#include <cstring>

namespace zf {

namespace {

// The artwork never changes; it is drawn once and copied under every picture.
const QImage &deviceArtwork()
{
    static const QImage artwork = devicePicture().convertToFormat(QImage::Format_RGB32);
    return artwork;
}

template <typename T> void paintAs(Canvas &canvas, const DesignObject &object)
{
    paint(canvas, static_cast<const T &>(object));
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
    if (!object.isVisible() || object.width() <= 0 || object.height() <= 0)
        return false;
    if (auto *dialog = objectCast<TPTDialog>(&object))
        return dialog->isShown();
    if (auto *popUp = objectCast<TCCPopUp>(&object))
        return popUp->test() != 0;
    if (auto *bar = objectCast<TCCMenuBar>(&object))
        return bar->test() != 0;
    return true;
}

void paintObject(Canvas &canvas, const DesignObject &object)
{
    switch (object.classId()) {
    case ClassId::TCCButton:
        return paintAs<TCCButton>(canvas, object);
    case ClassId::TCCLabel:
        return paintAs<TCCLabel>(canvas, object);
    case ClassId::TCCCheckbox:
        return paintAs<TCCCheckbox>(canvas, object);
    case ClassId::TCCSwitch:
        return paintAs<TCCSwitch>(canvas, object);
    case ClassId::TCCEdit:
        return paintAs<TCCEdit>(canvas, object);
    case ClassId::TCCListBox:
        return paintAs<TCCListBox>(canvas, object);
    case ClassId::TCCRadio:
        return paintAs<TCCRadio>(canvas, object);
    case ClassId::TCCDropDown:
        return paintAs<TCCDropDown>(canvas, object);
    case ClassId::TCCPopUp:
        return paintAs<TCCPopUp>(canvas, object);
    case ClassId::TCCTable:
        return paintAs<TCCTable>(canvas, object);
    case ClassId::TCCBitmap:
        return paintAs<TCCBitmap>(canvas, object);
    case ClassId::TCCMenu:
        return paintAs<TCCMenu>(canvas, object);
    case ClassId::TCCMenuBar:
        return paintAs<TCCMenuBar>(canvas, object);
    case ClassId::TCCForm:
        return paintAs<TCCForm>(canvas, object);
    case ClassId::TPTDialog:
        return paintAs<TPTDialog>(canvas, object);
    case ClassId::TPTButton:
        return paintAs<TPTButton>(canvas, object);
    case ClassId::TPTLabel:
        return paintAs<TPTLabel>(canvas, object);
    case ClassId::TPTCheckbox:
        return paintAs<TPTCheckbox>(canvas, object);
    case ClassId::TPTEdit:
        return paintAs<TPTEdit>(canvas, object);
    case ClassId::TPTList:
        return paintAs<TPTList>(canvas, object);
    case ClassId::TPTPopTrigger:
        return paintAs<TPTPopTrigger>(canvas, object);
    case ClassId::TPTGsi:
        return paintAs<TPTGsi>(canvas, object);
    }
}

void paintTree(Canvas &canvas, const DesignObject &object)
{
    if (!isDrawn(object))
        return;
    CanvasScope scope(canvas, object.bounds());
    paintObject(canvas, object);
    if (object.isContainer()) {
        for (const DesignObject *child : static_cast<const DesignContainer &>(object).children())
            paintTree(canvas, *child);
    }
}

} // namespace zf
