<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>BoardAccessibility</name>
    <message>
        <source>Empty</source>
        <translation>Leeg</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Paarse bal</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Blauwe bal</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Gele bal</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Groene bal</translation>
    </message>
    <message>
        <source>Red ball</source>
        <translation>Rode bal</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, rij %2, kolom %3</translation>
    </message>
</context>
<context>
    <name>orbulon</name>
    <message>
        <source>There are no more possible moves available!     </source>
        <translation>Er zijn geen zetten meer mogelijk!     </translation>
    </message>
    <message>
        <source>YOU HAVE ACHIEVED THE MAXIMUM SCORE!!!     </source>
        <translation>U HEBT DE HOOGST MOGELIJKE SCORE BEHAALD!!!     </translation>
    </message>
    <message>
        <source>There are:<byte value="xd"/><byte value="xd"/>Purple: %1<byte value="xd"/>Blue:    %2<byte value="xd"/>Yellow: %3<byte value="xd"/>Green:  %4<byte value="xd"/>Red:     %5<byte value="xd"/><byte value="xd"/>There are %6 Blanks at the moment.     </source>
        <translation>Er zijn:<byte value="xd"/><byte value="xd"/>Paars:    %1<byte value="xd"/>Blauw:   %2<byte value="xd"/>Geel:     %3<byte value="xd"/>Groen:   %4<byte value="xd"/>Rood:     %5<byte value="xd"/><byte value="xd"/>Er zijn op dit moment %6 lege vakjes.     </translation>
    </message>
    <message>
        <source>Please enter your name.     </source>
        <translation>Voer uw naam in.     </translation>
    </message>
    <message>
        <source>You got the high score!</source>
        <translation>U hebt de hoogste score!</translation>
    </message>
    <message>
        <source>Sorry, your score could not be saved.     </source>
        <translation>Helaas kon uw score niet worden opgeslagen.     </translation>
    </message>
    <message>
        <source>Sorry, the high-score table could not be read, so your score was not saved.     </source>
        <translation>Helaas kon de lijst met hoogste scores niet worden gelezen, dus uw score is niet opgeslagen.     </translation>
    </message>
    <message>
        <source>System Information is unavailable at this time.     </source>
        <translation>Systeeminformatie is op dit moment niet beschikbaar.     </translation>
    </message>
    <message>
        <source>Are you sure you want to exit?     </source>
        <translation>Weet u zeker dat u wilt afsluiten?     </translation>
    </message>
    <message>
        <source>Orbulon cannot find its own folder, where its pictures, sounds and scores are kept, so it cannot start.     </source>
        <translation>Orbulon kan zijn eigen map niet vinden, waar zijn afbeeldingen, geluiden en scores staan, en kan dus niet starten.     </translation>
    </message>
    <message>
        <source>Waiting for another copy of Orbulon to save its score before saving yours.     </source>
        <translation>Wachten tot een andere kopie van Orbulon haar score heeft opgeslagen voordat de uwe wordt opgeslagen.     </translation>
    </message>
    <message>
        <source>Do not save my score</source>
        <translation>Mijn score niet opslaan</translation>
    </message>
</context>
<context>
    <name>orbulon::Program</name>
    <message>
        <source>A puzzle of coloured balls in one window.

Keys: Ctrl++ or Ctrl+= zooms in a step, Ctrl+- zooms out, Ctrl+0 returns to the designed size; the zoom chosen with them is kept for the next game.</source>
        <translation>Een puzzel met gekleurde ballen in één venster.

Toetsen: Ctrl++ of Ctrl+= zoomt een stap in, Ctrl+- zoomt uit, Ctrl+0 keert terug naar de ontworpen grootte; de zo gekozen zoom blijft bewaard voor het volgende spel.</translation>
    </message>
    <message>
        <source>Opens the window &lt;N&gt; times its designed size, N from 1 to 4, for this game only.</source>
        <translation>Opent het venster &lt;N&gt; keer zo groot als ontworpen, N van 1 tot 4, alleen voor dit spel.</translation>
    </message>
</context>
<context>
    <name>orbulon::frmAbout</name>
    <message>
        <source>About.</source>
        <translation>Over.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeeminfo...</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versie %1.%2.%3</translation>
    </message>
    <message>
        <source>A puzzle of coloured balls: clear the joined groups of one colour, and the bigger the group, the more it scores.</source>
        <translation>Een puzzel met gekleurde ballen: haal de aaneengesloten groepen van één kleur weg; hoe groter de groep, hoe meer hij oplevert.</translation>
    </message>
    <message>
        <source>(c) 2026 The Orbulon developers</source>
        <translation>(c) 2026 De ontwikkelaars van Orbulon</translation>
    </message>
</context>
<context>
    <name>orbulon::frmHelp</name>
    <message>
        <source>Click on any coloured ball, and if it is connected to any ball of the same</source>
        <translation>Klik op een gekleurde bal; als die horizontaal of verticaal grenst aan een</translation>
    </message>
    <message>
        <source>colour, horizontally or vertically, it will be worth some points.</source>
        <translation>bal van dezelfde kleur, is hij een aantal punten waard.</translation>
    </message>
    <message>
        <source>A highlight will appear around any balls worth points.  The more balls</source>
        <translation>Om ballen die punten waard zijn verschijnt een kader.  Hoe meer ballen er</translation>
    </message>
    <message>
        <source>highlight, the greater the points will be, and can be checked by floating</source>
        <translation>omkaderd zijn, hoe meer punten ze opleveren; u ziet dat door de</translation>
    </message>
    <message>
        <source>the cursor over any ball in the highlight group.</source>
        <translation>muisaanwijzer boven een bal uit de omkaderde groep te houden.</translation>
    </message>
    <message>
        <source>Click again on any ball in the group to clear them, and add the points</source>
        <translation>Klik nogmaals op een bal uit de groep om ze weg te halen en de punten</translation>
    </message>
    <message>
        <source>to your score.  If you do not yet wish to clear those balls, click anywhere</source>
        <translation>bij uw score op te tellen.  Wilt u die ballen nog niet weghalen, klik dan ergens</translation>
    </message>
    <message>
        <source>else in the grid.  The game ends when there are no more possible moves.</source>
        <translation>anders in het speelveld.  Het spel eindigt als er geen zetten meer mogelijk zijn.</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instructies:</translation>
    </message>
    <message>
        <source>How To Play.</source>
        <translation>Hoe te spelen.</translation>
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
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>How To &amp;Play</source>
        <translation>Hoe te &amp;spelen</translation>
    </message>
    <message>
        <source>Hi&amp;nt</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>&amp;Show High Scores</source>
        <translation>&amp;Hoogste scores tonen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
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
