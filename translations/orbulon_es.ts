<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BoardAccessibility</name>
    <message>
        <source>Empty</source>
        <translation>Vacía</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Bola morada</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Bola azul</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Bola amarilla</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Bola verde</translation>
    </message>
    <message>
        <source>Red ball</source>
        <translation>Bola roja</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, fila %2, columna %3</translation>
    </message>
</context>
<context>
    <name>orbulon</name>
    <message>
        <source>There are no more possible moves available!     </source>
        <translation>¡No quedan más movimientos posibles!     </translation>
    </message>
    <message>
        <source>YOU HAVE ACHIEVED THE MAXIMUM SCORE!!!     </source>
        <translation>¡¡¡HAS CONSEGUIDO LA PUNTUACIÓN MÁXIMA!!!     </translation>
    </message>
    <message>
        <source>There are:<byte value="xd"/><byte value="xd"/>Purple: %1<byte value="xd"/>Blue:    %2<byte value="xd"/>Yellow: %3<byte value="xd"/>Green:  %4<byte value="xd"/>Red:     %5<byte value="xd"/><byte value="xd"/>There are %6 Blanks at the moment.     </source>
        <translation>Hay:<byte value="xd"/><byte value="xd"/>Moradas:   %1<byte value="xd"/>Azules:      %2<byte value="xd"/>Amarillas: %3<byte value="xd"/>Verdes:     %4<byte value="xd"/>Rojas:       %5<byte value="xd"/><byte value="xd"/>Ahora mismo hay %6 casillas vacías.     </translation>
    </message>
    <message>
        <source>Please enter your name.     </source>
        <translation>Escribe tu nombre.     </translation>
    </message>
    <message>
        <source>You got the high score!</source>
        <translation>¡Has conseguido un récord!</translation>
    </message>
    <message>
        <source>Sorry, your score could not be saved.     </source>
        <translation>Lo sentimos, no se ha podido guardar tu puntuación.     </translation>
    </message>
    <message>
        <source>Sorry, the high-score table could not be read, so your score was not saved.     </source>
        <translation>Lo sentimos, no se ha podido leer la tabla de récords, así que tu puntuación no se ha guardado.     </translation>
    </message>
    <message>
        <source>System Information is unavailable at this time.     </source>
        <translation>La información del sistema no está disponible en este momento.     </translation>
    </message>
    <message>
        <source>Are you sure you want to exit?     </source>
        <translation>¿Seguro que quieres salir?     </translation>
    </message>
    <message>
        <source>Orbulon cannot find its own folder, where its pictures, sounds and scores are kept, so it cannot start.     </source>
        <translation>Orbulon no encuentra su propia carpeta, donde guarda sus imágenes, sonidos y puntuaciones, así que no puede iniciarse.     </translation>
    </message>
    <message>
        <source>Waiting for another copy of Orbulon to save its score before saving yours.     </source>
        <translation>Esperando a que otra copia de Orbulon guarde su puntuación antes de guardar la suya.     </translation>
    </message>
    <message>
        <source>Do not save my score</source>
        <translation>No guardar mi puntuación</translation>
    </message>
</context>
<context>
    <name>orbulon::Program</name>
    <message>
        <source>A puzzle of coloured balls in one window.

Keys: Ctrl++ or Ctrl+= zooms in a step, Ctrl+- zooms out, Ctrl+0 returns to the designed size; the zoom chosen with them is kept for the next game.</source>
        <translation>Un rompecabezas de bolas de colores en una sola ventana.

Teclas: Ctrl++ o Ctrl+= amplía un paso, Ctrl+- reduce, Ctrl+0 vuelve al tamaño previsto; el zoom elegido con ellas se conserva para la próxima partida.</translation>
    </message>
    <message>
        <source>Opens the window &lt;N&gt; times its designed size, N from 1 to 4, for this game only.</source>
        <translation>Abre la ventana &lt;N&gt; veces su tamaño previsto, N de 1 a 4, solo para esta partida.</translation>
    </message>
</context>
<context>
    <name>orbulon::frmAbout</name>
    <message>
        <source>About.</source>
        <translation>Acerca de.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Información del &amp;sistema...</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>A puzzle of coloured balls: clear the joined groups of one colour, and the bigger the group, the more it scores.</source>
        <translation>Un rompecabezas de bolas de colores: retira los grupos de bolas unidas de un mismo color; cuanto mayor sea el grupo, más puntos vale.</translation>
    </message>
    <message>
        <source>(c) 2026 The Orbulon developers</source>
        <translation>(c) 2026 Los desarrolladores de Orbulon</translation>
    </message>
</context>
<context>
    <name>orbulon::frmHelp</name>
    <message>
        <source>Click on any coloured ball, and if it is connected to any ball of the same</source>
        <translation>Haz clic en una bola de color; si está unida a otra bola del mismo color,</translation>
    </message>
    <message>
        <source>colour, horizontally or vertically, it will be worth some points.</source>
        <translation>en horizontal o en vertical, valdrá algunos puntos.</translation>
    </message>
    <message>
        <source>A highlight will appear around any balls worth points.  The more balls</source>
        <translation>Aparecerá un marco alrededor de las bolas que valen puntos.  Cuantas más bolas</translation>
    </message>
    <message>
        <source>highlight, the greater the points will be, and can be checked by floating</source>
        <translation>estén enmarcadas, más puntos valdrán; puedes consultarlos dejando</translation>
    </message>
    <message>
        <source>the cursor over any ball in the highlight group.</source>
        <translation>el cursor sobre cualquier bola del grupo enmarcado.</translation>
    </message>
    <message>
        <source>Click again on any ball in the group to clear them, and add the points</source>
        <translation>Vuelve a hacer clic en una bola del grupo para retirarlas y sumar los puntos</translation>
    </message>
    <message>
        <source>to your score.  If you do not yet wish to clear those balls, click anywhere</source>
        <translation>a tu puntuación.  Si todavía no quieres retirar esas bolas, haz clic en cualquier</translation>
    </message>
    <message>
        <source>else in the grid.  The game ends when there are no more possible moves.</source>
        <translation>otro sitio de la cuadrícula.  La partida termina cuando no quedan movimientos.</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instrucciones:</translation>
    </message>
    <message>
        <source>How To Play.</source>
        <translation>Cómo jugar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>orbulon::frmMain</name>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>How To &amp;Play</source>
        <translation>Cómo &amp;jugar</translation>
    </message>
    <message>
        <source>Hi&amp;nt</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Show High Scores</source>
        <translation>&amp;Mostrar récords</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
</context>
<context>
    <name>orbulon::frmScores</name>
    <message>
        <source>Scores.</source>
        <translation>Puntuaciones.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
