<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>BoardAccessibility</name>
    <message>
        <source>Empty</source>
        <translation>Vazia</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Bola roxa</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Bola azul</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Bola amarela</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Bola verde</translation>
    </message>
    <message>
        <source>Red ball</source>
        <translation>Bola vermelha</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, linha %2, coluna %3</translation>
    </message>
</context>
<context>
    <name>orbulon</name>
    <message>
        <source>There are no more possible moves available!     </source>
        <translation>Não há mais jogadas possíveis!     </translation>
    </message>
    <message>
        <source>YOU HAVE ACHIEVED THE MAXIMUM SCORE!!!     </source>
        <translation>VOCÊ ATINGIU A PONTUAÇÃO MÁXIMA!!!     </translation>
    </message>
    <message>
        <source>There are:<byte value="xd"/><byte value="xd"/>Purple: %1<byte value="xd"/>Blue:    %2<byte value="xd"/>Yellow: %3<byte value="xd"/>Green:  %4<byte value="xd"/>Red:     %5<byte value="xd"/><byte value="xd"/>There are %6 Blanks at the moment.     </source>
        <translation>Há:<byte value="xd"/><byte value="xd"/>Roxas:       %1<byte value="xd"/>Azuis:        %2<byte value="xd"/>Amarelas:   %3<byte value="xd"/>Verdes:      %4<byte value="xd"/>Vermelhas: %5<byte value="xd"/><byte value="xd"/>No momento há %6 casas vazias.     </translation>
    </message>
    <message>
        <source>Please enter your name.     </source>
        <translation>Digite o seu nome.     </translation>
    </message>
    <message>
        <source>You got the high score!</source>
        <translation>Você fez um recorde!</translation>
    </message>
    <message>
        <source>Sorry, your score could not be saved.     </source>
        <translation>Desculpe, não foi possível salvar a sua pontuação.     </translation>
    </message>
    <message>
        <source>Sorry, the high-score table could not be read, so your score was not saved.     </source>
        <translation>Desculpe, não foi possível ler a tabela de recordes, então a sua pontuação não foi salva.     </translation>
    </message>
    <message>
        <source>System Information is unavailable at this time.     </source>
        <translation>As informações do sistema não estão disponíveis no momento.     </translation>
    </message>
    <message>
        <source>Are you sure you want to exit?     </source>
        <translation>Tem certeza de que deseja sair?     </translation>
    </message>
    <message>
        <source>Orbulon cannot find its own folder, where its pictures, sounds and scores are kept, so it cannot start.     </source>
        <translation>O Orbulon não encontra a própria pasta, onde ficam suas imagens, sons e pontuações, e por isso não pode iniciar.     </translation>
    </message>
    <message>
        <source>Waiting for another copy of Orbulon to save its score before saving yours.     </source>
        <translation>Aguardando outra cópia do Orbulon salvar a pontuação dela antes de salvar a sua.     </translation>
    </message>
    <message>
        <source>Do not save my score</source>
        <translation>Não salvar minha pontuação</translation>
    </message>
</context>
<context>
    <name>orbulon::Program</name>
    <message>
        <source>A puzzle of coloured balls in one window.

Keys: Ctrl++ or Ctrl+= zooms in a step, Ctrl+- zooms out, Ctrl+0 returns to the designed size; the zoom chosen with them is kept for the next game.</source>
        <translation>Um quebra-cabeça de bolas coloridas em uma só janela.

Teclas: Ctrl++ ou Ctrl+= amplia um passo, Ctrl+- reduz, Ctrl+0 volta ao tamanho previsto; o zoom escolhido com elas é mantido para o próximo jogo.</translation>
    </message>
    <message>
        <source>Opens the window &lt;N&gt; times its designed size, N from 1 to 4, for this game only.</source>
        <translation>Abre a janela &lt;N&gt; vezes o seu tamanho previsto, N de 1 a 4, somente neste jogo.</translation>
    </message>
</context>
<context>
    <name>orbulon::frmAbout</name>
    <message>
        <source>About.</source>
        <translation>Sobre.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informações do &amp;sistema...</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <source>A puzzle of coloured balls: clear the joined groups of one colour, and the bigger the group, the more it scores.</source>
        <translation>Um quebra-cabeça de bolas coloridas: retire os grupos de bolas unidas de uma mesma cor; quanto maior o grupo, mais pontos ele vale.</translation>
    </message>
    <message>
        <source>(c) 2026 The Orbulon developers</source>
        <translation>(c) 2026 Os desenvolvedores do Orbulon</translation>
    </message>
</context>
<context>
    <name>orbulon::frmHelp</name>
    <message>
        <source>Click on any coloured ball, and if it is connected to any ball of the same</source>
        <translation>Clique em qualquer bola colorida; se ela estiver ligada a uma bola da mesma</translation>
    </message>
    <message>
        <source>colour, horizontally or vertically, it will be worth some points.</source>
        <translation>cor, na horizontal ou na vertical, valerá alguns pontos.</translation>
    </message>
    <message>
        <source>A highlight will appear around any balls worth points.  The more balls</source>
        <translation>Um destaque aparecerá em volta das bolas que valem pontos.  Quanto mais bolas</translation>
    </message>
    <message>
        <source>highlight, the greater the points will be, and can be checked by floating</source>
        <translation>destacadas, mais pontos valerão; você pode conferi-los deixando</translation>
    </message>
    <message>
        <source>the cursor over any ball in the highlight group.</source>
        <translation>o cursor sobre qualquer bola do grupo destacado.</translation>
    </message>
    <message>
        <source>Click again on any ball in the group to clear them, and add the points</source>
        <translation>Clique de novo em qualquer bola do grupo para retirá-las e somar os pontos</translation>
    </message>
    <message>
        <source>to your score.  If you do not yet wish to clear those balls, click anywhere</source>
        <translation>à sua pontuação.  Se ainda não quiser retirar essas bolas, clique em qualquer</translation>
    </message>
    <message>
        <source>else in the grid.  The game ends when there are no more possible moves.</source>
        <translation>outro lugar da grade.  O jogo termina quando não há mais jogadas possíveis.</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instruções:</translation>
    </message>
    <message>
        <source>How To Play.</source>
        <translation>Como jogar.</translation>
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
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>How To &amp;Play</source>
        <translation>Como &amp;jogar</translation>
    </message>
    <message>
        <source>Hi&amp;nt</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <source>&amp;Show High Scores</source>
        <translation>&amp;Mostrar recordes</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
</context>
<context>
    <name>orbulon::frmScores</name>
    <message>
        <source>Scores.</source>
        <translation>Pontuações.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
