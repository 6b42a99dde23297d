<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>LanguageChoice</name>
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
    <name>Velomark</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language (de, fr, it, es, nl), which an HTML report declares.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
