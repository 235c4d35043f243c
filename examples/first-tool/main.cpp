// A first tool window of the suite: it keeps its controls in a form state
// file, follows the suite's styles and the screen's density, and uses the
// library's lists, colour picker and folder chooser.
#include <QZ8StyledListboxPack/controls/ColourListBoxesAndCombos.h>
#include <QZ8StyledListboxPack/controls/FileFolderOpenDlgU.h>
#include <QZ8StyledListboxPack/controls/My_StyledTMSComponents.h>
#include <QZ8StyledListboxPack/form/baseTMSStyleable_F.h>
#include <QZ8StyledListboxPack/i18n/Translations.h>
#include <QZ8StyledListboxPack/imagelists/tool_imagelist_master.h>
#include <QZ8StyledListboxPack/settings/ReadAndSaveIni.h> // ReadIni, SaveIni and the MEMINI_ switches
#include <QZ8StyledListboxPack/store/MemIniFile.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>

class WordCounter : public qz8::TTMSStyleableRepositoryForm {
public:
    WordCounter()
    {
        setObjectName("WordCounter"); // every kept control needs a name
        auto* page = new QWidget(this);
        auto* layout = new QVBoxLayout(page);
        auto* words = new qz8::TStyledListbox(page);
        words->setObjectName("Words");
        words->Items().AddStrings({"the", "1234", QLocale().toString(0.714, 'f', 3)}); // as the locale writes it
        auto* counts = new qz8::TStyledListbox(page); // a virtual list: rows come from the event
        counts->setObjectName("Counts");
        counts->SetStyle(qz8::TCustomListBox::lbVirtualOwnerDraw);
        counts->OnGetStringAndInt = [](QObject*, int row, qz8::TStringAndIntegerRec& rec) {
            rec.S = QString::number(row * 7);
        };
        counts->SetCount(1'000'000);
        auto* colour = new qz8::TColourSharingCombo(page);
        colour->setObjectName("HighlightColour");
        auto* corpus = new qz8::TMyOpenFolderDialog(page);
        corpus->setObjectName("CorpusFolder");
        for (QWidget* w : std::initializer_list<QWidget*>{words, counts, colour, corpus})
            layout->addWidget(w);
        setCentralWidget(page);
        AddAFormStyler(this); // styles the window's own labels and frames with the suite
    }
    // Without this nothing is saved. The default place of the library is
    // beside the program; a tool may choose the user's configuration folder.
    QString TheIniName() override
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/word-counter.ini";
    }
    // The window's own state beside its controls', in a section of its own:
    // read at the first show, saved when the window ends (and within two
    // seconds of FormStateChanged(), when its code changes it).
    int opened = 0;
    void ReadFormSections(const qz8::TMyMemIniFile& ini) override
    {
        TTMSStyleableRepositoryForm::ReadFormSections(ini); // its size and place
        opened = ini.ReadInteger("WordCounter own", "opened", 0);
    }
    void SaveFormSections(qz8::TMyMemIniFile& ini) override
    {
        TTMSStyleableRepositoryForm::SaveFormSections(ini);
        ini.WriteInteger("WordCounter own", "opened", opened + 1);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("word-counter");
    qz8::LoadLibraryTranslation(); // the library's texts (and Qt's) in the user's language
    qz8::MEMINI_include_Listboxes = true; // lists are kept only with this switch (off by default)
    try {
        qz8::LoadupAllTheImageLists(); // the icons, from the image-list files beside the program
    } catch (const qz8::Exception& e) {
        qWarning("%s", qPrintable(e.Message()));
    }
    WordCounter window;
    window.show();
    std::printf("opened %d times before\n", window.opened);
    if (app.arguments().contains("--smoke"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
