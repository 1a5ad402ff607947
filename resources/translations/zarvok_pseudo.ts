<?xml version='1.0' encoding='utf-8'?>
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
        <translation>Tö stárt, préss thé Üp árröw kéý. ŀôñĝ ŵöŕð ƒîł 
Tö vîéw thé îñstrüçtîöñs, préss thé F1 kéý. ŀôñĝ ŵöŕð ƒîłłéŕ 
Tö éxît, préss thé Ált áñd F4 kéýs. ŀôñĝ ŵöŕð ƒîłł</translation>
    </message>
    <message>
        <source>Game is over. 
To print the results, press the Ctrl and P keys. 
To play again, press the Home key. 
To exit, press the Alt and F4 keys.</source>
        <translation>Gámé îs övér. ŀôñĝ 
Tö prîñt thé résülts, préss thé Çtrl áñd P kéýs. ŀôñĝ ŵöŕð ƒîłłéŕ ţé 
Tö pláý ágáîñ, préss thé Hömé kéý. ŀôñĝ ŵöŕð ƒîłł 
Tö éxît, préss thé Ált áñd F4 kéýs. ŀôñĝ ŵöŕð ƒîłł</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Böxés ŀô</translation>
    </message>
    <message>
        <source>Box Wt.</source>
        <translation>Böx Wt. ŀôñ</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Pöüñds ŀô</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blüé ŀô</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grééñ ŀô</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Réd ŀ</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Tötál ŀô</translation>
    </message>
    <message>
        <source>Remain</source>
        <translation>Rémáîñ ŀô</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Sçöré ŀô</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mövés ŀô</translation>
    </message>
    <message>
        <source>To change color press the Tab key</source>
        <translation>Tö çháñgé çölör préss thé Táb kéý ŀôñĝ ŵöŕð ƒîł</translation>
    </message>
    <message>
        <source>To start, press the Up arrow key. To remove this text, press the space bar or press the Up arrow key.</source>
        <translation>Tö stárt, préss thé Üp árröw kéý. Tö rémövé thîs téxt, préss thé spáçé bár ör préss thé Üp árröw kéý. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţ</translation>
    </message>
    <message>
        <source>THIS GAME NEEDS A MINIMUM SCREEN WIDTH OF 800 AND A MINIMUM SCREEN HEIGHT OF 600. PLEASE QUIT NOW BY PRESSING THE Alt and F4 KEYS.</source>
        <translation>THÎS GÁMÉ ÑÉÉDS Á MÎÑÎMÜM SÇRÉÉÑ WÎDTH ÖF 800 ÁÑD Á MÎÑÎMÜM SÇRÉÉÑ HÉÎGHT ÖF 600. PLÉÁSÉ QÜÎT ÑÖW BÝ PRÉSSÎÑG THÉ Ált áñd F4 KÉÝS. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕ</translation>
    </message>
    <message>
        <source>Zarvo, a puzzle from the Zarvo team -- %1 -- Version Z611</source>
        <translation>Zárvö, á püzzlé fröm thé Zárvö téám -- %1 -- Vérsîöñ Z611 ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀ</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Zarvo: find how many boxes of each weight a truck carried by drawing a line graph.
Keys: Up adds a box of the current colour, Down removes one, Tab changes colour,
F1 shows the story, Space hides it, Home starts the next problem, Ctrl+P prints.</source>
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
        <translation>FÎLÉ ŀô</translation>
    </message>
    <message>
        <source>Play problem N (0 to 27) first; later problems are random.</source>
        <translation>Pláý pröblém Ñ (0 tö 27) fîrst; látér pröbléms áré ráñdöm. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀ</translation>
    </message>
    <message>
        <source>Play in the language CODE (%1) instead of the desktop's.</source>
        <translation>Pláý îñ thé láñgüágé ÇÖDÉ (%1) îñstéád öf thé désktöp's. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ</translation>
    </message>
    <message>
        <source>CODE</source>
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
        <source>Try 'zarvok --help' for more information.</source>
        <translation>Trý 'zárvök --help' för möré îñförmátîöñ. ŀôñĝ ŵöŕð ƒîłłéŕ</translation>
    </message>
    <message>
        <source>there is no translation for '%1'; the game speaks %2.</source>
        <translation>théré îs ñö tráñslátîöñ för '%1'; thé gámé spéáks %2. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ</translation>
    </message>
    <message>
        <source>--problem takes a whole number from 0 to 27, not '%1'.</source>
        <translation>--problem tákés á whölé ñümbér fröm 0 tö 27, ñöt '%1'. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ</translation>
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
        <source>zarvok: cannot open '%1': %2</source>
        <translation>zárvök: çáññöt öpéñ '%1': %2 ŀôñĝ ŵöŕð ƒ</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Untitled</source>
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
</context>
<context>
    <name>Results</name>
    <message>
        <source>Your score was: %1 -- Your solution was:</source>
        <translation>Ýöür sçöré wás: %1 -- Ýöür sölütîöñ wás: ŀôñĝ ŵöŕð ƒîłłéŕ</translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) weighing %1 pounds each.</source>
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
        <translation>blüé ŀô</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grééñ ŀô</translation>
    </message>
    <message>
        <source>red</source>
        <translation>réd ŀ</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blüé ŀô</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grééñ ŀô</translation>
    </message>
    <message>
        <source>Red</source>
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
        <translation>
            <numerusform>%1: %n böx(és) öf %2 pöüñds, %3 pöüñds. ŀôñĝ ŵöŕð ƒîłłéŕ</numerusform>
            <numerusform>%1: %n böx(és) öf %2 pöüñds, %3 pöüñds. ŀôñĝ ŵöŕð ƒîłłéŕ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) and %1 pounds left.</source>
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
    <message numerus="yes">
        <source>In all %n box(es) of %1 and %2 pounds of %3;</source>
        <translation>
            <numerusform>Îñ áll %n böx(és) öf %1 áñd %2 pöüñds öf %3; ŀôñĝ ŵöŕð ƒîłłéŕ ţ</numerusform>
            <numerusform>Îñ áll %n böx(és) öf %1 áñd %2 pöüñds öf %3; ŀôñĝ ŵöŕð ƒîłłéŕ ţ</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves: %1. Score: %2.</source>
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
</context>
<context>
    <name>Story</name>
    <message>
        <source>A truck carrying %1 boxes arrives at a remote destination in the jungle. The total weight of the %1 boxes is %2 pounds. Some boxes weigh %3 pounds, some %4, and some %5. There is at least one box of each weight. The paperwork was lost and the manager at headquarters needs to know how many boxes of each weight were shipped so he can update the computer database. The phones are down so he asks you to figure it out.</source>
        <translation>Á trüçk çárrýîñg %1 böxés árrîvés át á rémöté déstîñátîöñ îñ thé jüñglé. Thé tötál wéîght öf thé %1 böxés îs %2 pöüñds. Sömé böxés wéîgh %3 pöüñds, sömé %4, áñd sömé %5. Théré îs át léást öñé böx öf éáçh wéîght. Thé pápérwörk wás löst áñd thé máñágér át héádqüártérs ñééds tö kñöw höw máñý böxés öf éáçh wéîght wéré shîppéd sö hé çáñ üpdáté thé çömpütér dátábásé. Thé phöñés áré döwñ sö hé ásks ýöü tö fîgüré ît öüt. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒî</translation>
    </message>
    <message>
        <source>A graph may help you do this. The horizontal or X-axis of the grid will represent number of boxes. The vertical or Y-axis will represent weight in pounds. The color blue will represent the %3-pound boxes, the green is for the %4-pound boxes and the red is for the %5-pound boxes. The desired graph is a line made up of three segments (blue, green, and red). It starts at the lower left corner of the grid and should end at the upper right corner. You draw by pressing the Up arrow key. You can undo a line by pressing the Down arrow key. Near the top left corner is a circle which can be blue, green or red. It tells you the color of the line you are drawing. To change the color, press the Tab key. Each time you press the Up arrow key you add one to the box count and the weight of one box of the current color to the weight total. These numbers are displayed in the orange table located below the color circle. The line segments must be drawn in the following sequence: First blue, then green, and last, red. When you undo a graph, the sequence is reversed. Each time you press one of the arrow keys the Move count goes up by one. When you solve the problem, your score will be the ratio (%) of the optimal or ideal number of moves to your move count.</source>
        <translation>Á gráph máý hélp ýöü dö thîs. Thé hörîzöñtál ör X-áxîs öf thé grîd wîll répréséñt ñümbér öf böxés. Thé vértîçál ör Ý-áxîs wîll répréséñt wéîght îñ pöüñds. Thé çölör blüé wîll répréséñt thé %3-pöüñd böxés, thé grééñ îs för thé %4-pöüñd böxés áñd thé réd îs för thé %5-pöüñd böxés. Thé désîréd gráph îs á lîñé mádé üp öf thréé ségméñts (blüé, grééñ, áñd réd). Ît stárts át thé löwér léft çörñér öf thé grîd áñd shöüld éñd át thé üppér rîght çörñér. Ýöü dráw bý préssîñg thé Üp árröw kéý. Ýöü çáñ üñdö á lîñé bý préssîñg thé Döwñ árröw kéý. Ñéár thé töp léft çörñér îs á çîrçlé whîçh çáñ bé blüé, grééñ ör réd. Ît télls ýöü thé çölör öf thé lîñé ýöü áré dráwîñg. Tö çháñgé thé çölör, préss thé Táb kéý. Éáçh tîmé ýöü préss thé Üp árröw kéý ýöü ádd öñé tö thé böx çöüñt áñd thé wéîght öf öñé böx öf thé çürréñt çölör tö thé wéîght tötál. Thésé ñümbérs áré dîspláýéd îñ thé öráñgé táblé löçátéd bélöw thé çölör çîrçlé. Thé lîñé ségméñts müst bé dráwñ îñ thé föllöwîñg séqüéñçé: Fîrst blüé, théñ grééñ, áñd lást, réd. Whéñ ýöü üñdö á gráph, thé séqüéñçé îs révérséd. Éáçh tîmé ýöü préss öñé öf thé árröw kéýs thé Mövé çöüñt göés üp bý öñé. Whéñ ýöü sölvé thé pröblém, ýöür sçöré wîll bé thé rátîö (%) öf thé öptîmál ör îdéál ñümbér öf mövés tö ýöür mövé çöüñt. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţ</translation>
    </message>
    <message>
        <source>This is the demo version of Zarvo. In this version there are only 28 problems and each has more than one solution, making them easier to solve.</source>
        <translation>Thîs îs thé démö vérsîöñ öf Zárvö. Îñ thîs vérsîöñ théré áré öñlý 28 pröbléms áñd éáçh hás möré tháñ öñé sölütîöñ, mákîñg thém éásîér tö sölvé. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîł</translation>
    </message>
    <message>
        <source>Zarvo is made by the Zarvo team, a small group of teachers and programmers who think that a picture of a sum can teach more than a page of arithmetic. To tell us what you think, to report a fault or to ask for new problems, open an issue on the Zarvo project's issue tracker.</source>
        <translation>Zárvö îs mádé bý thé Zárvö téám, á smáll gröüp öf téáçhérs áñd prögrámmérs whö thîñk thát á pîçtüré öf á süm çáñ téáçh möré tháñ á págé öf árîthmétîç. Tö téll üs whát ýöü thîñk, tö répört á fáült ör tö ásk för ñéw pröbléms, öpéñ áñ îssüé öñ thé Zárvö pröjéçt's îssüé tráçkér. ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ ŀôñĝ ŵöŕð ƒîłłéŕ ţéxţ</translation>
    </message>
</context>
</TS>