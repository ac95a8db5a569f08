<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
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
        <translation>CÓMO SE JUEGA</translation>
    </message>
    <message>
        <source>Bring every character into an exit portal.</source>
        <translation>Lleva a cada personaje a un portal de salida.</translation>
    </message>
    <message>
        <source>walk left / right</source>
        <translation>andar a la izquierda / derecha</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>saltar</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>open a door; leave by an exit of your colour</source>
        <translation>abrir una puerta; salir por una salida de tu color</translation>
    </message>
    <message>
        <source>switch character: every one must leave</source>
        <translation>cambiar de personaje: todos deben salir</translation>
    </message>
    <message>
        <source>draw from your stock next to you</source>
        <translation>dibujar de tu reserva junto a ti</translation>
    </message>
    <message>
        <source>steer with the on-screen pad</source>
        <translation>dirigir con la cruceta en pantalla</translation>
    </message>
    <message>
        <source>scroll around the level</source>
        <translation>recorrer el nivel con la vista</translation>
    </message>
    <message>
        <source>zoom in / zoom out</source>
        <translation>acercar / alejar</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>pause: resume, restart or leave</source>
        <translation>pausa: seguir, reiniciar o salir</translation>
    </message>
    <message>
        <source>rewind two seconds of play</source>
        <translation>rebobinar dos segundos de juego</translation>
    </message>
    <message>
        <source>sound off / on</source>
        <translation>quitar / poner el sonido</translation>
    </message>
    <message>
        <source>make your own levels (main menu)</source>
        <translation>crear tus propios niveles (menú principal)</translation>
    </message>
    <message>
        <source>THE WORLD</source>
        <translation>EL MUNDO</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloque</translation>
    </message>
    <message>
        <source>Solid ground in its colour. It never moves.</source>
        <translation>Suelo firme de su color. Nunca se mueve.</translation>
    </message>
    <message>
        <source>Patterned block</source>
        <translation>Bloque con dibujo</translation>
    </message>
    <message>
        <source>Frames every level. No bomb can break it.</source>
        <translation>Enmarca cada nivel. Ninguna bomba lo rompe.</translation>
    </message>
    <message>
        <source>Falling block</source>
        <translation>Bloque que cae</translation>
    </message>
    <message>
        <source>Drops until something holds it; pushes what is below.</source>
        <translation>Cae hasta que algo lo sostiene; empuja lo que hay debajo.</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nube</translation>
    </message>
    <message>
        <source>Up or down it carries you; sideways it only pushes.</source>
        <translation>Hacia arriba o abajo te lleva; de lado solo empuja.</translation>
    </message>
    <message>
        <source>Spikes</source>
        <translation>Pinchos</translation>
    </message>
    <message>
        <source>Deadly to their colour: jump over them.</source>
        <translation>Mortales para su color: salta por encima.</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>Bomba</translation>
    </message>
    <message>
        <source>Drawn onto a block of its colour, it breaks it.</source>
        <translation>Dibujada sobre un bloque de su color, lo rompe.</translation>
    </message>
    <message>
        <source>The blast</source>
        <translation>La explosión</translation>
    </message>
    <message>
        <source>Stand clear: it kills a character of its colour.</source>
        <translation>¡Apártate! Mata a los personajes de su color.</translation>
    </message>
    <message>
        <source>The colour rule</source>
        <translation>La regla del color</translation>
    </message>
    <message>
        <source>A character only touches blocks</source>
        <translation>Un personaje solo toca los bloques</translation>
    </message>
    <message>
        <source>that share its colour and mark;</source>
        <translation>de su mismo color y símbolo;</translation>
    </message>
    <message>
        <source>white touches all.</source>
        <translation>el blanco los toca todos.</translation>
    </message>
    <message>
        <source>PAD AND MENUS</source>
        <translation>MANDO Y MENÚS</translation>
    </message>
    <message>
        <source>IN A LEVEL</source>
        <translation>EN UN NIVEL</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>andar</translation>
    </message>
    <message>
        <source>door</source>
        <translation>puerta</translation>
    </message>
    <message>
        <source>switch character</source>
        <translation>cambiar personaje</translation>
    </message>
    <message>
        <source>back (in menus)</source>
        <translation>atrás (en menús)</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>pausa</translation>
    </message>
    <message>
        <source>drawing mode</source>
        <translation>modo dibujo</translation>
    </message>
    <message>
        <source>rewind</source>
        <translation>rebobinar</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>zoom</translation>
    </message>
    <message>
        <source>look around</source>
        <translation>mirar alrededor</translation>
    </message>
    <message>
        <source>MENUS</source>
        <translation>MENÚS</translation>
    </message>
    <message>
        <source>move</source>
        <translation>mover</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>choose</source>
        <translation>elegir</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>back</source>
        <translation>atrás</translation>
    </message>
    <message>
        <source>DRAWING MODE</source>
        <translation>MODO DIBUJO</translation>
    </message>
    <message>
        <source>slot</source>
        <translation>hueco</translation>
    </message>
    <message>
        <source>place</source>
        <translation>poner</translation>
    </message>
    <message>
        <source>leave</source>
        <translation>salir</translation>
    </message>
    <message>
        <source>On the map, Esc goes back to the title.</source>
        <translation>En el mapa, Esc vuelve a la portada.</translation>
    </message>
</context>
<context>
    <name>credits</name>
    <message>
        <source>made by the Crumbleford team</source>
        <translation>hecho por el equipo de Crumbleford</translation>
    </message>
    <message>
        <source>art drawn by our own generator</source>
        <translation>gráficos de nuestro propio generador</translation>
    </message>
    <message>
        <source>font: DejaVu Sans</source>
        <translation>fuente: DejaVu Sans</translation>
    </message>
    <message>
        <source>thanks for playing</source>
        <translation>gracias por jugar</translation>
    </message>
</context>
</TS>
