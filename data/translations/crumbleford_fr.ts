<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
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
</TS>
