<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>Zarvok Version Z611</source>
        <translation>Zarvok Version Z611</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Zarvo team</source>
        <translation>Copyright (C) 2026 Zarvo-Team</translation>
    </message>
    <message>
        <source>About Zarvok</source>
        <translation>Über Zarvok</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>To start, press the Up arrow key. 
To view the instructions, press the F1 key. 
To exit, press the Alt and F4 keys.</source>
        <extracomment>The status prompt under the table while a game runs: three lines, each ending in a blank before the line break. Key names as the menus write them keep a line whole.</extracomment>
        <translation>Zum Starten drücke die Pfeiltaste nach oben. 
Für die Anleitung drücke F1. 
Zum Beenden drücke Alt+F4.</translation>
    </message>
    <message>
        <source>Game is over. 
To print the results, press the Ctrl and P keys. 
To play again, press the Home key. 
To exit, press the Alt and F4 keys.</source>
        <extracomment>The status prompt once the problem is solved: four lines, each ending in a blank before the line break.</extracomment>
        <translation>Das Spiel ist aus. 
Zum Drucken der Ergebnisse drücke Strg+P. 
Für ein neues Spiel drücke Pos1. 
Zum Beenden drücke Alt+F4.</translation>
    </message>
    <message>
        <source>Boxes</source>
        <extracomment>Table heading, one short line: the number of boxes of each colour</extracomment>
        <translation>Kisten</translation>
    </message>
    <message>
        <source>Box Wt.</source>
        <extracomment>Table heading, one short line: the weight of ONE box of that colour, in pounds (&quot;per box&quot;), beside the column of the pounds of all its boxes</extracomment>
        <translation>je Kiste</translation>
    </message>
    <message>
        <source>Pounds</source>
        <extracomment>Table heading, one short line: the pounds of all the boxes of that colour together</extracomment>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>Table row of the blue boxes: a label, capitalised (the spoken colour is &quot;blue&quot;)</extracomment>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>Table row of the green boxes: a label, capitalised</extracomment>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>Table row of the red boxes: a label, capitalised</extracomment>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Table row: the boxes and pounds placed so far, all colours together</extracomment>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Remain</source>
        <extracomment>Table row: the boxes and pounds still to place, of the truck&apos;s load</extracomment>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Label over the score, one short line: the score is a percentage (100 is a perfect game)</extracomment>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Moves</source>
        <extracomment>Label over the number of key presses so far, one short line, about as wide as the English</extracomment>
        <translation>Züge</translation>
    </message>
    <message>
        <source>To change color press the Tab key</source>
        <extracomment>Beside the coloured circle, in a small box: at most two short lines at full size</extracomment>
        <translation>Tab wechselt die Farbe</translation>
    </message>
    <message>
        <source>To start, press the Up arrow key. To remove this text, press the space bar or press the Up arrow key.</source>
        <extracomment>The last line of the story shown over the board</extracomment>
        <translation>Zum Starten drücke die Pfeiltaste nach oben. Mit der Leertaste oder der Pfeiltaste nach oben verschwindet dieser Text.</translation>
    </message>
    <message>
        <source>THIS GAME NEEDS A MINIMUM SCREEN WIDTH OF 800 AND A MINIMUM SCREEN HEIGHT OF 600. PLEASE QUIT NOW BY PRESSING THE Alt and F4 KEYS.</source>
        <extracomment>Fills a screen too small for the game, in capitals; the numbers are pixels</extracomment>
        <translation>DIESES SPIEL BRAUCHT EINEN BILDSCHIRM VON MINDESTENS 800 PIXEL BREITE UND 600 PIXEL HÖHE. BITTE BEENDE ES JETZT MIT Alt+F4.</translation>
    </message>
    <message>
        <source>Zarvo, a puzzle from the Zarvo team -- %1 -- Version Z611</source>
        <extracomment>The window title and the printed page&apos;s first line; %1 is the date and time in the language&apos;s short form, such as 4.3.26 07:05:09</extracomment>
        <translation>Zarvo, ein Rätsel vom Zarvo-Team -- %1 -- Version Z611</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Zarvo: find how many boxes of each weight a truck carried by drawing a line graph.
Keys: Up adds a box of the current colour, Down removes one, Tab changes colour,
F1 shows the story, Space hides it, Home starts the next problem, Ctrl+P prints.</source>
        <extracomment>The top of zarvok --help in a terminal: keep each line under 100 characters</extracomment>
        <translation>Zarvo: Finde mit einem Liniendiagramm heraus, wie viele Kisten jedes Gewichts ein Lastwagen geladen hatte.
Tasten: Pfeil nach oben legt eine Kiste der aktuellen Farbe dazu, Pfeil nach unten nimmt eine weg,
Tab wechselt die Farbe, F1 zeigt die Geschichte, die Leertaste blendet sie aus,
Pos1 startet die nächste Aufgabe, Strg+P druckt.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Open FILE and print the results without a dialog (only a solved game prints, so this prints nothing), then exit.</source>
        <translation>DATEI öffnen und die Ergebnisse ohne Dialog drucken (nur ein gelöstes Spiel wird gedruckt, hier also nichts), dann beenden.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The name of --print&apos;s value in zarvok --help, in capitals</extracomment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Play problem N (0 to 27) first; later problems are random.</source>
        <translation>Zuerst Aufgabe N (0 bis 27) spielen; danach kommen die Aufgaben zufällig.</translation>
    </message>
    <message>
        <source>Play in the language CODE (%1) instead of the desktop&apos;s.</source>
        <extracomment>%1 lists the language codes, such as &quot;de, en, es&quot;</extracomment>
        <translation>In der Sprache CODE (%1) statt der des Desktops spielen.</translation>
    </message>
    <message>
        <source>CODE</source>
        <extracomment>The name of --lang&apos;s value in zarvok --help, in capitals</extracomment>
        <translation>CODE</translation>
    </message>
    <message>
        <source>A file to open as the document.</source>
        <translation>Eine Datei, die als Dokument geöffnet wird.</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[DATEI]</translation>
    </message>
    <message>
        <source>Try &apos;zarvok --help&apos; for more information.</source>
        <translation>Mehr dazu zeigt &apos;zarvok --help&apos;.</translation>
    </message>
    <message>
        <source>there is no translation for &apos;%1&apos;; the game speaks %2.</source>
        <extracomment>After &quot;zarvok: &quot;, so in lower case; %1 is the code asked for, %2 the codes there are</extracomment>
        <translation>für &apos;%1&apos; gibt es keine Übersetzung; das Spiel spricht %2.</translation>
    </message>
    <message>
        <source>--problem takes a whole number from 0 to 27, not &apos;%1&apos;.</source>
        <translation>--problem braucht eine ganze Zahl von 0 bis 27, nicht &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>only one FILE can be opened.</source>
        <translation>es kann nur eine DATEI geöffnet werden.</translation>
    </message>
    <message>
        <source>--print takes its FILE alone.</source>
        <translation>--print nimmt nur seine DATEI, sonst nichts.</translation>
    </message>
    <message>
        <source>zarvok: cannot start: no display to show the game on (DISPLAY is not set).</source>
        <translation>zarvok: kann nicht starten: kein Bildschirm für das Spiel da (DISPLAY ist nicht gesetzt).</translation>
    </message>
    <message>
        <source>zarvok: cannot open &apos;%1&apos;: %2</source>
        <translation>zarvok: &apos;%1&apos; lässt sich nicht öffnen: %2</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Untitled</source>
        <extracomment>The name of a new document, also the title of the printed PDF</extracomment>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is not a regular file (a device, a pipe or a socket).</source>
        <translation>Das ist keine gewöhnliche Datei (sondern ein Gerät, eine Pipe oder ein Socket).</translation>
    </message>
    <message>
        <source>A file of that name already exists. Zarvok documents hold nothing, so saving over it would empty it; it was left as it was. Choose a new name.</source>
        <translation>Eine Datei mit diesem Namen gibt es schon. Zarvok-Dokumente enthalten nichts, Speichern würde sie also leeren; sie bleibt, wie sie war. Wähle einen neuen Namen.</translation>
    </message>
    <message>
        <source>%1 is saved already. Zarvok documents hold nothing, so there is nothing more to save.</source>
        <translation>%1 ist schon gespeichert. Zarvok-Dokumente enthalten nichts, es gibt also nichts mehr zu speichern.</translation>
    </message>
    <message>
        <source>%1 was opened from an existing file. Zarvok documents hold nothing, so saving would empty that file; it was left as it was.</source>
        <translation>%1 wurde aus einer vorhandenen Datei geöffnet. Zarvok-Dokumente enthalten nichts, Speichern würde diese Datei also leeren; sie bleibt, wie sie war.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cannot open %1.
%2</source>
        <translation>%1 lässt sich nicht öffnen.
%2</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Cannot save %1.
%2</source>
        <translation>%1 lässt sich nicht speichern.
%2</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
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
        <source>&amp;About Zarvok...</source>
        <translation>&amp;Über Zarvok...</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Der Druckauftrag ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>Zarvok results.pdf</source>
        <extracomment>The file name the print dialog offers when there is no printer</extracomment>
        <translation>Zarvok-Ergebnisse.pdf</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Your score was: %1 -- Your solution was:</source>
        <extracomment>First line of the printed results; %1 is the score, a percentage</extracomment>
        <translation>Deine Punktzahl: %1 -- Deine Lösung:</translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) weighing %1 pounds each.</source>
        <extracomment>A line of the printed solution: %n boxes of one colour, %1 the pounds of one box</extracomment>
        <translation>
            <numerusform>%n Kiste mit %1 Pfund.</numerusform>
            <numerusform>%n Kisten mit je %1 Pfund.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>blue</source>
        <extracomment>Spoken: the colour as a word inside a sentence (&quot;The colour is blue.&quot;)</extracomment>
        <translation>blau</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>Spoken: the colour as a word inside a sentence</extracomment>
        <translation>grün</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>Spoken: the colour as a word inside a sentence</extracomment>
        <translation>rot</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>Spoken: the colour at the start of a sentence, before a colon (&quot;Blue: 3 boxes ...&quot;)</extracomment>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>Spoken: the colour at the start of a sentence, before a colon</extracomment>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>Spoken: the colour at the start of a sentence, before a colon</extracomment>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Take back the green boxes first.</source>
        <translation>Nimm zuerst die grünen Kisten zurück.</translation>
    </message>
    <message>
        <source>Take back the red boxes first.</source>
        <translation>Nimm zuerst die roten Kisten zurück.</translation>
    </message>
    <message>
        <source>No blue boxes to take back.</source>
        <translation>Es gibt keine blauen Kisten zum Zurücknehmen.</translation>
    </message>
    <message>
        <source>No green boxes to take back.</source>
        <translation>Es gibt keine grünen Kisten zum Zurücknehmen.</translation>
    </message>
    <message>
        <source>No red boxes to take back.</source>
        <translation>Es gibt keine roten Kisten zum Zurücknehmen.</translation>
    </message>
    <message>
        <source>Green comes after blue: add blue boxes first.</source>
        <translation>Grün kommt nach Blau: Lege zuerst blaue Kisten dazu.</translation>
    </message>
    <message>
        <source>Red comes after green: add green boxes first.</source>
        <translation>Rot kommt nach Grün: Lege zuerst grüne Kisten dazu.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n box(es) of %2 pounds, %3 pounds.</source>
        <extracomment>Spoken: %1 the colour, %n its boxes, %2 the pounds of one box, %3 of all of them. A speech engine reads &quot;1&quot; as a bare number: the singular may spell it out instead.</extracomment>
        <translation>
            <numerusform>%1: eine Kiste zu %2 Pfund, %3 Pfund.</numerusform>
            <numerusform>%1: %n Kisten zu %2 Pfund, %3 Pfund.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) and %1 pounds left.</source>
        <extracomment>Spoken: the boxes and the pounds still to place</extracomment>
        <translation>
            <numerusform>Noch eine Kiste und %1 Pfund übrig.</numerusform>
            <numerusform>Noch %n Kisten und %1 Pfund übrig.</numerusform>
        </translation>
    </message>
    <message>
        <source>Solved in %1 moves! Your score is %2. Press Ctrl and P to print the results, or Home for the next problem.</source>
        <translation>Gelöst in %1 Zügen! Deine Punktzahl ist %2. Drücke Strg+P, um die Ergebnisse zu drucken, oder Pos1 für die nächste Aufgabe.</translation>
    </message>
    <message>
        <source>New problem: a truck carried %1 boxes weighing %2 pounds in all, some of %3, some of %4 and some of %5 pounds. Press F1 to hear the story.</source>
        <translation>Neue Aufgabe: Ein Lastwagen hatte %1 Kisten mit zusammen %2 Pfund geladen, manche zu %3, manche zu %4 und manche zu %5 Pfund. Drücke F1, um die Geschichte zu hören.</translation>
    </message>
    <message>
        <source>Zarvo. The colour is %1.</source>
        <translation>Zarvo. Die Farbe ist %1.</translation>
    </message>
    <message>
        <source>Moves: %1. Score: %2.</source>
        <extracomment>Spoken: the key presses so far, and the score, a percentage</extracomment>
        <translation>Züge: %1. Punkte: %2.</translation>
    </message>
    <message>
        <source>The story is shown: press F1 to hear it, Space to hide it.</source>
        <translation>Die Geschichte ist zu sehen: Mit F1 hörst du sie, mit der Leertaste verschwindet sie.</translation>
    </message>
    <message>
        <source>All %1 boxes are placed.</source>
        <translation>Alle %1 Kisten sind schon gelegt.</translation>
    </message>
    <message>
        <source>That would pass %1 pounds.</source>
        <translation>Damit wären es mehr als %1 Pfund.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n box(es) so far.</source>
        <extracomment>Spoken after Tab: %1 the new colour, %n its boxes so far</extracomment>
        <translation>
            <numerusform>%1: bisher eine Kiste.</numerusform>
            <numerusform>%1: bisher %n Kisten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The story is hidden.</source>
        <translation>Die Geschichte ist ausgeblendet.</translation>
    </message>
    <message>
        <source>The story.</source>
        <translation>Die Geschichte.</translation>
    </message>
    <message numerus="yes">
        <source>In all, %n of %1 boxes and %2 of %3 pounds.</source>
        <extracomment>Spoken: %n boxes placed of the %1 on the truck, and %2 pounds placed of its %3</extracomment>
        <translation>
            <numerusform>Zusammen eine von %1 Kisten und %2 von %3 Pfund.</numerusform>
            <numerusform>Zusammen %n von %1 Kisten und %2 von %3 Pfund.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>A truck carrying %1 boxes arrives at a remote destination in the jungle. The total weight of the %1 boxes is %2 pounds. Some boxes weigh %3 pounds, some %4, and some %5. There is at least one box of each weight. The paperwork was lost and the manager at headquarters needs to know how many boxes of each weight were shipped so he can update the computer database. The phones are down so he asks you to figure it out.</source>
        <extracomment>First paragraph of the story. %1 is the number of boxes (20 or 50), %2 the pounds of all of them (1000), %3, %4 and %5 the pounds of one blue, one green and one red box. A pound is about half a kilogram: where pounds are not in everyday use, say so once here.</extracomment>
        <translation>Ein Lastwagen mit %1 Kisten kommt an einem abgelegenen Ort im Dschungel an. Die %1 Kisten wiegen zusammen %2 Pfund. Manche Kisten wiegen %3 Pfund, manche %4 und manche %5. Von jedem Gewicht ist mindestens eine Kiste dabei. Leider sind die Frachtpapiere verloren gegangen, und der Chef in der Zentrale muss wissen, wie viele Kisten von jedem Gewicht verschickt wurden, damit er seine Datenbank auf den neuesten Stand bringen kann. Die Telefone gehen nicht, also bittet er dich, es herauszufinden.</translation>
    </message>
    <message>
        <source>A graph may help you do this. The horizontal or X-axis of the grid will represent number of boxes. The vertical or Y-axis will represent weight in pounds. The color blue will represent the %3-pound boxes, the green is for the %4-pound boxes and the red is for the %5-pound boxes. The desired graph is a line made up of three segments (blue, green, and red). It starts at the lower left corner of the grid and should end at the upper right corner. You draw by pressing the Up arrow key. You can undo a line by pressing the Down arrow key. Near the top left corner is a circle which can be blue, green or red. It tells you the color of the line you are drawing. To change the color, press the Tab key. Each time you press the Up arrow key you add one to the box count and the weight of one box of the current color to the weight total. These numbers are displayed in the orange table located below the color circle. The line segments must be drawn in the following sequence: First blue, then green, and last, red. When you undo a graph, the sequence is reversed. Each time you press one of the arrow keys the Move count goes up by one. When you solve the problem, your score will be the ratio (%) of the optimal or ideal number of moves to your move count.</source>
        <extracomment>Second paragraph of the story: the rules. %3, %4 and %5 are the pounds of one blue, one green and one red box. &quot;(%)&quot; is a plain percent sign, not a number.</extracomment>
        <translation>Ein Diagramm kann dir dabei helfen. Die waagerechte Achse (x-Achse) des Gitters steht für die Anzahl der Kisten, die senkrechte Achse (y-Achse) für das Gewicht in Pfund. Blau steht für die %3-Pfund-Kisten, Grün für die %4-Pfund-Kisten und Rot für die %5-Pfund-Kisten. Gesucht ist eine Linie aus drei Abschnitten (blau, grün und rot). Sie beginnt in der linken unteren Ecke des Gitters und soll in der rechten oberen Ecke enden. Du zeichnest mit der Pfeiltaste nach oben. Mit der Pfeiltaste nach unten nimmst du ein Stück Linie wieder zurück. Oben links ist ein Kreis, der blau, grün oder rot sein kann. Er zeigt dir, in welcher Farbe du gerade zeichnest. Die Farbe wechselst du mit der Tab-Taste. Jedes Mal, wenn du die Pfeiltaste nach oben drückst, kommt eine Kiste zur Anzahl dazu und das Gewicht einer Kiste der aktuellen Farbe zum Gesamtgewicht. Diese Zahlen stehen in der orangefarbenen Tabelle unter dem farbigen Kreis. Die Abschnitte müssen in dieser Reihenfolge gezeichnet werden: zuerst blau, dann grün und zuletzt rot. Beim Zurücknehmen geht es in umgekehrter Reihenfolge. Jeder Druck auf eine der Pfeiltasten zählt als ein Zug. Wenn du die Aufgabe gelöst hast, ist deine Punktzahl das Verhältnis (in %) der kleinsten möglichen Zahl von Zügen zu deinen Zügen.</translation>
    </message>
    <message>
        <source>This is the demo version of Zarvo. In this version there are only 28 problems and each has more than one solution, making them easier to solve.</source>
        <extracomment>Printed under the story on the results page only</extracomment>
        <translation>Dies ist die Demoversion von Zarvo. Sie hat nur 28 Aufgaben, und jede hat mehr als eine Lösung. Dadurch sind sie leichter zu lösen.</translation>
    </message>
    <message>
        <source>Zarvo is made by the Zarvo team, a small group of teachers and programmers who think that a picture of a sum can teach more than a page of arithmetic. If you find a mistake, have an idea or would like new problems, ask your teacher to write to us on the Zarvo project&apos;s web page.</source>
        <extracomment>Printed last on the results page, read by students of 10 to 14</extracomment>
        <translation>Zarvo kommt vom Zarvo-Team, einer kleinen Gruppe von Lehrkräften und Programmierern, die finden, dass ein Bild einer Summe mehr lehren kann als eine Seite voller Rechnungen. Wenn du einen Fehler findest, eine Idee hast oder neue Aufgaben möchtest, bitte deine Lehrerin oder deinen Lehrer, uns auf der Webseite des Zarvo-Projekts zu schreiben.</translation>
    </message>
</context>
</TS>
