<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>Zarvok Version Z611</source>
        <translation>Zarvok versión Z611</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Zarvo team</source>
        <translation>Copyright (C) 2026 equipo Zarvo</translation>
    </message>
    <message>
        <source>About Zarvok</source>
        <translation>Acerca de Zarvok</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>To start, press the Up arrow key. 
To view the instructions, press the F1 key. 
To exit, press the Alt and F4 keys.</source>
        <extracomment>The status prompt under the table while a game runs: three lines, each ending in a blank before the line break. Key names as the menus write them keep a line whole.</extracomment>
        <translation>Para empezar, pulsa la flecha hacia arriba. 
Para ver las instrucciones, pulsa F1. 
Para salir, pulsa Alt+F4.</translation>
    </message>
    <message>
        <source>Game is over. 
To print the results, press the Ctrl and P keys. 
To play again, press the Home key. 
To exit, press the Alt and F4 keys.</source>
        <extracomment>The status prompt once the problem is solved: four lines, each ending in a blank before the line break.</extracomment>
        <translation>Se acabó la partida. 
Para imprimir los resultados, pulsa Ctrl+P. 
Para jugar otra vez, pulsa Inicio. 
Para salir, pulsa Alt+F4.</translation>
    </message>
    <message>
        <source>Boxes</source>
        <extracomment>Table heading, one short line: the number of boxes of each colour</extracomment>
        <translation>Cajas</translation>
    </message>
    <message>
        <source>Box Wt.</source>
        <extracomment>Table heading, one short line: the weight of ONE box of that colour, in pounds (&quot;per box&quot;), beside the column of the pounds of all its boxes</extracomment>
        <translation>Peso c/u</translation>
    </message>
    <message>
        <source>Pounds</source>
        <extracomment>Table heading, one short line: the pounds of all the boxes of that colour together</extracomment>
        <translation>Libras</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>Table row of the blue boxes: a label, capitalised (the spoken colour is &quot;blue&quot;)</extracomment>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>Table row of the green boxes: a label, capitalised</extracomment>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>Table row of the red boxes: a label, capitalised</extracomment>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Table row: the boxes and pounds placed so far, all colours together</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Remain</source>
        <extracomment>Table row: the boxes and pounds still to place, of the truck&apos;s load</extracomment>
        <translation>Faltan</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Label over the score, one short line: the score is a percentage (100 is a perfect game)</extracomment>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Moves</source>
        <extracomment>Label over the number of key presses so far, one short line, about as wide as the English</extracomment>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>To change color press the Tab key</source>
        <extracomment>Beside the coloured circle, in a small box: at most two short lines at full size</extracomment>
        <translation>Cambia de color con la tecla Tab</translation>
    </message>
    <message>
        <source>To start, press the Up arrow key. To remove this text, press the space bar or press the Up arrow key.</source>
        <extracomment>The last line of the story shown over the board</extracomment>
        <translation>Para empezar, pulsa la flecha hacia arriba. Para quitar este texto, pulsa la barra espaciadora o la flecha hacia arriba.</translation>
    </message>
    <message>
        <source>THIS GAME NEEDS A MINIMUM SCREEN WIDTH OF 800 AND A MINIMUM SCREEN HEIGHT OF 600. PLEASE QUIT NOW BY PRESSING THE Alt and F4 KEYS.</source>
        <extracomment>Fills a screen too small for the game, in capitals; the numbers are pixels</extracomment>
        <translation>ESTE JUEGO NECESITA UNA PANTALLA DE AL MENOS 800 PÍXELES DE ANCHO Y 600 PÍXELES DE ALTO. POR FAVOR, SAL AHORA PULSANDO Alt+F4.</translation>
    </message>
    <message>
        <source>Zarvo, a puzzle from the Zarvo team -- %1 -- Version Z611</source>
        <extracomment>The window title and the printed page&apos;s first line; %1 is the date and time in the language&apos;s short form, such as 4.3.26 07:05:09</extracomment>
        <translation>Zarvo, un acertijo del equipo Zarvo -- %1 -- Versión Z611</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Zarvo: find how many boxes of each weight a truck carried by drawing a line graph.
Keys: Up adds a box of the current colour, Down removes one, Tab changes colour,
F1 shows the story, Space hides it, Home starts the next problem, Ctrl+P prints.</source>
        <extracomment>The top of zarvok --help in a terminal: keep each line under 100 characters</extracomment>
        <translation>Zarvo: averigua cuántas cajas de cada peso llevaba un camión dibujando un gráfico de líneas.
Teclas: flecha arriba añade una caja del color actual, flecha abajo quita una, Tab cambia el color,
F1 muestra la historia, Espacio la oculta, Inicio empieza el siguiente problema, Ctrl+P imprime.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Open FILE and print the results without a dialog (only a solved game prints, so this prints nothing), then exit.</source>
        <translation>Abrir ARCHIVO e imprimir los resultados sin diálogo (solo se imprime una partida resuelta, así que esto no imprime nada) y salir.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The name of --print&apos;s value in zarvok --help, in capitals</extracomment>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>Play problem N (0 to 27) first; later problems are random.</source>
        <translation>Jugar primero el problema N (de 0 a 27); los siguientes son al azar.</translation>
    </message>
    <message>
        <source>Play in the language CODE (%1) instead of the desktop&apos;s.</source>
        <extracomment>%1 lists the language codes, such as &quot;de, en, es&quot;</extracomment>
        <translation>Jugar en el idioma CÓDIGO (%1) en lugar del idioma del escritorio.</translation>
    </message>
    <message>
        <source>CODE</source>
        <extracomment>The name of --lang&apos;s value in zarvok --help, in capitals</extracomment>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>A file to open as the document.</source>
        <translation>Un archivo que se abre como documento.</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[ARCHIVO]</translation>
    </message>
    <message>
        <source>Try &apos;zarvok --help&apos; for more information.</source>
        <translation>Prueba &apos;zarvok --help&apos; para saber más.</translation>
    </message>
    <message>
        <source>there is no translation for &apos;%1&apos;; the game speaks %2.</source>
        <extracomment>After &quot;zarvok: &quot;, so in lower case; %1 is the code asked for, %2 the codes there are</extracomment>
        <translation>no hay traducción para &apos;%1&apos;; el juego habla %2.</translation>
    </message>
    <message>
        <source>--problem takes a whole number from 0 to 27, not &apos;%1&apos;.</source>
        <translation>--problem necesita un número entero de 0 a 27, no &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>only one FILE can be opened.</source>
        <translation>solo se puede abrir un ARCHIVO.</translation>
    </message>
    <message>
        <source>--print takes its FILE alone.</source>
        <translation>--print solo admite su ARCHIVO.</translation>
    </message>
    <message>
        <source>zarvok: cannot start: no display to show the game on (DISPLAY is not set).</source>
        <translation>zarvok: no puede empezar: no hay pantalla donde mostrar el juego (DISPLAY no está definida).</translation>
    </message>
    <message>
        <source>zarvok: cannot open &apos;%1&apos;: %2</source>
        <translation>zarvok: no se puede abrir &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Untitled</source>
        <extracomment>The name of a new document, also the title of the printed PDF</extracomment>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>No se dio ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is not a regular file (a device, a pipe or a socket).</source>
        <translation>No es un archivo normal (es un dispositivo, una tubería o un socket).</translation>
    </message>
    <message>
        <source>A file of that name already exists. Zarvok documents hold nothing, so saving over it would empty it; it was left as it was. Choose a new name.</source>
        <translation>Ya existe un archivo con ese nombre. Los documentos de Zarvok no contienen nada, así que guardar encima lo vaciaría; se ha dejado como estaba. Elige otro nombre.</translation>
    </message>
    <message>
        <source>%1 is saved already. Zarvok documents hold nothing, so there is nothing more to save.</source>
        <translation>%1 ya está guardado. Los documentos de Zarvok no contienen nada, así que no hay nada más que guardar.</translation>
    </message>
    <message>
        <source>%1 was opened from an existing file. Zarvok documents hold nothing, so saving would empty that file; it was left as it was.</source>
        <translation>%1 se abrió desde un archivo que ya existía. Los documentos de Zarvok no contienen nada, así que guardar vaciaría ese archivo; se ha dejado como estaba.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Cannot open %1.
%2</source>
        <translation>No se puede abrir %1.
%2</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Cannot save %1.
%2</source>
        <translation>No se puede guardar %1.
%2</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
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
        <source>&amp;About Zarvok...</source>
        <translation>&amp;Acerca de Zarvok...</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>No se pudo empezar a imprimir.</translation>
    </message>
    <message>
        <source>Zarvok results.pdf</source>
        <extracomment>The file name the print dialog offers when there is no printer</extracomment>
        <translation>Resultados de Zarvok.pdf</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Your score was: %1 -- Your solution was:</source>
        <extracomment>First line of the printed results; %1 is the score, a percentage</extracomment>
        <translation>Tu puntuación: %1 -- Tu solución:</translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) weighing %1 pounds each.</source>
        <extracomment>A line of the printed solution: %n boxes of one colour, %1 the pounds of one box</extracomment>
        <translation>
            <numerusform>%n caja de %1 libras.</numerusform>
            <numerusform>%n cajas de %1 libras cada una.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>blue</source>
        <extracomment>Spoken: the colour as a word inside a sentence (&quot;The colour is blue.&quot;)</extracomment>
        <translation>azul</translation>
    </message>
    <message>
        <source>green</source>
        <extracomment>Spoken: the colour as a word inside a sentence</extracomment>
        <translation>verde</translation>
    </message>
    <message>
        <source>red</source>
        <extracomment>Spoken: the colour as a word inside a sentence</extracomment>
        <translation>rojo</translation>
    </message>
    <message>
        <source>Blue</source>
        <extracomment>Spoken: the colour at the start of a sentence, before a colon (&quot;Blue: 3 boxes ...&quot;)</extracomment>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Green</source>
        <extracomment>Spoken: the colour at the start of a sentence, before a colon</extracomment>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Red</source>
        <extracomment>Spoken: the colour at the start of a sentence, before a colon</extracomment>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Take back the green boxes first.</source>
        <translation>Quita primero las cajas verdes.</translation>
    </message>
    <message>
        <source>Take back the red boxes first.</source>
        <translation>Quita primero las cajas rojas.</translation>
    </message>
    <message>
        <source>No blue boxes to take back.</source>
        <translation>No hay cajas azules que quitar.</translation>
    </message>
    <message>
        <source>No green boxes to take back.</source>
        <translation>No hay cajas verdes que quitar.</translation>
    </message>
    <message>
        <source>No red boxes to take back.</source>
        <translation>No hay cajas rojas que quitar.</translation>
    </message>
    <message>
        <source>Green comes after blue: add blue boxes first.</source>
        <translation>El verde va después del azul: añade primero cajas azules.</translation>
    </message>
    <message>
        <source>Red comes after green: add green boxes first.</source>
        <translation>El rojo va después del verde: añade primero cajas verdes.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n box(es) of %2 pounds, %3 pounds.</source>
        <extracomment>Spoken: %1 the colour, %n its boxes, %2 the pounds of one box, %3 of all of them. A speech engine reads &quot;1&quot; as a bare number: the singular may spell it out instead.</extracomment>
        <translation>
            <numerusform>%1: una caja de %2 libras, %3 libras.</numerusform>
            <numerusform>%1: %n cajas de %2 libras, %3 libras.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) and %1 pounds left.</source>
        <extracomment>Spoken: the boxes and the pounds still to place</extracomment>
        <translation>
            <numerusform>Falta una caja y %1 libras.</numerusform>
            <numerusform>Faltan %n cajas y %1 libras.</numerusform>
        </translation>
    </message>
    <message>
        <source>Solved in %1 moves! Your score is %2. Press Ctrl and P to print the results, or Home for the next problem.</source>
        <translation>¡Resuelto en %1 jugadas! Tu puntuación es %2. Pulsa Ctrl+P para imprimir los resultados, o Inicio para el siguiente problema.</translation>
    </message>
    <message>
        <source>New problem: a truck carried %1 boxes weighing %2 pounds in all, some of %3, some of %4 and some of %5 pounds. Press F1 to hear the story.</source>
        <translation>Nuevo problema: un camión llevaba %1 cajas que pesaban %2 libras en total, unas de %3, otras de %4 y otras de %5 libras. Pulsa F1 para oír la historia.</translation>
    </message>
    <message>
        <source>Zarvo. The colour is %1.</source>
        <translation>Zarvo. El color es %1.</translation>
    </message>
    <message>
        <source>Moves: %1. Score: %2.</source>
        <extracomment>Spoken: the key presses so far, and the score, a percentage</extracomment>
        <translation>Jugadas: %1. Puntos: %2.</translation>
    </message>
    <message>
        <source>The story is shown: press F1 to hear it, Space to hide it.</source>
        <translation>La historia está a la vista: pulsa F1 para oírla y Espacio para ocultarla.</translation>
    </message>
    <message>
        <source>All %1 boxes are placed.</source>
        <translation>Ya están puestas las %1 cajas.</translation>
    </message>
    <message>
        <source>That would pass %1 pounds.</source>
        <translation>Eso pasaría de %1 libras.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n box(es) so far.</source>
        <extracomment>Spoken after Tab: %1 the new colour, %n its boxes so far</extracomment>
        <translation>
            <numerusform>%1: una caja por ahora.</numerusform>
            <numerusform>%1: %n cajas por ahora.</numerusform>
        </translation>
    </message>
    <message>
        <source>The story is hidden.</source>
        <translation>La historia está oculta.</translation>
    </message>
    <message>
        <source>The story.</source>
        <translation>La historia.</translation>
    </message>
    <message numerus="yes">
        <source>In all, %n of %1 boxes and %2 of %3 pounds.</source>
        <extracomment>Spoken: %n boxes placed of the %1 on the truck, and %2 pounds placed of its %3</extracomment>
        <translation>
            <numerusform>En total, una de %1 cajas y %2 de %3 libras.</numerusform>
            <numerusform>En total, %n de %1 cajas y %2 de %3 libras.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>A truck carrying %1 boxes arrives at a remote destination in the jungle. The total weight of the %1 boxes is %2 pounds. Some boxes weigh %3 pounds, some %4, and some %5. There is at least one box of each weight. The paperwork was lost and the manager at headquarters needs to know how many boxes of each weight were shipped so he can update the computer database. The phones are down so he asks you to figure it out.</source>
        <extracomment>First paragraph of the story. %1 is the number of boxes (20 or 50), %2 the pounds of all of them (1000), %3, %4 and %5 the pounds of one blue, one green and one red box. A pound is about half a kilogram: where pounds are not in everyday use, say so once here.</extracomment>
        <translation>Un camión con %1 cajas llega a un lugar remoto de la selva. Las %1 cajas pesan en total %2 libras. La libra es una medida de peso que se usa en algunos países: una libra pesa casi medio kilo. Algunas cajas pesan %3 libras, otras %4 y otras %5. Hay por lo menos una caja de cada peso. Se perdieron los papeles del envío, y el jefe de la oficina central necesita saber cuántas cajas de cada peso se enviaron para poner al día su base de datos. Los teléfonos no funcionan, así que te pide a ti que lo averigües.</translation>
    </message>
    <message>
        <source>A graph may help you do this. The horizontal or X-axis of the grid will represent number of boxes. The vertical or Y-axis will represent weight in pounds. The color blue will represent the %3-pound boxes, the green is for the %4-pound boxes and the red is for the %5-pound boxes. The desired graph is a line made up of three segments (blue, green, and red). It starts at the lower left corner of the grid and should end at the upper right corner. You draw by pressing the Up arrow key. You can undo a line by pressing the Down arrow key. Near the top left corner is a circle which can be blue, green or red. It tells you the color of the line you are drawing. To change the color, press the Tab key. Each time you press the Up arrow key you add one to the box count and the weight of one box of the current color to the weight total. These numbers are displayed in the orange table located below the color circle. The line segments must be drawn in the following sequence: First blue, then green, and last, red. When you undo a graph, the sequence is reversed. Each time you press one of the arrow keys the Move count goes up by one. When you solve the problem, your score will be the ratio (%) of the optimal or ideal number of moves to your move count.</source>
        <extracomment>Second paragraph of the story: the rules. %3, %4 and %5 are the pounds of one blue, one green and one red box. &quot;(%)&quot; is a plain percent sign, not a number.</extracomment>
        <translation>Un gráfico te puede ayudar. El eje horizontal (eje X) de la cuadrícula representa el número de cajas y el eje vertical (eje Y), el peso en libras. El azul representa las cajas de %3 libras, el verde las de %4 libras y el rojo las de %5 libras. Buscamos una línea formada por tres tramos (azul, verde y rojo). Empieza en la esquina inferior izquierda de la cuadrícula y debe terminar en la esquina superior derecha. Dibujas pulsando la flecha hacia arriba y puedes deshacer la línea con la flecha hacia abajo. Cerca de la esquina superior izquierda hay un círculo que puede ser azul, verde o rojo: te dice de qué color es la línea que estás dibujando. Para cambiar el color, pulsa la tecla Tab. Cada vez que pulsas la flecha hacia arriba, sumas una caja al número de cajas y el peso de una caja del color actual al peso total. Estos números aparecen en la tabla naranja que está debajo del círculo de color. Los tramos se dibujan en este orden: primero el azul, luego el verde y por último el rojo. Al deshacer, el orden es el contrario. Cada vez que pulsas una de las flechas, el número de jugadas sube en uno. Cuando resuelvas el problema, tu puntuación será la razón (en %) entre el número ideal de jugadas y las jugadas que hiciste.</translation>
    </message>
    <message>
        <source>This is the demo version of Zarvo. In this version there are only 28 problems and each has more than one solution, making them easier to solve.</source>
        <extracomment>Printed under the story on the results page only</extracomment>
        <translation>Esta es la versión de demostración de Zarvo. Solo tiene 28 problemas y cada uno tiene más de una solución, así que son más fáciles de resolver.</translation>
    </message>
    <message>
        <source>Zarvo is made by the Zarvo team, a small group of teachers and programmers who think that a picture of a sum can teach more than a page of arithmetic. If you find a mistake, have an idea or would like new problems, ask your teacher to write to us on the Zarvo project&apos;s web page.</source>
        <extracomment>Printed last on the results page, read by students of 10 to 14</extracomment>
        <translation>Zarvo lo hace el equipo Zarvo, un pequeño grupo de docentes y programadores convencidos de que el dibujo de una suma puede enseñar más que una página de cuentas. Si encuentras un error, tienes una idea o quieres problemas nuevos, pide a tu profesor o a tu profesora que nos escriba en la página web del proyecto Zarvo.</translation>
    </message>
</context>
</TS>
