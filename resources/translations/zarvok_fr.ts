<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>Zarvok Version Z611</source>
        <translation>Zarvok version Z611</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Zarvo team</source>
        <translation>Copyright (C) 2026 équipe Zarvo</translation>
    </message>
    <message>
        <source>About Zarvok</source>
        <translation>À propos de Zarvok</translation>
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
        <translation>Pour commencer, appuie sur la flèche vers le haut. 
Pour voir les instructions, appuie sur F1. 
Pour quitter, appuie sur Alt+F4.</translation>
    </message>
    <message>
        <source>Game is over. 
To print the results, press the Ctrl and P keys. 
To play again, press the Home key. 
To exit, press the Alt and F4 keys.</source>
        <extracomment>The status prompt once the problem is solved: four lines, each ending in a blank before the line break.</extracomment>
        <translation>La partie est finie. 
Pour imprimer les résultats, appuie sur Ctrl+P. 
Pour rejouer, appuie sur Début. 
Pour quitter, appuie sur Alt+F4.</translation>
    </message>
    <message>
        <source>Boxes</source>
        <extracomment>Table heading, one short line: the number of boxes of each colour</extracomment>
        <translation>Caisses</translation>
    </message>
    <message>
        <source>Box Wt.</source>
        <extracomment>Table heading, one short line: the weight of ONE box of that colour, in pounds (&quot;per box&quot;), beside the column of the pounds of all its boxes</extracomment>
        <translation>Chacune</translation>
    </message>
    <message>
        <source>Pounds</source>
        <extracomment>Table heading, one short line: the pounds of all the boxes of that colour together</extracomment>
        <translation>Livres</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>Table row of the blue boxes: a label, capitalised (the spoken colour is &quot;blue&quot;)</extracomment>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>Table row of the green boxes: a label, capitalised</extracomment>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>Table row of the red boxes: a label, capitalised</extracomment>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Table row: the boxes and pounds placed so far, all colours together</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Remain</source>
        <extracomment>Table row: the boxes and pounds still to place, of the truck&apos;s load</extracomment>
        <translation>Reste</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Label over the score, one short line: the score is a percentage (100 is a perfect game)</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <source>Moves</source>
        <extracomment>Label over the number of key presses so far, one short line, about as wide as the English</extracomment>
        <translation>Coups</translation>
    </message>
    <message>
        <source>To change color press the Tab key</source>
        <extracomment>Beside the coloured circle, in a small box: at most two short lines at full size</extracomment>
        <translation>Tab change la couleur</translation>
    </message>
    <message>
        <source>To start, press the Up arrow key. To remove this text, press the space bar or press the Up arrow key.</source>
        <extracomment>The last line of the story shown over the board</extracomment>
        <translation>Pour commencer, appuie sur la flèche vers le haut. Pour enlever ce texte, appuie sur la barre d&apos;espace ou sur la flèche vers le haut.</translation>
    </message>
    <message>
        <source>THIS GAME NEEDS A MINIMUM SCREEN WIDTH OF 800 AND A MINIMUM SCREEN HEIGHT OF 600. PLEASE QUIT NOW BY PRESSING THE Alt and F4 KEYS.</source>
        <extracomment>Fills a screen too small for the game, in capitals; the numbers are pixels</extracomment>
        <translation>CE JEU A BESOIN D&apos;UN ÉCRAN D&apos;AU MOINS 800 PIXELS DE LARGE ET 600 PIXELS DE HAUT. QUITTE-LE MAINTENANT AVEC Alt+F4.</translation>
    </message>
    <message>
        <source>Zarvo, a puzzle from the Zarvo team -- %1 -- Version Z611</source>
        <extracomment>The window title and the printed page&apos;s first line; %1 is the date and time in the language&apos;s short form, such as 4.3.26 07:05:09</extracomment>
        <translation>Zarvo, un casse-tête de l&apos;équipe Zarvo -- %1 -- Version Z611</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Zarvo: find how many boxes of each weight a truck carried by drawing a line graph.
Keys: Up adds a box of the current colour, Down removes one, Tab changes colour,
F1 shows the story, Space hides it, Home starts the next problem, Ctrl+P prints.</source>
        <extracomment>The top of zarvok --help in a terminal: keep each line under 100 characters</extracomment>
        <translation>Zarvo&#xa0;: trouve combien de caisses de chaque poids un camion transportait, en traçant un graphique.
Touches&#xa0;: Haut ajoute une caisse de la couleur choisie, Bas en enlève une, Tab change la couleur,
F1 montre l&apos;histoire, Espace la cache, Début lance le problème suivant, Ctrl+P imprime.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Open FILE and print the results without a dialog (only a solved game prints, so this prints nothing), then exit.</source>
        <translation>Ouvrir FICHIER et imprimer les résultats sans boîte de dialogue (seule une partie résolue s&apos;imprime, donc rien ne s&apos;imprime ici), puis quitter.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The name of --print&apos;s value in zarvok --help, in capitals</extracomment>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Play problem N (0 to 27) first; later problems are random.</source>
        <translation>Jouer d&apos;abord le problème N (de 0 à 27)&#xa0;; les suivants sont tirés au hasard.</translation>
    </message>
    <message>
        <source>Play in the language CODE (%1) instead of the desktop&apos;s.</source>
        <extracomment>%1 lists the language codes, such as &quot;de, en, es&quot;</extracomment>
        <translation>Jouer dans la langue CODE (%1) au lieu de celle du bureau.</translation>
    </message>
    <message>
        <source>CODE</source>
        <extracomment>The name of --lang&apos;s value in zarvok --help, in capitals</extracomment>
        <translation>CODE</translation>
    </message>
    <message>
        <source>A file to open as the document.</source>
        <translation>Un fichier à ouvrir comme document.</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[FICHIER]</translation>
    </message>
    <message>
        <source>Try &apos;zarvok --help&apos; for more information.</source>
        <translation>Pour en savoir plus&#xa0;: zarvok --help</translation>
    </message>
    <message>
        <source>there is no translation for &apos;%1&apos;; the game speaks %2.</source>
        <extracomment>After &quot;zarvok: &quot;, so in lower case; %1 is the code asked for, %2 the codes there are</extracomment>
        <translation>il n&apos;y a pas de traduction pour «&#xa0;%1&#xa0;»&#xa0;; le jeu parle %2.</translation>
    </message>
    <message>
        <source>--problem takes a whole number from 0 to 27, not &apos;%1&apos;.</source>
        <translation>--problem demande un nombre entier de 0 à 27, pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>only one FILE can be opened.</source>
        <translation>on ne peut ouvrir qu&apos;un seul FICHIER.</translation>
    </message>
    <message>
        <source>--print takes its FILE alone.</source>
        <translation>--print ne prend que son FICHIER, rien d&apos;autre.</translation>
    </message>
    <message>
        <source>zarvok: cannot start: no display to show the game on (DISPLAY is not set).</source>
        <translation>zarvok: impossible de démarrer&#xa0;: aucun écran pour afficher le jeu (DISPLAY n&apos;est pas défini).</translation>
    </message>
    <message>
        <source>zarvok: cannot open &apos;%1&apos;: %2</source>
        <translation>zarvok: impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Untitled</source>
        <extracomment>The name of a new document, also the title of the printed PDF</extracomment>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Aucun nom de fichier n&apos;a été donné.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is not a regular file (a device, a pipe or a socket).</source>
        <translation>Ce n&apos;est pas un fichier ordinaire (c&apos;est un périphérique, un tube ou un socket).</translation>
    </message>
    <message>
        <source>A file of that name already exists. Zarvok documents hold nothing, so saving over it would empty it; it was left as it was. Choose a new name.</source>
        <translation>Un fichier de ce nom existe déjà. Les documents Zarvok ne contiennent rien&#xa0;: enregistrer par-dessus le viderait, il a donc été laissé tel quel. Choisis un autre nom.</translation>
    </message>
    <message>
        <source>%1 is saved already. Zarvok documents hold nothing, so there is nothing more to save.</source>
        <translation>%1 est déjà enregistré. Les documents Zarvok ne contiennent rien, il n&apos;y a donc rien de plus à enregistrer.</translation>
    </message>
    <message>
        <source>%1 was opened from an existing file. Zarvok documents hold nothing, so saving would empty that file; it was left as it was.</source>
        <translation>%1 a été ouvert depuis un fichier qui existait déjà. Les documents Zarvok ne contiennent rien&#xa0;: enregistrer viderait ce fichier, il a donc été laissé tel quel.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Cannot open %1.
%2</source>
        <translation>Impossible d&apos;ouvrir %1.
%2</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Cannot save %1.
%2</source>
        <translation>Impossible d&apos;enregistrer %1.
%2</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Zarvok...</source>
        <translation>À &amp;propos de Zarvok...</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Zarvok results.pdf</source>
        <extracomment>The file name the print dialog offers when there is no printer</extracomment>
        <translation>Résultats Zarvok.pdf</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Impossible de lancer l&apos;impression.</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Your score was: %1 -- Your solution was:</source>
        <extracomment>First line of the printed results; %1 is the score, a percentage</extracomment>
        <translation>Ton score&#xa0;: %1 -- Ta solution&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) weighing %1 pounds each.</source>
        <extracomment>A line of the printed solution: %n boxes of one colour, %1 the pounds of one box</extracomment>
        <translation>
            <numerusform>%n caisse de %1 livres.</numerusform>
            <numerusform>%n caisses de %1 livres chacune.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>blue</source>
        <extracomment>Spoken: the colour as a word inside a sentence (&quot;The colour is blue.&quot;)</extracomment>
        <translation>bleu</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>Spoken: the colour as a word inside a sentence</extracomment>
        <translation>vert</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>Spoken: the colour as a word inside a sentence</extracomment>
        <translation>rouge</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>Spoken: the colour at the start of a sentence, before a colon (&quot;Blue: 3 boxes ...&quot;)</extracomment>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>Spoken: the colour at the start of a sentence, before a colon</extracomment>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>Spoken: the colour at the start of a sentence, before a colon</extracomment>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Take back the green boxes first.</source>
        <translation>Enlève d&apos;abord les caisses vertes.</translation>
    </message>
    <message>
        <source>Take back the red boxes first.</source>
        <translation>Enlève d&apos;abord les caisses rouges.</translation>
    </message>
    <message>
        <source>No blue boxes to take back.</source>
        <translation>Il n&apos;y a pas de caisse bleue à enlever.</translation>
    </message>
    <message>
        <source>No green boxes to take back.</source>
        <translation>Il n&apos;y a pas de caisse verte à enlever.</translation>
    </message>
    <message>
        <source>No red boxes to take back.</source>
        <translation>Il n&apos;y a pas de caisse rouge à enlever.</translation>
    </message>
    <message>
        <source>Green comes after blue: add blue boxes first.</source>
        <translation>Le vert vient après le bleu&#xa0;: ajoute d&apos;abord des caisses bleues.</translation>
    </message>
    <message>
        <source>Red comes after green: add green boxes first.</source>
        <translation>Le rouge vient après le vert&#xa0;: ajoute d&apos;abord des caisses vertes.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n box(es) of %2 pounds, %3 pounds.</source>
        <extracomment>Spoken: %1 the colour, %n its boxes, %2 the pounds of one box, %3 of all of them. A speech engine reads &quot;1&quot; as a bare number: the singular may spell it out instead.</extracomment>
        <translation>
            <numerusform>%1&#xa0;: caisses de %2 livres&#xa0;: %n, soit %3 livres.</numerusform>
            <numerusform>%1&#xa0;: %n caisses de %2 livres, soit %3 livres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) and %1 pounds left.</source>
        <extracomment>Spoken: the boxes and the pounds still to place</extracomment>
        <translation>
            <numerusform>Caisses restantes&#xa0;: %n. Livres restantes&#xa0;: %1.</numerusform>
            <numerusform>Il reste %n caisses et %1 livres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Solved in %1 moves! Your score is %2. Press Ctrl and P to print the results, or Home for the next problem.</source>
        <translation>Résolu en %1 coups&#xa0;! Ton score est de %2. Appuie sur Ctrl+P pour imprimer les résultats, ou sur Début pour le problème suivant.</translation>
    </message>
    <message>
        <source>New problem: a truck carried %1 boxes weighing %2 pounds in all, some of %3, some of %4 and some of %5 pounds. Press F1 to hear the story.</source>
        <translation>Nouveau problème&#xa0;: un camion transportait %1 caisses pesant %2 livres en tout, certaines de %3, d&apos;autres de %4 et d&apos;autres de %5 livres. Appuie sur F1 pour écouter l&apos;histoire.</translation>
    </message>
    <message>
        <source>Zarvo. The colour is %1.</source>
        <translation>Zarvo. Tu dessines en %1.</translation>
    </message>
    <message numerus="yes">
        <source>In all, %n of %1 boxes and %2 of %3 pounds.</source>
        <extracomment>Spoken: %n boxes placed of the %1 on the truck, and %2 pounds placed of its %3</extracomment>
        <translation>
            <numerusform>En tout&#xa0;: %n sur %1 caisses, et %2 sur %3 livres.</numerusform>
            <numerusform>En tout&#xa0;: %n sur %1 caisses, et %2 sur %3 livres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves: %1. Score: %2.</source>
        <extracomment>Spoken: the key presses so far, and the score, a percentage</extracomment>
        <translation>Coups&#xa0;: %1. Score&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The story is shown: press F1 to hear it, Space to hide it.</source>
        <translation>L&apos;histoire est affichée&#xa0;: appuie sur F1 pour l&apos;écouter, sur Espace pour la cacher.</translation>
    </message>
    <message>
        <source>All %1 boxes are placed.</source>
        <translation>Les %1 caisses sont toutes placées.</translation>
    </message>
    <message>
        <source>That would pass %1 pounds.</source>
        <translation>Cela dépasserait %1 livres.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n box(es) so far.</source>
        <extracomment>Spoken after Tab: %1 the new colour, %n its boxes so far</extracomment>
        <translation>
            <numerusform>%1&#xa0;: caisses pour l&apos;instant&#xa0;: %n.</numerusform>
            <numerusform>%1&#xa0;: %n caisses pour l&apos;instant.</numerusform>
        </translation>
    </message>
    <message>
        <source>The story is hidden.</source>
        <translation>L&apos;histoire est cachée.</translation>
    </message>
    <message>
        <source>The story.</source>
        <translation>L&apos;histoire.</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>A truck carrying %1 boxes arrives at a remote destination in the jungle. The total weight of the %1 boxes is %2 pounds. Some boxes weigh %3 pounds, some %4, and some %5. There is at least one box of each weight. The paperwork was lost and the manager at headquarters needs to know how many boxes of each weight were shipped so he can update the computer database. The phones are down so he asks you to figure it out.</source>
        <extracomment>First paragraph of the story. %1 is the number of boxes (20 or 50), %2 the pounds of all of them (1000), %3, %4 and %5 the pounds of one blue, one green and one red box. A pound is about half a kilogram: where pounds are not in everyday use, say so once here.</extracomment>
        <translation>Un camion transportant %1 caisses arrive dans un endroit isolé de la jungle. Les %1 caisses pèsent en tout %2 livres. La livre est une unité de poids utilisée dans certains pays&#xa0;: une livre pèse un peu moins d&apos;un demi-kilo. Certaines caisses pèsent %3 livres, d&apos;autres %4 et d&apos;autres %5. Il y a au moins une caisse de chaque poids. Les papiers de livraison ont été perdus, et le responsable au siège doit savoir combien de caisses de chaque poids ont été envoyées pour mettre à jour sa base de données. Les téléphones ne marchent pas, alors il te demande de trouver la réponse.</translation>
    </message>
    <message>
        <source>A graph may help you do this. The horizontal or X-axis of the grid will represent number of boxes. The vertical or Y-axis will represent weight in pounds. The color blue will represent the %3-pound boxes, the green is for the %4-pound boxes and the red is for the %5-pound boxes. The desired graph is a line made up of three segments (blue, green, and red). It starts at the lower left corner of the grid and should end at the upper right corner. You draw by pressing the Up arrow key. You can undo a line by pressing the Down arrow key. Near the top left corner is a circle which can be blue, green or red. It tells you the color of the line you are drawing. To change the color, press the Tab key. Each time you press the Up arrow key you add one to the box count and the weight of one box of the current color to the weight total. These numbers are displayed in the orange table located below the color circle. The line segments must be drawn in the following sequence: First blue, then green, and last, red. When you undo a graph, the sequence is reversed. Each time you press one of the arrow keys the Move count goes up by one. When you solve the problem, your score will be the ratio (%) of the optimal or ideal number of moves to your move count.</source>
        <extracomment>Second paragraph of the story: the rules. %3, %4 and %5 are the pounds of one blue, one green and one red box. &quot;(%)&quot; is a plain percent sign, not a number.</extracomment>
        <translation>Un graphique peut t&apos;aider. L&apos;axe horizontal (axe des X) de la grille représente le nombre de caisses, et l&apos;axe vertical (axe des Y) le poids en livres. Le bleu représente les caisses de %3 livres, le vert celles de %4 livres et le rouge celles de %5 livres. Tu cherches une ligne formée de trois segments (bleu, vert et rouge). Elle part du coin en bas à gauche de la grille et doit arriver au coin en haut à droite. Tu dessines avec la flèche vers le haut, et tu peux effacer un bout de ligne avec la flèche vers le bas. Près du coin en haut à gauche, il y a un rond qui peut être bleu, vert ou rouge&#xa0;: il t&apos;indique la couleur de la ligne que tu dessines. Pour changer de couleur, appuie sur la touche Tab. Chaque fois que tu appuies sur la flèche vers le haut, tu ajoutes une caisse au nombre de caisses, et le poids d&apos;une caisse de la couleur choisie au poids total. Ces nombres s&apos;affichent dans le tableau orange sous le rond de couleur. Les segments se dessinent dans cet ordre&#xa0;: d&apos;abord le bleu, puis le vert et enfin le rouge. Quand tu effaces, l&apos;ordre est inversé. Chaque fois que tu appuies sur l&apos;une des flèches, le nombre de coups augmente d&apos;un. Quand tu as résolu le problème, ton score est le rapport (en %) entre le plus petit nombre de coups possible et ton nombre de coups.</translation>
    </message>
    <message>
        <source>This is the demo version of Zarvo. In this version there are only 28 problems and each has more than one solution, making them easier to solve.</source>
        <extracomment>Printed under the story on the results page only</extracomment>
        <translation>Ceci est la version de démonstration de Zarvo. Elle n&apos;a que 28 problèmes, et chacun a plus d&apos;une solution, ce qui les rend plus faciles à résoudre.</translation>
    </message>
    <message>
        <source>Zarvo is made by the Zarvo team, a small group of teachers and programmers who think that a picture of a sum can teach more than a page of arithmetic. If you find a mistake, have an idea or would like new problems, ask your teacher to write to us on the Zarvo project&apos;s web page.</source>
        <extracomment>Printed last on the results page, read by students of 10 to 14</extracomment>
        <translation>Zarvo est fait par l&apos;équipe Zarvo, un petit groupe d&apos;enseignants et de programmeurs qui pensent que le dessin d&apos;une somme peut enseigner davantage qu&apos;une page de calculs. Si tu trouves une erreur, si tu as une idée ou si tu veux de nouveaux problèmes, demande à ton professeur de nous écrire sur la page web du projet Zarvo.</translation>
    </message>
</context>
</TS>
