<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BuildSheet</name>
    <message>
        <source>No scale: the design has no dimensions yet</source>
        <translation>Pas d&apos;échelle : le projet n&apos;a pas encore de dimensions</translation>
    </message>
    <message>
        <source>Scale 1 : %1</source>
        <translation>Échelle 1 : %1</translation>
    </message>
    <message>
        <source>Scale %1 : 1</source>
        <translation>Échelle %1 : 1</translation>
    </message>
    <message>
        <source>YQ Antenna Build Sheet</source>
        <translation>Fiche de montage de l&apos;antenne YQ</translation>
    </message>
    <message>
        <source>Designed for %1 MHz</source>
        <translation>Conçue pour %1 MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in mm</source>
        <translation>Toutes les mesures linéaires sont en mm</translation>
    </message>
    <message>
        <source>All linear measurements are in inches</source>
        <translation>Toutes les mesures linéaires sont en pouces</translation>
    </message>
    <message>
        <source>Design: %1</source>
        <translation>Projet : %1</translation>
    </message>
    <message>
        <source>Upper cylinder %1</source>
        <translation>Cylindre supérieur %1</translation>
    </message>
    <message>
        <source>Cylinder spacing %1</source>
        <translation>Écart cylindres %1</translation>
    </message>
    <message>
        <source>Lower cylinder %1</source>
        <translation>Cylindre inférieur %1</translation>
    </message>
    <message>
        <source>Spacing to coil %1</source>
        <translation>Écart à la bobine %1</translation>
    </message>
    <message>
        <source>Tuning coil %1</source>
        <translation>Bob. d&apos;accord %1</translation>
    </message>
    <message>
        <source>Source coil %1</source>
        <translation>Bobine source %1</translation>
    </message>
    <message>
        <source>Overall %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>source coil not included</source>
        <translation>bobine source non comprise</translation>
    </message>
    <message>
        <source>Cylinder %1 dia.</source>
        <translation>Cylindre %1 diam.</translation>
    </message>
    <message>
        <source>Phasing coil %1 dia.</source>
        <translation>Bob. de phase %1 diam.</translation>
    </message>
    <message>
        <source>PCNT %1 turns, LPW %2 %3 of wire</source>
        <translation>PCNT %1 spires, LPW %2 %3 de fil</translation>
    </message>
    <message>
        <source>(coil and leads; wound length open)</source>
        <translation>(bobine et fils ; longueur bobinée libre)</translation>
    </message>
    <message>
        <source>Tuning coil %1 dia.</source>
        <translation>Bob. d&apos;accord %1 diam.</translation>
    </message>
    <message>
        <source>NT %1 turns at SP %2 %3</source>
        <translation>NT %1 spires au pas SP %2 %3</translation>
    </message>
    <message>
        <source>Source coil %1 dia.</source>
        <translation>Bobine source %1 diam.</translation>
    </message>
    <message>
        <source>SCT %1 turns, at the feed</source>
        <translation>SCT %1 spires, à l&apos;alimentation</translation>
    </message>
    <message>
        <source>cylinder length</source>
        <translation>longueur du cylindre</translation>
    </message>
    <message>
        <source>cylinder spacing</source>
        <translation>écart des cylindres</translation>
    </message>
    <message>
        <source>spacing to the tuning coil</source>
        <translation>écart à la bobine d&apos;accord</translation>
    </message>
    <message>
        <source>tuning coil length</source>
        <translation>long. bobine d&apos;accord</translation>
    </message>
    <message>
        <source>source coil length</source>
        <translation>long. bobine source</translation>
    </message>
    <message>
        <source>cylinder diameter</source>
        <translation>diam. du cylindre</translation>
    </message>
    <message>
        <source>phasing coil diameter</source>
        <translation>diam. bobine de phase</translation>
    </message>
    <message>
        <source>tuning coil diameter</source>
        <translation>diam. bobine d&apos;accord</translation>
    </message>
    <message>
        <source>source coil diameter</source>
        <translation>diam. bobine source</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Alim.</translation>
    </message>
    <message>
        <source>The design has no dimensions yet: calculate it before building.</source>
        <translation>Le projet n&apos;a pas encore de dimensions : calculez-le avant de construire.</translation>
    </message>
    <message>
        <source>Not to scale, drawn larger so as to be seen: %1.</source>
        <translation>Pas à l&apos;échelle, dessiné plus grand pour être visible : %1.</translation>
    </message>
    <message>
        <source>Dashed: the tuning coil&apos;s wires inside the lower cylinder. The wire from the top of the tuning coil runs up the centre of the lower cylinder, the wire from its bottom up the inside edge.</source>
        <translation>En tirets : les fils de la bobine d&apos;accord à l&apos;intérieur du cylindre inférieur. Le fil du haut de la bobine d&apos;accord remonte par le centre du cylindre inférieur, celui du bas par le bord intérieur.</translation>
    </message>
    <message>
        <source>Not set by the design: the phasing coil&apos;s wound length (it sits in the cylinder spacing) and the source coil&apos;s place at the feed; LPW is the whole phasing wire. Windings are drawn as strokes, at most one per 0.02 in of coil: the labels give the turns.</source>
        <translation>Non fixés par le projet : la longueur bobinée de la bobine de phase (elle se trouve dans l&apos;écart entre cylindres) et la position de la bobine source au point d&apos;alimentation ; LPW est le fil de phase entier. Les spires sont dessinées par des traits, au plus un par 0.02 in de bobine : les étiquettes donnent les spires.</translation>
    </message>
    <message>
        <source>Cut list</source>
        <translation>Liste de coupe</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Cylindres</translation>
    </message>
    <message>
        <source>Non-ferrous tube, outside diameter %1</source>
        <translation>Tube non ferreux, diamètre extérieur %1</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>%1 chacun</translation>
    </message>
    <message>
        <source>Tuning coil wire</source>
        <translation>Fil bobine d&apos;accord</translation>
    </message>
    <message>
        <source>Wire %1, NT %2 turns at SP %3 %4</source>
        <translation>Fil %1, NT %2 spires au pas SP %3 %4</translation>
    </message>
    <message>
        <source>on a former of %1, wound length %2</source>
        <translation>sur un mandrin de %1, longueur bobinée %2</translation>
    </message>
    <message>
        <source>Phasing wire</source>
        <translation>Fil de phase</translation>
    </message>
    <message>
        <source>Wire %1, coil of PCNT %2 turns</source>
        <translation>Fil %1, bobine de PCNT %2 spires</translation>
    </message>
    <message>
        <source>on a former of %1, in the cylinder spacing</source>
        <translation>sur un mandrin de %1, dans l&apos;écart des cylindres</translation>
    </message>
    <message>
        <source>Source coil wire</source>
        <translation>Fil bobine source</translation>
    </message>
    <message>
        <source>Wire %1, SCT %2 turns close wound</source>
        <translation>Fil %1, SCT %2 spires jointives</translation>
    </message>
    <message>
        <source>Total wire</source>
        <translation>Fil total</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Pièce</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>Material and size</source>
        <translation>Matière et dimension</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Nearest wire gauges</source>
        <translation>Calibres de fil voisins</translation>
    </message>
    <message>
        <source>WD (all coils)</source>
        <translation>WD (toutes bobines)</translation>
    </message>
    <message>
        <source>SCWD (source coil)</source>
        <translation>SCWD (bobine source)</translation>
    </message>
    <message>
        <source>Wire</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Nearest AWG</source>
        <translation>AWG le + proche</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Nearest SWG</source>
        <translation>SWG le + proche</translation>
    </message>
    <message>
        <source>No wire diameter</source>
        <translation>Pas de diamètre de fil</translation>
    </message>
    <message>
        <source>Print build sheet from queue</source>
        <translation>Imprimer la fiche depuis la file</translation>
    </message>
</context>
<context>
    <name>CalcHelp</name>
    <message>
        <source>compute a design: start from a fresh design (every field 0) or --file, store each KEY=VALUE (exact decimal text, rounded half away from zero to the field&apos;s places), run the calculation and print every key</source>
        <translation>calcule un projet : part d&apos;un projet vierge (tous les champs à 0) ou de --file, enregistre chaque KEY=VALUE (texte décimal exact, arrondi au plus loin de zéro aux décimales du champ), lance le calcul et affiche toutes les clés</translation>
    </message>
    <message>
        <source>one case per line on standard input, one output line (or &quot;error&quot;) per case</source>
        <translation>un cas par ligne sur l&apos;entrée standard, une ligne de sortie (ou &quot;error&quot;) par cas</translation>
    </message>
    <message>
        <source>SAVE in the current folder: write the design file named from F, CD and LD, append its row to YQ.csv, print the design file&apos;s path</source>
        <translation>ENREGISTRER dans le dossier courant : écrit le fichier de projet nommé d&apos;après F, CD et LD, ajoute sa ligne à YQ.csv et affiche le chemin du fichier de projet</translation>
    </message>
    <message>
        <source>list the user records of the current folder (the first is printed on reports and written into YQ.csv), add one, or delete one</source>
        <translation>liste les fiches utilisateur du dossier courant (la première est imprimée sur les rapports et écrite dans YQ.csv), en ajoute une ou en supprime une</translation>
    </message>
    <message>
        <source>the design report of a design file: as a PDF, or exported as in the e-mail command (Report.RTF, its HTML page and the mail&apos;s draft in VH/ of the current folder, their paths printed)</source>
        <translation>le rapport de conception d&apos;un fichier de projet : en PDF, ou exporté comme par la commande d&apos;e-mail (Report.RTF, sa page HTML et le brouillon du message dans VH/ du dossier courant, leurs chemins affichés)</translation>
    </message>
    <message>
        <source>the build sheet of a design file (the dimensioned drawing and the cut list), calculated as the design window of its unit system does, as one or more of PDF, SVG and PNG</source>
        <translation>la fiche de montage d&apos;un fichier de projet (le dessin coté et la liste de coupe), calculée comme le fait la fenêtre de conception de son système d&apos;unités, dans un ou plusieurs formats parmi PDF, SVG et PNG</translation>
    </message>
    <message>
        <source>fit the capacitance factor FAC to the tuning coil&apos;s turns NT, or the degrees of phase DPS to the source coil&apos;s turns SCT, of a built antenna (exit status 3 when no value comes within half a turn; the nearest is printed)</source>
        <translation>ajuste le facteur de capacité FAC aux spires NT de la bobine d&apos;accord, ou les degrés de phase DPS aux spires SCT de la bobine source, d&apos;une antenne construite (code de sortie 3 si aucune valeur n&apos;arrive à moins d&apos;une demi-spire ; la plus proche est affichée)</translation>
    </message>
    <message>
        <source>read an analyser&apos;s sweep of the built antenna (Touchstone .s1p, .s2p, .ts or a VNA program&apos;s CSV), find its series resonance, least SWR and 2:1 SWR bandwidth, and give the tuning coil&apos;s turns for the design frequency with the capacitance factor that fits them (exit status 2 for a bad or damaged file, 3 when it holds no usable sweep)</source>
        <translation>lit le balayage d&apos;un analyseur sur l&apos;antenne construite (Touchstone .s1p, .s2p, .ts ou CSV d&apos;un logiciel de VNA), trouve sa résonance série, le ROS minimal et la bande passante à ROS 2:1, et donne les spires de la bobine d&apos;accord pour la fréquence de conception avec le facteur de capacité correspondant (code de sortie 2 pour un fichier invalide ou endommagé, 3 s&apos;il ne contient aucun balayage exploitable)</translation>
    </message>
    <message>
        <source>compute the design for each value of one input over a range, one CSV row per value</source>
        <translation>calcule le projet pour chaque valeur d&apos;une entrée sur une plage, une ligne CSV par valeur</translation>
    </message>
    <message>
        <source>convert a design file between inches and millimetres and save it under the other unit system&apos;s name in the current folder</source>
        <translation>convertit un fichier de projet entre pouces et millimètres et l&apos;enregistre sous le nom de l&apos;autre système d&apos;unités dans le dossier courant</translation>
    </message>
    <message>
        <source>simulate the design in NEC-2 (runs nec2c) and print the calculator&apos;s figures beside the model&apos;s: the series resonance, the coil the model needs at F, the impedance, Q, bandwidths, SWR, efficiency and gain; csv and s1p print the sweep (Touchstone S11 against 50 ohm); exit status 1 when nec2c is missing or fails</source>
        <translation>simule le projet dans NEC-2 (lance nec2c) et affiche les valeurs du calculateur à côté de celles du modèle : la résonance série, la bobine nécessaire au modèle à F, l&apos;impédance, Q, les bandes passantes, le ROS, le rendement et le gain ; csv et s1p affichent le balayage (Touchstone S11 par rapport à 50 ohm) ; code de sortie 1 si nec2c est absent ou échoue</translation>
    </message>
    <message>
        <source>yq-calc --batch [--format FORMAT]</source>
        <translation>yq-calc --batch [--format FORMAT]</translation>
    </message>
    <message>
        <source>Computes YQ antenna designs with the calculation of the design windows, without the windows: one design from the command line, many from standard input, and the windows&apos; SAVE, user list, report, build sheet and design tools.</source>
        <translation>Calcule des projets d&apos;antenne YQ avec le calcul des fenêtres de conception, sans les fenêtres : un projet depuis la ligne de commande, plusieurs depuis l&apos;entrée standard, ainsi que l&apos;ENREGISTRER, la liste des utilisateurs, le rapport, la fiche de montage et les outils de conception des fenêtres.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>the design is in millimetres (the Metric design window)</source>
        <translation>le projet est en millimètres (la fenêtre de conception métrique)</translation>
    </message>
    <message>
        <source>start from a design file, read as a design window reads it (a warning when its unit system is the other one)</source>
        <translation>part d&apos;un fichier de projet, lu comme le lit une fenêtre de conception (avec un avertissement si son système d&apos;unités est l&apos;autre)</translation>
    </message>
    <message>
        <source>run the full calculation N times (default 1; 0 only stores the values)</source>
        <translation>lance le calcul complet N fois (1 par défaut ; 0 ne fait qu&apos;enregistrer les valeurs)</translation>
    </message>
    <message>
        <source>run only the named partial recalculation of a window field instead of the full one: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</source>
        <translation>ne lance que le recalcul partiel nommé d&apos;un champ de la fenêtre au lieu du calcul complet : cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</translation>
    </message>
    <message>
        <source>how the design is printed: line (the default: every key as KEY=value on one line), table (one quantity a line with the window&apos;s label, its value in the window&apos;s picture and its unit, in the window&apos;s order), json (an object of every key with its exact decimal text as a string) or csv (the title row and the row of the results table YQ.csv)</source>
        <translation>comment le projet est affiché : line (par défaut : chaque clé en KEY=value sur une ligne), table (une grandeur par ligne avec le libellé de la fenêtre, sa valeur au format de la fenêtre et son unité, dans l&apos;ordre de la fenêtre), json (un objet de toutes les clés avec leur texte décimal exact en chaîne) ou csv (la ligne de titres et la ligne du tableau de résultats YQ.csv)</translation>
    </message>
    <message>
        <source>the language of the help and the messages: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>la langue de l&apos;aide et des messages : en, de, ja, ru, it, es, pl, pt_BR, fr, cs ou nl (par défaut : celle du bureau, d&apos;après LANGUAGE, LC_ALL, LC_MESSAGES ou LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>affiche cette aide et quitte</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>affiche la version et quitte</translation>
    </message>
    <message>
        <source>Report options</source>
        <translation>Options du rapport</translation>
    </message>
    <message>
        <source>write the report as a PDF file</source>
        <translation>écrit le rapport dans un fichier PDF</translation>
    </message>
    <message>
        <source>write Report.RTF, the HTML page and the mail&apos;s draft into VH/</source>
        <translation>écrit Report.RTF, la page HTML et le brouillon du message dans VH/</translation>
    </message>
    <message>
        <source>the print date on the report (default today)</source>
        <translation>la date d&apos;impression sur le rapport (par défaut aujourd&apos;hui)</translation>
    </message>
    <message>
        <source>Simulate options</source>
        <translation>Options de simulation</translation>
    </message>
    <message>
        <source>the NEC-2 model: standard (thick wires for the cylinders, lumped coils)</source>
        <translation>le modèle NEC-2 : standard (fils épais pour les cylindres, bobines localisées)</translation>
    </message>
    <message>
        <source>the detailed model (wire-grid cages, helical coils, the leads; some seconds, progress on a terminal&apos;s standard error, Ctrl+C stops it): only the resonance, radiation resistance, gain and efficiency</source>
        <translation>le modèle détaillé (cages en grille de fils, bobines hélicoïdales, les fils de liaison ; quelques secondes, progression sur la sortie d&apos;erreur standard d&apos;un terminal, Ctrl+C l&apos;arrête) : seulement la résonance, la résistance de rayonnement, le gain et le rendement</translation>
    </message>
    <message>
        <source>table (the default), json, csv (the sweep) or s1p (the sweep as Touchstone)</source>
        <translation>table (par défaut), json, csv (le balayage) ou s1p (le balayage en Touchstone)</translation>
    </message>
    <message>
        <source>also write the model&apos;s NEC deck, which NEC-2 programs open</source>
        <translation>écrit aussi le deck NEC du modèle, que les logiciels NEC-2 ouvrent</translation>
    </message>
    <message>
        <source>Build sheet options</source>
        <translation>Options de la fiche de montage</translation>
    </message>
    <message>
        <source>write the build sheet as a PDF file</source>
        <translation>écrit la fiche de montage dans un fichier PDF</translation>
    </message>
    <message>
        <source>write it as an SVG drawing</source>
        <translation>l&apos;écrit en dessin SVG</translation>
    </message>
    <message>
        <source>write it as a PNG picture</source>
        <translation>l&apos;écrit en image PNG</translation>
    </message>
    <message>
        <source>Exit status:
  0   success
  1   a file could not be read or written; in --batch, a line could not be
      computed (it prints &quot;error&quot;, the other lines are computed)
  2   bad input (unknown key or option, a value that is no decimal number);
      the message names it on standard error</source>
        <translation>Code de sortie :
  0   succès
  1   un fichier n&apos;a pas pu être lu ou écrit ; avec --batch, une ligne n&apos;a pas pu
      être calculée (elle affiche &quot;error&quot;, les autres lignes sont calculées)
  2   entrée invalide (clé ou option inconnue, valeur qui n&apos;est pas un nombre décimal) ;
      le message la nomme sur la sortie d&apos;erreur standard</translation>
    </message>
</context>
<context>
    <name>CalcMessages</name>
    <message>
        <source>build-sheet needs --pdf, --svg or --png</source>
        <translation>build-sheet exige --pdf, --svg ou --png</translation>
    </message>
    <message>
        <source>design file not found: %1</source>
        <translation>fichier de projet introuvable : %1</translation>
    </message>
    <message>
        <source>the design file %1</source>
        <translation>le fichier de projet %1</translation>
    </message>
    <message>
        <source>the build sheet needs a GUI application object</source>
        <translation>la fiche de montage exige un objet d&apos;application graphique</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>usage : %1</translation>
    </message>
    <message>
        <source>invalid run count &apos;%1&apos;</source>
        <translation>nombre d&apos;exécutions non valide &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1...&apos; (%2 characters)</source>
        <translation>&apos;%1...&apos; (%2 caractères)</translation>
    </message>
    <message>
        <source>value of %1 is not a decimal number: %2</source>
        <translation>la valeur de %1 n&apos;est pas un nombre décimal : %2</translation>
    </message>
    <message>
        <source>value of %1 is too large for any field (more than %2 digits before the point): %3</source>
        <translation>la valeur de %1 est trop grande pour tout champ (plus de %2 chiffres avant le point) : %3</translation>
    </message>
    <message>
        <source>expected KEY=VALUE, got &apos;%1&apos;</source>
        <translation>KEY=VALUE attendu, reçu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos;</source>
        <translation>clé inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l&apos;option &apos;%1&apos; exige une valeur</translation>
    </message>
    <message>
        <source>option &apos;--file&apos; needs a path</source>
        <translation>l&apos;option &apos;--file&apos; exige un chemin</translation>
    </message>
    <message>
        <source>unknown partial recalculation &apos;%1&apos;</source>
        <translation>recalcul partiel inconnu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a design file</source>
        <translation>&apos;%1&apos; est un dossier, pas un fichier de projet</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; not found</source>
        <translation>fichier de projet &apos;%1&apos; introuvable</translation>
    </message>
    <message>
        <source>&apos;--batch&apos; takes no other arguments</source>
        <translation>&apos;--batch&apos; n&apos;accepte aucun autre argument</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement : %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>value of %1 does not fit its field: %2 (%1 holds -%3 to %3)</source>
        <translation>la valeur de %1 ne tient pas dans son champ : %2 (%1 va de -%3 à %3)</translation>
    </message>
    <message>
        <source>the design file&apos;s value of %1 does not fit its field and was cut to what the field holds</source>
        <translation>dans le fichier de projet, la valeur de %1 ne tient pas dans son champ et a été coupée à ce que le champ contient</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>the design file&apos;s values of %1 do not fit their fields and were cut to what the field holds</source>
        <translation>dans le fichier de projet, les valeurs de %1 ne tiennent pas dans leurs champs et ont été coupées à ce que le champ contient</translation>
    </message>
    <message>
        <source>&apos;save&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;save&apos; n&apos;accepte pas &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>the design file %1 could not be written: %2</source>
        <translation>le fichier de projet %1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>the results row could not be written: %1</source>
        <translation>la ligne de résultats n&apos;a pas pu être écrite : %1</translation>
    </message>
    <message>
        <source>no user record &apos;%1&apos;</source>
        <translation>aucune fiche utilisateur &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--format&apos; needs a value</source>
        <translation>l&apos;option &apos;--format&apos; exige une valeur</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (line, table, json or csv)</source>
        <translation>format inconnu &apos;%1&apos; (line, table, json ou csv)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a design file</source>
        <translation>%1 exige un fichier de projet</translation>
    </message>
    <message>
        <source>invalid date &apos;%1&apos; (expected YYYY-MM-DD)</source>
        <translation>date non valide &apos;%1&apos; (format attendu : YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>report needs --pdf OUT.pdf or --export</source>
        <translation>report exige --pdf OUT.pdf ou --export</translation>
    </message>
    <message>
        <source>the report needs a GUI application object</source>
        <translation>le rapport exige un objet d&apos;application graphique</translation>
    </message>
    <message>
        <source>&apos;--model&apos; needs standard or detailed</source>
        <translation>&apos;--model&apos; exige standard ou detailed</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table, json, csv or s1p</source>
        <translation>&apos;--format&apos; exige table, json, csv ou s1p</translation>
    </message>
    <message>
        <source>&apos;--deck&apos; needs a file name</source>
        <translation>&apos;--deck&apos; exige un nom de fichier</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;simulate&apos; accepte un seul fichier de projet, reçu aussi &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; needs a design file</source>
        <translation>&apos;simulate&apos; exige un fichier de projet</translation>
    </message>
    <message>
        <source>unknown model &apos;%1&apos;</source>
        <translation>modèle inconnu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>format inconnu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>detailed model, %1 % done</source>
        <translation>modèle détaillé, %1 % fait</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;%1&apos; n&apos;accepte pas &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--runs&apos;</source>
        <translation>&apos;%1&apos; n&apos;accepte pas &apos;--runs&apos;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; needs NT=&lt;turns&gt; or SCT=&lt;turns&gt;</source>
        <translation>&apos;fit&apos; exige NT=&lt;turns&gt; ou SCT=&lt;turns&gt;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; takes one target, got &apos;%1&apos; as well</source>
        <translation>&apos;fit&apos; accepte une seule cible, reçu aussi &apos;%1&apos;</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not a decimal number</source>
        <translation>les spires &apos;%1&apos; dans &apos;%2&apos; ne sont pas un nombre décimal</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not above 0</source>
        <translation>les spires &apos;%1&apos; dans &apos;%2&apos; ne sont pas supérieures à 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is what the fit finds; leave it out</source>
        <translation>&apos;%1&apos; est ce que l&apos;ajustement trouve ; omettez-le</translation>
    </message>
    <message>
        <source>no %1 from %2 to %3 gives %4 within half a turn of %5; the nearest, %1=%6, gives %4=%7</source>
        <translation>aucun %1 de %2 à %3 ne donne %4 à moins d&apos;une demi-spire de %5 ; le plus proche, %1=%6, donne %4=%7</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; needs KEY=FROM:TO:STEP</source>
        <translation>&apos;sweep&apos; exige KEY=FROM:TO:STEP</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; varies one input, got &apos;%1&apos; as well</source>
        <translation>&apos;sweep&apos; fait varier une seule entrée, reçu aussi &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--to&apos; needs &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>l&apos;option &apos;--to&apos; exige &apos;metric&apos; ou &apos;imperial&apos;</translation>
    </message>
    <message>
        <source>&apos;--to %1&apos;: expected &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>&apos;--to %1&apos; : &apos;metric&apos; ou &apos;imperial&apos; attendu</translation>
    </message>
    <message>
        <source>&apos;convert&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;convert&apos; accepte un seul fichier de projet, reçu aussi &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs a design file</source>
        <translation>&apos;convert&apos; exige un fichier de projet</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs &apos;--to metric&apos; or &apos;--to imperial&apos;</source>
        <translation>&apos;convert&apos; exige &apos;--to metric&apos; ou &apos;--to imperial&apos;</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; declares the unit system %2, neither Imperial (0) nor Metric (1)</source>
        <translation>le fichier de projet &apos;%1&apos; déclare le système d&apos;unités %2, ni Impérial (0) ni Métrique (1)</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already a Metric design</source>
        <translation>le fichier de projet &apos;%1&apos; est déjà un projet métrique</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already an Imperial design</source>
        <translation>le fichier de projet &apos;%1&apos; est déjà un projet impérial</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table or json</source>
        <translation>&apos;--format&apos; exige table ou json</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs the turns wound</source>
        <translation>&apos;--wound&apos; exige les spires bobinées</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs a number of turns above 0, got &apos;%1&apos;</source>
        <translation>&apos;--wound&apos; exige un nombre de spires supérieur à 0, reçu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;tune&apos; needs a design file and a measurement</source>
        <translation>&apos;tune&apos; exige un fichier de projet et une mesure</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>La mesure %1 ne contient aucun balayage exploitable : %2</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>impossible de lancer %1 : %2</translation>
    </message>
    <message>
        <source>the page commands need %1, which is not installed (looked for %2 and %3)</source>
        <translation>les commandes de page exigent %1, qui n&apos;est pas installé (cherché dans %2 et %3)</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>Enter the Centre Frequency in Megahertz. 
Maximum of 3 decimal points.</source>
        <translation>Entrez la fréquence centrale en mégahertz. 
3 décimales au maximum.</translation>
    </message>
    <message>
        <source>Enter the outside diameter of the cylinder in inches</source>
        <translation>Entrez le diamètre extérieur du cylindre en pouces</translation>
    </message>
    <message>
        <source>The L/D Ratio and the Diameter are used to
calculate the primary Capacitance in pfd, the
reactance in Ohms, the 3db bandwidth and the
&apos;Q&apos; of the antenna.</source>
        <translation>Le rapport L/D et le diamètre servent à
calculer la capacité primaire en pF, la
réactance en ohms, la bande passante à 3 dB et le
&apos;Q&apos; de l&apos;antenne.</translation>
    </message>
    <message>
        <source>Measured bandwidth in kHz is the 2:1 VSWR
reading either side of the minimum VSWR.</source>
        <translation>La bande passante mesurée en kHz est la lecture
de ROS 2:1 de part et d&apos;autre du ROS minimal.</translation>
    </message>
    <message>
        <source>An option to calculate the source Coil Inductance
based on the amount of phase shift. Initial setting
is 6 degrees similar to the Phase Coil. When you 
have your antenna working, enter in a value to
generate the completed number of turns in the 
source Coil.</source>
        <translation>Option pour calculer l&apos;inductance de la bobine source
selon le déphasage. La valeur initiale
est de 6 degrés, comme pour la bobine de phase. Quand 
votre antenne fonctionne, entrez une valeur pour
obtenir le nombre final de spires de la 
bobine source.</translation>
    </message>
    <message>
        <source>Normally the same diameter as the Tuning Coil. 
However, you may vary to suit.</source>
        <translation>Normalement le même diamètre que la bobine d&apos;accord. 
Vous pouvez toutefois l&apos;adapter.</translation>
    </message>
    <message>
        <source>Close wound coils are usually spaced the same
diameter as the wire diameter.</source>
        <translation>Les bobines à spires jointives ont généralement un pas
égal au diamètre du fil.</translation>
    </message>
    <message>
        <source>Factor divided the ratio of Cylinder length to coil length
by 2 then applies the factor you specify. Click on
the Recalc Button to apply.</source>
        <translation>Le facteur divise par 2 le rapport entre la longueur du cylindre et celle de la bobine
puis applique le facteur indiqué. Cliquez sur
le bouton Recalc pour l&apos;appliquer.</translation>
    </message>
    <message>
        <source>To calculate the size correctly we need to click 
this field to regenerate the inductance and 
re-calculate the coil size.</source>
        <translation>Pour calculer correctement la taille, cliquez 
sur ce champ pour régénérer l&apos;inductance et 
recalculer la taille de la bobine.</translation>
    </message>
</context>
<context>
    <name>DesignText</name>
    <message>
        <source>Just follow the prompts. On each entry field there is a popup to tell about the field. After entering the wire size and spacing, click on the ReCalc button. This causes a looping through several calculations to get the final coil inductance and size. After making and testing your antenna, if you find that the coil turns generated are different to what you have found to provide maximum output with lowest VSWR, then change the Factor field until you get the number of turns on your completed antenna. Initially this will a factor of 2. Use decimal points to get to the closest number of turns. Email this information to me from the main form, bottom left.The above information is required to get a truer picture of the factor we need to use to get the final release of this programme accurate. It is a chicken before the egg situation. Initially we do not know the size of the inductance required for resonance, so we insert a guestimate. Then we refine it by setting a factor. This then gives us the correct inductance, coil length and number of turns. So we need your help to complete the final project.</source>
        <translation>Suivez simplement les indications. Chaque champ a une bulle d&apos;aide qui le décrit. Après avoir saisi le diamètre et le pas du fil, cliquez sur le bouton ReCalc. Cela lance une boucle de plusieurs calculs pour obtenir l&apos;inductance et la taille finales de la bobine. Après avoir construit et testé votre antenne, si les spires calculées diffèrent de celles qui donnent le meilleur rendement avec le ROS le plus bas, modifiez le champ Facteur jusqu&apos;à obtenir le nombre de spires de votre antenne terminée. Au départ, le facteur vaut 2. Utilisez des décimales pour approcher au mieux le nombre de spires. Envoyez-moi ces informations par e-mail depuis le formulaire principal, en bas à gauche. Ces informations sont nécessaires pour avoir une idée plus juste du facteur à utiliser afin que la version finale de ce programme soit précise. C&apos;est l&apos;histoire de l&apos;œuf et de la poule. Au départ, nous ne connaissons pas l&apos;inductance nécessaire à la résonance, nous en mettons donc une estimation. Puis nous l&apos;affinons en réglant un facteur. Cela nous donne l&apos;inductance, la longueur de bobine et le nombre de spires corrects. Nous avons donc besoin de votre aide pour achever le projet final.</translation>
    </message>
    <message>
        <source>YQ Design Calculator</source>
        <translation>Calculateur de conception YQ</translation>
    </message>
    <message>
        <source>Choose File to Open</source>
        <translation>Choisir le fichier</translation>
    </message>
    <message>
        <source>Invalid figure. Valid values are between|1 and 99. Please re-enter</source>
        <translation>Valeur incorrecte. Les valeurs valides vont de|1 à 99. Veuillez ressaisir</translation>
    </message>
    <message>
        <source>You are printing a metric|antenna. Measurements will default to mm.</source>
        <translation>Vous imprimez une antenne|métrique. Les mesures seront en mm.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Aucun nom de fichier n&apos;a été donné.</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>%1 n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>the path is longer than %1 characters</source>
        <translation>le chemin dépasse %1 caractères</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>the results file %1 could not be opened</source>
        <translation>le fichier de résultats %1 n&apos;a pas pu être ouvert</translation>
    </message>
    <message>
        <source>the results file %1 could not be locked</source>
        <translation>le fichier de résultats %1 n&apos;a pas pu être verrouillé</translation>
    </message>
    <message>
        <source>the results file %1 is in use by another program</source>
        <translation>le fichier de résultats %1 est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>the results file %1 could not be read</source>
        <translation>le fichier de résultats %1 n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source> (the file may end in a partial line)</source>
        <translation> (le fichier se termine peut-être par une ligne incomplète)</translation>
    </message>
    <message>
        <source>the results row could not be written to %1</source>
        <translation>la ligne de résultats n&apos;a pas pu être écrite dans %1</translation>
    </message>
    <message>
        <source>the results row was added to %1 but could not be flushed to disk: %2</source>
        <translation>la ligne de résultats a été ajoutée à %1 mais n&apos;a pas pu être écrite sur le disque : %2</translation>
    </message>
    <message>
        <source>The design file %1 could not be written.</source>
        <translation>Le fichier de projet %1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The design was saved, but the results row could not be written:|%1</source>
        <translation>Le projet a été enregistré, mais la ligne de résultats n&apos;a pas pu être écrite :|%1</translation>
    </message>
    <message>
        <source>it is locked by another program</source>
        <translation>il est verrouillé par un autre programme</translation>
    </message>
    <message>
        <source>The user file %1 cannot be read: %2</source>
        <translation>Le fichier des utilisateurs %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>it holds no user records (not a user file)</source>
        <translation>il ne contient aucune fiche utilisateur (ce n&apos;est pas un fichier des utilisateurs)</translation>
    </message>
    <message>
        <source>it is damaged (cut off inside a page)</source>
        <translation>il est endommagé (coupé au milieu d&apos;une page)</translation>
    </message>
    <message>
        <source>The name and call sign may not contain control characters (line breaks, tabs).</source>
        <translation>Le nom et l&apos;indicatif ne doivent pas contenir de caractères de contrôle (sauts de ligne, tabulations).</translation>
    </message>
    <message>
        <source>The name and call sign may have at most %1 characters.</source>
        <translation>Le nom et l&apos;indicatif peuvent avoir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>The record could not be added: %1</source>
        <translation>La fiche n&apos;a pas pu être ajoutée : %1</translation>
    </message>
    <message>
        <source>The record could not be changed (it may have been deleted).</source>
        <translation>La fiche n&apos;a pas pu être modifiée (elle a peut-être été supprimée).</translation>
    </message>
    <message>
        <source>The record could not be deleted: the user file does not exist.</source>
        <translation>La fiche n&apos;a pas pu être supprimée : le fichier des utilisateurs n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The record could not be deleted (it may already be gone).</source>
        <translation>La fiche n&apos;a pas pu être supprimée (elle n&apos;existe peut-être plus).</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>Sweep</source>
        <translation>Balayer</translation>
    </message>
    <message>
        <source>Series resonances</source>
        <translation>Résonances série</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Résonance série</translation>
    </message>
    <message>
        <source>Tuned from</source>
        <translation>Accordé d&apos;après</translation>
    </message>
    <message>
        <source>Impedance there</source>
        <translation>Impédance à ce point</translation>
    </message>
    <message>
        <source>Least SWR (50 ohm)</source>
        <translation>ROS minimal (50 ohm)</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth (50 ohm)</source>
        <translation>BP à ROS 2:1 (50 ohm)</translation>
    </message>
    <message>
        <source>Design frequency</source>
        <translation>Fréquence de conception</translation>
    </message>
    <message>
        <source>Series inductance at the feed</source>
        <translation>Inductance série à l&apos;alimentation</translation>
    </message>
    <message>
        <source>Effective capacitance</source>
        <translation>Capacité effective</translation>
    </message>
    <message>
        <source>Inductance for the design frequency</source>
        <translation>Inductance pour la fréquence de conception</translation>
    </message>
    <message>
        <source>Tuning coil</source>
        <translation>Bobine d&apos;accord</translation>
    </message>
    <message>
        <source>Coil length</source>
        <translation>Long. bobine</translation>
    </message>
    <message>
        <source>Wire length</source>
        <translation>Long. du fil</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Facteur de capacité</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Accord</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Usage: %1</source>
        <translation>Usage : %1</translation>
    </message>
    <message>
        <source>  or:  %1</source>
        <translation>  ou :  %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Exemple : %1</translation>
    </message>
    <message>
        <source>Licence GPL-2.0-or-later: GNU GPL version 2 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licence GPL-2.0-or-later : GNU GPL version 2 ou ultérieure &lt;https://gnu.org/licenses/gpl.html&gt;.
Ceci est un logiciel libre : vous êtes libre de le modifier et de le redistribuer.
Il n&apos;y a AUCUNE GARANTIE, dans la mesure permise par la loi.
</translation>
    </message>
</context>
<context>
    <name>InfoTexts</name>
    <message>
        <source>Welcome to the wonderful world of YQ Antennas. At long last we have achieved what many have said was impossible, the development of a new antenna concept. For 120 years the resonant wire antenna of Hertz has been taken as the only way to build an antenna. We did not accept that, and the YQ antenna concept is the outcome. It offers advantages in every antenna parameter: Small Size, High Efficiency, wide bandwidth, and very low EMI. While developing it we came upon a new development in physics connected with it, and that discovery has in turn led us to a further antenna concept that we hope to present to you soon.</source>
        <translation>Bienvenue dans le monde merveilleux des antennes YQ. Nous avons enfin réalisé ce que beaucoup disaient impossible : le développement d&apos;un nouveau concept d&apos;antenne. Pendant 120 ans, l&apos;antenne filaire résonante de Hertz a été considérée comme la seule façon de construire une antenne. Nous ne l&apos;avons pas accepté, et le concept d&apos;antenne YQ en est le résultat. Il offre des avantages sur tous les paramètres d&apos;une antenne : faible encombrement, rendement élevé, large bande passante et très faibles perturbations électromagnétiques. En le développant, nous sommes tombés sur une nouveauté en physique qui lui est liée, et cette découverte nous a menés à son tour à un autre concept d&apos;antenne que nous espérons vous présenter bientôt.</translation>
    </message>
    <message>
        <source>Here is the information to allow you to design antennas for various Ham bands. We hope you enjoy this information and the use of the antennas you build. There are an untold number already on the air and many more added every day.</source>
        <translation>Voici les informations qui vous permettront de concevoir des antennes pour diverses bandes radioamateur. Nous espérons que ces informations et les antennes que vous construirez vous plairont. Il y en a déjà un nombre incalculable en service et beaucoup d&apos;autres s&apos;ajoutent chaque jour.</translation>
    </message>
    <message>
        <source>Brannoc Quillet has been a radio amateur since his school days, when he built his first crystal receiver from parts of an old telephone. He trained as an electrical engineer and spent many years designing transmitters for broadcast and marine radio. Curious why small antennas were always said to be poor radiators, he began to experiment with short cylinders and coils in his workshop, and from that work the YQ antenna was born. Today he leads ZO Duravar Uravaro, a small company of engineers and radio amateurs who are developing applications of the YQ Antenna.</source>
        <translation>Brannoc Quillet est radioamateur depuis l&apos;école, quand il a construit son premier poste à galène avec les pièces d&apos;un vieux téléphone. Ingénieur électricien de formation, il a passé de nombreuses années à concevoir des émetteurs pour la radiodiffusion et la radio maritime. Curieux de savoir pourquoi on disait toujours que les petites antennes rayonnaient mal, il a commencé à expérimenter avec des cylindres courts et des bobines dans son atelier, et de ce travail est née l&apos;antenne YQ. Il dirige aujourd&apos;hui ZO Duravar Uravaro, une petite entreprise d&apos;ingénieurs et de radioamateurs qui développe des applications de l&apos;antenne YQ.</translation>
    </message>
    <message>
        <source>We present these pictures to show just what is being accomplished around the world with YQ antennas. We will letthe pictures speak for themselves. If you would like your antenna featured email a good clear picture to %1</source>
        <translation>Nous présentons ces photos pour montrer ce qui se réalise dans le monde entier avec les antennes YQ. Nous laissons les photos parler d&apos;elles-mêmes. Si vous souhaitez voir votre antenne présentée ici, envoyez une photo bien nette par e-mail à %1</translation>
    </message>
    <message>
        <source>Written by our programmer from formulas supplied by Brannoc Quillet. It is a work in progress as we need to get feedback from users like yourself who may have successfully built and used an Yq antenna. We need to know the specifications you </source>
        <translation>Écrit par notre programmeur à partir de formules fournies par Brannoc Quillet. C&apos;est un travail en cours, car nous avons besoin du retour d&apos;utilisateurs comme vous qui ont construit et utilisé avec succès une antenne YQ. Nous avons besoin de connaître les caractéristiques que vous </translation>
    </message>
    <message>
        <source>used to arrive at a working antenna. Please complete and email the details to us for analysis.</source>
        <translation>avez utilisées pour obtenir une antenne qui fonctionne. Veuillez remplir les détails et nous les envoyer par e-mail pour analyse.</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>Enter the Frequency in Megahertz</source>
        <translation>Entrez la fréquence en mégahertz</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Radiation Resistance</source>
        <translation>Résistance de rayonnement</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Radiation Resistance from measured bandwidth</source>
        <translation>Résist. de rayonnement d&apos;après la bande mesurée</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter :</source>
        <translation>Diamètre du cylindre :</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter in mm</source>
        <translation>Diam. du cylindre en mm</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Enter desired Length/Diameter Ratio</source>
        <translation>Rapport long./diamètre voulu</translation>
    </message>
    <message>
        <source>Calculated Cylinder Capacitance pFd:</source>
        <translation>Capacité calculée du cylindre pF :</translation>
    </message>
    <message>
        <source>pF</source>
        <translation>pF</translation>
    </message>
    <message>
        <source>Reactance (Xc) in Ohms</source>
        <translation>Réactance (Xc) en ohms</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>Bande passante +/- 3db kHz</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>&apos;Q&apos; = :</source>
        <translation>&apos;Q&apos; = :</translation>
    </message>
    <message>
        <source>Total Length of Antenna :</source>
        <translation>Longueur totale de l&apos;antenne :</translation>
    </message>
    <message>
        <source>Total Length of Antenna in mm:</source>
        <translation>Long. totale antenne en mm :</translation>
    </message>
    <message>
        <source>Enter Measured Bandwidth in kHz</source>
        <translation>Bande passante mesurée kHz</translation>
    </message>
    <message>
        <source>Variance in Measured RR</source>
        <translation>Écart de la RR mesurée</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter :</source>
        <translation>Diamètre du fil :</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter in mm</source>
        <translation>Diam. du fil en mm</translation>
    </message>
    <message>
        <source>Enter Spacing :</source>
        <translation>Pas :</translation>
    </message>
    <message>
        <source>Enter Spacing in mm</source>
        <translation>Pas en mm</translation>
    </message>
    <message>
        <source>Calculated Turns per Inch</source>
        <translation>Spires par pouce calculées</translation>
    </message>
    <message>
        <source>1/in</source>
        <translation>1/in</translation>
    </message>
    <message>
        <source>Calculated Turns per mm</source>
        <translation>Spires par mm calculées</translation>
    </message>
    <message>
        <source>1/mm</source>
        <translation>1/mm</translation>
    </message>
    <message>
        <source>Cylinder to Wire Capacitance in pFd</source>
        <translation>Capacité cylindre-fil en pF</translation>
    </message>
    <message>
        <source>Estimated Coil Capacitance in pFd</source>
        <translation>Capacité estimée bobine pF</translation>
    </message>
    <message>
        <source>Coil Inductance in uH</source>
        <translation>Inductance bobine en uH</translation>
    </message>
    <message>
        <source>uH</source>
        <translation>uH</translation>
    </message>
    <message>
        <source>Number of Turns required</source>
        <translation>Nombre de spires requis</translation>
    </message>
    <message>
        <source>turns</source>
        <translation>spires</translation>
    </message>
    <message>
        <source>Coil Length :</source>
        <translation>Long. bobine :</translation>
    </message>
    <message>
        <source>Coil Length in mm:</source>
        <translation>Long. bobine en mm :</translation>
    </message>
    <message>
        <source>Length of wire required in Inches</source>
        <translation>Long. de fil requise en pouces</translation>
    </message>
    <message>
        <source>Length of wire required in mm:</source>
        <translation>Long. de fil requise en mm :</translation>
    </message>
    <message>
        <source>Length of cylinder :</source>
        <translation>Long. du cylindre :</translation>
    </message>
    <message>
        <source>Length of cylinder in mm :</source>
        <translation>Long. du cylindre en mm :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter :</source>
        <translation>Diamètre de la bobine :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter in mm:</source>
        <translation>Diam. de la bobine en mm :</translation>
    </message>
    <message>
        <source>Length as a % of wave length:</source>
        <translation>Long. en % de la long. d&apos;onde :</translation>
    </message>
    <message>
        <source>Length of Phasing Wire :</source>
        <translation>Long. du fil de phase :</translation>
    </message>
    <message>
        <source>Length of Phasing Wire</source>
        <translation>Long. du fil de phase</translation>
    </message>
    <message>
        <source>Enter Phasing Coil Diameter:</source>
        <translation>Diam. bobine de phase :</translation>
    </message>
    <message>
        <source>Phasing Coil Turns</source>
        <translation>Spires bobine de phase</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Facteur de capacité</translation>
    </message>
    <message>
        <source>Antenna Efficiency</source>
        <translation>Rendement de l&apos;antenne</translation>
    </message>
    <message>
        <source>Loss in DB</source>
        <translation>Perte en DB</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Spires bobine source</translation>
    </message>
    <message>
        <source>Source coil length :</source>
        <translation>Long. bobine source :</translation>
    </message>
    <message>
        <source>Source coil length in mm</source>
        <translation>Long. bobine source en mm</translation>
    </message>
    <message>
        <source>Source Coil Inductance in uH</source>
        <translation>Inductance bob. source uH</translation>
    </message>
    <message>
        <source>Enter Source Coil Diameter:</source>
        <translation>Diam. bobine source :</translation>
    </message>
    <message>
        <source>Source Coil Wire Length :</source>
        <translation>Long. fil bobine source :</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Long. fil bobine source</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter</source>
        <translation>Diam. fil bobine source</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter in mm</source>
        <translation>Diam. fil bob. source mm</translation>
    </message>
    <message>
        <source>Source Coil Reactance at 40ohms</source>
        <translation>Réactance bob. source 40ohms</translation>
    </message>
    <message>
        <source>Enter Degrees of Phase:</source>
        <translation>Degrés de phase :</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>unknown language &quot;%1&quot;</source>
        <translation>langue inconnue &quot;%1&quot;</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>choisissez parmi %1</translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation>--lang exige un code de langue</translation>
    </message>
</context>
<context>
    <name>LaunchCodes</name>
    <message>
        <source>The Operating system is out of memory/resources. File:|</source>
        <translation>Le système d&apos;exploitation manque de mémoire/ressources. Fichier :|</translation>
    </message>
    <message>
        <source>Unknown ShellExecute Error occured. File:|</source>
        <translation>Erreur ShellExecute inconnue. Fichier :|</translation>
    </message>
    <message>
        <source>The specified file was not found. File:|</source>
        <translation>Le fichier indiqué est introuvable. Fichier :|</translation>
    </message>
    <message>
        <source>The specified path was not found. File:|</source>
        <translation>Le chemin indiqué est introuvable. Fichier :|</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file. File:|</source>
        <translation>Le système d&apos;exploitation a refusé l&apos;accès au fichier indiqué. Fichier :|</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation. File:|</source>
        <translation>Mémoire insuffisante pour terminer l&apos;opération. Fichier :|</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32® .exe or error in .exe image). File:|</source>
        <translation>Le fichier .exe n&apos;est pas valide (.exe non Win32® ou erreur dans l&apos;image .exe). Fichier :|</translation>
    </message>
    <message>
        <source>A sharing violation occurred. File:|</source>
        <translation>Une violation de partage s&apos;est produite. Fichier :|</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid. File:|</source>
        <translation>L&apos;association du nom de fichier est incomplète ou invalide. Fichier :|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out. File:|</source>
        <translation>La transaction DDE n&apos;a pas pu aboutir car la demande a expiré. Fichier :|</translation>
    </message>
    <message>
        <source>The DDE transaction failed. File:|</source>
        <translation>La transaction DDE a échoué. Fichier :|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed. File:|</source>
        <translation>La transaction DDE n&apos;a pas pu aboutir car d&apos;autres transactions DDE étaient en cours. Fichier :|</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension. File:|</source>
        <translation>Aucune application n&apos;est associée à l&apos;extension de ce nom de fichier. Fichier :|</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found. File:|</source>
        <translation>La bibliothèque de liens dynamiques indiquée est introuvable. Fichier :|</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>|File:|%1</source>
        <translation>|Fichier :|%1</translation>
    </message>
    <message>
        <source>The results file was not found.|Each SAVE adds a row to it: save a design first.</source>
        <translation>Le fichier de résultats est introuvable.|Chaque ENREGISTRER y ajoute une ligne : enregistrez d&apos;abord un projet.</translation>
    </message>
    <message>
        <source>No spreadsheet program is set up to open CSV files.|Install one, or choose the program for CSV files in the desktop&apos;s settings.</source>
        <translation>Aucun tableur n&apos;est configuré pour ouvrir les fichiers CSV.|Installez-en un, ou choisissez le programme pour les fichiers CSV dans les paramètres du bureau.</translation>
    </message>
    <message>
        <source>The program set up to open CSV files cannot be started:|its desktop entry is missing or invalid.</source>
        <translation>Le programme configuré pour ouvrir les fichiers CSV ne peut pas être lancé :|son entrée de bureau est absente ou invalide.</translation>
    </message>
    <message>
        <source>Shell Execute Error:</source>
        <translation>Erreur Shell Execute :</translation>
    </message>
</context>
<context>
    <name>MailClient</name>
    <message>
        <source>the mail program</source>
        <translation>le logiciel de messagerie</translation>
    </message>
    <message>
        <source>No mail program is registered on this desktop.</source>
        <translation>Aucun logiciel de messagerie n&apos;est enregistré sur ce bureau.</translation>
    </message>
    <message>
        <source>The registered mail program (%1) cannot be found.</source>
        <translation>Le logiciel de messagerie enregistré (%1) est introuvable.</translation>
    </message>
    <message>
        <source>%1 cannot take the mail&apos;s HTML body.</source>
        <translation>%1 n&apos;accepte pas le corps HTML du message.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments, and cannot take its HTML body.</source>
        <translation>Le logiciel de messagerie n&apos;a peut-être pas pris les pièces jointes du message, et n&apos;accepte pas son corps HTML.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments.</source>
        <translation>Le logiciel de messagerie n&apos;a peut-être pas pris les pièces jointes du message.</translation>
    </message>
    <message>
        <source>The mail program cannot take the mail&apos;s HTML body.</source>
        <translation>Le logiciel de messagerie n&apos;accepte pas le corps HTML du message.</translation>
    </message>
    <message>
        <source>The mail program could not be started: %1.</source>
        <translation>Le logiciel de messagerie n&apos;a pas pu être lancé : %1.</translation>
    </message>
    <message>
        <source>The mail program could not be started: xdg-email is not installed.</source>
        <translation>Le logiciel de messagerie n&apos;a pas pu être lancé : xdg-email n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>The mail program could not be started.</source>
        <translation>Le logiciel de messagerie n&apos;a pas pu être lancé.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>YQ antenna logo</source>
        <translation>Logo de l&apos;antenne YQ</translation>
    </message>
    <message>
        <source>YQ Star antenna: general arrangement with its parts named</source>
        <translation>Antenne YQ Star : vue d&apos;ensemble avec ses éléments nommés</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>Les éléments de l&apos;antenne YQ Star</translation>
    </message>
    <message>
        <source>YQ Antenna Design Calculator banner</source>
        <translation>Bandeau du calculateur de conception d&apos;antennes YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a garden mast</source>
        <translation>Une antenne YQ sur un mât de jardin</translation>
    </message>
    <message>
        <source>A YQ antenna mounted on a camper van</source>
        <translation>Une antenne YQ montée sur un camping-car</translation>
    </message>
    <message>
        <source>Illustrated portrait: a radio amateur at the radio bench</source>
        <translation>Portrait illustré : un radioamateur à sa station</translation>
    </message>
    <message>
        <source>A YQ antenna on the roof of a house at sunset</source>
        <translation>Une antenne YQ sur le toit d&apos;une maison au coucher du soleil</translation>
    </message>
    <message>
        <source>A portable YQ antenna on a tripod by the sea</source>
        <translation>Une antenne YQ portable sur trépied au bord de la mer</translation>
    </message>
    <message>
        <source>Winding the tuning coil on the workbench</source>
        <translation>Bobinage de la bobine d&apos;accord à l&apos;établi</translation>
    </message>
    <message>
        <source>Tuning a YQ antenna with an antenna analyser</source>
        <translation>Réglage d&apos;une antenne YQ à l&apos;analyseur d&apos;antenne</translation>
    </message>
    <message>
        <source>A YQ antenna on an apartment balcony</source>
        <translation>Une antenne YQ sur le balcon d&apos;un appartement</translation>
    </message>
    <message>
        <source>A YQ antenna on a mountain summit</source>
        <translation>Une antenne YQ au sommet d&apos;une montagne</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna laid out on the bench</source>
        <translation>Les pièces d&apos;une antenne YQ disposées sur l&apos;établi</translation>
    </message>
    <message>
        <source>A YQ antenna on a winter night</source>
        <translation>Une antenne YQ par une nuit d&apos;hiver</translation>
    </message>
    <message>
        <source>YQ program icon</source>
        <translation>Icône du programme YQ</translation>
    </message>
    <message>
        <source>About icon: radio operator</source>
        <translation>Icône À propos : opérateur radio</translation>
    </message>
    <message>
        <source>Hand pointer for links</source>
        <translation>Curseur main pour les liens</translation>
    </message>
</context>
<context>
    <name>ProgramHelp</name>
    <message>
        <source>The YQ design calculator: design the YQ antenna in inches or millimetres, save designs and the results table YQ.csv in the working folder, print the design report and mail results.

The program opens its main window; the design windows open from its menu. Files are kept in the working folder (the folder of the last design file opened).</source>
        <translation>Le calculateur de conception YQ : concevez l&apos;antenne YQ en pouces ou en millimètres, enregistrez les projets et le tableau de résultats YQ.csv dans le dossier de travail, imprimez le rapport du projet et envoyez les résultats par e-mail.

Le programme ouvre sa fenêtre principale ; les fenêtres de conception s&apos;ouvrent depuis son menu. Les fichiers sont conservés dans le dossier de travail (le dossier du dernier fichier de projet ouvert).</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>the language of the windows for this run: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>la langue des fenêtres pour cette exécution : en, de, ja, ru, it, es, pl, pt_BR, fr, cs ou nl (par défaut : celle du bureau, d&apos;après LANGUAGE, LC_ALL, LC_MESSAGES ou LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>affiche cette aide et quitte</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>affiche la version et quitte</translation>
    </message>
    <message>
        <source>trace the hyperlink service of the design windows on standard error: every line starts with &quot;RazedUveziz: &quot; (registrations, events, the commands run, no browser or mail program found)</source>
        <translation>trace le service d&apos;hyperliens des fenêtres de conception sur la sortie d&apos;erreur standard : chaque ligne commence par &quot;RazedUveziz: &quot; (enregistrements, événements, commandes lancées, navigateur ou programme de messagerie introuvable)</translation>
    </message>
    <message>
        <source>trace each failed look-up of the desktop&apos;s browser or mail program (&quot;RegQueryValue: ...&quot;)</source>
        <translation>trace chaque recherche infructueuse du navigateur ou du programme de messagerie du bureau (&quot;RegQueryValue: ...&quot;)</translation>
    </message>
    <message>
        <source>trace the attempts of the per-link handler check (&quot;Tried(...&quot;)</source>
        <translation>trace les essais de la vérification du gestionnaire de chaque lien (&quot;Tried(...&quot;)</translation>
    </message>
    <message>
        <source>the Qt display plug-in (xcb, wayland, offscreen); Qt&apos;s other options are taken too</source>
        <translation>le greffon d&apos;affichage de Qt (xcb, wayland, offscreen) ; les autres options de Qt sont aussi acceptées</translation>
    </message>
    <message>
        <source>The trace switches may be given together and in any case (/hadebug). Traces go
to standard error, never to the screen.

Exit status:
  0   the main window was closed (Shutdown)</source>
        <translation>Les options de trace peuvent être données ensemble et en majuscules ou minuscules (/hadebug). Les traces vont
sur la sortie d&apos;erreur standard, jamais à l&apos;écran.

Code de sortie :
  0   la fenêtre principale a été fermée (Quitter)</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>nothing was drawn for %1</source>
        <translation>rien n&apos;a été dessiné pour %1</translation>
    </message>
    <message>
        <source>cannot draw %1</source>
        <translation>impossible de dessiner %1</translation>
    </message>
    <message>
        <source>it holds no picture (%1 bytes)</source>
        <translation>elle ne contient aucune image (%1 octets)</translation>
    </message>
    <message>
        <source>it is cut short (%1 of %2 bytes)</source>
        <translation>elle est tronquée (%1 sur %2 octets)</translation>
    </message>
    <message>
        <source>The page image %1 could not be read</source>
        <translation>L&apos;image de page %1 n&apos;a pas pu être lue</translation>
    </message>
    <message>
        <source>folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>The report has no pages.</source>
        <translation>Le rapport n&apos;a aucune page.</translation>
    </message>
</context>
<context>
    <name>ReportMail</name>
    <message>
        <source>No mail program is available.</source>
        <translation>Aucun logiciel de messagerie disponible.</translation>
    </message>
    <message>
        <source>Corvan, my YQ results are attached</source>
        <translation>Corvan, voici mes résultats YQ en pièce jointe</translation>
    </message>
    <message>
        <source>My Finished YQ Results</source>
        <translation>Mes résultats YQ finaux</translation>
    </message>
</context>
<context>
    <name>ReportMessages</name>
    <message>
        <source>%1|The report lists its designers from the user file, so it is not printed.|The user file is left as it is.</source>
        <translation>%1|Le rapport liste ses concepteurs d&apos;après le fichier des utilisateurs, il n&apos;est donc pas imprimé.|Le fichier des utilisateurs reste inchangé.</translation>
    </message>
    <message>
        <source>The report document could not be written.|%1|The mail opens without the report.</source>
        <translation>Le document du rapport n&apos;a pas pu être écrit.|%1|Le message s&apos;ouvre sans le rapport.</translation>
    </message>
    <message>
        <source>The report mail could not be prepared.|</source>
        <translation>Le message du rapport n&apos;a pas pu être préparé.|</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>These files could not be attached to the mail:|</source>
        <translation>Ces fichiers n&apos;ont pas pu être joints au message :|</translation>
    </message>
    <message>
        <source>A copy of the mail could not be saved as|%1:|%2</source>
        <translation>Une copie du message n&apos;a pas pu être enregistrée sous|%1 :|%2</translation>
    </message>
    <message>
        <source>%1|The mail is saved as|%2|Open it with your mail program to send it.</source>
        <translation>%1|Le message est enregistré sous|%2|Ouvrez-le dans votre logiciel de messagerie pour l&apos;envoyer.</translation>
    </message>
    <message>
        <source>%1|The mail could not be saved as|%2:|%3</source>
        <translation>%1|Le message n&apos;a pas pu être enregistré sous|%2 :|%3</translation>
    </message>
    <message>
        <source>%1|The complete mail is saved as|%2|Open that one with your mail program to send all of it.</source>
        <translation>%1|Le message complet est enregistré sous|%2|Ouvrez celui-ci dans votre logiciel de messagerie pour tout envoyer.</translation>
    </message>
    <message>
        <source>Send email</source>
        <translation>Envoyer e-mail</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>YQ *Star* Antenna designed for</source>
        <translation>Antenne YQ *Star* conçue pour</translation>
    </message>
    <message>
        <source>Mhz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in</source>
        <translation>Toutes les mesures linéaires sont en</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Cylindres</translation>
    </message>
    <message>
        <source>Tuning Coil</source>
        <translation>Bobine d&apos;accord</translation>
    </message>
    <message>
        <source>Phasing Coil</source>
        <translation>Bobine de phase</translation>
    </message>
    <message>
        <source>Source Coil</source>
        <translation>Bobine source</translation>
    </message>
    <message>
        <source>Cylinder Diameter</source>
        <translation>Diamètre du cylindre</translation>
    </message>
    <message>
        <source>Length to Diameter Ratio</source>
        <translation>Rapport longueur/diamètre</translation>
    </message>
    <message>
        <source>Cylinder Length</source>
        <translation>Long. du cylindre</translation>
    </message>
    <message>
        <source>Cylinder Spacing</source>
        <translation>Écart des cylindres</translation>
    </message>
    <message>
        <source>Cylinder Capacitance in pFd</source>
        <translation>Capacité du cylindre en pF</translation>
    </message>
    <message>
        <source>Reactance (XC) Ohms</source>
        <translation>Réactance (XC) en ohms</translation>
    </message>
    <message>
        <source>Radiation Resistance Ohms</source>
        <translation>Résist. de rayonnement ohms</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>Bande passante +/- 3db kHz</translation>
    </message>
    <message>
        <source>Antenna &apos;Q&apos;</source>
        <translation>&apos;Q&apos; de l&apos;antenne</translation>
    </message>
    <message>
        <source>Antenna Length inc Coils</source>
        <translation>Long. antenne avec bobines</translation>
    </message>
    <message>
        <source>Wire diameter for all Coils</source>
        <translation>Diamètre du fil des bobines</translation>
    </message>
    <message>
        <source>Wire Spacing for Coils</source>
        <translation>Pas du fil des bobines</translation>
    </message>
    <message>
        <source>Tuning Coil Diameter</source>
        <translation>Diam. bobine d&apos;accord</translation>
    </message>
    <message>
        <source>Tuning Coil Inductance uH</source>
        <translation>Inductance bob. accord uH</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <translation>Nombre de spires</translation>
    </message>
    <message>
        <source>Coil Length</source>
        <translation>Long. bobine</translation>
    </message>
    <message>
        <source>Coil Wire Length</source>
        <translation>Long. fil de bobine</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Facteur de capacité</translation>
    </message>
    <message>
        <source>Phase Coil diameter</source>
        <translation>Diam. bobine de phase</translation>
    </message>
    <message>
        <source>Wire Length</source>
        <translation>Long. du fil</translation>
    </message>
    <message>
        <source>Source Coil Diameter</source>
        <translation>Diam. bobine source</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Spires bobine source</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Long. fil bobine source</translation>
    </message>
    <message>
        <source>Cylinders should be made from non ferrous metals to reduce losses.</source>
        <translation>Les cylindres doivent être en métal non ferreux pour réduire les pertes.</translation>
    </message>
    <message>
        <source>Spacing between cylinders is critical to success.</source>
        <translation>L&apos;écart entre les cylindres est déterminant pour la réussite.</translation>
    </message>
    <message>
        <source>Spacing between lower cylinder and top of tuning coil should equal cylinder diameter.</source>
        <translation>L&apos;écart entre le cylindre inférieur et le haut de la bobine d&apos;accord doit être égal au diamètre du cylindre.</translation>
    </message>
    <message>
        <source>Wire from bottom of Tuning Coil must run up the inside edge of the lower cylinder.</source>
        <translation>Le fil du bas de la bobine d&apos;accord doit remonter le long du bord intérieur du cylindre inférieur.</translation>
    </message>
    <message>
        <source>Wire from top of Tuning Coil must run up the centre of the lower cylinder.</source>
        <translation>Le fil du haut de la bobine d&apos;accord doit remonter par le centre du cylindre inférieur.</translation>
    </message>
    <message>
        <source>Coil formers (the pipe) should be tested in a microwave oven for heating with RF excitation.</source>
        <translation>Les mandrins des bobines (le tube) doivent être testés au four à micro-ondes pour voir s&apos;ils chauffent sous excitation HF.</translation>
    </message>
    <message>
        <source>If it gets hot in the MW then do not use it as it is absorbing RF energy.</source>
        <translation>S&apos;il chauffe au micro-ondes, ne l&apos;utilisez pas : il absorbe l&apos;énergie HF.</translation>
    </message>
    <message>
        <source>When completed the entire antenna should be waterproofed.</source>
        <translation>Une fois terminée, toute l&apos;antenne doit être étanchéifiée.</translation>
    </message>
    <message>
        <source>Follow the instructions in Brannoc&apos;s Book on setting up for maximum radiation and minimum VSWR.</source>
        <translation>Suivez les instructions du livre de Brannoc pour le réglage au rayonnement maximal et au ROS minimal.</translation>
    </message>
    <message>
        <source>Print Date:</source>
        <translation>Imprimé le :</translation>
    </message>
    <message>
        <source>Designed By:</source>
        <translation>Conçu par :</translation>
    </message>
    <message>
        <source>Print from queue</source>
        <translation>Imprimer depuis la file</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
</context>
<context>
    <name>SimulationStudy</name>
    <message>
        <source>The deck&apos;s line %1 cannot be read</source>
        <translation>La ligne %1 du deck ne peut pas être lue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number in the %2 card</source>
        <translation>&quot;%1&quot; n&apos;est pas un nombre dans la carte %2</translation>
    </message>
    <message>
        <source>the %1 card needs %2 numbers</source>
        <translation>la carte %1 exige %2 nombres</translation>
    </message>
    <message>
        <source>The deck&apos;s line %1 cannot be checked</source>
        <translation>La ligne %1 du deck ne peut pas être vérifiée</translation>
    </message>
    <message>
        <source>a GM card that copies or rotates is not read here</source>
        <translation>une carte GM qui copie ou fait pivoter n&apos;est pas lue ici</translation>
    </message>
    <message>
        <source>The deck asks for no frequency (no FR card).</source>
        <translation>Le deck ne demande aucune fréquence (pas de carte FR).</translation>
    </message>
    <message>
        <source>Wire %1 has no length or no segment; nec2c can run on for ever on it.</source>
        <translation>Le fil %1 n&apos;a pas de longueur ou pas de segment ; nec2c peut tourner indéfiniment dessus.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the lowest frequency; NEC-2 wants at least 0.001.</source>
        <translation>Les segments du fil %1 mesurent %2 longueur d&apos;onde à %3 MHz, la fréquence la plus basse ; NEC-2 demande au moins 0.001.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the highest frequency; NEC-2 wants at most 0.1.</source>
        <translation>Les segments du fil %1 mesurent %2 longueur d&apos;onde à %3 MHz, la fréquence la plus haute ; NEC-2 demande au plus 0.1.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 with the extended thin-wire kernel.</source>
        <translation>Les segments du fil %1 mesurent %2 fois leur rayon ; NEC-2 demande au moins %3 avec le noyau de fil mince étendu.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 without EK.</source>
        <translation>Les segments du fil %1 mesurent %2 fois leur rayon ; NEC-2 demande au moins %3 sans EK.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 lie over the same %3 m; nec2c gives a meaningless impedance for them.</source>
        <translation>Les fils %1 et %2 se superposent sur les mêmes %3 m ; nec2c donne pour eux une impédance dénuée de sens.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; the extended thin-wire kernel is not valid where the radius changes.</source>
        <translation>Les fils %1 et %2 se rejoignent avec des rayons dans un rapport de %3 ; le noyau de fil mince étendu n&apos;est pas valable là où le rayon change.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; NEC-2 wants at most 5.</source>
        <translation>Les fils %1 et %2 se rejoignent avec des rayons dans un rapport de %3 ; NEC-2 demande au plus 5.</translation>
    </message>
    <message>
        <source>The deck has no feed (no EX card).</source>
        <translation>Le deck n&apos;a pas d&apos;alimentation (pas de carte EX).</translation>
    </message>
    <message>
        <source>The feed is on segment %1 of wire %2, which does not exist.</source>
        <translation>L&apos;alimentation est sur le segment %1 du fil %2, qui n&apos;existe pas.</translation>
    </message>
    <message>
        <source>NEC-2 detailed model: free space, no feed line, the cylinders as aluminium wire-grid cages, the tuning and phasing coils as copper helices with their leads as the build sheet draws them, the source coil lumped at the feed.</source>
        <translation>Modèle NEC-2 détaillé : espace libre, sans ligne d&apos;alimentation, les cylindres en cages de grille de fils d&apos;aluminium, les bobines d&apos;accord et de phase en hélices de cuivre avec leurs fils de liaison tels que la fiche de montage les dessine, la bobine source localisée à l&apos;alimentation.</translation>
    </message>
    <message>
        <source>NEC-2 standard model: free space, no feed line, the cylinders as thick aluminium wires, the three coils as one lumped series R + L at the feed from the calculator&apos;s coil values.</source>
        <translation>Modèle NEC-2 standard : espace libre, sans ligne d&apos;alimentation, les cylindres en fils d&apos;aluminium épais, les trois bobines en un seul R + L série localisé à l&apos;alimentation, d&apos;après les valeurs de bobine du calculateur.</translation>
    </message>
    <message>
        <source>nec2c cannot be started</source>
        <translation>nec2c ne peut pas être lancé</translation>
    </message>
    <message>
        <source>A folder for nec2c cannot be made</source>
        <translation>Impossible de créer un dossier pour nec2c</translation>
    </message>
    <message>
        <source>The deck for nec2c cannot be written</source>
        <translation>Impossible d&apos;écrire le deck pour nec2c</translation>
    </message>
    <message>
        <source>nec2c stopped before it finished</source>
        <translation>nec2c s&apos;est arrêté avant la fin</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>il a planté</translation>
    </message>
    <message>
        <source>it exited with status %1</source>
        <translation>il s&apos;est terminé avec le code %1</translation>
    </message>
    <message>
        <source>nec2c failed</source>
        <translation>nec2c a échoué</translation>
    </message>
    <message>
        <source>nec2c wrote no output</source>
        <translation>nec2c n&apos;a produit aucune sortie</translation>
    </message>
    <message>
        <source>deck.out is missing</source>
        <translation>deck.out est absent</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not installed: install it with &quot;sudo apt install nec2c&quot;.</source>
        <translation>La simulation exige nec2c, qui n&apos;est pas installé : installez-le avec &quot;sudo apt install nec2c&quot;.</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not at %1.</source>
        <translation>La simulation exige nec2c, qui n&apos;est pas dans %1.</translation>
    </message>
    <message>
        <source>nec2c was stopped</source>
        <translation>nec2c a été arrêté</translation>
    </message>
    <message>
        <source>it ran longer than its limit of %1 ms</source>
        <translation>il a dépassé sa limite de %1 ms</translation>
    </message>
    <message>
        <source>The simulation was cancelled.</source>
        <translation>La simulation a été annulée.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output cannot be read</source>
        <translation>la sortie de nec2c ne peut pas être lue</translation>
    </message>
    <message>
        <source>it holds more frequencies than the deck&apos;s %1</source>
        <translation>elle contient plus de fréquences que les %1 du deck</translation>
    </message>
    <message>
        <source>the input parameters of frequency %1 have no line of numbers</source>
        <translation>les paramètres d&apos;entrée de la fréquence %1 n&apos;ont pas de ligne de nombres</translation>
    </message>
    <message>
        <source>the impedance at frequency %1 is not a number</source>
        <translation>l&apos;impédance à la fréquence %1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>a radiation pattern has no headings</source>
        <translation>un diagramme de rayonnement n&apos;a pas d&apos;en-têtes</translation>
    </message>
    <message>
        <source>it holds %1 of the deck&apos;s %2 frequencies</source>
        <translation>elle contient %1 des %2 fréquences du deck</translation>
    </message>
    <message>
        <source>The matched half-power band is wider than the fine sweep.</source>
        <translation>La bande à mi-puissance adaptée est plus large que le balayage fin.</translation>
    </message>
    <message>
        <source>The half-power band on 50 ohm is wider than the fine sweep.</source>
        <translation>La bande à mi-puissance sur 50 ohm est plus large que le balayage fin.</translation>
    </message>
    <message>
        <source>With the calculated coil the model has no series resonance between 0.4 F and 2.5 F.</source>
        <translation>Avec la bobine calculée, le modèle n&apos;a pas de résonance série entre 0.4 F et 2.5 F.</translation>
    </message>
    <message>
        <source>nec2c gave no power budget or average gain at the resonance.</source>
        <translation>nec2c n&apos;a donné ni bilan de puissance ni gain moyen à la résonance.</translation>
    </message>
    <message>
        <source>The coil for F is not computed in this model.</source>
        <translation>La bobine pour F n&apos;est pas calculée dans ce modèle.</translation>
    </message>
    <message>
        <source>The design has no frequency</source>
        <translation>Le projet n&apos;a pas de fréquence</translation>
    </message>
    <message>
        <source>F is 0</source>
        <translation>F vaut 0</translation>
    </message>
    <message>
        <source>The design has no cylinders</source>
        <translation>Le projet n&apos;a pas de cylindres</translation>
    </message>
    <message>
        <source>CD or LD is 0</source>
        <translation>CD ou LD vaut 0</translation>
    </message>
    <message>
        <source>The detailed model needs a tuning coil</source>
        <translation>Le modèle détaillé exige une bobine d&apos;accord</translation>
    </message>
    <message>
        <source>NT, SP or CCD is 0</source>
        <translation>NT, SP ou CCD vaut 0</translation>
    </message>
    <message>
        <source>No tuning coil resonates the model at F: it needs a series capacitance there.</source>
        <translation>Aucune bobine d&apos;accord ne fait résonner le modèle à F : il lui faut une capacité série à cet endroit.</translation>
    </message>
    <message>
        <source>With the re-sized coil X does not rise through 0 within 1 % of F.</source>
        <translation>Avec la bobine redimensionnée, X ne passe pas par 0 en montant à moins de 1 % de F.</translation>
    </message>
    <message>
        <source>Its segments are down to %1 wavelength at F (NEC-2 wants at least 0.001) and its cages and leads break NEC-2&apos;s rules, so its feed R and X, and the Q, bandwidths and SWR from them, are not valid: it gives the resonance, radiation resistance, gain and efficiency from the far field only.</source>
        <translation>Ses segments descendent à %1 longueur d&apos;onde à F (NEC-2 demande au moins 0.001) et ses cages et fils de liaison enfreignent les règles de NEC-2 : R et X à l&apos;alimentation, ainsi que Q, bandes passantes et ROS qui en découlent, ne sont pas valables ; il donne la résonance, la résistance de rayonnement, le gain et le rendement à partir du champ lointain seulement.</translation>
    </message>
</context>
<context>
    <name>SimulationTable</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Résonance série</translation>
    </message>
    <message>
        <source>Tuning coil inductance</source>
        <translation>Inductance bob. d&apos;accord</translation>
    </message>
    <message>
        <source>Tuning coil turns</source>
        <translation>Spires bob. d&apos;accord</translation>
    </message>
    <message>
        <source>Series L at the feed</source>
        <translation>L série à l&apos;alimentation</translation>
    </message>
    <message>
        <source>Feed impedance at F</source>
        <translation>Impédance d&apos;entrée à F</translation>
    </message>
    <message>
        <source>R at resonance (RR + WR)</source>
        <translation>R à la résonance (RR + WR)</translation>
    </message>
    <message>
        <source>Radiation resistance</source>
        <translation>Résistance de rayonnement</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Half-power BW, matched</source>
        <translation>BP demi-puiss., adaptée</translation>
    </message>
    <message>
        <source>2:1 SWR BW, matched</source>
        <translation>BP ROS 2:1, adaptée</translation>
    </message>
    <message>
        <source>Half-power BW on 50 ohm</source>
        <translation>BP demi-puiss. sur 50 ohm</translation>
    </message>
    <message>
        <source>2:1 SWR BW on 50 ohm</source>
        <translation>BP ROS 2:1 sur 50 ohm</translation>
    </message>
    <message>
        <source>Lowest SWR on 50 ohm</source>
        <translation>ROS minimal sur 50 ohm</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Rendement</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Pertes</translation>
    </message>
    <message>
        <source>Largest gain</source>
        <translation>Gain maximal</translation>
    </message>
    <message>
        <source>Rule not kept: %1</source>
        <translation>Règle non respectée : %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note : %1</translation>
    </message>
    <message>
        <source>nec2c runs: %1, %2 s</source>
        <translation>exécutions de nec2c : %1, %2 s</translation>
    </message>
    <message>
        <source>calculator</source>
        <translation>calculateur</translation>
    </message>
    <message>
        <source>NEC-2, calculated coil</source>
        <translation>NEC-2, bobine calculée</translation>
    </message>
    <message>
        <source>NEC-2, coil for F</source>
        <translation>NEC-2, bobine pour F</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>non valide</translation>
    </message>
    <message>
        <source>not computed</source>
        <translation>non calculé</translation>
    </message>
</context>
<context>
    <name>Touchstone</name>
    <message>
        <source>The measurement %1 cannot be read</source>
        <translation>La mesure %1 ne peut pas être lue</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>a control character (byte %1) where only text may stand: this is not a text file</source>
        <translation>un caractère de contrôle (octet %1) là où seul du texte est permis : ce n&apos;est pas un fichier texte</translation>
    </message>
    <message>
        <source>text after [End]</source>
        <translation>texte après [End]</translation>
    </message>
    <message>
        <source>a second option line</source>
        <translation>une deuxième ligne d&apos;options</translation>
    </message>
    <message>
        <source>%1 where a keyword in brackets is expected</source>
        <translation>%1 là où un mot-clé entre crochets est attendu</translation>
    </message>
    <message>
        <source>[Reference] has too few values</source>
        <translation>[Reference] a trop peu de valeurs</translation>
    </message>
    <message>
        <source>the file ends in the middle of a point: %1 of its %2 values</source>
        <translation>le fichier se termine au milieu d&apos;un point : %1 de ses %2 valeurs</translation>
    </message>
    <message>
        <source>a Touchstone 2.0 file without [Network Data]</source>
        <translation>un fichier Touchstone 2.0 sans [Network Data]</translation>
    </message>
    <message>
        <source>[Number of Frequencies] says %1, the file holds %2</source>
        <translation>[Number of Frequencies] indique %1, le fichier en contient %2</translation>
    </message>
    <message>
        <source>no option line: GHz S MA R 50 assumed</source>
        <translation>pas de ligne d&apos;options : GHz S MA R 50 supposé</translation>
    </message>
    <message>
        <source>noise parameters from line %1 skipped</source>
        <translation>paramètres de bruit à partir de la ligne %1 ignorés</translation>
    </message>
    <message>
        <source>a keyword without its closing &quot;]&quot;</source>
        <translation>un mot-clé sans son &quot;]&quot; fermant</translation>
    </message>
    <message>
        <source>[Version] must be the first line that is not a comment</source>
        <translation>[Version] doit être la première ligne qui n&apos;est pas un commentaire</translation>
    </message>
    <message>
        <source>[Version] %1 is not a version this program reads (2.0)</source>
        <translation>[Version] %1 n&apos;est pas une version lisible par ce programme (2.0)</translation>
    </message>
    <message>
        <source>the keyword [%1] in a file without [Version] 2.0</source>
        <translation>le mot-clé [%1] dans un fichier sans [Version] 2.0</translation>
    </message>
    <message>
        <source>[Number of Ports] %1 is not a number of ports</source>
        <translation>[Number of Ports] %1 n&apos;est pas un nombre de ports</translation>
    </message>
    <message>
        <source>[Two-Port Data Order] %1 is neither 12_21 nor 21_12</source>
        <translation>[Two-Port Data Order] %1 n&apos;est ni 12_21 ni 21_12</translation>
    </message>
    <message>
        <source>[Number of Frequencies] %1 is not a count</source>
        <translation>[Number of Frequencies] %1 n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>[Reference] before [Number of Ports]</source>
        <translation>[Reference] avant [Number of Ports]</translation>
    </message>
    <message>
        <source>[Matrix Format] %1 is not Full, Lower or Upper</source>
        <translation>[Matrix Format] %1 n&apos;est pas Full, Lower ou Upper</translation>
    </message>
    <message>
        <source>[Network Data] before [Number of Ports]</source>
        <translation>[Network Data] avant [Number of Ports]</translation>
    </message>
    <message>
        <source>[Network Data] before the option line</source>
        <translation>[Network Data] avant la ligne d&apos;options</translation>
    </message>
    <message>
        <source>a two-port file without [Two-Port Data Order]</source>
        <translation>un fichier deux-ports sans [Two-Port Data Order]</translation>
    </message>
    <message>
        <source>the network data ends in the middle of a point</source>
        <translation>les données de réseau se terminent au milieu d&apos;un point</translation>
    </message>
    <message>
        <source>[%1] is not a keyword of Touchstone 2.0</source>
        <translation>[%1] n&apos;est pas un mot-clé de Touchstone 2.0</translation>
    </message>
    <message>
        <source>the reference %1 is not a number</source>
        <translation>la référence %1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>the reference impedance %1 ohm is not above 0</source>
        <translation>l&apos;impédance de référence %1 ohm n&apos;est pas supérieure à 0</translation>
    </message>
    <message>
        <source>[Reference] has more values than there are ports</source>
        <translation>[Reference] a plus de valeurs qu&apos;il n&apos;y a de ports</translation>
    </message>
    <message>
        <source>the option line names the frequency unit twice</source>
        <translation>la ligne d&apos;options nomme deux fois l&apos;unité de fréquence</translation>
    </message>
    <message>
        <source>the option line names the parameter twice</source>
        <translation>la ligne d&apos;options nomme deux fois le paramètre</translation>
    </message>
    <message>
        <source>%1 parameters hold no reflection coefficient this program reads; save S, Z or Y parameters</source>
        <translation>les paramètres %1 ne contiennent aucun coefficient de réflexion lisible par ce programme ; enregistrez des paramètres S, Z ou Y</translation>
    </message>
    <message>
        <source>the option line names the data format twice</source>
        <translation>la ligne d&apos;options nomme deux fois le format des données</translation>
    </message>
    <message>
        <source>the option line gives the reference twice</source>
        <translation>la ligne d&apos;options donne deux fois la référence</translation>
    </message>
    <message>
        <source>&quot;R&quot; without its reference impedance</source>
        <translation>&quot;R&quot; sans son impédance de référence</translation>
    </message>
    <message>
        <source>%1 is not a part of the option line (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</source>
        <translation>%1 ne fait pas partie de la ligne d&apos;options (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</translation>
    </message>
    <message>
        <source>Z and Y parameters of networks of more than two ports are not read; save S parameters</source>
        <translation>les paramètres Z et Y des réseaux de plus de deux ports ne sont pas lus ; enregistrez des paramètres S</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>the frequency %1 does not rise above the one before it (%2 on line %3)</source>
        <translation>la fréquence %1 ne dépasse pas la précédente (%2 à la ligne %3)</translation>
    </message>
    <message>
        <source>the frequency %1 is below 0</source>
        <translation>la fréquence %1 est inférieure à 0</translation>
    </message>
    <message>
        <source>the frequency %1 is too large</source>
        <translation>la fréquence %1 est trop grande</translation>
    </message>
    <message>
        <source>the point does not end where a line ends: a value is missing or one too many (a point here has %1 values)</source>
        <translation>le point ne se termine pas en fin de ligne : il manque une valeur ou il y en a une de trop (un point a ici %1 valeurs)</translation>
    </message>
    <message>
        <source>the values of the point at %1 give no finite reflection coefficient</source>
        <translation>les valeurs du point à %1 ne donnent aucun coefficient de réflexion fini</translation>
    </message>
    <message>
        <source>the frequency %1 of line %2 again, with %3 values where a point has %4</source>
        <translation>de nouveau la fréquence %1 de la ligne %2, avec %3 valeurs là où un point en a %4</translation>
    </message>
    <message>
        <source>line %1 repeats the frequency %2 of line %3; the repeat is left out</source>
        <translation>la ligne %1 répète la fréquence %2 de la ligne %3 ; la répétition est ignorée</translation>
    </message>
    <message>
        <source>a control character where only text may stand: this is not a text file</source>
        <translation>un caractère de contrôle là où seul du texte est permis : ce n&apos;est pas un fichier texte</translation>
    </message>
    <message>
        <source>the headings name %1 columns; a sweep needs frequency and two more</source>
        <translation>les en-têtes nomment %1 colonnes ; un balayage exige la fréquence et deux autres</translation>
    </message>
    <message>
        <source>%1 value where the frequency and two more are needed</source>
        <translation>%1 valeur là où il faut la fréquence et deux autres</translation>
    </message>
    <message>
        <source>%1 values where the frequency and two more are needed</source>
        <translation>%1 valeurs là où il faut la fréquence et deux autres</translation>
    </message>
    <message>
        <source>the rows from line %1 on (%2) are another sweep than %3 and are left out</source>
        <translation>les lignes à partir de la ligne %1 (%2) sont un autre balayage que %3 et sont ignorées</translation>
    </message>
    <message>
        <source>%1 is not a frequency</source>
        <translation>%1 n&apos;est pas une fréquence</translation>
    </message>
    <message>
        <source>the impedance gives no finite reflection coefficient</source>
        <translation>l&apos;impédance ne donne aucun coefficient de réflexion fini</translation>
    </message>
    <message>
        <source>%1 port</source>
        <translation>%1 port</translation>
    </message>
    <message>
        <source>%1 ports</source>
        <translation>%1 ports</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 point</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>The measurement %1 cannot be opened</source>
        <translation>La mesure %1 ne peut pas être ouverte</translation>
    </message>
    <message>
        <source>it does not exist or is not readable</source>
        <translation>il n&apos;existe pas ou n&apos;est pas lisible</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it is larger than 64 MB</source>
        <translation>il dépasse 64 Mo</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>la lecture a échoué</translation>
    </message>
</context>
<context>
    <name>TuneTable</name>
    <message>
        <source>Measurement</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Accord</translation>
    </message>
</context>
<context>
    <name>UnitSystem</name>
    <message>
        <source>All measurements are in inches</source>
        <translation>Toutes les mesures sont en pouces</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|a Metric design in error.|Select Metric Design instead.|Do NOT save this version!</source>
        <translation>Choix incorrect. Vous avez choisi|un projet métrique par erreur.|Choisissez plutôt le projet métrique.|N&apos;enregistrez PAS cette version !</translation>
    </message>
    <message>
        <source>Press ESC &amp; Select Metric Option!</source>
        <translation>Appuyez sur Échap &amp; choisissez l&apos;option métrique !</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|an Imperial design in error.|Select Imperial Design instead.</source>
        <translation>Choix incorrect. Vous avez choisi|un projet impérial par erreur.|Choisissez plutôt le projet impérial.</translation>
    </message>
    <message>
        <source>Press ESC &amp; select Imperial Design</source>
        <translation>Appuyez sur Échap &amp; choisissez le projet impérial</translation>
    </message>
    <message>
        <source>All measurements are in mm</source>
        <translation>Toutes les mesures sont en mm</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Imperial</source>
        <translation>Calculs d&apos;antenne YQ... Impérial</translation>
    </message>
    <message>
        <source>Linear measurements are in Inches</source>
        <translation>Les mesures linéaires sont en pouces</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in inches. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Toutes les dimensions des bobines sont basées sur le pas indiqué. Les dimensions linéaires sont en pouces. La plupart des champs ont une aide au survol de la souris. Toutes les bobines utilisent le même diamètre de fil et le même pas.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|*.ini</source>
        <translation>Fichiers Ini d&apos;antenne M = Métrique|*.ini</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Metric</source>
        <translation>Calculs d&apos;antenne YQ... Métrique</translation>
    </message>
    <message>
        <source>Linear measurements are in mm</source>
        <translation>Les mesures linéaires sont en mm</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in mm. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Toutes les dimensions des bobines sont basées sur le pas indiqué. Les dimensions linéaires sont en mm. La plupart des champs ont une aide au survol de la souris. Toutes les bobines utilisent le même diamètre de fil et le même pas.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|M*.ini</source>
        <translation>Fichiers Ini d&apos;antenne M = Métrique|M*.ini</translation>
    </message>
</context>
<context>
    <name>UserList</name>
    <message>
        <source>Records are deleted from the list of users, not from this form.</source>
        <translation>Les fiches sont supprimées de la liste des utilisateurs, pas de ce formulaire.</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmer la suppression</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the highlighted record?|%1</source>
        <translation>Voulez-vous vraiment supprimer la fiche sélectionnée ?|%1</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>YQ Error Message</source>
        <translation>Message d&apos;erreur YQ</translation>
    </message>
</context>
<context>
    <name>yq::AboutWindow</name>
    <message>
        <source>Close and return...</source>
        <translation>Fermer et revenir...</translation>
    </message>
    <message>
        <source>About this programme V 5.081</source>
        <translation>À propos de ce programme V 5.081</translation>
    </message>
</context>
<context>
    <name>yq::BuildSheetTab</name>
    <message>
        <source>Build sheet drawing</source>
        <translation>Dessin de montage</translation>
    </message>
    <message>
        <source>Build Sheet: the antenna to scale and what to cut and wind</source>
        <translation>Fiche de montage : l&apos;antenne à l&apos;échelle et ce qu&apos;il faut couper et bobiner</translation>
    </message>
    <message>
        <source>Print Build Sheet</source>
        <translation>Imprimer la fiche</translation>
    </message>
    <message>
        <source>Shows the build sheet in the print preview, to print it</source>
        <translation>Affiche la fiche de montage dans l&apos;aperçu avant impression, pour l&apos;imprimer</translation>
    </message>
</context>
<context>
    <name>yq::DesignToolsTab</name>
    <message>
        <source>Convert to millimetres</source>
        <translation>En millimètres</translation>
    </message>
    <message>
        <source>Convert to inches</source>
        <translation>En pouces</translation>
    </message>
    <message>
        <source>Lengths x 25.4, rounded to the Metric fields; F, L/D, MBW, FAC and DPS
as they are; then the Metric ReCalc. The design is saved in the working
folder under the Metric window&apos;s file name (M...ini).</source>
        <translation>Longueurs x 25.4, arrondies aux champs métriques ; F, L/D, MBW, FAC et DPS
tels quels ; puis le ReCalc métrique. Le projet est enregistré dans le dossier
de travail sous le nom de fichier de la fenêtre métrique (M...ini).</translation>
    </message>
    <message>
        <source>Lengths / 25.4, rounded to the Imperial fields; F, L/D, MBW, FAC and DPS
as they are; then the Imperial ReCalc. The design is saved in the working
folder under the Imperial window&apos;s file name.</source>
        <translation>Longueurs / 25.4, arrondies aux champs impériaux ; F, L/D, MBW, FAC et DPS
tels quels ; puis le ReCalc impérial. Le projet est enregistré dans le dossier
de travail sous le nom de fichier de la fenêtre impériale.</translation>
    </message>
    <message>
        <source>Convert and Save as Metric</source>
        <translation>Convertir, enreg. en métrique</translation>
    </message>
    <message>
        <source>Convert and Save as Imperial</source>
        <translation>Convertir, enreg. en impérial</translation>
    </message>
    <message>
        <source>Saves this design in millimetres for the Metric window.</source>
        <translation>Enregistre ce projet en millimètres pour la fenêtre métrique.</translation>
    </message>
    <message>
        <source>Saves this design in inches for the Imperial window.</source>
        <translation>Enregistre ce projet en pouces pour la fenêtre impériale.</translation>
    </message>
    <message>
        <source>The design cannot be converted:|%1</source>
        <translation>Le projet ne peut pas être converti :|%1</translation>
    </message>
    <message>
        <source>The converted design %1 could not be written.|%2</source>
        <translation>Le projet converti %1 n&apos;a pas pu être écrit.|%2</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Impérial</translation>
    </message>
    <message>
        <source>Saved &lt;b&gt;%1&lt;/b&gt; in %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: open it in the %6 window.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; enregistré dans %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5 : ouvrez-le dans la fenêtre %6.</translation>
    </message>
    <message>
        <source>Fit to the built antenna</source>
        <translation>Ajuster à l&apos;antenne construite</translation>
    </message>
    <message>
        <source>FAC from tuning coil turns (NT)</source>
        <translation>FAC d&apos;après spires accord (NT)</translation>
    </message>
    <message>
        <source>DPS from source coil turns (SCT)</source>
        <translation>DPS d&apos;après spires source (SCT)</translation>
    </message>
    <message>
        <source>Field to fit</source>
        <translation>Champ à ajuster</translation>
    </message>
    <message>
        <source>Capacitance Factor from the tuning coil turns you wound,
or Degrees of Phase from the source coil turns.</source>
        <translation>Facteur de capacité d&apos;après les spires bobinées sur la bobine d&apos;accord,
ou degrés de phase d&apos;après les spires de la bobine source.</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Spires bobinées :</translation>
    </message>
    <message>
        <source>Turns wound</source>
        <translation>Spires bobinées</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Tries every value of the field, 0.01 apart, each with a full ReCalc,
and finds the one whose turns come nearest to the turns you wound.</source>
        <translation>Essaie chaque valeur du champ, de 0.01 en 0.01, chacune avec un ReCalc complet,
et trouve celle dont les spires sont les plus proches de celles que vous avez bobinées.</translation>
    </message>
    <message>
        <source>Enter the turns on your working antenna and press Find.</source>
        <translation>Entrez les spires de votre antenne qui fonctionne et cliquez sur Chercher.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;Enter the number of turns you wound, for example 31 or 30.5.&lt;/span&gt;</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Entrez le nombre de spires bobinées, par exemple 31 ou 30.5.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt; gives %3 = &lt;b&gt;%4&lt;/b&gt; turns (you wound %5).</source>
        <translation>&lt;b&gt;%1 = %2&lt;/b&gt; donne %3 = &lt;b&gt;%4&lt;/b&gt; spires (vous en avez bobiné %5).</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;No %1 from %2 to %3 gives %4 within half a turn of %5.&lt;/span&gt; The nearest is &lt;b&gt;%1 = %6&lt;/b&gt;, giving %4 = &lt;b&gt;%7&lt;/b&gt;.</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Aucun %1 de %2 à %3 ne donne %4 à moins d&apos;une demi-spire de %5.&lt;/span&gt; Le plus proche est &lt;b&gt;%1 = %6&lt;/b&gt;, qui donne %4 = &lt;b&gt;%7&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>&lt;br&gt;Also changes: </source>
        <translation>&lt;br&gt;Change aussi : </translation>
    </message>
    <message>
        <source>&lt;br&gt;The window shows DPS with one place (%1); the design keeps %2.</source>
        <translation>&lt;br&gt;La fenêtre affiche DPS avec une décimale (%1) ; le projet conserve %2.</translation>
    </message>
    <message>
        <source>Apply %1 = %2</source>
        <translation>Appliquer %1 = %2</translation>
    </message>
    <message>
        <source>&lt;i&gt;The design changed since the last Find; this is the fit for it now.&lt;/i&gt;&lt;br&gt;</source>
        <translation>&lt;i&gt;Le projet a changé depuis la dernière recherche ; voici l&apos;ajustement pour son état actuel.&lt;/i&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;Applied&lt;/b&gt; to the design; SAVE keeps it.</source>
        <translation>&lt;br&gt;&lt;b&gt;Appliqué&lt;/b&gt; au projet ; ENREGISTRER le conserve.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Cylinder diameter</source>
        <translation>Diamètre du cylindre</translation>
    </message>
    <message>
        <source>Length/Diameter ratio</source>
        <translation>Rapport longueur/diamètre</translation>
    </message>
    <message>
        <source>Wire diameter</source>
        <translation>Diamètre du fil</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Coil diameter</source>
        <translation>Diam. bobine</translation>
    </message>
    <message>
        <source>Capacitance factor</source>
        <translation>Facteur de capacité</translation>
    </message>
    <message>
        <source>Phasing coil diameter</source>
        <translation>Diam. bobine de phase</translation>
    </message>
    <message>
        <source>Source coil diameter</source>
        <translation>Diam. bobine source</translation>
    </message>
    <message>
        <source>Degrees of phase</source>
        <translation>Degrés de phase</translation>
    </message>
    <message>
        <source>Measured bandwidth</source>
        <translation>Bande passante mesurée</translation>
    </message>
    <message>
        <source>Sweep one input</source>
        <translation>Balayer une entrée</translation>
    </message>
    <message>
        <source>Input to vary</source>
        <translation>Entrée à varier</translation>
    </message>
    <message>
        <source>Vary:</source>
        <translation>Varier :</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Balayer</translation>
    </message>
    <message>
        <source>Plot:</source>
        <translation>Tracer :</translation>
    </message>
    <message>
        <source>Sweep points</source>
        <translation>Points balayés</translation>
    </message>
    <message>
        <source>Up to %1 points, each a full ReCalc of this design.</source>
        <translation>Jusqu&apos;à %1 points, chacun un ReCalc complet de ce projet.</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>Enreg. CSV...</translation>
    </message>
    <message>
        <source>Every key of every point, as yq-calc sweep writes it.</source>
        <translation>Toutes les clés de tous les points, comme yq-calc sweep les écrit.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number.</source>
        <translation>%1 &apos;%2&apos; n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>%1 points, each a full ReCalc.</source>
        <translation>%1 points, chacun un ReCalc complet.</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>Le balayage n&apos;a pas pu être enregistré sous %1.|%2</translation>
    </message>
    <message>
        <source>%1 points saved to %2.</source>
        <translation>%1 points enregistrés dans %2.</translation>
    </message>
    <message>
        <source>Save the sweep as CSV</source>
        <translation>Enregistrer le balayage en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>yq::DesignWindow</name>
    <message>
        <source>   Build Sheet</source>
        <translation>   Montage</translation>
    </message>
    <message>
        <source>   Design Tools</source>
        <translation>   Outils</translation>
    </message>
    <message>
        <source>Select Antenna</source>
        <translation>Choisir l&apos;antenne</translation>
    </message>
    <message>
        <source>   Specifications</source>
        <translation>   Caractéristiques</translation>
    </message>
    <message>
        <source>   Help</source>
        <translation>   Aide</translation>
    </message>
    <message>
        <source>Entries in Bold are those you can change. All others are read only.</source>
        <translation>Les champs en gras sont modifiables. Tous les autres sont en lecture seule.</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>Saves the file with the name like 726.ini
7 = frequency in mhz
2 = cylinder diameter in inches
6 = diameter to length ratio
An &apos;M&apos; first letter denotes Metric calculations.</source>
        <translation>Enregistre le fichier sous un nom comme 726.ini
7 = fréquence en MHz
2 = diamètre du cylindre en pouces
6 = rapport diamètre/longueur
Un &apos;M&apos; en première lettre indique un calcul métrique.</translation>
    </message>
    <message>
        <source>Print/View</source>
        <translation>Imprimer/Voir</translation>
    </message>
    <message>
        <source>You MUST save first to print</source>
        <translation>Vous DEVEZ enregistrer avant d&apos;imprimer</translation>
    </message>
    <message>
        <source>email Report</source>
        <translation>Envoyer rapport</translation>
    </message>
    <message>
        <source>Uses Outlook for email. Other mailers may not work.</source>
        <translation>Utilise Outlook pour l&apos;e-mail. D&apos;autres logiciels peuvent ne pas marcher.</translation>
    </message>
    <message>
        <source>YQ Forum</source>
        <translation>Forum YQ</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Ouvrir Excel</translation>
    </message>
    <message>
        <source>Email Results</source>
        <translation>Envoi résultats</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cylinder Specifications</source>
        <translation>Caract. du cylindre</translation>
    </message>
    <message>
        <source>Source Coil Specifications</source>
        <translation>Caract. de la bobine source</translation>
    </message>
    <message>
        <source>Tuning Coil Specifications</source>
        <translation>Caract. de la bobine d&apos;accord</translation>
    </message>
    <message>
        <source>Click on this button to recalculate after making changes</source>
        <translation>Cliquez sur ce bouton pour recalculer après des modifications</translation>
    </message>
    <message>
        <source>Initial factor is 2. This divides the cylinder capacitance
by 2 to recalculate the coil size. That will also
recalculate the coil inductance.

Use a number that give the number of turns you
have used to make the system work. Then OK
to SAVE.</source>
        <translation>Le facteur initial est 2. Il divise la capacité du cylindre
par 2 pour recalculer la taille de la bobine. Cela
recalcule aussi l&apos;inductance de la bobine.

Indiquez un nombre qui donne le nombre de spires
que vous avez bobinées pour que le système fonctionne. Puis OK
pour ENREGISTRER.</translation>
    </message>
    <message>
        <source>Phasing Coil Specifications</source>
        <translation>Caract. de la bobine de phase</translation>
    </message>
    <message>
        <source>General Help File</source>
        <translation>Fichier d&apos;aide général</translation>
    </message>
    <message>
        <source>The various components that make up the YQ Star version are listed on the right for clarification of the terms used on the design page. You must refer to Brannoc&apos;s YQ Design Book (downloadable from the Forum) for a more complete understanding of the YQ Star.</source>
        <translation>Les divers éléments qui composent la version YQ Star sont listés à droite pour clarifier les termes utilisés sur la page de conception. Reportez-vous au YQ Design Book de Brannoc (téléchargeable sur le forum) pour mieux comprendre la YQ Star.</translation>
    </message>
    <message>
        <source>Overall length of antenna is calculated as Cylinder Length * 2, plus Cylinder Diameter * 2, plus the tuning coil length. The Source Coil is not included in the length.</source>
        <translation>La longueur totale de l&apos;antenne est calculée comme longueur du cylindre * 2, plus diamètre du cylindre * 2, plus la longueur de la bobine d&apos;accord. La bobine source n&apos;est pas comptée dans la longueur.</translation>
    </message>
    <message>
        <source>Click to log onto the YQ Forum</source>
        <translation>Cliquez pour vous connecter au forum YQ</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>Les éléments de l&apos;antenne YQ Star</translation>
    </message>
    <message>
        <source>   Measurement</source>
        <translation>   Mesure</translation>
    </message>
    <message>
        <source>   Simulation</source>
        <translation>   Simulation</translation>
    </message>
    <message>
        <source>The working copy %1 could not be written.|%2</source>
        <translation>La copie de travail %1 n&apos;a pas pu être écrite.|%2</translation>
    </message>
    <message>
        <source>No spreadsheet program could open %1.</source>
        <translation>Aucun tableur n&apos;a pu ouvrir %1.</translation>
    </message>
</context>
<context>
    <name>yq::FrequencyPlot</name>
    <message>
        <source>%1 against frequency</source>
        <translation>%1 selon la fréquence</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Fréquence (MHz)</translation>
    </message>
    <message>
        <source>Nothing to plot yet.</source>
        <translation>Rien à tracer.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> (bande)</translation>
    </message>
</context>
<context>
    <name>yq::MainWindow</name>
    <message>
        <source>ZO Duravar Uravaro  Design Calculator V5.091 - YQ Antennas</source>
        <translation>ZO Duravar Uravaro  Calculateur de conception V5.091 - Antennes YQ</translation>
    </message>
    <message>
        <source>Brannoc Quillet CEO  ZO Duravar Uravaro</source>
        <translation>Brannoc Quillet, PDG  ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>   Antenna Design</source>
        <translation>   Conception d&apos;antenne</translation>
    </message>
    <message>
        <source>   Imperial YQ Antenna</source>
        <translation>   Antenne YQ impériale</translation>
    </message>
    <message>
        <source>   Metric YQ antenna</source>
        <translation>   Antenne YQ métrique</translation>
    </message>
    <message>
        <source>   Pictures</source>
        <translation>   Photos</translation>
    </message>
    <message>
        <source>    AboutThisProgram</source>
        <translation>    À propos du programme</translation>
    </message>
    <message>
        <source>ZO Duravar Uravaro banner</source>
        <translation>Bandeau ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>A YQ antenna</source>
        <translation>Une antenne YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a van</source>
        <translation>Une antenne YQ sur un fourgon</translation>
    </message>
    <message>
        <source>Portrait of Brannoc Quillet</source>
        <translation>Portrait de Brannoc Quillet</translation>
    </message>
    <message>
        <source>   Users</source>
        <translation>   Utilisateurs</translation>
    </message>
</context>
<context>
    <name>yq::MeasurementTab</name>
    <message>
        <source>Open measurement...</source>
        <translation>Ouvrir mesure...</translation>
    </message>
    <message>
        <source>No measurement opened (Touchstone .s1p, .s2p, .ts or a VNA CSV)</source>
        <translation>Aucune mesure ouverte (Touchstone .s1p, .s2p, .ts ou CSV de VNA)</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Spires bobinées :</translation>
    </message>
    <message>
        <source>Turns wound on the tuning coil</source>
        <translation>Spires bobinées sur la bobine d&apos;accord</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Set the Capacitance Factor whose design winds the turns shown, then ReCalc</source>
        <translation>Règle le facteur de capacité dont le projet donne les spires indiquées, puis ReCalc</translation>
    </message>
    <message>
        <source>Findings and tuning</source>
        <translation>Résultats et accord</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Open a measurement</source>
        <translation>Ouvrir une mesure</translation>
    </message>
    <message>
        <source>Open measurement</source>
        <translation>Ouvrir la mesure</translation>
    </message>
    <message>
        <source>Measurements (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;All files (*)</source>
        <translation>Mesures (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>La mesure %1 ne contient aucun balayage exploitable : %2</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Non lu : %1</translation>
    </message>
    <message>
        <source>The turns wound &quot;%1&quot; are not a number of turns above 0.</source>
        <translation>Les spires bobinées &quot;%1&quot; ne sont pas un nombre de spires supérieur à 0.</translation>
    </message>
    <message>
        <source>Apply FAC %1</source>
        <translation>Appliquer FAC %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tuning coil: wind %1 turns (now %2) for resonance at %3&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Bobine d&apos;accord : bobinez %1 spires (actuellement %2) pour la résonance à %3&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Open the sweep your analyser saved of the finished antenna (S11 at the feed). The tab finds its resonance and the turns for the design frequency.&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Ouvrez le balayage de l&apos;antenne terminée enregistré par votre analyseur (S11 au point d&apos;alimentation). L&apos;onglet en trouve la résonance et les spires pour la fréquence de conception.&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>SWR (%1 ohm)</source>
        <translation>ROS (%1 ohm)</translation>
    </message>
    <message>
        <source>design %1 MHz</source>
        <translation>projet %1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>NEC-2 model of this design over the same range: running...</source>
        <translation>Modèle NEC-2 de ce projet sur la même plage : calcul en cours...</translation>
    </message>
    <message>
        <source>No NEC-2 model beside the measurement: %1</source>
        <translation>Pas de modèle NEC-2 à côté de la mesure : %1</translation>
    </message>
    <message>
        <source>NEC-2 model (dashed): this design with the tuning coil of %1 turns, over the measured range. %2</source>
        <translation>Modèle NEC-2 (tirets) : ce projet avec la bobine d&apos;accord de %1 spires, sur la plage mesurée. %2</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>mesuré</translation>
    </message>
    <message>
        <source>NEC-2 model</source>
        <translation>Modèle NEC-2</translation>
    </message>
</context>
<context>
    <name>yq::PicturesWindow</name>
    <message>
        <source>Pictures of YQ Antennas</source>
        <translation>Photos d&apos;antennes YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a house roof at dusk</source>
        <translation>Une antenne YQ sur un toit au crépuscule</translation>
    </message>
    <message>
        <source>A YQ antenna on a tripod at the beach</source>
        <translation>Une antenne YQ sur trépied à la plage</translation>
    </message>
    <message>
        <source>Building a YQ antenna on the workbench</source>
        <translation>Construction d&apos;une antenne YQ à l&apos;établi</translation>
    </message>
    <message>
        <source>A YQ antenna tested with an antenna analyser</source>
        <translation>Une antenne YQ testée à l&apos;analyseur d&apos;antenne</translation>
    </message>
    <message>
        <source>A YQ antenna on a balcony</source>
        <translation>Une antenne YQ sur un balcon</translation>
    </message>
    <message>
        <source>A portable YQ antenna in the mountains</source>
        <translation>Une antenne YQ portable en montagne</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna</source>
        <translation>Les pièces d&apos;une antenne YQ</translation>
    </message>
    <message>
        <source>A YQ antenna by a house on a winter night</source>
        <translation>Une antenne YQ près d&apos;une maison une nuit d&apos;hiver</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>yq::PolarPlot</name>
    <message>
        <source>Pattern</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Elevation (deg)	Gain (dBi)
</source>
        <translation>Élévation (degrés)	Gain (dBi)
</translation>
    </message>
    <message>
        <source>No pattern yet.</source>
        <translation>Aucun diagramme.</translation>
    </message>
    <message>
        <source>%1 dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Largest gain %1 dBi; centre %2 dBi</source>
        <translation>Gain maximal %1 dBi ; centre %2 dBi</translation>
    </message>
</context>
<context>
    <name>yq::ProgressWindow</name>
    <message>
        <source>Process...</source>
        <translation>Traiter...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>yq::SendMailWindow</name>
    <message>
        <source>Send email</source>
        <translation>Envoyer e-mail</translation>
    </message>
    <message>
        <source>Opening the mail in your mail program...</source>
        <translation>Ouverture du message dans votre logiciel de messagerie...</translation>
    </message>
</context>
<context>
    <name>yq::SimulationTab</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>The simulation runs when this tab is in front after a ReCalc.</source>
        <translation>La simulation s&apos;exécute quand cet onglet est au premier plan après un ReCalc.</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>&amp;Modèle :</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>detailed</source>
        <translation>détaillé</translation>
    </message>
    <message>
        <source>standard: thick wires and lumped coils, a fraction of a second; detailed: wire-grid cages and helical coils, some seconds, fewer figures</source>
        <translation>standard : fils épais et bobines localisées, une fraction de seconde ; détaillé : cages en grille de fils et bobines hélicoïdales, quelques secondes, moins de valeurs</translation>
    </message>
    <message>
        <source>Simulation progress</source>
        <translation>Progression de la simulation</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Simulate again</source>
        <translation>Resimuler</translation>
    </message>
    <message>
        <source>Export NEC deck...</source>
        <translation>Exporter le deck NEC...</translation>
    </message>
    <message>
        <source>Save sweep...</source>
        <translation>Enreg. balayage...</translation>
    </message>
    <message>
        <source>The calculator&apos;s figures beside the NEC-2 model&apos;s</source>
        <translation>Les valeurs du calculateur à côté de celles du modèle NEC-2</translation>
    </message>
    <message>
        <source>Frequencies plotted</source>
        <translation>Fréquences tracées</translation>
    </message>
    <message>
        <source>Whole sweep, 0.4 F to 2.5 F</source>
        <translation>Balayage complet, 0.4 F à 2.5 F</translation>
    </message>
    <message>
        <source>Around the resonance with the calculated coil</source>
        <translation>Autour de la résonance avec la bobine calculée</translation>
    </message>
    <message>
        <source>Around F with the coil for F</source>
        <translation>Autour de F avec la bobine pour F</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>SWR on 50 ohm</source>
        <translation>ROS sur 50 ohm</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Simulating the design in NEC-2...</source>
        <translation>Simulation du projet dans NEC-2...</translation>
    </message>
    <message>
        <source>NEC-2 %1 model: %2 runs of nec2c in %3 s.</source>
        <translation>Modèle NEC-2 %1 : %2 exécutions de nec2c en %3 s.</translation>
    </message>
    <message>
        <source>&lt;br&gt;NEC-2 rule not kept: %1</source>
        <translation>&lt;br&gt;Règle NEC-2 non respectée : %1</translation>
    </message>
    <message>
        <source>Every deck keeps NEC-2&apos;s rules of thumb.</source>
        <translation>Chaque deck respecte les règles empiriques de NEC-2.</translation>
    </message>
    <message>
        <source>F = %1 MHz</source>
        <translation>F = %1 MHz</translation>
    </message>
    <message>
        <source>Elevation pattern at %1 MHz, %2, axis upright</source>
        <translation>Diagramme d&apos;élévation à %1 MHz, %2, axe vertical</translation>
    </message>
    <message>
        <source>coil for F</source>
        <translation>bobine pour F</translation>
    </message>
    <message>
        <source>calculated coil</source>
        <translation>bobine calculée</translation>
    </message>
    <message>
        <source>No resonance, no pattern.</source>
        <translation>Pas de résonance, pas de diagramme.</translation>
    </message>
    <message>
        <source>NEC decks (*.nec)</source>
        <translation>Decks NEC (*.nec)</translation>
    </message>
    <message>
        <source>The NEC deck could not be saved as %1.|%2</source>
        <translation>Le deck NEC n&apos;a pas pu être enregistré sous %1.|%2</translation>
    </message>
    <message>
        <source>NEC deck saved to %1.</source>
        <translation>Deck NEC enregistré dans %1.</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Touchstone (*.s1p)</source>
        <translation>CSV (*.csv);;Touchstone (*.s1p)</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>Le balayage n&apos;a pas pu être enregistré sous %1.|%2</translation>
    </message>
    <message>
        <source>Sweep saved to %1.</source>
        <translation>Balayage enregistré dans %1.</translation>
    </message>
</context>
<context>
    <name>yq::SmithChart</name>
    <message>
        <source>Smith chart</source>
        <translation>Abaque de Smith</translation>
    </message>
    <message>
        <source>Series	Frequency (MHz)	R (ohm)	X (ohm)	Reflection (re)	Reflection (im)
</source>
        <translation>Série	Fréquence (MHz)	R (ohm)	X (ohm)	Réflexion (re)	Réflexion (im)
</translation>
    </message>
    <message>
        <source>Copy points</source>
        <translation>Copier les points</translation>
    </message>
    <message>
        <source>Smith chart, %1 ohm</source>
        <translation>Abaque de Smith, %1 ohm</translation>
    </message>
</context>
<context>
    <name>yq::SweepPlot</name>
    <message>
        <source>Sweep plot</source>
        <translation>Courbe du balayage</translation>
    </message>
    <message>
        <source>Choose an input and its range, then Sweep.</source>
        <translation>Choisissez une entrée et sa plage, puis Balayer.</translation>
    </message>
    <message>
        <source>Tick at least one output to plot.</source>
        <translation>Cochez au moins une sortie à tracer.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> (bande)</translation>
    </message>
    <message>
        <source>      dashed line: this design, %1</source>
        <translation>      en tirets : ce projet, %1</translation>
    </message>
</context>
<context>
    <name>yq::UserForm</name>
    <message>
        <source>Record Will Be Added</source>
        <translation>La fiche sera ajoutée</translation>
    </message>
    <message>
        <source>Record Will Be Changed</source>
        <translation>La fiche sera modifiée</translation>
    </message>
    <message>
        <source>View Record</source>
        <translation>Voir la fiche</translation>
    </message>
    <message>
        <source>&amp;Name &amp;&amp; Call:</source>
        <translation>&amp;Nom &amp;&amp; indicatif :</translation>
    </message>
    <message>
        <source>Name &amp; Call</source>
        <translation>Nom &amp; indicatif</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Update the yq1 File</source>
        <translation>Mettre à jour le fichier yq1</translation>
    </message>
    <message>
        <source>Enter in your Name and Call</source>
        <translation>Entrez votre nom et indicatif</translation>
    </message>
</context>
<context>
    <name>yq::UserListWindow</name>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Utilisateurs</translation>
    </message>
    <message>
        <source>Browsing Records</source>
        <translation>Liste des fiches</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Browse the User File</source>
        <translation>Parcourir les utilisateurs</translation>
    </message>
</context>
</TS>
