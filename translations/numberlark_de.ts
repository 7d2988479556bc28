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
        <source>Printing Error</source>
        <translation>Druckfehler</translation>
    </message>
    <message>
        <source>Would you like to save the certificate as a PDF file instead? You can print the PDF later, or on another computer.</source>
        <translation>Möchtest du die Urkunde stattdessen als PDF-Datei speichern? Du kannst das PDF später oder an einem anderen Computer drucken.</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>Save Certificate as PDF</source>
        <translation>Urkunde als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Numberlark certificate</source>
        <translation>Numberlark-Urkunde</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error.</source>
        <translation>Der Drucker „%1“ hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>Der Drucker „%1“ konnte nicht gestartet werden.</translation>
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
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Whiteboard</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>Numberlark</source>
        <translation>Numberlark</translation>
    </message>
    <message>
        <source>This question is</source>
        <translation>Das ist Aufgabe</translation>
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
        <source>Numberlark certificate</source>
        <translation>Numberlark-Urkunde</translation>
    </message>
    <message>
        <source>The certificate could not be written to &quot;%1&quot;: %2</source>
        <translation>Die Urkunde konnte nicht in „%1“ geschrieben werden: %2</translation>
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
        <source>&amp;Quit Without Saving</source>
        <translation>&amp;Beenden ohne Speichern</translation>
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
</TS>
