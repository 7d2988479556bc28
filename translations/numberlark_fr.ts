<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CertificatePage</name>
    <message numerus="yes">
        <source>Completed%1 questions from the</source>
        <extracomment>The line above the times table&apos;s number; %1 is the number of questions with a space in front.</extracomment>
        <translation>
            <numerusform>pour%1 question de la table de</numerusform>
            <numerusform>pour%1 questions de la table de</numerusform>
        </translation>
    </message>
    <message>
        <source>Mixed</source>
        <extracomment>Printed large where the times table&apos;s number stands otherwise.</extracomment>
        <translation>mixte</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds</source>
        <extracomment>The time printed large; %1 is the number of seconds.</extracomment>
        <translation>
            <numerusform>%1 seconde</numerusform>
            <numerusform>%1 secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Here is your NumberLark certificate to cut out and paste into your exercise book:</source>
        <translation>Voici ton diplôme NumberLark à découper et à coller dans ton cahier&#xa0;:</translation>
    </message>
    <message>
        <source>NUMBERLARK</source>
        <translation>NUMBERLARK</translation>
    </message>
    <message>
        <source>This is to certify that</source>
        <translation>Ce diplôme est décerné à</translation>
    </message>
    <message>
        <source>times table in a time of:</source>
        <translation>en un temps de&#xa0;:</translation>
    </message>
    <message>
        <source>Here are some more questions for you to try to improve your speed:</source>
        <translation>Voici d’autres questions pour t’entraîner à aller plus vite&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CertificatePrinter</name>
    <message>
        <source>Printing Error</source>
        <translation>Erreur d’impression</translation>
    </message>
    <message>
        <source>Would you like to save the certificate as a PDF file instead? You can print the PDF later, or on another computer.</source>
        <translation>Veux-tu plutôt enregistrer le diplôme dans un fichier PDF&#xa0;? Tu pourras imprimer le PDF plus tard, ou sur un autre ordinateur.</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>Save Certificate as PDF</source>
        <translation>Enregistrer le diplôme en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Numberlark certificate</source>
        <translation>Diplôme Numberlark</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» a signalé une erreur.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Numberlark certificate.pdf</source>
        <translation>Diplôme Numberlark.pdf</translation>
    </message>
    <message>
        <source>Numberlark certificate - %1.pdf</source>
        <extracomment>The suggested file name; %1 is the child&apos;s name.</extracomment>
        <translation>Diplôme Numberlark - %1.pdf</translation>
    </message>
    <message>
        <source>No printer is set up as the default on this computer, so the certificate cannot be printed.</source>
        <translation>Aucune imprimante par défaut n’est configurée sur cet ordinateur&#xa0;: le diplôme ne peut pas être imprimé.</translation>
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
        <translation>Autre table</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>A Numberlark program</source>
        <translation>Un programme Numberlark</translation>
    </message>
    <message>
        <source>Certificate</source>
        <translation>Diplôme</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Whiteboard</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Numberlark</source>
        <translation>Numberlark</translation>
    </message>
    <message>
        <source>This question is</source>
        <translation>Voici la question</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds</source>
        <extracomment>The time on the certificate screen; %1 is the number with a space in front of it (none before a minus sign). Joined after &quot;in&quot;.</extracomment>
        <translation>
            <numerusform>%1 seconde</numerusform>
            <numerusform>%1 secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of%2</source>
        <extracomment>Which question this is, out of how many: &quot;3 of 20&quot;. %2 has a space in front.</extracomment>
        <translation>%1 sur%2</translation>
    </message>
    <message numerus="yes">
        <source>You completed%1 mixed tables questions in%2</source>
        <extracomment>%1 the number of questions and %2 the time (&quot;95 seconds&quot;), each with a space in front.</extracomment>
        <translation>
            <numerusform>Tu as réussi%1 question de tables mélangées en%2</numerusform>
            <numerusform>Tu as réussi%1 questions de tables mélangées en%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You completed%1 of the%2 times table questions in%3</source>
        <extracomment>%1 the number of questions, %2 the times table (7 for the seven times table) and %3 the time (&quot;95 seconds&quot;), each with a space in front.</extracomment>
        <translation>
            <numerusform>Tu as réussi%1 question de la table de%2 en%3</numerusform>
            <numerusform>Tu as réussi%1 questions de la table de%2 en%3</numerusform>
        </translation>
    </message>
    <message>
        <source>Please type a times table between -%1 and %2.</source>
        <translation>Tape une table entre -%1 et %2, s’il te plaît.</translation>
    </message>
    <message>
        <source>on %1 at %2</source>
        <extracomment>The date line of the certificate: %1 the date, %2 the time of day.</extracomment>
        <translation>le %1 à %2</translation>
    </message>
    <message>
        <source>How fast can you answer 20 times table questions?<byte value="xd"/><byte value="xd"/>This program will time you. Choose the times table you want to practise the press the TEST button.<byte value="xd"/><byte value="xd"/>Good Luck!</source>
        <translation>Peux-tu répondre vite à 20 questions sur les tables&#xa0;?<byte value="xd"/><byte value="xd"/>Le programme te chronomètre. Choisis une table, puis appuie sur le bouton TEST.<byte value="xd"/><byte value="xd"/>Bonne chance&#xa0;!</translation>
    </message>
</context>
<context>
    <name>PainterCanvas</name>
    <message>
        <source>The page could not be started.</source>
        <translation>La page n’a pas pu être commencée.</translation>
    </message>
    <message>
        <source>The page is not open for drawing.</source>
        <translation>La page n’est pas ouverte pour le dessin.</translation>
    </message>
    <message>
        <source>Invalid font size %1.</source>
        <translation>Taille de police non valide&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The picture %1 could not be drawn.</source>
        <translation>L’image %1 n’a pas pu être dessinée.</translation>
    </message>
    <message>
        <source>The page could not be finished.</source>
        <translation>La page n’a pas pu être terminée.</translation>
    </message>
</context>
<context>
    <name>PdfDocument</name>
    <message>
        <source>The certificate could not be saved as &quot;%1&quot;: %2</source>
        <translation>Le diplôme n’a pas pu être enregistré sous «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Numberlark certificate</source>
        <translation>Diplôme Numberlark</translation>
    </message>
    <message>
        <source>The certificate could not be written to &quot;%1&quot;: %2</source>
        <translation>Le diplôme n’a pas pu être écrit dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ResultsSaving</name>
    <message>
        <source>The result could not be saved in the file
%1

%2.</source>
        <extracomment>%1 is the file&apos;s full path, %2 the system&apos;s reason.</extracomment>
        <translation>Le résultat n’a pas pu être enregistré dans le fichier
%1

%2.</translation>
    </message>
    <message>
        <source>&amp;Quit Without Saving</source>
        <translation>&amp;Quitter sans enregistrer</translation>
    </message>
</context>
<context>
    <name>TableChoice</name>
    <message>
        <source>2 times table</source>
        <translation>Table de 2</translation>
    </message>
    <message>
        <source>3 times table</source>
        <translation>Table de 3</translation>
    </message>
    <message>
        <source>4 times table</source>
        <translation>Table de 4</translation>
    </message>
    <message>
        <source>5 times table</source>
        <translation>Table de 5</translation>
    </message>
    <message>
        <source>6 times table</source>
        <translation>Table de 6</translation>
    </message>
    <message>
        <source>7 times table</source>
        <translation>Table de 7</translation>
    </message>
    <message>
        <source>8 times table</source>
        <translation>Table de 8</translation>
    </message>
    <message>
        <source>9 times table</source>
        <translation>Table de 9</translation>
    </message>
    <message>
        <source>10 times table</source>
        <translation>Table de 10</translation>
    </message>
    <message>
        <source>11 times table</source>
        <translation>Table de 11</translation>
    </message>
    <message>
        <source>12 times table</source>
        <translation>Table de 12</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
</context>
<context>
    <name>numberlark::CertificateScreen</name>
    <message>
        <source>Well Done</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Type your name here..</source>
        <translation>Écris ton nom ici..</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ton nom</translation>
    </message>
</context>
<context>
    <name>numberlark::Form1</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Save Certificate &amp;As PDF...</source>
        <translation>Enregistrer le diplôme en P&amp;DF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
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
        <translation>À propos de Numberlark</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&quot;Numberlark&quot;</source>
        <translation>«&#xa0;Numberlark&#xa0;»</translation>
    </message>
    <message>
        <source>Instructions at:</source>
        <translation>Mode d’emploi sur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>numberlark::FrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&quot;Numberlark&quot;</source>
        <translation>«&#xa0;Numberlark&#xa0;»</translation>
    </message>
    <message>
        <source>Save results on disk</source>
        <translation>Garder les résultats</translation>
    </message>
    <message>
        <source>Enable certificate printing</source>
        <translation>Imprimer le diplôme</translation>
    </message>
    <message>
        <source>Enable Sound</source>
        <translation>Activer le son</translation>
    </message>
    <message>
        <source>Remember settings.</source>
        <translation>Retenir les réglages.</translation>
    </message>
    <message>
        <source>Number of questions</source>
        <translation>Nombre de questions</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type a whole number from -32768 to 32767. The number of questions stays at %1 until then.</source>
        <translation>Tape un nombre entier de -32768 à 32767. En attendant, le nombre de questions reste à %1.</translation>
    </message>
    <message>
        <source>There are no saved results yet.

The results file %1 is made when a test is quit with &quot;Save results on disk&quot; ticked.</source>
        <translation>Il n’y a pas encore de résultats enregistrés.

Le fichier de résultats %1 est créé quand on quitte un test avec «&#xa0;Garder les résultats&#xa0;» coché.</translation>
    </message>
    <message>
        <source>%1 is not a file, so it cannot be shown.</source>
        <translation>%1 n’est pas un fichier, il ne peut donc pas être affiché.</translation>
    </message>
    <message>
        <source>The results file %1 could not be opened: no program to view it could be started.</source>
        <translation>Le fichier de résultats %1 n’a pas pu être ouvert&#xa0;: aucun programme pour l’afficher n’a pu être lancé.</translation>
    </message>
</context>
<context>
    <name>numberlark::TestFlow</name>
    <message>
        <source>wrong</source>
        <translation>faux</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>juste</translation>
    </message>
</context>
<context>
    <name>numberlark::URLLink</name>
    <message>
        <source>This is not an address that can be opened</source>
        <translation>Cette adresse ne peut pas être ouverte</translation>
    </message>
    <message>
        <source>No program could be started to open it</source>
        <translation>Aucun programme n’a pu être lancé pour l’ouvrir</translation>
    </message>
    <message>
        <source>Unable to load &apos;%1&apos; : %2 (Error %3)</source>
        <extracomment>%1 the address, %2 why it failed, %3 the error number.</extracomment>
        <translation>Impossible de charger «&#xa0;%1&#xa0;»&#xa0;: %2 (erreur %3)</translation>
    </message>
</context>
</TS>
