<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>velomark::AboutBox</name>
    <message>
        <source>About GP2 Velomark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A car on a race track, and a chequered flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designed to allow you to record your personal best lap-times for every session at every circuit.  Now you can get out there a know what you have to beat !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software, offered without any warranty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(21st September 1998)</source>
        <extracomment>The date of the first version, written as the language writes dates.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit my Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email me</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::BestsBoard</name>
    <message>
        <source>Bests board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rival: none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bests table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trackset filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The filter&apos;s choice that shows every trackset.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with a rival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear rival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A rival&apos;s CSV export, or a file of their data folder (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rival not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rival: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board not exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is one of the rival&apos;s files, which Velomark only reads.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::BoardLink</name>
    <message>
        <source>Bests</source>
        <extracomment>The button that opens the bests board.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every best on one board, and a rival&apos;s beside them</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::BoardModule</name>
    <message>
        <source>The bests board</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No bests board</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::ChartView</name>
    <message>
        <source>Stored best</source>
        <extracomment>The legend&apos;s name for the mark on each session&apos;s stored best.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ideal lap %1</source>
        <extracomment>The legend&apos;s name for the ideal lap&apos;s line; %1 is its lap time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date saved</source>
        <extracomment>The title of the chart&apos;s date axis.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lap time</source>
        <extracomment>The title of the chart&apos;s time axis.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lap times over the dates they were saved. Left and Right step from point to point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::ClipboardExportWindow</name>
    <message>
        <source>Clipboard Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::CsvExportWindow</name>
    <message>
        <source>CSV file Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::CustomWindow</name>
    <message>
        <source>A circuit name cannot hold a line break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup Custom Circuits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Circuit Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuit Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuit %1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuit %1 country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have changed a circuit for a new one, dont forget that you will need to `Clear` out the old lap times.</source>
        <extracomment>`Clear` names the lap-time editor&apos;s CLEAR button, which clears a circuit&apos;s times.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom circuits not saved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::ExportChooser</name>
    <message>
        <source>Export Lap Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text file (ASCII)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Page (HTML)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::HotlapDetailsWindow</name>
    <message>
        <source>Hot lap details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot lap %1</source>
        <extracomment>%1 is the name of the hot lap&apos;s file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::HotlapTable</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lap Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+2nd Split</source>
        <extracomment>The 2nd split counted from the start of the lap.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved</source>
        <extracomment>When GP2 saved the hot lap&apos;s file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored</source>
        <extracomment>Your best lap time stored for the circuit and session.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faster by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean</source>
        <extracomment>Whether the lap was clean (not off track, not through the pits...), or why not.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a track-editor track: compare with TrackPack or Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no best yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsCorner</name>
    <message>
        <source>Hot
laps</source>
        <extracomment>The button&apos;s caption on two lines, so that it fits its narrow place.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot laps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every hot lap in gpsaves against your bests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to put this line away</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsModule</name>
    <message>
        <source>The Hot laps window</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Hot laps window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsWindow</name>
    <message>
        <source>The saves folder %1 is missing; Velomark looks for it again every few seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saves folder %1 is not a folder; Velomark looks for it again every few seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saves folder %1 cannot be read; Velomark tries it again every few seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saves folder %1 cannot be read (%2); Velomark tries it again every few seconds.</source>
        <extracomment>%2 is the system&apos;s reason, in the system&apos;s words.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot laps in GP2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot lap files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot laps read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot laps counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot laps taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <extracomment>%1 is a column&apos;s heading.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with the bests of</source>
        <extracomment>Followed by the three tracksets to choose from.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take all faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only clean laps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set your GP2 directory first: press INITIALISE ! on the main window, type the folder GP2 is installed in into its lower field and press Set GP2 path.</source>
        <extracomment>INITIALISE ! and Set GP2 path are the captions of the buttons to press.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hot laps in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1 hot laps...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hot lap, %2 faster than your best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hot laps, %2 faster than your best</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>; %n cannot be read (the Session column says why)</source>
        <extracomment>Follows &quot;N hot laps, N faster than your best&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 more name matching *.hl? is no file and is left out</source>
        <extracomment>Follows &quot;N hot laps, N faster than your best&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 more names matching *.hl? are no files and are left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the rows of the hot laps to take first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No clean hot lap is faster than your best. Left out as not clean:
%1</source>
        <extracomment>%1 is a list of hot laps, one a line, each with why it is not clean.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hot lap is faster than your best.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A hot lap driven on a track-editor track is never stored as a Standard circuit&apos;s: choose TrackPack or Custom above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the selected hot laps holds the lap time of a session Velomark keeps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store this time in your lap records?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store these %1 times in your lap records?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A time that is not faster than your best is stored only because you selected it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This lap is not clean; the list says why.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list says why a lap is not clean.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 faster hot lap is left out as not clean; it ends the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 faster hot laps are left out as not clean; they end the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out, not clean: %1</source>
        <extracomment>%1 is a hot lap&apos;s file and why the lap is not clean.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take hot laps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storing hot lap %1 of %2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, saved, but the history was not updated: %2</source>
        <extracomment>%1 is the circuit, %2 why the history file was not written.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::HtmlExportWindow</name>
    <message>
        <source>HTML Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>The field for the title of the web page.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::InitWindow</name>
    <message>
        <source>Initialise Datafiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard GP2 Circuits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IA Track Pack Circuits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Circuits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do it !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will erase all your lap records for selected Tracksets. Use with care.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GP2 directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set GP2 path</source>
        <extracomment>The Hot laps window tells the player to press this button by its caption.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datafile Initialisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to initialise your lap times ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datafile Initialised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its all gone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GP2 directory not saved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::InstanceLock</name>
    <message>
        <source>I`m already running! </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::Language</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language (de, fr, it, es, nl), which an HTML report declares.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::LanguageChoice</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>The About box&apos;s choice of the language Velomark speaks.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop&apos;s</source>
        <extracomment>Follow the language of the desktop (the system&apos;s display language).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From its next start Velomark speaks the desktop&apos;s language.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From its next start Velomark speaks %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::LoadedModule</name>
    <message>
        <source>%1 needs the module %2, which could not be loaded: %3.</source>
        <extracomment>%1 is what needs the module (&quot;The progress chart&quot;), %2 the module&apos;s file, %3 the system&apos;s reason, in the system&apos;s words.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs the module %2, which is missing from the folder %3; installing Velomark again brings it back.</source>
        <extracomment>%1 is what needs the module (&quot;The progress chart&quot;), %2 the module&apos;s name, %3 the program&apos;s folder.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::MainWindow</name>
    <message>
        <source>About Velomark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Trackset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set up custom circuits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INITIALISE !</source>
        <extracomment>The Hot laps window tells the player to press this button by its caption.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initialise datafiles !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>The button that opens the export chooser.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Lap Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;The meek may inherit the Earth.  They just better stay the hell off the track&quot;</source>
        <extracomment>A quotation shown at the foot of the main window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ooops!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need to set up some circuits first. Press the `?` button to do this</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::PrintSink</name>
    <message>
        <source>The printer %1 did not take &quot;%2&quot;.</source>
        <extracomment>%1 is the printer&apos;s name, %2 the document&apos;s.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of files: &quot;a&quot;, &quot;b&quot; and &quot;c&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed, so the lap times were saved as %1 in the folder %2.</source>
        <extracomment>%1 is the list of the PDF files written, %2 the folder they are in.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::PrintWindow</name>
    <message>
        <source>Print Lap Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Trackset to print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lap times not printed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::ProgressModule</name>
    <message>
        <source>The progress chart</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No progress chart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::ProgressWindow</name>
    <message>
        <source>Progress - %1</source>
        <extracomment>%1 is the circuit&apos;s name and country.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress of the lap times at %1</source>
        <extracomment>%1 is the circuit&apos;s name and country.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No lap time of this circuit has been saved since Velomark began keeping its history, so there is no progress to draw yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hover over a point to see its time, date and setup; on the chart, Left and Right step from point to point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history is long, so only its last 64 MB were read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::ReportWindow</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lap times not exported</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::ScreenExportWindow</name>
    <message>
        <source>Export to Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Trackset to view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::ScreenView</name>
    <message>
        <source>Viewing Lap Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lap times report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::SlotChoiceWindow</name>
    <message>
        <source>Insert into which slot ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race</source>
        <extracomment>The session the race lap is stored as.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quickrace</source>
        <extracomment>The session the race lap is stored as.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::StorableTextValidator</name>
    <message>
        <source>The character %1 cannot be stored in Velomark&apos;s files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A double quote (&quot;) cannot be stored in Velomark&apos;s files.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::TextExportWindow</name>
    <message>
        <source>Text file Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velomark::WaitWindow</name>
    <message>
        <source>Extracting.....</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
