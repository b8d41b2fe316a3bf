<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>BoardAccessibility</name>
    <message>
        <source>Empty</source>
        <translation>Puste</translation>
    </message>
    <message>
        <source>Purple ball</source>
        <translation>Fioletowa kula</translation>
    </message>
    <message>
        <source>Blue ball</source>
        <translation>Niebieska kula</translation>
    </message>
    <message>
        <source>Yellow ball</source>
        <translation>Żółta kula</translation>
    </message>
    <message>
        <source>Green ball</source>
        <translation>Zielona kula</translation>
    </message>
    <message>
        <source>Red ball</source>
        <translation>Czerwona kula</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, wiersz %2, kolumna %3</translation>
    </message>
</context>
<context>
    <name>orbulon</name>
    <message>
        <source>There are no more possible moves available!     </source>
        <translation>Nie ma już żadnych możliwych ruchów!     </translation>
    </message>
    <message>
        <source>YOU HAVE ACHIEVED THE MAXIMUM SCORE!!!     </source>
        <translation>MASZ MAKSYMALNY WYNIK!!!     </translation>
    </message>
    <message>
        <source>There are:<byte value="xd"/><byte value="xd"/>Purple: %1<byte value="xd"/>Blue:    %2<byte value="xd"/>Yellow: %3<byte value="xd"/>Green:  %4<byte value="xd"/>Red:     %5<byte value="xd"/><byte value="xd"/>There are %6 Blanks at the moment.     </source>
        <translation>Na planszy:<byte value="xd"/><byte value="xd"/>Fioletowe: %1<byte value="xd"/>Niebieskie: %2<byte value="xd"/>Żółte:        %3<byte value="xd"/>Zielone:     %4<byte value="xd"/>Czerwone:  %5<byte value="xd"/><byte value="xd"/>Pustych pól w tej chwili: %6.     </translation>
    </message>
    <message>
        <source>Please enter your name.     </source>
        <translation>Wpisz swoje imię.     </translation>
    </message>
    <message>
        <source>You got the high score!</source>
        <translation>Masz najlepszy wynik!</translation>
    </message>
    <message>
        <source>Sorry, your score could not be saved.     </source>
        <translation>Niestety, nie udało się zapisać twojego wyniku.     </translation>
    </message>
    <message>
        <source>Sorry, the high-score table could not be read, so your score was not saved.     </source>
        <translation>Niestety, nie udało się odczytać tabeli wyników, więc twój wynik nie został zapisany.     </translation>
    </message>
    <message>
        <source>System Information is unavailable at this time.     </source>
        <translation>Informacje o systemie są w tej chwili niedostępne.     </translation>
    </message>
    <message>
        <source>Are you sure you want to exit?     </source>
        <translation>Czy na pewno chcesz zakończyć?     </translation>
    </message>
    <message>
        <source>Orbulon cannot find its own folder, where its pictures, sounds and scores are kept, so it cannot start.     </source>
        <translation>Orbulon nie może znaleźć własnego folderu, w którym trzyma obrazy, dźwięki i wyniki, więc nie może się uruchomić.     </translation>
    </message>
    <message>
        <source>Waiting for another copy of Orbulon to save its score before saving yours.     </source>
        <translation>Czekam, aż inna kopia Orbulona zapisze swój wynik, zanim zapiszę Twój.     </translation>
    </message>
    <message>
        <source>Do not save my score</source>
        <translation>Nie zapisuj mojego wyniku</translation>
    </message>
</context>
<context>
    <name>orbulon::Program</name>
    <message>
        <source>A puzzle of coloured balls in one window.

Keys: Ctrl++ or Ctrl+= zooms in a step, Ctrl+- zooms out, Ctrl+0 returns to the designed size; the zoom chosen with them is kept for the next game.</source>
        <translation>Łamigłówka z kolorowych kul w jednym oknie.

Klawisze: Ctrl++ lub Ctrl+= powiększa o krok, Ctrl+- pomniejsza, Ctrl+0 przywraca zaprojektowany rozmiar; wybrane nimi powiększenie zostaje zachowane na następną grę.</translation>
    </message>
    <message>
        <source>Opens the window &lt;N&gt; times its designed size, N from 1 to 4, for this game only.</source>
        <translation>Otwiera okno &lt;N&gt; razy większe od zaprojektowanego, N od 1 do 4, tylko w tej grze.</translation>
    </message>
</context>
<context>
    <name>orbulon::frmAbout</name>
    <message>
        <source>About.</source>
        <translation>O grze.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informacje o &amp;systemie...</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Wersja %1.%2.%3</translation>
    </message>
    <message>
        <source>A puzzle of coloured balls: clear the joined groups of one colour, and the bigger the group, the more it scores.</source>
        <translation>Łamigłówka z kolorowymi kulami: usuwaj połączone grupy kul jednego koloru; im większa grupa, tym więcej punktów.</translation>
    </message>
    <message>
        <source>(c) 2026 The Orbulon developers</source>
        <translation>(c) 2026 Twórcy Orbulona</translation>
    </message>
</context>
<context>
    <name>orbulon::frmHelp</name>
    <message>
        <source>Click on any coloured ball, and if it is connected to any ball of the same</source>
        <translation>Kliknij dowolną kolorową kulę; jeśli łączy się z kulą tego samego koloru</translation>
    </message>
    <message>
        <source>colour, horizontally or vertically, it will be worth some points.</source>
        <translation>w poziomie lub w pionie, będzie warta kilka punktów.</translation>
    </message>
    <message>
        <source>A highlight will appear around any balls worth points.  The more balls</source>
        <translation>Wokół kul wartych punkty pojawi się ramka.  Im więcej kul jest</translation>
    </message>
    <message>
        <source>highlight, the greater the points will be, and can be checked by floating</source>
        <translation>w ramce, tym więcej punktów; można to sprawdzić, zatrzymując</translation>
    </message>
    <message>
        <source>the cursor over any ball in the highlight group.</source>
        <translation>kursor nad dowolną kulą z grupy w ramce.</translation>
    </message>
    <message>
        <source>Click again on any ball in the group to clear them, and add the points</source>
        <translation>Kliknij ponownie dowolną kulę z grupy, aby je usunąć i dodać punkty</translation>
    </message>
    <message>
        <source>to your score.  If you do not yet wish to clear those balls, click anywhere</source>
        <translation>do swojego wyniku.  Jeśli nie chcesz jeszcze usuwać tych kul, kliknij w innym</translation>
    </message>
    <message>
        <source>else in the grid.  The game ends when there are no more possible moves.</source>
        <translation>miejscu planszy.  Gra kończy się, gdy nie ma już żadnych możliwych ruchów.</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instrukcja:</translation>
    </message>
    <message>
        <source>How To Play.</source>
        <translation>Jak grać.</translation>
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
        <translation>Wynik</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>How To &amp;Play</source>
        <translation>Jak &amp;grać</translation>
    </message>
    <message>
        <source>Hi&amp;nt</source>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <source>&amp;Show High Scores</source>
        <translation>Pokaż &amp;najlepsze wyniki</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O grze</translation>
    </message>
</context>
<context>
    <name>orbulon::frmScores</name>
    <message>
        <source>Scores.</source>
        <translation>Wyniki.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
