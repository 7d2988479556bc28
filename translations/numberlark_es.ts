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
        <source>Would you like to save the certificate as a PDF file instead? You can print the PDF later, or on another computer.</source>
        <translation>¿Quieres guardar el diploma como archivo PDF? Puedes imprimir el PDF más tarde o en otro ordenador.</translation>
    </message>
    <message>
        <source>Save Certificate as PDF</source>
        <translation>Guardar el diploma como PDF</translation>
    </message>
    <message>
        <source>Numberlark certificate</source>
        <translation>Diploma Numberlark</translation>
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
    <message>
        <source>The certificate could not be sent to the printer &quot;%1&quot;.</source>
        <translation>No se ha podido enviar el diploma a la impresora «%1».</translation>
    </message>
</context>
<context>
    <name>ClassTableCsv</name>
    <message>
        <source>Child</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>Facts known</source>
        <translation>Operaciones sabidas</translation>
    </message>
</context>
<context>
    <name>ClassroomProblem</name>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed on this computer.</source>
        <translation>El controlador PostgreSQL de Qt no está instalado en este equipo.</translation>
    </message>
    <message>
        <source>The classroom server setting cannot be used; ask the administrator.</source>
        <translation>No se puede usar el ajuste del servidor de la clase; consulte al administrador.</translation>
    </message>
    <message>
        <source>The school&apos;s server cannot be reached.</source>
        <translation>No se puede contactar con el servidor de la escuela.</translation>
    </message>
    <message>
        <source>The school&apos;s server refused this computer&apos;s login.</source>
        <translation>El servidor de la escuela ha rechazado el inicio de sesión de este equipo.</translation>
    </message>
    <message>
        <source>The school&apos;s server is not set up for Numberlark; ask the administrator.</source>
        <translation>El servidor de la escuela no está preparado para Numberlark; consulte al administrador.</translation>
    </message>
    <message>
        <source>The school&apos;s server is set up for a newer Numberlark; please update this program.</source>
        <translation>El servidor de la escuela está preparado para un Numberlark más reciente; actualice este programa.</translation>
    </message>
    <message>
        <source>The school&apos;s server refused the results.</source>
        <translation>El servidor de la escuela ha rechazado los resultados.</translation>
    </message>
    <message>
        <source>The school&apos;s server is not known by that name on this network; ask the administrator.</source>
        <translation>El servidor de la escuela no se conoce con ese nombre en esta red; pregunte al administrador.</translation>
    </message>
    <message>
        <source>The secure connection (TLS) to the school&apos;s server was refused; ask the administrator.</source>
        <translation>Se rechazó la conexión segura (TLS) con el servidor de la escuela; pregunte al administrador.</translation>
    </message>
    <message>
        <source>the server holds another row with the same key</source>
        <translation>el servidor ya tiene otra fila con la misma clave</translation>
    </message>
    <message>
        <source>it refers to something the server does not hold</source>
        <translation>hace referencia a algo que el servidor no tiene</translation>
    </message>
    <message>
        <source>a check on the server does not accept its values</source>
        <translation>una comprobación del servidor no acepta sus valores</translation>
    </message>
    <message>
        <source>a value the server requires is missing</source>
        <translation>falta un valor que el servidor exige</translation>
    </message>
    <message>
        <source>a value is outside what the server accepts</source>
        <translation>un valor queda fuera de lo que el servidor acepta</translation>
    </message>
    <message>
        <source>the server&apos;s rules do not accept it</source>
        <translation>las reglas del servidor no lo aceptan</translation>
    </message>
    <message>
        <source>The school&apos;s server does not answer.</source>
        <translation>El servidor de la escuela no responde.</translation>
    </message>
    <message>
        <source>The connection to the school&apos;s server keeps dropping.</source>
        <translation>La conexión con el servidor de la escuela se corta una y otra vez.</translation>
    </message>
    <message>
        <source>The school&apos;s server stopped answering.</source>
        <translation>El servidor de la escuela dejó de responder.</translation>
    </message>
    <message>
        <source>The school&apos;s server is set up for an older Numberlark; tests wait on this computer until the administrator upgrades it.</source>
        <translation>El servidor de la escuela está configurado para un Numberlark más antiguo; las pruebas esperan en este ordenador hasta que el administrador lo actualice.</translation>
    </message>
</context>
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>No se ha podido poner en marcha la impresora «%1».</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Error de impresión</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Guardar como PDF...</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The printer does not answer.</source>
        <translation>La impresora no responde.</translation>
    </message>
</context>
<context>
    <name>FactGradeStyle</name>
    <message>
        <source>Known</source>
        <translation>Dominada</translation>
    </message>
    <message>
        <source>Getting there</source>
        <translation>En camino</translation>
    </message>
    <message>
        <source>Tricky</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <translation>Sin preguntar</translation>
    </message>
    <message>
        <source>right first time and quick</source>
        <translation>bien a la primera y rápido</translation>
    </message>
    <message>
        <source>right, but slow or not always first time</source>
        <translation>bien, pero lento o no siempre a la primera</translation>
    </message>
    <message>
        <source>often wrong</source>
        <translation>a menudo mal</translation>
    </message>
    <message>
        <source>no questions yet</source>
        <translation>aún sin preguntas</translation>
    </message>
    <message>
        <source>never asked</source>
        <translation>nunca preguntada</translation>
    </message>
    <message>
        <source>asked once</source>
        <translation>preguntada una vez</translation>
    </message>
    <message numerus="yes">
        <source>asked %n times</source>
        <translation>
            <numerusform>preguntada %n vez</numerusform>
            <numerusform>preguntada %n veces</numerusform>
        </translation>
    </message>
    <message>
        <source>never right first time</source>
        <translation>nunca bien a la primera</translation>
    </message>
    <message>
        <source>right first time once</source>
        <translation>bien a la primera una vez</translation>
    </message>
    <message numerus="yes">
        <source>right first time %n times</source>
        <translation>
            <numerusform>bien a la primera %n vez</numerusform>
            <numerusform>bien a la primera %n veces</numerusform>
        </translation>
    </message>
    <message>
        <source>no wrong answers</source>
        <translation>ninguna respuesta incorrecta</translation>
    </message>
    <message>
        <source>1 wrong answer</source>
        <translation>1 respuesta incorrecta</translation>
    </message>
    <message numerus="yes">
        <source>%n wrong answers</source>
        <translation>
            <numerusform>%n respuesta incorrecta</numerusform>
            <numerusform>%n respuestas incorrectas</numerusform>
        </translation>
    </message>
    <message>
        <source>median time %1 seconds</source>
        <translation>tiempo mediano: %1 segundos</translation>
    </message>
    <message>
        <source>%1 times %2: %3, %4</source>
        <translation>%1 por %2: %3, %4</translation>
    </message>
    <message>
        <source>%1 times %2, %3</source>
        <extracomment>A square of the facts grid read aloud: &quot;4 times 9, Tricky&quot;.</extracomment>
        <translation>%1 por %2, %3</translation>
    </message>
</context>
<context>
    <name>FactsLegend</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A grade of the facts grid and how many facts have it: &quot;Known (5)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
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
    <message>
        <source>A clock radio; its display shows the seconds</source>
        <translation>Un radiodespertador; su pantalla muestra los segundos</translation>
    </message>
    <message>
        <source>A whiteboard between an elephant in a suit and a donkey holding a pen</source>
        <translation>Una pizarra blanca entre un elefante con traje y un burro con un rotulador</translation>
    </message>
    <message>
        <source>Numberlark, in yellow capitals</source>
        <translation>Numberlark, en mayúsculas amarillas</translation>
    </message>
    <message>
        <source>A sign that reads: This question is</source>
        <translation>Un cartel que dice: Esta es la pregunta</translation>
    </message>
</context>
<context>
    <name>ModuleLoader</name>
    <message>
        <source>%1: not found</source>
        <translation>%1: no encontrado</translation>
    </message>
    <message>
        <source>%1: not a Numberlark module with %2</source>
        <extracomment>%1 is the module&apos;s file, %2 the name of the function it should export.</extracomment>
        <translation>%1: no es un módulo de Numberlark con %2</translation>
    </message>
    <message>
        <source>Numberlark could not load its module %1:
%2</source>
        <extracomment>%1 is the module&apos;s file name; %2 lists where it was looked for, and why it failed there.</extracomment>
        <translation>Numberlark no pudo cargar su módulo %1:
%2</translation>
    </message>
    <message>
        <source>%1: damaged: the file is cut short (%2 bytes where %3 are needed)</source>
        <extracomment>%1 is the module&apos;s file; %2 and %3 are numbers of bytes.</extracomment>
        <translation>%1: dañado: el archivo está incompleto (%2 bytes donde se necesitan %3)</translation>
    </message>
    <message>
        <source>%1: not a Numberlark module</source>
        <translation>%1: no es un módulo de Numberlark</translation>
    </message>
    <message>
        <source>%1: cannot be checked: %2 is missing or unreadable</source>
        <extracomment>%1 is the module&apos;s file, %2 the file that records what it was built with.</extracomment>
        <translation>%1: no se puede comprobar: %2 falta o no se puede leer</translation>
    </message>
    <message>
        <source>%1: damaged: it is not the module that was built</source>
        <translation>%1: dañado: no es el módulo que se compiló</translation>
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
        <source>The certificate could not be written to &quot;%1&quot;: %2</source>
        <translation>No se ha podido escribir el diploma en «%1»: %2</translation>
    </message>
</context>
<context>
    <name>PracticeSeams</name>
    <message>
        <source>The progress log did not answer in time, so this practice may not have been kept.</source>
        <translation>El registro de progreso no respondió a tiempo, así que puede que esta práctica no se haya guardado.</translation>
    </message>
</context>
<context>
    <name>PracticeSheetPage</name>
    <message>
        <source>Numberlark practice sheet</source>
        <translation>Hoja de ejercicios Numberlark</translation>
    </message>
    <message>
        <source>Numberlark practice sheet for %1</source>
        <translation>Hoja de ejercicios Numberlark para %1</translation>
    </message>
    <message>
        <source>These are the questions you find trickiest. Try them again and again!</source>
        <translation>Estas son las preguntas que más te cuestan. ¡Practícalas una y otra vez!</translation>
    </message>
</context>
<context>
    <name>PracticeSheetPrinter</name>
    <message>
        <source>No printer is set up as the default on this computer, so the practice sheet cannot be printed.</source>
        <translation>Este ordenador no tiene una impresora predeterminada, así que no se puede imprimir la hoja de ejercicios.</translation>
    </message>
    <message>
        <source>Save Practice Sheet as PDF</source>
        <translation>Guardar la hoja de ejercicios como PDF</translation>
    </message>
    <message>
        <source>Numberlark practice sheet</source>
        <translation>Hoja de ejercicios Numberlark</translation>
    </message>
    <message>
        <source>Would you like to save the practice sheet as a PDF file instead?</source>
        <translation>¿Quieres guardar la hoja de ejercicios como archivo PDF?</translation>
    </message>
    <message>
        <source>The practice sheet could not be sent to the printer &quot;%1&quot;.</source>
        <translation>No se ha podido enviar la hoja de ejercicios a la impresora «%1».</translation>
    </message>
    <message>
        <source>The practice sheet could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>No se ha podido guardar la hoja de ejercicios como «%1»: %2</translation>
    </message>
    <message>
        <source>The practice sheet could not be written to &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>No se ha podido escribir la hoja de ejercicios en «%1»: %2</translation>
    </message>
</context>
<context>
    <name>PracticeTexts</name>
    <message>
        <source>Not yet. %1 times %2 is %3. Type %3 to go on.</source>
        <extracomment>Read aloud after a wrong answer to %1 x %2: its answer %3, which the child types to go on.</extracomment>
        <translation>Todavía no. %1 por %2 es %3. Escribe %3 para seguir.</translation>
    </message>
    <message>
        <source>Type %1 to go on.</source>
        <extracomment>After a wrong answer the child types the right answer, %1, to go on.</extracomment>
        <translation>Escribe %1 para seguir.</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>not yet</source>
        <extracomment>Said after a wrong answer in practice: gentle, not &quot;wrong&quot;.</extracomment>
        <translation>todavía no</translation>
    </message>
    <message>
        <source>Come back tomorrow to practise again.</source>
        <translation>Vuelve mañana para practicar otra vez.</translation>
    </message>
    <message numerus="yes">
        <source>See you tomorrow: %n minutes of practice.</source>
        <translation>
            <numerusform>Hasta mañana: %n minuto de práctica.</numerusform>
            <numerusform>Hasta mañana: %n minutos de práctica.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>See you on %1: %n minutes of practice.</source>
        <extracomment>%1 is a date (&quot;Friday, 11 December 2026&quot;).</extracomment>
        <translation>
            <numerusform>Hasta el %1: %n minuto de práctica.</numerusform>
            <numerusform>Hasta el %1: %n minutos de práctica.</numerusform>
        </translation>
    </message>
    <message>
        <source>That&apos;s all for today: you have done every fact that was due.</source>
        <translation>Eso es todo por hoy: has hecho todas las operaciones que tocaban.</translation>
    </message>
</context>
<context>
    <name>PracticeWindowLoader</name>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>The practice window could not be opened.

%1

Installing Numberlark again should bring it back.</source>
        <translation>No se pudo abrir la ventana de práctica.

%1

Volver a instalar Numberlark debería recuperarla.</translation>
    </message>
</context>
<context>
    <name>PrintQueue</name>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>La impresora «%1» no está disponible.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available (%2).</source>
        <translation>La impresora «%1» no está disponible (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped.</source>
        <translation>La impresora «%1» está detenida.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped (%2).</source>
        <translation>La impresora «%1» está detenida (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs.</source>
        <translation>La impresora «%1» no acepta trabajos.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs (%2).</source>
        <translation>La impresora «%1» no acepta trabajos (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the certificate.</source>
        <translation>La impresora «%1» no ha aceptado el diploma.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the certificate (%2).</source>
        <translation>La impresora «%1» no ha aceptado el diploma (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not print the certificate.</source>
        <translation>La impresora «%1» no ha podido imprimir el diploma.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not print the certificate (%2).</source>
        <translation>La impresora «%1» no ha podido imprimir el diploma (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is holding the certificate.</source>
        <translation>La impresora «%1» tiene el diploma en espera.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is holding the certificate (%2).</source>
        <translation>La impresora «%1» tiene el diploma en espera (%2).</translation>
    </message>
</context>
<context>
    <name>ProgressLog</name>
    <message>
        <source>The results file %1 could not be read: %2.</source>
        <translation>No se ha podido leer el archivo de resultados %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>no se ha podido crear la carpeta %1</translation>
    </message>
    <message>
        <source>The progress log could not be written: there is no folder for this user&apos;s data.</source>
        <translation>No se ha podido escribir el registro de progreso: no hay ninguna carpeta para los datos de este usuario.</translation>
    </message>
    <message>
        <source>The progress log %1 could not be written: %2.</source>
        <translation>No se ha podido escribir el registro de progreso %1: %2.</translation>
    </message>
    <message>
        <source>The progress log %1 could not be opened: the SQLite driver for Qt is not installed.</source>
        <translation>No se ha podido abrir el registro de progreso %1: el controlador SQLite de Qt no está instalado.</translation>
    </message>
    <message>
        <source>The progress log %1 was written by a newer Numberlark. A newer Numberlark is needed to read it or add to it; it was left as it is.</source>
        <translation>El registro de progreso %1 lo escribió una versión más reciente de Numberlark. Hace falta una versión más reciente para leerlo o añadirle datos; se ha dejado tal como estaba.</translation>
    </message>
    <message>
        <source>it is not a Numberlark progress log</source>
        <translation>no es un registro de progreso de Numberlark</translation>
    </message>
    <message>
        <source>Another copy of Numberlark held the progress log %1 for too long (%2).</source>
        <translation>Otra copia de Numberlark ha ocupado el registro de progreso %1 durante demasiado tiempo (%2).</translation>
    </message>
    <message>
        <source>The progress log %1 cannot be read (%2) and could not be set aside: %3.</source>
        <translation>El registro de progreso %1 no se puede leer (%2) y no se ha podido guardar aparte: %3.</translation>
    </message>
    <message>
        <source>The progress log %1 could not be read (%2). It was kept as %3, and a new log was started.</source>
        <translation>No se ha podido leer el registro de progreso %1 (%2). Se ha guardado como %3 y se ha empezado un registro nuevo.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>ProgressRecording</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>This test was not added to the progress log.</source>
        <translation>Esta prueba no se ha añadido al registro de progreso.</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Facts to practise</source>
        <translation>Operaciones para practicar</translation>
    </message>
    <message>
        <source>Tricky: </source>
        <translation>Difíciles: </translation>
    </message>
    <message>
        <source>Getting there: </source>
        <translation>En camino: </translation>
    </message>
    <message>
        <source>Other tables: </source>
        <translation>Otras tablas: </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Segundos por pregunta</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Last tests</source>
        <translation>Últimas pruebas</translation>
    </message>
    <message>
        <source>Numberlark progress report</source>
        <translation>Informe de progreso Numberlark</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Guardar el informe como PDF</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <extracomment>Follows a list of facts: &quot;3 × 4, 6 × 7 and 5 more&quot;.</extracomment>
        <translation>
            <numerusform> y %n más</numerusform>
            <numerusform> y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>No se ha podido guardar el informe como «%1»: %2</translation>
    </message>
    <message>
        <source>The report could not be written to &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>No se ha podido escribir el informe en «%1»: %2</translation>
    </message>
</context>
<context>
    <name>ProgressSeams</name>
    <message>
        <source>Import Results File</source>
        <translation>Importar archivo de resultados</translation>
    </message>
    <message>
        <source>Results files (*.csv);;All files (*)</source>
        <translation>Archivos de resultados (*.csv);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>ProgressTexts</name>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>No tests</source>
        <translation>Ninguna prueba</translation>
    </message>
    <message>
        <source>1 test</source>
        <translation>1 prueba</translation>
    </message>
    <message numerus="yes">
        <source>%n tests</source>
        <translation>
            <numerusform>%n prueba</numerusform>
            <numerusform>%n pruebas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 el %2</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 del %2 al %3</translation>
    </message>
    <message>
        <source> and others</source>
        <extracomment>Follows a list of line numbers: &quot;3, 8, 9, 12, 20 and others&quot;.</extracomment>
        <translation> y otras</translation>
    </message>
    <message>
        <source>1 line could not be read and was left out (line %1).</source>
        <translation>1 línea no se ha podido leer y se ha omitido (línea %1).</translation>
    </message>
    <message>
        <source>1 test was added to the log.</source>
        <translation>Se ha añadido 1 prueba al registro.</translation>
    </message>
    <message numerus="yes">
        <source>%n tests were added to the log.</source>
        <translation>
            <numerusform>Se ha añadido %n prueba al registro.</numerusform>
            <numerusform>Se han añadido %n pruebas al registro.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 line was in the log already.</source>
        <translation>1 línea ya estaba en el registro.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were in the log already.</source>
        <translation>
            <numerusform>%n línea ya estaba en el registro.</numerusform>
            <numerusform>%n líneas ya estaban en el registro.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove every test of %1 from the progress log on this computer?

This cannot be undone. The results file (numberlark.csv) is left as it is.</source>
        <translation>¿Quitar todas las pruebas de %1 del registro de progreso de este ordenador?

No se puede deshacer. El archivo de resultados (numberlark.csv) no se modifica.</translation>
    </message>
    <message>
        <source>the tests taken with no name</source>
        <translation>quien no escribió su nombre</translation>
    </message>
    <message numerus="yes">
        <source>%n lines could not be read and were left out (lines %1).</source>
        <extracomment>%1 lists the first line numbers, e.g. &quot;3, 8 and others&quot;.</extracomment>
        <translation>
            <numerusform>%n línea no se ha podido leer y se ha omitido (líneas %1).</numerusform>
            <numerusform>%n líneas no se han podido leer y se han omitido (líneas %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The import was stopped before the end of the file. Importing the file again adds the rest.</source>
        <translation>La importación se detuvo antes del final del archivo. Si vuelves a importar el archivo, se añadirá el resto.</translation>
    </message>
    <message>
        <source>1 practice session</source>
        <translation>1 sesión de práctica</translation>
    </message>
    <message numerus="yes">
        <source>%n practice sessions</source>
        <translation>
            <numerusform>%n sesión de práctica</numerusform>
            <numerusform>%n sesiones de práctica</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>&quot;4 practice sessions (20 minutes)&quot;</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 since %2</source>
        <extracomment>&quot;4 practice sessions (20 minutes) since 3 March 2026&quot;</extracomment>
        <translation>%1 desde el %2</translation>
    </message>
    <message>
        <source>%1 and %2 since %3</source>
        <extracomment>&quot;12 tests and 4 practice sessions (20 minutes) since 3 March 2026&quot;</extracomment>
        <translation>%1 y %2 desde el %3</translation>
    </message>
    <message>
        <source>%1 s a question in the first week.</source>
        <translation>%1 s por pregunta en la primera semana.</translation>
    </message>
    <message>
        <source>%1 s a question now, %2 s in the first week: faster.</source>
        <translation>%1 s por pregunta ahora, %2 s en la primera semana: más rápido.</translation>
    </message>
    <message>
        <source>%1 s a question now, %2 s in the first week: slower.</source>
        <translation>%1 s por pregunta ahora, %2 s en la primera semana: más lento.</translation>
    </message>
    <message>
        <source>%1 s a question now, %2 s in the first week: about the same.</source>
        <translation>%1 s por pregunta ahora, %2 s en la primera semana: más o menos igual.</translation>
    </message>
    <message>
        <source>no practice</source>
        <translation>sin práctica</translation>
    </message>
    <message>
        <source>no fact newly known</source>
        <translation>ninguna operación nueva dominada</translation>
    </message>
    <message>
        <source>1 fact learnt</source>
        <translation>1 operación aprendida</translation>
    </message>
    <message numerus="yes">
        <source>%n facts learnt</source>
        <translation>
            <numerusform>%n operación aprendida</numerusform>
            <numerusform>%n operaciones aprendidas</numerusform>
        </translation>
    </message>
    <message>
        <source>In the last 30 days: %1; %2.</source>
        <extracomment>&quot;In the last 30 days: 4 practice sessions (20 minutes); 3 facts learnt: 7 × 8, ...&quot;</extracomment>
        <translation>En los últimos 30 días: %1; %2.</translation>
    </message>
</context>
<context>
    <name>ProgressWindowLoader</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>The progress window could not be opened.

%1

Installing Numberlark again should bring it back.</source>
        <translation>No se ha podido abrir la ventana de progreso.

%1

Volver a instalar Numberlark debería solucionarlo.</translation>
    </message>
</context>
<context>
    <name>RecordJournal</name>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>No se ha podido escribir %1: %2.</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>The file is locked by another program</source>
        <translation>Otro programa ha bloqueado el archivo</translation>
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
        <source>Quit Without Saving</source>
        <translation>Salir sin guardar</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>a folder of that name is in the way of the file</source>
        <translation>hay una carpeta con ese nombre en el lugar del archivo</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation>su carpeta es de solo lectura</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>no se ha podido crear su carpeta</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>no se ha podido escribir el archivo</translation>
    </message>
</context>
<context>
    <name>SpokenTexts</name>
    <message>
        <source>%1 times %2</source>
        <extracomment>A question read aloud by a screen reader: &quot;9 times 4&quot; for 9 x 4.</extracomment>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What the answer box says when asked: %1 the verdict (&quot;wrong&quot;), %2 the question.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>Well done! %n questions in %1. Type your name.</source>
        <extracomment>Read aloud at the end of a test; %1 is &quot;30 seconds&quot;.</extracomment>
        <translation>
            <numerusform>¡Muy bien! %n pregunta en %1. Escribe tu nombre.</numerusform>
            <numerusform>¡Muy bien! %n preguntas en %1. Escribe tu nombre.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
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
    <name>TestFigures</name>
    <message>
        <source>Mixed tables</source>
        <translation>Tablas mezcladas</translation>
    </message>
    <message>
        <source>Other: %1 times table</source>
        <translation>Otra: tabla del %1</translation>
    </message>
    <message>
        <source>%1 times table</source>
        <translation>Tabla del %1</translation>
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
    <message>
        <source>%1: %2 %3. %4</source>
        <extracomment>%1 the certificate&apos;s name, %2 the table, %3 the date line (&quot;on ...&quot;), %4 the prompt.</extracomment>
        <translation>%1: %2 %3. %4</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassOverviewPage</name>
    <message>
        <source>&lt;b&gt;Each child&apos;s facts&lt;/b&gt; (a row per child, a square per fact; point at a square for its figures)</source>
        <translation>&lt;b&gt;Las operaciones de cada niño&lt;/b&gt; (una fila por niño, una casilla por operación; señala una casilla para ver sus datos)</translation>
    </message>
    <message>
        <source>&lt;b&gt;The facts the class finds hardest&lt;/b&gt;</source>
        <translation>&lt;b&gt;Las operaciones más difíciles para la clase&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Preguntadas</translation>
    </message>
    <message>
        <source>Right first time</source>
        <translation>Bien a la primera</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Respuestas mal</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Tiempo medio</translation>
    </message>
    <message>
        <source>The facts the class finds hardest</source>
        <translation>Las operaciones más difíciles para la clase</translation>
    </message>
    <message>
        <source>Each child&apos;s facts</source>
        <translation>Las operaciones de cada niño</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Sabidas</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassSource</name>
    <message>
        <source>Reading the class from the school&apos;s server...</source>
        <translation>Leyendo la clase del servidor de la escuela...</translation>
    </message>
    <message>
        <source>Reading the tests of %1 from the school&apos;s server...</source>
        <translation>Leyendo las pruebas de %1 del servidor de la escuela...</translation>
    </message>
    <message>
        <source>The class cannot be shown: %1</source>
        <translation>No se puede mostrar la clase: %1</translation>
    </message>
    <message>
        <source>Whole Class</source>
        <translation>Toda la clase</translation>
    </message>
    <message>
        <source>The tests of %1 cannot be shown: %2</source>
        <translation>No se pueden mostrar las pruebas de %1: %2</translation>
    </message>
    <message>
        <source>Export for Spreadsheet</source>
        <translation>Exportar para hoja de cálculo</translation>
    </message>
    <message>
        <source>class</source>
        <translation>clase</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation>Archivos de hoja de cálculo (*.csv)</translation>
    </message>
    <message>
        <source>The class could not be saved as %1.

%2</source>
        <translation>No se pudo guardar la clase como %1.

%2</translation>
    </message>
    <message>
        <source>Progress of the whole school</source>
        <translation>Progreso de toda la escuela</translation>
    </message>
    <message>
        <source>Progress of the whole class</source>
        <translation>Progreso de toda la clase</translation>
    </message>
    <message>
        <source>Progress of class %1</source>
        <translation>Progreso de la clase %1</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassSourceBar</name>
    <message>
        <source>This Co&amp;mputer</source>
        <translation>Este or&amp;denador</translation>
    </message>
    <message>
        <source>Cl&amp;ass</source>
        <translation>Cl&amp;ase</translation>
    </message>
    <message>
        <source>&amp;Export for Spreadsheet...</source>
        <translation>E&amp;xportar para hoja de cálculo...</translation>
    </message>
    <message>
        <source>Connecting to the school&apos;s server...</source>
        <translation>Conectando con el servidor de la escuela...</translation>
    </message>
    <message>
        <source>This computer delivers its tests to the school&apos;s server; the whole class is shown with a teacher&apos;s login.</source>
        <translation>Este ordenador envía sus pruebas al servidor de la escuela; la clase entera se ve con el usuario de un docente.</translation>
    </message>
    <message>
        <source>The class cannot be shown: %1</source>
        <translation>No se puede mostrar la clase: %1</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Volver a intentar</translation>
    </message>
    <message>
        <source>The whole school.</source>
        <translation>Toda la escuela.</translation>
    </message>
    <message>
        <source>This login is in no class on the school&apos;s server, so no child is shown; ask the administrator to add it to a class.</source>
        <translation>Este usuario no pertenece a ninguna clase en el servidor de la escuela, así que no se muestra ningún niño; pida al administrador que lo añada a una clase.</translation>
    </message>
    <message>
        <source>Class: %1.</source>
        <translation>Clase: %1.</translation>
    </message>
    <message>
        <source>Classes: %1.</source>
        <translation>Clases: %1.</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassTableModel</name>
    <message>
        <source>%1 times %2, %3</source>
        <translation>%1 por %2, %3</translation>
    </message>
    <message>
        <source>Asked: %1</source>
        <translation>Preguntada: %1</translation>
    </message>
    <message>
        <source>Right first time: %1</source>
        <translation>Bien a la primera: %1</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Respuestas mal: %1</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Sabidas</translation>
    </message>
    <message>
        <source>Facts known</source>
        <translation>Operaciones sabidas</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassroomLine</name>
    <message numerus="yes">
        <source>Tests on their way to the school&apos;s server: %n.</source>
        <translation>
            <numerusform>Pruebas en camino al servidor de la escuela: %n.</numerusform>
            <numerusform>Pruebas en camino al servidor de la escuela: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tests waiting to be delivered to the school&apos;s server: %n.</source>
        <translation>
            <numerusform>Pruebas pendientes de enviar al servidor de la escuela: %n.</numerusform>
            <numerusform>Pruebas pendientes de enviar al servidor de la escuela: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The school&apos;s server refused %1&apos;s practice of %2: %3. It is kept on this computer and sent again at the next start.</source>
        <translation>El servidor de la escuela rechazó la práctica de %1 del %2: %3. Se guarda en este ordenador y se enviará de nuevo en el próximo inicio.</translation>
    </message>
    <message>
        <source>The school&apos;s server refused %1&apos;s test of %2: %3. It is kept on this computer and sent again at the next start.</source>
        <translation>El servidor de la escuela rechazó la prueba de %1 del %2: %3. Se guarda en este ordenador y se enviará de nuevo en el próximo inicio.</translation>
    </message>
    <message numerus="yes">
        <source>Also refused and kept: %n more.</source>
        <translation>
            <numerusform>También rechazado y guardado: %n más.</numerusform>
            <numerusform>También rechazados y guardados: %n más.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>numberlark::DialProgressBar</name>
    <message>
        <source>Progress dial</source>
        <translation>Indicador de progreso</translation>
    </message>
    <message>
        <source>%1 of %2 answered</source>
        <translation>%1 de %2 respondidas</translation>
    </message>
</context>
<context>
    <name>numberlark::FactGridModel</name>
    <message>
        <source>times %1</source>
        <extracomment>Read out for a column (&quot;times 7&quot;) and a row (&quot;7 times&quot;) of the facts grid.</extracomment>
        <translation>por %1</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 por</translation>
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
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progreso...</translation>
    </message>
    <message>
        <source>P&amp;ractise...</source>
        <translation>P&amp;racticar...</translation>
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
    <message>
        <source>the settings store</source>
        <translation>el almacén de ajustes</translation>
    </message>
    <message>
        <source>The settings could not be remembered in %1: %2.

They apply until Numberlark ends. Press OK again once the problem is fixed, or close this window to keep them for this time only.</source>
        <translation>No se han podido recordar los ajustes en %1: %2.

Se aplicarán hasta que se cierre Numberlark. Pulsa OK otra vez cuando el problema esté resuelto, o cierra esta ventana para usarlos solo esta vez.</translation>
    </message>
</context>
<context>
    <name>numberlark::FrmPractice</name>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Practice Settings</source>
        <translation>Ajustes de práctica</translation>
    </message>
    <message>
        <source>The practice settings could not be saved in %1: %2. They apply until the program ends.</source>
        <translation>No se pudieron guardar los ajustes de práctica en %1: %2. Se aplican hasta que se cierre el programa.</translation>
    </message>
    <message>
        <source>the settings store</source>
        <translation>el almacén de ajustes</translation>
    </message>
    <message>
        <source>This practice was not remembered: &quot;Save results on disk&quot; is off in Tools &gt; Options...</source>
        <translation>Esta práctica no se ha guardado: «Guardar los resultados» está desactivado en Herramientas &gt; Opciones...</translation>
    </message>
    <message>
        <source>This practice could not be kept in the progress log.</source>
        <translation>Esta práctica no se pudo guardar en el registro de progreso.</translation>
    </message>
    <message>
        <source>Another copy of Numberlark is using the progress log, so this practice waits in %1 and goes into the log as soon as it is free.</source>
        <translation>Otra copia de Numberlark está usando el registro de progreso, así que esta práctica espera en %1 y pasará al registro en cuanto quede libre.</translation>
    </message>
</context>
<context>
    <name>numberlark::FrmProgress</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation>&amp;Niño:</translation>
    </message>
    <message>
        <source>&amp;Import Results File...</source>
        <translation>&amp;Importar archivo de resultados...</translation>
    </message>
    <message>
        <source>Print Practice &amp;Sheet</source>
        <translation>Imprimir hoja de &amp;ejercicios</translation>
    </message>
    <message>
        <source>Save Practice Sheet as PDF...</source>
        <translation>Guardar la hoja de ejercicios como PDF...</translation>
    </message>
    <message>
        <source>Save &amp;Report as PDF...</source>
        <translation>Guardar el info&amp;rme como PDF...</translation>
    </message>
    <message>
        <source>&amp;Forget This Child...</source>
        <translation>&amp;Olvidar a este niño...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Facts&lt;/b&gt; (point at a square for its figures)</source>
        <translation>&lt;b&gt;Operaciones&lt;/b&gt; (señala una casilla para ver sus datos)</translation>
    </message>
    <message>
        <source>Facts from 1 times 1 to 12 times 12</source>
        <translation>Operaciones de 1 por 1 a 12 por 12</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>No tests have been kept on this computer yet.

</source>
        <translation>Todavía no se ha guardado ninguna prueba en este ordenador.

</translation>
    </message>
    <message>
        <source>Tests are kept only while &quot;Save results on disk&quot; is ticked. Tick it in Tools &gt; Options, then take a test and press QUIT: the test will show here.</source>
        <translation>Las pruebas solo se guardan si «Guardar los resultados» está marcado. Márcalo en Herramientas &gt; Opciones, haz una prueba y pulsa SALIR: la prueba aparecerá aquí.</translation>
    </message>
    <message>
        <source>Take a test and press QUIT when it is done: the test will show here. Tests saved earlier in a results file can be brought in with &quot;Import Results File...&quot;.</source>
        <translation>Haz una prueba y pulsa SALIR al terminar: la prueba aparecerá aquí. Las pruebas guardadas antes en un archivo de resultados se pueden traer con «Importar archivo de resultados...».</translation>
    </message>
    <message>
        <source>Other tables:
</source>
        <translation>Otras tablas:
</translation>
    </message>
    <message>
        <source>Import Results File</source>
        <translation>Importar archivo de resultados</translation>
    </message>
    <message>
        <source>Print Practice Sheet</source>
        <translation>Imprimir la hoja de ejercicios</translation>
    </message>
    <message>
        <source>The log keeps no questions of %1 yet (tests brought in from a results file have none), so there is nothing to practise. The questions of every test taken from now on are kept.</source>
        <translation>El registro todavía no tiene preguntas de %1 (las pruebas importadas de un archivo de resultados no las tienen), así que no hay nada que practicar. A partir de ahora se guardan las preguntas de todas las pruebas.</translation>
    </message>
    <message>
        <source>Forget This Child</source>
        <translation>Olvidar a este niño</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progreso de %1</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Importando %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The tests below are shown as they are kept; tests taken now cannot be added until the log can be written.</source>
        <translation>Las pruebas de abajo se muestran tal como están guardadas; las pruebas que se hagan ahora no se podrán añadir hasta que se pueda escribir en el registro.</translation>
    </message>
    <message>
        <source>Only this computer&apos;s own log can be changed; switch to This Computer.</source>
        <translation>Solo se puede cambiar el registro propio de este ordenador; cambia a «Este ordenador».</translation>
    </message>
    <message>
        <source>Practise on Scr&amp;een</source>
        <translation>Practicar en pantall&amp;a</translation>
    </message>
</context>
<context>
    <name>numberlark::KnownFactsChart</name>
    <message>
        <source>Facts known, week by week</source>
        <translation>Operaciones dominadas, semana a semana</translation>
    </message>
    <message>
        <source>Facts known</source>
        <translation>Operaciones dominadas</translation>
    </message>
</context>
<context>
    <name>numberlark::PracticeSettingsDialog</name>
    <message>
        <source>Practice Settings</source>
        <translation>Ajustes de práctica</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit (right at the first try is enough)</source>
        <translation>Sin límite (basta con acertar al primer intento)</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A fact counts as known when it is answered right at the first try within the time limit. A session ends after its length or %n questions, whichever comes first.</source>
        <translation>
            <numerusform>Una operación se da por sabida cuando se acierta al primer intento dentro del tiempo límite. Una sesión termina al cumplirse su duración o tras %n pregunta, lo que ocurra antes.</numerusform>
            <numerusform>Una operación se da por sabida cuando se acierta al primer intento dentro del tiempo límite. Una sesión termina al cumplirse su duración o tras %n preguntas, lo que ocurra antes.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Time limit for a known fact:</source>
        <translation>&amp;Tiempo límite para una operación sabida:</translation>
    </message>
    <message>
        <source>&amp;Length of a session:</source>
        <translation>&amp;Duración de una sesión:</translation>
    </message>
</context>
<context>
    <name>numberlark::ProgressChart</name>
    <message>
        <source>Seconds per question over time</source>
        <translation>Segundos por pregunta a lo largo del tiempo</translation>
    </message>
    <message>
        <source>%1
%2: %3 seconds for %4 questions
%5 seconds per question</source>
        <extracomment>A point&apos;s tip: date; table: seconds for questions; seconds per question.</extracomment>
        <translation>%1
%2: %3 segundos para %4 preguntas
%5 segundos por pregunta</translation>
    </message>
    <message>
        <source>seconds per question</source>
        <translation>segundos por pregunta</translation>
    </message>
    <message>
        <source>Each test</source>
        <translation>Cada prueba</translation>
    </message>
    <message>
        <source>Median of each week</source>
        <translation>Mediana de cada semana</translation>
    </message>
    <message>
        <source>Practice day</source>
        <translation>Día de práctica</translation>
    </message>
</context>
<context>
    <name>numberlark::QuestionPage</name>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
</context>
<context>
    <name>numberlark::SummaryPage</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Well done, %1! You answered 1 question.</source>
        <translation>¡Muy bien, %1! Has respondido 1 pregunta.</translation>
    </message>
    <message numerus="yes">
        <source>Well done, %1! You answered %n questions.</source>
        <translation>
            <numerusform>¡Muy bien, %1! Has respondido %n pregunta.</numerusform>
            <numerusform>¡Muy bien, %1! Has respondido %n preguntas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every try helps: the facts you practised will come back.</source>
        <translation>Cada intento ayuda: las operaciones que practicaste volverán.</translation>
    </message>
    <message>
        <source>1 fact you know now:</source>
        <translation>1 operación que ya sabes:</translation>
    </message>
    <message numerus="yes">
        <source>%n facts you know now:</source>
        <translation>
            <numerusform>%n operación que ya sabes:</numerusform>
            <numerusform>%n operaciones que ya sabes:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
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
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>numberlark::TestsModel</name>
    <message>
        <source>date unknown</source>
        <translation>fecha desconocida</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Questions answered of the questions set, e.g. &quot;7 of 10&quot;.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>not kept</source>
        <translation>sin guardar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Segundos por pregunta</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Errores</translation>
    </message>
</context>
<context>
    <name>numberlark::TrendPanel</name>
    <message>
        <source>Tables shown</source>
        <translation>Tablas mostradas</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>All tables</source>
        <translation>Todas las tablas</translation>
    </message>
    <message>
        <source>%1 times table</source>
        <translation>Tabla del %1</translation>
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
<context>
    <name>numberlark::WhoPage</name>
    <message>
        <source>Who is practising?</source>
        <translation>¿Quién practica?</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Tu &amp;nombre:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>&amp;Ajustes...</translation>
    </message>
    <message>
        <source>For grown-ups: how long a session lasts and how quick an answer must be.</source>
        <translation>Para adultos: cuánto dura una sesión y qué tan rápida debe ser una respuesta.</translation>
    </message>
    <message>
        <source>Nothing practised now will be remembered. A grown-up can turn on &quot;Save results on disk&quot; in Tools &gt; Options... to keep it.</source>
        <translation>Nada de lo que se practique ahora se recordará. Un adulto puede activar «Guardar los resultados» en Herramientas &gt; Opciones... para guardarlo.</translation>
    </message>
</context>
</TS>
