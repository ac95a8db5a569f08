<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>controls</name>
    <message>
        <source>%1 HAS NO PAD BUTTON</source>
        <translation>%1 NO TIENE BOTÓN</translation>
    </message>
    <message>
        <source>PRESS A KEY FOR %1</source>
        <translation>PULSA UNA TECLA: %1</translation>
    </message>
    <message>
        <source>PRESS A PAD BUTTON FOR %1</source>
        <translation>PULSA UN BOTÓN: %1</translation>
    </message>
    <message>
        <source>IN USE NOW BUT THE SETTINGS FILE IS NOT WRITTEN</source>
        <translation>ACTIVO, PERO SIN GUARDAR</translation>
    </message>
    <message>
        <source>DEFAULTS ARE BACK</source>
        <translation>VALORES DE FÁBRICA</translation>
    </message>
    <message>
        <source>PRESS A KEY</source>
        <translation>PULSA UNA TECLA</translation>
    </message>
    <message>
        <source>PRESS A BUTTON</source>
        <translation>PULSA UN BOTÓN</translation>
    </message>
    <message>
        <source>CONTROLS</source>
        <translation>CONTROLES</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>TECLAS</translation>
    </message>
    <message>
        <source>PAD</source>
        <translation>MANDO</translation>
    </message>
    <message>
        <source>RESET TO DEFAULTS</source>
        <translation>RESTABLECER TODO</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>VOLVER</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>THIS KEY CANNOT BE USED</source>
        <translation>ESA TECLA NO SIRVE</translation>
    </message>
    <message>
        <source>ALREADY USED BY %1</source>
        <translation>YA LA USA %1</translation>
    </message>
    <message>
        <source>NEEDED IN MENUS</source>
        <translation>HACE FALTA EN MENÚS</translation>
    </message>
    <message>
        <source>THIS CANNOT BE BOUND</source>
        <translation>NO SE PUEDE ASIGNAR</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>UNDO</source>
        <translation>DESHACER</translation>
    </message>
    <message>
        <source>REDO</source>
        <translation>REHACER</translation>
    </message>
    <message>
        <source>TRY</source>
        <translation>PROBAR</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ABRIR</translation>
    </message>
    <message>
        <source>W%1</source>
        <translation>AN%1</translation>
    </message>
    <message>
        <source>H%1</source>
        <translation>AL%1</translation>
    </message>
    <message>
        <source>NEW LEVEL</source>
        <translation>NIVEL NUEVO</translation>
    </message>
    <message>
        <source>%1 CHANGED</source>
        <translation>%1 CAMBIADO</translation>
    </message>
    <message>
        <source>STOCK</source>
        <translation>RESERVA</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NADA</translation>
    </message>
    <message>
        <source>UNSAVED CHANGES</source>
        <translation>CAMBIOS SIN GUARDAR</translation>
    </message>
    <message>
        <source>LEAVE</source>
        <translation>SALIR</translation>
    </message>
    <message>
        <source>STAY</source>
        <translation>SEGUIR</translation>
    </message>
    <message>
        <source>NAME %1</source>
        <translation>NOMBRE %1</translation>
    </message>
    <message>
        <source>BEFORE YOU TRY</source>
        <translation>ANTES DE PROBAR</translation>
    </message>
    <message>
        <source>TRY ANYWAY</source>
        <translation>PROBAR IGUAL</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>VOLVER</translation>
    </message>
    <message>
        <source>WHITE</source>
        <translation>BLANCO</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>ROJO</translation>
    </message>
    <message>
        <source>GREEN</source>
        <translation>VERDE</translation>
    </message>
    <message>
        <source>BLUE</source>
        <translation>AZUL</translation>
    </message>
    <message>
        <source>BLOCK</source>
        <translation>BLOQUE</translation>
    </message>
    <message>
        <source>SPIKES</source>
        <translation>PINCHOS</translation>
    </message>
    <message>
        <source>CLOUD</source>
        <translation>NUBE</translation>
    </message>
    <message>
        <source>FALLING</source>
        <translation>CAÍDA</translation>
    </message>
    <message>
        <source>BOMB</source>
        <translation>BOMBA</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>COLOUR %1</source>
        <translation>COLOR %1</translation>
    </message>
    <message>
        <source>CLOUD GOES %1</source>
        <translation>NUBE HACIA %1</translation>
    </message>
    <message>
        <source>STOCK SLOT %1</source>
        <translation>HUECO %1</translation>
    </message>
    <message>
        <source>SLOT TYPE %1</source>
        <translation>TIPO %1</translation>
    </message>
    <message>
        <source>SLOT COLOUR %1</source>
        <translation>COLOR %1</translation>
    </message>
    <message>
        <source>SLOT COUNT %1</source>
        <translation>CANTIDAD %1</translation>
    </message>
    <message>
        <source>WIDTH %1</source>
        <translation>ANCHO %1</translation>
    </message>
    <message>
        <source>HEIGHT %1</source>
        <translation>ALTO %1</translation>
    </message>
    <message>
        <source>ZOOM</source>
        <translation>ZOOM</translation>
    </message>
    <message>
        <source>NO ROOM INSIDE THE MAP</source>
        <translation>NO CABE EN EL MAPA</translation>
    </message>
    <message>
        <source>%1 OBJECT IN THE WAY</source>
        <translation>%1 OBJETO ESTORBA</translation>
    </message>
    <message>
        <source>%1 OBJECTS IN THE WAY</source>
        <translation>%1 OBJETOS ESTORBAN</translation>
    </message>
    <message>
        <source>SAVED %1</source>
        <translation>%1 GUARDADO</translation>
    </message>
    <message>
        <source>CANNOT OPEN %1</source>
        <translation>NO SE PUEDE ABRIR %1</translation>
    </message>
    <message>
        <source>PLACE A CHARACTER FIRST</source>
        <translation>PRIMERO PON UN PERSONAJE</translation>
    </message>
    <message>
        <source>CANNOT WRITE TRY FILE</source>
        <translation>NO SE PUEDE ESCRIBIR LA PRUEBA</translation>
    </message>
    <message>
        <source>UNSAFE NAME</source>
        <translation>NOMBRE NO VÁLIDO</translation>
    </message>
    <message>
        <source>CANNOT MAKE LEVEL FOLDER</source>
        <translation>NO SE PUEDE CREAR LA CARPETA</translation>
    </message>
    <message>
        <source>SAVE FAILED</source>
        <translation>NO SE PUDO GUARDAR</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>BORRAR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
</context>
<context>
    <name>hud</name>
    <message>
        <source>TAP TO WALK</source>
        <translation>TOCA PARA ANDAR</translation>
    </message>
    <message>
        <source>WATCHING THE SOLUTION</source>
        <translation>VIENDO LA SOLUCIÓN</translation>
    </message>
    <message>
        <source>any key or touch stops it</source>
        <translation>UNA TECLA O UN TOQUE LA PARA</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>NIVEL %1</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>YOUR KEYS:</source>
        <translation>TUS TECLAS:</translation>
    </message>
    <message>
        <source>AND %1 MORE</source>
        <translation>Y %1 MÁS</translation>
    </message>
    <message>
        <source>WALK LEFT</source>
        <translation>IR A LA IZQUIERDA</translation>
    </message>
    <message>
        <source>WALK RIGHT</source>
        <translation>IR A LA DERECHA</translation>
    </message>
    <message>
        <source>JUMP</source>
        <translation>SALTAR</translation>
    </message>
    <message>
        <source>HOLD DOWN</source>
        <translation>AGACHARSE</translation>
    </message>
    <message>
        <source>DOOR</source>
        <translation>PUERTA</translation>
    </message>
    <message>
        <source>SWITCH CHARACTER</source>
        <translation>CAMBIAR PERSONAJE</translation>
    </message>
    <message>
        <source>DRAWING MODE</source>
        <translation>MODO DIBUJO</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>PAUSA</translation>
    </message>
    <message>
        <source>REWIND</source>
        <translation>REBOBINAR</translation>
    </message>
    <message>
        <source>ZOOM IN</source>
        <translation>ACERCAR</translation>
    </message>
    <message>
        <source>ZOOM OUT</source>
        <translation>ALEJAR</translation>
    </message>
    <message>
        <source>STEER</source>
        <translation>DIRIGIR</translation>
    </message>
    <message>
        <source>SCROLL</source>
        <translation>DESPLAZAR</translation>
    </message>
    <message>
        <source>MUTE</source>
        <translation>SILENCIO</translation>
    </message>
    <message>
        <source>FULL SCREEN</source>
        <translation>PANTALLA ENTERA</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>ATRÁS</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>D-PAD UP</source>
        <translation>CRUCETA ARRIBA</translation>
    </message>
    <message>
        <source>D-PAD DOWN</source>
        <translation>CRUCETA ABAJO</translation>
    </message>
    <message>
        <source>D-PAD LEFT</source>
        <translation>CRUCETA IZQUIERDA</translation>
    </message>
    <message>
        <source>D-PAD RIGHT</source>
        <translation>CRUCETA DERECHA</translation>
    </message>
    <message>
        <source>COMMA</source>
        <translation>COMA</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>PUNTO</translation>
    </message>
    <message>
        <source>SEMICOLON</source>
        <translation>PUNTO Y COMA</translation>
    </message>
    <message>
        <source>QUOTE</source>
        <translation>APÓSTROFO</translation>
    </message>
    <message>
        <source>BRACKET</source>
        <translation>CORCHETE</translation>
    </message>
    <message>
        <source>BACKSLASH</source>
        <translation>BARRA INVERSA</translation>
    </message>
    <message>
        <source>EQUALS</source>
        <translation>IGUAL</translation>
    </message>
    <message>
        <source>GRAVE</source>
        <translation>ACENTO GRAVE</translation>
    </message>
    <message>
        <source>PLUS</source>
        <translation>MÁS</translation>
    </message>
    <message>
        <source>STAR</source>
        <translation>ASTERISCO</translation>
    </message>
    <message>
        <source>HASH</source>
        <translation>ALMOHADILLA</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>ESPACIO</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>ARRIBA</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>ABAJO</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>IZQUIERDA</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>DERECHA</translation>
    </message>
    <message>
        <source>RETURN</source>
        <translation>INTRO</translation>
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
        <translation>RETROCESO</translation>
    </message>
    <message>
        <source>TAB</source>
        <translation>TAB</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>SUPR</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>INSERT</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>INICIO</translation>
    </message>
    <message>
        <source>END</source>
        <translation>FIN</translation>
    </message>
    <message>
        <source>PGUP</source>
        <translation>RE PÁG</translation>
    </message>
    <message>
        <source>PGDOWN</source>
        <translation>AV PÁG</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>CTRL</source>
        <translation>CTRL</translation>
    </message>
    <message>
        <source>ALT</source>
        <translation>ALT</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>MENÚ</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>IMPR PANT</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TECLA</translation>
    </message>
    <message>
        <source>%1: PAD %2</source>
        <translation>%1: MANDO %2</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>WATCH[SOLUTION</source>
        <translation>VER SOLUCIÓN</translation>
    </message>
    <message>
        <source>NEXT[LEVEL</source>
        <translation>SIGUIENTE NIVEL</translation>
    </message>
    <message>
        <source>EVERY LEVEL PASSED</source>
        <translation>TODOS LOS NIVELES SUPERADOS</translation>
    </message>
    <message>
        <source>A NEW PAGE JOINS THE MAP</source>
        <translation>UNA PÁGINA NUEVA EN EL MAPA</translation>
    </message>
    <message>
        <source>CONTINUE</source>
        <translation>CONTINUAR</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>NIVEL %1</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>SEGUIR</translation>
    </message>
    <message>
        <source>TO[MAP[SELECT</source>
        <translation>AL MAPA</translation>
    </message>
    <message>
        <source>RESTART</source>
        <translation>REINICIAR</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AYUDA</translation>
    </message>
    <message>
        <source>REWIND</source>
        <translation>REBOBINAR</translation>
    </message>
    <message>
        <source>EXIT[GAME</source>
        <translation>SALIR</translation>
    </message>
    <message>
        <source>CAUGHT BY SPIKES</source>
        <translation>ATRAPADO POR PINCHOS</translation>
    </message>
    <message>
        <source>CAUGHT IN A BLAST</source>
        <translation>ATRAPADO EN UNA EXPLOSIÓN</translation>
    </message>
    <message>
        <source>FELL OUT OF THE WORLD</source>
        <translation>SE CAYÓ DEL MUNDO</translation>
    </message>
    <message>
        <source>A CHARACTER WAS LOST</source>
        <translation>SE PERDIÓ UN PERSONAJE</translation>
    </message>
</context>
<context>
    <name>own levels</name>
    <message>
        <source>NO LEVELS SAVED YET</source>
        <translation>AÚN NO HAY NIVELES</translation>
    </message>
    <message>
        <source>MY LEVELS</source>
        <translation>MIS NIVELES</translation>
    </message>
    <message>
        <source>DELETE %1</source>
        <translation>¿BORRAR %1?</translation>
    </message>
    <message>
        <source>DROP CHANGES</source>
        <translation>¿DESCARTAR CAMBIOS?</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>ABRIR</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>JUGAR</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>BORRAR</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>NEW BEST TIME AND BLOCKS</source>
        <translation>NUEVO RÉCORD DE TIEMPO Y BLOQUES</translation>
    </message>
    <message>
        <source>NEW BEST TIME</source>
        <translation>NUEVO RÉCORD DE TIEMPO</translation>
    </message>
    <message>
        <source>NEW BEST BLOCKS</source>
        <translation>NUEVO RÉCORD DE BLOQUES</translation>
    </message>
    <message>
        <source>TIME %1  TICKS %2  BLOCKS %3</source>
        <translation>TIEMPO %1  TICKS %2  BLOQUES %3</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>MUSIC</source>
        <translation>MÚSICA</translation>
    </message>
    <message>
        <source>EFFECTS</source>
        <translation>EFECTOS</translation>
    </message>
    <message>
        <source>SOUND</source>
        <translation>SONIDO</translation>
    </message>
    <message>
        <source>FULL SCREEN</source>
        <translation>PANTALLA ENTERA</translation>
    </message>
    <message>
        <source>INTERFACE SIZE</source>
        <translation>ESCALA</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>IDIOMA</translation>
    </message>
    <message>
        <source>CONTROLS</source>
        <translation>CONTROLES</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>VOLVER</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTOMÁTICO</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>AJUSTES</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ACTIVADO</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DESACTIVADO</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
</context>
<context>
    <name>checker</name>
    <message>
        <source>the level has no character</source>
        <translation>el nivel no tiene personaje</translation>
    </message>
    <message>
        <source>the level has no exit</source>
        <translation>el nivel no tiene salida</translation>
    </message>
    <message>
        <source>%1 exit: no character can use it</source>
        <translation>salida de color %1: ningún personaje puede usarla</translation>
    </message>
    <message>
        <source>%1 character at column %2, row %3: nothing below it, it falls out of the world</source>
        <translation>personaje de color %1 en columna %2, fila %3: no hay nada debajo, cae fuera del mundo</translation>
    </message>
    <message>
        <source>%1 character: no exit it can use, so the level cannot be passed</source>
        <translation>personaje de color %1: ninguna salida le sirve, el nivel es imposible</translation>
    </message>
    <message>
        <source>%1 starts inside %2 at column %3, row %4</source>
        <translation>%1 empieza dentro de %2 en columna %3, fila %4</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>mixed</source>
        <translation>mixto</translation>
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
<context>
    <name>banners</name>
    <message>
        <source>LEVEL PAUSED</source>
        <translation>NIVEL EN PAUSA</translation>
    </message>
    <message>
        <source>LEVEL FAILED</source>
        <translation>NIVEL FALLIDO</translation>
    </message>
    <message>
        <source>LEVEL PASSED</source>
        <translation>NIVEL SUPERADO</translation>
    </message>
</context>
</TS>
