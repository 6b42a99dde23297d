<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>The %1 circuits</source>
        <translation>De circuits van de circuitset %1</translation>
    </message>
    <message>
        <source>The dates under &quot;Set on&quot;</source>
        <translation>De datums in de kolom &quot;Datum&quot;</translation>
    </message>
    <message>
        <source>There are no lap record files yet: press INITIALISE ! on the main window to create them.</source>
        <translation>Er zijn nog geen rondetijdenbestanden: druk in het hoofdvenster op INITIALISEER! om ze aan te maken.</translation>
    </message>
    <message>
        <source>The rival file %1 is larger than 64 MB, far larger than a CSV export of 48 circuits can be, so it was not read.</source>
        <translation>Het rivaalbestand %1 is groter dan 64 MB, veel groter dan een CSV-export van 48 circuits kan zijn, dus het is niet ingelezen.</translation>
    </message>
    <message>
        <source>The rival file %1 does not exist.</source>
        <translation>Het rivaalbestand %1 bestaat niet.</translation>
    </message>
    <message>
        <source>The rival&apos;s %1 times</source>
        <translation>De tijden van de rivaal in de circuitset %1</translation>
    </message>
    <message>
        <source>The folder %1 holds no lap record file (set1.dat, set2.dat, set3.dat) that Velomark can read.</source>
        <translation>De map %1 bevat geen rondetijdenbestand (set1.dat, set2.dat, set3.dat) dat Velomark kan lezen.</translation>
    </message>
    <message>
        <source>%1 are left out because %2</source>
        <translation>%1 zijn overgeslagen. %2</translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation>Circuitset</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Rival</source>
        <translation>Rivaal</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <source>Ideal</source>
        <translation>Ideaal</translation>
    </message>
    <message>
        <source>Set on</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>it is not a CSV row of nine fields</source>
        <translation>het is geen CSV-rij van negen velden</translation>
    </message>
    <message>
        <source>%1 is not a CSV row of nine fields</source>
        <translation>%1 is geen CSV-rij van negen velden</translation>
    </message>
    <message>
        <source>%1 are not CSV rows of nine fields</source>
        <translation>%1 zijn geen CSV-rijen van negen velden</translation>
    </message>
    <message>
        <source>it names no trackset, circuit (1 to 16) or session that Velomark knows</source>
        <translation>er staat geen circuitset, circuit (1 t/m 16) of sessie in die Velomark kent</translation>
    </message>
    <message>
        <source>%1 names no trackset, circuit (1 to 16) or session that Velomark knows</source>
        <translation>%1 noemt geen circuitset, circuit (1 t/m 16) of sessie die Velomark kent</translation>
    </message>
    <message>
        <source>%1 name no trackset, circuit (1 to 16) or session that Velomark knows</source>
        <translation>%1 noemen geen circuitset, circuit (1 t/m 16) of sessie die Velomark kent</translation>
    </message>
    <message>
        <source>it repeats the circuit and session of an earlier line</source>
        <translation>het circuit en de sessie staan al in een eerdere regel</translation>
    </message>
    <message>
        <source>%1 repeats the circuit and session of an earlier line</source>
        <translation>%1 herhaalt het circuit en de sessie van een eerdere regel</translation>
    </message>
    <message>
        <source>%1 repeat the circuit and session of an earlier line</source>
        <translation>%1 herhalen het circuit en de sessie van een eerdere regel</translation>
    </message>
    <message>
        <source>%1 line of the rival&apos;s file was skipped: %2.</source>
        <translation>%1 regel van het rivaalbestand is overgeslagen: %2.</translation>
    </message>
    <message>
        <source>%1 lines of the rival&apos;s file were skipped: %2.</source>
        <translation>%1 regels van het rivaalbestand zijn overgeslagen: %2.</translation>
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
        <translation>Brazilië</translation>
    </message>
    <message>
        <source>TI Circuit Aida</source>
        <translation>TI Circuit Aida</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pacific</translation>
    </message>
    <message>
        <source>Imola</source>
        <translation>Imola</translation>
    </message>
    <message>
        <source>San Marino</source>
        <translation>San Marino</translation>
    </message>
    <message>
        <source>Monte Carlo</source>
        <translation>Monte Carlo</translation>
    </message>
    <message>
        <source>Monaco</source>
        <translation>Monaco</translation>
    </message>
    <message>
        <source>Barcelona</source>
        <translation>Barcelona</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanje</translation>
    </message>
    <message>
        <source>Gilles Villeneuve</source>
        <translation>Gilles Villeneuve</translation>
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
        <translation>Frankrijk</translation>
    </message>
    <message>
        <source>Silverstone</source>
        <translation>Silverstone</translation>
    </message>
    <message>
        <source>Great Britain</source>
        <translation>Groot-Brittannië</translation>
    </message>
    <message>
        <source>Hockenheim</source>
        <translation>Hockenheim</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Duitsland</translation>
    </message>
    <message>
        <source>Hungaroring</source>
        <translation>Hungaroring</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Hongarije</translation>
    </message>
    <message>
        <source>Spa Francorchamps</source>
        <translation>Spa-Francorchamps</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>België</translation>
    </message>
    <message>
        <source>Monza</source>
        <translation>Monza</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italië</translation>
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
        <translation>Europa</translation>
    </message>
    <message>
        <source>Suzuka</source>
        <translation>Suzuka</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Adelaide</source>
        <translation>Adelaide</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australië</translation>
    </message>
    <message>
        <source>Brands Hatch</source>
        <translation>Brands Hatch</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Ierland</translation>
    </message>
    <message>
        <source>Buenos Aires</source>
        <translation>Buenos Aires</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Argentinië</translation>
    </message>
    <message>
        <source>Paul Ricard</source>
        <translation>Paul Ricard</translation>
    </message>
    <message>
        <source>A1 Ring</source>
        <translation>A1-Ring</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Oostenrijk</translation>
    </message>
    <message>
        <source>Zandvoort</source>
        <translation>Zandvoort</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nederland</translation>
    </message>
    <message>
        <source>Nurburgring</source>
        <translation>Nürburgring</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Luxemburg</translation>
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
        <translation>Het bestand %1 met je eigen circuits kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The custom circuit file %1 holds fewer than 16 circuits.</source>
        <translation>Het bestand %1 met je eigen circuits bevat minder dan 16 circuits.</translation>
    </message>
    <message>
        <source>The custom circuits cannot be saved: %1.</source>
        <translation>De eigen circuits kunnen niet worden opgeslagen: %1.</translation>
    </message>
    <message>
        <source>a double quote (&quot;) cannot be stored</source>
        <extracomment>Set after a colon into &quot;Custom circuit %1 cannot be saved: %2.&quot;.</extracomment>
        <translation>een dubbel aanhalingsteken (&quot;) kan niet worden opgeslagen</translation>
    </message>
    <message>
        <source>a name cannot hold a line break</source>
        <translation>een naam kan geen regeleinde bevatten</translation>
    </message>
    <message>
        <source>Custom circuit %1 cannot be saved: %2.</source>
        <translation>Eigen circuit %1 kan niet worden opgeslagen: %2.</translation>
    </message>
</context>
<context>
    <name>Extraction</name>
    <message>
        <source>the command interpreter %1 could not be started (%2); it belongs in the folder of the program</source>
        <extracomment>Why a hot lap could not be read, set after &quot;The hot lap A1.hl could not be read: &quot;; %1 is the program that ran hof.bat.</extracomment>
        <translation>de opdrachtinterpreter %1 kon niet worden gestart (%2); hij hoort in de map van het programma te staan</translation>
    </message>
    <message>
        <source>hof2lap did not finish within %1 seconds and was stopped; check that hof2lap in the GP2 directory %2 runs on this system and that the file can be read</source>
        <translation>hof2lap was niet binnen %1 seconden klaar en is afgebroken; controleer of hof2lap in de GP2-map %2 op dit systeem werkt en of het bestand kan worden gelezen</translation>
    </message>
    <message>
        <source>the command interpreter %1 stopped before hof.bat was done</source>
        <translation>de opdrachtinterpreter %1 stopte voordat hof.bat klaar was</translation>
    </message>
    <message>
        <source>hof2lap ended with status %1 without saying why</source>
        <translation>hof2lap eindigde met status %1 zonder te melden waarom</translation>
    </message>
    <message>
        <source>the file flag does not hold a number once hof.bat has run</source>
        <translation>het bestand flag bevat geen getal nadat hof.bat is uitgevoerd</translation>
    </message>
    <message>
        <source>hof.bat ended without writing 1 into the file flag</source>
        <translation>hof.bat eindigde zonder 1 in het bestand flag te schrijven</translation>
    </message>
    <message>
        <source>its name holds the character %1, which the batch file cannot carry</source>
        <translation>de naam bevat het teken %1, dat het batchbestand niet kan doorgeven</translation>
    </message>
    <message>
        <source>the dump that hof2lap wrote into hoftemp ends before its last line</source>
        <translation>de uitvoer die hof2lap naar hoftemp schreef, eindigt vóór de laatste regel</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>this data folder</source>
        <translation>deze gegevensmap</translation>
    </message>
    <message>
        <source>the data folder %1</source>
        <translation>de gegevensmap %1</translation>
    </message>
    <message>
        <source>Another copy of Velomark is already running on %1.</source>
        <translation>Een ander exemplaar van Velomark gebruikt %1 al.</translation>
    </message>
    <message>
        <source>Velomark cannot open %1: %2.</source>
        <translation>Velomark kan %1 niet openen: %2.</translation>
    </message>
    <message>
        <source>Velomark cannot lock %1: %2.</source>
        <translation>Velomark kan %1 niet vergrendelen: %2.</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>een named pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>een socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>een apparaat</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>een koppeling</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>een speciaal bestand</translation>
    </message>
    <message>
        <source>The file %1 is larger than 1 MB (1,048,576 bytes), far larger than any data file of Velomark can be, so it was not read.</source>
        <translation>Het bestand %1 is groter dan 1 MB (1.048.576 bytes), veel groter dan een gegevensbestand van Velomark ooit kan zijn, dus het is niet ingelezen.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Het bestand %1 kan niet worden geopend: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Het bestand %1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be examined: %2.</source>
        <translation>Het bestand %1 kan niet worden onderzocht: %2.</translation>
    </message>
    <message>
        <source>The file %1 is %2, not a regular file, so it was not read.</source>
        <translation>Het bestand %1 is %2, geen gewoon bestand, dus het is niet ingelezen.</translation>
    </message>
    <message>
        <source>The file %1 is a link that leads to no file (%2), so nothing was written.</source>
        <translation>Het bestand %1 is een koppeling die naar geen bestand leidt (%2), dus er is niets geschreven.</translation>
    </message>
    <message>
        <source>The file %1 is %2, not a regular file, so it was not replaced.</source>
        <translation>Het bestand %1 is %2, geen gewoon bestand, dus het is niet vervangen.</translation>
    </message>
    <message>
        <source>The file %1 is read-only, so it was left unchanged.</source>
        <translation>Het bestand %1 is alleen-lezen, dus het is ongewijzigd gelaten.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>%1 cannot be renamed over it: %2</source>
        <translation>%1 kan niet worden hernoemd om het te vervangen: %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>het is %1</translation>
    </message>
    <message>
        <source>it is a link that leads to no file</source>
        <translation>het is een koppeling die naar geen bestand leidt</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>het kan niet worden geopend: %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>het kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>er kan niet in worden geschreven: %1</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>%1 kan niet worden onderzocht: %2</translation>
    </message>
    <message>
        <source>%1 stands at %2; it was left alone</source>
        <translation>op de plaats van %2 staat %1; die is ongemoeid gelaten</translation>
    </message>
    <message>
        <source>%1 stands at %2, which is %3 in other letters; it was left alone</source>
        <translation>op de plaats van %2 (dat is %3 met andere hoofd- of kleine letters) staat %1; die is ongemoeid gelaten</translation>
    </message>
    <message>
        <source>the old %1 cannot be removed: %2</source>
        <translation>het oude %1 kan niet worden verwijderd: %2</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <translation>%1 kan niet worden aangemaakt: %2</translation>
    </message>
    <message>
        <source>Velomark&apos;s lap record file of your Standard circuits</source>
        <translation>het rondetijdenbestand van Velomark voor je standaard GP2-circuits</translation>
    </message>
    <message>
        <source>Velomark&apos;s lap record file of your IA Track Pack circuits</source>
        <translation>het rondetijdenbestand van Velomark voor je IA Track Pack-circuits</translation>
    </message>
    <message>
        <source>Velomark&apos;s lap record file of your Custom circuits</source>
        <translation>het rondetijdenbestand van Velomark voor je eigen circuits</translation>
    </message>
    <message>
        <source>Velomark&apos;s list of the names of your Custom circuits</source>
        <translation>de lijst van Velomark met de namen van je eigen circuits</translation>
    </message>
    <message>
        <source>Velomark&apos;s setting of your GP2 directory</source>
        <translation>de instelling van Velomark voor je GP2-map</translation>
    </message>
    <message>
        <source>Velomark&apos;s own history of your saved times</source>
        <translation>de geschiedenis die Velomark zelf van je opgeslagen tijden bijhoudt</translation>
    </message>
    <message>
        <source>the scratch file through which Velomark saves its data files</source>
        <translation>het tijdelijke bestand waarmee Velomark zijn gegevensbestanden opslaat</translation>
    </message>
    <message>
        <source>Velomark&apos;s note of the history rows a save is adding</source>
        <translation>de aantekening waarin Velomark bijhoudt welke regels het opslaan aan de geschiedenis toevoegt</translation>
    </message>
    <message>
        <source>the file by which Velomark keeps a second copy of itself out of this folder</source>
        <translation>het bestand waarmee Velomark voorkomt dat een tweede exemplaar van zichzelf deze map gebruikt</translation>
    </message>
    <message>
        <source>%1 is %2; choose another name for the export.</source>
        <translation>%1 is %2; kies een andere naam voor de export.</translation>
    </message>
    <message>
        <source>%1 leads to %2, %3; choose another name for the export.</source>
        <translation>%1 verwijst naar %2, %3; kies een andere naam voor de export.</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2. %1 was left unchanged.</source>
        <translation>Het bestand %1 kan niet worden opgeslagen: %2. %1 is ongewijzigd gebleven.</translation>
    </message>
    <message>
        <source>The new %1 is in place, but its folder could not be flushed to the disk, so the change may be lost if the computer stops now: %2.</source>
        <translation>Het nieuwe %1 staat op zijn plaats, maar de map kon niet naar de schijf worden weggeschreven, dus de wijziging kan verloren gaan als de computer nu uitvalt: %2.</translation>
    </message>
    <message>
        <source>a double quote (&quot;) cannot be stored in a field: &quot;%1&quot;</source>
        <extracomment>Set after a colon into &quot;... cannot be saved: %1.&quot;.</extracomment>
        <translation>een dubbel aanhalingsteken (&quot;) kan niet in een veld worden opgeslagen: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The history %1 cannot be added to: %2.</source>
        <translation>De geschiedenis %1 kan niet worden aangevuld: %2.</translation>
    </message>
</context>
<context>
    <name>HofBat</name>
    <message>
        <source>a double quote</source>
        <translation>een dubbel aanhalingsteken</translation>
    </message>
    <message>
        <source>a percent sign, which the command interpreter would expand</source>
        <translation>een procentteken, dat de opdrachtinterpreter zou vervangen</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>een stuurteken</translation>
    </message>
    <message>
        <source>The GP2 directory %1 cannot be passed to hof2lap: it holds %2.</source>
        <translation>De GP2-map %1 kan niet aan hof2lap worden doorgegeven: het pad bevat %2.</translation>
    </message>
    <message>
        <source>No hot-lap file is chosen.</source>
        <translation>Er is geen hotlapbestand gekozen.</translation>
    </message>
    <message>
        <source>a directory separator</source>
        <translation>een mapscheidingsteken</translation>
    </message>
    <message>
        <source>The hot-lap file %1 cannot be passed to hof2lap: its name holds %2.</source>
        <translation>Het hotlapbestand %1 kan niet aan hof2lap worden doorgegeven: de naam bevat %2.</translation>
    </message>
</context>
<context>
    <name>HotLaps</name>
    <message>
        <source>the compressed data expands beyond %1 bytes</source>
        <translation>de gecomprimeerde gegevens pakken uit tot meer dan %1 bytes</translation>
    </message>
    <message>
        <source>the compressed data ends inside a back-reference</source>
        <translation>de gecomprimeerde gegevens eindigen midden in een terugverwijzing</translation>
    </message>
    <message>
        <source>the compressed data refers back to before its own start</source>
        <translation>de gecomprimeerde gegevens verwijzen terug naar vóór hun eigen begin</translation>
    </message>
    <message>
        <source>The file %1 is not a GP2 file.</source>
        <translation>Het bestand %1 is geen GP2-bestand.</translation>
    </message>
    <message>
        <source>The file %1 is cut short: it ends inside its header.</source>
        <translation>Het bestand %1 is afgekapt: het eindigt midden in de header.</translation>
    </message>
    <message>
        <source>The file %1 is a GP2 file but not a hot lap.</source>
        <translation>Het bestand %1 is een GP2-bestand, maar geen hotlap.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Het bestand %1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a hot lap (over %2 MB).</source>
        <translation>Het bestand %1 is te groot voor een hotlap (meer dan %2 MB).</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>De map %1 bestaat niet.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>De map %1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The %1 time of %2 in %3 has changed since you chose to replace it; it was left alone.</source>
        <translation>De tijd voor %1 op %2 in %3 is gewijzigd sinds je koos om hem te vervangen; hij is ongemoeid gelaten.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>aan</translation>
    </message>
    <message>
        <source>off</source>
        <translation>uit</translation>
    </message>
    <message>
        <source>flags 0x%1 of unknown meaning</source>
        <translation>markeringen 0x%1 met onbekende betekenis</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>The details GP2Lap records (driving aids, lap flags, slow motion...) are not in this file.</source>
        <translation>De details die GP2Lap vastlegt (rijhulpen, rondemarkeringen, slow motion...) staan niet in dit bestand.</translation>
    </message>
    <message>
        <source>The details GP2Lap recorded (driving aids, lap flags, slow motion...) cannot be read either.</source>
        <translation>De details die GP2Lap heeft vastgelegd (rijhulpen, rondemarkeringen, slow motion...) kunnen evenmin worden gelezen.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>bewerkt</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>standaard</translation>
    </message>
    <message>
        <source>Date GP2Lap wrote: %1 (as it set up its records, before the lap)</source>
        <translation>Datum vastgelegd door GP2Lap: %1 (bij het aanmaken van zijn gegevens, vóór de ronde)</translation>
    </message>
    <message>
        <source>GP2Lap version: %1</source>
        <translation>GP2Lap-versie: %1</translation>
    </message>
    <message>
        <source>Track file: %1, from slot %2, checksum %3</source>
        <translation>Baanbestand: %1, van circuitplaats %2, controlesom %3</translation>
    </message>
    <message>
        <source>Steering help: %1</source>
        <translation>Stuurhulp: %1</translation>
    </message>
    <message>
        <source>Opposite-lock help: %1</source>
        <translation>Hulp bij tegensturen: %1</translation>
    </message>
    <message>
        <source>Lap flags: %1</source>
        <translation>Rondemarkeringen: %1</translation>
    </message>
    <message>
        <source>Driving-aid changes: %1</source>
        <translation>Wijzigingen in rijhulpen: %1</translation>
    </message>
    <message>
        <source>Processor occupancy: %1% on average, %2% at the highest</source>
        <translation>Processorbelasting: gemiddeld %1%, maximaal %2%</translation>
    </message>
    <message>
        <source>Slow motion: %1</source>
        <translation>Slow motion: %1</translation>
    </message>
    <message>
        <source>Fuel: %1 laps</source>
        <translation>Brandstof: %1 ronden</translation>
    </message>
    <message>
        <source>Weight: %1 lb</source>
        <translation>Gewicht: %1 lb</translation>
    </message>
    <message>
        <source>The lap went through the pits: its splits are not times.</source>
        <translation>De ronde ging door de pits: de tussentijden zijn geen echte tijden.</translation>
    </message>
    <message>
        <source>off track</source>
        <translation>van de baan</translation>
    </message>
    <message>
        <source>through the pits</source>
        <translation>door de pits</translation>
    </message>
    <message>
        <source>detail level changed</source>
        <translation>detailniveau gewijzigd</translation>
    </message>
    <message>
        <source>no slow-down before the lap</source>
        <translation>geen vertraging vóór de ronde</translation>
    </message>
    <message>
        <source>F4 used</source>
        <translation>F4 gebruikt</translation>
    </message>
    <message>
        <source>track map on</source>
        <translation>circuitkaart aan</translation>
    </message>
    <message>
        <source>slow motion %1</source>
        <translation>slow motion %1</translation>
    </message>
    <message>
        <source>%1 aid change</source>
        <translation>%1 wijziging in rijhulpen</translation>
    </message>
    <message>
        <source>%1 aid changes</source>
        <translation>%1 wijzigingen in rijhulpen</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Clean: %1</source>
        <translation>Schoon: %1</translation>
    </message>
    <message>
        <source>circuit %1</source>
        <translation>circuit %1</translation>
    </message>
    <message>
        <source>Unnamed track-editor track</source>
        <translation>Naamloze baan uit een trackeditor</translation>
    </message>
    <message>
        <source>%1 (slot %2)</source>
        <translation>%1 (circuitplaats %2)</translation>
    </message>
    <message>
        <source>%1 (slot %2) as %3 circuit %2</source>
        <translation>%1 (circuitplaats %2) als circuit %2 van de circuitset %3</translation>
    </message>
    <message>
        <source>%1 (slot %2) as %3 circuit %2 (%4)</source>
        <translation>%1 (circuitplaats %2) als circuit %2 van de circuitset %3 (%4)</translation>
    </message>
    <message>
        <source>%1 s faster than your best</source>
        <translation>%1 s sneller dan je record</translation>
    </message>
    <message>
        <source>the first time for this session</source>
        <translation>de eerste tijd voor deze sessie</translation>
    </message>
    <message>
        <source>New hot lap at %1, %2 %3: %4. Open Hot laps to take it.</source>
        <translation>Nieuwe hotlap op %1, %2 %3: %4. Open Hotlaps om hem over te nemen.</translation>
    </message>
    <message>
        <source>New hot lap at %1, %2 %3: %4, a clean lap. Open Hot laps to take it.</source>
        <translation>Nieuwe hotlap op %1, %2 %3: %4, een schone ronde. Open Hotlaps om hem over te nemen.</translation>
    </message>
    <message>
        <source>New hot lap at %1, %2 %3: %4, not clean: %5. Open Hot laps to take it.</source>
        <translation>Nieuwe hotlap op %1, %2 %3: %4, niet schoon: %5. Open Hotlaps om hem over te nemen.</translation>
    </message>
    <message>
        <source>%1 setup</source>
        <translation>setup %1</translation>
    </message>
    <message>
        <source>%1, %2: %3 becomes %4</source>
        <translation>%1, %2: %3 wordt %4</translation>
    </message>
    <message>
        <source>%1, %2: %3, the first time stored for this session</source>
        <translation>%1, %2: %3, de eerste opgeslagen tijd voor deze sessie</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4 (which cannot be compared as a time)</source>
        <translation>%1, %2: %3 vervangt %4 (niet als tijd te vergelijken)</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4 (the same time)</source>
        <translation>%1, %2: %3 vervangt %4 (dezelfde tijd)</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4 (%5 s slower)</source>
        <translation>%1, %2: %3 vervangt %4 (%5 s langzamer)</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4</source>
        <translation>%1, %2: %3 vervangt %4</translation>
    </message>
    <message>
        <source>%1; not clean: %2</source>
        <translation>%1; niet schoon: %2</translation>
    </message>
    <message>
        <source>and SAVE fills out %1</source>
        <translation>en OPSLAAN vult ook aan: %1</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <translation>%1, %2 %3: %4</translation>
    </message>
    <message>
        <source>times damaged in this file</source>
        <translation>tijden in dit bestand beschadigd</translation>
    </message>
    <message>
        <source>times not readable (saved before GP2Lap 1.14)</source>
        <translation>tijden onleesbaar (opgeslagen vóór GP2Lap 1.14)</translation>
    </message>
    <message>
        <source>times not in this file</source>
        <translation>geen tijden in dit bestand</translation>
    </message>
    <message>
        <source>%1 (never taken)</source>
        <translation>%1 (wordt nooit overgenomen)</translation>
    </message>
    <message>
        <source>%1: no lap time in this file</source>
        <translation>%1: geen rondetijd in dit bestand</translation>
    </message>
    <message>
        <source>The file names track number %1, which is no circuit.</source>
        <translation>Het bestand noemt baannummer %1, maar dat is geen circuit.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language (de, fr, it, es, nl): the program tells by it which language it speaks, and an HTML report declares it.</extracomment>
        <translation>nl</translation>
    </message>
</context>
<context>
    <name>LapRecords</name>
    <message>
        <source>The lap record file %1 holds only %2 of its %3 circuit records.</source>
        <translation>Het rondetijdenbestand %1 bevat maar %2 van zijn %3 circuitregels.</translation>
    </message>
    <message>
        <source>%1 lap time</source>
        <translation>rondetijd %1</translation>
    </message>
    <message>
        <source>%1 1st split</source>
        <translation>1e tussentijd %1</translation>
    </message>
    <message>
        <source>%1 +2nd split</source>
        <translation>+2e tussentijd %1</translation>
    </message>
    <message>
        <source>%1 3rd split</source>
        <translation>3e tussentijd %1</translation>
    </message>
    <message>
        <source>%1 setup file</source>
        <translation>setupbestand %1</translation>
    </message>
    <message>
        <source>holds a double quote at its start</source>
        <translation>bevat een dubbel aanhalingsteken aan het begin</translation>
    </message>
    <message>
        <source>holds a double quote and starts with a blank</source>
        <translation>bevat een dubbel aanhalingsteken en begint met een spatie</translation>
    </message>
    <message>
        <source>holds a double quote and ends with a blank</source>
        <translation>bevat een dubbel aanhalingsteken en eindigt op een spatie</translation>
    </message>
    <message>
        <source>holds both a double quote and a comma</source>
        <translation>bevat zowel een dubbel aanhalingsteken als een komma</translation>
    </message>
    <message>
        <source>holds both a double quote and a line break</source>
        <translation>bevat zowel een dubbel aanhalingsteken als een regeleinde</translation>
    </message>
    <message>
        <source>Field %1 of circuit %2 (&quot;%3&quot;) %4 (%5), which a lap record file cannot store.</source>
        <translation>Veld %1 van circuit %2 (&quot;%3&quot;) %4 (%5), en dat kan een rondetijdenbestand niet opslaan.</translation>
    </message>
    <message>
        <source>The lap record file %1 has no circuit %2.</source>
        <translation>Het rondetijdenbestand %1 heeft geen circuit %2.</translation>
    </message>
    <message>
        <source>The file %1 holds no GP2 directory.</source>
        <translation>Het bestand %1 bevat geen GP2-map.</translation>
    </message>
    <message>
        <source>The GP2 directory cannot be saved: %1.</source>
        <translation>De GP2-map kan niet worden opgeslagen: %1.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>GP2 Lap Times</source>
        <translation>GP2-rondetijden</translation>
    </message>
    <message>
        <source>Correct the filename</source>
        <translation>Verbeter de bestandsnaam</translation>
    </message>
    <message>
        <source>Invalid filename. Must end in `.html`</source>
        <translation>Ongeldige bestandsnaam. Die moet eindigen op `.html`</translation>
    </message>
    <message>
        <source>Ooops!</source>
        <translation>Oeps!</translation>
    </message>
    <message>
        <source>Cannot Export as selected Circuits are not set up</source>
        <translation>Exporteren kan niet: de gekozen circuits zijn niet ingesteld</translation>
    </message>
    <message>
        <source>Nothing to print</source>
        <translation>Niets af te drukken</translation>
    </message>
    <message>
        <source>Erm.. try selecting a Trackset</source>
        <translation>Eh.. kies eens een circuitset</translation>
    </message>
    <message>
        <source>Ready to print</source>
        <translation>Klaar om af te drukken</translation>
    </message>
    <message>
        <source>Ready print with A4 paper</source>
        <translation>Klaar om af te drukken op A4-papier</translation>
    </message>
    <message>
        <source>There are no lap times to print in the ticked tracksets.</source>
        <translation>De aangevinkte circuitsets bevatten geen rondetijden om af te drukken.</translation>
    </message>
    <message>
        <source>GP2 Lap Times - Standard Circuits</source>
        <translation>GP2-rondetijden - Standaardcircuits</translation>
    </message>
    <message>
        <source>GP2 Lap Times - IA Track Pack</source>
        <translation>GP2-rondetijden - IA Track Pack</translation>
    </message>
    <message>
        <source>GP2 Lap Times - Custom Circuits</source>
        <translation>GP2-rondetijden - Eigen circuits</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessie</translation>
    </message>
    <message>
        <source>Lap Time</source>
        <translation>Rondetijd</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>1e tussentijd</translation>
    </message>
    <message>
        <source>+2nd Split</source>
        <translation>+2e tussentijd</translation>
    </message>
    <message>
        <source>3rd Split</source>
        <translation>3e tussentijd</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Standard Trackset</source>
        <translation>Standaard circuitset</translation>
    </message>
    <message>
        <source>IA Track Pack</source>
        <translation>IA Track Pack</translation>
    </message>
    <message>
        <source>Custom Circuits</source>
        <translation>Eigen circuits</translation>
    </message>
    <message>
        <source>LapTime</source>
        <translation>Rondetijd</translation>
    </message>
    <message>
        <source>Setup file</source>
        <translation>Setupbestand</translation>
    </message>
    <message>
        <source>Velomark Home Page</source>
        <translation>Homepage van Velomark</translation>
    </message>
</context>
<context>
    <name>Save</name>
    <message>
        <source>The times of %1 in %2 were changed elsewhere in Velomark after they were read here.</source>
        <translation>De tijden van %1 in %2 zijn elders in Velomark gewijzigd nadat ze hier waren ingelezen.</translation>
    </message>
</context>
<context>
    <name>SaveTimes</name>
    <message>
        <source>%1 lap time</source>
        <translation>rondetijd %1</translation>
    </message>
    <message>
        <source>%1 1st split</source>
        <translation>1e tussentijd %1</translation>
    </message>
    <message>
        <source>%1 +2nd split</source>
        <translation>+2e tussentijd %1</translation>
    </message>
    <message>
        <source>%1 3rd split</source>
        <translation>3e tussentijd %1</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>notities %1</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>tijden %1</translation>
    </message>
    <message>
        <source>%1: set to %2</source>
        <translation>%1: %2 ingevuld</translation>
    </message>
    <message>
        <source>%1: %2 cleared</source>
        <translation>%1: %2 gewist</translation>
    </message>
    <message>
        <source>%1: %2 became %3</source>
        <translation>%1: %2 werd %3</translation>
    </message>
    <message>
        <source>%1: %2, the first time stored for this session</source>
        <translation>%1: %2, de eerste opgeslagen tijd voor deze sessie</translation>
    </message>
    <message>
        <source>%1: %2, which cannot be compared as a time with %3 of %4</source>
        <translation>%1: %2, niet als tijd te vergelijken met %3 van %4</translation>
    </message>
    <message>
        <source>%1: %2, which cannot be compared as a time with %3</source>
        <translation>%1: %2, niet als tijd te vergelijken met %3</translation>
    </message>
    <message>
        <source>%1: %2, the same time as %3 of %4</source>
        <translation>%1: %2, dezelfde tijd als %3 van %4</translation>
    </message>
    <message>
        <source>%1: %2, the same time as %3</source>
        <translation>%1: %2, dezelfde tijd als %3</translation>
    </message>
    <message>
        <source>%1: %2, %5 s faster than %3 of %4</source>
        <translation>%1: %2, %5 s sneller dan %3 van %4</translation>
    </message>
    <message>
        <source>%1: %2, %5 s faster than %3</source>
        <translation>%1: %2, %5 s sneller dan %3</translation>
    </message>
    <message>
        <source>%1: %2, %5 s slower than %3 of %4, stored as you asked</source>
        <translation>%1: %2, %5 s langzamer dan %3 van %4, op je verzoek opgeslagen</translation>
    </message>
    <message>
        <source>%1: %2, %5 s slower than %3, stored as you asked</source>
        <translation>%1: %2, %5 s langzamer dan %3, op je verzoek opgeslagen</translation>
    </message>
    <message>
        <source>Check the %1 times: its 1st split is not below its +2nd split</source>
        <translation>Controleer de tijden van %1: de 1e tussentijd is niet kleiner dan de +2e tussentijd</translation>
    </message>
    <message>
        <source>Check the %1 times: its +2nd split is not below its lap time</source>
        <translation>Controleer de tijden van %1: de +2e tussentijd is niet kleiner dan de rondetijd</translation>
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
        <translation>Snelle race</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Kwalificatie</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Lap Time</source>
        <translation>Rondetijd</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>1e tussentijd</translation>
    </message>
    <message>
        <source>+2nd Split</source>
        <translation>+2e tussentijd</translation>
    </message>
    <message>
        <source>3rd Split</source>
        <translation>3e tussentijd</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
</context>
<context>
    <name>Sessions</name>
    <message>
        <source>QuickRace</source>
        <translation>Snelle race</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Kwalificatie</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Race</translation>
    </message>
</context>
<context>
    <name>Tracksets</name>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Standard GP2 Circuits</source>
        <translation>Standaard GP2-circuits</translation>
    </message>
    <message>
        <source>TrackPack</source>
        <translation>TrackPack</translation>
    </message>
    <message>
        <source>IA Track Pack Circuits</source>
        <translation>IA Track Pack-circuits</translation>
    </message>
    <message>
        <source>IA Track Pack</source>
        <translation>IA Track Pack</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigen</translation>
    </message>
    <message>
        <source>User-defined Custom Circuits</source>
        <translation>Eigen circuits</translation>
    </message>
</context>
<context>
    <name>velomark::AboutBox</name>
    <message>
        <source>About GP2 Velomark</source>
        <translation>Over GP2 Velomark</translation>
    </message>
    <message>
        <source>A car on a race track, and a chequered flag</source>
        <translation>Een auto op een circuit en een geblokte vlag</translation>
    </message>
    <message>
        <source>Designed to allow you to record your personal best lap-times for every session at every circuit.  Now you can get out there a know what you have to beat !</source>
        <translation>Gemaakt om je persoonlijke records in rondetijden bij te houden voor elke sessie op elk circuit.  Nu kun je de baan op en weet je precies wat je moet verslaan!</translation>
    </message>
    <message>
        <source>Free software, offered without any warranty.</source>
        <translation>Vrije software, aangeboden zonder enige garantie.</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versie %1.%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>(21st September 1998)</source>
        <extracomment>The date of the first version, written as the language writes dates.</extracomment>
        <translation>(21 september 1998)</translation>
    </message>
    <message>
        <source>Visit my Home Page</source>
        <translation>Mijn homepage</translation>
    </message>
    <message>
        <source>Email me</source>
        <translation>Mail me</translation>
    </message>
</context>
<context>
    <name>velomark::BestsBoard</name>
    <message>
        <source>Bests board</source>
        <translation>Recordoverzicht</translation>
    </message>
    <message>
        <source>Rival: none</source>
        <translation>Rivaal: geen</translation>
    </message>
    <message>
        <source>Rival</source>
        <translation>Rivaal</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Bests table</source>
        <translation>Recordtabel</translation>
    </message>
    <message>
        <source>Trackset filter</source>
        <translation>Circuitsetfilter</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The filter&apos;s choice that shows every trackset.</extracomment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation>Circuitset</translation>
    </message>
    <message>
        <source>Compare with a rival</source>
        <translation>Vergelijk met rivaal</translation>
    </message>
    <message>
        <source>Clear rival</source>
        <translation>Rivaal wissen</translation>
    </message>
    <message>
        <source>Export board</source>
        <translation>Overzicht exporteren</translation>
    </message>
    <message>
        <source>A rival&apos;s CSV export, or a file of their data folder (%1)</source>
        <translation>CSV-export van een rivaal, of een bestand uit diens gegevensmap (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Rival not read</source>
        <translation>Rivaal niet ingelezen</translation>
    </message>
    <message>
        <source>Rival: %1</source>
        <translation>Rivaal: %1</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Board not exported</source>
        <translation>Overzicht niet geëxporteerd</translation>
    </message>
    <message>
        <source>%1 is one of the rival&apos;s files, which Velomark only reads.</source>
        <translation>%1 is een van de bestanden van de rivaal; die leest Velomark alleen.</translation>
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
        <translation>Al je records in één overzicht, met die van een rivaal ernaast</translation>
    </message>
</context>
<context>
    <name>velomark::BoardModule</name>
    <message>
        <source>The bests board</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>Het recordoverzicht</translation>
    </message>
    <message>
        <source>No bests board</source>
        <translation>Geen recordoverzicht</translation>
    </message>
</context>
<context>
    <name>velomark::ChartView</name>
    <message>
        <source>Stored best</source>
        <extracomment>The legend&apos;s name for the mark on each session&apos;s stored best.</extracomment>
        <translation>Opgeslagen record</translation>
    </message>
    <message>
        <source>Ideal lap %1</source>
        <extracomment>The legend&apos;s name for the ideal lap&apos;s line; %1 is its lap time.</extracomment>
        <translation>Ideale ronde %1</translation>
    </message>
    <message>
        <source>Date saved</source>
        <extracomment>The title of the chart&apos;s date axis.</extracomment>
        <translation>Opslagdatum</translation>
    </message>
    <message>
        <source>Lap time</source>
        <extracomment>The title of the chart&apos;s time axis.</extracomment>
        <translation>Rondetijd</translation>
    </message>
    <message>
        <source>Progress chart</source>
        <translation>Voortgangsgrafiek</translation>
    </message>
    <message>
        <source>Lap times over the dates they were saved. Left and Right step from point to point.</source>
        <translation>Rondetijden uitgezet tegen de datum waarop ze zijn opgeslagen. Met pijl-links en pijl-rechts ga je van punt naar punt.</translation>
    </message>
    <message>
        <source>Setup: %1</source>
        <translation>Setup: %1</translation>
    </message>
</context>
<context>
    <name>velomark::ClipboardExportWindow</name>
    <message>
        <source>Clipboard Export</source>
        <translation>Export naar klembord</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Kies de circuitsets om te exporteren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
</context>
<context>
    <name>velomark::CsvExportWindow</name>
    <message>
        <source>CSV file Export</source>
        <translation>Export naar CSV-bestand</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Kies de circuitsets om te exporteren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Bestandsnaam</translation>
    </message>
</context>
<context>
    <name>velomark::CustomWindow</name>
    <message>
        <source>A circuit name cannot hold a line break.</source>
        <translation>Een circuitnaam mag geen regeleinde bevatten.</translation>
    </message>
    <message>
        <source>Setup Custom Circuits</source>
        <translation>Eigen circuits instellen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Custom Circuit Setup</source>
        <translation>Eigen circuits instellen</translation>
    </message>
    <message>
        <source>Circuit Name</source>
        <translation>Circuitnaam</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Circuit %1 name</source>
        <translation>Naam circuit %1</translation>
    </message>
    <message>
        <source>Circuit %1 country</source>
        <translation>Land circuit %1</translation>
    </message>
    <message>
        <source>If you have changed a circuit for a new one, dont forget that you will need to `Clear` out the old lap times.</source>
        <extracomment>`Clear` names the lap-time editor&apos;s CLEAR button, which clears a circuit&apos;s times.</extracomment>
        <translation>Heb je een circuit door een nieuw vervangen, vergeet dan niet de oude rondetijden te wissen met `Wissen`.</translation>
    </message>
    <message>
        <source>Reminder !</source>
        <translation>Niet vergeten!</translation>
    </message>
    <message>
        <source>Custom circuits not saved</source>
        <translation>Eigen circuits niet opgeslagen</translation>
    </message>
</context>
<context>
    <name>velomark::ExportChooser</name>
    <message>
        <source>Export Lap Times</source>
        <translation>Rondetijden exporteren</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Text file (ASCII)</source>
        <translation>Tekstbestand (ASCII)</translation>
    </message>
    <message>
        <source>Web Page (HTML)</source>
        <translation>Webpagina (HTML)</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Klembord</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Scherm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>CSV-bestand</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapDetailsWindow</name>
    <message>
        <source>Hot lap details</source>
        <translation>Hotlapdetails</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Hot lap %1</source>
        <extracomment>%1 is the name of the hot lap&apos;s file.</extracomment>
        <translation>Hotlap %1</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapImportWindow</name>
    <message>
        <source>in the data folder %1, %2</source>
        <extracomment>Why a hot lap could not be read, set after &quot;The hot lap A1.hl could not be read: &quot;; %1 is Velomark&apos;s data folder, %2 what is wrong with a working file in it.</extracomment>
        <translation>in de gegevensmap %1: %2</translation>
    </message>
    <message>
        <source>Import Hotlap from GP2</source>
        <translation>Hotlap importeren uit GP2</translation>
    </message>
    <message>
        <source>Track file</source>
        <extracomment>The line naming the track-editor track a hot lap was driven on.</extracomment>
        <translation>Baanbestand</translation>
    </message>
    <message>
        <source>HotLaps</source>
        <extracomment>The list of GP2&apos;s hot-lap files for the circuit.</extracomment>
        <translation>Hotlaps</translation>
    </message>
    <message>
        <source>Details</source>
        <extracomment>The button that shows what GP2Lap recorded about the highlighted hot lap.</extracomment>
        <translation>Details</translation>
    </message>
    <message>
        <source>Session</source>
        <extracomment>The session the hot lap was driven in (Practice, Qualifying, Race...).</extracomment>
        <translation>Sessie</translation>
    </message>
    <message>
        <source>Laptime</source>
        <translation>Rondetijd</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>1e tussentijd</translation>
    </message>
    <message>
        <source>2nd Split</source>
        <extracomment>The hot lap&apos;s 2nd split, as GP2Lap recorded it.</extracomment>
        <translation>2e tussentijd</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>INSERT</source>
        <extracomment>The button that puts the hot lap&apos;s times into the lap-time editor.</extracomment>
        <translation>INVOEGEN</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SLUITEN</translation>
    </message>
    <message>
        <source>You need to set your GP2 directory. Do this by pressing `INITIALISE` on the main screen. (Remember that HOF2LAP must also be in the GP2 path.)</source>
        <extracomment>INITIALISE is the caption of the main window&apos;s button (shown there as INITIALISE !); HOF2LAP is the program that reads hot laps.</extracomment>
        <translation>Je moet je GP2-map instellen. Druk daarvoor in het hoofdvenster op `INITIALISEER!`. (Denk eraan dat HOF2LAP ook in de GP2-map moet staan.)</translation>
    </message>
    <message>
        <source>Cannot access GP2 directory.</source>
        <translation>Geen toegang tot de GP2-map.</translation>
    </message>
    <message>
        <source>Hot lap not read</source>
        <translation>Hotlap niet ingelezen</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <extracomment>In place of the name of a track-editor track that names none.</extracomment>
        <translation>(naamloos)</translation>
    </message>
    <message>
        <source>Driven on the track-editor track %1, loaded into slot %2.</source>
        <extracomment>%1 is the name of a track made with GP2&apos;s track editor, %2 the circuit slot (1 to 16) it was loaded into.</extracomment>
        <translation>Gereden op %1, een baan uit een trackeditor, geladen op circuitplaats %2.</translation>
    </message>
    <message>
        <source>The hot lap %1 could not be read: %2.</source>
        <translation>De hotlap %1 kon niet worden ingelezen: %2.</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapTable</name>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuit</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessie</translation>
    </message>
    <message>
        <source>Lap Time</source>
        <translation>Rondetijd</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>1e tussentijd</translation>
    </message>
    <message>
        <source>+2nd Split</source>
        <extracomment>The 2nd split counted from the start of the lap.</extracomment>
        <translation>+2e tussentijd</translation>
    </message>
    <message>
        <source>Saved</source>
        <extracomment>When GP2 saved the hot lap&apos;s file.</extracomment>
        <translation>Opgeslagen</translation>
    </message>
    <message>
        <source>Stored</source>
        <extracomment>Your best lap time stored for the circuit and session.</extracomment>
        <translation>Record</translation>
    </message>
    <message>
        <source>Faster by</source>
        <translation>Tijdwinst</translation>
    </message>
    <message>
        <source>Clean</source>
        <extracomment>Whether the lap was clean (not off track, not through the pits...), or why not.</extracomment>
        <translation>Schoon</translation>
    </message>
    <message>
        <source>a track-editor track: compare with TrackPack or Custom</source>
        <translation>baan uit een trackeditor: vergelijk met TrackPack of Eigen</translation>
    </message>
    <message>
        <source>no best yet</source>
        <translation>nog geen record</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsCorner</name>
    <message>
        <source>Hot
laps</source>
        <extracomment>The button&apos;s caption on two lines, so that it fits its narrow place.</extracomment>
        <translation>Hot-
laps</translation>
    </message>
    <message>
        <source>Hot laps</source>
        <translation>Hotlaps</translation>
    </message>
    <message>
        <source>Every hot lap in gpsaves against your bests</source>
        <translation>Elke hotlap in gpsaves vergeleken met je records</translation>
    </message>
    <message>
        <source>Click to put this line away</source>
        <translation>Klik om deze regel te verbergen</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsModule</name>
    <message>
        <source>The Hot laps window</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>Het venster Hotlaps</translation>
    </message>
    <message>
        <source>No Hot laps window</source>
        <translation>Geen venster Hotlaps</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsWindow</name>
    <message>
        <source>The saves folder %1 is missing; Velomark looks for it again every few seconds.</source>
        <translation>De opslagmap %1 ontbreekt; Velomark zoekt er om de paar seconden opnieuw naar.</translation>
    </message>
    <message>
        <source>The saves folder %1 is not a folder; Velomark looks for it again every few seconds.</source>
        <translation>De opslagmap %1 is geen map; Velomark zoekt er om de paar seconden opnieuw naar.</translation>
    </message>
    <message>
        <source>The saves folder %1 cannot be read; Velomark tries it again every few seconds.</source>
        <translation>De opslagmap %1 kan niet worden gelezen; Velomark probeert het om de paar seconden opnieuw.</translation>
    </message>
    <message>
        <source>The saves folder %1 cannot be read (%2); Velomark tries it again every few seconds.</source>
        <extracomment>%2 is the system&apos;s reason, in the system&apos;s words.</extracomment>
        <translation>De opslagmap %1 kan niet worden gelezen (%2); Velomark probeert het om de paar seconden opnieuw.</translation>
    </message>
    <message>
        <source>Hot laps in GP2</source>
        <translation>Hotlaps in GP2</translation>
    </message>
    <message>
        <source>Saves folder</source>
        <translation>Opslagmap</translation>
    </message>
    <message>
        <source>Hot lap files</source>
        <translation>Hotlapbestanden</translation>
    </message>
    <message>
        <source>Hot laps read</source>
        <translation>Hotlaps ingelezen</translation>
    </message>
    <message>
        <source>Hot laps counted</source>
        <translation>Hotlaps geteld</translation>
    </message>
    <message>
        <source>Hot laps taken</source>
        <translation>Hotlaps overgenomen</translation>
    </message>
    <message>
        <source>Show details</source>
        <translation>Details tonen</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <extracomment>%1 is a column&apos;s heading.</extracomment>
        <translation>Sorteren op %1</translation>
    </message>
    <message>
        <source>Compare with the bests of</source>
        <extracomment>Followed by the three tracksets to choose from.</extracomment>
        <translation>Vergelijk met de records van</translation>
    </message>
    <message>
        <source>Take selected</source>
        <translation>Selectie overnemen</translation>
    </message>
    <message>
        <source>Take all faster</source>
        <translation>Alle snellere overnemen</translation>
    </message>
    <message>
        <source>Only clean laps</source>
        <translation>Alleen schone ronden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Set your GP2 directory first: press INITIALISE ! on the main window, type the folder GP2 is installed in into its lower field and press Set GP2 path.</source>
        <extracomment>INITIALISE ! and Set GP2 path are the captions of the buttons to press.</extracomment>
        <translation>Stel eerst je GP2-map in: druk in het hoofdvenster op INITIALISEER!, typ in het onderste veld van dat venster de map waarin GP2 is geïnstalleerd en druk op Pad instellen.</translation>
    </message>
    <message>
        <source>The hot laps in %1</source>
        <translation>De hotlaps in %1</translation>
    </message>
    <message>
        <source>Reading %1 hot laps...</source>
        <translation>%1 hotlaps inlezen...</translation>
    </message>
    <message>
        <source>%1 hot lap, %2 faster than your best</source>
        <translation>%1 hotlap, %2 sneller dan je record</translation>
    </message>
    <message>
        <source>%1 hot laps, %2 faster than your best</source>
        <translation>%1 hotlaps, %2 sneller dan je record</translation>
    </message>
    <message numerus="yes">
        <source>; %n cannot be read (the Session column says why)</source>
        <extracomment>Follows &quot;N hot laps, N faster than your best&quot;.</extracomment>
        <translation>
            <numerusform>; %n kan niet worden gelezen (de kolom Sessie vermeldt waarom)</numerusform>
            <numerusform>; %n kunnen niet worden gelezen (de kolom Sessie vermeldt waarom)</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 more name matching *.hl? is no file and is left out</source>
        <extracomment>Follows &quot;N hot laps, N faster than your best&quot;.</extracomment>
        <translation>; nog %1 naam die past bij *.hl? is geen bestand en wordt overgeslagen</translation>
    </message>
    <message>
        <source>; %1 more names matching *.hl? are no files and are left out</source>
        <translation>; nog %1 namen die passen bij *.hl? zijn geen bestanden en worden overgeslagen</translation>
    </message>
    <message>
        <source>Select the rows of the hot laps to take first.</source>
        <translation>Selecteer eerst de rijen van de hotlaps die je wilt overnemen.</translation>
    </message>
    <message>
        <source>No clean hot lap is faster than your best. Left out as not clean:
%1</source>
        <extracomment>%1 is a list of hot laps, one a line, each with why it is not clean.</extracomment>
        <translation>Geen enkele schone hotlap is sneller dan je record. Overgeslagen omdat ze niet schoon zijn:
%1</translation>
    </message>
    <message>
        <source>No hot lap is faster than your best.</source>
        <translation>Geen enkele hotlap is sneller dan je record.</translation>
    </message>
    <message>
        <source>A hot lap driven on a track-editor track is never stored as a Standard circuit&apos;s: choose TrackPack or Custom above.</source>
        <translation>Een hotlap die op een baan uit een trackeditor is gereden, wordt nooit opgeslagen in de circuitset Standaard: kies hierboven TrackPack of Eigen.</translation>
    </message>
    <message>
        <source>None of the selected hot laps holds the lap time of a session Velomark keeps.</source>
        <translation>Geen van de geselecteerde hotlaps bevat de rondetijd van een sessie die Velomark bijhoudt.</translation>
    </message>
    <message>
        <source>Store this time in your lap records?</source>
        <translation>Deze tijd opslaan bij je rondetijden?</translation>
    </message>
    <message>
        <source>Store these %1 times in your lap records?</source>
        <translation>Deze %1 tijden opslaan bij je rondetijden?</translation>
    </message>
    <message>
        <source>A time that is not faster than your best is stored only because you selected it.</source>
        <translation>Een tijd die niet sneller is dan je record, wordt alleen opgeslagen omdat je hem hebt geselecteerd.</translation>
    </message>
    <message>
        <source>This lap is not clean; the list says why.</source>
        <translation>Deze ronde is niet schoon; de lijst vermeldt waarom.</translation>
    </message>
    <message>
        <source>The list says why a lap is not clean.</source>
        <translation>De lijst vermeldt waarom een ronde niet schoon is.</translation>
    </message>
    <message>
        <source>1 faster hot lap is left out as not clean; it ends the list.</source>
        <translation>1 snellere hotlap is overgeslagen omdat hij niet schoon is; hij staat onderaan de lijst.</translation>
    </message>
    <message>
        <source>%1 faster hot laps are left out as not clean; they end the list.</source>
        <translation>%1 snellere hotlaps zijn overgeslagen omdat ze niet schoon zijn; ze staan onderaan de lijst.</translation>
    </message>
    <message>
        <source>Left out, not clean: %1</source>
        <extracomment>%1 is a hot lap&apos;s file and why the lap is not clean.</extracomment>
        <translation>Overgeslagen, niet schoon: %1</translation>
    </message>
    <message>
        <source>Take hot laps</source>
        <translation>Hotlaps overnemen</translation>
    </message>
    <message>
        <source>Storing hot lap %1 of %2...</source>
        <translation>Hotlap %1 van %2 opslaan...</translation>
    </message>
    <message>
        <source>Times not saved</source>
        <translation>Tijden niet opgeslagen</translation>
    </message>
    <message>
        <source>%1, saved, but the history was not updated: %2</source>
        <extracomment>%1 is the circuit, %2 why the history file was not written.</extracomment>
        <translation>%1, opgeslagen, maar de geschiedenis is niet bijgewerkt: %2</translation>
    </message>
</context>
<context>
    <name>velomark::HtmlExportWindow</name>
    <message>
        <source>HTML Export</source>
        <translation>Export naar HTML</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Kies de circuitsets om te exporteren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>The field for the title of the web page.</extracomment>
        <translation>Titel</translation>
    </message>
</context>
<context>
    <name>velomark::InitWindow</name>
    <message>
        <source>Initialise Datafiles</source>
        <translation>Gegevensbestanden initialiseren</translation>
    </message>
    <message>
        <source>Standard GP2 Circuits</source>
        <translation>Standaard GP2-circuits</translation>
    </message>
    <message>
        <source>IA Track Pack Circuits</source>
        <translation>IA Track Pack-circuits</translation>
    </message>
    <message>
        <source>Custom Circuits</source>
        <translation>Eigen circuits</translation>
    </message>
    <message>
        <source>Do it !</source>
        <translation>Uitvoeren!</translation>
    </message>
    <message>
        <source>This will erase all your lap records for selected Tracksets. Use with care.</source>
        <translation>Hiermee worden al je rondetijden van de gekozen circuitsets gewist. Wees voorzichtig.</translation>
    </message>
    <message>
        <source>GP2 directory</source>
        <translation>GP2-map</translation>
    </message>
    <message>
        <source>Set GP2 path</source>
        <extracomment>The Hot laps window tells the player to press this button by its caption.</extracomment>
        <translation>Pad instellen</translation>
    </message>
    <message>
        <source>Datafile Initialisation</source>
        <translation>Gegevensbestanden initialiseren</translation>
    </message>
    <message>
        <source>Are you sure you want to initialise your lap times ?</source>
        <translation>Weet je zeker dat je je rondetijden wilt initialiseren?</translation>
    </message>
    <message>
        <source>Datafile Initialised</source>
        <translation>Gegevensbestanden geïnitialiseerd</translation>
    </message>
    <message>
        <source>Its all gone.</source>
        <translation>Alles is gewist.</translation>
    </message>
    <message>
        <source>GP2 directory not saved</source>
        <translation>GP2-map niet opgeslagen</translation>
    </message>
</context>
<context>
    <name>velomark::InstanceLock</name>
    <message>
        <source>I`m already running! </source>
        <translation>Ik draai al! </translation>
    </message>
</context>
<context>
    <name>velomark::LanguageChoice</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>The About box&apos;s choice of the language Velomark speaks.</extracomment>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Desktop&apos;s</source>
        <extracomment>Follow the language of the desktop (the system&apos;s display language).</extracomment>
        <translation>Systeemtaal</translation>
    </message>
    <message>
        <source>From its next start Velomark speaks the desktop&apos;s language.</source>
        <translation>Vanaf de volgende start spreekt Velomark de systeemtaal.</translation>
    </message>
    <message>
        <source>From its next start Velomark speaks %1.</source>
        <translation>Vanaf de volgende start spreekt Velomark %1.</translation>
    </message>
</context>
<context>
    <name>velomark::LapTimeEditor</name>
    <message>
        <source>Lap Time Data</source>
        <translation>Rondetijden</translation>
    </message>
    <message>
        <source>PROGRESS</source>
        <extracomment>The button that opens the chart of the circuit&apos;s saved lap times over time.</extracomment>
        <translation>VOORTGANG</translation>
    </message>
    <message>
        <source>Progress chart of this circuit</source>
        <translation>Voortgangsgrafiek van dit circuit</translation>
    </message>
    <message>
        <source>Your saved lap times at this circuit over time.</source>
        <translation>Je opgeslagen rondetijden op dit circuit door de tijd heen.</translation>
    </message>
    <message>
        <source>Hold a mouse button here to see the 2nd split alone.</source>
        <translation>Houd hier een muisknop ingedrukt om alleen de 2e tussentijd te zien.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A field&apos;s name, also in messages about it: %1 is its row (&quot;Practice&quot;), %2 its column (&quot;Lap Time&quot;).</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>This is an accumulated split time.</source>
        <translation>Dit is een opgetelde tussentijd.</translation>
    </message>
    <message>
        <source>+/-</source>
        <extracomment>Plus or minus: the label clicked to see the time differences between Practice and Qualifying.</extracomment>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Click with Left or Right mouse button to see time differences.</source>
        <translation>Klik met de linker- of rechtermuisknop om de tijdverschillen te zien.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <extracomment>The button that imports a hot lap from GP2.</extracomment>
        <translation>IMPORTEREN</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <extracomment>The button that empties every field of the window.</extracomment>
        <translation>WISSEN</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SLUITEN</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>OPSLAAN</translation>
    </message>
    <message>
        <source>%1 Press INITIALISE ! on the main screen to create the lap record files.</source>
        <extracomment>%1 is why the lap record file cannot be read; INITIALISE ! is the caption of the main window&apos;s button.</extracomment>
        <translation>%1 Druk in het hoofdvenster op INITIALISEER! om de rondetijdenbestanden aan te maken.</translation>
    </message>
    <message>
        <source>%1 The file was left as it is.</source>
        <extracomment>%1 is why the lap record file cannot be read.</extracomment>
        <translation>%1 Het bestand is ongewijzigd gelaten.</translation>
    </message>
    <message>
        <source>Lap times not found</source>
        <translation>Rondetijden niet gevonden</translation>
    </message>
    <message>
        <source>Correct Error under cursor</source>
        <extracomment>A lap time or split that is not a time; the cursor is in its session&apos;s lap time.</extracomment>
        <translation>Verbeter de fout bij de cursor</translation>
    </message>
    <message>
        <source>Error !</source>
        <translation>Fout!</translation>
    </message>
    <message>
        <source>The differences need the 1st and +2nd splits of both sessions, written as times (and the 3rd splits, where both are filled).</source>
        <translation>Voor de verschillen zijn de 1e en +2e tussentijd van beide sessies nodig, ingevuld als tijden (en de 3e tussentijden, als beide zijn ingevuld).</translation>
    </message>
    <message>
        <source>2nd Split</source>
        <extracomment>The +2nd Split column&apos;s header while a mouse button is held on it: the fields then show the 2nd split alone, not added to the 1st.</extracomment>
        <translation>2e tussentijd</translation>
    </message>
    <message>
        <source>The 2nd split alone needs the 1st split and the +2nd split written as times.</source>
        <translation>Voor de 2e tussentijd alleen moeten de 1e en de +2e tussentijd als tijden zijn ingevuld.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a field (&quot;Practice Notes&quot;), %2 why its text cannot be stored.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Times not saved</source>
        <translation>Tijden niet opgeslagen</translation>
    </message>
    <message>
        <source>the %1</source>
        <extracomment>One of the things changed both here and elsewhere: %1 is &quot;Qualifying times&quot;, &quot;Race notes&quot; and the like.</extracomment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of things changed: &quot;the Practice times, the Qualifying times and the Race notes&quot;.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Keep both</source>
        <extracomment>A button of the question &quot;Times changed elsewhere&quot;: store both sides&apos; changes.</extracomment>
        <translation>Beide behouden</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <extracomment>A button of the question &quot;Times changed elsewhere&quot;: store the window&apos;s times over the new ones.</extracomment>
        <translation>Overschrijven</translation>
    </message>
    <message>
        <source>Go back to the stored times</source>
        <translation>Terug naar de opgeslagen tijden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Keep both: your changes are stored over the new times.</source>
        <extracomment>Keep both is the caption of the button this line explains.</extracomment>
        <translation>Beide behouden: je wijzigingen worden bovenop de nieuwe tijden opgeslagen.</translation>
    </message>
    <message>
        <source>You changed %1 here as well: only one of the two can be kept.</source>
        <extracomment>%1 is what was changed both here and elsewhere (&quot;the Qualifying times&quot;).</extracomment>
        <translation>Je hebt %1 hier ook gewijzigd: maar één van de twee kan worden behouden.</translation>
    </message>
    <message>
        <source>Overwrite: the times in this window replace the new ones.</source>
        <extracomment>Overwrite is the caption of the button this line explains.</extracomment>
        <translation>Overschrijven: de tijden in dit venster vervangen de nieuwe.</translation>
    </message>
    <message>
        <source>Go back: the window shows the stored times and your changes are dropped.</source>
        <extracomment>Go back stands for the button &quot;Go back to the stored times&quot;, which this line explains.</extracomment>
        <translation>Terug: het venster toont de opgeslagen tijden en je wijzigingen worden verworpen.</translation>
    </message>
    <message>
        <source>Changed elsewhere:</source>
        <extracomment>Heads the list of the fields changed in the file since the window read it.</extracomment>
        <translation>Elders gewijzigd:</translation>
    </message>
    <message>
        <source>Changed by you:</source>
        <extracomment>Heads the list of the fields changed in the window.</extracomment>
        <translation>Door jou gewijzigd:</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>The list of the fields changed in the window is empty.</extracomment>
        <translation>niets</translation>
    </message>
    <message>
        <source>Times changed elsewhere</source>
        <translation>Tijden elders gewijzigd</translation>
    </message>
    <message>
        <source>Your times are saved, but the history was not updated: %1</source>
        <extracomment>%1 is why the history file was not written.</extracomment>
        <translation>Je tijden zijn opgeslagen, maar de geschiedenis is niet bijgewerkt: %1</translation>
    </message>
    <message>
        <source>Nothing was saved: your times are still in the window.</source>
        <translation>Er is niets opgeslagen: je tijden staan nog in het venster.</translation>
    </message>
    <message>
        <source>Nothing was saved: your changes were dropped, and the window shows the stored times.</source>
        <translation>Er is niets opgeslagen: je wijzigingen zijn verworpen en het venster toont de opgeslagen tijden.</translation>
    </message>
    <message>
        <source>%1 Your times are still in the window; press SAVE again once this is put right.</source>
        <extracomment>%1 is why the lap record file was not written; SAVE is the caption of the button.</extracomment>
        <translation>%1 Je tijden staan nog in het venster; druk opnieuw op OPSLAAN zodra dit is verholpen.</translation>
    </message>
    <message>
        <source>Clear all Entries</source>
        <translation>Alle velden wissen</translation>
    </message>
    <message>
        <source>This will clear your times for this track, but this will only be permanent if you Save. Are you sure ?</source>
        <translation>Hiermee worden je tijden voor dit circuit gewist, maar dat is pas definitief als je op OPSLAAN drukt. Weet je het zeker?</translation>
    </message>
</context>
<context>
    <name>velomark::LoadedModule</name>
    <message>
        <source>%1 needs the module %2, which could not be loaded: %3.</source>
        <extracomment>%1 is what needs the module (&quot;The progress chart&quot;), %2 the module&apos;s file, %3 the system&apos;s reason, in the system&apos;s words.</extracomment>
        <translation>%1 heeft de module %2 nodig, maar die kon niet worden geladen: %3.</translation>
    </message>
    <message>
        <source>%1 needs the module %2, which is missing from the folder %3; installing Velomark again brings it back.</source>
        <extracomment>%1 is what needs the module (&quot;The progress chart&quot;), %2 the module&apos;s name, %3 the program&apos;s folder.</extracomment>
        <translation>%1 heeft de module %2 nodig, maar die ontbreekt in de map %3; installeer Velomark opnieuw om hem terug te krijgen.</translation>
    </message>
</context>
<context>
    <name>velomark::MainWindow</name>
    <message>
        <source>About Velomark</source>
        <translation>Over Velomark</translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation>Circuitset</translation>
    </message>
    <message>
        <source>Select Trackset</source>
        <translation>Kies een circuitset</translation>
    </message>
    <message>
        <source>Set up custom circuits</source>
        <translation>Eigen circuits instellen</translation>
    </message>
    <message>
        <source>INITIALISE !</source>
        <extracomment>The Hot laps window tells the player to press this button by its caption.</extracomment>
        <translation>INITIALISEER!</translation>
    </message>
    <message>
        <source>Initialise datafiles !</source>
        <translation>Gegevensbestanden initialiseren!</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Dankwoord</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>The button that opens the export chooser.</extracomment>
        <translation>Export</translation>
    </message>
    <message>
        <source>Print Lap Times</source>
        <translation>Rondetijden afdrukken</translation>
    </message>
    <message>
        <source>&quot;The meek may inherit the Earth.  They just better stay the hell off the track&quot;</source>
        <extracomment>A quotation shown at the foot of the main window.</extracomment>
        <translation>&quot;De zachtmoedigen beërven de aarde. Maar van de baan blijven ze verdomme weg&quot;</translation>
    </message>
    <message>
        <source>Ooops!</source>
        <translation>Oeps!</translation>
    </message>
    <message>
        <source>You need to set up some circuits first. Press the `?` button to do this</source>
        <translation>Je moet eerst een paar circuits instellen. Druk daarvoor op de knop `?`</translation>
    </message>
</context>
<context>
    <name>velomark::PrintSink</name>
    <message>
        <source>The printer %1 did not take &quot;%2&quot;.</source>
        <extracomment>%1 is the printer&apos;s name, %2 the document&apos;s.</extracomment>
        <translation>De printer %1 heeft &quot;%2&quot; niet aangenomen.</translation>
    </message>
    <message>
        <source>The file %1 could not be drawn.</source>
        <translation>Het bestand %1 kon niet worden opgemaakt.</translation>
    </message>
    <message>
        <source>Printing</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of files: &quot;a&quot;, &quot;b&quot; and &quot;c&quot;.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>No printer is installed, so the lap times were saved as %1 in the folder %2.</source>
        <extracomment>%1 is the list of the PDF files written, %2 the folder they are in.</extracomment>
        <translation>Er is geen printer geïnstalleerd, dus de rondetijden zijn opgeslagen als %1 in de map %2.</translation>
    </message>
</context>
<context>
    <name>velomark::PrintWindow</name>
    <message>
        <source>Print Lap Times</source>
        <translation>Rondetijden afdrukken</translation>
    </message>
    <message>
        <source>Choose Trackset to print</source>
        <translation>Kies de circuitsets om af te drukken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Lap times not printed</source>
        <translation>Rondetijden niet afgedrukt</translation>
    </message>
</context>
<context>
    <name>velomark::ProgressModule</name>
    <message>
        <source>The progress chart</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>De voortgangsgrafiek</translation>
    </message>
    <message>
        <source>No progress chart</source>
        <translation>Geen voortgangsgrafiek</translation>
    </message>
</context>
<context>
    <name>velomark::ProgressWindow</name>
    <message>
        <source>Progress - %1</source>
        <extracomment>%1 is the circuit&apos;s name and country.</extracomment>
        <translation>Voortgang - %1</translation>
    </message>
    <message>
        <source>Progress of the lap times at %1</source>
        <extracomment>%1 is the circuit&apos;s name and country.</extracomment>
        <translation>Voortgang van de rondetijden op %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>No lap time of this circuit has been saved since Velomark began keeping its history, so there is no progress to draw yet.</source>
        <translation>Sinds Velomark een geschiedenis bijhoudt, is er voor dit circuit nog geen rondetijd opgeslagen, dus er is nog geen voortgang te tonen.</translation>
    </message>
    <message>
        <source>Hover over a point to see its time, date and setup; on the chart, Left and Right step from point to point.</source>
        <translation>Wijs een punt aan om de tijd, datum en setup te zien; in de grafiek ga je met pijl-links en pijl-rechts van punt naar punt.</translation>
    </message>
    <message>
        <source>The history is long, so only its last 64 MB were read.</source>
        <translation>De geschiedenis is lang, dus alleen de laatste 64 MB is gelezen.</translation>
    </message>
</context>
<context>
    <name>velomark::ReportWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Lap times not exported</source>
        <translation>Rondetijden niet geëxporteerd</translation>
    </message>
</context>
<context>
    <name>velomark::ScreenExportWindow</name>
    <message>
        <source>Export to Screen</source>
        <translation>Export naar scherm</translation>
    </message>
    <message>
        <source>Choose Trackset to view</source>
        <translation>Kies de circuitsets om te bekijken</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Bekijken</translation>
    </message>
</context>
<context>
    <name>velomark::ScreenView</name>
    <message>
        <source>Viewing Lap Times</source>
        <translation>Rondetijden bekijken</translation>
    </message>
    <message>
        <source>Lap times report</source>
        <translation>Rondetijdenrapport</translation>
    </message>
</context>
<context>
    <name>velomark::SlotChoiceWindow</name>
    <message>
        <source>Insert into which slot ?</source>
        <translation>In welke sessie invoegen?</translation>
    </message>
    <message>
        <source>Race</source>
        <extracomment>The session the race lap is stored as.</extracomment>
        <translation>Race</translation>
    </message>
    <message>
        <source>Quickrace</source>
        <extracomment>The session the race lap is stored as.</extracomment>
        <translation>Snelle race</translation>
    </message>
</context>
<context>
    <name>velomark::StorableTextValidator</name>
    <message>
        <source>The character %1 cannot be stored in Velomark&apos;s files.</source>
        <translation>Het teken %1 kan niet worden opgeslagen in de bestanden van Velomark.</translation>
    </message>
    <message>
        <source>A double quote (&quot;) cannot be stored in Velomark&apos;s files.</source>
        <translation>Een dubbel aanhalingsteken (&quot;) kan niet worden opgeslagen in de bestanden van Velomark.</translation>
    </message>
</context>
<context>
    <name>velomark::TextExportWindow</name>
    <message>
        <source>Text file Export</source>
        <translation>Export naar tekstbestand</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Kies de circuitsets om te exporteren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Bestandsnaam</translation>
    </message>
</context>
<context>
    <name>velomark::WaitWindow</name>
    <message>
        <source>Extracting.....</source>
        <translation>Uitpakken.....</translation>
    </message>
</context>
</TS>
