<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>BoardAccessibility</name>
    <message>
        <source>Empty</source>
        <translation>Vuota</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Pallina viola</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Pallina blu</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Pallina gialla</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Pallina verde</translation>
    </message>
    <message>
        <source>Red ball</source>
        <translation>Pallina rossa</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, riga %2, colonna %3</translation>
    </message>
</context>
<context>
    <name>orbulon</name>
    <message>
        <source>There are no more possible moves available!     </source>
        <translation>Non ci sono più mosse possibili!     </translation>
    </message>
    <message>
        <source>YOU HAVE ACHIEVED THE MAXIMUM SCORE!!!     </source>
        <translation>HAI RAGGIUNTO IL PUNTEGGIO MASSIMO!!!     </translation>
    </message>
    <message>
        <source>There are:<byte value="xd"/><byte value="xd"/>Purple: %1<byte value="xd"/>Blue:    %2<byte value="xd"/>Yellow: %3<byte value="xd"/>Green:  %4<byte value="xd"/>Red:     %5<byte value="xd"/><byte value="xd"/>There are %6 Blanks at the moment.     </source>
        <translation>Ci sono:<byte value="xd"/><byte value="xd"/>Viola:   %1<byte value="xd"/>Blu:      %2<byte value="xd"/>Gialle: %3<byte value="xd"/>Verdi:   %4<byte value="xd"/>Rosse:  %5<byte value="xd"/><byte value="xd"/>In questo momento ci sono %6 caselle vuote.     </translation>
    </message>
    <message>
        <source>Please enter your name.     </source>
        <translation>Inserisci il tuo nome.     </translation>
    </message>
    <message>
        <source>You got the high score!</source>
        <translation>Hai ottenuto un record!</translation>
    </message>
    <message>
        <source>Sorry, your score could not be saved.     </source>
        <translation>Spiacenti, non è stato possibile salvare il tuo punteggio.     </translation>
    </message>
    <message>
        <source>Sorry, the high-score table could not be read, so your score was not saved.     </source>
        <translation>Spiacenti, non è stato possibile leggere la classifica, quindi il tuo punteggio non è stato salvato.     </translation>
    </message>
    <message>
        <source>System Information is unavailable at this time.     </source>
        <translation>Le informazioni di sistema non sono disponibili al momento.     </translation>
    </message>
    <message>
        <source>Are you sure you want to exit?     </source>
        <translation>Vuoi davvero uscire?     </translation>
    </message>
    <message>
        <source>Orbulon cannot find its own folder, where its pictures, sounds and scores are kept, so it cannot start.     </source>
        <translation>Orbulon non trova la propria cartella, dove tiene immagini, suoni e punteggi, quindi non può avviarsi.     </translation>
    </message>
    <message>
        <source>Waiting for another copy of Orbulon to save its score before saving yours.     </source>
        <translation>In attesa che un’altra copia di Orbulon salvi il suo punteggio prima di salvare il tuo.     </translation>
    </message>
    <message>
        <source>Do not save my score</source>
        <translation>Non salvare il mio punteggio</translation>
    </message>
</context>
<context>
    <name>orbulon::Program</name>
    <message>
        <source>A puzzle of coloured balls in one window.

Keys: Ctrl++ or Ctrl+= zooms in a step, Ctrl+- zooms out, Ctrl+0 returns to the designed size; the zoom chosen with them is kept for the next game.</source>
        <translation>Un rompicapo di palline colorate in una sola finestra.

Tasti: Ctrl++ o Ctrl+= ingrandisce di un passo, Ctrl+- rimpicciolisce, Ctrl+0 torna alla dimensione prevista; lo zoom scelto con essi viene mantenuto per la partita successiva.</translation>
    </message>
    <message>
        <source>Opens the window &lt;N&gt; times its designed size, N from 1 to 4, for this game only.</source>
        <translation>Apre la finestra &lt;N&gt; volte la sua dimensione prevista, N da 1 a 4, solo per questa partita.</translation>
    </message>
</context>
<context>
    <name>orbulon::frmAbout</name>
    <message>
        <source>About.</source>
        <translation>Informazioni.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informazioni di &amp;sistema...</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
    <message>
        <source>A puzzle of coloured balls: clear the joined groups of one colour, and the bigger the group, the more it scores.</source>
        <translation>Un rompicapo di palline colorate: elimina i gruppi di palline unite dello stesso colore; più grande è il gruppo, più punti vale.</translation>
    </message>
    <message>
        <source>(c) 2026 The Orbulon developers</source>
        <translation>(c) 2026 Gli sviluppatori di Orbulon</translation>
    </message>
</context>
<context>
    <name>orbulon::frmHelp</name>
    <message>
        <source>Click on any coloured ball, and if it is connected to any ball of the same</source>
        <translation>Fai clic su una pallina colorata; se è unita a un’altra pallina dello stesso</translation>
    </message>
    <message>
        <source>colour, horizontally or vertically, it will be worth some points.</source>
        <translation>colore, in orizzontale o in verticale, varrà alcuni punti.</translation>
    </message>
    <message>
        <source>A highlight will appear around any balls worth points.  The more balls</source>
        <translation>Attorno alle palline che valgono punti apparirà un riquadro.  Più palline</translation>
    </message>
    <message>
        <source>highlight, the greater the points will be, and can be checked by floating</source>
        <translation>sono evidenziate, più punti valgono; puoi controllarli tenendo</translation>
    </message>
    <message>
        <source>the cursor over any ball in the highlight group.</source>
        <translation>il cursore su una qualsiasi pallina del gruppo evidenziato.</translation>
    </message>
    <message>
        <source>Click again on any ball in the group to clear them, and add the points</source>
        <translation>Fai di nuovo clic su una pallina del gruppo per eliminarle e aggiungere i punti</translation>
    </message>
    <message>
        <source>to your score.  If you do not yet wish to clear those balls, click anywhere</source>
        <translation>al tuo punteggio.  Se non vuoi ancora eliminare quelle palline, fai clic in un altro</translation>
    </message>
    <message>
        <source>else in the grid.  The game ends when there are no more possible moves.</source>
        <translation>punto della griglia.  La partita finisce quando non ci sono più mosse possibili.</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Istruzioni:</translation>
    </message>
    <message>
        <source>How To Play.</source>
        <translation>Come si gioca.</translation>
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
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>How To &amp;Play</source>
        <translation>&amp;Come si gioca</translation>
    </message>
    <message>
        <source>Hi&amp;nt</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>&amp;Show High Scores</source>
        <translation>&amp;Mostra punteggi migliori</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
</context>
<context>
    <name>orbulon::frmScores</name>
    <message>
        <source>Scores.</source>
        <translation>Punteggi.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
