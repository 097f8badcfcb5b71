<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>F_ImagePicker</name>
    <message>
        <source>Gesicht auswählen</source>
        <translation>Choose a face</translation>
    </message>
    <message>
        <source>Bild &amp;wählen...</source>
        <translation>Choose &amp;picture...</translation>
    </message>
    <message>
        <source>&amp;Spiegeln</source>
        <translation>&amp;Mirror</translation>
    </message>
    <message>
        <source>background-image: url(:/images/TransparentBackground.png);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Widerrufen</source>
        <translation>Revert</translation>
    </message>
    <message>
        <source>Wähle ein Foto aus, positioniere es und radiere den Hintergrund weg.

Tipp 1: Vergrößere das Bild für einen kleineren Radiergummi.

Tipp 2: Speichere Zwischenstände mit OK. Widerrufen führt zur letzten gespeicherten Version zurück.</source>
        <translation>Choose a photo, position it and erase the background.

Tip 1: Enlarge the picture for a smaller eraser.

Tip 2: Keep your progress with OK. Revert goes back to the last version kept.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>F_abbr</name>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <translation>&amp;End</translation>
    </message>
    <message>
        <source>Die Spielliste und das laufende Spiel werden gespeichert; beim nächsten Start geht das Spiel weiter.</source>
        <translation>The score sheet and the running game are saved; the game goes on when you start the program again.</translation>
    </message>
    <message>
        <source>Willst Du wirklich mitten im Spiel aufhören?</source>
        <translation>Do you really want to stop in the middle of the game?</translation>
    </message>
</context>
<context>
    <name>F_abrechnung</name>
    <message>
        <source>Abrechnung</source>
        <translation>Settlement</translation>
    </message>
    <message>
        <source>QPushButton
{
	border: 0px solid #A0A0A0;
	background-image: url(:/dialogues/Spielverlauf.png);
	background-color: rgba(255, 255, 255, 0);
}
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QPushButton
{
	border: 1px solid #A0A0A0;
	border-radius: 8px;
	color: white;
	background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(152, 34, 0, 255), stop:0.48 rgba(148, 34, 0, 255), stop:0.52 rgba(155, 49, 10, 255), stop:1 rgba(195, 138, 125, 255));
}

QPushButton:pressed, QPushButton:hover
{
	background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(176, 58, 25, 255), stop:0.48 rgba(177, 59, 25, 255), stop:0.52 rgba(183, 74, 34, 255), stop:1 rgba(216, 167, 155, 255));
}

QPushButton:disabled
{
	color: rgba(80, 80, 80, 255);
	background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(200, 200, 200, 255), stop:0.48 rgba(202, 202, 202, 255), stop:0.52 rgba(205, 205, 205, 255), stop:1 rgba(216, 216, 216, 255));
}
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Weiter</source>
        <translation>&amp;Continue</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Du hast gespielt:</source>
        <translation>You played:</translation>
    </message>
    <message>
        <source>ergibt_</source>
        <translation>ergibt_</translation>
    </message>
    <message>
        <source>mit_</source>
        <translation>mit_</translation>
    </message>
    <message>
        <source>schneider_</source>
        <translation>schneider_</translation>
    </message>
    <message>
        <source>hand_</source>
        <translation>hand_</translation>
    </message>
    <message>
        <source>_gewonnen</source>
        <translation>_gewonnen</translation>
    </message>
    <message>
        <source>spiel_</source>
        <translation>spiel_</translation>
    </message>
    <message>
        <source>kontra_</source>
        <translation>kontra_</translation>
    </message>
    <message>
        <source>_mit</source>
        <translation>_mit</translation>
    </message>
    <message>
        <source>_schneider</source>
        <translation>_schneider</translation>
    </message>
    <message>
        <source>_kontra</source>
        <translation>_kontra</translation>
    </message>
    <message>
        <source>_spiel</source>
        <translation>_spiel</translation>
    </message>
    <message>
        <source>_hand</source>
        <translation>_hand</translation>
    </message>
    <message>
        <source>Nach deiner eigenen Regel zählt verlorenes Hand doppelt.</source>
        <translation>Under your own rule a lost hand game counts double.</translation>
    </message>
    <message>
        <source>background-color: rgba(255, 255, 255, 0);
border-color: rgba(255, 255, 255, 0);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trumpf-Farbkarten zählen auch als Spitzen.

Spitzen im Skat werden mitgezählt.</source>
        <translation>Trump suit cards count as matadors too.

Matadors in the skat are counted.</translation>
    </message>
    <message>
        <source>#F_abrechnung
{
	background-color: rgba(255, 0, 255, 0);
	background-image: url(:/dialogues/Hintergrund-Abrechnung.png);
}
QLabel
{
	color: white;
}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: rgb(200, 220, 200);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#F_abr_show_help_spitzen
{
	background-image: url(:/dialogues/Sprechblase-Abrechnung.png);
}
QLabel
{
	color: black;
}</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>F_aktiv</name>
    <message>
        <source>Aktives Training</source>
        <translation>Active training</translation>
    </message>
    <message>
        <source>Diese Spielsituation wird trainiert</source>
        <translation>This situation is trained</translation>
    </message>
    <message>
        <source>Farbspiel</source>
        <translation>Suit game</translation>
    </message>
    <message>
        <source>Grand</source>
        <translation>Grand</translation>
    </message>
    <message>
        <source>Nullspiel</source>
        <translation>Null game</translation>
    </message>
    <message>
        <source>Vorhand</source>
        <translation>Forehand</translation>
    </message>
    <message>
        <source>Mittelhand</source>
        <translation>Middlehand</translation>
    </message>
    <message>
        <source>Hinterhand</source>
        <translation>Rearhand</translation>
    </message>
    <message>
        <source>Alleinspieler</source>
        <translation>Declarer</translation>
    </message>
    <message>
        <source>Gegenspieler</source>
        <translation>Defenders</translation>
    </message>
    <message>
        <source>Tabelle:</source>
        <translation>Table:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>F_bestenliste</name>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Aufgezeichnete Spiele:</source>
        <translation>Recorded games:</translation>
    </message>
    <message>
        <source>&lt;&lt;dummy&gt;&gt;</source>
        <translation>&lt;&lt;dummy&gt;&gt;</translation>
    </message>
    <message>
        <source>eingepasste Spiele</source>
        <translation>games passed in</translation>
    </message>
    <message>
        <source>Leistungs-
bewertung</source>
        <translation>Perfor-
mance</translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Spiele</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Durchschnitt
je 36er Serie</source>
        <translation>Average
per series of 36</translation>
    </message>
    <message>
        <source>Leistungsbewertung = Punkte + (gew. Spiele - verl. Spiele) x 50 + verl. Spiele der Gegner x 40</source>
        <translation>Performance = points + (games won - games lost) x 50 + opponents&apos; games lost x 40</translation>
    </message>
    <message>
        <source>(Gew/Verl)</source>
        <translation>(Won/Lost)</translation>
    </message>
    <message>
        <source>Beste 36er-Serien</source>
        <translation>Best series of 36</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Endergebnis</source>
        <translation>Final result</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>F_bugreport</name>
    <message>
        <source>Fehlerbericht senden</source>
        <translation>Send fault report</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:10pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte beschreibe das Problem bitte möglichst genau in diesem Textfeld.

Drücke &apos;Senden&apos;, damit SKAT eine entsprechende Email in Ihrem Mailprogramm erstellt. Du kannst die Email dann durchlesen und absenden.</source>
        <translation>Please describe the problem as exactly as you can in this field.

Press &apos;Send&apos; and SKAT prepares an e-mail in your mail program. You can then read it through and send it.</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Senden</source>
        <translation>&amp;Send</translation>
    </message>
</context>
<context>
    <name>F_computerlogik</name>
    <message>
        <source>Computerlogik</source>
        <translation>Computer logic</translation>
    </message>
    <message>
        <source>Verhalten beim Spiel:</source>
        <translation>Behaviour in play:</translation>
    </message>
    <message>
        <source>Computer statt Mensch</source>
        <translation>Computer instead of human</translation>
    </message>
    <message>
        <source>Alle Spieler steuern</source>
        <translation>Control all players</translation>
    </message>
    <message>
        <source>Reizvorschlag zeigen</source>
        <translation>Show bid suggestion</translation>
    </message>
    <message>
        <source>Spielvorschlag zeigen</source>
        <translation>Show game suggestion</translation>
    </message>
    <message>
        <source>Farbfrei-Info zeigen</source>
        <translation>Show void suits</translation>
    </message>
    <message>
        <source>Vorschlag warten</source>
        <translation>Wait for suggestion</translation>
    </message>
    <message>
        <source>Spiele je Liste:</source>
        <translation>Games per score sheet:</translation>
    </message>
    <message>
        <source>Verwendete Spiellogik:</source>
        <translation>Playing logic in use:</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Aus&amp;wählen</source>
        <translation>&amp;Select</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Training:</source>
        <translation>Training:</translation>
    </message>
    <message>
        <source>Aktives Training...</source>
        <translation>Active training...</translation>
    </message>
</context>
<context>
    <name>F_eingepasst</name>
    <message>
        <source>Eingepasst</source>
        <translation>Passed in</translation>
    </message>
    <message>
        <source>Das Spiel wurde eingepasst.</source>
        <translation>The game was passed in.</translation>
    </message>
    <message>
        <source>QPushButton
{
	border: 1px solid #A0A0A0;
	border-radius: 8px;
	color: white;
	background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(152, 34, 0, 255), stop:0.48 rgba(148, 34, 0, 255), stop:0.52 rgba(155, 49, 10, 255), stop:1 rgba(195, 138, 125, 255));
}

QPushButton:pressed, QPushButton:hover
{
	background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(176, 58, 25, 255), stop:0.48 rgba(177, 59, 25, 255), stop:0.52 rgba(183, 74, 34, 255), stop:1 rgba(216, 167, 155, 255));
}

QPushButton:disabled
{
	color: rgba(80, 80, 80, 255);
	background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(200, 200, 200, 255), stop:0.48 rgba(202, 202, 202, 255), stop:0.52 rgba(205, 205, 205, 255), stop:1 rgba(216, 216, 216, 255));
}
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wieder&amp;holen</source>
        <translation>Re&amp;peat</translation>
    </message>
    <message>
        <source>&amp;Weiter</source>
        <translation>&amp;Continue</translation>
    </message>
    <message>
        <source>Wenn du bei eingepassten Spielen Ramsch spielen möchtest, aktiviere bitte die entsprechende Regel.</source>
        <translation>If you want to play Ramsch when all pass, switch on that rule.</translation>
    </message>
    <message>
        <source>QPushButton
{
	border: 0px solid #A0A0A0;
	background-image: url(:/dialogues/Spielverlauf.png);
	background-color: rgba(255, 255, 255, 0);
}
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#F_eingepasst
{
	background-color: rgba(255, 0, 255, 0);
	background-image: url(:/dialogues/Hintergrund-Eingepasst.png);
}
QLabel
{
	color: white;
}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: rgb(200, 220, 200);</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>F_extras</name>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>QToolButton
{
	background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
	                            stop: 0 #dadada,
	                            stop: 0.45 #d0d0d0,
	                            stop: 0.55 #b0b0b0,
	                            stop: 1.0 #dadada);
	border: 1px solid #606060;
}

QToolButton:checked
{
	background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
	                            stop: 0 #fafafa,
	                            stop: 0.45 #f0f0f0,
	                            stop: 0.55 #d0d0d0,
	                            stop: 1.0 #fafafa);
	border: 1px solid #606060;
}
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Kazzle</source>
        <translation>Kazzle</translation>
    </message>
    <message>
        <source>Bearbeiten...</source>
        <translation>Edit...</translation>
    </message>
    <message>
        <source>Brummo</source>
        <translation>Brummo</translation>
    </message>
    <message>
        <source>Dein Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>defensiv</source>
        <translation>defensive</translation>
    </message>
    <message>
        <source>schlecht</source>
        <translation>poor</translation>
    </message>
    <message>
        <source>Spielweise</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Gedächtnis</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>ausgewogen</source>
        <translation>balanced</translation>
    </message>
    <message>
        <source>offensiv</source>
        <translation>offensive</translation>
    </message>
    <message>
        <source>gut</source>
        <translation>good</translation>
    </message>
    <message>
        <source>durchschnittlich</source>
        <translation>average</translation>
    </message>
    <message>
        <source>Bei offensiver Spielweise reizt der Computer auch riskante Spiele weit aus. Bei defensiver Spielweise passt er sehr früh. Bei sehr gutem Gedächtnis analysiert der Computer alle bisher gefallenen Stiche. Bei schlechtem Gedächtnis wertet er für die letzten Stiche nicht mehr alle verfügbaren Informationen aus.</source>
        <translation>Offensive: the computer bids high even on risky hands. Defensive: it passes early. Good memory: it analyses every trick played so far. Poor memory: it uses less of what it knows in the last tricks.</translation>
    </message>
    <message>
        <source>Grafik und Ablauf</source>
        <translation>Graphics and play</translation>
    </message>
    <message>
        <source>border-top-left-radius: 9;
border-bottom-left-radius: 9;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kneipe</source>
        <translation>Pub</translation>
    </message>
    <message>
        <source>Insel</source>
        <translation>Island</translation>
    </message>
    <message>
        <source>Berge</source>
        <translation>Mountains</translation>
    </message>
    <message>
        <source>Tonausgabe</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Kommentare der Mitspieler</source>
        <translation>Opponents&apos; comments</translation>
    </message>
    <message>
        <source>Selbst abheben</source>
        <translation>Cut yourself</translation>
    </message>
    <message>
        <source>Stich selbst ablegen</source>
        <translation>Clear tricks yourself</translation>
    </message>
    <message>
        <source>Extrem schnell</source>
        <translation>Extremely fast</translation>
    </message>
    <message>
        <source>Schnell</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Langsam</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Änderung der Sprache erfolgt erst nach Neustart von Skat</source>
        <translation>A change of language takes effect when Skat is started again</translation>
    </message>
    <message>
        <source>border-top-right-radius: 9;
border-bottom-right-radius: 9;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer</source>
        <translation>Empty</translation>
    </message>
    <message>
        <source>Spielkarten</source>
        <translation>Playing cards</translation>
    </message>
    <message>
        <source>Turnier-Bild</source>
        <translation>Tournament cards</translation>
    </message>
    <message>
        <source>Französisches Bild</source>
        <translation>French cards</translation>
    </message>
    <message>
        <source>Deutsches Bild</source>
        <translation>German cards</translation>
    </message>
    <message>
        <source>Karo, Herz, Pik, Kreuz</source>
        <translation>Diamonds, Hearts, Spades, Clubs</translation>
    </message>
    <message>
        <source>Kreuz, Pik, Herz, Karo</source>
        <translation>Clubs, Spades, Hearts, Diamonds</translation>
    </message>
    <message>
        <source>bunt</source>
        <translation>mixed</translation>
    </message>
    <message>
        <source>7, ..., As, Buben</source>
        <translation>7, ..., Ace, Jacks</translation>
    </message>
    <message>
        <source>Buben, As, ..., 7</source>
        <translation>Jacks, Ace, ..., 7</translation>
    </message>
    <message>
        <source>Trumpffarbe bei den Buben</source>
        <translation>Trump suit next to the jacks</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Suits</translation>
    </message>
    <message>
        <source>Blatt</source>
        <translation>Cards</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Regeln</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Internationale Skatordnung</source>
        <translation>International Skat rules</translation>
    </message>
    <message>
        <source>Ehemalige Skatordnung</source>
        <translation>Former Skat rules</translation>
    </message>
    <message>
        <source>Eigene Regeln</source>
        <translation>Own rules</translation>
    </message>
    <message>
        <source>Freie Spiele in Spielliste eintragen</source>
        <translation>Enter free games in the score sheet</translation>
    </message>
    <message>
        <source>Grand Ouvert zählt 36 (statt 24)</source>
        <translation>Grand ouvert counts 36 (instead of 24)</translation>
    </message>
    <message>
        <source>Verlorenes Handspiel zählt nur einfach</source>
        <translation>A lost hand game counts single</translation>
    </message>
    <message>
        <source>Gewinnstufe Schneider bei 91 Augen (statt 90)</source>
        <translation>Schneider at 91 points (instead of 90)</translation>
    </message>
    <message>
        <source>Mit Kontra und Re</source>
        <translation>With Kontra and Re</translation>
    </message>
    <message>
        <source>Nur vor der 1. Karte des Kontragebers</source>
        <translation>Only before the Kontra caller&apos;s first card</translation>
    </message>
    <message>
        <source>Nur vor dem Anspiel zum zweiten Stich</source>
        <translation>Only before the lead to the second trick</translation>
    </message>
    <message>
        <source>Nur wer aktiv gereizt hat, darf Kontra geben</source>
        <translation>Kontra only by a player who has bid</translation>
    </message>
    <message>
        <source>Mit Bockrunden, falls</source>
        <translation>With Bock rounds when</translation>
    </message>
    <message>
        <source>Spiel mit 60 Augen</source>
        <translation>Game with 60 points</translation>
    </message>
    <message>
        <source>Alleinspieler verliert Kontra</source>
        <translation>Declarer loses a Kontra game</translation>
    </message>
    <message>
        <source>Alleinspieler gewinnt Kontra</source>
        <translation>Declarer wins a Kontra game</translation>
    </message>
    <message>
        <source>Gegenspieler werden Schneider</source>
        <translation>Defenders are Schneider</translation>
    </message>
    <message>
        <source>Alleinspieler wird Schneider</source>
        <translation>Declarer is Schneider</translation>
    </message>
    <message>
        <source>Ramsch, nach eingepasstem Reizen</source>
        <translation>Ramsch after all passed</translation>
    </message>
    <message>
        <source>Gilt seit 1.1.1999. Mit dieser Skatordnung spielt der Deutsche Skatverband (DSKV).</source>
        <translation>Valid since 1 January 1999. The German Skat association (DSKV) plays by these rules.</translation>
    </message>
    <message>
        <source>Bis 1.1.1999 in Deutschland gültig.
Grand Ouvert hat einen Zählwert von 36
Verlorene Handspiele zählen nur einfach.</source>
        <translation>Valid in Germany until 1 January 1999.
Grand ouvert has a base value of 36.
Lost hand games count single.</translation>
    </message>
    <message>
        <source>Der Alleinspieler verliert mit 30 Augen in jedem Fall Schneider.</source>
        <translation>With 30 points the declarer is always Schneider.</translation>
    </message>
    <message>
        <source>Klassisch</source>
        <translation>Classic</translation>
    </message>
    <message>
        <source>Seeger-Fabian</source>
        <translation>Seeger-Fabian</translation>
    </message>
    <message>
        <source>Bierlachs</source>
        <translation>Bierlachs</translation>
    </message>
    <message>
        <source>Abrechnung:</source>
        <translation>Settlement:</translation>
    </message>
</context>
<context>
    <name>F_fenster_liste</name>
    <message>
        <source>Spielliste</source>
        <translation>Score sheet</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>toolBar</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Eine neue Spielliste beginnen</source>
        <translation>Start a new score sheet</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortsetzen</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Das geladene Spiel fortsetzen</source>
        <translation>Continue the loaded game</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Die aktuelle Liste speichern</source>
        <translation>Save the current score sheet</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Die Spielliste drucken</source>
        <translation>Print the score sheet</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielverlauf</source>
        <translation>Game history</translation>
    </message>
    <message>
        <source>Den Verlauf des gewählten Spiels einsehen</source>
        <translation>View the course of the chosen game</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Eine vorhandene Spielliste öffnen</source>
        <translation>Open a saved score sheet</translation>
    </message>
</context>
<context>
    <name>F_fenster_skat</name>
    <message>
        <source>SKAT Quorvenel</source>
        <translation>SKAT Quorvenel</translation>
    </message>
</context>
<context>
    <name>F_fenster_skat_menu</name>
    <message>
        <source>QMenuBar
{
	background-color: qlineargradient(spread:repeat, x1:1, y1:1, x2:0, y2:0, stop:0 rgba(180, 180, 180, 255), stop:1 rgba(210, 210, 210, 255));
}

QMenuBar::item
{
	spacing: 3px;
	padding: 2px 9px 3px 9px;
	background: transparent;
}

QMenuBar::item:selected
{
	background: #a8a8a8;
}

QMenuBar::item:pressed
{
	background: #888888;
}
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Spiel</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Darstellung</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Spiel&amp;ablauf</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Einstellungen...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SKAT Hilfe</source>
        <translation>SKAT help</translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Über Skat</source>
        <translation>About Skat</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einführung in das Skatspiel</source>
        <translation>Introduction to Skat</translation>
    </message>
    <message>
        <source>Regeln - Die Skatordnung</source>
        <translation>Rules - the Skat rules</translation>
    </message>
    <message>
        <source>Shift+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reizwerte-Tabelle</source>
        <translation>Bid value table</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>F&amp;ortsetzen</source>
        <translation>C&amp;ontinue</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Übungspartie spielen...</source>
        <translation>Play an &amp;exercise game...</translation>
    </message>
    <message>
        <source>&amp;Freies Spiel...</source>
        <translation>&amp;Free game...</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Karteneditor...</source>
        <translation>Card e&amp;ditor...</translation>
    </message>
    <message>
        <source>Netz&amp;werkspiel einleiten...</source>
        <translation>&amp;Host a network game...</translation>
    </message>
    <message>
        <source>Netzwerkspiel teil&amp;nehmen...</source>
        <translation>&amp;Join a network game...</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Sichern...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spielliste &amp;zeigen</source>
        <translation>Show score &amp;sheet</translation>
    </message>
    <message>
        <source>Als PDF exportieren</source>
        <translation>Export as PDF</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spieler S&amp;tatistik</source>
        <translation>Player s&amp;tatistics</translation>
    </message>
    <message>
        <source>B&amp;eenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Letzten Stich einblenden</source>
        <translation>Show &amp;last trick</translation>
    </message>
    <message>
        <source>&amp;Schenken/Legen</source>
        <translation>&amp;Concede/Lay down</translation>
    </message>
    <message>
        <source>&amp;Punktekonten</source>
        <translation>&amp;Point accounts</translation>
    </message>
    <message>
        <source>&amp;Spielverlauf</source>
        <translation>Game &amp;history</translation>
    </message>
    <message>
        <source>&amp;Blatt der Mitspieler</source>
        <translation>&amp;Opponents&apos; hands</translation>
    </message>
    <message>
        <source>Spielvorschläge anbieten</source>
        <translation>Offer game suggestions</translation>
    </message>
    <message>
        <source>Kartenverteilung...</source>
        <translation>Card distribution...</translation>
    </message>
    <message>
        <source>&amp;Zug zurücknehmen</source>
        <translation>&amp;Undo move</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alles zu mir (automatisch ausspielen)</source>
        <translation>All mine (play automatically)</translation>
    </message>
</context>
<context>
    <name>F_fenster_training</name>
    <message>
        <source>Training</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>toolBar</translation>
    </message>
    <message>
        <source>Situation</source>
        <translation>Situation</translation>
    </message>
    <message>
        <source>Spielsituation wechseln</source>
        <translation>Change the situation</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Einstellungen ändern</source>
        <translation>Change settings</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Eine neue Verteilung generieren</source>
        <translation>Generate a new distribution</translation>
    </message>
</context>
<context>
    <name>F_fenster_verlauf</name>
    <message>
        <source>Spielverlauf</source>
        <translation>Game history</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>toolBar</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Das Spiel erneut spielen</source>
        <translation>Play the game again</translation>
    </message>
    <message>
        <source>Nachspielen</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>Den Spielverlauf nachspielen</source>
        <translation>Replay the course of the game</translation>
    </message>
    <message>
        <source>Verteilung ändern</source>
        <translation>Change distribution</translation>
    </message>
    <message>
        <source>Die Kartenverteilung ändern</source>
        <translation>Change the card distribution</translation>
    </message>
    <message>
        <source>Fehler melden</source>
        <translation>Report a fault</translation>
    </message>
    <message>
        <source>Einen Spielfehler an die Entwickler von SKAT melden</source>
        <translation>Report a fault to the makers of SKAT</translation>
    </message>
</context>
<context>
    <name>F_fenster_verteilen</name>
    <message>
        <source>Karten verteilen</source>
        <translation>Deal cards</translation>
    </message>
    <message>
        <source>toolBar</source>
        <translation>toolBar</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Eine vorhandene Kartenverteilung öffnen</source>
        <translation>Open a saved card distribution</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Die angezeigte Kartenverteilung speichern</source>
        <translation>Save the card distribution shown</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Die letzte Aktion zurücknehmen</source>
        <translation>Undo the last action</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Die angezeigte Kartenverteilung verwerfen</source>
        <translation>Discard the card distribution shown</translation>
    </message>
    <message>
        <source>Tauschen</source>
        <translation>Swap</translation>
    </message>
    <message>
        <source>Die Sitzpositionen am Tisch ändern</source>
        <translation>Change the seats at the table</translation>
    </message>
    <message>
        <source>Auffüllen</source>
        <translation>Fill up</translation>
    </message>
    <message>
        <source>Die Kartenverteilung zufällig auffüllen</source>
        <translation>Fill up the card distribution at random</translation>
    </message>
    <message>
        <source>Spielen</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Mit dieser Verteilung ein Spiel beginnen</source>
        <translation>Start a game with this distribution</translation>
    </message>
    <message>
        <source>Grand</source>
        <translation>Grand</translation>
    </message>
    <message>
        <source>Eine Verteilung suchen, bei der ein Spieler einen Grand hat</source>
        <translation>Search a distribution in which a player holds a grand</translation>
    </message>
    <message>
        <source>Null</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>Eine Verteilung suchen, bei der ein Spieler ein Nullspiel hat</source>
        <translation>Search a distribution in which a player holds a null game</translation>
    </message>
    <message>
        <source>Selbst</source>
        <translation>Yourself</translation>
    </message>
    <message>
        <source>Mit dieser Verteilung ein Spiel beginnen und alle drei Hände selbst spielen</source>
        <translation>Start a game with this distribution and play all three hands yourself</translation>
    </message>
</context>
<context>
    <name>F_freies_spiel</name>
    <message>
        <source>Übungstisch - Freies Spiel starten</source>
        <translation>Practice table - start a free game</translation>
    </message>
    <message>
        <source>Hilfestellungen:</source>
        <translation>Aids:</translation>
    </message>
    <message>
        <source>Deine Sitzposition:</source>
        <translation>Your seat:</translation>
    </message>
    <message>
        <source>Punktekonten</source>
        <translation>Point accounts</translation>
    </message>
    <message>
        <source>Spielverlauf</source>
        <translation>Game history</translation>
    </message>
    <message>
        <source>Blatt der Mitspieler</source>
        <translation>Opponents&apos; hands</translation>
    </message>
    <message>
        <source>Spielvorschläge</source>
        <translation>Game suggestions</translation>
    </message>
    <message>
        <source>Vorhand (spielt aus)</source>
        <translation>Forehand (leads)</translation>
    </message>
    <message>
        <source>Mittelhand (hebt ab)</source>
        <translation>Middlehand (cuts)</translation>
    </message>
    <message>
        <source>Hinterhand (gibt)</source>
        <translation>Rearhand (deals)</translation>
    </message>
    <message>
        <source>&amp;Spiel starten</source>
        <translation>&amp;Start game</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>F_heuristikauswahl</name>
    <message>
        <source>Auswahl der verwendeten Heuristiken</source>
        <translation>Choice of the heuristics in use</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Verfügbare Heuristiken für Spieler ???:</source>
        <translation>Heuristics available for player ???:</translation>
    </message>
    <message>
        <source>&lt;&lt;dummy&gt;&gt;</source>
        <translation>&lt;&lt;dummy&gt;&gt;</translation>
    </message>
    <message>
        <source>Im Skat spicken</source>
        <translation>Peek into the skat</translation>
    </message>
    <message>
        <source>Signifikanz:</source>
        <translation>Significance:</translation>
    </message>
    <message>
        <source>Zufällig</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>Summe der Gewichte</source>
        <translation>Sum of the weights</translation>
    </message>
    <message>
        <source>Abweichung von Gleichvert.</source>
        <translation>Deviation from even distribution</translation>
    </message>
</context>
<context>
    <name>F_hilfe</name>
    <message>
        <source>SKAT Hilfe</source>
        <translation>SKAT help</translation>
    </message>
    <message>
        <source>QToolButton
{
	background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
	                            stop: 0 #dadada,
	                            stop: 0.45 #d0d0d0,
	                            stop: 0.55 #b0b0b0,
	                            stop: 1.0 #dadada);
	border: 1px solid #606060;
}

QToolButton:checked
{
	background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
	                            stop: 0 #fafafa,
	                            stop: 0.45 #f0f0f0,
	                            stop: 0.55 #d0d0d0,
	                            stop: 1.0 #fafafa);
	border: 1px solid #606060;
}
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>border-top-left-radius: 7;
border-bottom-left-radius: 7;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmhilfe</source>
        <translation>Program help</translation>
    </message>
    <message>
        <source>border-top-right-radius: 7;
border-bottom-right-radius: 7;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regeln</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Einführung</source>
        <translation>Introduction</translation>
    </message>
</context>
<context>
    <name>F_hilfestellungen</name>
    <message>
        <source>Handspiele</source>
        <translation>Hand games</translation>
    </message>
    <message>
        <source>#F_hilfestellungen
{
	background-color: rgba(255, 0, 255, 0);
	background-image: url(:/dialogues/Sprechblase-Tutor.png);
}

QPushButton
{
	background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
	                            stop: 0 #dadada,
	                            stop: 0.45 #d0d0d0,
	                            stop: 0.55 #b0b0b0,
	                            stop: 1.0 #dadada);
	border: 1px solid #606060;
	border-radius: 9;
}

QPushButton:checked
{
	background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
	                            stop: 0 #fafafa,
	                            stop: 0.45 #f0f0f0,
	                            stop: 0.55 #d0d0d0,
	                            stop: 1.0 #fafafa);
	border: 1px solid #606060;
	border-radius: 9;
}
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zug zurücknehmen</source>
        <translation>Undo move</translation>
    </message>
    <message>
        <source>Spielvorschläge</source>
        <translation>Game suggestions</translation>
    </message>
    <message>
        <source>Punktekonten</source>
        <translation>Point accounts</translation>
    </message>
    <message>
        <source>Spielverlauf</source>
        <translation>Game history</translation>
    </message>
    <message>
        <source>Blatt der Mitspieler</source>
        <translation>Opponents&apos; hands</translation>
    </message>
    <message>
        <source>Diese Hilfestellungen helfen Dir beim Skat Lernen und Experimentieren. Sie verletzen die Skatordnung und sind in einem echten Spiel natürlich nicht verfügbar.</source>
        <translation>These aids help you learn Skat and experiment. They break the Skat rules and are of course not available in a real game.</translation>
    </message>
</context>
<context>
    <name>F_info</name>
    <message>
        <source>Über Skat</source>
        <translation>About Skat</translation>
    </message>
    <message>
        <source>QDialog
{
	background-image: url(:/dialogues/Titellogo.png);
}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programm-Hilfe</source>
        <translation>Program help</translation>
    </message>
    <message>
        <source>Skatordnung</source>
        <translation>Skat rules</translation>
    </message>
    <message>
        <source>color: rgb(255, 255, 255);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;dummy&gt;&gt;</source>
        <translation>&lt;&lt;dummy&gt;&gt;</translation>
    </message>
    <message>
        <source>Kontakt</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Skat lernen</source>
        <translation>Learn Skat</translation>
    </message>
    <message>
        <source>SKAT Quorvenel</source>
        <translation>SKAT Quorvenel</translation>
    </message>
    <message>
        <source>© 2026 Quorvenel. Alle Rechte vorbehalten.</source>
        <translation>© 2026 Quorvenel. All rights reserved.</translation>
    </message>
    <message>
        <source>Wir entwickeln SKAT kontinuierlich weiter. Dazu freuen wir uns über Deine Kommentare zu SKAT. Schreibe uns, wenn du Vorschläge oder Wünsche zu SKAT hast!</source>
        <translation>We keep developing SKAT, and we welcome your comments. Write to us if you have suggestions or wishes for SKAT!</translation>
    </message>
    <message>
        <source>Herzlich Willkommen zu SKAT!</source>
        <translation>Welcome to SKAT!</translation>
    </message>
    <message>
        <source>Viel Spaß
und Gut Blatt!</source>
        <translation>Have fun,
good cards!</translation>
    </message>
    <message>
        <source>skat.example.org</source>
        <translation>skat.example.org</translation>
    </message>
    <message>
        <source>Autoren
Das Quorvenel-Spieleteam
und die Donnerstagsrunde</source>
        <translation>Authors
The Quorvenel games team
and the Thursday circle</translation>
    </message>
    <message>
        <source>Unser herzlicher Dank geht an:
Atelier Pinsel (pinsel@skat.example)
für das Design der Mäuse
Bildwerkstatt (bilder.skat.example)
für die Bildvorlage &quot;Insel&quot;
den Fotokreis am See
für die Bildvorlage &quot;Berge&quot;
Anton, Bea, Carlo, Dörte, Emil,
Fenja, Gero und Hanne für viele Tests</source>
        <translation>Our warm thanks go to:
Atelier Pinsel (pinsel@skat.example)
for the design of the mice
Bildwerkstatt (bilder.skat.example)
for the &quot;Island&quot; picture
the photo circle by the lake
for the &quot;Mountains&quot; picture
Anton, Bea, Carlo, Dörte, Emil,
Fenja, Gero and Hanne for testing</translation>
    </message>
    <message>
        <source>Die Kartenbilder erscheinen mit
Genehmigung des Kartenherstellers,
der alle Rechte an ihnen hält.

Kartenwerkstatt Quorvenel
Quorvenel Kartenwerkstatt GmbH
ein Haus der Quorvenel Gruppe
E-Mail: karten@skat.example
Internet: karten.skat.example</source>
        <translation>The card pictures appear by
permission of the card maker,
who holds all rights to them.

Kartenwerkstatt Quorvenel
Quorvenel Kartenwerkstatt GmbH
a company of the Quorvenel group
E-mail: karten@skat.example
Internet: karten.skat.example</translation>
    </message>
</context>
<context>
    <name>F_ja_nein</name>
    <message>
        <source>Skat</source>
        <translation>Skat</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&lt;&lt;dummy&gt;&gt;</source>
        <translation>&lt;&lt;dummy&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>F_liste_komplett</name>
    <message>
        <source>Skat</source>
        <translation>Skat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Bestenliste zeigen</source>
        <translation>Show &amp;high scores</translation>
    </message>
    <message>
        <source>#background
{
	background-image: url(:/dialogues/ListeKomplett.png);
}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: #FFFFFF;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Du hast die Spielliste abgeschlossen.</source>
        <translation>You have completed the score sheet.</translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Endergebnis</source>
        <translation>Final result</translation>
    </message>
    <message>
        <source>&lt;&lt;dummy&gt;&gt;</source>
        <translation>&lt;&lt;dummy&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>F_netz_spiel_einleiten</name>
    <message>
        <source>Neues Netzwerkspiel starten</source>
        <translation>Start a new network game</translation>
    </message>
    <message>
        <source>Netzwerkspieler</source>
        <translation>Network player</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>(leer)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>SKAT-Server läuft. Warten auf Mitspieler...</source>
        <translation>SKAT host is running. Waiting for players...</translation>
    </message>
    <message>
        <source>background-color: rgba(255, 255, 255, 0);
border-color: rgba(255, 255, 255, 0);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Spiel starten</source>
        <translation>&amp;Start game</translation>
    </message>
</context>
<context>
    <name>F_netz_spiel_teilnehmen</name>
    <message>
        <source>An Netzwerkspiel teilnehmen</source>
        <translation>Join a network game</translation>
    </message>
    <message>
        <source>#frame
{
	background-color: #FFFFFF;
	border-top: 1px solid #FFFFFF;
	border-bottom: 1px solid #000000;
	border-left: 1px solid #FFFFFF;
	border-right: 1px solid #FFFFFF;
}

QTabWidget::pane
{
	border-top: 1px solid #606060;
	border-bottom: 1px solid #FFFFFF;
}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(leer)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>SKAT-Server läuft. Warten auf Mitspieler...</source>
        <translation>SKAT host is running. Waiting for players...</translation>
    </message>
    <message>
        <source>Verbinden</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Teilnehmen</source>
        <translation>&amp;Join</translation>
    </message>
    <message>
        <source>background-color: rgba(255, 255, 255, 0);
border-color: rgba(255, 255, 255, 0);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lokales Netz</source>
        <translation>Local network</translation>
    </message>
    <message>
        <source>Skat-Server im lokalen Netzwerk</source>
        <translation>Skat hosts in the local network</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>IP-Nummer des SKAT-Servers:</source>
        <translation>IP address of the SKAT host:</translation>
    </message>
</context>
<context>
    <name>F_reizwert_kalkulator</name>
    <message>
        <source>Spielwerte</source>
        <translation>Game values</translation>
    </message>
    <message>
        <source>QToolButton
{
	background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
	                            stop: 0 #dadada,
	                            stop: 0.45 #d0d0d0,
	                            stop: 0.55 #b0b0b0,
	                            stop: 1.0 #dadada);
	border: 1px solid #606060;
}

QToolButton:checked
{
	background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
	                            stop: 0 #fafafa,
	                            stop: 0.45 #f0f0f0,
	                            stop: 0.55 #d0d0d0,
	                            stop: 1.0 #fafafa);
	border: 1px solid #606060;
}
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übersichtstabelle</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Spielart und Grundwert</source>
        <translation>Game type and base value</translation>
    </message>
    <message>
        <source>Mit oder ohne Einem
Spiel 2</source>
        <translation>With/w.o. 1
game 2</translation>
    </message>
    <message>
        <source>Mit oder ohne Zwei
Spiel 3</source>
        <translation>With/w.o. 2
game 3</translation>
    </message>
    <message>
        <source>Mit oder ohne Drei
Spiel 4</source>
        <translation>With/w.o. 3
game 4</translation>
    </message>
    <message>
        <source>Mit oder ohne Vier
Spiel 5</source>
        <translation>With/w.o. 4
game 5</translation>
    </message>
    <message>
        <source>Mit oder ohne Fünf
Spiel 6</source>
        <translation>With/w.o. 5
game 6</translation>
    </message>
    <message>
        <source>Karo</source>
        <translation>Diam.</translation>
    </message>
    <message>
        <source>Herz</source>
        <translation>Hearts</translation>
    </message>
    <message>
        <source>Pik</source>
        <translation>Spades</translation>
    </message>
    <message>
        <source>Kreuz</source>
        <translation>Clubs</translation>
    </message>
    <message>
        <source>11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>27</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>36</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>45</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>54</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>72</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>66</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>48</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>44</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>33</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>55</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>120</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>96</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grand</source>
        <translation>Grand</translation>
    </message>
    <message>
        <source>Null ouvert</source>
        <translation>Null ouvert</translation>
    </message>
    <message>
        <source>Null Hand</source>
        <translation>Null hand</translation>
    </message>
    <message>
        <source>23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>46</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Null</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>Null ouvert Hand</source>
        <translation>Null ouvert hand</translation>
    </message>
    <message>
        <source>Nullspiele</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>35</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>59</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kalkulator</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>&lt;&lt;dummy&gt;&gt;</source>
        <translation>&lt;&lt;dummy&gt;&gt;</translation>
    </message>
    <message>
        <source>border-top-left-radius: 9;
border-bottom-left-radius: 9;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schwarz</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>border-top-right-radius: 9;
border-bottom-right-radius: 9;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schwarz
angesagt</source>
        <translation>Schwarz
announced</translation>
    </message>
    <message>
        <source>Schneider
angesagt</source>
        <translation>Schneider
announced</translation>
    </message>
    <message>
        <source>Schneider</source>
        <translation>Schneider</translation>
    </message>
    <message>
        <source>Ouvert</source>
        <translation>Ouvert</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Berechnung der Gewinnstufe: (Spitzen + Gewinnstufe) x Grundwert
Trümpfe im Skat können zu anderen Spitzen führen!</source>
        <translation>Game value: (matadors + win level) x base value
Trumps in the skat may change the matadors!</translation>
    </message>
    <message>
        <source>background-color: rgba(255, 255, 255, 0);
border-color: rgba(255, 255, 255, 0);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorschlag</source>
        <translation>Suggestion</translation>
    </message>
</context>
<context>
    <name>F_spiel_abkuerzen</name>
    <message>
        <source>Handspiele</source>
        <translation>Hand games</translation>
    </message>
    <message>
        <source>#F_spiel_abkuerzen
{
	background-color: rgba(255, 0, 255, 0);
	background-image: url(:/dialogues/Sprechblase-Spielabkuerzung.png);
}

QPushButton
{
	background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
	                            stop: 0 #dadada,
	                            stop: 0.45 #d0d0d0,
	                            stop: 0.55 #b0b0b0,
	                            stop: 1.0 #dadada);
	border: 1px solid #606060;
	border-radius: 9;
}

QPushButton:checked
{
	background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
	                            stop: 0 #fafafa,
	                            stop: 0.45 #f0f0f0,
	                            stop: 0.55 #d0d0d0,
	                            stop: 1.0 #fafafa);
	border: 1px solid #606060;
	border-radius: 9;
}
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alles zu mir</source>
        <translation>All mine</translation>
    </message>
    <message>
        <source>Schenken/Legen</source>
        <translation>Concede/Lay down</translation>
    </message>
    <message>
        <source>Alle verbleibenden Stiche gehen an die Gegenpartei. Ein Null gilt als verloren. Nicht erlaubt bei Ramsch.</source>
        <translation>All remaining tricks go to the other side. A null game counts as lost. Not allowed in Ramsch.</translation>
    </message>
    <message>
        <source>Für die verbleibenden Stiche spielt der Computer Deine Karten automatisch in zufälliger Reihenfolge aus.</source>
        <translation>For the remaining tricks the computer plays your cards automatically in random order.</translation>
    </message>
</context>
<context>
    <name>F_spiel_einfach</name>
    <message>
        <source>Einfache Spiele</source>
        <translation>Plain games</translation>
    </message>
    <message>
        <source>#F_spiel_einfach
{
	background-color: rgba(255, 0, 255, 0);
	background-image: url(:/dialogues/Sprechblase-Spielansage.png);
}

QToolButton
{
	background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
	                            stop: 0 #dadada,
	                            stop: 0.45 #d0d0d0,
	                            stop: 0.55 #b0b0b0,
	                            stop: 1.0 #dadada);
	border: 1px solid #606060;
}

QToolButton:checked
{
	background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
	                            stop: 0 #fafafa,
	                            stop: 0.45 #f0f0f0,
	                            stop: 0.55 #d0d0d0,
	                            stop: 1.0 #fafafa);
	border: 1px solid #606060;
}
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>background-color: rgba(255, 255, 255, 0);
border-color: rgba(255, 255, 255, 0);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorschlag</source>
        <translation>Suggestion</translation>
    </message>
    <message>
        <source>QPushButton
{
	border: 1px solid #A0A0A0;
	border-radius: 4px;
	color: white;
	background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(152, 34, 0, 255), stop:0.48 rgba(148, 34, 0, 255), stop:0.52 rgba(155, 49, 10, 255), stop:1 rgba(195, 138, 125, 255));
}

QPushButton:pressed, QPushButton:hover
{
	background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(176, 58, 25, 255), stop:0.48 rgba(177, 59, 25, 255), stop:0.52 rgba(183, 74, 34, 255), stop:1 rgba(216, 167, 155, 255));
}

QPushButton:disabled
{
	color: rgba(80, 80, 80, 255);
	background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(200, 200, 200, 255), stop:0.48 rgba(202, 202, 202, 255), stop:0.52 rgba(205, 205, 205, 255), stop:1 rgba(216, 216, 216, 255));
}
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spiel ansagen</source>
        <translation>Announce game</translation>
    </message>
    <message>
        <source>Skat aufnehmen</source>
        <translation>Take the skat</translation>
    </message>
    <message>
        <source>&lt;&lt;dummy&gt;&gt;</source>
        <translation>&lt;&lt;dummy&gt;&gt;</translation>
    </message>
    <message>
        <source>border-top-right-radius: 9;
border-bottom-right-radius: 9;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Null</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>Karo</source>
        <translation>Diamonds</translation>
    </message>
    <message>
        <source>Grand</source>
        <translation>Grand</translation>
    </message>
    <message>
        <source>Pik</source>
        <translation>Spades</translation>
    </message>
    <message>
        <source>Herz</source>
        <translation>Hearts</translation>
    </message>
    <message>
        <source>border-top-left-radius: 9;
border-bottom-left-radius: 9;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kreuz</source>
        <translation>Clubs</translation>
    </message>
    <message>
        <source>Ouvert</source>
        <translation>Ouvert</translation>
    </message>
    <message>
        <source>color: rgb(110, 110, 110);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ansagen von Schneider oder
Schwarz nur bei Handspiel.</source>
        <translation>Schneider or Schwarz can only
be announced in a hand game.</translation>
    </message>
    <message>
        <source>Schwarz</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Schneider</source>
        <translation>Schneider</translation>
    </message>
    <message>
        <source>Der Spielwert des ausgewählten Spiels liegt unter dem Reizwert. Du musst das Spiel in einer höheren Gewinnstufe gewinnen oder ein anderes Spiel ansagen.</source>
        <translation>The value of the chosen game is below the bid. You must win at a higher level or announce another game.</translation>
    </message>
    <message>
        <source>color: rgb(50, 50, 50);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: rgb(150, 105, 0);</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>F_spiel_hand</name>
    <message>
        <source>Handspiele</source>
        <translation>Hand games</translation>
    </message>
    <message>
        <source>#F_spiel_hand
{
	background-color: rgba(255, 0, 255, 0);
	background-image: url(:/dialogues/Sprechblase-Spielansage.png);
}

QToolButton
{
	background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
	                            stop: 0 #dadada,
	                            stop: 0.45 #d0d0d0,
	                            stop: 0.55 #b0b0b0,
	                            stop: 1.0 #dadada);
	border: 1px solid #606060;
}

QToolButton:checked
{
	background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
	                            stop: 0 #fafafa,
	                            stop: 0.45 #f0f0f0,
	                            stop: 0.55 #d0d0d0,
	                            stop: 1.0 #fafafa);
	border: 1px solid #606060;
}
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>background-color: rgba(255, 255, 255, 0);
border-color: rgba(255, 255, 255, 0);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorschlag</source>
        <translation>Suggestion</translation>
    </message>
    <message>
        <source>QPushButton
{
	border: 1px solid #A0A0A0;
	border-radius: 4px;
	color: white;
	background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(152, 34, 0, 255), stop:0.48 rgba(148, 34, 0, 255), stop:0.52 rgba(155, 49, 10, 255), stop:1 rgba(195, 138, 125, 255));
}

QPushButton:pressed, QPushButton:hover
{
	background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(176, 58, 25, 255), stop:0.48 rgba(177, 59, 25, 255), stop:0.52 rgba(183, 74, 34, 255), stop:1 rgba(216, 167, 155, 255));
}

QPushButton:disabled
{
	color: rgba(80, 80, 80, 255);
	background-color: qlineargradient(spread:pad, x1:0, y1:1, x2:0, y2:0, stop:0 rgba(200, 200, 200, 255), stop:0.48 rgba(202, 202, 202, 255), stop:0.52 rgba(205, 205, 205, 255), stop:1 rgba(216, 216, 216, 255));
}
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handspiel ansagen</source>
        <translation>Announce hand game</translation>
    </message>
    <message>
        <source>Skat aufnehmen</source>
        <translation>Take the skat</translation>
    </message>
    <message>
        <source>&lt;&lt;dummy&gt;&gt;</source>
        <translation>&lt;&lt;dummy&gt;&gt;</translation>
    </message>
    <message>
        <source>border-top-right-radius: 9;
border-bottom-right-radius: 9;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Null</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>Karo</source>
        <translation>Diamonds</translation>
    </message>
    <message>
        <source>Grand</source>
        <translation>Grand</translation>
    </message>
    <message>
        <source>Pik</source>
        <translation>Spades</translation>
    </message>
    <message>
        <source>Herz</source>
        <translation>Hearts</translation>
    </message>
    <message>
        <source>border-top-left-radius: 9;
border-bottom-left-radius: 9;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kreuz</source>
        <translation>Clubs</translation>
    </message>
    <message>
        <source>Ouvert</source>
        <translation>Ouvert</translation>
    </message>
    <message>
        <source>Schneider
angesagt</source>
        <translation>Schneider
announced</translation>
    </message>
    <message>
        <source>Schneider</source>
        <translation>Schneider</translation>
    </message>
    <message>
        <source>Schwarz
angesagt</source>
        <translation>Schwarz
announced</translation>
    </message>
    <message>
        <source>Schwarz</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Der Spielwert des ausgewählten Spiels liegt unter dem Reizwert. Du musst das Spiel in einer höheren Gewinnstufe gewinnen oder ein anderes Spiel ansagen.</source>
        <translation>The value of the chosen game is below the bid. You must win at a higher level or announce another game.</translation>
    </message>
    <message>
        <source>color: rgb(50, 50, 50);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: rgb(150, 105, 0);</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>F_tabeinst</name>
    <message>
        <source>Zufallsverteilung</source>
        <translation>Random deal</translation>
    </message>
    <message>
        <source>Lege fest, wie die Karten im Training verteilt werden</source>
        <translation>Choose how the cards are dealt in training</translation>
    </message>
    <message>
        <source>Tabelle:</source>
        <translation>Table:</translation>
    </message>
    <message>
        <source>Beim Spieler sind</source>
        <translation>The player holds</translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karten.</source>
        <translation>cards.</translation>
    </message>
    <message>
        <source>Im Stapel bleiben</source>
        <translation>Left in the pack</translation>
    </message>
    <message>
        <source>Im Stich sind</source>
        <translation>In the trick</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>null oder eine</source>
        <translation>none or one</translation>
    </message>
    <message>
        <source>null bis zwei</source>
        <translation>none to two</translation>
    </message>
    <message>
        <source>eine</source>
        <translation>one</translation>
    </message>
    <message>
        <source>eine oder zwei</source>
        <translation>one or two</translation>
    </message>
    <message>
        <source>zwei</source>
        <translation>two</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
</context>
<context>
    <name>F_training</name>
    <message>
        <source>Training</source>
        <translation>Training</translation>
    </message>
    <message>
        <source>Wert ändern</source>
        <translation>Change value</translation>
    </message>
    <message>
        <source>Neuer Wert</source>
        <translation>New value</translation>
    </message>
    <message>
        <source>ist Maximum mit</source>
        <translation>is the maximum with</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>F_ubungspartien</name>
    <message>
        <source>Übungspartien</source>
        <translation>Exercise games</translation>
    </message>
    <message>
        <source>Spielart</source>
        <translation>Game type</translation>
    </message>
    <message>
        <source>Thema</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>&lt;&lt;dummy&gt;&gt;</source>
        <translation>&lt;&lt;dummy&gt;&gt;</translation>
    </message>
    <message>
        <source>Verlauf einsehen</source>
        <translation>View history</translation>
    </message>
    <message>
        <source>Nachspielen</source>
        <translation>Replay</translation>
    </message>
</context>
<context>
    <name>F_wirdfrei</name>
    <message>
        <source>Spielstatus ändern</source>
        <translation>Change the game state</translation>
    </message>
    <message>
        <source>Das Spiel wurde regeltreu begonnen. Diese Aktion verletzt die Skatordnung.</source>
        <translation>The game was started by the rules. This action breaks the Skat rules.</translation>
    </message>
    <message>
        <source>Das Spiel kann als »freies Spiel« zum Experimentieren fortgesetzt werden. Es wird dann nicht in die Skatliste eingetragen.</source>
        <translation>The game can go on as a »free game« to experiment with. It is then not entered in the score sheet.</translation>
    </message>
    <message>
        <source>&amp;Abbruch</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Continue</translation>
    </message>
</context>
<context>
    <name>Sheet_ja_nein</name>
    <message>
        <source>Skat</source>
        <translation>Skat</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&lt;&lt;dummy&gt;&gt;</source>
        <translation>&lt;&lt;dummy&gt;&gt;</translation>
    </message>
</context>
<context>
    <name>Skat</name>
    <message>
        <source>Die aktuelle Bildschirmauflösung ist geringer als 800 x 600 Pixel.

</source>
        <translation>The screen resolution is lower than 800 x 600 pixels.

</translation>
    </message>
    <message>
        <source>Der Bildschirm wird nicht im Echtfarbenmodus betrieben.
Skat wird eine fehlerhafte Darstellung aufweisen.

</source>
        <translation>The screen is not running in true colour.
Skat will not look right.

</translation>
    </message>
    <message>
        <source>SKAT hat festgestellt, dass folgende Voraussetzungen auf Ihrem Rechner nicht erfüllt sind:

</source>
        <translation>SKAT found that your computer does not meet these requirements:

</translation>
    </message>
    <message>
        <source>SKAT kann deshalb nicht starten.</source>
        <translation>SKAT therefore cannot start.</translation>
    </message>
</context>
<context>
    <name>WIN_COMMUNICATION</name>
    <message>
        <source>Die Datei
%s
kann nicht angezeigt werden, da kein Programm für die Anzeige konfiguriert ist.</source>
        <translation>The file
%s
cannot be shown because no program is set up to show it.</translation>
    </message>
    <message>
        <source>Die Adresse
%s
 kann nicht angezeigt werden, da kein Programm für die Anzeige konfiguriert ist.</source>
        <translation>The address
%s
 cannot be shown because no program is set up to show it.</translation>
    </message>
    <message>
        <source>Die Nachricht kann nicht verschickt werden, weil kein E-Mail-Programm konfiguriert ist.</source>
        <translation>The message cannot be sent because no e-mail program is set up.</translation>
    </message>
</context>
<context>
    <name>crash</name>
    <message>
        <source>Absturzbericht</source>
        <translation>Crash report</translation>
    </message>
</context>
</TS>
