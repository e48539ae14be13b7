#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTCheckBox.h"
#include "core/ptoolbox/PTEdit.h"
#include "core/ptoolbox/PTGsi.h"
#include "core/ptoolbox/PTLabel.h"
#include "core/ptoolbox/PTList.h"
#include "core/ptoolbox/PTPopTrigger.h"
#include "core/ptoolbox/ptoolbox.h"

namespace zf {

std::unique_ptr<DesignObject> PTLibrary::makeControl(ControlKind kind, const QString &name, int x,
                                                     int y) const
{
    switch (kind) {
    case ControlKind::Button: {
        auto button = std::make_unique<TPTButton>();
        button->setUserLeft(x);
        button->setUserTop(y);
        button->setText(name);
        button->setUserHeight(13);
        button->setUserWidth(42);
        button->setShowForm(QStringLiteral("(None)"));
        return button;
    }
    case ControlKind::Select: {
        auto select = std::make_unique<TCCButton>();
        select->setUserLeft(x);
        select->setUserTop(y);
        select->setContent(name);
        select->setUserHeight(13);
        select->setUserWidth(34);
        select->setRadius(0);
        select->setLine(2);
        select->setAlignment(TextAlignment::Left);
        select->setTag(TCCButton::kSelectTag);
        select->setShowForm(QStringLiteral("(None)"));
        select->setDotTitle(QStringLiteral("Select..."));
        return select;
    }
    case ControlKind::Label: {
        auto label = std::make_unique<TPTLabel>();
        label->setLeft(x);
        label->setTop(y);
        label->setContent(name);
        return label;
    }
    case ControlKind::CheckBox: {
        auto box = std::make_unique<TPTCheckbox>();
        box->setLeft(x);
        box->setTop(y);
        box->setContent(name);
        box->setHeight(15);
        box->setGroupNumber(0);
        return box;
    }
    case ControlKind::Push: {
        auto push = std::make_unique<TCCSwitch>();
        push->setLeft(x);
        push->setTop(y);
        push->setContent(name);
        push->setUserHeight(13);
        push->setTag(0); // group number
        return push;
    }
    case ControlKind::List: {
        auto list = std::make_unique<TPTList>();
        list->setLeft(x);
        list->setTop(y);
        list->setMaxItems(2);
        list->setItems({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
        list->setTrigger(TPTList::kNoTrigger);
        return list;
    }
    case ControlKind::PopTrigger: {
        auto trigger = std::make_unique<TPTPopTrigger>();
        trigger->setLeft(x);
        trigger->setTop(y);
        trigger->setHeight(15);
        return trigger;
    }
    case ControlKind::Field: {
        auto field = std::make_unique<TPTEdit>();
        field->setLeft(x);
        field->setTop(y);
        field->setText(QStringLiteral("Field"));
        field->setMaxChars(20);
        return field;
    }
    case ControlKind::Gsi: {
        auto gsi = std::make_unique<TPTGsi>();
        gsi->setLeft(x);
        gsi->setTop(y);
        return gsi;
    }
    case ControlKind::Bitmap: {
        auto bitmap = std::make_unique<TCCBitmap>();
        bitmap->setLeft(x);
        bitmap->setTop(y);
        return bitmap;
    }
    case ControlKind::Radio: {
        auto radio = std::make_unique<TCCRadio>();
        radio->setLeft(x);
        radio->setTop(y);
        radio->setUserHeight(13);
        radio->setTag(1); // group number
        radio->setItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        return radio;
    }
    default:
        return nullptr;
    }
}

} // namespace zf
