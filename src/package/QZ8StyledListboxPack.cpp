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
void Register(const char* include, const char* tip, const QString& initials, bool container = false)
{
    TRegisteredComponent c = ComponentOf<T>(kPage, QString::fromLatin1(include), Tip(tip), container);
    c.Icon = InitialsIcon(initials);
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
    Register<TTransparentContainingGroup>(h, QT_TRANSLATE_NOOP("qz8", "A transparent group that holds controls"), "TG",
                                          true);
    Register<TContainBox>(h, QT_TRANSLATE_NOOP("qz8", "A box that holds controls in its parent's colour"), "CB", true);
    Register<TMyAdvTreeView>(h, QT_TRANSLATE_NOOP("qz8", "A tree view in the suite's style"), "TV");
    Register<TMyAdvListView>(h, QT_TRANSLATE_NOOP("qz8", "A list view in the suite's style"), "LV");
    Register<TStyledListbox>(h, QT_TRANSLATE_NOOP("qz8", "A list box of texts and values in the suite's style"), "SL");
    Register<TStyledListboxOwnerDrawnFixed>(h, QT_TRANSLATE_NOOP("qz8", "A styled list box of fixed row height"), "SF");
    Register<TNotepadGrabPanel>(h, QT_TRANSLATE_NOOP("qz8", "Page margins the user drags"), "NP");
}

void ColourListBoxesAndCombos_Register()
{
    const char* h = "QZ8StyledListboxPack/controls/ColourListBoxesAndCombos.h";
    Register<TColourSharingListbox>(h, QT_TRANSLATE_NOOP("qz8", "A list of colours, shared or its own"), "CL");
    Register<TColourSharingCombo>(h, QT_TRANSLATE_NOOP("qz8", "A colour combo with a label"), "CC");
}

void FileFolderOpenDlgU_Register()
{
    TRegisteredComponent c =
        ComponentOf<TMyOpenFolderDialog>(kPage, QStringLiteral("QZ8StyledListboxPack/controls/FileFolderOpenDlgU.h"),
                                         Tip(QT_TRANSLATE_NOOP("qz8", "A folder or file chooser")));
    // Its palette image is the "TMYOPENFOLDERDIALOG" bitmap.
    QPixmap pix(QStringLiteral(":/qz8/TMYOPENFOLDERDIALOG.bmp"));
    if (!pix.isNull())
        pix.setMask(pix.createMaskFromColor(QColor(128, 128, 0)));
    c.Icon = QIcon(pix);
    RegisterComponent(std::move(c));
}

void My_TMSAdvOfficePagerU_Register()
{
    Register<TQZAdvOfficePager>("QZ8StyledListboxPack/package/My_TMSAdvOfficePagerU.h",
                                QT_TRANSLATE_NOOP("qz8", "Pages on tabs"), "PG");
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
