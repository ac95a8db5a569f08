<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>controls</name>
    <message>
        <source>%1 HAS NO PAD BUTTON</source>
        <translation>%1 HAT KEINE PAD-TASTE</translation>
    </message>
    <message>
        <source>PRESS A KEY FOR %1</source>
        <translation>TASTE FÜR %1 DRÜCKEN</translation>
    </message>
    <message>
        <source>PRESS A PAD BUTTON FOR %1</source>
        <translation>PAD-TASTE FÜR %1 DRÜCKEN</translation>
    </message>
    <message>
        <source>IN USE NOW BUT THE SETTINGS FILE IS NOT WRITTEN</source>
        <translation>AKTIV, ABER NICHT GESPEICHERT</translation>
    </message>
    <message>
        <source>DEFAULTS ARE BACK</source>
        <translation>STANDARD IST ZURÜCK</translation>
    </message>
    <message>
        <source>PRESS A KEY</source>
        <translation>TASTE DRÜCKEN</translation>
    </message>
    <message>
        <source>PRESS A BUTTON</source>
        <translation>KNOPF DRÜCKEN</translation>
    </message>
    <message>
        <source>CONTROLS</source>
        <translation>STEUERUNG</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>TASTEN</translation>
    </message>
    <message>
        <source>PAD</source>
        <translation>PAD</translation>
    </message>
    <message>
        <source>RESET TO DEFAULTS</source>
        <translation>ALLES ZURÜCKSETZEN</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRUCH</translation>
    </message>
    <message>
        <source>THIS KEY CANNOT BE USED</source>
        <translation>DIESE TASTE GEHT NICHT</translation>
    </message>
    <message>
        <source>ALREADY USED BY %1</source>
        <translation>SCHON BELEGT: %1</translation>
    </message>
    <message>
        <source>NEEDED IN MENUS</source>
        <translation>IN MENÜS NÖTIG</translation>
    </message>
    <message>
        <source>THIS CANNOT BE BOUND</source>
        <translation>NICHT BELEGBAR</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>UNDO</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>REDO</source>
        <translation>VOR</translation>
    </message>
    <message>
        <source>TRY</source>
        <translation>TEST</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SICHERN</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ÖFFNEN</translation>
    </message>
    <message>
        <source>W%1</source>
        <translation>B%1</translation>
    </message>
    <message>
        <source>H%1</source>
        <translation>H%1</translation>
    </message>
    <message>
        <source>NEW LEVEL</source>
        <translation>NEUES LEVEL</translation>
    </message>
    <message>
        <source>%1 CHANGED</source>
        <translation>%1 GEÄNDERT</translation>
    </message>
    <message>
        <source>STOCK</source>
        <translation>VORRAT</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NICHTS</translation>
    </message>
    <message>
        <source>UNSAVED CHANGES</source>
        <translation>NICHT GESPEICHERT</translation>
    </message>
    <message>
        <source>LEAVE</source>
        <translation>BEENDEN</translation>
    </message>
    <message>
        <source>STAY</source>
        <translation>BLEIBEN</translation>
    </message>
    <message>
        <source>NAME %1</source>
        <translation>NAME %1</translation>
    </message>
    <message>
        <source>BEFORE YOU TRY</source>
        <translation>VOR DEM TEST</translation>
    </message>
    <message>
        <source>TRY ANYWAY</source>
        <translation>TROTZDEM TESTEN</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>WHITE</source>
        <translation>WEISS</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>ROT</translation>
    </message>
    <message>
        <source>GREEN</source>
        <translation>GRÜN</translation>
    </message>
    <message>
        <source>BLUE</source>
        <translation>BLAU</translation>
    </message>
    <message>
        <source>BLOCK</source>
        <translation>BLOCK</translation>
    </message>
    <message>
        <source>SPIKES</source>
        <translation>STACHELN</translation>
    </message>
    <message>
        <source>CLOUD</source>
        <translation>WOLKE</translation>
    </message>
    <message>
        <source>FALLING</source>
        <translation>FALLEND</translation>
    </message>
    <message>
        <source>BOMB</source>
        <translation>BOMBE</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>COLOUR %1</source>
        <translation>FARBE %1</translation>
    </message>
    <message>
        <source>CLOUD GOES %1</source>
        <translation>WOLKE NACH %1</translation>
    </message>
    <message>
        <source>STOCK SLOT %1</source>
        <translation>VORRATSPLATZ %1</translation>
    </message>
    <message>
        <source>SLOT TYPE %1</source>
        <translation>ART %1</translation>
    </message>
    <message>
        <source>SLOT COLOUR %1</source>
        <translation>FARBE %1</translation>
    </message>
    <message>
        <source>SLOT COUNT %1</source>
        <translation>ANZAHL %1</translation>
    </message>
    <message>
        <source>WIDTH %1</source>
        <translation>BREITE %1</translation>
    </message>
    <message>
        <source>HEIGHT %1</source>
        <translation>HÖHE %1</translation>
    </message>
    <message>
        <source>ZOOM</source>
        <translation>ZOOM</translation>
    </message>
    <message>
        <source>NO ROOM INSIDE THE MAP</source>
        <translation>KEIN PLATZ IN DER KARTE</translation>
    </message>
    <message>
        <source>%1 OBJECT IN THE WAY</source>
        <translation>%1 OBJEKT IM WEG</translation>
    </message>
    <message>
        <source>%1 OBJECTS IN THE WAY</source>
        <translation>%1 OBJEKTE IM WEG</translation>
    </message>
    <message>
        <source>SAVED %1</source>
        <translation>%1 GESPEICHERT</translation>
    </message>
    <message>
        <source>CANNOT OPEN %1</source>
        <translation>%1 LÄSST SICH NICHT ÖFFNEN</translation>
    </message>
    <message>
        <source>PLACE A CHARACTER FIRST</source>
        <translation>ERST EINE FIGUR SETZEN</translation>
    </message>
    <message>
        <source>CANNOT WRITE TRY FILE</source>
        <translation>TESTDATEI NICHT SCHREIBBAR</translation>
    </message>
    <message>
        <source>UNSAFE NAME</source>
        <translation>UNGÜLTIGER NAME</translation>
    </message>
    <message>
        <source>CANNOT MAKE LEVEL FOLDER</source>
        <translation>LEVELORDNER NICHT ANLEGBAR</translation>
    </message>
    <message>
        <source>SAVE FAILED</source>
        <translation>SPEICHERN FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>ENTF</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRUCH</translation>
    </message>
</context>
<context>
    <name>hud</name>
    <message>
        <source>TAP TO WALK</source>
        <translation>TIPPEN ZUM GEHEN</translation>
    </message>
    <message>
        <source>WATCHING THE SOLUTION</source>
        <translation>DIE LÖSUNG LÄUFT</translation>
    </message>
    <message>
        <source>any key or touch stops it</source>
        <translation>TASTE ODER TIPPEN HÄLT AN</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>LEVEL %1</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>YOUR KEYS:</source>
        <translation>DEINE TASTEN:</translation>
    </message>
    <message>
        <source>AND %1 MORE</source>
        <translation>UND %1 WEITERE</translation>
    </message>
    <message>
        <source>WALK LEFT</source>
        <translation>NACH LINKS</translation>
    </message>
    <message>
        <source>WALK RIGHT</source>
        <translation>NACH RECHTS</translation>
    </message>
    <message>
        <source>JUMP</source>
        <translation>SPRINGEN</translation>
    </message>
    <message>
        <source>HOLD DOWN</source>
        <translation>DUCKEN</translation>
    </message>
    <message>
        <source>DOOR</source>
        <translation>TÜR</translation>
    </message>
    <message>
        <source>SWITCH CHARACTER</source>
        <translation>FIGUR WECHSELN</translation>
    </message>
    <message>
        <source>DRAWING MODE</source>
        <translation>ZEICHENMODUS</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>REWIND</source>
        <translation>ZURÜCKSPULEN</translation>
    </message>
    <message>
        <source>ZOOM IN</source>
        <translation>HINEINZOOMEN</translation>
    </message>
    <message>
        <source>ZOOM OUT</source>
        <translation>HERAUSZOOMEN</translation>
    </message>
    <message>
        <source>STEER</source>
        <translation>LENKEN</translation>
    </message>
    <message>
        <source>SCROLL</source>
        <translation>SCROLLEN</translation>
    </message>
    <message>
        <source>MUTE</source>
        <translation>STUMM</translation>
    </message>
    <message>
        <source>FULL SCREEN</source>
        <translation>VOLLBILD</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>D-PAD UP</source>
        <translation>STEUERKREUZ HOCH</translation>
    </message>
    <message>
        <source>D-PAD DOWN</source>
        <translation>STEUERKREUZ RUNTER</translation>
    </message>
    <message>
        <source>D-PAD LEFT</source>
        <translation>STEUERKREUZ LINKS</translation>
    </message>
    <message>
        <source>D-PAD RIGHT</source>
        <translation>STEUERKREUZ RECHTS</translation>
    </message>
    <message>
        <source>COMMA</source>
        <translation>KOMMA</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>PUNKT</translation>
    </message>
    <message>
        <source>SEMICOLON</source>
        <translation>SEMIKOLON</translation>
    </message>
    <message>
        <source>QUOTE</source>
        <translation>APOSTROPH</translation>
    </message>
    <message>
        <source>BRACKET</source>
        <translation>KLAMMER</translation>
    </message>
    <message>
        <source>BACKSLASH</source>
        <translation>BACKSLASH</translation>
    </message>
    <message>
        <source>EQUALS</source>
        <translation>GLEICH</translation>
    </message>
    <message>
        <source>GRAVE</source>
        <translation>GRAVIS</translation>
    </message>
    <message>
        <source>PLUS</source>
        <translation>PLUS</translation>
    </message>
    <message>
        <source>STAR</source>
        <translation>STERN</translation>
    </message>
    <message>
        <source>HASH</source>
        <translation>RAUTE</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>LEERTASTE</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>HOCH</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>RUNTER</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>LINKS</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>RECHTS</translation>
    </message>
    <message>
        <source>RETURN</source>
        <translation>EINGABE</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>ENTER</translation>
    </message>
    <message>
        <source>ESC</source>
        <translation>ESC</translation>
    </message>
    <message>
        <source>BACKSPACE</source>
        <translation>RÜCKTASTE</translation>
    </message>
    <message>
        <source>TAB</source>
        <translation>TAB</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>ENTF</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>EINFG</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>POS1</translation>
    </message>
    <message>
        <source>END</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>PGUP</source>
        <translation>BILD HOCH</translation>
    </message>
    <message>
        <source>PGDOWN</source>
        <translation>BILD RUNTER</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>UMSCHALT</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translation>STRG</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>ALT</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>MENÜ</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>DRUCK</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TASTE</translation>
    </message>
    <message>
        <source>%1: PAD %2</source>
        <translation>%1: PAD %2</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>WATCH[SOLUTION</source>
        <translation>LÖSUNG ZEIGEN</translation>
    </message>
    <message>
        <source>NEXT[LEVEL</source>
        <translation>NÄCHSTES LEVEL</translation>
    </message>
    <message>
        <source>EVERY LEVEL PASSED</source>
        <translation>ALLE LEVEL GESCHAFFT</translation>
    </message>
    <message>
        <source>A NEW PAGE JOINS THE MAP</source>
        <translation>EINE NEUE SEITE DER KARTE</translation>
    </message>
    <message>
        <source>CONTINUE</source>
        <translation>FORTSETZEN</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>LEVEL %1</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>WEITER</translation>
    </message>
    <message>
        <source>TO[MAP[SELECT</source>
        <translation>ZUR KARTE</translation>
    </message>
    <message>
        <source>RESTART</source>
        <translation>NEUSTART</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>REWIND</source>
        <translation>ZURÜCKSPULEN</translation>
    </message>
    <message>
        <source>EXIT[GAME</source>
        <translation>BEENDEN</translation>
    </message>
    <message>
        <source>CAUGHT BY SPIKES</source>
        <translation>VON STACHELN ERWISCHT</translation>
    </message>
    <message>
        <source>CAUGHT IN A BLAST</source>
        <translation>IN EINE EXPLOSION GERATEN</translation>
    </message>
    <message>
        <source>FELL OUT OF THE WORLD</source>
        <translation>AUS DER WELT GEFALLEN</translation>
    </message>
    <message>
        <source>A CHARACTER WAS LOST</source>
        <translation>EINE FIGUR GING VERLOREN</translation>
    </message>
</context>
<context>
    <name>own levels</name>
    <message>
        <source>NO LEVELS SAVED YET</source>
        <translation>NOCH KEINE LEVEL GESPEICHERT</translation>
    </message>
    <message>
        <source>MY LEVELS</source>
        <translation>MEINE LEVEL</translation>
    </message>
    <message>
        <source>DELETE %1</source>
        <translation>%1 LÖSCHEN?</translation>
    </message>
    <message>
        <source>DROP CHANGES</source>
        <translation>ÄNDERUNGEN VERWERFEN?</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ÖFFNEN</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>SPIELEN</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>LÖSCHEN</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>NEW BEST TIME AND BLOCKS</source>
        <translation>NEUE BESTZEIT UND BLÖCKE</translation>
    </message>
    <message>
        <source>NEW BEST TIME</source>
        <translation>NEUE BESTZEIT</translation>
    </message>
    <message>
        <source>NEW BEST BLOCKS</source>
        <translation>NEUER BLOCKREKORD</translation>
    </message>
    <message>
        <source>TIME %1  TICKS %2  BLOCKS %3</source>
        <translation>ZEIT %1  TICKS %2  BLÖCKE %3</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>MUSIC</source>
        <translation>MUSIK</translation>
    </message>
    <message>
        <source>EFFECTS</source>
        <translation>EFFEKTE</translation>
    </message>
    <message>
        <source>SOUND</source>
        <translation>TON</translation>
    </message>
    <message>
        <source>FULL SCREEN</source>
        <translation>VOLLBILD</translation>
    </message>
    <message>
        <source>INTERFACE SIZE</source>
        <translation>ANZEIGEGRÖSSE</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>SPRACHE</translation>
    </message>
    <message>
        <source>CONTROLS</source>
        <translation>STEUERUNG</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTOMATISCH</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
</context>
<context>
    <name>checker</name>
    <message>
        <source>the level has no character</source>
        <translation>das Level hat keine Figur</translation>
    </message>
    <message>
        <source>the level has no exit</source>
        <translation>das Level hat keinen Ausgang</translation>
    </message>
    <message>
        <source>%1 exit: no character can use it</source>
        <translation>Ausgang in %1: keine Figur kann ihn nehmen</translation>
    </message>
    <message>
        <source>%1 character at column %2, row %3: nothing below it, it falls out of the world</source>
        <translation>Figur in %1 in Spalte %2, Zeile %3: nichts darunter, sie fällt aus der Welt</translation>
    </message>
    <message>
        <source>%1 character: no exit it can use, so the level cannot be passed</source>
        <translation>Figur in %1: kein Ausgang für sie, das Level ist nicht zu schaffen</translation>
    </message>
    <message>
        <source>%1 starts inside %2 at column %3, row %4</source>
        <translation>%1 beginnt in %2 in Spalte %3, Zeile %4</translation>
    </message>
    <message>
        <source>white</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>mixed</source>
        <translation>Mischfarbe</translation>
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
<context>
    <name>banners</name>
    <message>
        <source>LEVEL PAUSED</source>
        <translation>LEVEL PAUSIERT</translation>
    </message>
    <message>
        <source>LEVEL FAILED</source>
        <translation>LEVEL GESCHEITERT</translation>
    </message>
    <message>
        <source>LEVEL PASSED</source>
        <translation>LEVEL GESCHAFFT</translation>
    </message>
</context>
</TS>
