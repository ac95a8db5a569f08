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
        <translation>QUEDARSE</translation>
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
<!-- Help pages and credits follow: drawn into the atlas at build time. -->
</TS>
