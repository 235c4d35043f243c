// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// Every Qt input widget keeps its state in the form state file, and so do a
// tool's own widgets: through a USER property or a registered handler.
#include "controls/ColourListBoxesAndCombos.h"
#include "controls/My_StyledTMSComponents.h"
#include "helpers/user_property_widget.h"
#include "settings/ReadAndSaveIni.h"
#include "store/MemIniFile.h"
#include "test_util.h"
#include "toolkit/Forms.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDial>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBox>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace qz8;

namespace {

// A tool's own kind with a handler of its own: labels, here, keep their text
// under "place".
using Bookmark = QLabel;

template <class W>
W* Named(QWidget* parent, const char* name)
{
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

struct EveryKind {
    TForm form;
    QSpinBox* spin = Named<QSpinBox>(&form, "Spin");
    QDoubleSpinBox* dspin = Named<QDoubleSpinBox>(&form, "DSpin");
    QComboBox* fixed = Named<QComboBox>(&form, "Fixed");
    QComboBox* editable = Named<QComboBox>(&form, "Editable");
    QFontComboBox* font = Named<QFontComboBox>(&form, "Font");
    QSlider* slider = Named<QSlider>(&form, "Slider");
    QDial* dial = Named<QDial>(&form, "Dial");
    QScrollBar* bar = Named<QScrollBar>(&form, "Bar");
    QDateEdit* date = Named<QDateEdit>(&form, "Date");
    QTimeEdit* time = Named<QTimeEdit>(&form, "Time");
    QDateTimeEdit* stamp = Named<QDateTimeEdit>(&form, "Stamp");
    QKeySequenceEdit* keys = Named<QKeySequenceEdit>(&form, "Keys");
    QTabWidget* tabs = Named<QTabWidget>(&form, "Tabs");
    QLineEdit* onPage = nullptr;
    QStackedWidget* stack = Named<QStackedWidget>(&form, "Stack");
    QToolBox* toolbox = Named<QToolBox>(&form, "ToolBox");
    QSplitter* splitter = Named<QSplitter>(&form, "Splitter");
    QTreeWidget* tree = Named<QTreeWidget>(&form, "Tree");
    QGroupBox* group = Named<QGroupBox>(&form, "Group");
    TColourSharingListbox* colours = Named<TColourSharingListbox>(&form, "Colours");
    TColourSharingCombo* colourCombo = Named<TColourSharingCombo>(&form, "ColourCombo");
    qz8test::RatingWidget* rating = Named<qz8test::RatingWidget>(&form, "Rating");
    QCalendarWidget* calendar = Named<QCalendarWidget>(&form, "Calendar"); // Qt's own, no row: not kept
    Bookmark* bookmark = Named<Bookmark>(&form, "Bookmark");
    TStyledListbox* virt = Named<TStyledListbox>(&form, "Virtual");

    EveryKind()
    {
        spin->setRange(0, 100);
        dspin->setRange(0, 100);
        fixed->addItems({"one", "two", "three"});
        editable->setEditable(true);
        editable->addItems({"alpha", "beta"});
        for (int i = 0; i < 3; ++i) {
            auto* page = new QWidget;
            if (i == 1) {
                onPage = Named<QLineEdit>(page, "OnPage");
            }
            tabs->addTab(page, QStringLiteral("Page %1").arg(i));
            stack->addWidget(new QWidget);
            toolbox->addItem(new QWidget, QStringLiteral("Item %1").arg(i));
        }
        splitter->addWidget(new QWidget);
        splitter->addWidget(new QWidget);
        splitter->resize(300, 100);
        tree->setColumnCount(3);
        group->setCheckable(true);
        colours->SetUseSharedArray(true);
        colourCombo->SetUseSharedArray(true);
        virt->SetStyle(TCustomListBox::lbVirtual);
        virt->SetCount(200);
        form.resize(600, 400);
        form.show();
    }
};

void RegisterBookmarks()
{
    RegisterFormStateHandler(&Bookmark::staticMetaObject,
                             [](QObject* c, TMyMemIniFile& ini, bool reading, const QString& section) {
                                 auto* b = static_cast<Bookmark*>(c);
                                 if (reading)
                                     b->setText(ini.ReadString(section, "place", QString()));
                                 else
                                     ini.WriteString(section, "place", b->text());
                             });
}

} // namespace

TEST(QtWidgetRows, EveryKindIsSavedChangedAndReadBack)
{
    RegisterBookmarks();
    MEMINI_include_Listboxes = true;
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    {
        EveryKind w;
        w.spin->setValue(42);
        w.dspin->setValue(2.5);
        w.fixed->setCurrentIndex(2);
        w.editable->addItem("gamma");
        w.editable->setCurrentText("typed");
        w.font->setCurrentIndex(w.font->count() > 1 ? 1 : 0);
        w.slider->setValue(33);
        w.dial->setValue(44);
        w.bar->setValue(55);
        w.date->setDate(QDate(2024, 2, 29));
        w.time->setTime(QTime(13, 14, 15, 160));
        w.stamp->setDateTime(QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58)));
        w.keys->setKeySequence(QKeySequence(QStringLiteral("Ctrl+Shift+K")));
        w.tabs->setCurrentIndex(1);
        w.onPage->setText("inside a page");
        w.stack->setCurrentIndex(2);
        w.toolbox->setCurrentIndex(1);
        w.splitter->setSizes({250, 50});
        w.tree->header()->resizeSection(0, 123);
        w.group->setChecked(false);
        w.colours->SetASelected(w.colours->GetAColour(5));
        w.colourCombo->SetSelected(w.colourCombo->GetAColour(7));
        w.rating->setStars(4);
        w.bookmark->setText("chapter 9");
        w.virt->SetItemIndex(86);
        SaveIni(&w.form, ini);
    }
    const QString text = qz8test::ReadText(ini);
    for (const char* expected :
         {"[Spin]\nvalue=42", "[Date]\nvalue=2024-02-29", "[Time]\nvalue=13:14:15.160", "[Keys]\nkeys=Ctrl+Shift+K",
          "[Tabs]\ni=1", "[OnPage]\ntext=inside a page", "[Rating]\nvalue=4", "[Bookmark]\nplace=chapter 9",
          "[Virtual]\ni=86", "[Group]\nchecked=0", "[Fixed]\ni=2\ntext=three"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected << "\n" << text.toStdString();

    EveryKind back;
    back.virt->SetCount(0); // the tool sets its count later, after the read
    ReadIni(&back.form, ini);
    back.virt->SetCount(200);
    EXPECT_EQ(back.spin->value(), 42);
    EXPECT_DOUBLE_EQ(back.dspin->value(), 2.5);
    EXPECT_EQ(back.fixed->currentIndex(), 2);
    EXPECT_EQ(back.editable->currentText(), "typed");
    EXPECT_EQ(back.editable->count(), 3);
    EXPECT_EQ(back.slider->value(), 33);
    EXPECT_EQ(back.dial->value(), 44);
    EXPECT_EQ(back.bar->value(), 55);
    EXPECT_EQ(back.date->date(), QDate(2024, 2, 29));
    EXPECT_EQ(back.time->time(), QTime(13, 14, 15, 160));
    EXPECT_EQ(back.stamp->dateTime(), QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58)));
    EXPECT_EQ(back.keys->keySequence(), QKeySequence(QStringLiteral("Ctrl+Shift+K")));
    EXPECT_EQ(back.tabs->currentIndex(), 1);
    EXPECT_EQ(back.onPage->text(), "inside a page");
    EXPECT_EQ(back.stack->currentIndex(), 2);
    EXPECT_EQ(back.toolbox->currentIndex(), 1);
    // The panes keep their proportions in the splitter's own width.
    ASSERT_EQ(back.splitter->sizes().size(), 2);
    EXPECT_NEAR(back.splitter->sizes()[0] / double(back.splitter->sizes()[1]), 5.0, 0.2);
    EXPECT_EQ(back.tree->header()->sectionSize(0), 123);
    EXPECT_FALSE(back.group->isChecked());
    EXPECT_EQ(back.colours->ItemIndex(), 5);
    EXPECT_EQ(back.colourCombo->ItemIndex(), 7);
    EXPECT_EQ(back.rating->stars(), 4);
    EXPECT_FALSE(text.contains("[Calendar]"));
    EXPECT_EQ(back.bookmark->text(), "chapter 9");
    EXPECT_EQ(back.virt->ItemIndex(), 86);
}

// Values that no longer fit leave the widget as it was, and the next save
// writes its real state.
TEST(QtWidgetRows, BadValuesLeaveTheWidgetsAsTheyWere)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini,
                                    "[Spin]\nvalue=1000\n[Fixed]\ni=9\ntext=nine\n[Date]\nvalue=2024-13-45\n"
                                    "[Time]\nvalue=25:61\n[Tabs]\ni=7\n[Splitter]\nstate=AAAA/w==\n"
                                    "[Tree]\nheader=AAAA/wAAAAAAAAABAAAAAQAAAAAAAAAAAAAAAACAAAAAAAAAAAAAAUMAAAADAQ==\n"
                                    "[Tree2]\nheader=!!not base64!!\n[Colours]\ncolour=123456789\n"
                                    "[Rating]\nvalue=many\n[Stack]\ni=-4\n"));
    EveryKind w;
    w.spin->setValue(7);
    w.fixed->setCurrentIndex(1);
    w.date->setDate(QDate(2020, 1, 1));
    w.tabs->setCurrentIndex(2);
    w.colours->SetItemIndex(3);
    w.rating->setStars(2);
    const QByteArray splitter = w.splitter->saveState();
    const QByteArray header = w.tree->header()->saveState();
    ReadIni(&w.form, ini);
    EXPECT_EQ(w.spin->value(), 7);
    EXPECT_EQ(w.fixed->currentIndex(), 1);
    EXPECT_EQ(w.date->date(), QDate(2020, 1, 1));
    EXPECT_EQ(w.tabs->currentIndex(), 2);
    EXPECT_EQ(w.splitter->saveState(), splitter);
    EXPECT_EQ(w.tree->header()->saveState(), header);
    EXPECT_EQ(w.colours->ItemIndex(), 3);
    EXPECT_EQ(w.rating->stars(), 2);
    EXPECT_EQ(w.stack->currentIndex(), 0);
    SaveIni(&w.form, ini);
    const QString text = qz8test::ReadText(ini);
    EXPECT_TRUE(text.contains("[Spin]\nvalue=7")) << text.toStdString();
    EXPECT_TRUE(text.contains("[Tabs]\ni=2"));
}

// A file written before these kinds were kept names none of them: reading
// it changes none of them.
TEST(QtWidgetRows, AFileOfEarlierVersionsLeavesTheNewKindsAlone)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("tool.ini");
    ASSERT_TRUE(qz8test::WriteBytes(ini, "[Check]\nchecked=1\n"));
    EveryKind w;
    w.spin->setValue(9);
    w.tabs->setCurrentIndex(2);
    w.fixed->setCurrentIndex(1);
    ReadIni(&w.form, ini);
    EXPECT_EQ(w.spin->value(), 9);
    EXPECT_EQ(w.tabs->currentIndex(), 2);
    EXPECT_EQ(w.fixed->currentIndex(), 1);
}
