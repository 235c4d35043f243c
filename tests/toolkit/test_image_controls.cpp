// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Controls that show images of a list: the one image-button block behind
// every button kind, menus and tool bars, and icons that follow their list.
#include "external/TmsControls.h"
#include "toolkit/ImageControls.h"

#include <QMenu>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace qz8;

namespace {

QImage Filled(QRgb colour)
{
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(colour);
    return img;
}

QRgb IconPixel(const QIcon& icon)
{
    if (icon.isNull())
        return 0;
    return icon.pixmap(16, 16).toImage().pixel(8, 8);
}

} // namespace

TEST(ImageButtons, EveryButtonKindShowsItsImageThroughOneInterface)
{
    TImageList list;
    list.Add(Filled(qRgb(255, 0, 0)));
    list.Add(Filled(qRgb(0, 255, 0)));
    TButton button;
    TAdvGlowButton glow;
    TAdvToolButton tool;
    TAdvSmoothButton smooth;
    for (QWidget* w : std::initializer_list<QWidget*>{&button, &glow, &tool, &smooth}) {
        auto* shower = qobject_cast<IImageShower*>(w);
        ASSERT_NE(shower, nullptr) << w->metaObject()->className();
        EXPECT_EQ(shower->ImageIndex(), -1);
        shower->SetImages(&list);
        shower->SetImageIndex(1);
        EXPECT_EQ(shower->Images(), &list);
        EXPECT_EQ(IconPixel(static_cast<QAbstractButton*>(w)->icon()), qRgb(0, 255, 0)) << w->metaObject()->className();
        // The published properties reach the same state.
        EXPECT_EQ(w->property("ImageIndex").toInt(), 1);
    }
    EXPECT_EQ(tool.ImageList(), &list);
    EXPECT_EQ(tool.property("ImageList").value<TImageList*>(), &list);
    EXPECT_FALSE(smooth.FollowsImageDimension());
    EXPECT_TRUE(glow.FollowsImageDimension());

    // The list changes: every button shows the new image at once.
    list.Clear();
    list.Add(Filled(qRgb(0, 0, 255)));
    list.Add(Filled(qRgb(255, 255, 0)));
    EXPECT_EQ(IconPixel(button.icon()), qRgb(255, 255, 0));
    EXPECT_EQ(IconPixel(smooth.icon()), qRgb(255, 255, 0));
    // An index outside the list, or no list, shows no image.
    button.SetImageIndex(5);
    EXPECT_TRUE(button.icon().isNull());
    glow.SetImages(nullptr);
    EXPECT_TRUE(glow.icon().isNull());
}

TEST(ImageButtons, AListDeletedUnderAButtonIsForgotten)
{
    TButton button;
    auto list = std::make_unique<TImageList>();
    list->Add(Filled(qRgb(1, 2, 3)));
    button.SetImages(list.get());
    button.SetImageIndex(0);
    list.reset();
    EXPECT_EQ(button.Images(), nullptr);
    button.SetImageIndex(0); // no list: nothing to show, nothing touched
    EXPECT_TRUE(button.icon().isNull());
}

TEST(ImageContainers, MenuItemsAndToolButtonsTakeTheirContainersList)
{
    TImageList list;
    list.Add(Filled(qRgb(10, 20, 30)));
    list.Add(Filled(qRgb(40, 50, 60)));
    TMainMenu menu;
    TMenuItem* file = menu.Add("File", 1);
    TMenuItem* open = file->Add("Open", 2);
    file->AddSeparator();
    open->SetImageIndex(1);
    EXPECT_TRUE(open->icon().isNull()); // no list yet
    menu.SetImages(&list);
    EXPECT_EQ(IconPixel(open->icon()), qRgb(40, 50, 60));
    ASSERT_EQ(file->Items().size(), 2);
    EXPECT_TRUE(file->Items()[1]->IsLine());

    TToolBar bar;
    auto* b = new TToolButton(&bar);
    b->SetImageIndex(0);
    bar.SetImages(&list);
    EXPECT_EQ(IconPixel(b->icon()), qRgb(10, 20, 30));
    EXPECT_EQ(b->iconSize(), QSize(16, 16));
    EXPECT_EQ(b->toolButtonStyle(), Qt::ToolButtonIconOnly);

    // A button whose command has no image shows its words, not an empty face.
    auto* words = new TToolButton(&bar);
    words->setToolTip(QStringLiteral("Concordance"));
    words->SetImageIndex(7);
    EXPECT_TRUE(words->icon().isNull());
    EXPECT_EQ(words->text(), QStringLiteral("Concordance"));
    EXPECT_EQ(words->toolButtonStyle(), Qt::ToolButtonTextOnly);
    words->SetImageIndex(1); // an image comes: the image alone
    EXPECT_EQ(words->toolButtonStyle(), Qt::ToolButtonIconOnly);
}

TEST(ImageButtons, AButtonWithOtherChildrenIsStillNamedByItsToolTip)
{
    // Children of the button's own (a timer, an animation, a tool's helper
    // object) are not the object that names it: it is named all the same,
    // and named again when its tool tip changes.
    TButton button;
    new QObject(&button);
    new QTimer(&button);
    button.setToolTip("Open a corpus");
    button.SetImageIndex(0);
    EXPECT_EQ(button.accessibleName(), "Open a corpus");
    button.setToolTip("Save the results");
    EXPECT_EQ(button.accessibleName(), "Save the results");
    TToolButton tool(nullptr);
    new QTimer(&tool);
    tool.setToolTip("Count words");
    tool.SetImageIndex(0);
    EXPECT_EQ(tool.accessibleName(), "Count words");
}
