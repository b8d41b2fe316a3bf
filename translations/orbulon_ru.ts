<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>BoardAccessibility</name>
    <message>
        <source>Empty</source>
        <translation>Пусто</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Фиолетовый шар</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Синий шар</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Жёлтый шар</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Зелёный шар</translation>
    </message>
    <message>
        <source>Red ball</source>
        <translation>Красный шар</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, строка %2, столбец %3</translation>
    </message>
</context>
<context>
    <name>orbulon</name>
    <message>
        <source>There are no more possible moves available!     </source>
        <translation>Больше нет возможных ходов!     </translation>
    </message>
    <message>
        <source>YOU HAVE ACHIEVED THE MAXIMUM SCORE!!!     </source>
        <translation>ВЫ НАБРАЛИ МАКСИМАЛЬНЫЙ СЧЁТ!!!     </translation>
    </message>
    <message>
        <source>There are:<byte value="xd"/><byte value="xd"/>Purple: %1<byte value="xd"/>Blue:    %2<byte value="xd"/>Yellow: %3<byte value="xd"/>Green:  %4<byte value="xd"/>Red:     %5<byte value="xd"/><byte value="xd"/>There are %6 Blanks at the moment.     </source>
        <translation>На поле:<byte value="xd"/><byte value="xd"/>Фиолетовых: %1<byte value="xd"/>Синих:           %2<byte value="xd"/>Жёлтых:         %3<byte value="xd"/>Зелёных:        %4<byte value="xd"/>Красных:        %5<byte value="xd"/><byte value="xd"/>Пустых клеток сейчас: %6.     </translation>
    </message>
    <message>
        <source>Please enter your name.     </source>
        <translation>Пожалуйста, введите своё имя.     </translation>
    </message>
    <message>
        <source>You got the high score!</source>
        <translation>У вас рекорд!</translation>
    </message>
    <message>
        <source>Sorry, your score could not be saved.     </source>
        <translation>К сожалению, ваш счёт не удалось сохранить.     </translation>
    </message>
    <message>
        <source>Sorry, the high-score table could not be read, so your score was not saved.     </source>
        <translation>К сожалению, таблицу рекордов не удалось прочитать, поэтому ваш счёт не сохранён.     </translation>
    </message>
    <message>
        <source>System Information is unavailable at this time.     </source>
        <translation>Сведения о системе сейчас недоступны.     </translation>
    </message>
    <message>
        <source>Are you sure you want to exit?     </source>
        <translation>Вы действительно хотите выйти?     </translation>
    </message>
    <message>
        <source>Orbulon cannot find its own folder, where its pictures, sounds and scores are kept, so it cannot start.     </source>
        <translation>Orbulon не может найти свою папку, где хранятся его картинки, звуки и рекорды, поэтому не может запуститься.     </translation>
    </message>
    <message>
        <source>Waiting for another copy of Orbulon to save its score before saving yours.     </source>
        <translation>Ожидание, пока другая копия Orbulon сохранит свой результат, прежде чем сохранить ваш.     </translation>
    </message>
    <message>
        <source>Do not save my score</source>
        <translation>Не сохранять мой результат</translation>
    </message>
</context>
<context>
    <name>orbulon::Program</name>
    <message>
        <source>A puzzle of coloured balls in one window.

Keys: Ctrl++ or Ctrl+= zooms in a step, Ctrl+- zooms out, Ctrl+0 returns to the designed size; the zoom chosen with them is kept for the next game.</source>
        <translation>Головоломка из цветных шаров в одном окне.

Клавиши: Ctrl++ или Ctrl+= увеличивает на шаг, Ctrl+- уменьшает, Ctrl+0 возвращает исходный размер; выбранный ими масштаб сохраняется для следующей игры.</translation>
    </message>
    <message>
        <source>Opens the window &lt;N&gt; times its designed size, N from 1 to 4, for this game only.</source>
        <translation>Открывает окно в &lt;N&gt; раз больше исходного размера, N от 1 до 4, только для этой игры.</translation>
    </message>
</context>
<context>
    <name>orbulon::frmAbout</name>
    <message>
        <source>About.</source>
        <translation>О программе.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Сведения о &amp;системе...</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Версия %1.%2.%3</translation>
    </message>
    <message>
        <source>A puzzle of coloured balls: clear the joined groups of one colour, and the bigger the group, the more it scores.</source>
        <translation>Головоломка с цветными шарами: убирайте соединённые группы шаров одного цвета; чем больше группа, тем больше очков она приносит.</translation>
    </message>
    <message>
        <source>(c) 2026 The Orbulon developers</source>
        <translation>(c) 2026 Разработчики Orbulon</translation>
    </message>
</context>
<context>
    <name>orbulon::frmHelp</name>
    <message>
        <source>Click on any coloured ball, and if it is connected to any ball of the same</source>
        <translation>Щёлкните по любому цветному шару; если он соприкасается с шаром того же</translation>
    </message>
    <message>
        <source>colour, horizontally or vertically, it will be worth some points.</source>
        <translation>цвета по горизонтали или по вертикали, он будет стоить несколько очков.</translation>
    </message>
    <message>
        <source>A highlight will appear around any balls worth points.  The more balls</source>
        <translation>Вокруг шаров, которые стоят очков, появится рамка.  Чем больше шаров</translation>
    </message>
    <message>
        <source>highlight, the greater the points will be, and can be checked by floating</source>
        <translation>в рамке, тем больше очков; их можно узнать, задержав</translation>
    </message>
    <message>
        <source>the cursor over any ball in the highlight group.</source>
        <translation>указатель над любым шаром из группы в рамке.</translation>
    </message>
    <message>
        <source>Click again on any ball in the group to clear them, and add the points</source>
        <translation>Щёлкните по любому шару группы ещё раз, чтобы убрать их и добавить очки</translation>
    </message>
    <message>
        <source>to your score.  If you do not yet wish to clear those balls, click anywhere</source>
        <translation>к своему счёту.  Если вы пока не хотите убирать эти шары, щёлкните в любом</translation>
    </message>
    <message>
        <source>else in the grid.  The game ends when there are no more possible moves.</source>
        <translation>другом месте поля.  Игра заканчивается, когда возможных ходов больше нет.</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Правила:</translation>
    </message>
    <message>
        <source>How To Play.</source>
        <translation>Как играть.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>orbulon::frmMain</name>
    <message>
        <source>Score</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>How To &amp;Play</source>
        <translation>&amp;Как играть</translation>
    </message>
    <message>
        <source>Hi&amp;nt</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <source>&amp;Show High Scores</source>
        <translation>Показать &amp;рекорды</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
</context>
<context>
    <name>orbulon::frmScores</name>
    <message>
        <source>Scores.</source>
        <translation>Рекорды.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
</TS>
