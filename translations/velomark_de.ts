<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>The %1 circuits</source>
        <translation>Die Strecken des Streckensets „%1“</translation>
    </message>
    <message>
        <source>The dates under &quot;Set on&quot;</source>
        <translation>Die Datumsangaben unter „Erzielt am“</translation>
    </message>
    <message>
        <source>There are no lap record files yet: press INITIALISE ! on the main window to create them.</source>
        <translation>Es gibt noch keine Rundenzeiten-Dateien: Drücke im Hauptfenster EINRICHTEN !, um sie anzulegen.</translation>
    </message>
    <message>
        <source>The rival file %1 is larger than 64 MB, far larger than a CSV export of 48 circuits can be, so it was not read.</source>
        <translation>Die Rivalen-Datei %1 ist größer als 64 MB, weit größer, als ein CSV-Export von 48 Strecken sein kann, und wurde daher nicht gelesen.</translation>
    </message>
    <message>
        <source>The rival file %1 does not exist.</source>
        <translation>Die Rivalen-Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The rival&apos;s %1 times</source>
        <translation>Die Zeiten des Rivalen im Streckenset „%1“</translation>
    </message>
    <message>
        <source>The folder %1 holds no lap record file (set1.dat, set2.dat, set3.dat) that Velomark can read.</source>
        <translation>Der Ordner %1 enthält keine Rundenzeiten-Datei (set1.dat, set2.dat, set3.dat), die Velomark lesen kann.</translation>
    </message>
    <message>
        <source>%1 are left out because %2</source>
        <translation>%1 werden ausgelassen: %2</translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation>Streckenset</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Rival</source>
        <translation>Rivale</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Ideal</source>
        <translation>Idealrunde</translation>
    </message>
    <message>
        <source>Set on</source>
        <translation>Erzielt am</translation>
    </message>
    <message>
        <source>it is not a CSV row of nine fields</source>
        <translation>Sie ist keine CSV-Zeile mit neun Feldern</translation>
    </message>
    <message>
        <source>%1 is not a CSV row of nine fields</source>
        <translation>%1 ist keine CSV-Zeile mit neun Feldern</translation>
    </message>
    <message>
        <source>%1 are not CSV rows of nine fields</source>
        <translation>%1 sind keine CSV-Zeilen mit neun Feldern</translation>
    </message>
    <message>
        <source>it names no trackset, circuit (1 to 16) or session that Velomark knows</source>
        <translation>Sie nennt ein Streckenset, eine Strecke (1 bis 16) oder eine Session, die Velomark nicht kennt</translation>
    </message>
    <message>
        <source>%1 names no trackset, circuit (1 to 16) or session that Velomark knows</source>
        <translation>%1 nennt ein Streckenset, eine Strecke (1 bis 16) oder eine Session, die Velomark nicht kennt</translation>
    </message>
    <message>
        <source>%1 name no trackset, circuit (1 to 16) or session that Velomark knows</source>
        <translation>%1 nennen ein Streckenset, eine Strecke (1 bis 16) oder eine Session, die Velomark nicht kennt</translation>
    </message>
    <message>
        <source>it repeats the circuit and session of an earlier line</source>
        <translation>Sie wiederholt Strecke und Session einer früheren Zeile</translation>
    </message>
    <message>
        <source>%1 repeats the circuit and session of an earlier line</source>
        <translation>%1 wiederholt Strecke und Session einer früheren Zeile</translation>
    </message>
    <message>
        <source>%1 repeat the circuit and session of an earlier line</source>
        <translation>%1 wiederholen Strecke und Session einer früheren Zeile</translation>
    </message>
    <message>
        <source>%1 line of the rival&apos;s file was skipped: %2.</source>
        <translation>%1 Zeile der Rivalen-Datei wurde übersprungen: %2.</translation>
    </message>
    <message>
        <source>%1 lines of the rival&apos;s file were skipped: %2.</source>
        <translation>%1 Zeilen der Rivalen-Datei wurden übersprungen: %2.</translation>
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
        <translation>Brasilien</translation>
    </message>
    <message>
        <source>TI Circuit Aida</source>
        <translation>TI Circuit Aida</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pazifik</translation>
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
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Gilles Villeneuve</source>
        <translation>Gilles Villeneuve</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Magny Cours</source>
        <translation>Magny-Cours</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Silverstone</source>
        <translation>Silverstone</translation>
    </message>
    <message>
        <source>Great Britain</source>
        <translation>Großbritannien</translation>
    </message>
    <message>
        <source>Hockenheim</source>
        <translation>Hockenheim</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>Hungaroring</source>
        <translation>Hungaroring</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Ungarn</translation>
    </message>
    <message>
        <source>Spa Francorchamps</source>
        <translation>Spa-Francorchamps</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgien</translation>
    </message>
    <message>
        <source>Monza</source>
        <translation>Monza</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italien</translation>
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
        <translation>Australien</translation>
    </message>
    <message>
        <source>Brands Hatch</source>
        <translation>Brands Hatch</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irland</translation>
    </message>
    <message>
        <source>Buenos Aires</source>
        <translation>Buenos Aires</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Argentinien</translation>
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
        <translation>Österreich</translation>
    </message>
    <message>
        <source>Zandvoort</source>
        <translation>Zandvoort</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Niederlande</translation>
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
        <translation>Die Datei %1 mit den eigenen Strecken kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The custom circuit file %1 holds fewer than 16 circuits.</source>
        <translation>Die Datei %1 mit den eigenen Strecken enthält weniger als 16 Strecken.</translation>
    </message>
    <message>
        <source>The custom circuits cannot be saved: %1.</source>
        <translation>Die eigenen Strecken können nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>a double quote (&quot;) cannot be stored</source>
        <extracomment>Set after a colon into &quot;Custom circuit %1 cannot be saved: %2.&quot;.</extracomment>
        <translation>Ein doppeltes Anführungszeichen (&quot;) kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>a name cannot hold a line break</source>
        <translation>Ein Name kann keinen Zeilenumbruch enthalten</translation>
    </message>
    <message>
        <source>Custom circuit %1 cannot be saved: %2.</source>
        <translation>Die eigene Strecke %1 kann nicht gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>Extraction</name>
    <message>
        <source>the command interpreter %1 could not be started (%2); it belongs in the folder of the program</source>
        <extracomment>Why a hot lap could not be read, set after &quot;The hot lap A1.hl could not be read: &quot;; %1 is the program that ran hof.bat.</extracomment>
        <translation>Der Befehlsinterpreter %1 konnte nicht gestartet werden (%2); er gehört in den Programmordner von Velomark</translation>
    </message>
    <message>
        <source>hof2lap did not finish within %1 seconds and was stopped; check that hof2lap in the GP2 directory %2 runs on this system and that the file can be read</source>
        <translation>hof2lap war nach %1 Sekunden nicht fertig und wurde abgebrochen; prüfe, ob hof2lap im GP2-Verzeichnis %2 auf diesem System läuft und ob die Datei gelesen werden kann</translation>
    </message>
    <message>
        <source>the command interpreter %1 stopped before hof.bat was done</source>
        <translation>Der Befehlsinterpreter %1 wurde beendet, bevor hof.bat fertig war</translation>
    </message>
    <message>
        <source>hof2lap ended with status %1 without saying why</source>
        <translation>hof2lap endete mit Status %1, ohne einen Grund zu nennen</translation>
    </message>
    <message>
        <source>the file flag does not hold a number once hof.bat has run</source>
        <translation>Die Datei flag enthält nach dem Lauf von hof.bat keine Zahl</translation>
    </message>
    <message>
        <source>hof.bat ended without writing 1 into the file flag</source>
        <translation>hof.bat endete, ohne 1 in die Datei flag zu schreiben</translation>
    </message>
    <message>
        <source>its name holds the character %1, which the batch file cannot carry</source>
        <translation>Ihr Name enthält das Zeichen %1, das die Batchdatei nicht weitergeben kann</translation>
    </message>
    <message>
        <source>the dump that hof2lap wrote into hoftemp ends before its last line</source>
        <translation>Die Ausgabe, die hof2lap in hoftemp geschrieben hat, endet vor ihrer letzten Zeile</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>this data folder</source>
        <translation>diesen Datenordner</translation>
    </message>
    <message>
        <source>the data folder %1</source>
        <translation>den Datenordner %1</translation>
    </message>
    <message>
        <source>Another copy of Velomark is already running on %1.</source>
        <translation>Eine andere Instanz von Velomark nutzt bereits %1.</translation>
    </message>
    <message>
        <source>Velomark cannot open %1: %2.</source>
        <translation>Velomark kann %1 nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>Velomark cannot lock %1: %2.</source>
        <translation>Velomark kann %1 nicht sperren: %2.</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>ein Verzeichnis</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>ein Link</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Spezialdatei</translation>
    </message>
    <message>
        <source>The file %1 is larger than 1 MB (1,048,576 bytes), far larger than any data file of Velomark can be, so it was not read.</source>
        <translation>Die Datei %1 ist größer als 1 MB (1.048.576 Byte), weit größer, als eine Datendatei von Velomark sein kann, und wurde daher nicht gelesen.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be examined: %2.</source>
        <translation>Die Datei %1 kann nicht geprüft werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 is %2, not a regular file, so it was not read.</source>
        <translation>Die Datei %1 ist %2, keine normale Datei, und wurde daher nicht gelesen.</translation>
    </message>
    <message>
        <source>The file %1 is a link that leads to no file (%2), so nothing was written.</source>
        <translation>Die Datei %1 ist ein Link, der zu keiner Datei führt (%2), daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The file %1 is %2, not a regular file, so it was not replaced.</source>
        <translation>Die Datei %1 ist %2, keine normale Datei, und wurde daher nicht ersetzt.</translation>
    </message>
    <message>
        <source>The file %1 is read-only, so it was left unchanged.</source>
        <translation>Die Datei %1 ist schreibgeschützt und blieb daher unverändert.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be renamed over it: %2</source>
        <translation>%1 kann nicht an ihre Stelle umbenannt werden: %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>Sie ist %1</translation>
    </message>
    <message>
        <source>it is a link that leads to no file</source>
        <translation>Sie ist ein Link, der zu keiner Datei führt</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>Sie kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>Sie ist keine normale Datei</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>Sie kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>Sie kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>%1 kann nicht geprüft werden: %2</translation>
    </message>
    <message>
        <source>%1 stands at %2; it was left alone</source>
        <translation>%2 ist %1 und wurde nicht angetastet</translation>
    </message>
    <message>
        <source>%1 stands at %2, which is %3 in other letters; it was left alone</source>
        <translation>%2 (in anderer Groß-/Kleinschreibung %3) ist %1 und wurde nicht angetastet</translation>
    </message>
    <message>
        <source>the old %1 cannot be removed: %2</source>
        <translation>Die alte Datei %1 kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Velomark&apos;s lap record file of your Standard circuits</source>
        <translation>Velomarks Rundenzeiten-Datei deiner Standard-Strecken</translation>
    </message>
    <message>
        <source>Velomark&apos;s lap record file of your IA Track Pack circuits</source>
        <translation>Velomarks Rundenzeiten-Datei deiner IA-Track-Pack-Strecken</translation>
    </message>
    <message>
        <source>Velomark&apos;s lap record file of your Custom circuits</source>
        <translation>Velomarks Rundenzeiten-Datei deiner eigenen Strecken</translation>
    </message>
    <message>
        <source>Velomark&apos;s list of the names of your Custom circuits</source>
        <translation>Velomarks Liste der Namen deiner eigenen Strecken</translation>
    </message>
    <message>
        <source>Velomark&apos;s setting of your GP2 directory</source>
        <translation>Velomarks Einstellung deines GP2-Verzeichnisses</translation>
    </message>
    <message>
        <source>Velomark&apos;s own history of your saved times</source>
        <translation>Velomarks eigener Verlauf deiner gespeicherten Zeiten</translation>
    </message>
    <message>
        <source>the scratch file through which Velomark saves its data files</source>
        <translation>die Zwischendatei, über die Velomark seine Datendateien speichert</translation>
    </message>
    <message>
        <source>Velomark&apos;s note of the history rows a save is adding</source>
        <translation>Velomarks Notiz der Verlaufszeilen, die ein Speichervorgang gerade hinzufügt</translation>
    </message>
    <message>
        <source>the file by which Velomark keeps a second copy of itself out of this folder</source>
        <translation>die Datei, mit der Velomark eine zweite Instanz von sich aus diesem Ordner fernhält</translation>
    </message>
    <message>
        <source>%1 is %2; choose another name for the export.</source>
        <translation>%1 ist %2; wähle einen anderen Namen für den Export.</translation>
    </message>
    <message>
        <source>%1 leads to %2, %3; choose another name for the export.</source>
        <translation>%1 führt zu %2 – das ist %3; wähle einen anderen Namen für den Export.</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2. %1 was left unchanged.</source>
        <translation>Die Datei %1 kann nicht gespeichert werden: %2. %1 blieb unverändert.</translation>
    </message>
    <message>
        <source>The new %1 is in place, but its folder could not be flushed to the disk, so the change may be lost if the computer stops now: %2.</source>
        <translation>Die neue Datei %1 ist gespeichert, aber ihr Ordner konnte nicht auf die Festplatte geschrieben werden, daher kann die Änderung verloren gehen, wenn der Computer jetzt ausfällt: %2.</translation>
    </message>
    <message>
        <source>a double quote (&quot;) cannot be stored in a field: &quot;%1&quot;</source>
        <extracomment>Set after a colon into &quot;... cannot be saved: %1.&quot;.</extracomment>
        <translation>Ein doppeltes Anführungszeichen (&quot;) kann nicht in einem Feld gespeichert werden: „%1“</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The history %1 cannot be added to: %2.</source>
        <translation>Die Verlaufsdatei %1 kann nicht ergänzt werden: %2.</translation>
    </message>
</context>
<context>
    <name>HofBat</name>
    <message>
        <source>a double quote</source>
        <translation>ein doppeltes Anführungszeichen</translation>
    </message>
    <message>
        <source>a percent sign, which the command interpreter would expand</source>
        <translation>ein Prozentzeichen, das der Befehlsinterpreter auswerten würde</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>ein Steuerzeichen</translation>
    </message>
    <message>
        <source>The GP2 directory %1 cannot be passed to hof2lap: it holds %2.</source>
        <translation>Das GP2-Verzeichnis %1 kann nicht an hof2lap übergeben werden: Es enthält %2.</translation>
    </message>
    <message>
        <source>No hot-lap file is chosen.</source>
        <translation>Es ist keine Hotlap-Datei gewählt.</translation>
    </message>
    <message>
        <source>a directory separator</source>
        <translation>ein Verzeichnistrennzeichen</translation>
    </message>
    <message>
        <source>The hot-lap file %1 cannot be passed to hof2lap: its name holds %2.</source>
        <translation>Die Hotlap-Datei %1 kann nicht an hof2lap übergeben werden: Ihr Name enthält %2.</translation>
    </message>
</context>
<context>
    <name>HotLaps</name>
    <message>
        <source>the compressed data expands beyond %1 bytes</source>
        <translation>Die komprimierten Daten ergeben entpackt mehr als %1 Byte</translation>
    </message>
    <message>
        <source>the compressed data ends inside a back-reference</source>
        <translation>Die komprimierten Daten enden mitten in einem Rückverweis</translation>
    </message>
    <message>
        <source>the compressed data refers back to before its own start</source>
        <translation>Die komprimierten Daten verweisen auf eine Stelle vor ihrem Anfang</translation>
    </message>
    <message>
        <source>The file %1 is not a GP2 file.</source>
        <translation>Die Datei %1 ist keine GP2-Datei.</translation>
    </message>
    <message>
        <source>The file %1 is cut short: it ends inside its header.</source>
        <translation>Die Datei %1 ist unvollständig: Sie endet mitten im Dateikopf.</translation>
    </message>
    <message>
        <source>The file %1 is a GP2 file but not a hot lap.</source>
        <translation>Die Datei %1 ist eine GP2-Datei, aber keine Hotlap.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a hot lap (over %2 MB).</source>
        <translation>Die Datei %1 ist zu groß für eine Hotlap (über %2 MB).</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The %1 time of %2 in %3 has changed since you chose to replace it; it was left alone.</source>
        <translation>Die Zeit der Session %1 für %2 in %3 hat sich geändert, seit du sie zum Ersetzen gewählt hast; sie wurde nicht angetastet.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>flags 0x%1 of unknown meaning</source>
        <translation>Flags 0x%1 mit unbekannter Bedeutung</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>The details GP2Lap records (driving aids, lap flags, slow motion...) are not in this file.</source>
        <translation>Die Details, die GP2Lap aufzeichnet (Fahrhilfen, Runden-Flags, Zeitlupe...), sind nicht in dieser Datei.</translation>
    </message>
    <message>
        <source>The details GP2Lap recorded (driving aids, lap flags, slow motion...) cannot be read either.</source>
        <translation>Auch die Details, die GP2Lap aufgezeichnet hat (Fahrhilfen, Runden-Flags, Zeitlupe...), können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>bearbeitet</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Date GP2Lap wrote: %1 (as it set up its records, before the lap)</source>
        <translation>Datum laut GP2Lap: %1 (beim Anlegen der Aufzeichnung, vor der Runde)</translation>
    </message>
    <message>
        <source>GP2Lap version: %1</source>
        <translation>GP2Lap-Version: %1</translation>
    </message>
    <message>
        <source>Track file: %1, from slot %2, checksum %3</source>
        <translation>Streckendatei: %1, von Streckenplatz %2, Prüfsumme %3</translation>
    </message>
    <message>
        <source>Steering help: %1</source>
        <translation>Lenkhilfe: %1</translation>
    </message>
    <message>
        <source>Opposite-lock help: %1</source>
        <translation>Gegenlenkhilfe: %1</translation>
    </message>
    <message>
        <source>Lap flags: %1</source>
        <translation>Runden-Flags: %1</translation>
    </message>
    <message>
        <source>Driving-aid changes: %1</source>
        <translation>Fahrhilfen-Änderungen: %1</translation>
    </message>
    <message>
        <source>Processor occupancy: %1% on average, %2% at the highest</source>
        <translation>Prozessorauslastung: %1% im Schnitt, %2% in der Spitze</translation>
    </message>
    <message>
        <source>Slow motion: %1</source>
        <translation>Zeitlupe: %1</translation>
    </message>
    <message>
        <source>Fuel: %1 laps</source>
        <translation>Sprit: %1 Runden</translation>
    </message>
    <message>
        <source>Weight: %1 lb</source>
        <translation>Gewicht: %1 lb</translation>
    </message>
    <message>
        <source>The lap went through the pits: its splits are not times.</source>
        <translation>Die Runde führte durch die Boxengasse: Ihre Zwischenzeiten sind keine gültigen Zeiten.</translation>
    </message>
    <message>
        <source>off track</source>
        <translation>neben der Strecke</translation>
    </message>
    <message>
        <source>through the pits</source>
        <translation>durch die Boxengasse</translation>
    </message>
    <message>
        <source>detail level changed</source>
        <translation>Detailstufe geändert</translation>
    </message>
    <message>
        <source>no slow-down before the lap</source>
        <translation>kein Abbremsen vor der Runde</translation>
    </message>
    <message>
        <source>F4 used</source>
        <translation>F4 benutzt</translation>
    </message>
    <message>
        <source>track map on</source>
        <translation>Streckenkarte an</translation>
    </message>
    <message>
        <source>slow motion %1</source>
        <translation>Zeitlupe %1</translation>
    </message>
    <message>
        <source>%1 aid change</source>
        <translation>%1 Fahrhilfen-Änderung</translation>
    </message>
    <message>
        <source>%1 aid changes</source>
        <translation>%1 Fahrhilfen-Änderungen</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Clean: %1</source>
        <translation>Sauber: %1</translation>
    </message>
    <message>
        <source>circuit %1</source>
        <translation>Strecke %1</translation>
    </message>
    <message>
        <source>Unnamed track-editor track</source>
        <translation>Unbenannte Strecke aus dem Track-Editor</translation>
    </message>
    <message>
        <source>%1 (slot %2)</source>
        <translation>%1 (Streckenplatz %2)</translation>
    </message>
    <message>
        <source>%1 (slot %2) as %3 circuit %2</source>
        <translation>%1 (Streckenplatz %2) als Strecke %2 im Streckenset „%3“</translation>
    </message>
    <message>
        <source>%1 (slot %2) as %3 circuit %2 (%4)</source>
        <translation>%1 (Streckenplatz %2) als Strecke %2 im Streckenset „%3“ (%4)</translation>
    </message>
    <message>
        <source>%1 s faster than your best</source>
        <translation>%1 s schneller als deine Bestzeit</translation>
    </message>
    <message>
        <source>the first time for this session</source>
        <translation>die erste Zeit für diese Session</translation>
    </message>
    <message>
        <source>New hot lap at %1, %2 %3: %4. Open Hot laps to take it.</source>
        <translation>Neue Hotlap: %1, %2 %3 – %4. Öffne das Hotlaps-Fenster, um sie zu übernehmen.</translation>
    </message>
    <message>
        <source>New hot lap at %1, %2 %3: %4, a clean lap. Open Hot laps to take it.</source>
        <translation>Neue Hotlap: %1, %2 %3 – %4, eine saubere Runde. Öffne das Hotlaps-Fenster, um sie zu übernehmen.</translation>
    </message>
    <message>
        <source>New hot lap at %1, %2 %3: %4, not clean: %5. Open Hot laps to take it.</source>
        <translation>Neue Hotlap: %1, %2 %3 – %4, nicht sauber: %5. Öffne das Hotlaps-Fenster, um sie zu übernehmen.</translation>
    </message>
    <message>
        <source>%1 setup</source>
        <translation>Setup (%1)</translation>
    </message>
    <message>
        <source>%1, %2: %3 becomes %4</source>
        <translation>%1, %2: %3 wird zu %4</translation>
    </message>
    <message>
        <source>%1, %2: %3, the first time stored for this session</source>
        <translation>%1, %2: %3, die erste gespeicherte Zeit für diese Session</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4 (which cannot be compared as a time)</source>
        <translation>%1, %2: %3 ersetzt %4 (nicht als Zeit vergleichbar)</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4 (the same time)</source>
        <translation>%1, %2: %3 ersetzt %4 (dieselbe Zeit)</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4 (%5 s slower)</source>
        <translation>%1, %2: %3 ersetzt %4 (%5 s langsamer)</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4</source>
        <translation>%1, %2: %3 ersetzt %4</translation>
    </message>
    <message>
        <source>%1; not clean: %2</source>
        <translation>%1; nicht sauber: %2</translation>
    </message>
    <message>
        <source>and SAVE fills out %1</source>
        <translation>und SPEICHERN ergänzt: %1</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <translation>%1, %2 %3: %4</translation>
    </message>
    <message>
        <source>times damaged in this file</source>
        <translation>Zeiten in dieser Datei beschädigt</translation>
    </message>
    <message>
        <source>times not readable (saved before GP2Lap 1.14)</source>
        <translation>Zeiten nicht lesbar (vor GP2Lap 1.14 gespeichert)</translation>
    </message>
    <message>
        <source>times not in this file</source>
        <translation>keine Zeiten in dieser Datei</translation>
    </message>
    <message>
        <source>%1 (never taken)</source>
        <translation>%1 (wird nie übernommen)</translation>
    </message>
    <message>
        <source>%1: no lap time in this file</source>
        <translation>%1: keine Rundenzeit in dieser Datei</translation>
    </message>
    <message>
        <source>The file names track number %1, which is no circuit.</source>
        <translation>Die Datei nennt die Streckennummer %1, zu der es keine Strecke gibt.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language (de, fr, it, es, nl): the program tells by it which language it speaks, and an HTML report declares it.</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>LapRecords</name>
    <message>
        <source>The lap record file %1 holds only %2 of its %3 circuit records.</source>
        <translation>Die Rundenzeiten-Datei %1 enthält nur %2 ihrer %3 Streckeneinträge.</translation>
    </message>
    <message>
        <source>%1 lap time</source>
        <translation>Rundenzeit (%1)</translation>
    </message>
    <message>
        <source>%1 1st split</source>
        <translation>1. Zwischenzeit (%1)</translation>
    </message>
    <message>
        <source>%1 +2nd split</source>
        <translation>+2. Zwischenzeit (%1)</translation>
    </message>
    <message>
        <source>%1 3rd split</source>
        <translation>3. Zwischenzeit (%1)</translation>
    </message>
    <message>
        <source>%1 setup file</source>
        <translation>Setup-Datei (%1)</translation>
    </message>
    <message>
        <source>holds a double quote at its start</source>
        <translation>enthält am Anfang ein doppeltes Anführungszeichen</translation>
    </message>
    <message>
        <source>holds a double quote and starts with a blank</source>
        <translation>enthält ein doppeltes Anführungszeichen und beginnt mit einem Leerzeichen</translation>
    </message>
    <message>
        <source>holds a double quote and ends with a blank</source>
        <translation>enthält ein doppeltes Anführungszeichen und endet mit einem Leerzeichen</translation>
    </message>
    <message>
        <source>holds both a double quote and a comma</source>
        <translation>enthält sowohl ein doppeltes Anführungszeichen als auch ein Komma</translation>
    </message>
    <message>
        <source>holds both a double quote and a line break</source>
        <translation>enthält sowohl ein doppeltes Anführungszeichen als auch einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>Field %1 of circuit %2 (&quot;%3&quot;) %4 (%5), which a lap record file cannot store.</source>
        <translation>Feld %1 der Strecke %2 („%3“) %4 (%5), was eine Rundenzeiten-Datei nicht speichern kann.</translation>
    </message>
    <message>
        <source>The lap record file %1 has no circuit %2.</source>
        <translation>Die Rundenzeiten-Datei %1 hat keine Strecke %2.</translation>
    </message>
    <message>
        <source>The file %1 holds no GP2 directory.</source>
        <translation>Die Datei %1 enthält kein GP2-Verzeichnis.</translation>
    </message>
    <message>
        <source>The GP2 directory cannot be saved: %1.</source>
        <translation>Das GP2-Verzeichnis kann nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>GP2 Lap Times</source>
        <translation>GP2-Rundenzeiten</translation>
    </message>
    <message>
        <source>Correct the filename</source>
        <translation>Dateinamen korrigieren</translation>
    </message>
    <message>
        <source>Invalid filename. Must end in `.html`</source>
        <translation>Ungültiger Dateiname. Er muss auf `.html` enden</translation>
    </message>
    <message>
        <source>Ooops!</source>
        <translation>Hoppla!</translation>
    </message>
    <message>
        <source>Cannot Export as selected Circuits are not set up</source>
        <translation>Export nicht möglich, die gewählten Strecken sind nicht eingerichtet</translation>
    </message>
    <message>
        <source>Nothing to print</source>
        <translation>Nichts zu drucken</translation>
    </message>
    <message>
        <source>Erm.. try selecting a Trackset</source>
        <translation>Ähm.. wähle doch ein Streckenset</translation>
    </message>
    <message>
        <source>Ready to print</source>
        <translation>Bereit zum Drucken</translation>
    </message>
    <message>
        <source>Ready print with A4 paper</source>
        <translation>Bereit zum Drucken auf A4-Papier</translation>
    </message>
    <message>
        <source>There are no lap times to print in the ticked tracksets.</source>
        <translation>In den angehakten Streckensets gibt es keine Rundenzeiten zum Drucken.</translation>
    </message>
    <message>
        <source>GP2 Lap Times - Standard Circuits</source>
        <translation>GP2-Rundenzeiten - Standardstrecken</translation>
    </message>
    <message>
        <source>GP2 Lap Times - IA Track Pack</source>
        <translation>GP2-Rundenzeiten - IA Track Pack</translation>
    </message>
    <message>
        <source>GP2 Lap Times - Custom Circuits</source>
        <translation>GP2-Rundenzeiten - Eigene Strecken</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Lap Time</source>
        <translation>Rundenzeit</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>1. Zwischenzeit</translation>
    </message>
    <message>
        <source>+2nd Split</source>
        <translation>+2. Zwischenzeit</translation>
    </message>
    <message>
        <source>3rd Split</source>
        <translation>3. Zwischenzeit</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Standard Trackset</source>
        <translation>Streckenset Standard</translation>
    </message>
    <message>
        <source>IA Track Pack</source>
        <translation>IA Track Pack</translation>
    </message>
    <message>
        <source>Custom Circuits</source>
        <translation>Eigene Strecken</translation>
    </message>
    <message>
        <source>LapTime</source>
        <translation>Rundenzeit</translation>
    </message>
    <message>
        <source>Setup file</source>
        <translation>Setup-Datei</translation>
    </message>
    <message>
        <source>Velomark Home Page</source>
        <translation>Velomark-Homepage</translation>
    </message>
</context>
<context>
    <name>Save</name>
    <message>
        <source>The times of %1 in %2 were changed elsewhere in Velomark after they were read here.</source>
        <translation>Die Zeiten für %1 in %2 wurden an anderer Stelle in Velomark geändert, nachdem sie hier eingelesen wurden.</translation>
    </message>
</context>
<context>
    <name>SaveTimes</name>
    <message>
        <source>%1 lap time</source>
        <translation>Rundenzeit (%1)</translation>
    </message>
    <message>
        <source>%1 1st split</source>
        <translation>1. Zwischenzeit (%1)</translation>
    </message>
    <message>
        <source>%1 +2nd split</source>
        <translation>+2. Zwischenzeit (%1)</translation>
    </message>
    <message>
        <source>%1 3rd split</source>
        <translation>3. Zwischenzeit (%1)</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>Notizen (%1)</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>Zeiten (%1)</translation>
    </message>
    <message>
        <source>%1: set to %2</source>
        <translation>%1: auf %2 gesetzt</translation>
    </message>
    <message>
        <source>%1: %2 cleared</source>
        <translation>%1: %2 gelöscht</translation>
    </message>
    <message>
        <source>%1: %2 became %3</source>
        <translation>%1: %2 wurde zu %3</translation>
    </message>
    <message>
        <source>%1: %2, the first time stored for this session</source>
        <translation>%1: %2, die erste gespeicherte Zeit für diese Session</translation>
    </message>
    <message>
        <source>%1: %2, which cannot be compared as a time with %3 of %4</source>
        <translation>%1: %2, nicht als Zeit vergleichbar mit %3 vom %4</translation>
    </message>
    <message>
        <source>%1: %2, which cannot be compared as a time with %3</source>
        <translation>%1: %2, nicht als Zeit vergleichbar mit %3</translation>
    </message>
    <message>
        <source>%1: %2, the same time as %3 of %4</source>
        <translation>%1: %2, dieselbe Zeit wie %3 vom %4</translation>
    </message>
    <message>
        <source>%1: %2, the same time as %3</source>
        <translation>%1: %2, dieselbe Zeit wie %3</translation>
    </message>
    <message>
        <source>%1: %2, %5 s faster than %3 of %4</source>
        <translation>%1: %2, %5 s schneller als %3 vom %4</translation>
    </message>
    <message>
        <source>%1: %2, %5 s faster than %3</source>
        <translation>%1: %2, %5 s schneller als %3</translation>
    </message>
    <message>
        <source>%1: %2, %5 s slower than %3 of %4, stored as you asked</source>
        <translation>%1: %2, %5 s langsamer als %3 vom %4, wie gewünscht gespeichert</translation>
    </message>
    <message>
        <source>%1: %2, %5 s slower than %3, stored as you asked</source>
        <translation>%1: %2, %5 s langsamer als %3, wie gewünscht gespeichert</translation>
    </message>
    <message>
        <source>Check the %1 times: its 1st split is not below its +2nd split</source>
        <translation>Prüfe die Zeiten der Session %1: Die 1. Zwischenzeit ist nicht kleiner als die +2. Zwischenzeit</translation>
    </message>
    <message>
        <source>Check the %1 times: its +2nd split is not below its lap time</source>
        <translation>Prüfe die Zeiten der Session %1: Die +2. Zwischenzeit ist nicht kleiner als die Rundenzeit</translation>
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
        <translation>Schnelles Rennen</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Qualifikation</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Rennen</translation>
    </message>
    <message>
        <source>Lap Time</source>
        <translation>Rundenzeit</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>1. Zwischenzeit</translation>
    </message>
    <message>
        <source>+2nd Split</source>
        <translation>+2. Zwischenzeit</translation>
    </message>
    <message>
        <source>3rd Split</source>
        <translation>3. Zwischenzeit</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>Sessions</name>
    <message>
        <source>QuickRace</source>
        <translation>Schnelles Rennen</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Qualifikation</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Rennen</translation>
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
        <translation>GP2-Standardstrecken</translation>
    </message>
    <message>
        <source>TrackPack</source>
        <translation>TrackPack</translation>
    </message>
    <message>
        <source>IA Track Pack Circuits</source>
        <translation>IA-Track-Pack-Strecken</translation>
    </message>
    <message>
        <source>IA Track Pack</source>
        <translation>IA Track Pack</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>User-defined Custom Circuits</source>
        <translation>Benutzerdefinierte Strecken</translation>
    </message>
</context>
<context>
    <name>velomark::AboutBox</name>
    <message>
        <source>About GP2 Velomark</source>
        <translation>Über GP2 Velomark</translation>
    </message>
    <message>
        <source>A car on a race track, and a chequered flag</source>
        <translation>Ein Rennwagen auf der Strecke und eine Zielflagge</translation>
    </message>
    <message>
        <source>Designed to allow you to record your personal best lap-times for every session at every circuit.  Now you can get out there a know what you have to beat !</source>
        <translation>Damit hältst du deine persönlichen Bestzeiten für jede Session auf jeder Strecke fest. Jetzt kannst du rausfahren und weißt, was du schlagen musst!</translation>
    </message>
    <message>
        <source>Free software, offered without any warranty.</source>
        <translation>Freie Software, ohne jede Gewährleistung.</translation>
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
        <translation>(21. September 1998)</translation>
    </message>
    <message>
        <source>Visit my Home Page</source>
        <translation>Zu meiner Homepage</translation>
    </message>
    <message>
        <source>Email me</source>
        <translation>Schreib mir</translation>
    </message>
</context>
<context>
    <name>velomark::BestsBoard</name>
    <message>
        <source>Bests board</source>
        <translation>Bestzeiten-Übersicht</translation>
    </message>
    <message>
        <source>Rival: none</source>
        <translation>Rivale: keiner</translation>
    </message>
    <message>
        <source>Rival</source>
        <translation>Rivale</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Bests table</source>
        <translation>Bestzeiten-Tabelle</translation>
    </message>
    <message>
        <source>Trackset filter</source>
        <translation>Streckenset-Filter</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The filter&apos;s choice that shows every trackset.</extracomment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation>Streckenset</translation>
    </message>
    <message>
        <source>Compare with a rival</source>
        <translation>Mit Rivalen vergleichen</translation>
    </message>
    <message>
        <source>Clear rival</source>
        <translation>Rivalen entfernen</translation>
    </message>
    <message>
        <source>Export board</source>
        <translation>Übersicht exportieren</translation>
    </message>
    <message>
        <source>A rival&apos;s CSV export, or a file of their data folder (%1)</source>
        <translation>CSV-Export eines Rivalen oder eine Datei aus dessen Datenordner (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Rival not read</source>
        <translation>Rivale nicht eingelesen</translation>
    </message>
    <message>
        <source>Rival: %1</source>
        <translation>Rivale: %1</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Board not exported</source>
        <translation>Übersicht nicht exportiert</translation>
    </message>
    <message>
        <source>%1 is one of the rival&apos;s files, which Velomark only reads.</source>
        <translation>%1 ist eine Datei des Rivalen, die Velomark nur liest.</translation>
    </message>
</context>
<context>
    <name>velomark::BoardLink</name>
    <message>
        <source>Bests</source>
        <extracomment>The button that opens the bests board.</extracomment>
        <translation>Bestzeiten</translation>
    </message>
    <message>
        <source>Every best on one board, and a rival&apos;s beside them</source>
        <translation>Alle Bestzeiten auf einen Blick, daneben die eines Rivalen</translation>
    </message>
</context>
<context>
    <name>velomark::BoardModule</name>
    <message>
        <source>The bests board</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>Die Bestzeiten-Übersicht</translation>
    </message>
    <message>
        <source>No bests board</source>
        <translation>Keine Bestzeiten-Übersicht</translation>
    </message>
</context>
<context>
    <name>velomark::ChartView</name>
    <message>
        <source>Stored best</source>
        <extracomment>The legend&apos;s name for the mark on each session&apos;s stored best.</extracomment>
        <translation>Gespeicherte Bestzeit</translation>
    </message>
    <message>
        <source>Ideal lap %1</source>
        <extracomment>The legend&apos;s name for the ideal lap&apos;s line; %1 is its lap time.</extracomment>
        <translation>Idealrunde %1</translation>
    </message>
    <message>
        <source>Date saved</source>
        <extracomment>The title of the chart&apos;s date axis.</extracomment>
        <translation>Speicherdatum</translation>
    </message>
    <message>
        <source>Lap time</source>
        <extracomment>The title of the chart&apos;s time axis.</extracomment>
        <translation>Rundenzeit</translation>
    </message>
    <message>
        <source>Progress chart</source>
        <translation>Fortschrittsdiagramm</translation>
    </message>
    <message>
        <source>Lap times over the dates they were saved. Left and Right step from point to point.</source>
        <translation>Rundenzeiten nach dem Datum, an dem sie gespeichert wurden. Pfeil links und rechts springen von Punkt zu Punkt.</translation>
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
        <translation>Export in die Zwischenablage</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Streckensets für den Export wählen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>velomark::CsvExportWindow</name>
    <message>
        <source>CSV file Export</source>
        <translation>Export als CSV-Datei</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Streckensets für den Export wählen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
</context>
<context>
    <name>velomark::CustomWindow</name>
    <message>
        <source>A circuit name cannot hold a line break.</source>
        <translation>Ein Streckenname darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>Setup Custom Circuits</source>
        <translation>Eigene Strecken einrichten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Custom Circuit Setup</source>
        <translation>Eigene Strecken einrichten</translation>
    </message>
    <message>
        <source>Circuit Name</source>
        <translation>Streckenname</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Circuit %1 name</source>
        <translation>Name der Strecke %1</translation>
    </message>
    <message>
        <source>Circuit %1 country</source>
        <translation>Land der Strecke %1</translation>
    </message>
    <message>
        <source>If you have changed a circuit for a new one, dont forget that you will need to `Clear` out the old lap times.</source>
        <extracomment>`Clear` names the lap-time editor&apos;s CLEAR button, which clears a circuit&apos;s times.</extracomment>
        <translation>Wenn du eine Strecke gegen eine neue getauscht hast, vergiss nicht, die alten Rundenzeiten mit `Löschen` zu entfernen.</translation>
    </message>
    <message>
        <source>Reminder !</source>
        <translation>Erinnerung!</translation>
    </message>
    <message>
        <source>Custom circuits not saved</source>
        <translation>Eigene Strecken nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>velomark::ExportChooser</name>
    <message>
        <source>Export Lap Times</source>
        <translation>Rundenzeiten exportieren</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Text file (ASCII)</source>
        <translation>Textdatei (ASCII)</translation>
    </message>
    <message>
        <source>Web Page (HTML)</source>
        <translation>Webseite (HTML)</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>CSV-Datei</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapDetailsWindow</name>
    <message>
        <source>Hot lap details</source>
        <translation>Hotlap-Details</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>im Datenordner %1: %2</translation>
    </message>
    <message>
        <source>Import Hotlap from GP2</source>
        <translation>Hotlap aus GP2 importieren</translation>
    </message>
    <message>
        <source>Track file</source>
        <extracomment>The line naming the track-editor track a hot lap was driven on.</extracomment>
        <translation>Streckendatei</translation>
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
        <translation>Session</translation>
    </message>
    <message>
        <source>Laptime</source>
        <translation>Rundenzeit</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>1. Zwischenzeit</translation>
    </message>
    <message>
        <source>2nd Split</source>
        <extracomment>The hot lap&apos;s 2nd split, as GP2Lap recorded it.</extracomment>
        <translation>2. Zwischenzeit</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>INSERT</source>
        <extracomment>The button that puts the hot lap&apos;s times into the lap-time editor.</extracomment>
        <translation>EINFÜGEN</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SCHLIESSEN</translation>
    </message>
    <message>
        <source>You need to set your GP2 directory. Do this by pressing `INITIALISE` on the main screen. (Remember that HOF2LAP must also be in the GP2 path.)</source>
        <extracomment>INITIALISE is the caption of the main window&apos;s button (shown there as INITIALISE !); HOF2LAP is the program that reads hot laps.</extracomment>
        <translation>Du musst dein GP2-Verzeichnis festlegen. Drücke dazu im Hauptfenster `EINRICHTEN`. (Denk daran, dass HOF2LAP ebenfalls im GP2-Pfad liegen muss.)</translation>
    </message>
    <message>
        <source>Cannot access GP2 directory.</source>
        <translation>Kein Zugriff auf das GP2-Verzeichnis.</translation>
    </message>
    <message>
        <source>Hot lap not read</source>
        <translation>Hotlap nicht eingelesen</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <extracomment>In place of the name of a track-editor track that names none.</extracomment>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Driven on the track-editor track %1, loaded into slot %2.</source>
        <extracomment>%1 is the name of a track made with GP2&apos;s track editor, %2 the circuit slot (1 to 16) it was loaded into.</extracomment>
        <translation>Gefahren auf der Strecke %1 aus dem Track-Editor, geladen auf Streckenplatz %2.</translation>
    </message>
    <message>
        <source>The hot lap %1 could not be read: %2.</source>
        <translation>Die Hotlap %1 konnte nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapTable</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Lap Time</source>
        <translation>Rundenzeit</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>1. Zwischenzeit</translation>
    </message>
    <message>
        <source>+2nd Split</source>
        <extracomment>The 2nd split counted from the start of the lap.</extracomment>
        <translation>+2. Zwischenzeit</translation>
    </message>
    <message>
        <source>Saved</source>
        <extracomment>When GP2 saved the hot lap&apos;s file.</extracomment>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Stored</source>
        <extracomment>Your best lap time stored for the circuit and session.</extracomment>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Faster by</source>
        <translation>Schneller um</translation>
    </message>
    <message>
        <source>Clean</source>
        <extracomment>Whether the lap was clean (not off track, not through the pits...), or why not.</extracomment>
        <translation>Sauber</translation>
    </message>
    <message>
        <source>a track-editor track: compare with TrackPack or Custom</source>
        <translation>eine Strecke aus dem Track-Editor: mit „TrackPack“ oder „Eigene“ vergleichen</translation>
    </message>
    <message>
        <source>no best yet</source>
        <translation>noch keine Bestzeit</translation>
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
        <translation>Alle Hotlaps in gpsaves im Vergleich mit deinen Bestzeiten</translation>
    </message>
    <message>
        <source>Click to put this line away</source>
        <translation>Klicken, um diese Zeile auszublenden</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsModule</name>
    <message>
        <source>The Hot laps window</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>Das Hotlaps-Fenster</translation>
    </message>
    <message>
        <source>No Hot laps window</source>
        <translation>Kein Hotlaps-Fenster</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsWindow</name>
    <message>
        <source>The saves folder %1 is missing; Velomark looks for it again every few seconds.</source>
        <translation>Der Speicherordner %1 fehlt; Velomark sucht alle paar Sekunden erneut danach.</translation>
    </message>
    <message>
        <source>The saves folder %1 is not a folder; Velomark looks for it again every few seconds.</source>
        <translation>Der Speicherordner %1 ist kein Ordner; Velomark sucht alle paar Sekunden erneut danach.</translation>
    </message>
    <message>
        <source>The saves folder %1 cannot be read; Velomark tries it again every few seconds.</source>
        <translation>Der Speicherordner %1 kann nicht gelesen werden; Velomark versucht es alle paar Sekunden erneut.</translation>
    </message>
    <message>
        <source>The saves folder %1 cannot be read (%2); Velomark tries it again every few seconds.</source>
        <extracomment>%2 is the system&apos;s reason, in the system&apos;s words.</extracomment>
        <translation>Der Speicherordner %1 kann nicht gelesen werden (%2); Velomark versucht es alle paar Sekunden erneut.</translation>
    </message>
    <message>
        <source>Hot laps in GP2</source>
        <translation>Hotlaps in GP2</translation>
    </message>
    <message>
        <source>Saves folder</source>
        <translation>Speicherordner</translation>
    </message>
    <message>
        <source>Hot lap files</source>
        <translation>Hotlap-Dateien</translation>
    </message>
    <message>
        <source>Hot laps read</source>
        <translation>Gelesene Hotlaps</translation>
    </message>
    <message>
        <source>Hot laps counted</source>
        <translation>Gezählte Hotlaps</translation>
    </message>
    <message>
        <source>Hot laps taken</source>
        <translation>Übernommene Hotlaps</translation>
    </message>
    <message>
        <source>Show details</source>
        <translation>Details anzeigen</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <extracomment>%1 is a column&apos;s heading.</extracomment>
        <translation>Sortieren nach: %1</translation>
    </message>
    <message>
        <source>Compare with the bests of</source>
        <extracomment>Followed by the three tracksets to choose from.</extracomment>
        <translation>Bestzeiten zum Vergleich</translation>
    </message>
    <message>
        <source>Take selected</source>
        <translation>Auswahl übernehmen</translation>
    </message>
    <message>
        <source>Take all faster</source>
        <translation>Schnellere übernehmen</translation>
    </message>
    <message>
        <source>Only clean laps</source>
        <translation>Nur saubere Runden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Set your GP2 directory first: press INITIALISE ! on the main window, type the folder GP2 is installed in into its lower field and press Set GP2 path.</source>
        <extracomment>INITIALISE ! and Set GP2 path are the captions of the buttons to press.</extracomment>
        <translation>Lege zuerst dein GP2-Verzeichnis fest: Drücke im Hauptfenster EINRICHTEN !, trage im unteren Feld den Ordner ein, in dem GP2 installiert ist, und drücke GP2-Pfad setzen.</translation>
    </message>
    <message>
        <source>The hot laps in %1</source>
        <translation>Die Hotlaps in %1</translation>
    </message>
    <message>
        <source>Reading %1 hot laps...</source>
        <translation>%1 Hotlaps werden gelesen...</translation>
    </message>
    <message>
        <source>%1 hot lap, %2 faster than your best</source>
        <translation>%1 Hotlap, %2 schneller als deine Bestzeit</translation>
    </message>
    <message>
        <source>%1 hot laps, %2 faster than your best</source>
        <translation>%1 Hotlaps, %2 schneller als deine Bestzeit</translation>
    </message>
    <message numerus="yes">
        <source>; %n cannot be read (the Session column says why)</source>
        <extracomment>Follows &quot;N hot laps, N faster than your best&quot;.</extracomment>
        <translation>
            <numerusform>; %n kann nicht gelesen werden (die Spalte Session nennt den Grund)</numerusform>
            <numerusform>; %n können nicht gelesen werden (die Spalte Session nennt den Grund)</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 more name matching *.hl? is no file and is left out</source>
        <extracomment>Follows &quot;N hot laps, N faster than your best&quot;.</extracomment>
        <translation>; %1 weiterer Name passend zu *.hl? ist keine Datei und wird übergangen</translation>
    </message>
    <message>
        <source>; %1 more names matching *.hl? are no files and are left out</source>
        <translation>; %1 weitere Namen passend zu *.hl? sind keine Dateien und werden übergangen</translation>
    </message>
    <message>
        <source>Select the rows of the hot laps to take first.</source>
        <translation>Markiere zuerst die Zeilen der Hotlaps, die übernommen werden sollen.</translation>
    </message>
    <message>
        <source>No clean hot lap is faster than your best. Left out as not clean:
%1</source>
        <extracomment>%1 is a list of hot laps, one a line, each with why it is not clean.</extracomment>
        <translation>Keine saubere Hotlap ist schneller als deine Bestzeit. Als nicht sauber übergangen:
%1</translation>
    </message>
    <message>
        <source>No hot lap is faster than your best.</source>
        <translation>Keine Hotlap ist schneller als deine Bestzeit.</translation>
    </message>
    <message>
        <source>A hot lap driven on a track-editor track is never stored as a Standard circuit&apos;s: choose TrackPack or Custom above.</source>
        <translation>Eine Hotlap auf einer Strecke aus dem Track-Editor wird nie als Zeit einer Standard-Strecke gespeichert: Wähle oben „TrackPack“ oder „Eigene“.</translation>
    </message>
    <message>
        <source>None of the selected hot laps holds the lap time of a session Velomark keeps.</source>
        <translation>Keine der markierten Hotlaps enthält die Rundenzeit einer Session, die Velomark führt.</translation>
    </message>
    <message>
        <source>Store this time in your lap records?</source>
        <translation>Diese Zeit in deine Rundenzeiten übernehmen?</translation>
    </message>
    <message>
        <source>Store these %1 times in your lap records?</source>
        <translation>Diese %1 Zeiten in deine Rundenzeiten übernehmen?</translation>
    </message>
    <message>
        <source>A time that is not faster than your best is stored only because you selected it.</source>
        <translation>Eine Zeit, die nicht schneller als deine Bestzeit ist, wird nur gespeichert, weil du sie markiert hast.</translation>
    </message>
    <message>
        <source>This lap is not clean; the list says why.</source>
        <translation>Diese Runde ist nicht sauber; die Liste nennt den Grund.</translation>
    </message>
    <message>
        <source>The list says why a lap is not clean.</source>
        <translation>Die Liste nennt den Grund, warum eine Runde nicht sauber ist.</translation>
    </message>
    <message>
        <source>1 faster hot lap is left out as not clean; it ends the list.</source>
        <translation>1 schnellere Hotlap wird als nicht sauber übergangen; sie steht am Ende der Liste.</translation>
    </message>
    <message>
        <source>%1 faster hot laps are left out as not clean; they end the list.</source>
        <translation>%1 schnellere Hotlaps werden als nicht sauber übergangen; sie stehen am Ende der Liste.</translation>
    </message>
    <message>
        <source>Left out, not clean: %1</source>
        <extracomment>%1 is a hot lap&apos;s file and why the lap is not clean.</extracomment>
        <translation>Übergangen, nicht sauber: %1</translation>
    </message>
    <message>
        <source>Take hot laps</source>
        <translation>Hotlaps übernehmen</translation>
    </message>
    <message>
        <source>Storing hot lap %1 of %2...</source>
        <translation>Hotlap %1 von %2 wird gespeichert...</translation>
    </message>
    <message>
        <source>Times not saved</source>
        <translation>Zeiten nicht gespeichert</translation>
    </message>
    <message>
        <source>%1, saved, but the history was not updated: %2</source>
        <extracomment>%1 is the circuit, %2 why the history file was not written.</extracomment>
        <translation>%1, gespeichert, aber der Verlauf wurde nicht aktualisiert: %2</translation>
    </message>
</context>
<context>
    <name>velomark::HtmlExportWindow</name>
    <message>
        <source>HTML Export</source>
        <translation>HTML-Export</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Streckensets für den Export wählen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
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
        <translation>Datendateien initialisieren</translation>
    </message>
    <message>
        <source>Standard GP2 Circuits</source>
        <translation>GP2-Standardstrecken</translation>
    </message>
    <message>
        <source>IA Track Pack Circuits</source>
        <translation>IA-Track-Pack-Strecken</translation>
    </message>
    <message>
        <source>Custom Circuits</source>
        <translation>Eigene Strecken</translation>
    </message>
    <message>
        <source>Do it !</source>
        <translation>Ausführen!</translation>
    </message>
    <message>
        <source>This will erase all your lap records for selected Tracksets. Use with care.</source>
        <translation>Dies löscht alle deine Rundenzeiten der gewählten Streckensets. Mit Vorsicht verwenden.</translation>
    </message>
    <message>
        <source>GP2 directory</source>
        <translation>GP2-Verzeichnis</translation>
    </message>
    <message>
        <source>Set GP2 path</source>
        <extracomment>The Hot laps window tells the player to press this button by its caption.</extracomment>
        <translation>GP2-Pfad setzen</translation>
    </message>
    <message>
        <source>Datafile Initialisation</source>
        <translation>Datendateien initialisieren</translation>
    </message>
    <message>
        <source>Are you sure you want to initialise your lap times ?</source>
        <translation>Willst du deine Rundenzeiten wirklich initialisieren?</translation>
    </message>
    <message>
        <source>Datafile Initialised</source>
        <translation>Datendateien initialisiert</translation>
    </message>
    <message>
        <source>Its all gone.</source>
        <translation>Alles gelöscht.</translation>
    </message>
    <message>
        <source>GP2 directory not saved</source>
        <translation>GP2-Verzeichnis nicht gespeichert</translation>
    </message>
</context>
<context>
    <name>velomark::InstanceLock</name>
    <message>
        <source>I`m already running! </source>
        <translation>Ich laufe bereits! </translation>
    </message>
</context>
<context>
    <name>velomark::LanguageChoice</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>The About box&apos;s choice of the language Velomark speaks.</extracomment>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Desktop&apos;s</source>
        <extracomment>Follow the language of the desktop (the system&apos;s display language).</extracomment>
        <translation>System</translation>
    </message>
    <message>
        <source>From its next start Velomark speaks the desktop&apos;s language.</source>
        <translation>Ab dem nächsten Start spricht Velomark die Systemsprache.</translation>
    </message>
    <message>
        <source>From its next start Velomark speaks %1.</source>
        <translation>Ab dem nächsten Start spricht Velomark %1.</translation>
    </message>
</context>
<context>
    <name>velomark::LapTimeEditor</name>
    <message>
        <source>Lap Time Data</source>
        <translation>Rundenzeiten</translation>
    </message>
    <message>
        <source>PROGRESS</source>
        <extracomment>The button that opens the chart of the circuit&apos;s saved lap times over time.</extracomment>
        <translation>FORTSCHRITT</translation>
    </message>
    <message>
        <source>Progress chart of this circuit</source>
        <translation>Fortschrittsdiagramm dieser Strecke</translation>
    </message>
    <message>
        <source>Your saved lap times at this circuit over time.</source>
        <translation>Deine gespeicherten Rundenzeiten auf dieser Strecke im Lauf der Zeit.</translation>
    </message>
    <message>
        <source>Hold a mouse button here to see the 2nd split alone.</source>
        <translation>Halte hier eine Maustaste gedrückt, um die 2. Zwischenzeit für sich zu sehen.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A field&apos;s name, also in messages about it: %1 is its row (&quot;Practice&quot;), %2 its column (&quot;Lap Time&quot;).</extracomment>
        <translation>%2 (%1)</translation>
    </message>
    <message>
        <source>This is an accumulated split time.</source>
        <translation>Dies ist eine kumulierte Zwischenzeit.</translation>
    </message>
    <message>
        <source>+/-</source>
        <extracomment>Plus or minus: the label clicked to see the time differences between Practice and Qualifying.</extracomment>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Click with Left or Right mouse button to see time differences.</source>
        <translation>Mit der linken oder rechten Maustaste klicken, um die Zeitunterschiede zu sehen.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <extracomment>The button that imports a hot lap from GP2.</extracomment>
        <translation>IMPORT</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <extracomment>The button that empties every field of the window.</extracomment>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>SCHLIESSEN</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>%1 Press INITIALISE ! on the main screen to create the lap record files.</source>
        <extracomment>%1 is why the lap record file cannot be read; INITIALISE ! is the caption of the main window&apos;s button.</extracomment>
        <translation>%1 Drücke im Hauptfenster EINRICHTEN !, um die Rundenzeiten-Dateien anzulegen.</translation>
    </message>
    <message>
        <source>%1 The file was left as it is.</source>
        <extracomment>%1 is why the lap record file cannot be read.</extracomment>
        <translation>%1 Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>Lap times not found</source>
        <translation>Rundenzeiten nicht gefunden</translation>
    </message>
    <message>
        <source>Correct Error under cursor</source>
        <extracomment>A lap time or split that is not a time; the cursor is in its session&apos;s lap time.</extracomment>
        <translation>Korrigiere den Fehler an der Cursorposition</translation>
    </message>
    <message>
        <source>Error !</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>The differences need the 1st and +2nd splits of both sessions, written as times (and the 3rd splits, where both are filled).</source>
        <translation>Für die Unterschiede braucht es die 1. und +2. Zwischenzeit beider Sessions als Zeiten (und die 3. Zwischenzeiten, wo beide ausgefüllt sind).</translation>
    </message>
    <message>
        <source>2nd Split</source>
        <extracomment>The +2nd Split column&apos;s header while a mouse button is held on it: the fields then show the 2nd split alone, not added to the 1st.</extracomment>
        <translation>2. Zwischenzeit</translation>
    </message>
    <message>
        <source>The 2nd split alone needs the 1st split and the +2nd split written as times.</source>
        <translation>Für die 2. Zwischenzeit für sich braucht es die 1. und die +2. Zwischenzeit als Zeiten.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a field (&quot;Practice Notes&quot;), %2 why its text cannot be stored.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Times not saved</source>
        <translation>Zeiten nicht gespeichert</translation>
    </message>
    <message>
        <source>the %1</source>
        <extracomment>One of the things changed both here and elsewhere: %1 is &quot;Qualifying times&quot;, &quot;Race notes&quot; and the like.</extracomment>
        <translation>die %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of things changed: &quot;the Practice times, the Qualifying times and the Race notes&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Keep both</source>
        <extracomment>A button of the question &quot;Times changed elsewhere&quot;: store both sides&apos; changes.</extracomment>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <extracomment>A button of the question &quot;Times changed elsewhere&quot;: store the window&apos;s times over the new ones.</extracomment>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Go back to the stored times</source>
        <translation>Zurück zu den gespeicherten Zeiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Keep both: your changes are stored over the new times.</source>
        <extracomment>Keep both is the caption of the button this line explains.</extracomment>
        <translation>Beide behalten: Deine Änderungen werden über die neuen Zeiten gespeichert.</translation>
    </message>
    <message>
        <source>You changed %1 here as well: only one of the two can be kept.</source>
        <extracomment>%1 is what was changed both here and elsewhere (&quot;the Qualifying times&quot;).</extracomment>
        <translation>Du hast %1 auch hier geändert: Nur eine der beiden Fassungen kann bleiben.</translation>
    </message>
    <message>
        <source>Overwrite: the times in this window replace the new ones.</source>
        <extracomment>Overwrite is the caption of the button this line explains.</extracomment>
        <translation>Überschreiben: Die Zeiten in diesem Fenster ersetzen die neuen.</translation>
    </message>
    <message>
        <source>Go back: the window shows the stored times and your changes are dropped.</source>
        <extracomment>Go back stands for the button &quot;Go back to the stored times&quot;, which this line explains.</extracomment>
        <translation>Zurück: Das Fenster zeigt die gespeicherten Zeiten, und deine Änderungen werden verworfen.</translation>
    </message>
    <message>
        <source>Changed elsewhere:</source>
        <extracomment>Heads the list of the fields changed in the file since the window read it.</extracomment>
        <translation>Anderswo geändert:</translation>
    </message>
    <message>
        <source>Changed by you:</source>
        <extracomment>Heads the list of the fields changed in the window.</extracomment>
        <translation>Von dir geändert:</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>The list of the fields changed in the window is empty.</extracomment>
        <translation>nichts</translation>
    </message>
    <message>
        <source>Times changed elsewhere</source>
        <translation>Zeiten anderswo geändert</translation>
    </message>
    <message>
        <source>Your times are saved, but the history was not updated: %1</source>
        <extracomment>%1 is why the history file was not written.</extracomment>
        <translation>Deine Zeiten sind gespeichert, aber der Verlauf wurde nicht aktualisiert: %1</translation>
    </message>
    <message>
        <source>Nothing was saved: your times are still in the window.</source>
        <translation>Nichts wurde gespeichert: Deine Zeiten stehen noch im Fenster.</translation>
    </message>
    <message>
        <source>Nothing was saved: your changes were dropped, and the window shows the stored times.</source>
        <translation>Nichts wurde gespeichert: Deine Änderungen wurden verworfen, und das Fenster zeigt die gespeicherten Zeiten.</translation>
    </message>
    <message>
        <source>%1 Your times are still in the window; press SAVE again once this is put right.</source>
        <extracomment>%1 is why the lap record file was not written; SAVE is the caption of the button.</extracomment>
        <translation>%1 Deine Zeiten stehen noch im Fenster; drücke erneut SPEICHERN, sobald das behoben ist.</translation>
    </message>
    <message>
        <source>Clear all Entries</source>
        <translation>Alle Einträge löschen</translation>
    </message>
    <message>
        <source>This will clear your times for this track, but this will only be permanent if you Save. Are you sure ?</source>
        <translation>Dies löscht deine Zeiten für diese Strecke, endgültig aber erst, wenn du SPEICHERN drückst. Bist du sicher?</translation>
    </message>
</context>
<context>
    <name>velomark::LoadedModule</name>
    <message>
        <source>%1 needs the module %2, which could not be loaded: %3.</source>
        <extracomment>%1 is what needs the module (&quot;The progress chart&quot;), %2 the module&apos;s file, %3 the system&apos;s reason, in the system&apos;s words.</extracomment>
        <translation>%1 braucht das Modul %2, das nicht geladen werden konnte: %3.</translation>
    </message>
    <message>
        <source>%1 needs the module %2, which is missing from the folder %3; installing Velomark again brings it back.</source>
        <extracomment>%1 is what needs the module (&quot;The progress chart&quot;), %2 the module&apos;s name, %3 the program&apos;s folder.</extracomment>
        <translation>%1 braucht das Modul %2, das im Ordner %3 fehlt; eine erneute Installation von Velomark stellt es wieder her.</translation>
    </message>
</context>
<context>
    <name>velomark::MainWindow</name>
    <message>
        <source>About Velomark</source>
        <translation>Über Velomark</translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation>Streckenset</translation>
    </message>
    <message>
        <source>Select Trackset</source>
        <translation>Streckenset wählen</translation>
    </message>
    <message>
        <source>Set up custom circuits</source>
        <translation>Eigene Strecken einrichten</translation>
    </message>
    <message>
        <source>INITIALISE !</source>
        <extracomment>The Hot laps window tells the player to press this button by its caption.</extracomment>
        <translation>EINRICHTEN !</translation>
    </message>
    <message>
        <source>Initialise datafiles !</source>
        <translation>Datendateien initialisieren!</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Danksagungen</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>The button that opens the export chooser.</extracomment>
        <translation>Export</translation>
    </message>
    <message>
        <source>Print Lap Times</source>
        <translation>Rundenzeiten drucken</translation>
    </message>
    <message>
        <source>&quot;The meek may inherit the Earth.  They just better stay the hell off the track&quot;</source>
        <extracomment>A quotation shown at the foot of the main window.</extracomment>
        <translation>„Die Sanftmütigen erben die Erde. Aber weg von der Strecke, verdammt!“</translation>
    </message>
    <message>
        <source>Ooops!</source>
        <translation>Hoppla!</translation>
    </message>
    <message>
        <source>You need to set up some circuits first. Press the `?` button to do this</source>
        <translation>Du musst zuerst einige Strecken einrichten. Drücke dazu die Schaltfläche `?`</translation>
    </message>
</context>
<context>
    <name>velomark::PrintSink</name>
    <message>
        <source>The printer %1 did not take &quot;%2&quot;.</source>
        <extracomment>%1 is the printer&apos;s name, %2 the document&apos;s.</extracomment>
        <translation>Der Drucker %1 hat „%2“ nicht angenommen.</translation>
    </message>
    <message>
        <source>The file %1 could not be drawn.</source>
        <translation>Die Datei %1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Printing</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>Das Drucken</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of files: &quot;a&quot;, &quot;b&quot; and &quot;c&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>No printer is installed, so the lap times were saved as %1 in the folder %2.</source>
        <extracomment>%1 is the list of the PDF files written, %2 the folder they are in.</extracomment>
        <translation>Es ist kein Drucker installiert, daher wurden die Rundenzeiten als %1 im Ordner %2 gespeichert.</translation>
    </message>
</context>
<context>
    <name>velomark::PrintWindow</name>
    <message>
        <source>Print Lap Times</source>
        <translation>Rundenzeiten drucken</translation>
    </message>
    <message>
        <source>Choose Trackset to print</source>
        <translation>Streckensets zum Drucken wählen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Lap times not printed</source>
        <translation>Rundenzeiten nicht gedruckt</translation>
    </message>
</context>
<context>
    <name>velomark::ProgressModule</name>
    <message>
        <source>The progress chart</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>Das Fortschrittsdiagramm</translation>
    </message>
    <message>
        <source>No progress chart</source>
        <translation>Kein Fortschrittsdiagramm</translation>
    </message>
</context>
<context>
    <name>velomark::ProgressWindow</name>
    <message>
        <source>Progress - %1</source>
        <extracomment>%1 is the circuit&apos;s name and country.</extracomment>
        <translation>Fortschritt - %1</translation>
    </message>
    <message>
        <source>Progress of the lap times at %1</source>
        <extracomment>%1 is the circuit&apos;s name and country.</extracomment>
        <translation>Fortschritt der Rundenzeiten: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No lap time of this circuit has been saved since Velomark began keeping its history, so there is no progress to draw yet.</source>
        <translation>Seit Velomark den Verlauf führt, wurde für diese Strecke noch keine Rundenzeit gespeichert, daher gibt es noch keinen Fortschritt zu zeichnen.</translation>
    </message>
    <message>
        <source>Hover over a point to see its time, date and setup; on the chart, Left and Right step from point to point.</source>
        <translation>Zeige mit der Maus auf einen Punkt, um Zeit, Datum und Setup zu sehen; im Diagramm springen Pfeil links und rechts von Punkt zu Punkt.</translation>
    </message>
    <message>
        <source>The history is long, so only its last 64 MB were read.</source>
        <translation>Der Verlauf ist lang, daher wurden nur die letzten 64 MB gelesen.</translation>
    </message>
</context>
<context>
    <name>velomark::ReportWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Lap times not exported</source>
        <translation>Rundenzeiten nicht exportiert</translation>
    </message>
</context>
<context>
    <name>velomark::ScreenExportWindow</name>
    <message>
        <source>Export to Screen</source>
        <translation>Export auf den Bildschirm</translation>
    </message>
    <message>
        <source>Choose Trackset to view</source>
        <translation>Streckensets zum Anzeigen wählen</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>velomark::ScreenView</name>
    <message>
        <source>Viewing Lap Times</source>
        <translation>Rundenzeiten anzeigen</translation>
    </message>
    <message>
        <source>Lap times report</source>
        <translation>Rundenzeiten-Bericht</translation>
    </message>
</context>
<context>
    <name>velomark::SlotChoiceWindow</name>
    <message>
        <source>Insert into which slot ?</source>
        <translation>Als welche Session einfügen?</translation>
    </message>
    <message>
        <source>Race</source>
        <extracomment>The session the race lap is stored as.</extracomment>
        <translation>Rennen</translation>
    </message>
    <message>
        <source>Quickrace</source>
        <extracomment>The session the race lap is stored as.</extracomment>
        <translation>Schnelles Rennen</translation>
    </message>
</context>
<context>
    <name>velomark::StorableTextValidator</name>
    <message>
        <source>The character %1 cannot be stored in Velomark&apos;s files.</source>
        <translation>Das Zeichen %1 kann nicht in Velomarks Dateien gespeichert werden.</translation>
    </message>
    <message>
        <source>A double quote (&quot;) cannot be stored in Velomark&apos;s files.</source>
        <translation>Ein doppeltes Anführungszeichen (&quot;) kann nicht in Velomarks Dateien gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>velomark::TextExportWindow</name>
    <message>
        <source>Text file Export</source>
        <translation>Export als Textdatei</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Streckensets für den Export wählen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
</context>
<context>
    <name>velomark::WaitWindow</name>
    <message>
        <source>Extracting.....</source>
        <translation>Extrahiere.....</translation>
    </message>
</context>
</TS>
