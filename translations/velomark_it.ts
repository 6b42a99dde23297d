<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>The %1 circuits</source>
        <translation>I circuiti del set %1</translation>
    </message>
    <message>
        <source>The dates under &quot;Set on&quot;</source>
        <translation>Le date della colonna &quot;Data&quot;</translation>
    </message>
    <message>
        <source>There are no lap record files yet: press INITIALISE ! on the main window to create them.</source>
        <translation>Non ci sono ancora file dei tempi: premi INIZIALIZZA! nella finestra principale per crearli.</translation>
    </message>
    <message>
        <source>The rival file %1 is larger than 64 MB, far larger than a CSV export of 48 circuits can be, so it was not read.</source>
        <translation>Il file del rivale %1 supera 64 MB, molto più di quanto possa occupare un&apos;esportazione CSV di 48 circuiti, quindi non è stato letto.</translation>
    </message>
    <message>
        <source>The rival file %1 does not exist.</source>
        <translation>Il file del rivale %1 non esiste.</translation>
    </message>
    <message>
        <source>The rival&apos;s %1 times</source>
        <translation>I tempi del rivale per il set %1</translation>
    </message>
    <message>
        <source>The folder %1 holds no lap record file (set1.dat, set2.dat, set3.dat) that Velomark can read.</source>
        <translation>La cartella %1 non contiene alcun file dei tempi (set1.dat, set2.dat, set3.dat) leggibile da Velomark.</translation>
    </message>
    <message>
        <source>%1 are left out because %2</source>
        <translation>%1 non compaiono. %2</translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation>Set circuiti</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuito</translation>
    </message>
    <message>
        <source>Rival</source>
        <translation>Rivale</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Distacco</translation>
    </message>
    <message>
        <source>Ideal</source>
        <translation>Ideale</translation>
    </message>
    <message>
        <source>Set on</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>it is not a CSV row of nine fields</source>
        <translation>non è una riga CSV di nove campi</translation>
    </message>
    <message>
        <source>%1 is not a CSV row of nine fields</source>
        <translation>%1 non è una riga CSV di nove campi</translation>
    </message>
    <message>
        <source>%1 are not CSV rows of nine fields</source>
        <translation>%1 non sono righe CSV di nove campi</translation>
    </message>
    <message>
        <source>it names no trackset, circuit (1 to 16) or session that Velomark knows</source>
        <translation>non indica alcun set di circuiti, circuito (da 1 a 16) o sessione noti a Velomark</translation>
    </message>
    <message>
        <source>%1 names no trackset, circuit (1 to 16) or session that Velomark knows</source>
        <translation>%1 non indica alcun set di circuiti, circuito (da 1 a 16) o sessione noti a Velomark</translation>
    </message>
    <message>
        <source>%1 name no trackset, circuit (1 to 16) or session that Velomark knows</source>
        <translation>%1 non indicano alcun set di circuiti, circuito (da 1 a 16) o sessione noti a Velomark</translation>
    </message>
    <message>
        <source>it repeats the circuit and session of an earlier line</source>
        <translation>ripete il circuito e la sessione di una riga precedente</translation>
    </message>
    <message>
        <source>%1 repeats the circuit and session of an earlier line</source>
        <translation>%1 ripete il circuito e la sessione di una riga precedente</translation>
    </message>
    <message>
        <source>%1 repeat the circuit and session of an earlier line</source>
        <translation>%1 ripetono il circuito e la sessione di una riga precedente</translation>
    </message>
    <message>
        <source>%1 line of the rival&apos;s file was skipped: %2.</source>
        <translation>%1 riga del file del rivale è stata ignorata: %2.</translation>
    </message>
    <message>
        <source>%1 lines of the rival&apos;s file were skipped: %2.</source>
        <translation>%1 righe del file del rivale sono state ignorate: %2.</translation>
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
        <translation>Brasile</translation>
    </message>
    <message>
        <source>TI Circuit Aida</source>
        <translation>TI Circuit Aida</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pacifico</translation>
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
        <translation>Montecarlo</translation>
    </message>
    <message>
        <source>Monaco</source>
        <translation>Monaco</translation>
    </message>
    <message>
        <source>Barcelona</source>
        <translation>Barcellona</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spagna</translation>
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
        <translation>Francia</translation>
    </message>
    <message>
        <source>Silverstone</source>
        <translation>Silverstone</translation>
    </message>
    <message>
        <source>Great Britain</source>
        <translation>Gran Bretagna</translation>
    </message>
    <message>
        <source>Hockenheim</source>
        <translation>Hockenheim</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Germania</translation>
    </message>
    <message>
        <source>Hungaroring</source>
        <translation>Hungaroring</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Ungheria</translation>
    </message>
    <message>
        <source>Spa Francorchamps</source>
        <translation>Spa-Francorchamps</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgio</translation>
    </message>
    <message>
        <source>Monza</source>
        <translation>Monza</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Estoril</source>
        <translation>Estoril</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portogallo</translation>
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
        <translation>Giappone</translation>
    </message>
    <message>
        <source>Adelaide</source>
        <translation>Adelaide</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Brands Hatch</source>
        <translation>Brands Hatch</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message>
        <source>Buenos Aires</source>
        <translation>Buenos Aires</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Argentina</translation>
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
        <translation>Austria</translation>
    </message>
    <message>
        <source>Zandvoort</source>
        <translation>Zandvoort</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Olanda</translation>
    </message>
    <message>
        <source>Nurburgring</source>
        <translation>Nürburgring</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Lussemburgo</translation>
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
        <translation>Impossibile leggere il file dei circuiti personalizzati %1.</translation>
    </message>
    <message>
        <source>The custom circuit file %1 holds fewer than 16 circuits.</source>
        <translation>Il file dei circuiti personalizzati %1 contiene meno di 16 circuiti.</translation>
    </message>
    <message>
        <source>The custom circuits cannot be saved: %1.</source>
        <translation>Impossibile salvare i circuiti personalizzati: %1.</translation>
    </message>
    <message>
        <source>a double quote (&quot;) cannot be stored</source>
        <extracomment>Set after a colon into &quot;Custom circuit %1 cannot be saved: %2.&quot;.</extracomment>
        <translation>le virgolette doppie (&quot;) non si possono salvare</translation>
    </message>
    <message>
        <source>a name cannot hold a line break</source>
        <translation>un nome non può contenere un a capo</translation>
    </message>
    <message>
        <source>Custom circuit %1 cannot be saved: %2.</source>
        <translation>Impossibile salvare il circuito personalizzato %1: %2.</translation>
    </message>
</context>
<context>
    <name>Extraction</name>
    <message>
        <source>the command interpreter %1 could not be started (%2); it belongs in the folder of the program</source>
        <extracomment>Why a hot lap could not be read, set after &quot;The hot lap A1.hl could not be read: &quot;; %1 is the program that ran hof.bat.</extracomment>
        <translation>impossibile avviare l&apos;interprete dei comandi %1 (%2); deve trovarsi nella cartella di Velomark</translation>
    </message>
    <message>
        <source>hof2lap did not finish within %1 seconds and was stopped; check that hof2lap in the GP2 directory %2 runs on this system and that the file can be read</source>
        <translation>hof2lap non ha finito entro %1 secondi ed è stato fermato; controlla che hof2lap nella cartella di GP2 %2 funzioni su questo sistema e che il file sia leggibile</translation>
    </message>
    <message>
        <source>the command interpreter %1 stopped before hof.bat was done</source>
        <translation>l&apos;interprete dei comandi %1 si è fermato prima che hof.bat finisse</translation>
    </message>
    <message>
        <source>hof2lap ended with status %1 without saying why</source>
        <translation>hof2lap è terminato con il codice di uscita %1 senza indicarne il motivo</translation>
    </message>
    <message>
        <source>the file flag does not hold a number once hof.bat has run</source>
        <translation>dopo l&apos;esecuzione di hof.bat il file flag non contiene un numero</translation>
    </message>
    <message>
        <source>hof.bat ended without writing 1 into the file flag</source>
        <translation>hof.bat è terminato senza scrivere 1 nel file flag</translation>
    </message>
    <message>
        <source>its name holds the character %1, which the batch file cannot carry</source>
        <translation>il suo nome contiene il carattere %1, che il file batch non può gestire</translation>
    </message>
    <message>
        <source>the dump that hof2lap wrote into hoftemp ends before its last line</source>
        <translation>l&apos;output che hof2lap ha scritto in hoftemp si interrompe prima dell&apos;ultima riga</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>this data folder</source>
        <translation>questa cartella dati</translation>
    </message>
    <message>
        <source>the data folder %1</source>
        <translation>la cartella dati %1</translation>
    </message>
    <message>
        <source>Another copy of Velomark is already running on %1.</source>
        <translation>Un&apos;altra copia di Velomark sta già usando %1.</translation>
    </message>
    <message>
        <source>Velomark cannot open %1: %2.</source>
        <translation>Velomark non riesce ad aprire %1: %2.</translation>
    </message>
    <message>
        <source>Velomark cannot lock %1: %2.</source>
        <translation>Velomark non riesce a bloccare %1: %2.</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una named pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>un collegamento</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un file speciale</translation>
    </message>
    <message>
        <source>The file %1 is larger than 1 MB (1,048,576 bytes), far larger than any data file of Velomark can be, so it was not read.</source>
        <translation>Il file %1 supera 1 MB (1.048.576 byte), molto più di quanto possa occupare un file dati di Velomark, quindi non è stato letto.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Impossibile aprire il file %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Impossibile leggere il file %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be examined: %2.</source>
        <translation>Impossibile esaminare il file %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 is %2, not a regular file, so it was not read.</source>
        <translation>Il file %1 è %2, non un file normale, quindi non è stato letto.</translation>
    </message>
    <message>
        <source>The file %1 is a link that leads to no file (%2), so nothing was written.</source>
        <translation>Il file %1 è un collegamento che non porta a nessun file (%2), quindi non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The file %1 is %2, not a regular file, so it was not replaced.</source>
        <translation>Il file %1 è %2, non un file normale, quindi non è stato sostituito.</translation>
    </message>
    <message>
        <source>The file %1 is read-only, so it was left unchanged.</source>
        <translation>Il file %1 è di sola lettura, quindi non è stato modificato.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 non può essere scritto: %2</translation>
    </message>
    <message>
        <source>%1 cannot be renamed over it: %2</source>
        <translation>%1 non può essere rinominato al suo posto: %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>è %1</translation>
    </message>
    <message>
        <source>it is a link that leads to no file</source>
        <translation>è un collegamento che non porta a nessun file</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>non può essere aperto: %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>non può essere letto: %1</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>non può essere scritto: %1</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>%1 non può essere esaminato: %2</translation>
    </message>
    <message>
        <source>%1 stands at %2; it was left alone</source>
        <translation>al posto di %2 c&apos;è %1, che Velomark non ha toccato</translation>
    </message>
    <message>
        <source>%1 stands at %2, which is %3 in other letters; it was left alone</source>
        <translation>al posto di %2 (cioè %3 con maiuscole e minuscole diverse) c&apos;è %1, che Velomark non ha toccato</translation>
    </message>
    <message>
        <source>the old %1 cannot be removed: %2</source>
        <translation>il vecchio %1 non può essere rimosso: %2</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <translation>%1 non può essere creato: %2</translation>
    </message>
    <message>
        <source>Velomark&apos;s lap record file of your Standard circuits</source>
        <translation>il file dei tempi di Velomark per i tuoi circuiti standard</translation>
    </message>
    <message>
        <source>Velomark&apos;s lap record file of your IA Track Pack circuits</source>
        <translation>il file dei tempi di Velomark per i tuoi circuiti IA Track Pack</translation>
    </message>
    <message>
        <source>Velomark&apos;s lap record file of your Custom circuits</source>
        <translation>il file dei tempi di Velomark per i tuoi circuiti personalizzati</translation>
    </message>
    <message>
        <source>Velomark&apos;s list of the names of your Custom circuits</source>
        <translation>l&apos;elenco di Velomark con i nomi dei tuoi circuiti personalizzati</translation>
    </message>
    <message>
        <source>Velomark&apos;s setting of your GP2 directory</source>
        <translation>l&apos;impostazione di Velomark con la tua cartella di GP2</translation>
    </message>
    <message>
        <source>Velomark&apos;s own history of your saved times</source>
        <translation>lo storico di Velomark dei tuoi tempi salvati</translation>
    </message>
    <message>
        <source>the scratch file through which Velomark saves its data files</source>
        <translation>il file temporaneo con cui Velomark salva i suoi file dati</translation>
    </message>
    <message>
        <source>Velomark&apos;s note of the history rows a save is adding</source>
        <translation>la nota di Velomark sulle righe che un salvataggio sta aggiungendo allo storico</translation>
    </message>
    <message>
        <source>the file by which Velomark keeps a second copy of itself out of this folder</source>
        <translation>il file con cui Velomark impedisce a una sua seconda copia di usare questa cartella</translation>
    </message>
    <message>
        <source>%1 is %2; choose another name for the export.</source>
        <translation>%1 è %2; scegli un altro nome per l&apos;esportazione.</translation>
    </message>
    <message>
        <source>%1 leads to %2, %3; choose another name for the export.</source>
        <translation>%1 rimanda a %2, %3; scegli un altro nome per l&apos;esportazione.</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2. %1 was left unchanged.</source>
        <translation>Impossibile salvare il file %1: %2. %1 non è stato modificato.</translation>
    </message>
    <message>
        <source>The new %1 is in place, but its folder could not be flushed to the disk, so the change may be lost if the computer stops now: %2.</source>
        <translation>Il nuovo %1 è al suo posto, ma non è stato possibile scrivere su disco la sua cartella, quindi la modifica potrebbe andare persa se il computer si spegnesse ora: %2.</translation>
    </message>
    <message>
        <source>a double quote (&quot;) cannot be stored in a field: &quot;%1&quot;</source>
        <extracomment>Set after a colon into &quot;... cannot be saved: %1.&quot;.</extracomment>
        <translation>un campo non può contenere virgolette doppie (&quot;): &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The history %1 cannot be added to: %2.</source>
        <translation>Impossibile aggiungere righe allo storico %1: %2.</translation>
    </message>
</context>
<context>
    <name>HofBat</name>
    <message>
        <source>a double quote</source>
        <translation>delle virgolette doppie</translation>
    </message>
    <message>
        <source>a percent sign, which the command interpreter would expand</source>
        <translation>un segno di percentuale, che l&apos;interprete dei comandi espanderebbe</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>un carattere di controllo</translation>
    </message>
    <message>
        <source>The GP2 directory %1 cannot be passed to hof2lap: it holds %2.</source>
        <translation>Impossibile passare a hof2lap la cartella di GP2 %1: contiene %2.</translation>
    </message>
    <message>
        <source>No hot-lap file is chosen.</source>
        <translation>Nessun file di giro veloce selezionato.</translation>
    </message>
    <message>
        <source>a directory separator</source>
        <translation>un separatore di cartelle</translation>
    </message>
    <message>
        <source>The hot-lap file %1 cannot be passed to hof2lap: its name holds %2.</source>
        <translation>Impossibile passare a hof2lap il file di giro veloce %1: il suo nome contiene %2.</translation>
    </message>
</context>
<context>
    <name>HotLaps</name>
    <message>
        <source>the compressed data expands beyond %1 bytes</source>
        <translation>una volta espansi, i dati compressi superano %1 byte</translation>
    </message>
    <message>
        <source>the compressed data ends inside a back-reference</source>
        <translation>i dati compressi finiscono all&apos;interno di un riferimento all&apos;indietro</translation>
    </message>
    <message>
        <source>the compressed data refers back to before its own start</source>
        <translation>i dati compressi rimandano a un punto prima del loro inizio</translation>
    </message>
    <message>
        <source>The file %1 is not a GP2 file.</source>
        <translation>Il file %1 non è un file di GP2.</translation>
    </message>
    <message>
        <source>The file %1 is cut short: it ends inside its header.</source>
        <translation>Il file %1 è troncato: finisce all&apos;interno della sua intestazione.</translation>
    </message>
    <message>
        <source>The file %1 is a GP2 file but not a hot lap.</source>
        <translation>Il file %1 è un file di GP2 ma non un giro veloce.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Impossibile leggere il file %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a hot lap (over %2 MB).</source>
        <translation>Il file %1 è troppo grande per un giro veloce (oltre %2 MB).</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Impossibile leggere la cartella %1.</translation>
    </message>
    <message>
        <source>The %1 time of %2 in %3 has changed since you chose to replace it; it was left alone.</source>
        <translation>Il tempo della sessione %1 di %2 in %3 è cambiato da quando hai scelto di sostituirlo; non è stato toccato.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>attivo</translation>
    </message>
    <message>
        <source>off</source>
        <translation>non attivo</translation>
    </message>
    <message>
        <source>flags 0x%1 of unknown meaning</source>
        <translation>flag 0x%1 di significato sconosciuto</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>The details GP2Lap records (driving aids, lap flags, slow motion...) are not in this file.</source>
        <translation>I dettagli che GP2Lap registra (aiuti alla guida, flag del giro, rallentatore...) non sono presenti in questo file.</translation>
    </message>
    <message>
        <source>The details GP2Lap recorded (driving aids, lap flags, slow motion...) cannot be read either.</source>
        <translation>Anche i dettagli registrati da GP2Lap (aiuti alla guida, flag del giro, rallentatore...) sono illeggibili.</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>modificato</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>Date GP2Lap wrote: %1 (as it set up its records, before the lap)</source>
        <translation>Data scritta da GP2Lap: %1 (quando ha preparato i suoi dati, prima del giro)</translation>
    </message>
    <message>
        <source>GP2Lap version: %1</source>
        <translation>Versione di GP2Lap: %1</translation>
    </message>
    <message>
        <source>Track file: %1, from slot %2, checksum %3</source>
        <translation>File del circuito: %1, dallo slot %2, checksum %3</translation>
    </message>
    <message>
        <source>Steering help: %1</source>
        <translation>Aiuto allo sterzo: %1</translation>
    </message>
    <message>
        <source>Opposite-lock help: %1</source>
        <translation>Aiuto al controsterzo: %1</translation>
    </message>
    <message>
        <source>Lap flags: %1</source>
        <translation>Flag del giro: %1</translation>
    </message>
    <message>
        <source>Driving-aid changes: %1</source>
        <translation>Cambi degli aiuti alla guida: %1</translation>
    </message>
    <message>
        <source>Processor occupancy: %1% on average, %2% at the highest</source>
        <translation>Occupazione del processore: %1% in media, %2% al massimo</translation>
    </message>
    <message>
        <source>Slow motion: %1</source>
        <translation>Rallentatore: %1</translation>
    </message>
    <message>
        <source>Fuel: %1 laps</source>
        <translation>Carburante: %1 giri</translation>
    </message>
    <message>
        <source>Weight: %1 lb</source>
        <translation>Peso: %1 lb</translation>
    </message>
    <message>
        <source>The lap went through the pits: its splits are not times.</source>
        <translation>Il giro è passato dai box: i suoi intermedi non sono tempi veri e propri.</translation>
    </message>
    <message>
        <source>off track</source>
        <translation>fuori pista</translation>
    </message>
    <message>
        <source>through the pits</source>
        <translation>passaggio dai box</translation>
    </message>
    <message>
        <source>detail level changed</source>
        <translation>livello di dettaglio cambiato</translation>
    </message>
    <message>
        <source>no slow-down before the lap</source>
        <translation>nessun rallentamento prima del giro</translation>
    </message>
    <message>
        <source>F4 used</source>
        <translation>F4 usato</translation>
    </message>
    <message>
        <source>track map on</source>
        <translation>mappa del circuito attiva</translation>
    </message>
    <message>
        <source>slow motion %1</source>
        <translation>rallentatore %1</translation>
    </message>
    <message>
        <source>%1 aid change</source>
        <translation>%1 cambio degli aiuti</translation>
    </message>
    <message>
        <source>%1 aid changes</source>
        <translation>%1 cambi degli aiuti</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>non noto</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>Clean: %1</source>
        <translation>Pulito: %1</translation>
    </message>
    <message>
        <source>circuit %1</source>
        <translation>circuito %1</translation>
    </message>
    <message>
        <source>Unnamed track-editor track</source>
        <translation>Pista senza nome creata con l&apos;editor</translation>
    </message>
    <message>
        <source>%1 (slot %2)</source>
        <translation>%1 (slot %2)</translation>
    </message>
    <message>
        <source>%1 (slot %2) as %3 circuit %2</source>
        <translation>%1 (slot %2) come circuito %2 del set %3</translation>
    </message>
    <message>
        <source>%1 (slot %2) as %3 circuit %2 (%4)</source>
        <translation>%1 (slot %2) come circuito %2 del set %3 (%4)</translation>
    </message>
    <message>
        <source>%1 s faster than your best</source>
        <translation>batte il tuo record di %1 s</translation>
    </message>
    <message>
        <source>the first time for this session</source>
        <translation>il primo tempo per questa sessione</translation>
    </message>
    <message>
        <source>New hot lap at %1, %2 %3: %4. Open Hot laps to take it.</source>
        <translation>Nuovo giro veloce – %1, %2 %3: %4. Apri la finestra Giri veloci per prenderlo.</translation>
    </message>
    <message>
        <source>New hot lap at %1, %2 %3: %4, a clean lap. Open Hot laps to take it.</source>
        <translation>Nuovo giro veloce – %1, %2 %3: %4, giro pulito. Apri la finestra Giri veloci per prenderlo.</translation>
    </message>
    <message>
        <source>New hot lap at %1, %2 %3: %4, not clean: %5. Open Hot laps to take it.</source>
        <translation>Nuovo giro veloce – %1, %2 %3: %4, non pulito: %5. Apri la finestra Giri veloci per prenderlo.</translation>
    </message>
    <message>
        <source>%1 setup</source>
        <translation>Assetto (%1)</translation>
    </message>
    <message>
        <source>%1, %2: %3 becomes %4</source>
        <translation>%1, %2: %3 diventa %4</translation>
    </message>
    <message>
        <source>%1, %2: %3, the first time stored for this session</source>
        <translation>%1, %2: %3, il primo tempo registrato per questa sessione</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4 (which cannot be compared as a time)</source>
        <translation>%1, %2: %3 sostituisce %4 (non confrontabile come tempo)</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4 (the same time)</source>
        <translation>%1, %2: %3 sostituisce %4 (stesso tempo)</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4 (%5 s slower)</source>
        <translation>%1, %2: %3 sostituisce %4 (%5 s più lento)</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4</source>
        <translation>%1, %2: %3 sostituisce %4</translation>
    </message>
    <message>
        <source>%1; not clean: %2</source>
        <translation>%1; non pulito: %2</translation>
    </message>
    <message>
        <source>and SAVE fills out %1</source>
        <translation>e SALVA completa anche %1</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <translation>%1, %2 %3: %4</translation>
    </message>
    <message>
        <source>times damaged in this file</source>
        <translation>tempi danneggiati in questo file</translation>
    </message>
    <message>
        <source>times not readable (saved before GP2Lap 1.14)</source>
        <translation>tempi illeggibili (file salvato prima di GP2Lap 1.14)</translation>
    </message>
    <message>
        <source>times not in this file</source>
        <translation>tempi non presenti in questo file</translation>
    </message>
    <message>
        <source>%1 (never taken)</source>
        <translation>%1 (mai preso)</translation>
    </message>
    <message>
        <source>%1: no lap time in this file</source>
        <translation>%1: nessun tempo sul giro in questo file</translation>
    </message>
    <message>
        <source>The file names track number %1, which is no circuit.</source>
        <translation>Il file indica la pista numero %1, che non corrisponde a nessun circuito.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language (de, fr, it, es, nl): the program tells by it which language it speaks, and an HTML report declares it.</extracomment>
        <translation>it</translation>
    </message>
</context>
<context>
    <name>LapRecords</name>
    <message>
        <source>The lap record file %1 holds only %2 of its %3 circuit records.</source>
        <translation>Il file dei tempi %1 contiene i dati di soli %2 circuiti su %3.</translation>
    </message>
    <message>
        <source>%1 lap time</source>
        <translation>%1, tempo sul giro</translation>
    </message>
    <message>
        <source>%1 1st split</source>
        <translation>%1, 1° intermedio</translation>
    </message>
    <message>
        <source>%1 +2nd split</source>
        <translation>%1, +2° intermedio</translation>
    </message>
    <message>
        <source>%1 3rd split</source>
        <translation>%1, 3° intermedio</translation>
    </message>
    <message>
        <source>%1 setup file</source>
        <translation>%1, file di assetto</translation>
    </message>
    <message>
        <source>holds a double quote at its start</source>
        <translation>contiene delle virgolette doppie all&apos;inizio</translation>
    </message>
    <message>
        <source>holds a double quote and starts with a blank</source>
        <translation>contiene delle virgolette doppie e inizia con uno spazio</translation>
    </message>
    <message>
        <source>holds a double quote and ends with a blank</source>
        <translation>contiene delle virgolette doppie e finisce con uno spazio</translation>
    </message>
    <message>
        <source>holds both a double quote and a comma</source>
        <translation>contiene sia delle virgolette doppie sia una virgola</translation>
    </message>
    <message>
        <source>holds both a double quote and a line break</source>
        <translation>contiene sia delle virgolette doppie sia un a capo</translation>
    </message>
    <message>
        <source>Field %1 of circuit %2 (&quot;%3&quot;) %4 (%5), which a lap record file cannot store.</source>
        <translation>Il campo %1 del circuito %2 (&quot;%3&quot;) %4 (%5), cosa che un file dei tempi non può salvare.</translation>
    </message>
    <message>
        <source>The lap record file %1 has no circuit %2.</source>
        <translation>Il file dei tempi %1 non ha un circuito %2.</translation>
    </message>
    <message>
        <source>The file %1 holds no GP2 directory.</source>
        <translation>Il file %1 non contiene alcuna cartella di GP2.</translation>
    </message>
    <message>
        <source>The GP2 directory cannot be saved: %1.</source>
        <translation>Impossibile salvare la cartella di GP2: %1.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>GP2 Lap Times</source>
        <translation>Tempi sul giro GP2</translation>
    </message>
    <message>
        <source>Correct the filename</source>
        <translation>Correggi il nome file</translation>
    </message>
    <message>
        <source>Invalid filename. Must end in `.html`</source>
        <translation>Nome file non valido. Deve terminare con `.html`</translation>
    </message>
    <message>
        <source>Ooops!</source>
        <translation>Ops!</translation>
    </message>
    <message>
        <source>Cannot Export as selected Circuits are not set up</source>
        <translation>Impossibile esportare: i circuiti selezionati non sono impostati</translation>
    </message>
    <message>
        <source>Nothing to print</source>
        <translation>Niente da stampare</translation>
    </message>
    <message>
        <source>Erm.. try selecting a Trackset</source>
        <translation>Ehm... prova a scegliere un set di circuiti</translation>
    </message>
    <message>
        <source>Ready to print</source>
        <translation>Pronto per la stampa</translation>
    </message>
    <message>
        <source>Ready print with A4 paper</source>
        <translation>Pronto per la stampa su carta A4</translation>
    </message>
    <message>
        <source>There are no lap times to print in the ticked tracksets.</source>
        <translation>Nei set di circuiti selezionati non ci sono tempi sul giro da stampare.</translation>
    </message>
    <message>
        <source>GP2 Lap Times - Standard Circuits</source>
        <translation>Tempi sul giro GP2 - Circuiti standard</translation>
    </message>
    <message>
        <source>GP2 Lap Times - IA Track Pack</source>
        <translation>Tempi sul giro GP2 - IA Track Pack</translation>
    </message>
    <message>
        <source>GP2 Lap Times - Custom Circuits</source>
        <translation>Tempi sul giro GP2 - Circuiti personalizzati</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessione</translation>
    </message>
    <message>
        <source>Lap Time</source>
        <translation>Tempo giro</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>1° interm.</translation>
    </message>
    <message>
        <source>+2nd Split</source>
        <translation>+2° interm.</translation>
    </message>
    <message>
        <source>3rd Split</source>
        <translation>3° interm.</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Assetto</translation>
    </message>
    <message>
        <source>Standard Trackset</source>
        <translation>Set di circuiti standard</translation>
    </message>
    <message>
        <source>IA Track Pack</source>
        <translation>IA Track Pack</translation>
    </message>
    <message>
        <source>Custom Circuits</source>
        <translation>Circuiti personalizzati</translation>
    </message>
    <message>
        <source>LapTime</source>
        <translation>Tempo giro</translation>
    </message>
    <message>
        <source>Setup file</source>
        <translation>File assetto</translation>
    </message>
    <message>
        <source>Velomark Home Page</source>
        <translation>Sito di Velomark</translation>
    </message>
</context>
<context>
    <name>Save</name>
    <message>
        <source>The times of %1 in %2 were changed elsewhere in Velomark after they were read here.</source>
        <translation>I tempi di %1 in %2 sono stati modificati altrove in Velomark dopo essere stati letti qui.</translation>
    </message>
</context>
<context>
    <name>SaveTimes</name>
    <message>
        <source>%1 lap time</source>
        <translation>Tempo sul giro (%1)</translation>
    </message>
    <message>
        <source>%1 1st split</source>
        <translation>1° intermedio (%1)</translation>
    </message>
    <message>
        <source>%1 +2nd split</source>
        <translation>+2° intermedio (%1)</translation>
    </message>
    <message>
        <source>%1 3rd split</source>
        <translation>3° intermedio (%1)</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>Note (%1)</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>Tempi (%1)</translation>
    </message>
    <message>
        <source>%1: set to %2</source>
        <translation>%1: inserito %2</translation>
    </message>
    <message>
        <source>%1: %2 cleared</source>
        <translation>%1: %2 cancellato</translation>
    </message>
    <message>
        <source>%1: %2 became %3</source>
        <translation>%1: da %2 a %3</translation>
    </message>
    <message>
        <source>%1: %2, the first time stored for this session</source>
        <translation>%1: %2, il primo tempo registrato per questa sessione</translation>
    </message>
    <message>
        <source>%1: %2, which cannot be compared as a time with %3 of %4</source>
        <translation>%1: %2, non confrontabile come tempo con %3 del %4</translation>
    </message>
    <message>
        <source>%1: %2, which cannot be compared as a time with %3</source>
        <translation>%1: %2, non confrontabile come tempo con %3</translation>
    </message>
    <message>
        <source>%1: %2, the same time as %3 of %4</source>
        <translation>%1: %2, lo stesso tempo di %3 del %4</translation>
    </message>
    <message>
        <source>%1: %2, the same time as %3</source>
        <translation>%1: %2, lo stesso tempo di %3</translation>
    </message>
    <message>
        <source>%1: %2, %5 s faster than %3 of %4</source>
        <translation>%1: %2, %5 s più veloce di %3 del %4</translation>
    </message>
    <message>
        <source>%1: %2, %5 s faster than %3</source>
        <translation>%1: %2, %5 s più veloce di %3</translation>
    </message>
    <message>
        <source>%1: %2, %5 s slower than %3 of %4, stored as you asked</source>
        <translation>%1: %2, %5 s più lento di %3 del %4, registrato come richiesto</translation>
    </message>
    <message>
        <source>%1: %2, %5 s slower than %3, stored as you asked</source>
        <translation>%1: %2, %5 s più lento di %3, registrato come richiesto</translation>
    </message>
    <message>
        <source>Check the %1 times: its 1st split is not below its +2nd split</source>
        <translation>Controlla i tempi della sessione %1: il 1° intermedio non è inferiore al +2° intermedio</translation>
    </message>
    <message>
        <source>Check the %1 times: its +2nd split is not below its lap time</source>
        <translation>Controlla i tempi della sessione %1: il +2° intermedio non è inferiore al tempo sul giro</translation>
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
        <translation>Gara veloce</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Prove libere</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Qualifiche</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Gara</translation>
    </message>
    <message>
        <source>Lap Time</source>
        <translation>Tempo giro</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>1° interm.</translation>
    </message>
    <message>
        <source>+2nd Split</source>
        <translation>+2° interm.</translation>
    </message>
    <message>
        <source>3rd Split</source>
        <translation>3° interm.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>Sessions</name>
    <message>
        <source>QuickRace</source>
        <translation>Gara veloce</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Prove libere</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Qualifiche</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Gara</translation>
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
        <translation>Circuiti GP2 standard</translation>
    </message>
    <message>
        <source>TrackPack</source>
        <translation>TrackPack</translation>
    </message>
    <message>
        <source>IA Track Pack Circuits</source>
        <translation>Circuiti IA Track Pack</translation>
    </message>
    <message>
        <source>IA Track Pack</source>
        <translation>IA Track Pack</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personali</translation>
    </message>
    <message>
        <source>User-defined Custom Circuits</source>
        <translation>Circuiti personalizzati</translation>
    </message>
</context>
<context>
    <name>velomark::AboutBox</name>
    <message>
        <source>About GP2 Velomark</source>
        <translation>Informazioni su GP2 Velomark</translation>
    </message>
    <message>
        <source>A car on a race track, and a chequered flag</source>
        <translation>Un&apos;auto in pista e una bandiera a scacchi</translation>
    </message>
    <message>
        <source>Designed to allow you to record your personal best lap-times for every session at every circuit.  Now you can get out there a know what you have to beat !</source>
        <translation>Pensato per registrare i tuoi record personali sul giro in ogni sessione di ogni circuito.  Ora puoi scendere in pista sapendo cosa devi battere!</translation>
    </message>
    <message>
        <source>Free software, offered without any warranty.</source>
        <translation>Software libero, offerto senza alcuna garanzia.</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versione %1.%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>(21st September 1998)</source>
        <extracomment>The date of the first version, written as the language writes dates.</extracomment>
        <translation>(21 settembre 1998)</translation>
    </message>
    <message>
        <source>Visit my Home Page</source>
        <translation>Visita il mio sito</translation>
    </message>
    <message>
        <source>Email me</source>
        <translation>Scrivimi</translation>
    </message>
</context>
<context>
    <name>velomark::BestsBoard</name>
    <message>
        <source>Bests board</source>
        <translation>Tabellone dei record</translation>
    </message>
    <message>
        <source>Rival: none</source>
        <translation>Rivale: nessuno</translation>
    </message>
    <message>
        <source>Rival</source>
        <translation>Rivale</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Bests table</source>
        <translation>Tabella dei record</translation>
    </message>
    <message>
        <source>Trackset filter</source>
        <translation>Filtro set di circuiti</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The filter&apos;s choice that shows every trackset.</extracomment>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation>Set circuiti</translation>
    </message>
    <message>
        <source>Compare with a rival</source>
        <translation>Confronta con un rivale</translation>
    </message>
    <message>
        <source>Clear rival</source>
        <translation>Togli rivale</translation>
    </message>
    <message>
        <source>Export board</source>
        <translation>Esporta tabellone</translation>
    </message>
    <message>
        <source>A rival&apos;s CSV export, or a file of their data folder (%1)</source>
        <translation>Esportazione CSV di un rivale, o un file della sua cartella dati (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Rival not read</source>
        <translation>Dati del rivale non letti</translation>
    </message>
    <message>
        <source>Rival: %1</source>
        <translation>Rivale: %1</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Board not exported</source>
        <translation>Tabellone non esportato</translation>
    </message>
    <message>
        <source>%1 is one of the rival&apos;s files, which Velomark only reads.</source>
        <translation>%1 è uno dei file del rivale, che Velomark si limita a leggere.</translation>
    </message>
</context>
<context>
    <name>velomark::BoardLink</name>
    <message>
        <source>Bests</source>
        <extracomment>The button that opens the bests board.</extracomment>
        <translation>Record</translation>
    </message>
    <message>
        <source>Every best on one board, and a rival&apos;s beside them</source>
        <translation>Tutti i record in un unico tabellone, accanto a quelli di un rivale</translation>
    </message>
</context>
<context>
    <name>velomark::BoardModule</name>
    <message>
        <source>The bests board</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>Il tabellone dei record</translation>
    </message>
    <message>
        <source>No bests board</source>
        <translation>Tabellone dei record non disponibile</translation>
    </message>
</context>
<context>
    <name>velomark::ChartView</name>
    <message>
        <source>Stored best</source>
        <extracomment>The legend&apos;s name for the mark on each session&apos;s stored best.</extracomment>
        <translation>Record salvato</translation>
    </message>
    <message>
        <source>Ideal lap %1</source>
        <extracomment>The legend&apos;s name for the ideal lap&apos;s line; %1 is its lap time.</extracomment>
        <translation>Giro ideale %1</translation>
    </message>
    <message>
        <source>Date saved</source>
        <extracomment>The title of the chart&apos;s date axis.</extracomment>
        <translation>Data di salvataggio</translation>
    </message>
    <message>
        <source>Lap time</source>
        <extracomment>The title of the chart&apos;s time axis.</extracomment>
        <translation>Tempo sul giro</translation>
    </message>
    <message>
        <source>Progress chart</source>
        <translation>Grafico dei progressi</translation>
    </message>
    <message>
        <source>Lap times over the dates they were saved. Left and Right step from point to point.</source>
        <translation>Tempi sul giro per data di salvataggio. Le frecce Sinistra e Destra passano da un punto all&apos;altro.</translation>
    </message>
    <message>
        <source>Setup: %1</source>
        <translation>Assetto: %1</translation>
    </message>
</context>
<context>
    <name>velomark::ClipboardExportWindow</name>
    <message>
        <source>Clipboard Export</source>
        <translation>Esporta negli appunti</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Scegli i set di circuiti da esportare</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
</context>
<context>
    <name>velomark::CsvExportWindow</name>
    <message>
        <source>CSV file Export</source>
        <translation>Esporta file CSV</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Scegli i set di circuiti da esportare</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nome file</translation>
    </message>
</context>
<context>
    <name>velomark::CustomWindow</name>
    <message>
        <source>A circuit name cannot hold a line break.</source>
        <translation>Il nome di un circuito non può contenere un a capo.</translation>
    </message>
    <message>
        <source>Setup Custom Circuits</source>
        <translation>Imposta circuiti personalizzati</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Custom Circuit Setup</source>
        <translation>Circuiti personalizzati</translation>
    </message>
    <message>
        <source>Circuit Name</source>
        <translation>Nome circuito</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Nazione</translation>
    </message>
    <message>
        <source>Circuit %1 name</source>
        <translation>Nome del circuito %1</translation>
    </message>
    <message>
        <source>Circuit %1 country</source>
        <translation>Nazione del circuito %1</translation>
    </message>
    <message>
        <source>If you have changed a circuit for a new one, dont forget that you will need to `Clear` out the old lap times.</source>
        <extracomment>`Clear` names the lap-time editor&apos;s CLEAR button, which clears a circuit&apos;s times.</extracomment>
        <translation>Se hai sostituito un circuito con uno nuovo, ricordati di cancellare i vecchi tempi sul giro con `AZZERA`.</translation>
    </message>
    <message>
        <source>Reminder !</source>
        <translation>Promemoria!</translation>
    </message>
    <message>
        <source>Custom circuits not saved</source>
        <translation>Circuiti personalizzati non salvati</translation>
    </message>
</context>
<context>
    <name>velomark::ExportChooser</name>
    <message>
        <source>Export Lap Times</source>
        <translation>Esporta tempi sul giro</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Stampante</translation>
    </message>
    <message>
        <source>Text file (ASCII)</source>
        <translation>File di testo (ASCII)</translation>
    </message>
    <message>
        <source>Web Page (HTML)</source>
        <translation>Pagina web (HTML)</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Appunti</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Schermo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>File CSV</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapDetailsWindow</name>
    <message>
        <source>Hot lap details</source>
        <translation>Dettagli del giro veloce</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Hot lap %1</source>
        <extracomment>%1 is the name of the hot lap&apos;s file.</extracomment>
        <translation>Giro veloce %1</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapImportWindow</name>
    <message>
        <source>in the data folder %1, %2</source>
        <extracomment>Why a hot lap could not be read, set after &quot;The hot lap A1.hl could not be read: &quot;; %1 is Velomark&apos;s data folder, %2 what is wrong with a working file in it.</extracomment>
        <translation>nella cartella dati %1, %2</translation>
    </message>
    <message>
        <source>Import Hotlap from GP2</source>
        <translation>Importa giro veloce da GP2</translation>
    </message>
    <message>
        <source>Track file</source>
        <extracomment>The line naming the track-editor track a hot lap was driven on.</extracomment>
        <translation>File della pista</translation>
    </message>
    <message>
        <source>HotLaps</source>
        <extracomment>The list of GP2&apos;s hot-lap files for the circuit.</extracomment>
        <translation>Giri veloci</translation>
    </message>
    <message>
        <source>Details</source>
        <extracomment>The button that shows what GP2Lap recorded about the highlighted hot lap.</extracomment>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Session</source>
        <extracomment>The session the hot lap was driven in (Practice, Qualifying, Race...).</extracomment>
        <translation>Sessione</translation>
    </message>
    <message>
        <source>Laptime</source>
        <translation>Tempo sul giro</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>1° intermedio</translation>
    </message>
    <message>
        <source>2nd Split</source>
        <extracomment>The hot lap&apos;s 2nd split, as GP2Lap recorded it.</extracomment>
        <translation>2° intermedio</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuito</translation>
    </message>
    <message>
        <source>INSERT</source>
        <extracomment>The button that puts the hot lap&apos;s times into the lap-time editor.</extracomment>
        <translation>INSERISCI</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CHIUDI</translation>
    </message>
    <message>
        <source>You need to set your GP2 directory. Do this by pressing `INITIALISE` on the main screen. (Remember that HOF2LAP must also be in the GP2 path.)</source>
        <extracomment>INITIALISE is the caption of the main window&apos;s button (shown there as INITIALISE !); HOF2LAP is the program that reads hot laps.</extracomment>
        <translation>Devi impostare la cartella di GP2. Per farlo premi `INIZIALIZZA!` nella finestra principale. (Ricorda che anche HOF2LAP deve trovarsi nella cartella di GP2.)</translation>
    </message>
    <message>
        <source>Cannot access GP2 directory.</source>
        <translation>Impossibile accedere alla cartella di GP2.</translation>
    </message>
    <message>
        <source>Hot lap not read</source>
        <translation>Giro veloce non letto</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <extracomment>In place of the name of a track-editor track that names none.</extracomment>
        <translation>(senza nome)</translation>
    </message>
    <message>
        <source>Driven on the track-editor track %1, loaded into slot %2.</source>
        <extracomment>%1 is the name of a track made with GP2&apos;s track editor, %2 the circuit slot (1 to 16) it was loaded into.</extracomment>
        <translation>Giro fatto sulla pista %1, creata con l&apos;editor e caricata nello slot %2.</translation>
    </message>
    <message>
        <source>The hot lap %1 could not be read: %2.</source>
        <translation>Impossibile leggere il giro veloce %1: %2.</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapTable</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuito</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessione</translation>
    </message>
    <message>
        <source>Lap Time</source>
        <translation>Tempo giro</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>1° interm.</translation>
    </message>
    <message>
        <source>+2nd Split</source>
        <extracomment>The 2nd split counted from the start of the lap.</extracomment>
        <translation>+2° interm.</translation>
    </message>
    <message>
        <source>Saved</source>
        <extracomment>When GP2 saved the hot lap&apos;s file.</extracomment>
        <translation>Salvato</translation>
    </message>
    <message>
        <source>Stored</source>
        <extracomment>Your best lap time stored for the circuit and session.</extracomment>
        <translation>Record</translation>
    </message>
    <message>
        <source>Faster by</source>
        <translation>Vantaggio</translation>
    </message>
    <message>
        <source>Clean</source>
        <extracomment>Whether the lap was clean (not off track, not through the pits...), or why not.</extracomment>
        <translation>Pulito</translation>
    </message>
    <message>
        <source>a track-editor track: compare with TrackPack or Custom</source>
        <translation>pista creata con l&apos;editor: confronta con TrackPack o Personali</translation>
    </message>
    <message>
        <source>no best yet</source>
        <translation>ancora nessun record</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsCorner</name>
    <message>
        <source>Hot
laps</source>
        <extracomment>The button&apos;s caption on two lines, so that it fits its narrow place.</extracomment>
        <translation>Giri
veloci</translation>
    </message>
    <message>
        <source>Hot laps</source>
        <translation>Giri veloci</translation>
    </message>
    <message>
        <source>Every hot lap in gpsaves against your bests</source>
        <translation>Tutti i giri veloci in gpsaves a confronto con i tuoi record</translation>
    </message>
    <message>
        <source>Click to put this line away</source>
        <translation>Fai clic per nascondere questa riga</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsModule</name>
    <message>
        <source>The Hot laps window</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>La finestra Giri veloci</translation>
    </message>
    <message>
        <source>No Hot laps window</source>
        <translation>Finestra Giri veloci non disponibile</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsWindow</name>
    <message>
        <source>The saves folder %1 is missing; Velomark looks for it again every few seconds.</source>
        <translation>La cartella dei salvataggi %1 non esiste; Velomark torna a cercarla ogni pochi secondi.</translation>
    </message>
    <message>
        <source>The saves folder %1 is not a folder; Velomark looks for it again every few seconds.</source>
        <translation>La cartella dei salvataggi %1 non è una cartella; Velomark torna a cercarla ogni pochi secondi.</translation>
    </message>
    <message>
        <source>The saves folder %1 cannot be read; Velomark tries it again every few seconds.</source>
        <translation>Impossibile leggere la cartella dei salvataggi %1; Velomark riprova ogni pochi secondi.</translation>
    </message>
    <message>
        <source>The saves folder %1 cannot be read (%2); Velomark tries it again every few seconds.</source>
        <extracomment>%2 is the system&apos;s reason, in the system&apos;s words.</extracomment>
        <translation>Impossibile leggere la cartella dei salvataggi %1 (%2); Velomark riprova ogni pochi secondi.</translation>
    </message>
    <message>
        <source>Hot laps in GP2</source>
        <translation>Giri veloci in GP2</translation>
    </message>
    <message>
        <source>Saves folder</source>
        <translation>Cartella dei salvataggi</translation>
    </message>
    <message>
        <source>Hot lap files</source>
        <translation>File dei giri veloci</translation>
    </message>
    <message>
        <source>Hot laps read</source>
        <translation>Giri veloci letti</translation>
    </message>
    <message>
        <source>Hot laps counted</source>
        <translation>Conteggio dei giri veloci</translation>
    </message>
    <message>
        <source>Hot laps taken</source>
        <translation>Giri veloci presi</translation>
    </message>
    <message>
        <source>Show details</source>
        <translation>Mostra dettagli</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <extracomment>%1 is a column&apos;s heading.</extracomment>
        <translation>Ordina per %1</translation>
    </message>
    <message>
        <source>Compare with the bests of</source>
        <extracomment>Followed by the three tracksets to choose from.</extracomment>
        <translation>Confronta con i record di</translation>
    </message>
    <message>
        <source>Take selected</source>
        <translation>Prendi selezionati</translation>
    </message>
    <message>
        <source>Take all faster</source>
        <translation>Prendi i più veloci</translation>
    </message>
    <message>
        <source>Only clean laps</source>
        <translation>Solo giri puliti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Set your GP2 directory first: press INITIALISE ! on the main window, type the folder GP2 is installed in into its lower field and press Set GP2 path.</source>
        <extracomment>INITIALISE ! and Set GP2 path are the captions of the buttons to press.</extracomment>
        <translation>Imposta prima la cartella di GP2: premi INIZIALIZZA! nella finestra principale, scrivi nel campo in basso la cartella in cui è installato GP2 e premi Salva percorso.</translation>
    </message>
    <message>
        <source>The hot laps in %1</source>
        <translation>I giri veloci in %1</translation>
    </message>
    <message>
        <source>Reading %1 hot laps...</source>
        <translation>Lettura di %1 giri veloci...</translation>
    </message>
    <message>
        <source>%1 hot lap, %2 faster than your best</source>
        <translation>Giri veloci: %1, migliori del tuo record: %2</translation>
    </message>
    <message>
        <source>%1 hot laps, %2 faster than your best</source>
        <translation>Giri veloci: %1, migliori del tuo record: %2</translation>
    </message>
    <message numerus="yes">
        <source>; %n cannot be read (the Session column says why)</source>
        <extracomment>Follows &quot;N hot laps, N faster than your best&quot;.</extracomment>
        <translation>
            <numerusform>; %n illeggibile (la colonna Sessione spiega perché)</numerusform>
            <numerusform>; %n illeggibili (la colonna Sessione spiega perché)</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 more name matching *.hl? is no file and is left out</source>
        <extracomment>Follows &quot;N hot laps, N faster than your best&quot;.</extracomment>
        <translation>; %1 altro nome corrispondente a *.hl? non è un file ed è escluso</translation>
    </message>
    <message>
        <source>; %1 more names matching *.hl? are no files and are left out</source>
        <translation>; altri %1 nomi corrispondenti a *.hl? non sono file e sono esclusi</translation>
    </message>
    <message>
        <source>Select the rows of the hot laps to take first.</source>
        <translation>Seleziona prima le righe dei giri veloci da prendere.</translation>
    </message>
    <message>
        <source>No clean hot lap is faster than your best. Left out as not clean:
%1</source>
        <extracomment>%1 is a list of hot laps, one a line, each with why it is not clean.</extracomment>
        <translation>Nessun giro veloce pulito batte il tuo record. Esclusi perché non puliti:
%1</translation>
    </message>
    <message>
        <source>No hot lap is faster than your best.</source>
        <translation>Nessun giro veloce batte il tuo record.</translation>
    </message>
    <message>
        <source>A hot lap driven on a track-editor track is never stored as a Standard circuit&apos;s: choose TrackPack or Custom above.</source>
        <translation>Un giro veloce su una pista creata con l&apos;editor non viene mai registrato per un circuito Standard: scegli TrackPack o Personali qui sopra.</translation>
    </message>
    <message>
        <source>None of the selected hot laps holds the lap time of a session Velomark keeps.</source>
        <translation>Nessuno dei giri veloci selezionati contiene il tempo sul giro di una sessione gestita da Velomark.</translation>
    </message>
    <message>
        <source>Store this time in your lap records?</source>
        <translation>Registrare questo tempo nel tuo archivio dei tempi?</translation>
    </message>
    <message>
        <source>Store these %1 times in your lap records?</source>
        <translation>Registrare questi %1 tempi nel tuo archivio dei tempi?</translation>
    </message>
    <message>
        <source>A time that is not faster than your best is stored only because you selected it.</source>
        <translation>Un tempo non migliore del tuo record viene registrato solo perché l&apos;hai selezionato.</translation>
    </message>
    <message>
        <source>This lap is not clean; the list says why.</source>
        <translation>Questo giro non è pulito; l&apos;elenco spiega perché.</translation>
    </message>
    <message>
        <source>The list says why a lap is not clean.</source>
        <translation>L&apos;elenco spiega perché un giro non è pulito.</translation>
    </message>
    <message>
        <source>1 faster hot lap is left out as not clean; it ends the list.</source>
        <translation>1 giro veloce migliore del tuo record è escluso perché non pulito; è in fondo all&apos;elenco.</translation>
    </message>
    <message>
        <source>%1 faster hot laps are left out as not clean; they end the list.</source>
        <translation>%1 giri veloci migliori del tuo record sono esclusi perché non puliti; sono in fondo all&apos;elenco.</translation>
    </message>
    <message>
        <source>Left out, not clean: %1</source>
        <extracomment>%1 is a hot lap&apos;s file and why the lap is not clean.</extracomment>
        <translation>Escluso, non pulito: %1</translation>
    </message>
    <message>
        <source>Take hot laps</source>
        <translation>Prendi giri veloci</translation>
    </message>
    <message>
        <source>Storing hot lap %1 of %2...</source>
        <translation>Registrazione del giro veloce %1 di %2...</translation>
    </message>
    <message>
        <source>Times not saved</source>
        <translation>Tempi non salvati</translation>
    </message>
    <message>
        <source>%1, saved, but the history was not updated: %2</source>
        <extracomment>%1 is the circuit, %2 why the history file was not written.</extracomment>
        <translation>%1: salvato, ma lo storico non è stato aggiornato: %2</translation>
    </message>
</context>
<context>
    <name>velomark::HtmlExportWindow</name>
    <message>
        <source>HTML Export</source>
        <translation>Esporta in HTML</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Scegli i set di circuiti da esportare</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>The field for the title of the web page.</extracomment>
        <translation>Titolo</translation>
    </message>
</context>
<context>
    <name>velomark::InitWindow</name>
    <message>
        <source>Initialise Datafiles</source>
        <translation>Inizializza file dati</translation>
    </message>
    <message>
        <source>Standard GP2 Circuits</source>
        <translation>Circuiti GP2 standard</translation>
    </message>
    <message>
        <source>IA Track Pack Circuits</source>
        <translation>Circuiti IA Track Pack</translation>
    </message>
    <message>
        <source>Custom Circuits</source>
        <translation>Circuiti personalizzati</translation>
    </message>
    <message>
        <source>Do it !</source>
        <translation>Procedi!</translation>
    </message>
    <message>
        <source>This will erase all your lap records for selected Tracksets. Use with care.</source>
        <translation>Cancella tutto l&apos;archivio dei tempi dei set di circuiti selezionati. Usare con cautela.</translation>
    </message>
    <message>
        <source>GP2 directory</source>
        <translation>Cartella di GP2</translation>
    </message>
    <message>
        <source>Set GP2 path</source>
        <extracomment>The Hot laps window tells the player to press this button by its caption.</extracomment>
        <translation>Salva percorso</translation>
    </message>
    <message>
        <source>Datafile Initialisation</source>
        <translation>Inizializzazione file dati</translation>
    </message>
    <message>
        <source>Are you sure you want to initialise your lap times ?</source>
        <translation>Vuoi davvero inizializzare i tuoi tempi sul giro?</translation>
    </message>
    <message>
        <source>Datafile Initialised</source>
        <translation>File dati inizializzati</translation>
    </message>
    <message>
        <source>Its all gone.</source>
        <translation>Tutto cancellato.</translation>
    </message>
    <message>
        <source>GP2 directory not saved</source>
        <translation>Cartella di GP2 non salvata</translation>
    </message>
</context>
<context>
    <name>velomark::InstanceLock</name>
    <message>
        <source>I`m already running! </source>
        <translation>Sono già in esecuzione! </translation>
    </message>
</context>
<context>
    <name>velomark::LanguageChoice</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>The About box&apos;s choice of the language Velomark speaks.</extracomment>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Desktop&apos;s</source>
        <extracomment>Follow the language of the desktop (the system&apos;s display language).</extracomment>
        <translation>Del desktop</translation>
    </message>
    <message>
        <source>From its next start Velomark speaks the desktop&apos;s language.</source>
        <translation>Dal prossimo avvio Velomark userà la lingua del desktop.</translation>
    </message>
    <message>
        <source>From its next start Velomark speaks %1.</source>
        <translation>Dal prossimo avvio la lingua di Velomark sarà: %1.</translation>
    </message>
</context>
<context>
    <name>velomark::LapTimeEditor</name>
    <message>
        <source>Lap Time Data</source>
        <translation>Dati dei tempi sul giro</translation>
    </message>
    <message>
        <source>PROGRESS</source>
        <extracomment>The button that opens the chart of the circuit&apos;s saved lap times over time.</extracomment>
        <translation>PROGRESSI</translation>
    </message>
    <message>
        <source>Progress chart of this circuit</source>
        <translation>Grafico dei progressi di questo circuito</translation>
    </message>
    <message>
        <source>Your saved lap times at this circuit over time.</source>
        <translation>L&apos;andamento dei tuoi tempi sul giro salvati su questo circuito.</translation>
    </message>
    <message>
        <source>Hold a mouse button here to see the 2nd split alone.</source>
        <translation>Tieni premuto qui un pulsante del mouse per vedere il solo 2° intermedio.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A field&apos;s name, also in messages about it: %1 is its row (&quot;Practice&quot;), %2 its column (&quot;Lap Time&quot;).</extracomment>
        <translation>%2 (%1)</translation>
    </message>
    <message>
        <source>This is an accumulated split time.</source>
        <translation>Questo intermedio è cumulativo: conta dall&apos;inizio del giro.</translation>
    </message>
    <message>
        <source>+/-</source>
        <extracomment>Plus or minus: the label clicked to see the time differences between Practice and Qualifying.</extracomment>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Click with Left or Right mouse button to see time differences.</source>
        <translation>Fai clic con il pulsante sinistro o destro del mouse per vedere le differenze di tempo.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <extracomment>The button that imports a hot lap from GP2.</extracomment>
        <translation>IMPORTA</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <extracomment>The button that empties every field of the window.</extracomment>
        <translation>AZZERA</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CHIUDI</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SALVA</translation>
    </message>
    <message>
        <source>%1 Press INITIALISE ! on the main screen to create the lap record files.</source>
        <extracomment>%1 is why the lap record file cannot be read; INITIALISE ! is the caption of the main window&apos;s button.</extracomment>
        <translation>%1 Premi INIZIALIZZA! nella finestra principale per creare i file dei tempi.</translation>
    </message>
    <message>
        <source>%1 The file was left as it is.</source>
        <extracomment>%1 is why the lap record file cannot be read.</extracomment>
        <translation>%1 Il file è stato lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>Lap times not found</source>
        <translation>Tempi sul giro non trovati</translation>
    </message>
    <message>
        <source>Correct Error under cursor</source>
        <extracomment>A lap time or split that is not a time; the cursor is in its session&apos;s lap time.</extracomment>
        <translation>Correggi l&apos;errore sotto il cursore</translation>
    </message>
    <message>
        <source>Error !</source>
        <translation>Errore!</translation>
    </message>
    <message>
        <source>The differences need the 1st and +2nd splits of both sessions, written as times (and the 3rd splits, where both are filled).</source>
        <translation>Per le differenze servono il 1° e il +2° intermedio di entrambe le sessioni, scritti come tempi (e il 3° intermedio, dove è compilato in entrambe).</translation>
    </message>
    <message>
        <source>2nd Split</source>
        <extracomment>The +2nd Split column&apos;s header while a mouse button is held on it: the fields then show the 2nd split alone, not added to the 1st.</extracomment>
        <translation>2° interm.</translation>
    </message>
    <message>
        <source>The 2nd split alone needs the 1st split and the +2nd split written as times.</source>
        <translation>Per il solo 2° intermedio servono il 1° e il +2° intermedio scritti come tempi.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a field (&quot;Practice Notes&quot;), %2 why its text cannot be stored.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Times not saved</source>
        <translation>Tempi non salvati</translation>
    </message>
    <message>
        <source>the %1</source>
        <extracomment>One of the things changed both here and elsewhere: %1 is &quot;Qualifying times&quot;, &quot;Race notes&quot; and the like.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of things changed: &quot;the Practice times, the Qualifying times and the Race notes&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Keep both</source>
        <extracomment>A button of the question &quot;Times changed elsewhere&quot;: store both sides&apos; changes.</extracomment>
        <translation>Tieni entrambi</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <extracomment>A button of the question &quot;Times changed elsewhere&quot;: store the window&apos;s times over the new ones.</extracomment>
        <translation>Sovrascrivi</translation>
    </message>
    <message>
        <source>Go back to the stored times</source>
        <translation>Torna ai tempi salvati</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Keep both: your changes are stored over the new times.</source>
        <extracomment>Keep both is the caption of the button this line explains.</extracomment>
        <translation>Tieni entrambi: le tue modifiche vengono salvate sopra i nuovi tempi.</translation>
    </message>
    <message>
        <source>You changed %1 here as well: only one of the two can be kept.</source>
        <extracomment>%1 is what was changed both here and elsewhere (&quot;the Qualifying times&quot;).</extracomment>
        <translation>Hai modificato anche qui %1: si può tenere solo una delle due versioni.</translation>
    </message>
    <message>
        <source>Overwrite: the times in this window replace the new ones.</source>
        <extracomment>Overwrite is the caption of the button this line explains.</extracomment>
        <translation>Sovrascrivi: i tempi di questa finestra sostituiscono quelli nuovi.</translation>
    </message>
    <message>
        <source>Go back: the window shows the stored times and your changes are dropped.</source>
        <extracomment>Go back stands for the button &quot;Go back to the stored times&quot;, which this line explains.</extracomment>
        <translation>Torna ai tempi salvati: la finestra li mostra e le tue modifiche vengono scartate.</translation>
    </message>
    <message>
        <source>Changed elsewhere:</source>
        <extracomment>Heads the list of the fields changed in the file since the window read it.</extracomment>
        <translation>Modificato altrove:</translation>
    </message>
    <message>
        <source>Changed by you:</source>
        <extracomment>Heads the list of the fields changed in the window.</extracomment>
        <translation>Modificato da te:</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>The list of the fields changed in the window is empty.</extracomment>
        <translation>niente</translation>
    </message>
    <message>
        <source>Times changed elsewhere</source>
        <translation>Tempi modificati altrove</translation>
    </message>
    <message>
        <source>Your times are saved, but the history was not updated: %1</source>
        <extracomment>%1 is why the history file was not written.</extracomment>
        <translation>I tuoi tempi sono stati salvati, ma lo storico non è stato aggiornato: %1</translation>
    </message>
    <message>
        <source>Nothing was saved: your times are still in the window.</source>
        <translation>Non è stato salvato nulla: i tuoi tempi sono ancora nella finestra.</translation>
    </message>
    <message>
        <source>Nothing was saved: your changes were dropped, and the window shows the stored times.</source>
        <translation>Non è stato salvato nulla: le tue modifiche sono state scartate e la finestra mostra i tempi salvati.</translation>
    </message>
    <message>
        <source>%1 Your times are still in the window; press SAVE again once this is put right.</source>
        <extracomment>%1 is why the lap record file was not written; SAVE is the caption of the button.</extracomment>
        <translation>%1 I tuoi tempi sono ancora nella finestra; premi di nuovo SALVA dopo aver risolto il problema.</translation>
    </message>
    <message>
        <source>Clear all Entries</source>
        <translation>Azzera tutti i campi</translation>
    </message>
    <message>
        <source>This will clear your times for this track, but this will only be permanent if you Save. Are you sure ?</source>
        <translation>I tuoi tempi di questo circuito verranno cancellati, ma la modifica sarà definitiva solo se premi SALVA. Sei sicuro?</translation>
    </message>
</context>
<context>
    <name>velomark::LoadedModule</name>
    <message>
        <source>%1 needs the module %2, which could not be loaded: %3.</source>
        <extracomment>%1 is what needs the module (&quot;The progress chart&quot;), %2 the module&apos;s file, %3 the system&apos;s reason, in the system&apos;s words.</extracomment>
        <translation>%1 richiede il modulo %2, che non è stato possibile caricare: %3.</translation>
    </message>
    <message>
        <source>%1 needs the module %2, which is missing from the folder %3; installing Velomark again brings it back.</source>
        <extracomment>%1 is what needs the module (&quot;The progress chart&quot;), %2 the module&apos;s name, %3 the program&apos;s folder.</extracomment>
        <translation>%1 richiede il modulo %2, che manca nella cartella %3; reinstallando Velomark verrà ripristinato.</translation>
    </message>
</context>
<context>
    <name>velomark::MainWindow</name>
    <message>
        <source>About Velomark</source>
        <translation>Informazioni su Velomark</translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation>Set circuiti</translation>
    </message>
    <message>
        <source>Select Trackset</source>
        <translation>Scegli il set di circuiti</translation>
    </message>
    <message>
        <source>Set up custom circuits</source>
        <translation>Imposta i circuiti personalizzati</translation>
    </message>
    <message>
        <source>INITIALISE !</source>
        <extracomment>The Hot laps window tells the player to press this button by its caption.</extracomment>
        <translation>INIZIALIZZA!</translation>
    </message>
    <message>
        <source>Initialise datafiles !</source>
        <translation>Inizializza i file dati!</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Ringraziamenti</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>The button that opens the export chooser.</extracomment>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Print Lap Times</source>
        <translation>Stampa tempi sul giro</translation>
    </message>
    <message>
        <source>&quot;The meek may inherit the Earth.  They just better stay the hell off the track&quot;</source>
        <extracomment>A quotation shown at the foot of the main window.</extracomment>
        <translation>&quot;I miti erediteranno pure la Terra.  Ma dalla pista stiano alla larga, dannazione&quot;</translation>
    </message>
    <message>
        <source>Ooops!</source>
        <translation>Ops!</translation>
    </message>
    <message>
        <source>You need to set up some circuits first. Press the `?` button to do this</source>
        <translation>Prima devi impostare qualche circuito. Premi il pulsante `?` per farlo</translation>
    </message>
</context>
<context>
    <name>velomark::PrintSink</name>
    <message>
        <source>The printer %1 did not take &quot;%2&quot;.</source>
        <extracomment>%1 is the printer&apos;s name, %2 the document&apos;s.</extracomment>
        <translation>La stampante %1 non ha accettato &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The file %1 could not be drawn.</source>
        <translation>Impossibile generare il file %1.</translation>
    </message>
    <message>
        <source>Printing</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>La stampa</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of files: &quot;a&quot;, &quot;b&quot; and &quot;c&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>No printer is installed, so the lap times were saved as %1 in the folder %2.</source>
        <extracomment>%1 is the list of the PDF files written, %2 the folder they are in.</extracomment>
        <translation>Nessuna stampante installata: i tempi sul giro sono stati salvati come %1 nella cartella %2.</translation>
    </message>
</context>
<context>
    <name>velomark::PrintWindow</name>
    <message>
        <source>Print Lap Times</source>
        <translation>Stampa tempi sul giro</translation>
    </message>
    <message>
        <source>Choose Trackset to print</source>
        <translation>Scegli i set di circuiti da stampare</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Lap times not printed</source>
        <translation>Tempi sul giro non stampati</translation>
    </message>
</context>
<context>
    <name>velomark::ProgressModule</name>
    <message>
        <source>The progress chart</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>Il grafico dei progressi</translation>
    </message>
    <message>
        <source>No progress chart</source>
        <translation>Grafico dei progressi non disponibile</translation>
    </message>
</context>
<context>
    <name>velomark::ProgressWindow</name>
    <message>
        <source>Progress - %1</source>
        <extracomment>%1 is the circuit&apos;s name and country.</extracomment>
        <translation>Progressi - %1</translation>
    </message>
    <message>
        <source>Progress of the lap times at %1</source>
        <extracomment>%1 is the circuit&apos;s name and country.</extracomment>
        <translation>Progressi dei tempi sul giro: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>No lap time of this circuit has been saved since Velomark began keeping its history, so there is no progress to draw yet.</source>
        <translation>Da quando Velomark tiene lo storico non è stato salvato alcun tempo sul giro di questo circuito, quindi non ci sono ancora progressi da tracciare.</translation>
    </message>
    <message>
        <source>Hover over a point to see its time, date and setup; on the chart, Left and Right step from point to point.</source>
        <translation>Passa il mouse su un punto per vederne tempo, data e assetto; sul grafico, le frecce Sinistra e Destra passano da un punto all&apos;altro.</translation>
    </message>
    <message>
        <source>The history is long, so only its last 64 MB were read.</source>
        <translation>Lo storico è lungo, quindi ne sono stati letti solo gli ultimi 64 MB.</translation>
    </message>
</context>
<context>
    <name>velomark::ReportWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Lap times not exported</source>
        <translation>Tempi sul giro non esportati</translation>
    </message>
</context>
<context>
    <name>velomark::ScreenExportWindow</name>
    <message>
        <source>Export to Screen</source>
        <translation>Esporta a schermo</translation>
    </message>
    <message>
        <source>Choose Trackset to view</source>
        <translation>Scegli i set di circuiti da visualizzare</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Mostra</translation>
    </message>
</context>
<context>
    <name>velomark::ScreenView</name>
    <message>
        <source>Viewing Lap Times</source>
        <translation>Visualizzazione tempi sul giro</translation>
    </message>
    <message>
        <source>Lap times report</source>
        <translation>Riepilogo dei tempi sul giro</translation>
    </message>
</context>
<context>
    <name>velomark::SlotChoiceWindow</name>
    <message>
        <source>Insert into which slot ?</source>
        <translation>In quale sessione inserirlo?</translation>
    </message>
    <message>
        <source>Race</source>
        <extracomment>The session the race lap is stored as.</extracomment>
        <translation>Gara</translation>
    </message>
    <message>
        <source>Quickrace</source>
        <extracomment>The session the race lap is stored as.</extracomment>
        <translation>Gara veloce</translation>
    </message>
</context>
<context>
    <name>velomark::StorableTextValidator</name>
    <message>
        <source>The character %1 cannot be stored in Velomark&apos;s files.</source>
        <translation>Il carattere %1 non può essere salvato nei file di Velomark.</translation>
    </message>
    <message>
        <source>A double quote (&quot;) cannot be stored in Velomark&apos;s files.</source>
        <translation>Le virgolette doppie (&quot;) non possono essere salvate nei file di Velomark.</translation>
    </message>
</context>
<context>
    <name>velomark::TextExportWindow</name>
    <message>
        <source>Text file Export</source>
        <translation>Esporta file di testo</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Scegli i set di circuiti da esportare</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nome file</translation>
    </message>
</context>
<context>
    <name>velomark::WaitWindow</name>
    <message>
        <source>Extracting.....</source>
        <translation>Estrazione.....</translation>
    </message>
</context>
</TS>
