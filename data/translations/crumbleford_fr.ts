<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>controls</name>
    <message>
        <source>%1 HAS NO PAD BUTTON</source>
        <translation>%1 N'A PAS DE BOUTON</translation>
    </message>
    <message>
        <source>PRESS A KEY FOR %1</source>
        <translation>UNE TOUCHE POUR %1</translation>
    </message>
    <message>
        <source>PRESS A PAD BUTTON FOR %1</source>
        <translation>UN BOUTON POUR %1</translation>
    </message>
    <message>
        <source>IN USE NOW BUT THE SETTINGS FILE IS NOT WRITTEN</source>
        <translation>ACTIF, MAIS PAS ENREGISTRÉ</translation>
    </message>
    <message>
        <source>DEFAULTS ARE BACK</source>
        <translation>RÉGLAGES D'ORIGINE REMIS</translation>
    </message>
    <message>
        <source>PRESS A KEY</source>
        <translation>APPUIE SUR UNE TOUCHE</translation>
    </message>
    <message>
        <source>PRESS A BUTTON</source>
        <translation>APPUIE SUR UN BOUTON</translation>
    </message>
    <message>
        <source>CONTROLS</source>
        <translation>COMMANDES</translation>
    </message>
    <message>
        <source>KEYS</source>
        <translation>TOUCHES</translation>
    </message>
    <message>
        <source>PAD</source>
        <translation>MANETTE</translation>
    </message>
    <message>
        <source>RESET TO DEFAULTS</source>
        <translation>TOUT RÉINITIALISER</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>RETOUR</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>THIS KEY CANNOT BE USED</source>
        <translation>TOUCHE IMPOSSIBLE</translation>
    </message>
    <message>
        <source>ALREADY USED BY %1</source>
        <translation>DÉJÀ PRIS PAR %1</translation>
    </message>
    <message>
        <source>NEEDED IN MENUS</source>
        <translation>UTILE DANS LES MENUS</translation>
    </message>
    <message>
        <source>THIS CANNOT BE BOUND</source>
        <translation>IMPOSSIBLE ICI</translation>
    </message>
</context>
<context>
    <name>editor</name>
    <message>
        <source>UNDO</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>REDO</source>
        <translation>RÉTABLIR</translation>
    </message>
    <message>
        <source>TRY</source>
        <translation>ESSAYER</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SAUVER</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OUVRIR</translation>
    </message>
    <message>
        <source>W%1</source>
        <translation>L%1</translation>
    </message>
    <message>
        <source>H%1</source>
        <translation>H%1</translation>
    </message>
    <message>
        <source>NEW LEVEL</source>
        <translation>NOUVEAU NIVEAU</translation>
    </message>
    <message>
        <source>%1 CHANGED</source>
        <translation>%1 MODIFIÉ</translation>
    </message>
    <message>
        <source>STOCK</source>
        <translation>RÉSERVE</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>AUCUN</translation>
    </message>
    <message>
        <source>UNSAVED CHANGES</source>
        <translation>MODIFS NON ENREGISTRÉES</translation>
    </message>
    <message>
        <source>LEAVE</source>
        <translation>QUITTER</translation>
    </message>
    <message>
        <source>STAY</source>
        <translation>RESTER</translation>
    </message>
    <message>
        <source>NAME %1</source>
        <translation>NOM %1</translation>
    </message>
    <message>
        <source>BEFORE YOU TRY</source>
        <translation>AVANT D'ESSAYER</translation>
    </message>
    <message>
        <source>TRY ANYWAY</source>
        <translation>ESSAYER QUAND MÊME</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>RETOUR</translation>
    </message>
    <message>
        <source>WHITE</source>
        <translation>BLANC</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>ROUGE</translation>
    </message>
    <message>
        <source>GREEN</source>
        <translation>VERT</translation>
    </message>
    <message>
        <source>BLUE</source>
        <translation>BLEU</translation>
    </message>
    <message>
        <source>BLOCK</source>
        <translation>BLOC</translation>
    </message>
    <message>
        <source>SPIKES</source>
        <translation>PIQUES</translation>
    </message>
    <message>
        <source>CLOUD</source>
        <translation>NUAGE</translation>
    </message>
    <message>
        <source>FALLING</source>
        <translation>CHUTE</translation>
    </message>
    <message>
        <source>BOMB</source>
        <translation>BOMBE</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>COLOUR %1</source>
        <translation>COULEUR %1</translation>
    </message>
    <message>
        <source>CLOUD GOES %1</source>
        <translation>NUAGE VERS %1</translation>
    </message>
    <message>
        <source>STOCK SLOT %1</source>
        <translation>CASE DE RÉSERVE %1</translation>
    </message>
    <message>
        <source>SLOT TYPE %1</source>
        <translation>TYPE %1</translation>
    </message>
    <message>
        <source>SLOT COLOUR %1</source>
        <translation>COULEUR %1</translation>
    </message>
    <message>
        <source>SLOT COUNT %1</source>
        <translation>NOMBRE %1</translation>
    </message>
    <message>
        <source>WIDTH %1</source>
        <translation>LARGEUR %1</translation>
    </message>
    <message>
        <source>HEIGHT %1</source>
        <translation>HAUTEUR %1</translation>
    </message>
    <message>
        <source>ZOOM</source>
        <translation>ZOOM</translation>
    </message>
    <message>
        <source>NO ROOM INSIDE THE MAP</source>
        <translation>PAS DE PLACE SUR LA CARTE</translation>
    </message>
    <message>
        <source>%1 OBJECT IN THE WAY</source>
        <translation>%1 OBJET GÊNE</translation>
    </message>
    <message>
        <source>%1 OBJECTS IN THE WAY</source>
        <translation>%1 OBJETS GÊNENT</translation>
    </message>
    <message>
        <source>SAVED %1</source>
        <translation>%1 ENREGISTRÉ</translation>
    </message>
    <message>
        <source>CANNOT OPEN %1</source>
        <translation>IMPOSSIBLE D'OUVRIR %1</translation>
    </message>
    <message>
        <source>PLACE A CHARACTER FIRST</source>
        <translation>PLACE D'ABORD UN PERSONNAGE</translation>
    </message>
    <message>
        <source>CANNOT WRITE TRY FILE</source>
        <translation>FICHIER D'ESSAI IMPOSSIBLE</translation>
    </message>
    <message>
        <source>UNSAFE NAME</source>
        <translation>NOM INVALIDE</translation>
    </message>
    <message>
        <source>CANNOT MAKE LEVEL FOLDER</source>
        <translation>DOSSIER DE NIVEAUX IMPOSSIBLE</translation>
    </message>
    <message>
        <source>SAVE FAILED</source>
        <translation>ÉCHEC DE L'ENREGISTREMENT</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>EFFACER</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
</context>
<context>
    <name>hud</name>
    <message>
        <source>TAP TO WALK</source>
        <translation>TOUCHE POUR MARCHER</translation>
    </message>
    <message>
        <source>WATCHING THE SOLUTION</source>
        <translation>SOLUTION EN COURS</translation>
    </message>
    <message>
        <source>any key or touch stops it</source>
        <translation>UNE TOUCHE OU UN TAP L'ARRÊTE</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>NIVEAU %1</translation>
    </message>
</context>
<context>
    <name>keys</name>
    <message>
        <source>YOUR KEYS:</source>
        <translation>TES TOUCHES :</translation>
    </message>
    <message>
        <source>AND %1 MORE</source>
        <translation>ET %1 DE PLUS</translation>
    </message>
    <message>
        <source>WALK LEFT</source>
        <translation>ALLER À GAUCHE</translation>
    </message>
    <message>
        <source>WALK RIGHT</source>
        <translation>ALLER À DROITE</translation>
    </message>
    <message>
        <source>JUMP</source>
        <translation>SAUTER</translation>
    </message>
    <message>
        <source>HOLD DOWN</source>
        <translation>SE BAISSER</translation>
    </message>
    <message>
        <source>DOOR</source>
        <translation>PORTE</translation>
    </message>
    <message>
        <source>SWITCH CHARACTER</source>
        <translation>CHANGER DE PERSO</translation>
    </message>
    <message>
        <source>DRAWING MODE</source>
        <translation>MODE DESSIN</translation>
    </message>
    <message>
        <source>PAUSE</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>REWIND</source>
        <translation>REMBOBINER</translation>
    </message>
    <message>
        <source>ZOOM IN</source>
        <translation>ZOOM AVANT</translation>
    </message>
    <message>
        <source>ZOOM OUT</source>
        <translation>ZOOM ARRIÈRE</translation>
    </message>
    <message>
        <source>STEER</source>
        <translation>DIRIGER</translation>
    </message>
    <message>
        <source>SCROLL</source>
        <translation>DÉFILER</translation>
    </message>
    <message>
        <source>MUTE</source>
        <translation>MUET</translation>
    </message>
    <message>
        <source>FULL SCREEN</source>
        <translation>PLEIN ÉCRAN</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>RETOUR</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>D-PAD UP</source>
        <translation>CROIX HAUT</translation>
    </message>
    <message>
        <source>D-PAD DOWN</source>
        <translation>CROIX BAS</translation>
    </message>
    <message>
        <source>D-PAD LEFT</source>
        <translation>CROIX GAUCHE</translation>
    </message>
    <message>
        <source>D-PAD RIGHT</source>
        <translation>CROIX DROITE</translation>
    </message>
    <message>
        <source>COMMA</source>
        <translation>VIRGULE</translation>
    </message>
    <message>
        <source>PERIOD</source>
        <translation>POINT</translation>
    </message>
    <message>
        <source>SEMICOLON</source>
        <translation>POINT-VIRGULE</translation>
    </message>
    <message>
        <source>QUOTE</source>
        <translation>APOSTROPHE</translation>
    </message>
    <message>
        <source>BRACKET</source>
        <translation>CROCHET</translation>
    </message>
    <message>
        <source>BACKSLASH</source>
        <translation>BARRE OBLIQUE INVERSE</translation>
    </message>
    <message>
        <source>EQUALS</source>
        <translation>ÉGAL</translation>
    </message>
    <message>
        <source>GRAVE</source>
        <translation>ACCENT GRAVE</translation>
    </message>
    <message>
        <source>PLUS</source>
        <translation>PLUS</translation>
    </message>
    <message>
        <source>STAR</source>
        <translation>ÉTOILE</translation>
    </message>
    <message>
        <source>HASH</source>
        <translation>DIÈSE</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>ESPACE</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>HAUT</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>BAS</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>GAUCHE</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>DROITE</translation>
    </message>
    <message>
        <source>RETURN</source>
        <translation>ENTRÉE</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>ENTRÉE</translation>
    </message>
    <message>
        <source>ESC</source>
        <translation>ÉCHAP</translation>
    </message>
    <message>
        <source>BACKSPACE</source>
        <translation>RETOUR ARRIÈRE</translation>
    </message>
    <message>
        <source>TAB</source>
        <translation>TAB</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>SUPPR</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>INSER</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>DÉBUT</translation>
    </message>
    <message>
        <source>END</source>
        <translation>FIN</translation>
    </message>
    <message>
        <source>PGUP</source>
        <translation>PAGE PRÉC</translation>
    </message>
    <message>
        <source>PGDOWN</source>
        <translation>PAGE SUIV</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>MAJ</translation>
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
        <translation>MENU</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>IMPR ÉCRAN</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>TOUCHE</translation>
    </message>
    <message>
        <source>%1: PAD %2</source>
        <translation>%1 : MANETTE %2</translation>
    </message>
</context>
<context>
    <name>menu</name>
    <message>
        <source>WATCH[SOLUTION</source>
        <translation>VOIR LA SOLUTION</translation>
    </message>
    <message>
        <source>NEXT[LEVEL</source>
        <translation>NIVEAU SUIVANT</translation>
    </message>
    <message>
        <source>EVERY LEVEL PASSED</source>
        <translation>TOUS LES NIVEAUX RÉUSSIS</translation>
    </message>
    <message>
        <source>A NEW PAGE JOINS THE MAP</source>
        <translation>UNE NOUVELLE PAGE SUR LA CARTE</translation>
    </message>
    <message>
        <source>CONTINUE</source>
        <translation>CONTINUER</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>NIVEAU %1</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>REPRENDRE</translation>
    </message>
    <message>
        <source>TO[MAP[SELECT</source>
        <translation>VERS LA CARTE</translation>
    </message>
    <message>
        <source>RESTART</source>
        <translation>RECOMMENCER</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AIDE</translation>
    </message>
    <message>
        <source>REWIND</source>
        <translation>REMBOBINER</translation>
    </message>
    <message>
        <source>EXIT[GAME</source>
        <translation>QUITTER</translation>
    </message>
    <message>
        <source>CAUGHT BY SPIKES</source>
        <translation>PRIS PAR LES PIQUES</translation>
    </message>
    <message>
        <source>CAUGHT IN A BLAST</source>
        <translation>PRIS DANS UNE EXPLOSION</translation>
    </message>
    <message>
        <source>FELL OUT OF THE WORLD</source>
        <translation>TOMBÉ HORS DU MONDE</translation>
    </message>
    <message>
        <source>A CHARACTER WAS LOST</source>
        <translation>UN PERSONNAGE EST PERDU</translation>
    </message>
</context>
<context>
    <name>own levels</name>
    <message>
        <source>NO LEVELS SAVED YET</source>
        <translation>AUCUN NIVEAU ENREGISTRÉ</translation>
    </message>
    <message>
        <source>MY LEVELS</source>
        <translation>MES NIVEAUX</translation>
    </message>
    <message>
        <source>DELETE %1</source>
        <translation>SUPPRIMER %1 ?</translation>
    </message>
    <message>
        <source>DROP CHANGES</source>
        <translation>ABANDONNER LES MODIFS ?</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>OUVRIR</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>JOUER</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>SUPPR</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>NEW BEST TIME AND BLOCKS</source>
        <translation>NOUVEAUX RECORDS DE TEMPS ET BLOCS</translation>
    </message>
    <message>
        <source>NEW BEST TIME</source>
        <translation>NOUVEAU RECORD DE TEMPS</translation>
    </message>
    <message>
        <source>NEW BEST BLOCKS</source>
        <translation>NOUVEAU RECORD DE BLOCS</translation>
    </message>
    <message>
        <source>TIME %1  TICKS %2  BLOCKS %3</source>
        <translation>TEMPS %1  TICKS %2  BLOCS %3</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>MUSIC</source>
        <translation>MUSIQUE</translation>
    </message>
    <message>
        <source>EFFECTS</source>
        <translation>EFFETS</translation>
    </message>
    <message>
        <source>SOUND</source>
        <translation>SON</translation>
    </message>
    <message>
        <source>FULL SCREEN</source>
        <translation>PLEIN ÉCRAN</translation>
    </message>
    <message>
        <source>INTERFACE SIZE</source>
        <translation>ÉCHELLE</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>LANGUE</translation>
    </message>
    <message>
        <source>CONTROLS</source>
        <translation>COMMANDES</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>RETOUR</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>SETTINGS</source>
        <translation>RÉGLAGES</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ACTIVÉ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>COUPÉ</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
</context>
<context>
    <name>checker</name>
    <message>
        <source>the level has no character</source>
        <translation>le niveau n'a aucun personnage</translation>
    </message>
    <message>
        <source>the level has no exit</source>
        <translation>le niveau n'a aucune sortie</translation>
    </message>
    <message>
        <source>%1 exit: no character can use it</source>
        <translation>sortie couleur %1 : aucun personnage ne peut la prendre</translation>
    </message>
    <message>
        <source>%1 character at column %2, row %3: nothing below it, it falls out of the world</source>
        <translation>personnage couleur %1 en colonne %2, ligne %3 : rien dessous, il tombe hors du monde</translation>
    </message>
    <message>
        <source>%1 character: no exit it can use, so the level cannot be passed</source>
        <translation>personnage couleur %1 : aucune sortie pour lui, le niveau est impossible</translation>
    </message>
    <message>
        <source>%1 starts inside %2 at column %3, row %4</source>
        <translation>%1 commence dans %2 en colonne %3, ligne %4</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>mixed</source>
        <translation>mixte</translation>
    </message>
</context>
<!-- Help pages and credits follow: drawn into the atlas at build time. -->
<context>
    <name>help</name>
    <message>
        <source>HOW TO PLAY</source>
        <translation>COMMENT JOUER</translation>
    </message>
    <message>
        <source>Bring every character into an exit portal.</source>
        <translation>Amène chaque personnage dans un portail de sortie.</translation>
    </message>
    <message>
        <source>walk left / right</source>
        <translation>marcher à gauche / à droite</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>sauter</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>open a door; leave by an exit of your colour</source>
        <translation>ouvrir une porte ; partir par une sortie de ta couleur</translation>
    </message>
    <message>
        <source>switch character: every one must leave</source>
        <translation>changer de personnage : tous doivent sortir</translation>
    </message>
    <message>
        <source>draw from your stock next to you</source>
        <translation>poser un bloc de ta réserve à côté de toi</translation>
    </message>
    <message>
        <source>steer with the on-screen pad</source>
        <translation>diriger avec la croix à l'écran</translation>
    </message>
    <message>
        <source>scroll around the level</source>
        <translation>faire défiler le niveau</translation>
    </message>
    <message>
        <source>zoom in / zoom out</source>
        <translation>zoomer / dézoomer</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>pause: resume, restart or leave</source>
        <translation>pause : reprendre, recommencer ou quitter</translation>
    </message>
    <message>
        <source>rewind two seconds of play</source>
        <translation>revenir deux secondes en arrière</translation>
    </message>
    <message>
        <source>sound off / on</source>
        <translation>couper / remettre le son</translation>
    </message>
    <message>
        <source>make your own levels (main menu)</source>
        <translation>créer tes propres niveaux (menu principal)</translation>
    </message>
    <message>
        <source>THE WORLD</source>
        <translation>LE MONDE</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloc</translation>
    </message>
    <message>
        <source>Solid ground in its colour. It never moves.</source>
        <translation>Un sol solide de sa couleur. Il ne bouge jamais.</translation>
    </message>
    <message>
        <source>Patterned block</source>
        <translation>Bloc à motif</translation>
    </message>
    <message>
        <source>Frames every level. No bomb can break it.</source>
        <translation>Encadre chaque niveau. Aucune bombe ne le casse.</translation>
    </message>
    <message>
        <source>Falling block</source>
        <translation>Bloc qui tombe</translation>
    </message>
    <message>
        <source>Drops until something holds it; pushes what is below.</source>
        <translation>Tombe jusqu'à être retenu ; pousse ce qui est dessous.</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nuage</translation>
    </message>
    <message>
        <source>Up or down it carries you; sideways it only pushes.</source>
        <translation>En haut ou en bas, il te porte ; de côté, il pousse.</translation>
    </message>
    <message>
        <source>Spikes</source>
        <translation>Pics</translation>
    </message>
    <message>
        <source>Deadly to their colour: jump over them.</source>
        <translation>Mortels pour leur couleur : saute par-dessus.</translation>
    </message>
    <message>
        <source>Bomb</source>
        <translation>Bombe</translation>
    </message>
    <message>
        <source>Drawn onto a block of its colour, it breaks it.</source>
        <translation>Posée sur un bloc de sa couleur, elle le casse.</translation>
    </message>
    <message>
        <source>The blast</source>
        <translation>L'explosion</translation>
    </message>
    <message>
        <source>Stand clear: it kills a character of its colour.</source>
        <translation>Recule : elle tue les personnages de sa couleur.</translation>
    </message>
    <message>
        <source>The colour rule</source>
        <translation>La règle des couleurs</translation>
    </message>
    <message>
        <source>A character only touches blocks</source>
        <translation>Un personnage ne touche que les blocs</translation>
    </message>
    <message>
        <source>that share its colour and mark;</source>
        <translation>de sa couleur et de son symbole ;</translation>
    </message>
    <message>
        <source>white touches all.</source>
        <translation>le blanc touche tout.</translation>
    </message>
    <message>
        <source>PAD AND MENUS</source>
        <translation>MANETTE ET MENUS</translation>
    </message>
    <message>
        <source>IN A LEVEL</source>
        <translation>DANS UN NIVEAU</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>marcher</translation>
    </message>
    <message>
        <source>door</source>
        <translation>porte</translation>
    </message>
    <message>
        <source>switch character</source>
        <translation>changer de perso</translation>
    </message>
    <message>
        <source>back (in menus)</source>
        <translation>retour (menus)</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>drawing mode</source>
        <translation>mode dessin</translation>
    </message>
    <message>
        <source>rewind</source>
        <translation>rembobiner</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>zoom</translation>
    </message>
    <message>
        <source>look around</source>
        <translation>regarder autour</translation>
    </message>
    <message>
        <source>MENUS</source>
        <translation>MENUS</translation>
    </message>
    <message>
        <source>move</source>
        <translation>bouger</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>choose</source>
        <translation>choisir</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>back</source>
        <translation>retour</translation>
    </message>
    <message>
        <source>DRAWING MODE</source>
        <translation>MODE DESSIN</translation>
    </message>
    <message>
        <source>slot</source>
        <translation>case</translation>
    </message>
    <message>
        <source>place</source>
        <translation>poser</translation>
    </message>
    <message>
        <source>leave</source>
        <translation>quitter</translation>
    </message>
    <message>
        <source>On the map, Esc goes back to the title.</source>
        <translation>Sur la carte, Échap ramène à l'écran titre.</translation>
    </message>
</context>
<context>
    <name>credits</name>
    <message>
        <source>made by the Crumbleford team</source>
        <translation>créé par l'équipe Crumbleford</translation>
    </message>
    <message>
        <source>art drawn by our own generator</source>
        <translation>graphismes tracés par notre générateur</translation>
    </message>
    <message>
        <source>font: DejaVu Sans</source>
        <translation>police : DejaVu Sans</translation>
    </message>
    <message>
        <source>thanks for playing</source>
        <translation>merci d'avoir joué</translation>
    </message>
</context>
<context>
    <name>banners</name>
    <message>
        <source>LEVEL PAUSED</source>
        <translation>NIVEAU EN PAUSE</translation>
    </message>
    <message>
        <source>LEVEL FAILED</source>
        <translation>NIVEAU ÉCHOUÉ</translation>
    </message>
    <message>
        <source>LEVEL PASSED</source>
        <translation>NIVEAU RÉUSSI</translation>
    </message>
</context>
</TS>
