#pragma once

#include "core/model/KindSpec.h"
#include "core/model/PropertyWords.h"

namespace zf::cc {

// The entries of the CControls kinds, one function per kind, grouped in
// files by family: CCKindsText.cpp, CCKindsLists.cpp, CCKindsOthers.cpp.
KindSpec button();
KindSpec label();
KindSpec checkBox();
KindSpec switchKind();
KindSpec edit();
KindSpec editLine();
KindSpec listBox();
KindSpec radio();
KindSpec dropDown();
KindSpec popUp();
KindSpec table();
KindSpec image();
KindSpec dialog();
KindSpec menu();
KindSpec menuBar();

// An Image is at most this wide and high on the handheld.
inline constexpr int kImageLimit = 40;
QString imageLimitMessage(const QString &row);

// How CControls lines controls up: most kinds by what the handheld shows.
inline constexpr LayoutValues kAllPalm{LayoutSource::Palm, LayoutSource::Palm,
                                       LayoutSource::Palm, LayoutSource::Palm, true, true};
// Its height follows from its rows or its font.
inline constexpr LayoutValues kPalmFixedHeight{LayoutSource::Palm, LayoutSource::Palm,
                                               LayoutSource::Palm, LayoutSource::Design, true,
                                               false};
inline constexpr LayoutValues kAllDesign{LayoutSource::Design, LayoutSource::Design,
                                         LayoutSource::Design, LayoutSource::Design, true, true};

// Rows and fields several families share.
template <typename T>
PropertyDef contentRow()
{
    return rows::text(QStringLiteral("Content"), &T::content, &T::setContent);
}

template <typename T>
RecordField contentField(const QString &defaultValue)
{
    return fields::text(u"Content", &T::content, &T::setContent, defaultValue);
}

template <typename T>
PropertyDef visibleItemsRow()
{
    return rows::number(QStringLiteral("VisibleItems"), &T::visibleItems, &T::setVisibleItems);
}

} // namespace zf::cc
