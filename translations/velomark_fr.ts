<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>The %1 circuits</source>
        <translation>Les circuits %1</translation>
    </message>
    <message>
        <source>The dates under &quot;Set on&quot;</source>
        <translation>Les dates de la colonne «&#xa0;Établi le&#xa0;»</translation>
    </message>
    <message>
        <source>There are no lap record files yet: press INITIALISE ! on the main window to create them.</source>
        <translation>Il n&apos;y a pas encore de fichiers de records&#xa0;: appuyez sur «&#xa0;INITIALISER&#xa0;!&#xa0;» dans la fenêtre principale pour les créer.</translation>
    </message>
    <message>
        <source>The rival file %1 is larger than 64 MB, far larger than a CSV export of 48 circuits can be, so it was not read.</source>
        <translation>Le fichier du rival %1 dépasse 64 Mo, une taille qu&apos;aucun export CSV de 48 circuits ne peut atteindre&#xa0;: il n&apos;a donc pas été lu.</translation>
    </message>
    <message>
        <source>The rival file %1 does not exist.</source>
        <translation>Le fichier du rival %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The rival&apos;s %1 times</source>
        <translation>Les temps du rival sur les circuits %1</translation>
    </message>
    <message>
        <source>The folder %1 holds no lap record file (set1.dat, set2.dat, set3.dat) that Velomark can read.</source>
        <translation>Le dossier %1 ne contient aucun fichier de records (set1.dat, set2.dat, set3.dat) que Velomark puisse lire.</translation>
    </message>
    <message>
        <source>%1 are left out because %2</source>
        <translation>%1 ne figurent pas au tableau. %2</translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation>Jeu de circuits</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Rival</source>
        <translation>Rival</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Ideal</source>
        <translation>Idéal</translation>
    </message>
    <message>
        <source>Set on</source>
        <translation>Établi le</translation>
    </message>
    <message>
        <source>it is not a CSV row of nine fields</source>
        <translation>elle n&apos;est pas une ligne CSV de neuf champs</translation>
    </message>
    <message>
        <source>%1 is not a CSV row of nine fields</source>
        <translation>%1 n&apos;est pas une ligne CSV de neuf champs</translation>
    </message>
    <message>
        <source>%1 are not CSV rows of nine fields</source>
        <translation>%1 ne sont pas des lignes CSV de neuf champs</translation>
    </message>
    <message>
        <source>it names no trackset, circuit (1 to 16) or session that Velomark knows</source>
        <translation>elle ne nomme ni jeu de circuits, ni circuit (1 à 16), ni séance que Velomark connaisse</translation>
    </message>
    <message>
        <source>%1 names no trackset, circuit (1 to 16) or session that Velomark knows</source>
        <translation>%1 ne nomme ni jeu de circuits, ni circuit (1 à 16), ni séance que Velomark connaisse</translation>
    </message>
    <message>
        <source>%1 name no trackset, circuit (1 to 16) or session that Velomark knows</source>
        <translation>%1 ne nomment ni jeu de circuits, ni circuit (1 à 16), ni séance que Velomark connaisse</translation>
    </message>
    <message>
        <source>it repeats the circuit and session of an earlier line</source>
        <translation>elle répète le circuit et la séance d&apos;une ligne précédente</translation>
    </message>
    <message>
        <source>%1 repeats the circuit and session of an earlier line</source>
        <translation>%1 répète le circuit et la séance d&apos;une ligne précédente</translation>
    </message>
    <message>
        <source>%1 repeat the circuit and session of an earlier line</source>
        <translation>%1 répètent le circuit et la séance d&apos;une ligne précédente</translation>
    </message>
    <message>
        <source>%1 line of the rival&apos;s file was skipped: %2.</source>
        <translation>%1 ligne du fichier du rival a été ignorée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 lines of the rival&apos;s file were skipped: %2.</source>
        <translation>%1 lignes du fichier du rival ont été ignorées&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Circuits</name>
    <message>
        <source>Interlagos</source>
        <translation>Interlagos</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brésil</translation>
    </message>
    <message>
        <source>TI Circuit Aida</source>
        <translation>TI Circuit Aida</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pacifique</translation>
    </message>
    <message>
        <source>Imola</source>
        <translation>Imola</translation>
    </message>
    <message>
        <source>San Marino</source>
        <translation>Saint-Marin</translation>
    </message>
    <message>
        <source>Monte Carlo</source>
        <translation>Monte-Carlo</translation>
    </message>
    <message>
        <source>Monaco</source>
        <translation>Monaco</translation>
    </message>
    <message>
        <source>Barcelona</source>
        <translation>Barcelone</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Espagne</translation>
    </message>
    <message>
        <source>Gilles Villeneuve</source>
        <translation>Gilles-Villeneuve</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Magny Cours</source>
        <translation>Magny-Cours</translation>
    </message>
    <message>
        <source>France</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Silverstone</source>
        <translation>Silverstone</translation>
    </message>
    <message>
        <source>Great Britain</source>
        <translation>Grande-Bretagne</translation>
    </message>
    <message>
        <source>Hockenheim</source>
        <translation>Hockenheim</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <source>Hungaroring</source>
        <translation>Hungaroring</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Hongrie</translation>
    </message>
    <message>
        <source>Spa Francorchamps</source>
        <translation>Spa-Francorchamps</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgique</translation>
    </message>
    <message>
        <source>Monza</source>
        <translation>Monza</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italie</translation>
    </message>
    <message>
        <source>Estoril</source>
        <translation>Estoril</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Jerez</source>
        <translation>Jerez</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Suzuka</source>
        <translation>Suzuka</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japon</translation>
    </message>
    <message>
        <source>Adelaide</source>
        <translation>Adélaïde</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australie</translation>
    </message>
    <message>
        <source>Brands Hatch</source>
        <translation>Brands Hatch</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlande</translation>
    </message>
    <message>
        <source>Buenos Aires</source>
        <translation>Buenos Aires</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Argentine</translation>
    </message>
    <message>
        <source>Paul Ricard</source>
        <translation>Paul-Ricard</translation>
    </message>
    <message>
        <source>A1 Ring</source>
        <translation>A1-Ring</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Autriche</translation>
    </message>
    <message>
        <source>Zandvoort</source>
        <translation>Zandvoort</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Pays-Bas</translation>
    </message>
    <message>
        <source>Nurburgring</source>
        <translation>Nürburgring</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Luxembourg</translation>
    </message>
    <message>
        <source>Donnington Park</source>
        <translation>Donington Park</translation>
    </message>
    <message>
        <source>Melbourne</source>
        <translation>Melbourne</translation>
    </message>
</context>
<context>
    <name>Custom</name>
    <message>
        <source>The custom circuit file %1 cannot be read.</source>
        <translation>Le fichier des circuits personnalisés %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The custom circuit file %1 holds fewer than 16 circuits.</source>
        <translation>Le fichier des circuits personnalisés %1 contient moins de 16 circuits.</translation>
    </message>
    <message>
        <source>The custom circuits cannot be saved: %1.</source>
        <translation>Les circuits personnalisés ne peuvent pas être enregistrés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>a double quote (&quot;) cannot be stored</source>
        <extracomment>Set after a colon into &quot;Custom circuit %1 cannot be saved: %2.&quot;.</extracomment>
        <translation>un guillemet droit (&quot;) est interdit</translation>
    </message>
    <message>
        <source>a name cannot hold a line break</source>
        <translation>un nom ne peut pas contenir de saut de ligne</translation>
    </message>
    <message>
        <source>Custom circuit %1 cannot be saved: %2.</source>
        <translation>Le circuit personnalisé %1 ne peut pas être enregistré&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Extraction</name>
    <message>
        <source>the command interpreter %1 could not be started (%2); it belongs in the folder of the program</source>
        <extracomment>Why a hot lap could not be read, set after &quot;The hot lap A1.hl could not be read: &quot;; %1 is the program that ran hof.bat.</extracomment>
        <translation>l&apos;interpréteur de commandes %1 n&apos;a pas pu être lancé (%2)&#xa0;; il doit se trouver dans le dossier du programme</translation>
    </message>
    <message>
        <source>hof2lap did not finish within %1 seconds and was stopped; check that hof2lap in the GP2 directory %2 runs on this system and that the file can be read</source>
        <translation>hof2lap ne s&apos;est pas terminé en %1 secondes et a été arrêté&#xa0;; vérifiez que hof2lap, dans le dossier de GP2 %2, fonctionne sur ce système et que le fichier peut être lu</translation>
    </message>
    <message>
        <source>the command interpreter %1 stopped before hof.bat was done</source>
        <translation>l&apos;interpréteur de commandes %1 s&apos;est arrêté avant la fin de hof.bat</translation>
    </message>
    <message>
        <source>hof2lap ended with status %1 without saying why</source>
        <translation>hof2lap s&apos;est terminé avec le code %1 sans en donner la raison</translation>
    </message>
    <message>
        <source>the file flag does not hold a number once hof.bat has run</source>
        <translation>le fichier flag ne contient pas de nombre une fois hof.bat exécuté</translation>
    </message>
    <message>
        <source>hof.bat ended without writing 1 into the file flag</source>
        <translation>hof.bat s&apos;est terminé sans écrire 1 dans le fichier flag</translation>
    </message>
    <message>
        <source>its name holds the character %1, which the batch file cannot carry</source>
        <translation>son nom contient le caractère %1, que le fichier de commandes ne peut pas transmettre</translation>
    </message>
    <message>
        <source>the dump that hof2lap wrote into hoftemp ends before its last line</source>
        <translation>la sortie que hof2lap a écrite dans hoftemp s&apos;arrête avant sa dernière ligne</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>this data folder</source>
        <translation>ce dossier de données</translation>
    </message>
    <message>
        <source>the data folder %1</source>
        <translation>le dossier de données %1</translation>
    </message>
    <message>
        <source>Another copy of Velomark is already running on %1.</source>
        <translation>Une autre copie de Velomark utilise déjà %1.</translation>
    </message>
    <message>
        <source>Velomark cannot open %1: %2.</source>
        <translation>Velomark ne peut pas ouvrir %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Velomark cannot lock %1: %2.</source>
        <translation>Velomark ne peut pas verrouiller %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>un lien</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <source>The file %1 is larger than 1 MB (1,048,576 bytes), far larger than any data file of Velomark can be, so it was not read.</source>
        <translation>Le fichier %1 dépasse 1 Mo (1&#xa0;048&#xa0;576 octets), une taille qu&apos;aucun fichier de données de Velomark ne peut atteindre&#xa0;: il n&apos;a donc pas été lu.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Le fichier %1 ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be examined: %2.</source>
        <translation>Le fichier %1 ne peut pas être examiné&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 is %2, not a regular file, so it was not read.</source>
        <translation>Le fichier %1 est %2 et non un fichier ordinaire&#xa0;: il n&apos;a donc pas été lu.</translation>
    </message>
    <message>
        <source>The file %1 is a link that leads to no file (%2), so nothing was written.</source>
        <translation>Le fichier %1 est un lien qui ne mène à aucun fichier (%2)&#xa0;: rien n&apos;a donc été écrit.</translation>
    </message>
    <message>
        <source>The file %1 is %2, not a regular file, so it was not replaced.</source>
        <translation>Le fichier %1 est %2 et non un fichier ordinaire&#xa0;: il n&apos;a donc pas été remplacé.</translation>
    </message>
    <message>
        <source>The file %1 is read-only, so it was left unchanged.</source>
        <translation>Le fichier %1 est en lecture seule&#xa0;: il n&apos;a donc pas été modifié.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be renamed over it: %2</source>
        <translation>%1 ne peut pas être renommé pour le remplacer&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>c&apos;est %1</translation>
    </message>
    <message>
        <source>it is a link that leads to no file</source>
        <translation>c&apos;est un lien qui ne mène à aucun fichier</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>il ne peut pas être ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>il ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>il ne peut pas être écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>%1 ne peut pas être examiné&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 stands at %2; it was left alone</source>
        <translation>%1 porte le nom %2&#xa0;; il a été laissé tel quel</translation>
    </message>
    <message>
        <source>%1 stands at %2, which is %3 in other letters; it was left alone</source>
        <translation>%1 porte le nom %2, soit %3 à la casse près&#xa0;; il a été laissé tel quel</translation>
    </message>
    <message>
        <source>the old %1 cannot be removed: %2</source>
        <translation>l&apos;ancien %1 ne peut pas être supprimé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <translation>%1 ne peut pas être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Velomark&apos;s lap record file of your Standard circuits</source>
        <translation>le fichier de records de Velomark pour vos circuits standard</translation>
    </message>
    <message>
        <source>Velomark&apos;s lap record file of your IA Track Pack circuits</source>
        <translation>le fichier de records de Velomark pour vos circuits IA Track Pack</translation>
    </message>
    <message>
        <source>Velomark&apos;s lap record file of your Custom circuits</source>
        <translation>le fichier de records de Velomark pour vos circuits personnalisés</translation>
    </message>
    <message>
        <source>Velomark&apos;s list of the names of your Custom circuits</source>
        <translation>la liste de Velomark des noms de vos circuits personnalisés</translation>
    </message>
    <message>
        <source>Velomark&apos;s setting of your GP2 directory</source>
        <translation>le fichier où Velomark garde votre dossier de GP2</translation>
    </message>
    <message>
        <source>Velomark&apos;s own history of your saved times</source>
        <translation>l&apos;historique que Velomark tient de vos temps enregistrés</translation>
    </message>
    <message>
        <source>the scratch file through which Velomark saves its data files</source>
        <translation>le fichier temporaire par lequel Velomark enregistre ses fichiers de données</translation>
    </message>
    <message>
        <source>Velomark&apos;s note of the history rows a save is adding</source>
        <translation>le fichier où Velomark note les lignes d&apos;historique qu&apos;un enregistrement est en train d&apos;ajouter</translation>
    </message>
    <message>
        <source>the file by which Velomark keeps a second copy of itself out of this folder</source>
        <translation>le fichier par lequel Velomark empêche une seconde copie de lui-même d&apos;utiliser ce dossier</translation>
    </message>
    <message>
        <source>%1 is %2; choose another name for the export.</source>
        <translation>%1 est %2&#xa0;; choisissez un autre nom pour l&apos;export.</translation>
    </message>
    <message>
        <source>%1 leads to %2, %3; choose another name for the export.</source>
        <translation>%1 mène à %2, %3&#xa0;; choisissez un autre nom pour l&apos;export.</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2. %1 was left unchanged.</source>
        <translation>Le fichier %1 ne peut pas être enregistré&#xa0;: %2. %1 est resté inchangé.</translation>
    </message>
    <message>
        <source>The new %1 is in place, but its folder could not be flushed to the disk, so the change may be lost if the computer stops now: %2.</source>
        <translation>Le nouveau %1 est en place, mais son dossier n&apos;a pas pu être écrit sur le disque&#xa0;: la modification risque donc d&apos;être perdue si l&apos;ordinateur s&apos;arrête maintenant&#xa0;: %2.</translation>
    </message>
    <message>
        <source>a double quote (&quot;) cannot be stored in a field: &quot;%1&quot;</source>
        <extracomment>Set after a colon into &quot;... cannot be saved: %1.&quot;.</extracomment>
        <translation>le texte «&#xa0;%1&#xa0;» contient un guillemet droit (&quot;), interdit dans un champ</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The history %1 cannot be added to: %2.</source>
        <translation>L&apos;historique %1 ne peut pas être complété&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>HofBat</name>
    <message>
        <source>a double quote</source>
        <translation>un guillemet droit</translation>
    </message>
    <message>
        <source>a percent sign, which the command interpreter would expand</source>
        <translation>un signe pourcentage, que l&apos;interpréteur de commandes développerait</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>un caractère de contrôle</translation>
    </message>
    <message>
        <source>The GP2 directory %1 cannot be passed to hof2lap: it holds %2.</source>
        <translation>Le dossier de GP2 %1 ne peut pas être transmis à hof2lap&#xa0;: il contient %2.</translation>
    </message>
    <message>
        <source>No hot-lap file is chosen.</source>
        <translation>Aucun fichier de tour chrono n&apos;est choisi.</translation>
    </message>
    <message>
        <source>a directory separator</source>
        <translation>un séparateur de dossiers</translation>
    </message>
    <message>
        <source>The hot-lap file %1 cannot be passed to hof2lap: its name holds %2.</source>
        <translation>Le fichier de tour chrono %1 ne peut pas être transmis à hof2lap&#xa0;: son nom contient %2.</translation>
    </message>
</context>
<context>
    <name>HotLaps</name>
    <message>
        <source>the compressed data expands beyond %1 bytes</source>
        <translation>les données compressées dépassent %1 octets une fois décompressées</translation>
    </message>
    <message>
        <source>the compressed data ends inside a back-reference</source>
        <translation>les données compressées s&apos;arrêtent au milieu d&apos;une référence arrière</translation>
    </message>
    <message>
        <source>the compressed data refers back to before its own start</source>
        <translation>les données compressées renvoient à un point antérieur à leur propre début</translation>
    </message>
    <message>
        <source>The file %1 is not a GP2 file.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier GP2.</translation>
    </message>
    <message>
        <source>The file %1 is cut short: it ends inside its header.</source>
        <translation>Le fichier %1 est tronqué&#xa0;: il s&apos;arrête au milieu de son en-tête.</translation>
    </message>
    <message>
        <source>The file %1 is a GP2 file but not a hot lap.</source>
        <translation>Le fichier %1 est un fichier GP2, mais pas un tour chrono.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a hot lap (over %2 MB).</source>
        <translation>Le fichier %1 est trop gros pour un tour chrono (plus de %2 Mo).</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Le dossier %1 est illisible.</translation>
    </message>
    <message>
        <source>The %1 time of %2 in %3 has changed since you chose to replace it; it was left alone.</source>
        <translation>Le temps en %1 du circuit %2 dans %3 a changé depuis que vous avez choisi de le remplacer&#xa0;; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activée</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>flags 0x%1 of unknown meaning</source>
        <translation>indicateurs 0x%1 de signification inconnue</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>The details GP2Lap records (driving aids, lap flags, slow motion...) are not in this file.</source>
        <translation>Les détails qu&apos;enregistre GP2Lap (aides au pilotage, indicateurs du tour, ralenti...) ne figurent pas dans ce fichier.</translation>
    </message>
    <message>
        <source>The details GP2Lap recorded (driving aids, lap flags, slow motion...) cannot be read either.</source>
        <translation>Les détails enregistrés par GP2Lap (aides au pilotage, indicateurs du tour, ralenti...) ne peuvent pas non plus être lus.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>Date GP2Lap wrote: %1 (as it set up its records, before the lap)</source>
        <translation>Date notée par GP2Lap&#xa0;: %1 (quand il a préparé ses enregistrements, avant le tour)</translation>
    </message>
    <message>
        <source>GP2Lap version: %1</source>
        <translation>Version de GP2Lap&#xa0;: %1</translation>
    </message>
    <message>
        <source>Track file: %1, from slot %2, checksum %3</source>
        <translation>Fichier de circuit&#xa0;: %1, chargé depuis l&apos;emplacement %2, somme de contrôle %3</translation>
    </message>
    <message>
        <source>Steering help: %1</source>
        <translation>Aide à la direction&#xa0;: %1</translation>
    </message>
    <message>
        <source>Opposite-lock help: %1</source>
        <translation>Aide au contre-braquage&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lap flags: %1</source>
        <translation>Indicateurs du tour&#xa0;: %1</translation>
    </message>
    <message>
        <source>Driving-aid changes: %1</source>
        <translation>Changements d&apos;aides au pilotage&#xa0;: %1</translation>
    </message>
    <message>
        <source>Processor occupancy: %1% on average, %2% at the highest</source>
        <translation>Occupation du processeur&#xa0;: %1&#xa0;% en moyenne, %2&#xa0;% au maximum</translation>
    </message>
    <message>
        <source>Slow motion: %1</source>
        <translation>Ralenti&#xa0;: %1</translation>
    </message>
    <message>
        <source>Fuel: %1 laps</source>
        <translation>Carburant&#xa0;: %1 tours</translation>
    </message>
    <message>
        <source>Weight: %1 lb</source>
        <translation>Poids&#xa0;: %1 lb</translation>
    </message>
    <message>
        <source>The lap went through the pits: its splits are not times.</source>
        <translation>Le tour est passé par les stands&#xa0;: ses temps intermédiaires ne sont pas de vrais temps.</translation>
    </message>
    <message>
        <source>off track</source>
        <translation>sortie de piste</translation>
    </message>
    <message>
        <source>through the pits</source>
        <translation>passage par les stands</translation>
    </message>
    <message>
        <source>detail level changed</source>
        <translation>niveau de détail modifié</translation>
    </message>
    <message>
        <source>no slow-down before the lap</source>
        <translation>aucun ralentissement avant le tour</translation>
    </message>
    <message>
        <source>F4 used</source>
        <translation>touche F4 utilisée</translation>
    </message>
    <message>
        <source>track map on</source>
        <translation>carte du circuit affichée</translation>
    </message>
    <message>
        <source>slow motion %1</source>
        <translation>ralenti %1</translation>
    </message>
    <message>
        <source>%1 aid change</source>
        <translation>%1 changement d&apos;aide</translation>
    </message>
    <message>
        <source>%1 aid changes</source>
        <translation>%1 changements d&apos;aides</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>Clean: %1</source>
        <translation>Propre&#xa0;: %1</translation>
    </message>
    <message>
        <source>circuit %1</source>
        <translation>circuit %1</translation>
    </message>
    <message>
        <source>Unnamed track-editor track</source>
        <translation>Circuit d&apos;éditeur sans nom</translation>
    </message>
    <message>
        <source>%1 (slot %2)</source>
        <translation>%1 (emplacement %2)</translation>
    </message>
    <message>
        <source>%1 (slot %2) as %3 circuit %2</source>
        <translation>%1 (emplacement %2) comme circuit %3 %2</translation>
    </message>
    <message>
        <source>%1 (slot %2) as %3 circuit %2 (%4)</source>
        <translation>%1 (emplacement %2) comme circuit %3 %2 (%4)</translation>
    </message>
    <message>
        <source>%1 s faster than your best</source>
        <translation>%1 s plus rapide que votre record</translation>
    </message>
    <message>
        <source>the first time for this session</source>
        <translation>premier temps de cette séance</translation>
    </message>
    <message>
        <source>New hot lap at %1, %2 %3: %4. Open Hot laps to take it.</source>
        <translation>Nouveau tour chrono (%1)&#xa0;: %3 en %2, %4. Ouvrez la fenêtre Tours chrono pour l&apos;importer.</translation>
    </message>
    <message>
        <source>New hot lap at %1, %2 %3: %4, a clean lap. Open Hot laps to take it.</source>
        <translation>Nouveau tour chrono (%1)&#xa0;: %3 en %2, %4, tour propre. Ouvrez la fenêtre Tours chrono pour l&apos;importer.</translation>
    </message>
    <message>
        <source>New hot lap at %1, %2 %3: %4, not clean: %5. Open Hot laps to take it.</source>
        <translation>Nouveau tour chrono (%1)&#xa0;: %3 en %2, %4, non propre&#xa0;: %5. Ouvrez la fenêtre Tours chrono pour l&apos;importer.</translation>
    </message>
    <message>
        <source>%1 setup</source>
        <translation>réglages en %1</translation>
    </message>
    <message>
        <source>%1, %2: %3 becomes %4</source>
        <translation>%1, %2&#xa0;: %3 devient %4</translation>
    </message>
    <message>
        <source>%1, %2: %3, the first time stored for this session</source>
        <translation>%1, %2&#xa0;: %3, premier temps enregistré pour cette séance</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4 (which cannot be compared as a time)</source>
        <translation>%1, %2&#xa0;: %3 remplace %4 (qui ne peut pas être comparé en tant que temps)</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4 (the same time)</source>
        <translation>%1, %2&#xa0;: %3 remplace %4 (même temps)</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4 (%5 s slower)</source>
        <translation>%1, %2&#xa0;: %3 remplace %4 (%5 s plus lent)</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4</source>
        <translation>%1, %2&#xa0;: %3 remplace %4</translation>
    </message>
    <message>
        <source>%1; not clean: %2</source>
        <translation>%1&#xa0;; non propre&#xa0;: %2</translation>
    </message>
    <message>
        <source>and SAVE fills out %1</source>
        <translation>et «&#xa0;ENREGISTRER&#xa0;» complète %1</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <translation>%1, %3 en %2&#xa0;: %4</translation>
    </message>
    <message>
        <source>times damaged in this file</source>
        <translation>temps endommagés dans ce fichier</translation>
    </message>
    <message>
        <source>times not readable (saved before GP2Lap 1.14)</source>
        <translation>temps illisibles (sauvegardés avant GP2Lap 1.14)</translation>
    </message>
    <message>
        <source>times not in this file</source>
        <translation>pas de temps dans ce fichier</translation>
    </message>
    <message>
        <source>%1 (never taken)</source>
        <translation>%1 (non importable)</translation>
    </message>
    <message>
        <source>%1: no lap time in this file</source>
        <translation>%1&#xa0;: pas de temps au tour dans ce fichier</translation>
    </message>
    <message>
        <source>The file names track number %1, which is no circuit.</source>
        <translation>Le fichier désigne le circuit numéro %1, qui n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language (de, fr, it, es, nl): the program tells by it which language it speaks, and an HTML report declares it.</extracomment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>LapRecords</name>
    <message>
        <source>The lap record file %1 holds only %2 of its %3 circuit records.</source>
        <translation>Le fichier de records %1 ne contient que %2 des %3 circuits attendus.</translation>
    </message>
    <message>
        <source>%1 lap time</source>
        <translation>temps au tour en %1</translation>
    </message>
    <message>
        <source>%1 1st split</source>
        <translation>Inter. 1 en %1</translation>
    </message>
    <message>
        <source>%1 +2nd split</source>
        <translation>+Inter. 2 en %1</translation>
    </message>
    <message>
        <source>%1 3rd split</source>
        <translation>Inter. 3 en %1</translation>
    </message>
    <message>
        <source>%1 setup file</source>
        <translation>fichier de réglages en %1</translation>
    </message>
    <message>
        <source>holds a double quote at its start</source>
        <translation>commence par un guillemet droit</translation>
    </message>
    <message>
        <source>holds a double quote and starts with a blank</source>
        <translation>contient un guillemet droit et commence par un blanc</translation>
    </message>
    <message>
        <source>holds a double quote and ends with a blank</source>
        <translation>contient un guillemet droit et finit par un blanc</translation>
    </message>
    <message>
        <source>holds both a double quote and a comma</source>
        <translation>contient à la fois un guillemet droit et une virgule</translation>
    </message>
    <message>
        <source>holds both a double quote and a line break</source>
        <translation>contient à la fois un guillemet droit et un saut de ligne</translation>
    </message>
    <message>
        <source>Field %1 of circuit %2 (&quot;%3&quot;) %4 (%5), which a lap record file cannot store.</source>
        <translation>Le champ %1 du circuit %2 («&#xa0;%3&#xa0;») %4 (%5), ce qu&apos;un fichier de records ne peut pas enregistrer.</translation>
    </message>
    <message>
        <source>The lap record file %1 has no circuit %2.</source>
        <translation>Le fichier de records %1 n&apos;a pas de circuit %2.</translation>
    </message>
    <message>
        <source>The file %1 holds no GP2 directory.</source>
        <translation>Le fichier %1 ne contient aucun dossier de GP2.</translation>
    </message>
    <message>
        <source>The GP2 directory cannot be saved: %1.</source>
        <translation>Le dossier de GP2 ne peut pas être enregistré&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>GP2 Lap Times</source>
        <translation>Temps au tour GP2</translation>
    </message>
    <message>
        <source>Correct the filename</source>
        <translation>Corrigez le nom du fichier</translation>
    </message>
    <message>
        <source>Invalid filename. Must end in `.html`</source>
        <translation>Nom de fichier non valide. Il doit se terminer par «&#xa0;.html&#xa0;»</translation>
    </message>
    <message>
        <source>Ooops!</source>
        <translation>Oups&#xa0;!</translation>
    </message>
    <message>
        <source>Cannot Export as selected Circuits are not set up</source>
        <translation>Export impossible&#xa0;: les circuits choisis ne sont pas définis</translation>
    </message>
    <message>
        <source>Nothing to print</source>
        <translation>Rien à imprimer</translation>
    </message>
    <message>
        <source>Erm.. try selecting a Trackset</source>
        <translation>Euh... essayez de cocher un jeu de circuits</translation>
    </message>
    <message>
        <source>Ready to print</source>
        <translation>Prêt à imprimer</translation>
    </message>
    <message>
        <source>Ready print with A4 paper</source>
        <translation>Préparez du papier A4 pour l&apos;impression</translation>
    </message>
    <message>
        <source>There are no lap times to print in the ticked tracksets.</source>
        <translation>Les jeux de circuits cochés ne contiennent aucun temps au tour à imprimer.</translation>
    </message>
    <message>
        <source>GP2 Lap Times - Standard Circuits</source>
        <translation>Temps au tour GP2 - Circuits standard</translation>
    </message>
    <message>
        <source>GP2 Lap Times - IA Track Pack</source>
        <translation>Temps au tour GP2 - IA Track Pack</translation>
    </message>
    <message>
        <source>GP2 Lap Times - Custom Circuits</source>
        <translation>Temps au tour GP2 - Circuits personnalisés</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Séance</translation>
    </message>
    <message>
        <source>Lap Time</source>
        <translation>Temps au tour</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>Inter. 1</translation>
    </message>
    <message>
        <source>+2nd Split</source>
        <translation>+Inter. 2</translation>
    </message>
    <message>
        <source>3rd Split</source>
        <translation>Inter. 3</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Standard Trackset</source>
        <translation>Jeu de circuits Standard</translation>
    </message>
    <message>
        <source>IA Track Pack</source>
        <translation>IA Track Pack</translation>
    </message>
    <message>
        <source>Custom Circuits</source>
        <translation>Circuits personnalisés</translation>
    </message>
    <message>
        <source>LapTime</source>
        <translation>Temps au tour</translation>
    </message>
    <message>
        <source>Setup file</source>
        <translation>Fichier de réglages</translation>
    </message>
    <message>
        <source>Velomark Home Page</source>
        <translation>Site web de Velomark</translation>
    </message>
</context>
<context>
    <name>Save</name>
    <message>
        <source>The times of %1 in %2 were changed elsewhere in Velomark after they were read here.</source>
        <translation>Les temps du circuit %1 dans %2 ont été modifiés ailleurs dans Velomark après avoir été lus ici.</translation>
    </message>
</context>
<context>
    <name>SaveTimes</name>
    <message>
        <source>%1 lap time</source>
        <translation>temps au tour en %1</translation>
    </message>
    <message>
        <source>%1 1st split</source>
        <translation>Inter. 1 en %1</translation>
    </message>
    <message>
        <source>%1 +2nd split</source>
        <translation>+Inter. 2 en %1</translation>
    </message>
    <message>
        <source>%1 3rd split</source>
        <translation>Inter. 3 en %1</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>notes en %1</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>temps en %1</translation>
    </message>
    <message>
        <source>%1: set to %2</source>
        <translation>%1&#xa0;: %2 ajouté</translation>
    </message>
    <message>
        <source>%1: %2 cleared</source>
        <translation>%1&#xa0;: %2 effacé</translation>
    </message>
    <message>
        <source>%1: %2 became %3</source>
        <translation>%1&#xa0;: %2 est devenu %3</translation>
    </message>
    <message>
        <source>%1: %2, the first time stored for this session</source>
        <translation>%1&#xa0;: %2, premier temps enregistré pour cette séance</translation>
    </message>
    <message>
        <source>%1: %2, which cannot be compared as a time with %3 of %4</source>
        <translation>%1&#xa0;: %2, qui ne peut pas être comparé en tant que temps à %3 du %4</translation>
    </message>
    <message>
        <source>%1: %2, which cannot be compared as a time with %3</source>
        <translation>%1&#xa0;: %2, qui ne peut pas être comparé en tant que temps à %3</translation>
    </message>
    <message>
        <source>%1: %2, the same time as %3 of %4</source>
        <translation>%1&#xa0;: %2, même temps que %3 du %4</translation>
    </message>
    <message>
        <source>%1: %2, the same time as %3</source>
        <translation>%1&#xa0;: %2, même temps que %3</translation>
    </message>
    <message>
        <source>%1: %2, %5 s faster than %3 of %4</source>
        <translation>%1&#xa0;: %2, %5 s plus rapide que %3 du %4</translation>
    </message>
    <message>
        <source>%1: %2, %5 s faster than %3</source>
        <translation>%1&#xa0;: %2, %5 s plus rapide que %3</translation>
    </message>
    <message>
        <source>%1: %2, %5 s slower than %3 of %4, stored as you asked</source>
        <translation>%1&#xa0;: %2, %5 s plus lent que %3 du %4, enregistré à votre demande</translation>
    </message>
    <message>
        <source>%1: %2, %5 s slower than %3, stored as you asked</source>
        <translation>%1&#xa0;: %2, %5 s plus lent que %3, enregistré à votre demande</translation>
    </message>
    <message>
        <source>Check the %1 times: its 1st split is not below its +2nd split</source>
        <translation>Vérifiez les temps en %1&#xa0;: le 1er temps intermédiaire n&apos;est pas inférieur au +2e</translation>
    </message>
    <message>
        <source>Check the %1 times: its +2nd split is not below its lap time</source>
        <translation>Vérifiez les temps en %1&#xa0;: le +2e temps intermédiaire n&apos;est pas inférieur au temps au tour</translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>SessionGrid</name>
    <message>
        <source>Quickrace</source>
        <translation>Course rapide</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Essais libres</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Qualifications</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>Lap Time</source>
        <translation>Temps au tour</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>Inter. 1</translation>
    </message>
    <message>
        <source>+2nd Split</source>
        <translation>+Inter. 2</translation>
    </message>
    <message>
        <source>3rd Split</source>
        <translation>Inter. 3</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>Sessions</name>
    <message>
        <source>QuickRace</source>
        <translation>Course rapide</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Essais libres</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Qualifications</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Course</translation>
    </message>
</context>
<context>
    <name>Tracksets</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Standard GP2 Circuits</source>
        <translation>Circuits GP2 standard</translation>
    </message>
    <message>
        <source>TrackPack</source>
        <translation>TrackPack</translation>
    </message>
    <message>
        <source>IA Track Pack Circuits</source>
        <translation>Circuits IA Track Pack</translation>
    </message>
    <message>
        <source>IA Track Pack</source>
        <translation>IA Track Pack</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Perso</translation>
    </message>
    <message>
        <source>User-defined Custom Circuits</source>
        <translation>Circuits personnalisés</translation>
    </message>
</context>
<context>
    <name>velomark::AboutBox</name>
    <message>
        <source>About GP2 Velomark</source>
        <translation>À propos de GP2 Velomark</translation>
    </message>
    <message>
        <source>A car on a race track, and a chequered flag</source>
        <translation>Une voiture sur un circuit, et un drapeau à damier</translation>
    </message>
    <message>
        <source>Designed to allow you to record your personal best lap-times for every session at every circuit.  Now you can get out there a know what you have to beat !</source>
        <translation>Conçu pour garder vos records personnels au tour dans chaque séance, sur chaque circuit. Vous pouvez désormais prendre la piste en sachant ce qu&apos;il vous faut battre&#xa0;!</translation>
    </message>
    <message>
        <source>Free software, offered without any warranty.</source>
        <translation>Logiciel libre, fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>(21st September 1998)</source>
        <extracomment>The date of the first version, written as the language writes dates.</extracomment>
        <translation>(21 septembre 1998)</translation>
    </message>
    <message>
        <source>Visit my Home Page</source>
        <translation>Visitez mon site web</translation>
    </message>
    <message>
        <source>Email me</source>
        <translation>M&apos;écrire</translation>
    </message>
</context>
<context>
    <name>velomark::BestsBoard</name>
    <message>
        <source>Bests board</source>
        <translation>Tableau des records</translation>
    </message>
    <message>
        <source>Rival: none</source>
        <translation>Rival&#xa0;: aucun</translation>
    </message>
    <message>
        <source>Rival</source>
        <translation>Rival</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Bests table</source>
        <translation>Table des records</translation>
    </message>
    <message>
        <source>Trackset filter</source>
        <translation>Filtre des jeux de circuits</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The filter&apos;s choice that shows every trackset.</extracomment>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation>Jeu de circuits</translation>
    </message>
    <message>
        <source>Compare with a rival</source>
        <translation>Comparer à un rival</translation>
    </message>
    <message>
        <source>Clear rival</source>
        <translation>Retirer le rival</translation>
    </message>
    <message>
        <source>Export board</source>
        <translation>Exporter le tableau</translation>
    </message>
    <message>
        <source>A rival&apos;s CSV export, or a file of their data folder (%1)</source>
        <translation>Export CSV d&apos;un rival, ou fichier de son dossier de données (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Rival not read</source>
        <translation>Rival non lu</translation>
    </message>
    <message>
        <source>Rival: %1</source>
        <translation>Rival&#xa0;: %1</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Board not exported</source>
        <translation>Tableau non exporté</translation>
    </message>
    <message>
        <source>%1 is one of the rival&apos;s files, which Velomark only reads.</source>
        <translation>%1 est l&apos;un des fichiers du rival, que Velomark ne fait que lire.</translation>
    </message>
</context>
<context>
    <name>velomark::BoardLink</name>
    <message>
        <source>Bests</source>
        <extracomment>The button that opens the bests board.</extracomment>
        <translation>Records</translation>
    </message>
    <message>
        <source>Every best on one board, and a rival&apos;s beside them</source>
        <translation>Tous vos records sur un tableau, et ceux d&apos;un rival en regard</translation>
    </message>
</context>
<context>
    <name>velomark::BoardModule</name>
    <message>
        <source>The bests board</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>Le tableau des records</translation>
    </message>
    <message>
        <source>No bests board</source>
        <translation>Pas de tableau des records</translation>
    </message>
</context>
<context>
    <name>velomark::ChartView</name>
    <message>
        <source>Stored best</source>
        <extracomment>The legend&apos;s name for the mark on each session&apos;s stored best.</extracomment>
        <translation>Record enregistré</translation>
    </message>
    <message>
        <source>Ideal lap %1</source>
        <extracomment>The legend&apos;s name for the ideal lap&apos;s line; %1 is its lap time.</extracomment>
        <translation>Tour idéal %1</translation>
    </message>
    <message>
        <source>Date saved</source>
        <extracomment>The title of the chart&apos;s date axis.</extracomment>
        <translation>Date d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Lap time</source>
        <extracomment>The title of the chart&apos;s time axis.</extracomment>
        <translation>Temps au tour</translation>
    </message>
    <message>
        <source>Progress chart</source>
        <translation>Graphique de progression</translation>
    </message>
    <message>
        <source>Lap times over the dates they were saved. Left and Right step from point to point.</source>
        <translation>Les temps au tour selon leur date d&apos;enregistrement. Les flèches Gauche et Droite passent d&apos;un point à l&apos;autre.</translation>
    </message>
    <message>
        <source>Setup: %1</source>
        <translation>Réglages&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>velomark::ClipboardExportWindow</name>
    <message>
        <source>Clipboard Export</source>
        <translation>Export presse-papiers</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Jeux de circuits à exporter</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>velomark::CsvExportWindow</name>
    <message>
        <source>CSV file Export</source>
        <translation>Export fichier CSV</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Jeux de circuits à exporter</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Fichier</translation>
    </message>
</context>
<context>
    <name>velomark::CustomWindow</name>
    <message>
        <source>A circuit name cannot hold a line break.</source>
        <translation>Un nom de circuit ne peut pas contenir de saut de ligne.</translation>
    </message>
    <message>
        <source>Setup Custom Circuits</source>
        <translation>Circuits personnalisés</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Custom Circuit Setup</source>
        <translation>Circuits personnalisés</translation>
    </message>
    <message>
        <source>Circuit Name</source>
        <translation>Nom du circuit</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Circuit %1 name</source>
        <translation>Nom du circuit %1</translation>
    </message>
    <message>
        <source>Circuit %1 country</source>
        <translation>Pays du circuit %1</translation>
    </message>
    <message>
        <source>If you have changed a circuit for a new one, dont forget that you will need to `Clear` out the old lap times.</source>
        <extracomment>`Clear` names the lap-time editor&apos;s CLEAR button, which clears a circuit&apos;s times.</extracomment>
        <translation>Si vous avez remplacé un circuit par un autre, n&apos;oubliez pas d&apos;effacer ses anciens temps avec «&#xa0;EFFACER&#xa0;».</translation>
    </message>
    <message>
        <source>Reminder !</source>
        <translation>Rappel&#xa0;!</translation>
    </message>
    <message>
        <source>Custom circuits not saved</source>
        <translation>Circuits personnalisés non enregistrés</translation>
    </message>
</context>
<context>
    <name>velomark::ExportChooser</name>
    <message>
        <source>Export Lap Times</source>
        <translation>Exporter les temps</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Text file (ASCII)</source>
        <translation>Fichier texte (ASCII)</translation>
    </message>
    <message>
        <source>Web Page (HTML)</source>
        <translation>Page web (HTML)</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Presse-papiers</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>Fichier CSV</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapDetailsWindow</name>
    <message>
        <source>Hot lap details</source>
        <translation>Détails du tour chrono</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Hot lap %1</source>
        <extracomment>%1 is the name of the hot lap&apos;s file.</extracomment>
        <translation>Tour chrono %1</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapImportWindow</name>
    <message>
        <source>in the data folder %1, %2</source>
        <extracomment>Why a hot lap could not be read, set after &quot;The hot lap A1.hl could not be read: &quot;; %1 is Velomark&apos;s data folder, %2 what is wrong with a working file in it.</extracomment>
        <translation>dans le dossier de données %1, %2</translation>
    </message>
    <message>
        <source>Import Hotlap from GP2</source>
        <translation>Importer un tour chrono de GP2</translation>
    </message>
    <message>
        <source>Track file</source>
        <extracomment>The line naming the track-editor track a hot lap was driven on.</extracomment>
        <translation>Fichier de circuit</translation>
    </message>
    <message>
        <source>HotLaps</source>
        <extracomment>The list of GP2&apos;s hot-lap files for the circuit.</extracomment>
        <translation>Tours chrono</translation>
    </message>
    <message>
        <source>Details</source>
        <extracomment>The button that shows what GP2Lap recorded about the highlighted hot lap.</extracomment>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Session</source>
        <extracomment>The session the hot lap was driven in (Practice, Qualifying, Race...).</extracomment>
        <translation>Séance</translation>
    </message>
    <message>
        <source>Laptime</source>
        <translation>Temps au tour</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>Inter. 1</translation>
    </message>
    <message>
        <source>2nd Split</source>
        <extracomment>The hot lap&apos;s 2nd split, as GP2Lap recorded it.</extracomment>
        <translation>Inter. 2</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>INSERT</source>
        <extracomment>The button that puts the hot lap&apos;s times into the lap-time editor.</extracomment>
        <translation>INSÉRER</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>FERMER</translation>
    </message>
    <message>
        <source>You need to set your GP2 directory. Do this by pressing `INITIALISE` on the main screen. (Remember that HOF2LAP must also be in the GP2 path.)</source>
        <extracomment>INITIALISE is the caption of the main window&apos;s button (shown there as INITIALISE !); HOF2LAP is the program that reads hot laps.</extracomment>
        <translation>Vous devez définir le dossier de GP2. Pour cela, appuyez sur «&#xa0;INITIALISER&#xa0;!&#xa0;» dans la fenêtre principale. (N&apos;oubliez pas que HOF2LAP doit aussi se trouver dans le dossier de GP2.)</translation>
    </message>
    <message>
        <source>Cannot access GP2 directory.</source>
        <translation>Impossible d&apos;accéder au dossier de GP2.</translation>
    </message>
    <message>
        <source>Hot lap not read</source>
        <translation>Tour chrono non lu</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <extracomment>In place of the name of a track-editor track that names none.</extracomment>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>Driven on the track-editor track %1, loaded into slot %2.</source>
        <extracomment>%1 is the name of a track made with GP2&apos;s track editor, %2 the circuit slot (1 to 16) it was loaded into.</extracomment>
        <translation>Roulé sur le circuit d&apos;éditeur %1, chargé à l&apos;emplacement %2.</translation>
    </message>
    <message>
        <source>The hot lap %1 could not be read: %2.</source>
        <translation>Le tour chrono %1 n&apos;a pas pu être lu&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapTable</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Séance</translation>
    </message>
    <message>
        <source>Lap Time</source>
        <translation>Temps au tour</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>Inter. 1</translation>
    </message>
    <message>
        <source>+2nd Split</source>
        <extracomment>The 2nd split counted from the start of the lap.</extracomment>
        <translation>+Inter. 2</translation>
    </message>
    <message>
        <source>Saved</source>
        <extracomment>When GP2 saved the hot lap&apos;s file.</extracomment>
        <translation>Sauvegardé</translation>
    </message>
    <message>
        <source>Stored</source>
        <extracomment>Your best lap time stored for the circuit and session.</extracomment>
        <translation>Record</translation>
    </message>
    <message>
        <source>Faster by</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Clean</source>
        <extracomment>Whether the lap was clean (not off track, not through the pits...), or why not.</extracomment>
        <translation>Propre</translation>
    </message>
    <message>
        <source>a track-editor track: compare with TrackPack or Custom</source>
        <translation>circuit d&apos;éditeur&#xa0;: comparez à TrackPack ou Perso</translation>
    </message>
    <message>
        <source>no best yet</source>
        <translation>pas encore de record</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsCorner</name>
    <message>
        <source>Hot
laps</source>
        <extracomment>The button&apos;s caption on two lines, so that it fits its narrow place.</extracomment>
        <translation>Tours
chrono</translation>
    </message>
    <message>
        <source>Hot laps</source>
        <translation>Tours chrono</translation>
    </message>
    <message>
        <source>Every hot lap in gpsaves against your bests</source>
        <translation>Tous les tours chrono de gpsaves face à vos records</translation>
    </message>
    <message>
        <source>Click to put this line away</source>
        <translation>Cliquez pour masquer cette ligne</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsModule</name>
    <message>
        <source>The Hot laps window</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>La fenêtre Tours chrono</translation>
    </message>
    <message>
        <source>No Hot laps window</source>
        <translation>Pas de fenêtre Tours chrono</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsWindow</name>
    <message>
        <source>The saves folder %1 is missing; Velomark looks for it again every few seconds.</source>
        <translation>Le dossier des sauvegardes %1 est introuvable&#xa0;; Velomark le recherche de nouveau toutes les quelques secondes.</translation>
    </message>
    <message>
        <source>The saves folder %1 is not a folder; Velomark looks for it again every few seconds.</source>
        <translation>Le dossier des sauvegardes %1 n&apos;est pas un dossier&#xa0;; Velomark le recherche de nouveau toutes les quelques secondes.</translation>
    </message>
    <message>
        <source>The saves folder %1 cannot be read; Velomark tries it again every few seconds.</source>
        <translation>Le dossier des sauvegardes %1 est illisible&#xa0;; Velomark réessaie toutes les quelques secondes.</translation>
    </message>
    <message>
        <source>The saves folder %1 cannot be read (%2); Velomark tries it again every few seconds.</source>
        <extracomment>%2 is the system&apos;s reason, in the system&apos;s words.</extracomment>
        <translation>Le dossier des sauvegardes %1 est illisible (%2)&#xa0;; Velomark réessaie toutes les quelques secondes.</translation>
    </message>
    <message>
        <source>Hot laps in GP2</source>
        <translation>Tours chrono de GP2</translation>
    </message>
    <message>
        <source>Saves folder</source>
        <translation>Dossier des sauvegardes</translation>
    </message>
    <message>
        <source>Hot lap files</source>
        <translation>Fichiers de tours chrono</translation>
    </message>
    <message>
        <source>Hot laps read</source>
        <translation>Tours chrono lus</translation>
    </message>
    <message>
        <source>Hot laps counted</source>
        <translation>Décompte des tours chrono</translation>
    </message>
    <message>
        <source>Hot laps taken</source>
        <translation>Tours chrono importés</translation>
    </message>
    <message>
        <source>Show details</source>
        <translation>Afficher les détails</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <extracomment>%1 is a column&apos;s heading.</extracomment>
        <translation>Trier par %1</translation>
    </message>
    <message>
        <source>Compare with the bests of</source>
        <extracomment>Followed by the three tracksets to choose from.</extracomment>
        <translation>Comparer aux records de</translation>
    </message>
    <message>
        <source>Take selected</source>
        <translation>Importer la sélection</translation>
    </message>
    <message>
        <source>Take all faster</source>
        <translation>Importer les plus rapides</translation>
    </message>
    <message>
        <source>Only clean laps</source>
        <translation>Tours propres seulement</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Set your GP2 directory first: press INITIALISE ! on the main window, type the folder GP2 is installed in into its lower field and press Set GP2 path.</source>
        <extracomment>INITIALISE ! and Set GP2 path are the captions of the buttons to press.</extracomment>
        <translation>Définissez d&apos;abord le dossier de GP2&#xa0;: appuyez sur «&#xa0;INITIALISER&#xa0;!&#xa0;» dans la fenêtre principale, saisissez le dossier d&apos;installation de GP2 dans le champ du bas et appuyez sur «&#xa0;Définir chemin&#xa0;».</translation>
    </message>
    <message>
        <source>The hot laps in %1</source>
        <translation>Les tours chrono de %1</translation>
    </message>
    <message>
        <source>Reading %1 hot laps...</source>
        <translation>Lecture de %1 tours chrono...</translation>
    </message>
    <message>
        <source>%1 hot lap, %2 faster than your best</source>
        <translation>%1 tour chrono, %2 sous votre record</translation>
    </message>
    <message>
        <source>%1 hot laps, %2 faster than your best</source>
        <translation>%1 tours chrono, %2 sous votre record</translation>
    </message>
    <message numerus="yes">
        <source>; %n cannot be read (the Session column says why)</source>
        <extracomment>Follows &quot;N hot laps, N faster than your best&quot;.</extracomment>
        <translation>
            <numerusform>; %n illisible (voir la colonne Séance)</numerusform>
            <numerusform>; %n illisibles (voir la colonne Séance)</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 more name matching *.hl? is no file and is left out</source>
        <extracomment>Follows &quot;N hot laps, N faster than your best&quot;.</extracomment>
        <translation>; %1 autre nom correspondant à *.hl? n&apos;est pas un fichier et est ignoré</translation>
    </message>
    <message>
        <source>; %1 more names matching *.hl? are no files and are left out</source>
        <translation>; %1 autres noms correspondant à *.hl? ne sont pas des fichiers et sont ignorés</translation>
    </message>
    <message>
        <source>Select the rows of the hot laps to take first.</source>
        <translation>Sélectionnez d&apos;abord les lignes des tours chrono à importer.</translation>
    </message>
    <message>
        <source>No clean hot lap is faster than your best. Left out as not clean:
%1</source>
        <extracomment>%1 is a list of hot laps, one a line, each with why it is not clean.</extracomment>
        <translation>Aucun tour chrono propre n&apos;est plus rapide que votre record. Écartés car non propres&#xa0;:
%1</translation>
    </message>
    <message>
        <source>No hot lap is faster than your best.</source>
        <translation>Aucun tour chrono n&apos;est plus rapide que votre record.</translation>
    </message>
    <message>
        <source>A hot lap driven on a track-editor track is never stored as a Standard circuit&apos;s: choose TrackPack or Custom above.</source>
        <translation>Un tour chrono roulé sur un circuit d&apos;éditeur n&apos;est jamais enregistré pour un circuit Standard&#xa0;: choisissez TrackPack ou Perso ci-dessus.</translation>
    </message>
    <message>
        <source>None of the selected hot laps holds the lap time of a session Velomark keeps.</source>
        <translation>Aucun des tours chrono sélectionnés ne contient le temps au tour d&apos;une séance que Velomark conserve.</translation>
    </message>
    <message>
        <source>Store this time in your lap records?</source>
        <translation>Enregistrer ce temps dans vos records&#xa0;?</translation>
    </message>
    <message>
        <source>Store these %1 times in your lap records?</source>
        <translation>Enregistrer ces %1 temps dans vos records&#xa0;?</translation>
    </message>
    <message>
        <source>A time that is not faster than your best is stored only because you selected it.</source>
        <translation>Un temps qui n&apos;est pas plus rapide que votre record n&apos;est enregistré que parce que vous l&apos;avez sélectionné.</translation>
    </message>
    <message>
        <source>This lap is not clean; the list says why.</source>
        <translation>Ce tour n&apos;est pas propre&#xa0;; la liste indique pourquoi.</translation>
    </message>
    <message>
        <source>The list says why a lap is not clean.</source>
        <translation>La liste indique pourquoi un tour n&apos;est pas propre.</translation>
    </message>
    <message>
        <source>1 faster hot lap is left out as not clean; it ends the list.</source>
        <translation>1 tour chrono plus rapide est écarté car non propre&#xa0;; il figure en fin de liste.</translation>
    </message>
    <message>
        <source>%1 faster hot laps are left out as not clean; they end the list.</source>
        <translation>%1 tours chrono plus rapides sont écartés car non propres&#xa0;; ils figurent en fin de liste.</translation>
    </message>
    <message>
        <source>Left out, not clean: %1</source>
        <extracomment>%1 is a hot lap&apos;s file and why the lap is not clean.</extracomment>
        <translation>Écarté, non propre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Take hot laps</source>
        <translation>Importer des tours chrono</translation>
    </message>
    <message>
        <source>Storing hot lap %1 of %2...</source>
        <translation>Enregistrement du tour chrono %1 sur %2...</translation>
    </message>
    <message>
        <source>Times not saved</source>
        <translation>Temps non enregistrés</translation>
    </message>
    <message>
        <source>%1, saved, but the history was not updated: %2</source>
        <extracomment>%1 is the circuit, %2 why the history file was not written.</extracomment>
        <translation>%1, enregistré, mais l&apos;historique n&apos;a pas été mis à jour&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>velomark::HtmlExportWindow</name>
    <message>
        <source>HTML Export</source>
        <translation>Export HTML</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Jeux de circuits à exporter</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>The field for the title of the web page.</extracomment>
        <translation>Titre</translation>
    </message>
</context>
<context>
    <name>velomark::InitWindow</name>
    <message>
        <source>Initialise Datafiles</source>
        <translation>Initialiser les fichiers de données</translation>
    </message>
    <message>
        <source>Standard GP2 Circuits</source>
        <translation>Circuits GP2 standard</translation>
    </message>
    <message>
        <source>IA Track Pack Circuits</source>
        <translation>Circuits IA Track Pack</translation>
    </message>
    <message>
        <source>Custom Circuits</source>
        <translation>Circuits personnalisés</translation>
    </message>
    <message>
        <source>Do it !</source>
        <translation>Lancer&#xa0;!</translation>
    </message>
    <message>
        <source>This will erase all your lap records for selected Tracksets. Use with care.</source>
        <translation>Efface tous vos temps des jeux de circuits cochés. À utiliser avec prudence.</translation>
    </message>
    <message>
        <source>GP2 directory</source>
        <translation>Dossier de GP2</translation>
    </message>
    <message>
        <source>Set GP2 path</source>
        <extracomment>The Hot laps window tells the player to press this button by its caption.</extracomment>
        <translation>Définir chemin</translation>
    </message>
    <message>
        <source>Datafile Initialisation</source>
        <translation>Initialisation des fichiers</translation>
    </message>
    <message>
        <source>Are you sure you want to initialise your lap times ?</source>
        <translation>Voulez-vous vraiment initialiser vos temps au tour&#xa0;?</translation>
    </message>
    <message>
        <source>Datafile Initialised</source>
        <translation>Fichiers initialisés</translation>
    </message>
    <message>
        <source>Its all gone.</source>
        <translation>Tout a été effacé.</translation>
    </message>
    <message>
        <source>GP2 directory not saved</source>
        <translation>Dossier de GP2 non enregistré</translation>
    </message>
</context>
<context>
    <name>velomark::InstanceLock</name>
    <message>
        <source>I`m already running! </source>
        <translation>Je suis déjà lancé&#xa0;! </translation>
    </message>
</context>
<context>
    <name>velomark::LanguageChoice</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>The About box&apos;s choice of the language Velomark speaks.</extracomment>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Desktop&apos;s</source>
        <extracomment>Follow the language of the desktop (the system&apos;s display language).</extracomment>
        <translation>Système</translation>
    </message>
    <message>
        <source>From its next start Velomark speaks the desktop&apos;s language.</source>
        <translation>Au prochain démarrage, Velomark utilisera la langue du système.</translation>
    </message>
    <message>
        <source>From its next start Velomark speaks %1.</source>
        <translation>Au prochain démarrage, Velomark utilisera cette langue&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>velomark::LapTimeEditor</name>
    <message>
        <source>Lap Time Data</source>
        <translation>Temps au tour</translation>
    </message>
    <message>
        <source>PROGRESS</source>
        <extracomment>The button that opens the chart of the circuit&apos;s saved lap times over time.</extracomment>
        <translation>PROGRESSION</translation>
    </message>
    <message>
        <source>Progress chart of this circuit</source>
        <translation>Graphique de progression de ce circuit</translation>
    </message>
    <message>
        <source>Your saved lap times at this circuit over time.</source>
        <translation>L&apos;évolution de vos temps au tour enregistrés sur ce circuit.</translation>
    </message>
    <message>
        <source>Hold a mouse button here to see the 2nd split alone.</source>
        <translation>Maintenez un bouton de la souris enfoncé ici pour voir le 2e temps intermédiaire seul.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A field&apos;s name, also in messages about it: %1 is its row (&quot;Practice&quot;), %2 its column (&quot;Lap Time&quot;).</extracomment>
        <translation>%2 en %1</translation>
    </message>
    <message>
        <source>This is an accumulated split time.</source>
        <translation>Ce temps intermédiaire est cumulé depuis le début du tour.</translation>
    </message>
    <message>
        <source>+/-</source>
        <extracomment>Plus or minus: the label clicked to see the time differences between Practice and Qualifying.</extracomment>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Click with Left or Right mouse button to see time differences.</source>
        <translation>Cliquez avec le bouton gauche ou droit de la souris pour voir les écarts de temps.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <extracomment>The button that imports a hot lap from GP2.</extracomment>
        <translation>IMPORTER</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <extracomment>The button that empties every field of the window.</extracomment>
        <translation>EFFACER</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>FERMER</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>%1 Press INITIALISE ! on the main screen to create the lap record files.</source>
        <extracomment>%1 is why the lap record file cannot be read; INITIALISE ! is the caption of the main window&apos;s button.</extracomment>
        <translation>%1 Appuyez sur «&#xa0;INITIALISER&#xa0;!&#xa0;» dans la fenêtre principale pour créer les fichiers de records.</translation>
    </message>
    <message>
        <source>%1 The file was left as it is.</source>
        <extracomment>%1 is why the lap record file cannot be read.</extracomment>
        <translation>%1 Le fichier a été laissé tel quel.</translation>
    </message>
    <message>
        <source>Lap times not found</source>
        <translation>Temps au tour introuvables</translation>
    </message>
    <message>
        <source>Correct Error under cursor</source>
        <extracomment>A lap time or split that is not a time; the cursor is in its session&apos;s lap time.</extracomment>
        <translation>Corrigez l&apos;erreur sous le curseur</translation>
    </message>
    <message>
        <source>Error !</source>
        <translation>Erreur&#xa0;!</translation>
    </message>
    <message>
        <source>The differences need the 1st and +2nd splits of both sessions, written as times (and the 3rd splits, where both are filled).</source>
        <translation>Les écarts exigent, dans les deux séances, le 1er et le +2e temps intermédiaire saisis sous forme de temps (ainsi que le 3e, s&apos;il est rempli dans les deux).</translation>
    </message>
    <message>
        <source>2nd Split</source>
        <extracomment>The +2nd Split column&apos;s header while a mouse button is held on it: the fields then show the 2nd split alone, not added to the 1st.</extracomment>
        <translation>Inter. 2</translation>
    </message>
    <message>
        <source>The 2nd split alone needs the 1st split and the +2nd split written as times.</source>
        <translation>Le 2e temps intermédiaire seul exige le 1er et le +2e temps intermédiaire saisis sous forme de temps.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a field (&quot;Practice Notes&quot;), %2 why its text cannot be stored.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Times not saved</source>
        <translation>Temps non enregistrés</translation>
    </message>
    <message>
        <source>the %1</source>
        <extracomment>One of the things changed both here and elsewhere: %1 is &quot;Qualifying times&quot;, &quot;Race notes&quot; and the like.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of things changed: &quot;the Practice times, the Qualifying times and the Race notes&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Keep both</source>
        <extracomment>A button of the question &quot;Times changed elsewhere&quot;: store both sides&apos; changes.</extracomment>
        <translation>Garder les deux</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <extracomment>A button of the question &quot;Times changed elsewhere&quot;: store the window&apos;s times over the new ones.</extracomment>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Go back to the stored times</source>
        <translation>Revenir aux temps enregistrés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Keep both: your changes are stored over the new times.</source>
        <extracomment>Keep both is the caption of the button this line explains.</extracomment>
        <translation>Garder les deux&#xa0;: vos modifications sont enregistrées par-dessus les nouveaux temps.</translation>
    </message>
    <message>
        <source>You changed %1 here as well: only one of the two can be kept.</source>
        <extracomment>%1 is what was changed both here and elsewhere (&quot;the Qualifying times&quot;).</extracomment>
        <translation>Vous avez aussi modifié ici&#xa0;: %1. Une seule des deux versions peut être conservée.</translation>
    </message>
    <message>
        <source>Overwrite: the times in this window replace the new ones.</source>
        <extracomment>Overwrite is the caption of the button this line explains.</extracomment>
        <translation>Écraser&#xa0;: les temps de cette fenêtre remplacent les nouveaux.</translation>
    </message>
    <message>
        <source>Go back: the window shows the stored times and your changes are dropped.</source>
        <extracomment>Go back stands for the button &quot;Go back to the stored times&quot;, which this line explains.</extracomment>
        <translation>Revenir&#xa0;: la fenêtre affiche les temps enregistrés et vos modifications sont abandonnées.</translation>
    </message>
    <message>
        <source>Changed elsewhere:</source>
        <extracomment>Heads the list of the fields changed in the file since the window read it.</extracomment>
        <translation>Modifié ailleurs&#xa0;:</translation>
    </message>
    <message>
        <source>Changed by you:</source>
        <extracomment>Heads the list of the fields changed in the window.</extracomment>
        <translation>Modifié par vous&#xa0;:</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>The list of the fields changed in the window is empty.</extracomment>
        <translation>rien</translation>
    </message>
    <message>
        <source>Times changed elsewhere</source>
        <translation>Temps modifiés ailleurs</translation>
    </message>
    <message>
        <source>Your times are saved, but the history was not updated: %1</source>
        <extracomment>%1 is why the history file was not written.</extracomment>
        <translation>Vos temps sont enregistrés, mais l&apos;historique n&apos;a pas été mis à jour&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nothing was saved: your times are still in the window.</source>
        <translation>Rien n&apos;a été enregistré&#xa0;: vos temps sont toujours dans la fenêtre.</translation>
    </message>
    <message>
        <source>Nothing was saved: your changes were dropped, and the window shows the stored times.</source>
        <translation>Rien n&apos;a été enregistré&#xa0;: vos modifications ont été abandonnées et la fenêtre affiche les temps enregistrés.</translation>
    </message>
    <message>
        <source>%1 Your times are still in the window; press SAVE again once this is put right.</source>
        <extracomment>%1 is why the lap record file was not written; SAVE is the caption of the button.</extracomment>
        <translation>%1 Vos temps sont toujours dans la fenêtre&#xa0;; appuyez de nouveau sur «&#xa0;ENREGISTRER&#xa0;» une fois le problème corrigé.</translation>
    </message>
    <message>
        <source>Clear all Entries</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>This will clear your times for this track, but this will only be permanent if you Save. Are you sure ?</source>
        <translation>Vos temps de ce circuit vont être effacés, mais ce ne sera définitif que si vous appuyez sur «&#xa0;ENREGISTRER&#xa0;». Voulez-vous continuer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>velomark::LoadedModule</name>
    <message>
        <source>%1 needs the module %2, which could not be loaded: %3.</source>
        <extracomment>%1 is what needs the module (&quot;The progress chart&quot;), %2 the module&apos;s file, %3 the system&apos;s reason, in the system&apos;s words.</extracomment>
        <translation>%1 a besoin du module %2, qui n&apos;a pas pu être chargé&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 needs the module %2, which is missing from the folder %3; installing Velomark again brings it back.</source>
        <extracomment>%1 is what needs the module (&quot;The progress chart&quot;), %2 the module&apos;s name, %3 the program&apos;s folder.</extracomment>
        <translation>%1 a besoin du module %2, absent du dossier %3&#xa0;; réinstaller Velomark le rétablira.</translation>
    </message>
</context>
<context>
    <name>velomark::MainWindow</name>
    <message>
        <source>About Velomark</source>
        <translation>À propos de Velomark</translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation>Jeu de circuits</translation>
    </message>
    <message>
        <source>Select Trackset</source>
        <translation>Choisissez le jeu de circuits</translation>
    </message>
    <message>
        <source>Set up custom circuits</source>
        <translation>Définir les circuits personnalisés</translation>
    </message>
    <message>
        <source>INITIALISE !</source>
        <extracomment>The Hot laps window tells the player to press this button by its caption.</extracomment>
        <translation>INITIALISER&#xa0;!</translation>
    </message>
    <message>
        <source>Initialise datafiles !</source>
        <translation>Initialiser les fichiers de données&#xa0;!</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Remerciements</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>The button that opens the export chooser.</extracomment>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Print Lap Times</source>
        <translation>Imprimer les temps au tour</translation>
    </message>
    <message>
        <source>&quot;The meek may inherit the Earth.  They just better stay the hell off the track&quot;</source>
        <extracomment>A quotation shown at the foot of the main window.</extracomment>
        <translation>«&#xa0;Les doux hériteront de la Terre. Mais qu&apos;ils dégagent de la piste&#xa0;!&#xa0;»</translation>
    </message>
    <message>
        <source>Ooops!</source>
        <translation>Oups&#xa0;!</translation>
    </message>
    <message>
        <source>You need to set up some circuits first. Press the `?` button to do this</source>
        <translation>Vous devez d&apos;abord définir des circuits. Pour cela, appuyez sur le bouton «&#xa0;?&#xa0;»</translation>
    </message>
</context>
<context>
    <name>velomark::PrintSink</name>
    <message>
        <source>The printer %1 did not take &quot;%2&quot;.</source>
        <extracomment>%1 is the printer&apos;s name, %2 the document&apos;s.</extracomment>
        <translation>L&apos;imprimante %1 n&apos;a pas accepté «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The file %1 could not be drawn.</source>
        <translation>Le fichier %1 n&apos;a pas pu être produit.</translation>
    </message>
    <message>
        <source>Printing</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>L&apos;impression</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of files: &quot;a&quot;, &quot;b&quot; and &quot;c&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>No printer is installed, so the lap times were saved as %1 in the folder %2.</source>
        <extracomment>%1 is the list of the PDF files written, %2 the folder they are in.</extracomment>
        <translation>Aucune imprimante n&apos;est installée&#xa0;: les temps au tour ont donc été enregistrés sous %1 dans le dossier %2.</translation>
    </message>
</context>
<context>
    <name>velomark::PrintWindow</name>
    <message>
        <source>Print Lap Times</source>
        <translation>Imprimer les temps</translation>
    </message>
    <message>
        <source>Choose Trackset to print</source>
        <translation>Jeux de circuits à imprimer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Lap times not printed</source>
        <translation>Temps au tour non imprimés</translation>
    </message>
</context>
<context>
    <name>velomark::ProgressModule</name>
    <message>
        <source>The progress chart</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>Le graphique de progression</translation>
    </message>
    <message>
        <source>No progress chart</source>
        <translation>Pas de graphique de progression</translation>
    </message>
</context>
<context>
    <name>velomark::ProgressWindow</name>
    <message>
        <source>Progress - %1</source>
        <extracomment>%1 is the circuit&apos;s name and country.</extracomment>
        <translation>Progression - %1</translation>
    </message>
    <message>
        <source>Progress of the lap times at %1</source>
        <extracomment>%1 is the circuit&apos;s name and country.</extracomment>
        <translation>Progression des temps au tour&#xa0;: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No lap time of this circuit has been saved since Velomark began keeping its history, so there is no progress to draw yet.</source>
        <translation>Aucun temps au tour n&apos;a été enregistré pour ce circuit depuis que Velomark tient son historique&#xa0;: il n&apos;y a donc pas encore de progression à tracer.</translation>
    </message>
    <message>
        <source>Hover over a point to see its time, date and setup; on the chart, Left and Right step from point to point.</source>
        <translation>Survolez un point pour voir son temps, sa date et ses réglages&#xa0;; sur le graphique, les flèches Gauche et Droite passent d&apos;un point à l&apos;autre.</translation>
    </message>
    <message>
        <source>The history is long, so only its last 64 MB were read.</source>
        <translation>L&apos;historique est long&#xa0;: seuls ses 64 derniers Mo ont été lus.</translation>
    </message>
</context>
<context>
    <name>velomark::ReportWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Lap times not exported</source>
        <translation>Temps au tour non exportés</translation>
    </message>
</context>
<context>
    <name>velomark::ScreenExportWindow</name>
    <message>
        <source>Export to Screen</source>
        <translation>Export à l&apos;écran</translation>
    </message>
    <message>
        <source>Choose Trackset to view</source>
        <translation>Jeux de circuits à afficher</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>velomark::ScreenView</name>
    <message>
        <source>Viewing Lap Times</source>
        <translation>Affichage des temps au tour</translation>
    </message>
    <message>
        <source>Lap times report</source>
        <translation>Relevé des temps au tour</translation>
    </message>
</context>
<context>
    <name>velomark::SlotChoiceWindow</name>
    <message>
        <source>Insert into which slot ?</source>
        <translation>Insérer dans quelle séance&#xa0;?</translation>
    </message>
    <message>
        <source>Race</source>
        <extracomment>The session the race lap is stored as.</extracomment>
        <translation>Course</translation>
    </message>
    <message>
        <source>Quickrace</source>
        <extracomment>The session the race lap is stored as.</extracomment>
        <translation>Course rapide</translation>
    </message>
</context>
<context>
    <name>velomark::StorableTextValidator</name>
    <message>
        <source>The character %1 cannot be stored in Velomark&apos;s files.</source>
        <translation>Le caractère %1 ne peut pas être enregistré dans les fichiers de Velomark.</translation>
    </message>
    <message>
        <source>A double quote (&quot;) cannot be stored in Velomark&apos;s files.</source>
        <translation>Un guillemet droit (&quot;) ne peut pas être enregistré dans les fichiers de Velomark.</translation>
    </message>
</context>
<context>
    <name>velomark::TextExportWindow</name>
    <message>
        <source>Text file Export</source>
        <translation>Export fichier texte</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Jeux de circuits à exporter</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Fichier</translation>
    </message>
</context>
<context>
    <name>velomark::WaitWindow</name>
    <message>
        <source>Extracting.....</source>
        <translation>Extraction.....</translation>
    </message>
</context>
</TS>
