<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BoardAccessibility</name>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Boule violette</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Boule bleue</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Boule jaune</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Boule verte</translation>
    </message>
    <message>
        <source>Red ball</source>
        <translation>Boule rouge</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, ligne %2, colonne %3</translation>
    </message>
</context>
<context>
    <name>orbulon</name>
    <message>
        <source>There are no more possible moves available!     </source>
        <translation>Il n’y a plus aucun coup possible&#x202f;!     </translation>
    </message>
    <message>
        <source>YOU HAVE ACHIEVED THE MAXIMUM SCORE!!!     </source>
        <translation>VOUS AVEZ ATTEINT LE SCORE MAXIMUM&#x202f;!!!     </translation>
    </message>
    <message>
        <source>There are:<byte value="xd"/><byte value="xd"/>Purple: %1<byte value="xd"/>Blue:    %2<byte value="xd"/>Yellow: %3<byte value="xd"/>Green:  %4<byte value="xd"/>Red:     %5<byte value="xd"/><byte value="xd"/>There are %6 Blanks at the moment.     </source>
        <translation>Il y a&#xa0;:<byte value="xd"/><byte value="xd"/>Violettes&#xa0;: %1<byte value="xd"/>Bleues&#xa0;:    %2<byte value="xd"/>Jaunes&#xa0;:   %3<byte value="xd"/>Vertes&#xa0;:    %4<byte value="xd"/>Rouges&#xa0;:  %5<byte value="xd"/><byte value="xd"/>Il y a en ce moment %6 cases vides.     </translation>
    </message>
    <message>
        <source>Please enter your name.     </source>
        <translation>Veuillez saisir votre nom.     </translation>
    </message>
    <message>
        <source>You got the high score!</source>
        <translation>Vous avez fait un record&#x202f;!</translation>
    </message>
    <message>
        <source>Sorry, your score could not be saved.     </source>
        <translation>Désolé, votre score n’a pas pu être enregistré.     </translation>
    </message>
    <message>
        <source>Sorry, the high-score table could not be read, so your score was not saved.     </source>
        <translation>Désolé, la table des meilleurs scores n’a pas pu être lue, votre score n’a donc pas été enregistré.     </translation>
    </message>
    <message>
        <source>System Information is unavailable at this time.     </source>
        <translation>Les informations système ne sont pas disponibles pour le moment.     </translation>
    </message>
    <message>
        <source>Are you sure you want to exit?     </source>
        <translation>Voulez-vous vraiment quitter&#x202f;?     </translation>
    </message>
    <message>
        <source>Orbulon cannot find its own folder, where its pictures, sounds and scores are kept, so it cannot start.     </source>
        <translation>Orbulon ne trouve pas son propre dossier, où sont gardés ses images, ses sons et ses scores&#x202f;; il ne peut donc pas démarrer.     </translation>
    </message>
    <message>
        <source>Waiting for another copy of Orbulon to save its score before saving yours.     </source>
        <translation>Attente qu’une autre copie d’Orbulon enregistre son score avant d’enregistrer le vôtre.     </translation>
    </message>
    <message>
        <source>Do not save my score</source>
        <translation>Ne pas enregistrer mon score</translation>
    </message>
</context>
<context>
    <name>orbulon::Program</name>
    <message>
        <source>A puzzle of coloured balls in one window.

Keys: Ctrl++ or Ctrl+= zooms in a step, Ctrl+- zooms out, Ctrl+0 returns to the designed size; the zoom chosen with them is kept for the next game.</source>
        <translation>Un casse-tête de boules colorées dans une seule fenêtre.

Touches&#x202f;: Ctrl++ ou Ctrl+= agrandit d’un cran, Ctrl+- réduit, Ctrl+0 revient à la taille prévue&#x202f;; le zoom ainsi choisi est gardé pour la partie suivante.</translation>
    </message>
    <message>
        <source>Opens the window &lt;N&gt; times its designed size, N from 1 to 4, for this game only.</source>
        <translation>Ouvre la fenêtre &lt;N&gt; fois plus grande que prévu, N de 1 à 4, pour cette partie seulement.</translation>
    </message>
</context>
<context>
    <name>orbulon::frmAbout</name>
    <message>
        <source>About.</source>
        <translation>À propos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Infos &amp;système...</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>A puzzle of coloured balls: clear the joined groups of one colour, and the bigger the group, the more it scores.</source>
        <translation>Un casse-tête de boules colorées&#xa0;: retirez les groupes de boules voisines d’une même couleur&#x202f;; plus le groupe est grand, plus il rapporte.</translation>
    </message>
    <message>
        <source>(c) 2026 The Orbulon developers</source>
        <translation>(c) 2026 Les développeurs d’Orbulon</translation>
    </message>
</context>
<context>
    <name>orbulon::frmHelp</name>
    <message>
        <source>Click on any coloured ball, and if it is connected to any ball of the same</source>
        <translation>Cliquez sur une boule de couleur&#x202f;; si elle touche une boule de la même</translation>
    </message>
    <message>
        <source>colour, horizontally or vertically, it will be worth some points.</source>
        <translation>couleur, horizontalement ou verticalement, elle vaudra quelques points.</translation>
    </message>
    <message>
        <source>A highlight will appear around any balls worth points.  The more balls</source>
        <translation>Un cadre apparaît autour des boules qui valent des points.  Plus il y a de</translation>
    </message>
    <message>
        <source>highlight, the greater the points will be, and can be checked by floating</source>
        <translation>boules encadrées, plus les points sont nombreux&#x202f;; pour les voir, placez</translation>
    </message>
    <message>
        <source>the cursor over any ball in the highlight group.</source>
        <translation>le curseur sur l’une des boules du groupe encadré.</translation>
    </message>
    <message>
        <source>Click again on any ball in the group to clear them, and add the points</source>
        <translation>Cliquez à nouveau sur une boule du groupe pour le retirer et ajouter les points</translation>
    </message>
    <message>
        <source>to your score.  If you do not yet wish to clear those balls, click anywhere</source>
        <translation>à votre score.  Si vous ne voulez pas encore retirer ces boules, cliquez ailleurs</translation>
    </message>
    <message>
        <source>else in the grid.  The game ends when there are no more possible moves.</source>
        <translation>dans la grille.  La partie se termine quand il n’y a plus aucun coup possible.</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instructions&#xa0;:</translation>
    </message>
    <message>
        <source>How To Play.</source>
        <translation>Comment jouer.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>orbulon::frmMain</name>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>How To &amp;Play</source>
        <translation>Comment &amp;jouer</translation>
    </message>
    <message>
        <source>Hi&amp;nt</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Show High Scores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>orbulon::frmScores</name>
    <message>
        <source>Scores.</source>
        <translation>Scores.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
