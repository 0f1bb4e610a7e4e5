#include "ContactSheet.h"

#include "Catalogue.h"
#include "Sizes.h"

#include "framework/graphics/Colors.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "skin/SUIPublic.h"
#include "skin/SUIThemes.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <functional>
#include <map>
#include <optional>

namespace art {
namespace {

constexpr int kSheetWidth = 1480;
constexpr int kMaxSheetHeight = 9000;
constexpr int kMargin = 16;
constexpr int kGap = 14;
constexpr int kLabelHeight = 30;
constexpr int kPreviewScale = 2;
constexpr int kPreviewBarWidth = 330;
constexpr int kTileHeight = 120; // the most a tile is enlarged to, in height
constexpr int kMaxScale = 8;
constexpr int kMaxTileWidth = 1400;
constexpr int kMinTileWidth = 24; // one-pixel-wide pictures are widened to this
constexpr int kCaptionPixels = 11;
const QColor kSheetBackground{0x60, 0x66, 0x70};
const QColor kLabel{0xF4, 0xF4, 0xF4};
const QColor kFault{0xFF, 0x50, 0x50};
const QColor kFrameTick{0xFF, 0xE0, 0x40};
const QString kCaption = QStringLiteral("短信查询 V1.0");
const QString kButtonCaption = QStringLiteral("搜索");
constexpr int kSwatchRow = 20;

int FramesOf(Role role) {
    switch (role) {
    case Role::Button:
        return kButtonFrames;
    case Role::TitleButtons:
        return kTitleButtonFrames;
    case Role::CheckBox:
    case Role::RadioButton:
    case Role::CheckList:
        return kCheckFrames;
    case Role::ScrollBarButton:
        return kScrollBarButtonFrames;
    case Role::ScrollButton:
        return kScrollButtonFrames;
    default:
        return 1;
    }
}

QString ThemeKeyOf(Role role) {
    return ThemeKey(static_cast<TsuiThemeRole>(role));
}

// By resource name or theme key.
std::optional<Role> RoleNamed(const QString& name) {
    for (const RoleSizes& row : ImageRoles()) {
        if (ThemeKeyOf(row.role) == name)
            return row.role;
        for (Style style : AllStyles())
            if (NameOf(style, row.role) == name)
                return row.role;
    }
    return std::nullopt;
}

QString BitmapPath(const QString& folder, const QString& name) {
    return QStringLiteral("%1/%2.bmp").arg(folder, name);
}

QImage Load(const QString& folder, const QString& name) {
    return QImage(BitmapPath(folder, name)).convertToFormat(QImage::Format_RGB32);
}

// Where a look's pictures lie: one file per image role, named by resource name or theme key.
struct Pictures {
    QString folder;
    std::function<QString(Role)> name;

    QString Path(Role role) const { return BitmapPath(folder, name(role)); }
    QImage Load(Role role) const { return art::Load(folder, name(role)); }
};

Pictures BuiltInPictures(const Look& look, const QString& folder) {
    return {folder, [style = look.style](Role role) { return NameOf(style, role); }};
}

QImage Frame(const QImage& strip, int count, int index) {
    const int width = strip.width() / count;
    return strip.copy(width * (index - 1), 0, width, strip.height());
}

// Drawn as the title bar draws a transparent button: the bottom-left pixel's colour left out.
void DrawButtonPicture(QImage& bar, const QImage& picture, int x, int y, bool transparent) {
    const QRgb key = picture.pixel(0, picture.height() - 1);
    for (int py = 0; py < picture.height(); ++py)
        for (int px = 0; px < picture.width(); ++px)
            if (!transparent || picture.pixel(px, py) != key)
                if (bar.valid(x + px, y + py))
                    bar.setPixel(x + px, y + py, picture.pixel(px, py));
}

// The bar with close and minimise buttons in the given frames (offsets within their triples).
QImage TitleBarPreview(const Look& look, const Pictures& pictures, int closeState, int minState) {
    const QImage left = pictures.Load(Role::TitleLeft);
    const QImage client = pictures.Load(Role::TitleClient);
    const QImage right = pictures.Load(Role::TitleRight);
    const QImage buttons = pictures.Load(Role::TitleButtons);
    const int w = kPreviewBarWidth, h = left.height();
    QImage bar(w, h, QImage::Format_RGB32);
    {
        QPainter painter(&bar);
        painter.drawImage(QRect(left.width(), 0, w - left.width() - right.width(), h), client);
        painter.drawImage(0, 0, left);
        painter.drawImage(w - right.width(), 0, right);
    }
    const int side = buttons.height();
    int x = w + 1 + look.titleRightOffset;
    for (const int first : {16, 13}) { // close, then minimise to its left
        x -= side + 1;
        const int state = first == 16 ? closeState : minState;
        DrawButtonPicture(bar, Frame(buttons, kTitleButtonFrames, first + state), x,
                          look.titleButtonTop, look.titleButtonKeyed);
    }
    QPainter painter(&bar);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(kCaptionPixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(look.caption);
    const int captionX = look.titleLeftOffset == 0 ? 6 : look.titleLeftOffset;
    const QFontMetrics metrics(font);
    const int y = look.titleButtonTop + (side - metrics.height()) / 2;
    painter.drawText(captionX, y + metrics.ascent(), kCaption);
    return bar;
}

// Push buttons in their three states at two of the program's sizes, cut and stretched by the
// skin's own helpers.
QImage ButtonPreview(const Look& look, const Pictures& pictures) {
    TBitmap strip;
    strip.LoadFromFile(pictures.Path(Role::Button));
    const std::array<QSize, 2> sizes{QSize(80, 27), QSize(49, 25)};
    QImage sheet(3 * (sizes[0].width() + sizes[1].width() + 2 * 6), sizes[0].height() + 4,
                 QImage::Format_RGB32);
    sheet.fill(look.form);
    int x = 0;
    for (int state = 1; state <= kButtonFrames; ++state) {
        TBitmap frame;
        CutStripFrame(strip, frame, kButtonFrames, state);
        for (const QSize& size : sizes) {
            TBitmap button;
            button.SetSize(size.width(), size.height());
            button.Canvas().Brush().SetColor(FromQColor(look.form));
            button.Canvas().FillRect(TRect{0, 0, size.width(), size.height()});
            DrawCornerStretched(frame, button.Canvas(), TRect{0, 0, size.width(), size.height()},
                                look.buttonKeyed);
            QPainter painter(&sheet);
            painter.drawImage(x, 2, button.Image());
            painter.setPen(Qt::black);
            painter.drawText(QRect(x, 2, size.width(), size.height()), Qt::AlignCenter,
                             kButtonCaption);
            x += size.width() + 6;
        }
    }
    return sheet;
}

// The colour values of a theme folder's theme.txt by key.
std::map<QString, QColor> ThemeColours(const QString& themeFolder) {
    static const QRegularExpression line(
        QStringLiteral("^\\s*(\\w+)\\s*=\\s*(#[0-9A-Fa-f]{6})\\s*$"),
        QRegularExpression::MultilineOption);
    QFile file(themeFolder + QStringLiteral("/theme.txt"));
    std::map<QString, QColor> colours;
    if (!file.open(QIODevice::ReadOnly))
        return colours;
    for (auto it = line.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        colours[match.captured(1)] = QColor::fromString(match.captured(2));
    }
    return colours;
}

// A menu bar, an open menu with its selected item, a control and the tool-bar buttons up and
// down, in the colours theme.txt gives them; a colour it lacks shows in the fault red.
QImage ColourPreview(const QString& themeFolder) {
    const std::map<QString, QColor> colours = ThemeColours(themeFolder);
    const auto colour = [&colours](TsuiThemeRole role) {
        const auto it = colours.find(ThemeKey(role));
        return it == colours.end() ? kFault : it->second;
    };
    QImage image(kPreviewBarWidth, 5 * kSwatchRow, QImage::Format_RGB32);
    image.fill(colour(SUI_THEME_FORM_BACKGROUND_COLOR));
    QPainter painter(&image);
    const auto box = [&](const QRect& r, TsuiThemeRole fill, TsuiThemeRole border,
                         TsuiThemeRole font, const QString& text) {
        painter.setPen(colour(border));
        painter.setBrush(colour(fill));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        painter.setPen(colour(font));
        painter.drawText(r.adjusted(6, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    };
    const int half = kPreviewBarWidth / 2;
    box({0, 0, kPreviewBarWidth, kSwatchRow}, SUI_THEME_MENUBAR_COLOR, SUI_THEME_MENUBAR_COLOR,
        SUI_THEME_MENU_FONT_COLOR, QStringLiteral("文件    查询    帮助"));
    box({0, kSwatchRow, half, 3 * kSwatchRow}, SUI_THEME_MENU_BACKGROUND_COLOR,
        SUI_THEME_CONTROL_BORDER_COLOR, SUI_THEME_MENU_FONT_COLOR,
        QStringLiteral("打开...\n\n退出"));
    box({2, 2 * kSwatchRow, half - 4, kSwatchRow}, SUI_THEME_MENU_SELECTED_BACKGROUND_COLOR,
        SUI_THEME_MENU_SELECTED_BORDER_COLOR, SUI_THEME_MENU_SELECTED_FONT_COLOR,
        QStringLiteral("按类别查询"));
    box({half + 8, kSwatchRow + 4, half - 16, kSwatchRow}, SUI_THEME_CONTROL_BACKGROUND_COLOR,
        SUI_THEME_CONTROL_BORDER_COLOR, SUI_THEME_CONTROL_FONT_COLOR, QStringLiteral("新年快乐"));
    box({half + 8, 2 * kSwatchRow + 8, half / 2 - 12, kSwatchRow},
        SUI_THEME_TOOLBAR_BUTTON_BACKGROUND_COLOR, SUI_THEME_TOOLBAR_BUTTON_BORDER_COLOR,
        SUI_THEME_CONTROL_FONT_COLOR, QStringLiteral("复制"));
    box({half + half / 2, 2 * kSwatchRow + 8, half / 2 - 8, kSwatchRow},
        SUI_THEME_TOOLBAR_BUTTON_DOWN_BACKGROUND_COLOR, SUI_THEME_TOOLBAR_BUTTON_BORDER_COLOR,
        SUI_THEME_CONTROL_FONT_COLOR, QStringLiteral("按下"));
    box({0, 4 * kSwatchRow + 4, kPreviewBarWidth, kSwatchRow - 4},
        SUI_THEME_SCROLLBAR_BACKGROUND_COLOR, SUI_THEME_FORM_BORDER_COLOR,
        SUI_THEME_CONTROL_FONT_COLOR, QStringLiteral("scroll bar background, form border"));
    return image;
}

struct TileContent {
    QImage picture;
    QString label;
    int frames;
    bool fault;
    int scale = 0; // 0: chosen from the picture's size
};

class Sheet {
public:
    Sheet() : image_(kSheetWidth, kMaxSheetHeight, QImage::Format_RGB32) {
        image_.fill(kSheetBackground);
        label_.setPixelSize(12);
        heading_.setPixelSize(18);
        heading_.setBold(true);
    }

    void Heading(const QString& text) {
        NewRow();
        QPainter painter(&image_);
        painter.setFont(heading_);
        painter.setPen(kLabel);
        painter.drawText(kMargin, y_ + 20, text);
        y_ += 30;
    }

    // Places `picture` enlarged, labelled; `frames` > 1 marks the frame boundaries.
    void Tile(const TileContent& tile) {
        const QImage& picture = tile.picture;
        const QString& label = tile.label;
        const int frames = tile.frames;
        const int scale = tile.scale > 0 ? tile.scale : ScaleFor(picture.size());
        const QSize shown(std::max(kMinTileWidth, picture.width() * scale),
                          picture.height() * scale);
        const int width = std::max(shown.width(), LabelWidth(label));
        if (x_ + width > kSheetWidth - kMargin)
            NewRow();
        QPainter painter(&image_);
        painter.drawImage(QRect(QPoint(x_, y_), shown), picture);
        if (frames > 1) {
            painter.setPen(kFrameTick);
            const double step = static_cast<double>(shown.width()) / frames;
            for (int i = 0; i <= frames; ++i) {
                const int tx = x_ + static_cast<int>(step * i);
                painter.drawLine(tx, y_ + shown.height() + 1, tx, y_ + shown.height() + 4);
            }
        }
        painter.setFont(label_);
        painter.setPen(tile.fault ? kFault : kLabel);
        painter.drawText(QRect(x_, y_ + shown.height() + 5, width, kLabelHeight),
                         Qt::AlignLeft | Qt::AlignTop, label);
        x_ += width + kGap;
        rowHeight_ = std::max(rowHeight_, shown.height() + 5 + kLabelHeight);
    }

    void Preview(const QImage& picture, const QString& label) {
        Tile({picture, label, 1, false, kPreviewScale});
    }

    QImage Result() {
        NewRow();
        return image_.copy(0, 0, kSheetWidth, std::min(y_ + kMargin, kMaxSheetHeight));
    }

private:
    static int ScaleFor(QSize size) {
        return std::clamp(std::min(kTileHeight / size.height(), kMaxTileWidth / size.width()), 1,
                          kMaxScale);
    }

    int LabelWidth(const QString& label) const {
        return QFontMetrics(label_).boundingRect(QRect(0, 0, 400, 60), 0, label).width();
    }

    void NewRow() {
        if (x_ > kMargin)
            y_ += rowHeight_ + kGap;
        x_ = kMargin;
        rowHeight_ = 0;
    }

    QImage image_;
    QFont label_;
    QFont heading_;
    int x_ = kMargin;
    int y_ = kMargin;
    int rowHeight_ = 0;
};

bool InStyle(const QString& name, const Look& look) {
    return name.startsWith(QString::fromLatin1(look.prefix) + QLatin1Char('_'));
}

QString Label(const QString& name, QSize size, int frames) {
    QString text = QStringLiteral("%1\n%2 x %3").arg(name).arg(size.width()).arg(size.height());
    if (frames > 1)
        text += QStringLiteral(", %1 frames").arg(frames);
    return text;
}

// The committed file, flagged when it is missing or not of the size the program expects.
TileContent LoadChecked(const QString& folder, const Artwork& art) {
    const QImage file = Load(folder, art.name);
    const std::optional<Role> role = RoleNamed(art.name);
    const int frames = role ? FramesOf(*role) : 1;
    const bool fault = file.size() != art.image.size();
    QString label = Label(art.name, art.image.size(), frames);
    if (fault)
        label += QStringLiteral(" - FILE MISSING OR WRONG SIZE");
    return {file.isNull() ? art.image : file, label, frames, fault};
}

// The title bar and push buttons put together from the files.
void LookPreviews(Sheet& sheet, const Look& look, const Pictures& pictures) {
    sheet.Preview(TitleBarPreview(look, pictures, 0, 0), QStringLiteral("title bar, normal"));
    sheet.Preview(TitleBarPreview(look, pictures, 1, 2),
                  QStringLiteral("close mouse on, minimise pressed"));
    sheet.Preview(ButtonPreview(look, pictures),
                  QStringLiteral("buttons 80 x 27 and 49 x 25: normal, mouse on, pressed"));
}

void StyleSection(Sheet& sheet, const Look& look, const QString& folder,
                  const std::vector<Artwork>& artwork) {
    sheet.Heading(QString::fromLatin1(look.prefix));
    LookPreviews(sheet, look, BuiltInPictures(look, folder));
    for (const Artwork& art : artwork)
        if (InStyle(art.name, look))
            sheet.Tile(LoadChecked(folder, art));
}

} // namespace

QImage RenderContactSheet(const QString& skinFolder, const QString& iconFile) {
    const std::vector<Artwork> artwork = AllArtwork();
    Sheet sheet;
    for (Style style : AllStyles())
        StyleSection(sheet, LookOf(style), skinFolder, artwork);

    sheet.Heading(QStringLiteral("Shared pictures and the program icon"));
    for (const Artwork& art : artwork)
        if (std::none_of(AllStyles().begin(), AllStyles().end(),
                         [&art](Style style) { return InStyle(art.name, LookOf(style)); }))
            sheet.Tile(LoadChecked(skinFolder, art));
    QImageReader icons(iconFile);
    for (int i = 0; i < icons.imageCount(); ++i) {
        icons.jumpToImage(i);
        const QImage icon = icons.read();
        sheet.Tile({icon,
                    QStringLiteral("MAINICON image %1\n%2 x %3")
                        .arg(i + 1)
                        .arg(icon.width())
                        .arg(icon.height()),
                    1, icon.isNull()});
    }
    return sheet.Result();
}

QImage RenderThemeSheet(const Look& look, const QString& themeFolder) {
    Sheet sheet;
    sheet.Heading(QStringLiteral("%1 theme folder").arg(QLatin1String(look.prefix)));
    LookPreviews(sheet, look, {themeFolder, ThemeKeyOf});
    sheet.Preview(ColourPreview(themeFolder),
                  QStringLiteral("theme.txt: menu bar, menu and selection, control, tool-bar "
                                 "buttons up and down"));
    for (const Artwork& art : ThemeArtwork(look))
        sheet.Tile(LoadChecked(themeFolder, art));
    return sheet.Result();
}

} // namespace art
