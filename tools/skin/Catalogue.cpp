#include "Catalogue.h"

#include "ControlArt.h"
#include "MenuArt.h"
#include "Sizes.h"
#include "TitleArt.h"

#include "skin/SUIThemes.h"

#include <cassert>

namespace art {
namespace {

using RolePainter = QImage (*)(const Look&, QSize);
using PicturePainter = QImage (*)(QSize);

struct Picture {
    const char* name;
    QSize size;
    PicturePainter paint;
};

const std::vector<Picture>& FurtherPictures() {
    static const std::vector<Picture> pictures{
        {"MACOS_MENU_BAR", {1, 22}, PaintMacMenuBar},
        {"MACOS_MENU_SELECT", {1, 21}, PaintMacMenuSelect},
        {"MACOS_FORM_BACKGROUND", {8, 8}, PaintMacFormBackground},
        {"PROTEIN_FORM_BACKGROUND", {8, 8}, PaintProteinFormBackground},
        {"MENU_CHECKED", {16, 16}, PaintMenuChecked},
    };
    return pictures;
}

RolePainter PainterOf(Role role) {
    switch (role) {
    case Role::Button:
        return PaintButtons;
    case Role::CheckBox:
        return PaintCheckBoxes;
    case Role::RadioButton:
        return PaintRadioButtons;
    case Role::TitleButtons:
        return PaintTitleButtons;
    case Role::TitleLeft:
        return PaintTitleLeft;
    case Role::TitleClient:
    case Role::TitleRight:
        return PaintTitlePlain;
    case Role::ProgressBar:
        return PaintProgressBar;
    case Role::TrackBarBar:
        return PaintTrackBarBar;
    case Role::TrackBarSlider:
        return PaintTrackBarSlider;
    case Role::TrackBarSliderV:
        return PaintTrackBarSliderV;
    case Role::ScrollBarButton:
        return PaintScrollBarButtons;
    case Role::ScrollBarTrack:
        return PaintScrollBarThumb;
    case Role::CheckList:
        return PaintCheckList;
    case Role::ScrollButton:
        return PaintScrollButtons;
    case Role::Tab:
        return PaintTab;
    case Role::TabLine:
        return PaintTabLine;
    case Role::SideChannelHandle:
        return PaintSideChannelHandle;
    case Role::SideChannelBar:
        return PaintSideChannelBar;
    }
    assert(false && "every image role has a painter");
    return nullptr;
}

QImage PaintRole(const Look& look, Role role, QSize size) {
    QImage image = PainterOf(role)(look, size);
    assert(image.size() == size);
    return image;
}

} // namespace

std::vector<Artwork> AllArtwork() {
    std::vector<Artwork> artwork;
    for (Style style : AllStyles())
        for (const RoleSizes& row : ImageRoles()) {
            if (row.role == Role::ScrollButton && UsesSharedScrollButton(style))
                continue; // painted once below
            artwork.push_back({NameOf(style, row.role),
                               PaintRole(LookOf(style), row.role, SizeOf(style, row.role))});
        }
    // The shared picture sits in three styles; Protein's neutral metal suits all of them.
    artwork.push_back({QString::fromLatin1(kSharedScrollButton),
                       PaintScrollButtons(LookOf(Style::Protein), kSharedScrollButtonSize)});
    for (const Picture& picture : FurtherPictures())
        artwork.push_back({QString::fromLatin1(picture.name), picture.paint(picture.size)});
    return artwork;
}

// The art's roles are numbered as the theme roles are, so a role's number is its theme role.
std::vector<Artwork> ThemeArtwork(const Look& look) {
    std::vector<Artwork> artwork;
    for (const RoleSizes& row : ImageRoles())
        artwork.push_back({ThemeKey(static_cast<TsuiThemeRole>(row.role)),
                           PaintRole(look, row.role, SizeOf(look.style, row.role))});
    return artwork;
}

} // namespace art
