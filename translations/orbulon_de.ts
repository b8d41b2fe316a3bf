<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BoardAccessibility</name>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Lila Kugel</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Blaue Kugel</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Gelbe Kugel</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Grüne Kugel</translation>
    </message>
    <message>
        <source>Red ball</source>
        <translation>Rote Kugel</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, Zeile %2, Spalte %3</translation>
    </message>
</context>
<context>
    <name>orbulon</name>
    <message>
        <source>There are no more possible moves available!     </source>
        <translation>Es sind keine Züge mehr möglich!     </translation>
    </message>
    <message>
        <source>YOU HAVE ACHIEVED THE MAXIMUM SCORE!!!     </source>
        <translation>SIE HABEN DIE HÖCHSTPUNKTZAHL ERREICHT!!!     </translation>
    </message>
    <message>
        <source>There are:<byte value="xd"/><byte value="xd"/>Purple: %1<byte value="xd"/>Blue:    %2<byte value="xd"/>Yellow: %3<byte value="xd"/>Green:  %4<byte value="xd"/>Red:     %5<byte value="xd"/><byte value="xd"/>There are %6 Blanks at the moment.     </source>
        <translation>Auf dem Brett:<byte value="xd"/><byte value="xd"/>Lila: %1<byte value="xd"/>Blau:  %2<byte value="xd"/>Gelb:  %3<byte value="xd"/>Grün:  %4<byte value="xd"/>Rot:    %5<byte value="xd"/><byte value="xd"/>Leere Felder im Moment: %6.     </translation>
    </message>
    <message>
        <source>Please enter your name.     </source>
        <translation>Bitte geben Sie Ihren Namen ein.     </translation>
    </message>
    <message>
        <source>You got the high score!</source>
        <translation>Sie haben einen Rekord aufgestellt!</translation>
    </message>
    <message>
        <source>Sorry, your score could not be saved.     </source>
        <translation>Leider konnte Ihr Punktestand nicht gespeichert werden.     </translation>
    </message>
    <message>
        <source>Sorry, the high-score table could not be read, so your score was not saved.     </source>
        <translation>Leider ließ sich die Bestenliste nicht lesen, daher wurde Ihr Punktestand nicht gespeichert.     </translation>
    </message>
    <message>
        <source>System Information is unavailable at this time.     </source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar.     </translation>
    </message>
    <message>
        <source>Are you sure you want to exit?     </source>
        <translation>Wollen Sie das Spiel wirklich beenden?     </translation>
    </message>
    <message>
        <source>Orbulon cannot find its own folder, where its pictures, sounds and scores are kept, so it cannot start.     </source>
        <translation>Orbulon findet seinen eigenen Ordner nicht, in dem seine Bilder, Klänge und Punktestände liegen, und kann deshalb nicht starten.     </translation>
    </message>
    <message>
        <source>Waiting for another copy of Orbulon to save its score before saving yours.     </source>
        <translation>Warte, bis eine andere Orbulon-Kopie ihren Punktestand gespeichert hat, bevor Ihrer gespeichert wird.     </translation>
    </message>
    <message>
        <source>Do not save my score</source>
        <translation>Meinen Punktestand nicht speichern</translation>
    </message>
</context>
<context>
    <name>orbulon::Program</name>
    <message>
        <source>A puzzle of coloured balls in one window.

Keys: Ctrl++ or Ctrl+= zooms in a step, Ctrl+- zooms out, Ctrl+0 returns to the designed size; the zoom chosen with them is kept for the next game.</source>
        <translation>Ein Puzzle aus bunten Kugeln in einem Fenster.

Tasten: Strg++ oder Strg+= vergrößert um eine Stufe, Strg+- verkleinert, Strg+0 kehrt zur vorgesehenen Größe zurück; die damit gewählte Vergrößerung bleibt für das nächste Spiel erhalten.</translation>
    </message>
    <message>
        <source>Opens the window &lt;N&gt; times its designed size, N from 1 to 4, for this game only.</source>
        <translation>Öffnet das Fenster &lt;N&gt;-mal so groß wie vorgesehen, N von 1 bis 4, nur für dieses Spiel.</translation>
    </message>
</context>
<context>
    <name>orbulon::frmAbout</name>
    <message>
        <source>About.</source>
        <translation>Über.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>A puzzle of coloured balls: clear the joined groups of one colour, and the bigger the group, the more it scores.</source>
        <translation>Ein Geduldsspiel mit farbigen Kugeln: Räumen Sie zusammenhängende Gruppen einer Farbe ab – je größer die Gruppe, desto mehr Punkte bringt sie.</translation>
    </message>
    <message>
        <source>(c) 2026 The Orbulon developers</source>
        <translation>(c) 2026 Die Orbulon-Entwickler</translation>
    </message>
</context>
<context>
    <name>orbulon::frmHelp</name>
    <message>
        <source>Click on any coloured ball, and if it is connected to any ball of the same</source>
        <translation>Klicken Sie auf eine farbige Kugel.  Hängt sie waagerecht oder senkrecht an</translation>
    </message>
    <message>
        <source>colour, horizontally or vertically, it will be worth some points.</source>
        <translation>einer Kugel derselben Farbe, ist sie einige Punkte wert.</translation>
    </message>
    <message>
        <source>A highlight will appear around any balls worth points.  The more balls</source>
        <translation>Um Kugeln, die Punkte wert sind, erscheint eine Markierung.  Je mehr Kugeln</translation>
    </message>
    <message>
        <source>highlight, the greater the points will be, and can be checked by floating</source>
        <translation>markiert sind, desto mehr Punkte gibt es; das sehen Sie, wenn Sie den</translation>
    </message>
    <message>
        <source>the cursor over any ball in the highlight group.</source>
        <translation>Mauszeiger über eine Kugel der markierten Gruppe halten.</translation>
    </message>
    <message>
        <source>Click again on any ball in the group to clear them, and add the points</source>
        <translation>Klicken Sie erneut auf eine Kugel der Gruppe, um sie abzuräumen; die Punkte</translation>
    </message>
    <message>
        <source>to your score.  If you do not yet wish to clear those balls, click anywhere</source>
        <translation>kommen auf Ihr Konto.  Wollen Sie diese Kugeln noch nicht abräumen,</translation>
    </message>
    <message>
        <source>else in the grid.  The game ends when there are no more possible moves.</source>
        <translation>klicken Sie woanders ins Feld.  Das Spiel endet, wenn kein Zug mehr möglich ist.</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Anleitung:</translation>
    </message>
    <message>
        <source>How To Play.</source>
        <translation>Spielanleitung.</translation>
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
        <translation>Punkte</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>How To &amp;Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>Hi&amp;nt</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Show High Scores</source>
        <translation>&amp;Bestenliste anzeigen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
</context>
<context>
    <name>orbulon::frmScores</name>
    <message>
        <source>Scores.</source>
        <translation>Bestenliste.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
