<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About</name>
    <message>
        <source>Zarvok Version Z611</source>
        <translation>Zarvok versão Z611</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Zarvo team</source>
        <translation>Copyright (C) 2026 equipe Zarvo</translation>
    </message>
    <message>
        <source>About Zarvok</source>
        <translation>Sobre o Zarvok</translation>
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
        <translation>Para começar, aperte a seta para cima. 
Para ver as instruções, aperte F1. 
Para sair, aperte Alt+F4.</translation>
    </message>
    <message>
        <source>Game is over. 
To print the results, press the Ctrl and P keys. 
To play again, press the Home key. 
To exit, press the Alt and F4 keys.</source>
        <extracomment>The status prompt once the problem is solved: four lines, each ending in a blank before the line break.</extracomment>
        <translation>Fim de jogo. 
Para imprimir os resultados, aperte Ctrl+P. 
Para jogar de novo, aperte Home. 
Para sair, aperte Alt+F4.</translation>
    </message>
    <message>
        <source>Boxes</source>
        <extracomment>Table heading, one short line: the number of boxes of each colour</extracomment>
        <translation>Caixas</translation>
    </message>
    <message>
        <source>Box Wt.</source>
        <extracomment>Table heading, one short line: the weight of ONE box of that colour, in pounds (&quot;per box&quot;), beside the column of the pounds of all its boxes</extracomment>
        <translation>Cada</translation>
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
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Table row: the boxes and pounds placed so far, all colours together</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Remain</source>
        <extracomment>Table row: the boxes and pounds still to place, of the truck&apos;s load</extracomment>
        <translation>Faltam</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Label over the score, one short line: the score is a percentage (100 is a perfect game)</extracomment>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Moves</source>
        <extracomment>Label over the number of key presses so far, one short line, about as wide as the English</extracomment>
        <translation>Jogadas</translation>
    </message>
    <message>
        <source>To change color press the Tab key</source>
        <extracomment>Beside the coloured circle, in a small box: at most two short lines at full size</extracomment>
        <translation>Mude a cor com a tecla Tab</translation>
    </message>
    <message>
        <source>To start, press the Up arrow key. To remove this text, press the space bar or press the Up arrow key.</source>
        <extracomment>The last line of the story shown over the board</extracomment>
        <translation>Para começar, aperte a seta para cima. Para tirar este texto, aperte a barra de espaço ou a seta para cima.</translation>
    </message>
    <message>
        <source>THIS GAME NEEDS A MINIMUM SCREEN WIDTH OF 800 AND A MINIMUM SCREEN HEIGHT OF 600. PLEASE QUIT NOW BY PRESSING THE Alt and F4 KEYS.</source>
        <extracomment>Fills a screen too small for the game, in capitals; the numbers are pixels</extracomment>
        <translation>ESTE JOGO PRECISA DE UMA TELA DE PELO MENOS 800 PIXELS DE LARGURA E 600 PIXELS DE ALTURA. SAIA AGORA APERTANDO Alt+F4.</translation>
    </message>
    <message>
        <source>Zarvo, a puzzle from the Zarvo team -- %1 -- Version Z611</source>
        <extracomment>The window title and the printed page&apos;s first line; %1 is the date and time in the language&apos;s short form, such as 4.3.26 07:05:09</extracomment>
        <translation>Zarvo, um quebra-cabeça da equipe Zarvo -- %1 -- Versão Z611</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Zarvo: find how many boxes of each weight a truck carried by drawing a line graph.
Keys: Up adds a box of the current colour, Down removes one, Tab changes colour,
F1 shows the story, Space hides it, Home starts the next problem, Ctrl+P prints.</source>
        <extracomment>The top of zarvok --help in a terminal: keep each line under 100 characters</extracomment>
        <translation>Zarvo: descubra quantas caixas de cada peso um caminhão levava desenhando um gráfico de linhas.
Teclas: seta para cima põe uma caixa da cor atual, seta para baixo tira uma, Tab muda a cor,
F1 mostra a história, Espaço a esconde, Home começa o próximo problema, Ctrl+P imprime.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <source>Open FILE and print the results without a dialog (only a solved game prints, so this prints nothing), then exit.</source>
        <translation>Abrir ARQUIVO e imprimir os resultados sem diálogo (só um jogo resolvido é impresso, então isto não imprime nada) e sair.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The name of --print&apos;s value in zarvok --help, in capitals</extracomment>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>Play problem N (0 to 27) first; later problems are random.</source>
        <translation>Jogar primeiro o problema N (de 0 a 27); os seguintes são sorteados.</translation>
    </message>
    <message>
        <source>Play in the language CODE (%1) instead of the desktop&apos;s.</source>
        <extracomment>%1 lists the language codes, such as &quot;de, en, es&quot;</extracomment>
        <translation>Jogar no idioma CÓDIGO (%1) em vez do idioma da área de trabalho.</translation>
    </message>
    <message>
        <source>CODE</source>
        <extracomment>The name of --lang&apos;s value in zarvok --help, in capitals</extracomment>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>A file to open as the document.</source>
        <translation>Um arquivo para abrir como documento.</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[ARQUIVO]</translation>
    </message>
    <message>
        <source>Try &apos;zarvok --help&apos; for more information.</source>
        <translation>Para saber mais, use &apos;zarvok --help&apos;.</translation>
    </message>
    <message>
        <source>there is no translation for &apos;%1&apos;; the game speaks %2.</source>
        <extracomment>After &quot;zarvok: &quot;, so in lower case; %1 is the code asked for, %2 the codes there are</extracomment>
        <translation>não há tradução para &apos;%1&apos;; o jogo fala %2.</translation>
    </message>
    <message>
        <source>--problem takes a whole number from 0 to 27, not &apos;%1&apos;.</source>
        <translation>--problem precisa de um número inteiro de 0 a 27, não &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>only one FILE can be opened.</source>
        <translation>só é possível abrir um ARQUIVO.</translation>
    </message>
    <message>
        <source>--print takes its FILE alone.</source>
        <translation>--print aceita só o seu ARQUIVO, mais nada.</translation>
    </message>
    <message>
        <source>zarvok: cannot start: no display to show the game on (DISPLAY is not set).</source>
        <translation>zarvok: não é possível iniciar: não há tela para mostrar o jogo (DISPLAY não está definido).</translation>
    </message>
    <message>
        <source>zarvok: cannot open &apos;%1&apos;: %2</source>
        <translation>zarvok: não é possível abrir &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Untitled</source>
        <extracomment>The name of a new document, also the title of the printed PDF</extracomment>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Nenhum nome de arquivo foi dado.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>É uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>It is not a regular file (a device, a pipe or a socket).</source>
        <translation>Não é um arquivo comum (é um dispositivo, um pipe ou um socket).</translation>
    </message>
    <message>
        <source>A file of that name already exists. Zarvok documents hold nothing, so saving over it would empty it; it was left as it was. Choose a new name.</source>
        <translation>Já existe um arquivo com esse nome. Os documentos do Zarvok não contêm nada, então salvar por cima o deixaria vazio; ele ficou como estava. Escolha outro nome.</translation>
    </message>
    <message>
        <source>%1 is saved already. Zarvok documents hold nothing, so there is nothing more to save.</source>
        <translation>%1 já está salvo. Os documentos do Zarvok não contêm nada, então não há mais nada para salvar.</translation>
    </message>
    <message>
        <source>%1 was opened from an existing file. Zarvok documents hold nothing, so saving would empty that file; it was left as it was.</source>
        <translation>%1 foi aberto de um arquivo que já existia. Os documentos do Zarvok não contêm nada, então salvar deixaria esse arquivo vazio; ele ficou como estava.</translation>
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
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Cannot open %1.
%2</source>
        <translation>Não foi possível abrir %1.
%2</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Cannot save %1.
%2</source>
        <translation>Não foi possível salvar %1.
%2</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
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
        <source>&amp;About Zarvok...</source>
        <translation>&amp;Sobre o Zarvok...</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Zarvok results.pdf</source>
        <extracomment>The file name the print dialog offers when there is no printer</extracomment>
        <translation>Resultados do Zarvok.pdf</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Não foi possível iniciar a impressão.</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Your score was: %1 -- Your solution was:</source>
        <extracomment>First line of the printed results; %1 is the score, a percentage</extracomment>
        <translation>Sua pontuação: %1 -- Sua solução:</translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) weighing %1 pounds each.</source>
        <extracomment>A line of the printed solution: %n boxes of one colour, %1 the pounds of one box</extracomment>
        <translation>
            <numerusform>%n caixa de %1 libras.</numerusform>
            <numerusform>%n caixas de %1 libras cada uma.</numerusform>
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
        <translation>vermelho</translation>
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
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Take back the green boxes first.</source>
        <translation>Tire primeiro as caixas verdes.</translation>
    </message>
    <message>
        <source>Take back the red boxes first.</source>
        <translation>Tire primeiro as caixas vermelhas.</translation>
    </message>
    <message>
        <source>No blue boxes to take back.</source>
        <translation>Não há caixas azuis para tirar.</translation>
    </message>
    <message>
        <source>No green boxes to take back.</source>
        <translation>Não há caixas verdes para tirar.</translation>
    </message>
    <message>
        <source>No red boxes to take back.</source>
        <translation>Não há caixas vermelhas para tirar.</translation>
    </message>
    <message>
        <source>Green comes after blue: add blue boxes first.</source>
        <translation>O verde vem depois do azul: ponha primeiro caixas azuis.</translation>
    </message>
    <message>
        <source>Red comes after green: add green boxes first.</source>
        <translation>O vermelho vem depois do verde: ponha primeiro caixas verdes.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n box(es) of %2 pounds, %3 pounds.</source>
        <extracomment>Spoken: %1 the colour, %n its boxes, %2 the pounds of one box, %3 of all of them. A speech engine reads &quot;1&quot; as a bare number: the singular may spell it out instead.</extracomment>
        <translation>
            <numerusform>%1: caixas de %2 libras: %n, somando %3 libras.</numerusform>
            <numerusform>%1: %n caixas de %2 libras, somando %3 libras.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n box(es) and %1 pounds left.</source>
        <extracomment>Spoken: the boxes and the pounds still to place</extracomment>
        <translation>
            <numerusform>Caixas que faltam: %n. Libras que faltam: %1.</numerusform>
            <numerusform>Faltam %n caixas e %1 libras.</numerusform>
        </translation>
    </message>
    <message>
        <source>Solved in %1 moves! Your score is %2. Press Ctrl and P to print the results, or Home for the next problem.</source>
        <translation>Resolvido em %1 jogadas! Sua pontuação é %2. Aperte Ctrl+P para imprimir os resultados, ou Home para o próximo problema.</translation>
    </message>
    <message>
        <source>New problem: a truck carried %1 boxes weighing %2 pounds in all, some of %3, some of %4 and some of %5 pounds. Press F1 to hear the story.</source>
        <translation>Novo problema: um caminhão levava %1 caixas que pesavam %2 libras ao todo, algumas de %3, outras de %4 e outras de %5 libras. Aperte F1 para ouvir a história.</translation>
    </message>
    <message>
        <source>Zarvo. The colour is %1.</source>
        <translation>Zarvo. A cor é %1.</translation>
    </message>
    <message numerus="yes">
        <source>In all, %n of %1 boxes and %2 of %3 pounds.</source>
        <extracomment>Spoken: %n boxes placed of the %1 on the truck, and %2 pounds placed of its %3</extracomment>
        <translation>
            <numerusform>Ao todo, %n de %1 caixas e %2 de %3 libras.</numerusform>
            <numerusform>Ao todo, %n de %1 caixas e %2 de %3 libras.</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves: %1. Score: %2.</source>
        <extracomment>Spoken: the key presses so far, and the score, a percentage</extracomment>
        <translation>Jogadas: %1. Pontos: %2.</translation>
    </message>
    <message>
        <source>The story is shown: press F1 to hear it, Space to hide it.</source>
        <translation>A história está na tela: aperte F1 para ouvi-la e Espaço para escondê-la.</translation>
    </message>
    <message>
        <source>All %1 boxes are placed.</source>
        <translation>As %1 caixas já estão todas colocadas.</translation>
    </message>
    <message>
        <source>That would pass %1 pounds.</source>
        <translation>Assim passaria de %1 libras.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n box(es) so far.</source>
        <extracomment>Spoken after Tab: %1 the new colour, %n its boxes so far</extracomment>
        <translation>
            <numerusform>%1: caixas até agora: %n.</numerusform>
            <numerusform>%1: %n caixas até agora.</numerusform>
        </translation>
    </message>
    <message>
        <source>The story is hidden.</source>
        <translation>A história está escondida.</translation>
    </message>
    <message>
        <source>The story.</source>
        <translation>A história.</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>A truck carrying %1 boxes arrives at a remote destination in the jungle. The total weight of the %1 boxes is %2 pounds. Some boxes weigh %3 pounds, some %4, and some %5. There is at least one box of each weight. The paperwork was lost and the manager at headquarters needs to know how many boxes of each weight were shipped so he can update the computer database. The phones are down so he asks you to figure it out.</source>
        <extracomment>First paragraph of the story. %1 is the number of boxes (20 or 50), %2 the pounds of all of them (1000), %3, %4 and %5 the pounds of one blue, one green and one red box. A pound is about half a kilogram: where pounds are not in everyday use, say so once here.</extracomment>
        <translation>Um caminhão com %1 caixas chega a um lugar distante no meio da selva. As %1 caixas pesam ao todo %2 libras. A libra é uma medida de peso usada em alguns países: uma libra é quase meio quilo. Algumas caixas pesam %3 libras, outras %4 e outras %5. Há pelo menos uma caixa de cada peso. Os papéis da carga se perderam, e o gerente na sede precisa saber quantas caixas de cada peso foram enviadas para atualizar o banco de dados. Os telefones não estão funcionando, então ele pede que você descubra.</translation>
    </message>
    <message>
        <source>A graph may help you do this. The horizontal or X-axis of the grid will represent number of boxes. The vertical or Y-axis will represent weight in pounds. The color blue will represent the %3-pound boxes, the green is for the %4-pound boxes and the red is for the %5-pound boxes. The desired graph is a line made up of three segments (blue, green, and red). It starts at the lower left corner of the grid and should end at the upper right corner. You draw by pressing the Up arrow key. You can undo a line by pressing the Down arrow key. Near the top left corner is a circle which can be blue, green or red. It tells you the color of the line you are drawing. To change the color, press the Tab key. Each time you press the Up arrow key you add one to the box count and the weight of one box of the current color to the weight total. These numbers are displayed in the orange table located below the color circle. The line segments must be drawn in the following sequence: First blue, then green, and last, red. When you undo a graph, the sequence is reversed. Each time you press one of the arrow keys the Move count goes up by one. When you solve the problem, your score will be the ratio (%) of the optimal or ideal number of moves to your move count.</source>
        <extracomment>Second paragraph of the story: the rules. %3, %4 and %5 are the pounds of one blue, one green and one red box. &quot;(%)&quot; is a plain percent sign, not a number.</extracomment>
        <translation>Um gráfico pode ajudar você. O eixo horizontal (eixo X) da grade representa o número de caixas, e o eixo vertical (eixo Y), o peso em libras. O azul representa as caixas de %3 libras, o verde as de %4 libras e o vermelho as de %5 libras. Você procura uma linha feita de três segmentos (azul, verde e vermelho). Ela começa no canto inferior esquerdo da grade e deve terminar no canto superior direito. Você desenha apertando a seta para cima e pode desfazer a linha com a seta para baixo. Perto do canto superior esquerdo há um círculo que pode ser azul, verde ou vermelho: ele mostra a cor da linha que você está desenhando. Para mudar a cor, aperte a tecla Tab. Cada vez que você aperta a seta para cima, soma uma caixa ao número de caixas e o peso de uma caixa da cor atual ao peso total. Esses números aparecem na tabela laranja embaixo do círculo colorido. Os segmentos são desenhados nesta ordem: primeiro o azul, depois o verde e por último o vermelho. Ao desfazer, a ordem é a inversa. Cada vez que você aperta uma das setas, o número de jogadas aumenta em um. Quando você resolver o problema, sua pontuação será a razão (em %) entre o menor número possível de jogadas e o número de jogadas que você fez.</translation>
    </message>
    <message>
        <source>This is the demo version of Zarvo. In this version there are only 28 problems and each has more than one solution, making them easier to solve.</source>
        <extracomment>Printed under the story on the results page only</extracomment>
        <translation>Esta é a versão de demonstração do Zarvo. Ela tem só 28 problemas, e cada um tem mais de uma solução, o que os torna mais fáceis de resolver.</translation>
    </message>
    <message>
        <source>Zarvo is made by the Zarvo team, a small group of teachers and programmers who think that a picture of a sum can teach more than a page of arithmetic. If you find a mistake, have an idea or would like new problems, ask your teacher to write to us on the Zarvo project&apos;s web page.</source>
        <extracomment>Printed last on the results page, read by students of 10 to 14</extracomment>
        <translation>O Zarvo é feito pela equipe Zarvo, um pequeno grupo de professores e programadores que acham que o desenho de uma soma pode ensinar mais do que uma página de contas. Se você encontrar um erro, tiver uma ideia ou quiser problemas novos, peça ao seu professor ou à sua professora que nos escreva na página do projeto Zarvo na internet.</translation>
    </message>
</context>
</TS>
