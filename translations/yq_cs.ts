<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>BuildSheet</name>
    <message>
        <source>No scale: the design has no dimensions yet</source>
        <translation>Bez měřítka: návrh zatím nemá rozměry</translation>
    </message>
    <message>
        <source>Scale 1 : %1</source>
        <translation>Měřítko 1 : %1</translation>
    </message>
    <message>
        <source>Scale %1 : 1</source>
        <translation>Měřítko %1 : 1</translation>
    </message>
    <message>
        <source>YQ Antenna Build Sheet</source>
        <translation>Stavební list antény YQ</translation>
    </message>
    <message>
        <source>Designed for %1 MHz</source>
        <translation>Navrženo pro %1 MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in mm</source>
        <translation>Všechny délkové rozměry jsou v mm</translation>
    </message>
    <message>
        <source>All linear measurements are in inches</source>
        <translation>Všechny délkové rozměry jsou v palcích</translation>
    </message>
    <message>
        <source>Design: %1</source>
        <translation>Návrh: %1</translation>
    </message>
    <message>
        <source>Upper cylinder %1</source>
        <translation>Horní válec %1</translation>
    </message>
    <message>
        <source>Cylinder spacing %1</source>
        <translation>Rozteč válců %1</translation>
    </message>
    <message>
        <source>Lower cylinder %1</source>
        <translation>Dolní válec %1</translation>
    </message>
    <message>
        <source>Spacing to coil %1</source>
        <translation>Vzdálenost k cívce %1</translation>
    </message>
    <message>
        <source>Tuning coil %1</source>
        <translation>Ladicí cívka %1</translation>
    </message>
    <message>
        <source>Source coil %1</source>
        <translation>Nap. cívka %1</translation>
    </message>
    <message>
        <source>Overall %1</source>
        <translation>Celkem %1</translation>
    </message>
    <message>
        <source>source coil not included</source>
        <translation>bez napájecí cívky</translation>
    </message>
    <message>
        <source>Cylinder %1 dia.</source>
        <translation>Válec prům. %1</translation>
    </message>
    <message>
        <source>Phasing coil %1 dia.</source>
        <translation>Fázovací cívka prům. %1</translation>
    </message>
    <message>
        <source>PCNT %1 turns, LPW %2 %3 of wire</source>
        <translation>PCNT %1 z., LPW %2 %3 drátu</translation>
    </message>
    <message>
        <source>(coil and leads; wound length open)</source>
        <translation>(cívka a vývody; délka vinutí volná)</translation>
    </message>
    <message>
        <source>Tuning coil %1 dia.</source>
        <translation>Ladicí cívka prům. %1</translation>
    </message>
    <message>
        <source>NT %1 turns at SP %2 %3</source>
        <translation>NT %1 z. při SP %2 %3</translation>
    </message>
    <message>
        <source>Source coil %1 dia.</source>
        <translation>Nap. cívka prům. %1</translation>
    </message>
    <message>
        <source>SCT %1 turns, at the feed</source>
        <translation>SCT %1 z., u napájení</translation>
    </message>
    <message>
        <source>cylinder length</source>
        <translation>délka válce</translation>
    </message>
    <message>
        <source>cylinder spacing</source>
        <translation>rozteč válců</translation>
    </message>
    <message>
        <source>spacing to the tuning coil</source>
        <translation>vzdálenost k ladicí cívce</translation>
    </message>
    <message>
        <source>tuning coil length</source>
        <translation>délka ladicí cívky</translation>
    </message>
    <message>
        <source>source coil length</source>
        <translation>délka nap. cívky</translation>
    </message>
    <message>
        <source>cylinder diameter</source>
        <translation>průměr válce</translation>
    </message>
    <message>
        <source>phasing coil diameter</source>
        <translation>průměr fázovací cívky</translation>
    </message>
    <message>
        <source>tuning coil diameter</source>
        <translation>průměr ladicí cívky</translation>
    </message>
    <message>
        <source>source coil diameter</source>
        <translation>průměr napájecí cívky</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Napáj.</translation>
    </message>
    <message>
        <source>The design has no dimensions yet: calculate it before building.</source>
        <translation>Návrh zatím nemá rozměry: před stavbou jej vypočtěte.</translation>
    </message>
    <message>
        <source>Not to scale, drawn larger so as to be seen: %1.</source>
        <translation>Není v měřítku, kresleno větší, aby bylo vidět: %1.</translation>
    </message>
    <message>
        <source>Dashed: the tuning coil&apos;s wires inside the lower cylinder. The wire from the top of the tuning coil runs up the centre of the lower cylinder, the wire from its bottom up the inside edge.</source>
        <translation>Čárkovaně: vodiče ladicí cívky uvnitř dolního válce. Vodič z horního konce ladicí cívky vede nahoru středem dolního válce, vodič z dolního konce nahoru podél vnitřní stěny.</translation>
    </message>
    <message>
        <source>Not set by the design: the phasing coil&apos;s wound length (it sits in the cylinder spacing) and the source coil&apos;s place at the feed; LPW is the whole phasing wire. Windings are drawn as strokes, at most one per 0.02 in of coil: the labels give the turns.</source>
        <translation>Návrh neurčuje: délku vinutí fázovací cívky (leží v mezeře mezi válci) ani umístění napájecí cívky u napájecího bodu; LPW je celý fázovací drát. Vinutí jsou kreslena čárkami, nejvýše jednou na 0.02 in cívky: počty závitů udávají popisky.</translation>
    </message>
    <message>
        <source>Cut list</source>
        <translation>Seznam dílů</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Válce</translation>
    </message>
    <message>
        <source>Non-ferrous tube, outside diameter %1</source>
        <translation>Neželezná trubka, vnější průměr %1</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>po %1</translation>
    </message>
    <message>
        <source>Tuning coil wire</source>
        <translation>Drát ladicí cívky</translation>
    </message>
    <message>
        <source>Wire %1, NT %2 turns at SP %3 %4</source>
        <translation>Drát %1, NT %2 z. při SP %3 %4</translation>
    </message>
    <message>
        <source>on a former of %1, wound length %2</source>
        <translation>na kostře %1, délka vinutí %2</translation>
    </message>
    <message>
        <source>Phasing wire</source>
        <translation>Fázovací drát</translation>
    </message>
    <message>
        <source>Wire %1, coil of PCNT %2 turns</source>
        <translation>Drát %1, cívka PCNT %2 z.</translation>
    </message>
    <message>
        <source>on a former of %1, in the cylinder spacing</source>
        <translation>na kostře %1, v mezeře mezi válci</translation>
    </message>
    <message>
        <source>Source coil wire</source>
        <translation>Drát nap. cívky</translation>
    </message>
    <message>
        <source>Wire %1, SCT %2 turns close wound</source>
        <translation>Drát %1, SCT %2 z. vinuto těsně</translation>
    </message>
    <message>
        <source>Total wire</source>
        <translation>Drát celkem</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Díl</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Ks</translation>
    </message>
    <message>
        <source>Material and size</source>
        <translation>Materiál a rozměr</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Délka</translation>
    </message>
    <message>
        <source>Nearest wire gauges</source>
        <translation>Nejbližší průměry drátu</translation>
    </message>
    <message>
        <source>WD (all coils)</source>
        <translation>WD (všechny cívky)</translation>
    </message>
    <message>
        <source>SCWD (source coil)</source>
        <translation>SCWD (nap. cívka)</translation>
    </message>
    <message>
        <source>Wire</source>
        <translation>Drát</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Průměr</translation>
    </message>
    <message>
        <source>Nearest AWG</source>
        <translation>Nejbližší AWG</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Rozdíl</translation>
    </message>
    <message>
        <source>Nearest SWG</source>
        <translation>Nejbližší SWG</translation>
    </message>
    <message>
        <source>No wire diameter</source>
        <translation>Bez průměru drátu</translation>
    </message>
    <message>
        <source>Print build sheet from queue</source>
        <translation>Tisk stavebního listu z fronty</translation>
    </message>
</context>
<context>
    <name>CalcHelp</name>
    <message>
        <source>compute a design: start from a fresh design (every field 0) or --file, store each KEY=VALUE (exact decimal text, rounded half away from zero to the field&apos;s places), run the calculation and print every key</source>
        <translation>vypočítá návrh: začne od nového návrhu (každé pole 0) nebo od --file, uloží každé KEY=VALUE (přesný desetinný zápis, zaokrouhlený polovinou od nuly na místa pole), provede výpočet a vypíše každý klíč</translation>
    </message>
    <message>
        <source>one case per line on standard input, one output line (or &quot;error&quot;) per case</source>
        <translation>jeden případ na řádek na standardním vstupu, jeden výstupní řádek (nebo &quot;error&quot;) na případ</translation>
    </message>
    <message>
        <source>SAVE in the current folder: write the design file named from F, CD and LD, append its row to YQ.csv, print the design file&apos;s path</source>
        <translation>ULOŽIT v aktuální složce: zapíše soubor návrhu pojmenovaný podle F, CD a LD, připojí jeho řádek do YQ.csv, vypíše cestu k souboru návrhu</translation>
    </message>
    <message>
        <source>list the user records of the current folder (the first is printed on reports and written into YQ.csv), add one, or delete one</source>
        <translation>vypíše záznamy uživatelů aktuální složky (první se tiskne na protokoly a zapisuje do YQ.csv), přidá jeden nebo jeden smaže</translation>
    </message>
    <message>
        <source>the design report of a design file: as a PDF, or exported as in the e-mail command (Report.RTF, its HTML page and the mail&apos;s draft in VH/ of the current folder, their paths printed)</source>
        <translation>protokol návrhu ze souboru návrhu: jako PDF nebo exportovaný jako v příkazu e-mail (Report.RTF, jeho stránka HTML a koncept zprávy ve VH/ aktuální složky, s vypsáním jejich cest)</translation>
    </message>
    <message>
        <source>the build sheet of a design file (the dimensioned drawing and the cut list), calculated as the design window of its unit system does, as one or more of PDF, SVG and PNG</source>
        <translation>stavební list souboru návrhu (okótovaný výkres a seznam dílů), vypočtený jako v návrhovém okně jeho soustavy jednotek, jako jeden nebo více z PDF, SVG a PNG</translation>
    </message>
    <message>
        <source>fit the capacitance factor FAC to the tuning coil&apos;s turns NT, or the degrees of phase DPS to the source coil&apos;s turns SCT, of a built antenna (exit status 3 when no value comes within half a turn; the nearest is printed)</source>
        <translation>přizpůsobí činitel kapacity FAC závitům NT ladicí cívky nebo stupně fáze DPS závitům SCT napájecí cívky postavené antény (návratový kód 3, když se žádná hodnota nevejde do půl závitu; vypíše se nejbližší)</translation>
    </message>
    <message>
        <source>read an analyser&apos;s sweep of the built antenna (Touchstone .s1p, .s2p, .ts or a VNA program&apos;s CSV), find its series resonance, least SWR and 2:1 SWR bandwidth, and give the tuning coil&apos;s turns for the design frequency with the capacitance factor that fits them (exit status 2 for a bad or damaged file, 3 when it holds no usable sweep)</source>
        <translation>načte rozmítání postavené antény z analyzátoru (Touchstone .s1p, .s2p, .ts nebo CSV programu VNA), najde její sériovou rezonanci, nejmenší PSV a šířku pásma pro PSV 2:1 a udá závity ladicí cívky pro návrhový kmitočet s činitelem kapacity, který jim odpovídá (návratový kód 2 pro chybný nebo poškozený soubor, 3 když neobsahuje použitelné rozmítání)</translation>
    </message>
    <message>
        <source>compute the design for each value of one input over a range, one CSV row per value</source>
        <translation>vypočítá návrh pro každou hodnotu jednoho vstupu v rozsahu, jeden řádek CSV na hodnotu</translation>
    </message>
    <message>
        <source>convert a design file between inches and millimetres and save it under the other unit system&apos;s name in the current folder</source>
        <translation>převede soubor návrhu mezi palci a milimetry a uloží jej pod názvem druhé soustavy jednotek do aktuální složky</translation>
    </message>
    <message>
        <source>simulate the design in NEC-2 (runs nec2c) and print the calculator&apos;s figures beside the model&apos;s: the series resonance, the coil the model needs at F, the impedance, Q, bandwidths, SWR, efficiency and gain; csv and s1p print the sweep (Touchstone S11 against 50 ohm); exit status 1 when nec2c is missing or fails</source>
        <translation>simuluje návrh v NEC-2 (spouští nec2c) a vypíše údaje kalkulátoru vedle údajů modelu: sériovou rezonanci, cívku potřebnou modelem na F, impedanci, Q, šířky pásma, PSV, účinnost a zisk; csv a s1p vypíší rozmítání (Touchstone S11 vůči 50 ohm); návratový kód 1, když nec2c chybí nebo selže</translation>
    </message>
    <message>
        <source>yq-calc --batch [--format FORMAT]</source>
        <translation>yq-calc --batch [--format FORMAT]</translation>
    </message>
    <message>
        <source>Computes YQ antenna designs with the calculation of the design windows, without the windows: one design from the command line, many from standard input, and the windows&apos; SAVE, user list, report, build sheet and design tools.</source>
        <translation>Počítá návrhy antén YQ výpočtem návrhových oken, ale bez oken: jeden návrh z příkazového řádku, mnoho ze standardního vstupu a ULOŽIT z oken, seznam uživatelů, protokol, stavební list a návrhové nástroje.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Příkazy</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Volby</translation>
    </message>
    <message>
        <source>the design is in millimetres (the Metric design window)</source>
        <translation>návrh je v milimetrech (metrické návrhové okno)</translation>
    </message>
    <message>
        <source>start from a design file, read as a design window reads it (a warning when its unit system is the other one)</source>
        <translation>začne ze souboru návrhu, načteného jako v návrhovém okně (varování, když má druhou soustavu jednotek)</translation>
    </message>
    <message>
        <source>run the full calculation N times (default 1; 0 only stores the values)</source>
        <translation>provede úplný výpočet N krát (výchozí 1; 0 jen uloží hodnoty)</translation>
    </message>
    <message>
        <source>run only the named partial recalculation of a window field instead of the full one: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</source>
        <translation>místo úplného provede jen zadaný dílčí přepočet pole okna: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</translation>
    </message>
    <message>
        <source>how the design is printed: line (the default: every key as KEY=value on one line), table (one quantity a line with the window&apos;s label, its value in the window&apos;s picture and its unit, in the window&apos;s order), json (an object of every key with its exact decimal text as a string) or csv (the title row and the row of the results table YQ.csv)</source>
        <translation>jak se návrh vypíše: line (výchozí: každý klíč jako KEY=value na jednom řádku), table (jedna veličina na řádek s popiskem z okna, hodnotou ve formátu okna a jednotkou, v pořadí okna), json (objekt s každým klíčem a jeho přesným desetinným zápisem jako řetězcem) nebo csv (řádek nadpisů a řádek tabulky výsledků YQ.csv)</translation>
    </message>
    <message>
        <source>the language of the help and the messages: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>jazyk nápovědy a zpráv: en, de, ja, ru, it, es, pl, pt_BR, fr, cs nebo nl (výchozí: jazyk plochy, podle LANGUAGE, LC_ALL, LC_MESSAGES nebo LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>zobrazí tuto nápovědu a skončí</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>zobrazí verzi a skončí</translation>
    </message>
    <message>
        <source>Report options</source>
        <translation>Volby protokolu</translation>
    </message>
    <message>
        <source>write the report as a PDF file</source>
        <translation>zapíše protokol jako soubor PDF</translation>
    </message>
    <message>
        <source>write Report.RTF, the HTML page and the mail&apos;s draft into VH/</source>
        <translation>zapíše Report.RTF, stránku HTML a koncept zprávy do VH/</translation>
    </message>
    <message>
        <source>the print date on the report (default today)</source>
        <translation>datum tisku na protokolu (výchozí dnešní)</translation>
    </message>
    <message>
        <source>Simulate options</source>
        <translation>Volby simulace</translation>
    </message>
    <message>
        <source>the NEC-2 model: standard (thick wires for the cylinders, lumped coils)</source>
        <translation>model NEC-2: standard (tlusté dráty jako válce, soustředěné cívky)</translation>
    </message>
    <message>
        <source>the detailed model (wire-grid cages, helical coils, the leads; some seconds, progress on a terminal&apos;s standard error, Ctrl+C stops it): only the resonance, radiation resistance, gain and efficiency</source>
        <translation>podrobný model (klece z drátové mřížky, šroubovicové cívky, vývody; několik sekund, průběh na standardním chybovém výstupu terminálu, Ctrl+C jej zastaví): jen rezonance, vyzařovací odpor, zisk a účinnost</translation>
    </message>
    <message>
        <source>table (the default), json, csv (the sweep) or s1p (the sweep as Touchstone)</source>
        <translation>table (výchozí), json, csv (rozmítání) nebo s1p (rozmítání jako Touchstone)</translation>
    </message>
    <message>
        <source>also write the model&apos;s NEC deck, which NEC-2 programs open</source>
        <translation>zapíše také soubor NEC modelu, který otevírají programy NEC-2</translation>
    </message>
    <message>
        <source>Build sheet options</source>
        <translation>Volby stavebního listu</translation>
    </message>
    <message>
        <source>write the build sheet as a PDF file</source>
        <translation>zapíše stavební list jako soubor PDF</translation>
    </message>
    <message>
        <source>write it as an SVG drawing</source>
        <translation>zapíše jej jako výkres SVG</translation>
    </message>
    <message>
        <source>write it as a PNG picture</source>
        <translation>zapíše jej jako obrázek PNG</translation>
    </message>
    <message>
        <source>Exit status:
  0   success
  1   a file could not be read or written; in --batch, a line could not be
      computed (it prints &quot;error&quot;, the other lines are computed)
  2   bad input (unknown key or option, a value that is no decimal number);
      the message names it on standard error</source>
        <translation>Návratový kód:
  0   úspěch
  1   soubor nelze načíst nebo zapsat; v --batch nelze vypočítat
      řádek (vypíše &quot;error&quot;, ostatní řádky se vypočítají)
  2   chybný vstup (neznámý klíč nebo volba, hodnota, která není desetinné číslo);
      zpráva na standardním chybovém výstupu jej uvádí</translation>
    </message>
</context>
<context>
    <name>CalcMessages</name>
    <message>
        <source>build-sheet needs --pdf, --svg or --png</source>
        <translation>build-sheet vyžaduje --pdf, --svg nebo --png</translation>
    </message>
    <message>
        <source>design file not found: %1</source>
        <translation>soubor návrhu nenalezen: %1</translation>
    </message>
    <message>
        <source>the design file %1</source>
        <translation>soubor návrhu %1</translation>
    </message>
    <message>
        <source>the build sheet needs a GUI application object</source>
        <translation>stavební list vyžaduje objekt aplikace GUI</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>použití: %1</translation>
    </message>
    <message>
        <source>invalid run count &apos;%1&apos;</source>
        <translation>neplatný počet běhů &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1...&apos; (%2 characters)</source>
        <translation>&apos;%1...&apos; (%2 znaků)</translation>
    </message>
    <message>
        <source>value of %1 is not a decimal number: %2</source>
        <translation>hodnota %1 není desetinné číslo: %2</translation>
    </message>
    <message>
        <source>value of %1 is too large for any field (more than %2 digits before the point): %3</source>
        <translation>hodnota %1 je příliš velká pro každé pole (více než %2 číslic před tečkou): %3</translation>
    </message>
    <message>
        <source>expected KEY=VALUE, got &apos;%1&apos;</source>
        <translation>očekáváno KEY=VALUE, zadáno &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos;</source>
        <translation>neznámý klíč &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>volba &apos;%1&apos; vyžaduje hodnotu</translation>
    </message>
    <message>
        <source>option &apos;--file&apos; needs a path</source>
        <translation>volba &apos;--file&apos; vyžaduje cestu</translation>
    </message>
    <message>
        <source>unknown partial recalculation &apos;%1&apos;</source>
        <translation>neznámý dílčí přepočet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>neznámá volba &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a design file</source>
        <translation>&apos;%1&apos; je složka, ne soubor návrhu</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; not found</source>
        <translation>soubor návrhu &apos;%1&apos; nenalezen</translation>
    </message>
    <message>
        <source>&apos;--batch&apos; takes no other arguments</source>
        <translation>&apos;--batch&apos; nepřijímá další argumenty</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>varování: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>řádek %1: %2</translation>
    </message>
    <message>
        <source>value of %1 does not fit its field: %2 (%1 holds -%3 to %3)</source>
        <translation>hodnota %1 se nevejde do svého pole: %2 (%1 pojme -%3 až %3)</translation>
    </message>
    <message>
        <source>the design file&apos;s value of %1 does not fit its field and was cut to what the field holds</source>
        <translation>hodnota %1 v souboru návrhu se nevejde do svého pole a byla zkrácena na to, co pole pojme</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>the design file&apos;s values of %1 do not fit their fields and were cut to what the field holds</source>
        <translation>hodnoty %1 v souboru návrhu se nevejdou do svých polí a byly zkráceny na to, co pole pojmou</translation>
    </message>
    <message>
        <source>&apos;save&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;save&apos; nepřijímá &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>the design file %1 could not be written: %2</source>
        <translation>soubor návrhu %1 nelze zapsat: %2</translation>
    </message>
    <message>
        <source>the results row could not be written: %1</source>
        <translation>řádek výsledků nelze zapsat: %1</translation>
    </message>
    <message>
        <source>no user record &apos;%1&apos;</source>
        <translation>žádný záznam uživatele &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--format&apos; needs a value</source>
        <translation>volba &apos;--format&apos; vyžaduje hodnotu</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (line, table, json or csv)</source>
        <translation>neznámý formát &apos;%1&apos; (line, table, json nebo csv)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>neočekávaný argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a design file</source>
        <translation>%1 vyžaduje soubor návrhu</translation>
    </message>
    <message>
        <source>invalid date &apos;%1&apos; (expected YYYY-MM-DD)</source>
        <translation>neplatné datum &apos;%1&apos; (očekáváno YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>report needs --pdf OUT.pdf or --export</source>
        <translation>report vyžaduje --pdf OUT.pdf nebo --export</translation>
    </message>
    <message>
        <source>the report needs a GUI application object</source>
        <translation>protokol vyžaduje objekt aplikace GUI</translation>
    </message>
    <message>
        <source>&apos;--model&apos; needs standard or detailed</source>
        <translation>&apos;--model&apos; vyžaduje standard nebo detailed</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table, json, csv or s1p</source>
        <translation>&apos;--format&apos; vyžaduje table, json, csv nebo s1p</translation>
    </message>
    <message>
        <source>&apos;--deck&apos; needs a file name</source>
        <translation>&apos;--deck&apos; vyžaduje název souboru</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;simulate&apos; přijímá jeden soubor návrhu, zadáno i &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; needs a design file</source>
        <translation>&apos;simulate&apos; vyžaduje soubor návrhu</translation>
    </message>
    <message>
        <source>unknown model &apos;%1&apos;</source>
        <translation>neznámý model &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>neznámý formát &apos;%1&apos;</translation>
    </message>
    <message>
        <source>detailed model, %1 % done</source>
        <translation>podrobný model, %1 % hotovo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;%1&apos; nepřijímá &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--runs&apos;</source>
        <translation>&apos;%1&apos; nepřijímá &apos;--runs&apos;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; needs NT=&lt;turns&gt; or SCT=&lt;turns&gt;</source>
        <translation>&apos;fit&apos; vyžaduje NT=&lt;závity&gt; nebo SCT=&lt;závity&gt;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; takes one target, got &apos;%1&apos; as well</source>
        <translation>&apos;fit&apos; přijímá jeden cíl, zadáno i &apos;%1&apos;</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not a decimal number</source>
        <translation>počet závitů &apos;%1&apos; v &apos;%2&apos; není desetinné číslo</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not above 0</source>
        <translation>počet závitů &apos;%1&apos; v &apos;%2&apos; není větší než 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is what the fit finds; leave it out</source>
        <translation>&apos;%1&apos; je to, co přizpůsobení hledá; vynechte to</translation>
    </message>
    <message>
        <source>no %1 from %2 to %3 gives %4 within half a turn of %5; the nearest, %1=%6, gives %4=%7</source>
        <translation>žádné %1 od %2 do %3 nedává %4 do půl závitu od %5; nejbližší, %1=%6, dává %4=%7</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; needs KEY=FROM:TO:STEP</source>
        <translation>&apos;sweep&apos; vyžaduje KEY=FROM:TO:STEP</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; varies one input, got &apos;%1&apos; as well</source>
        <translation>&apos;sweep&apos; mění jeden vstup, zadáno i &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--to&apos; needs &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>volba &apos;--to&apos; vyžaduje &apos;metric&apos; nebo &apos;imperial&apos;</translation>
    </message>
    <message>
        <source>&apos;--to %1&apos;: expected &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>&apos;--to %1&apos;: očekáváno &apos;metric&apos; nebo &apos;imperial&apos;</translation>
    </message>
    <message>
        <source>&apos;convert&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;convert&apos; přijímá jeden soubor návrhu, zadáno i &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs a design file</source>
        <translation>&apos;convert&apos; vyžaduje soubor návrhu</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs &apos;--to metric&apos; or &apos;--to imperial&apos;</source>
        <translation>&apos;convert&apos; vyžaduje &apos;--to metric&apos; nebo &apos;--to imperial&apos;</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; declares the unit system %2, neither Imperial (0) nor Metric (1)</source>
        <translation>soubor návrhu &apos;%1&apos; udává soustavu jednotek %2, ani palcovou (0), ani metrickou (1)</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already a Metric design</source>
        <translation>soubor návrhu &apos;%1&apos; už je metrický návrh</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already an Imperial design</source>
        <translation>soubor návrhu &apos;%1&apos; už je palcový návrh</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table or json</source>
        <translation>&apos;--format&apos; vyžaduje table nebo json</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs the turns wound</source>
        <translation>&apos;--wound&apos; vyžaduje navinuté závity</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs a number of turns above 0, got &apos;%1&apos;</source>
        <translation>&apos;--wound&apos; vyžaduje počet závitů větší než 0, zadáno &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;tune&apos; needs a design file and a measurement</source>
        <translation>&apos;tune&apos; vyžaduje soubor návrhu a měření</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>Měření %1 neobsahuje použitelné rozmítání: %2</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>nelze spustit %1: %2</translation>
    </message>
    <message>
        <source>the page commands need %1, which is not installed (looked for %2 and %3)</source>
        <translation>příkazy stránek vyžadují %1, který není nainstalován (hledáno %2 a %3)</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>Enter the Centre Frequency in Megahertz. 
Maximum of 3 decimal points.</source>
        <translation>Zadejte střední kmitočet v megahertzích. 
Nejvýše 3 desetinná místa.</translation>
    </message>
    <message>
        <source>Enter the outside diameter of the cylinder in inches</source>
        <translation>Zadejte vnější průměr válce v palcích</translation>
    </message>
    <message>
        <source>The L/D Ratio and the Diameter are used to
calculate the primary Capacitance in pfd, the
reactance in Ohms, the 3db bandwidth and the
&apos;Q&apos; of the antenna.</source>
        <translation>Poměr L/D a průměr slouží k výpočtu
primární kapacity v pF,
reaktance v ohmech, šířky pásma 3 dB
a činitele &apos;Q&apos; antény.</translation>
    </message>
    <message>
        <source>Measured bandwidth in kHz is the 2:1 VSWR
reading either side of the minimum VSWR.</source>
        <translation>Změřená šířka pásma v kHz je odečet PSV 2:1
po obou stranách minima PSV.</translation>
    </message>
    <message>
        <source>An option to calculate the source Coil Inductance
based on the amount of phase shift. Initial setting
is 6 degrees similar to the Phase Coil. When you 
have your antenna working, enter in a value to
generate the completed number of turns in the 
source Coil.</source>
        <translation>Možnost vypočítat indukčnost napájecí cívky
podle velikosti fázového posuvu. Výchozí hodnota
je 6 stupňů, podobně jako u fázovací cívky. Až 
anténa funguje, zadejte hodnotu, která
určí konečný počet závitů 
napájecí cívky.</translation>
    </message>
    <message>
        <source>Normally the same diameter as the Tuning Coil. 
However, you may vary to suit.</source>
        <translation>Obvykle stejný průměr jako ladicí cívka. 
Můžete jej však upravit podle potřeby.</translation>
    </message>
    <message>
        <source>Close wound coils are usually spaced the same
diameter as the wire diameter.</source>
        <translation>Těsně vinuté cívky mají obvykle rozteč
rovnou průměru drátu.</translation>
    </message>
    <message>
        <source>Factor divided the ratio of Cylinder length to coil length
by 2 then applies the factor you specify. Click on
the Recalc Button to apply.</source>
        <translation>Činitel vydělí poměr délky válce k délce cívky
dvěma a pak použije zadaný činitel. Použijte
ho kliknutím na tlačítko Recalc.</translation>
    </message>
    <message>
        <source>To calculate the size correctly we need to click 
this field to regenerate the inductance and 
re-calculate the coil size.</source>
        <translation>Pro správný výpočet rozměrů klikněte 
na toto pole, aby se znovu určila indukčnost 
a přepočítaly rozměry cívky.</translation>
    </message>
</context>
<context>
    <name>DesignText</name>
    <message>
        <source>Just follow the prompts. On each entry field there is a popup to tell about the field. After entering the wire size and spacing, click on the ReCalc button. This causes a looping through several calculations to get the final coil inductance and size. After making and testing your antenna, if you find that the coil turns generated are different to what you have found to provide maximum output with lowest VSWR, then change the Factor field until you get the number of turns on your completed antenna. Initially this will a factor of 2. Use decimal points to get to the closest number of turns. Email this information to me from the main form, bottom left.The above information is required to get a truer picture of the factor we need to use to get the final release of this programme accurate. It is a chicken before the egg situation. Initially we do not know the size of the inductance required for resonance, so we insert a guestimate. Then we refine it by setting a factor. This then gives us the correct inductance, coil length and number of turns. So we need your help to complete the final project.</source>
        <translation>Stačí postupovat podle výzev. U každého vstupního pole je okénko s popisem. Po zadání průměru drátu a rozteče klikněte na tlačítko ReCalc. Tím se spustí smyčka několika výpočtů, které dají konečnou indukčnost a rozměry cívky. Pokud po postavení a vyzkoušení antény zjistíte, že vypočtený počet závitů se liší od toho, při kterém jste dosáhli největšího výkonu při nejnižším PSV, měňte pole Factor, dokud nedostanete počet závitů své hotové antény. Zpočátku bude činitel 2. Desetinnými místy se dostanete k nejbližšímu počtu závitů. Pošlete mi tyto informace e-mailem z hlavního formuláře, vlevo dole. Uvedené informace jsou potřeba, abychom získali věrnější obraz o činiteli, který musíme použít, aby konečná verze tohoto programu byla přesná. Je to jako s vejcem a slepicí. Zpočátku neznáme indukčnost potřebnou pro rezonanci, a tak dosadíme odhad. Ten pak zpřesníme nastavením činitele. Tím dostaneme správnou indukčnost, délku cívky a počet závitů. Potřebujeme proto vaši pomoc k dokončení projektu.</translation>
    </message>
    <message>
        <source>YQ Design Calculator</source>
        <translation>Návrhový kalkulátor YQ</translation>
    </message>
    <message>
        <source>Choose File to Open</source>
        <translation>Otevřít soubor</translation>
    </message>
    <message>
        <source>Invalid figure. Valid values are between|1 and 99. Please re-enter</source>
        <translation>Neplatné číslo. Platné hodnoty jsou|1 až 99. Zadejte znovu</translation>
    </message>
    <message>
        <source>You are printing a metric|antenna. Measurements will default to mm.</source>
        <translation>Tisknete metrickou|anténu. Rozměry budou v mm.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 nelze zapsat</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Nebyl zadán název souboru.</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>%1 nelze načíst</translation>
    </message>
    <message>
        <source>the path is longer than %1 characters</source>
        <translation>cesta je delší než %1 znaků</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 nelze načíst: %2</translation>
    </message>
    <message>
        <source>the results file %1 could not be opened</source>
        <translation>soubor výsledků %1 nelze otevřít</translation>
    </message>
    <message>
        <source>the results file %1 could not be locked</source>
        <translation>soubor výsledků %1 nelze zamknout</translation>
    </message>
    <message>
        <source>the results file %1 is in use by another program</source>
        <translation>soubor výsledků %1 používá jiný program</translation>
    </message>
    <message>
        <source>the results file %1 could not be read</source>
        <translation>soubor výsledků %1 nelze načíst</translation>
    </message>
    <message>
        <source> (the file may end in a partial line)</source>
        <translation> (soubor může končit neúplným řádkem)</translation>
    </message>
    <message>
        <source>the results row could not be written to %1</source>
        <translation>řádek výsledků nelze zapsat do %1</translation>
    </message>
    <message>
        <source>the results row was added to %1 but could not be flushed to disk: %2</source>
        <translation>řádek výsledků byl přidán do %1, ale nelze jej zapsat na disk: %2</translation>
    </message>
    <message>
        <source>The design file %1 could not be written.</source>
        <translation>Soubor návrhu %1 nelze zapsat.</translation>
    </message>
    <message>
        <source>The design was saved, but the results row could not be written:|%1</source>
        <translation>Návrh byl uložen, ale řádek výsledků nelze zapsat:|%1</translation>
    </message>
    <message>
        <source>it is locked by another program</source>
        <translation>je zamčen jiným programem</translation>
    </message>
    <message>
        <source>The user file %1 cannot be read: %2</source>
        <translation>Soubor uživatelů %1 nelze načíst: %2</translation>
    </message>
    <message>
        <source>it holds no user records (not a user file)</source>
        <translation>neobsahuje záznamy uživatelů (není to soubor uživatelů)</translation>
    </message>
    <message>
        <source>it is damaged (cut off inside a page)</source>
        <translation>je poškozen (useknut uprostřed stránky)</translation>
    </message>
    <message>
        <source>The name and call sign may not contain control characters (line breaks, tabs).</source>
        <translation>Jméno a volací značka nesmí obsahovat řídicí znaky (konce řádků, tabulátory).</translation>
    </message>
    <message>
        <source>The name and call sign may have at most %1 characters.</source>
        <translation>Jméno a volací značka smí mít nejvýše %1 znaků.</translation>
    </message>
    <message>
        <source>The record could not be added: %1</source>
        <translation>Záznam nelze přidat: %1</translation>
    </message>
    <message>
        <source>The record could not be changed (it may have been deleted).</source>
        <translation>Záznam nelze změnit (mohl být smazán).</translation>
    </message>
    <message>
        <source>The record could not be deleted: the user file does not exist.</source>
        <translation>Záznam nelze smazat: soubor uživatelů neexistuje.</translation>
    </message>
    <message>
        <source>The record could not be deleted (it may already be gone).</source>
        <translation>Záznam nelze smazat (možná už neexistuje).</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>Sweep</source>
        <translation>Rozmítat</translation>
    </message>
    <message>
        <source>Series resonances</source>
        <translation>Sériové rezonance</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Sériová rezonance</translation>
    </message>
    <message>
        <source>Tuned from</source>
        <translation>Laděno od</translation>
    </message>
    <message>
        <source>Impedance there</source>
        <translation>Impedance tam</translation>
    </message>
    <message>
        <source>Least SWR (50 ohm)</source>
        <translation>Nejm. PSV (50 ohm)</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth (50 ohm)</source>
        <translation>Pásmo PSV 2:1 (50 ohm)</translation>
    </message>
    <message>
        <source>Design frequency</source>
        <translation>Návrhový kmitočet</translation>
    </message>
    <message>
        <source>Series inductance at the feed</source>
        <translation>Sériová L v nap. bodě</translation>
    </message>
    <message>
        <source>Effective capacitance</source>
        <translation>Efektivní kapacita</translation>
    </message>
    <message>
        <source>Inductance for the design frequency</source>
        <translation>Indukčnost pro návrhový kmitočet</translation>
    </message>
    <message>
        <source>Tuning coil</source>
        <translation>Ladicí cívka</translation>
    </message>
    <message>
        <source>Coil length</source>
        <translation>Délka cívky</translation>
    </message>
    <message>
        <source>Wire length</source>
        <translation>Délka drátu</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Činitel kapacity</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Poznámka</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Měření</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Ladění</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Usage: %1</source>
        <translation>Použití: %1</translation>
    </message>
    <message>
        <source>  or:  %1</source>
        <translation>  nebo:  %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Příklad: %1</translation>
    </message>
    <message>
        <source>Licence GPL-2.0-or-later: GNU GPL version 2 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licence GPL-2.0-or-later: GNU GPL verze 2 nebo pozdější &lt;https://gnu.org/licenses/gpl.html&gt;.
Toto je svobodný software: můžete jej měnit a šířit.
NENÍ poskytována ŽÁDNÁ ZÁRUKA v rozsahu povoleném zákonem.
</translation>
    </message>
</context>
<context>
    <name>InfoTexts</name>
    <message>
        <source>Welcome to the wonderful world of YQ Antennas. At long last we have achieved what many have said was impossible, the development of a new antenna concept. For 120 years the resonant wire antenna of Hertz has been taken as the only way to build an antenna. We did not accept that, and the YQ antenna concept is the outcome. It offers advantages in every antenna parameter: Small Size, High Efficiency, wide bandwidth, and very low EMI. While developing it we came upon a new development in physics connected with it, and that discovery has in turn led us to a further antenna concept that we hope to present to you soon.</source>
        <translation>Vítejte v úžasném světě antén YQ. Konečně jsme dosáhli toho, co mnozí označovali za nemožné: vývoje nové koncepce antény. Po 120 let byla rezonanční drátová anténa podle Hertze považována za jediný způsob, jak postavit anténu. S tím jsme se nesmířili a výsledkem je koncepce antény YQ. Přináší výhody ve všech parametrech antény: malé rozměry, vysokou účinnost, širokou šířku pásma a velmi nízké rušení (EMI). Při jejím vývoji jsme narazili na nový fyzikální jev, který s ní souvisí, a tento objev nás zase přivedl k další koncepci antény, kterou vám doufáme brzy představit.</translation>
    </message>
    <message>
        <source>Here is the information to allow you to design antennas for various Ham bands. We hope you enjoy this information and the use of the antennas you build. There are an untold number already on the air and many more added every day.</source>
        <translation>Zde najdete informace, podle kterých si můžete navrhnout antény pro různá radioamatérská pásma. Doufáme, že se vám tyto informace i antény, které postavíte, budou líbit. Nespočet jich už je na pásmech a každý den přibývají další.</translation>
    </message>
    <message>
        <source>Brannoc Quillet has been a radio amateur since his school days, when he built his first crystal receiver from parts of an old telephone. He trained as an electrical engineer and spent many years designing transmitters for broadcast and marine radio. Curious why small antennas were always said to be poor radiators, he began to experiment with short cylinders and coils in his workshop, and from that work the YQ antenna was born. Today he leads ZO Duravar Uravaro, a small company of engineers and radio amateurs who are developing applications of the YQ Antenna.</source>
        <translation>Brannoc Quillet je radioamatérem od školních let, kdy z dílů starého telefonu postavil svůj první krystalový přijímač. Vystudoval elektrotechniku a mnoho let navrhoval vysílače pro rozhlas a námořní radiokomunikace. Zvědavý, proč se o malých anténách vždy tvrdilo, že špatně vyzařují, začal ve své dílně experimentovat s krátkými válci a cívkami – a z této práce se zrodila anténa YQ. Dnes vede ZO Duravar Uravaro, malou firmu inženýrů a radioamatérů, kteří vyvíjejí aplikace antény YQ.</translation>
    </message>
    <message>
        <source>We present these pictures to show just what is being accomplished around the world with YQ antennas. We will letthe pictures speak for themselves. If you would like your antenna featured email a good clear picture to %1</source>
        <translation>Tyto fotografie ukazují, čeho se s anténami YQ dosahuje po celém světě. Necháme fotografie mluvit samy za sebe. Chcete-li, aby zde byla i vaše anténa, pošlete e-mailem dobrou a ostrou fotografii na adresu %1</translation>
    </message>
    <message>
        <source>Written by our programmer from formulas supplied by Brannoc Quillet. It is a work in progress as we need to get feedback from users like yourself who may have successfully built and used an Yq antenna. We need to know the specifications you </source>
        <translation>Program napsal náš programátor podle vzorců, které dodal Brannoc Quillet. Práce na něm pokračují, protože potřebujeme zpětnou vazbu od uživatelů, jako jste vy, kteří úspěšně postavili a používají anténu YQ. Potřebujeme znát parametry, </translation>
    </message>
    <message>
        <source>used to arrive at a working antenna. Please complete and email the details to us for analysis.</source>
        <translation>které vedly k funkční anténě. Vyplňte prosím údaje a pošlete nám je e-mailem k analýze.</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>Enter the Frequency in Megahertz</source>
        <translation>Zadejte kmitočet v megahertzích</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Radiation Resistance</source>
        <translation>Vyzařovací odpor</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Radiation Resistance from measured bandwidth</source>
        <translation>Vyzař. odpor ze změřené šířky pásma</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter :</source>
        <translation>Zadejte průměr válce :</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter in mm</source>
        <translation>Zadejte průměr válce v mm</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Enter desired Length/Diameter Ratio</source>
        <translation>Požadovaný poměr délka/průměr</translation>
    </message>
    <message>
        <source>Calculated Cylinder Capacitance pFd:</source>
        <translation>Vypočtená kapacita válce pF:</translation>
    </message>
    <message>
        <source>pF</source>
        <translation>pF</translation>
    </message>
    <message>
        <source>Reactance (Xc) in Ohms</source>
        <translation>Reaktance (Xc) v ohmech</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>Šířka pásma +/- 3 dB v kHz</translation>
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
        <translation>Celková délka antény :</translation>
    </message>
    <message>
        <source>Total Length of Antenna in mm:</source>
        <translation>Celková délka antény v mm:</translation>
    </message>
    <message>
        <source>Enter Measured Bandwidth in kHz</source>
        <translation>Zadejte změřenou šířku pásma v kHz</translation>
    </message>
    <message>
        <source>Variance in Measured RR</source>
        <translation>Odchylka změřeného RR</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter :</source>
        <translation>Zadejte průměr drátu :</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter in mm</source>
        <translation>Zadejte průměr drátu v mm</translation>
    </message>
    <message>
        <source>Enter Spacing :</source>
        <translation>Zadejte rozteč :</translation>
    </message>
    <message>
        <source>Enter Spacing in mm</source>
        <translation>Zadejte rozteč v mm</translation>
    </message>
    <message>
        <source>Calculated Turns per Inch</source>
        <translation>Vypočtené závity na palec</translation>
    </message>
    <message>
        <source>1/in</source>
        <translation>1/in</translation>
    </message>
    <message>
        <source>Calculated Turns per mm</source>
        <translation>Vypočtené závity na mm</translation>
    </message>
    <message>
        <source>1/mm</source>
        <translation>1/mm</translation>
    </message>
    <message>
        <source>Cylinder to Wire Capacitance in pFd</source>
        <translation>Kapacita válec–drát v pF</translation>
    </message>
    <message>
        <source>Estimated Coil Capacitance in pFd</source>
        <translation>Odhad kapacity cívky v pF</translation>
    </message>
    <message>
        <source>Coil Inductance in uH</source>
        <translation>Indukčnost cívky v uH</translation>
    </message>
    <message>
        <source>uH</source>
        <translation>uH</translation>
    </message>
    <message>
        <source>Number of Turns required</source>
        <translation>Potřebný počet závitů</translation>
    </message>
    <message>
        <source>turns</source>
        <translation>z.</translation>
    </message>
    <message>
        <source>Coil Length :</source>
        <translation>Délka cívky :</translation>
    </message>
    <message>
        <source>Coil Length in mm:</source>
        <translation>Délka cívky v mm:</translation>
    </message>
    <message>
        <source>Length of wire required in Inches</source>
        <translation>Potřebná délka drátu v palcích</translation>
    </message>
    <message>
        <source>Length of wire required in mm:</source>
        <translation>Potřebná délka drátu v mm:</translation>
    </message>
    <message>
        <source>Length of cylinder :</source>
        <translation>Délka válce :</translation>
    </message>
    <message>
        <source>Length of cylinder in mm :</source>
        <translation>Délka válce v mm :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter :</source>
        <translation>Zadejte průměr cívky :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter in mm:</source>
        <translation>Zadejte průměr cívky v mm:</translation>
    </message>
    <message>
        <source>Length as a % of wave length:</source>
        <translation>Délka v % vlnové délky:</translation>
    </message>
    <message>
        <source>Length of Phasing Wire :</source>
        <translation>Délka fázovacího drátu :</translation>
    </message>
    <message>
        <source>Length of Phasing Wire</source>
        <translation>Délka fázovacího drátu</translation>
    </message>
    <message>
        <source>Enter Phasing Coil Diameter:</source>
        <translation>Zadejte průměr fáz. cívky:</translation>
    </message>
    <message>
        <source>Phasing Coil Turns</source>
        <translation>Závity fázovací cívky</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Činitel kapacity</translation>
    </message>
    <message>
        <source>Antenna Efficiency</source>
        <translation>Účinnost antény</translation>
    </message>
    <message>
        <source>Loss in DB</source>
        <translation>Ztráty v dB</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Závity nap. cívky</translation>
    </message>
    <message>
        <source>Source coil length :</source>
        <translation>Délka nap. cívky :</translation>
    </message>
    <message>
        <source>Source coil length in mm</source>
        <translation>Délka nap. cívky v mm</translation>
    </message>
    <message>
        <source>Source Coil Inductance in uH</source>
        <translation>Indukčnost nap. cívky v uH</translation>
    </message>
    <message>
        <source>Enter Source Coil Diameter:</source>
        <translation>Zadejte průměr nap. cívky:</translation>
    </message>
    <message>
        <source>Source Coil Wire Length :</source>
        <translation>Délka drátu nap. cívky :</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Délka drátu nap. cívky</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter</source>
        <translation>Průměr drátu nap. cívky</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter in mm</source>
        <translation>Průměr drátu nap. cívky mm</translation>
    </message>
    <message>
        <source>Source Coil Reactance at 40ohms</source>
        <translation>Reaktance nap. cívky při 40 ohm</translation>
    </message>
    <message>
        <source>Enter Degrees of Phase:</source>
        <translation>Zadejte stupně fáze:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>stupňů</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>unknown language &quot;%1&quot;</source>
        <translation>neznámý jazyk &quot;%1&quot;</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>zvolte jeden z: %1</translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation>--lang vyžaduje kód jazyka</translation>
    </message>
</context>
<context>
    <name>LaunchCodes</name>
    <message>
        <source>The Operating system is out of memory/resources. File:|</source>
        <translation>Operačnímu systému došla paměť/prostředky. Soubor:|</translation>
    </message>
    <message>
        <source>Unknown ShellExecute Error occured. File:|</source>
        <translation>Došlo k neznámé chybě ShellExecute. Soubor:|</translation>
    </message>
    <message>
        <source>The specified file was not found. File:|</source>
        <translation>Zadaný soubor nebyl nalezen. Soubor:|</translation>
    </message>
    <message>
        <source>The specified path was not found. File:|</source>
        <translation>Zadaná cesta nebyla nalezena. Soubor:|</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file. File:|</source>
        <translation>Operační systém odepřel přístup k zadanému souboru. Soubor:|</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation. File:|</source>
        <translation>Pro dokončení operace nebylo dost paměti. Soubor:|</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32® .exe or error in .exe image). File:|</source>
        <translation>Soubor .exe je neplatný (není Win32® .exe nebo chyba v obrazu .exe). Soubor:|</translation>
    </message>
    <message>
        <source>A sharing violation occurred. File:|</source>
        <translation>Došlo k porušení sdílení. Soubor:|</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid. File:|</source>
        <translation>Přiřazení názvu souboru je neúplné nebo neplatné. Soubor:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out. File:|</source>
        <translation>Transakci DDE nelze dokončit, protože vypršel časový limit požadavku. Soubor:|</translation>
    </message>
    <message>
        <source>The DDE transaction failed. File:|</source>
        <translation>Transakce DDE selhala. Soubor:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed. File:|</source>
        <translation>Transakci DDE nelze dokončit, protože probíhaly jiné transakce DDE. Soubor:|</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension. File:|</source>
        <translation>K zadané příponě názvu souboru není přiřazena žádná aplikace. Soubor:|</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found. File:|</source>
        <translation>Zadaná knihovna DLL nebyla nalezena. Soubor:|</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>|File:|%1</source>
        <translation>|Soubor:|%1</translation>
    </message>
    <message>
        <source>The results file was not found.|Each SAVE adds a row to it: save a design first.</source>
        <translation>Soubor výsledků nebyl nalezen.|Každé ULOŽIT do něj přidá řádek: nejprve uložte návrh.</translation>
    </message>
    <message>
        <source>No spreadsheet program is set up to open CSV files.|Install one, or choose the program for CSV files in the desktop&apos;s settings.</source>
        <translation>Pro otevírání souborů CSV není nastaven žádný tabulkový procesor.|Nainstalujte jej nebo zvolte program pro soubory CSV v nastavení plochy.</translation>
    </message>
    <message>
        <source>The program set up to open CSV files cannot be started:|its desktop entry is missing or invalid.</source>
        <translation>Program nastavený pro otevírání souborů CSV nelze spustit:|jeho položka plochy chybí nebo je neplatná.</translation>
    </message>
    <message>
        <source>Shell Execute Error:</source>
        <translation>Chyba Shell Execute:</translation>
    </message>
</context>
<context>
    <name>MailClient</name>
    <message>
        <source>the mail program</source>
        <translation>poštovní program</translation>
    </message>
    <message>
        <source>No mail program is registered on this desktop.</source>
        <translation>Na této ploše není registrován žádný poštovní program.</translation>
    </message>
    <message>
        <source>The registered mail program (%1) cannot be found.</source>
        <translation>Registrovaný poštovní program (%1) nelze najít.</translation>
    </message>
    <message>
        <source>%1 cannot take the mail&apos;s HTML body.</source>
        <translation>%1 nepřijme tělo zprávy v HTML.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments, and cannot take its HTML body.</source>
        <translation>Poštovní program možná nepřevzal přílohy zprávy a nepřijme její tělo v HTML.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments.</source>
        <translation>Poštovní program možná nepřevzal přílohy zprávy.</translation>
    </message>
    <message>
        <source>The mail program cannot take the mail&apos;s HTML body.</source>
        <translation>Poštovní program nepřijme tělo zprávy v HTML.</translation>
    </message>
    <message>
        <source>The mail program could not be started: %1.</source>
        <translation>Poštovní program nelze spustit: %1.</translation>
    </message>
    <message>
        <source>The mail program could not be started: xdg-email is not installed.</source>
        <translation>Poštovní program nelze spustit: xdg-email není nainstalován.</translation>
    </message>
    <message>
        <source>The mail program could not be started.</source>
        <translation>Poštovní program nelze spustit.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>YQ antenna logo</source>
        <translation>Logo antény YQ</translation>
    </message>
    <message>
        <source>YQ Star antenna: general arrangement with its parts named</source>
        <translation>Anténa YQ Star: celkové uspořádání s názvy dílů</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>Díly antény YQ Star</translation>
    </message>
    <message>
        <source>YQ Antenna Design Calculator banner</source>
        <translation>Banner návrhového kalkulátoru antén YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a garden mast</source>
        <translation>Anténa YQ na stožáru na zahradě</translation>
    </message>
    <message>
        <source>A YQ antenna mounted on a camper van</source>
        <translation>Anténa YQ na obytném voze</translation>
    </message>
    <message>
        <source>Illustrated portrait: a radio amateur at the radio bench</source>
        <translation>Ilustrovaný portrét: radioamatér u stanice</translation>
    </message>
    <message>
        <source>A YQ antenna on the roof of a house at sunset</source>
        <translation>Anténa YQ na střeše domu při západu slunce</translation>
    </message>
    <message>
        <source>A portable YQ antenna on a tripod by the sea</source>
        <translation>Přenosná anténa YQ na stativu u moře</translation>
    </message>
    <message>
        <source>Winding the tuning coil on the workbench</source>
        <translation>Navíjení ladicí cívky na pracovním stole</translation>
    </message>
    <message>
        <source>Tuning a YQ antenna with an antenna analyser</source>
        <translation>Ladění antény YQ anténním analyzátorem</translation>
    </message>
    <message>
        <source>A YQ antenna on an apartment balcony</source>
        <translation>Anténa YQ na balkoně bytu</translation>
    </message>
    <message>
        <source>A YQ antenna on a mountain summit</source>
        <translation>Anténa YQ na vrcholu hory</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna laid out on the bench</source>
        <translation>Díly antény YQ rozložené na stole</translation>
    </message>
    <message>
        <source>A YQ antenna on a winter night</source>
        <translation>Anténa YQ v zimní noci</translation>
    </message>
    <message>
        <source>YQ program icon</source>
        <translation>Ikona programu YQ</translation>
    </message>
    <message>
        <source>About icon: radio operator</source>
        <translation>Ikona O programu: radiooperátor</translation>
    </message>
    <message>
        <source>Hand pointer for links</source>
        <translation>Ukazatel ruky pro odkazy</translation>
    </message>
</context>
<context>
    <name>ProgramHelp</name>
    <message>
        <source>The YQ design calculator: design the YQ antenna in inches or millimetres, save designs and the results table YQ.csv in the working folder, print the design report and mail results.

The program opens its main window; the design windows open from its menu. Files are kept in the working folder (the folder of the last design file opened).</source>
        <translation>Návrhový kalkulátor YQ: navrhuje anténu YQ v palcích nebo milimetrech, ukládá návrhy a tabulku výsledků YQ.csv do pracovní složky, tiskne protokol návrhu a posílá výsledky e-mailem.

Program otevře své hlavní okno; návrhová okna se otevírají z jeho nabídky. Soubory se ukládají do pracovní složky (složky naposledy otevřeného souboru návrhu).</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Volby</translation>
    </message>
    <message>
        <source>the language of the windows for this run: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>jazyk oken pro toto spuštění: en, de, ja, ru, it, es, pl, pt_BR, fr, cs nebo nl (výchozí: jazyk plochy, podle LANGUAGE, LC_ALL, LC_MESSAGES nebo LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>zobrazí tuto nápovědu a skončí</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>zobrazí verzi a skončí</translation>
    </message>
    <message>
        <source>trace the hyperlink service of the design windows on standard error: every line starts with &quot;RazedUveziz: &quot; (registrations, events, the commands run, no browser or mail program found)</source>
        <translation>sleduje službu hypertextových odkazů návrhových oken na standardním chybovém výstupu: každý řádek začíná &quot;RazedUveziz: &quot; (registrace, události, spouštěné příkazy, nenalezený prohlížeč nebo poštovní program)</translation>
    </message>
    <message>
        <source>trace each failed look-up of the desktop&apos;s browser or mail program (&quot;RegQueryValue: ...&quot;)</source>
        <translation>sleduje každé neúspěšné hledání prohlížeče nebo poštovního programu plochy (&quot;RegQueryValue: ...&quot;)</translation>
    </message>
    <message>
        <source>trace the attempts of the per-link handler check (&quot;Tried(...&quot;)</source>
        <translation>sleduje pokusy o kontrolu obsluhy pro každý odkaz (&quot;Tried(...&quot;)</translation>
    </message>
    <message>
        <source>the Qt display plug-in (xcb, wayland, offscreen); Qt&apos;s other options are taken too</source>
        <translation>zobrazovací zásuvný modul Qt (xcb, wayland, offscreen); přijímají se i další volby Qt</translation>
    </message>
    <message>
        <source>The trace switches may be given together and in any case (/hadebug). Traces go
to standard error, never to the screen.

Exit status:
  0   the main window was closed (Shutdown)</source>
        <translation>Přepínače sledování lze zadat společně a v libovolné velikosti písmen (/hadebug). Výpisy jdou
na standardní chybový výstup, nikdy na obrazovku.

Návratový kód:
  0   hlavní okno bylo zavřeno (Ukončit)</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>nothing was drawn for %1</source>
        <translation>pro %1 se nic nevykreslilo</translation>
    </message>
    <message>
        <source>cannot draw %1</source>
        <translation>%1 nelze vykreslit</translation>
    </message>
    <message>
        <source>it holds no picture (%1 bytes)</source>
        <translation>neobsahuje obrázek (%1 bajtů)</translation>
    </message>
    <message>
        <source>it is cut short (%1 of %2 bytes)</source>
        <translation>je zkrácený (%1 z %2 bajtů)</translation>
    </message>
    <message>
        <source>The page image %1 could not be read</source>
        <translation>Obrázek stránky %1 nelze načíst</translation>
    </message>
    <message>
        <source>folder does not exist</source>
        <translation>složka neexistuje</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 nelze zapsat</translation>
    </message>
    <message>
        <source>The report has no pages.</source>
        <translation>Protokol nemá žádné stránky.</translation>
    </message>
</context>
<context>
    <name>ReportMail</name>
    <message>
        <source>No mail program is available.</source>
        <translation>Chybí poštovní program.</translation>
    </message>
    <message>
        <source>Corvan, my YQ results are attached</source>
        <translation>Corvane, v příloze posílám své výsledky YQ</translation>
    </message>
    <message>
        <source>My Finished YQ Results</source>
        <translation>Výsledky mé hotové antény YQ</translation>
    </message>
</context>
<context>
    <name>ReportMessages</name>
    <message>
        <source>%1|The report lists its designers from the user file, so it is not printed.|The user file is left as it is.</source>
        <translation>%1|Protokol uvádí autory návrhu ze souboru uživatelů, proto se netiskne.|Soubor uživatelů zůstává beze změny.</translation>
    </message>
    <message>
        <source>The report document could not be written.|%1|The mail opens without the report.</source>
        <translation>Dokument protokolu nelze zapsat.|%1|Zpráva se otevře bez protokolu.</translation>
    </message>
    <message>
        <source>The report mail could not be prepared.|</source>
        <translation>Zprávu s protokolem nelze připravit.|</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 nelze načíst.</translation>
    </message>
    <message>
        <source>These files could not be attached to the mail:|</source>
        <translation>Tyto soubory nelze připojit ke zprávě:|</translation>
    </message>
    <message>
        <source>A copy of the mail could not be saved as|%1:|%2</source>
        <translation>Kopii zprávy nelze uložit jako|%1:|%2</translation>
    </message>
    <message>
        <source>%1|The mail is saved as|%2|Open it with your mail program to send it.</source>
        <translation>%1|Zpráva je uložena jako|%2|Otevřete ji v poštovním programu a odešlete.</translation>
    </message>
    <message>
        <source>%1|The mail could not be saved as|%2:|%3</source>
        <translation>%1|Zprávu nelze uložit jako|%2:|%3</translation>
    </message>
    <message>
        <source>%1|The complete mail is saved as|%2|Open that one with your mail program to send all of it.</source>
        <translation>%1|Úplná zpráva je uložena jako|%2|Otevřete ji v poštovním programu a odešlete celou.</translation>
    </message>
    <message>
        <source>Send email</source>
        <translation>Poslat e-mail</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>YQ *Star* Antenna designed for</source>
        <translation>Anténa YQ *Star* navržená pro</translation>
    </message>
    <message>
        <source>Mhz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in</source>
        <translation>Všechny délkové rozměry jsou v</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Válce</translation>
    </message>
    <message>
        <source>Tuning Coil</source>
        <translation>Ladicí cívka</translation>
    </message>
    <message>
        <source>Phasing Coil</source>
        <translation>Fázovací cívka</translation>
    </message>
    <message>
        <source>Source Coil</source>
        <translation>Nap. cívka</translation>
    </message>
    <message>
        <source>Cylinder Diameter</source>
        <translation>Průměr válce</translation>
    </message>
    <message>
        <source>Length to Diameter Ratio</source>
        <translation>Poměr délky k průměru</translation>
    </message>
    <message>
        <source>Cylinder Length</source>
        <translation>Délka válce</translation>
    </message>
    <message>
        <source>Cylinder Spacing</source>
        <translation>Rozteč válců</translation>
    </message>
    <message>
        <source>Cylinder Capacitance in pFd</source>
        <translation>Kapacita válce v pF</translation>
    </message>
    <message>
        <source>Reactance (XC) Ohms</source>
        <translation>Reaktance (XC) v ohmech</translation>
    </message>
    <message>
        <source>Radiation Resistance Ohms</source>
        <translation>Vyzař. odpor v ohmech</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>Šířka pásma +/- 3 dB v kHz</translation>
    </message>
    <message>
        <source>Antenna &apos;Q&apos;</source>
        <translation>&apos;Q&apos; antény</translation>
    </message>
    <message>
        <source>Antenna Length inc Coils</source>
        <translation>Délka antény vč. cívek</translation>
    </message>
    <message>
        <source>Wire diameter for all Coils</source>
        <translation>Průměr drátu všech cívek</translation>
    </message>
    <message>
        <source>Wire Spacing for Coils</source>
        <translation>Rozteč drátu cívek</translation>
    </message>
    <message>
        <source>Tuning Coil Diameter</source>
        <translation>Průměr ladicí cívky</translation>
    </message>
    <message>
        <source>Tuning Coil Inductance uH</source>
        <translation>Indukčnost ladicí cívky uH</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <translation>Počet závitů</translation>
    </message>
    <message>
        <source>Coil Length</source>
        <translation>Délka cívky</translation>
    </message>
    <message>
        <source>Coil Wire Length</source>
        <translation>Délka drátu cívky</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Činitel kapacity</translation>
    </message>
    <message>
        <source>Phase Coil diameter</source>
        <translation>Průměr fázovací cívky</translation>
    </message>
    <message>
        <source>Wire Length</source>
        <translation>Délka drátu</translation>
    </message>
    <message>
        <source>Source Coil Diameter</source>
        <translation>Průměr napájecí cívky</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Závity nap. cívky</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Délka drátu nap. cívky</translation>
    </message>
    <message>
        <source>Cylinders should be made from non ferrous metals to reduce losses.</source>
        <translation>Válce by měly být z neželezných kovů, aby se snížily ztráty.</translation>
    </message>
    <message>
        <source>Spacing between cylinders is critical to success.</source>
        <translation>Rozteč mezi válci je pro úspěch rozhodující.</translation>
    </message>
    <message>
        <source>Spacing between lower cylinder and top of tuning coil should equal cylinder diameter.</source>
        <translation>Vzdálenost mezi dolním válcem a horním koncem ladicí cívky má být rovna průměru válce.</translation>
    </message>
    <message>
        <source>Wire from bottom of Tuning Coil must run up the inside edge of the lower cylinder.</source>
        <translation>Vodič ze spodku ladicí cívky musí vést nahoru podél vnitřní stěny dolního válce.</translation>
    </message>
    <message>
        <source>Wire from top of Tuning Coil must run up the centre of the lower cylinder.</source>
        <translation>Vodič z horního konce ladicí cívky musí vést nahoru středem dolního válce.</translation>
    </message>
    <message>
        <source>Coil formers (the pipe) should be tested in a microwave oven for heating with RF excitation.</source>
        <translation>Kostry cívek (trubku) je třeba vyzkoušet v mikrovlnné troubě, zda se vf energií nezahřívají.</translation>
    </message>
    <message>
        <source>If it gets hot in the MW then do not use it as it is absorbing RF energy.</source>
        <translation>Pokud se v mikrovlnce zahřívá, nepoužívejte ji, protože pohlcuje vf energii.</translation>
    </message>
    <message>
        <source>When completed the entire antenna should be waterproofed.</source>
        <translation>Hotovou anténu je nutné celou chránit proti vodě.</translation>
    </message>
    <message>
        <source>Follow the instructions in Brannoc&apos;s Book on setting up for maximum radiation and minimum VSWR.</source>
        <translation>Pro nastavení na největší vyzařování a nejmenší PSV postupujte podle pokynů v Brannocově knize.</translation>
    </message>
    <message>
        <source>Print Date:</source>
        <translation>Datum tisku:</translation>
    </message>
    <message>
        <source>Designed By:</source>
        <translation>Navrhl:</translation>
    </message>
    <message>
        <source>Print from queue</source>
        <translation>Tisk z fronty</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>palce</translation>
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
        <translation>Řádek %1 vstupního souboru nelze načíst</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number in the %2 card</source>
        <translation>&quot;%1&quot; není číslo v kartě %2</translation>
    </message>
    <message>
        <source>the %1 card needs %2 numbers</source>
        <translation>karta %1 vyžaduje %2 čísel</translation>
    </message>
    <message>
        <source>The deck&apos;s line %1 cannot be checked</source>
        <translation>Řádek %1 vstupního souboru nelze zkontrolovat</translation>
    </message>
    <message>
        <source>a GM card that copies or rotates is not read here</source>
        <translation>karta GM, která kopíruje nebo otáčí, se zde nenačítá</translation>
    </message>
    <message>
        <source>The deck asks for no frequency (no FR card).</source>
        <translation>Soubor nezadává kmitočet (chybí karta FR).</translation>
    </message>
    <message>
        <source>Wire %1 has no length or no segment; nec2c can run on for ever on it.</source>
        <translation>Drát %1 nemá délku nebo segment; nec2c na něm může běžet donekonečna.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the lowest frequency; NEC-2 wants at least 0.001.</source>
        <translation>Segmenty drátu %1 mají délku %2 vlnové délky na %3 MHz, nejnižším kmitočtu; NEC-2 vyžaduje nejméně 0.001.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the highest frequency; NEC-2 wants at most 0.1.</source>
        <translation>Segmenty drátu %1 mají délku %2 vlnové délky na %3 MHz, nejvyšším kmitočtu; NEC-2 vyžaduje nejvýše 0.1.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 with the extended thin-wire kernel.</source>
        <translation>Segmenty drátu %1 jsou %2krát delší než jejich poloměr; NEC-2 vyžaduje nejméně %3 s rozšířeným jádrem tenkého drátu.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 without EK.</source>
        <translation>Segmenty drátu %1 jsou %2krát delší než jejich poloměr; NEC-2 vyžaduje nejméně %3 bez EK.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 lie over the same %3 m; nec2c gives a meaningless impedance for them.</source>
        <translation>Dráty %1 a %2 se překrývají v délce %3 m; nec2c pro ně dává nesmyslnou impedanci.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; the extended thin-wire kernel is not valid where the radius changes.</source>
        <translation>Dráty %1 a %2 se stýkají s poloměry %3krát odlišnými; rozšířené jádro tenkého drátu neplatí tam, kde se mění poloměr.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; NEC-2 wants at most 5.</source>
        <translation>Dráty %1 a %2 se stýkají s poloměry %3krát odlišnými; NEC-2 připouští nejvýše 5.</translation>
    </message>
    <message>
        <source>The deck has no feed (no EX card).</source>
        <translation>Soubor nemá napájení (chybí karta EX).</translation>
    </message>
    <message>
        <source>The feed is on segment %1 of wire %2, which does not exist.</source>
        <translation>Napájení je na segmentu %1 drátu %2, který neexistuje.</translation>
    </message>
    <message>
        <source>NEC-2 detailed model: free space, no feed line, the cylinders as aluminium wire-grid cages, the tuning and phasing coils as copper helices with their leads as the build sheet draws them, the source coil lumped at the feed.</source>
        <translation>Podrobný model NEC-2: volný prostor, bez napáječe, válce jako hliníkové klece z drátové mřížky, ladicí a fázovací cívka jako měděné šroubovice s vývody podle stavebního listu, napájecí cívka soustředěná v napájecím bodě.</translation>
    </message>
    <message>
        <source>NEC-2 standard model: free space, no feed line, the cylinders as thick aluminium wires, the three coils as one lumped series R + L at the feed from the calculator&apos;s coil values.</source>
        <translation>Standardní model NEC-2: volný prostor, bez napáječe, válce jako tlusté hliníkové dráty, tři cívky jako jedno soustředěné sériové R + L v napájecím bodě z hodnot cívek kalkulátoru.</translation>
    </message>
    <message>
        <source>nec2c cannot be started</source>
        <translation>nec2c nelze spustit</translation>
    </message>
    <message>
        <source>A folder for nec2c cannot be made</source>
        <translation>Složku pro nec2c nelze vytvořit</translation>
    </message>
    <message>
        <source>The deck for nec2c cannot be written</source>
        <translation>Soubor pro nec2c nelze zapsat</translation>
    </message>
    <message>
        <source>nec2c stopped before it finished</source>
        <translation>nec2c se zastavil před dokončením</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>havaroval</translation>
    </message>
    <message>
        <source>it exited with status %1</source>
        <translation>skončil s kódem %1</translation>
    </message>
    <message>
        <source>nec2c failed</source>
        <translation>nec2c selhal</translation>
    </message>
    <message>
        <source>nec2c wrote no output</source>
        <translation>nec2c nezapsal žádný výstup</translation>
    </message>
    <message>
        <source>deck.out is missing</source>
        <translation>chybí deck.out</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not installed: install it with &quot;sudo apt install nec2c&quot;.</source>
        <translation>Simulace vyžaduje nec2c, který není nainstalován: nainstalujte jej příkazem &quot;sudo apt install nec2c&quot;.</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not at %1.</source>
        <translation>Simulace vyžaduje nec2c, který není v %1.</translation>
    </message>
    <message>
        <source>nec2c was stopped</source>
        <translation>nec2c byl zastaven</translation>
    </message>
    <message>
        <source>it ran longer than its limit of %1 ms</source>
        <translation>běžel déle než jeho limit %1 ms</translation>
    </message>
    <message>
        <source>The simulation was cancelled.</source>
        <translation>Simulace byla zrušena.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output cannot be read</source>
        <translation>Výstup nec2c nelze načíst</translation>
    </message>
    <message>
        <source>it holds more frequencies than the deck&apos;s %1</source>
        <translation>obsahuje více kmitočtů než %1 ze vstupního souboru</translation>
    </message>
    <message>
        <source>the input parameters of frequency %1 have no line of numbers</source>
        <translation>vstupní parametry kmitočtu %1 nemají řádek čísel</translation>
    </message>
    <message>
        <source>the impedance at frequency %1 is not a number</source>
        <translation>impedance na kmitočtu %1 není číslo</translation>
    </message>
    <message>
        <source>a radiation pattern has no headings</source>
        <translation>vyzařovací diagram nemá záhlaví</translation>
    </message>
    <message>
        <source>it holds %1 of the deck&apos;s %2 frequencies</source>
        <translation>obsahuje %1 z %2 kmitočtů vstupního souboru</translation>
    </message>
    <message>
        <source>The matched half-power band is wider than the fine sweep.</source>
        <translation>Přizpůsobené pásmo -3 dB je širší než jemné rozmítání.</translation>
    </message>
    <message>
        <source>The half-power band on 50 ohm is wider than the fine sweep.</source>
        <translation>Pásmo -3 dB na 50 ohm je širší než jemné rozmítání.</translation>
    </message>
    <message>
        <source>With the calculated coil the model has no series resonance between 0.4 F and 2.5 F.</source>
        <translation>S vypočtenou cívkou nemá model sériovou rezonanci mezi 0.4 F a 2.5 F.</translation>
    </message>
    <message>
        <source>nec2c gave no power budget or average gain at the resonance.</source>
        <translation>nec2c nedal v rezonanci bilanci výkonu ani průměrný zisk.</translation>
    </message>
    <message>
        <source>The coil for F is not computed in this model.</source>
        <translation>Cívka pro F se v tomto modelu nepočítá.</translation>
    </message>
    <message>
        <source>The design has no frequency</source>
        <translation>Návrh nemá kmitočet</translation>
    </message>
    <message>
        <source>F is 0</source>
        <translation>F je 0</translation>
    </message>
    <message>
        <source>The design has no cylinders</source>
        <translation>Návrh nemá válce</translation>
    </message>
    <message>
        <source>CD or LD is 0</source>
        <translation>CD nebo LD je 0</translation>
    </message>
    <message>
        <source>The detailed model needs a tuning coil</source>
        <translation>Podrobný model vyžaduje ladicí cívku</translation>
    </message>
    <message>
        <source>NT, SP or CCD is 0</source>
        <translation>NT, SP nebo CCD je 0</translation>
    </message>
    <message>
        <source>No tuning coil resonates the model at F: it needs a series capacitance there.</source>
        <translation>Žádná ladicí cívka neuvede model do rezonance na F: je tam potřeba sériová kapacita.</translation>
    </message>
    <message>
        <source>With the re-sized coil X does not rise through 0 within 1 % of F.</source>
        <translation>S cívkou nových rozměrů X neprochází nulou do 1 % od F.</translation>
    </message>
    <message>
        <source>Its segments are down to %1 wavelength at F (NEC-2 wants at least 0.001) and its cages and leads break NEC-2&apos;s rules, so its feed R and X, and the Q, bandwidths and SWR from them, are not valid: it gives the resonance, radiation resistance, gain and efficiency from the far field only.</source>
        <translation>Jeho segmenty jsou na F krátké až %1 vlnové délky (NEC-2 vyžaduje nejméně 0.001) a jeho klece a vývody porušují pravidla NEC-2, takže R a X v napájecím bodě a z nich odvozené Q, šířky pásma a PSV neplatí: dává rezonanci, vyzařovací odpor, zisk a účinnost jen ze vzdáleného pole.</translation>
    </message>
</context>
<context>
    <name>SimulationTable</name>
    <message>
        <source>none</source>
        <translation>žádná</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Sériová rezonance</translation>
    </message>
    <message>
        <source>Tuning coil inductance</source>
        <translation>Indukčnost ladicí cívky</translation>
    </message>
    <message>
        <source>Tuning coil turns</source>
        <translation>Závity ladicí cívky</translation>
    </message>
    <message>
        <source>Series L at the feed</source>
        <translation>Sériová L v nap. bodě</translation>
    </message>
    <message>
        <source>Feed impedance at F</source>
        <translation>Impedance napájení na F</translation>
    </message>
    <message>
        <source>R at resonance (RR + WR)</source>
        <translation>R v rezonanci (RR + WR)</translation>
    </message>
    <message>
        <source>Radiation resistance</source>
        <translation>Vyzařovací odpor</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Half-power BW, matched</source>
        <translation>Pásmo -3 dB, přizpůsob.</translation>
    </message>
    <message>
        <source>2:1 SWR BW, matched</source>
        <translation>Pásmo PSV 2:1, přizp.</translation>
    </message>
    <message>
        <source>Half-power BW on 50 ohm</source>
        <translation>Pásmo -3 dB na 50 ohm</translation>
    </message>
    <message>
        <source>2:1 SWR BW on 50 ohm</source>
        <translation>Pásmo PSV 2:1 na 50 ohm</translation>
    </message>
    <message>
        <source>Lowest SWR on 50 ohm</source>
        <translation>Nejm. PSV na 50 ohm</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Účinnost</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Ztráty</translation>
    </message>
    <message>
        <source>Largest gain</source>
        <translation>Největší zisk</translation>
    </message>
    <message>
        <source>Rule not kept: %1</source>
        <translation>Nedodrženo pravidlo: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Poznámka: %1</translation>
    </message>
    <message>
        <source>nec2c runs: %1, %2 s</source>
        <translation>Běhy nec2c: %1, %2 s</translation>
    </message>
    <message>
        <source>calculator</source>
        <translation>kalkulátor</translation>
    </message>
    <message>
        <source>NEC-2, calculated coil</source>
        <translation>NEC-2, vypočtená cívka</translation>
    </message>
    <message>
        <source>NEC-2, coil for F</source>
        <translation>NEC-2, cívka pro F</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>neplatné</translation>
    </message>
    <message>
        <source>not computed</source>
        <translation>nevypočteno</translation>
    </message>
</context>
<context>
    <name>Touchstone</name>
    <message>
        <source>The measurement %1 cannot be read</source>
        <translation>Měření %1 nelze načíst</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>řádek %1: %2</translation>
    </message>
    <message>
        <source>a control character (byte %1) where only text may stand: this is not a text file</source>
        <translation>řídicí znak (bajt %1) tam, kde smí být jen text: toto není textový soubor</translation>
    </message>
    <message>
        <source>text after [End]</source>
        <translation>text za [End]</translation>
    </message>
    <message>
        <source>a second option line</source>
        <translation>druhý řádek voleb</translation>
    </message>
    <message>
        <source>%1 where a keyword in brackets is expected</source>
        <translation>%1 tam, kde se čeká klíčové slovo v hranatých závorkách</translation>
    </message>
    <message>
        <source>[Reference] has too few values</source>
        <translation>[Reference] má příliš málo hodnot</translation>
    </message>
    <message>
        <source>the file ends in the middle of a point: %1 of its %2 values</source>
        <translation>soubor končí uprostřed bodu: %1 z jeho %2 hodnot</translation>
    </message>
    <message>
        <source>a Touchstone 2.0 file without [Network Data]</source>
        <translation>soubor Touchstone 2.0 bez [Network Data]</translation>
    </message>
    <message>
        <source>[Number of Frequencies] says %1, the file holds %2</source>
        <translation>[Number of Frequencies] udává %1, soubor obsahuje %2</translation>
    </message>
    <message>
        <source>no option line: GHz S MA R 50 assumed</source>
        <translation>chybí řádek voleb: předpokládá se GHz S MA R 50</translation>
    </message>
    <message>
        <source>noise parameters from line %1 skipped</source>
        <translation>parametry šumu od řádku %1 přeskočeny</translation>
    </message>
    <message>
        <source>a keyword without its closing &quot;]&quot;</source>
        <translation>klíčové slovo bez uzavírací &quot;]&quot;</translation>
    </message>
    <message>
        <source>[Version] must be the first line that is not a comment</source>
        <translation>[Version] musí být první řádek, který není komentář</translation>
    </message>
    <message>
        <source>[Version] %1 is not a version this program reads (2.0)</source>
        <translation>[Version] %1 není verze, kterou tento program čte (2.0)</translation>
    </message>
    <message>
        <source>the keyword [%1] in a file without [Version] 2.0</source>
        <translation>klíčové slovo [%1] v souboru bez [Version] 2.0</translation>
    </message>
    <message>
        <source>[Number of Ports] %1 is not a number of ports</source>
        <translation>[Number of Ports] %1 není počet portů</translation>
    </message>
    <message>
        <source>[Two-Port Data Order] %1 is neither 12_21 nor 21_12</source>
        <translation>[Two-Port Data Order] %1 není ani 12_21, ani 21_12</translation>
    </message>
    <message>
        <source>[Number of Frequencies] %1 is not a count</source>
        <translation>[Number of Frequencies] %1 není platný počet kmitočtů</translation>
    </message>
    <message>
        <source>[Reference] before [Number of Ports]</source>
        <translation>[Reference] před [Number of Ports]</translation>
    </message>
    <message>
        <source>[Matrix Format] %1 is not Full, Lower or Upper</source>
        <translation>[Matrix Format] %1 není Full, Lower ani Upper</translation>
    </message>
    <message>
        <source>[Network Data] before [Number of Ports]</source>
        <translation>[Network Data] před [Number of Ports]</translation>
    </message>
    <message>
        <source>[Network Data] before the option line</source>
        <translation>[Network Data] před řádkem voleb</translation>
    </message>
    <message>
        <source>a two-port file without [Two-Port Data Order]</source>
        <translation>soubor dvojbranu bez [Two-Port Data Order]</translation>
    </message>
    <message>
        <source>the network data ends in the middle of a point</source>
        <translation>data sítě končí uprostřed bodu</translation>
    </message>
    <message>
        <source>[%1] is not a keyword of Touchstone 2.0</source>
        <translation>[%1] není klíčové slovo Touchstone 2.0</translation>
    </message>
    <message>
        <source>the reference %1 is not a number</source>
        <translation>reference %1 není číslo</translation>
    </message>
    <message>
        <source>the reference impedance %1 ohm is not above 0</source>
        <translation>referenční impedance %1 ohm není větší než 0</translation>
    </message>
    <message>
        <source>[Reference] has more values than there are ports</source>
        <translation>[Reference] má více hodnot, než je portů</translation>
    </message>
    <message>
        <source>the option line names the frequency unit twice</source>
        <translation>řádek voleb udává jednotku kmitočtu dvakrát</translation>
    </message>
    <message>
        <source>the option line names the parameter twice</source>
        <translation>řádek voleb udává parametr dvakrát</translation>
    </message>
    <message>
        <source>%1 parameters hold no reflection coefficient this program reads; save S, Z or Y parameters</source>
        <translation>parametry %1 neobsahují činitel odrazu, který tento program čte; uložte parametry S, Z nebo Y</translation>
    </message>
    <message>
        <source>the option line names the data format twice</source>
        <translation>řádek voleb udává formát dat dvakrát</translation>
    </message>
    <message>
        <source>the option line gives the reference twice</source>
        <translation>řádek voleb udává referenci dvakrát</translation>
    </message>
    <message>
        <source>&quot;R&quot; without its reference impedance</source>
        <translation>&quot;R&quot; bez referenční impedance</translation>
    </message>
    <message>
        <source>%1 is not a part of the option line (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</source>
        <translation>%1 není součástí řádku voleb (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</translation>
    </message>
    <message>
        <source>Z and Y parameters of networks of more than two ports are not read; save S parameters</source>
        <translation>parametry Z a Y sítí s více než dvěma porty se nečtou; uložte parametry S</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 není číslo</translation>
    </message>
    <message>
        <source>the frequency %1 does not rise above the one before it (%2 on line %3)</source>
        <translation>kmitočet %1 není vyšší než předchozí (%2 na řádku %3)</translation>
    </message>
    <message>
        <source>the frequency %1 is below 0</source>
        <translation>kmitočet %1 je menší než 0</translation>
    </message>
    <message>
        <source>the frequency %1 is too large</source>
        <translation>kmitočet %1 je příliš velký</translation>
    </message>
    <message>
        <source>the point does not end where a line ends: a value is missing or one too many (a point here has %1 values)</source>
        <translation>bod nekončí tam, kde končí řádek: hodnota chybí nebo je o jednu navíc (počet hodnot bodu je zde %1)</translation>
    </message>
    <message>
        <source>the values of the point at %1 give no finite reflection coefficient</source>
        <translation>hodnoty bodu na %1 nedávají konečný činitel odrazu</translation>
    </message>
    <message>
        <source>the frequency %1 of line %2 again, with %3 values where a point has %4</source>
        <translation>kmitočet %1 z řádku %2 znovu, s %3 hodnotami tam, kde bod má %4</translation>
    </message>
    <message>
        <source>line %1 repeats the frequency %2 of line %3; the repeat is left out</source>
        <translation>řádek %1 opakuje kmitočet %2 z řádku %3; opakování je vynecháno</translation>
    </message>
    <message>
        <source>a control character where only text may stand: this is not a text file</source>
        <translation>řídicí znak tam, kde smí být jen text: toto není textový soubor</translation>
    </message>
    <message>
        <source>the headings name %1 columns; a sweep needs frequency and two more</source>
        <translation>počet sloupců v záhlaví: %1; rozmítání potřebuje kmitočet a dva další</translation>
    </message>
    <message>
        <source>%1 value where the frequency and two more are needed</source>
        <translation>%1 hodnota tam, kde je potřeba kmitočet a dva další</translation>
    </message>
    <message>
        <source>%1 values where the frequency and two more are needed</source>
        <translation>%1 hodnoty tam, kde je potřeba kmitočet a dva další</translation>
    </message>
    <message>
        <source>the rows from line %1 on (%2) are another sweep than %3 and are left out</source>
        <translation>řádky od řádku %1 (%2) jsou jiné rozmítání než %3 a jsou vynechány</translation>
    </message>
    <message>
        <source>%1 is not a frequency</source>
        <translation>%1 není kmitočet</translation>
    </message>
    <message>
        <source>the impedance gives no finite reflection coefficient</source>
        <translation>impedance nedává konečný činitel odrazu</translation>
    </message>
    <message>
        <source>%1 port</source>
        <translation>%1 port</translation>
    </message>
    <message>
        <source>%1 ports</source>
        <translation>%1 porty</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 bod</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 bodů</translation>
    </message>
    <message>
        <source>The measurement %1 cannot be opened</source>
        <translation>Měření %1 nelze otevřít</translation>
    </message>
    <message>
        <source>it does not exist or is not readable</source>
        <translation>neexistuje nebo není čitelný</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>není to soubor</translation>
    </message>
    <message>
        <source>it is larger than 64 MB</source>
        <translation>je větší než 64 MB</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>čtení selhalo</translation>
    </message>
</context>
<context>
    <name>TuneTable</name>
    <message>
        <source>Measurement</source>
        <translation>Měření</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Ladění</translation>
    </message>
</context>
<context>
    <name>UnitSystem</name>
    <message>
        <source>All measurements are in inches</source>
        <translation>Všechny rozměry jsou v palcích</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|a Metric design in error.|Select Metric Design instead.|Do NOT save this version!</source>
        <translation>Chybná volba. Omylem jste zvolili|metrický návrh.|Zvolte místo toho metrický návrh.|Tuto verzi NEUKLÁDEJTE!</translation>
    </message>
    <message>
        <source>Press ESC &amp; Select Metric Option!</source>
        <translation>Stiskněte ESC &amp; zvolte metrickou možnost!</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|an Imperial design in error.|Select Imperial Design instead.</source>
        <translation>Chybná volba. Omylem jste zvolili|palcový návrh.|Zvolte místo toho palcový návrh.</translation>
    </message>
    <message>
        <source>Press ESC &amp; select Imperial Design</source>
        <translation>Stiskněte ESC &amp; zvolte palcový návrh</translation>
    </message>
    <message>
        <source>All measurements are in mm</source>
        <translation>Všechny rozměry jsou v mm</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Imperial</source>
        <translation>Výpočty antény YQ... palcové</translation>
    </message>
    <message>
        <source>Linear measurements are in Inches</source>
        <translation>Délkové rozměry jsou v palcích</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in inches. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Všechny rozměry cívek vycházejí ze zadané rozteče. Délkové rozměry jsou v palcích. Většina vstupních polí má nápovědu po najetí myší. Všechny cívky používají stejný průměr drátu a rozteč.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|*.ini</source>
        <translation>Soubory Ini antény M = metrické|*.ini</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Metric</source>
        <translation>Výpočty antény YQ... metrické</translation>
    </message>
    <message>
        <source>Linear measurements are in mm</source>
        <translation>Délkové rozměry jsou v mm</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in mm. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Všechny rozměry cívek vycházejí ze zadané rozteče. Délkové rozměry jsou v mm. Většina vstupních polí má nápovědu po najetí myší. Všechny cívky používají stejný průměr drátu a rozteč.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|M*.ini</source>
        <translation>Soubory Ini antény M = metrické|M*.ini</translation>
    </message>
</context>
<context>
    <name>UserList</name>
    <message>
        <source>Records are deleted from the list of users, not from this form.</source>
        <translation>Záznamy se mažou ze seznamu uživatelů, ne z tohoto formuláře.</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Potvrdit smazání</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the highlighted record?|%1</source>
        <translation>Opravdu smazat označený záznam?|%1</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>YQ Error Message</source>
        <translation>Chybové hlášení YQ</translation>
    </message>
</context>
<context>
    <name>yq::AboutWindow</name>
    <message>
        <source>Close and return...</source>
        <translation>Zavřít a vrátit se...</translation>
    </message>
    <message>
        <source>About this programme V 5.081</source>
        <translation>O programu V 5.081</translation>
    </message>
</context>
<context>
    <name>yq::BuildSheetTab</name>
    <message>
        <source>Build sheet drawing</source>
        <translation>Výkres stavebního listu</translation>
    </message>
    <message>
        <source>Build Sheet: the antenna to scale and what to cut and wind</source>
        <translation>Stavební list: anténa v měřítku a co nařezat a navinout</translation>
    </message>
    <message>
        <source>Print Build Sheet</source>
        <translation>Tisk stavebního listu</translation>
    </message>
    <message>
        <source>Shows the build sheet in the print preview, to print it</source>
        <translation>Zobrazí stavební list v náhledu tisku k vytištění</translation>
    </message>
</context>
<context>
    <name>yq::DesignToolsTab</name>
    <message>
        <source>Convert to millimetres</source>
        <translation>Převést na milimetry</translation>
    </message>
    <message>
        <source>Convert to inches</source>
        <translation>Převést na palce</translation>
    </message>
    <message>
        <source>Lengths x 25.4, rounded to the Metric fields; F, L/D, MBW, FAC and DPS
as they are; then the Metric ReCalc. The design is saved in the working
folder under the Metric window&apos;s file name (M...ini).</source>
        <translation>Délky x 25.4, zaokrouhlené na metrická pole; F, L/D, MBW, FAC a DPS
beze změny; pak metrický ReCalc. Návrh se uloží do pracovní
složky pod názvem souboru metrického okna (M...ini).</translation>
    </message>
    <message>
        <source>Lengths / 25.4, rounded to the Imperial fields; F, L/D, MBW, FAC and DPS
as they are; then the Imperial ReCalc. The design is saved in the working
folder under the Imperial window&apos;s file name.</source>
        <translation>Délky / 25.4, zaokrouhlené na palcová pole; F, L/D, MBW, FAC a DPS
beze změny; pak palcový ReCalc. Návrh se uloží do pracovní
složky pod názvem souboru palcového okna.</translation>
    </message>
    <message>
        <source>Convert and Save as Metric</source>
        <translation>Převést a uložit jako metr.</translation>
    </message>
    <message>
        <source>Convert and Save as Imperial</source>
        <translation>Převést a uložit jako palc.</translation>
    </message>
    <message>
        <source>Saves this design in millimetres for the Metric window.</source>
        <translation>Uloží tento návrh v milimetrech pro metrické okno.</translation>
    </message>
    <message>
        <source>Saves this design in inches for the Imperial window.</source>
        <translation>Uloží tento návrh v palcích pro palcové okno.</translation>
    </message>
    <message>
        <source>The design cannot be converted:|%1</source>
        <translation>Návrh nelze převést:|%1</translation>
    </message>
    <message>
        <source>The converted design %1 could not be written.|%2</source>
        <translation>Převedený návrh %1 nelze zapsat.|%2</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrický</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Palcový</translation>
    </message>
    <message>
        <source>Saved &lt;b&gt;%1&lt;/b&gt; in %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: open it in the %6 window.</source>
        <translation>Uloženo &lt;b&gt;%1&lt;/b&gt; v %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: otevřete jej v okně %6.</translation>
    </message>
    <message>
        <source>Fit to the built antenna</source>
        <translation>Přizpůsobit postavené anténě</translation>
    </message>
    <message>
        <source>FAC from tuning coil turns (NT)</source>
        <translation>FAC ze závitů ladicí cívky (NT)</translation>
    </message>
    <message>
        <source>DPS from source coil turns (SCT)</source>
        <translation>DPS ze závitů nap. cívky (SCT)</translation>
    </message>
    <message>
        <source>Field to fit</source>
        <translation>Pole k úpravě</translation>
    </message>
    <message>
        <source>Capacitance Factor from the tuning coil turns you wound,
or Degrees of Phase from the source coil turns.</source>
        <translation>Činitel kapacity z navinutých závitů ladicí cívky
nebo stupně fáze ze závitů napájecí cívky.</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Navinuto z.:</translation>
    </message>
    <message>
        <source>Turns wound</source>
        <translation>Navinuto z.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Tries every value of the field, 0.01 apart, each with a full ReCalc,
and finds the one whose turns come nearest to the turns you wound.</source>
        <translation>Zkouší každou hodnotu pole po 0.01, každou s úplným ReCalc,
a najde tu, jejíž počet závitů je nejblíže navinutému.</translation>
    </message>
    <message>
        <source>Enter the turns on your working antenna and press Find.</source>
        <translation>Zadejte závity funkční antény a stiskněte Hledat.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;Enter the number of turns you wound, for example 31 or 30.5.&lt;/span&gt;</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Zadejte počet navinutých závitů, např. 31 nebo 30.5.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt; gives %3 = &lt;b&gt;%4&lt;/b&gt; turns (you wound %5).</source>
        <translation>&lt;b&gt;%1 = %2&lt;/b&gt; dává %3 = &lt;b&gt;%4&lt;/b&gt; z. (navinuto %5).</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;No %1 from %2 to %3 gives %4 within half a turn of %5.&lt;/span&gt; The nearest is &lt;b&gt;%1 = %6&lt;/b&gt;, giving %4 = &lt;b&gt;%7&lt;/b&gt;.</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Žádné %1 od %2 do %3 nedává %4 do půl závitu od %5.&lt;/span&gt; Nejblíže je &lt;b&gt;%1 = %6&lt;/b&gt;, které dává %4 = &lt;b&gt;%7&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>a %1 další</translation>
    </message>
    <message>
        <source>&lt;br&gt;Also changes: </source>
        <translation>&lt;br&gt;Mění také: </translation>
    </message>
    <message>
        <source>&lt;br&gt;The window shows DPS with one place (%1); the design keeps %2.</source>
        <translation>&lt;br&gt;Okno zobrazuje DPS s jedním desetinným místem (%1); návrh uchovává %2.</translation>
    </message>
    <message>
        <source>Apply %1 = %2</source>
        <translation>Použít %1 = %2</translation>
    </message>
    <message>
        <source>&lt;i&gt;The design changed since the last Find; this is the fit for it now.&lt;/i&gt;&lt;br&gt;</source>
        <translation>&lt;i&gt;Návrh se od posledního hledání změnil; toto je přizpůsobení pro jeho současnou podobu.&lt;/i&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;Applied&lt;/b&gt; to the design; SAVE keeps it.</source>
        <translation>&lt;br&gt;&lt;b&gt;Použito&lt;/b&gt; v návrhu; ULOŽIT jej zachová.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Kmitočet</translation>
    </message>
    <message>
        <source>Cylinder diameter</source>
        <translation>Průměr válce</translation>
    </message>
    <message>
        <source>Length/Diameter ratio</source>
        <translation>Poměr délka/průměr</translation>
    </message>
    <message>
        <source>Wire diameter</source>
        <translation>Průměr drátu</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Rozteč</translation>
    </message>
    <message>
        <source>Coil diameter</source>
        <translation>Průměr cívky</translation>
    </message>
    <message>
        <source>Capacitance factor</source>
        <translation>Činitel kapacity</translation>
    </message>
    <message>
        <source>Phasing coil diameter</source>
        <translation>Průměr fáz. cívky</translation>
    </message>
    <message>
        <source>Source coil diameter</source>
        <translation>Průměr nap. cívky</translation>
    </message>
    <message>
        <source>Degrees of phase</source>
        <translation>Stupně fáze</translation>
    </message>
    <message>
        <source>Measured bandwidth</source>
        <translation>Změřená šířka pásma</translation>
    </message>
    <message>
        <source>Sweep one input</source>
        <translation>Rozmítání vstupu</translation>
    </message>
    <message>
        <source>Input to vary</source>
        <translation>Měněný vstup</translation>
    </message>
    <message>
        <source>Vary:</source>
        <translation>Měnit:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Krok</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Rozmítat</translation>
    </message>
    <message>
        <source>Plot:</source>
        <translation>Graf:</translation>
    </message>
    <message>
        <source>Sweep points</source>
        <translation>Body rozmítání</translation>
    </message>
    <message>
        <source>Up to %1 points, each a full ReCalc of this design.</source>
        <translation>Až %1 bodů, každý s úplným ReCalc tohoto návrhu.</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>Uložit CSV...</translation>
    </message>
    <message>
        <source>Every key of every point, as yq-calc sweep writes it.</source>
        <translation>Každý klíč každého bodu, jak jej zapisuje yq-calc sweep.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number.</source>
        <translation>%1 &apos;%2&apos; není číslo.</translation>
    </message>
    <message>
        <source>%1 points, each a full ReCalc.</source>
        <translation>%1 bodů, každý s úplným ReCalc.</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>Rozmítání nelze uložit jako %1.|%2</translation>
    </message>
    <message>
        <source>%1 points saved to %2.</source>
        <translation>%1 bodů uloženo do %2.</translation>
    </message>
    <message>
        <source>Save the sweep as CSV</source>
        <translation>Uložit rozmítání jako CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Soubory CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>yq::DesignWindow</name>
    <message>
        <source>   Build Sheet</source>
        <translation>   Stavební list</translation>
    </message>
    <message>
        <source>   Design Tools</source>
        <translation>   Nástroje</translation>
    </message>
    <message>
        <source>Select Antenna</source>
        <translation>Vyberte anténu</translation>
    </message>
    <message>
        <source>   Specifications</source>
        <translation>   Parametry</translation>
    </message>
    <message>
        <source>   Help</source>
        <translation>   Nápověda</translation>
    </message>
    <message>
        <source>Entries in Bold are those you can change. All others are read only.</source>
        <translation>Tučné položky můžete měnit. Ostatní jsou jen pro čtení.</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ULOŽIT</translation>
    </message>
    <message>
        <source>Saves the file with the name like 726.ini
7 = frequency in mhz
2 = cylinder diameter in inches
6 = diameter to length ratio
An &apos;M&apos; first letter denotes Metric calculations.</source>
        <translation>Uloží soubor s názvem jako 726.ini
7 = kmitočet v MHz
2 = průměr válce v palcích
6 = poměr průměru k délce
Počáteční písmeno &apos;M&apos; označuje metrický výpočet.</translation>
    </message>
    <message>
        <source>Print/View</source>
        <translation>Tisk/Náhled</translation>
    </message>
    <message>
        <source>You MUST save first to print</source>
        <translation>Před tiskem MUSÍTE uložit</translation>
    </message>
    <message>
        <source>email Report</source>
        <translation>Protokol mailem</translation>
    </message>
    <message>
        <source>Uses Outlook for email. Other mailers may not work.</source>
        <translation>E-mail přes Outlook. Jiné programy nemusí fungovat.</translation>
    </message>
    <message>
        <source>YQ Forum</source>
        <translation>Fórum YQ</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Otevřít Excel</translation>
    </message>
    <message>
        <source>Email Results</source>
        <translation>Poslat výsledky</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Cylinder Specifications</source>
        <translation>Parametry válce</translation>
    </message>
    <message>
        <source>Source Coil Specifications</source>
        <translation>Parametry napájecí cívky</translation>
    </message>
    <message>
        <source>Tuning Coil Specifications</source>
        <translation>Parametry ladicí cívky</translation>
    </message>
    <message>
        <source>Click on this button to recalculate after making changes</source>
        <translation>Po změnách klikněte na toto tlačítko pro přepočet</translation>
    </message>
    <message>
        <source>Initial factor is 2. This divides the cylinder capacitance
by 2 to recalculate the coil size. That will also
recalculate the coil inductance.

Use a number that give the number of turns you
have used to make the system work. Then OK
to SAVE.</source>
        <translation>Výchozí činitel je 2. Dělí kapacitu válce
dvěma pro přepočet rozměrů cívky. Tím se také
přepočítá indukčnost cívky.

Použijte číslo, které dává počet závitů,
s nímž systém fungoval. Pak OK
a ULOŽIT.</translation>
    </message>
    <message>
        <source>Phasing Coil Specifications</source>
        <translation>Parametry fázovací cívky</translation>
    </message>
    <message>
        <source>General Help File</source>
        <translation>Obecný soubor nápovědy</translation>
    </message>
    <message>
        <source>The various components that make up the YQ Star version are listed on the right for clarification of the terms used on the design page. You must refer to Brannoc&apos;s YQ Design Book (downloadable from the Forum) for a more complete understanding of the YQ Star.</source>
        <translation>Součásti verze YQ Star jsou pro vysvětlení pojmů na stránce návrhu uvedeny vpravo. Pro úplnější pochopení YQ Star je třeba nahlédnout do Brannocovy knihy „YQ Design Book“ (ke stažení z Fóra).</translation>
    </message>
    <message>
        <source>Overall length of antenna is calculated as Cylinder Length * 2, plus Cylinder Diameter * 2, plus the tuning coil length. The Source Coil is not included in the length.</source>
        <translation>Celková délka antény se počítá jako délka válce * 2 plus průměr válce * 2 plus délka ladicí cívky. Napájecí cívka se do délky nezapočítává.</translation>
    </message>
    <message>
        <source>Click to log onto the YQ Forum</source>
        <translation>Klikněte pro přihlášení do Fóra YQ</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>Díly antény YQ Star</translation>
    </message>
    <message>
        <source>   Measurement</source>
        <translation>   Měření</translation>
    </message>
    <message>
        <source>   Simulation</source>
        <translation>   Simulace</translation>
    </message>
    <message>
        <source>The working copy %1 could not be written.|%2</source>
        <translation>Pracovní kopii %1 nelze zapsat.|%2</translation>
    </message>
    <message>
        <source>No spreadsheet program could open %1.</source>
        <translation>Žádný tabulkový procesor nedokázal otevřít %1.</translation>
    </message>
</context>
<context>
    <name>yq::FrequencyPlot</name>
    <message>
        <source>%1 against frequency</source>
        <translation>%1 podle kmitočtu</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Kmitočet (MHz)</translation>
    </message>
    <message>
        <source>Nothing to plot yet.</source>
        <translation>Zatím není co vykreslit.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> pásmo</translation>
    </message>
</context>
<context>
    <name>yq::MainWindow</name>
    <message>
        <source>ZO Duravar Uravaro  Design Calculator V5.091 - YQ Antennas</source>
        <translation>ZO Duravar Uravaro  Návrhový kalkulátor V5.091 - antény YQ</translation>
    </message>
    <message>
        <source>Brannoc Quillet CEO  ZO Duravar Uravaro</source>
        <translation>Brannoc Quillet, ředitel  ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>   Antenna Design</source>
        <translation>   Návrh antény</translation>
    </message>
    <message>
        <source>   Imperial YQ Antenna</source>
        <translation>   Anténa YQ palcová</translation>
    </message>
    <message>
        <source>   Metric YQ antenna</source>
        <translation>   Anténa YQ metrická</translation>
    </message>
    <message>
        <source>   Pictures</source>
        <translation>   Fotografie</translation>
    </message>
    <message>
        <source>    AboutThisProgram</source>
        <translation>    O programu</translation>
    </message>
    <message>
        <source>ZO Duravar Uravaro banner</source>
        <translation>Banner ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>A YQ antenna</source>
        <translation>Anténa YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a van</source>
        <translation>Anténa YQ na dodávce</translation>
    </message>
    <message>
        <source>Portrait of Brannoc Quillet</source>
        <translation>Portrét Brannoca Quilleta</translation>
    </message>
    <message>
        <source>   Users</source>
        <translation>   Uživatelé</translation>
    </message>
</context>
<context>
    <name>yq::MeasurementTab</name>
    <message>
        <source>Open measurement...</source>
        <translation>Otevřít měření...</translation>
    </message>
    <message>
        <source>No measurement opened (Touchstone .s1p, .s2p, .ts or a VNA CSV)</source>
        <translation>Žádné měření (Touchstone .s1p, .s2p, .ts nebo CSV z VNA)</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Navinuto z.:</translation>
    </message>
    <message>
        <source>Turns wound on the tuning coil</source>
        <translation>Závity navinuté na ladicí cívce</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Set the Capacitance Factor whose design winds the turns shown, then ReCalc</source>
        <translation>Nastaví činitel kapacity, jehož návrh dává zobrazené závity, pak ReCalc</translation>
    </message>
    <message>
        <source>Findings and tuning</source>
        <translation>Výsledky a ladění</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Open a measurement</source>
        <translation>Otevřít měření</translation>
    </message>
    <message>
        <source>Open measurement</source>
        <translation>Otevřít měření</translation>
    </message>
    <message>
        <source>Measurements (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;All files (*)</source>
        <translation>Měření (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>Měření %1 neobsahuje použitelné rozmítání: %2</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Nenačteno: %1</translation>
    </message>
    <message>
        <source>The turns wound &quot;%1&quot; are not a number of turns above 0.</source>
        <translation>Navinuté závity &quot;%1&quot; nejsou počet závitů větší než 0.</translation>
    </message>
    <message>
        <source>Apply FAC %1</source>
        <translation>Použít FAC %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tuning coil: wind %1 turns (now %2) for resonance at %3&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Ladicí cívka: naviňte %1 z. (nyní %2) pro rezonanci na %3&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Open the sweep your analyser saved of the finished antenna (S11 at the feed). The tab finds its resonance and the turns for the design frequency.&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Otevřete rozmítání hotové antény uložené analyzátorem (S11 v napájecím bodě). Karta najde její rezonanci a počet závitů pro návrhový kmitočet.&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>SWR (%1 ohm)</source>
        <translation>PSV (%1 ohm)</translation>
    </message>
    <message>
        <source>design %1 MHz</source>
        <translation>návrh %1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>NEC-2 model of this design over the same range: running...</source>
        <translation>Model NEC-2 tohoto návrhu ve stejném rozsahu: probíhá výpočet...</translation>
    </message>
    <message>
        <source>No NEC-2 model beside the measurement: %1</source>
        <translation>Vedle měření není model NEC-2: %1</translation>
    </message>
    <message>
        <source>NEC-2 model (dashed): this design with the tuning coil of %1 turns, over the measured range. %2</source>
        <translation>Model NEC-2 (čárkovaně): tento návrh s ladicí cívkou o %1 z., v měřeném rozsahu. %2</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>změřeno</translation>
    </message>
    <message>
        <source>NEC-2 model</source>
        <translation>Model NEC-2</translation>
    </message>
</context>
<context>
    <name>yq::PicturesWindow</name>
    <message>
        <source>Pictures of YQ Antennas</source>
        <translation>Fotografie antén YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a house roof at dusk</source>
        <translation>Anténa YQ na střeše domu za soumraku</translation>
    </message>
    <message>
        <source>A YQ antenna on a tripod at the beach</source>
        <translation>Anténa YQ na stativu na pláži</translation>
    </message>
    <message>
        <source>Building a YQ antenna on the workbench</source>
        <translation>Stavba antény YQ na pracovním stole</translation>
    </message>
    <message>
        <source>A YQ antenna tested with an antenna analyser</source>
        <translation>Anténa YQ zkoušená anténním analyzátorem</translation>
    </message>
    <message>
        <source>A YQ antenna on a balcony</source>
        <translation>Anténa YQ na balkoně</translation>
    </message>
    <message>
        <source>A portable YQ antenna in the mountains</source>
        <translation>Přenosná anténa YQ v horách</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna</source>
        <translation>Díly antény YQ</translation>
    </message>
    <message>
        <source>A YQ antenna by a house on a winter night</source>
        <translation>Anténa YQ u domu v zimní noci</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>yq::PolarPlot</name>
    <message>
        <source>Pattern</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Elevation (deg)	Gain (dBi)
</source>
        <translation>Elevace (°)	Zisk (dBi)
</translation>
    </message>
    <message>
        <source>No pattern yet.</source>
        <translation>Zatím bez diagramu.</translation>
    </message>
    <message>
        <source>%1 dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Largest gain %1 dBi; centre %2 dBi</source>
        <translation>Největší zisk %1 dBi; střed %2 dBi</translation>
    </message>
</context>
<context>
    <name>yq::ProgressWindow</name>
    <message>
        <source>Process...</source>
        <translation>Zpracovat...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>yq::SendMailWindow</name>
    <message>
        <source>Send email</source>
        <translation>Poslat e-mail</translation>
    </message>
    <message>
        <source>Opening the mail in your mail program...</source>
        <translation>Otevírání zprávy v poštovním programu...</translation>
    </message>
</context>
<context>
    <name>yq::SimulationTab</name>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>The simulation runs when this tab is in front after a ReCalc.</source>
        <translation>Simulace se spustí, když je tato karta po ReCalc v popředí.</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>&amp;Model:</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>standardní</translation>
    </message>
    <message>
        <source>detailed</source>
        <translation>podrobný</translation>
    </message>
    <message>
        <source>standard: thick wires and lumped coils, a fraction of a second; detailed: wire-grid cages and helical coils, some seconds, fewer figures</source>
        <translation>standardní: tlusté dráty a soustředěné cívky, zlomek sekundy; podrobný: klece z drátové mřížky a šroubovicové cívky, několik sekund, méně údajů</translation>
    </message>
    <message>
        <source>Simulation progress</source>
        <translation>Průběh simulace</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušit</translation>
    </message>
    <message>
        <source>Simulate again</source>
        <translation>Simulovat znovu</translation>
    </message>
    <message>
        <source>Export NEC deck...</source>
        <translation>Export souboru NEC...</translation>
    </message>
    <message>
        <source>Save sweep...</source>
        <translation>Uložit rozmítání...</translation>
    </message>
    <message>
        <source>The calculator&apos;s figures beside the NEC-2 model&apos;s</source>
        <translation>Údaje kalkulátoru vedle údajů modelu NEC-2</translation>
    </message>
    <message>
        <source>Frequencies plotted</source>
        <translation>Zobrazené kmitočty</translation>
    </message>
    <message>
        <source>Whole sweep, 0.4 F to 2.5 F</source>
        <translation>Celé rozmítání, 0.4 F až 2.5 F</translation>
    </message>
    <message>
        <source>Around the resonance with the calculated coil</source>
        <translation>Kolem rezonance s vypočtenou cívkou</translation>
    </message>
    <message>
        <source>Around F with the coil for F</source>
        <translation>Kolem F s cívkou pro F</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>SWR on 50 ohm</source>
        <translation>PSV na 50 ohm</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Simulating the design in NEC-2...</source>
        <translation>Simulace návrhu v NEC-2...</translation>
    </message>
    <message>
        <source>NEC-2 %1 model: %2 runs of nec2c in %3 s.</source>
        <translation>Model NEC-2 %1: %2 běhů nec2c za %3 s.</translation>
    </message>
    <message>
        <source>&lt;br&gt;NEC-2 rule not kept: %1</source>
        <translation>&lt;br&gt;Nedodrženo pravidlo NEC-2: %1</translation>
    </message>
    <message>
        <source>Every deck keeps NEC-2&apos;s rules of thumb.</source>
        <translation>Každý soubor dodržuje praktická pravidla NEC-2.</translation>
    </message>
    <message>
        <source>F = %1 MHz</source>
        <translation>F = %1 MHz</translation>
    </message>
    <message>
        <source>Elevation pattern at %1 MHz, %2, axis upright</source>
        <translation>Diagram ve svislé rovině na %1 MHz, %2, osa svisle</translation>
    </message>
    <message>
        <source>coil for F</source>
        <translation>cívka pro F</translation>
    </message>
    <message>
        <source>calculated coil</source>
        <translation>vypočtená cívka</translation>
    </message>
    <message>
        <source>No resonance, no pattern.</source>
        <translation>Bez rezonance, bez diagramu.</translation>
    </message>
    <message>
        <source>NEC decks (*.nec)</source>
        <translation>Soubory NEC (*.nec)</translation>
    </message>
    <message>
        <source>The NEC deck could not be saved as %1.|%2</source>
        <translation>Soubor NEC nelze uložit jako %1.|%2</translation>
    </message>
    <message>
        <source>NEC deck saved to %1.</source>
        <translation>Soubor NEC uložen do %1.</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Touchstone (*.s1p)</source>
        <translation>CSV (*.csv);;Touchstone (*.s1p)</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>Rozmítání nelze uložit jako %1.|%2</translation>
    </message>
    <message>
        <source>Sweep saved to %1.</source>
        <translation>Rozmítání uloženo do %1.</translation>
    </message>
</context>
<context>
    <name>yq::SmithChart</name>
    <message>
        <source>Smith chart</source>
        <translation>Smithův diagram</translation>
    </message>
    <message>
        <source>Series	Frequency (MHz)	R (ohm)	X (ohm)	Reflection (re)	Reflection (im)
</source>
        <translation>Řada	Kmitočet (MHz)	R (ohm)	X (ohm)	Odraz (re)	Odraz (im)
</translation>
    </message>
    <message>
        <source>Copy points</source>
        <translation>Kopírovat body</translation>
    </message>
    <message>
        <source>Smith chart, %1 ohm</source>
        <translation>Smithův diagram, %1 ohm</translation>
    </message>
</context>
<context>
    <name>yq::SweepPlot</name>
    <message>
        <source>Sweep plot</source>
        <translation>Graf rozmítání</translation>
    </message>
    <message>
        <source>Choose an input and its range, then Sweep.</source>
        <translation>Vyberte vstup a jeho rozsah, pak Rozmítat.</translation>
    </message>
    <message>
        <source>Tick at least one output to plot.</source>
        <translation>Zaškrtněte výstup pro graf.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> pásmo</translation>
    </message>
    <message>
        <source>      dashed line: this design, %1</source>
        <translation>      čárkovaně: tento návrh, %1</translation>
    </message>
</context>
<context>
    <name>yq::UserForm</name>
    <message>
        <source>Record Will Be Added</source>
        <translation>Záznam bude přidán</translation>
    </message>
    <message>
        <source>Record Will Be Changed</source>
        <translation>Záznam bude změněn</translation>
    </message>
    <message>
        <source>View Record</source>
        <translation>Zobrazit záznam</translation>
    </message>
    <message>
        <source>&amp;Name &amp;&amp; Call:</source>
        <translation>&amp;Jméno &amp;&amp; značka:</translation>
    </message>
    <message>
        <source>Name &amp; Call</source>
        <translation>Jméno &amp; značka</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Update the yq1 File</source>
        <translation>Aktualizovat soubor yq1</translation>
    </message>
    <message>
        <source>Enter in your Name and Call</source>
        <translation>Zadejte své jméno a volací značku</translation>
    </message>
</context>
<context>
    <name>yq::UserListWindow</name>
    <message>
        <source>User</source>
        <translation>Uživatel</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Uživatelé</translation>
    </message>
    <message>
        <source>Browsing Records</source>
        <translation>Procházení záznamů</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Vybrat</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Přidat</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Změnit</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Odstranit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Browse the User File</source>
        <translation>Procházet soubor uživatelů</translation>
    </message>
</context>
</TS>
