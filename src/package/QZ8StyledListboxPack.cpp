// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "package/QZ8StyledListboxPack.h"
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/FileFolderOpenDlgU.h"
#include "controls/My_StyledTMSComponents.h"
#include "external/Tool_image_basics.h"
#include "package/My_TMSAdvOfficePagerU.h"
#include "toolkit/Registration.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>

namespace qz8 {

namespace {

const QString kPage = QStringLiteral("Samples");

QString Tip(const char* text) { return QCoreApplication::translate("qz8", text); }

// A palette image drawn from the component's initials, for components
// without a bitmap of their own.
QIcon InitialsIcon(const QString& initials)
{
    QPixmap pix(22, 22);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setPen(QColor(40, 70, 120));
    p.setBrush(QColor(214, 226, 244));
    p.drawRoundedRect(QRectF(0.5, 0.5, 21, 21), 3, 3);
    QFont f = p.font();
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.drawText(pix.rect(), Qt::AlignCenter, initials);
    return QIcon(pix);
}

template <class T>
void Register(const char* include, const char* tip, const char* whatsThis, const QString& initials,
              bool container = false)
{
    TRegisteredComponent c = ComponentOf<T>(kPage, QString::fromLatin1(include), Tip(tip), container);
    c.Icon = InitialsIcon(initials);
    c.WhatsThis = Tip(whatsThis);
    RegisterComponent(std::move(c));
}

} // namespace

void InitializePackage() { CreateMasterImageLists(); }

void FinalizePackage() { FreeMasterImageLists(); }

bool PackageLoaded() { return MasterImageListsExist(); }

const TPackageInfo& PackageInfoTable()
{
    static const TPackageInfo info{
        {QStringLiteral("dialog_stuff"), QStringLiteral("FileFolderOpenDlgU"), QStringLiteral("My_TMSAdvOfficePagerU"),
         QStringLiteral("My_StyledTMSComponents"), QStringLiteral("graphics_utilities"),
         QStringLiteral("ReadAndSaveIni"), QStringLiteral("user_and_system_utils"), QStringLiteral("Drive_Utils"),
         QStringLiteral("ColourListBoxesAndCombos"), QStringLiteral("tool_imagelist_master"),
         QStringLiteral("components_and_ControlsU_base"), QStringLiteral("baseTMSStyleable_F")},
        {QStringLiteral("Qt6Core"), QStringLiteral("Qt6Gui"), QStringLiteral("Qt6Widgets"), QStringLiteral("Qt6Svg"),
         QStringLiteral("Qt6DBus")}};
    return info;
}

void My_StyledTMSComponents_Register()
{
    const char* h = "QZ8StyledListboxPack/controls/My_StyledTMSComponents.h";
    Register<TTransparentContainingGroup>(
        h, QT_TRANSLATE_NOOP("qz8", "A transparent group that holds controls"),
        QT_TRANSLATE_NOOP("qz8",
                          "Groups controls under a caption and shows its parent's background through. The controls on "
                          "it are kept in the form state file with the window's others (by their object names)."),
        "TG", true);
    Register<TContainBox>(
        h, QT_TRANSLATE_NOOP("qz8", "A box that holds controls in its parent's colour"),
        QT_TRANSLATE_NOOP(
            "qz8", "Holds controls in its parent's colour, without a frame, so that a group of controls moves and "
                   "hides together. The controls on it are kept in the form state file with the window's others."),
        "CB", true);
    Register<TMyAdvTreeView>(
        h, QT_TRANSLATE_NOOP("qz8", "A tree view in the suite's style"),
        QT_TRANSLATE_NOOP("qz8",
                          "A tree of items in the suite's style: its colours (frameColor, backgroundColor) follow the "
                          "window's style. Its header (column widths and order) is kept in the form state file."),
        "TV");
    Register<TMyAdvListView>(
        h, QT_TRANSLATE_NOOP("qz8", "A list view in the suite's style"),
        QT_TRANSLATE_NOOP(
            "qz8",
            "Rows and columns in the suite's style: ItemHeight sets every row's height, the header's and selection's "
            "colours follow the window's style. Its header (column widths and order) is kept in the form state file."),
        "LV");
    Register<TStyledListbox>(
        h, QT_TRANSLATE_NOOP("qz8", "A list box of texts and values in the suite's style"),
        QT_TRANSLATE_NOOP("qz8",
                          "A list of words and numbers in the suite's style: numbers are right-aligned as the locale "
                          "writes them, long paths are shortened. Style picks plain or virtual rows (set Count and "
                          "OnGetStringAndInt in code); MultiSelect and ExtendedSelect the selection. It is kept in the "
                          "form state file while MEMINI_include_Listboxes is on (off by default)."),
        "SL");
    Register<TStyledListboxOwnerDrawnFixed>(
        h, QT_TRANSLATE_NOOP("qz8", "A styled list box of fixed row height"),
        QT_TRANSLATE_NOOP("qz8", "A styled list whose rows all have the height the font gives. Otherwise as the styled "
                                 "list box: colours from the window's style, kept in the form state file while "
                                 "MEMINI_include_Listboxes is on (off by default)."),
        "SF");
    Register<TNotepadGrabPanel>(
        h, QT_TRANSLATE_NOOP("qz8", "Page margins the user drags"),
        QT_TRANSLATE_NOOP("qz8", "A page in miniature whose four margins the user drags with the mouse or the arrow "
                                 "keys; handleColor and Monochrome set its look. The panel keeps nothing in the form "
                                 "state file: the tool keeps the margins it reads from it."),
        "NP");
}

void ColourListBoxesAndCombos_Register()
{
    const char* h = "QZ8StyledListboxPack/controls/ColourListBoxesAndCombos.h";
    Register<TColourSharingListbox>(
        h, QT_TRANSLATE_NOOP("qz8", "A list of colours, shared or its own"),
        QT_TRANSLATE_NOOP("qz8",
                          "The suite's colours as a list, with their names and values (ShowText). UsesSharedArray "
                          "picks the suite's one shared colour array, which every shared colour control follows, or a "
                          "private copy; DefaultColour is marked. The selected colour is kept in the form state file."),
        "CL");
    Register<TColourSharingCombo>(
        h, QT_TRANSLATE_NOOP("qz8", "A colour combo with a label"),
        QT_TRANSLATE_NOOP("qz8", "A drop-down of the suite's colours, each row a swatch and its name, with an optional "
                                 "caption label (LabelCaption, LabelPosition, LabelMargin) that a layout gives room. "
                                 "The selected colour is kept in the form state file (key \"colour\")."),
        "CC");
}

void FileFolderOpenDlgU_Register()
{
    TRegisteredComponent c =
        ComponentOf<TMyOpenFolderDialog>(kPage, QStringLiteral("QZ8StyledListboxPack/controls/FileFolderOpenDlgU.h"),
                                         Tip(QT_TRANSLATE_NOOP("qz8", "A folder or file chooser")));
    c.WhatsThis = Tip(QT_TRANSLATE_NOOP(
        "qz8", "A folder (or file) field with a browse button that opens the chooser; OnlyFolderAllowed picks folders "
               "or files. The path (FolderOrFile) is kept in the form state file."));
    // Its palette image is the "TMYOPENFOLDERDIALOG" bitmap.
    QPixmap pix(QStringLiteral(":/qz8/TMYOPENFOLDERDIALOG.bmp"));
    if (!pix.isNull())
        pix.setMask(pix.createMaskFromColor(QColor(128, 128, 0)));
    c.Icon = QIcon(pix);
    RegisterComponent(std::move(c));
}

void My_TMSAdvOfficePagerU_Register()
{
    Register<TQZAdvOfficePager>(
        "QZ8StyledListboxPack/package/My_TMSAdvOfficePagerU.h", QT_TRANSLATE_NOOP("qz8", "Pages on tabs"),
        QT_TRANSLATE_NOOP("qz8",
                          "Pages on tabs: ActivePage, CloseOnTab with FreeOnClose, MultiLine (every tab in view), "
                          "PageMargin, ShowTabHint (a page's tool tip on its tab) and TabReorder. The current page is "
                          "kept in the form state file; the controls on the pages with the window's others."),
        "PG");
}

void RegisterPackageComponents()
{
    My_StyledTMSComponents_Register();
    ColourListBoxesAndCombos_Register();
    FileFolderOpenDlgU_Register();
    My_TMSAdvOfficePagerU_Register();
}

const char* LibraryVersionString() { return QZ8_VERSION_STRING; }

} // namespace qz8
