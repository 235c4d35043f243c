<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>qz8</name>
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
