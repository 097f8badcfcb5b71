#pragma once
// Every fixed name the game side uses to find its data: folders, help pages,
// data files, images, extensions, PDF fonts and sound names (sounds without
// their ".mp3"). Folders are combined with VORDIX_FOLDER, one changeFolder
// or createSubfolder per name (see SkatFolders.h). Nothing here reads a file.

#include <array>
#include <cstddef>
#include <string>

class SKAT_PATHS {
public:
    virtual ~SKAT_PATHS();

    // Folders below the program, user and temporary folders (18).
    std::wstring folderResources = L"Ressourcen";
    std::wstring folderGraphics = L"Grafik";
    std::wstring folderSheets = L"Spiellisten";
    std::wstring folderExercises = L"Uebungspartien";
    std::wstring folderDistributions = L"Kartenverteilungen";
    std::wstring folderCardSets = L"Kartensets";
    std::wstring folderHelp = L"Hilfe";
    std::wstring folderSounds = L"Sounds";
    std::wstring folderSpeaker = L"Sprecher";
    std::wstring folderLeftVoice = L"L";
    std::wstring folderRightVoice = L"R";
    std::wstring folderGreeting = L"hallo";
    std::wstring folderEffects = L"Effekte";
    std::wstring folderDemo = L"demo";
    std::wstring folderLogic = L"Spiellogik";
    std::wstring folderOut = L"Out";
    std::wstring folderDelta = L"Delta";
    std::wstring folderProgramData = L"SKAT";

    // Help pages, German and English (the English bid-factor page is the German one) (16).
    std::wstring helpIntroDe = L"einfuehrung/einstieg.html";
    std::wstring helpIntroEn = L"einfuehrung/einstieg.en.html";
    std::wstring helpHandGameDe = L"einfuehrung/handspiel.html";
    std::wstring helpHandGameEn = L"einfuehrung/handspiel.en.html";
    std::wstring helpGameValuesDe = L"einfuehrung/spielwerte.html";
    std::wstring helpGameValuesEn = L"einfuehrung/spielwerte.en.html";
    std::wstring helpBidFactorDe = L"einfuehrung/reizfaktor.html";
    std::wstring helpBidFactorEn = L"einfuehrung/reizfaktor.html";
    std::wstring helpRulesDe = L"skatordnung/skatordnung.html";
    std::wstring helpRulesEn = L"skatordnung/skatordnung.en.html";
    std::wstring helpProgramDe = L"programmhilfe/programmhilfe.html";
    std::wstring helpProgramEn = L"programmhilfe/programmhilfe.en.html";
    std::wstring helpProgram2De = L"programmhilfe/programmhilfe.html";
    std::wstring helpProgram2En = L"programmhilfe/programmhilfe.en.html";
    std::wstring helpWelcomeDe = L"willkommen/willkommen.html";
    std::wstring helpWelcomeEn = L"willkommen/willkommen.en.html";

    // Data files (12).
    std::wstring fileDemoDistribution = L"Demo.krt";
    std::wstring fileCurrentSheet = L"Aktuell.skt";
    std::wstring fileRunningGame = L"LfdSpiel.skt";
    std::wstring fileExercisesDe = L"uebungsliste.de.skt";
    std::wstring fileExercisesEn = L"uebungsliste.en.skt";
    std::wstring fileCardSetIndex = L"Kartensets.xml";
    std::wstring fileTextTable = L"Skat_Text.xml";
    std::wstring fileHighScores = L"bestenliste";
    std::wstring fileLogicPrefs = L"Spiellogik.pref";
    std::wstring fileHandRatings = L"Blattwertung.bin";
    std::wstring fileNullRatings = L"Null.bin";
    std::wstring fileHistory = L"Historie.skt";

    // Images in "Grafik" (78).
    std::wstring imgListeTopDe = L"Liste_Top.de.png";
    std::wstring imgListeTopEn = L"Liste_Top.en.png";
    std::wstring imgListeSegment = L"Liste_Segment.png";
    std::wstring imgListeBottomDe = L"Liste_Bottom.de.png";
    std::wstring imgListeBottomEn = L"Liste_Bottom.en.png";
    std::wstring imgListe4erTopDe = L"Liste_4er_Top.de.png";
    std::wstring imgListe4erSegment = L"Liste_4er_Segment.png";
    std::wstring imgListe4erBottomDe = L"Liste_4er_Bottom.de.png";
    std::wstring imgBergeTischLeer = L"Berge_Tisch_Leer.png";
    std::wstring imgBergeTischFPCenter = L"Berge_Tisch_FP_Center.png";
    std::wstring imgBergeTischVG = L"Berge_Tisch_VG.png";
    std::wstring imgBergeAugenLeft = L"Berge_Augen_Left.png";
    std::wstring imgBergeAugenRight = L"Berge_Augen_Right.png";
    std::wstring imgBergeFPKartenblatt = L"Berge_FP_Kartenblatt.png";
    std::wstring imgInselTischLeer = L"Insel_Tisch_Leer.png";
    std::wstring imgInselTischVG = L"Insel_Tisch_VG.png";
    std::wstring imgInselTischFPCenter = L"Insel_Tisch_FP_Center.png";
    std::wstring imgInselAugenLeft = L"Insel_Augen_Left.png";
    std::wstring imgInselAugenRight = L"Insel_Augen_Right.png";
    std::wstring imgInselFPKartenblatt = L"Insel_FP_Kartenblatt.png";
    std::wstring imgKneipeTischLeer = L"Kneipe_Tisch_Leer.png";
    std::wstring imgKneipeTischVG = L"Kneipe_Tisch_VG.png";
    std::wstring imgKneipeTischFPCenter = L"Kneipe_Tisch_FP_Center.png";
    std::wstring imgKneipeAugenLeft = L"Kneipe_Augen_Left.png";
    std::wstring imgKneipeAugenRight = L"Kneipe_Augen_Right.png";
    std::wstring imgKneipeFPKartenblatt = L"Kneipe_FP_Kartenblatt.png";
    std::wstring imgMonoTischFPCenter = L"Mono_Tisch_FP_Center.png";
    std::wstring imgWizzard = L"Wizzard.png";
    std::wstring imgMaus = L"Maus.png";
    std::wstring imgFace0 = L"Face0.png";
    std::wstring imgFace1 = L"Face1.png";
    std::wstring imgFace2 = L"Face2.png";
    std::wstring imgWizzardLeer = L"Wizzard_Leer.png";
    std::wstring imgInfo = L"Info.png";
    std::wstring imgInfoSelected = L"Info_selected.png";
    std::wstring imgInfoExtensionLeft = L"Info_extension_left.png";
    std::wstring imgInfoExtensionMiddle = L"Info_extension_middle.png";
    std::wstring imgInfoExtensionRight = L"Info_extension_right.png";
    std::wstring imgPrefs = L"Prefs.png";
    std::wstring imgPrefsSelected = L"Prefs_selected.png";
    std::wstring imgHelp = L"Help.png";
    std::wstring imgHelpSelected = L"Help_selected.png";
    std::wstring imgTutor = L"Tutor.png";
    std::wstring imgTutorSelected = L"Tutor_selected.png";
    std::wstring imgFastForward = L"FastForward.png";
    std::wstring imgFastForwardSelected = L"FastForward_selected.png";
    std::wstring imgStapelLeftTop = L"Stapel_Left_Top.png";
    std::wstring imgStapelMiddleTop = L"Stapel_Middle_Top.png";
    std::wstring imgStapelRightTop = L"Stapel_Right_Top.png";
    std::wstring imgStapelLeftSegment = L"Stapel_Left_Segment.png";
    std::wstring imgStapelMiddleSegment = L"Stapel_Middle_Segment.png";
    std::wstring imgStapelRightSegment = L"Stapel_Right_Segment.png";
    std::wstring imgSkat = L"Skat.png";
    std::wstring imgBalloonLargeRight = L"Balloon_Large_Right.png";
    std::wstring imgBalloonLargeLeft = L"Balloon_Large_Left.png";
    std::wstring imgBalloonLeft = L"Balloon_Left.png";
    std::wstring imgBalloonMiddle = L"Balloon_Middle.png";
    std::wstring imgBalloonRight = L"Balloon_Right.png";
    std::wstring imgUndoNormal = L"Undo_Normal.png";
    std::wstring imgUndoSelect = L"Undo_Select.png";
    std::wstring imgRedoNormal = L"Redo_Normal.png";
    std::wstring imgRedoSelect = L"Redo_Select.png";
    std::wstring imgHelpiconNormal = L"Helpicon_Normal.png";
    std::wstring imgHelpiconSelected = L"Helpicon_Selected.png";
    std::wstring imgKartenschatten = L"Kartenschatten.png";
    std::wstring imgSticheschatten = L"Sticheschatten.png";
    std::wstring imgEnterFullscreen = L"Enter_Fullscreen.png";
    std::wstring imgLeaveFullscreen = L"Leave_Fullscreen.png";
    std::wstring imgButton = L"Button.png";
    std::wstring imgButtonDown = L"Button_down.png";
    std::wstring imgButtonInactive = L"Button_inactive.png";
    std::wstring imgIconKreuz = L"Icon_Kreuz.png";
    std::wstring imgIconPik = L"Icon_Pik.png";
    std::wstring imgIconHerz = L"Icon_Herz.png";
    std::wstring imgIconKaro = L"Icon_Karo.png";
    std::wstring imgIconGrand = L"Icon_Grand.png";
    std::wstring imgIconNull = L"Icon_Null.png";
    std::wstring imgIconRamsch = L"Icon_Ramsch.png";

    // File extensions (upper case, with the dot) (6).
    std::wstring extSheet = L".SKT";
    std::wstring extDistribution = L".KRT";
    std::wstring extCardSet = L".SPK";
    std::wstring extLogic = L".SPL";
    std::wstring extLogicTable = L".SPN";
    std::wstring extBinary = L".BIN";

    // PDF score sheet: its folder and fonts (5).
    std::wstring folderPdf = L"PdfListe";
    std::wstring fontSans = L"cmunss.ttf";
    std::wstring fontSansBold = L"cmunsx.ttf";
    std::wstring fontMono = L"cmuntt.ttf";
    std::wstring fontMonoBold = L"cmuntb.ttf";

    // Effects in "Effekte" (6).
    std::wstring effectAbheben = L"abheben";
    std::wstring effectGeben = L"geben";
    std::wstring effectGlocke = L"glocke";
    std::wstring effectMischen = L"mischen";
    std::wstring effectSpuelung = L"spuelung";
    std::wstring effectTelefon = L"telefon";

    // Spoken bid values, in file-name order (37).
    std::wstring bid100 = L"100";
    std::wstring bid108 = L"108";
    std::wstring bid110 = L"110";
    std::wstring bid117 = L"117";
    std::wstring bid120 = L"120";
    std::wstring bid18 = L"18";
    std::wstring bid20 = L"20";
    std::wstring bid22 = L"22";
    std::wstring bid23 = L"23";
    std::wstring bid24 = L"24";
    std::wstring bid27 = L"27";
    std::wstring bid30 = L"30";
    std::wstring bid33 = L"33";
    std::wstring bid35 = L"35";
    std::wstring bid36 = L"36";
    std::wstring bid40 = L"40";
    std::wstring bid44 = L"44";
    std::wstring bid45 = L"45";
    std::wstring bid46 = L"46";
    std::wstring bid48 = L"48";
    std::wstring bid50 = L"50";
    std::wstring bid54 = L"54";
    std::wstring bid55 = L"55";
    std::wstring bid59 = L"59";
    std::wstring bid60 = L"60";
    std::wstring bid63 = L"63";
    std::wstring bid66 = L"66";
    std::wstring bid70 = L"70";
    std::wstring bid72 = L"72";
    std::wstring bid77 = L"77";
    std::wstring bid80 = L"80";
    std::wstring bid81 = L"81";
    std::wstring bid84 = L"84";
    std::wstring bid88 = L"88";
    std::wstring bid90 = L"90";
    std::wstring bid96 = L"96";
    std::wstring bid99 = L"99";

    // Spoken phrases of the opponents (84).
    std::wstring phraseAberimmer = L"aberimmer";
    std::wstring phraseBadengegangen = L"badengegangen";
    std::wstring phraseDasziehtblasen = L"dasziehtblasen";
    std::wstring phraseDeinspiel = L"deinspiel";
    std::wstring phraseDerofenistaus = L"derofenistaus";
    std::wstring phraseDersackistzu = L"dersackistzu";
    std::wstring phraseDoerfer = L"doerfer";
    std::wstring phraseDrei = L"drei";
    std::wstring phraseEichel = L"eichel";
    std::wstring phraseEichelhand = L"eichelhand";
    std::wstring phraseEicheloffen = L"eicheloffen";
    std::wstring phraseEichelschneider = L"eichelschneider";
    std::wstring phraseEichelschwarz = L"eichelschwarz";
    std::wstring phraseFetterstich = L"fetterstich";
    std::wstring phraseGrand = L"grand";
    std::wstring phraseGrandhand = L"grandhand";
    std::wstring phraseGrandouvert = L"grandouvert";
    std::wstring phraseGrandschneider = L"grandschneider";
    std::wstring phraseGrandschwarz = L"grandschwarz";
    std::wstring phraseGruen = L"gruen";
    std::wstring phraseGruenhand = L"gruenhand";
    std::wstring phraseGruenoffen = L"gruenoffen";
    std::wstring phraseGruenschneider = L"gruenschneider";
    std::wstring phraseGruenschwarz = L"gruenschwarz";
    std::wstring phraseHerz = L"herz";
    std::wstring phraseHerzhand = L"herzhand";
    std::wstring phraseHerzouvert = L"herzouvert";
    std::wstring phraseHerzschneider = L"herzschneider";
    std::wstring phraseHerzschwarz = L"herzschwarz";
    std::wstring phraseIchbinweg = L"ichbinweg";
    std::wstring phraseImmer = L"immer";
    std::wstring phraseIstdasalles = L"istdasalles";
    std::wstring phraseJa = L"ja";
    std::wstring phraseKaro = L"karo";
    std::wstring phraseKarohand = L"karohand";
    std::wstring phraseKaroouvert = L"karoouvert";
    std::wstring phraseKaroschneider = L"karoschneider";
    std::wstring phraseKaroschwarz = L"karoschwarz";
    std::wstring phraseKlar = L"klar";
    std::wstring phraseKlardoch = L"klardoch";
    std::wstring phraseKleingross = L"kleingross";
    std::wstring phraseKontra = L"kontra";
    std::wstring phraseKreuz = L"kreuz";
    std::wstring phraseKreuzhand = L"kreuzhand";
    std::wstring phraseKreuzjeder = L"kreuzjeder";
    std::wstring phraseKreuzouvert = L"kreuzouvert";
    std::wstring phraseKreuzschneider = L"kreuzschneider";
    std::wstring phraseKreuzschwarz = L"kreuzschwarz";
    std::wstring phraseLogo = L"logo";
    std::wstring phraseLokus = L"lokus";
    std::wstring phraseMehr = L"mehr";
    std::wstring phraseNichtmitmir = L"nichtmitmir";
    std::wstring phraseNull = L"null";
    std::wstring phraseNullhand = L"nullhand";
    std::wstring phraseNullhandouvert = L"nullhandouvert";
    std::wstring phraseNullouvert = L"nullouvert";
    std::wstring phrasePasse = L"passe";
    std::wstring phrasePik = L"pik";
    std::wstring phrasePikhand = L"pikhand";
    std::wstring phrasePikouvert = L"pikouvert";
    std::wstring phrasePikschneider = L"pikschneider";
    std::wstring phrasePikschwarz = L"pikschwarz";
    std::wstring phraseRot = L"rot";
    std::wstring phraseRothand = L"rothand";
    std::wstring phraseRotoffen = L"rotoffen";
    std::wstring phraseRotschneider = L"rotschneider";
    std::wstring phraseRotschwarz = L"rotschwarz";
    std::wstring phraseSattebeute = L"sattebeute";
    std::wstring phraseSchellen = L"schellen";
    std::wstring phraseSchellenhand = L"schellenhand";
    std::wstring phraseSchellenoffen = L"schellenoffen";
    std::wstring phraseSchellenschneider = L"schellenschneider";
    std::wstring phraseSchellenschwarz = L"schellenschwarz";
    std::wstring phraseSchneidersindauchleute = L"schneidersindauchleute";
    std::wstring phraseSchwarzwiediefuesse = L"schwarzwiediefuesse";
    std::wstring phraseSchwarzwiedienacht = L"schwarzwiedienacht";
    std::wstring phraseStaatsanwalt = L"staatsanwalt";
    std::wstring phraseTschuess = L"tschuess";
    std::wstring phraseVatermutter = L"vatermutter";
    std::wstring phraseVier = L"vier";
    std::wstring phraseWeg = L"weg";
    std::wstring phraseZahlenschafftfrieden = L"zahlenschafftfrieden";
    std::wstring phraseZielschneider = L"zielschneider";
    std::wstring phraseZwo = L"zwo";

    // Demo phrases in the "demo" folders (18).
    std::wstring demoBierumgeschuettet = L"bierumgeschuettet";
    std::wstring demoBierumgeschuettet2 = L"bierumgeschuettet2";
    std::wstring demoFreundin = L"freundin";
    std::wstring demoFussballspiel = L"fussballspiel";
    std::wstring demoKarteraus = L"karteraus";
    std::wstring demoKarteraus2 = L"karteraus2";
    std::wstring demoKarteruntergefallen = L"karteruntergefallen";
    std::wstring demoKarteruntergefallen2 = L"karteruntergefallen2";
    std::wstring demoKekse = L"kekse";
    std::wstring demoKekse2 = L"kekse2";
    std::wstring demoMussmal = L"mussmal";
    std::wstring demoBlase = L"blase";
    std::wstring demoOmi = L"omi";
    std::wstring demoPizzamann = L"pizzamann";
    std::wstring demoTrinken = L"trinken";
    std::wstring demoTrinken2 = L"trinken2";
    std::wstring demoUeberlegen = L"ueberlegen";
    std::wstring demoZeitungsjunge = L"zeitungsjunge";

    // Speaker phrases in "Sprecher" (4).
    std::wstring speakerMindestens4abheben = L"mindestens4abheben";
    std::wstring speakerMindestens4liegen = L"mindestens4liegen";
    std::wstring speakerWiederholt = L"wiederholt";
    std::wstring speakerWiederholtnichtinliste = L"wiederholtnichtinliste";

    // Every member above in declaration order, for code that walks all names
    // (checks of an installed tree, tests).
    static constexpr std::size_t COUNT = 284;
    static const std::array<std::wstring SKAT_PATHS::*, COUNT>& allMembers();
};
