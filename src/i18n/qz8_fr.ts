<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>qz8</name>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Fichiers texte</translation>
    </message>
    <message>
        <source>Batch files</source>
        <translation>Fichiers de lot</translation>
    </message>
    <message>
        <source>SRT files</source>
        <translation>Fichiers SRT</translation>
    </message>
    <message>
        <source>Unaligned files</source>
        <translation>Fichiers non alignés</translation>
    </message>
    <message>
        <source>Aligned files</source>
        <translation>Fichiers alignés</translation>
    </message>
    <message>
        <source>n/a</source>
        <translation>n/d</translation>
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
        <translation>Liste de mots</translation>
    </message>
    <message>
        <source>Word list index</source>
        <translation>Index de liste de mots</translation>
    </message>
    <message>
        <source>Lemma list</source>
        <translation>Liste de lemmes</translation>
    </message>
    <message>
        <source>Word clusters</source>
        <translation>Groupes de mots</translation>
    </message>
    <message>
        <source>Consistency list</source>
        <translation>Liste de cohérence</translation>
    </message>
    <message>
        <source>Detailed consistency</source>
        <translation>Cohérence détaillée</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Word list text</source>
        <translation>Texte de liste de mots</translation>
    </message>
    <message>
        <source>Concordance</source>
        <translation>Concordance</translation>
    </message>
    <message>
        <source>Collocates</source>
        <translation>Collocats</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Motifs</translation>
    </message>
    <message>
        <source>Concordance clusters</source>
        <translation>Groupes de concordance</translation>
    </message>
    <message>
        <source>Dispersion plot</source>
        <translation>Graphique de dispersion</translation>
    </message>
    <message>
        <source>Source texts</source>
        <translation>Textes sources</translation>
    </message>
    <message>
        <source>Concordance text</source>
        <translation>Texte de concordance</translation>
    </message>
    <message>
        <source>Key words</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>Key key-words</source>
        <translation>Mots-clés clés</translation>
    </message>
    <message>
        <source>Associates</source>
        <translation>Associés</translation>
    </message>
    <message>
        <source>Key clusters</source>
        <translation>Groupes clés</translation>
    </message>
    <message>
        <source>Key-word plot</source>
        <translation>Graphique des mots-clés</translation>
    </message>
    <message>
        <source>Key-word database</source>
        <translation>Base de mots-clés</translation>
    </message>
    <message>
        <source>Key-word text</source>
        <translation>Texte des mots-clés</translation>
    </message>
    <message>
        <source>Viewer text</source>
        <translation>Texte de la visionneuse</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Viewer marks</source>
        <translation>Repères de la visionneuse</translation>
    </message>
    <message>
        <source>Aligned pairs</source>
        <translation>Paires alignées</translation>
    </message>
    <message>
        <source>Unaligned texts</source>
        <translation>Textes non alignés</translation>
    </message>
    <message>
        <source>Aligner text</source>
        <translation>Texte de l'aligneur</translation>
    </message>
    <message>
        <source>Split list</source>
        <translation>Liste de découpage</translation>
    </message>
    <message>
        <source>Split texts</source>
        <translation>Textes découpés</translation>
    </message>
    <message>
        <source>Corpus list</source>
        <translation>Liste de corpus</translation>
    </message>
    <message>
        <source>Character profile</source>
        <translation>Profil des caractères</translation>
    </message>
    <message>
        <source>File list</source>
        <translation>Liste de fichiers</translation>
    </message>
    <message>
        <source>Renamed files</source>
        <translation>Fichiers renommés</translation>
    </message>
    <message>
        <source>Compared files</source>
        <translation>Fichiers comparés</translation>
    </message>
    <message>
        <source>Duplicate files</source>
        <translation>Fichiers en double</translation>
    </message>
    <message>
        <source>Text converter</source>
        <translation>Convertisseur de texte</translation>
    </message>
    <message>
        <source>Web text</source>
        <translation>Texte web</translation>
    </message>
    <message>
        <source>Rich text</source>
        <translation>Texte enrichi</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Scratch list</source>
        <translation>Liste de brouillon</translation>
    </message>
    <message>
        <source>%1 main files </source>
        <translation>Fichiers principaux de %1 </translation>
    </message>
    <message>
        <source>%1 files </source>
        <translation>Fichiers de %1 </translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Select files</source>
        <translation>Choisir des fichiers</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Key-word lists</source>
        <translation>Listes de mots-clés</translation>
    </message>
    <message>
        <source>Concordance lists</source>
        <translation>Listes de concordance</translation>
    </message>
    <message>
        <source>Rich text files</source>
        <translation>Fichiers RTF</translation>
    </message>
    <message>
        <source>Web pages</source>
        <translation>Pages web</translation>
    </message>
    <message>
        <source>XML files</source>
        <translation>Fichiers XML</translation>
    </message>
    <message>
        <source>A transparent group that holds controls</source>
        <translation>Un groupe transparent qui contient des contrôles</translation>
    </message>
    <message>
        <source>A box that holds controls in its parent&apos;s colour</source>
        <translation>Une boîte qui contient des contrôles dans la couleur de son parent</translation>
    </message>
    <message>
        <source>A tree view in the suite&apos;s style</source>
        <translation>Une arborescence dans le style de la suite</translation>
    </message>
    <message>
        <source>A list view in the suite&apos;s style</source>
        <translation>Une vue en liste dans le style de la suite</translation>
    </message>
    <message>
        <source>A list box of texts and values in the suite&apos;s style</source>
        <translation>Une liste de textes et de valeurs dans le style de la suite</translation>
    </message>
    <message>
        <source>A styled list box of fixed row height</source>
        <translation>Une liste stylée à hauteur de ligne fixe</translation>
    </message>
    <message>
        <source>Page margins the user drags</source>
        <translation>Marges de page que l'on fait glisser</translation>
    </message>
    <message>
        <source>A list of colours, shared or its own</source>
        <translation>Une liste de couleurs, partagée ou propre</translation>
    </message>
    <message>
        <source>A colour combo with a label</source>
        <translation>Une liste déroulante de couleurs avec libellé</translation>
    </message>
    <message>
        <source>A folder or file chooser</source>
        <translation>Un sélecteur de dossier ou de fichier</translation>
    </message>
    <message>
        <source>A file chooser</source>
        <translation>Un sélecteur de fichier</translation>
    </message>
    <message>
        <source>Edit Colours...</source>
        <translation>Modifier les couleurs...</translation>
    </message>
    <message>
        <source>Edit Colours</source>
        <translation>Modifier les couleurs</translation>
    </message>
    <message>
        <source>Custom colour</source>
        <translation>Couleur personnalisée</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Pick a colour</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>Page 1</source>
        <translation>Page 1</translation>
    </message>
    <message>
        <source>Pages on tabs</source>
        <translation>Pages à onglets</translation>
    </message>
    <message>
        <source>Couldn&apos;t find My Documents folder location.</source>
        <translation>Impossible de trouver le dossier Mes documents.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find All Users\Application Data folder location.</source>
        <translation>Impossible de trouver le dossier All Users\Application Data.</translation>
    </message>
</context>
<context>
    <name>qz8::TColourSharingCombo</name>
    <message>
        <source>No colour chosen</source>
        <translation>Aucune couleur choisie</translation>
    </message>
</context>
<context>
    <name>qz8::TMyOpenFolderDialog</name>
    <message>
        <source>This path does not exist.</source>
        <translation>Ce chemin n'existe pas.</translation>
    </message>
    <message>
        <source>The path does not exist.</source>
        <translation>Le chemin n'existe pas.</translation>
    </message>
</context>
<context>
    <name>qz8::TNotepadGrabPanel</name>
    <message>
        <source>Page margins</source>
        <translation>Marges de page</translation>
    </message>
    <message>
        <source>Margins in pixels: left %1, top %2, right %3, bottom %4</source>
        <translation>Marges en pixels : gauche %1, haut %2, droite %3, bas %4</translation>
    </message>
</context>
</TS>
