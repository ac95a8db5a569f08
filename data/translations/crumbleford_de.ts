<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>settings</name>
    <message>
        <source>LANGUAGE</source>
        <translation>LANGUAGE</translation>
    </message>
</context>
<!-- Help pages and credits follow: drawn into the atlas at build time. -->
<context>
    <name>help</name>
    <message>
        <source>HOW TO PLAY</source>
        <translation>SO WIRD GESPIELT</translation>
    </message>
    <message>
        <source>Bring every character into an exit portal.</source>
        <translation>Bring jede Figur in ein Ausgangsportal.</translation>
    </message>
    <message>
        <source>walk left / right</source>
        <translation>nach links / rechts gehen</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>springen</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>open a door; leave by an exit of your colour</source>
        <translation>Tür öffnen; durch einen Ausgang deiner Farbe hinaus</translation>
    </message>
    <message>
        <source>switch character: every one must leave</source>
        <translation>Figur wechseln: alle müssen hinaus</translation>
    </message>
    <message>
        <source>draw from your stock next to you</source>
        <translation>aus deinem Vorrat neben dich zeichnen</translation>
    </message>
    <message>
        <source>steer with the on-screen pad</source>
        <translation>mit dem Steuerkreuz am Bildschirm lenken</translation>
    </message>
    <message>
        <source>scroll around the level</source>
        <translation>durch das Level scrollen</translation>
    </message>
    <message>
        <source>zoom in / zoom out</source>
        <translation>hinein- / herauszoomen</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>pause: resume, restart or leave</source>
        <translation>Pause: weiter, neu starten oder verlassen</translation>
    </message>
    <message>
        <source>rewind two seconds of play</source>
        <translation>zwei Sekunden zurückspulen</translation>
    </message>
    <message>
        <source>sound off / on</source>
        <translation>Ton aus / an</translation>
    </message>
    <message>
        <source>make your own levels (main menu)</source>
        <translation>eigene Level bauen (Hauptmenü)</translation>
    </message>
    <message>
        <source>THE WORLD</source>
        <translation>DIE WELT</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Solid ground in its colour. It never moves.</source>
        <translation>Fester Boden in seiner Farbe. Er bewegt sich nie.</translation>
    </message>
    <message>
        <source>Patterned block</source>
        <translation>Gemusterter Block</translation>
    </message>
    <message>
        <source>Frames every level. No bomb can break it.</source>
        <translation>Umrahmt jedes Level. Keine Bombe sprengt ihn.</translation>
    </message>
    <message>
        <source>Falling block</source>
        <translation>Fallender Block</translation>
    </message>
    <message>
        <source>Drops until something holds it; pushes what is below.</source>
        <translation>Fällt, bis ihn etwas hält; schiebt, was darunter ist.</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Wolke</translation>
    </message>
    <message>
        <source>Up or down it carries you; sideways it only pushes.</source>
        <translation>Auf und ab trägt sie dich; seitwärts schiebt sie nur.</translation>
    </message>
    <message>
        <source>Spikes</source>
        <translation>Stacheln</translation>
    </message>
    <message>
        <source>Deadly to their colour: jump over them.</source>
        <translation>Tödlich für ihre Farbe: spring darüber.</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>Bombe</translation>
    </message>
    <message>
        <source>Drawn onto a block of its colour, it breaks it.</source>
        <translation>Auf einen Block ihrer Farbe gezeichnet, sprengt sie ihn.</translation>
    </message>
    <message>
        <source>The blast</source>
        <translation>Die Explosion</translation>
    </message>
    <message>
        <source>Stand clear: it kills a character of its colour.</source>
        <translation>Abstand halten: Sie tötet jede Figur ihrer Farbe.</translation>
    </message>
    <message>
        <source>The colour rule</source>
        <translation>Die Farbregel</translation>
    </message>
    <message>
        <source>A character only touches blocks</source>
        <translation>Eine Figur berührt nur Blöcke,</translation>
    </message>
    <message>
        <source>that share its colour and mark;</source>
        <translation>die ihre Farbe und ihr Zeichen tragen;</translation>
    </message>
    <message>
        <source>white touches all.</source>
        <translation>Weiß berührt alle.</translation>
    </message>
    <message>
        <source>PAD AND MENUS</source>
        <translation>GAMEPAD UND MENÜS</translation>
    </message>
    <message>
        <source>IN A LEVEL</source>
        <translation>IM LEVEL</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>gehen</translation>
    </message>
    <message>
        <source>door</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>switch character</source>
        <translation>Figur wechseln</translation>
    </message>
    <message>
        <source>back (in menus)</source>
        <translation>zurück (in Menüs)</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>drawing mode</source>
        <translation>Zeichenmodus</translation>
    </message>
    <message>
        <source>rewind</source>
        <translation>zurückspulen</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>zoomen</translation>
    </message>
    <message>
        <source>look around</source>
        <translation>umschauen</translation>
    </message>
    <message>
        <source>MENUS</source>
        <translation>MENÜS</translation>
    </message>
    <message>
        <source>move</source>
        <translation>bewegen</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>choose</source>
        <translation>wählen</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>back</source>
        <translation>zurück</translation>
    </message>
    <message>
        <source>DRAWING MODE</source>
        <translation>ZEICHENMODUS</translation>
    </message>
    <message>
        <source>slot</source>
        <translation>Fach</translation>
    </message>
    <message>
        <source>place</source>
        <translation>setzen</translation>
    </message>
    <message>
        <source>leave</source>
        <translation>beenden</translation>
    </message>
    <message>
        <source>On the map, Esc goes back to the title.</source>
        <translation>Auf der Karte führt Esc zurück zum Titelbild.</translation>
    </message>
</context>
<context>
    <name>credits</name>
    <message>
        <source>made by the Crumbleford team</source>
        <translation>ein Spiel des Crumbleford-Teams</translation>
    </message>
    <message>
        <source>art drawn by our own generator</source>
        <translation>Grafik von unserem eigenen Generator</translation>
    </message>
    <message>
        <source>font: DejaVu Sans</source>
        <translation>Schrift: DejaVu Sans</translation>
    </message>
    <message>
        <source>thanks for playing</source>
        <translation>danke fürs Spielen</translation>
    </message>
</context>
</TS>
