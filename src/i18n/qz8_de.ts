<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>qz8</name>
    <message>
        <source>Groups controls under a caption and shows its parent's background through. The controls on it are kept in the form state file with the window's others (by their object names).</source>
        <translation>Gruppiert Steuerelemente unter einer Überschrift und lässt den Hintergrund des Elternfensters durchscheinen. Die Steuerelemente darauf werden mit den übrigen des Fensters in der Formularzustandsdatei gespeichert (unter ihren Objektnamen).</translation>
    </message>
    <message>
        <source>Holds controls in its parent's colour, without a frame, so that a group of controls moves and hides together. The controls on it are kept in the form state file with the window's others.</source>
        <translation>Hält Steuerelemente in der Farbe des Elternfensters, ohne Rahmen, sodass eine Gruppe von Steuerelementen gemeinsam verschoben und ausgeblendet wird. Die Steuerelemente darauf werden mit den übrigen des Fensters in der Formularzustandsdatei gespeichert.</translation>
    </message>
    <message>
        <source>A tree of items in the suite's style: its colours (frameColor, backgroundColor) follow the window's style. Its header (column widths and order) is kept in the form state file.</source>
        <translation>Ein Baum von Einträgen im Stil der Suite: seine Farben (frameColor, backgroundColor) folgen dem Stil des Fensters. Seine Kopfzeile (Spaltenbreiten und -reihenfolge) wird in der Formularzustandsdatei gespeichert.</translation>
    </message>
    <message>
        <source>Rows and columns in the suite's style: ItemHeight sets every row's height, the header's and selection's colours follow the window's style. Its header (column widths and order) is kept in the form state file.</source>
        <translation>Zeilen und Spalten im Stil der Suite: ItemHeight legt die Höhe jeder Zeile fest, die Farben von Kopfzeile und Auswahl folgen dem Stil des Fensters. Seine Kopfzeile (Spaltenbreiten und -reihenfolge) wird in der Formularzustandsdatei gespeichert.</translation>
    </message>
    <message>
        <source>A list of words and numbers in the suite's style: numbers are right-aligned as the locale writes them, long paths are shortened. Style picks plain or virtual rows (set Count and OnGetStringAndInt in code); MultiSelect and ExtendedSelect the selection. It is kept in the form state file while MEMINI_include_Listboxes is on (off by default).</source>
        <translation>Eine Liste von Wörtern und Zahlen im Stil der Suite: Zahlen stehen rechtsbündig, wie das Gebietsschema sie schreibt, lange Pfade werden gekürzt. Style wählt einfache oder virtuelle Zeilen (Count und OnGetStringAndInt im Code setzen); MultiSelect und ExtendedSelect die Auswahl. Sie wird in der Formularzustandsdatei gespeichert, solange MEMINI_include_Listboxes eingeschaltet ist (standardmäßig aus).</translation>
    </message>
    <message>
        <source>A styled list whose rows all have the height the font gives. Otherwise as the styled list box: colours from the window's style, kept in the form state file while MEMINI_include_Listboxes is on (off by default).</source>
        <translation>Eine gestaltete Liste, deren Zeilen alle die Höhe haben, die die Schrift ergibt. Sonst wie die gestaltete Listbox: Farben aus dem Stil des Fensters, gespeichert in der Formularzustandsdatei, solange MEMINI_include_Listboxes eingeschaltet ist (standardmäßig aus).</translation>
    </message>
    <message>
        <source>A page in miniature whose four margins the user drags with the mouse or the arrow keys; handleColor and Monochrome set its look. The panel keeps nothing in the form state file: the tool keeps the margins it reads from it.</source>
        <translation>Eine Seite in Miniatur, deren vier Ränder der Benutzer mit der Maus oder den Pfeiltasten zieht; handleColor und Monochrome bestimmen ihr Aussehen. Das Feld speichert nichts in der Formularzustandsdatei: das Werkzeug speichert die Ränder, die es daraus liest.</translation>
    </message>
    <message>
        <source>The suite's colours as a list, with their names and values (ShowText). UsesSharedArray picks the suite's one shared colour array, which every shared colour control follows, or a private copy; DefaultColour is marked. The selected colour is kept in the form state file.</source>
        <translation>Die Farben der Suite als Liste, mit ihren Namen und Werten (ShowText). UsesSharedArray wählt die eine gemeinsame Farbtabelle der Suite, der jedes gemeinsame Farbsteuerelement folgt, oder eine eigene Kopie; DefaultColour wird markiert. Die gewählte Farbe wird in der Formularzustandsdatei gespeichert.</translation>
    </message>
    <message>
        <source>A drop-down of the suite's colours, each row a swatch and its name, with an optional caption label (LabelCaption, LabelPosition, LabelMargin) that a layout gives room. The selected colour is kept in the form state file (key "colour").</source>
        <translation>Eine Aufklappliste der Farben der Suite, jede Zeile ein Farbfeld und sein Name, mit einer optionalen Beschriftung (LabelCaption, LabelPosition, LabelMargin), der ein Layout Platz gibt. Die gewählte Farbe wird in der Formularzustandsdatei gespeichert (Schlüssel „colour“).</translation>
    </message>
    <message>
        <source>A folder (or file) field with a browse button that opens the chooser; OnlyFolderAllowed picks folders or files. The path (FolderOrFile) is kept in the form state file.</source>
        <translation>Ein Ordner- (oder Datei-)Feld mit einer Schaltfläche, die den Auswahldialog öffnet; OnlyFolderAllowed wählt Ordner oder Dateien. Der Pfad (FolderOrFile) wird in der Formularzustandsdatei gespeichert.</translation>
    </message>
    <message>
        <source>Pages on tabs: ActivePage, CloseOnTab with FreeOnClose, MultiLine (every tab in view), PageMargin, ShowTabHint (a page's tool tip on its tab) and TabReorder. The current page is kept in the form state file; the controls on the pages with the window's others.</source>
        <translation>Seiten auf Registerkarten: ActivePage, CloseOnTab mit FreeOnClose, MultiLine (jede Registerkarte sichtbar), PageMargin, ShowTabHint (der Tooltip einer Seite auf ihrer Registerkarte) und TabReorder. Die aktuelle Seite wird in der Formularzustandsdatei gespeichert, die Steuerelemente auf den Seiten mit den übrigen des Fensters.</translation>
    </message>
    <message>
        <source>Reference: %1, page class%2.html of the QZ8StyledListboxPack documentation (its help in Qt Assistant, or under share/doc).</source>
        <translation>Referenz: %1, Seite class%2.html der Dokumentation von QZ8StyledListboxPack (ihre Hilfe in Qt Assistant, oder unter share/doc).</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>Batch files</source>
        <translation>Stapeldateien</translation>
    </message>
    <message>
        <source>SRT files</source>
        <translation>SRT-Dateien</translation>
    </message>
    <message>
        <source>Unaligned files</source>
        <translation>Nicht ausgerichtete Dateien</translation>
    </message>
    <message>
        <source>Aligned files</source>
        <translation>Ausgerichtete Dateien</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>WordLister</source>
        <translation>WordLister</translation>
    </message>
    <message>
        <source>Concordancer</source>
        <translation>Concordancer</translation>
    </message>
    <message>
        <source>KeyWords</source>
        <translation>KeyWords</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Viewer</translation>
    </message>
    <message>
        <source>Aligner</source>
        <translation>Aligner</translation>
    </message>
    <message>
        <source>Splitter</source>
        <translation>Splitter</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilities</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>Wortliste</translation>
    </message>
    <message>
        <source>Word list index</source>
        <translation>Wortlistenindex</translation>
    </message>
    <message>
        <source>Lemma list</source>
        <translation>Lemmaliste</translation>
    </message>
    <message>
        <source>Word clusters</source>
        <translation>Wortgruppen</translation>
    </message>
    <message>
        <source>Consistency list</source>
        <translation>Konsistenzliste</translation>
    </message>
    <message>
        <source>Detailed consistency</source>
        <translation>Detaillierte Konsistenz</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Word list text</source>
        <translation>Wortlistentext</translation>
    </message>
    <message>
        <source>Concordance</source>
        <translation>Konkordanz</translation>
    </message>
    <message>
        <source>Collocates</source>
        <translation>Kollokate</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Concordance clusters</source>
        <translation>Konkordanzgruppen</translation>
    </message>
    <message>
        <source>Dispersion plot</source>
        <translation>Streuungsdiagramm</translation>
    </message>
    <message>
        <source>Source texts</source>
        <translation>Quelltexte</translation>
    </message>
    <message>
        <source>Concordance text</source>
        <translation>Konkordanztext</translation>
    </message>
    <message>
        <source>Key words</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>Key key-words</source>
        <translation>Schlüssel-Schlüsselwörter</translation>
    </message>
    <message>
        <source>Associates</source>
        <translation>Assoziierte</translation>
    </message>
    <message>
        <source>Key clusters</source>
        <translation>Schlüsselgruppen</translation>
    </message>
    <message>
        <source>Key-word plot</source>
        <translation>Schlüsselwortdiagramm</translation>
    </message>
    <message>
        <source>Key-word database</source>
        <translation>Schlüsselwortdatenbank</translation>
    </message>
    <message>
        <source>Key-word text</source>
        <translation>Schlüsselworttext</translation>
    </message>
    <message>
        <source>Viewer text</source>
        <translation>Anzeigetext</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Viewer marks</source>
        <translation>Anzeigemarken</translation>
    </message>
    <message>
        <source>Aligned pairs</source>
        <translation>Ausgerichtete Paare</translation>
    </message>
    <message>
        <source>Unaligned texts</source>
        <translation>Nicht ausgerichtete Texte</translation>
    </message>
    <message>
        <source>Aligner text</source>
        <translation>Ausrichtungstext</translation>
    </message>
    <message>
        <source>Split list</source>
        <translation>Teilungsliste</translation>
    </message>
    <message>
        <source>Split texts</source>
        <translation>Geteilte Texte</translation>
    </message>
    <message>
        <source>Corpus list</source>
        <translation>Korpusliste</translation>
    </message>
    <message>
        <source>Character profile</source>
        <translation>Zeichenprofil</translation>
    </message>
    <message>
        <source>File list</source>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>Renamed files</source>
        <translation>Umbenannte Dateien</translation>
    </message>
    <message>
        <source>Compared files</source>
        <translation>Verglichene Dateien</translation>
    </message>
    <message>
        <source>Duplicate files</source>
        <translation>Doppelte Dateien</translation>
    </message>
    <message>
        <source>Text converter</source>
        <translation>Textkonverter</translation>
    </message>
    <message>
        <source>Web text</source>
        <translation>Webtext</translation>
    </message>
    <message>
        <source>Rich text</source>
        <translation>Formatierter Text</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Scratch list</source>
        <translation>Notizliste</translation>
    </message>
    <message>
        <source>%1 main files </source>
        <translation>%1-Hauptdateien </translation>
    </message>
    <message>
        <source>%1 files </source>
        <translation>%1-Dateien </translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Select files</source>
        <translation>Dateien auswählen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Key-word lists</source>
        <translation>Schlüsselwortlisten</translation>
    </message>
    <message>
        <source>Concordance lists</source>
        <translation>Konkordanzlisten</translation>
    </message>
    <message>
        <source>Rich text files</source>
        <translation>RTF-Dateien</translation>
    </message>
    <message>
        <source>Web pages</source>
        <translation>Webseiten</translation>
    </message>
    <message>
        <source>XML files</source>
        <translation>XML-Dateien</translation>
    </message>
    <message>
        <source>A transparent group that holds controls</source>
        <translation>Eine durchsichtige Gruppe für Steuerelemente</translation>
    </message>
    <message>
        <source>A box that holds controls in its parent&apos;s colour</source>
        <translation>Ein Kasten für Steuerelemente in der Farbe seines Elternelements</translation>
    </message>
    <message>
        <source>A tree view in the suite&apos;s style</source>
        <translation>Eine Baumansicht im Stil der Suite</translation>
    </message>
    <message>
        <source>A list view in the suite&apos;s style</source>
        <translation>Eine Listenansicht im Stil der Suite</translation>
    </message>
    <message>
        <source>A list box of texts and values in the suite&apos;s style</source>
        <translation>Ein Listenfeld mit Texten und Werten im Stil der Suite</translation>
    </message>
    <message>
        <source>A styled list box of fixed row height</source>
        <translation>Ein gestaltetes Listenfeld mit fester Zeilenhöhe</translation>
    </message>
    <message>
        <source>Page margins the user drags</source>
        <translation>Seitenränder zum Ziehen</translation>
    </message>
    <message>
        <source>A list of colours, shared or its own</source>
        <translation>Eine Farbliste, gemeinsam oder eigen</translation>
    </message>
    <message>
        <source>A colour combo with a label</source>
        <translation>Eine Farbauswahl mit Beschriftung</translation>
    </message>
    <message>
        <source>A folder or file chooser</source>
        <translation>Eine Ordner- oder Dateiauswahl</translation>
    </message>
    <message>
        <source>A file chooser</source>
        <translation>Eine Dateiauswahl</translation>
    </message>
    <message>
        <source>Edit Colours...</source>
        <translation>Farben bearbeiten...</translation>
    </message>
    <message>
        <source>Edit Colours</source>
        <translation>Farben bearbeiten</translation>
    </message>
    <message>
        <source>Custom colour</source>
        <translation>Eigene Farbe</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Pick a colour</source>
        <translation>Eine Farbe wählen</translation>
    </message>
    <message>
        <source>Page 1</source>
        <translation>Seite 1</translation>
    </message>
    <message>
        <source>Pages on tabs</source>
        <translation>Seiten auf Registerkarten</translation>
    </message>
    <message>
        <source>Couldn&apos;t find My Documents folder location.</source>
        <translation>Der Ordner „Eigene Dokumente“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find All Users\Application Data folder location.</source>
        <translation>Der Ordner „All Users\Anwendungsdaten“ wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>qz8::TColourSharingCombo</name>
    <message>
        <source>No colour chosen</source>
        <translation>Keine Farbe gewählt</translation>
    </message>
</context>
<context>
    <name>qz8::TMyOpenFolderDialog</name>
    <message>
        <source>This path does not exist.</source>
        <translation>Dieser Pfad existiert nicht.</translation>
    </message>
    <message>
        <source>The path does not exist.</source>
        <translation>Der Pfad existiert nicht.</translation>
    </message>
</context>
<context>
    <name>qz8::TNotepadGrabPanel</name>
    <message>
        <source>Page margins</source>
        <translation>Seitenränder</translation>
    </message>
    <message>
        <source>Margins in pixels: left %1, top %2, right %3, bottom %4</source>
        <translation>Ränder in Pixeln: links %1, oben %2, rechts %3, unten %4</translation>
    </message>
</context>
</TS>
