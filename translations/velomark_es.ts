<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>The %1 circuits</source>
        <translation>los circuitos del grupo %1</translation>
    </message>
    <message>
        <source>The dates under &quot;Set on&quot;</source>
        <translation>las fechas de la columna «Fecha»</translation>
    </message>
    <message>
        <source>There are no lap record files yet: press INITIALISE ! on the main window to create them.</source>
        <translation>Todavía no hay archivos de tiempos: pulsa ¡INICIALIZAR! en la ventana principal para crearlos.</translation>
    </message>
    <message>
        <source>The rival file %1 is larger than 64 MB, far larger than a CSV export of 48 circuits can be, so it was not read.</source>
        <translation>El archivo del rival %1 ocupa más de 64 MB, mucho más de lo que puede ocupar una exportación CSV de 48 circuitos, así que no se ha leído.</translation>
    </message>
    <message>
        <source>The rival file %1 does not exist.</source>
        <translation>El archivo del rival %1 no existe.</translation>
    </message>
    <message>
        <source>The rival&apos;s %1 times</source>
        <translation>los tiempos del grupo %1 del rival</translation>
    </message>
    <message>
        <source>The folder %1 holds no lap record file (set1.dat, set2.dat, set3.dat) that Velomark can read.</source>
        <translation>La carpeta %1 no contiene ningún archivo de tiempos (set1.dat, set2.dat, set3.dat) que Velomark pueda leer.</translation>
    </message>
    <message>
        <source>%1 are left out because %2</source>
        <translation>Se omiten %1. Motivo: %2</translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuito</translation>
    </message>
    <message>
        <source>Rival</source>
        <translation>Rival</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Dif.</translation>
    </message>
    <message>
        <source>Ideal</source>
        <translation>Ideal</translation>
    </message>
    <message>
        <source>Set on</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>it is not a CSV row of nine fields</source>
        <translation>no es una fila CSV de nueve campos</translation>
    </message>
    <message>
        <source>%1 is not a CSV row of nine fields</source>
        <translation>%1 no es una fila CSV de nueve campos</translation>
    </message>
    <message>
        <source>%1 are not CSV rows of nine fields</source>
        <translation>%1 no son filas CSV de nueve campos</translation>
    </message>
    <message>
        <source>it names no trackset, circuit (1 to 16) or session that Velomark knows</source>
        <translation>no indica ningún grupo, circuito (del 1 al 16) ni sesión que Velomark conozca</translation>
    </message>
    <message>
        <source>%1 names no trackset, circuit (1 to 16) or session that Velomark knows</source>
        <translation>%1 no indica ningún grupo, circuito (del 1 al 16) ni sesión que Velomark conozca</translation>
    </message>
    <message>
        <source>%1 name no trackset, circuit (1 to 16) or session that Velomark knows</source>
        <translation>%1 no indican ningún grupo, circuito (del 1 al 16) ni sesión que Velomark conozca</translation>
    </message>
    <message>
        <source>it repeats the circuit and session of an earlier line</source>
        <translation>repite el circuito y la sesión de una línea anterior</translation>
    </message>
    <message>
        <source>%1 repeats the circuit and session of an earlier line</source>
        <translation>%1 repite el circuito y la sesión de una línea anterior</translation>
    </message>
    <message>
        <source>%1 repeat the circuit and session of an earlier line</source>
        <translation>%1 repiten el circuito y la sesión de una línea anterior</translation>
    </message>
    <message>
        <source>%1 line of the rival&apos;s file was skipped: %2.</source>
        <translation>Se ha omitido %1 línea del archivo del rival: %2.</translation>
    </message>
    <message>
        <source>%1 lines of the rival&apos;s file were skipped: %2.</source>
        <translation>Se han omitido %1 líneas del archivo del rival: %2.</translation>
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
        <translation>Brasil</translation>
    </message>
    <message>
        <source>TI Circuit Aida</source>
        <translation>TI Circuit Aida</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pacífico</translation>
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
        <translation>Mónaco</translation>
    </message>
    <message>
        <source>Barcelona</source>
        <translation>Barcelona</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>España</translation>
    </message>
    <message>
        <source>Gilles Villeneuve</source>
        <translation>Gilles Villeneuve</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
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
        <translation>Gran Bretaña</translation>
    </message>
    <message>
        <source>Hockenheim</source>
        <translation>Hockenheim</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Alemania</translation>
    </message>
    <message>
        <source>Hungaroring</source>
        <translation>Hungaroring</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Hungría</translation>
    </message>
    <message>
        <source>Spa Francorchamps</source>
        <translation>Spa-Francorchamps</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Bélgica</translation>
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
        <translation>Japón</translation>
    </message>
    <message>
        <source>Adelaide</source>
        <translation>Adelaida</translation>
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
        <translation>A1 Ring</translation>
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
        <translation>Países Bajos</translation>
    </message>
    <message>
        <source>Nurburgring</source>
        <translation>Nürburgring</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Luxemburgo</translation>
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
        <translation>No se puede leer el archivo de circuitos personalizados %1.</translation>
    </message>
    <message>
        <source>The custom circuit file %1 holds fewer than 16 circuits.</source>
        <translation>El archivo de circuitos personalizados %1 contiene menos de 16 circuitos.</translation>
    </message>
    <message>
        <source>The custom circuits cannot be saved: %1.</source>
        <translation>No se pueden guardar los circuitos personalizados: %1.</translation>
    </message>
    <message>
        <source>a double quote (&quot;) cannot be stored</source>
        <extracomment>Set after a colon into &quot;Custom circuit %1 cannot be saved: %2.&quot;.</extracomment>
        <translation>las comillas dobles (&quot;) no se pueden guardar</translation>
    </message>
    <message>
        <source>a name cannot hold a line break</source>
        <translation>un nombre no puede contener saltos de línea</translation>
    </message>
    <message>
        <source>Custom circuit %1 cannot be saved: %2.</source>
        <translation>No se puede guardar el circuito personalizado %1: %2.</translation>
    </message>
</context>
<context>
    <name>Extraction</name>
    <message>
        <source>the command interpreter %1 could not be started (%2); it belongs in the folder of the program</source>
        <extracomment>Why a hot lap could not be read, set after &quot;The hot lap A1.hl could not be read: &quot;; %1 is the program that ran hof.bat.</extracomment>
        <translation>no se ha podido iniciar el intérprete de comandos %1 (%2); tiene que estar en la carpeta del programa</translation>
    </message>
    <message>
        <source>hof2lap did not finish within %1 seconds and was stopped; check that hof2lap in the GP2 directory %2 runs on this system and that the file can be read</source>
        <translation>hof2lap no ha terminado en %1 segundos y se ha detenido; comprueba que hof2lap, en el directorio de GP2 %2, funciona en este sistema y que el archivo se puede leer</translation>
    </message>
    <message>
        <source>the command interpreter %1 stopped before hof.bat was done</source>
        <translation>el intérprete de comandos %1 se ha detenido antes de que terminara hof.bat</translation>
    </message>
    <message>
        <source>hof2lap ended with status %1 without saying why</source>
        <translation>hof2lap ha terminado con el código de salida %1 sin indicar el motivo</translation>
    </message>
    <message>
        <source>the file flag does not hold a number once hof.bat has run</source>
        <translation>el archivo flag no contiene ningún número después de ejecutarse hof.bat</translation>
    </message>
    <message>
        <source>hof.bat ended without writing 1 into the file flag</source>
        <translation>hof.bat ha terminado sin escribir 1 en el archivo flag</translation>
    </message>
    <message>
        <source>its name holds the character %1, which the batch file cannot carry</source>
        <translation>su nombre contiene el carácter %1, que el archivo por lotes no admite</translation>
    </message>
    <message>
        <source>the dump that hof2lap wrote into hoftemp ends before its last line</source>
        <translation>el volcado que hof2lap ha escrito en hoftemp se corta antes de la última línea</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>this data folder</source>
        <translation>esta carpeta de datos</translation>
    </message>
    <message>
        <source>the data folder %1</source>
        <translation>la carpeta de datos %1</translation>
    </message>
    <message>
        <source>Another copy of Velomark is already running on %1.</source>
        <translation>Ya hay otra copia de Velomark en marcha con %1.</translation>
    </message>
    <message>
        <source>Velomark cannot open %1: %2.</source>
        <translation>Velomark no puede abrir %1: %2.</translation>
    </message>
    <message>
        <source>Velomark cannot lock %1: %2.</source>
        <translation>Velomark no puede bloquear %1: %2.</translation>
    </message>
    <message>
        <source>a directory</source>
        <translation>un directorio</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
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
        <translation>un enlace</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <source>The file %1 is larger than 1 MB (1,048,576 bytes), far larger than any data file of Velomark can be, so it was not read.</source>
        <translation>El archivo %1 ocupa más de 1 MB (1.048.576 bytes), mucho más de lo que puede ocupar cualquier archivo de datos de Velomark, así que no se ha leído.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>No se puede abrir el archivo %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be examined: %2.</source>
        <translation>No se puede examinar el archivo %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 is %2, not a regular file, so it was not read.</source>
        <translation>El archivo %1 es %2 y no un archivo normal, así que no se ha leído.</translation>
    </message>
    <message>
        <source>The file %1 is a link that leads to no file (%2), so nothing was written.</source>
        <translation>El archivo %1 es un enlace que no lleva a ningún archivo (%2), así que no se ha escrito nada.</translation>
    </message>
    <message>
        <source>The file %1 is %2, not a regular file, so it was not replaced.</source>
        <translation>El archivo %1 es %2 y no un archivo normal, así que no se ha sustituido.</translation>
    </message>
    <message>
        <source>The file %1 is read-only, so it was left unchanged.</source>
        <translation>El archivo %1 es de solo lectura, así que no se ha modificado.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be renamed over it: %2</source>
        <translation>no se puede cambiar el nombre de %1 para sustituirlo: %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>es %1</translation>
    </message>
    <message>
        <source>it is a link that leads to no file</source>
        <translation>es un enlace que no lleva a ningún archivo</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>it cannot be written: %1</source>
        <translation>no se puede escribir: %1</translation>
    </message>
    <message>
        <source>%1 cannot be examined: %2</source>
        <translation>no se puede examinar %1: %2</translation>
    </message>
    <message>
        <source>%1 stands at %2; it was left alone</source>
        <translation>%2 es %1; no se ha tocado</translation>
    </message>
    <message>
        <source>%1 stands at %2, which is %3 in other letters; it was left alone</source>
        <translation>%2 (%3 con otras mayúsculas o minúsculas) es %1; no se ha tocado</translation>
    </message>
    <message>
        <source>the old %1 cannot be removed: %2</source>
        <translation>no se puede eliminar el antiguo %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>Velomark&apos;s lap record file of your Standard circuits</source>
        <translation>el archivo de tiempos de Velomark de tus circuitos estándar</translation>
    </message>
    <message>
        <source>Velomark&apos;s lap record file of your IA Track Pack circuits</source>
        <translation>el archivo de tiempos de Velomark de tus circuitos del IA Track Pack</translation>
    </message>
    <message>
        <source>Velomark&apos;s lap record file of your Custom circuits</source>
        <translation>el archivo de tiempos de Velomark de tus circuitos personalizados</translation>
    </message>
    <message>
        <source>Velomark&apos;s list of the names of your Custom circuits</source>
        <translation>la lista de Velomark con los nombres de tus circuitos personalizados</translation>
    </message>
    <message>
        <source>Velomark&apos;s setting of your GP2 directory</source>
        <translation>el ajuste de Velomark con tu directorio de GP2</translation>
    </message>
    <message>
        <source>Velomark&apos;s own history of your saved times</source>
        <translation>el historial propio de Velomark con tus tiempos guardados</translation>
    </message>
    <message>
        <source>the scratch file through which Velomark saves its data files</source>
        <translation>el archivo temporal con el que Velomark guarda sus archivos de datos</translation>
    </message>
    <message>
        <source>Velomark&apos;s note of the history rows a save is adding</source>
        <translation>la nota de Velomark con las filas del historial que está añadiendo un guardado</translation>
    </message>
    <message>
        <source>the file by which Velomark keeps a second copy of itself out of this folder</source>
        <translation>el archivo con el que Velomark impide que otra copia suya use esta carpeta</translation>
    </message>
    <message>
        <source>%1 is %2; choose another name for the export.</source>
        <translation>%1 es %2; elige otro nombre para la exportación.</translation>
    </message>
    <message>
        <source>%1 leads to %2, %3; choose another name for the export.</source>
        <translation>%1 lleva a %2, %3; elige otro nombre para la exportación.</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2. %1 was left unchanged.</source>
        <translation>No se puede guardar el archivo %1: %2. %1 no se ha modificado.</translation>
    </message>
    <message>
        <source>The new %1 is in place, but its folder could not be flushed to the disk, so the change may be lost if the computer stops now: %2.</source>
        <translation>El nuevo %1 ya está en su sitio, pero su carpeta no se pudo volcar al disco, así que el cambio podría perderse si el ordenador se apaga ahora: %2.</translation>
    </message>
    <message>
        <source>a double quote (&quot;) cannot be stored in a field: &quot;%1&quot;</source>
        <extracomment>Set after a colon into &quot;... cannot be saved: %1.&quot;.</extracomment>
        <translation>un campo no puede contener comillas dobles (&quot;): «%1»</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The history %1 cannot be added to: %2.</source>
        <translation>No se pueden añadir filas al historial %1: %2.</translation>
    </message>
</context>
<context>
    <name>HofBat</name>
    <message>
        <source>a double quote</source>
        <translation>comillas dobles</translation>
    </message>
    <message>
        <source>a percent sign, which the command interpreter would expand</source>
        <translation>un signo de porcentaje, que el intérprete de comandos expandiría</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>un carácter de control</translation>
    </message>
    <message>
        <source>The GP2 directory %1 cannot be passed to hof2lap: it holds %2.</source>
        <translation>No se puede pasar el directorio de GP2 %1 a hof2lap: contiene %2.</translation>
    </message>
    <message>
        <source>No hot-lap file is chosen.</source>
        <translation>No se ha elegido ningún archivo de hot lap.</translation>
    </message>
    <message>
        <source>a directory separator</source>
        <translation>un separador de directorios</translation>
    </message>
    <message>
        <source>The hot-lap file %1 cannot be passed to hof2lap: its name holds %2.</source>
        <translation>No se puede pasar el archivo de hot lap %1 a hof2lap: su nombre contiene %2.</translation>
    </message>
</context>
<context>
    <name>HotLaps</name>
    <message>
        <source>the compressed data expands beyond %1 bytes</source>
        <translation>los datos comprimidos ocupan más de %1 bytes al descomprimirse</translation>
    </message>
    <message>
        <source>the compressed data ends inside a back-reference</source>
        <translation>los datos comprimidos terminan en mitad de una referencia hacia atrás</translation>
    </message>
    <message>
        <source>the compressed data refers back to before its own start</source>
        <translation>los datos comprimidos remiten a un punto anterior a su propio inicio</translation>
    </message>
    <message>
        <source>The file %1 is not a GP2 file.</source>
        <translation>El archivo %1 no es un archivo de GP2.</translation>
    </message>
    <message>
        <source>The file %1 is cut short: it ends inside its header.</source>
        <translation>El archivo %1 está incompleto: termina en mitad de su cabecera.</translation>
    </message>
    <message>
        <source>The file %1 is a GP2 file but not a hot lap.</source>
        <translation>El archivo %1 es un archivo de GP2, pero no una hot lap.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 is too large for a hot lap (over %2 MB).</source>
        <translation>El archivo %1 es demasiado grande para ser una hot lap (más de %2 MB).</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>No se puede leer la carpeta %1.</translation>
    </message>
    <message>
        <source>The %1 time of %2 in %3 has changed since you chose to replace it; it was left alone.</source>
        <translation>El tiempo de %1 de %2 en %3 ha cambiado desde que elegiste sustituirlo; no se ha tocado.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activada</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivada</translation>
    </message>
    <message>
        <source>flags 0x%1 of unknown meaning</source>
        <translation>indicadores 0x%1 de significado desconocido</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>The details GP2Lap records (driving aids, lap flags, slow motion...) are not in this file.</source>
        <translation>Los detalles que registra GP2Lap (ayudas a la conducción, indicadores de vuelta, cámara lenta...) no están en este archivo.</translation>
    </message>
    <message>
        <source>The details GP2Lap recorded (driving aids, lap flags, slow motion...) cannot be read either.</source>
        <translation>Tampoco se pueden leer los detalles que registró GP2Lap (ayudas a la conducción, indicadores de vuelta, cámara lenta...).</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>editado</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>estándar</translation>
    </message>
    <message>
        <source>Date GP2Lap wrote: %1 (as it set up its records, before the lap)</source>
        <translation>Fecha anotada por GP2Lap: %1 (al preparar sus registros, antes de la vuelta)</translation>
    </message>
    <message>
        <source>GP2Lap version: %1</source>
        <translation>Versión de GP2Lap: %1</translation>
    </message>
    <message>
        <source>Track file: %1, from slot %2, checksum %3</source>
        <translation>Archivo de circuito: %1, de la posición %2, suma de comprobación %3</translation>
    </message>
    <message>
        <source>Steering help: %1</source>
        <translation>Ayuda a la dirección: %1</translation>
    </message>
    <message>
        <source>Opposite-lock help: %1</source>
        <translation>Ayuda al contravolante: %1</translation>
    </message>
    <message>
        <source>Lap flags: %1</source>
        <translation>Indicadores de vuelta: %1</translation>
    </message>
    <message>
        <source>Driving-aid changes: %1</source>
        <translation>Cambios de ayudas a la conducción: %1</translation>
    </message>
    <message>
        <source>Processor occupancy: %1% on average, %2% at the highest</source>
        <translation>Uso del procesador: %1 % de media, %2 % como máximo</translation>
    </message>
    <message>
        <source>Slow motion: %1</source>
        <translation>Cámara lenta: %1</translation>
    </message>
    <message>
        <source>Fuel: %1 laps</source>
        <translation>Combustible: %1 vueltas</translation>
    </message>
    <message>
        <source>Weight: %1 lb</source>
        <translation>Peso: %1 lb</translation>
    </message>
    <message>
        <source>The lap went through the pits: its splits are not times.</source>
        <translation>La vuelta pasó por boxes: sus parciales no son tiempos válidos.</translation>
    </message>
    <message>
        <source>off track</source>
        <translation>fuera de pista</translation>
    </message>
    <message>
        <source>through the pits</source>
        <translation>paso por boxes</translation>
    </message>
    <message>
        <source>detail level changed</source>
        <translation>nivel de detalle cambiado</translation>
    </message>
    <message>
        <source>no slow-down before the lap</source>
        <translation>sin desacelerar antes de la vuelta</translation>
    </message>
    <message>
        <source>F4 used</source>
        <translation>F4 usada</translation>
    </message>
    <message>
        <source>track map on</source>
        <translation>mapa del circuito activado</translation>
    </message>
    <message>
        <source>slow motion %1</source>
        <translation>cámara lenta %1</translation>
    </message>
    <message>
        <source>%1 aid change</source>
        <translation>%1 cambio de ayudas</translation>
    </message>
    <message>
        <source>%1 aid changes</source>
        <translation>%1 cambios de ayudas</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>no se sabe</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>Clean: %1</source>
        <translation>Limpia: %1</translation>
    </message>
    <message>
        <source>circuit %1</source>
        <translation>Circuito %1</translation>
    </message>
    <message>
        <source>Unnamed track-editor track</source>
        <translation>Circuito sin nombre del editor de circuitos</translation>
    </message>
    <message>
        <source>%1 (slot %2)</source>
        <translation>%1 (posición %2)</translation>
    </message>
    <message>
        <source>%1 (slot %2) as %3 circuit %2</source>
        <translation>%1 (posición %2) como circuito %2 del grupo %3</translation>
    </message>
    <message>
        <source>%1 (slot %2) as %3 circuit %2 (%4)</source>
        <translation>%1 (posición %2) como circuito %2 del grupo %3 (%4)</translation>
    </message>
    <message>
        <source>%1 s faster than your best</source>
        <translation>%1 s más rápida que tu mejor tiempo</translation>
    </message>
    <message>
        <source>the first time for this session</source>
        <translation>el primer tiempo de esta sesión</translation>
    </message>
    <message>
        <source>New hot lap at %1, %2 %3: %4. Open Hot laps to take it.</source>
        <translation>Nueva hot lap en %1, %2: %3, %4. Abre Hot laps para importarla.</translation>
    </message>
    <message>
        <source>New hot lap at %1, %2 %3: %4, a clean lap. Open Hot laps to take it.</source>
        <translation>Nueva hot lap en %1, %2: %3, %4; vuelta limpia. Abre Hot laps para importarla.</translation>
    </message>
    <message>
        <source>New hot lap at %1, %2 %3: %4, not clean: %5. Open Hot laps to take it.</source>
        <translation>Nueva hot lap en %1, %2: %3, %4; no limpia: %5. Abre Hot laps para importarla.</translation>
    </message>
    <message>
        <source>%1 setup</source>
        <translation>reglaje de %1</translation>
    </message>
    <message>
        <source>%1, %2: %3 becomes %4</source>
        <translation>%1, %2: %3 pasa a ser %4</translation>
    </message>
    <message>
        <source>%1, %2: %3, the first time stored for this session</source>
        <translation>%1, %2: %3, el primer tiempo guardado en esta sesión</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4 (which cannot be compared as a time)</source>
        <translation>%1, %2: %3 sustituye a %4 (que no se puede comparar como tiempo)</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4 (the same time)</source>
        <translation>%1, %2: %3 sustituye a %4 (el mismo tiempo)</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4 (%5 s slower)</source>
        <translation>%1, %2: %3 sustituye a %4 (%5 s más lento)</translation>
    </message>
    <message>
        <source>%1, %2: %3 replaces %4</source>
        <translation>%1, %2: %3 sustituye a %4</translation>
    </message>
    <message>
        <source>%1; not clean: %2</source>
        <translation>%1; no limpia: %2</translation>
    </message>
    <message>
        <source>and SAVE fills out %1</source>
        <translation>y GUARDAR completa %1</translation>
    </message>
    <message>
        <source>%1, %2 %3: %4</source>
        <translation>%1, %2, %3: %4</translation>
    </message>
    <message>
        <source>times damaged in this file</source>
        <translation>tiempos dañados en este archivo</translation>
    </message>
    <message>
        <source>times not readable (saved before GP2Lap 1.14)</source>
        <translation>tiempos ilegibles (archivo anterior a GP2Lap 1.14)</translation>
    </message>
    <message>
        <source>times not in this file</source>
        <translation>sin tiempos en este archivo</translation>
    </message>
    <message>
        <source>%1 (never taken)</source>
        <translation>%1 (nunca se importa)</translation>
    </message>
    <message>
        <source>%1: no lap time in this file</source>
        <translation>%1: sin tiempo de vuelta en este archivo</translation>
    </message>
    <message>
        <source>The file names track number %1, which is no circuit.</source>
        <translation>El archivo indica el número de circuito %1, que no corresponde a ningún circuito.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language (de, fr, it, es, nl): the program tells by it which language it speaks, and an HTML report declares it.</extracomment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>LapRecords</name>
    <message>
        <source>The lap record file %1 holds only %2 of its %3 circuit records.</source>
        <translation>El archivo de tiempos %1 solo contiene %2 de sus %3 registros de circuito.</translation>
    </message>
    <message>
        <source>%1 lap time</source>
        <translation>tiempo de vuelta de %1</translation>
    </message>
    <message>
        <source>%1 1st split</source>
        <translation>1.er parcial de %1</translation>
    </message>
    <message>
        <source>%1 +2nd split</source>
        <translation>+2.º parcial de %1</translation>
    </message>
    <message>
        <source>%1 3rd split</source>
        <translation>3.er parcial de %1</translation>
    </message>
    <message>
        <source>%1 setup file</source>
        <translation>archivo de reglaje de %1</translation>
    </message>
    <message>
        <source>holds a double quote at its start</source>
        <translation>contiene comillas dobles al principio</translation>
    </message>
    <message>
        <source>holds a double quote and starts with a blank</source>
        <translation>contiene comillas dobles y empieza por un espacio</translation>
    </message>
    <message>
        <source>holds a double quote and ends with a blank</source>
        <translation>contiene comillas dobles y termina en un espacio</translation>
    </message>
    <message>
        <source>holds both a double quote and a comma</source>
        <translation>contiene comillas dobles y una coma</translation>
    </message>
    <message>
        <source>holds both a double quote and a line break</source>
        <translation>contiene comillas dobles y un salto de línea</translation>
    </message>
    <message>
        <source>Field %1 of circuit %2 (&quot;%3&quot;) %4 (%5), which a lap record file cannot store.</source>
        <translation>El campo %1 del circuito %2 («%3») %4 (%5), algo que un archivo de tiempos no puede guardar.</translation>
    </message>
    <message>
        <source>The lap record file %1 has no circuit %2.</source>
        <translation>El archivo de tiempos %1 no tiene circuito %2.</translation>
    </message>
    <message>
        <source>The file %1 holds no GP2 directory.</source>
        <translation>El archivo %1 no contiene ningún directorio de GP2.</translation>
    </message>
    <message>
        <source>The GP2 directory cannot be saved: %1.</source>
        <translation>No se puede guardar el directorio de GP2: %1.</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>GP2 Lap Times</source>
        <translation>Tiempos de vuelta de GP2</translation>
    </message>
    <message>
        <source>Correct the filename</source>
        <translation>Corrige el nombre de archivo</translation>
    </message>
    <message>
        <source>Invalid filename. Must end in `.html`</source>
        <translation>Nombre de archivo no válido. Debe terminar en «.html»</translation>
    </message>
    <message>
        <source>Ooops!</source>
        <translation>¡Uy!</translation>
    </message>
    <message>
        <source>Cannot Export as selected Circuits are not set up</source>
        <translation>No se puede exportar: los circuitos seleccionados no están configurados</translation>
    </message>
    <message>
        <source>Nothing to print</source>
        <translation>Nada que imprimir</translation>
    </message>
    <message>
        <source>Erm.. try selecting a Trackset</source>
        <translation>Eh... prueba a elegir un grupo de circuitos</translation>
    </message>
    <message>
        <source>Ready to print</source>
        <translation>Listo para imprimir</translation>
    </message>
    <message>
        <source>Ready print with A4 paper</source>
        <translation>Se imprimirá en papel A4.</translation>
    </message>
    <message>
        <source>There are no lap times to print in the ticked tracksets.</source>
        <translation>No hay tiempos de vuelta que imprimir en los grupos marcados.</translation>
    </message>
    <message>
        <source>GP2 Lap Times - Standard Circuits</source>
        <translation>Tiempos de vuelta de GP2 - Circuitos estándar</translation>
    </message>
    <message>
        <source>GP2 Lap Times - IA Track Pack</source>
        <translation>Tiempos de vuelta de GP2 - IA Track Pack</translation>
    </message>
    <message>
        <source>GP2 Lap Times - Custom Circuits</source>
        <translation>Tiempos de vuelta de GP2 - Circuitos personalizados</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Lap Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>1.er parcial</translation>
    </message>
    <message>
        <source>+2nd Split</source>
        <translation>+2.º parcial</translation>
    </message>
    <message>
        <source>3rd Split</source>
        <translation>3.er parcial</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Reglaje</translation>
    </message>
    <message>
        <source>Standard Trackset</source>
        <translation>Circuitos estándar</translation>
    </message>
    <message>
        <source>IA Track Pack</source>
        <translation>IA Track Pack</translation>
    </message>
    <message>
        <source>Custom Circuits</source>
        <translation>Circuitos personalizados</translation>
    </message>
    <message>
        <source>LapTime</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Setup file</source>
        <translation>Archivo de reglaje</translation>
    </message>
    <message>
        <source>Velomark Home Page</source>
        <translation>Página web de Velomark</translation>
    </message>
</context>
<context>
    <name>Save</name>
    <message>
        <source>The times of %1 in %2 were changed elsewhere in Velomark after they were read here.</source>
        <translation>Los tiempos de %1 en %2 se cambiaron en otra parte de Velomark después de que se leyeran aquí.</translation>
    </message>
</context>
<context>
    <name>SaveTimes</name>
    <message>
        <source>%1 lap time</source>
        <translation>tiempo de vuelta de %1</translation>
    </message>
    <message>
        <source>%1 1st split</source>
        <translation>1.er parcial de %1</translation>
    </message>
    <message>
        <source>%1 +2nd split</source>
        <translation>+2.º parcial de %1</translation>
    </message>
    <message>
        <source>%1 3rd split</source>
        <translation>3.er parcial de %1</translation>
    </message>
    <message>
        <source>%1 notes</source>
        <translation>notas de %1</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>tiempos de %1</translation>
    </message>
    <message>
        <source>%1: set to %2</source>
        <translation>%1: se ha añadido %2</translation>
    </message>
    <message>
        <source>%1: %2 cleared</source>
        <translation>%1: se ha borrado %2</translation>
    </message>
    <message>
        <source>%1: %2 became %3</source>
        <translation>%1: %2 ha pasado a ser %3</translation>
    </message>
    <message>
        <source>%1: %2, the first time stored for this session</source>
        <translation>%1: %2, el primer tiempo guardado en esta sesión</translation>
    </message>
    <message>
        <source>%1: %2, which cannot be compared as a time with %3 of %4</source>
        <translation>%1: %2, que no se puede comparar como tiempo con el %3 del %4</translation>
    </message>
    <message>
        <source>%1: %2, which cannot be compared as a time with %3</source>
        <translation>%1: %2, que no se puede comparar como tiempo con el %3</translation>
    </message>
    <message>
        <source>%1: %2, the same time as %3 of %4</source>
        <translation>%1: %2, el mismo tiempo que el %3 del %4</translation>
    </message>
    <message>
        <source>%1: %2, the same time as %3</source>
        <translation>%1: %2, el mismo tiempo que el %3</translation>
    </message>
    <message>
        <source>%1: %2, %5 s faster than %3 of %4</source>
        <translation>%1: %2, %5 s más rápido que el %3 del %4</translation>
    </message>
    <message>
        <source>%1: %2, %5 s faster than %3</source>
        <translation>%1: %2, %5 s más rápido que el %3</translation>
    </message>
    <message>
        <source>%1: %2, %5 s slower than %3 of %4, stored as you asked</source>
        <translation>%1: %2, %5 s más lento que el %3 del %4; guardado porque lo has pedido</translation>
    </message>
    <message>
        <source>%1: %2, %5 s slower than %3, stored as you asked</source>
        <translation>%1: %2, %5 s más lento que el %3; guardado porque lo has pedido</translation>
    </message>
    <message>
        <source>Check the %1 times: its 1st split is not below its +2nd split</source>
        <translation>Revisa los tiempos de %1: el 1.er parcial no es menor que el +2.º parcial</translation>
    </message>
    <message>
        <source>Check the %1 times: its +2nd split is not below its lap time</source>
        <translation>Revisa los tiempos de %1: el +2.º parcial no es menor que el tiempo de vuelta</translation>
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
        <translation>Carrera rápida</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entrenamientos</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Carrera</translation>
    </message>
    <message>
        <source>Lap Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>1.er parcial</translation>
    </message>
    <message>
        <source>+2nd Split</source>
        <translation>+2.º parcial</translation>
    </message>
    <message>
        <source>3rd Split</source>
        <translation>3.er parcial</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>Sessions</name>
    <message>
        <source>QuickRace</source>
        <translation>Carrera rápida</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entrenamientos</translation>
    </message>
    <message>
        <source>Qualifying</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Carrera</translation>
    </message>
</context>
<context>
    <name>Tracksets</name>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Standard GP2 Circuits</source>
        <translation>Circuitos estándar de GP2</translation>
    </message>
    <message>
        <source>TrackPack</source>
        <translation>TrackPack</translation>
    </message>
    <message>
        <source>IA Track Pack Circuits</source>
        <translation>Circuitos del IA Track Pack</translation>
    </message>
    <message>
        <source>IA Track Pack</source>
        <translation>IA Track Pack</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Propios</translation>
    </message>
    <message>
        <source>User-defined Custom Circuits</source>
        <translation>Circuitos personalizados</translation>
    </message>
</context>
<context>
    <name>velomark::AboutBox</name>
    <message>
        <source>About GP2 Velomark</source>
        <translation>Acerca de GP2 Velomark</translation>
    </message>
    <message>
        <source>A car on a race track, and a chequered flag</source>
        <translation>Un coche en un circuito y una bandera a cuadros</translation>
    </message>
    <message>
        <source>Designed to allow you to record your personal best lap-times for every session at every circuit.  Now you can get out there a know what you have to beat !</source>
        <translation>Diseñado para que registres tus mejores tiempos de vuelta en cada sesión de cada circuito. ¡Ahora ya puedes salir a pista sabiendo lo que tienes que batir!</translation>
    </message>
    <message>
        <source>Free software, offered without any warranty.</source>
        <translation>Software libre, ofrecido sin ninguna garantía.</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versión %1.%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>(21st September 1998)</source>
        <extracomment>The date of the first version, written as the language writes dates.</extracomment>
        <translation>(21 de septiembre de 1998)</translation>
    </message>
    <message>
        <source>Visit my Home Page</source>
        <translation>Visita mi página web</translation>
    </message>
    <message>
        <source>Email me</source>
        <translation>Escríbeme</translation>
    </message>
</context>
<context>
    <name>velomark::BestsBoard</name>
    <message>
        <source>Bests board</source>
        <translation>Panel de mejores tiempos</translation>
    </message>
    <message>
        <source>Rival: none</source>
        <translation>Rival: ninguno</translation>
    </message>
    <message>
        <source>Rival</source>
        <translation>Rival</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Bests table</source>
        <translation>Tabla de mejores tiempos</translation>
    </message>
    <message>
        <source>Trackset filter</source>
        <translation>Filtro de grupo de circuitos</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The filter&apos;s choice that shows every trackset.</extracomment>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Compare with a rival</source>
        <translation>Comparar con un rival</translation>
    </message>
    <message>
        <source>Clear rival</source>
        <translation>Quitar rival</translation>
    </message>
    <message>
        <source>Export board</source>
        <translation>Exportar panel</translation>
    </message>
    <message>
        <source>A rival&apos;s CSV export, or a file of their data folder (%1)</source>
        <translation>Exportación CSV de un rival, o un archivo de su carpeta de datos (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Rival not read</source>
        <translation>Rival no leído</translation>
    </message>
    <message>
        <source>Rival: %1</source>
        <translation>Rival: %1</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Board not exported</source>
        <translation>Panel no exportado</translation>
    </message>
    <message>
        <source>%1 is one of the rival&apos;s files, which Velomark only reads.</source>
        <translation>%1 es uno de los archivos del rival, que Velomark solo lee.</translation>
    </message>
</context>
<context>
    <name>velomark::BoardLink</name>
    <message>
        <source>Bests</source>
        <extracomment>The button that opens the bests board.</extracomment>
        <translation>Mejores</translation>
    </message>
    <message>
        <source>Every best on one board, and a rival&apos;s beside them</source>
        <translation>Todos tus mejores tiempos en un panel, junto a los de un rival</translation>
    </message>
</context>
<context>
    <name>velomark::BoardModule</name>
    <message>
        <source>The bests board</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>El panel de mejores tiempos</translation>
    </message>
    <message>
        <source>No bests board</source>
        <translation>Sin panel de mejores tiempos</translation>
    </message>
</context>
<context>
    <name>velomark::ChartView</name>
    <message>
        <source>Stored best</source>
        <extracomment>The legend&apos;s name for the mark on each session&apos;s stored best.</extracomment>
        <translation>Mejor guardado</translation>
    </message>
    <message>
        <source>Ideal lap %1</source>
        <extracomment>The legend&apos;s name for the ideal lap&apos;s line; %1 is its lap time.</extracomment>
        <translation>Vuelta ideal %1</translation>
    </message>
    <message>
        <source>Date saved</source>
        <extracomment>The title of the chart&apos;s date axis.</extracomment>
        <translation>Fecha de guardado</translation>
    </message>
    <message>
        <source>Lap time</source>
        <extracomment>The title of the chart&apos;s time axis.</extracomment>
        <translation>Tiempo de vuelta</translation>
    </message>
    <message>
        <source>Progress chart</source>
        <translation>Gráfico de progreso</translation>
    </message>
    <message>
        <source>Lap times over the dates they were saved. Left and Right step from point to point.</source>
        <translation>Tiempos de vuelta según la fecha en que se guardaron. Las teclas Izquierda y Derecha saltan de un punto a otro.</translation>
    </message>
    <message>
        <source>Setup: %1</source>
        <translation>Reglaje: %1</translation>
    </message>
</context>
<context>
    <name>velomark::ClipboardExportWindow</name>
    <message>
        <source>Clipboard Export</source>
        <translation>Exportar al portapapeles</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Elige los grupos a exportar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>velomark::CsvExportWindow</name>
    <message>
        <source>CSV file Export</source>
        <translation>Exportar a archivo CSV</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Elige los grupos a exportar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nombre de archivo</translation>
    </message>
</context>
<context>
    <name>velomark::CustomWindow</name>
    <message>
        <source>A circuit name cannot hold a line break.</source>
        <translation>El nombre de un circuito no puede contener saltos de línea.</translation>
    </message>
    <message>
        <source>Setup Custom Circuits</source>
        <translation>Configurar circuitos personalizados</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Custom Circuit Setup</source>
        <translation>Configuración de circuitos personalizados</translation>
    </message>
    <message>
        <source>Circuit Name</source>
        <translation>Nombre del circuito</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Circuit %1 name</source>
        <translation>Nombre del circuito %1</translation>
    </message>
    <message>
        <source>Circuit %1 country</source>
        <translation>País del circuito %1</translation>
    </message>
    <message>
        <source>If you have changed a circuit for a new one, dont forget that you will need to `Clear` out the old lap times.</source>
        <extracomment>`Clear` names the lap-time editor&apos;s CLEAR button, which clears a circuit&apos;s times.</extracomment>
        <translation>Si has cambiado un circuito por otro nuevo, no olvides que tendrás que borrar sus tiempos antiguos con «BORRAR».</translation>
    </message>
    <message>
        <source>Reminder !</source>
        <translation>¡Recuerda!</translation>
    </message>
    <message>
        <source>Custom circuits not saved</source>
        <translation>Circuitos personalizados no guardados</translation>
    </message>
</context>
<context>
    <name>velomark::ExportChooser</name>
    <message>
        <source>Export Lap Times</source>
        <translation>Exportar tiempos de vuelta</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Text file (ASCII)</source>
        <translation>Archivo de texto (ASCII)</translation>
    </message>
    <message>
        <source>Web Page (HTML)</source>
        <translation>Página web (HTML)</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Portapapeles</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>Archivo CSV</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapDetailsWindow</name>
    <message>
        <source>Hot lap details</source>
        <translation>Detalles de la hot lap</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Hot lap %1</source>
        <extracomment>%1 is the name of the hot lap&apos;s file.</extracomment>
        <translation>Hot lap %1</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapImportWindow</name>
    <message>
        <source>in the data folder %1, %2</source>
        <extracomment>Why a hot lap could not be read, set after &quot;The hot lap A1.hl could not be read: &quot;; %1 is Velomark&apos;s data folder, %2 what is wrong with a working file in it.</extracomment>
        <translation>en la carpeta de datos %1, %2</translation>
    </message>
    <message>
        <source>Import Hotlap from GP2</source>
        <translation>Importar hot lap de GP2</translation>
    </message>
    <message>
        <source>Track file</source>
        <extracomment>The line naming the track-editor track a hot lap was driven on.</extracomment>
        <translation>Archivo de circuito</translation>
    </message>
    <message>
        <source>HotLaps</source>
        <extracomment>The list of GP2&apos;s hot-lap files for the circuit.</extracomment>
        <translation>Hot laps</translation>
    </message>
    <message>
        <source>Details</source>
        <extracomment>The button that shows what GP2Lap recorded about the highlighted hot lap.</extracomment>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Session</source>
        <extracomment>The session the hot lap was driven in (Practice, Qualifying, Race...).</extracomment>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Laptime</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>1.er parcial</translation>
    </message>
    <message>
        <source>2nd Split</source>
        <extracomment>The hot lap&apos;s 2nd split, as GP2Lap recorded it.</extracomment>
        <translation>2.º parcial</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuito</translation>
    </message>
    <message>
        <source>INSERT</source>
        <extracomment>The button that puts the hot lap&apos;s times into the lap-time editor.</extracomment>
        <translation>INSERTAR</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CERRAR</translation>
    </message>
    <message>
        <source>You need to set your GP2 directory. Do this by pressing `INITIALISE` on the main screen. (Remember that HOF2LAP must also be in the GP2 path.)</source>
        <extracomment>INITIALISE is the caption of the main window&apos;s button (shown there as INITIALISE !); HOF2LAP is the program that reads hot laps.</extracomment>
        <translation>Tienes que indicar tu directorio de GP2. Para ello, pulsa «¡INICIALIZAR!» en la ventana principal. (Recuerda que HOF2LAP también tiene que estar en la ruta de GP2.)</translation>
    </message>
    <message>
        <source>Cannot access GP2 directory.</source>
        <translation>No se puede acceder al directorio de GP2.</translation>
    </message>
    <message>
        <source>Hot lap not read</source>
        <translation>Hot lap no leída</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <extracomment>In place of the name of a track-editor track that names none.</extracomment>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>Driven on the track-editor track %1, loaded into slot %2.</source>
        <extracomment>%1 is the name of a track made with GP2&apos;s track editor, %2 the circuit slot (1 to 16) it was loaded into.</extracomment>
        <translation>Rodada en el circuito %1 del editor de circuitos, cargado en la posición %2.</translation>
    </message>
    <message>
        <source>The hot lap %1 could not be read: %2.</source>
        <translation>No se ha podido leer la hot lap %1: %2.</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapTable</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Circuit</source>
        <translation>Circuito</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Lap Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>1st Split</source>
        <translation>1.er parcial</translation>
    </message>
    <message>
        <source>+2nd Split</source>
        <extracomment>The 2nd split counted from the start of the lap.</extracomment>
        <translation>+2.º parcial</translation>
    </message>
    <message>
        <source>Saved</source>
        <extracomment>When GP2 saved the hot lap&apos;s file.</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Stored</source>
        <extracomment>Your best lap time stored for the circuit and session.</extracomment>
        <translation>Tu mejor</translation>
    </message>
    <message>
        <source>Faster by</source>
        <translation>Mejora</translation>
    </message>
    <message>
        <source>Clean</source>
        <extracomment>Whether the lap was clean (not off track, not through the pits...), or why not.</extracomment>
        <translation>Limpia</translation>
    </message>
    <message>
        <source>a track-editor track: compare with TrackPack or Custom</source>
        <translation>un circuito del editor de circuitos: compara con TrackPack o Propios</translation>
    </message>
    <message>
        <source>no best yet</source>
        <translation>aún sin mejor tiempo</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsCorner</name>
    <message>
        <source>Hot
laps</source>
        <extracomment>The button&apos;s caption on two lines, so that it fits its narrow place.</extracomment>
        <translation>Hot
laps</translation>
    </message>
    <message>
        <source>Hot laps</source>
        <translation>Hot laps</translation>
    </message>
    <message>
        <source>Every hot lap in gpsaves against your bests</source>
        <translation>Todas las hot laps de gpsaves frente a tus mejores tiempos</translation>
    </message>
    <message>
        <source>Click to put this line away</source>
        <translation>Haz clic para ocultar esta línea</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsModule</name>
    <message>
        <source>The Hot laps window</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>La ventana Hot laps</translation>
    </message>
    <message>
        <source>No Hot laps window</source>
        <translation>Sin ventana Hot laps</translation>
    </message>
</context>
<context>
    <name>velomark::HotlapsWindow</name>
    <message>
        <source>The saves folder %1 is missing; Velomark looks for it again every few seconds.</source>
        <translation>La carpeta de guardado %1 no existe; Velomark vuelve a buscarla cada pocos segundos.</translation>
    </message>
    <message>
        <source>The saves folder %1 is not a folder; Velomark looks for it again every few seconds.</source>
        <translation>La carpeta de guardado %1 no es una carpeta; Velomark vuelve a buscarla cada pocos segundos.</translation>
    </message>
    <message>
        <source>The saves folder %1 cannot be read; Velomark tries it again every few seconds.</source>
        <translation>No se puede leer la carpeta de guardado %1; Velomark lo vuelve a intentar cada pocos segundos.</translation>
    </message>
    <message>
        <source>The saves folder %1 cannot be read (%2); Velomark tries it again every few seconds.</source>
        <extracomment>%2 is the system&apos;s reason, in the system&apos;s words.</extracomment>
        <translation>No se puede leer la carpeta de guardado %1 (%2); Velomark lo vuelve a intentar cada pocos segundos.</translation>
    </message>
    <message>
        <source>Hot laps in GP2</source>
        <translation>Hot laps de GP2</translation>
    </message>
    <message>
        <source>Saves folder</source>
        <translation>Carpeta de guardado</translation>
    </message>
    <message>
        <source>Hot lap files</source>
        <translation>Archivos de hot laps</translation>
    </message>
    <message>
        <source>Hot laps read</source>
        <translation>Hot laps leídas</translation>
    </message>
    <message>
        <source>Hot laps counted</source>
        <translation>Recuento de hot laps</translation>
    </message>
    <message>
        <source>Hot laps taken</source>
        <translation>Hot laps importadas</translation>
    </message>
    <message>
        <source>Show details</source>
        <translation>Ver detalles</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <extracomment>%1 is a column&apos;s heading.</extracomment>
        <translation>Ordenar por %1</translation>
    </message>
    <message>
        <source>Compare with the bests of</source>
        <extracomment>Followed by the three tracksets to choose from.</extracomment>
        <translation>Comparar con los mejores tiempos de</translation>
    </message>
    <message>
        <source>Take selected</source>
        <translation>Importar selección</translation>
    </message>
    <message>
        <source>Take all faster</source>
        <translation>Importar más rápidas</translation>
    </message>
    <message>
        <source>Only clean laps</source>
        <translation>Solo vueltas limpias</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Set your GP2 directory first: press INITIALISE ! on the main window, type the folder GP2 is installed in into its lower field and press Set GP2 path.</source>
        <extracomment>INITIALISE ! and Set GP2 path are the captions of the buttons to press.</extracomment>
        <translation>Primero indica tu directorio de GP2: pulsa ¡INICIALIZAR! en la ventana principal, escribe en su campo inferior la carpeta donde está instalado GP2 y pulsa Fijar ruta GP2.</translation>
    </message>
    <message>
        <source>The hot laps in %1</source>
        <translation>Las hot laps de %1</translation>
    </message>
    <message>
        <source>Reading %1 hot laps...</source>
        <translation>Leyendo %1 hot laps...</translation>
    </message>
    <message>
        <source>%1 hot lap, %2 faster than your best</source>
        <translation>%1 hot lap, %2 por debajo de tu mejor tiempo</translation>
    </message>
    <message>
        <source>%1 hot laps, %2 faster than your best</source>
        <translation>%1 hot laps, %2 por debajo de tu mejor tiempo</translation>
    </message>
    <message numerus="yes">
        <source>; %n cannot be read (the Session column says why)</source>
        <extracomment>Follows &quot;N hot laps, N faster than your best&quot;.</extracomment>
        <translation>
            <numerusform>; %n no se puede leer (la columna Sesión indica por qué)</numerusform>
            <numerusform>; %n no se pueden leer (la columna Sesión indica por qué)</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 more name matching *.hl? is no file and is left out</source>
        <extracomment>Follows &quot;N hot laps, N faster than your best&quot;.</extracomment>
        <translation>; se omite %1 nombre más que coincide con *.hl? y no es un archivo</translation>
    </message>
    <message>
        <source>; %1 more names matching *.hl? are no files and are left out</source>
        <translation>; se omiten %1 nombres más que coinciden con *.hl? y no son archivos</translation>
    </message>
    <message>
        <source>Select the rows of the hot laps to take first.</source>
        <translation>Selecciona primero las filas de las hot laps que quieres importar.</translation>
    </message>
    <message>
        <source>No clean hot lap is faster than your best. Left out as not clean:
%1</source>
        <extracomment>%1 is a list of hot laps, one a line, each with why it is not clean.</extracomment>
        <translation>Ninguna hot lap limpia es más rápida que tu mejor tiempo. Omitidas por no ser limpias:
%1</translation>
    </message>
    <message>
        <source>No hot lap is faster than your best.</source>
        <translation>Ninguna hot lap es más rápida que tu mejor tiempo.</translation>
    </message>
    <message>
        <source>A hot lap driven on a track-editor track is never stored as a Standard circuit&apos;s: choose TrackPack or Custom above.</source>
        <translation>Una hot lap rodada en un circuito del editor de circuitos nunca se guarda como la de un circuito Estándar: elige TrackPack o Propios arriba.</translation>
    </message>
    <message>
        <source>None of the selected hot laps holds the lap time of a session Velomark keeps.</source>
        <translation>Ninguna de las hot laps seleccionadas contiene el tiempo de vuelta de una sesión que Velomark guarde.</translation>
    </message>
    <message>
        <source>Store this time in your lap records?</source>
        <translation>¿Guardar este tiempo en tus registros?</translation>
    </message>
    <message>
        <source>Store these %1 times in your lap records?</source>
        <translation>¿Guardar estos %1 tiempos en tus registros?</translation>
    </message>
    <message>
        <source>A time that is not faster than your best is stored only because you selected it.</source>
        <translation>Un tiempo que no mejora tu mejor tiempo se guarda solo porque lo has seleccionado.</translation>
    </message>
    <message>
        <source>This lap is not clean; the list says why.</source>
        <translation>Esta vuelta no es limpia; la lista indica por qué.</translation>
    </message>
    <message>
        <source>The list says why a lap is not clean.</source>
        <translation>La lista indica por qué una vuelta no es limpia.</translation>
    </message>
    <message>
        <source>1 faster hot lap is left out as not clean; it ends the list.</source>
        <translation>Se omite 1 hot lap más rápida por no ser limpia; aparece al final de la lista.</translation>
    </message>
    <message>
        <source>%1 faster hot laps are left out as not clean; they end the list.</source>
        <translation>Se omiten %1 hot laps más rápidas por no ser limpias; aparecen al final de la lista.</translation>
    </message>
    <message>
        <source>Left out, not clean: %1</source>
        <extracomment>%1 is a hot lap&apos;s file and why the lap is not clean.</extracomment>
        <translation>Omitida por no ser limpia: %1</translation>
    </message>
    <message>
        <source>Take hot laps</source>
        <translation>Importar hot laps</translation>
    </message>
    <message>
        <source>Storing hot lap %1 of %2...</source>
        <translation>Guardando hot lap %1 de %2...</translation>
    </message>
    <message>
        <source>Times not saved</source>
        <translation>Tiempos no guardados</translation>
    </message>
    <message>
        <source>%1, saved, but the history was not updated: %2</source>
        <extracomment>%1 is the circuit, %2 why the history file was not written.</extracomment>
        <translation>%1: guardado, pero el historial no se actualizó: %2</translation>
    </message>
</context>
<context>
    <name>velomark::HtmlExportWindow</name>
    <message>
        <source>HTML Export</source>
        <translation>Exportar a HTML</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Elige los grupos a exportar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>The field for the title of the web page.</extracomment>
        <translation>Título</translation>
    </message>
</context>
<context>
    <name>velomark::InitWindow</name>
    <message>
        <source>Initialise Datafiles</source>
        <translation>Inicializar archivos de datos</translation>
    </message>
    <message>
        <source>Standard GP2 Circuits</source>
        <translation>Circuitos estándar de GP2</translation>
    </message>
    <message>
        <source>IA Track Pack Circuits</source>
        <translation>Circuitos del IA Track Pack</translation>
    </message>
    <message>
        <source>Custom Circuits</source>
        <translation>Circuitos personalizados</translation>
    </message>
    <message>
        <source>Do it !</source>
        <translation>¡Adelante!</translation>
    </message>
    <message>
        <source>This will erase all your lap records for selected Tracksets. Use with care.</source>
        <translation>Esto borrará todos tus tiempos guardados de los grupos seleccionados. Úsalo con cuidado.</translation>
    </message>
    <message>
        <source>GP2 directory</source>
        <translation>Directorio de GP2</translation>
    </message>
    <message>
        <source>Set GP2 path</source>
        <extracomment>The Hot laps window tells the player to press this button by its caption.</extracomment>
        <translation>Fijar ruta GP2</translation>
    </message>
    <message>
        <source>Datafile Initialisation</source>
        <translation>Inicialización de archivos de datos</translation>
    </message>
    <message>
        <source>Are you sure you want to initialise your lap times ?</source>
        <translation>¿Seguro que quieres inicializar tus tiempos de vuelta?</translation>
    </message>
    <message>
        <source>Datafile Initialised</source>
        <translation>Archivos de datos inicializados</translation>
    </message>
    <message>
        <source>Its all gone.</source>
        <translation>Se ha borrado todo.</translation>
    </message>
    <message>
        <source>GP2 directory not saved</source>
        <translation>Directorio de GP2 no guardado</translation>
    </message>
</context>
<context>
    <name>velomark::InstanceLock</name>
    <message>
        <source>I`m already running! </source>
        <translation>¡Ya estoy en marcha! </translation>
    </message>
</context>
<context>
    <name>velomark::LanguageChoice</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>The About box&apos;s choice of the language Velomark speaks.</extracomment>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Desktop&apos;s</source>
        <extracomment>Follow the language of the desktop (the system&apos;s display language).</extracomment>
        <translation>Del escritorio</translation>
    </message>
    <message>
        <source>From its next start Velomark speaks the desktop&apos;s language.</source>
        <translation>A partir del próximo inicio, Velomark se mostrará en el idioma del escritorio.</translation>
    </message>
    <message>
        <source>From its next start Velomark speaks %1.</source>
        <translation>A partir del próximo inicio, Velomark se mostrará en %1.</translation>
    </message>
</context>
<context>
    <name>velomark::LapTimeEditor</name>
    <message>
        <source>Lap Time Data</source>
        <translation>Datos de tiempos de vuelta</translation>
    </message>
    <message>
        <source>PROGRESS</source>
        <extracomment>The button that opens the chart of the circuit&apos;s saved lap times over time.</extracomment>
        <translation>PROGRESO</translation>
    </message>
    <message>
        <source>Progress chart of this circuit</source>
        <translation>Gráfico de progreso de este circuito</translation>
    </message>
    <message>
        <source>Your saved lap times at this circuit over time.</source>
        <translation>La evolución de tus tiempos de vuelta guardados en este circuito.</translation>
    </message>
    <message>
        <source>Hold a mouse button here to see the 2nd split alone.</source>
        <translation>Mantén pulsado aquí un botón del ratón para ver solo el 2.º parcial.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A field&apos;s name, also in messages about it: %1 is its row (&quot;Practice&quot;), %2 its column (&quot;Lap Time&quot;).</extracomment>
        <translation>%2 de %1</translation>
    </message>
    <message>
        <source>This is an accumulated split time.</source>
        <translation>Este es un tiempo parcial acumulado.</translation>
    </message>
    <message>
        <source>+/-</source>
        <extracomment>Plus or minus: the label clicked to see the time differences between Practice and Qualifying.</extracomment>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Click with Left or Right mouse button to see time differences.</source>
        <translation>Haz clic con el botón izquierdo o derecho del ratón para ver las diferencias de tiempo.</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <extracomment>The button that imports a hot lap from GP2.</extracomment>
        <translation>IMPORTAR</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <extracomment>The button that empties every field of the window.</extracomment>
        <translation>BORRAR</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CERRAR</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>%1 Press INITIALISE ! on the main screen to create the lap record files.</source>
        <extracomment>%1 is why the lap record file cannot be read; INITIALISE ! is the caption of the main window&apos;s button.</extracomment>
        <translation>%1 Pulsa ¡INICIALIZAR! en la ventana principal para crear los archivos de tiempos.</translation>
    </message>
    <message>
        <source>%1 The file was left as it is.</source>
        <extracomment>%1 is why the lap record file cannot be read.</extracomment>
        <translation>%1 El archivo se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>Lap times not found</source>
        <translation>Tiempos de vuelta no encontrados</translation>
    </message>
    <message>
        <source>Correct Error under cursor</source>
        <extracomment>A lap time or split that is not a time; the cursor is in its session&apos;s lap time.</extracomment>
        <translation>Corrige el error donde está el cursor</translation>
    </message>
    <message>
        <source>Error !</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>The differences need the 1st and +2nd splits of both sessions, written as times (and the 3rd splits, where both are filled).</source>
        <translation>Para ver las diferencias hacen falta el 1.er y el +2.º parcial de ambas sesiones, escritos como tiempos (y el 3.er parcial, si está relleno en las dos).</translation>
    </message>
    <message>
        <source>2nd Split</source>
        <extracomment>The +2nd Split column&apos;s header while a mouse button is held on it: the fields then show the 2nd split alone, not added to the 1st.</extracomment>
        <translation>2.º parcial</translation>
    </message>
    <message>
        <source>The 2nd split alone needs the 1st split and the +2nd split written as times.</source>
        <translation>Para ver solo el 2.º parcial hacen falta el 1.er parcial y el +2.º parcial escritos como tiempos.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a field (&quot;Practice Notes&quot;), %2 why its text cannot be stored.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Times not saved</source>
        <translation>Tiempos no guardados</translation>
    </message>
    <message>
        <source>the %1</source>
        <extracomment>One of the things changed both here and elsewhere: %1 is &quot;Qualifying times&quot;, &quot;Race notes&quot; and the like.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of things changed: &quot;the Practice times, the Qualifying times and the Race notes&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Keep both</source>
        <extracomment>A button of the question &quot;Times changed elsewhere&quot;: store both sides&apos; changes.</extracomment>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <extracomment>A button of the question &quot;Times changed elsewhere&quot;: store the window&apos;s times over the new ones.</extracomment>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Go back to the stored times</source>
        <translation>Volver a los tiempos guardados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Keep both: your changes are stored over the new times.</source>
        <extracomment>Keep both is the caption of the button this line explains.</extracomment>
        <translation>Conservar ambos: tus cambios se guardan sobre los tiempos nuevos.</translation>
    </message>
    <message>
        <source>You changed %1 here as well: only one of the two can be kept.</source>
        <extracomment>%1 is what was changed both here and elsewhere (&quot;the Qualifying times&quot;).</extracomment>
        <translation>Esto también lo has cambiado aquí: %1. Solo se puede conservar una de las dos versiones.</translation>
    </message>
    <message>
        <source>Overwrite: the times in this window replace the new ones.</source>
        <extracomment>Overwrite is the caption of the button this line explains.</extracomment>
        <translation>Sobrescribir: los tiempos de esta ventana sustituyen a los nuevos.</translation>
    </message>
    <message>
        <source>Go back: the window shows the stored times and your changes are dropped.</source>
        <extracomment>Go back stands for the button &quot;Go back to the stored times&quot;, which this line explains.</extracomment>
        <translation>Volver: la ventana muestra los tiempos guardados y se descartan tus cambios.</translation>
    </message>
    <message>
        <source>Changed elsewhere:</source>
        <extracomment>Heads the list of the fields changed in the file since the window read it.</extracomment>
        <translation>Cambiado en otro lugar:</translation>
    </message>
    <message>
        <source>Changed by you:</source>
        <extracomment>Heads the list of the fields changed in the window.</extracomment>
        <translation>Cambiado por ti:</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>The list of the fields changed in the window is empty.</extracomment>
        <translation>nada</translation>
    </message>
    <message>
        <source>Times changed elsewhere</source>
        <translation>Tiempos cambiados en otro lugar</translation>
    </message>
    <message>
        <source>Your times are saved, but the history was not updated: %1</source>
        <extracomment>%1 is why the history file was not written.</extracomment>
        <translation>Tus tiempos se han guardado, pero el historial no se actualizó: %1</translation>
    </message>
    <message>
        <source>Nothing was saved: your times are still in the window.</source>
        <translation>No se ha guardado nada: tus tiempos siguen en la ventana.</translation>
    </message>
    <message>
        <source>Nothing was saved: your changes were dropped, and the window shows the stored times.</source>
        <translation>No se ha guardado nada: se han descartado tus cambios y la ventana muestra los tiempos guardados.</translation>
    </message>
    <message>
        <source>%1 Your times are still in the window; press SAVE again once this is put right.</source>
        <extracomment>%1 is why the lap record file was not written; SAVE is the caption of the button.</extracomment>
        <translation>%1 Tus tiempos siguen en la ventana; pulsa GUARDAR de nuevo cuando lo hayas solucionado.</translation>
    </message>
    <message>
        <source>Clear all Entries</source>
        <translation>Borrar todos los campos</translation>
    </message>
    <message>
        <source>This will clear your times for this track, but this will only be permanent if you Save. Are you sure ?</source>
        <translation>Esto borrará tus tiempos de este circuito, pero solo será definitivo si pulsas GUARDAR. ¿Seguro que quieres continuar?</translation>
    </message>
</context>
<context>
    <name>velomark::LoadedModule</name>
    <message>
        <source>%1 needs the module %2, which could not be loaded: %3.</source>
        <extracomment>%1 is what needs the module (&quot;The progress chart&quot;), %2 the module&apos;s file, %3 the system&apos;s reason, in the system&apos;s words.</extracomment>
        <translation>%1 necesita el módulo %2, que no se pudo cargar: %3.</translation>
    </message>
    <message>
        <source>%1 needs the module %2, which is missing from the folder %3; installing Velomark again brings it back.</source>
        <extracomment>%1 is what needs the module (&quot;The progress chart&quot;), %2 the module&apos;s name, %3 the program&apos;s folder.</extracomment>
        <translation>%1 necesita el módulo %2, que falta en la carpeta %3; si vuelves a instalar Velomark, se restaurará.</translation>
    </message>
</context>
<context>
    <name>velomark::MainWindow</name>
    <message>
        <source>About Velomark</source>
        <translation>Acerca de Velomark</translation>
    </message>
    <message>
        <source>Trackset</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Select Trackset</source>
        <translation>Elige un grupo de circuitos</translation>
    </message>
    <message>
        <source>Set up custom circuits</source>
        <translation>Configurar circuitos personalizados</translation>
    </message>
    <message>
        <source>INITIALISE !</source>
        <extracomment>The Hot laps window tells the player to press this button by its caption.</extracomment>
        <translation>¡INICIALIZAR!</translation>
    </message>
    <message>
        <source>Initialise datafiles !</source>
        <translation>¡Inicializar archivos de datos!</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Agradecimientos</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>The button that opens the export chooser.</extracomment>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Print Lap Times</source>
        <translation>Imprimir tiempos de vuelta</translation>
    </message>
    <message>
        <source>&quot;The meek may inherit the Earth.  They just better stay the hell off the track&quot;</source>
        <extracomment>A quotation shown at the foot of the main window.</extracomment>
        <translation>«Los mansos heredarán la Tierra. Pero que no se les ocurra pisar la puñetera pista»</translation>
    </message>
    <message>
        <source>Ooops!</source>
        <translation>¡Uy!</translation>
    </message>
    <message>
        <source>You need to set up some circuits first. Press the `?` button to do this</source>
        <translation>Primero tienes que configurar algunos circuitos. Pulsa el botón «?» para hacerlo</translation>
    </message>
</context>
<context>
    <name>velomark::PrintSink</name>
    <message>
        <source>The printer %1 did not take &quot;%2&quot;.</source>
        <extracomment>%1 is the printer&apos;s name, %2 the document&apos;s.</extracomment>
        <translation>La impresora %1 no aceptó «%2».</translation>
    </message>
    <message>
        <source>The file %1 could not be drawn.</source>
        <translation>No se pudo generar el archivo %1.</translation>
    </message>
    <message>
        <source>Printing</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>La impresión</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two of a list of files: &quot;a&quot;, &quot;b&quot; and &quot;c&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>No printer is installed, so the lap times were saved as %1 in the folder %2.</source>
        <extracomment>%1 is the list of the PDF files written, %2 the folder they are in.</extracomment>
        <translation>No hay ninguna impresora instalada, así que los tiempos de vuelta se guardaron como %1 en la carpeta %2.</translation>
    </message>
</context>
<context>
    <name>velomark::PrintWindow</name>
    <message>
        <source>Print Lap Times</source>
        <translation>Imprimir tiempos de vuelta</translation>
    </message>
    <message>
        <source>Choose Trackset to print</source>
        <translation>Elige los grupos a imprimir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Lap times not printed</source>
        <translation>Tiempos de vuelta no impresos</translation>
    </message>
</context>
<context>
    <name>velomark::ProgressModule</name>
    <message>
        <source>The progress chart</source>
        <extracomment>The start of a sentence: &quot;... needs the module ..., which is missing&quot;.</extracomment>
        <translation>El gráfico de progreso</translation>
    </message>
    <message>
        <source>No progress chart</source>
        <translation>Sin gráfico de progreso</translation>
    </message>
</context>
<context>
    <name>velomark::ProgressWindow</name>
    <message>
        <source>Progress - %1</source>
        <extracomment>%1 is the circuit&apos;s name and country.</extracomment>
        <translation>Progreso - %1</translation>
    </message>
    <message>
        <source>Progress of the lap times at %1</source>
        <extracomment>%1 is the circuit&apos;s name and country.</extracomment>
        <translation>Progreso de los tiempos de vuelta en %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No lap time of this circuit has been saved since Velomark began keeping its history, so there is no progress to draw yet.</source>
        <translation>No se ha guardado ningún tiempo de vuelta de este circuito desde que Velomark empezó a llevar su historial, así que aún no hay progreso que mostrar.</translation>
    </message>
    <message>
        <source>Hover over a point to see its time, date and setup; on the chart, Left and Right step from point to point.</source>
        <translation>Pasa el ratón sobre un punto para ver su tiempo, fecha y reglaje; en el gráfico, las teclas Izquierda y Derecha saltan de un punto a otro.</translation>
    </message>
    <message>
        <source>The history is long, so only its last 64 MB were read.</source>
        <translation>El historial es muy largo, así que solo se han leído sus últimos 64 MB.</translation>
    </message>
</context>
<context>
    <name>velomark::ReportWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Lap times not exported</source>
        <translation>Tiempos de vuelta no exportados</translation>
    </message>
</context>
<context>
    <name>velomark::ScreenExportWindow</name>
    <message>
        <source>Export to Screen</source>
        <translation>Exportar a pantalla</translation>
    </message>
    <message>
        <source>Choose Trackset to view</source>
        <translation>Elige los grupos a ver</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
</context>
<context>
    <name>velomark::ScreenView</name>
    <message>
        <source>Viewing Lap Times</source>
        <translation>Vista de tiempos de vuelta</translation>
    </message>
    <message>
        <source>Lap times report</source>
        <translation>Informe de tiempos de vuelta</translation>
    </message>
</context>
<context>
    <name>velomark::SlotChoiceWindow</name>
    <message>
        <source>Insert into which slot ?</source>
        <translation>¿Insertar en qué casilla?</translation>
    </message>
    <message>
        <source>Race</source>
        <extracomment>The session the race lap is stored as.</extracomment>
        <translation>Carrera</translation>
    </message>
    <message>
        <source>Quickrace</source>
        <extracomment>The session the race lap is stored as.</extracomment>
        <translation>Carrera rápida</translation>
    </message>
</context>
<context>
    <name>velomark::StorableTextValidator</name>
    <message>
        <source>The character %1 cannot be stored in Velomark&apos;s files.</source>
        <translation>El carácter %1 no se puede guardar en los archivos de Velomark.</translation>
    </message>
    <message>
        <source>A double quote (&quot;) cannot be stored in Velomark&apos;s files.</source>
        <translation>Las comillas dobles (&quot;) no se pueden guardar en los archivos de Velomark.</translation>
    </message>
</context>
<context>
    <name>velomark::TextExportWindow</name>
    <message>
        <source>Text file Export</source>
        <translation>Exportar a archivo de texto</translation>
    </message>
    <message>
        <source>Choose Trackset to export</source>
        <translation>Elige los grupos a exportar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nombre de archivo</translation>
    </message>
</context>
<context>
    <name>velomark::WaitWindow</name>
    <message>
        <source>Extracting.....</source>
        <translation>Extrayendo.....</translation>
    </message>
</context>
</TS>
