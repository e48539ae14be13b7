#pragma once

#include "core/model/KindSpec.h"
#include "core/model/PropertyWords.h"

namespace zf::pt {

// The entries of the PToolBox kinds, one function per kind, grouped in files
// by family: PTKindsButtons.cpp, PTKindsText.cpp, PTKindsOthers.cpp.
KindSpec button();
KindSpec select();
KindSpec push();
KindSpec checkBox();
KindSpec radio();
KindSpec label();
KindSpec list();
KindSpec popTrigger();
KindSpec field();
KindSpec dialog();
KindSpec gsi();
KindSpec bitmap();

// How PToolBox lines controls up: buttons by what the handheld shows, the
// kinds drawn as large as they are stored by their design rectangle.
inline constexpr LayoutValues kAllPalm{LayoutSource::Palm, LayoutSource::Palm,
                                       LayoutSource::Palm, LayoutSource::Palm, true, true};
inline constexpr LayoutValues kAllDesign{LayoutSource::Design, LayoutSource::Design,
                                         LayoutSource::Design, LayoutSource::Design, true, true};
// As large as its content: Same Width and Same Height leave it alone.
inline constexpr LayoutValues kSizedByContent{LayoutSource::Design, LayoutSource::Design,
                                              LayoutSource::Design, LayoutSource::Design, false,
                                              false};

template <typename T>
PropertyDef textRow()
{
    return rows::text(QStringLiteral("Text"), &T::text, &T::setText);
}

template <typename T>
PropertyDef contentAsTextRow()
{
    return rows::text(QStringLiteral("Text"), &T::content, &T::setContent);
}

template <typename T>
PropertyDef colorRow(const char *row, PalmColor (T::*get)() const, void (T::*set)(PalmColor))
{
    return rows::color(QLatin1String(row), get, set);
}

// Push buttons and radio groups keep their group number in Tag.
inline PropertyDef tagGroupNumberRow()
{
    return rows::number(QStringLiteral("GroupNumber"), &DesignObject::tag, &DesignObject::setTag);
}

} // namespace zf::pt
