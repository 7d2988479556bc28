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
        <source>Printing Error</source>
        <translation>Błąd drukowania</translation>
    </message>
    <message>
        <source>Would you like to save the certificate as a PDF file instead? You can print the PDF later, or on another computer.</source>
        <translation>Czy zapisać dyplom jako plik PDF? PDF można wydrukować później albo na innym komputerze.</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Zapisz jako PDF...</translation>
    </message>
    <message>
        <source>Save Certificate as PDF</source>
        <translation>Zapisz dyplom jako PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Numberlark certificate</source>
        <translation>Dyplom Numberlark</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error.</source>
        <translation>Drukarka „%1” zgłosiła błąd.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>Nie udało się uruchomić drukarki „%1”.</translation>
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
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>Whiteboard</source>
        <translation>Tablica</translation>
    </message>
    <message>
        <source>Numberlark</source>
        <translation>Numberlark</translation>
    </message>
    <message>
        <source>This question is</source>
        <translation>To jest pytanie</translation>
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
        <source>Numberlark certificate</source>
        <translation>Dyplom Numberlark</translation>
    </message>
    <message>
        <source>The certificate could not be written to &quot;%1&quot;: %2</source>
        <translation>Nie udało się zapisać dyplomu w pliku „%1”: %2</translation>
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
        <source>&amp;Quit Without Saving</source>
        <translation>&amp;Wyjdź bez zapisywania</translation>
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
</TS>
