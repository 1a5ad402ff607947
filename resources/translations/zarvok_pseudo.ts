<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>About</name>
    <message>
        <source>Zarvok Version Z611</source>
        <translation>Zárvök Vérsîöñ Z611 ŀôñĝ ŵöŕ</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Zarvo team</source>
        <translation>Çöpýrîght (Ç) 2026 Zárvö téám ŀôñĝ ŵöŕð ƒî</translation>
    </message>
    <message>
        <source>About Zarvok</source>
        <translation>Áböüt Zárvök ŀôñĝ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ÖK ŀ</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>To start, press the Up arrow key. 
To view the instructions, press the F1 key. 
To exit, press the Alt and F4 keys.</source>
        <extracomment>The status prompt under the table while a game runs: three lines, each ending in a blank before the line break. Key names as the menus write them keep a line whole.</extracomment>
        <translation>Tö stárt, préss thé Üp árröw kéý. ŀôñĝ ŵöŕð ƒîł 
Tö vîéw thé îñstrüçtîöñs, préss thé F1 kéý. ŀôñĝ ŵöŕð ƒîłłéŕ 
Tö éxît, préss thé Ált áñd F4 kéýs. ŀôñĝ ŵöŕð ƒîłł</translation>
    </message>
    <message>
        <source>Game is over. 
To print the results, press the Ctrl and P keys. 
To play again, press the Home key. 
To exit, press the Alt and F4 keys.</source>
        <extracomment>The status prompt once the problem is solved: four lines, each ending in a blank before the line break.</extracomment>
        <translation>Gámé îs övér. ŀôñĝ 
Tö prîñt thé résülts, préss thé Çtrl áñd P kéýs. ŀôñĝ ŵöŕð ƒîłłéŕ ţé 
Tö pláý ágáîñ, préss thé Hömé kéý. ŀôñĝ ŵöŕð ƒîłł 
Tö éxît, préss thé Ált áñd F4 kéýs. ŀôñĝ ŵöŕð ƒîłł</translation>
    </message>
    <message>
        <source>Boxes</source>
        <extracomment>Table heading, one short line: the number of boxes of each colour</extracomment>
        <translation>Böxés ŀô</translation>
    </message>
    <message>
        <source>Box Wt.</source>
        <extracomment>Table heading, one short line: the weight of ONE box of that colour, in pounds (&quot;per box&quot;), beside the column of the pounds of all its boxes</extracomment>
        <translation>Böx Wt. ŀôñ</translation>
    </message>
    <message>
        <source>Pounds</source>
        <extracomment>Table heading, one short line: the pounds of all the boxes of that colour together</extracomment>
        <translation>Pöüñds ŀô</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>Table row of the blue boxes: a label, capitalised (the spoken colour is &quot;blue&quot;)</extracomment>
        <translation>Blüé ŀô</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>Table row of the green boxes: a label, capitalised</extracomment>
        <translation>Grééñ ŀô</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>Table row of the red boxes: a label, capitalised</extracomment>
        <translation>Réd ŀ</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Table row: the boxes and pounds placed so far, all colours together</extracomment>
        <translation>Tötál ŀô</translation>
    </message>
    <message>
        <source>Remain</source>
        <extracomment>Table row: the boxes and pounds still to place, of the truck&apos;s load</extracomment>
        <translation>Rémáîñ ŀô</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Label over the score, one short line: the score is a percentage (100 is a perfect game)</extracomment>
        <translation>Sçöré ŀô</translation>
    </message>
    <message>
        <source>Moves</source>
        <extracomment>Label over the number of key presses so far, one short line, about as wide as the English</extracomment>
        <translation>Mövés ŀô</translation>
    </message>
    <message>
        <source>To change color press the Tab key</source>
        <extracomment>Beside the coloured circle, in a small box: at most two short lines at full size</extracomment>
        <translation>Tö çháñgé çölör préss thé Táb kéý ŀôñĝ ŵöŕð ƒîł</translation>
    </message>
    <message>
        <source>To start, press the Up arrow key. To remove this text, press the space bar or press the Up arrow key.</source>
        <extracomment>The last line of the story shown over the board</extracomment>
        <translation>Tö stárt, préss thé Üp árröw kéý. Tö rémövé thîs téxt, préss thé spáçé bár ör préss thé Üp árröw kéý. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţ</translation>
    </message>
    <message>
        <source>THIS GAME NEEDS A MINIMUM SCREEN WIDTH OF 800 AND A MINIMUM SCREEN HEIGHT OF 600. PLEASE QUIT NOW BY PRESSING THE Alt and F4 KEYS.</source>
        <extracomment>Fills a screen too small for the game, in capitals; the numbers are pixels</extracomment>
        <translation>THÎS GÁMÉ ÑÉÉDS Á MÎÑÎMÜM SÇRÉÉÑ WÎDTH ÖF 800 ÁÑD Á MÎÑÎMÜM SÇRÉÉÑ HÉÎGHT ÖF 600. PLÉÁSÉ QÜÎT ÑÖW BÝ PRÉSSÎÑG THÉ Ált áñd F4 KÉÝS. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕ</translation>
    </message>
    <message>
        <source>Zarvo, a puzzle from the Zarvo team -- %1 -- Version Z611</source>
        <extracomment>The window title and the printed page&apos;s first line; %1 is the date and time in the language&apos;s short form, such as 4.3.26 07:05:09</extracomment>
        <translation>Zárvö, á püzzlé fröm thé Zárvö téám -- %1 -- Vérsîöñ Z611 ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀ</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Zarvo: find how many boxes of each weight a truck carried by drawing a line graph.
Keys: Up adds a box of the current colour, Down removes one, Tab changes colour,
F1 shows the story, Space hides it, Home starts the next problem, Ctrl+P prints.</source>
        <extracomment>The top of zarvok --help in a terminal: keep each line under 100 characters</extracomment>
        <translation>Zárvö: fîñd höw máñý böxés öf éáçh wéîght á trüçk çárrîéd bý dráwîñg á lîñé gráph. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒ
Kéýs: Üp ádds á böx öf thé çürréñt çölöür, Döwñ rémövés öñé, Táb çháñgés çölöür, ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð
F1 shöws thé störý, Spáçé hîdés ît, Hömé stárts thé ñéxt pröblém, Çtrl+P prîñts. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Shöw thîs hélp áñd éxît. ŀôñĝ ŵöŕð</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Shöw thé vérsîöñ áñd éxît. ŀôñĝ ŵöŕð</translation>
    </message>
    <message>
        <source>Open FILE and print the results without a dialog (only a solved game prints, so this prints nothing), then exit.</source>
        <translation>Öpéñ FÎLÉ áñd prîñt thé résülts wîthöüt á dîálög (öñlý á sölvéd gámé prîñts, sö thîs prîñts ñöthîñg), théñ éxît. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀ</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The name of --print&apos;s value in zarvok --help, in capitals</extracomment>
        <translation>FÎLÉ ŀô</translation>
    </message>
    <message>
        <source>Play problem N (0 to 27) first; later problems are random.</source>
        <translation>Pláý pröblém Ñ (0 tö 27) fîrst; látér pröbléms áré ráñdöm. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀ</translation>
    </message>
    <message>
        <source>Play in the language CODE (%1) instead of the desktop&apos;s.</source>
        <extracomment>%1 lists the language codes, such as &quot;de, en, es&quot;</extracomment>
        <translation>Pláý îñ thé láñgüágé ÇÖDÉ (%1) îñstéád öf thé désktöp&apos;s. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ</translation>
    </message>
    <message>
        <source>CODE</source>
        <extracomment>The name of --lang&apos;s value in zarvok --help, in capitals</extracomment>
        <translation>ÇÖDÉ ŀô</translation>
    </message>
    <message>
        <source>A file to open as the document.</source>
        <translation>Á fîlé tö öpéñ ás thé döçüméñt. ŀôñĝ ŵöŕð ƒî</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[FÎLÉ] ŀô</translation>
    </message>
    <message>
        <source>Try &apos;zarvok --help&apos; for more information.</source>
        <translation>Trý &apos;zárvök --help&apos; för möré îñförmátîöñ. ŀôñĝ ŵöŕð ƒîłłéŕ</translation>
    </message>
    <message>
        <source>there is no translation for &apos;%1&apos;; the game speaks %2.</source>
        <extracomment>After &quot;zarvok: &quot;, so in lower case; %1 is the code asked for, %2 the codes there are</extracomment>
        <translation>théré îs ñö tráñslátîöñ för &apos;%1&apos;; thé gámé spéáks %2. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ</translation>
    </message>
    <message>
        <source>--problem takes a whole number from 0 to 27, not &apos;%1&apos;.</source>
        <translation>--problem tákés á whölé ñümbér fröm 0 tö 27, ñöt &apos;%1&apos;. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ</translation>
    </message>
    <message>
        <source>only one FILE can be opened.</source>
        <translation>öñlý öñé FÎLÉ çáñ bé öpéñéd. ŀôñĝ ŵöŕð ƒ</translation>
    </message>
    <message>
        <source>--print takes its FILE alone.</source>
        <translation>--print tákés îts FÎLÉ álöñé. ŀôñĝ ŵöŕð ƒî</translation>
    </message>
    <message>
        <source>zarvok: cannot start: no display to show the game on (DISPLAY is not set).</source>
        <translation>zárvök: çáññöt stárt: ñö dîspláý tö shöw thé gámé öñ (DÎSPLÁÝ îs ñöt sét). ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕ</translation>
    </message>
    <message>
        <source>zarvok: cannot open &apos;%1&apos;: %2</source>
        <translation>zárvök: çáññöt öpéñ &apos;%1&apos;: %2 ŀôñĝ ŵöŕð ƒ</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Untitled</source>
        <extracomment>The name of a new document, also the title of the printed PDF</extracomment>
        <translation>Üñtîtléd ŀôñ</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Ñö fîlé ñámé wás gîvéñ. ŀôñĝ ŵöŕð</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Ît îs á földér, ñöt á fîlé. ŀôñĝ ŵöŕð ƒ</translation>
    </message>
    <message>
        <source>It is not a regular file (a device, a pipe or a socket).</source>
        <translation>Ît îs ñöt á régülár fîlé (á dévîçé, á pîpé ör á söçkét). ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ</translation>
    </message>
    <message>
        <source>A file of that name already exists. Zarvok documents hold nothing, so saving over it would empty it; it was left as it was. Choose a new name.</source>
        <translation>Á fîlé öf thát ñámé álréádý éxîsts. Zárvök döçüméñts höld ñöthîñg, sö sávîñg övér ît wöüld émptý ît; ît wás léft ás ît wás. Çhöösé á ñéw ñámé. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîł</translation>
    </message>
    <message>
        <source>%1 is saved already. Zarvok documents hold nothing, so there is nothing more to save.</source>
        <translation>%1 îs sávéd álréádý. Zárvök döçüméñts höld ñöthîñg, sö théré îs ñöthîñg möré tö sávé. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒî</translation>
    </message>
    <message>
        <source>%1 was opened from an existing file. Zarvok documents hold nothing, so saving would empty that file; it was left as it was.</source>
        <translation>%1 wás öpéñéd fröm áñ éxîstîñg fîlé. Zárvök döçüméñts höld ñöthîñg, sö sávîñg wöüld émptý thát fîlé; ît wás léft ás ît wás. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Open</source>
        <translation>Öpéñ ŀô</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Áll Fîlés (*) ŀôñĝ</translation>
    </message>
    <message>
        <source>Cannot open %1.
%2</source>
        <translation>Çáññöt öpéñ %1. ŀôñĝ ŵ
%2 ŀ</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Sávé Ás ŀôñ</translation>
    </message>
    <message>
        <source>Cannot save %1.
%2</source>
        <translation>Çáññöt sávé %1. ŀôñĝ ŵ
%2 ŀ</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fîlé ŀô</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Prîñt... ŀôñĝ</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>É&amp;xît ŀô</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hélp ŀô</translation>
    </message>
    <message>
        <source>&amp;About Zarvok...</source>
        <translation>&amp;Áböüt Zárvök... ŀôñĝ ŵ</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Print</source>
        <translation>Prîñt ŀô</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Çöüld ñöt stárt prîñt jöb. ŀôñĝ ŵöŕð</translation>
    </message>
    <message>
        <source>Zarvok results.pdf</source>
        <extracomment>The file name the print dialog offers when there is no printer</extracomment>
        <translation>Zárvök résülts.pdf ŀôñĝ ŵö</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Your score was: %1 -- Your solution was:</source>
        <extracomment>First line of the printed results; %1 is the score, a percentage</extracomment>
        <translation>Ýöür sçöré wás: %1 -- Ýöür sölütîöñ wás: ŀôñĝ ŵöŕð ƒîłłéŕ</translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) weighing %1 pounds each.</source>
        <extracomment>A line of the printed solution: %n boxes of one colour, %1 the pounds of one box</extracomment>
        <translation>
            <numerusform>%n böx(és) wéîghîñg %1 pöüñds éáçh. ŀôñĝ ŵöŕð ƒîłł</numerusform>
            <numerusform>%n böx(és) wéîghîñg %1 pöüñds éáçh. ŀôñĝ ŵöŕð ƒîłł</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>blue</source>
        <extracomment>Spoken: the colour as a word inside a sentence (&quot;The colour is blue.&quot;)</extracomment>
        <translation>blüé ŀô</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>Spoken: the colour as a word inside a sentence</extracomment>
        <translation>grééñ ŀô</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>Spoken: the colour as a word inside a sentence</extracomment>
        <translation>réd ŀ</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>Spoken: the colour at the start of a sentence, before a colon (&quot;Blue: 3 boxes ...&quot;)</extracomment>
        <translation>Blüé ŀô</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>Spoken: the colour at the start of a sentence, before a colon</extracomment>
        <translation>Grééñ ŀô</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>Spoken: the colour at the start of a sentence, before a colon</extracomment>
        <translation>Réd ŀ</translation>
    </message>
    <message>
        <source>Take back the green boxes first.</source>
        <translation>Táké báçk thé grééñ böxés fîrst. ŀôñĝ ŵöŕð ƒîł</translation>
    </message>
    <message>
        <source>Take back the red boxes first.</source>
        <translation>Táké báçk thé réd böxés fîrst. ŀôñĝ ŵöŕð ƒî</translation>
    </message>
    <message>
        <source>No blue boxes to take back.</source>
        <translation>Ñö blüé böxés tö táké báçk. ŀôñĝ ŵöŕð ƒ</translation>
    </message>
    <message>
        <source>No green boxes to take back.</source>
        <translation>Ñö grééñ böxés tö táké báçk. ŀôñĝ ŵöŕð ƒ</translation>
    </message>
    <message>
        <source>No red boxes to take back.</source>
        <translation>Ñö réd böxés tö táké báçk. ŀôñĝ ŵöŕð</translation>
    </message>
    <message>
        <source>Green comes after blue: add blue boxes first.</source>
        <translation>Grééñ çömés áftér blüé: ádd blüé böxés fîrst. ŀôñĝ ŵöŕð ƒîłłéŕ ţ</translation>
    </message>
    <message>
        <source>Red comes after green: add green boxes first.</source>
        <translation>Réd çömés áftér grééñ: ádd grééñ böxés fîrst. ŀôñĝ ŵöŕð ƒîłłéŕ ţ</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n box(es) of %2 pounds, %3 pounds.</source>
        <extracomment>Spoken: %1 the colour, %n its boxes, %2 the pounds of one box, %3 of all of them. A speech engine reads &quot;1&quot; as a bare number: the singular may spell it out instead.</extracomment>
        <translation>
            <numerusform>%1: %n böx(és) öf %2 pöüñds, %3 pöüñds. ŀôñĝ ŵöŕð ƒîłłéŕ</numerusform>
            <numerusform>%1: %n böx(és) öf %2 pöüñds, %3 pöüñds. ŀôñĝ ŵöŕð ƒîłłéŕ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) and %1 pounds left.</source>
        <extracomment>Spoken: the boxes and the pounds still to place</extracomment>
        <translation>
            <numerusform>%n böx(és) áñd %1 pöüñds léft. ŀôñĝ ŵöŕð ƒî</numerusform>
            <numerusform>%n böx(és) áñd %1 pöüñds léft. ŀôñĝ ŵöŕð ƒî</numerusform>
        </translation>
    </message>
    <message>
        <source>Solved in %1 moves! Your score is %2. Press Ctrl and P to print the results, or Home for the next problem.</source>
        <translation>Sölvéd îñ %1 mövés! Ýöür sçöré îs %2. Préss Çtrl áñd P tö prîñt thé résülts, ör Hömé för thé ñéxt pröblém. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéx</translation>
    </message>
    <message>
        <source>New problem: a truck carried %1 boxes weighing %2 pounds in all, some of %3, some of %4 and some of %5 pounds. Press F1 to hear the story.</source>
        <translation>Ñéw pröblém: á trüçk çárrîéd %1 böxés wéîghîñg %2 pöüñds îñ áll, sömé öf %3, sömé öf %4 áñd sömé öf %5 pöüñds. Préss F1 tö héár thé störý. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒ</translation>
    </message>
    <message>
        <source>Zarvo. The colour is %1.</source>
        <translation>Zárvö. Thé çölöür îs %1. ŀôñĝ ŵöŕð</translation>
    </message>
    <message>
        <source>Moves: %1. Score: %2.</source>
        <extracomment>Spoken: the key presses so far, and the score, a percentage</extracomment>
        <translation>Mövés: %1. Sçöré: %2. ŀôñĝ ŵöŕ</translation>
    </message>
    <message>
        <source>The story is shown: press F1 to hear it, Space to hide it.</source>
        <translation>Thé störý îs shöwñ: préss F1 tö héár ît, Spáçé tö hîdé ît. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀ</translation>
    </message>
    <message>
        <source>All %1 boxes are placed.</source>
        <translation>Áll %1 böxés áré pláçéd. ŀôñĝ ŵöŕð</translation>
    </message>
    <message>
        <source>That would pass %1 pounds.</source>
        <translation>Thát wöüld páss %1 pöüñds. ŀôñĝ ŵöŕð</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n box(es) so far.</source>
        <extracomment>Spoken after Tab: %1 the new colour, %n its boxes so far</extracomment>
        <translation>
            <numerusform>%1: %n böx(és) sö fár. ŀôñĝ ŵöŕð</numerusform>
            <numerusform>%1: %n böx(és) sö fár. ŀôñĝ ŵöŕð</numerusform>
        </translation>
    </message>
    <message>
        <source>The story is hidden.</source>
        <translation>Thé störý îs hîddéñ. ŀôñĝ ŵöŕ</translation>
    </message>
    <message>
        <source>The story.</source>
        <translation>Thé störý. ŀôñĝ</translation>
    </message>
    <message numerus="yes">
        <source>In all, %n of %1 boxes and %2 of %3 pounds.</source>
        <extracomment>Spoken: %n boxes placed of the %1 on the truck, and %2 pounds placed of its %3</extracomment>
        <translation>
            <numerusform>Îñ áll, %n öf %1 böxés áñd %2 öf %3 pöüñds. ŀôñĝ ŵöŕð ƒîłłéŕ</numerusform>
            <numerusform>Îñ áll, %n öf %1 böxés áñd %2 öf %3 pöüñds. ŀôñĝ ŵöŕð ƒîłłéŕ</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>A truck carrying %1 boxes arrives at a remote destination in the jungle. The total weight of the %1 boxes is %2 pounds. Some boxes weigh %3 pounds, some %4, and some %5. There is at least one box of each weight. The paperwork was lost and the manager at headquarters needs to know how many boxes of each weight were shipped so he can update the computer database. The phones are down so he asks you to figure it out.</source>
        <extracomment>First paragraph of the story. %1 is the number of boxes (20 or 50), %2 the pounds of all of them (1000), %3, %4 and %5 the pounds of one blue, one green and one red box. A pound is about half a kilogram: where pounds are not in everyday use, say so once here.</extracomment>
        <translation>Á trüçk çárrýîñg %1 böxés árrîvés át á rémöté déstîñátîöñ îñ thé jüñglé. Thé tötál wéîght öf thé %1 böxés îs %2 pöüñds. Sömé böxés wéîgh %3 pöüñds, sömé %4, áñd sömé %5. Théré îs át léást öñé böx öf éáçh wéîght. Thé pápérwörk wás löst áñd thé máñágér át héádqüártérs ñééds tö kñöw höw máñý böxés öf éáçh wéîght wéré shîppéd sö hé çáñ üpdáté thé çömpütér dátábásé. Thé phöñés áré döwñ sö hé ásks ýöü tö fîgüré ît öüt. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒî</translation>
    </message>
    <message>
        <source>A graph may help you do this. The horizontal or X-axis of the grid will represent number of boxes. The vertical or Y-axis will represent weight in pounds. The color blue will represent the %3-pound boxes, the green is for the %4-pound boxes and the red is for the %5-pound boxes. The desired graph is a line made up of three segments (blue, green, and red). It starts at the lower left corner of the grid and should end at the upper right corner. You draw by pressing the Up arrow key. You can undo a line by pressing the Down arrow key. Near the top left corner is a circle which can be blue, green or red. It tells you the color of the line you are drawing. To change the color, press the Tab key. Each time you press the Up arrow key you add one to the box count and the weight of one box of the current color to the weight total. These numbers are displayed in the orange table located below the color circle. The line segments must be drawn in the following sequence: First blue, then green, and last, red. When you undo a graph, the sequence is reversed. Each time you press one of the arrow keys the Move count goes up by one. When you solve the problem, your score will be the ratio (%) of the optimal or ideal number of moves to your move count.</source>
        <extracomment>Second paragraph of the story: the rules. %3, %4 and %5 are the pounds of one blue, one green and one red box. &quot;(%)&quot; is a plain percent sign, not a number.</extracomment>
        <translation>Á gráph máý hélp ýöü dö thîs. Thé hörîzöñtál ör X-áxîs öf thé grîd wîll répréséñt ñümbér öf böxés. Thé vértîçál ör Ý-áxîs wîll répréséñt wéîght îñ pöüñds. Thé çölör blüé wîll répréséñt thé %3-pöüñd böxés, thé grééñ îs för thé %4-pöüñd böxés áñd thé réd îs för thé %5-pöüñd böxés. Thé désîréd gráph îs á lîñé mádé üp öf thréé ségméñts (blüé, grééñ, áñd réd). Ît stárts át thé löwér léft çörñér öf thé grîd áñd shöüld éñd át thé üppér rîght çörñér. Ýöü dráw bý préssîñg thé Üp árröw kéý. Ýöü çáñ üñdö á lîñé bý préssîñg thé Döwñ árröw kéý. Ñéár thé töp léft çörñér îs á çîrçlé whîçh çáñ bé blüé, grééñ ör réd. Ît télls ýöü thé çölör öf thé lîñé ýöü áré dráwîñg. Tö çháñgé thé çölör, préss thé Táb kéý. Éáçh tîmé ýöü préss thé Üp árröw kéý ýöü ádd öñé tö thé böx çöüñt áñd thé wéîght öf öñé böx öf thé çürréñt çölör tö thé wéîght tötál. Thésé ñümbérs áré dîspláýéd îñ thé öráñgé táblé löçátéd bélöw thé çölör çîrçlé. Thé lîñé ségméñts müst bé dráwñ îñ thé föllöwîñg séqüéñçé: Fîrst blüé, théñ grééñ, áñd lást, réd. Whéñ ýöü üñdö á gráph, thé séqüéñçé îs révérséd. Éáçh tîmé ýöü préss öñé öf thé árröw kéýs thé Mövé çöüñt göés üp bý öñé. Whéñ ýöü sölvé thé pröblém, ýöür sçöré wîll bé thé rátîö (%) öf thé öptîmál ör îdéál ñümbér öf mövés tö ýöür mövé çöüñt. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţ</translation>
    </message>
    <message>
        <source>This is the demo version of Zarvo. In this version there are only 28 problems and each has more than one solution, making them easier to solve.</source>
        <extracomment>Printed under the story on the results page only</extracomment>
        <translation>Thîs îs thé démö vérsîöñ öf Zárvö. Îñ thîs vérsîöñ théré áré öñlý 28 pröbléms áñd éáçh hás möré tháñ öñé sölütîöñ, mákîñg thém éásîér tö sölvé. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîł</translation>
    </message>
    <message>
        <source>Zarvo is made by the Zarvo team, a small group of teachers and programmers who think that a picture of a sum can teach more than a page of arithmetic. If you find a mistake, have an idea or would like new problems, ask your teacher to write to us on the Zarvo project&apos;s web page.</source>
        <extracomment>Printed last on the results page, read by students of 10 to 14</extracomment>
        <translation>Zárvö îs mádé bý thé Zárvö téám, á smáll gröüp öf téáçhérs áñd prögrámmérs whö thîñk thát á pîçtüré öf á süm çáñ téáçh möré tháñ á págé öf árîthmétîç. Îf ýöü fîñd á mîstáké, hávé áñ îdéá ör wöüld lîké ñéw pröbléms, ásk ýöür téáçhér tö wrîté tö üs öñ thé Zárvö pröjéçt&apos;s wéb págé. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀô</translation>
    </message>
</context>
</TS>
