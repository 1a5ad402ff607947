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
        <translation>Zum Starten drücke die Pfeiltaste nach oben. 
Die Anleitung zeigt dir die Taste F1. 
Zum Beenden drücke Alt und F4.</translation>
    </message>
    <message>
        <source>Game is over. 
To print the results, press the Ctrl and P keys. 
To play again, press the Home key. 
To exit, press the Alt and F4 keys.</source>
        <translation>Das Spiel ist aus. 
Zum Drucken der Ergebnisse drücke Strg und P. 
Für ein neues Spiel drücke Pos1. 
Zum Beenden drücke Alt und F4.</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Kisten</translation>
    </message>
    <message>
        <source>Box Wt.</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Remain</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>To change color press the Tab key</source>
        <translation>Farbe wechseln mit der Tab-Taste</translation>
    </message>
    <message>
        <source>To start, press the Up arrow key. To remove this text, press the space bar or press the Up arrow key.</source>
        <translation>Zum Starten drücke die Pfeiltaste nach oben. Mit der Leertaste oder der Pfeiltaste nach oben verschwindet dieser Text.</translation>
    </message>
    <message>
        <source>THIS GAME NEEDS A MINIMUM SCREEN WIDTH OF 800 AND A MINIMUM SCREEN HEIGHT OF 600. PLEASE QUIT NOW BY PRESSING THE Alt and F4 KEYS.</source>
        <translation>DIESES SPIEL BRAUCHT EINEN BILDSCHIRM VON MINDESTENS 800 PUNKTEN BREITE UND 600 PUNKTEN HÖHE. BITTE BEENDE ES JETZT MIT Alt und F4.</translation>
    </message>
    <message>
        <source>Zarvo, a puzzle from the Zarvo team -- %1 -- Version Z611</source>
        <translation>Zarvo, ein Rätsel vom Zarvo-Team -- %1 -- Version Z611</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Zarvo: find how many boxes of each weight a truck carried by drawing a line graph.
Keys: Up adds a box of the current colour, Down removes one, Tab changes colour,
F1 shows the story, Space hides it, Home starts the next problem, Ctrl+P prints.</source>
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
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Play problem N (0 to 27) first; later problems are random.</source>
        <translation>Zuerst Aufgabe N (0 bis 27) spielen; danach kommen die Aufgaben zufällig.</translation>
    </message>
    <message>
        <source>Play in the language CODE (%1) instead of the desktop&apos;s.</source>
        <translation>In der Sprache CODE (%1) statt der des Desktops spielen.</translation>
    </message>
    <message>
        <source>CODE</source>
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
</context>
<context>
    <name>Results</name>
    <message>
        <source>Your score was: %1 -- Your solution was:</source>
        <translation>Deine Punktzahl: %1 -- Deine Lösung:</translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) weighing %1 pounds each.</source>
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
        <translation>blau</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Red</source>
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
        <translation>
            <numerusform>%1: %n Kiste zu %2 Pfund, %3 Pfund.</numerusform>
            <numerusform>%1: %n Kisten zu %2 Pfund, %3 Pfund.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) and %1 pounds left.</source>
        <translation>
            <numerusform>Noch %n Kiste und %1 Pfund übrig.</numerusform>
            <numerusform>Noch %n Kisten und %1 Pfund übrig.</numerusform>
        </translation>
    </message>
    <message>
        <source>Solved in %1 moves! Your score is %2. Press Ctrl and P to print the results, or Home for the next problem.</source>
        <translation>Gelöst in %1 Zügen! Deine Punktzahl ist %2. Drücke Strg und P, um die Ergebnisse zu drucken, oder Pos1 für die nächste Aufgabe.</translation>
    </message>
    <message>
        <source>New problem: a truck carried %1 boxes weighing %2 pounds in all, some of %3, some of %4 and some of %5 pounds. Press F1 to hear the story.</source>
        <translation>Neue Aufgabe: Ein Lastwagen hatte %1 Kisten mit zusammen %2 Pfund geladen, manche zu %3, manche zu %4 und manche zu %5 Pfund. Drücke F1, um die Geschichte zu hören.</translation>
    </message>
    <message>
        <source>Zarvo. The colour is %1.</source>
        <translation>Zarvo. Die Farbe ist %1.</translation>
    </message>
    <message numerus="yes">
        <source>In all %n box(es) of %1 and %2 pounds of %3;</source>
        <translation>
            <numerusform>Zusammen %n Kiste von %1 und %2 Pfund von %3;</numerusform>
            <numerusform>Zusammen %n Kisten von %1 und %2 Pfund von %3;</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves: %1. Score: %2.</source>
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
        <translation>
            <numerusform>%1: bisher %n Kiste.</numerusform>
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
</context>
<context>
    <name>Story</name>
    <message>
        <source>A truck carrying %1 boxes arrives at a remote destination in the jungle. The total weight of the %1 boxes is %2 pounds. Some boxes weigh %3 pounds, some %4, and some %5. There is at least one box of each weight. The paperwork was lost and the manager at headquarters needs to know how many boxes of each weight were shipped so he can update the computer database. The phones are down so he asks you to figure it out.</source>
        <translation>Ein Lastwagen mit %1 Kisten kommt an einem abgelegenen Ort im Dschungel an. Die %1 Kisten wiegen zusammen %2 Pfund. Manche Kisten wiegen %3 Pfund, manche %4 und manche %5. Von jedem Gewicht ist mindestens eine Kiste dabei. Leider sind die Frachtpapiere verloren gegangen, und der Chef in der Zentrale muss wissen, wie viele Kisten von jedem Gewicht verschickt wurden, damit er seine Datenbank auf den neuesten Stand bringen kann. Die Telefone gehen nicht, also bittet er dich, es herauszufinden.</translation>
    </message>
    <message>
        <source>A graph may help you do this. The horizontal or X-axis of the grid will represent number of boxes. The vertical or Y-axis will represent weight in pounds. The color blue will represent the %3-pound boxes, the green is for the %4-pound boxes and the red is for the %5-pound boxes. The desired graph is a line made up of three segments (blue, green, and red). It starts at the lower left corner of the grid and should end at the upper right corner. You draw by pressing the Up arrow key. You can undo a line by pressing the Down arrow key. Near the top left corner is a circle which can be blue, green or red. It tells you the color of the line you are drawing. To change the color, press the Tab key. Each time you press the Up arrow key you add one to the box count and the weight of one box of the current color to the weight total. These numbers are displayed in the orange table located below the color circle. The line segments must be drawn in the following sequence: First blue, then green, and last, red. When you undo a graph, the sequence is reversed. Each time you press one of the arrow keys the Move count goes up by one. When you solve the problem, your score will be the ratio (%) of the optimal or ideal number of moves to your move count.</source>
        <translation>Ein Diagramm kann dir dabei helfen. Die waagerechte Achse (x-Achse) des Gitters steht für die Anzahl der Kisten, die senkrechte Achse (y-Achse) für das Gewicht in Pfund. Blau steht für die %3-Pfund-Kisten, Grün für die %4-Pfund-Kisten und Rot für die %5-Pfund-Kisten. Gesucht ist eine Linie aus drei Abschnitten (blau, grün und rot). Sie beginnt in der linken unteren Ecke des Gitters und soll in der rechten oberen Ecke enden. Du zeichnest mit der Pfeiltaste nach oben. Mit der Pfeiltaste nach unten nimmst du ein Stück Linie wieder zurück. Oben links ist ein Kreis, der blau, grün oder rot sein kann. Er zeigt dir, in welcher Farbe du gerade zeichnest. Die Farbe wechselst du mit der Tab-Taste. Jedes Mal, wenn du die Pfeiltaste nach oben drückst, kommt eine Kiste zur Anzahl dazu und das Gewicht einer Kiste der aktuellen Farbe zum Gesamtgewicht. Diese Zahlen stehen in der orangefarbenen Tabelle unter dem Farbkreis. Die Abschnitte müssen in dieser Reihenfolge gezeichnet werden: zuerst blau, dann grün und zuletzt rot. Beim Zurücknehmen geht es in umgekehrter Reihenfolge. Jeder Druck auf eine der Pfeiltasten zählt als ein Zug. Wenn du die Aufgabe gelöst hast, ist deine Punktzahl das Verhältnis (in %) der kleinsten möglichen Zahl von Zügen zu deinen Zügen.</translation>
    </message>
    <message>
        <source>This is the demo version of Zarvo. In this version there are only 28 problems and each has more than one solution, making them easier to solve.</source>
        <translation>Dies ist die Demoversion von Zarvo. Sie hat nur 28 Aufgaben, und jede hat mehr als eine Lösung. Dadurch sind sie leichter zu lösen.</translation>
    </message>
    <message>
        <source>Zarvo is made by the Zarvo team, a small group of teachers and programmers who think that a picture of a sum can teach more than a page of arithmetic. To tell us what you think, to report a fault or to ask for new problems, open an issue on the Zarvo project&apos;s issue tracker.</source>
        <translation>Zarvo kommt vom Zarvo-Team, einer kleinen Gruppe von Lehrkräften und Programmierern, die finden, dass ein Bild einer Summe mehr lehren kann als eine Seite voller Rechnungen. Wenn du uns deine Meinung sagen, einen Fehler melden oder dir neue Aufgaben wünschen willst, eröffne ein Issue im Issue-Tracker des Zarvo-Projekts.</translation>
    </message>
</context>
</TS>
