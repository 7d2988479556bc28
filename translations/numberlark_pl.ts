<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CertificatePage</name>
    <message numerus="yes">
        <source>Completed%1 questions from the</source>
        <extracomment>The line above the times table&apos;s number; %1 is the number of questions with a space in front.</extracomment>
        <translation>
            <numerusform>za%1 pytanie z tabliczki mnożenia przez</numerusform>
            <numerusform>za%1 pytania z tabliczki mnożenia przez</numerusform>
            <numerusform>za%1 pytań z tabliczki mnożenia przez</numerusform>
        </translation>
    </message>
    <message>
        <source>Mixed</source>
        <extracomment>Printed large where the times table&apos;s number stands otherwise.</extracomment>
        <translation>różne</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds</source>
        <extracomment>The time printed large; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>%1 sekunda</numerusform>
            <numerusform>%1 sekundy</numerusform>
            <numerusform>%1 sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Here is your NumberLark certificate to cut out and paste into your exercise book:</source>
        <translation>Oto twój dyplom NumberLark do wycięcia i wklejenia do zeszytu:</translation>
    </message>
    <message>
        <source>NUMBERLARK</source>
        <translation>NUMBERLARK</translation>
    </message>
    <message>
        <source>This is to certify that</source>
        <translation>Ten dyplom otrzymuje</translation>
    </message>
    <message>
        <source>times table in a time of:</source>
        <translation>w czasie:</translation>
    </message>
    <message>
        <source>Here are some more questions for you to try to improve your speed:</source>
        <translation>Oto więcej pytań do ćwiczenia szybkości:</translation>
    </message>
</context>
<context>
    <name>CertificatePrinter</name>
    <message>
        <source>Would you like to save the certificate as a PDF file instead? You can print the PDF later, or on another computer.</source>
        <translation>Czy zapisać dyplom jako plik PDF? PDF można wydrukować później albo na innym komputerze.</translation>
    </message>
    <message>
        <source>Save Certificate as PDF</source>
        <translation>Zapisz dyplom jako PDF</translation>
    </message>
    <message>
        <source>Numberlark certificate</source>
        <translation>Dyplom Numberlark</translation>
    </message>
    <message>
        <source>Numberlark certificate.pdf</source>
        <translation>Dyplom Numberlark.pdf</translation>
    </message>
    <message>
        <source>Numberlark certificate - %1.pdf</source>
        <extracomment>The suggested file name; %1 is the child&apos;s name.</extracomment>
        <translation>Dyplom Numberlark - %1.pdf</translation>
    </message>
    <message>
        <source>No printer is set up as the default on this computer, so the certificate cannot be printed.</source>
        <translation>Na tym komputerze nie ustawiono drukarki domyślnej, więc nie można wydrukować dyplomu.</translation>
    </message>
    <message>
        <source>The certificate could not be sent to the printer &quot;%1&quot;.</source>
        <translation>Nie udało się wysłać dyplomu do drukarki „%1”.</translation>
    </message>
</context>
<context>
    <name>ClassTableCsv</name>
    <message>
        <source>Child</source>
        <translation>Dziecko</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Testy</translation>
    </message>
    <message>
        <source>Facts known</source>
        <translation>Opanowane działania</translation>
    </message>
</context>
<context>
    <name>ClassroomProblem</name>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed on this computer.</source>
        <translation>Sterownik PostgreSQL biblioteki Qt nie jest zainstalowany na tym komputerze.</translation>
    </message>
    <message>
        <source>The classroom server setting cannot be used; ask the administrator.</source>
        <translation>Ustawienia serwera klasy nie można użyć; zapytaj administratora.</translation>
    </message>
    <message>
        <source>The school&apos;s server cannot be reached.</source>
        <translation>Nie można połączyć się z serwerem szkoły.</translation>
    </message>
    <message>
        <source>The school&apos;s server refused this computer&apos;s login.</source>
        <translation>Serwer szkoły odrzucił logowanie tego komputera.</translation>
    </message>
    <message>
        <source>The school&apos;s server is not set up for Numberlark; ask the administrator.</source>
        <translation>Serwer szkoły nie jest przygotowany dla programu Numberlark; zapytaj administratora.</translation>
    </message>
    <message>
        <source>The school&apos;s server is set up for a newer Numberlark; please update this program.</source>
        <translation>Serwer szkoły jest przygotowany dla nowszej wersji programu Numberlark; zaktualizuj ten program.</translation>
    </message>
    <message>
        <source>The school&apos;s server refused the results.</source>
        <translation>Serwer szkoły odrzucił wyniki.</translation>
    </message>
    <message>
        <source>The school&apos;s server is not known by that name on this network; ask the administrator.</source>
        <translation>Serwer szkoły nie jest znany pod tą nazwą w tej sieci; zapytaj administratora.</translation>
    </message>
    <message>
        <source>The secure connection (TLS) to the school&apos;s server was refused; ask the administrator.</source>
        <translation>Bezpieczne połączenie (TLS) z serwerem szkoły zostało odrzucone; zapytaj administratora.</translation>
    </message>
    <message>
        <source>the server holds another row with the same key</source>
        <translation>serwer ma już inny wiersz z tym samym kluczem</translation>
    </message>
    <message>
        <source>it refers to something the server does not hold</source>
        <translation>odwołuje się do czegoś, czego serwer nie ma</translation>
    </message>
    <message>
        <source>a check on the server does not accept its values</source>
        <translation>kontrola na serwerze nie przyjmuje jego wartości</translation>
    </message>
    <message>
        <source>a value the server requires is missing</source>
        <translation>brakuje wartości wymaganej przez serwer</translation>
    </message>
    <message>
        <source>a value is outside what the server accepts</source>
        <translation>wartość wykracza poza to, co serwer przyjmuje</translation>
    </message>
    <message>
        <source>the server&apos;s rules do not accept it</source>
        <translation>reguły serwera go nie przyjmują</translation>
    </message>
    <message>
        <source>The school&apos;s server does not answer.</source>
        <translation>Serwer szkoły nie odpowiada.</translation>
    </message>
    <message>
        <source>The connection to the school&apos;s server keeps dropping.</source>
        <translation>Połączenie z serwerem szkoły ciągle się zrywa.</translation>
    </message>
    <message>
        <source>The school&apos;s server stopped answering.</source>
        <translation>Serwer szkoły przestał odpowiadać.</translation>
    </message>
    <message>
        <source>The school&apos;s server is set up for an older Numberlark; tests wait on this computer until the administrator upgrades it.</source>
        <translation>Serwer szkoły jest skonfigurowany dla starszego Numberlarka; testy czekają na tym komputerze, aż administrator go zaktualizuje.</translation>
    </message>
</context>
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>Nie udało się uruchomić drukarki „%1”.</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Błąd drukowania</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Zapisz jako PDF...</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The printer does not answer.</source>
        <translation>Drukarka nie odpowiada.</translation>
    </message>
</context>
<context>
    <name>FactGradeStyle</name>
    <message>
        <source>Known</source>
        <translation>Opanowane</translation>
    </message>
    <message>
        <source>Getting there</source>
        <translation>Na dobrej drodze</translation>
    </message>
    <message>
        <source>Tricky</source>
        <translation>Trudne</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <translation>Jeszcze nie było</translation>
    </message>
    <message>
        <source>right first time and quick</source>
        <translation>dobrze za pierwszym razem i szybko</translation>
    </message>
    <message>
        <source>right, but slow or not always first time</source>
        <translation>dobrze, ale wolno lub nie zawsze od razu</translation>
    </message>
    <message>
        <source>often wrong</source>
        <translation>często źle</translation>
    </message>
    <message>
        <source>no questions yet</source>
        <translation>jeszcze bez pytań</translation>
    </message>
    <message>
        <source>never asked</source>
        <translation>nigdy nie zadane</translation>
    </message>
    <message>
        <source>asked once</source>
        <translation>zadane raz</translation>
    </message>
    <message numerus="yes">
        <source>asked %n times</source>
        <translation>
            <numerusform>zadane %n raz</numerusform>
            <numerusform>zadane %n razy</numerusform>
            <numerusform>zadane %n razy</numerusform>
        </translation>
    </message>
    <message>
        <source>never right first time</source>
        <translation>nigdy dobrze za pierwszym razem</translation>
    </message>
    <message>
        <source>right first time once</source>
        <translation>raz dobrze za pierwszym razem</translation>
    </message>
    <message numerus="yes">
        <source>right first time %n times</source>
        <translation>
            <numerusform>%n raz dobrze za pierwszym razem</numerusform>
            <numerusform>%n razy dobrze za pierwszym razem</numerusform>
            <numerusform>%n razy dobrze za pierwszym razem</numerusform>
        </translation>
    </message>
    <message>
        <source>no wrong answers</source>
        <translation>bez błędnych odpowiedzi</translation>
    </message>
    <message>
        <source>1 wrong answer</source>
        <translation>1 błędna odpowiedź</translation>
    </message>
    <message numerus="yes">
        <source>%n wrong answers</source>
        <translation>
            <numerusform>%n błędna odpowiedź</numerusform>
            <numerusform>%n błędne odpowiedzi</numerusform>
            <numerusform>%n błędnych odpowiedzi</numerusform>
        </translation>
    </message>
    <message>
        <source>median time %1 seconds</source>
        <translation>mediana czasu: %1 s</translation>
    </message>
    <message>
        <source>%1 times %2: %3, %4</source>
        <translation>%1 razy %2: %3, %4</translation>
    </message>
    <message>
        <source>%1 times %2, %3</source>
        <extracomment>A square of the facts grid read aloud: &quot;4 times 9, Tricky&quot;.</extracomment>
        <translation>%1 razy %2, %3</translation>
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
        <translation>Inna tabliczka</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Odpowiedź</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>A Numberlark program</source>
        <translation>Program Numberlark</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Dyplom</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds</source>
        <extracomment>The time on the certificate screen; %1 is the number with a space in front of it (none before a minus sign). Joined after &quot;in&quot;.</extracomment>
        <translation>
            <numerusform>%1 sekundę</numerusform>
            <numerusform>%1 sekundy</numerusform>
            <numerusform>%1 sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of%2</source>
        <extracomment>Which question this is, out of how many: &quot;3 of 20&quot;. %2 has a space in front.</extracomment>
        <translation>%1 z%2</translation>
    </message>
    <message numerus="yes">
        <source>You completed%1 mixed tables questions in%2</source>
        <extracomment>%1 the number of questions and %2 the time (&quot;95 seconds&quot;), each with a space in front.</extracomment>
        <translation>
            <numerusform>Masz za sobą%1 pytanie z różnych tabliczek w%2</numerusform>
            <numerusform>Masz za sobą%1 pytania z różnych tabliczek w%2</numerusform>
            <numerusform>Masz za sobą%1 pytań z różnych tabliczek w%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You completed%1 of the%2 times table questions in%3</source>
        <extracomment>%1 the number of questions, %2 the times table (7 for the seven times table) and %3 the time (&quot;95 seconds&quot;), each with a space in front.</extracomment>
        <translation>
            <numerusform>Masz za sobą%1 pytanie z tabliczki mnożenia przez%2 w%3</numerusform>
            <numerusform>Masz za sobą%1 pytania z tabliczki mnożenia przez%2 w%3</numerusform>
            <numerusform>Masz za sobą%1 pytań z tabliczki mnożenia przez%2 w%3</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a times table between -%1 and %2.</source>
        <translation>Wpisz tabliczkę od -%1 do %2.</translation>
    </message>
    <message>
        <source>on %1 at %2</source>
        <extracomment>The date line of the certificate: %1 the date, %2 the time of day.</extracomment>
        <translation>dnia %1 o %2</translation>
    </message>
    <message>
        <source>How fast can you answer 20 times table questions?<byte value="xd"/><byte value="xd"/>This program will time you. Choose the times table you want to practise the press the TEST button.<byte value="xd"/><byte value="xd"/>Good Luck!</source>
        <translation>Jak szybko odpowiesz na 20 pytań z tabliczki mnożenia?<byte value="xd"/><byte value="xd"/>Program zmierzy twój czas. Wybierz tabliczkę, którą chcesz ćwiczyć, i naciśnij przycisk TEST.<byte value="xd"/><byte value="xd"/>Powodzenia!</translation>
    </message>
    <message>
        <source>A clock radio; its display shows the seconds</source>
        <translation>Radiobudzik; jego wyświetlacz pokazuje sekundy</translation>
    </message>
    <message>
        <source>A whiteboard between an elephant in a suit and a donkey holding a pen</source>
        <translation>Tablica między słoniem w garniturze a osiołkiem trzymającym pisak</translation>
    </message>
    <message>
        <source>Numberlark, in yellow capitals</source>
        <translation>Numberlark, żółtymi wielkimi literami</translation>
    </message>
    <message>
        <source>A sign that reads: This question is</source>
        <translation>Szyld z napisem: To jest pytanie</translation>
    </message>
</context>
<context>
    <name>ModuleLoader</name>
    <message>
        <source>%1: not found</source>
        <translation>%1: nie znaleziono</translation>
    </message>
    <message>
        <source>%1: not a Numberlark module with %2</source>
        <extracomment>%1 is the module&apos;s file, %2 the name of the function it should export.</extracomment>
        <translation>%1: to nie jest moduł programu Numberlark z %2</translation>
    </message>
    <message>
        <source>Numberlark could not load its module %1:
%2</source>
        <extracomment>%1 is the module&apos;s file name; %2 lists where it was looked for, and why it failed there.</extracomment>
        <translation>Numberlark nie mógł wczytać swojego modułu %1:
%2</translation>
    </message>
    <message>
        <source>%1: damaged: the file is cut short (%2 bytes where %3 are needed)</source>
        <extracomment>%1 is the module&apos;s file; %2 and %3 are numbers of bytes.</extracomment>
        <translation>%1: uszkodzony: plik jest niekompletny (%2 bajtów, a potrzeba %3)</translation>
    </message>
    <message>
        <source>%1: not a Numberlark module</source>
        <translation>%1: to nie jest moduł programu Numberlark</translation>
    </message>
    <message>
        <source>%1: cannot be checked: %2 is missing or unreadable</source>
        <extracomment>%1 is the module&apos;s file, %2 the file that records what it was built with.</extracomment>
        <translation>%1: nie można sprawdzić: brak pliku %2 lub nie można go odczytać</translation>
    </message>
    <message>
        <source>%1: damaged: it is not the module that was built</source>
        <translation>%1: uszkodzony: to nie jest moduł, który został zbudowany</translation>
    </message>
</context>
<context>
    <name>PainterCanvas</name>
    <message>
        <source>The page could not be started.</source>
        <translation>Nie udało się rozpocząć strony.</translation>
    </message>
    <message>
        <source>The page is not open for drawing.</source>
        <translation>Strona nie jest otwarta do rysowania.</translation>
    </message>
    <message>
        <source>Invalid font size %1.</source>
        <translation>Nieprawidłowy rozmiar czcionki: %1.</translation>
    </message>
    <message>
        <source>The picture %1 could not be drawn.</source>
        <translation>Nie udało się narysować obrazka %1.</translation>
    </message>
    <message>
        <source>The page could not be finished.</source>
        <translation>Nie udało się dokończyć strony.</translation>
    </message>
</context>
<context>
    <name>PdfDocument</name>
    <message>
        <source>The certificate could not be saved as &quot;%1&quot;: %2</source>
        <translation>Nie udało się zapisać dyplomu jako „%1”: %2</translation>
    </message>
    <message>
        <source>The certificate could not be written to &quot;%1&quot;: %2</source>
        <translation>Nie udało się zapisać dyplomu w pliku „%1”: %2</translation>
    </message>
</context>
<context>
    <name>PracticeSeams</name>
    <message>
        <source>The progress log did not answer in time, so this practice may not have been kept.</source>
        <translation>Dziennik postępów nie odpowiedział na czas, więc to ćwiczenie mogło nie zostać zapisane.</translation>
    </message>
</context>
<context>
    <name>PracticeSheetPage</name>
    <message>
        <source>Numberlark practice sheet</source>
        <translation>Karta ćwiczeń Numberlark</translation>
    </message>
    <message>
        <source>Numberlark practice sheet for %1</source>
        <translation>Karta ćwiczeń Numberlark – %1</translation>
    </message>
    <message>
        <source>These are the questions you find trickiest. Try them again and again!</source>
        <translation>To pytania, które sprawiają ci najwięcej kłopotu. Ćwicz je znowu i znowu!</translation>
    </message>
</context>
<context>
    <name>PracticeSheetPrinter</name>
    <message>
        <source>No printer is set up as the default on this computer, so the practice sheet cannot be printed.</source>
        <translation>Na tym komputerze nie ustawiono drukarki domyślnej, więc nie można wydrukować karty ćwiczeń.</translation>
    </message>
    <message>
        <source>Save Practice Sheet as PDF</source>
        <translation>Zapisz kartę ćwiczeń jako PDF</translation>
    </message>
    <message>
        <source>Numberlark practice sheet</source>
        <translation>Karta ćwiczeń Numberlark</translation>
    </message>
    <message>
        <source>Would you like to save the practice sheet as a PDF file instead?</source>
        <translation>Czy zapisać kartę ćwiczeń jako plik PDF?</translation>
    </message>
    <message>
        <source>The practice sheet could not be sent to the printer &quot;%1&quot;.</source>
        <translation>Nie udało się wysłać karty ćwiczeń do drukarki „%1”.</translation>
    </message>
    <message>
        <source>The practice sheet could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Nie udało się zapisać karty ćwiczeń jako „%1”: %2</translation>
    </message>
    <message>
        <source>The practice sheet could not be written to &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Nie udało się zapisać karty ćwiczeń w pliku „%1”: %2</translation>
    </message>
</context>
<context>
    <name>PracticeTexts</name>
    <message>
        <source>Not yet. %1 times %2 is %3. Type %3 to go on.</source>
        <extracomment>Read aloud after a wrong answer to %1 x %2: its answer %3, which the child types to go on.</extracomment>
        <translation>Jeszcze nie. %1 razy %2 to %3. Wpisz %3, aby iść dalej.</translation>
    </message>
    <message>
        <source>Type %1 to go on.</source>
        <extracomment>After a wrong answer the child types the right answer, %1, to go on.</extracomment>
        <translation>Wpisz %1, aby iść dalej.</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>dobrze</translation>
    </message>
    <message>
        <source>not yet</source>
        <extracomment>Said after a wrong answer in practice: gentle, not &quot;wrong&quot;.</extracomment>
        <translation>jeszcze nie</translation>
    </message>
    <message>
        <source>Come back tomorrow to practise again.</source>
        <translation>Wróć jutro, żeby znowu poćwiczyć.</translation>
    </message>
    <message numerus="yes">
        <source>See you tomorrow: %n minutes of practice.</source>
        <translation>
            <numerusform>Do jutra: %n minuta ćwiczeń.</numerusform>
            <numerusform>Do jutra: %n minuty ćwiczeń.</numerusform>
            <numerusform>Do jutra: %n minut ćwiczeń.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>See you on %1: %n minutes of practice.</source>
        <extracomment>%1 is a date (&quot;Friday, 11 December 2026&quot;).</extracomment>
        <translation>
            <numerusform>Do zobaczenia %1: %n minuta ćwiczeń.</numerusform>
            <numerusform>Do zobaczenia %1: %n minuty ćwiczeń.</numerusform>
            <numerusform>Do zobaczenia %1: %n minut ćwiczeń.</numerusform>
        </translation>
    </message>
    <message>
        <source>That&apos;s all for today: you have done every fact that was due.</source>
        <translation>To wszystko na dziś: wszystkie zaplanowane działania są już zrobione.</translation>
    </message>
</context>
<context>
    <name>PracticeWindowLoader</name>
    <message>
        <source>Practice</source>
        <translation>Ćwiczenie</translation>
    </message>
    <message>
        <source>The practice window could not be opened.

%1

Installing Numberlark again should bring it back.</source>
        <translation>Nie udało się otworzyć okna ćwiczeń.

%1

Ponowna instalacja programu Numberlark powinna to naprawić.</translation>
    </message>
</context>
<context>
    <name>PrintQueue</name>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>Drukarka „%1” jest niedostępna.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available (%2).</source>
        <translation>Drukarka „%1” jest niedostępna (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped.</source>
        <translation>Drukarka „%1” jest zatrzymana.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped (%2).</source>
        <translation>Drukarka „%1” jest zatrzymana (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs.</source>
        <translation>Drukarka „%1” nie przyjmuje zadań.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs (%2).</source>
        <translation>Drukarka „%1” nie przyjmuje zadań (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the certificate.</source>
        <translation>Drukarka „%1” nie przyjęła dyplomu.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the certificate (%2).</source>
        <translation>Drukarka „%1” nie przyjęła dyplomu (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not print the certificate.</source>
        <translation>Drukarka „%1” nie mogła wydrukować dyplomu.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not print the certificate (%2).</source>
        <translation>Drukarka „%1” nie mogła wydrukować dyplomu (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is holding the certificate.</source>
        <translation>Drukarka „%1” wstrzymała drukowanie dyplomu.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is holding the certificate (%2).</source>
        <translation>Drukarka „%1” wstrzymała drukowanie dyplomu (%2).</translation>
    </message>
</context>
<context>
    <name>ProgressLog</name>
    <message>
        <source>The results file %1 could not be read: %2.</source>
        <translation>Nie udało się odczytać pliku wyników %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 jest plikiem, a nie folderem</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>nie udało się utworzyć folderu %1</translation>
    </message>
    <message>
        <source>The progress log could not be written: there is no folder for this user&apos;s data.</source>
        <translation>Nie udało się zapisać dziennika postępów: brak folderu na dane tego użytkownika.</translation>
    </message>
    <message>
        <source>The progress log %1 could not be written: %2.</source>
        <translation>Nie udało się zapisać dziennika postępów %1: %2.</translation>
    </message>
    <message>
        <source>The progress log %1 could not be opened: the SQLite driver for Qt is not installed.</source>
        <translation>Nie udało się otworzyć dziennika postępów %1: nie zainstalowano sterownika SQLite dla Qt.</translation>
    </message>
    <message>
        <source>The progress log %1 was written by a newer Numberlark. A newer Numberlark is needed to read it or add to it; it was left as it is.</source>
        <translation>Dziennik postępów %1 został zapisany przez nowszą wersję programu Numberlark. Do jego odczytu lub uzupełnienia potrzebna jest nowsza wersja; pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>it is not a Numberlark progress log</source>
        <translation>to nie jest dziennik postępów programu Numberlark</translation>
    </message>
    <message>
        <source>Another copy of Numberlark held the progress log %1 for too long (%2).</source>
        <translation>Inna kopia programu Numberlark zbyt długo zajmowała dziennik postępów %1 (%2).</translation>
    </message>
    <message>
        <source>The progress log %1 cannot be read (%2) and could not be set aside: %3.</source>
        <translation>Nie można odczytać dziennika postępów %1 (%2) ani zachować go pod inną nazwą: %3.</translation>
    </message>
    <message>
        <source>The progress log %1 could not be read (%2). It was kept as %3, and a new log was started.</source>
        <translation>Nie udało się odczytać dziennika postępów %1 (%2). Zachowano go jako %3 i rozpoczęto nowy dziennik.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
</context>
<context>
    <name>ProgressRecording</name>
    <message>
        <source>Progress</source>
        <translation>Postępy</translation>
    </message>
    <message>
        <source>This test was not added to the progress log.</source>
        <translation>Ten test nie został dodany do dziennika postępów.</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Facts to practise</source>
        <translation>Działania do ćwiczenia</translation>
    </message>
    <message>
        <source>Tricky: </source>
        <translation>Trudne: </translation>
    </message>
    <message>
        <source>Getting there: </source>
        <translation>Na dobrej drodze: </translation>
    </message>
    <message>
        <source>Other tables: </source>
        <translation>Inne tabliczki: </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabliczka</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Pytania</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Sekundy na pytanie</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Błędne odpowiedzi</translation>
    </message>
    <message>
        <source>Last tests</source>
        <translation>Ostatnie testy</translation>
    </message>
    <message>
        <source>Numberlark progress report</source>
        <translation>Raport postępów Numberlark</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Zapisz raport jako PDF</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <extracomment>Follows a list of facts: &quot;3 × 4, 6 × 7 and 5 more&quot;.</extracomment>
        <translation>
            <numerusform> i jeszcze %n</numerusform>
            <numerusform> i jeszcze %n</numerusform>
            <numerusform> i jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Nie udało się zapisać raportu jako „%1”: %2</translation>
    </message>
    <message>
        <source>The report could not be written to &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Nie udało się zapisać raportu w pliku „%1”: %2</translation>
    </message>
</context>
<context>
    <name>ProgressSeams</name>
    <message>
        <source>Import Results File</source>
        <translation>Importuj plik wyników</translation>
    </message>
    <message>
        <source>Results files (*.csv);;All files (*)</source>
        <translation>Pliki wyników (*.csv);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>ProgressTexts</name>
    <message>
        <source>(no name)</source>
        <translation>(bez imienia)</translation>
    </message>
    <message>
        <source>No tests</source>
        <translation>Brak testów</translation>
    </message>
    <message>
        <source>1 test</source>
        <translation>1 test</translation>
    </message>
    <message numerus="yes">
        <source>%n tests</source>
        <translation>
            <numerusform>%n test</numerusform>
            <numerusform>%n testy</numerusform>
            <numerusform>%n testów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1, %2 – %3</translation>
    </message>
    <message>
        <source> and others</source>
        <extracomment>Follows a list of line numbers: &quot;3, 8, 9, 12, 20 and others&quot;.</extracomment>
        <translation> i inne</translation>
    </message>
    <message>
        <source>1 line could not be read and was left out (line %1).</source>
        <translation>Nie udało się odczytać 1 wiersza, więc go pominięto (wiersz %1).</translation>
    </message>
    <message>
        <source>1 test was added to the log.</source>
        <translation>Do dziennika dodano 1 test.</translation>
    </message>
    <message numerus="yes">
        <source>%n tests were added to the log.</source>
        <translation>
            <numerusform>Do dziennika dodano %n test.</numerusform>
            <numerusform>Do dziennika dodano %n testy.</numerusform>
            <numerusform>Do dziennika dodano %n testów.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 line was in the log already.</source>
        <translation>1 wiersz był już w dzienniku.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were in the log already.</source>
        <translation>
            <numerusform>%n wiersz był już w dzienniku.</numerusform>
            <numerusform>%n wiersze były już w dzienniku.</numerusform>
            <numerusform>%n wierszy było już w dzienniku.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove every test of %1 from the progress log on this computer?

This cannot be undone. The results file (numberlark.csv) is left as it is.</source>
        <translation>Usunąć z dziennika postępów na tym komputerze wszystkie testy (%1)?

Tego nie można cofnąć. Plik wyników (numberlark.csv) pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>the tests taken with no name</source>
        <translation>zrobione bez imienia</translation>
    </message>
    <message numerus="yes">
        <source>%n lines could not be read and were left out (lines %1).</source>
        <extracomment>%1 lists the first line numbers, e.g. &quot;3, 8 and others&quot;.</extracomment>
        <translation>
            <numerusform>Nie udało się odczytać %n wiersza, więc go pominięto (wiersze %1).</numerusform>
            <numerusform>Nie udało się odczytać %n wierszy, więc je pominięto (wiersze %1).</numerusform>
            <numerusform>Nie udało się odczytać %n wierszy, więc je pominięto (wiersze %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The import was stopped before the end of the file. Importing the file again adds the rest.</source>
        <translation>Import zatrzymano przed końcem pliku. Ponowny import pliku doda resztę.</translation>
    </message>
    <message>
        <source>1 practice session</source>
        <translation>1 sesja ćwiczeń</translation>
    </message>
    <message numerus="yes">
        <source>%n practice sessions</source>
        <translation>
            <numerusform>%n sesja ćwiczeń</numerusform>
            <numerusform>%n sesje ćwiczeń</numerusform>
            <numerusform>%n sesji ćwiczeń</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuta</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
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
        <translation>%1 od %2</translation>
    </message>
    <message>
        <source>%1 and %2 since %3</source>
        <extracomment>&quot;12 tests and 4 practice sessions (20 minutes) since 3 March 2026&quot;</extracomment>
        <translation>%1 i %2 od %3</translation>
    </message>
    <message>
        <source>%1 s a question in the first week.</source>
        <translation>%1 s na pytanie w pierwszym tygodniu.</translation>
    </message>
    <message>
        <source>%1 s a question now, %2 s in the first week: faster.</source>
        <translation>Teraz %1 s na pytanie, w pierwszym tygodniu %2 s: szybciej.</translation>
    </message>
    <message>
        <source>%1 s a question now, %2 s in the first week: slower.</source>
        <translation>Teraz %1 s na pytanie, w pierwszym tygodniu %2 s: wolniej.</translation>
    </message>
    <message>
        <source>%1 s a question now, %2 s in the first week: about the same.</source>
        <translation>Teraz %1 s na pytanie, w pierwszym tygodniu %2 s: mniej więcej tak samo.</translation>
    </message>
    <message>
        <source>no practice</source>
        <translation>bez ćwiczeń</translation>
    </message>
    <message>
        <source>no fact newly known</source>
        <translation>brak nowo opanowanych działań</translation>
    </message>
    <message>
        <source>1 fact learnt</source>
        <translation>1 działanie opanowane</translation>
    </message>
    <message numerus="yes">
        <source>%n facts learnt</source>
        <translation>
            <numerusform>%n działanie opanowane</numerusform>
            <numerusform>%n działania opanowane</numerusform>
            <numerusform>%n działań opanowanych</numerusform>
        </translation>
    </message>
    <message>
        <source>In the last 30 days: %1; %2.</source>
        <extracomment>&quot;In the last 30 days: 4 practice sessions (20 minutes); 3 facts learnt: 7 × 8, ...&quot;</extracomment>
        <translation>W ostatnich 30 dniach: %1; %2.</translation>
    </message>
</context>
<context>
    <name>ProgressWindowLoader</name>
    <message>
        <source>Progress</source>
        <translation>Postępy</translation>
    </message>
    <message>
        <source>The progress window could not be opened.

%1

Installing Numberlark again should bring it back.</source>
        <translation>Nie udało się otworzyć okna postępów.

%1

Ponowna instalacja programu Numberlark powinna to naprawić.</translation>
    </message>
</context>
<context>
    <name>RecordJournal</name>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>Nie udało się zapisać %1: %2.</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>The file is locked by another program</source>
        <translation>Plik jest zablokowany przez inny program</translation>
    </message>
</context>
<context>
    <name>ResultsSaving</name>
    <message>
        <source>The result could not be saved in the file
%1

%2.</source>
        <extracomment>%1 is the file&apos;s full path, %2 the system&apos;s reason.</extracomment>
        <translation>Nie udało się zapisać wyniku w pliku
%1

%2.</translation>
    </message>
    <message>
        <source>Quit Without Saving</source>
        <translation>Wyjdź bez zapisywania</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>a folder of that name is in the way of the file</source>
        <translation>w miejscu pliku jest folder o tej nazwie</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>plik jest tylko do odczytu</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation>jego folder jest tylko do odczytu</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>nie udało się utworzyć jego folderu</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>nie udało się zapisać pliku</translation>
    </message>
</context>
<context>
    <name>SpokenTexts</name>
    <message>
        <source>%1 times %2</source>
        <extracomment>A question read aloud by a screen reader: &quot;9 times 4&quot; for 9 x 4.</extracomment>
        <translation>%1 razy %2</translation>
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
            <numerusform>Brawo! %n pytanie w %1. Wpisz swoje imię.</numerusform>
            <numerusform>Brawo! %n pytania w %1. Wpisz swoje imię.</numerusform>
            <numerusform>Brawo! %n pytań w %1. Wpisz swoje imię.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n sekundę</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TableChoice</name>
    <message>
        <source>2 times table</source>
        <translation>Razy 2</translation>
    </message>
    <message>
        <source>3 times table</source>
        <translation>Razy 3</translation>
    </message>
    <message>
        <source>4 times table</source>
        <translation>Razy 4</translation>
    </message>
    <message>
        <source>5 times table</source>
        <translation>Razy 5</translation>
    </message>
    <message>
        <source>6 times table</source>
        <translation>Razy 6</translation>
    </message>
    <message>
        <source>7 times table</source>
        <translation>Razy 7</translation>
    </message>
    <message>
        <source>8 times table</source>
        <translation>Razy 8</translation>
    </message>
    <message>
        <source>9 times table</source>
        <translation>Razy 9</translation>
    </message>
    <message>
        <source>10 times table</source>
        <translation>Razy 10</translation>
    </message>
    <message>
        <source>11 times table</source>
        <translation>Razy 11</translation>
    </message>
    <message>
        <source>12 times table</source>
        <translation>Razy 12</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mieszane</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inna</translation>
    </message>
</context>
<context>
    <name>TestFigures</name>
    <message>
        <source>Mixed tables</source>
        <translation>Różne tabliczki</translation>
    </message>
    <message>
        <source>Other: %1 times table</source>
        <translation>Inna: razy %1</translation>
    </message>
    <message>
        <source>%1 times table</source>
        <translation>Razy %1</translation>
    </message>
</context>
<context>
    <name>numberlark::CertificateScreen</name>
    <message>
        <source>Well Done</source>
        <translation>Brawo!</translation>
    </message>
    <message>
        <source>Type your name here..</source>
        <translation>Wpisz swoje imię..</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Twoje imię</translation>
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
        <translation>&lt;b&gt;Działania każdego dziecka&lt;/b&gt; (wiersz na dziecko, pole na działanie; wskaż pole, aby zobaczyć dane)</translation>
    </message>
    <message>
        <source>&lt;b&gt;The facts the class finds hardest&lt;/b&gt;</source>
        <translation>&lt;b&gt;Najtrudniejsze działania dla klasy&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Zadane</translation>
    </message>
    <message>
        <source>Right first time</source>
        <translation>Dobrze za pierwszym razem</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Błędne odpowiedzi</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Średni czas</translation>
    </message>
    <message>
        <source>The facts the class finds hardest</source>
        <translation>Najtrudniejsze działania dla klasy</translation>
    </message>
    <message>
        <source>Each child&apos;s facts</source>
        <translation>Działania każdego dziecka</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Testy</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Opanowane</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 sekundy</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassSource</name>
    <message>
        <source>Reading the class from the school&apos;s server...</source>
        <translation>Wczytywanie klasy z serwera szkoły...</translation>
    </message>
    <message>
        <source>Reading the tests of %1 from the school&apos;s server...</source>
        <translation>Wczytywanie testów: %1, z serwera szkoły...</translation>
    </message>
    <message>
        <source>The class cannot be shown: %1</source>
        <translation>Nie można pokazać klasy: %1</translation>
    </message>
    <message>
        <source>Whole Class</source>
        <translation>Cała klasa</translation>
    </message>
    <message>
        <source>The tests of %1 cannot be shown: %2</source>
        <translation>Nie można pokazać testów: %1. %2</translation>
    </message>
    <message>
        <source>Export for Spreadsheet</source>
        <translation>Eksportuj do arkusza kalkulacyjnego</translation>
    </message>
    <message>
        <source>class</source>
        <translation>klasa</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation>Pliki arkusza (*.csv)</translation>
    </message>
    <message>
        <source>The class could not be saved as %1.

%2</source>
        <translation>Nie udało się zapisać klasy jako %1.

%2</translation>
    </message>
    <message>
        <source>Progress of the whole school</source>
        <translation>Postępy całej szkoły</translation>
    </message>
    <message>
        <source>Progress of the whole class</source>
        <translation>Postępy całej klasy</translation>
    </message>
    <message>
        <source>Progress of class %1</source>
        <translation>Postępy klasy %1</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassSourceBar</name>
    <message>
        <source>This Co&amp;mputer</source>
        <translation>Ten ko&amp;mputer</translation>
    </message>
    <message>
        <source>Cl&amp;ass</source>
        <translation>Kl&amp;asa</translation>
    </message>
    <message>
        <source>&amp;Export for Spreadsheet...</source>
        <translation>Ek&amp;sportuj do arkusza kalkulacyjnego...</translation>
    </message>
    <message>
        <source>Connecting to the school&apos;s server...</source>
        <translation>Łączenie z serwerem szkoły...</translation>
    </message>
    <message>
        <source>This computer delivers its tests to the school&apos;s server; the whole class is shown with a teacher&apos;s login.</source>
        <translation>Ten komputer wysyła swoje testy na serwer szkoły; całą klasę widać po zalogowaniu jako nauczyciel.</translation>
    </message>
    <message>
        <source>The class cannot be shown: %1</source>
        <translation>Nie można pokazać klasy: %1</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>Spróbuj &amp;ponownie</translation>
    </message>
    <message>
        <source>The whole school.</source>
        <translation>Cała szkoła.</translation>
    </message>
    <message>
        <source>This login is in no class on the school&apos;s server, so no child is shown; ask the administrator to add it to a class.</source>
        <translation>Ten login nie należy do żadnej klasy na serwerze szkoły, więc nie widać żadnego dziecka; poproś administratora o dodanie go do klasy.</translation>
    </message>
    <message>
        <source>Class: %1.</source>
        <translation>Klasa: %1.</translation>
    </message>
    <message>
        <source>Classes: %1.</source>
        <translation>Klasy: %1.</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassTableModel</name>
    <message>
        <source>%1 times %2, %3</source>
        <translation>%1 razy %2, %3</translation>
    </message>
    <message>
        <source>Asked: %1</source>
        <translation>Zadane: %1</translation>
    </message>
    <message>
        <source>Right first time: %1</source>
        <translation>Dobrze za pierwszym razem: %1</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Błędne odpowiedzi: %1</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Testy</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Opanowane</translation>
    </message>
    <message>
        <source>Facts known</source>
        <translation>Opanowane działania</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassroomLine</name>
    <message numerus="yes">
        <source>Tests on their way to the school&apos;s server: %n.</source>
        <translation>
            <numerusform>Testy w drodze na serwer szkoły: %n.</numerusform>
            <numerusform>Testy w drodze na serwer szkoły: %n.</numerusform>
            <numerusform>Testy w drodze na serwer szkoły: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tests waiting to be delivered to the school&apos;s server: %n.</source>
        <translation>
            <numerusform>Testy czekające na wysłanie na serwer szkoły: %n.</numerusform>
            <numerusform>Testy czekające na wysłanie na serwer szkoły: %n.</numerusform>
            <numerusform>Testy czekające na wysłanie na serwer szkoły: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The school&apos;s server refused %1&apos;s practice of %2: %3. It is kept on this computer and sent again at the next start.</source>
        <translation>Serwer szkoły odrzucił ćwiczenie ucznia %1 z dnia %2: %3. Ćwiczenie zostaje na tym komputerze i zostanie wysłane ponownie przy następnym uruchomieniu.</translation>
    </message>
    <message>
        <source>The school&apos;s server refused %1&apos;s test of %2: %3. It is kept on this computer and sent again at the next start.</source>
        <translation>Serwer szkoły odrzucił test ucznia %1 z dnia %2: %3. Test zostaje na tym komputerze i zostanie wysłany ponownie przy następnym uruchomieniu.</translation>
    </message>
    <message numerus="yes">
        <source>Also refused and kept: %n more.</source>
        <translation>
            <numerusform>Odrzucone i zachowane: jeszcze %n.</numerusform>
            <numerusform>Odrzucone i zachowane: jeszcze %n.</numerusform>
            <numerusform>Odrzucone i zachowane: jeszcze %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>numberlark::DialProgressBar</name>
    <message>
        <source>Progress dial</source>
        <translation>Tarcza postępu</translation>
    </message>
    <message>
        <source>%1 of %2 answered</source>
        <translation>Odpowiedzi: %1 z %2</translation>
    </message>
</context>
<context>
    <name>numberlark::FactGridModel</name>
    <message>
        <source>times %1</source>
        <extracomment>Read out for a column (&quot;times 7&quot;) and a row (&quot;7 times&quot;) of the facts grid.</extracomment>
        <translation>razy %1</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 razy</translation>
    </message>
</context>
<context>
    <name>numberlark::Form1</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>Save Certificate &amp;As PDF...</source>
        <translation>Zapisz dyplom jako &amp;PDF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postępy</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Postępy...</translation>
    </message>
    <message>
        <source>P&amp;ractise...</source>
        <translation>Ć&amp;wicz...</translation>
    </message>
</context>
<context>
    <name>numberlark::FrmAbout</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Wersja %1.%2.%3</translation>
    </message>
    <message>
        <source>About Numberlark</source>
        <translation>O programie Numberlark</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&quot;Numberlark&quot;</source>
        <translation>„Numberlark”</translation>
    </message>
    <message>
        <source>Instructions at:</source>
        <translation>Instrukcja pod adresem:</translation>
    </message>
</context>
<context>
    <name>numberlark::FrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>&quot;Numberlark&quot;</source>
        <translation>„Numberlark”</translation>
    </message>
    <message>
        <source>Save results on disk</source>
        <translation>Zapisuj wyniki</translation>
    </message>
    <message>
        <source>Enable certificate printing</source>
        <translation>Drukowanie dyplomu</translation>
    </message>
    <message>
        <source>Enable Sound</source>
        <translation>Włącz dźwięk</translation>
    </message>
    <message>
        <source>Remember settings.</source>
        <translation>Zapisz ustawienia.</translation>
    </message>
    <message>
        <source>Number of questions</source>
        <translation>Liczba pytań</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>Pokaż wyniki</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type a whole number from -32768 to 32767. The number of questions stays at %1 until then.</source>
        <translation>Wpisz liczbę całkowitą od -32768 do 32767. Do tego czasu liczba pytań pozostaje równa %1.</translation>
    </message>
    <message>
        <source>There are no saved results yet.

The results file %1 is made when a test is quit with &quot;Save results on disk&quot; ticked.</source>
        <translation>Nie ma jeszcze zapisanych wyników.

Plik wyników %1 powstaje po zakończeniu testu z zaznaczonym polem „Zapisuj wyniki”.</translation>
    </message>
    <message>
        <source>%1 is not a file, so it cannot be shown.</source>
        <translation>%1 nie jest plikiem, więc nie można go pokazać.</translation>
    </message>
    <message>
        <source>The results file %1 could not be opened: no program to view it could be started.</source>
        <translation>Nie udało się otworzyć pliku wyników %1: nie można uruchomić programu do jego wyświetlenia.</translation>
    </message>
    <message>
        <source>the settings store</source>
        <translation>magazynie ustawień</translation>
    </message>
    <message>
        <source>The settings could not be remembered in %1: %2.

They apply until Numberlark ends. Press OK again once the problem is fixed, or close this window to keep them for this time only.</source>
        <translation>Nie udało się zapamiętać ustawień w %1: %2.

Będą obowiązywać do zamknięcia programu Numberlark. Naciśnij OK ponownie, gdy problem zostanie usunięty, albo zamknij to okno, aby zachować je tylko na ten raz.</translation>
    </message>
</context>
<context>
    <name>numberlark::FrmPractice</name>
    <message>
        <source>Practice</source>
        <translation>Ćwiczenie</translation>
    </message>
    <message>
        <source>Practice Settings</source>
        <translation>Ustawienia ćwiczeń</translation>
    </message>
    <message>
        <source>The practice settings could not be saved in %1: %2. They apply until the program ends.</source>
        <translation>Nie udało się zapisać ustawień ćwiczeń w %1: %2. Obowiązują do zamknięcia programu.</translation>
    </message>
    <message>
        <source>the settings store</source>
        <translation>magazynie ustawień</translation>
    </message>
    <message>
        <source>This practice was not remembered: &quot;Save results on disk&quot; is off in Tools &gt; Options...</source>
        <translation>To ćwiczenie nie zostało zapamiętane: opcja „Zapisuj wyniki” jest wyłączona w Narzędzia &gt; Opcje...</translation>
    </message>
    <message>
        <source>This practice could not be kept in the progress log.</source>
        <translation>Nie udało się zapisać tego ćwiczenia w dzienniku postępów.</translation>
    </message>
    <message>
        <source>Another copy of Numberlark is using the progress log, so this practice waits in %1 and goes into the log as soon as it is free.</source>
        <translation>Inna kopia programu Numberlark używa dziennika postępów, więc to ćwiczenie czeka w %1 i trafi do dziennika, gdy tylko będzie wolny.</translation>
    </message>
</context>
<context>
    <name>numberlark::FrmProgress</name>
    <message>
        <source>Progress</source>
        <translation>Postępy</translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation>&amp;Dziecko:</translation>
    </message>
    <message>
        <source>&amp;Import Results File...</source>
        <translation>&amp;Importuj plik wyników...</translation>
    </message>
    <message>
        <source>Print Practice &amp;Sheet</source>
        <translation>Drukuj &amp;kartę ćwiczeń</translation>
    </message>
    <message>
        <source>Save Practice Sheet as PDF...</source>
        <translation>Zapisz kartę ćwiczeń jako PDF...</translation>
    </message>
    <message>
        <source>Save &amp;Report as PDF...</source>
        <translation>Zapisz &amp;raport jako PDF...</translation>
    </message>
    <message>
        <source>&amp;Forget This Child...</source>
        <translation>&amp;Usuń dane dziecka...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Facts&lt;/b&gt; (point at a square for its figures)</source>
        <translation>&lt;b&gt;Działania&lt;/b&gt; (wskaż pole, aby zobaczyć dane)</translation>
    </message>
    <message>
        <source>Facts from 1 times 1 to 12 times 12</source>
        <translation>Działania od 1 razy 1 do 12 razy 12</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Testy</translation>
    </message>
    <message>
        <source>No tests have been kept on this computer yet.

</source>
        <translation>Na tym komputerze nie zapisano jeszcze żadnego testu.

</translation>
    </message>
    <message>
        <source>Tests are kept only while &quot;Save results on disk&quot; is ticked. Tick it in Tools &gt; Options, then take a test and press QUIT: the test will show here.</source>
        <translation>Testy są zapisywane tylko wtedy, gdy pole „Zapisuj wyniki” jest zaznaczone. Zaznacz je w menu Narzędzia &gt; Opcje, potem zrób test i naciśnij WYJDŹ: test pojawi się tutaj.</translation>
    </message>
    <message>
        <source>Take a test and press QUIT when it is done: the test will show here. Tests saved earlier in a results file can be brought in with &quot;Import Results File...&quot;.</source>
        <translation>Zrób test i naciśnij WYJDŹ, gdy się skończy: test pojawi się tutaj. Testy zapisane wcześniej w pliku wyników można wczytać przyciskiem „Importuj plik wyników...”.</translation>
    </message>
    <message>
        <source>Other tables:
</source>
        <translation>Inne tabliczki:
</translation>
    </message>
    <message>
        <source>Import Results File</source>
        <translation>Importuj plik wyników</translation>
    </message>
    <message>
        <source>Print Practice Sheet</source>
        <translation>Drukuj kartę ćwiczeń</translation>
    </message>
    <message>
        <source>The log keeps no questions of %1 yet (tests brought in from a results file have none), so there is nothing to practise. The questions of every test taken from now on are kept.</source>
        <translation>Dziennik nie zawiera jeszcze pytań z testów (%1) – testy wczytane z pliku wyników ich nie mają – więc nie ma czego ćwiczyć. Od teraz pytania z każdego testu będą zapisywane.</translation>
    </message>
    <message>
        <source>Forget This Child</source>
        <translation>Usuń dane dziecka</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Postępy: %1</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Importowanie %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The tests below are shown as they are kept; tests taken now cannot be added until the log can be written.</source>
        <translation>Poniższe testy są pokazane tak, jak zostały zapisane; nowych testów nie można dodać, dopóki do dziennika nie da się zapisywać.</translation>
    </message>
    <message>
        <source>Only this computer&apos;s own log can be changed; switch to This Computer.</source>
        <translation>Zmieniać można tylko dziennik tego komputera; przełącz na „Ten komputer”.</translation>
    </message>
    <message>
        <source>Practise on Scr&amp;een</source>
        <translation>Ćwicz na &amp;ekranie</translation>
    </message>
</context>
<context>
    <name>numberlark::KnownFactsChart</name>
    <message>
        <source>Facts known, week by week</source>
        <translation>Opanowane działania, tydzień po tygodniu</translation>
    </message>
    <message>
        <source>Facts known</source>
        <translation>Opanowane działania</translation>
    </message>
</context>
<context>
    <name>numberlark::PracticeSettingsDialog</name>
    <message>
        <source>Practice Settings</source>
        <translation>Ustawienia ćwiczeń</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit (right at the first try is enough)</source>
        <translation>Bez limitu (wystarczy dobra odpowiedź za pierwszym razem)</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A fact counts as known when it is answered right at the first try within the time limit. A session ends after its length or %n questions, whichever comes first.</source>
        <translation>
            <numerusform>Działanie jest opanowane, gdy odpowiedź jest dobra za pierwszym razem i w limicie czasu. Sesja kończy się po upływie swojego czasu albo po %n pytaniu, zależnie od tego, co nastąpi wcześniej.</numerusform>
            <numerusform>Działanie jest opanowane, gdy odpowiedź jest dobra za pierwszym razem i w limicie czasu. Sesja kończy się po upływie swojego czasu albo po %n pytaniach, zależnie od tego, co nastąpi wcześniej.</numerusform>
            <numerusform>Działanie jest opanowane, gdy odpowiedź jest dobra za pierwszym razem i w limicie czasu. Sesja kończy się po upływie swojego czasu albo po %n pytaniach, zależnie od tego, co nastąpi wcześniej.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Time limit for a known fact:</source>
        <translation>&amp;Limit czasu dla opanowanego działania:</translation>
    </message>
    <message>
        <source>&amp;Length of a session:</source>
        <translation>&amp;Długość sesji:</translation>
    </message>
</context>
<context>
    <name>numberlark::ProgressChart</name>
    <message>
        <source>Seconds per question over time</source>
        <translation>Sekundy na pytanie w czasie</translation>
    </message>
    <message>
        <source>%1
%2: %3 seconds for %4 questions
%5 seconds per question</source>
        <extracomment>A point&apos;s tip: date; table: seconds for questions; seconds per question.</extracomment>
        <translation>%1
%2: %3 s, liczba pytań: %4
%5 s na pytanie</translation>
    </message>
    <message>
        <source>seconds per question</source>
        <translation>sekundy na pytanie</translation>
    </message>
    <message>
        <source>Each test</source>
        <translation>Każdy test</translation>
    </message>
    <message>
        <source>Median of each week</source>
        <translation>Mediana każdego tygodnia</translation>
    </message>
    <message>
        <source>Practice day</source>
        <translation>Dzień ćwiczeń</translation>
    </message>
</context>
<context>
    <name>numberlark::QuestionPage</name>
    <message>
        <source>Answer</source>
        <translation>Odpowiedź</translation>
    </message>
</context>
<context>
    <name>numberlark::SummaryPage</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Well done, %1! You answered 1 question.</source>
        <translation>Brawo, %1! Odpowiedziałeś na 1 pytanie.</translation>
    </message>
    <message numerus="yes">
        <source>Well done, %1! You answered %n questions.</source>
        <translation>
            <numerusform>Brawo, %1! Odpowiedziałeś na %n pytanie.</numerusform>
            <numerusform>Brawo, %1! Odpowiedziałeś na %n pytania.</numerusform>
            <numerusform>Brawo, %1! Odpowiedziałeś na %n pytań.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every try helps: the facts you practised will come back.</source>
        <translation>Każda próba pomaga: przećwiczone działania jeszcze wrócą.</translation>
    </message>
    <message>
        <source>1 fact you know now:</source>
        <translation>1 działanie, które już umiesz:</translation>
    </message>
    <message numerus="yes">
        <source>%n facts you know now:</source>
        <translation>
            <numerusform>%n działanie, które już umiesz:</numerusform>
            <numerusform>%n działania, które już umiesz:</numerusform>
            <numerusform>%n działań, które już umiesz:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>numberlark::TestFlow</name>
    <message>
        <source>wrong</source>
        <translation>źle</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>dobrze</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>numberlark::TestsModel</name>
    <message>
        <source>date unknown</source>
        <translation>data nieznana</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Questions answered of the questions set, e.g. &quot;7 of 10&quot;.</extracomment>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>not kept</source>
        <translation>nie zapisano</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabliczka</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Pytania</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Sekundy na pytanie</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Błędne odpowiedzi</translation>
    </message>
</context>
<context>
    <name>numberlark::TrendPanel</name>
    <message>
        <source>Tables shown</source>
        <translation>Pokazane tabliczki</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>P&amp;okaż:</translation>
    </message>
    <message>
        <source>All tables</source>
        <translation>Wszystkie tabliczki</translation>
    </message>
    <message>
        <source>%1 times table</source>
        <translation>Razy %1</translation>
    </message>
</context>
<context>
    <name>numberlark::URLLink</name>
    <message>
        <source>This is not an address that can be opened</source>
        <translation>Tego adresu nie można otworzyć</translation>
    </message>
    <message>
        <source>No program could be started to open it</source>
        <translation>Nie udało się uruchomić programu, który by go otworzył</translation>
    </message>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <extracomment>%1 the address, %2 why it failed, %3 the error number.</extracomment>
        <translation>Nie można wczytać „%1”: %2 (błąd %3)</translation>
    </message>
</context>
<context>
    <name>numberlark::WhoPage</name>
    <message>
        <source>Who is practising?</source>
        <translation>Kto ćwiczy?</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Twoje &amp;imię:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>&amp;Ustawienia...</translation>
    </message>
    <message>
        <source>For grown-ups: how long a session lasts and how quick an answer must be.</source>
        <translation>Dla dorosłych: jak długo trwa sesja i jak szybka musi być odpowiedź.</translation>
    </message>
    <message>
        <source>Nothing practised now will be remembered. A grown-up can turn on &quot;Save results on disk&quot; in Tools &gt; Options... to keep it.</source>
        <translation>Nic z tego ćwiczenia nie zostanie zapamiętane. Dorosły może włączyć „Zapisuj wyniki” w Narzędzia &gt; Opcje..., aby to zachować.</translation>
    </message>
</context>
</TS>
