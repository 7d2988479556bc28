<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CertificatePage</name>
    <message numerus="yes">
        <source>Completed%1 questions from the</source>
        <extracomment>The line above the times table&apos;s number; %1 is the number of questions with a space in front.</extracomment>
        <translation>
            <numerusform>für%1 gelöste Aufgabe aus der</numerusform>
            <numerusform>für%1 gelöste Aufgaben aus der</numerusform>
        </translation>
    </message>
    <message>
        <source>Mixed</source>
        <extracomment>Printed large where the times table&apos;s number stands otherwise.</extracomment>
        <translation>Mix</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds</source>
        <extracomment>The time printed large; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>%1 Sekunde</numerusform>
            <numerusform>%1 Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Here is your NumberLark certificate to cut out and paste into your exercise book:</source>
        <translation>Hier ist deine NumberLark-Urkunde zum Ausschneiden und Einkleben ins Heft:</translation>
    </message>
    <message>
        <source>NUMBERLARK</source>
        <translation>NUMBERLARK</translation>
    </message>
    <message>
        <source>This is to certify that</source>
        <translation>Diese Urkunde bekommt</translation>
    </message>
    <message>
        <source>times table in a time of:</source>
        <translation>Reihe in einer Zeit von:</translation>
    </message>
    <message>
        <source>Here are some more questions for you to try to improve your speed:</source>
        <translation>Hier sind noch mehr Aufgaben, damit du noch schneller wirst:</translation>
    </message>
</context>
<context>
    <name>CertificatePrinter</name>
    <message>
        <source>Would you like to save the certificate as a PDF file instead? You can print the PDF later, or on another computer.</source>
        <translation>Möchtest du die Urkunde stattdessen als PDF-Datei speichern? Du kannst das PDF später oder an einem anderen Computer drucken.</translation>
    </message>
    <message>
        <source>Save Certificate as PDF</source>
        <translation>Urkunde als PDF speichern</translation>
    </message>
    <message>
        <source>Numberlark certificate</source>
        <translation>Numberlark-Urkunde</translation>
    </message>
    <message>
        <source>Numberlark certificate.pdf</source>
        <translation>Numberlark-Urkunde.pdf</translation>
    </message>
    <message>
        <source>Numberlark certificate - %1.pdf</source>
        <extracomment>The suggested file name; %1 is the child&apos;s name.</extracomment>
        <translation>Numberlark-Urkunde - %1.pdf</translation>
    </message>
    <message>
        <source>No printer is set up as the default on this computer, so the certificate cannot be printed.</source>
        <translation>Auf diesem Computer ist kein Standarddrucker eingerichtet, deshalb kann die Urkunde nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The certificate could not be sent to the printer &quot;%1&quot;.</source>
        <translation>Die Urkunde konnte nicht an den Drucker „%1“ geschickt werden.</translation>
    </message>
</context>
<context>
    <name>ClassTableCsv</name>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Facts known</source>
        <translation>Sichere Aufgaben</translation>
    </message>
</context>
<context>
    <name>ClassroomProblem</name>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed on this computer.</source>
        <translation>Der PostgreSQL-Treiber von Qt ist auf diesem Computer nicht installiert.</translation>
    </message>
    <message>
        <source>The classroom server setting cannot be used; ask the administrator.</source>
        <translation>Die Einstellung für den Klassenserver ist nicht verwendbar; bitte wenden Sie sich an die Administration.</translation>
    </message>
    <message>
        <source>The school&apos;s server cannot be reached.</source>
        <translation>Der Server der Schule ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The school&apos;s server refused this computer&apos;s login.</source>
        <translation>Der Server der Schule hat die Anmeldung dieses Computers abgelehnt.</translation>
    </message>
    <message>
        <source>The school&apos;s server is not set up for Numberlark; ask the administrator.</source>
        <translation>Der Server der Schule ist nicht für Numberlark eingerichtet; bitte wenden Sie sich an die Administration.</translation>
    </message>
    <message>
        <source>The school&apos;s server is set up for a newer Numberlark; please update this program.</source>
        <translation>Der Server der Schule ist für ein neueres Numberlark eingerichtet; bitte aktualisieren Sie dieses Programm.</translation>
    </message>
    <message>
        <source>The school&apos;s server refused the results.</source>
        <translation>Der Server der Schule hat die Ergebnisse abgelehnt.</translation>
    </message>
    <message>
        <source>The school&apos;s server is not known by that name on this network; ask the administrator.</source>
        <translation>Der Server der Schule ist unter diesem Namen in diesem Netz nicht bekannt; fragen Sie die Administration.</translation>
    </message>
    <message>
        <source>The secure connection (TLS) to the school&apos;s server was refused; ask the administrator.</source>
        <translation>Die sichere Verbindung (TLS) zum Server der Schule wurde abgelehnt; fragen Sie die Administration.</translation>
    </message>
    <message>
        <source>the server holds another row with the same key</source>
        <translation>der Server hat schon einen anderen Eintrag mit demselben Schlüssel</translation>
    </message>
    <message>
        <source>it refers to something the server does not hold</source>
        <translation>er verweist auf etwas, das der Server nicht hat</translation>
    </message>
    <message>
        <source>a check on the server does not accept its values</source>
        <translation>eine Prüfung auf dem Server lässt seine Werte nicht zu</translation>
    </message>
    <message>
        <source>a value the server requires is missing</source>
        <translation>ein Wert, den der Server verlangt, fehlt</translation>
    </message>
    <message>
        <source>a value is outside what the server accepts</source>
        <translation>ein Wert liegt außerhalb dessen, was der Server annimmt</translation>
    </message>
    <message>
        <source>the server&apos;s rules do not accept it</source>
        <translation>die Regeln des Servers lassen ihn nicht zu</translation>
    </message>
    <message>
        <source>The school&apos;s server does not answer.</source>
        <translation>Der Server der Schule antwortet nicht.</translation>
    </message>
    <message>
        <source>The connection to the school&apos;s server keeps dropping.</source>
        <translation>Die Verbindung zum Server der Schule bricht immer wieder ab.</translation>
    </message>
    <message>
        <source>The school&apos;s server stopped answering.</source>
        <translation>Der Server der Schule hat aufgehört zu antworten.</translation>
    </message>
    <message>
        <source>The school&apos;s server is set up for an older Numberlark; tests wait on this computer until the administrator upgrades it.</source>
        <translation>Der Schulserver ist für ein älteres Numberlark eingerichtet; die Tests warten auf diesem Computer, bis die Administration ihn aktualisiert.</translation>
    </message>
</context>
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>Der Drucker „%1“ konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Druckfehler</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The printer does not answer.</source>
        <translation>Der Drucker antwortet nicht.</translation>
    </message>
</context>
<context>
    <name>FactGradeStyle</name>
    <message>
        <source>Known</source>
        <translation>Sicher</translation>
    </message>
    <message>
        <source>Getting there</source>
        <translation>Fast sicher</translation>
    </message>
    <message>
        <source>Tricky</source>
        <translation>Schwierig</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <translation>Noch nicht gestellt</translation>
    </message>
    <message>
        <source>right first time and quick</source>
        <translation>gleich richtig und schnell</translation>
    </message>
    <message>
        <source>right, but slow or not always first time</source>
        <translation>richtig, aber langsam oder nicht immer gleich</translation>
    </message>
    <message>
        <source>often wrong</source>
        <translation>oft falsch</translation>
    </message>
    <message>
        <source>no questions yet</source>
        <translation>noch keine Aufgaben</translation>
    </message>
    <message>
        <source>never asked</source>
        <translation>nie gestellt</translation>
    </message>
    <message>
        <source>asked once</source>
        <translation>einmal gestellt</translation>
    </message>
    <message numerus="yes">
        <source>asked %n times</source>
        <translation>
            <numerusform>%n-mal gestellt</numerusform>
            <numerusform>%n-mal gestellt</numerusform>
        </translation>
    </message>
    <message>
        <source>never right first time</source>
        <translation>nie gleich richtig</translation>
    </message>
    <message>
        <source>right first time once</source>
        <translation>einmal gleich richtig</translation>
    </message>
    <message numerus="yes">
        <source>right first time %n times</source>
        <translation>
            <numerusform>%n-mal gleich richtig</numerusform>
            <numerusform>%n-mal gleich richtig</numerusform>
        </translation>
    </message>
    <message>
        <source>no wrong answers</source>
        <translation>keine falschen Antworten</translation>
    </message>
    <message>
        <source>1 wrong answer</source>
        <translation>1 falsche Antwort</translation>
    </message>
    <message numerus="yes">
        <source>%n wrong answers</source>
        <translation>
            <numerusform>%n falsche Antwort</numerusform>
            <numerusform>%n falsche Antworten</numerusform>
        </translation>
    </message>
    <message>
        <source>median time %1 seconds</source>
        <translation>mittlere Zeit (Median) %1 Sekunden</translation>
    </message>
    <message>
        <source>%1 times %2: %3, %4</source>
        <translation>%1 mal %2: %3, %4</translation>
    </message>
    <message>
        <source>%1 times %2, %3</source>
        <extracomment>A square of the facts grid read aloud: &quot;4 times 9, Tricky&quot;.</extracomment>
        <translation>%1 mal %2, %3</translation>
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
        <translation>Andere Reihe</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>A Numberlark program</source>
        <translation>Ein Numberlark-Programm</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Urkunde</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds</source>
        <extracomment>The time on the certificate screen; %1 is the number with a space in front of it (none before a minus sign). Joined after &quot;in&quot;.</extracomment>
        <translation>
            <numerusform>%1 Sekunde</numerusform>
            <numerusform>%1 Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of%2</source>
        <extracomment>Which question this is, out of how many: &quot;3 of 20&quot;. %2 has a space in front.</extracomment>
        <translation>%1 von%2</translation>
    </message>
    <message numerus="yes">
        <source>You completed%1 mixed tables questions in%2</source>
        <extracomment>%1 the number of questions and %2 the time (&quot;95 seconds&quot;), each with a space in front.</extracomment>
        <translation>
            <numerusform>Du hast%1 gemischte Aufgabe in%2 gelöst</numerusform>
            <numerusform>Du hast%1 gemischte Aufgaben in%2 gelöst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You completed%1 of the%2 times table questions in%3</source>
        <extracomment>%1 the number of questions, %2 the times table (7 for the seven times table) and %3 the time (&quot;95 seconds&quot;), each with a space in front.</extracomment>
        <translation>
            <numerusform>Du hast%1 Aufgabe aus der%2er-Reihe in%3 gelöst</numerusform>
            <numerusform>Du hast%1 Aufgaben aus der%2er-Reihe in%3 gelöst</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a times table between -%1 and %2.</source>
        <translation>Bitte gib eine Reihe zwischen -%1 und %2 ein.</translation>
    </message>
    <message>
        <source>on %1 at %2</source>
        <extracomment>The date line of the certificate: %1 the date, %2 the time of day.</extracomment>
        <translation>am %1 um %2</translation>
    </message>
    <message>
        <source>How fast can you answer 20 times table questions?<byte value="xd"/><byte value="xd"/>This program will time you. Choose the times table you want to practise the press the TEST button.<byte value="xd"/><byte value="xd"/>Good Luck!</source>
        <translation>Wie schnell kannst du 20 Einmaleins-Aufgaben lösen?<byte value="xd"/><byte value="xd"/>Das Programm misst deine Zeit. Wähle die Reihe, die du üben willst, und drücke dann auf TEST.<byte value="xd"/><byte value="xd"/>Viel Glück!</translation>
    </message>
    <message>
        <source>A clock radio; its display shows the seconds</source>
        <translation>Ein Radiowecker; seine Anzeige zeigt die Sekunden</translation>
    </message>
    <message>
        <source>A whiteboard between an elephant in a suit and a donkey holding a pen</source>
        <translation>Eine Tafel zwischen einem Elefanten im Anzug und einem Esel mit einem Stift</translation>
    </message>
    <message>
        <source>Numberlark, in yellow capitals</source>
        <translation>Numberlark, in gelben Großbuchstaben</translation>
    </message>
    <message>
        <source>A sign that reads: This question is</source>
        <translation>Ein Schild mit der Aufschrift: Das ist Aufgabe</translation>
    </message>
</context>
<context>
    <name>ModuleLoader</name>
    <message>
        <source>%1: not found</source>
        <translation>%1: nicht gefunden</translation>
    </message>
    <message>
        <source>%1: not a Numberlark module with %2</source>
        <extracomment>%1 is the module&apos;s file, %2 the name of the function it should export.</extracomment>
        <translation>%1: kein Numberlark-Modul mit %2</translation>
    </message>
    <message>
        <source>Numberlark could not load its module %1:
%2</source>
        <extracomment>%1 is the module&apos;s file name; %2 lists where it was looked for, and why it failed there.</extracomment>
        <translation>Numberlark konnte sein Modul %1 nicht laden:
%2</translation>
    </message>
    <message>
        <source>%1: damaged: the file is cut short (%2 bytes where %3 are needed)</source>
        <extracomment>%1 is the module&apos;s file; %2 and %3 are numbers of bytes.</extracomment>
        <translation>%1: beschädigt: die Datei ist unvollständig (%2 Bytes, wo %3 nötig sind)</translation>
    </message>
    <message>
        <source>%1: not a Numberlark module</source>
        <translation>%1: kein Modul von Numberlark</translation>
    </message>
    <message>
        <source>%1: cannot be checked: %2 is missing or unreadable</source>
        <extracomment>%1 is the module&apos;s file, %2 the file that records what it was built with.</extracomment>
        <translation>%1: kann nicht geprüft werden: %2 fehlt oder ist nicht lesbar</translation>
    </message>
    <message>
        <source>%1: damaged: it is not the module that was built</source>
        <translation>%1: beschädigt: es ist nicht das Modul, das erstellt wurde</translation>
    </message>
</context>
<context>
    <name>PainterCanvas</name>
    <message>
        <source>The page could not be started.</source>
        <translation>Die Seite konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The page is not open for drawing.</source>
        <translation>Die Seite ist nicht zum Zeichnen geöffnet.</translation>
    </message>
    <message>
        <source>Invalid font size %1.</source>
        <translation>Ungültige Schriftgröße %1.</translation>
    </message>
    <message>
        <source>The picture %1 could not be drawn.</source>
        <translation>Das Bild %1 konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>The page could not be finished.</source>
        <translation>Die Seite konnte nicht fertiggestellt werden.</translation>
    </message>
</context>
<context>
    <name>PdfDocument</name>
    <message>
        <source>The certificate could not be saved as &quot;%1&quot;: %2</source>
        <translation>Die Urkunde konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The certificate could not be written to &quot;%1&quot;: %2</source>
        <translation>Die Urkunde konnte nicht in „%1“ geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>PracticeSeams</name>
    <message>
        <source>The progress log did not answer in time, so this practice may not have been kept.</source>
        <translation>Das Fortschrittsprotokoll hat nicht rechtzeitig geantwortet, daher wurde diese Übung vielleicht nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>PracticeSheetPage</name>
    <message>
        <source>Numberlark practice sheet</source>
        <translation>Numberlark-Übungsblatt</translation>
    </message>
    <message>
        <source>Numberlark practice sheet for %1</source>
        <translation>Numberlark-Übungsblatt für %1</translation>
    </message>
    <message>
        <source>These are the questions you find trickiest. Try them again and again!</source>
        <translation>Das sind die Aufgaben, die dir am schwersten fallen. Übe sie immer wieder!</translation>
    </message>
</context>
<context>
    <name>PracticeSheetPrinter</name>
    <message>
        <source>No printer is set up as the default on this computer, so the practice sheet cannot be printed.</source>
        <translation>Auf diesem Computer ist kein Standarddrucker eingerichtet, deshalb kann das Übungsblatt nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Save Practice Sheet as PDF</source>
        <translation>Übungsblatt als PDF speichern</translation>
    </message>
    <message>
        <source>Numberlark practice sheet</source>
        <translation>Numberlark-Übungsblatt</translation>
    </message>
    <message>
        <source>Would you like to save the practice sheet as a PDF file instead?</source>
        <translation>Möchten Sie das Übungsblatt stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>The practice sheet could not be sent to the printer &quot;%1&quot;.</source>
        <translation>Das Übungsblatt konnte nicht an den Drucker „%1“ geschickt werden.</translation>
    </message>
    <message>
        <source>The practice sheet could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Das Übungsblatt konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The practice sheet could not be written to &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Das Übungsblatt konnte nicht in „%1“ geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>PracticeTexts</name>
    <message>
        <source>Not yet. %1 times %2 is %3. Type %3 to go on.</source>
        <extracomment>Read aloud after a wrong answer to %1 x %2: its answer %3, which the child types to go on.</extracomment>
        <translation>Noch nicht. %1 mal %2 ist %3. Tippe %3, um weiterzumachen.</translation>
    </message>
    <message>
        <source>Type %1 to go on.</source>
        <extracomment>After a wrong answer the child types the right answer, %1, to go on.</extracomment>
        <translation>Tippe %1, um weiterzumachen.</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>not yet</source>
        <extracomment>Said after a wrong answer in practice: gentle, not &quot;wrong&quot;.</extracomment>
        <translation>noch nicht</translation>
    </message>
    <message>
        <source>Come back tomorrow to practise again.</source>
        <translation>Komm morgen wieder zum Üben.</translation>
    </message>
    <message numerus="yes">
        <source>See you tomorrow: %n minutes of practice.</source>
        <translation>
            <numerusform>Bis morgen: %n Minute Üben.</numerusform>
            <numerusform>Bis morgen: %n Minuten Üben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>See you on %1: %n minutes of practice.</source>
        <extracomment>%1 is a date (&quot;Friday, 11 December 2026&quot;).</extracomment>
        <translation>
            <numerusform>Bis %1: %n Minute Üben.</numerusform>
            <numerusform>Bis %1: %n Minuten Üben.</numerusform>
        </translation>
    </message>
    <message>
        <source>That&apos;s all for today: you have done every fact that was due.</source>
        <translation>Das war’s für heute: Du hast alle Aufgaben geübt, die dran waren.</translation>
    </message>
</context>
<context>
    <name>PracticeWindowLoader</name>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>The practice window could not be opened.

%1

Installing Numberlark again should bring it back.</source>
        <translation>Das Übungsfenster konnte nicht geöffnet werden.

%1

Wenn Numberlark neu installiert wird, sollte es wieder gehen.</translation>
    </message>
</context>
<context>
    <name>PrintQueue</name>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>Der Drucker „%1“ ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available (%2).</source>
        <translation>Der Drucker „%1“ ist nicht erreichbar (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped.</source>
        <translation>Der Drucker „%1“ ist angehalten.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped (%2).</source>
        <translation>Der Drucker „%1“ ist angehalten (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs.</source>
        <translation>Der Drucker „%1“ nimmt keine Aufträge an.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs (%2).</source>
        <translation>Der Drucker „%1“ nimmt keine Aufträge an (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the certificate.</source>
        <translation>Der Drucker „%1“ hat die Urkunde nicht angenommen.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the certificate (%2).</source>
        <translation>Der Drucker „%1“ hat die Urkunde nicht angenommen (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not print the certificate.</source>
        <translation>Der Drucker „%1“ konnte die Urkunde nicht drucken.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not print the certificate (%2).</source>
        <translation>Der Drucker „%1“ konnte die Urkunde nicht drucken (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is holding the certificate.</source>
        <translation>Der Drucker „%1“ hält die Urkunde zurück.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is holding the certificate (%2).</source>
        <translation>Der Drucker „%1“ hält die Urkunde zurück (%2).</translation>
    </message>
</context>
<context>
    <name>ProgressLog</name>
    <message>
        <source>The results file %1 could not be read: %2.</source>
        <translation>Die Ergebnisdatei %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>The progress log could not be written: there is no folder for this user&apos;s data.</source>
        <translation>Das Fortschrittsprotokoll konnte nicht geschrieben werden: Es gibt keinen Ordner für die Daten dieses Benutzers.</translation>
    </message>
    <message>
        <source>The progress log %1 could not be written: %2.</source>
        <translation>Das Fortschrittsprotokoll %1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The progress log %1 could not be opened: the SQLite driver for Qt is not installed.</source>
        <translation>Das Fortschrittsprotokoll %1 konnte nicht geöffnet werden: Der SQLite-Treiber für Qt ist nicht installiert.</translation>
    </message>
    <message>
        <source>The progress log %1 was written by a newer Numberlark. A newer Numberlark is needed to read it or add to it; it was left as it is.</source>
        <translation>Das Fortschrittsprotokoll %1 wurde von einer neueren Numberlark-Version geschrieben. Nur eine neuere Version kann es lesen oder ergänzen; es wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>it is not a Numberlark progress log</source>
        <translation>es ist kein Numberlark-Fortschrittsprotokoll</translation>
    </message>
    <message>
        <source>Another copy of Numberlark held the progress log %1 for too long (%2).</source>
        <translation>Ein anderes laufendes Numberlark hat das Fortschrittsprotokoll %1 zu lange belegt (%2).</translation>
    </message>
    <message>
        <source>The progress log %1 cannot be read (%2) and could not be set aside: %3.</source>
        <translation>Das Fortschrittsprotokoll %1 ist nicht lesbar (%2) und konnte nicht beiseitegelegt werden: %3.</translation>
    </message>
    <message>
        <source>The progress log %1 could not be read (%2). It was kept as %3, and a new log was started.</source>
        <translation>Das Fortschrittsprotokoll %1 konnte nicht gelesen werden (%2). Es wurde als %3 aufbewahrt, und ein neues Protokoll wurde begonnen.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>ProgressRecording</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>This test was not added to the progress log.</source>
        <translation>Dieser Test wurde nicht in das Fortschrittsprotokoll aufgenommen.</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Facts to practise</source>
        <translation>Aufgaben zum Üben</translation>
    </message>
    <message>
        <source>Tricky: </source>
        <translation>Schwierig: </translation>
    </message>
    <message>
        <source>Getting there: </source>
        <translation>Fast sicher: </translation>
    </message>
    <message>
        <source>Other tables: </source>
        <translation>Andere Reihen: </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Sekunden pro Aufgabe</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Last tests</source>
        <translation>Letzte Tests</translation>
    </message>
    <message>
        <source>Numberlark progress report</source>
        <translation>Numberlark-Fortschrittsbericht</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <extracomment>Follows a list of facts: &quot;3 × 4, 6 × 7 and 5 more&quot;.</extracomment>
        <translation>
            <numerusform> und %n weitere</numerusform>
            <numerusform> und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Der Bericht konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The report could not be written to &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Der Bericht konnte nicht in „%1“ geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ProgressSeams</name>
    <message>
        <source>Import Results File</source>
        <translation>Ergebnisdatei importieren</translation>
    </message>
    <message>
        <source>Results files (*.csv);;All files (*)</source>
        <translation>Ergebnisdateien (*.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>ProgressTexts</name>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>No tests</source>
        <translation>Keine Tests</translation>
    </message>
    <message>
        <source>1 test</source>
        <translation>1 Test</translation>
    </message>
    <message numerus="yes">
        <source>%n tests</source>
        <translation>
            <numerusform>%n Test</numerusform>
            <numerusform>%n Tests</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 am %2</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 vom %2 bis %3</translation>
    </message>
    <message>
        <source> and others</source>
        <extracomment>Follows a list of line numbers: &quot;3, 8, 9, 12, 20 and others&quot;.</extracomment>
        <translation> und weitere</translation>
    </message>
    <message>
        <source>1 line could not be read and was left out (line %1).</source>
        <translation>1 Zeile konnte nicht gelesen werden und wurde ausgelassen (Zeile %1).</translation>
    </message>
    <message>
        <source>1 test was added to the log.</source>
        <translation>1 Test wurde ins Protokoll aufgenommen.</translation>
    </message>
    <message numerus="yes">
        <source>%n tests were added to the log.</source>
        <translation>
            <numerusform>%n Test wurde ins Protokoll aufgenommen.</numerusform>
            <numerusform>%n Tests wurden ins Protokoll aufgenommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 line was in the log already.</source>
        <translation>1 Zeile war schon im Protokoll.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were in the log already.</source>
        <translation>
            <numerusform>%n Zeile war schon im Protokoll.</numerusform>
            <numerusform>%n Zeilen waren schon im Protokoll.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove every test of %1 from the progress log on this computer?

This cannot be undone. The results file (numberlark.csv) is left as it is.</source>
        <translation>Alle Tests von %1 aus dem Fortschrittsprotokoll auf diesem Computer entfernen?

Das lässt sich nicht rückgängig machen. Die Ergebnisdatei (numberlark.csv) bleibt unverändert.</translation>
    </message>
    <message>
        <source>the tests taken with no name</source>
        <translation>dem Kind ohne Namen</translation>
    </message>
    <message numerus="yes">
        <source>%n lines could not be read and were left out (lines %1).</source>
        <extracomment>%1 lists the first line numbers, e.g. &quot;3, 8 and others&quot;.</extracomment>
        <translation>
            <numerusform>%n Zeile konnte nicht gelesen werden und wurde ausgelassen (Zeilen %1).</numerusform>
            <numerusform>%n Zeilen konnten nicht gelesen werden und wurden ausgelassen (Zeilen %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The import was stopped before the end of the file. Importing the file again adds the rest.</source>
        <translation>Der Import wurde vor dem Ende der Datei angehalten. Wird die Datei noch einmal importiert, kommt der Rest hinzu.</translation>
    </message>
    <message>
        <source>1 practice session</source>
        <translation>1 Übungsrunde</translation>
    </message>
    <message numerus="yes">
        <source>%n practice sessions</source>
        <translation>
            <numerusform>%n Übungsrunde</numerusform>
            <numerusform>%n Übungsrunden</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
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
        <translation>%1 seit %2</translation>
    </message>
    <message>
        <source>%1 and %2 since %3</source>
        <extracomment>&quot;12 tests and 4 practice sessions (20 minutes) since 3 March 2026&quot;</extracomment>
        <translation>%1 und %2 seit %3</translation>
    </message>
    <message>
        <source>%1 s a question in the first week.</source>
        <translation>%1 s pro Aufgabe in der ersten Woche.</translation>
    </message>
    <message>
        <source>%1 s a question now, %2 s in the first week: faster.</source>
        <translation>Jetzt %1 s pro Aufgabe, in der ersten Woche %2 s: schneller.</translation>
    </message>
    <message>
        <source>%1 s a question now, %2 s in the first week: slower.</source>
        <translation>Jetzt %1 s pro Aufgabe, in der ersten Woche %2 s: langsamer.</translation>
    </message>
    <message>
        <source>%1 s a question now, %2 s in the first week: about the same.</source>
        <translation>Jetzt %1 s pro Aufgabe, in der ersten Woche %2 s: etwa gleich.</translation>
    </message>
    <message>
        <source>no practice</source>
        <translation>kein Üben</translation>
    </message>
    <message>
        <source>no fact newly known</source>
        <translation>keine Aufgabe neu sicher</translation>
    </message>
    <message>
        <source>1 fact learnt</source>
        <translation>1 Aufgabe gelernt</translation>
    </message>
    <message numerus="yes">
        <source>%n facts learnt</source>
        <translation>
            <numerusform>%n Aufgabe gelernt</numerusform>
            <numerusform>%n Aufgaben gelernt</numerusform>
        </translation>
    </message>
    <message>
        <source>In the last 30 days: %1; %2.</source>
        <extracomment>&quot;In the last 30 days: 4 practice sessions (20 minutes); 3 facts learnt: 7 × 8, ...&quot;</extracomment>
        <translation>In den letzten 30 Tagen: %1; %2.</translation>
    </message>
</context>
<context>
    <name>ProgressWindowLoader</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>The progress window could not be opened.

%1

Installing Numberlark again should bring it back.</source>
        <translation>Das Fortschrittsfenster konnte nicht geöffnet werden.

%1

Numberlark neu zu installieren sollte es wiederherstellen.</translation>
    </message>
</context>
<context>
    <name>RecordJournal</name>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine normale Datei</translation>
    </message>
    <message>
        <source>The file is locked by another program</source>
        <translation>Die Datei ist von einem anderen Programm gesperrt</translation>
    </message>
</context>
<context>
    <name>ResultsSaving</name>
    <message>
        <source>The result could not be saved in the file
%1

%2.</source>
        <extracomment>%1 is the file&apos;s full path, %2 the system&apos;s reason.</extracomment>
        <translation>Das Ergebnis konnte nicht gespeichert werden in der Datei
%1

%2.</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Beenden ohne Speichern</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>a folder of that name is in the way of the file</source>
        <translation>ein Ordner mit diesem Namen steht der Datei im Weg</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation>ihr Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>ihr Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>SpokenTexts</name>
    <message>
        <source>%1 times %2</source>
        <extracomment>A question read aloud by a screen reader: &quot;9 times 4&quot; for 9 x 4.</extracomment>
        <translation>%1 mal %2</translation>
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
            <numerusform>Gut gemacht! %n Frage in %1. Schreib deinen Namen.</numerusform>
            <numerusform>Gut gemacht! %n Fragen in %1. Schreib deinen Namen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableChoice</name>
    <message>
        <source>2 times table</source>
        <translation>2er-Reihe</translation>
    </message>
    <message>
        <source>3 times table</source>
        <translation>3er-Reihe</translation>
    </message>
    <message>
        <source>4 times table</source>
        <translation>4er-Reihe</translation>
    </message>
    <message>
        <source>5 times table</source>
        <translation>5er-Reihe</translation>
    </message>
    <message>
        <source>6 times table</source>
        <translation>6er-Reihe</translation>
    </message>
    <message>
        <source>7 times table</source>
        <translation>7er-Reihe</translation>
    </message>
    <message>
        <source>8 times table</source>
        <translation>8er-Reihe</translation>
    </message>
    <message>
        <source>9 times table</source>
        <translation>9er-Reihe</translation>
    </message>
    <message>
        <source>10 times table</source>
        <translation>10er-Reihe</translation>
    </message>
    <message>
        <source>11 times table</source>
        <translation>11er-Reihe</translation>
    </message>
    <message>
        <source>12 times table</source>
        <translation>12er-Reihe</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
</context>
<context>
    <name>TestFigures</name>
    <message>
        <source>Mixed tables</source>
        <translation>Gemischte Reihen</translation>
    </message>
    <message>
        <source>Other: %1 times table</source>
        <translation>Andere: %1er-Reihe</translation>
    </message>
    <message>
        <source>%1 times table</source>
        <translation>%1er-Reihe</translation>
    </message>
</context>
<context>
    <name>numberlark::CertificateScreen</name>
    <message>
        <source>Well Done</source>
        <translation>Prima!</translation>
    </message>
    <message>
        <source>Type your name here..</source>
        <translation>Dein Name hier..</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
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
        <translation>&lt;b&gt;Das Einmaleins jedes Kindes&lt;/b&gt; (eine Zeile je Kind, ein Feld je Aufgabe; mit der Maus auf ein Feld zeigen, um seine Zahlen zu sehen)</translation>
    </message>
    <message>
        <source>&lt;b&gt;The facts the class finds hardest&lt;/b&gt;</source>
        <translation>&lt;b&gt;Die schwierigsten Aufgaben der Klasse&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Gestellt</translation>
    </message>
    <message>
        <source>Right first time</source>
        <translation>Gleich richtig</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Mittlere Zeit</translation>
    </message>
    <message>
        <source>The facts the class finds hardest</source>
        <translation>Die schwierigsten Aufgaben der Klasse</translation>
    </message>
    <message>
        <source>Each child&apos;s facts</source>
        <translation>Das Einmaleins jedes Kindes</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Sicher</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassSource</name>
    <message>
        <source>Reading the class from the school&apos;s server...</source>
        <translation>Die Klasse wird vom Server der Schule gelesen...</translation>
    </message>
    <message>
        <source>Reading the tests of %1 from the school&apos;s server...</source>
        <translation>Die Tests von %1 werden vom Server der Schule gelesen...</translation>
    </message>
    <message>
        <source>The class cannot be shown: %1</source>
        <translation>Die Klasse kann nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>Whole Class</source>
        <translation>Ganze Klasse</translation>
    </message>
    <message>
        <source>The tests of %1 cannot be shown: %2</source>
        <translation>Die Tests von %1 können nicht angezeigt werden: %2</translation>
    </message>
    <message>
        <source>Export for Spreadsheet</source>
        <translation>Für Tabellenkalkulation exportieren</translation>
    </message>
    <message>
        <source>class</source>
        <translation>klasse</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation>Tabellendateien (*.csv)</translation>
    </message>
    <message>
        <source>The class could not be saved as %1.

%2</source>
        <translation>Die Klasse konnte nicht als %1 gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Progress of the whole school</source>
        <translation>Fortschritt der ganzen Schule</translation>
    </message>
    <message>
        <source>Progress of the whole class</source>
        <translation>Fortschritt der ganzen Klasse</translation>
    </message>
    <message>
        <source>Progress of class %1</source>
        <translation>Fortschritt der Klasse %1</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassSourceBar</name>
    <message>
        <source>This Co&amp;mputer</source>
        <translation>Dieser Co&amp;mputer</translation>
    </message>
    <message>
        <source>Cl&amp;ass</source>
        <translation>Kl&amp;asse</translation>
    </message>
    <message>
        <source>&amp;Export for Spreadsheet...</source>
        <translation>Für Tabellenkalkulation e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Connecting to the school&apos;s server...</source>
        <translation>Verbindung zum Server der Schule wird aufgebaut...</translation>
    </message>
    <message>
        <source>This computer delivers its tests to the school&apos;s server; the whole class is shown with a teacher&apos;s login.</source>
        <translation>Dieser Computer liefert seine Tests an den Server der Schule; die ganze Klasse sieht man mit der Anmeldung einer Lehrkraft.</translation>
    </message>
    <message>
        <source>The class cannot be shown: %1</source>
        <translation>Die Klasse kann nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
    <message>
        <source>The whole school.</source>
        <translation>Die ganze Schule.</translation>
    </message>
    <message>
        <source>This login is in no class on the school&apos;s server, so no child is shown; ask the administrator to add it to a class.</source>
        <translation>Diese Anmeldung gehört auf dem Schulserver zu keiner Klasse, daher wird kein Kind angezeigt; bitte die Administration, sie einer Klasse hinzuzufügen.</translation>
    </message>
    <message>
        <source>Class: %1.</source>
        <translation>Klasse: %1.</translation>
    </message>
    <message>
        <source>Classes: %1.</source>
        <translation>Klassen: %1.</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassTableModel</name>
    <message>
        <source>%1 times %2, %3</source>
        <translation>%1 mal %2, %3</translation>
    </message>
    <message>
        <source>Asked: %1</source>
        <translation>Gestellt: %1</translation>
    </message>
    <message>
        <source>Right first time: %1</source>
        <translation>Gleich richtig: %1</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Sicher</translation>
    </message>
    <message>
        <source>Facts known</source>
        <translation>Sichere Aufgaben</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassroomLine</name>
    <message numerus="yes">
        <source>Tests on their way to the school&apos;s server: %n.</source>
        <translation>
            <numerusform>Tests auf dem Weg zum Server der Schule: %n.</numerusform>
            <numerusform>Tests auf dem Weg zum Server der Schule: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tests waiting to be delivered to the school&apos;s server: %n.</source>
        <translation>
            <numerusform>Tests, die auf die Übertragung zum Server der Schule warten: %n.</numerusform>
            <numerusform>Tests, die auf die Übertragung zum Server der Schule warten: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The school&apos;s server refused %1&apos;s practice of %2: %3. It is kept on this computer and sent again at the next start.</source>
        <translation>Der Server der Schule hat das Üben von %1 vom %2 abgelehnt: %3. Es bleibt auf diesem Computer und wird beim nächsten Start erneut gesendet.</translation>
    </message>
    <message>
        <source>The school&apos;s server refused %1&apos;s test of %2: %3. It is kept on this computer and sent again at the next start.</source>
        <translation>Der Server der Schule hat den Test von %1 vom %2 abgelehnt: %3. Er bleibt auf diesem Computer und wird beim nächsten Start erneut gesendet.</translation>
    </message>
    <message numerus="yes">
        <source>Also refused and kept: %n more.</source>
        <translation>
            <numerusform>Ebenso abgelehnt und aufbewahrt: %n weiterer.</numerusform>
            <numerusform>Ebenso abgelehnt und aufbewahrt: %n weitere.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>numberlark::DialProgressBar</name>
    <message>
        <source>Progress dial</source>
        <translation>Fortschrittsanzeige</translation>
    </message>
    <message>
        <source>%1 of %2 answered</source>
        <translation>%1 von %2 beantwortet</translation>
    </message>
</context>
<context>
    <name>numberlark::FactGridModel</name>
    <message>
        <source>times %1</source>
        <extracomment>Read out for a column (&quot;times 7&quot;) and a row (&quot;7 times&quot;) of the facts grid.</extracomment>
        <translation>mal %1</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 mal</translation>
    </message>
</context>
<context>
    <name>numberlark::Form1</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Save Certificate &amp;As PDF...</source>
        <translation>Urkunde &amp;als PDF speichern...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Fortschritt...</translation>
    </message>
    <message>
        <source>P&amp;ractise...</source>
        <translation>Ü&amp;ben...</translation>
    </message>
</context>
<context>
    <name>numberlark::FrmAbout</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>About Numberlark</source>
        <translation>Über Numberlark</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&quot;Numberlark&quot;</source>
        <translation>„Numberlark“</translation>
    </message>
    <message>
        <source>Instructions at:</source>
        <translation>Anleitung unter:</translation>
    </message>
</context>
<context>
    <name>numberlark::FrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&quot;Numberlark&quot;</source>
        <translation>„Numberlark“</translation>
    </message>
    <message>
        <source>Save results on disk</source>
        <translation>Ergebnisse speichern</translation>
    </message>
    <message>
        <source>Enable certificate printing</source>
        <translation>Urkunde drucken erlauben</translation>
    </message>
    <message>
        <source>Enable Sound</source>
        <translation>Ton einschalten</translation>
    </message>
    <message>
        <source>Remember settings.</source>
        <translation>Einstellungen merken.</translation>
    </message>
    <message>
        <source>Number of questions</source>
        <translation>Anzahl der Aufgaben</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type a whole number from -32768 to 32767. The number of questions stays at %1 until then.</source>
        <translation>Gib eine ganze Zahl von -32768 bis 32767 ein. Bis dahin bleibt die Anzahl der Aufgaben bei %1.</translation>
    </message>
    <message>
        <source>There are no saved results yet.

The results file %1 is made when a test is quit with &quot;Save results on disk&quot; ticked.</source>
        <translation>Es gibt noch keine gespeicherten Ergebnisse.

Die Ergebnisdatei %1 entsteht, wenn ein Test mit Häkchen bei „Ergebnisse speichern“ beendet wird.</translation>
    </message>
    <message>
        <source>%1 is not a file, so it cannot be shown.</source>
        <translation>%1 ist keine Datei und kann darum nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>The results file %1 could not be opened: no program to view it could be started.</source>
        <translation>Die Ergebnisdatei %1 konnte nicht geöffnet werden: Es ließ sich kein Programm zum Anzeigen starten.</translation>
    </message>
    <message>
        <source>the settings store</source>
        <translation>dem Einstellungsspeicher</translation>
    </message>
    <message>
        <source>The settings could not be remembered in %1: %2.

They apply until Numberlark ends. Press OK again once the problem is fixed, or close this window to keep them for this time only.</source>
        <translation>Die Einstellungen konnten nicht in %1 gemerkt werden: %2.

Sie gelten, bis Numberlark beendet wird. Drücke noch einmal auf OK, wenn das Problem behoben ist, oder schließe dieses Fenster, um sie nur für dieses Mal zu behalten.</translation>
    </message>
</context>
<context>
    <name>numberlark::FrmPractice</name>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Practice Settings</source>
        <translation>Übungseinstellungen</translation>
    </message>
    <message>
        <source>The practice settings could not be saved in %1: %2. They apply until the program ends.</source>
        <translation>Die Übungseinstellungen konnten nicht in %1 gespeichert werden: %2. Sie gelten bis zum Ende des Programms.</translation>
    </message>
    <message>
        <source>the settings store</source>
        <translation>dem Einstellungsspeicher</translation>
    </message>
    <message>
        <source>This practice was not remembered: &quot;Save results on disk&quot; is off in Tools &gt; Options...</source>
        <translation>Diese Übung wurde nicht gespeichert: „Ergebnisse speichern“ ist unter Extras &gt; Optionen... ausgeschaltet.</translation>
    </message>
    <message>
        <source>This practice could not be kept in the progress log.</source>
        <translation>Diese Übung konnte nicht im Fortschrittsprotokoll gespeichert werden.</translation>
    </message>
    <message>
        <source>Another copy of Numberlark is using the progress log, so this practice waits in %1 and goes into the log as soon as it is free.</source>
        <translation>Eine andere Kopie von Numberlark benutzt gerade das Fortschrittsprotokoll. Diese Übung wartet deshalb in %1 und kommt ins Protokoll, sobald es frei ist.</translation>
    </message>
</context>
<context>
    <name>numberlark::FrmProgress</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>&amp;Import Results File...</source>
        <translation>Ergebnisdatei &amp;importieren...</translation>
    </message>
    <message>
        <source>Print Practice &amp;Sheet</source>
        <translation>Übungs&amp;blatt drucken</translation>
    </message>
    <message>
        <source>Save Practice Sheet as PDF...</source>
        <translation>Übungsblatt als PDF speichern...</translation>
    </message>
    <message>
        <source>Save &amp;Report as PDF...</source>
        <translation>Be&amp;richt als PDF speichern...</translation>
    </message>
    <message>
        <source>&amp;Forget This Child...</source>
        <translation>Dieses Kind &amp;vergessen...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Facts&lt;/b&gt; (point at a square for its figures)</source>
        <translation>&lt;b&gt;Einmaleins&lt;/b&gt; (mit der Maus auf ein Feld zeigen, um seine Zahlen zu sehen)</translation>
    </message>
    <message>
        <source>Facts from 1 times 1 to 12 times 12</source>
        <translation>Einmaleins von 1 mal 1 bis 12 mal 12</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>No tests have been kept on this computer yet.

</source>
        <translation>Auf diesem Computer sind noch keine Tests gespeichert.

</translation>
    </message>
    <message>
        <source>Tests are kept only while &quot;Save results on disk&quot; is ticked. Tick it in Tools &gt; Options, then take a test and press QUIT: the test will show here.</source>
        <translation>Tests werden nur gespeichert, solange „Ergebnisse speichern“ angehakt ist. Dazu unter Extras &gt; Optionen das Häkchen setzen, dann einen Test machen und auf BEENDEN drücken: Der Test erscheint dann hier.</translation>
    </message>
    <message>
        <source>Take a test and press QUIT when it is done: the test will show here. Tests saved earlier in a results file can be brought in with &quot;Import Results File...&quot;.</source>
        <translation>Einen Test machen und am Ende auf BEENDEN drücken: Der Test erscheint dann hier. Tests, die früher in einer Ergebnisdatei gespeichert wurden, lassen sich mit „Ergebnisdatei importieren...“ übernehmen.</translation>
    </message>
    <message>
        <source>Other tables:
</source>
        <translation>Andere Reihen:
</translation>
    </message>
    <message>
        <source>Import Results File</source>
        <translation>Ergebnisdatei importieren</translation>
    </message>
    <message>
        <source>Print Practice Sheet</source>
        <translation>Übungsblatt drucken</translation>
    </message>
    <message>
        <source>The log keeps no questions of %1 yet (tests brought in from a results file have none), so there is nothing to practise. The questions of every test taken from now on are kept.</source>
        <translation>Das Protokoll enthält noch keine Aufgaben von %1 (aus einer Ergebnisdatei übernommene Tests haben keine), deshalb gibt es nichts zu üben. Von jetzt an werden die Aufgaben jedes Tests aufbewahrt.</translation>
    </message>
    <message>
        <source>Forget This Child</source>
        <translation>Dieses Kind vergessen</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Fortschritt von %1</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>%1 wird importiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The tests below are shown as they are kept; tests taken now cannot be added until the log can be written.</source>
        <translation>Die Tests unten werden so gezeigt, wie sie gespeichert sind; neue Tests können erst hinzugefügt werden, wenn das Protokoll geschrieben werden kann.</translation>
    </message>
    <message>
        <source>Only this computer&apos;s own log can be changed; switch to This Computer.</source>
        <translation>Nur das eigene Protokoll dieses Computers lässt sich ändern; dazu zu „Dieser Computer“ wechseln.</translation>
    </message>
    <message>
        <source>Practise on Scr&amp;een</source>
        <translation>Am Bildschirm &amp;üben</translation>
    </message>
</context>
<context>
    <name>numberlark::KnownFactsChart</name>
    <message>
        <source>Facts known, week by week</source>
        <translation>Sichere Aufgaben, Woche für Woche</translation>
    </message>
    <message>
        <source>Facts known</source>
        <translation>Sichere Aufgaben</translation>
    </message>
</context>
<context>
    <name>numberlark::PracticeSettingsDialog</name>
    <message>
        <source>Practice Settings</source>
        <translation>Übungseinstellungen</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit (right at the first try is enough)</source>
        <translation>Ohne Zeitgrenze (richtig beim ersten Versuch genügt)</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A fact counts as known when it is answered right at the first try within the time limit. A session ends after its length or %n questions, whichever comes first.</source>
        <translation>
            <numerusform>Eine Aufgabe gilt als gekonnt, wenn sie beim ersten Versuch innerhalb der Zeitgrenze richtig beantwortet wird. Eine Übung endet nach ihrer Länge oder nach %n Frage, je nachdem, was zuerst eintritt.</numerusform>
            <numerusform>Eine Aufgabe gilt als gekonnt, wenn sie beim ersten Versuch innerhalb der Zeitgrenze richtig beantwortet wird. Eine Übung endet nach ihrer Länge oder nach %n Fragen, je nachdem, was zuerst eintritt.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Time limit for a known fact:</source>
        <translation>&amp;Zeitgrenze für eine gekonnte Aufgabe:</translation>
    </message>
    <message>
        <source>&amp;Length of a session:</source>
        <translation>&amp;Länge einer Übung:</translation>
    </message>
</context>
<context>
    <name>numberlark::ProgressChart</name>
    <message>
        <source>Seconds per question over time</source>
        <translation>Sekunden pro Aufgabe im Zeitverlauf</translation>
    </message>
    <message>
        <source>%1
%2: %3 seconds for %4 questions
%5 seconds per question</source>
        <extracomment>A point&apos;s tip: date; table: seconds for questions; seconds per question.</extracomment>
        <translation>%1
%2: %3 Sekunden für %4 Aufgaben
%5 Sekunden pro Aufgabe</translation>
    </message>
    <message>
        <source>seconds per question</source>
        <translation>Sekunden pro Aufgabe</translation>
    </message>
    <message>
        <source>Each test</source>
        <translation>Jeder Test</translation>
    </message>
    <message>
        <source>Median of each week</source>
        <translation>Median jeder Woche</translation>
    </message>
    <message>
        <source>Practice day</source>
        <translation>Übungstag</translation>
    </message>
</context>
<context>
    <name>numberlark::QuestionPage</name>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
</context>
<context>
    <name>numberlark::SummaryPage</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Well done, %1! You answered 1 question.</source>
        <translation>Gut gemacht, %1! Du hast 1 Frage beantwortet.</translation>
    </message>
    <message numerus="yes">
        <source>Well done, %1! You answered %n questions.</source>
        <translation>
            <numerusform>Gut gemacht, %1! Du hast %n Frage beantwortet.</numerusform>
            <numerusform>Gut gemacht, %1! Du hast %n Fragen beantwortet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every try helps: the facts you practised will come back.</source>
        <translation>Jeder Versuch hilft: Die geübten Aufgaben kommen wieder.</translation>
    </message>
    <message>
        <source>1 fact you know now:</source>
        <translation>1 Aufgabe kannst du jetzt:</translation>
    </message>
    <message numerus="yes">
        <source>%n facts you know now:</source>
        <translation>
            <numerusform>%n Aufgabe kannst du jetzt:</numerusform>
            <numerusform>%n Aufgaben kannst du jetzt:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>numberlark::TestFlow</name>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>richtig</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>numberlark::TestsModel</name>
    <message>
        <source>date unknown</source>
        <translation>Datum unbekannt</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Questions answered of the questions set, e.g. &quot;7 of 10&quot;.</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>not kept</source>
        <translation>nicht erfasst</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Sekunden pro Aufgabe</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>numberlark::TrendPanel</name>
    <message>
        <source>Tables shown</source>
        <translation>Gezeigte Reihen</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>All tables</source>
        <translation>Alle Reihen</translation>
    </message>
    <message>
        <source>%1 times table</source>
        <translation>%1er-Reihe</translation>
    </message>
</context>
<context>
    <name>numberlark::URLLink</name>
    <message>
        <source>This is not an address that can be opened</source>
        <translation>Diese Adresse lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>No program could be started to open it</source>
        <translation>Es ließ sich kein Programm zum Öffnen starten</translation>
    </message>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <extracomment>%1 the address, %2 why it failed, %3 the error number.</extracomment>
        <translation>„%1“ kann nicht geladen werden: %2 (Fehler %3)</translation>
    </message>
</context>
<context>
    <name>numberlark::WhoPage</name>
    <message>
        <source>Who is practising?</source>
        <translation>Wer übt?</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Dein &amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Los</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>For grown-ups: how long a session lasts and how quick an answer must be.</source>
        <translation>Für Erwachsene: wie lange eine Übung dauert und wie schnell eine Antwort sein muss.</translation>
    </message>
    <message>
        <source>Nothing practised now will be remembered. A grown-up can turn on &quot;Save results on disk&quot; in Tools &gt; Options... to keep it.</source>
        <translation>Was jetzt geübt wird, wird nicht gespeichert. Ein Erwachsener kann dafür „Ergebnisse speichern“ unter Extras &gt; Optionen... einschalten.</translation>
    </message>
</context>
</TS>
