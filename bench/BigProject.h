#pragma once

// A large project for the benchmarks: forms of controls of every kind of
// one library in turn, every tenth control in the form's dialog, with lists,
// tables, bitmaps and, for CControls, a menu bar and a menu.

#include "core/controls/CCBitmap.h"
#include "core/controls/CCButton.h"
#include "core/ccontrols/CCCheckbox.h"
#include "core/ccontrols/CCDropDown.h"
#include "core/ccontrols/CCEdit.h"
#include "core/model/CCForm.h"
#include "core/ccontrols/CCLabel.h"
#include "core/ccontrols/CCListBox.h"
#include "core/ccontrols/CCMenu.h"
#include "core/ccontrols/CCMenuBar.h"
#include "core/ccontrols/CCPopUp.h"
#include "core/controls/CCRadio.h"
#include "core/controls/CCSwitch.h"
#include "core/ccontrols/CCTable.h"
#include "core/codegen/CodeGenerator.h"
#include "core/model/DesignForm.h"
#include "core/model/DesignProject.h"
#include "core/model/PTDialog.h"
#include "core/model/UserInterface.h"
#include "core/ptoolbox/PTButton.h"
#include "core/ptoolbox/PTCheckBox.h"
#include "core/ptoolbox/PTEdit.h"
#include "core/ptoolbox/PTGsi.h"
#include "core/ptoolbox/PTLabel.h"
#include "core/ptoolbox/PTList.h"
#include "core/ptoolbox/PTPopTrigger.h"

#include <functional>
#include <memory>

namespace zf::bench {

inline constexpr int kForms = 200;
inline constexpr int kControlsPerForm = 50;
// Every tenth control goes into the form's dialog.
inline constexpr int kDialogEvery = 10;

class SilentUserInterface : public UserInterface
{
public:
    Button ask(const Message &) override { return Button::Ok; }
    std::optional<QString> openFileName(const FileRequest &) override { return {}; }
    std::optional<QString> saveFileName(const FileRequest &) override { return {}; }
    std::optional<int> chooseLibrary(int) override { return {}; }
    void pauseZoom() override {}
    void resumeZoom() override {}
};

inline const QStringList kItems = {"First", "Second", "Third", "Fourth"};

inline std::unique_ptr<DesignObject> ccControl(int i)
{
    switch (i % 12) {
    case 0: {
        auto b = std::make_unique<TCCButton>();
        b->setContent(QStringLiteral("Press"));
        b->setShowForm(QStringLiteral("(None)"));
        return b;
    }
    case 1:
        return std::make_unique<TCCSwitch>();
    case 2: {
        auto r = std::make_unique<TCCRadio>();
        r->setItems(kItems);
        return r;
    }
    case 3: {
        auto l = std::make_unique<TCCLabel>();
        l->setContent(QStringLiteral("A label text"));
        l->setFontName(QStringLiteral("PilotBold"));
        return l;
    }
    case 4: {
        auto l = std::make_unique<TCCListBox>();
        l->setItems(kItems);
        return l;
    }
    case 5: {
        auto d = std::make_unique<TCCDropDown>();
        d->setItems(kItems);
        return d;
    }
    case 6:
        return std::make_unique<TCCCheckbox>();
    case 7: {
        auto e = std::make_unique<TCCEdit>();
        e->setTopic(QStringLiteral("Topic"));
        return e;
    }
    case 8: {
        auto p = std::make_unique<TCCPopUp>();
        p->setItems(kItems);
        return p;
    }
    case 9: {
        auto b = std::make_unique<TCCBitmap>();
        b->setBounds(0, 0, 40, 40);
        b->setStringBits(QString(400, u'a'));
        b->setTag(i % 2);
        return b;
    }
    case 10: {
        auto t = std::make_unique<TCCTable>();
        t->setColWidths({"25", "25", "25"});
        t->setColAlign({"0", "1", "2"});
        t->setItems({"a~b~c", "d~e~f", "g~h~i"});
        return t;
    }
    default: {
        auto e = std::make_unique<TCCEdit>();
        e->setTag(1);
        return e;
    }
    }
}

inline std::unique_ptr<DesignObject> ptControl(int i)
{
    switch (i % 12) {
    case 0: {
        auto b = std::make_unique<TPTButton>();
        b->setShowForm(QStringLiteral("(None)"));
        b->setButtonType(i % 24 == 0 ? 1 : 0);
        return b;
    }
    case 1: {
        auto s = std::make_unique<TCCButton>();
        s->setTag(TCCButton::kSelectTag);
        s->setDotPicker(i % 3);
        return s;
    }
    case 2:
        return std::make_unique<TCCSwitch>();
    case 3:
        return std::make_unique<TPTCheckbox>();
    case 4:
        return std::make_unique<TPTPopTrigger>();
    case 5:
        return std::make_unique<TPTEdit>();
    case 6: {
        auto l = std::make_unique<TPTList>();
        l->setItems(kItems);
        return l;
    }
    case 7: {
        auto l = std::make_unique<TPTLabel>();
        l->setContent(QStringLiteral("Label"));
        return l;
    }
    case 8:
        return std::make_unique<TPTGsi>();
    case 9: {
        auto r = std::make_unique<TCCRadio>();
        r->setItems(kItems);
        r->setOrientation(i % 2);
        return r;
    }
    case 10: {
        auto b = std::make_unique<TCCBitmap>();
        b->setBounds(0, 0, 40, 40);
        b->setStringBits(QString(400, u'f'));
        return b;
    }
    default: {
        auto b = std::make_unique<TPTButton>();
        b->setShowForm(QStringLiteral("Form2"));
        return b;
    }
    }
}

struct Project
{
    SilentUserInterface ui;
    DesignProject project{ui};
    FormList forms;

    Project(int library, const std::function<std::unique_ptr<DesignObject>(int)> &make,
            int formCount = kForms, int controlsPerForm = kControlsPerForm)
    {
        project.setLibrary(library);
        int counter = 0;
        for (int f = 0; f < formCount; ++f) {
            DesignForm *form = project.addForm(QStringLiteral("Form") + QString::number(f + 1));
            auto dialog = std::make_unique<TPTDialog>();
            dialog->setName(QStringLiteral("Dialog") + QString::number(f + 1));
            auto *d = static_cast<TPTDialog *>(form->addObject(std::move(dialog), form->screen()));
            for (int c = 0; c < controlsPerForm; ++c) {
                std::unique_ptr<DesignObject> control = make(counter);
                control->setName(QStringLiteral("Control") + QString::number(++counter));
                form->addObject(std::move(control), c % kDialogEvery == 0
                                                        ? static_cast<DesignContainer *>(d)
                                                        : form->screen());
            }
            if (library == kLibraryCControls) {
                auto bar = std::make_unique<TCCMenuBar>();
                bar->setName(QStringLiteral("MenuBar") + form->name());
                form->addObject(std::move(bar), nullptr);
                auto menu = std::make_unique<TCCMenu>();
                menu->setName(QStringLiteral("Menu") + QString::number(f + 1));
                menu->setItems(kItems);
                form->addObject(std::move(menu), nullptr);
            }
            forms.push_back(form);
        }
    }
};

} // namespace zf::bench
