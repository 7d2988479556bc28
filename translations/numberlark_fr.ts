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
        <source>Would you like to save the certificate as a PDF file instead? You can print the PDF later, or on another computer.</source>
        <translation>Veux-tu plutôt enregistrer le diplôme dans un fichier PDF&#xa0;? Tu pourras imprimer le PDF plus tard, ou sur un autre ordinateur.</translation>
    </message>
    <message>
        <source>Save Certificate as PDF</source>
        <translation>Enregistrer le diplôme en PDF</translation>
    </message>
    <message>
        <source>Numberlark certificate</source>
        <translation>Diplôme Numberlark</translation>
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
    <message>
        <source>The certificate could not be sent to the printer &quot;%1&quot;.</source>
        <translation>Le diplôme n’a pas pu être envoyé à l’imprimante «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>ClassTableCsv</name>
    <message>
        <source>Child</source>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Facts known</source>
        <translation>Multiplications sues</translation>
    </message>
</context>
<context>
    <name>ClassroomProblem</name>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed on this computer.</source>
        <translation>Le pilote PostgreSQL de Qt n’est pas installé sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The classroom server setting cannot be used; ask the administrator.</source>
        <translation>Le réglage du serveur de la classe est inutilisable&#xa0;; demandez à l’administrateur.</translation>
    </message>
    <message>
        <source>The school&apos;s server cannot be reached.</source>
        <translation>Le serveur de l’école est injoignable.</translation>
    </message>
    <message>
        <source>The school&apos;s server refused this computer&apos;s login.</source>
        <translation>Le serveur de l’école a refusé la connexion de cet ordinateur.</translation>
    </message>
    <message>
        <source>The school&apos;s server is not set up for Numberlark; ask the administrator.</source>
        <translation>Le serveur de l’école n’est pas configuré pour Numberlark&#xa0;; demandez à l’administrateur.</translation>
    </message>
    <message>
        <source>The school&apos;s server is set up for a newer Numberlark; please update this program.</source>
        <translation>Le serveur de l’école est configuré pour une version plus récente de Numberlark&#xa0;; veuillez mettre ce programme à jour.</translation>
    </message>
    <message>
        <source>The school&apos;s server refused the results.</source>
        <translation>Le serveur de l’école a refusé les résultats.</translation>
    </message>
    <message>
        <source>The school&apos;s server is not known by that name on this network; ask the administrator.</source>
        <translation>Le serveur de l&apos;école n&apos;est pas connu sous ce nom sur ce réseau ; demandez à l&apos;administrateur.</translation>
    </message>
    <message>
        <source>The secure connection (TLS) to the school&apos;s server was refused; ask the administrator.</source>
        <translation>La connexion sécurisée (TLS) au serveur de l&apos;école a été refusée ; demandez à l&apos;administrateur.</translation>
    </message>
    <message>
        <source>the server holds another row with the same key</source>
        <translation>le serveur contient déjà une autre ligne avec la même clé</translation>
    </message>
    <message>
        <source>it refers to something the server does not hold</source>
        <translation>elle renvoie à quelque chose que le serveur ne contient pas</translation>
    </message>
    <message>
        <source>a check on the server does not accept its values</source>
        <translation>une vérification du serveur n&apos;accepte pas ses valeurs</translation>
    </message>
    <message>
        <source>a value the server requires is missing</source>
        <translation>une valeur exigée par le serveur manque</translation>
    </message>
    <message>
        <source>a value is outside what the server accepts</source>
        <translation>une valeur sort de ce que le serveur accepte</translation>
    </message>
    <message>
        <source>the server&apos;s rules do not accept it</source>
        <translation>les règles du serveur ne l&apos;acceptent pas</translation>
    </message>
    <message>
        <source>The school&apos;s server does not answer.</source>
        <translation>Le serveur de l&apos;école ne répond pas.</translation>
    </message>
    <message>
        <source>The connection to the school&apos;s server keeps dropping.</source>
        <translation>La connexion au serveur de l&apos;école ne cesse de se couper.</translation>
    </message>
    <message>
        <source>The school&apos;s server stopped answering.</source>
        <translation>Le serveur de l&apos;école a cessé de répondre.</translation>
    </message>
    <message>
        <source>The school&apos;s server is set up for an older Numberlark; tests wait on this computer until the administrator upgrades it.</source>
        <translation>Le serveur de l&apos;école est configuré pour un Numberlark plus ancien ; les tests attendent sur cet ordinateur jusqu&apos;à ce que l&apos;administrateur le mette à jour.</translation>
    </message>
</context>
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>The printer &quot;%1&quot; could not be started.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Printing Error</source>
        <translation>Erreur d’impression</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The printer does not answer.</source>
        <translation>L’imprimante ne répond pas.</translation>
    </message>
</context>
<context>
    <name>FactGradeStyle</name>
    <message>
        <source>Known</source>
        <translation>Acquis</translation>
    </message>
    <message>
        <source>Getting there</source>
        <translation>En bonne voie</translation>
    </message>
    <message>
        <source>Tricky</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <translation>Pas encore demandé</translation>
    </message>
    <message>
        <source>right first time and quick</source>
        <translation>juste du premier coup et rapide</translation>
    </message>
    <message>
        <source>right, but slow or not always first time</source>
        <translation>juste, mais lent ou pas toujours du premier coup</translation>
    </message>
    <message>
        <source>often wrong</source>
        <translation>souvent faux</translation>
    </message>
    <message>
        <source>no questions yet</source>
        <translation>pas encore de questions</translation>
    </message>
    <message>
        <source>never asked</source>
        <translation>jamais demandé</translation>
    </message>
    <message>
        <source>asked once</source>
        <translation>demandé une fois</translation>
    </message>
    <message numerus="yes">
        <source>asked %n times</source>
        <translation>
            <numerusform>demandé %n fois</numerusform>
            <numerusform>demandé %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>never right first time</source>
        <translation>jamais juste du premier coup</translation>
    </message>
    <message>
        <source>right first time once</source>
        <translation>juste du premier coup une fois</translation>
    </message>
    <message numerus="yes">
        <source>right first time %n times</source>
        <translation>
            <numerusform>juste du premier coup %n fois</numerusform>
            <numerusform>juste du premier coup %n fois</numerusform>
        </translation>
    </message>
    <message>
        <source>no wrong answers</source>
        <translation>aucune réponse fausse</translation>
    </message>
    <message>
        <source>1 wrong answer</source>
        <translation>1 réponse fausse</translation>
    </message>
    <message numerus="yes">
        <source>%n wrong answers</source>
        <translation>
            <numerusform>%n réponse fausse</numerusform>
            <numerusform>%n réponses fausses</numerusform>
        </translation>
    </message>
    <message>
        <source>median time %1 seconds</source>
        <translation>temps médian %1 secondes</translation>
    </message>
    <message>
        <source>%1 times %2: %3, %4</source>
        <translation>%1 fois %2&#xa0;: %3, %4</translation>
    </message>
    <message>
        <source>%1 times %2, %3</source>
        <extracomment>A square of the facts grid read aloud: &quot;4 times 9, Tricky&quot;.</extracomment>
        <translation>%1 fois %2, %3</translation>
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
    <message>
        <source>A clock radio; its display shows the seconds</source>
        <translation>Un radio-réveil&#xa0;; son écran affiche les secondes</translation>
    </message>
    <message>
        <source>A whiteboard between an elephant in a suit and a donkey holding a pen</source>
        <translation>Un tableau blanc entre un éléphant en costume et un âne qui tient un stylo</translation>
    </message>
    <message>
        <source>Numberlark, in yellow capitals</source>
        <translation>Numberlark, en majuscules jaunes</translation>
    </message>
    <message>
        <source>A sign that reads: This question is</source>
        <translation>Un panneau où il est écrit&#xa0;: Voici la question</translation>
    </message>
</context>
<context>
    <name>ModuleLoader</name>
    <message>
        <source>%1: not found</source>
        <translation>%1&#xa0;: introuvable</translation>
    </message>
    <message>
        <source>%1: not a Numberlark module with %2</source>
        <extracomment>%1 is the module&apos;s file, %2 the name of the function it should export.</extracomment>
        <translation>%1&#xa0;: pas un module de Numberlark avec %2</translation>
    </message>
    <message>
        <source>Numberlark could not load its module %1:
%2</source>
        <extracomment>%1 is the module&apos;s file name; %2 lists where it was looked for, and why it failed there.</extracomment>
        <translation>Numberlark n’a pas pu charger son module %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>%1: damaged: the file is cut short (%2 bytes where %3 are needed)</source>
        <extracomment>%1 is the module&apos;s file; %2 and %3 are numbers of bytes.</extracomment>
        <translation>%1&#xa0;: endommagé&#xa0;: le fichier est tronqué (%2&#xa0;octets au lieu des %3 nécessaires)</translation>
    </message>
    <message>
        <source>%1: not a Numberlark module</source>
        <translation>%1&#xa0;: pas un module de Numberlark</translation>
    </message>
    <message>
        <source>%1: cannot be checked: %2 is missing or unreadable</source>
        <extracomment>%1 is the module&apos;s file, %2 the file that records what it was built with.</extracomment>
        <translation>%1&#xa0;: impossible à vérifier&#xa0;: %2 est absent ou illisible</translation>
    </message>
    <message>
        <source>%1: damaged: it is not the module that was built</source>
        <translation>%1&#xa0;: endommagé&#xa0;: ce n’est pas le module qui a été construit</translation>
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
        <source>The certificate could not be written to &quot;%1&quot;: %2</source>
        <translation>Le diplôme n’a pas pu être écrit dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PracticeSeams</name>
    <message>
        <source>The progress log did not answer in time, so this practice may not have been kept.</source>
        <translation>Le journal de progression n’a pas répondu à temps&#xa0;: cet entraînement n’a peut-être pas été gardé.</translation>
    </message>
</context>
<context>
    <name>PracticeSheetPage</name>
    <message>
        <source>Numberlark practice sheet</source>
        <translation>Fiche d’exercices Numberlark</translation>
    </message>
    <message>
        <source>Numberlark practice sheet for %1</source>
        <translation>Fiche d’exercices Numberlark pour %1</translation>
    </message>
    <message>
        <source>These are the questions you find trickiest. Try them again and again!</source>
        <translation>Voici les questions que tu trouves les plus difficiles. Entraîne-toi encore et encore&#xa0;!</translation>
    </message>
</context>
<context>
    <name>PracticeSheetPrinter</name>
    <message>
        <source>No printer is set up as the default on this computer, so the practice sheet cannot be printed.</source>
        <translation>Aucune imprimante par défaut n’est configurée sur cet ordinateur&#xa0;: la fiche d’exercices ne peut pas être imprimée.</translation>
    </message>
    <message>
        <source>Save Practice Sheet as PDF</source>
        <translation>Enregistrer la fiche d’exercices en PDF</translation>
    </message>
    <message>
        <source>Numberlark practice sheet</source>
        <translation>Fiche d’exercices Numberlark</translation>
    </message>
    <message>
        <source>Would you like to save the practice sheet as a PDF file instead?</source>
        <translation>Voulez-vous plutôt enregistrer la fiche d’exercices dans un fichier PDF&#xa0;?</translation>
    </message>
    <message>
        <source>The practice sheet could not be sent to the printer &quot;%1&quot;.</source>
        <translation>La fiche d’exercices n’a pas pu être envoyée à l’imprimante «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The practice sheet could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>La fiche d’exercices n’a pas pu être enregistrée sous «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The practice sheet could not be written to &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>La fiche d’exercices n’a pas pu être écrite dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PracticeTexts</name>
    <message>
        <source>Not yet. %1 times %2 is %3. Type %3 to go on.</source>
        <extracomment>Read aloud after a wrong answer to %1 x %2: its answer %3, which the child types to go on.</extracomment>
        <translation>Pas encore. %1 fois %2 égale %3. Tape %3 pour continuer.</translation>
    </message>
    <message>
        <source>Type %1 to go on.</source>
        <extracomment>After a wrong answer the child types the right answer, %1, to go on.</extracomment>
        <translation>Tape %1 pour continuer.</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>not yet</source>
        <extracomment>Said after a wrong answer in practice: gentle, not &quot;wrong&quot;.</extracomment>
        <translation>pas encore</translation>
    </message>
    <message>
        <source>Come back tomorrow to practise again.</source>
        <translation>Reviens demain pour t’entraîner encore.</translation>
    </message>
    <message numerus="yes">
        <source>See you tomorrow: %n minutes of practice.</source>
        <translation>
            <numerusform>À demain : %n minute d’entraînement.</numerusform>
            <numerusform>À demain : %n minutes d’entraînement.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>See you on %1: %n minutes of practice.</source>
        <extracomment>%1 is a date (&quot;Friday, 11 December 2026&quot;).</extracomment>
        <translation>
            <numerusform>À %1 : %n minute d’entraînement.</numerusform>
            <numerusform>À %1 : %n minutes d’entraînement.</numerusform>
        </translation>
    </message>
    <message>
        <source>That&apos;s all for today: you have done every fact that was due.</source>
        <translation>C’est tout pour aujourd’hui : tu as fait tous les calculs prévus.</translation>
    </message>
</context>
<context>
    <name>PracticeWindowLoader</name>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>The practice window could not be opened.

%1

Installing Numberlark again should bring it back.</source>
        <translation>La fenêtre d’entraînement n’a pas pu s’ouvrir.

%1

Réinstaller Numberlark devrait la rétablir.</translation>
    </message>
</context>
<context>
    <name>PrintQueue</name>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’est pas disponible.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available (%2).</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’est pas disponible (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» est arrêtée.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped (%2).</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» est arrêtée (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’accepte pas de travaux d’impression.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs (%2).</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’accepte pas de travaux d’impression (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the certificate.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas accepté le diplôme.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the certificate (%2).</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas accepté le diplôme (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not print the certificate.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas pu imprimer le diplôme.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not print the certificate (%2).</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas pu imprimer le diplôme (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is holding the certificate.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» garde le diplôme en attente.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is holding the certificate (%2).</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» garde le diplôme en attente (%2).</translation>
    </message>
</context>
<context>
    <name>ProgressLog</name>
    <message>
        <source>The results file %1 could not be read: %2.</source>
        <translation>Le fichier de résultats %1 n’a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>le dossier %1 n’a pas pu être créé</translation>
    </message>
    <message>
        <source>The progress log could not be written: there is no folder for this user&apos;s data.</source>
        <translation>Le journal des progrès n’a pas pu être écrit&#xa0;: il n’y a pas de dossier pour les données de cet utilisateur.</translation>
    </message>
    <message>
        <source>The progress log %1 could not be written: %2.</source>
        <translation>Le journal des progrès %1 n’a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The progress log %1 could not be opened: the SQLite driver for Qt is not installed.</source>
        <translation>Le journal des progrès %1 n’a pas pu être ouvert&#xa0;: le pilote SQLite pour Qt n’est pas installé.</translation>
    </message>
    <message>
        <source>The progress log %1 was written by a newer Numberlark. A newer Numberlark is needed to read it or add to it; it was left as it is.</source>
        <translation>Le journal des progrès %1 a été écrit par une version plus récente de Numberlark. Il faut une version plus récente pour le lire ou le compléter&#xa0;; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>it is not a Numberlark progress log</source>
        <translation>ce n’est pas un journal des progrès Numberlark</translation>
    </message>
    <message>
        <source>Another copy of Numberlark held the progress log %1 for too long (%2).</source>
        <translation>Un autre Numberlark ouvert a occupé le journal des progrès %1 trop longtemps (%2).</translation>
    </message>
    <message>
        <source>The progress log %1 cannot be read (%2) and could not be set aside: %3.</source>
        <translation>Le journal des progrès %1 est illisible (%2) et n’a pas pu être mis de côté&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The progress log %1 could not be read (%2). It was kept as %3, and a new log was started.</source>
        <translation>Le journal des progrès %1 n’a pas pu être lu (%2). Il a été conservé sous le nom %3 et un nouveau journal a été commencé.</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>ProgressRecording</name>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>This test was not added to the progress log.</source>
        <translation>Ce test n’a pas été ajouté au journal des progrès.</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Facts to practise</source>
        <translation>Multiplications à travailler</translation>
    </message>
    <message>
        <source>Tricky: </source>
        <translation>Difficiles&#xa0;: </translation>
    </message>
    <message>
        <source>Getting there: </source>
        <translation>En bonne voie&#xa0;: </translation>
    </message>
    <message>
        <source>Other tables: </source>
        <translation>Autres tables&#xa0;: </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Secondes par question</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Last tests</source>
        <translation>Derniers tests</translation>
    </message>
    <message>
        <source>Numberlark progress report</source>
        <translation>Rapport de progrès Numberlark</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <extracomment>Follows a list of facts: &quot;3 × 4, 6 × 7 and 5 more&quot;.</extracomment>
        <translation>
            <numerusform> et %n autre</numerusform>
            <numerusform> et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Le rapport n’a pas pu être enregistré sous «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The report could not be written to &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Le rapport n’a pas pu être écrit dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ProgressSeams</name>
    <message>
        <source>Import Results File</source>
        <translation>Importer un fichier de résultats</translation>
    </message>
    <message>
        <source>Results files (*.csv);;All files (*)</source>
        <translation>Fichiers de résultats (*.csv);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>ProgressTexts</name>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>No tests</source>
        <translation>Aucun test</translation>
    </message>
    <message>
        <source>1 test</source>
        <translation>1 test</translation>
    </message>
    <message numerus="yes">
        <source>%n tests</source>
        <translation>
            <numerusform>%n test</numerusform>
            <numerusform>%n tests</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 le %2</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 du %2 au %3</translation>
    </message>
    <message>
        <source> and others</source>
        <extracomment>Follows a list of line numbers: &quot;3, 8, 9, 12, 20 and others&quot;.</extracomment>
        <translation> et d’autres</translation>
    </message>
    <message>
        <source>1 line could not be read and was left out (line %1).</source>
        <translation>1 ligne n’a pas pu être lue et a été ignorée (ligne %1).</translation>
    </message>
    <message>
        <source>1 test was added to the log.</source>
        <translation>1 test a été ajouté au journal.</translation>
    </message>
    <message numerus="yes">
        <source>%n tests were added to the log.</source>
        <translation>
            <numerusform>%n test a été ajouté au journal.</numerusform>
            <numerusform>%n tests ont été ajoutés au journal.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 line was in the log already.</source>
        <translation>1 ligne était déjà dans le journal.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were in the log already.</source>
        <translation>
            <numerusform>%n ligne était déjà dans le journal.</numerusform>
            <numerusform>%n lignes étaient déjà dans le journal.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove every test of %1 from the progress log on this computer?

This cannot be undone. The results file (numberlark.csv) is left as it is.</source>
        <translation>Supprimer tous les tests de %1 du journal des progrès de cet ordinateur&#xa0;?

Cela ne peut pas être annulé. Le fichier de résultats (numberlark.csv) reste tel quel.</translation>
    </message>
    <message>
        <source>the tests taken with no name</source>
        <translation>l’enfant sans nom</translation>
    </message>
    <message numerus="yes">
        <source>%n lines could not be read and were left out (lines %1).</source>
        <extracomment>%1 lists the first line numbers, e.g. &quot;3, 8 and others&quot;.</extracomment>
        <translation>
            <numerusform>%n ligne n’a pas pu être lue et a été ignorée (lignes %1).</numerusform>
            <numerusform>%n lignes n’ont pas pu être lues et ont été ignorées (lignes %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>The import was stopped before the end of the file. Importing the file again adds the rest.</source>
        <translation>L’importation a été arrêtée avant la fin du fichier. Importer le fichier à nouveau ajoute le reste.</translation>
    </message>
    <message>
        <source>1 practice session</source>
        <translation>1 séance d’entraînement</translation>
    </message>
    <message numerus="yes">
        <source>%n practice sessions</source>
        <translation>
            <numerusform>%n séance d’entraînement</numerusform>
            <numerusform>%n séances d’entraînement</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
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
        <translation>%1 depuis le %2</translation>
    </message>
    <message>
        <source>%1 and %2 since %3</source>
        <extracomment>&quot;12 tests and 4 practice sessions (20 minutes) since 3 March 2026&quot;</extracomment>
        <translation>%1 et %2 depuis le %3</translation>
    </message>
    <message>
        <source>%1 s a question in the first week.</source>
        <translation>%1 s par question la première semaine.</translation>
    </message>
    <message>
        <source>%1 s a question now, %2 s in the first week: faster.</source>
        <translation>%1 s par question maintenant, %2 s la première semaine&#xa0;: plus rapide.</translation>
    </message>
    <message>
        <source>%1 s a question now, %2 s in the first week: slower.</source>
        <translation>%1 s par question maintenant, %2 s la première semaine&#xa0;: plus lent.</translation>
    </message>
    <message>
        <source>%1 s a question now, %2 s in the first week: about the same.</source>
        <translation>%1 s par question maintenant, %2 s la première semaine&#xa0;: à peu près pareil.</translation>
    </message>
    <message>
        <source>no practice</source>
        <translation>pas d’entraînement</translation>
    </message>
    <message>
        <source>no fact newly known</source>
        <translation>aucun nouveau calcul acquis</translation>
    </message>
    <message>
        <source>1 fact learnt</source>
        <translation>1 calcul appris</translation>
    </message>
    <message numerus="yes">
        <source>%n facts learnt</source>
        <translation>
            <numerusform>%n calcul appris</numerusform>
            <numerusform>%n calculs appris</numerusform>
        </translation>
    </message>
    <message>
        <source>In the last 30 days: %1; %2.</source>
        <extracomment>&quot;In the last 30 days: 4 practice sessions (20 minutes); 3 facts learnt: 7 × 8, ...&quot;</extracomment>
        <translation>Ces 30 derniers jours&#xa0;: %1&#xa0;; %2.</translation>
    </message>
</context>
<context>
    <name>ProgressWindowLoader</name>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>The progress window could not be opened.

%1

Installing Numberlark again should bring it back.</source>
        <translation>La fenêtre des progrès n’a pas pu être ouverte.

%1

Réinstaller Numberlark devrait la rétablir.</translation>
    </message>
</context>
<context>
    <name>RecordJournal</name>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 n’a pas pu être écrit&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>ResultsFile</name>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The file is locked by another program</source>
        <translation>Le fichier est verrouillé par un autre programme</translation>
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
        <source>Quit Without Saving</source>
        <translation>Quitter sans enregistrer</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>a folder of that name is in the way of the file</source>
        <translation>un dossier du même nom empêche de créer le fichier</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>its folder is read-only</source>
        <translation>son dossier est en lecture seule</translation>
    </message>
    <message>
        <source>its folder could not be made</source>
        <translation>son dossier n’a pas pu être créé</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>le fichier n’a pas pu être écrit</translation>
    </message>
</context>
<context>
    <name>SpokenTexts</name>
    <message>
        <source>%1 times %2</source>
        <extracomment>A question read aloud by a screen reader: &quot;9 times 4&quot; for 9 x 4.</extracomment>
        <translation>%1 fois %2</translation>
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
            <numerusform>Bravo ! %n question en %1. Tape ton nom.</numerusform>
            <numerusform>Bravo ! %n questions en %1. Tape ton nom.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
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
    <name>TestFigures</name>
    <message>
        <source>Mixed tables</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Other: %1 times table</source>
        <translation>Autre&#xa0;: table de %1</translation>
    </message>
    <message>
        <source>%1 times table</source>
        <translation>Table de %1</translation>
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
    <message>
        <source>%1: %2 %3. %4</source>
        <extracomment>%1 the certificate&apos;s name, %2 the table, %3 the date line (&quot;on ...&quot;), %4 the prompt.</extracomment>
        <translation>%1&#xa0;: %2 %3. %4</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassOverviewPage</name>
    <message>
        <source>&lt;b&gt;Each child&apos;s facts&lt;/b&gt; (a row per child, a square per fact; point at a square for its figures)</source>
        <translation>&lt;b&gt;Les multiplications de chaque enfant&lt;/b&gt; (une ligne par enfant, une case par multiplication&#xa0;; pointer une case pour voir ses chiffres)</translation>
    </message>
    <message>
        <source>&lt;b&gt;The facts the class finds hardest&lt;/b&gt;</source>
        <translation>&lt;b&gt;Les multiplications les plus difficiles pour la classe&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Demandées</translation>
    </message>
    <message>
        <source>Right first time</source>
        <translation>Justes du premier coup</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Réponses fausses</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Temps moyen</translation>
    </message>
    <message>
        <source>The facts the class finds hardest</source>
        <translation>Les multiplications les plus difficiles pour la classe</translation>
    </message>
    <message>
        <source>Each child&apos;s facts</source>
        <translation>Les multiplications de chaque enfant</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Sues</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassSource</name>
    <message>
        <source>Reading the class from the school&apos;s server...</source>
        <translation>Lecture de la classe sur le serveur de l’école...</translation>
    </message>
    <message>
        <source>Reading the tests of %1 from the school&apos;s server...</source>
        <translation>Lecture des tests de %1 sur le serveur de l’école...</translation>
    </message>
    <message>
        <source>The class cannot be shown: %1</source>
        <translation>La classe ne peut pas être affichée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Whole Class</source>
        <translation>Toute la classe</translation>
    </message>
    <message>
        <source>The tests of %1 cannot be shown: %2</source>
        <translation>Les tests de %1 ne peuvent pas être affichés&#xa0;: %2</translation>
    </message>
    <message>
        <source>Export for Spreadsheet</source>
        <translation>Exporter pour un tableur</translation>
    </message>
    <message>
        <source>class</source>
        <translation>classe</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation>Fichiers de tableur (*.csv)</translation>
    </message>
    <message>
        <source>The class could not be saved as %1.

%2</source>
        <translation>La classe n’a pas pu être enregistrée sous %1.

%2</translation>
    </message>
    <message>
        <source>Progress of the whole school</source>
        <translation>Progrès de toute l&apos;école</translation>
    </message>
    <message>
        <source>Progress of the whole class</source>
        <translation>Progrès de toute la classe</translation>
    </message>
    <message>
        <source>Progress of class %1</source>
        <translation>Progrès de la classe %1</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassSourceBar</name>
    <message>
        <source>This Co&amp;mputer</source>
        <translation>Ce&amp;t ordinateur</translation>
    </message>
    <message>
        <source>Cl&amp;ass</source>
        <translation>Cl&amp;asse</translation>
    </message>
    <message>
        <source>&amp;Export for Spreadsheet...</source>
        <translation>E&amp;xporter pour un tableur...</translation>
    </message>
    <message>
        <source>Connecting to the school&apos;s server...</source>
        <translation>Connexion au serveur de l’école...</translation>
    </message>
    <message>
        <source>This computer delivers its tests to the school&apos;s server; the whole class is shown with a teacher&apos;s login.</source>
        <translation>Cet ordinateur envoie ses tests au serveur de l’école&#xa0;; la classe entière se voit avec l’identifiant d’un enseignant.</translation>
    </message>
    <message>
        <source>The class cannot be shown: %1</source>
        <translation>La classe ne peut pas être affichée&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>Réessa&amp;yer</translation>
    </message>
    <message>
        <source>The whole school.</source>
        <translation>Toute l&apos;école.</translation>
    </message>
    <message>
        <source>This login is in no class on the school&apos;s server, so no child is shown; ask the administrator to add it to a class.</source>
        <translation>Cet identifiant n&apos;appartient à aucune classe sur le serveur de l&apos;école, aucun enfant n&apos;est donc affiché ; demandez à l&apos;administrateur de l&apos;ajouter à une classe.</translation>
    </message>
    <message>
        <source>Class: %1.</source>
        <translation>Classe : %1.</translation>
    </message>
    <message>
        <source>Classes: %1.</source>
        <translation>Classes : %1.</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassTableModel</name>
    <message>
        <source>%1 times %2, %3</source>
        <translation>%1 fois %2, %3</translation>
    </message>
    <message>
        <source>Asked: %1</source>
        <translation>Demandée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Right first time: %1</source>
        <translation>Juste du premier coup&#xa0;: %1</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Réponses fausses&#xa0;: %1</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Sues</translation>
    </message>
    <message>
        <source>Facts known</source>
        <translation>Multiplications sues</translation>
    </message>
</context>
<context>
    <name>numberlark::ClassroomLine</name>
    <message numerus="yes">
        <source>Tests on their way to the school&apos;s server: %n.</source>
        <translation>
            <numerusform>Tests en route vers le serveur de l&apos;école : %n.</numerusform>
            <numerusform>Tests en route vers le serveur de l&apos;école : %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Tests waiting to be delivered to the school&apos;s server: %n.</source>
        <translation>
            <numerusform>Tests en attente d&apos;envoi au serveur de l&apos;école : %n.</numerusform>
            <numerusform>Tests en attente d&apos;envoi au serveur de l&apos;école : %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The school&apos;s server refused %1&apos;s practice of %2: %3. It is kept on this computer and sent again at the next start.</source>
        <translation>Le serveur de l&apos;école a refusé l&apos;entraînement de %1 du %2 : %3. Il est gardé sur cet ordinateur et renvoyé au prochain démarrage.</translation>
    </message>
    <message>
        <source>The school&apos;s server refused %1&apos;s test of %2: %3. It is kept on this computer and sent again at the next start.</source>
        <translation>Le serveur de l&apos;école a refusé le test de %1 du %2 : %3. Il est gardé sur cet ordinateur et renvoyé au prochain démarrage.</translation>
    </message>
    <message numerus="yes">
        <source>Also refused and kept: %n more.</source>
        <translation>
            <numerusform>Également refusé et gardé : %n autre.</numerusform>
            <numerusform>Également refusés et gardés : %n autres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>numberlark::DialProgressBar</name>
    <message>
        <source>Progress dial</source>
        <translation>Cadran de progression</translation>
    </message>
    <message>
        <source>%1 of %2 answered</source>
        <translation>Réponses&#xa0;: %1 sur %2</translation>
    </message>
</context>
<context>
    <name>numberlark::FactGridModel</name>
    <message>
        <source>times %1</source>
        <extracomment>Read out for a column (&quot;times 7&quot;) and a row (&quot;7 times&quot;) of the facts grid.</extracomment>
        <translation>fois %1</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 fois</translation>
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
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Progrès...</translation>
    </message>
    <message>
        <source>P&amp;ractise...</source>
        <translation>&amp;Réviser...</translation>
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
    <message>
        <source>the settings store</source>
        <translation>le stockage des réglages</translation>
    </message>
    <message>
        <source>The settings could not be remembered in %1: %2.

They apply until Numberlark ends. Press OK again once the problem is fixed, or close this window to keep them for this time only.</source>
        <translation>Les réglages n’ont pas pu être retenus dans %1&#xa0;: %2.

Ils restent valables jusqu’à la fermeture de Numberlark. Appuie de nouveau sur OK une fois le problème réglé, ou ferme cette fenêtre pour les garder cette fois seulement.</translation>
    </message>
</context>
<context>
    <name>numberlark::FrmPractice</name>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Practice Settings</source>
        <translation>Réglages de l’entraînement</translation>
    </message>
    <message>
        <source>The practice settings could not be saved in %1: %2. They apply until the program ends.</source>
        <translation>Les réglages de l’entraînement n’ont pas pu être enregistrés dans %1&#xa0;: %2. Ils s’appliquent jusqu’à la fermeture du programme.</translation>
    </message>
    <message>
        <source>the settings store</source>
        <translation>le magasin des réglages</translation>
    </message>
    <message>
        <source>This practice was not remembered: &quot;Save results on disk&quot; is off in Tools &gt; Options...</source>
        <translation>Cet entraînement n’a pas été gardé&#xa0;: «&#xa0;Garder les résultats&#xa0;» est désactivé dans Outils &gt; Options...</translation>
    </message>
    <message>
        <source>This practice could not be kept in the progress log.</source>
        <translation>Cet entraînement n’a pas pu être gardé dans le journal de progression.</translation>
    </message>
    <message>
        <source>Another copy of Numberlark is using the progress log, so this practice waits in %1 and goes into the log as soon as it is free.</source>
        <translation>Un autre Numberlark ouvert utilise le journal des progrès&#xa0;: cet entraînement attend dans %1 et y sera ajouté dès qu’il sera libre.</translation>
    </message>
</context>
<context>
    <name>numberlark::FrmProgress</name>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>&amp;Child:</source>
        <translation>&amp;Enfant&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Import Results File...</source>
        <translation>&amp;Importer des résultats...</translation>
    </message>
    <message>
        <source>Print Practice &amp;Sheet</source>
        <translation>Imprimer une &amp;fiche d’exercices</translation>
    </message>
    <message>
        <source>Save Practice Sheet as PDF...</source>
        <translation>Enregistrer la fiche d’exercices en PDF...</translation>
    </message>
    <message>
        <source>Save &amp;Report as PDF...</source>
        <translation>Enregistrer le &amp;rapport en PDF...</translation>
    </message>
    <message>
        <source>&amp;Forget This Child...</source>
        <translation>&amp;Oublier cet enfant...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Facts&lt;/b&gt; (point at a square for its figures)</source>
        <translation>&lt;b&gt;Multiplications&lt;/b&gt; (pointer une case pour voir ses chiffres)</translation>
    </message>
    <message>
        <source>Facts from 1 times 1 to 12 times 12</source>
        <translation>Multiplications de 1 fois 1 à 12 fois 12</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>No tests have been kept on this computer yet.

</source>
        <translation>Aucun test n’a encore été gardé sur cet ordinateur.

</translation>
    </message>
    <message>
        <source>Tests are kept only while &quot;Save results on disk&quot; is ticked. Tick it in Tools &gt; Options, then take a test and press QUIT: the test will show here.</source>
        <translation>Les tests ne sont gardés que si «&#xa0;Garder les résultats&#xa0;» est coché. Cocher cette case dans Outils &gt; Options, puis faire un test et appuyer sur QUITTER&#xa0;: le test apparaîtra ici.</translation>
    </message>
    <message>
        <source>Take a test and press QUIT when it is done: the test will show here. Tests saved earlier in a results file can be brought in with &quot;Import Results File...&quot;.</source>
        <translation>Faire un test et appuyer sur QUITTER à la fin&#xa0;: le test apparaîtra ici. Les tests enregistrés auparavant dans un fichier de résultats peuvent être repris avec «&#xa0;Importer des résultats...&#xa0;».</translation>
    </message>
    <message>
        <source>Other tables:
</source>
        <translation>Autres tables&#xa0;:
</translation>
    </message>
    <message>
        <source>Import Results File</source>
        <translation>Importer des résultats</translation>
    </message>
    <message>
        <source>Print Practice Sheet</source>
        <translation>Imprimer une fiche d’exercices</translation>
    </message>
    <message>
        <source>The log keeps no questions of %1 yet (tests brought in from a results file have none), so there is nothing to practise. The questions of every test taken from now on are kept.</source>
        <translation>Le journal ne contient encore aucune question de %1 (les tests importés d’un fichier de résultats n’en ont pas)&#xa0;: il n’y a donc rien à travailler. Les questions de chaque test fait à partir de maintenant seront gardées.</translation>
    </message>
    <message>
        <source>Forget This Child</source>
        <translation>Oublier cet enfant</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progrès de %1</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Importation de %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The tests below are shown as they are kept; tests taken now cannot be added until the log can be written.</source>
        <translation>Les tests ci-dessous sont affichés tels qu’ils sont conservés ; les tests passés maintenant ne pourront pas être ajoutés tant que le journal ne pourra pas être écrit.</translation>
    </message>
    <message>
        <source>Only this computer&apos;s own log can be changed; switch to This Computer.</source>
        <translation>Seul le journal de cet ordinateur peut être modifié&#xa0;; passer à «&#xa0;Cet ordinateur&#xa0;».</translation>
    </message>
    <message>
        <source>Practise on Scr&amp;een</source>
        <translation>S’entraîner à l’&amp;écran</translation>
    </message>
</context>
<context>
    <name>numberlark::KnownFactsChart</name>
    <message>
        <source>Facts known, week by week</source>
        <translation>Calculs acquis, semaine après semaine</translation>
    </message>
    <message>
        <source>Facts known</source>
        <translation>Calculs acquis</translation>
    </message>
</context>
<context>
    <name>numberlark::PracticeSettingsDialog</name>
    <message>
        <source>Practice Settings</source>
        <translation>Réglages de l’entraînement</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>No limit (right at the first try is enough)</source>
        <translation>Sans limite (juste du premier coup suffit)</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A fact counts as known when it is answered right at the first try within the time limit. A session ends after its length or %n questions, whichever comes first.</source>
        <translation>
            <numerusform>Un calcul est su quand il est réussi du premier coup dans le temps imparti. Une séance s’arrête à la fin de sa durée ou après %n question, selon ce qui arrive en premier.</numerusform>
            <numerusform>Un calcul est su quand il est réussi du premier coup dans le temps imparti. Une séance s’arrête à la fin de sa durée ou après %n questions, selon ce qui arrive en premier.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Time limit for a known fact:</source>
        <translation>&amp;Temps limite pour un calcul su&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Length of a session:</source>
        <translation>&amp;Durée d’une séance&#xa0;:</translation>
    </message>
</context>
<context>
    <name>numberlark::ProgressChart</name>
    <message>
        <source>Seconds per question over time</source>
        <translation>Secondes par question au fil du temps</translation>
    </message>
    <message>
        <source>%1
%2: %3 seconds for %4 questions
%5 seconds per question</source>
        <extracomment>A point&apos;s tip: date; table: seconds for questions; seconds per question.</extracomment>
        <translation>%1
%2&#xa0;: %3 secondes pour %4 questions
%5 secondes par question</translation>
    </message>
    <message>
        <source>seconds per question</source>
        <translation>secondes par question</translation>
    </message>
    <message>
        <source>Each test</source>
        <translation>Chaque test</translation>
    </message>
    <message>
        <source>Median of each week</source>
        <translation>Médiane de chaque semaine</translation>
    </message>
    <message>
        <source>Practice day</source>
        <translation>Jour d’entraînement</translation>
    </message>
</context>
<context>
    <name>numberlark::QuestionPage</name>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
</context>
<context>
    <name>numberlark::SummaryPage</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Well done, %1! You answered 1 question.</source>
        <translation>Bravo, %1&#xa0;! Tu as répondu à 1 question.</translation>
    </message>
    <message numerus="yes">
        <source>Well done, %1! You answered %n questions.</source>
        <translation>
            <numerusform>Bravo, %1&#xa0;! Tu as répondu à %n question.</numerusform>
            <numerusform>Bravo, %1&#xa0;! Tu as répondu à %n questions.</numerusform>
        </translation>
    </message>
    <message>
        <source>Every try helps: the facts you practised will come back.</source>
        <translation>Chaque essai compte&#xa0;: les calculs travaillés reviendront.</translation>
    </message>
    <message>
        <source>1 fact you know now:</source>
        <translation>1 calcul que tu sais maintenant&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%n facts you know now:</source>
        <translation>
            <numerusform>%n calcul que tu sais maintenant&#xa0;:</numerusform>
            <numerusform>%n calculs que tu sais maintenant&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n de plus</numerusform>
            <numerusform>et %n de plus</numerusform>
        </translation>
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
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>numberlark::TestsModel</name>
    <message>
        <source>date unknown</source>
        <translation>date inconnue</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Questions answered of the questions set, e.g. &quot;7 of 10&quot;.</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>not kept</source>
        <translation>non enregistré</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Seconds per question</source>
        <translation>Secondes par question</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Erreurs</translation>
    </message>
</context>
<context>
    <name>numberlark::TrendPanel</name>
    <message>
        <source>Tables shown</source>
        <translation>Tables affichées</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <translation>Affic&amp;her&#xa0;:</translation>
    </message>
    <message>
        <source>All tables</source>
        <translation>Toutes les tables</translation>
    </message>
    <message>
        <source>%1 times table</source>
        <translation>Table de %1</translation>
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
<context>
    <name>numberlark::WhoPage</name>
    <message>
        <source>Who is practising?</source>
        <translation>Qui s’entraîne&#xa0;?</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Ton &amp;nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Commencer</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>&amp;Réglages...</translation>
    </message>
    <message>
        <source>For grown-ups: how long a session lasts and how quick an answer must be.</source>
        <translation>Pour les adultes&#xa0;: durée d’une séance et rapidité attendue d’une réponse.</translation>
    </message>
    <message>
        <source>Nothing practised now will be remembered. A grown-up can turn on &quot;Save results on disk&quot; in Tools &gt; Options... to keep it.</source>
        <translation>Rien de ce qui est travaillé maintenant ne sera gardé. Un adulte peut activer «&#xa0;Garder les résultats&#xa0;» dans Outils &gt; Options... pour le garder.</translation>
    </message>
</context>
</TS>
