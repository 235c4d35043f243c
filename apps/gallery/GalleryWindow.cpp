// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
#include "GalleryWindow.h"
#include "external/Tool_tables.h"
#include "toolkit/Dialogs.h"
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include "controls/ColourListBoxesAndCombos.h"
#include "controls/FileFolderOpenDlgU.h"
#include "controls/My_StyledTMSComponents.h"
#include "dialogs/dialog_stuff.h"
#include "graphics/graphics_utilities.h"
#include "imagelists/tool_imagelist_master.h"
#include "toolkit/Grids.h"
#include "toolkit/ImageControls.h"

#include "external/ElPack.h"
#include "external/FilterCombo.h"
#include "external/TmsControls.h"
#include "i18n/Translations.h"
#include "settings/ReadAndSaveIni.h"
#include "toolkit/Canvas.h"
#include "toolkit/ColorBox.h"
#include "toolkit/ListBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidgetItem>
#include <QTreeWidgetItem>
#include <QVBoxLayout>
#include <tuple>

using namespace qz8;

namespace {
// The suite's command numbers of the gallery's commands.
constexpr int kCmOpen = 1, kCmSave = 2, kCmSearch = 3, kCmSort = 4, kCmChart = 5, kCmPalette = 6, kCmText = 7,
              kCmConcordance = 9, kCmInfo = 10, kCmHelp = 12;
} // namespace

namespace {

// A small picture drawn through the canvas: the GDI drawing calls at work.
QLabel* CanvasDemo(QWidget* parent)
{
    // Drawn at the screen's device pixels: sharp at any scale.
    TBitmap bmp(220, 90);
    bmp.SetDevicePixelRatio(parent->devicePixelRatioF());
    TCanvas& c = bmp.Canvas();
    c.Brush.Color = clWhite;
    c.FillRect(Rect(0, 0, 220, 90));
    c.Pen.Color = clNavy;
    c.Brush.Color = RGB(0xCC, 0xDD, 0xFF);
    c.Rectangle(8, 8, 70, 50);
    c.Brush.Color = RGB(0xFF, 0xCC, 0x66);
    c.Ellipse(80, 8, 140, 50);
    c.Brush.Color = RGB(0x99, 0xDD, 0x99);
    c.Polygon({{150, 50}, {180, 8}, {210, 50}});
    c.Brush.Style = bsClear;
    c.Font.Color = clBlack;
    TRect r = Rect(8, 58, 212, 84);
    DrawTextW(c.Handle(), QStringLiteral("Canvas && DrawTextW"), r, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap::fromImage(bmp.Image()));
    return label;
}

} // namespace

GalleryWindow::GalleryWindow(QWidget* parent, const QString& stateFile)
    : TTMSStyleableRepositoryForm(parent), fStateFile(stateFile)
{
    setObjectName(QStringLiteral("GalleryWindow"));
    setWindowTitle(tr("QZ8StyledListboxPack gallery"));
    // Menu items carry their command numbers in Tag; the icons follow.
    auto* menu = new TMainMenu(this);
    menu->setObjectName(QStringLiteral("MainMenu"));
    setMenuBar(menu);
    TMenuItem* file = menu->Add(tr("&File"));
    file->Add(tr("&Open..."), kCmOpen);
    file->Add(tr("&Save"), kCmSave);
    file->AddSeparator();
    connect(file->Add(tr("E&xit")), &QAction::triggered, this, &QWidget::close);
    TMenuItem* styles = menu->Add(tr("&Style"));
    for (int i = 0; i < TTMSStyleCount; ++i) {
        const auto style = static_cast<TTMSStyle>(i);
        connect(styles->Add(TMSStyleName(style), kCmPalette), &QAction::triggered, this,
                [this, style] { ApplyStyle(style); });
    }
    styles->AddSeparator();
    connect(styles->Add(tr("&Tell the running tools"), -kCmInfo), &QAction::triggered, this,
            [] { BroadcastStyle(Global_TMSStyle); });
    // The library's own texts (dialog titles, file types, "n/a") in the
    // language chosen; the next paint or dialog shows them.
    TMenuItem* languages = menu->Add(tr("&Language"));
    for (const auto& [name, language] :
         {std::pair{"English", QLocale::English}, {"Deutsch", QLocale::German}, {"Fran\u00e7ais", QLocale::French}}) {
        const QLocale locale(language);
        connect(languages->Add(QString::fromUtf8(name)), &QAction::triggered, this,
                [this, locale] { SetLanguage(locale); });
    }
    TMenuItem* help = menu->Add(tr("&Help"));
    help->Add(tr("&Contents"), kCmHelp);

    auto* tools = new TToolBar(this);
    tools->setObjectName(QStringLiteral("ToolBar1"));
    addToolBar(tools);
    const std::pair<int, QString> toolCommands[] = {{kCmOpen, tr("Open")},     {kCmSave, tr("Save")},
                                                    {kCmSearch, tr("Search")}, {kCmSort, tr("Sort")},
                                                    {kCmChart, tr("Chart")},   {kCmConcordance, tr("Concordance")}};
    for (const auto& [command, purpose] : toolCommands) {
        auto* b = new TToolButton(tools);
        b->setObjectName(QStringLiteral("ToolButton%1").arg(command));
        b->setProperty("command", command);
        b->setToolTip(purpose); // also its name for screen readers
    }

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Style:"), central));
    fStyleCombo = new QComboBox(central);
    for (int i = 0; i < TTMSStyleCount; ++i)
        fStyleCombo->addItem(TMSStyleName(static_cast<TTMSStyle>(i)));
    top->addWidget(fStyleCombo);
    top->addStretch(1);
    layout->addLayout(top);
    fTabs = new QTabWidget(central);
    fTabs->addTab(BuildStyledListPage(), tr("Styled list boxes"));
    fTabs->addTab(BuildColourPage(), tr("Colour pickers"));
    fTabs->addTab(BuildPlatformPage(), tr("List and colour boxes"));
    fTabs->addTab(BuildPersistedPage(), tr("Persisted controls"));
    fTabs->addTab(BuildIconPage(), tr("Icons and density"));
    fTabs->addTab(BuildFilesPage(), tr("Files and folders"));
    fTabs->addTab(BuildViewsPage(), tr("Margins and views"));
    fTabs->addTab(BuildDrawingPage(), tr("Drawing"));
    layout->addWidget(fTabs, 1);
    setCentralWidget(central);
    auto* status = new TAdvOfficeStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(status);
    status->AddPanel(tr("Ready"));
    status->AddPanel(tr("Corpus: 12 texts"));
    AttachIcons();
    connect(fStyleCombo, &QComboBox::currentIndexChanged, this,
            [this](int i) { ApplyStyle(static_cast<TTMSStyle>(i)); });
    resize(900, 600);
    if (!fStateFile.isEmpty()) {
        MEMINI_include_Listboxes = true;
        MEMINI_include_Memos = true;
    }
    AddAFormStyler(this);
    MudancaDeEstilo(this);
}

QWidget* GalleryWindow::BuildPlatformPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    auto* list = new TListBox(page);
    list->setObjectName(QStringLiteral("ListBox1"));
    list->setAccessibleName(tr("Fruit"));
    for (const char* s : {"Apple", "Banana", "Cherry", "Damson", "Elderberry", "Fig", "Grape"})
        list->Items().Add(QString::fromLatin1(s));
    list->SetItemIndex(2);
    grid->addWidget(new QLabel(tr("TListBox"), page), 0, 0);
    grid->addWidget(list, 1, 0);

    auto* checks = new TCheckListBox(page);
    checks->setObjectName(QStringLiteral("CheckListBox1"));
    checks->setAccessibleName(tr("Analyses"));
    for (const char* s : {"Word counts", "Collocations", "Concordance", "Key words"})
        checks->Items().Add(QString::fromLatin1(s));
    checks->SetChecked(0, true);
    checks->SetChecked(2, true);
    grid->addWidget(new QLabel(tr("TCheckListBox"), page), 0, 1);
    grid->addWidget(checks, 1, 1);

    auto* virt = new TListBox(page);
    virt->setObjectName(QStringLiteral("VirtualList"));
    virt->setAccessibleName(tr("Virtual rows"));
    virt->SetStyle(TCustomListBox::lbVirtual);
    virt->OnData = [](QWidget*, int index, QString& text) { text = QStringLiteral("Virtual row %1").arg(index); };
    virt->SetCount(10'000'000);
    grid->addWidget(new QLabel(tr("Virtual TListBox, 10,000,000 rows"), page), 0, 2);
    grid->addWidget(virt, 1, 2);

    auto* colours = new TCustomColorBox(page);
    colours->setObjectName(QStringLiteral("ColorBox1"));
    colours->AddColor(QStringLiteral("Red"), clRed);
    colours->AddColor(QStringLiteral("Green"), clGreen);
    colours->AddColor(QStringLiteral("Blue"), clBlue);
    colours->AddColor(QStringLiteral("Teal"), clTeal);
    colours->SetItemIndex(0);
    grid->addWidget(new QLabel(tr("TCustomColorBox"), page), 2, 0);
    grid->addWidget(colours, 3, 0);
    grid->addWidget(new QLabel(tr("TCanvas"), page), 2, 1);
    grid->addWidget(CanvasDemo(page), 3, 1);
    grid->setRowStretch(1, 1);
    return page;
}

// The rows of the styled lists; the decimals as the user's locale writes
// them, as a tool fills its rows.
QStringList GalleryWindow::StyledRows()
{
    const QLocale& l = UserDefaultFormatSettings.Locale;
    return {"1234",
            "-42",
            l.toString(1234.5, 'f', 1),
            l.toString(0.125, 'f', 3),
            "-999998",
            "-999999",
            "/home/analyst/corpora/english/novels/nineteenth-century/dickens/bleak_house.txt",
            "C:\\Corpora\\Parliament\\Debates\\1998\\session_04.txt",
            "collocation",
            "a plain row of text that is wider than the list box shows"};
}

void GalleryWindow::SetLanguage(const QLocale& locale)
{
    QLocale::setDefault(locale);
    UserDefaultFormatSettings = FormatSettingsFor(locale);
    LoadLibraryTranslation(locale);
    for (const char* name : {"StyledListbox1", "StyledFixed1"}) {
        if (auto* list = findChild<TStyledListbox*>(QString::fromLatin1(name))) {
            const int index = list->ItemIndex();
            list->Items().Clear();
            list->Items().AddStrings(StyledRows());
            list->SetItemIndex(index);
        }
    }
    if (fTabs && fTabs->currentWidget())
        fTabs->currentWidget()->update();
}

QWidget* GalleryWindow::BuildStyledListPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    const QStringList rows = StyledRows();
    auto* styled = new TStyledListbox(page);
    styled->setObjectName(QStringLiteral("StyledListbox1"));
    styled->setAccessibleName(tr("Word frequencies"));
    styled->setAccessibleDescription(tr("Words and values; type a word's first letters to go to it"));
    styled->Items().AddStrings(rows);
    styled->SetItemIndex(2);
    grid->addWidget(new QLabel(tr("TStyledListbox: numbers, sentinels, paths, text"), page), 0, 0);
    grid->addWidget(styled, 1, 0);

    auto* fixed = new TStyledListboxOwnerDrawnFixed(page);
    fixed->setAccessibleName(tr("Rows of fixed height"));
    fixed->setObjectName(QStringLiteral("StyledFixed1"));
    fixed->Items().AddStrings(rows);
    grid->addWidget(new QLabel(tr("TStyledListboxOwnerDrawnFixed"), page), 0, 1);
    grid->addWidget(fixed, 1, 1);

    auto* virt = new TStyledListbox(page);
    virt->setObjectName(QStringLiteral("StyledVirtual"));
    virt->setAccessibleName(tr("Frequencies, virtual"));
    virt->SetStyle(TCustomListBox::lbVirtualOwnerDraw);
    virt->OnGetStringAndInt = [](QObject*, int index, TStringAndIntegerRec& rec) {
        // Every seventh row is text, every fifth a decimal, the rest counts.
        if (index % 7 == 0)
            rec.S = QStringLiteral("row %1").arg(index);
        else if (index % 5 == 0)
            rec.S = UserDefaultFormatSettings.Locale.toString(index / 7.0, 'f', 3);
        else
            rec.S = QString::number(index);
        rec.I = index;
    };
    virt->SetCount(10'000'000);
    grid->addWidget(new QLabel(tr("TStyledListbox fed row by row: 10,000,000 rows"), page), 0, 2);
    grid->addWidget(virt, 1, 2);

    auto* box = new TContainBox(page);
    auto* boxLayout = new QHBoxLayout(box);
    boxLayout->addWidget(new QLabel(tr("TContainBox holding a label and"), box));
    boxLayout->addWidget(new QCheckBox(tr("a check box"), box));
    grid->addWidget(box, 2, 0, 1, 2);
    auto* group = new TTransparentContainingGroup(page);
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(new QLabel(tr("TTransparentContainingGroup"), group));
    grid->addWidget(group, 2, 2);
    grid->setRowStretch(1, 1);
    return page;
}

QWidget* GalleryWindow::BuildColourPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* shared = new TColourSharingListbox(page);
    shared->setAccessibleName(tr("Shared colours"));
    shared->setAccessibleDescription(tr("Colours of the shared array, with index, value and name"));
    shared->setObjectName(QStringLiteral("SharedColours"));
    shared->SetShowText(ShowBit(ts_index) | ShowBit(ts_hex) | ShowBit(ts_description));
    shared->SetDefaultColour(FromQColor(QColor(QStringLiteral("steelblue"))));
    grid->addWidget(new QLabel(tr("Shared array: index, hex and name"), page), 0, 0);
    grid->addWidget(shared, 1, 0);

    auto* own = new TColourSharingListbox(page);
    own->setAccessibleName(tr("Own colours"));
    own->setObjectName(QStringLiteral("OwnColours"));
    own->SetUseSharedArray(false);
    own->SortTheColours(csByHue);
    grid->addWidget(new QLabel(tr("Own copy, sorted by hue"), page), 0, 1);
    grid->addWidget(own, 1, 1);

    auto* side = new QWidget(page);
    auto* sideLayout = new QVBoxLayout(side);
    auto* combo = new TColourSharingCombo(side);
    combo->setAccessibleName(tr("Highlight colour"));
    combo->setObjectName(QStringLiteral("ColourCombo"));
    combo->setMinimumWidth(180);
    auto* comboRow = new QHBoxLayout;
    comboRow->addSpacing(90);
    comboRow->addWidget(combo);
    sideLayout->addSpacing(30);
    sideLayout->addLayout(comboRow);
    combo->SetLabelCaption(tr("&Highlight:"));
    combo->SetLabelPosition(lpLeftCenter);
    combo->SetSelected(FromQColor(QColor(QStringLiteral("gold"))));
    sideLayout->addSpacing(20);
    sideLayout->addWidget(new QLabel(tr("Sort the shared array:"), side));
    auto* sorter = new QComboBox(side);
    sorter->addItems({tr("by name"), tr("by value"), tr("by hue"), tr("by luminance"), tr("by saturation")});
    connect(sorter, &QComboBox::currentIndexChanged, this, [shared](int kind) {
        // Every shared-mode list box and combo reorders at once.
        shared->SortTheColours(static_cast<TColorArraySortType>(kind));
    });
    sideLayout->addWidget(sorter);
    sideLayout->addStretch(1);
    grid->addWidget(side, 1, 2);
    grid->setRowStretch(1, 1);
    return page;
}

QWidget* GalleryWindow::BuildIconPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* buttonRow = new QHBoxLayout;
    auto* button = new TButton(page);
    button->setText(tr("Open"));
    button->setObjectName(QStringLiteral("IconButton"));
    button->setProperty("command", kCmOpen);
    auto* glow = new TAdvGlowButton(page);
    glow->setText(tr("Search"));
    glow->setObjectName(QStringLiteral("GlowButton"));
    glow->setProperty("command", kCmSearch);
    auto* tool = new TAdvToolButton(page);
    tool->setObjectName(QStringLiteral("AdvToolButton"));
    tool->setToolTip(tr("Sort"));
    tool->setProperty("command", kCmSort);
    auto* smooth = new TAdvSmoothButton(page);
    smooth->setText(tr("Chart"));
    smooth->setObjectName(QStringLiteral("SmoothButton"));
    smooth->setProperty("command", kCmChart);
    for (QWidget* w : std::initializer_list<QWidget*>{button, glow, tool, smooth})
        buttonRow->addWidget(w);
    buttonRow->addStretch(1);
    grid->addLayout(buttonRow, 0, 0, 1, 2);

    auto* pager = new TAdvOfficePager(page);
    pager->setObjectName(QStringLiteral("Pager1"));
    pager->setAccessibleName(tr("Result pages"));
    const std::pair<int, QString> pages[] = {
        {kCmChart, tr("Frequencies")}, {kCmConcordance, tr("Concordance")}, {kCmText, tr("Texts")}};
    for (const auto& [command, title] : pages) {
        auto* p = new TAdvOfficePage;
        p->setProperty("command", command);
        auto* l = new QVBoxLayout(p);
        l->addWidget(new QLabel(tr("A page with the icon of command %1.").arg(command), p));
        pager->addTab(p, title);
    }
    grid->addWidget(pager, 1, 0, 1, 2);

    // The other controls that the density correction adjusts.
    auto* more = new QHBoxLayout;
    auto* gridCtl = new TDrawGrid(3, 3, page);
    gridCtl->setObjectName(QStringLiteral("DrawGrid1"));
    gridCtl->setAccessibleName(tr("Products"));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            gridCtl->setItem(r, c, new QTableWidgetItem(QString::number((r + 1) * (c + 2))));
    auto* view = new TAdvListView(page);
    view->setObjectName(QStringLiteral("ListView1"));
    view->setAccessibleName(tr("Word counts"));
    view->setHeaderLabels({tr("Word"), tr("Count")});
    for (const auto& [word, count] : {std::pair{"the", "6402"}, {"of", "3311"}, {"river", "97"}})
        new QTreeWidgetItem(view, {QString::fromLatin1(word), QString::fromLatin1(count)});
    auto* side = new QVBoxLayout;
    auto* tabs = new TAdvOfficeTabSet(page);
    tabs->setObjectName(QStringLiteral("TabSet1"));
    tabs->addTab(tr("Corpus"));
    tabs->addTab(tr("Reference"));
    auto* progress = new TAdvProgressBar(page);
    progress->setObjectName(QStringLiteral("Progress1"));
    progress->setValue(62);
    auto* picture = new TImage(page);
    picture->setObjectName(QStringLiteral("Image1"));
    TBitmap art(64, 32);
    art.Canvas().Brush.Color = RGB(0x33, 0x66, 0xCC);
    art.Canvas().FillRect(Rect(0, 0, 64, 32));
    art.Canvas().Brush.Color = RGB(0xEE, 0xB2, 0x30);
    art.Canvas().Ellipse(8, 4, 56, 28);
    picture->SetPicture(art.Image());
    side->addWidget(tabs);
    side->addWidget(progress);
    side->addWidget(picture);
    more->addWidget(gridCtl);
    more->addWidget(view);
    more->addLayout(side);
    grid->addLayout(more, 2, 0, 1, 2);

    grid->addWidget(new QLabel(tr("Screen density (pixels per inch):"), page), 3, 0);
    auto* density = new QComboBox(page);
    for (int ppi : {96, 120, 144, 192, 240})
        density->addItem(QString::number(ppi), ppi);
    grid->addWidget(density, 3, 1);
    fDensityInfo = new QLabel(page);
    grid->addWidget(fDensityInfo, 4, 0, 1, 2);
    connect(density, &QComboBox::currentIndexChanged, this, [this, density](int i) {
        // What the system sends when the window moves to a screen of
        // another density.
        const int ppi = density->itemData(i).toInt();
        TRect suggested = Bounds(x(), y(), width() * ppi / PixelsPerInch(), height() * ppi / PixelsPerInch());
        TMessage m{WM_DPICHANGED, static_cast<std::uintptr_t>(ppi | (ppi << 16)),
                   reinterpret_cast<std::intptr_t>(&suggested), 0};
        WMDpiChanged(m);
    });
    grid->setRowStretch(1, 1);
    return page;
}

void GalleryWindow::AttachIcons()
{
    // Looked up, never made: menuBar() and statusBar() create bars.
    if (auto* menu = qobject_cast<TMainMenu*>(menuWidget()))
        SetImagesForListOfMenuItems(menu);
    for (TToolBar* bar : findChildren<TToolBar*>())
        for (TToolButton* b : bar->findChildren<TToolButton*>())
            SetImagesAndNumberForToolbarButton(bar, b, b->property("command").toInt());
    if (auto* status = findChild<TAdvOfficeStatusBar*>(QString(), Qt::FindDirectChildrenOnly)) {
        SetImagesAndNumberForStatusBarPanel(status, 0, kCmInfo);
        SetImagesAndNumberForStatusBarPanel(status, 1, kCmText);
    }
    for (TAdvOfficePager* pager : findChildren<TAdvOfficePager*>())
        for (TAdvOfficePage* p : pager->findChildren<TAdvOfficePage*>())
            SetImagesAndNumberForAdvOfficePager(pager, p, p->property("command").toInt());
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w->property("command").isValid() && !qobject_cast<TToolButton*>(w) && !qobject_cast<TAdvOfficePage*>(w))
            SetImagesAndNumberForButton(w, w->property("command").toInt());
    }
    // The smooth button is not one the attach operations serve: it is given
    // its list once and keeps it through density changes.
    if (auto* smooth = findChild<TAdvSmoothButton*>(QStringLiteral("SmoothButton")); smooth && !smooth->Images()) {
        smooth->SetImages(ImageListMain());
        smooth->SetImageIndex(ImageListMainNum(kCmChart, GlobalImageHeight));
    }
    if (fDensityInfo)
        fDensityInfo->setText(tr("%1 pixels per inch: image height %2, font scale %3")
                                  .arg(PixelsPerInch())
                                  .arg(GlobalImageHeight)
                                  .arg(GlobalMonitorFontScale));
}

void GalleryWindow::CorrigeFormScreenRes()
{
    TTMSStyleableRepositoryForm::CorrigeFormScreenRes();
    AttachIcons();
}

namespace {

// A page preview: the sheet on which the margin panel lies.
class PagePreview : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(Qt::gray);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// The drawing primitives on one canvas, in the current style's colours.
class DrawingBoard : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        TCanvas c(this);
        c.Attach(&painter);
        const TTMSStyle s = Global_TMSStyle;
        c.Brush.Color = GetABaseTMSBackgroundColour(s);
        c.FillRect(Rect(0, 0, width(), height()));
        c.Font = TFont(font(), GetABaseTMSTextColour(s));
        MyDrawGradient(c, GetABaseTMSGradientBackgroundDarkColour(s), GetABaseTMSGradientBackgroundLightColour(s), 64,
                       Rect(10, 10, 310, 50), true);
        MyDrawGradient(c, GetABaseTMSHighlightBackgroundColour(s), GetABaseTMSBackgroundColour(s), 32,
                       Rect(320, 10, 360, 170), false);
        // Period bands across a row, alternately shaded, with a circle in
        // the middle of each slot.
        const TRect row = Rect(10, 60, 310, 90);
        const double w = PeriodPxWidth(row, 6);
        for (int i = 0; i < 6; ++i) {
            const TOneTimePeriodRec p = PeriodRec(i, w);
            c.Brush.Color =
                i % 2 ? GetABaseTMSScrollDarkBackgroundColour(s) : GetABaseTMSGradientBackgroundLightColour(s);
            c.FillRect(Rect(row.Left + p.Left - 1, row.Top, row.Left + p.Right, row.Bottom));
            c.Brush.Color = GetABaseTMSHighlightBackgroundColour(s);
            ComputeCircleAndDrawit(c, GetABaseTMSTextColour(s), i + 1, 6, row);
        }
        // Markers: triangles up and down.
        c.Brush.Color = GetABaseTMSTextColour_SEARCHWORD(s);
        ComputeTriangleAndDrawit(c, GetABaseTMSTextColour(s), Rect(10, 100, 60, 130), true);
        ComputeTriangleAndDrawit(c, GetABaseTMSTextColour(s), Rect(10, 100, 90, 130), false);
        // A crown of 16 points.
        std::vector<TPoint> crown;
        for (int i = 0; i < 16; ++i)
            crown.push_back(CrownPos(i, 16, 30, {200, 140}));
        c.Brush.Color = GetABaseTMSTextColour_MOSTFREQUENT(s);
        c.Pen.Color = GetABaseTMSTextColour(s);
        c.Polygon(crown);
        c.Detach();
    }
};

} // namespace

QWidget* GalleryWindow::BuildViewsPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* preview = new PagePreview(page);
    preview->setObjectName(QStringLiteral("PagePreview"));
    preview->setFixedSize(210, 297);
    auto* margins = new TNotepadGrabPanel(preview);
    margins->setObjectName(QStringLiteral("MarginPanel"));
    margins->SetParentControl(preview);
    margins->SetToMargins({0.75f, 0.75f, 1.0f, 1.0f}, 210, 297);
    auto* shown = new QLabel(page);
    shown->setObjectName(QStringLiteral("MarginsInMm"));
    // The preview shows the A4 sheet at one pixel a millimetre.
    const auto showMargins = [margins, shown] {
        const TRect m = margins->MarginsInPixels();
        shown->setText(tr("Margins: left %1 mm, top %2 mm, right %3 mm, bottom %4 mm")
                           .arg(m.Left)
                           .arg(m.Top)
                           .arg(m.Right)
                           .arg(m.Bottom));
    };
    margins->OnStateMargins = [showMargins](QObject*, TRect) { showMargins(); };
    showMargins();
    grid->addWidget(preview, 0, 0, Qt::AlignTop);
    grid->addWidget(shown, 1, 0);

    auto* tree = new TMyAdvTreeView(page);
    tree->setObjectName(QStringLiteral("StyledTree"));
    tree->setAccessibleName(tr("Word clusters"));
    tree->setHeaderLabels({tr("Cluster"), tr("Frequency")});
    for (const auto& [word, count, subs] :
         {std::tuple{"river bank", "97", QStringList{"river banks", "the river bank"}},
          std::tuple{"high tide", "41", QStringList{"at high tide"}}, std::tuple{"low water", "12", QStringList{}}}) {
        auto* node = new QTreeWidgetItem(tree, QStringList{QString::fromLatin1(word), QString::fromLatin1(count)});
        for (const QString& sub : subs) {
            auto* child = new QTreeWidgetItem(node, QStringList{sub, QString()});
            TAdvTreeView::SetNodeUnnumbered(child, 1);
        }
        node->setExpanded(true);
    }
    auto* exportButton = new QPushButton(tr("Copy as tab-separated text"), page);
    exportButton->setObjectName(QStringLiteral("ExportTree"));
    connect(exportButton, &QPushButton::clicked, tree, [tree] {
        tree->CopyTreeToClipboard(tree, [](QObject*, TAdvTreeViewVirtualNode node, int column, TAdvTreeViewNodeTextMode,
                                           QString& text) { text = node->text(column); });
    });
    grid->addWidget(tree, 0, 1);
    grid->addWidget(exportButton, 1, 1);

    auto* list = new TMyAdvListView(page);
    list->setObjectName(QStringLiteral("StyledListView"));
    list->setAccessibleName(tr("Key words"));
    list->setHeaderLabels({tr("Key word"), tr("Keyness")});
    for (const auto& [word, keyness] : {std::pair{"estuary", "312.4"}, {"tide", "188.0"}, {"silt", "97.5"}})
        new QTreeWidgetItem(list, QStringList{QString::fromLatin1(word), QString::fromLatin1(keyness)});
    grid->addWidget(list, 0, 2);
    return page;
}

QWidget* GalleryWindow::BuildDrawingPage()
{
    auto* board = new DrawingBoard;
    board->setObjectName(QStringLiteral("DrawingBoard"));
    return board;
}

QWidget* GalleryWindow::BuildFilesPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    auto* folder = new TMyOpenFolderDialog(page);
    folder->setObjectName(QStringLiteral("FolderChooser1"));
    folder->setAccessibleName(tr("Corpus folder"));
    folder->SetText(QDir::homePath());
    form->addRow(tr("Corpus folder:"), folder);

    auto* useFile = new TAdvOfficeCheckBox(tr("Use a stop list"), page);
    useFile->setObjectName(QStringLiteral("UseStopList"));
    auto* file = new TMyOpenFileDialog(page);
    file->setObjectName(QStringLiteral("FileChooser1"));
    file->setAccessibleName(tr("Stop list file"));
    file->SetOnlyFolderAllowed(false);
    file->SetLinkedCheckbox(useFile);
    file->setEnabled(useFile->isChecked());
    connect(useFile, &QCheckBox::toggled, file, &QWidget::setEnabled);
    form->addRow(QString(), useFile);
    form->addRow(tr("Stop list:"), file);

    // The running tool's open dialog with its full filter.
    current_tool_var = tt_WordLister;
    auto* open = new QPushButton(tr("Open a saved list..."), page);
    open->setObjectName(QStringLiteral("OpenListButton"));
    auto* chosen = new QLabel(page);
    chosen->setObjectName(QStringLiteral("ChosenList"));
    connect(open, &QPushButton::clicked, this, [this, chosen] {
        TForceViewOpenFileDialog dialog;
        FormatFilterFor(&dialog, QDir::homePath(), DefaultExtFromToolType(current_tool_var), dfo_Details);
        if (dialog.Execute(this))
            chosen->setText(dialog.FileName());
    });
    form->addRow(tr("Saved lists:"), open);
    form->addRow(tr("Chosen:"), chosen);
    auto* filter =
        new QLabel(SuitableFilterForTool(tt_WordLister).replace(QLatin1Char('|'), QStringLiteral(" | ")), page);
    filter->setWordWrap(true);
    form->addRow(tr("Filter of WordLister:"), filter);
    return page;
}

QWidget* GalleryWindow::BuildPersistedPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* form = new QFormLayout;
    auto named = [](QWidget* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };

    auto* checkGroup = new TElCheckGroup(page);
    checkGroup->setTitle(tr("ElPack check group"));
    checkGroup->SetItems({tr("Ignore case"), tr("Whole words"), tr("Use wildcards")});
    named(checkGroup, "ElCheckGroup1");
    auto* radioGroup = new TAdvOfficeRadioGroup(page);
    radioGroup->setTitle(tr("Office radio group"));
    radioGroup->SetItems({tr("Sort by frequency"), tr("Sort alphabetically"), tr("Sort by length")});
    radioGroup->SetItemIndex(0);
    named(radioGroup, "AdvOfficeRadioGroup1");
    auto* plainGroup = new TRadioGroup(page);
    plainGroup->setTitle(tr("Radio group"));
    plainGroup->SetItems({tr("Left to right"), tr("Right to left")});
    plainGroup->SetItemIndex(0);
    named(plainGroup, "RadioGroup1");

    form->addRow(tr("Date:"), named(new TElDateTimePicker(page), "ElDateTimePicker1"));
    form->addRow(QString(), named(new TElCheckBox(tr("ElPack check box"), page), "ElCheckBox1"));
    form->addRow(QString(), named(new TAdvOfficeCheckBox(tr("Office check box"), page), "AdvOfficeCheckBox1"));
    form->addRow(QString(), named(new QCheckBox(tr("Plain check box"), page), "CheckBox1"));
    form->addRow(tr("Spin:"), named(new TElSpinEdit(page), "ElSpinEdit1"));
    auto* floatSpin = new TAdvSpinEdit(page);
    floatSpin->SetSpinType(TAdvSpinEdit::sptFloat);
    form->addRow(tr("Float spin:"), named(floatSpin, "AdvSpinEdit1"));
    form->addRow(QString(), named(new TElRadioButton(tr("ElPack radio button"), page), "ElRadioButton1"));
    form->addRow(QString(), named(new TAdvOfficeRadioButton(tr("Office radio button"), page), "AdvOfficeRadioButton1"));
    auto* combo = new TElComboBox(page);
    combo->Items().AddStrings({QStringLiteral("alpha"), QStringLiteral("beta")});
    combo->SetAutoHistory(true);
    form->addRow(tr("ElPack combo:"), named(combo, "ElComboBox1"));
    auto* filter = new TmyAdvFilterCombo(page);
    filter->SetFilter(tr("Text files (*.txt)|*.txt|Word lists (*.lst)|*.lst|All files (*.*)|*.*"));
    filter->BuildList();
    form->addRow(tr("Filter combo:"), named(filter, "FilterCombo1"));
    auto* tmsCombo = new TAdvCustomComboBox(page);
    tmsCombo->Items().AddStrings({QStringLiteral("first search"), QStringLiteral("second search")});
    form->addRow(tr("TMS combo:"), named(tmsCombo, "AdvComboBox1"));
    auto* password = new TElEdit(page);
    password->SetPasswordChar(QStringLiteral("*"));
    form->addRow(tr("Password:"), named(password, "PasswordEdit"));
    form->addRow(tr("File:"), named(new TElFileNameEdit(page), "ElFileNameEdit1"));
    form->addRow(tr("Folder:"), named(new TElFolderNameEdit(page), "ElFolderNameEdit1"));
    form->addRow(tr("Chooser:"), named(new TAdvEditBtn(page), "AdvEditBtn1"));
    form->addRow(tr("Plain edit:"), named(new QLineEdit(page), "Edit1"));

    auto* memo = new TElMemo(page);
    memo->SetText(tr("An ElPack memo.\nIts lines are kept when memos are persisted."));
    named(memo, "ElMemo1");
    memo->setAccessibleName(tr("Notes"));

    grid->addLayout(form, 0, 0, 3, 1);
    grid->addWidget(checkGroup, 0, 1);
    grid->addWidget(radioGroup, 1, 1);
    grid->addWidget(plainGroup, 2, 1);
    grid->addWidget(memo, 3, 0, 1, 2);
    return page;
}

void GalleryWindow::ApplyStyle(TTMSStyle style)
{
    Global_TMSStyle = style;
    MudancaDeEstilo(this);
}

void GalleryWindow::MudancaDeEstilo(QObject* Sender)
{
    // The styler gives the styled controls the style and the rest the
    // style's palette; the style chooser follows.
    TTMSStyleableRepositoryForm::MudancaDeEstilo(Sender);
    if (fStyleCombo && fStyleCombo->currentIndex() != Global_TMSStyle) {
        const QSignalBlocker block(fStyleCombo);
        fStyleCombo->setCurrentIndex(Global_TMSStyle);
    }
}

bool GalleryWindow::WriteScreenshots(const QString& dir)
{
    if (!QDir().mkpath(dir))
        return false;
    show();
    for (int i = 0; i < TTMSStyleCount; ++i) {
        const auto style = static_cast<TTMSStyle>(i);
        ApplyStyle(style);
        for (int tab = 0; tab < fTabs->count(); ++tab) {
            fTabs->setCurrentIndex(tab);
            QApplication::processEvents();
            const QString name = QStringLiteral("%1/gallery-style%2-tab%3.png").arg(dir).arg(i).arg(tab);
            if (!grab().save(name))
                return false;
        }
    }
    // The styled list boxes and colour pickers laid out right to left.
    setLayoutDirection(Qt::RightToLeft);
    for (int tab : {0, 1}) {
        fTabs->setCurrentIndex(tab);
        QApplication::processEvents();
        if (!grab().save(QStringLiteral("%1/gallery-rtl-tab%2.png").arg(dir).arg(tab)))
            return false;
    }
    setLayoutDirection(Qt::LeftToRight);
    fTabs->setCurrentIndex(0);
    // The chooser's file dialog, in the user's language throughout.
    TFileOpenDialog files;
    files.SetTitle(_QZSelectFiles());
    for (const TFileTypeRec& rec : {TXT_FileTypes(), XML_Filetypes(), All_FileTypes()})
        files.FileTypes().push_back({rec.DisplayName, rec.FileMask});
    files.SetOkButtonLabel(_QZSelect());
    // A folder of its own, so the picture shows sample files only.
    QTemporaryDir sample;
    for (const char* name : {"bleak_house.txt", "debates_1998.txt", "wordlist.xml"}) {
        QFile f(sample.filePath(QString::fromLatin1(name)));
        (void)f.open(QIODevice::WriteOnly);
    }
    files.SetDefaultFolder(sample.path());
    const std::unique_ptr<QFileDialog> dialog = files.MakeQtDialog(this);
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->resize(700, 450);
    dialog->show();
    QApplication::processEvents();
    const bool saved = dialog->grab().save(QStringLiteral("%1/gallery-chooser-dialog.png").arg(dir));
    dialog->close();
    return saved;
}
