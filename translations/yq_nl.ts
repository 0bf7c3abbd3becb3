<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>BuildSheet</name>
    <message>
        <source>No scale: the design has no dimensions yet</source>
        <translation>Geen schaal: het ontwerp heeft nog geen maten</translation>
    </message>
    <message>
        <source>Scale 1 : %1</source>
        <translation>Schaal 1 : %1</translation>
    </message>
    <message>
        <source>Scale %1 : 1</source>
        <translation>Schaal %1 : 1</translation>
    </message>
    <message>
        <source>YQ Antenna Build Sheet</source>
        <translation>YQ-antenne – bouwtekening</translation>
    </message>
    <message>
        <source>Designed for %1 MHz</source>
        <translation>Ontworpen voor %1 MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in mm</source>
        <translation>Alle lengtematen in mm</translation>
    </message>
    <message>
        <source>All linear measurements are in inches</source>
        <translation>Alle lengtematen in inches</translation>
    </message>
    <message>
        <source>Design: %1</source>
        <translation>Ontwerp: %1</translation>
    </message>
    <message>
        <source>Upper cylinder %1</source>
        <translation>Bovenste cilinder %1</translation>
    </message>
    <message>
        <source>Cylinder spacing %1</source>
        <translation>Cilinderafstand %1</translation>
    </message>
    <message>
        <source>Lower cylinder %1</source>
        <translation>Onderste cilinder %1</translation>
    </message>
    <message>
        <source>Spacing to coil %1</source>
        <translation>Afstand tot spoel %1</translation>
    </message>
    <message>
        <source>Tuning coil %1</source>
        <translation>Afstemspoel %1</translation>
    </message>
    <message>
        <source>Source coil %1</source>
        <translation>Voedingsspoel %1</translation>
    </message>
    <message>
        <source>Overall %1</source>
        <translation>Totaal %1</translation>
    </message>
    <message>
        <source>source coil not included</source>
        <translation>zonder voedingsspoel</translation>
    </message>
    <message>
        <source>Cylinder %1 dia.</source>
        <translation>Diam. cilinder %1</translation>
    </message>
    <message>
        <source>Phasing coil %1 dia.</source>
        <translation>Diam. fasespoel %1</translation>
    </message>
    <message>
        <source>PCNT %1 turns, LPW %2 %3 of wire</source>
        <translation>PCNT %1 wdg., LPW %2 %3 draad</translation>
    </message>
    <message>
        <source>(coil and leads; wound length open)</source>
        <translation>(spoel en aansluitdraden; wikkellengte vrij)</translation>
    </message>
    <message>
        <source>Tuning coil %1 dia.</source>
        <translation>Diam. afstemspoel %1</translation>
    </message>
    <message>
        <source>NT %1 turns at SP %2 %3</source>
        <translation>NT %1 wdg. bij SP %2 %3</translation>
    </message>
    <message>
        <source>Source coil %1 dia.</source>
        <translation>Diam. voedingsspoel %1</translation>
    </message>
    <message>
        <source>SCT %1 turns, at the feed</source>
        <translation>SCT %1 wdg., aan het voedingspunt</translation>
    </message>
    <message>
        <source>cylinder length</source>
        <translation>cilinderlengte</translation>
    </message>
    <message>
        <source>cylinder spacing</source>
        <translation>cilinderafstand</translation>
    </message>
    <message>
        <source>spacing to the tuning coil</source>
        <translation>afstand tot de afstemspoel</translation>
    </message>
    <message>
        <source>tuning coil length</source>
        <translation>lengte afstemspoel</translation>
    </message>
    <message>
        <source>source coil length</source>
        <translation>lengte voedingsspoel</translation>
    </message>
    <message>
        <source>cylinder diameter</source>
        <translation>cilinderdiameter</translation>
    </message>
    <message>
        <source>phasing coil diameter</source>
        <translation>diam. fasespoel</translation>
    </message>
    <message>
        <source>tuning coil diameter</source>
        <translation>diam. afstemspoel</translation>
    </message>
    <message>
        <source>source coil diameter</source>
        <translation>diam. voedingsspoel</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Voeding</translation>
    </message>
    <message>
        <source>The design has no dimensions yet: calculate it before building.</source>
        <translation>Het ontwerp heeft nog geen maten: bereken het vóór het bouwen.</translation>
    </message>
    <message>
        <source>Not to scale, drawn larger so as to be seen: %1.</source>
        <translation>Niet op schaal, groter getekend om zichtbaar te zijn: %1.</translation>
    </message>
    <message>
        <source>Dashed: the tuning coil&apos;s wires inside the lower cylinder. The wire from the top of the tuning coil runs up the centre of the lower cylinder, the wire from its bottom up the inside edge.</source>
        <translation>Gestreept: de draden van de afstemspoel in de onderste cilinder. De draad van de bovenkant van de afstemspoel loopt door het midden van de onderste cilinder omhoog, de draad van de onderkant langs de binnenwand.</translation>
    </message>
    <message>
        <source>Not set by the design: the phasing coil&apos;s wound length (it sits in the cylinder spacing) and the source coil&apos;s place at the feed; LPW is the whole phasing wire. Windings are drawn as strokes, at most one per 0.02 in of coil: the labels give the turns.</source>
        <translation>Niet door het ontwerp bepaald: de wikkellengte van de fasespoel (die zit in de cilinderafstand) en de plaats van de voedingsspoel aan het voedingspunt; LPW is de hele fasedraad. Windingen zijn als streepjes getekend, hoogstens één per 0.02 in spoel: de labels geven de windingen.</translation>
    </message>
    <message>
        <source>Cut list</source>
        <translation>Zaaglijst</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Cilinders</translation>
    </message>
    <message>
        <source>Non-ferrous tube, outside diameter %1</source>
        <translation>Non-ferro buis, buitendiameter %1</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>%1 per stuk</translation>
    </message>
    <message>
        <source>Tuning coil wire</source>
        <translation>Draad afstemspoel</translation>
    </message>
    <message>
        <source>Wire %1, NT %2 turns at SP %3 %4</source>
        <translation>Draad %1, NT %2 wdg. bij SP %3 %4</translation>
    </message>
    <message>
        <source>on a former of %1, wound length %2</source>
        <translation>op een spoelvorm van %1, wikkellengte %2</translation>
    </message>
    <message>
        <source>Phasing wire</source>
        <translation>Fasedraad</translation>
    </message>
    <message>
        <source>Wire %1, coil of PCNT %2 turns</source>
        <translation>Draad %1, spoel van PCNT %2 wdg.</translation>
    </message>
    <message>
        <source>on a former of %1, in the cylinder spacing</source>
        <translation>op een spoelvorm van %1, in de cilinderafstand</translation>
    </message>
    <message>
        <source>Source coil wire</source>
        <translation>Draad voedingsspoel</translation>
    </message>
    <message>
        <source>Wire %1, SCT %2 turns close wound</source>
        <translation>Draad %1, SCT %2 wdg. dicht gewikkeld</translation>
    </message>
    <message>
        <source>Total wire</source>
        <translation>Totale draad</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Deel</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Material and size</source>
        <translation>Materiaal en maat</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lengte</translation>
    </message>
    <message>
        <source>Nearest wire gauges</source>
        <translation>Naaste draaddiktes</translation>
    </message>
    <message>
        <source>WD (all coils)</source>
        <translation>WD (alle spoelen)</translation>
    </message>
    <message>
        <source>SCWD (source coil)</source>
        <translation>SCWD (voedingsspoel)</translation>
    </message>
    <message>
        <source>Wire</source>
        <translation>Draad</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>Nearest AWG</source>
        <translation>Naaste AWG</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <source>Nearest SWG</source>
        <translation>Naaste SWG</translation>
    </message>
    <message>
        <source>No wire diameter</source>
        <translation>Geen draaddiameter</translation>
    </message>
    <message>
        <source>Print build sheet from queue</source>
        <translation>Bouwtekening uit wachtrij afdrukken</translation>
    </message>
</context>
<context>
    <name>CalcHelp</name>
    <message>
        <source>compute a design: start from a fresh design (every field 0) or --file, store each KEY=VALUE (exact decimal text, rounded half away from zero to the field&apos;s places), run the calculation and print every key</source>
        <translation>een ontwerp berekenen: begin met een nieuw ontwerp (elk veld 0) of --file, sla elke KEY=VALUE op (exacte decimale tekst, afgerond half van nul af op de decimalen van het veld), voer de berekening uit en druk elke sleutel af</translation>
    </message>
    <message>
        <source>one case per line on standard input, one output line (or &quot;error&quot;) per case</source>
        <translation>één geval per regel op standaardinvoer, één uitvoerregel (of &quot;error&quot;) per geval</translation>
    </message>
    <message>
        <source>SAVE in the current folder: write the design file named from F, CD and LD, append its row to YQ.csv, print the design file&apos;s path</source>
        <translation>OPSLAAN in de huidige map: schrijf het ontwerpbestand met de naam uit F, CD en LD, voeg de rij toe aan YQ.csv, druk het pad van het ontwerpbestand af</translation>
    </message>
    <message>
        <source>list the user records of the current folder (the first is printed on reports and written into YQ.csv), add one, or delete one</source>
        <translation>de gebruikersrecords van de huidige map tonen (het eerste wordt op rapporten afgedrukt en in YQ.csv geschreven), er één toevoegen of er één verwijderen</translation>
    </message>
    <message>
        <source>the design report of a design file: as a PDF, or exported as in the e-mail command (Report.RTF, its HTML page and the mail&apos;s draft in VH/ of the current folder, their paths printed)</source>
        <translation>het ontwerprapport van een ontwerpbestand: als PDF, of geëxporteerd zoals bij de e-mailopdracht (Report.RTF, de HTML-pagina en het mailconcept in VH/ van de huidige map, met hun paden afgedrukt)</translation>
    </message>
    <message>
        <source>the build sheet of a design file (the dimensioned drawing and the cut list), calculated as the design window of its unit system does, as one or more of PDF, SVG and PNG</source>
        <translation>de bouwtekening van een ontwerpbestand (de gemaatvoerde tekening en de zaaglijst), berekend zoals het ontwerpvenster van zijn eenhedenstelsel dat doet, als een of meer van PDF, SVG en PNG</translation>
    </message>
    <message>
        <source>fit the capacitance factor FAC to the tuning coil&apos;s turns NT, or the degrees of phase DPS to the source coil&apos;s turns SCT, of a built antenna (exit status 3 when no value comes within half a turn; the nearest is printed)</source>
        <translation>de capaciteitsfactor FAC aanpassen aan de windingen NT van de afstemspoel, of de fasehoek DPS aan de windingen SCT van de voedingsspoel, van een gebouwde antenne (afsluitstatus 3 als geen waarde binnen een halve winding komt; de dichtstbijzijnde wordt afgedrukt)</translation>
    </message>
    <message>
        <source>read an analyser&apos;s sweep of the built antenna (Touchstone .s1p, .s2p, .ts or a VNA program&apos;s CSV), find its series resonance, least SWR and 2:1 SWR bandwidth, and give the tuning coil&apos;s turns for the design frequency with the capacitance factor that fits them (exit status 2 for a bad or damaged file, 3 when it holds no usable sweep)</source>
        <translation>de sweep van een analyser van de gebouwde antenne lezen (Touchstone .s1p, .s2p, .ts of de CSV van een VNA-programma), de serieresonantie, de laagste SWR en de SWR-2:1-bandbreedte vinden, en de windingen van de afstemspoel voor de ontwerpfrequentie geven met de capaciteitsfactor die daarbij past (afsluitstatus 2 bij een fout of beschadigd bestand, 3 als het geen bruikbare sweep bevat)</translation>
    </message>
    <message>
        <source>compute the design for each value of one input over a range, one CSV row per value</source>
        <translation>het ontwerp berekenen voor elke waarde van één invoer over een bereik, één CSV-rij per waarde</translation>
    </message>
    <message>
        <source>convert a design file between inches and millimetres and save it under the other unit system&apos;s name in the current folder</source>
        <translation>een ontwerpbestand omrekenen tussen inches en millimeters en opslaan onder de naam van het andere eenhedenstelsel in de huidige map</translation>
    </message>
    <message>
        <source>simulate the design in NEC-2 (runs nec2c) and print the calculator&apos;s figures beside the model&apos;s: the series resonance, the coil the model needs at F, the impedance, Q, bandwidths, SWR, efficiency and gain; csv and s1p print the sweep (Touchstone S11 against 50 ohm); exit status 1 when nec2c is missing or fails</source>
        <translation>het ontwerp simuleren in NEC-2 (start nec2c) en de waarden van de calculator naast die van het model afdrukken: de serieresonantie, de spoel die het model bij F nodig heeft, de impedantie, Q, bandbreedtes, SWR, rendement en winst; csv en s1p drukken de sweep af (Touchstone S11 tegen 50 ohm); afsluitstatus 1 als nec2c ontbreekt of faalt</translation>
    </message>
    <message>
        <source>yq-calc --batch [--format FORMAT]</source>
        <translation>yq-calc --batch [--format FORMAT]</translation>
    </message>
    <message>
        <source>Computes YQ antenna designs with the calculation of the design windows, without the windows: one design from the command line, many from standard input, and the windows&apos; SAVE, user list, report, build sheet and design tools.</source>
        <translation>Berekent YQ-antenneontwerpen met de berekening van de ontwerpvensters, zonder de vensters: één ontwerp vanaf de opdrachtregel, vele vanaf standaardinvoer, en OPSLAAN, gebruikerslijst, rapport, bouwtekening en ontwerptools van de vensters.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>the design is in millimetres (the Metric design window)</source>
        <translation>het ontwerp is in millimeters (het metrische ontwerpvenster)</translation>
    </message>
    <message>
        <source>start from a design file, read as a design window reads it (a warning when its unit system is the other one)</source>
        <translation>begin met een ontwerpbestand, gelezen zoals een ontwerpvenster het leest (een waarschuwing als het eenhedenstelsel het andere is)</translation>
    </message>
    <message>
        <source>run the full calculation N times (default 1; 0 only stores the values)</source>
        <translation>de volledige berekening N keer uitvoeren (standaard 1; 0 slaat alleen de waarden op)</translation>
    </message>
    <message>
        <source>run only the named partial recalculation of a window field instead of the full one: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</source>
        <translation>alleen de genoemde deelberekening van een vensterveld uitvoeren in plaats van de volledige: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</translation>
    </message>
    <message>
        <source>how the design is printed: line (the default: every key as KEY=value on one line), table (one quantity a line with the window&apos;s label, its value in the window&apos;s picture and its unit, in the window&apos;s order), json (an object of every key with its exact decimal text as a string) or csv (the title row and the row of the results table YQ.csv)</source>
        <translation>hoe het ontwerp wordt afgedrukt: line (standaard: elke sleutel als KEY=value op één regel), table (één grootheid per regel met het label van het venster, de waarde in het formaat van het venster en de eenheid, in de volgorde van het venster), json (een object met elke sleutel en zijn exacte decimale tekst als string) of csv (de titelrij en de rij van de resultatentabel YQ.csv)</translation>
    </message>
    <message>
        <source>the language of the help and the messages: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>de taal van de help en de meldingen: en, de, ja, ru, it, es, pl, pt_BR, fr, cs of nl (standaard: die van de desktop, uit LANGUAGE, LC_ALL, LC_MESSAGES of LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>deze hulp tonen en afsluiten</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>de versie tonen en afsluiten</translation>
    </message>
    <message>
        <source>Report options</source>
        <translation>Rapportopties</translation>
    </message>
    <message>
        <source>write the report as a PDF file</source>
        <translation>het rapport als PDF-bestand schrijven</translation>
    </message>
    <message>
        <source>write Report.RTF, the HTML page and the mail&apos;s draft into VH/</source>
        <translation>Report.RTF, de HTML-pagina en het mailconcept naar VH/ schrijven</translation>
    </message>
    <message>
        <source>the print date on the report (default today)</source>
        <translation>de afdrukdatum op het rapport (standaard vandaag)</translation>
    </message>
    <message>
        <source>Simulate options</source>
        <translation>Simulatieopties</translation>
    </message>
    <message>
        <source>the NEC-2 model: standard (thick wires for the cylinders, lumped coils)</source>
        <translation>het NEC-2-model: standard (dikke draden voor de cilinders, geconcentreerde spoelen)</translation>
    </message>
    <message>
        <source>the detailed model (wire-grid cages, helical coils, the leads; some seconds, progress on a terminal&apos;s standard error, Ctrl+C stops it): only the resonance, radiation resistance, gain and efficiency</source>
        <translation>het gedetailleerde model (draadroosterkooien, schroefspoelen, de aansluitdraden; enkele seconden, voortgang op standaardfout van een terminal, Ctrl+C stopt het): alleen de resonantie, stralingsweerstand, winst en rendement</translation>
    </message>
    <message>
        <source>table (the default), json, csv (the sweep) or s1p (the sweep as Touchstone)</source>
        <translation>table (standaard), json, csv (de sweep) of s1p (de sweep als Touchstone)</translation>
    </message>
    <message>
        <source>also write the model&apos;s NEC deck, which NEC-2 programs open</source>
        <translation>ook het NEC-deck van het model schrijven, dat NEC-2-programma&apos;s openen</translation>
    </message>
    <message>
        <source>Build sheet options</source>
        <translation>Opties bouwtekening</translation>
    </message>
    <message>
        <source>write the build sheet as a PDF file</source>
        <translation>de bouwtekening als PDF-bestand schrijven</translation>
    </message>
    <message>
        <source>write it as an SVG drawing</source>
        <translation>als SVG-tekening schrijven</translation>
    </message>
    <message>
        <source>write it as a PNG picture</source>
        <translation>als PNG-afbeelding schrijven</translation>
    </message>
    <message>
        <source>Exit status:
  0   success
  1   a file could not be read or written; in --batch, a line could not be
      computed (it prints &quot;error&quot;, the other lines are computed)
  2   bad input (unknown key or option, a value that is no decimal number);
      the message names it on standard error</source>
        <translation>Afsluitstatus:
  0   succes
  1   een bestand kon niet worden gelezen of geschreven; bij --batch kon een regel niet
      worden berekend (die drukt &quot;error&quot; af, de andere regels worden berekend)
  2   foute invoer (onbekende sleutel of optie, een waarde die geen decimaal getal is);
      de melding op standaardfout noemt hem</translation>
    </message>
</context>
<context>
    <name>CalcMessages</name>
    <message>
        <source>build-sheet needs --pdf, --svg or --png</source>
        <translation>build-sheet vereist --pdf, --svg of --png</translation>
    </message>
    <message>
        <source>design file not found: %1</source>
        <translation>ontwerpbestand niet gevonden: %1</translation>
    </message>
    <message>
        <source>the design file %1</source>
        <translation>het ontwerpbestand %1</translation>
    </message>
    <message>
        <source>the build sheet needs a GUI application object</source>
        <translation>de bouwtekening vereist een GUI-toepassingsobject</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>gebruik: %1</translation>
    </message>
    <message>
        <source>invalid run count &apos;%1&apos;</source>
        <translation>ongeldig aantal runs &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1...&apos; (%2 characters)</source>
        <translation>&apos;%1...&apos; (%2 tekens)</translation>
    </message>
    <message>
        <source>value of %1 is not a decimal number: %2</source>
        <translation>waarde van %1 is geen decimaal getal: %2</translation>
    </message>
    <message>
        <source>value of %1 is too large for any field (more than %2 digits before the point): %3</source>
        <translation>waarde van %1 is te groot voor elk veld (meer dan %2 cijfers voor de punt): %3</translation>
    </message>
    <message>
        <source>expected KEY=VALUE, got &apos;%1&apos;</source>
        <translation>KEY=VALUE verwacht, kreeg &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos;</source>
        <translation>onbekende sleutel &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>optie &apos;%1&apos; vereist een waarde</translation>
    </message>
    <message>
        <source>option &apos;--file&apos; needs a path</source>
        <translation>optie &apos;--file&apos; vereist een pad</translation>
    </message>
    <message>
        <source>unknown partial recalculation &apos;%1&apos;</source>
        <translation>onbekende deelberekening &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a design file</source>
        <translation>&apos;%1&apos; is een map, geen ontwerpbestand</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; not found</source>
        <translation>ontwerpbestand &apos;%1&apos; niet gevonden</translation>
    </message>
    <message>
        <source>&apos;--batch&apos; takes no other arguments</source>
        <translation>&apos;--batch&apos; neemt geen andere argumenten</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>waarschuwing: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>value of %1 does not fit its field: %2 (%1 holds -%3 to %3)</source>
        <translation>waarde van %1 past niet in zijn veld: %2 (%1 bevat -%3 tot %3)</translation>
    </message>
    <message>
        <source>the design file&apos;s value of %1 does not fit its field and was cut to what the field holds</source>
        <translation>de waarde van %1 in het ontwerpbestand past niet in zijn veld en is ingekort tot wat het veld bevat</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>the design file&apos;s values of %1 do not fit their fields and were cut to what the field holds</source>
        <translation>de waarden van %1 in het ontwerpbestand passen niet in hun velden en zijn ingekort tot wat het veld bevat</translation>
    </message>
    <message>
        <source>&apos;save&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;save&apos; neemt geen &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>the design file %1 could not be written: %2</source>
        <translation>het ontwerpbestand %1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>the results row could not be written: %1</source>
        <translation>de resultatenrij kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>no user record &apos;%1&apos;</source>
        <translation>geen gebruikersrecord &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--format&apos; needs a value</source>
        <translation>optie &apos;--format&apos; vereist een waarde</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (line, table, json or csv)</source>
        <translation>onbekend formaat &apos;%1&apos; (line, table, json of csv)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>onverwacht argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a design file</source>
        <translation>%1 vereist een ontwerpbestand</translation>
    </message>
    <message>
        <source>invalid date &apos;%1&apos; (expected YYYY-MM-DD)</source>
        <translation>ongeldige datum &apos;%1&apos; (verwacht: YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>report needs --pdf OUT.pdf or --export</source>
        <translation>report vereist --pdf OUT.pdf of --export</translation>
    </message>
    <message>
        <source>the report needs a GUI application object</source>
        <translation>het rapport vereist een GUI-toepassingsobject</translation>
    </message>
    <message>
        <source>&apos;--model&apos; needs standard or detailed</source>
        <translation>&apos;--model&apos; vereist standard of detailed</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table, json, csv or s1p</source>
        <translation>&apos;--format&apos; vereist table, json, csv of s1p</translation>
    </message>
    <message>
        <source>&apos;--deck&apos; needs a file name</source>
        <translation>&apos;--deck&apos; vereist een bestandsnaam</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;simulate&apos; neemt één ontwerpbestand, kreeg ook &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; needs a design file</source>
        <translation>&apos;simulate&apos; vereist een ontwerpbestand</translation>
    </message>
    <message>
        <source>unknown model &apos;%1&apos;</source>
        <translation>onbekend model &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>onbekend formaat &apos;%1&apos;</translation>
    </message>
    <message>
        <source>detailed model, %1 % done</source>
        <translation>gedetailleerd model, %1 % klaar</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;%1&apos; neemt geen &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--runs&apos;</source>
        <translation>&apos;%1&apos; neemt geen &apos;--runs&apos;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; needs NT=&lt;turns&gt; or SCT=&lt;turns&gt;</source>
        <translation>&apos;fit&apos; vereist NT=&lt;turns&gt; of SCT=&lt;turns&gt;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; takes one target, got &apos;%1&apos; as well</source>
        <translation>&apos;fit&apos; neemt één doel, kreeg ook &apos;%1&apos;</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not a decimal number</source>
        <translation>windingen &apos;%1&apos; in &apos;%2&apos; zijn geen decimaal getal</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not above 0</source>
        <translation>windingen &apos;%1&apos; in &apos;%2&apos; zijn niet groter dan 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is what the fit finds; leave it out</source>
        <translation>&apos;%1&apos; is wat de aanpassing vindt; laat het weg</translation>
    </message>
    <message>
        <source>no %1 from %2 to %3 gives %4 within half a turn of %5; the nearest, %1=%6, gives %4=%7</source>
        <translation>geen %1 van %2 tot %3 geeft %4 binnen een halve winding van %5; de dichtstbijzijnde, %1=%6, geeft %4=%7</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; needs KEY=FROM:TO:STEP</source>
        <translation>&apos;sweep&apos; vereist KEY=FROM:TO:STEP</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; varies one input, got &apos;%1&apos; as well</source>
        <translation>&apos;sweep&apos; varieert één invoer, kreeg ook &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--to&apos; needs &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>optie &apos;--to&apos; vereist &apos;metric&apos; of &apos;imperial&apos;</translation>
    </message>
    <message>
        <source>&apos;--to %1&apos;: expected &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>&apos;--to %1&apos;: &apos;metric&apos; of &apos;imperial&apos; verwacht</translation>
    </message>
    <message>
        <source>&apos;convert&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;convert&apos; neemt één ontwerpbestand, kreeg ook &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs a design file</source>
        <translation>&apos;convert&apos; vereist een ontwerpbestand</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs &apos;--to metric&apos; or &apos;--to imperial&apos;</source>
        <translation>&apos;convert&apos; vereist &apos;--to metric&apos; of &apos;--to imperial&apos;</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; declares the unit system %2, neither Imperial (0) nor Metric (1)</source>
        <translation>ontwerpbestand &apos;%1&apos; vermeldt eenhedenstelsel %2, noch inch (0) noch metrisch (1)</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already a Metric design</source>
        <translation>ontwerpbestand &apos;%1&apos; is al een metrisch ontwerp</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already an Imperial design</source>
        <translation>ontwerpbestand &apos;%1&apos; is al een inch-ontwerp</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table or json</source>
        <translation>&apos;--format&apos; vereist table of json</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs the turns wound</source>
        <translation>&apos;--wound&apos; vereist de gewikkelde windingen</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs a number of turns above 0, got &apos;%1&apos;</source>
        <translation>&apos;--wound&apos; vereist een aantal windingen boven 0, kreeg &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;tune&apos; needs a design file and a measurement</source>
        <translation>&apos;tune&apos; vereist een ontwerpbestand en een meting</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>De meting %1 bevat geen bruikbare sweep: %2</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>kan %1 niet uitvoeren: %2</translation>
    </message>
    <message>
        <source>the page commands need %1, which is not installed (looked for %2 and %3)</source>
        <translation>de pagina-opdrachten vereisen %1, dat niet is geïnstalleerd (gezocht naar %2 en %3)</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>Enter the Centre Frequency in Megahertz. 
Maximum of 3 decimal points.</source>
        <translation>Voer de middenfrequentie in megahertz in. 
Maximaal 3 decimalen.</translation>
    </message>
    <message>
        <source>Enter the outside diameter of the cylinder in inches</source>
        <translation>Voer de buitendiameter van de cilinder in inches in</translation>
    </message>
    <message>
        <source>The L/D Ratio and the Diameter are used to
calculate the primary Capacitance in pfd, the
reactance in Ohms, the 3db bandwidth and the
&apos;Q&apos; of the antenna.</source>
        <translation>De L/D-verhouding en de diameter worden gebruikt
om de primaire capaciteit in pF, de reactantie
in ohm, de 3dB-bandbreedte en de &apos;Q&apos; van de
antenne te berekenen.</translation>
    </message>
    <message>
        <source>Measured bandwidth in kHz is the 2:1 VSWR
reading either side of the minimum VSWR.</source>
        <translation>De gemeten bandbreedte in kHz is de afstand tussen de
SWR-2:1-punten aan weerszijden van het SWR-minimum.</translation>
    </message>
    <message>
        <source>An option to calculate the source Coil Inductance
based on the amount of phase shift. Initial setting
is 6 degrees similar to the Phase Coil. When you 
have your antenna working, enter in a value to
generate the completed number of turns in the 
source Coil.</source>
        <translation>Een optie om de zelfinductie van de voedingsspoel
te berekenen uit de faseverschuiving. Beginwaarde
is 6 graden, net als bij de fasespoel. Als uw 
antenne werkt, voer dan een waarde in om
het definitieve aantal windingen van de 
voedingsspoel te bepalen.</translation>
    </message>
    <message>
        <source>Normally the same diameter as the Tuning Coil. 
However, you may vary to suit.</source>
        <translation>Normaal dezelfde diameter als de afstemspoel. 
U kunt hem echter aanpassen.</translation>
    </message>
    <message>
        <source>Close wound coils are usually spaced the same
diameter as the wire diameter.</source>
        <translation>Dicht gewikkelde spoelen hebben meestal een spoed
gelijk aan de draaddiameter.</translation>
    </message>
    <message>
        <source>Factor divided the ratio of Cylinder length to coil length
by 2 then applies the factor you specify. Click on
the Recalc Button to apply.</source>
        <translation>De factor deelt de verhouding van cilinderlengte tot spoellengte
door 2 en past dan de door u opgegeven factor toe. Klik op
de knop ReCalc om hem toe te passen.</translation>
    </message>
    <message>
        <source>To calculate the size correctly we need to click 
this field to regenerate the inductance and 
re-calculate the coil size.</source>
        <translation>Om de maat juist te berekenen moet u op 
dit veld klikken om de zelfinductie opnieuw te bepalen 
en de spoelmaat opnieuw te berekenen.</translation>
    </message>
</context>
<context>
    <name>DesignText</name>
    <message>
        <source>Just follow the prompts. On each entry field there is a popup to tell about the field. After entering the wire size and spacing, click on the ReCalc button. This causes a looping through several calculations to get the final coil inductance and size. After making and testing your antenna, if you find that the coil turns generated are different to what you have found to provide maximum output with lowest VSWR, then change the Factor field until you get the number of turns on your completed antenna. Initially this will a factor of 2. Use decimal points to get to the closest number of turns. Email this information to me from the main form, bottom left.The above information is required to get a truer picture of the factor we need to use to get the final release of this programme accurate. It is a chicken before the egg situation. Initially we do not know the size of the inductance required for resonance, so we insert a guestimate. Then we refine it by setting a factor. This then gives us the correct inductance, coil length and number of turns. So we need your help to complete the final project.</source>
        <translation>Volg gewoon de aanwijzingen. Bij elk invoerveld verschijnt een venstertje dat het veld uitlegt. Klik na het invoeren van draaddikte en spoed op de knop ReCalc. Daarmee wordt een reeks berekeningen doorlopen die de uiteindelijke zelfinductie en maat van de spoel oplevert. Merkt u na het bouwen en testen van uw antenne dat de berekende windingen afwijken van wat bij de laagste SWR het meeste vermogen geeft, wijzig dan het veld Factor tot u het aantal windingen van uw voltooide antenne krijgt. In het begin is de factor 2. Gebruik decimalen om zo dicht mogelijk bij het aantal windingen te komen. Mail deze informatie naar mij vanuit het hoofdformulier, linksonder. Deze informatie is nodig om een beter beeld te krijgen van de factor die we moeten gebruiken om de definitieve versie van dit programma nauwkeurig te maken. Het is de kip-of-het-ei-situatie. In het begin kennen we de voor resonantie benodigde zelfinductie niet, dus vullen we een schatting in. Daarna verfijnen we die met een factor. Dat geeft de juiste zelfinductie, spoellengte en het aantal windingen. We hebben dus uw hulp nodig om het project af te ronden.</translation>
    </message>
    <message>
        <source>YQ Design Calculator</source>
        <translation>YQ-ontwerpcalculator</translation>
    </message>
    <message>
        <source>Choose File to Open</source>
        <translation>Kies het te openen bestand</translation>
    </message>
    <message>
        <source>Invalid figure. Valid values are between|1 and 99. Please re-enter</source>
        <translation>Ongeldige waarde. Geldige waarden liggen tussen|1 en 99. Voer opnieuw in</translation>
    </message>
    <message>
        <source>You are printing a metric|antenna. Measurements will default to mm.</source>
        <translation>U drukt een metrische|antenne af. Maten worden standaard in mm.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 kon niet worden geschreven</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Er is geen bestandsnaam opgegeven.</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>%1 kon niet worden gelezen</translation>
    </message>
    <message>
        <source>the path is longer than %1 characters</source>
        <translation>het pad is langer dan %1 tekens</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 kon niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>the results file %1 could not be opened</source>
        <translation>het resultatenbestand %1 kon niet worden geopend</translation>
    </message>
    <message>
        <source>the results file %1 could not be locked</source>
        <translation>het resultatenbestand %1 kon niet worden vergrendeld</translation>
    </message>
    <message>
        <source>the results file %1 is in use by another program</source>
        <translation>het resultatenbestand %1 is in gebruik door een ander programma</translation>
    </message>
    <message>
        <source>the results file %1 could not be read</source>
        <translation>het resultatenbestand %1 kon niet worden gelezen</translation>
    </message>
    <message>
        <source> (the file may end in a partial line)</source>
        <translation> (het bestand eindigt mogelijk met een onvolledige regel)</translation>
    </message>
    <message>
        <source>the results row could not be written to %1</source>
        <translation>de resultatenrij kon niet worden geschreven naar %1</translation>
    </message>
    <message>
        <source>the results row was added to %1 but could not be flushed to disk: %2</source>
        <translation>de resultatenrij is toegevoegd aan %1 maar kon niet naar schijf worden weggeschreven: %2</translation>
    </message>
    <message>
        <source>The design file %1 could not be written.</source>
        <translation>Het ontwerpbestand %1 kon niet worden geschreven.</translation>
    </message>
    <message>
        <source>The design was saved, but the results row could not be written:|%1</source>
        <translation>Het ontwerp is opgeslagen, maar de resultatenrij kon niet worden geschreven:|%1</translation>
    </message>
    <message>
        <source>it is locked by another program</source>
        <translation>het is vergrendeld door een ander programma</translation>
    </message>
    <message>
        <source>The user file %1 cannot be read: %2</source>
        <translation>Het gebruikersbestand %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>it holds no user records (not a user file)</source>
        <translation>het bevat geen gebruikersrecords (geen gebruikersbestand)</translation>
    </message>
    <message>
        <source>it is damaged (cut off inside a page)</source>
        <translation>het is beschadigd (afgekapt binnen een pagina)</translation>
    </message>
    <message>
        <source>The name and call sign may not contain control characters (line breaks, tabs).</source>
        <translation>Naam en roepnaam mogen geen stuurtekens bevatten (regeleinden, tabs).</translation>
    </message>
    <message>
        <source>The name and call sign may have at most %1 characters.</source>
        <translation>Naam en roepnaam mogen hoogstens %1 tekens hebben.</translation>
    </message>
    <message>
        <source>The record could not be added: %1</source>
        <translation>Het record kon niet worden toegevoegd: %1</translation>
    </message>
    <message>
        <source>The record could not be changed (it may have been deleted).</source>
        <translation>Het record kon niet worden gewijzigd (het is mogelijk verwijderd).</translation>
    </message>
    <message>
        <source>The record could not be deleted: the user file does not exist.</source>
        <translation>Het record kon niet worden verwijderd: het gebruikersbestand bestaat niet.</translation>
    </message>
    <message>
        <source>The record could not be deleted (it may already be gone).</source>
        <translation>Het record kon niet worden verwijderd (het is mogelijk al weg).</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>Sweep</source>
        <translation>Sweep</translation>
    </message>
    <message>
        <source>Series resonances</source>
        <translation>Serieresonanties</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Serieresonantie</translation>
    </message>
    <message>
        <source>Tuned from</source>
        <translation>Afgestemd op</translation>
    </message>
    <message>
        <source>Impedance there</source>
        <translation>Impedantie daar</translation>
    </message>
    <message>
        <source>Least SWR (50 ohm)</source>
        <translation>Laagste SWR (50 ohm)</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth (50 ohm)</source>
        <translation>SWR-2:1-bandbreedte (50 ohm)</translation>
    </message>
    <message>
        <source>Design frequency</source>
        <translation>Ontwerpfrequentie</translation>
    </message>
    <message>
        <source>Series inductance at the feed</source>
        <translation>Serie-L aan het voedingspunt</translation>
    </message>
    <message>
        <source>Effective capacitance</source>
        <translation>Effectieve capaciteit</translation>
    </message>
    <message>
        <source>Inductance for the design frequency</source>
        <translation>Zelfinductie voor de ontwerpfrequentie</translation>
    </message>
    <message>
        <source>Tuning coil</source>
        <translation>Afstemspoel</translation>
    </message>
    <message>
        <source>Coil length</source>
        <translation>Spoellengte</translation>
    </message>
    <message>
        <source>Wire length</source>
        <translation>Draadlengte</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Capaciteitsfactor</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Meting</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Gelezen</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Afstemming</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Usage: %1</source>
        <translation>Gebruik: %1</translation>
    </message>
    <message>
        <source>  or:  %1</source>
        <translation>  of:  %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Voorbeeld: %1</translation>
    </message>
    <message>
        <source>Licence GPL-2.0-or-later: GNU GPL version 2 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licentie GPL-2.0-or-later: GNU GPL versie 2 of later &lt;https://gnu.org/licenses/gpl.html&gt;.
Dit is vrije software: u mag haar wijzigen en verder verspreiden.
Er is GEEN GARANTIE, voor zover de wet dat toestaat.
</translation>
    </message>
</context>
<context>
    <name>InfoTexts</name>
    <message>
        <source>Welcome to the wonderful world of YQ Antennas. At long last we have achieved what many have said was impossible, the development of a new antenna concept. For 120 years the resonant wire antenna of Hertz has been taken as the only way to build an antenna. We did not accept that, and the YQ antenna concept is the outcome. It offers advantages in every antenna parameter: Small Size, High Efficiency, wide bandwidth, and very low EMI. While developing it we came upon a new development in physics connected with it, and that discovery has in turn led us to a further antenna concept that we hope to present to you soon.</source>
        <translation>Welkom in de wondere wereld van YQ-antennes. Eindelijk hebben we bereikt wat velen onmogelijk noemden: de ontwikkeling van een nieuw antenneconcept. 120 jaar lang gold de resonante draadantenne van Hertz als de enige manier om een antenne te bouwen. Daar legden wij ons niet bij neer, en het YQ-antenneconcept is het resultaat. Het biedt voordelen bij elke antenneparameter: klein formaat, hoog rendement, grote bandbreedte en zeer weinig storing (EMI). Tijdens de ontwikkeling stuitten we op een daarmee verbonden nieuwe ontdekking in de natuurkunde, en die heeft ons op haar beurt naar een verder antenneconcept geleid, dat we u hopelijk binnenkort kunnen presenteren.</translation>
    </message>
    <message>
        <source>Here is the information to allow you to design antennas for various Ham bands. We hope you enjoy this information and the use of the antennas you build. There are an untold number already on the air and many more added every day.</source>
        <translation>Hier vindt u de informatie om antennes voor diverse amateurbanden te ontwerpen. We hopen dat u plezier beleeft aan deze informatie en aan de antennes die u bouwt. Er zijn er al ontelbare in de lucht en er komen er dagelijks veel bij.</translation>
    </message>
    <message>
        <source>Brannoc Quillet has been a radio amateur since his school days, when he built his first crystal receiver from parts of an old telephone. He trained as an electrical engineer and spent many years designing transmitters for broadcast and marine radio. Curious why small antennas were always said to be poor radiators, he began to experiment with short cylinders and coils in his workshop, and from that work the YQ antenna was born. Today he leads ZO Duravar Uravaro, a small company of engineers and radio amateurs who are developing applications of the YQ Antenna.</source>
        <translation>Brannoc Quillet is zendamateur sinds zijn schooltijd, toen hij zijn eerste kristalontvanger bouwde uit onderdelen van een oude telefoon. Hij werd elektrotechnisch ingenieur en ontwierp jarenlang zenders voor omroep en maritieme radio. Nieuwsgierig waarom kleine antennes altijd slechte stralers zouden zijn, begon hij in zijn werkplaats te experimenteren met korte cilinders en spoelen, en uit dat werk ontstond de YQ-antenne. Nu leidt hij ZO Duravar Uravaro, een klein bedrijf van ingenieurs en zendamateurs die toepassingen van de YQ-antenne ontwikkelen.</translation>
    </message>
    <message>
        <source>We present these pictures to show just what is being accomplished around the world with YQ antennas. We will letthe pictures speak for themselves. If you would like your antenna featured email a good clear picture to %1</source>
        <translation>Deze foto&apos;s laten zien wat er wereldwijd met YQ-antennes wordt bereikt. We laten de foto&apos;s voor zich spreken. Wilt u uw antenne hier zien, mail dan een goede, scherpe foto naar %1</translation>
    </message>
    <message>
        <source>Written by our programmer from formulas supplied by Brannoc Quillet. It is a work in progress as we need to get feedback from users like yourself who may have successfully built and used an Yq antenna. We need to know the specifications you </source>
        <translation>Geschreven door onze programmeur op basis van formules van Brannoc Quillet. Het is werk in uitvoering, want we hebben terugkoppeling nodig van gebruikers zoals u die met succes een YQ-antenne hebben gebouwd en gebruikt. We moeten de gegevens kennen die u </translation>
    </message>
    <message>
        <source>used to arrive at a working antenna. Please complete and email the details to us for analysis.</source>
        <translation>hebt gebruikt om tot een werkende antenne te komen. Vul de details in en mail ze ons voor analyse.</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>Enter the Frequency in Megahertz</source>
        <translation>Voer de frequentie in megahertz in</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Radiation Resistance</source>
        <translation>Stralingsweerstand</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Radiation Resistance from measured bandwidth</source>
        <translation>Stralingsweerstand uit gemeten bandbreedte</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter :</source>
        <translation>Cilinderdiameter invoeren :</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter in mm</source>
        <translation>Cilinderdiam. in mm invoeren</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Enter desired Length/Diameter Ratio</source>
        <translation>Gewenste L/D-verhouding invoeren</translation>
    </message>
    <message>
        <source>Calculated Cylinder Capacitance pFd:</source>
        <translation>Berekende cilindercapaciteit pF:</translation>
    </message>
    <message>
        <source>pF</source>
        <translation>pF</translation>
    </message>
    <message>
        <source>Reactance (Xc) in Ohms</source>
        <translation>Reactantie (Xc) in ohm</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>+/- 3dB-bandbreedte in kHz</translation>
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
        <translation>Totale lengte antenne :</translation>
    </message>
    <message>
        <source>Total Length of Antenna in mm:</source>
        <translation>Totale lengte antenne in mm:</translation>
    </message>
    <message>
        <source>Enter Measured Bandwidth in kHz</source>
        <translation>Gemeten bandbreedte in kHz invoeren</translation>
    </message>
    <message>
        <source>Variance in Measured RR</source>
        <translation>Afwijking gemeten RR</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter :</source>
        <translation>Draaddiameter invoeren :</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter in mm</source>
        <translation>Draaddiameter in mm invoeren</translation>
    </message>
    <message>
        <source>Enter Spacing :</source>
        <translation>Spoed invoeren :</translation>
    </message>
    <message>
        <source>Enter Spacing in mm</source>
        <translation>Spoed in mm invoeren</translation>
    </message>
    <message>
        <source>Calculated Turns per Inch</source>
        <translation>Berekende windingen per inch</translation>
    </message>
    <message>
        <source>1/in</source>
        <translation>1/in</translation>
    </message>
    <message>
        <source>Calculated Turns per mm</source>
        <translation>Berekende windingen per mm</translation>
    </message>
    <message>
        <source>1/mm</source>
        <translation>1/mm</translation>
    </message>
    <message>
        <source>Cylinder to Wire Capacitance in pFd</source>
        <translation>Capaciteit cilinder–draad in pF</translation>
    </message>
    <message>
        <source>Estimated Coil Capacitance in pFd</source>
        <translation>Geschatte spoelcapaciteit in pF</translation>
    </message>
    <message>
        <source>Coil Inductance in uH</source>
        <translation>Zelfinductie spoel in uH</translation>
    </message>
    <message>
        <source>uH</source>
        <translation>uH</translation>
    </message>
    <message>
        <source>Number of Turns required</source>
        <translation>Benodigd aantal windingen</translation>
    </message>
    <message>
        <source>turns</source>
        <translation>wdg.</translation>
    </message>
    <message>
        <source>Coil Length :</source>
        <translation>Spoellengte :</translation>
    </message>
    <message>
        <source>Coil Length in mm:</source>
        <translation>Spoellengte in mm:</translation>
    </message>
    <message>
        <source>Length of wire required in Inches</source>
        <translation>Benodigde draadlengte in inches</translation>
    </message>
    <message>
        <source>Length of wire required in mm:</source>
        <translation>Benodigde draadlengte in mm:</translation>
    </message>
    <message>
        <source>Length of cylinder :</source>
        <translation>Cilinderlengte :</translation>
    </message>
    <message>
        <source>Length of cylinder in mm :</source>
        <translation>Cilinderlengte in mm :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter :</source>
        <translation>Spoeldiameter invoeren :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter in mm:</source>
        <translation>Spoeldiameter in mm invoeren:</translation>
    </message>
    <message>
        <source>Length as a % of wave length:</source>
        <translation>Lengte als % van golflengte:</translation>
    </message>
    <message>
        <source>Length of Phasing Wire :</source>
        <translation>Lengte fasedraad :</translation>
    </message>
    <message>
        <source>Length of Phasing Wire</source>
        <translation>Lengte fasedraad</translation>
    </message>
    <message>
        <source>Enter Phasing Coil Diameter:</source>
        <translation>Diam. fasespoel invoeren:</translation>
    </message>
    <message>
        <source>Phasing Coil Turns</source>
        <translation>Wdg. fasespoel</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Capaciteitsfactor</translation>
    </message>
    <message>
        <source>Antenna Efficiency</source>
        <translation>Antennerendement</translation>
    </message>
    <message>
        <source>Loss in DB</source>
        <translation>Verlies in dB</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Wdg. voedingsspoel</translation>
    </message>
    <message>
        <source>Source coil length :</source>
        <translation>Lengte voedingsspoel :</translation>
    </message>
    <message>
        <source>Source coil length in mm</source>
        <translation>Lengte voedingsspoel in mm</translation>
    </message>
    <message>
        <source>Source Coil Inductance in uH</source>
        <translation>Zelfinductie voedingsspoel in uH</translation>
    </message>
    <message>
        <source>Enter Source Coil Diameter:</source>
        <translation>Diam. voedingsspoel invoeren:</translation>
    </message>
    <message>
        <source>Source Coil Wire Length :</source>
        <translation>Draadlengte voedingsspoel :</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Draadlengte voedingsspoel</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter</source>
        <translation>Draaddiam. voedingsspoel</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter in mm</source>
        <translation>Draaddiam. voedingsspoel in mm</translation>
    </message>
    <message>
        <source>Source Coil Reactance at 40ohms</source>
        <translation>Reactantie voedingsspoel bij 40 ohm</translation>
    </message>
    <message>
        <source>Enter Degrees of Phase:</source>
        <translation>Fasehoek invoeren:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>graden</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>unknown language &quot;%1&quot;</source>
        <translation>onbekende taal &quot;%1&quot;</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>kies een van %1</translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation>--lang vereist een taalcode</translation>
    </message>
</context>
<context>
    <name>LaunchCodes</name>
    <message>
        <source>The Operating system is out of memory/resources. File:|</source>
        <translation>Het besturingssysteem heeft geen geheugen/bronnen meer. Bestand:|</translation>
    </message>
    <message>
        <source>Unknown ShellExecute Error occured. File:|</source>
        <translation>Onbekende ShellExecute-fout opgetreden. Bestand:|</translation>
    </message>
    <message>
        <source>The specified file was not found. File:|</source>
        <translation>Het opgegeven bestand is niet gevonden. Bestand:|</translation>
    </message>
    <message>
        <source>The specified path was not found. File:|</source>
        <translation>Het opgegeven pad is niet gevonden. Bestand:|</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file. File:|</source>
        <translation>Het besturingssysteem heeft de toegang tot het opgegeven bestand geweigerd. Bestand:|</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation. File:|</source>
        <translation>Er was onvoldoende geheugen om de bewerking te voltooien. Bestand:|</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32® .exe or error in .exe image). File:|</source>
        <translation>Het .exe-bestand is ongeldig (geen Win32®-.exe of fout in .exe-image). Bestand:|</translation>
    </message>
    <message>
        <source>A sharing violation occurred. File:|</source>
        <translation>Er is een schendingsfout bij het delen opgetreden. Bestand:|</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid. File:|</source>
        <translation>De koppeling van de bestandsnaam is onvolledig of ongeldig. Bestand:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out. File:|</source>
        <translation>De DDE-transactie kon niet worden voltooid omdat de aanvraag een time-out kreeg. Bestand:|</translation>
    </message>
    <message>
        <source>The DDE transaction failed. File:|</source>
        <translation>De DDE-transactie is mislukt. Bestand:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed. File:|</source>
        <translation>De DDE-transactie kon niet worden voltooid omdat er andere DDE-transacties werden verwerkt. Bestand:|</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension. File:|</source>
        <translation>Er is geen toepassing gekoppeld aan de opgegeven bestandsextensie. Bestand:|</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found. File:|</source>
        <translation>De opgegeven DLL (dynamic-link library) is niet gevonden. Bestand:|</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>|File:|%1</source>
        <translation>|Bestand:|%1</translation>
    </message>
    <message>
        <source>The results file was not found.|Each SAVE adds a row to it: save a design first.</source>
        <translation>Het resultatenbestand is niet gevonden.|Elke keer OPSLAAN voegt er een rij aan toe: sla eerst een ontwerp op.</translation>
    </message>
    <message>
        <source>No spreadsheet program is set up to open CSV files.|Install one, or choose the program for CSV files in the desktop&apos;s settings.</source>
        <translation>Er is geen spreadsheetprogramma ingesteld om CSV-bestanden te openen.|Installeer er een, of kies het programma voor CSV-bestanden in de instellingen van de desktop.</translation>
    </message>
    <message>
        <source>The program set up to open CSV files cannot be started:|its desktop entry is missing or invalid.</source>
        <translation>Het programma dat is ingesteld voor CSV-bestanden kan niet worden gestart:|de desktopvermelding ontbreekt of is ongeldig.</translation>
    </message>
    <message>
        <source>Shell Execute Error:</source>
        <translation>Shell Execute-fout:</translation>
    </message>
</context>
<context>
    <name>MailClient</name>
    <message>
        <source>the mail program</source>
        <translation>het mailprogramma</translation>
    </message>
    <message>
        <source>No mail program is registered on this desktop.</source>
        <translation>Op deze desktop is geen mailprogramma geregistreerd.</translation>
    </message>
    <message>
        <source>The registered mail program (%1) cannot be found.</source>
        <translation>Het geregistreerde mailprogramma (%1) is niet te vinden.</translation>
    </message>
    <message>
        <source>%1 cannot take the mail&apos;s HTML body.</source>
        <translation>%1 kan de HTML-tekst van de mail niet overnemen.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments, and cannot take its HTML body.</source>
        <translation>Het mailprogramma heeft de bijlagen van de mail mogelijk niet overgenomen en kan de HTML-tekst niet overnemen.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments.</source>
        <translation>Het mailprogramma heeft de bijlagen van de mail mogelijk niet overgenomen.</translation>
    </message>
    <message>
        <source>The mail program cannot take the mail&apos;s HTML body.</source>
        <translation>Het mailprogramma kan de HTML-tekst van de mail niet overnemen.</translation>
    </message>
    <message>
        <source>The mail program could not be started: %1.</source>
        <translation>Het mailprogramma kon niet worden gestart: %1.</translation>
    </message>
    <message>
        <source>The mail program could not be started: xdg-email is not installed.</source>
        <translation>Het mailprogramma kon niet worden gestart: xdg-email is niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>The mail program could not be started.</source>
        <translation>Het mailprogramma kon niet worden gestart.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>YQ antenna logo</source>
        <translation>YQ-antennelogo</translation>
    </message>
    <message>
        <source>YQ Star antenna: general arrangement with its parts named</source>
        <translation>YQ Star-antenne: algemene opbouw met benoemde onderdelen</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>De onderdelen van de YQ Star-antenne</translation>
    </message>
    <message>
        <source>YQ Antenna Design Calculator banner</source>
        <translation>Banner van de YQ-antenne-ontwerpcalculator</translation>
    </message>
    <message>
        <source>A YQ antenna on a garden mast</source>
        <translation>Een YQ-antenne aan een tuinmast</translation>
    </message>
    <message>
        <source>A YQ antenna mounted on a camper van</source>
        <translation>Een YQ-antenne op een camper</translation>
    </message>
    <message>
        <source>Illustrated portrait: a radio amateur at the radio bench</source>
        <translation>Geïllustreerd portret: een zendamateur aan de radiotafel</translation>
    </message>
    <message>
        <source>A YQ antenna on the roof of a house at sunset</source>
        <translation>Een YQ-antenne op een huisdak bij zonsondergang</translation>
    </message>
    <message>
        <source>A portable YQ antenna on a tripod by the sea</source>
        <translation>Een draagbare YQ-antenne op een statief aan zee</translation>
    </message>
    <message>
        <source>Winding the tuning coil on the workbench</source>
        <translation>De afstemspoel wikkelen op de werkbank</translation>
    </message>
    <message>
        <source>Tuning a YQ antenna with an antenna analyser</source>
        <translation>Een YQ-antenne afstemmen met een antenne-analyser</translation>
    </message>
    <message>
        <source>A YQ antenna on an apartment balcony</source>
        <translation>Een YQ-antenne op een appartementsbalkon</translation>
    </message>
    <message>
        <source>A YQ antenna on a mountain summit</source>
        <translation>Een YQ-antenne op een bergtop</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna laid out on the bench</source>
        <translation>De onderdelen van een YQ-antenne uitgelegd op de werkbank</translation>
    </message>
    <message>
        <source>A YQ antenna on a winter night</source>
        <translation>Een YQ-antenne in een winternacht</translation>
    </message>
    <message>
        <source>YQ program icon</source>
        <translation>YQ-programmapictogram</translation>
    </message>
    <message>
        <source>About icon: radio operator</source>
        <translation>Info-pictogram: radiozendamateur</translation>
    </message>
    <message>
        <source>Hand pointer for links</source>
        <translation>Handaanwijzer voor links</translation>
    </message>
</context>
<context>
    <name>ProgramHelp</name>
    <message>
        <source>The YQ design calculator: design the YQ antenna in inches or millimetres, save designs and the results table YQ.csv in the working folder, print the design report and mail results.

The program opens its main window; the design windows open from its menu. Files are kept in the working folder (the folder of the last design file opened).</source>
        <translation>De YQ-ontwerpcalculator: ontwerp de YQ-antenne in inches of millimeters, sla ontwerpen en de resultatentabel YQ.csv op in de werkmap, druk het ontwerprapport af en mail de resultaten.

Het programma opent zijn hoofdvenster; de ontwerpvensters openen via het menu daarvan. Bestanden staan in de werkmap (de map van het laatst geopende ontwerpbestand).</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>the language of the windows for this run: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>de taal van de vensters voor deze run: en, de, ja, ru, it, es, pl, pt_BR, fr, cs of nl (standaard: die van de desktop, uit LANGUAGE, LC_ALL, LC_MESSAGES of LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>deze hulp tonen en afsluiten</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>de versie tonen en afsluiten</translation>
    </message>
    <message>
        <source>trace the hyperlink service of the design windows on standard error: every line starts with &quot;RazedUveziz: &quot; (registrations, events, the commands run, no browser or mail program found)</source>
        <translation>de hyperlinkdienst van de ontwerpvensters volgen op standaardfout: elke regel begint met &quot;RazedUveziz: &quot; (registraties, gebeurtenissen, uitgevoerde opdrachten, geen browser of mailprogramma gevonden)</translation>
    </message>
    <message>
        <source>trace each failed look-up of the desktop&apos;s browser or mail program (&quot;RegQueryValue: ...&quot;)</source>
        <translation>elke mislukte zoekactie naar de browser of het mailprogramma van de desktop volgen (&quot;RegQueryValue: ...&quot;)</translation>
    </message>
    <message>
        <source>trace the attempts of the per-link handler check (&quot;Tried(...&quot;)</source>
        <translation>de pogingen van de handlercontrole per link volgen (&quot;Tried(...&quot;)</translation>
    </message>
    <message>
        <source>the Qt display plug-in (xcb, wayland, offscreen); Qt&apos;s other options are taken too</source>
        <translation>de Qt-weergaveplug-in (xcb, wayland, offscreen); de overige Qt-opties worden ook aanvaard</translation>
    </message>
    <message>
        <source>The trace switches may be given together and in any case (/hadebug). Traces go
to standard error, never to the screen.

Exit status:
  0   the main window was closed (Shutdown)</source>
        <translation>De traceerschakelaars mogen samen en in elke schrijfwijze worden gegeven (/hadebug). Traces gaan
naar standaardfout, nooit naar het scherm.

Afsluitstatus:
  0   het hoofdvenster is gesloten (Afsluiten)</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>nothing was drawn for %1</source>
        <translation>voor %1 is niets getekend</translation>
    </message>
    <message>
        <source>cannot draw %1</source>
        <translation>kan %1 niet tekenen</translation>
    </message>
    <message>
        <source>it holds no picture (%1 bytes)</source>
        <translation>het bevat geen afbeelding (%1 bytes)</translation>
    </message>
    <message>
        <source>it is cut short (%1 of %2 bytes)</source>
        <translation>het is afgekapt (%1 van %2 bytes)</translation>
    </message>
    <message>
        <source>The page image %1 could not be read</source>
        <translation>De paginaafbeelding %1 kon niet worden gelezen</translation>
    </message>
    <message>
        <source>folder does not exist</source>
        <translation>map bestaat niet</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kan %1 niet schrijven</translation>
    </message>
    <message>
        <source>The report has no pages.</source>
        <translation>Het rapport heeft geen pagina&apos;s.</translation>
    </message>
</context>
<context>
    <name>ReportMail</name>
    <message>
        <source>No mail program is available.</source>
        <translation>Er is geen mailprogramma beschikbaar.</translation>
    </message>
    <message>
        <source>Corvan, my YQ results are attached</source>
        <translation>Corvan, hierbij mijn YQ-resultaten</translation>
    </message>
    <message>
        <source>My Finished YQ Results</source>
        <translation>Mijn definitieve YQ-resultaten</translation>
    </message>
</context>
<context>
    <name>ReportMessages</name>
    <message>
        <source>%1|The report lists its designers from the user file, so it is not printed.|The user file is left as it is.</source>
        <translation>%1|Het rapport vermeldt zijn ontwerpers uit het gebruikersbestand, dus het wordt niet afgedrukt.|Het gebruikersbestand blijft ongewijzigd.</translation>
    </message>
    <message>
        <source>The report document could not be written.|%1|The mail opens without the report.</source>
        <translation>Het rapportdocument kon niet worden geschreven.|%1|De mail opent zonder het rapport.</translation>
    </message>
    <message>
        <source>The report mail could not be prepared.|</source>
        <translation>De rapportmail kon niet worden voorbereid.|</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>These files could not be attached to the mail:|</source>
        <translation>Deze bestanden konden niet aan de mail worden toegevoegd:|</translation>
    </message>
    <message>
        <source>A copy of the mail could not be saved as|%1:|%2</source>
        <translation>Een kopie van de mail kon niet worden opgeslagen als|%1:|%2</translation>
    </message>
    <message>
        <source>%1|The mail is saved as|%2|Open it with your mail program to send it.</source>
        <translation>%1|De mail is opgeslagen als|%2|Open hem met uw mailprogramma om hem te verzenden.</translation>
    </message>
    <message>
        <source>%1|The mail could not be saved as|%2:|%3</source>
        <translation>%1|De mail kon niet worden opgeslagen als|%2:|%3</translation>
    </message>
    <message>
        <source>%1|The complete mail is saved as|%2|Open that one with your mail program to send all of it.</source>
        <translation>%1|De volledige mail is opgeslagen als|%2|Open die met uw mailprogramma om alles te verzenden.</translation>
    </message>
    <message>
        <source>Send email</source>
        <translation>E-mail verzenden</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>YQ *Star* Antenna designed for</source>
        <translation>YQ *Star*-antenne ontworpen voor</translation>
    </message>
    <message>
        <source>Mhz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in</source>
        <translation>Alle lengtematen in</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Cilinders</translation>
    </message>
    <message>
        <source>Tuning Coil</source>
        <translation>Afstemspoel</translation>
    </message>
    <message>
        <source>Phasing Coil</source>
        <translation>Fasespoel</translation>
    </message>
    <message>
        <source>Source Coil</source>
        <translation>Voedingsspoel</translation>
    </message>
    <message>
        <source>Cylinder Diameter</source>
        <translation>Cilinderdiameter</translation>
    </message>
    <message>
        <source>Length to Diameter Ratio</source>
        <translation>Verhouding lengte tot diameter</translation>
    </message>
    <message>
        <source>Cylinder Length</source>
        <translation>Cilinderlengte</translation>
    </message>
    <message>
        <source>Cylinder Spacing</source>
        <translation>Cilinderafstand</translation>
    </message>
    <message>
        <source>Cylinder Capacitance in pFd</source>
        <translation>Cilindercapaciteit in pF</translation>
    </message>
    <message>
        <source>Reactance (XC) Ohms</source>
        <translation>Reactantie (XC) ohm</translation>
    </message>
    <message>
        <source>Radiation Resistance Ohms</source>
        <translation>Stralingsweerstand ohm</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>+/- 3dB-bandbreedte in kHz</translation>
    </message>
    <message>
        <source>Antenna &apos;Q&apos;</source>
        <translation>Antenne-&apos;Q&apos;</translation>
    </message>
    <message>
        <source>Antenna Length inc Coils</source>
        <translation>Antennelengte incl. spoelen</translation>
    </message>
    <message>
        <source>Wire diameter for all Coils</source>
        <translation>Draaddiam. voor alle spoelen</translation>
    </message>
    <message>
        <source>Wire Spacing for Coils</source>
        <translation>Spoed van de spoelen</translation>
    </message>
    <message>
        <source>Tuning Coil Diameter</source>
        <translation>Diameter afstemspoel</translation>
    </message>
    <message>
        <source>Tuning Coil Inductance uH</source>
        <translation>Zelfinductie afstemspoel uH</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <translation>Aantal windingen</translation>
    </message>
    <message>
        <source>Coil Length</source>
        <translation>Spoellengte</translation>
    </message>
    <message>
        <source>Coil Wire Length</source>
        <translation>Draadlengte spoel</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Capaciteitsfactor</translation>
    </message>
    <message>
        <source>Phase Coil diameter</source>
        <translation>Diameter fasespoel</translation>
    </message>
    <message>
        <source>Wire Length</source>
        <translation>Draadlengte</translation>
    </message>
    <message>
        <source>Source Coil Diameter</source>
        <translation>Diam. voedingsspoel</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Wdg. voedingsspoel</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Draadlengte voedingsspoel</translation>
    </message>
    <message>
        <source>Cylinders should be made from non ferrous metals to reduce losses.</source>
        <translation>Cilinders moeten van non-ferrometaal zijn om verliezen te beperken.</translation>
    </message>
    <message>
        <source>Spacing between cylinders is critical to success.</source>
        <translation>De afstand tussen de cilinders is cruciaal voor succes.</translation>
    </message>
    <message>
        <source>Spacing between lower cylinder and top of tuning coil should equal cylinder diameter.</source>
        <translation>De afstand tussen de onderste cilinder en de bovenkant van de afstemspoel moet gelijk zijn aan de cilinderdiameter.</translation>
    </message>
    <message>
        <source>Wire from bottom of Tuning Coil must run up the inside edge of the lower cylinder.</source>
        <translation>De draad van de onderkant van de afstemspoel moet langs de binnenwand van de onderste cilinder omhoog lopen.</translation>
    </message>
    <message>
        <source>Wire from top of Tuning Coil must run up the centre of the lower cylinder.</source>
        <translation>De draad van de bovenkant van de afstemspoel moet door het midden van de onderste cilinder omhoog lopen.</translation>
    </message>
    <message>
        <source>Coil formers (the pipe) should be tested in a microwave oven for heating with RF excitation.</source>
        <translation>Spoelvormen (de buis) moeten in een magnetron worden getest op opwarming door HF.</translation>
    </message>
    <message>
        <source>If it gets hot in the MW then do not use it as it is absorbing RF energy.</source>
        <translation>Wordt hij warm in de magnetron, gebruik hem dan niet: hij absorbeert HF-energie.</translation>
    </message>
    <message>
        <source>When completed the entire antenna should be waterproofed.</source>
        <translation>Na voltooiing moet de hele antenne waterdicht worden gemaakt.</translation>
    </message>
    <message>
        <source>Follow the instructions in Brannoc&apos;s Book on setting up for maximum radiation and minimum VSWR.</source>
        <translation>Volg de instructies in Brannocs boek voor het afregelen op maximale straling en minimale SWR.</translation>
    </message>
    <message>
        <source>Print Date:</source>
        <translation>Afdrukdatum:</translation>
    </message>
    <message>
        <source>Designed By:</source>
        <translation>Ontworpen door:</translation>
    </message>
    <message>
        <source>Print from queue</source>
        <translation>Afdrukken uit wachtrij</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>inch</translation>
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
        <translation>Regel %1 van het deck kan niet worden gelezen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number in the %2 card</source>
        <translation>&quot;%1&quot; is geen getal in de %2-kaart</translation>
    </message>
    <message>
        <source>the %1 card needs %2 numbers</source>
        <translation>de %1-kaart vereist %2 getallen</translation>
    </message>
    <message>
        <source>The deck&apos;s line %1 cannot be checked</source>
        <translation>Regel %1 van het deck kan niet worden gecontroleerd</translation>
    </message>
    <message>
        <source>a GM card that copies or rotates is not read here</source>
        <translation>een GM-kaart die kopieert of roteert wordt hier niet gelezen</translation>
    </message>
    <message>
        <source>The deck asks for no frequency (no FR card).</source>
        <translation>Het deck vraagt geen frequentie (geen FR-kaart).</translation>
    </message>
    <message>
        <source>Wire %1 has no length or no segment; nec2c can run on for ever on it.</source>
        <translation>Draad %1 heeft geen lengte of geen segment; nec2c kan daarop eindeloos doorlopen.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the lowest frequency; NEC-2 wants at least 0.001.</source>
        <translation>Segmenten van draad %1 zijn %2 golflengte lang bij %3 MHz, de laagste frequentie; NEC-2 wil minstens 0.001.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the highest frequency; NEC-2 wants at most 0.1.</source>
        <translation>Segmenten van draad %1 zijn %2 golflengte lang bij %3 MHz, de hoogste frequentie; NEC-2 wil hoogstens 0.1.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 with the extended thin-wire kernel.</source>
        <translation>Segmenten van draad %1 zijn %2 keer hun straal lang; NEC-2 wil minstens %3 met de uitgebreide dunnedraadkernel.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 without EK.</source>
        <translation>Segmenten van draad %1 zijn %2 keer hun straal lang; NEC-2 wil minstens %3 zonder EK.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 lie over the same %3 m; nec2c gives a meaningless impedance for them.</source>
        <translation>Draden %1 en %2 liggen over dezelfde %3 m; nec2c geeft daarvoor een betekenisloze impedantie.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; the extended thin-wire kernel is not valid where the radius changes.</source>
        <translation>Draden %1 en %2 komen samen met stralen die %3 keer verschillen; de uitgebreide dunnedraadkernel geldt niet waar de straal verandert.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; NEC-2 wants at most 5.</source>
        <translation>Draden %1 en %2 komen samen met stralen die %3 keer verschillen; NEC-2 wil hoogstens 5.</translation>
    </message>
    <message>
        <source>The deck has no feed (no EX card).</source>
        <translation>Het deck heeft geen voeding (geen EX-kaart).</translation>
    </message>
    <message>
        <source>The feed is on segment %1 of wire %2, which does not exist.</source>
        <translation>De voeding ligt op segment %1 van draad %2, dat niet bestaat.</translation>
    </message>
    <message>
        <source>NEC-2 detailed model: free space, no feed line, the cylinders as aluminium wire-grid cages, the tuning and phasing coils as copper helices with their leads as the build sheet draws them, the source coil lumped at the feed.</source>
        <translation>Gedetailleerd NEC-2-model: vrije ruimte, geen voedingslijn, de cilinders als draadroosterkooien van aluminium, de afstem- en fasespoel als koperen schroefspoelen met hun aansluitdraden zoals de bouwtekening ze tekent, de voedingsspoel geconcentreerd aan het voedingspunt.</translation>
    </message>
    <message>
        <source>NEC-2 standard model: free space, no feed line, the cylinders as thick aluminium wires, the three coils as one lumped series R + L at the feed from the calculator&apos;s coil values.</source>
        <translation>Standaard NEC-2-model: vrije ruimte, geen voedingslijn, de cilinders als dikke aluminium draden, de drie spoelen als één geconcentreerde serie-R + L aan het voedingspunt uit de spoelwaarden van de calculator.</translation>
    </message>
    <message>
        <source>nec2c cannot be started</source>
        <translation>nec2c kan niet worden gestart</translation>
    </message>
    <message>
        <source>A folder for nec2c cannot be made</source>
        <translation>Er kan geen map voor nec2c worden gemaakt</translation>
    </message>
    <message>
        <source>The deck for nec2c cannot be written</source>
        <translation>Het deck voor nec2c kan niet worden geschreven</translation>
    </message>
    <message>
        <source>nec2c stopped before it finished</source>
        <translation>nec2c stopte voordat het klaar was</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>het is gecrasht</translation>
    </message>
    <message>
        <source>it exited with status %1</source>
        <translation>het eindigde met status %1</translation>
    </message>
    <message>
        <source>nec2c failed</source>
        <translation>nec2c mislukt</translation>
    </message>
    <message>
        <source>nec2c wrote no output</source>
        <translation>nec2c schreef geen uitvoer</translation>
    </message>
    <message>
        <source>deck.out is missing</source>
        <translation>deck.out ontbreekt</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not installed: install it with &quot;sudo apt install nec2c&quot;.</source>
        <translation>De simulatie vereist nec2c, dat niet is geïnstalleerd: installeer het met &quot;sudo apt install nec2c&quot;.</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not at %1.</source>
        <translation>De simulatie vereist nec2c, dat niet aanwezig is op %1.</translation>
    </message>
    <message>
        <source>nec2c was stopped</source>
        <translation>nec2c is gestopt</translation>
    </message>
    <message>
        <source>it ran longer than its limit of %1 ms</source>
        <translation>het liep langer dan de limiet van %1 ms</translation>
    </message>
    <message>
        <source>The simulation was cancelled.</source>
        <translation>De simulatie is geannuleerd.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output cannot be read</source>
        <translation>De uitvoer van nec2c kan niet worden gelezen</translation>
    </message>
    <message>
        <source>it holds more frequencies than the deck&apos;s %1</source>
        <translation>het bevat meer frequenties dan de %1 van het deck</translation>
    </message>
    <message>
        <source>the input parameters of frequency %1 have no line of numbers</source>
        <translation>de ingangsparameters van frequentie %1 hebben geen regel met getallen</translation>
    </message>
    <message>
        <source>the impedance at frequency %1 is not a number</source>
        <translation>de impedantie bij frequentie %1 is geen getal</translation>
    </message>
    <message>
        <source>a radiation pattern has no headings</source>
        <translation>een stralingspatroon heeft geen koppen</translation>
    </message>
    <message>
        <source>it holds %1 of the deck&apos;s %2 frequencies</source>
        <translation>het bevat %1 van de %2 frequenties van het deck</translation>
    </message>
    <message>
        <source>The matched half-power band is wider than the fine sweep.</source>
        <translation>De aangepaste halfvermogensband is breder dan de fijne sweep.</translation>
    </message>
    <message>
        <source>The half-power band on 50 ohm is wider than the fine sweep.</source>
        <translation>De halfvermogensband op 50 ohm is breder dan de fijne sweep.</translation>
    </message>
    <message>
        <source>With the calculated coil the model has no series resonance between 0.4 F and 2.5 F.</source>
        <translation>Met de berekende spoel heeft het model geen serieresonantie tussen 0.4 F en 2.5 F.</translation>
    </message>
    <message>
        <source>nec2c gave no power budget or average gain at the resonance.</source>
        <translation>nec2c gaf geen vermogensbalans of gemiddelde winst bij de resonantie.</translation>
    </message>
    <message>
        <source>The coil for F is not computed in this model.</source>
        <translation>De spoel voor F wordt in dit model niet berekend.</translation>
    </message>
    <message>
        <source>The design has no frequency</source>
        <translation>Het ontwerp heeft geen frequentie</translation>
    </message>
    <message>
        <source>F is 0</source>
        <translation>F is 0</translation>
    </message>
    <message>
        <source>The design has no cylinders</source>
        <translation>Het ontwerp heeft geen cilinders</translation>
    </message>
    <message>
        <source>CD or LD is 0</source>
        <translation>CD of LD is 0</translation>
    </message>
    <message>
        <source>The detailed model needs a tuning coil</source>
        <translation>Het gedetailleerde model vereist een afstemspoel</translation>
    </message>
    <message>
        <source>NT, SP or CCD is 0</source>
        <translation>NT, SP of CCD is 0</translation>
    </message>
    <message>
        <source>No tuning coil resonates the model at F: it needs a series capacitance there.</source>
        <translation>Geen afstemspoel brengt het model bij F in resonantie: er is daar een seriecapaciteit nodig.</translation>
    </message>
    <message>
        <source>With the re-sized coil X does not rise through 0 within 1 % of F.</source>
        <translation>Met de aangepaste spoel stijgt X niet door 0 binnen 1 % van F.</translation>
    </message>
    <message>
        <source>Its segments are down to %1 wavelength at F (NEC-2 wants at least 0.001) and its cages and leads break NEC-2&apos;s rules, so its feed R and X, and the Q, bandwidths and SWR from them, are not valid: it gives the resonance, radiation resistance, gain and efficiency from the far field only.</source>
        <translation>De segmenten zijn bij F tot %1 golflengte klein (NEC-2 wil minstens 0.001) en de kooien en aansluitdraden overtreden de regels van NEC-2, dus R en X aan het voedingspunt en de Q, bandbreedtes en SWR daaruit zijn ongeldig: het geeft de resonantie, stralingsweerstand, winst en het rendement alleen uit het verre veld.</translation>
    </message>
</context>
<context>
    <name>SimulationTable</name>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Serieresonantie</translation>
    </message>
    <message>
        <source>Tuning coil inductance</source>
        <translation>Zelfinductie afstemspoel</translation>
    </message>
    <message>
        <source>Tuning coil turns</source>
        <translation>Wdg. afstemspoel</translation>
    </message>
    <message>
        <source>Series L at the feed</source>
        <translation>Serie-L aan voedingspunt</translation>
    </message>
    <message>
        <source>Feed impedance at F</source>
        <translation>Voedingsimpedantie bij F</translation>
    </message>
    <message>
        <source>R at resonance (RR + WR)</source>
        <translation>R bij resonantie (RR + WR)</translation>
    </message>
    <message>
        <source>Radiation resistance</source>
        <translation>Stralingsweerstand</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Half-power BW, matched</source>
        <translation>3dB-BW, aangepast</translation>
    </message>
    <message>
        <source>2:1 SWR BW, matched</source>
        <translation>SWR-2:1-BW, aangepast</translation>
    </message>
    <message>
        <source>Half-power BW on 50 ohm</source>
        <translation>3dB-BW op 50 ohm</translation>
    </message>
    <message>
        <source>2:1 SWR BW on 50 ohm</source>
        <translation>SWR-2:1-BW op 50 ohm</translation>
    </message>
    <message>
        <source>Lowest SWR on 50 ohm</source>
        <translation>Laagste SWR op 50 ohm</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Rendement</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Verlies</translation>
    </message>
    <message>
        <source>Largest gain</source>
        <translation>Grootste winst</translation>
    </message>
    <message>
        <source>Rule not kept: %1</source>
        <translation>Regel niet nageleefd: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Opmerking: %1</translation>
    </message>
    <message>
        <source>nec2c runs: %1, %2 s</source>
        <translation>nec2c-runs: %1, %2 s</translation>
    </message>
    <message>
        <source>calculator</source>
        <translation>calculator</translation>
    </message>
    <message>
        <source>NEC-2, calculated coil</source>
        <translation>NEC-2, berekende spoel</translation>
    </message>
    <message>
        <source>NEC-2, coil for F</source>
        <translation>NEC-2, spoel voor F</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>ongeldig</translation>
    </message>
    <message>
        <source>not computed</source>
        <translation>niet berekend</translation>
    </message>
</context>
<context>
    <name>Touchstone</name>
    <message>
        <source>The measurement %1 cannot be read</source>
        <translation>De meting %1 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>a control character (byte %1) where only text may stand: this is not a text file</source>
        <translation>een stuurteken (byte %1) waar alleen tekst mag staan: dit is geen tekstbestand</translation>
    </message>
    <message>
        <source>text after [End]</source>
        <translation>tekst na [End]</translation>
    </message>
    <message>
        <source>a second option line</source>
        <translation>een tweede optieregel</translation>
    </message>
    <message>
        <source>%1 where a keyword in brackets is expected</source>
        <translation>%1 waar een trefwoord tussen haken wordt verwacht</translation>
    </message>
    <message>
        <source>[Reference] has too few values</source>
        <translation>[Reference] heeft te weinig waarden</translation>
    </message>
    <message>
        <source>the file ends in the middle of a point: %1 of its %2 values</source>
        <translation>het bestand eindigt midden in een punt: %1 van zijn %2 waarden</translation>
    </message>
    <message>
        <source>a Touchstone 2.0 file without [Network Data]</source>
        <translation>een Touchstone 2.0-bestand zonder [Network Data]</translation>
    </message>
    <message>
        <source>[Number of Frequencies] says %1, the file holds %2</source>
        <translation>[Number of Frequencies] zegt %1, het bestand bevat %2</translation>
    </message>
    <message>
        <source>no option line: GHz S MA R 50 assumed</source>
        <translation>geen optieregel: GHz S MA R 50 aangenomen</translation>
    </message>
    <message>
        <source>noise parameters from line %1 skipped</source>
        <translation>ruisparameters vanaf regel %1 overgeslagen</translation>
    </message>
    <message>
        <source>a keyword without its closing &quot;]&quot;</source>
        <translation>een trefwoord zonder sluitende &quot;]&quot;</translation>
    </message>
    <message>
        <source>[Version] must be the first line that is not a comment</source>
        <translation>[Version] moet de eerste regel zijn die geen commentaar is</translation>
    </message>
    <message>
        <source>[Version] %1 is not a version this program reads (2.0)</source>
        <translation>[Version] %1 is geen versie die dit programma leest (2.0)</translation>
    </message>
    <message>
        <source>the keyword [%1] in a file without [Version] 2.0</source>
        <translation>het trefwoord [%1] in een bestand zonder [Version] 2.0</translation>
    </message>
    <message>
        <source>[Number of Ports] %1 is not a number of ports</source>
        <translation>[Number of Ports] %1 is geen aantal poorten</translation>
    </message>
    <message>
        <source>[Two-Port Data Order] %1 is neither 12_21 nor 21_12</source>
        <translation>[Two-Port Data Order] %1 is noch 12_21 noch 21_12</translation>
    </message>
    <message>
        <source>[Number of Frequencies] %1 is not a count</source>
        <translation>[Number of Frequencies] %1 is geen aantal</translation>
    </message>
    <message>
        <source>[Reference] before [Number of Ports]</source>
        <translation>[Reference] vóór [Number of Ports]</translation>
    </message>
    <message>
        <source>[Matrix Format] %1 is not Full, Lower or Upper</source>
        <translation>[Matrix Format] %1 is niet Full, Lower of Upper</translation>
    </message>
    <message>
        <source>[Network Data] before [Number of Ports]</source>
        <translation>[Network Data] vóór [Number of Ports]</translation>
    </message>
    <message>
        <source>[Network Data] before the option line</source>
        <translation>[Network Data] vóór de optieregel</translation>
    </message>
    <message>
        <source>a two-port file without [Two-Port Data Order]</source>
        <translation>een tweepoortbestand zonder [Two-Port Data Order]</translation>
    </message>
    <message>
        <source>the network data ends in the middle of a point</source>
        <translation>de netwerkgegevens eindigen midden in een punt</translation>
    </message>
    <message>
        <source>[%1] is not a keyword of Touchstone 2.0</source>
        <translation>[%1] is geen trefwoord van Touchstone 2.0</translation>
    </message>
    <message>
        <source>the reference %1 is not a number</source>
        <translation>de referentie %1 is geen getal</translation>
    </message>
    <message>
        <source>the reference impedance %1 ohm is not above 0</source>
        <translation>de referentie-impedantie %1 ohm is niet groter dan 0</translation>
    </message>
    <message>
        <source>[Reference] has more values than there are ports</source>
        <translation>[Reference] heeft meer waarden dan er poorten zijn</translation>
    </message>
    <message>
        <source>the option line names the frequency unit twice</source>
        <translation>de optieregel noemt de frequentie-eenheid twee keer</translation>
    </message>
    <message>
        <source>the option line names the parameter twice</source>
        <translation>de optieregel noemt de parameter twee keer</translation>
    </message>
    <message>
        <source>%1 parameters hold no reflection coefficient this program reads; save S, Z or Y parameters</source>
        <translation>%1-parameters bevatten geen reflectiecoëfficiënt die dit programma leest; sla S-, Z- of Y-parameters op</translation>
    </message>
    <message>
        <source>the option line names the data format twice</source>
        <translation>de optieregel noemt het gegevensformaat twee keer</translation>
    </message>
    <message>
        <source>the option line gives the reference twice</source>
        <translation>de optieregel geeft de referentie twee keer</translation>
    </message>
    <message>
        <source>&quot;R&quot; without its reference impedance</source>
        <translation>&quot;R&quot; zonder zijn referentie-impedantie</translation>
    </message>
    <message>
        <source>%1 is not a part of the option line (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</source>
        <translation>%1 is geen deel van de optieregel (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</translation>
    </message>
    <message>
        <source>Z and Y parameters of networks of more than two ports are not read; save S parameters</source>
        <translation>Z- en Y-parameters van netwerken met meer dan twee poorten worden niet gelezen; sla S-parameters op</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 is geen getal</translation>
    </message>
    <message>
        <source>the frequency %1 does not rise above the one before it (%2 on line %3)</source>
        <translation>de frequentie %1 stijgt niet boven de vorige (%2 op regel %3)</translation>
    </message>
    <message>
        <source>the frequency %1 is below 0</source>
        <translation>de frequentie %1 is kleiner dan 0</translation>
    </message>
    <message>
        <source>the frequency %1 is too large</source>
        <translation>de frequentie %1 is te groot</translation>
    </message>
    <message>
        <source>the point does not end where a line ends: a value is missing or one too many (a point here has %1 values)</source>
        <translation>het punt eindigt niet waar een regel eindigt: er ontbreekt een waarde of er is er een te veel (een punt heeft hier %1 waarden)</translation>
    </message>
    <message>
        <source>the values of the point at %1 give no finite reflection coefficient</source>
        <translation>de waarden van het punt bij %1 geven geen eindige reflectiecoëfficiënt</translation>
    </message>
    <message>
        <source>the frequency %1 of line %2 again, with %3 values where a point has %4</source>
        <translation>de frequentie %1 van regel %2 opnieuw, met %3 waarden waar een punt er %4 heeft</translation>
    </message>
    <message>
        <source>line %1 repeats the frequency %2 of line %3; the repeat is left out</source>
        <translation>regel %1 herhaalt de frequentie %2 van regel %3; de herhaling wordt weggelaten</translation>
    </message>
    <message>
        <source>a control character where only text may stand: this is not a text file</source>
        <translation>een stuurteken waar alleen tekst mag staan: dit is geen tekstbestand</translation>
    </message>
    <message>
        <source>the headings name %1 columns; a sweep needs frequency and two more</source>
        <translation>de kolomkoppen noemen %1 kolommen; een sweep vereist frequentie en nog twee</translation>
    </message>
    <message>
        <source>%1 value where the frequency and two more are needed</source>
        <translation>%1 waarde waar de frequentie en nog twee nodig zijn</translation>
    </message>
    <message>
        <source>%1 values where the frequency and two more are needed</source>
        <translation>%1 waarden waar de frequentie en nog twee nodig zijn</translation>
    </message>
    <message>
        <source>the rows from line %1 on (%2) are another sweep than %3 and are left out</source>
        <translation>de rijen vanaf regel %1 (%2) zijn een andere sweep dan %3 en worden weggelaten</translation>
    </message>
    <message>
        <source>%1 is not a frequency</source>
        <translation>%1 is geen frequentie</translation>
    </message>
    <message>
        <source>the impedance gives no finite reflection coefficient</source>
        <translation>de impedantie geeft geen eindige reflectiecoëfficiënt</translation>
    </message>
    <message>
        <source>%1 port</source>
        <translation>%1 poort</translation>
    </message>
    <message>
        <source>%1 ports</source>
        <translation>%1 poorten</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 punt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 punten</translation>
    </message>
    <message>
        <source>The measurement %1 cannot be opened</source>
        <translation>De meting %1 kan niet worden geopend</translation>
    </message>
    <message>
        <source>it does not exist or is not readable</source>
        <translation>het bestaat niet of is niet leesbaar</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>het is geen bestand</translation>
    </message>
    <message>
        <source>it is larger than 64 MB</source>
        <translation>het is groter dan 64 MB</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>het lezen is mislukt</translation>
    </message>
</context>
<context>
    <name>TuneTable</name>
    <message>
        <source>Measurement</source>
        <translation>Meting</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Gelezen</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Afstemming</translation>
    </message>
</context>
<context>
    <name>UnitSystem</name>
    <message>
        <source>All measurements are in inches</source>
        <translation>Alle maten in inches</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|a Metric design in error.|Select Metric Design instead.|Do NOT save this version!</source>
        <translation>Verkeerde keuze. U hebt per vergissing|een metrisch ontwerp gekozen.|Kies in plaats daarvan Metrisch ontwerp.|Sla deze versie NIET op!</translation>
    </message>
    <message>
        <source>Press ESC &amp; Select Metric Option!</source>
        <translation>Druk op ESC &amp; kies Metrisch!</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|an Imperial design in error.|Select Imperial Design instead.</source>
        <translation>Verkeerde keuze. U hebt per vergissing|een inch-ontwerp gekozen.|Kies in plaats daarvan Inch-ontwerp.</translation>
    </message>
    <message>
        <source>Press ESC &amp; select Imperial Design</source>
        <translation>Druk op ESC &amp; kies Inch-ontwerp</translation>
    </message>
    <message>
        <source>All measurements are in mm</source>
        <translation>Alle maten in mm</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Imperial</source>
        <translation>YQ-antenneberekeningen... inch</translation>
    </message>
    <message>
        <source>Linear measurements are in Inches</source>
        <translation>Lengtematen zijn in inches</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in inches. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Alle spoelmaten zijn gebaseerd op de opgegeven spoed. Lengtematen zijn in inches. De meeste invoervelden hebben hulp bij &apos;muis erover&apos;. Alle spoelen gebruiken dezelfde draaddiameter en spoed.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|*.ini</source>
        <translation>Antenne-ini-bestanden M = metrisch|*.ini</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Metric</source>
        <translation>YQ-antenneberekeningen... metrisch</translation>
    </message>
    <message>
        <source>Linear measurements are in mm</source>
        <translation>Lengtematen zijn in mm</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in mm. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Alle spoelmaten zijn gebaseerd op de opgegeven spoed. Lengtematen zijn in mm. De meeste invoervelden hebben hulp bij &apos;muis erover&apos;. Alle spoelen gebruiken dezelfde draaddiameter en spoed.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|M*.ini</source>
        <translation>Antenne-ini-bestanden M = metrisch|M*.ini</translation>
    </message>
</context>
<context>
    <name>UserList</name>
    <message>
        <source>Records are deleted from the list of users, not from this form.</source>
        <translation>Records worden uit de gebruikerslijst verwijderd, niet uit dit formulier.</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Wissen bevestigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the highlighted record?|%1</source>
        <translation>Weet u zeker dat u het gemarkeerde record wilt verwijderen?|%1</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>YQ Error Message</source>
        <translation>YQ-foutmelding</translation>
    </message>
</context>
<context>
    <name>yq::AboutWindow</name>
    <message>
        <source>Close and return...</source>
        <translation>Sluiten en terug...</translation>
    </message>
    <message>
        <source>About this programme V 5.081</source>
        <translation>Over dit programma V 5.081</translation>
    </message>
</context>
<context>
    <name>yq::BuildSheetTab</name>
    <message>
        <source>Build sheet drawing</source>
        <translation>Bouwtekening</translation>
    </message>
    <message>
        <source>Build Sheet: the antenna to scale and what to cut and wind</source>
        <translation>Bouwtekening: de antenne op schaal en wat te zagen en te wikkelen</translation>
    </message>
    <message>
        <source>Print Build Sheet</source>
        <translation>Bouwtekening afdrukken</translation>
    </message>
    <message>
        <source>Shows the build sheet in the print preview, to print it</source>
        <translation>Toont de bouwtekening in het afdrukvoorbeeld om haar af te drukken</translation>
    </message>
</context>
<context>
    <name>yq::DesignToolsTab</name>
    <message>
        <source>Convert to millimetres</source>
        <translation>Omrekenen naar millimeters</translation>
    </message>
    <message>
        <source>Convert to inches</source>
        <translation>Omrekenen naar inches</translation>
    </message>
    <message>
        <source>Lengths x 25.4, rounded to the Metric fields; F, L/D, MBW, FAC and DPS
as they are; then the Metric ReCalc. The design is saved in the working
folder under the Metric window&apos;s file name (M...ini).</source>
        <translation>Lengtes x 25.4, afgerond op de metrische velden; F, L/D, MBW, FAC en DPS
ongewijzigd; daarna de metrische ReCalc. Het ontwerp wordt in de werkmap
opgeslagen onder de bestandsnaam van het metrische venster (M...ini).</translation>
    </message>
    <message>
        <source>Lengths / 25.4, rounded to the Imperial fields; F, L/D, MBW, FAC and DPS
as they are; then the Imperial ReCalc. The design is saved in the working
folder under the Imperial window&apos;s file name.</source>
        <translation>Lengtes / 25.4, afgerond op de inch-velden; F, L/D, MBW, FAC en DPS
ongewijzigd; daarna de inch-ReCalc. Het ontwerp wordt in de werkmap
opgeslagen onder de bestandsnaam van het inch-venster.</translation>
    </message>
    <message>
        <source>Convert and Save as Metric</source>
        <translation>Omrekenen, metrisch opslaan</translation>
    </message>
    <message>
        <source>Convert and Save as Imperial</source>
        <translation>Omrekenen, in inch opslaan</translation>
    </message>
    <message>
        <source>Saves this design in millimetres for the Metric window.</source>
        <translation>Slaat dit ontwerp op in millimeters voor het metrische venster.</translation>
    </message>
    <message>
        <source>Saves this design in inches for the Imperial window.</source>
        <translation>Slaat dit ontwerp op in inches voor het inch-venster.</translation>
    </message>
    <message>
        <source>The design cannot be converted:|%1</source>
        <translation>Het ontwerp kan niet worden omgerekend:|%1</translation>
    </message>
    <message>
        <source>The converted design %1 could not be written.|%2</source>
        <translation>Het omgerekende ontwerp %1 kon niet worden geschreven.|%2</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Inch</translation>
    </message>
    <message>
        <source>Saved &lt;b&gt;%1&lt;/b&gt; in %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: open it in the %6 window.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; opgeslagen in %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: open het in het venster %6.</translation>
    </message>
    <message>
        <source>Fit to the built antenna</source>
        <translation>Aanpassen aan de gebouwde antenne</translation>
    </message>
    <message>
        <source>FAC from tuning coil turns (NT)</source>
        <translation>FAC uit wdg. afstemspoel (NT)</translation>
    </message>
    <message>
        <source>DPS from source coil turns (SCT)</source>
        <translation>DPS uit wdg. voedingsspoel (SCT)</translation>
    </message>
    <message>
        <source>Field to fit</source>
        <translation>Aan te passen veld</translation>
    </message>
    <message>
        <source>Capacitance Factor from the tuning coil turns you wound,
or Degrees of Phase from the source coil turns.</source>
        <translation>Capaciteitsfactor uit de gewikkelde windingen van de afstemspoel,
of fasehoek uit de windingen van de voedingsspoel.</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Gewikkelde wdg.:</translation>
    </message>
    <message>
        <source>Turns wound</source>
        <translation>Gewikkelde wdg.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Tries every value of the field, 0.01 apart, each with a full ReCalc,
and finds the one whose turns come nearest to the turns you wound.</source>
        <translation>Probeert elke waarde van het veld, 0.01 uit elkaar, elk met een volledige ReCalc,
en vindt de waarde waarvan de windingen het dichtst bij uw gewikkelde windingen komen.</translation>
    </message>
    <message>
        <source>Enter the turns on your working antenna and press Find.</source>
        <translation>Voer de windingen van uw werkende antenne in en druk op Zoeken.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;Enter the number of turns you wound, for example 31 or 30.5.&lt;/span&gt;</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Voer het aantal gewikkelde windingen in, bijvoorbeeld 31 of 30.5.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt; gives %3 = &lt;b&gt;%4&lt;/b&gt; turns (you wound %5).</source>
        <translation>&lt;b&gt;%1 = %2&lt;/b&gt; geeft %3 = &lt;b&gt;%4&lt;/b&gt; windingen (u wikkelde %5).</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;No %1 from %2 to %3 gives %4 within half a turn of %5.&lt;/span&gt; The nearest is &lt;b&gt;%1 = %6&lt;/b&gt;, giving %4 = &lt;b&gt;%7&lt;/b&gt;.</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Geen %1 van %2 tot %3 geeft %4 binnen een halve winding van %5.&lt;/span&gt; Het dichtst komt &lt;b&gt;%1 = %6&lt;/b&gt;, met %4 = &lt;b&gt;%7&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>en nog %1</translation>
    </message>
    <message>
        <source>&lt;br&gt;Also changes: </source>
        <translation>&lt;br&gt;Wijzigt ook: </translation>
    </message>
    <message>
        <source>&lt;br&gt;The window shows DPS with one place (%1); the design keeps %2.</source>
        <translation>&lt;br&gt;Het venster toont DPS met één decimaal (%1); het ontwerp houdt %2.</translation>
    </message>
    <message>
        <source>Apply %1 = %2</source>
        <translation>%1 = %2 toepassen</translation>
    </message>
    <message>
        <source>&lt;i&gt;The design changed since the last Find; this is the fit for it now.&lt;/i&gt;&lt;br&gt;</source>
        <translation>&lt;i&gt;Het ontwerp is sinds de laatste zoekactie gewijzigd; dit is de aanpassing voor het huidige ontwerp.&lt;/i&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;Applied&lt;/b&gt; to the design; SAVE keeps it.</source>
        <translation>&lt;br&gt;&lt;b&gt;Toegepast&lt;/b&gt; op het ontwerp; OPSLAAN bewaart het.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>Cylinder diameter</source>
        <translation>Cilinderdiameter</translation>
    </message>
    <message>
        <source>Length/Diameter ratio</source>
        <translation>Verhouding lengte/diam.</translation>
    </message>
    <message>
        <source>Wire diameter</source>
        <translation>Draaddiameter</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Spoed</translation>
    </message>
    <message>
        <source>Coil diameter</source>
        <translation>Spoeldiameter</translation>
    </message>
    <message>
        <source>Capacitance factor</source>
        <translation>Capaciteitsfactor</translation>
    </message>
    <message>
        <source>Phasing coil diameter</source>
        <translation>Diam. fasespoel</translation>
    </message>
    <message>
        <source>Source coil diameter</source>
        <translation>Diam. voedingsspoel</translation>
    </message>
    <message>
        <source>Degrees of phase</source>
        <translation>Fasehoek</translation>
    </message>
    <message>
        <source>Measured bandwidth</source>
        <translation>Gemeten bandbreedte</translation>
    </message>
    <message>
        <source>Sweep one input</source>
        <translation>Sweep van één invoer</translation>
    </message>
    <message>
        <source>Input to vary</source>
        <translation>Te variëren invoer</translation>
    </message>
    <message>
        <source>Vary:</source>
        <translation>Variëren:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Stap</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Sweep</translation>
    </message>
    <message>
        <source>Plot:</source>
        <translation>Plot:</translation>
    </message>
    <message>
        <source>Sweep points</source>
        <translation>Sweeppunten</translation>
    </message>
    <message>
        <source>Up to %1 points, each a full ReCalc of this design.</source>
        <translation>Tot %1 punten, elk een volledige ReCalc van dit ontwerp.</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>CSV opslaan...</translation>
    </message>
    <message>
        <source>Every key of every point, as yq-calc sweep writes it.</source>
        <translation>Elke sleutel van elk punt, zoals yq-calc sweep het schrijft.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number.</source>
        <translation>%1 &apos;%2&apos; is geen getal.</translation>
    </message>
    <message>
        <source>%1 points, each a full ReCalc.</source>
        <translation>%1 punten, elk een volledige ReCalc.</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>De sweep kon niet worden opgeslagen als %1.|%2</translation>
    </message>
    <message>
        <source>%1 points saved to %2.</source>
        <translation>%1 punten opgeslagen in %2.</translation>
    </message>
    <message>
        <source>Save the sweep as CSV</source>
        <translation>Sweep als CSV opslaan</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
</context>
<context>
    <name>yq::DesignWindow</name>
    <message>
        <source>   Build Sheet</source>
        <translation>   Bouwtekening</translation>
    </message>
    <message>
        <source>   Design Tools</source>
        <translation>   Ontwerptools</translation>
    </message>
    <message>
        <source>Select Antenna</source>
        <translation>Antenne kiezen</translation>
    </message>
    <message>
        <source>   Specifications</source>
        <translation>   Gegevens</translation>
    </message>
    <message>
        <source>   Help</source>
        <translation>   Help</translation>
    </message>
    <message>
        <source>Entries in Bold are those you can change. All others are read only.</source>
        <translation>Vetgedrukte velden kunt u wijzigen. Alle andere zijn alleen-lezen.</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>OPSLAAN</translation>
    </message>
    <message>
        <source>Saves the file with the name like 726.ini
7 = frequency in mhz
2 = cylinder diameter in inches
6 = diameter to length ratio
An &apos;M&apos; first letter denotes Metric calculations.</source>
        <translation>Slaat het bestand op met een naam als 726.ini
7 = frequentie in MHz
2 = cilinderdiameter in inches
6 = verhouding diameter tot lengte
Een &apos;M&apos; als eerste letter staat voor metrische berekeningen.</translation>
    </message>
    <message>
        <source>Print/View</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>You MUST save first to print</source>
        <translation>Eerst opslaan om af te drukken</translation>
    </message>
    <message>
        <source>email Report</source>
        <translation>Rapport mailen</translation>
    </message>
    <message>
        <source>Uses Outlook for email. Other mailers may not work.</source>
        <translation>Gebruikt Outlook voor e-mail. Andere mailers werken mogelijk niet.</translation>
    </message>
    <message>
        <source>YQ Forum</source>
        <translation>YQ-forum</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Excel openen</translation>
    </message>
    <message>
        <source>Email Results</source>
        <translation>Waarden mailen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Cylinder Specifications</source>
        <translation>Cilindergegevens</translation>
    </message>
    <message>
        <source>Source Coil Specifications</source>
        <translation>Gegevens voedingsspoel</translation>
    </message>
    <message>
        <source>Tuning Coil Specifications</source>
        <translation>Gegevens afstemspoel</translation>
    </message>
    <message>
        <source>Click on this button to recalculate after making changes</source>
        <translation>Klik op deze knop om na wijzigingen opnieuw te berekenen</translation>
    </message>
    <message>
        <source>Initial factor is 2. This divides the cylinder capacitance
by 2 to recalculate the coil size. That will also
recalculate the coil inductance.

Use a number that give the number of turns you
have used to make the system work. Then OK
to SAVE.</source>
        <translation>Beginfactor is 2. Deze deelt de cilindercapaciteit
door 2 om de spoelmaat opnieuw te berekenen. Dat berekent
ook de zelfinductie van de spoel opnieuw.

Gebruik een getal dat het aantal windingen geeft dat u
hebt gebruikt om het systeem te laten werken. Dan OK
en OPSLAAN.</translation>
    </message>
    <message>
        <source>Phasing Coil Specifications</source>
        <translation>Gegevens fasespoel</translation>
    </message>
    <message>
        <source>General Help File</source>
        <translation>Algemene hulp</translation>
    </message>
    <message>
        <source>The various components that make up the YQ Star version are listed on the right for clarification of the terms used on the design page. You must refer to Brannoc&apos;s YQ Design Book (downloadable from the Forum) for a more complete understanding of the YQ Star.</source>
        <translation>De onderdelen van de YQ Star-versie staan rechts vermeld ter verduidelijking van de termen op de ontwerppagina. Voor een vollediger begrip van de YQ Star verwijzen we naar Brannocs YQ-ontwerpboek (te downloaden van het forum).</translation>
    </message>
    <message>
        <source>Overall length of antenna is calculated as Cylinder Length * 2, plus Cylinder Diameter * 2, plus the tuning coil length. The Source Coil is not included in the length.</source>
        <translation>De totale lengte van de antenne is cilinderlengte * 2, plus cilinderdiameter * 2, plus de lengte van de afstemspoel. De voedingsspoel telt niet mee in de lengte.</translation>
    </message>
    <message>
        <source>Click to log onto the YQ Forum</source>
        <translation>Klik om in te loggen op het YQ-forum</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>De onderdelen van de YQ Star-antenne</translation>
    </message>
    <message>
        <source>   Measurement</source>
        <translation>   Meting</translation>
    </message>
    <message>
        <source>   Simulation</source>
        <translation>   Simulatie</translation>
    </message>
    <message>
        <source>The working copy %1 could not be written.|%2</source>
        <translation>De werkkopie %1 kon niet worden geschreven.|%2</translation>
    </message>
    <message>
        <source>No spreadsheet program could open %1.</source>
        <translation>Geen spreadsheetprogramma kon %1 openen.</translation>
    </message>
</context>
<context>
    <name>yq::FrequencyPlot</name>
    <message>
        <source>%1 against frequency</source>
        <translation>%1 tegen frequentie</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequentie (MHz)</translation>
    </message>
    <message>
        <source>Nothing to plot yet.</source>
        <translation>Nog niets te plotten.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> band</translation>
    </message>
</context>
<context>
    <name>yq::MainWindow</name>
    <message>
        <source>ZO Duravar Uravaro  Design Calculator V5.091 - YQ Antennas</source>
        <translation>ZO Duravar Uravaro  Ontwerpcalculator V5.091 - YQ-antennes</translation>
    </message>
    <message>
        <source>Brannoc Quillet CEO  ZO Duravar Uravaro</source>
        <translation>Brannoc Quillet, directeur  ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>   Antenna Design</source>
        <translation>   Antenneontwerp</translation>
    </message>
    <message>
        <source>   Imperial YQ Antenna</source>
        <translation>   YQ-antenne (inch)</translation>
    </message>
    <message>
        <source>   Metric YQ antenna</source>
        <translation>   YQ-antenne (metrisch)</translation>
    </message>
    <message>
        <source>   Pictures</source>
        <translation>   Foto&apos;s</translation>
    </message>
    <message>
        <source>    AboutThisProgram</source>
        <translation>    Over dit programma</translation>
    </message>
    <message>
        <source>ZO Duravar Uravaro banner</source>
        <translation>Banner van ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>A YQ antenna</source>
        <translation>Een YQ-antenne</translation>
    </message>
    <message>
        <source>A YQ antenna on a van</source>
        <translation>YQ-antenne op een bestelbus</translation>
    </message>
    <message>
        <source>Portrait of Brannoc Quillet</source>
        <translation>Portret van Brannoc Quillet</translation>
    </message>
    <message>
        <source>   Users</source>
        <translation>   Gebruikers</translation>
    </message>
</context>
<context>
    <name>yq::MeasurementTab</name>
    <message>
        <source>Open measurement...</source>
        <translation>Meting openen...</translation>
    </message>
    <message>
        <source>No measurement opened (Touchstone .s1p, .s2p, .ts or a VNA CSV)</source>
        <translation>Geen meting geopend (Touchstone .s1p, .s2p, .ts of een VNA-CSV)</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Gewikkelde wdg.:</translation>
    </message>
    <message>
        <source>Turns wound on the tuning coil</source>
        <translation>Gewikkelde windingen van de afstemspoel</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Set the Capacitance Factor whose design winds the turns shown, then ReCalc</source>
        <translation>Stel de capaciteitsfactor in waarvan het ontwerp de getoonde windingen geeft, dan ReCalc</translation>
    </message>
    <message>
        <source>Findings and tuning</source>
        <translation>Bevindingen en afstemming</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Open a measurement</source>
        <translation>Een meting openen</translation>
    </message>
    <message>
        <source>Open measurement</source>
        <translation>Meting openen</translation>
    </message>
    <message>
        <source>Measurements (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;All files (*)</source>
        <translation>Metingen (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>De meting %1 bevat geen bruikbare sweep: %2</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Niet gelezen: %1</translation>
    </message>
    <message>
        <source>The turns wound &quot;%1&quot; are not a number of turns above 0.</source>
        <translation>De gewikkelde windingen &quot;%1&quot; zijn geen aantal windingen boven 0.</translation>
    </message>
    <message>
        <source>Apply FAC %1</source>
        <translation>FAC %1 toepassen</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tuning coil: wind %1 turns (now %2) for resonance at %3&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Afstemspoel: wikkel %1 windingen (nu %2) voor resonantie op %3&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Open the sweep your analyser saved of the finished antenna (S11 at the feed). The tab finds its resonance and the turns for the design frequency.&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Open de sweep die uw analyser van de voltooide antenne heeft opgeslagen (S11 aan het voedingspunt). Het tabblad vindt de resonantie en de windingen voor de ontwerpfrequentie.&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>SWR (%1 ohm)</source>
        <translation>SWR (%1 ohm)</translation>
    </message>
    <message>
        <source>design %1 MHz</source>
        <translation>ontwerp %1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>NEC-2 model of this design over the same range: running...</source>
        <translation>NEC-2-model van dit ontwerp over hetzelfde bereik: bezig...</translation>
    </message>
    <message>
        <source>No NEC-2 model beside the measurement: %1</source>
        <translation>Geen NEC-2-model naast de meting: %1</translation>
    </message>
    <message>
        <source>NEC-2 model (dashed): this design with the tuning coil of %1 turns, over the measured range. %2</source>
        <translation>NEC-2-model (gestreept): dit ontwerp met een afstemspoel van %1 windingen, over het gemeten bereik. %2</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>gemeten</translation>
    </message>
    <message>
        <source>NEC-2 model</source>
        <translation>NEC-2-model</translation>
    </message>
</context>
<context>
    <name>yq::PicturesWindow</name>
    <message>
        <source>Pictures of YQ Antennas</source>
        <translation>Foto&apos;s van YQ-antennes</translation>
    </message>
    <message>
        <source>A YQ antenna on a house roof at dusk</source>
        <translation>YQ-antenne op een huisdak in de schemer</translation>
    </message>
    <message>
        <source>A YQ antenna on a tripod at the beach</source>
        <translation>Een YQ-antenne op een statief op het strand</translation>
    </message>
    <message>
        <source>Building a YQ antenna on the workbench</source>
        <translation>Een YQ-antenne bouwen op de werkbank</translation>
    </message>
    <message>
        <source>A YQ antenna tested with an antenna analyser</source>
        <translation>Een YQ-antenne getest met een antenne-analyser</translation>
    </message>
    <message>
        <source>A YQ antenna on a balcony</source>
        <translation>Een YQ-antenne op een balkon</translation>
    </message>
    <message>
        <source>A portable YQ antenna in the mountains</source>
        <translation>Een draagbare YQ-antenne in de bergen</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna</source>
        <translation>De onderdelen van een YQ-antenne</translation>
    </message>
    <message>
        <source>A YQ antenna by a house on a winter night</source>
        <translation>Een YQ-antenne bij een huis in een winternacht</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>yq::PolarPlot</name>
    <message>
        <source>Pattern</source>
        <translation>Patroon</translation>
    </message>
    <message>
        <source>Elevation (deg)	Gain (dBi)
</source>
        <translation>Elevatie (graden)	Winst (dBi)
</translation>
    </message>
    <message>
        <source>No pattern yet.</source>
        <translation>Nog geen patroon.</translation>
    </message>
    <message>
        <source>%1 dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Largest gain %1 dBi; centre %2 dBi</source>
        <translation>Grootste winst %1 dBi; midden %2 dBi</translation>
    </message>
</context>
<context>
    <name>yq::ProgressWindow</name>
    <message>
        <source>Process...</source>
        <translation>Verwerken...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>yq::SendMailWindow</name>
    <message>
        <source>Send email</source>
        <translation>E-mail verzenden</translation>
    </message>
    <message>
        <source>Opening the mail in your mail program...</source>
        <translation>De mail wordt in uw mailprogramma geopend...</translation>
    </message>
</context>
<context>
    <name>yq::SimulationTab</name>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>The simulation runs when this tab is in front after a ReCalc.</source>
        <translation>De simulatie loopt wanneer dit tabblad na een ReCalc vooraan staat.</translation>
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
        <translation>standaard</translation>
    </message>
    <message>
        <source>detailed</source>
        <translation>gedetailleerd</translation>
    </message>
    <message>
        <source>standard: thick wires and lumped coils, a fraction of a second; detailed: wire-grid cages and helical coils, some seconds, fewer figures</source>
        <translation>standaard: dikke draden en geconcentreerde spoelen, een fractie van een seconde; gedetailleerd: draadroosterkooien en schroefspoelen, enkele seconden, minder waarden</translation>
    </message>
    <message>
        <source>Simulation progress</source>
        <translation>Voortgang simulatie</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Simulate again</source>
        <translation>Opnieuw simuleren</translation>
    </message>
    <message>
        <source>Export NEC deck...</source>
        <translation>NEC-deck exporteren...</translation>
    </message>
    <message>
        <source>Save sweep...</source>
        <translation>Sweep opslaan...</translation>
    </message>
    <message>
        <source>The calculator&apos;s figures beside the NEC-2 model&apos;s</source>
        <translation>De waarden van de calculator naast die van het NEC-2-model</translation>
    </message>
    <message>
        <source>Frequencies plotted</source>
        <translation>Geplotte frequenties</translation>
    </message>
    <message>
        <source>Whole sweep, 0.4 F to 2.5 F</source>
        <translation>Hele sweep, 0.4 F tot 2.5 F</translation>
    </message>
    <message>
        <source>Around the resonance with the calculated coil</source>
        <translation>Rond de resonantie met de berekende spoel</translation>
    </message>
    <message>
        <source>Around F with the coil for F</source>
        <translation>Rond F met de spoel voor F</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>SWR on 50 ohm</source>
        <translation>SWR op 50 ohm</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Patroon</translation>
    </message>
    <message>
        <source>Simulating the design in NEC-2...</source>
        <translation>Het ontwerp wordt gesimuleerd in NEC-2...</translation>
    </message>
    <message>
        <source>NEC-2 %1 model: %2 runs of nec2c in %3 s.</source>
        <translation>NEC-2-model %1: %2 runs van nec2c in %3 s.</translation>
    </message>
    <message>
        <source>&lt;br&gt;NEC-2 rule not kept: %1</source>
        <translation>&lt;br&gt;NEC-2-regel niet nageleefd: %1</translation>
    </message>
    <message>
        <source>Every deck keeps NEC-2&apos;s rules of thumb.</source>
        <translation>Elk deck houdt zich aan de vuistregels van NEC-2.</translation>
    </message>
    <message>
        <source>F = %1 MHz</source>
        <translation>F = %1 MHz</translation>
    </message>
    <message>
        <source>Elevation pattern at %1 MHz, %2, axis upright</source>
        <translation>Verticaal patroon op %1 MHz, %2, as rechtop</translation>
    </message>
    <message>
        <source>coil for F</source>
        <translation>spoel voor F</translation>
    </message>
    <message>
        <source>calculated coil</source>
        <translation>berekende spoel</translation>
    </message>
    <message>
        <source>No resonance, no pattern.</source>
        <translation>Geen resonantie, geen patroon.</translation>
    </message>
    <message>
        <source>NEC decks (*.nec)</source>
        <translation>NEC-decks (*.nec)</translation>
    </message>
    <message>
        <source>The NEC deck could not be saved as %1.|%2</source>
        <translation>Het NEC-deck kon niet worden opgeslagen als %1.|%2</translation>
    </message>
    <message>
        <source>NEC deck saved to %1.</source>
        <translation>NEC-deck opgeslagen in %1.</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Touchstone (*.s1p)</source>
        <translation>CSV (*.csv);;Touchstone (*.s1p)</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>De sweep kon niet worden opgeslagen als %1.|%2</translation>
    </message>
    <message>
        <source>Sweep saved to %1.</source>
        <translation>Sweep opgeslagen in %1.</translation>
    </message>
</context>
<context>
    <name>yq::SmithChart</name>
    <message>
        <source>Smith chart</source>
        <translation>Smithkaart</translation>
    </message>
    <message>
        <source>Series	Frequency (MHz)	R (ohm)	X (ohm)	Reflection (re)	Reflection (im)
</source>
        <translation>Reeks	Frequentie (MHz)	R (ohm)	X (ohm)	Reflectie (re)	Reflectie (im)
</translation>
    </message>
    <message>
        <source>Copy points</source>
        <translation>Punten kopiëren</translation>
    </message>
    <message>
        <source>Smith chart, %1 ohm</source>
        <translation>Smithkaart, %1 ohm</translation>
    </message>
</context>
<context>
    <name>yq::SweepPlot</name>
    <message>
        <source>Sweep plot</source>
        <translation>Sweepgrafiek</translation>
    </message>
    <message>
        <source>Choose an input and its range, then Sweep.</source>
        <translation>Kies een invoer en het bereik, dan Sweep.</translation>
    </message>
    <message>
        <source>Tick at least one output to plot.</source>
        <translation>Vink minstens één uitvoer aan om te plotten.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> band</translation>
    </message>
    <message>
        <source>      dashed line: this design, %1</source>
        <translation>      gestreepte lijn: dit ontwerp, %1</translation>
    </message>
</context>
<context>
    <name>yq::UserForm</name>
    <message>
        <source>Record Will Be Added</source>
        <translation>Record wordt toegevoegd</translation>
    </message>
    <message>
        <source>Record Will Be Changed</source>
        <translation>Record wordt gewijzigd</translation>
    </message>
    <message>
        <source>View Record</source>
        <translation>Record bekijken</translation>
    </message>
    <message>
        <source>&amp;Name &amp;&amp; Call:</source>
        <translation>&amp;Naam &amp;&amp; roepn.:</translation>
    </message>
    <message>
        <source>Name &amp; Call</source>
        <translation>Naam &amp; roepnaam</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Update the yq1 File</source>
        <translation>Het yq1-bestand bijwerken</translation>
    </message>
    <message>
        <source>Enter in your Name and Call</source>
        <translation>Voer naam en roepnaam in</translation>
    </message>
</context>
<context>
    <name>yq::UserListWindow</name>
    <message>
        <source>User</source>
        <translation>Gebruiker</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Gebruikers</translation>
    </message>
    <message>
        <source>Browsing Records</source>
        <translation>Records doorbladeren</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Kiezen</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Invoegen</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Wijzigen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Browse the User File</source>
        <translation>Gebruikersbestand bekijken</translation>
    </message>
</context>
</TS>
