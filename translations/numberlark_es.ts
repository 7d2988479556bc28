<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CertificatePage</name>
    <message numerus="yes">
        <source>Completed%1 questions from the</source>
        <extracomment>The line above the times table&apos;s number; %1 is the number of questions with a space in front.</extracomment>
        <translation>
            <numerusform>por%1 pregunta de la tabla del</numerusform>
            <numerusform>por%1 preguntas de la tabla del</numerusform>
        </translation>
    </message>
    <message>
        <source>Mixed</source>
        <extracomment>Printed large where the times table&apos;s number stands otherwise.</extracomment>
        <translation>mezcla</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds</source>
        <extracomment>The time printed large; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>%1 segundo</numerusform>
            <numerusform>%1 segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Here is your NumberLark certificate to cut out and paste into your exercise book:</source>
        <translation>Aquí tienes tu diploma NumberLark para recortar y pegar en tu cuaderno:</translation>
    </message>
    <message>
        <source>NUMBERLARK</source>
        <translation>NUMBERLARK</translation>
    </message>
    <message>
        <source>This is to certify that</source>
        <translation>Este diploma es para</translation>
    </message>
    <message>
        <source>times table in a time of:</source>
        <translation>en un tiempo de:</translation>
    </message>
    <message>
        <source>Here are some more questions for you to try to improve your speed:</source>
        <translation>Aquí tienes más preguntas para practicar y ganar velocidad:</translation>
    </message>
</context>
<context>
    <name>CertificatePrinter</name>
    <message>
        <source>Printing Error</source>
        <translation>Error de impresión</translation>
    </message>
    <message>
        <source>Would you like to save the certificate as a PDF file instead? You can print the PDF later, or on another computer.</source>
        <translation>¿Quieres guardar el diploma como archivo PDF? Puedes imprimir el PDF más tarde o en otro ordenador.</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Guardar como PDF...</translation>
    </message>
    <message>
        <source>Save Certificate as PDF</source>
        <translation>Guardar el diploma como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Numberlark certificate</source>
        <translation>Diploma Numberlark</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error.</source>
        <translation>La impresora «%1» ha informado de un error.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>No se ha podido poner en marcha la impresora «%1».</translation>
    </message>
    <message>
        <source>Numberlark certificate.pdf</source>
        <translation>Diploma Numberlark.pdf</translation>
    </message>
    <message>
        <source>Numberlark certificate - %1.pdf</source>
        <extracomment>The suggested file name; %1 is the child&apos;s name.</extracomment>
        <translation>Diploma Numberlark - %1.pdf</translation>
    </message>
    <message>
        <source>No printer is set up as the default on this computer, so the certificate cannot be printed.</source>
        <translation>Este ordenador no tiene una impresora predeterminada, así que no se puede imprimir el diploma.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Number Lark</source>
        <translation>Number Lark</translation>
    </message>
    <message>
        <source>Other times table</source>
        <translation>Otra tabla</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>A Numberlark program</source>
        <translation>Un programa Numberlark</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Diploma</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Whiteboard</source>
        <translation>Pizarra</translation>
    </message>
    <message>
        <source>Numberlark</source>
        <translation>Numberlark</translation>
    </message>
    <message>
        <source>This question is</source>
        <translation>Esta es la pregunta</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds</source>
        <extracomment>The time on the certificate screen; %1 is the number with a space in front of it (none before a minus sign). Joined after &quot;in&quot;.</extracomment>
        <translation>
            <numerusform>%1 segundo</numerusform>
            <numerusform>%1 segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of%2</source>
        <extracomment>Which question this is, out of how many: &quot;3 of 20&quot;. %2 has a space in front.</extracomment>
        <translation>%1 de%2</translation>
    </message>
    <message numerus="yes">
        <source>You completed%1 mixed tables questions in%2</source>
        <extracomment>%1 the number of questions and %2 the time (&quot;95 seconds&quot;), each with a space in front.</extracomment>
        <translation>
            <numerusform>Has completado%1 pregunta de tablas mezcladas en%2</numerusform>
            <numerusform>Has completado%1 preguntas de tablas mezcladas en%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You completed%1 of the%2 times table questions in%3</source>
        <extracomment>%1 the number of questions, %2 the times table (7 for the seven times table) and %3 the time (&quot;95 seconds&quot;), each with a space in front.</extracomment>
        <translation>
            <numerusform>Has completado%1 pregunta de la tabla del%2 en%3</numerusform>
            <numerusform>Has completado%1 preguntas de la tabla del%2 en%3</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a times table between -%1 and %2.</source>
        <translation>Escribe una tabla entre -%1 y %2, por favor.</translation>
    </message>
    <message>
        <source>on %1 at %2</source>
        <extracomment>The date line of the certificate: %1 the date, %2 the time of day.</extracomment>
        <translation>el %1 a las %2</translation>
    </message>
    <message>
        <source>How fast can you answer 20 times table questions?<byte value="xd"/><byte value="xd"/>This program will time you. Choose the times table you want to practise the press the TEST button.<byte value="xd"/><byte value="xd"/>Good Luck!</source>
        <translation>¿Con qué rapidez puedes responder 20 preguntas de las tablas?<byte value="xd"/><byte value="xd"/>El programa te cronometra. Elige una tabla y pulsa EMPEZAR.<byte value="xd"/><byte value="xd"/>¡Buena suerte!</translation>
    </message>
</context>
<context>
    <name>PainterCanvas</name>
    <message>
        <source>The page could not be started.</source>
        <translation>No se ha podido empezar la página.</translation>
    </message>
    <message>
        <source>The page is not open for drawing.</source>
        <translation>La página no está abierta para dibujar.</translation>
    </message>
    <message>
        <source>Invalid font size %1.</source>
        <translation>Tamaño de letra no válido: %1.</translation>
    </message>
    <message>
        <source>The picture %1 could not be drawn.</source>
        <translation>No se ha podido dibujar la imagen %1.</translation>
    </message>
    <message>
        <source>The page could not be finished.</source>
        <translation>No se ha podido terminar la página.</translation>
    </message>
</context>
<context>
    <name>PdfDocument</name>
    <message>
        <source>The certificate could not be saved as &quot;%1&quot;: %2</source>
        <translation>No se ha podido guardar el diploma como «%1»: %2</translation>
    </message>
    <message>
        <source>Numberlark certificate</source>
        <translation>Diploma Numberlark</translation>
    </message>
    <message>
        <source>The certificate could not be written to &quot;%1&quot;: %2</source>
        <translation>No se ha podido escribir el diploma en «%1»: %2</translation>
    </message>
</context>
<context>
    <name>ResultsSaving</name>
    <message>
        <source>The result could not be saved in the file
%1

%2.</source>
        <extracomment>%1 is the file&apos;s full path, %2 the system&apos;s reason.</extracomment>
        <translation>No se ha podido guardar el resultado en el archivo
%1

%2.</translation>
    </message>
    <message>
        <source>&amp;Quit Without Saving</source>
        <translation>&amp;Salir sin guardar</translation>
    </message>
</context>
<context>
    <name>TableChoice</name>
    <message>
        <source>2 times table</source>
        <translation>Tabla del 2</translation>
    </message>
    <message>
        <source>3 times table</source>
        <translation>Tabla del 3</translation>
    </message>
    <message>
        <source>4 times table</source>
        <translation>Tabla del 4</translation>
    </message>
    <message>
        <source>5 times table</source>
        <translation>Tabla del 5</translation>
    </message>
    <message>
        <source>6 times table</source>
        <translation>Tabla del 6</translation>
    </message>
    <message>
        <source>7 times table</source>
        <translation>Tabla del 7</translation>
    </message>
    <message>
        <source>8 times table</source>
        <translation>Tabla del 8</translation>
    </message>
    <message>
        <source>9 times table</source>
        <translation>Tabla del 9</translation>
    </message>
    <message>
        <source>10 times table</source>
        <translation>Tabla del 10</translation>
    </message>
    <message>
        <source>11 times table</source>
        <translation>Tabla del 11</translation>
    </message>
    <message>
        <source>12 times table</source>
        <translation>Tabla del 12</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mezcla</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
</context>
<context>
    <name>numberlark::CertificateScreen</name>
    <message>
        <source>Well Done</source>
        <translation>¡Genial!</translation>
    </message>
    <message>
        <source>Type your name here..</source>
        <translation>Escribe tu nombre..</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
</context>
<context>
    <name>numberlark::Form1</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Save Certificate &amp;As PDF...</source>
        <translation>Guardar el diploma como P&amp;DF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;cerca de</translation>
    </message>
</context>
<context>
    <name>numberlark::FrmAbout</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>About Numberlark</source>
        <translation>Acerca de Numberlark</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&quot;Numberlark&quot;</source>
        <translation>«Numberlark»</translation>
    </message>
    <message>
        <source>Instructions at:</source>
        <translation>Instrucciones en:</translation>
    </message>
</context>
<context>
    <name>numberlark::FrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&quot;Numberlark&quot;</source>
        <translation>«Numberlark»</translation>
    </message>
    <message>
        <source>Save results on disk</source>
        <translation>Guardar los resultados</translation>
    </message>
    <message>
        <source>Enable certificate printing</source>
        <translation>Imprimir el diploma</translation>
    </message>
    <message>
        <source>Enable Sound</source>
        <translation>Activar el sonido</translation>
    </message>
    <message>
        <source>Remember settings.</source>
        <translation>Recordar los ajustes.</translation>
    </message>
    <message>
        <source>Number of questions</source>
        <translation>Número de preguntas</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type a whole number from -32768 to 32767. The number of questions stays at %1 until then.</source>
        <translation>Escribe un número entero de -32768 a 32767. Mientras tanto, el número de preguntas sigue siendo %1.</translation>
    </message>
    <message>
        <source>There are no saved results yet.

The results file %1 is made when a test is quit with &quot;Save results on disk&quot; ticked.</source>
        <translation>Todavía no hay resultados guardados.

El archivo de resultados %1 se crea al salir de una prueba con «Guardar los resultados» marcado.</translation>
    </message>
    <message>
        <source>%1 is not a file, so it cannot be shown.</source>
        <translation>%1 no es un archivo, así que no se puede mostrar.</translation>
    </message>
    <message>
        <source>The results file %1 could not be opened: no program to view it could be started.</source>
        <translation>No se ha podido abrir el archivo de resultados %1: no se ha podido iniciar ningún programa para verlo.</translation>
    </message>
</context>
<context>
    <name>numberlark::TestFlow</name>
    <message>
        <source>wrong</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>bien</translation>
    </message>
</context>
<context>
    <name>numberlark::URLLink</name>
    <message>
        <source>This is not an address that can be opened</source>
        <translation>Esta dirección no se puede abrir</translation>
    </message>
    <message>
        <source>No program could be started to open it</source>
        <translation>No se ha podido iniciar ningún programa para abrirla</translation>
    </message>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <extracomment>%1 the address, %2 why it failed, %3 the error number.</extracomment>
        <translation>No se puede cargar «%1»: %2 (error %3)</translation>
    </message>
</context>
</TS>
