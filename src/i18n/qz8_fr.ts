<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>qz8</name>
    <message>
        <source>Groups controls under a caption and shows its parent's background through. The controls on it are kept in the form state file with the window's others (by their object names).</source>
        <translation>Regroupe des contrôles sous un titre et laisse voir le fond de son parent. Les contrôles qu’il contient sont conservés dans le fichier d’état du formulaire avec les autres contrôles de la fenêtre (sous leurs noms d’objet).</translation>
    </message>
    <message>
        <source>Holds controls in its parent's colour, without a frame, so that a group of controls moves and hides together. The controls on it are kept in the form state file with the window's others.</source>
        <translation>Contient des contrôles dans la couleur de son parent, sans cadre, pour qu’un groupe de contrôles se déplace et se masque d’un bloc. Les contrôles qu’il contient sont conservés dans le fichier d’état du formulaire avec les autres contrôles de la fenêtre.</translation>
    </message>
    <message>
        <source>A tree of items in the suite's style: its colours (frameColor, backgroundColor) follow the window's style. Its header (column widths and order) is kept in the form state file.</source>
        <translation>Une arborescence d’éléments dans le style de la suite : ses couleurs (frameColor, backgroundColor) suivent le style de la fenêtre. Son en-tête (largeurs et ordre des colonnes) est conservé dans le fichier d’état du formulaire.</translation>
    </message>
    <message>
        <source>Rows and columns in the suite's style: ItemHeight sets every row's height, the header's and selection's colours follow the window's style. Its header (column widths and order) is kept in the form state file.</source>
        <translation>Des lignes et des colonnes dans le style de la suite : ItemHeight fixe la hauteur de chaque ligne, les couleurs de l’en-tête et de la sélection suivent le style de la fenêtre. Son en-tête (largeurs et ordre des colonnes) est conservé dans le fichier d’état du formulaire.</translation>
    </message>
    <message>
        <source>A list of words and numbers in the suite's style: numbers are right-aligned as the locale writes them, long paths are shortened. Style picks plain or virtual rows (set Count and OnGetStringAndInt in code); MultiSelect and ExtendedSelect the selection. It is kept in the form state file while MEMINI_include_Listboxes is on (off by default).</source>
        <translation>Une liste de mots et de nombres dans le style de la suite : les nombres sont alignés à droite comme les écrit la langue, les chemins longs sont raccourcis. Style choisit des lignes simples ou virtuelles (définir Count et OnGetStringAndInt dans le code) ; MultiSelect et ExtendedSelect la sélection. Elle est conservée dans le fichier d’état du formulaire tant que MEMINI_include_Listboxes est activé (désactivé par défaut).</translation>
    </message>
    <message>
        <source>A styled list whose rows all have the height the font gives. Otherwise as the styled list box: colours from the window's style, kept in the form state file while MEMINI_include_Listboxes is on (off by default).</source>
        <translation>Une liste stylée dont toutes les lignes ont la hauteur que donne la police. Pour le reste comme la liste stylée : couleurs du style de la fenêtre, conservée dans le fichier d’état du formulaire tant que MEMINI_include_Listboxes est activé (désactivé par défaut).</translation>
    </message>
    <message>
        <source>A page in miniature whose four margins the user drags with the mouse or the arrow keys; handleColor and Monochrome set its look. The panel keeps nothing in the form state file: the tool keeps the margins it reads from it.</source>
        <translation>Une page en miniature dont l’utilisateur tire les quatre marges à la souris ou aux flèches ; handleColor et Monochrome règlent son aspect. Le panneau ne conserve rien dans le fichier d’état du formulaire : l’outil conserve les marges qu’il y lit.</translation>
    </message>
    <message>
        <source>The suite's colours as a list, with their names and values (ShowText). UsesSharedArray picks the suite's one shared colour array, which every shared colour control follows, or a private copy; DefaultColour is marked. The selected colour is kept in the form state file.</source>
        <translation>Les couleurs de la suite en liste, avec leurs noms et leurs valeurs (ShowText). UsesSharedArray choisit l’unique tableau de couleurs partagé de la suite, que suit chaque contrôle de couleur partagé, ou une copie privée ; DefaultColour est marquée. La couleur choisie est conservée dans le fichier d’état du formulaire.</translation>
    </message>
    <message>
        <source>A drop-down of the suite's colours, each row a swatch and its name, with an optional caption label (LabelCaption, LabelPosition, LabelMargin) that a layout gives room. The selected colour is kept in the form state file (key "colour").</source>
        <translation>Une liste déroulante des couleurs de la suite, chaque ligne un échantillon et son nom, avec une étiquette facultative (LabelCaption, LabelPosition, LabelMargin) à laquelle une mise en page fait de la place. La couleur choisie est conservée dans le fichier d’état du formulaire (clé « colour »).</translation>
    </message>
    <message>
        <source>A folder (or file) field with a browse button that opens the chooser; OnlyFolderAllowed picks folders or files. The path (FolderOrFile) is kept in the form state file.</source>
        <translation>Un champ de dossier (ou de fichier) avec un bouton qui ouvre le sélecteur ; OnlyFolderAllowed choisit dossiers ou fichiers. Le chemin (FolderOrFile) est conservé dans le fichier d’état du formulaire.</translation>
    </message>
    <message>
        <source>Pages on tabs: ActivePage, CloseOnTab with FreeOnClose, MultiLine (every tab in view), PageMargin, ShowTabHint (a page's tool tip on its tab) and TabReorder. The current page is kept in the form state file; the controls on the pages with the window's others.</source>
        <translation>Des pages sur des onglets : ActivePage, CloseOnTab avec FreeOnClose, MultiLine (chaque onglet visible), PageMargin, ShowTabHint (l’info-bulle d’une page sur son onglet) et TabReorder. La page courante est conservée dans le fichier d’état du formulaire, les contrôles des pages avec les autres de la fenêtre.</translation>
    </message>
    <message>
        <source>Reference: %1, page class%2.html of the QZ8StyledListboxPack documentation (its help in Qt Assistant, or under share/doc).</source>
        <translation>Référence : %1, page class%2.html de la documentation de QZ8StyledListboxPack (son aide dans Qt Assistant, ou sous share/doc).</translation>
    </message>
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
