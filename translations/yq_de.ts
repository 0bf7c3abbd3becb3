<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BuildSheet</name>
    <message>
        <source>No scale: the design has no dimensions yet</source>
        <translation>Kein Maßstab: der Entwurf hat noch keine Maße</translation>
    </message>
    <message>
        <source>Scale 1 : %1</source>
        <translation>Maßstab 1 : %1</translation>
    </message>
    <message>
        <source>Scale %1 : 1</source>
        <translation>Maßstab %1 : 1</translation>
    </message>
    <message>
        <source>YQ Antenna Build Sheet</source>
        <translation>YQ-Antenne – Bauplan</translation>
    </message>
    <message>
        <source>Designed for %1 MHz</source>
        <translation>Entworfen für %1 MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in mm</source>
        <translation>Alle Längenmaße in mm</translation>
    </message>
    <message>
        <source>All linear measurements are in inches</source>
        <translation>Alle Längenmaße in Zoll</translation>
    </message>
    <message>
        <source>Design: %1</source>
        <translation>Entwurf: %1</translation>
    </message>
    <message>
        <source>Upper cylinder %1</source>
        <translation>Oberer Zylinder %1</translation>
    </message>
    <message>
        <source>Cylinder spacing %1</source>
        <translation>Zylinderabstand %1</translation>
    </message>
    <message>
        <source>Lower cylinder %1</source>
        <translation>Unterer Zylinder %1</translation>
    </message>
    <message>
        <source>Spacing to coil %1</source>
        <translation>Abstand zur Spule %1</translation>
    </message>
    <message>
        <source>Tuning coil %1</source>
        <translation>Abstimmspule %1</translation>
    </message>
    <message>
        <source>Source coil %1</source>
        <translation>Speisespule %1</translation>
    </message>
    <message>
        <source>Overall %1</source>
        <translation>Gesamt %1</translation>
    </message>
    <message>
        <source>source coil not included</source>
        <translation>ohne Speisespule</translation>
    </message>
    <message>
        <source>Cylinder %1 dia.</source>
        <translation>Durchm. Zylinder %1</translation>
    </message>
    <message>
        <source>Phasing coil %1 dia.</source>
        <translation>Durchm. Phasenspule %1</translation>
    </message>
    <message>
        <source>PCNT %1 turns, LPW %2 %3 of wire</source>
        <translation>PCNT %1 Wdg., LPW %2 %3 Draht</translation>
    </message>
    <message>
        <source>(coil and leads; wound length open)</source>
        <translation>(Spule und Zuleitungen; Wickellänge frei)</translation>
    </message>
    <message>
        <source>Tuning coil %1 dia.</source>
        <translation>Durchm. Abstimmspule %1</translation>
    </message>
    <message>
        <source>NT %1 turns at SP %2 %3</source>
        <translation>NT %1 Wdg. bei SP %2 %3</translation>
    </message>
    <message>
        <source>Source coil %1 dia.</source>
        <translation>Durchm. Speisespule %1</translation>
    </message>
    <message>
        <source>SCT %1 turns, at the feed</source>
        <translation>SCT %1 Wdg., am Speisepunkt</translation>
    </message>
    <message>
        <source>cylinder length</source>
        <translation>Zylinderlänge</translation>
    </message>
    <message>
        <source>cylinder spacing</source>
        <translation>Zylinderabstand</translation>
    </message>
    <message>
        <source>spacing to the tuning coil</source>
        <translation>Abstand zur Abstimmspule</translation>
    </message>
    <message>
        <source>tuning coil length</source>
        <translation>Länge Abstimmspule</translation>
    </message>
    <message>
        <source>source coil length</source>
        <translation>Länge Speisespule</translation>
    </message>
    <message>
        <source>cylinder diameter</source>
        <translation>Zylinderdurchmesser</translation>
    </message>
    <message>
        <source>phasing coil diameter</source>
        <translation>Durchm. Phasenspule</translation>
    </message>
    <message>
        <source>tuning coil diameter</source>
        <translation>Durchm. Abstimmspule</translation>
    </message>
    <message>
        <source>source coil diameter</source>
        <translation>Durchm. Speisespule</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Speisung</translation>
    </message>
    <message>
        <source>The design has no dimensions yet: calculate it before building.</source>
        <translation>Der Entwurf hat noch keine Maße: vor dem Bau berechnen.</translation>
    </message>
    <message>
        <source>Not to scale, drawn larger so as to be seen: %1.</source>
        <translation>Nicht maßstäblich, zur Sichtbarkeit größer gezeichnet: %1.</translation>
    </message>
    <message>
        <source>Dashed: the tuning coil&apos;s wires inside the lower cylinder. The wire from the top of the tuning coil runs up the centre of the lower cylinder, the wire from its bottom up the inside edge.</source>
        <translation>Gestrichelt: die Drähte der Abstimmspule im unteren Zylinder. Der Draht vom oberen Ende der Abstimmspule läuft in der Mitte des unteren Zylinders nach oben, der Draht vom unteren Ende an der Innenwand.</translation>
    </message>
    <message>
        <source>Not set by the design: the phasing coil&apos;s wound length (it sits in the cylinder spacing) and the source coil&apos;s place at the feed; LPW is the whole phasing wire. Windings are drawn as strokes, at most one per 0.02 in of coil: the labels give the turns.</source>
        <translation>Nicht vom Entwurf festgelegt: die Wickellänge der Phasenspule (sie sitzt im Zylinderabstand) und die Lage der Speisespule am Speisepunkt; LPW ist der ganze Phasendraht. Windungen sind als Striche gezeichnet, höchstens einer je 0.02 in Spule: die Beschriftungen nennen die Windungen.</translation>
    </message>
    <message>
        <source>Cut list</source>
        <translation>Zuschnittliste</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Zylinder</translation>
    </message>
    <message>
        <source>Non-ferrous tube, outside diameter %1</source>
        <translation>Nichteisen-Rohr, Außendurchmesser %1</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>je %1</translation>
    </message>
    <message>
        <source>Tuning coil wire</source>
        <translation>Draht Abstimmspule</translation>
    </message>
    <message>
        <source>Wire %1, NT %2 turns at SP %3 %4</source>
        <translation>Draht %1, NT %2 Wdg. bei SP %3 %4</translation>
    </message>
    <message>
        <source>on a former of %1, wound length %2</source>
        <translation>auf Spulenkörper %1, Wickellänge %2</translation>
    </message>
    <message>
        <source>Phasing wire</source>
        <translation>Phasendraht</translation>
    </message>
    <message>
        <source>Wire %1, coil of PCNT %2 turns</source>
        <translation>Draht %1, Spule mit PCNT %2 Wdg.</translation>
    </message>
    <message>
        <source>on a former of %1, in the cylinder spacing</source>
        <translation>auf Spulenkörper %1, im Zylinderabstand</translation>
    </message>
    <message>
        <source>Source coil wire</source>
        <translation>Draht Speisespule</translation>
    </message>
    <message>
        <source>Wire %1, SCT %2 turns close wound</source>
        <translation>Draht %1, SCT %2 Wdg. eng gewickelt</translation>
    </message>
    <message>
        <source>Total wire</source>
        <translation>Draht gesamt</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Teil</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Anz.</translation>
    </message>
    <message>
        <source>Material and size</source>
        <translation>Material und Maß</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Nearest wire gauges</source>
        <translation>Nächste Drahtstärken</translation>
    </message>
    <message>
        <source>WD (all coils)</source>
        <translation>WD (alle Spulen)</translation>
    </message>
    <message>
        <source>SCWD (source coil)</source>
        <translation>SCWD (Speisespule)</translation>
    </message>
    <message>
        <source>Wire</source>
        <translation>Draht</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchm.</translation>
    </message>
    <message>
        <source>Nearest AWG</source>
        <translation>Nächste AWG</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Nearest SWG</source>
        <translation>Nächste SWG</translation>
    </message>
    <message>
        <source>No wire diameter</source>
        <translation>Kein Drahtdurchmesser</translation>
    </message>
    <message>
        <source>Print build sheet from queue</source>
        <translation>Bauplan aus der Warteschlange drucken</translation>
    </message>
</context>
<context>
    <name>CalcHelp</name>
    <message>
        <source>compute a design: start from a fresh design (every field 0) or --file, store each KEY=VALUE (exact decimal text, rounded half away from zero to the field&apos;s places), run the calculation and print every key</source>
        <translation>einen Entwurf berechnen: mit einem neuen Entwurf (jedes Feld 0) oder --file beginnen, jedes KEY=VALUE speichern (exakter Dezimaltext, auf die Stellen des Feldes kaufmännisch gerundet), die Berechnung ausführen und jeden Schlüssel ausgeben</translation>
    </message>
    <message>
        <source>one case per line on standard input, one output line (or &quot;error&quot;) per case</source>
        <translation>ein Fall je Zeile auf der Standardeingabe, eine Ausgabezeile (oder &quot;error&quot;) je Fall</translation>
    </message>
    <message>
        <source>SAVE in the current folder: write the design file named from F, CD and LD, append its row to YQ.csv, print the design file&apos;s path</source>
        <translation>SICHERN im aktuellen Ordner: die nach F, CD und LD benannte Entwurfsdatei schreiben, ihre Zeile an YQ.csv anhängen, den Pfad der Entwurfsdatei ausgeben</translation>
    </message>
    <message>
        <source>list the user records of the current folder (the first is printed on reports and written into YQ.csv), add one, or delete one</source>
        <translation>die Benutzerdatensätze des aktuellen Ordners auflisten (der erste wird auf Berichte gedruckt und in YQ.csv geschrieben), einen hinzufügen oder einen löschen</translation>
    </message>
    <message>
        <source>the design report of a design file: as a PDF, or exported as in the e-mail command (Report.RTF, its HTML page and the mail&apos;s draft in VH/ of the current folder, their paths printed)</source>
        <translation>der Entwurfsbericht einer Entwurfsdatei: als PDF oder exportiert wie beim E-Mail-Befehl (Report.RTF, seine HTML-Seite und der Mailentwurf in VH/ des aktuellen Ordners, ihre Pfade ausgegeben)</translation>
    </message>
    <message>
        <source>the build sheet of a design file (the dimensioned drawing and the cut list), calculated as the design window of its unit system does, as one or more of PDF, SVG and PNG</source>
        <translation>der Bauplan einer Entwurfsdatei (die bemaßte Zeichnung und die Zuschnittliste), berechnet wie im Entwurfsfenster seines Maßsystems, als eines oder mehrere von PDF, SVG und PNG</translation>
    </message>
    <message>
        <source>fit the capacitance factor FAC to the tuning coil&apos;s turns NT, or the degrees of phase DPS to the source coil&apos;s turns SCT, of a built antenna (exit status 3 when no value comes within half a turn; the nearest is printed)</source>
        <translation>den Kapazitätsfaktor FAC an die Windungen NT der Abstimmspule oder den Phasenwinkel DPS an die Windungen SCT der Speisespule einer gebauten Antenne anpassen (Exit-Status 3, wenn kein Wert auf eine halbe Windung herankommt; der nächste wird ausgegeben)</translation>
    </message>
    <message>
        <source>read an analyser&apos;s sweep of the built antenna (Touchstone .s1p, .s2p, .ts or a VNA program&apos;s CSV), find its series resonance, least SWR and 2:1 SWR bandwidth, and give the tuning coil&apos;s turns for the design frequency with the capacitance factor that fits them (exit status 2 for a bad or damaged file, 3 when it holds no usable sweep)</source>
        <translation>den Sweep eines Analysators von der gebauten Antenne lesen (Touchstone .s1p, .s2p, .ts oder CSV eines VNA-Programms), ihre Serienresonanz, das kleinste SWV und die SWV-2:1-Bandbreite finden und die Windungen der Abstimmspule für die Entwurfsfrequenz mit dem passenden Kapazitätsfaktor angeben (Exit-Status 2 bei fehlerhafter oder beschädigter Datei, 3 wenn sie keinen brauchbaren Sweep enthält)</translation>
    </message>
    <message>
        <source>compute the design for each value of one input over a range, one CSV row per value</source>
        <translation>den Entwurf für jeden Wert einer Eingabe über einen Bereich berechnen, eine CSV-Zeile je Wert</translation>
    </message>
    <message>
        <source>convert a design file between inches and millimetres and save it under the other unit system&apos;s name in the current folder</source>
        <translation>eine Entwurfsdatei zwischen Zoll und Millimetern umrechnen und unter dem Namen des anderen Maßsystems im aktuellen Ordner speichern</translation>
    </message>
    <message>
        <source>simulate the design in NEC-2 (runs nec2c) and print the calculator&apos;s figures beside the model&apos;s: the series resonance, the coil the model needs at F, the impedance, Q, bandwidths, SWR, efficiency and gain; csv and s1p print the sweep (Touchstone S11 against 50 ohm); exit status 1 when nec2c is missing or fails</source>
        <translation>den Entwurf in NEC-2 simulieren (startet nec2c) und die Werte des Rechners neben denen des Modells ausgeben: Serienresonanz, die Spule, die das Modell bei F braucht, Impedanz, Q, Bandbreiten, SWV, Wirkungsgrad und Gewinn; csv und s1p geben den Sweep aus (Touchstone S11 gegen 50 Ohm); Exit-Status 1, wenn nec2c fehlt oder scheitert</translation>
    </message>
    <message>
        <source>yq-calc --batch [--format FORMAT]</source>
        <translation>yq-calc --batch [--format FORMAT]</translation>
    </message>
    <message>
        <source>Computes YQ antenna designs with the calculation of the design windows, without the windows: one design from the command line, many from standard input, and the windows&apos; SAVE, user list, report, build sheet and design tools.</source>
        <translation>Berechnet YQ-Antennenentwürfe mit der Berechnung der Entwurfsfenster, ohne die Fenster: ein Entwurf von der Befehlszeile, viele von der Standardeingabe, dazu SICHERN, Benutzerliste, Bericht, Bauplan und Entwurfswerkzeuge der Fenster.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>the design is in millimetres (the Metric design window)</source>
        <translation>der Entwurf ist in Millimetern (das metrische Entwurfsfenster)</translation>
    </message>
    <message>
        <source>start from a design file, read as a design window reads it (a warning when its unit system is the other one)</source>
        <translation>mit einer Entwurfsdatei beginnen, gelesen wie ein Entwurfsfenster sie liest (eine Warnung, wenn ihr Maßsystem das andere ist)</translation>
    </message>
    <message>
        <source>run the full calculation N times (default 1; 0 only stores the values)</source>
        <translation>die volle Berechnung N-mal ausführen (Vorgabe 1; 0 speichert nur die Werte)</translation>
    </message>
    <message>
        <source>run only the named partial recalculation of a window field instead of the full one: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</source>
        <translation>nur die genannte Teilberechnung eines Fensterfeldes statt der vollen ausführen: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</translation>
    </message>
    <message>
        <source>how the design is printed: line (the default: every key as KEY=value on one line), table (one quantity a line with the window&apos;s label, its value in the window&apos;s picture and its unit, in the window&apos;s order), json (an object of every key with its exact decimal text as a string) or csv (the title row and the row of the results table YQ.csv)</source>
        <translation>wie der Entwurf ausgegeben wird: line (Vorgabe: jeder Schlüssel als KEY=value in einer Zeile), table (eine Größe je Zeile mit der Beschriftung des Fensters, ihrem Wert im Format des Fensters und ihrer Einheit, in der Reihenfolge des Fensters), json (ein Objekt mit jedem Schlüssel und seinem exakten Dezimaltext als String) oder csv (die Titelzeile und die Zeile der Ergebnistabelle YQ.csv)</translation>
    </message>
    <message>
        <source>the language of the help and the messages: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>die Sprache der Hilfe und der Meldungen: en, de, ja, ru, it, es, pl, pt_BR, fr, cs oder nl (Vorgabe: die des Desktops, aus LANGUAGE, LC_ALL, LC_MESSAGES oder LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>Report options</source>
        <translation>Berichtsoptionen</translation>
    </message>
    <message>
        <source>write the report as a PDF file</source>
        <translation>den Bericht als PDF-Datei schreiben</translation>
    </message>
    <message>
        <source>write Report.RTF, the HTML page and the mail&apos;s draft into VH/</source>
        <translation>Report.RTF, die HTML-Seite und den Mailentwurf nach VH/ schreiben</translation>
    </message>
    <message>
        <source>the print date on the report (default today)</source>
        <translation>das Druckdatum auf dem Bericht (Vorgabe heute)</translation>
    </message>
    <message>
        <source>Simulate options</source>
        <translation>Simulationsoptionen</translation>
    </message>
    <message>
        <source>the NEC-2 model: standard (thick wires for the cylinders, lumped coils)</source>
        <translation>das NEC-2-Modell: standard (dicke Drähte für die Zylinder, konzentrierte Spulen)</translation>
    </message>
    <message>
        <source>the detailed model (wire-grid cages, helical coils, the leads; some seconds, progress on a terminal&apos;s standard error, Ctrl+C stops it): only the resonance, radiation resistance, gain and efficiency</source>
        <translation>das detaillierte Modell (Drahtgitter-Käfige, Wendelspulen, die Zuleitungen; einige Sekunden, Fortschritt auf der Standardfehlerausgabe eines Terminals, Strg+C bricht ab): nur Resonanz, Strahlungswiderstand, Gewinn und Wirkungsgrad</translation>
    </message>
    <message>
        <source>table (the default), json, csv (the sweep) or s1p (the sweep as Touchstone)</source>
        <translation>table (Vorgabe), json, csv (der Sweep) oder s1p (der Sweep als Touchstone)</translation>
    </message>
    <message>
        <source>also write the model&apos;s NEC deck, which NEC-2 programs open</source>
        <translation>zusätzlich die NEC-Datei des Modells schreiben, die NEC-2-Programme öffnen</translation>
    </message>
    <message>
        <source>Build sheet options</source>
        <translation>Bauplanoptionen</translation>
    </message>
    <message>
        <source>write the build sheet as a PDF file</source>
        <translation>den Bauplan als PDF-Datei schreiben</translation>
    </message>
    <message>
        <source>write it as an SVG drawing</source>
        <translation>als SVG-Zeichnung schreiben</translation>
    </message>
    <message>
        <source>write it as a PNG picture</source>
        <translation>als PNG-Bild schreiben</translation>
    </message>
    <message>
        <source>Exit status:
  0   success
  1   a file could not be read or written; in --batch, a line could not be
      computed (it prints &quot;error&quot;, the other lines are computed)
  2   bad input (unknown key or option, a value that is no decimal number);
      the message names it on standard error</source>
        <translation>Exit-Status:
  0   Erfolg
  1   eine Datei konnte nicht gelesen oder geschrieben werden; bei --batch konnte eine Zeile nicht
      berechnet werden (sie gibt &quot;error&quot; aus, die anderen Zeilen werden berechnet)
  2   fehlerhafte Eingabe (unbekannter Schlüssel oder unbekannte Option, ein Wert, der keine Dezimalzahl ist);
      die Meldung auf der Standardfehlerausgabe nennt sie</translation>
    </message>
</context>
<context>
    <name>CalcMessages</name>
    <message>
        <source>build-sheet needs --pdf, --svg or --png</source>
        <translation>build-sheet braucht --pdf, --svg oder --png</translation>
    </message>
    <message>
        <source>design file not found: %1</source>
        <translation>Entwurfsdatei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>the design file %1</source>
        <translation>die Entwurfsdatei %1</translation>
    </message>
    <message>
        <source>the build sheet needs a GUI application object</source>
        <translation>der Bauplan braucht ein GUI-Anwendungsobjekt</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>invalid run count &apos;%1&apos;</source>
        <translation>ungültige Anzahl Läufe &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1...&apos; (%2 characters)</source>
        <translation>&apos;%1...&apos; (%2 Zeichen)</translation>
    </message>
    <message>
        <source>value of %1 is not a decimal number: %2</source>
        <translation>Wert von %1 ist keine Dezimalzahl: %2</translation>
    </message>
    <message>
        <source>value of %1 is too large for any field (more than %2 digits before the point): %3</source>
        <translation>Wert von %1 ist zu groß für jedes Feld (mehr als %2 Stellen vor dem Punkt): %3</translation>
    </message>
    <message>
        <source>expected KEY=VALUE, got &apos;%1&apos;</source>
        <translation>KEY=VALUE erwartet, erhalten: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos;</source>
        <translation>unbekannter Schlüssel &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option &apos;%1&apos; braucht einen Wert</translation>
    </message>
    <message>
        <source>option &apos;--file&apos; needs a path</source>
        <translation>Option &apos;--file&apos; braucht einen Pfad</translation>
    </message>
    <message>
        <source>unknown partial recalculation &apos;%1&apos;</source>
        <translation>unbekannte Teilberechnung &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a design file</source>
        <translation>&apos;%1&apos; ist ein Ordner, keine Entwurfsdatei</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; not found</source>
        <translation>Entwurfsdatei &apos;%1&apos; nicht gefunden</translation>
    </message>
    <message>
        <source>&apos;--batch&apos; takes no other arguments</source>
        <translation>&apos;--batch&apos; nimmt keine weiteren Argumente</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>value of %1 does not fit its field: %2 (%1 holds -%3 to %3)</source>
        <translation>Wert von %1 passt nicht in sein Feld: %2 (%1 fasst -%3 bis %3)</translation>
    </message>
    <message>
        <source>the design file&apos;s value of %1 does not fit its field and was cut to what the field holds</source>
        <translation>der Wert von %1 in der Entwurfsdatei passt nicht in sein Feld und wurde auf das gekürzt, was das Feld fasst</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>the design file&apos;s values of %1 do not fit their fields and were cut to what the field holds</source>
        <translation>die Werte von %1 in der Entwurfsdatei passen nicht in ihre Felder und wurden auf das gekürzt, was das Feld fasst</translation>
    </message>
    <message>
        <source>&apos;save&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;save&apos; nimmt kein &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>the design file %1 could not be written: %2</source>
        <translation>die Entwurfsdatei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the results row could not be written: %1</source>
        <translation>die Ergebniszeile konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>no user record &apos;%1&apos;</source>
        <translation>kein Benutzerdatensatz &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--format&apos; needs a value</source>
        <translation>Option &apos;--format&apos; braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (line, table, json or csv)</source>
        <translation>unbekanntes Format &apos;%1&apos; (line, table, json oder csv)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a design file</source>
        <translation>%1 braucht eine Entwurfsdatei</translation>
    </message>
    <message>
        <source>invalid date &apos;%1&apos; (expected YYYY-MM-DD)</source>
        <translation>ungültiges Datum &apos;%1&apos; (erwartet: YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>report needs --pdf OUT.pdf or --export</source>
        <translation>report braucht --pdf OUT.pdf oder --export</translation>
    </message>
    <message>
        <source>the report needs a GUI application object</source>
        <translation>der Bericht braucht ein GUI-Anwendungsobjekt</translation>
    </message>
    <message>
        <source>&apos;--model&apos; needs standard or detailed</source>
        <translation>&apos;--model&apos; braucht standard oder detailed</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table, json, csv or s1p</source>
        <translation>&apos;--format&apos; braucht table, json, csv oder s1p</translation>
    </message>
    <message>
        <source>&apos;--deck&apos; needs a file name</source>
        <translation>&apos;--deck&apos; braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;simulate&apos; nimmt eine Entwurfsdatei, erhalten auch &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; needs a design file</source>
        <translation>&apos;simulate&apos; braucht eine Entwurfsdatei</translation>
    </message>
    <message>
        <source>unknown model &apos;%1&apos;</source>
        <translation>unbekanntes Modell &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>unbekanntes Format &apos;%1&apos;</translation>
    </message>
    <message>
        <source>detailed model, %1 % done</source>
        <translation>detailliertes Modell, %1 % fertig</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;%1&apos; nimmt kein &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--runs&apos;</source>
        <translation>&apos;%1&apos; nimmt kein &apos;--runs&apos;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; needs NT=&lt;turns&gt; or SCT=&lt;turns&gt;</source>
        <translation>&apos;fit&apos; braucht NT=&lt;turns&gt; oder SCT=&lt;turns&gt;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; takes one target, got &apos;%1&apos; as well</source>
        <translation>&apos;fit&apos; nimmt ein Ziel, erhalten auch &apos;%1&apos;</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not a decimal number</source>
        <translation>Windungen &apos;%1&apos; in &apos;%2&apos; sind keine Dezimalzahl</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not above 0</source>
        <translation>Windungen &apos;%1&apos; in &apos;%2&apos; sind nicht über 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is what the fit finds; leave it out</source>
        <translation>&apos;%1&apos; ist das, was die Anpassung findet; weglassen</translation>
    </message>
    <message>
        <source>no %1 from %2 to %3 gives %4 within half a turn of %5; the nearest, %1=%6, gives %4=%7</source>
        <translation>kein %1 von %2 bis %3 ergibt %4 auf eine halbe Windung genau bei %5; am nächsten kommt %1=%6 mit %4=%7</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; needs KEY=FROM:TO:STEP</source>
        <translation>&apos;sweep&apos; braucht KEY=FROM:TO:STEP</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; varies one input, got &apos;%1&apos; as well</source>
        <translation>&apos;sweep&apos; variiert eine Eingabe, erhalten auch &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--to&apos; needs &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>Option &apos;--to&apos; braucht &apos;metric&apos; oder &apos;imperial&apos;</translation>
    </message>
    <message>
        <source>&apos;--to %1&apos;: expected &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>&apos;--to %1&apos;: &apos;metric&apos; oder &apos;imperial&apos; erwartet</translation>
    </message>
    <message>
        <source>&apos;convert&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;convert&apos; nimmt eine Entwurfsdatei, erhalten auch &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs a design file</source>
        <translation>&apos;convert&apos; braucht eine Entwurfsdatei</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs &apos;--to metric&apos; or &apos;--to imperial&apos;</source>
        <translation>&apos;convert&apos; braucht &apos;--to metric&apos; oder &apos;--to imperial&apos;</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; declares the unit system %2, neither Imperial (0) nor Metric (1)</source>
        <translation>Entwurfsdatei &apos;%1&apos; gibt das Maßsystem %2 an, weder Zoll (0) noch metrisch (1)</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already a Metric design</source>
        <translation>Entwurfsdatei &apos;%1&apos; ist bereits ein metrischer Entwurf</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already an Imperial design</source>
        <translation>Entwurfsdatei &apos;%1&apos; ist bereits ein Zoll-Entwurf</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table or json</source>
        <translation>&apos;--format&apos; braucht table oder json</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs the turns wound</source>
        <translation>&apos;--wound&apos; braucht die gewickelten Windungen</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs a number of turns above 0, got &apos;%1&apos;</source>
        <translation>&apos;--wound&apos; braucht eine Windungszahl über 0, erhalten: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;tune&apos; needs a design file and a measurement</source>
        <translation>&apos;tune&apos; braucht eine Entwurfsdatei und eine Messung</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>Die Messung %1 enthält keinen brauchbaren Sweep: %2</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>kann %1 nicht ausführen: %2</translation>
    </message>
    <message>
        <source>the page commands need %1, which is not installed (looked for %2 and %3)</source>
        <translation>die Seitenbefehle brauchen %1, das nicht installiert ist (gesucht: %2 und %3)</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>Enter the Centre Frequency in Megahertz. 
Maximum of 3 decimal points.</source>
        <translation>Mittenfrequenz in Megahertz eingeben. 
Höchstens 3 Nachkommastellen.</translation>
    </message>
    <message>
        <source>Enter the outside diameter of the cylinder in inches</source>
        <translation>Außendurchmesser des Zylinders in Zoll eingeben</translation>
    </message>
    <message>
        <source>The L/D Ratio and the Diameter are used to
calculate the primary Capacitance in pfd, the
reactance in Ohms, the 3db bandwidth and the
&apos;Q&apos; of the antenna.</source>
        <translation>Aus dem L/D-Verhältnis und dem Durchmesser werden
die Grundkapazität in pF, der Blindwiderstand in Ohm,
die 3-dB-Bandbreite und die Güte &apos;Q&apos; der
Antenne berechnet.</translation>
    </message>
    <message>
        <source>Measured bandwidth in kHz is the 2:1 VSWR
reading either side of the minimum VSWR.</source>
        <translation>Die gemessene Bandbreite in kHz ist der Abstand der
SWV-2:1-Punkte beiderseits des SWV-Minimums.</translation>
    </message>
    <message>
        <source>An option to calculate the source Coil Inductance
based on the amount of phase shift. Initial setting
is 6 degrees similar to the Phase Coil. When you 
have your antenna working, enter in a value to
generate the completed number of turns in the 
source Coil.</source>
        <translation>Option zur Berechnung der Induktivität der Speisespule
aus der Phasenverschiebung. Voreinstellung
sind 6 Grad wie bei der Phasenspule. Wenn Ihre 
Antenne funktioniert, geben Sie einen Wert ein, um
die endgültige Windungszahl der 
Speisespule zu erhalten.</translation>
    </message>
    <message>
        <source>Normally the same diameter as the Tuning Coil. 
However, you may vary to suit.</source>
        <translation>Normalerweise derselbe Durchmesser wie die Abstimmspule. 
Sie können ihn aber anpassen.</translation>
    </message>
    <message>
        <source>Close wound coils are usually spaced the same
diameter as the wire diameter.</source>
        <translation>Eng gewickelte Spulen haben meist einen Windungsabstand
gleich dem Drahtdurchmesser.</translation>
    </message>
    <message>
        <source>Factor divided the ratio of Cylinder length to coil length
by 2 then applies the factor you specify. Click on
the Recalc Button to apply.</source>
        <translation>Der Faktor teilt das Verhältnis von Zylinderlänge zu Spulenlänge
durch 2 und wendet dann Ihren Faktor an. Klicken Sie
auf ReCalc, um ihn anzuwenden.</translation>
    </message>
    <message>
        <source>To calculate the size correctly we need to click 
this field to regenerate the inductance and 
re-calculate the coil size.</source>
        <translation>Für die richtige Größe dieses Feld anklicken, 
um die Induktivität neu zu erzeugen und 
die Spulengröße neu zu berechnen.</translation>
    </message>
</context>
<context>
    <name>DesignText</name>
    <message>
        <source>Just follow the prompts. On each entry field there is a popup to tell about the field. After entering the wire size and spacing, click on the ReCalc button. This causes a looping through several calculations to get the final coil inductance and size. After making and testing your antenna, if you find that the coil turns generated are different to what you have found to provide maximum output with lowest VSWR, then change the Factor field until you get the number of turns on your completed antenna. Initially this will a factor of 2. Use decimal points to get to the closest number of turns. Email this information to me from the main form, bottom left.The above information is required to get a truer picture of the factor we need to use to get the final release of this programme accurate. It is a chicken before the egg situation. Initially we do not know the size of the inductance required for resonance, so we insert a guestimate. Then we refine it by setting a factor. This then gives us the correct inductance, coil length and number of turns. So we need your help to complete the final project.</source>
        <translation>Folgen Sie einfach den Hinweisen. Zu jedem Eingabefeld erscheint ein Hinweis, der das Feld erklärt. Nach Eingabe von Drahtstärke und Windungsabstand klicken Sie auf ReCalc. Damit wird eine Schleife aus mehreren Berechnungen durchlaufen, die die endgültige Induktivität und Größe der Spule liefert. Wenn Sie nach Bau und Test Ihrer Antenne feststellen, dass die berechneten Windungen von denen abweichen, die bei geringstem SWV die größte Ausgangsleistung ergeben, ändern Sie das Feld Faktor, bis Sie die Windungszahl Ihrer fertigen Antenne erhalten. Anfangs ist der Faktor 2. Verwenden Sie Nachkommastellen, um der Windungszahl möglichst nahe zu kommen. Mailen Sie mir diese Angaben über das Hauptformular, unten links. Diese Angaben brauchen wir, um ein genaueres Bild des Faktors zu bekommen, damit die endgültige Version dieses Programms genau wird. Es ist die Frage nach Henne und Ei: Anfangs kennen wir die für die Resonanz nötige Induktivität nicht, also setzen wir einen Schätzwert ein. Dann verfeinern wir ihn mit einem Faktor. Das ergibt die richtige Induktivität, Spulenlänge und Windungszahl. Wir brauchen also Ihre Hilfe, um das Projekt abzuschließen.</translation>
    </message>
    <message>
        <source>YQ Design Calculator</source>
        <translation>YQ-Entwurfsrechner</translation>
    </message>
    <message>
        <source>Choose File to Open</source>
        <translation>Zu öffnende Datei wählen</translation>
    </message>
    <message>
        <source>Invalid figure. Valid values are between|1 and 99. Please re-enter</source>
        <translation>Ungültiger Wert. Gültig sind Werte zwischen|1 und 99. Bitte neu eingeben</translation>
    </message>
    <message>
        <source>You are printing a metric|antenna. Measurements will default to mm.</source>
        <translation>Sie drucken eine metrische|Antenne. Maße werden in mm angegeben.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>%1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>the path is longer than %1 characters</source>
        <translation>der Pfad ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the results file %1 could not be opened</source>
        <translation>die Ergebnisdatei %1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the results file %1 could not be locked</source>
        <translation>die Ergebnisdatei %1 konnte nicht gesperrt werden</translation>
    </message>
    <message>
        <source>the results file %1 is in use by another program</source>
        <translation>die Ergebnisdatei %1 wird von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>the results file %1 could not be read</source>
        <translation>die Ergebnisdatei %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source> (the file may end in a partial line)</source>
        <translation> (die Datei endet eventuell mit einer unvollständigen Zeile)</translation>
    </message>
    <message>
        <source>the results row could not be written to %1</source>
        <translation>die Ergebniszeile konnte nicht nach %1 geschrieben werden</translation>
    </message>
    <message>
        <source>the results row was added to %1 but could not be flushed to disk: %2</source>
        <translation>die Ergebniszeile wurde an %1 angehängt, konnte aber nicht auf die Festplatte geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The design file %1 could not be written.</source>
        <translation>Die Entwurfsdatei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The design was saved, but the results row could not be written:|%1</source>
        <translation>Der Entwurf wurde gespeichert, aber die Ergebniszeile konnte nicht geschrieben werden:|%1</translation>
    </message>
    <message>
        <source>it is locked by another program</source>
        <translation>sie ist von einem anderen Programm gesperrt</translation>
    </message>
    <message>
        <source>The user file %1 cannot be read: %2</source>
        <translation>Die Benutzerdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it holds no user records (not a user file)</source>
        <translation>sie enthält keine Benutzerdatensätze (keine Benutzerdatei)</translation>
    </message>
    <message>
        <source>it is damaged (cut off inside a page)</source>
        <translation>sie ist beschädigt (innerhalb einer Seite abgeschnitten)</translation>
    </message>
    <message>
        <source>The name and call sign may not contain control characters (line breaks, tabs).</source>
        <translation>Name und Rufzeichen dürfen keine Steuerzeichen enthalten (Zeilenumbrüche, Tabulatoren).</translation>
    </message>
    <message>
        <source>The name and call sign may have at most %1 characters.</source>
        <translation>Name und Rufzeichen dürfen höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>The record could not be added: %1</source>
        <translation>Der Datensatz konnte nicht hinzugefügt werden: %1</translation>
    </message>
    <message>
        <source>The record could not be changed (it may have been deleted).</source>
        <translation>Der Datensatz konnte nicht geändert werden (er wurde vielleicht gelöscht).</translation>
    </message>
    <message>
        <source>The record could not be deleted: the user file does not exist.</source>
        <translation>Der Datensatz konnte nicht gelöscht werden: die Benutzerdatei existiert nicht.</translation>
    </message>
    <message>
        <source>The record could not be deleted (it may already be gone).</source>
        <translation>Der Datensatz konnte nicht gelöscht werden (er ist vielleicht schon weg).</translation>
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
        <translation>Serienresonanzen</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Serienresonanz</translation>
    </message>
    <message>
        <source>Tuned from</source>
        <translation>Abgestimmt nach</translation>
    </message>
    <message>
        <source>Impedance there</source>
        <translation>Impedanz dort</translation>
    </message>
    <message>
        <source>Least SWR (50 ohm)</source>
        <translation>Kleinstes SWV (50 Ohm)</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth (50 ohm)</source>
        <translation>SWV-2:1-Bandbreite (50 Ohm)</translation>
    </message>
    <message>
        <source>Design frequency</source>
        <translation>Entwurfsfrequenz</translation>
    </message>
    <message>
        <source>Series inductance at the feed</source>
        <translation>Serien-L am Speisepunkt</translation>
    </message>
    <message>
        <source>Effective capacitance</source>
        <translation>Wirksame Kapazität</translation>
    </message>
    <message>
        <source>Inductance for the design frequency</source>
        <translation>Induktivität für die Entwurfsfrequenz</translation>
    </message>
    <message>
        <source>Tuning coil</source>
        <translation>Abstimmspule</translation>
    </message>
    <message>
        <source>Coil length</source>
        <translation>Spulenlänge</translation>
    </message>
    <message>
        <source>Wire length</source>
        <translation>Drahtlänge</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Kapazitätsfaktor</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Gelesen</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Abstimmung</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>  or:  %1</source>
        <translation>  oder:  %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Beispiel: %1</translation>
    </message>
    <message>
        <source>Licence GPL-2.0-or-later: GNU GPL version 2 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Lizenz GPL-2.0-or-later: GNU GPL Version 2 oder neuer &lt;https://gnu.org/licenses/gpl.html&gt;.
Dies ist freie Software: Sie dürfen sie ändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</translation>
    </message>
</context>
<context>
    <name>InfoTexts</name>
    <message>
        <source>Welcome to the wonderful world of YQ Antennas. At long last we have achieved what many have said was impossible, the development of a new antenna concept. For 120 years the resonant wire antenna of Hertz has been taken as the only way to build an antenna. We did not accept that, and the YQ antenna concept is the outcome. It offers advantages in every antenna parameter: Small Size, High Efficiency, wide bandwidth, and very low EMI. While developing it we came upon a new development in physics connected with it, and that discovery has in turn led us to a further antenna concept that we hope to present to you soon.</source>
        <translation>Willkommen in der wunderbaren Welt der YQ-Antennen. Endlich haben wir erreicht, was viele für unmöglich hielten: die Entwicklung eines neuen Antennenkonzepts. 120 Jahre lang galt die resonante Drahtantenne von Hertz als einzige Art, eine Antenne zu bauen. Damit haben wir uns nicht abgefunden, und das Ergebnis ist das YQ-Antennenkonzept. Es bietet Vorteile bei jedem Antennenparameter: geringe Größe, hoher Wirkungsgrad, große Bandbreite und sehr geringe Störabstrahlung (EMI). Bei seiner Entwicklung stießen wir auf eine damit verbundene neue Erkenntnis der Physik, und diese Entdeckung hat uns wiederum zu einem weiteren Antennenkonzept geführt, das wir Ihnen hoffentlich bald vorstellen können.</translation>
    </message>
    <message>
        <source>Here is the information to allow you to design antennas for various Ham bands. We hope you enjoy this information and the use of the antennas you build. There are an untold number already on the air and many more added every day.</source>
        <translation>Hier finden Sie alles, um Antennen für die Amateurfunkbänder zu entwerfen. Viel Freude damit und mit Ihren selbst gebauten Antennen! Unzählige sind schon in der Luft, täglich kommen neue hinzu.</translation>
    </message>
    <message>
        <source>Brannoc Quillet has been a radio amateur since his school days, when he built his first crystal receiver from parts of an old telephone. He trained as an electrical engineer and spent many years designing transmitters for broadcast and marine radio. Curious why small antennas were always said to be poor radiators, he began to experiment with short cylinders and coils in his workshop, and from that work the YQ antenna was born. Today he leads ZO Duravar Uravaro, a small company of engineers and radio amateurs who are developing applications of the YQ Antenna.</source>
        <translation>Brannoc Quillet ist seit seiner Schulzeit Funkamateur; damals baute er seinen ersten Detektorempfänger aus Teilen eines alten Telefons. Er wurde Elektroingenieur und entwickelte viele Jahre lang Sender für Rundfunk und Seefunk. Neugierig, warum kleine Antennen stets als schlechte Strahler galten, begann er in seiner Werkstatt mit kurzen Zylindern und Spulen zu experimentieren, und aus dieser Arbeit entstand die YQ-Antenne. Heute leitet er ZO Duravar Uravaro, ein kleines Unternehmen aus Ingenieuren und Funkamateuren, die Anwendungen der YQ-Antenne entwickeln.</translation>
    </message>
    <message>
        <source>We present these pictures to show just what is being accomplished around the world with YQ antennas. We will letthe pictures speak for themselves. If you would like your antenna featured email a good clear picture to %1</source>
        <translation>Diese Bilder zeigen, was mit YQ-Antennen weltweit erreicht wird. Wir lassen die Bilder für sich sprechen. Wenn Ihre Antenne hier erscheinen soll, mailen Sie ein gutes, scharfes Foto an %1</translation>
    </message>
    <message>
        <source>Written by our programmer from formulas supplied by Brannoc Quillet. It is a work in progress as we need to get feedback from users like yourself who may have successfully built and used an Yq antenna. We need to know the specifications you </source>
        <translation>Geschrieben von unserem Programmierer nach Formeln von Brannoc Quillet. Das Programm wird weiterentwickelt, denn wir brauchen Rückmeldungen von Anwendern wie Ihnen, die eine YQ-Antenne erfolgreich gebaut und betrieben haben. Wir müssen die Angaben kennen, die Sie </translation>
    </message>
    <message>
        <source>used to arrive at a working antenna. Please complete and email the details to us for analysis.</source>
        <translation>für eine funktionierende Antenne verwendet haben. Bitte füllen Sie die Details aus und mailen Sie sie uns zur Auswertung.</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>Enter the Frequency in Megahertz</source>
        <translation>Frequenz in Megahertz eingeben</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Radiation Resistance</source>
        <translation>Strahlungswiderstand</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Radiation Resistance from measured bandwidth</source>
        <translation>Strahlungswiderstand aus gemessener Bandbreite</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter :</source>
        <translation>Zylinderdurchmesser eingeben :</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter in mm</source>
        <translation>Zylinderdurchm. in mm eingeben</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Enter desired Length/Diameter Ratio</source>
        <translation>Gewünschtes L/D-Verhältnis</translation>
    </message>
    <message>
        <source>Calculated Cylinder Capacitance pFd:</source>
        <translation>Berechnete Zylinderkapazität pF:</translation>
    </message>
    <message>
        <source>pF</source>
        <translation>pF</translation>
    </message>
    <message>
        <source>Reactance (Xc) in Ohms</source>
        <translation>Blindwiderstand (Xc) in Ohm</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>+/- 3-dB-Bandbreite in kHz</translation>
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
        <translation>Gesamtlänge der Antenne :</translation>
    </message>
    <message>
        <source>Total Length of Antenna in mm:</source>
        <translation>Gesamtlänge der Antenne in mm:</translation>
    </message>
    <message>
        <source>Enter Measured Bandwidth in kHz</source>
        <translation>Gemessene Bandbreite (kHz)</translation>
    </message>
    <message>
        <source>Variance in Measured RR</source>
        <translation>Abweichung gemessener RR</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter :</source>
        <translation>Drahtdurchmesser eingeben :</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter in mm</source>
        <translation>Drahtdurchmesser in mm eingeben</translation>
    </message>
    <message>
        <source>Enter Spacing :</source>
        <translation>Abstand eingeben :</translation>
    </message>
    <message>
        <source>Enter Spacing in mm</source>
        <translation>Windungsabstand in mm eing.</translation>
    </message>
    <message>
        <source>Calculated Turns per Inch</source>
        <translation>Berechnete Windungen je Zoll</translation>
    </message>
    <message>
        <source>1/in</source>
        <translation>1/in</translation>
    </message>
    <message>
        <source>Calculated Turns per mm</source>
        <translation>Berechnete Windungen je mm</translation>
    </message>
    <message>
        <source>1/mm</source>
        <translation>1/mm</translation>
    </message>
    <message>
        <source>Cylinder to Wire Capacitance in pFd</source>
        <translation>Kapazität Zylinder–Draht in pF</translation>
    </message>
    <message>
        <source>Estimated Coil Capacitance in pFd</source>
        <translation>Geschätzte Spulenkapazität in pF</translation>
    </message>
    <message>
        <source>Coil Inductance in uH</source>
        <translation>Spuleninduktivität in uH</translation>
    </message>
    <message>
        <source>uH</source>
        <translation>uH</translation>
    </message>
    <message>
        <source>Number of Turns required</source>
        <translation>Erforderliche Windungszahl</translation>
    </message>
    <message>
        <source>turns</source>
        <translation>Wdg.</translation>
    </message>
    <message>
        <source>Coil Length :</source>
        <translation>Spulenlänge :</translation>
    </message>
    <message>
        <source>Coil Length in mm:</source>
        <translation>Spulenlänge in mm:</translation>
    </message>
    <message>
        <source>Length of wire required in Inches</source>
        <translation>Benötigte Drahtlänge in Zoll</translation>
    </message>
    <message>
        <source>Length of wire required in mm:</source>
        <translation>Benötigte Drahtlänge in mm:</translation>
    </message>
    <message>
        <source>Length of cylinder :</source>
        <translation>Zylinderlänge :</translation>
    </message>
    <message>
        <source>Length of cylinder in mm :</source>
        <translation>Zylinderlänge in mm :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter :</source>
        <translation>Spulendurchmesser eingeben :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter in mm:</source>
        <translation>Spulendurchmesser in mm eingeben:</translation>
    </message>
    <message>
        <source>Length as a % of wave length:</source>
        <translation>Länge in % der Wellenlänge:</translation>
    </message>
    <message>
        <source>Length of Phasing Wire :</source>
        <translation>Länge des Phasendrahts :</translation>
    </message>
    <message>
        <source>Length of Phasing Wire</source>
        <translation>Länge des Phasendrahts</translation>
    </message>
    <message>
        <source>Enter Phasing Coil Diameter:</source>
        <translation>Durchm. Phasenspule eingeben:</translation>
    </message>
    <message>
        <source>Phasing Coil Turns</source>
        <translation>Wdg. Phasenspule</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Kapazitätsfaktor</translation>
    </message>
    <message>
        <source>Antenna Efficiency</source>
        <translation>Antennenwirkungsgrad</translation>
    </message>
    <message>
        <source>Loss in DB</source>
        <translation>Verlust in dB</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Wdg. Speisespule</translation>
    </message>
    <message>
        <source>Source coil length :</source>
        <translation>Länge Speisespule :</translation>
    </message>
    <message>
        <source>Source coil length in mm</source>
        <translation>Länge Speisespule in mm</translation>
    </message>
    <message>
        <source>Source Coil Inductance in uH</source>
        <translation>Induktivität Speisespule in uH</translation>
    </message>
    <message>
        <source>Enter Source Coil Diameter:</source>
        <translation>Durchm. Speisespule eingeben:</translation>
    </message>
    <message>
        <source>Source Coil Wire Length :</source>
        <translation>Drahtlänge Speisespule :</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Drahtlänge Speisespule</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter</source>
        <translation>Drahtdurchm. Speisespule</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter in mm</source>
        <translation>Drahtdurchm. Speisespule in mm</translation>
    </message>
    <message>
        <source>Source Coil Reactance at 40ohms</source>
        <translation>Blindwid. Speisespule bei 40 Ohm</translation>
    </message>
    <message>
        <source>Enter Degrees of Phase:</source>
        <translation>Phasenwinkel eingeben:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>unknown language &quot;%1&quot;</source>
        <translation>unbekannte Sprache „%1“</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>wählen Sie eine von %1</translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation>--lang braucht einen Sprachcode</translation>
    </message>
</context>
<context>
    <name>LaunchCodes</name>
    <message>
        <source>The Operating system is out of memory/resources. File:|</source>
        <translation>Das Betriebssystem hat keinen Speicher/keine Ressourcen mehr. Datei:|</translation>
    </message>
    <message>
        <source>Unknown ShellExecute Error occured. File:|</source>
        <translation>Unbekannter ShellExecute-Fehler aufgetreten. Datei:|</translation>
    </message>
    <message>
        <source>The specified file was not found. File:|</source>
        <translation>Die angegebene Datei wurde nicht gefunden. Datei:|</translation>
    </message>
    <message>
        <source>The specified path was not found. File:|</source>
        <translation>Der angegebene Pfad wurde nicht gefunden. Datei:|</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file. File:|</source>
        <translation>Das Betriebssystem hat den Zugriff auf die angegebene Datei verweigert. Datei:|</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation. File:|</source>
        <translation>Nicht genug Speicher, um den Vorgang abzuschließen. Datei:|</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32® .exe or error in .exe image). File:|</source>
        <translation>Die .exe-Datei ist ungültig (keine Win32®-.exe oder Fehler im .exe-Abbild). Datei:|</translation>
    </message>
    <message>
        <source>A sharing violation occurred. File:|</source>
        <translation>Eine Freigabeverletzung ist aufgetreten. Datei:|</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid. File:|</source>
        <translation>Die Dateinamenzuordnung ist unvollständig oder ungültig. Datei:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out. File:|</source>
        <translation>Die DDE-Transaktion konnte wegen Zeitüberschreitung nicht abgeschlossen werden. Datei:|</translation>
    </message>
    <message>
        <source>The DDE transaction failed. File:|</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen. Datei:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed. File:|</source>
        <translation>Die DDE-Transaktion konnte nicht abgeschlossen werden, weil andere DDE-Transaktionen verarbeitet wurden. Datei:|</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension. File:|</source>
        <translation>Der angegebenen Dateinamenerweiterung ist keine Anwendung zugeordnet. Datei:|</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found. File:|</source>
        <translation>Die angegebene DLL (Dynamic Link Library) wurde nicht gefunden. Datei:|</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>|File:|%1</source>
        <translation>|Datei:|%1</translation>
    </message>
    <message>
        <source>The results file was not found.|Each SAVE adds a row to it: save a design first.</source>
        <translation>Die Ergebnisdatei wurde nicht gefunden.|Jedes SICHERN fügt ihr eine Zeile hinzu: speichern Sie zuerst einen Entwurf.</translation>
    </message>
    <message>
        <source>No spreadsheet program is set up to open CSV files.|Install one, or choose the program for CSV files in the desktop&apos;s settings.</source>
        <translation>Kein Tabellenprogramm ist zum Öffnen von CSV-Dateien eingerichtet.|Installieren Sie eines oder wählen Sie das Programm für CSV-Dateien in den Desktop-Einstellungen.</translation>
    </message>
    <message>
        <source>The program set up to open CSV files cannot be started:|its desktop entry is missing or invalid.</source>
        <translation>Das für CSV-Dateien eingerichtete Programm kann nicht gestartet werden:|sein Desktop-Eintrag fehlt oder ist ungültig.</translation>
    </message>
    <message>
        <source>Shell Execute Error:</source>
        <translation>Shell-Execute-Fehler:</translation>
    </message>
</context>
<context>
    <name>MailClient</name>
    <message>
        <source>the mail program</source>
        <translation>das Mailprogramm</translation>
    </message>
    <message>
        <source>No mail program is registered on this desktop.</source>
        <translation>Auf diesem Desktop ist kein Mailprogramm registriert.</translation>
    </message>
    <message>
        <source>The registered mail program (%1) cannot be found.</source>
        <translation>Das registrierte Mailprogramm (%1) wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 cannot take the mail&apos;s HTML body.</source>
        <translation>%1 kann den HTML-Text der Mail nicht übernehmen.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments, and cannot take its HTML body.</source>
        <translation>Das Mailprogramm hat die Anhänge der Mail vielleicht nicht übernommen und kann ihren HTML-Text nicht übernehmen.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments.</source>
        <translation>Das Mailprogramm hat die Anhänge der Mail vielleicht nicht übernommen.</translation>
    </message>
    <message>
        <source>The mail program cannot take the mail&apos;s HTML body.</source>
        <translation>Das Mailprogramm kann den HTML-Text der Mail nicht übernehmen.</translation>
    </message>
    <message>
        <source>The mail program could not be started: %1.</source>
        <translation>Das Mailprogramm konnte nicht gestartet werden: %1.</translation>
    </message>
    <message>
        <source>The mail program could not be started: xdg-email is not installed.</source>
        <translation>Das Mailprogramm konnte nicht gestartet werden: xdg-email ist nicht installiert.</translation>
    </message>
    <message>
        <source>The mail program could not be started.</source>
        <translation>Das Mailprogramm konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>YQ antenna logo</source>
        <translation>YQ-Antennenlogo</translation>
    </message>
    <message>
        <source>YQ Star antenna: general arrangement with its parts named</source>
        <translation>YQ-Star-Antenne: Gesamtanordnung mit benannten Teilen</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>Die Teile der YQ-Star-Antenne</translation>
    </message>
    <message>
        <source>YQ Antenna Design Calculator banner</source>
        <translation>Banner des YQ-Antennen-Entwurfsrechners</translation>
    </message>
    <message>
        <source>A YQ antenna on a garden mast</source>
        <translation>Eine YQ-Antenne an einem Gartenmast</translation>
    </message>
    <message>
        <source>A YQ antenna mounted on a camper van</source>
        <translation>Eine YQ-Antenne auf einem Wohnmobil</translation>
    </message>
    <message>
        <source>Illustrated portrait: a radio amateur at the radio bench</source>
        <translation>Illustriertes Porträt: ein Funkamateur an der Funkstation</translation>
    </message>
    <message>
        <source>A YQ antenna on the roof of a house at sunset</source>
        <translation>Eine YQ-Antenne auf einem Hausdach bei Sonnenuntergang</translation>
    </message>
    <message>
        <source>A portable YQ antenna on a tripod by the sea</source>
        <translation>Eine portable YQ-Antenne auf einem Stativ am Meer</translation>
    </message>
    <message>
        <source>Winding the tuning coil on the workbench</source>
        <translation>Wickeln der Abstimmspule auf der Werkbank</translation>
    </message>
    <message>
        <source>Tuning a YQ antenna with an antenna analyser</source>
        <translation>Abstimmen einer YQ-Antenne mit einem Antennenanalysator</translation>
    </message>
    <message>
        <source>A YQ antenna on an apartment balcony</source>
        <translation>Eine YQ-Antenne auf einem Wohnungsbalkon</translation>
    </message>
    <message>
        <source>A YQ antenna on a mountain summit</source>
        <translation>Eine YQ-Antenne auf einem Berggipfel</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna laid out on the bench</source>
        <translation>Die Teile einer YQ-Antenne auf der Werkbank ausgelegt</translation>
    </message>
    <message>
        <source>A YQ antenna on a winter night</source>
        <translation>Eine YQ-Antenne in einer Winternacht</translation>
    </message>
    <message>
        <source>YQ program icon</source>
        <translation>YQ-Programmsymbol</translation>
    </message>
    <message>
        <source>About icon: radio operator</source>
        <translation>Info-Symbol: Funker</translation>
    </message>
    <message>
        <source>Hand pointer for links</source>
        <translation>Handzeiger für Links</translation>
    </message>
</context>
<context>
    <name>ProgramHelp</name>
    <message>
        <source>The YQ design calculator: design the YQ antenna in inches or millimetres, save designs and the results table YQ.csv in the working folder, print the design report and mail results.

The program opens its main window; the design windows open from its menu. Files are kept in the working folder (the folder of the last design file opened).</source>
        <translation>Der YQ-Entwurfsrechner: die YQ-Antenne in Zoll oder Millimetern berechnen, Entwürfe und die Ergebnistabelle YQ.csv im Arbeitsordner speichern, den Entwurfsbericht drucken und Ergebnisse mailen.

Das Programm öffnet sein Hauptfenster; die Entwurfsfenster öffnen sich über dessen Menü. Dateien liegen im Arbeitsordner (dem Ordner der zuletzt geöffneten Entwurfsdatei).</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>the language of the windows for this run: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>die Sprache der Fenster für diesen Lauf: en, de, ja, ru, it, es, pl, pt_BR, fr, cs oder nl (Vorgabe: die des Desktops, aus LANGUAGE, LC_ALL, LC_MESSAGES oder LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>trace the hyperlink service of the design windows on standard error: every line starts with &quot;RazedUveziz: &quot; (registrations, events, the commands run, no browser or mail program found)</source>
        <translation>den Hyperlink-Dienst der Entwurfsfenster auf der Standardfehlerausgabe protokollieren: jede Zeile beginnt mit &quot;RazedUveziz: &quot; (Registrierungen, Ereignisse, ausgeführte Befehle, kein Browser oder Mailprogramm gefunden)</translation>
    </message>
    <message>
        <source>trace each failed look-up of the desktop&apos;s browser or mail program (&quot;RegQueryValue: ...&quot;)</source>
        <translation>jede fehlgeschlagene Suche nach dem Browser oder Mailprogramm des Desktops protokollieren (&quot;RegQueryValue: ...&quot;)</translation>
    </message>
    <message>
        <source>trace the attempts of the per-link handler check (&quot;Tried(...&quot;)</source>
        <translation>die Versuche der Handler-Prüfung je Link protokollieren (&quot;Tried(...&quot;)</translation>
    </message>
    <message>
        <source>the Qt display plug-in (xcb, wayland, offscreen); Qt&apos;s other options are taken too</source>
        <translation>das Qt-Anzeige-Plug-in (xcb, wayland, offscreen); die übrigen Qt-Optionen werden ebenfalls angenommen</translation>
    </message>
    <message>
        <source>The trace switches may be given together and in any case (/hadebug). Traces go
to standard error, never to the screen.

Exit status:
  0   the main window was closed (Shutdown)</source>
        <translation>Die Protokollschalter können zusammen und in beliebiger Schreibweise angegeben werden (/hadebug). Protokolle gehen
auf die Standardfehlerausgabe, nie auf den Bildschirm.

Exit-Status:
  0   das Hauptfenster wurde geschlossen (Beenden)</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>nothing was drawn for %1</source>
        <translation>für %1 wurde nichts gezeichnet</translation>
    </message>
    <message>
        <source>cannot draw %1</source>
        <translation>%1 kann nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>it holds no picture (%1 bytes)</source>
        <translation>sie enthält kein Bild (%1 Byte)</translation>
    </message>
    <message>
        <source>it is cut short (%1 of %2 bytes)</source>
        <translation>sie ist abgeschnitten (%1 von %2 Byte)</translation>
    </message>
    <message>
        <source>The page image %1 could not be read</source>
        <translation>Das Seitenbild %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>folder does not exist</source>
        <translation>Ordner existiert nicht</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The report has no pages.</source>
        <translation>Der Bericht hat keine Seiten.</translation>
    </message>
</context>
<context>
    <name>ReportMail</name>
    <message>
        <source>No mail program is available.</source>
        <translation>Kein Mailprogramm verfügbar.</translation>
    </message>
    <message>
        <source>Corvan, my YQ results are attached</source>
        <translation>Corvan, anbei meine YQ-Ergebnisse</translation>
    </message>
    <message>
        <source>My Finished YQ Results</source>
        <translation>Meine fertigen YQ-Ergebnisse</translation>
    </message>
</context>
<context>
    <name>ReportMessages</name>
    <message>
        <source>%1|The report lists its designers from the user file, so it is not printed.|The user file is left as it is.</source>
        <translation>%1|Der Bericht führt seine Entwerfer aus der Benutzerdatei auf, daher wird er nicht gedruckt.|Die Benutzerdatei bleibt unverändert.</translation>
    </message>
    <message>
        <source>The report document could not be written.|%1|The mail opens without the report.</source>
        <translation>Das Berichtsdokument konnte nicht geschrieben werden.|%1|Die Mail öffnet sich ohne den Bericht.</translation>
    </message>
    <message>
        <source>The report mail could not be prepared.|</source>
        <translation>Die Berichtsmail konnte nicht vorbereitet werden.|</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>These files could not be attached to the mail:|</source>
        <translation>Diese Dateien konnten nicht an die Mail angehängt werden:|</translation>
    </message>
    <message>
        <source>A copy of the mail could not be saved as|%1:|%2</source>
        <translation>Eine Kopie der Mail konnte nicht gespeichert werden als|%1:|%2</translation>
    </message>
    <message>
        <source>%1|The mail is saved as|%2|Open it with your mail program to send it.</source>
        <translation>%1|Die Mail ist gespeichert als|%2|Öffnen Sie sie mit Ihrem Mailprogramm, um sie zu senden.</translation>
    </message>
    <message>
        <source>%1|The mail could not be saved as|%2:|%3</source>
        <translation>%1|Die Mail konnte nicht gespeichert werden als|%2:|%3</translation>
    </message>
    <message>
        <source>%1|The complete mail is saved as|%2|Open that one with your mail program to send all of it.</source>
        <translation>%1|Die vollständige Mail ist gespeichert als|%2|Öffnen Sie diese mit Ihrem Mailprogramm, um alles zu senden.</translation>
    </message>
    <message>
        <source>Send email</source>
        <translation>E-Mail senden</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>YQ *Star* Antenna designed for</source>
        <translation>YQ-*Star*-Antenne entworfen für</translation>
    </message>
    <message>
        <source>Mhz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in</source>
        <translation>Alle Längenmaße in</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Zylinder</translation>
    </message>
    <message>
        <source>Tuning Coil</source>
        <translation>Abstimmspule</translation>
    </message>
    <message>
        <source>Phasing Coil</source>
        <translation>Phasenspule</translation>
    </message>
    <message>
        <source>Source Coil</source>
        <translation>Speisespule</translation>
    </message>
    <message>
        <source>Cylinder Diameter</source>
        <translation>Zylinderdurchmesser</translation>
    </message>
    <message>
        <source>Length to Diameter Ratio</source>
        <translation>Verhältnis Länge zu Durchmesser</translation>
    </message>
    <message>
        <source>Cylinder Length</source>
        <translation>Zylinderlänge</translation>
    </message>
    <message>
        <source>Cylinder Spacing</source>
        <translation>Zylinderabstand</translation>
    </message>
    <message>
        <source>Cylinder Capacitance in pFd</source>
        <translation>Zylinderkapazität in pF</translation>
    </message>
    <message>
        <source>Reactance (XC) Ohms</source>
        <translation>Blindwiderstand (XC) Ohm</translation>
    </message>
    <message>
        <source>Radiation Resistance Ohms</source>
        <translation>Strahlungswiderstand Ohm</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>+/- 3-dB-Bandbreite in kHz</translation>
    </message>
    <message>
        <source>Antenna &apos;Q&apos;</source>
        <translation>Antennengüte &apos;Q&apos;</translation>
    </message>
    <message>
        <source>Antenna Length inc Coils</source>
        <translation>Antennenlänge mit Spulen</translation>
    </message>
    <message>
        <source>Wire diameter for all Coils</source>
        <translation>Drahtdurchm. für alle Spulen</translation>
    </message>
    <message>
        <source>Wire Spacing for Coils</source>
        <translation>Windungsabstand der Spulen</translation>
    </message>
    <message>
        <source>Tuning Coil Diameter</source>
        <translation>Durchm. Abstimmspule</translation>
    </message>
    <message>
        <source>Tuning Coil Inductance uH</source>
        <translation>Induktivität Abstimmspule uH</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <translation>Windungszahl</translation>
    </message>
    <message>
        <source>Coil Length</source>
        <translation>Spulenlänge</translation>
    </message>
    <message>
        <source>Coil Wire Length</source>
        <translation>Drahtlänge Spule</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Kapazitätsfaktor</translation>
    </message>
    <message>
        <source>Phase Coil diameter</source>
        <translation>Durchm. Phasenspule</translation>
    </message>
    <message>
        <source>Wire Length</source>
        <translation>Drahtlänge</translation>
    </message>
    <message>
        <source>Source Coil Diameter</source>
        <translation>Durchm. Speisespule</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Wdg. Speisespule</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Drahtlänge Speisespule</translation>
    </message>
    <message>
        <source>Cylinders should be made from non ferrous metals to reduce losses.</source>
        <translation>Die Zylinder sollten zur Verringerung der Verluste aus Nichteisenmetall sein.</translation>
    </message>
    <message>
        <source>Spacing between cylinders is critical to success.</source>
        <translation>Der Abstand zwischen den Zylindern ist entscheidend für den Erfolg.</translation>
    </message>
    <message>
        <source>Spacing between lower cylinder and top of tuning coil should equal cylinder diameter.</source>
        <translation>Der Abstand zwischen unterem Zylinder und oberem Ende der Abstimmspule sollte gleich dem Zylinderdurchmesser sein.</translation>
    </message>
    <message>
        <source>Wire from bottom of Tuning Coil must run up the inside edge of the lower cylinder.</source>
        <translation>Der Draht vom unteren Ende der Abstimmspule muss an der Innenwand des unteren Zylinders nach oben laufen.</translation>
    </message>
    <message>
        <source>Wire from top of Tuning Coil must run up the centre of the lower cylinder.</source>
        <translation>Der Draht vom oberen Ende der Abstimmspule muss in der Mitte des unteren Zylinders nach oben laufen.</translation>
    </message>
    <message>
        <source>Coil formers (the pipe) should be tested in a microwave oven for heating with RF excitation.</source>
        <translation>Spulenkörper (das Rohr) sollten im Mikrowellenherd auf Erwärmung durch HF geprüft werden.</translation>
    </message>
    <message>
        <source>If it gets hot in the MW then do not use it as it is absorbing RF energy.</source>
        <translation>Wird er in der Mikrowelle heiß, nicht verwenden, denn er nimmt HF-Energie auf.</translation>
    </message>
    <message>
        <source>When completed the entire antenna should be waterproofed.</source>
        <translation>Nach der Fertigstellung sollte die ganze Antenne wasserdicht gemacht werden.</translation>
    </message>
    <message>
        <source>Follow the instructions in Brannoc&apos;s Book on setting up for maximum radiation and minimum VSWR.</source>
        <translation>Folgen Sie den Anweisungen in Brannocs Buch zur Einstellung auf maximale Abstrahlung und minimales SWV.</translation>
    </message>
    <message>
        <source>Print Date:</source>
        <translation>Druckdatum:</translation>
    </message>
    <message>
        <source>Designed By:</source>
        <translation>Entworfen von:</translation>
    </message>
    <message>
        <source>Print from queue</source>
        <translation>Aus der Warteschlange drucken</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
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
        <translation>Zeile %1 der NEC-Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number in the %2 card</source>
        <translation>&quot;%1&quot; ist keine Zahl in der %2-Karte</translation>
    </message>
    <message>
        <source>the %1 card needs %2 numbers</source>
        <translation>die %1-Karte braucht %2 Zahlen</translation>
    </message>
    <message>
        <source>The deck&apos;s line %1 cannot be checked</source>
        <translation>Zeile %1 der NEC-Datei kann nicht geprüft werden</translation>
    </message>
    <message>
        <source>a GM card that copies or rotates is not read here</source>
        <translation>eine GM-Karte, die kopiert oder dreht, wird hier nicht gelesen</translation>
    </message>
    <message>
        <source>The deck asks for no frequency (no FR card).</source>
        <translation>Die NEC-Datei verlangt keine Frequenz (keine FR-Karte).</translation>
    </message>
    <message>
        <source>Wire %1 has no length or no segment; nec2c can run on for ever on it.</source>
        <translation>Draht %1 hat keine Länge oder kein Segment; nec2c kann damit endlos laufen.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the lowest frequency; NEC-2 wants at least 0.001.</source>
        <translation>Segmente von Draht %1 sind %2 Wellenlängen lang bei %3 MHz, der niedrigsten Frequenz; NEC-2 verlangt mindestens 0.001.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the highest frequency; NEC-2 wants at most 0.1.</source>
        <translation>Segmente von Draht %1 sind %2 Wellenlängen lang bei %3 MHz, der höchsten Frequenz; NEC-2 verlangt höchstens 0.1.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 with the extended thin-wire kernel.</source>
        <translation>Segmente von Draht %1 sind %2-mal so lang wie ihr Radius; NEC-2 verlangt mindestens %3 mit dem erweiterten Dünndraht-Kernel.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 without EK.</source>
        <translation>Segmente von Draht %1 sind %2-mal so lang wie ihr Radius; NEC-2 verlangt mindestens %3 ohne EK.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 lie over the same %3 m; nec2c gives a meaningless impedance for them.</source>
        <translation>Drähte %1 und %2 liegen über dieselben %3 m; nec2c liefert für sie eine bedeutungslose Impedanz.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; the extended thin-wire kernel is not valid where the radius changes.</source>
        <translation>Drähte %1 und %2 treffen sich mit %3-fach verschiedenen Radien; der erweiterte Dünndraht-Kernel gilt nicht, wo sich der Radius ändert.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; NEC-2 wants at most 5.</source>
        <translation>Drähte %1 und %2 treffen sich mit %3-fach verschiedenen Radien; NEC-2 verlangt höchstens 5.</translation>
    </message>
    <message>
        <source>The deck has no feed (no EX card).</source>
        <translation>Die NEC-Datei hat keine Speisung (keine EX-Karte).</translation>
    </message>
    <message>
        <source>The feed is on segment %1 of wire %2, which does not exist.</source>
        <translation>Die Speisung liegt auf Segment %1 von Draht %2, das es nicht gibt.</translation>
    </message>
    <message>
        <source>NEC-2 detailed model: free space, no feed line, the cylinders as aluminium wire-grid cages, the tuning and phasing coils as copper helices with their leads as the build sheet draws them, the source coil lumped at the feed.</source>
        <translation>Detailliertes NEC-2-Modell: Freiraum, keine Speiseleitung, die Zylinder als Drahtgitter-Käfige aus Aluminium, Abstimm- und Phasenspule als Kupferwendeln mit ihren Zuleitungen wie im Bauplan gezeichnet, die Speisespule konzentriert am Speisepunkt.</translation>
    </message>
    <message>
        <source>NEC-2 standard model: free space, no feed line, the cylinders as thick aluminium wires, the three coils as one lumped series R + L at the feed from the calculator&apos;s coil values.</source>
        <translation>Standard-NEC-2-Modell: Freiraum, keine Speiseleitung, die Zylinder als dicke Aluminiumdrähte, die drei Spulen als ein konzentriertes Serien-R + L am Speisepunkt aus den Spulenwerten des Rechners.</translation>
    </message>
    <message>
        <source>nec2c cannot be started</source>
        <translation>nec2c kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>A folder for nec2c cannot be made</source>
        <translation>Ein Ordner für nec2c kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The deck for nec2c cannot be written</source>
        <translation>Die Datei für nec2c kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>nec2c stopped before it finished</source>
        <translation>nec2c wurde vor dem Ende gestoppt</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>es ist abgestürzt</translation>
    </message>
    <message>
        <source>it exited with status %1</source>
        <translation>es endete mit Status %1</translation>
    </message>
    <message>
        <source>nec2c failed</source>
        <translation>nec2c fehlgeschlagen</translation>
    </message>
    <message>
        <source>nec2c wrote no output</source>
        <translation>nec2c hat keine Ausgabe geschrieben</translation>
    </message>
    <message>
        <source>deck.out is missing</source>
        <translation>deck.out fehlt</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not installed: install it with &quot;sudo apt install nec2c&quot;.</source>
        <translation>Die Simulation braucht nec2c, das nicht installiert ist: installieren mit &quot;sudo apt install nec2c&quot;.</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not at %1.</source>
        <translation>Die Simulation braucht nec2c, das nicht unter %1 liegt.</translation>
    </message>
    <message>
        <source>nec2c was stopped</source>
        <translation>nec2c wurde gestoppt</translation>
    </message>
    <message>
        <source>it ran longer than its limit of %1 ms</source>
        <translation>es lief länger als sein Limit von %1 ms</translation>
    </message>
    <message>
        <source>The simulation was cancelled.</source>
        <translation>Die Simulation wurde abgebrochen.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output cannot be read</source>
        <translation>Die Ausgabe von nec2c kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it holds more frequencies than the deck&apos;s %1</source>
        <translation>sie enthält mehr Frequenzen als die %1 der NEC-Datei</translation>
    </message>
    <message>
        <source>the input parameters of frequency %1 have no line of numbers</source>
        <translation>die Eingangsparameter der Frequenz %1 haben keine Zahlenzeile</translation>
    </message>
    <message>
        <source>the impedance at frequency %1 is not a number</source>
        <translation>die Impedanz bei Frequenz %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>a radiation pattern has no headings</source>
        <translation>ein Strahlungsdiagramm hat keine Überschriften</translation>
    </message>
    <message>
        <source>it holds %1 of the deck&apos;s %2 frequencies</source>
        <translation>sie enthält %1 der %2 Frequenzen der NEC-Datei</translation>
    </message>
    <message>
        <source>The matched half-power band is wider than the fine sweep.</source>
        <translation>Das angepasste 3-dB-Band ist breiter als der Fein-Sweep.</translation>
    </message>
    <message>
        <source>The half-power band on 50 ohm is wider than the fine sweep.</source>
        <translation>Das 3-dB-Band an 50 Ohm ist breiter als der Fein-Sweep.</translation>
    </message>
    <message>
        <source>With the calculated coil the model has no series resonance between 0.4 F and 2.5 F.</source>
        <translation>Mit der berechneten Spule hat das Modell keine Serienresonanz zwischen 0.4 F und 2.5 F.</translation>
    </message>
    <message>
        <source>nec2c gave no power budget or average gain at the resonance.</source>
        <translation>nec2c lieferte keine Leistungsbilanz und keinen mittleren Gewinn bei der Resonanz.</translation>
    </message>
    <message>
        <source>The coil for F is not computed in this model.</source>
        <translation>Die Spule für F wird in diesem Modell nicht berechnet.</translation>
    </message>
    <message>
        <source>The design has no frequency</source>
        <translation>Der Entwurf hat keine Frequenz</translation>
    </message>
    <message>
        <source>F is 0</source>
        <translation>F ist 0</translation>
    </message>
    <message>
        <source>The design has no cylinders</source>
        <translation>Der Entwurf hat keine Zylinder</translation>
    </message>
    <message>
        <source>CD or LD is 0</source>
        <translation>CD oder LD ist 0</translation>
    </message>
    <message>
        <source>The detailed model needs a tuning coil</source>
        <translation>Das detaillierte Modell braucht eine Abstimmspule</translation>
    </message>
    <message>
        <source>NT, SP or CCD is 0</source>
        <translation>NT, SP oder CCD ist 0</translation>
    </message>
    <message>
        <source>No tuning coil resonates the model at F: it needs a series capacitance there.</source>
        <translation>Keine Abstimmspule bringt das Modell bei F in Resonanz: es braucht dort eine Serienkapazität.</translation>
    </message>
    <message>
        <source>With the re-sized coil X does not rise through 0 within 1 % of F.</source>
        <translation>Mit der neu bemessenen Spule steigt X nicht innerhalb 1 % von F durch 0.</translation>
    </message>
    <message>
        <source>Its segments are down to %1 wavelength at F (NEC-2 wants at least 0.001) and its cages and leads break NEC-2&apos;s rules, so its feed R and X, and the Q, bandwidths and SWR from them, are not valid: it gives the resonance, radiation resistance, gain and efficiency from the far field only.</source>
        <translation>Seine Segmente sind bei F bis zu %1 Wellenlängen kurz (NEC-2 verlangt mindestens 0.001), und seine Käfige und Zuleitungen verletzen die NEC-2-Regeln; daher sind R und X am Speisepunkt sowie Q, Bandbreiten und SWV daraus ungültig: es liefert Resonanz, Strahlungswiderstand, Gewinn und Wirkungsgrad nur aus dem Fernfeld.</translation>
    </message>
</context>
<context>
    <name>SimulationTable</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Serienresonanz</translation>
    </message>
    <message>
        <source>Tuning coil inductance</source>
        <translation>Induktivität Abstimmspule</translation>
    </message>
    <message>
        <source>Tuning coil turns</source>
        <translation>Wdg. Abstimmspule</translation>
    </message>
    <message>
        <source>Series L at the feed</source>
        <translation>Serien-L am Speisepunkt</translation>
    </message>
    <message>
        <source>Feed impedance at F</source>
        <translation>Speiseimpedanz bei F</translation>
    </message>
    <message>
        <source>R at resonance (RR + WR)</source>
        <translation>R bei Resonanz (RR + WR)</translation>
    </message>
    <message>
        <source>Radiation resistance</source>
        <translation>Strahlungswiderstand</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Half-power BW, matched</source>
        <translation>3-dB-BB, angepasst</translation>
    </message>
    <message>
        <source>2:1 SWR BW, matched</source>
        <translation>SWV-2:1-BB, angepasst</translation>
    </message>
    <message>
        <source>Half-power BW on 50 ohm</source>
        <translation>3-dB-BB an 50 Ohm</translation>
    </message>
    <message>
        <source>2:1 SWR BW on 50 ohm</source>
        <translation>SWV-2:1-BB an 50 Ohm</translation>
    </message>
    <message>
        <source>Lowest SWR on 50 ohm</source>
        <translation>Kleinstes SWV an 50 Ohm</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Wirkungsgrad</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Verlust</translation>
    </message>
    <message>
        <source>Largest gain</source>
        <translation>Größter Gewinn</translation>
    </message>
    <message>
        <source>Rule not kept: %1</source>
        <translation>Regel nicht eingehalten: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>nec2c runs: %1, %2 s</source>
        <translation>nec2c-Läufe: %1, %2 s</translation>
    </message>
    <message>
        <source>calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>NEC-2, calculated coil</source>
        <translation>NEC-2, berechnete Spule</translation>
    </message>
    <message>
        <source>NEC-2, coil for F</source>
        <translation>NEC-2, Spule für F</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>ungültig</translation>
    </message>
    <message>
        <source>not computed</source>
        <translation>nicht berechnet</translation>
    </message>
</context>
<context>
    <name>Touchstone</name>
    <message>
        <source>The measurement %1 cannot be read</source>
        <translation>Die Messung %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>a control character (byte %1) where only text may stand: this is not a text file</source>
        <translation>ein Steuerzeichen (Byte %1), wo nur Text stehen darf: dies ist keine Textdatei</translation>
    </message>
    <message>
        <source>text after [End]</source>
        <translation>Text nach [End]</translation>
    </message>
    <message>
        <source>a second option line</source>
        <translation>eine zweite Optionszeile</translation>
    </message>
    <message>
        <source>%1 where a keyword in brackets is expected</source>
        <translation>%1, wo ein Schlüsselwort in Klammern erwartet wird</translation>
    </message>
    <message>
        <source>[Reference] has too few values</source>
        <translation>[Reference] hat zu wenige Werte</translation>
    </message>
    <message>
        <source>the file ends in the middle of a point: %1 of its %2 values</source>
        <translation>die Datei endet mitten in einem Punkt: %1 seiner %2 Werte</translation>
    </message>
    <message>
        <source>a Touchstone 2.0 file without [Network Data]</source>
        <translation>eine Touchstone-2.0-Datei ohne [Network Data]</translation>
    </message>
    <message>
        <source>[Number of Frequencies] says %1, the file holds %2</source>
        <translation>[Number of Frequencies] sagt %1, die Datei enthält %2</translation>
    </message>
    <message>
        <source>no option line: GHz S MA R 50 assumed</source>
        <translation>keine Optionszeile: GHz S MA R 50 angenommen</translation>
    </message>
    <message>
        <source>noise parameters from line %1 skipped</source>
        <translation>Rauschparameter ab Zeile %1 übersprungen</translation>
    </message>
    <message>
        <source>a keyword without its closing &quot;]&quot;</source>
        <translation>ein Schlüsselwort ohne schließendes &quot;]&quot;</translation>
    </message>
    <message>
        <source>[Version] must be the first line that is not a comment</source>
        <translation>[Version] muss die erste Zeile sein, die kein Kommentar ist</translation>
    </message>
    <message>
        <source>[Version] %1 is not a version this program reads (2.0)</source>
        <translation>[Version] %1 ist keine Version, die dieses Programm liest (2.0)</translation>
    </message>
    <message>
        <source>the keyword [%1] in a file without [Version] 2.0</source>
        <translation>das Schlüsselwort [%1] in einer Datei ohne [Version] 2.0</translation>
    </message>
    <message>
        <source>[Number of Ports] %1 is not a number of ports</source>
        <translation>[Number of Ports] %1 ist keine Toranzahl</translation>
    </message>
    <message>
        <source>[Two-Port Data Order] %1 is neither 12_21 nor 21_12</source>
        <translation>[Two-Port Data Order] %1 ist weder 12_21 noch 21_12</translation>
    </message>
    <message>
        <source>[Number of Frequencies] %1 is not a count</source>
        <translation>[Number of Frequencies] %1 ist keine Anzahl</translation>
    </message>
    <message>
        <source>[Reference] before [Number of Ports]</source>
        <translation>[Reference] vor [Number of Ports]</translation>
    </message>
    <message>
        <source>[Matrix Format] %1 is not Full, Lower or Upper</source>
        <translation>[Matrix Format] %1 ist nicht Full, Lower oder Upper</translation>
    </message>
    <message>
        <source>[Network Data] before [Number of Ports]</source>
        <translation>[Network Data] vor [Number of Ports]</translation>
    </message>
    <message>
        <source>[Network Data] before the option line</source>
        <translation>[Network Data] vor der Optionszeile</translation>
    </message>
    <message>
        <source>a two-port file without [Two-Port Data Order]</source>
        <translation>eine Zweitor-Datei ohne [Two-Port Data Order]</translation>
    </message>
    <message>
        <source>the network data ends in the middle of a point</source>
        <translation>die Netzwerkdaten enden mitten in einem Punkt</translation>
    </message>
    <message>
        <source>[%1] is not a keyword of Touchstone 2.0</source>
        <translation>[%1] ist kein Schlüsselwort von Touchstone 2.0</translation>
    </message>
    <message>
        <source>the reference %1 is not a number</source>
        <translation>die Referenz %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>the reference impedance %1 ohm is not above 0</source>
        <translation>die Bezugsimpedanz %1 ohm ist nicht größer als 0</translation>
    </message>
    <message>
        <source>[Reference] has more values than there are ports</source>
        <translation>[Reference] hat mehr Werte als Ports vorhanden sind</translation>
    </message>
    <message>
        <source>the option line names the frequency unit twice</source>
        <translation>die Optionszeile nennt die Frequenzeinheit zweimal</translation>
    </message>
    <message>
        <source>the option line names the parameter twice</source>
        <translation>die Optionszeile nennt den Parameter zweimal</translation>
    </message>
    <message>
        <source>%1 parameters hold no reflection coefficient this program reads; save S, Z or Y parameters</source>
        <translation>%1-Parameter enthalten keinen Reflexionsfaktor, den dieses Programm liest; S-, Z- oder Y-Parameter speichern</translation>
    </message>
    <message>
        <source>the option line names the data format twice</source>
        <translation>die Optionszeile nennt das Datenformat zweimal</translation>
    </message>
    <message>
        <source>the option line gives the reference twice</source>
        <translation>die Optionszeile nennt die Referenz zweimal</translation>
    </message>
    <message>
        <source>&quot;R&quot; without its reference impedance</source>
        <translation>&quot;R&quot; ohne seine Bezugsimpedanz</translation>
    </message>
    <message>
        <source>%1 is not a part of the option line (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</source>
        <translation>%1 ist kein Teil der Optionszeile (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</translation>
    </message>
    <message>
        <source>Z and Y parameters of networks of more than two ports are not read; save S parameters</source>
        <translation>Z- und Y-Parameter von Netzwerken mit mehr als zwei Toren werden nicht gelesen; S-Parameter speichern</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
        <source>the frequency %1 does not rise above the one before it (%2 on line %3)</source>
        <translation>die Frequenz %1 steigt nicht über die vorige (%2 in Zeile %3)</translation>
    </message>
    <message>
        <source>the frequency %1 is below 0</source>
        <translation>die Frequenz %1 ist kleiner als 0</translation>
    </message>
    <message>
        <source>the frequency %1 is too large</source>
        <translation>die Frequenz %1 ist zu groß</translation>
    </message>
    <message>
        <source>the point does not end where a line ends: a value is missing or one too many (a point here has %1 values)</source>
        <translation>der Punkt endet nicht am Zeilenende: ein Wert fehlt oder ist zu viel (ein Punkt hat hier %1 Werte)</translation>
    </message>
    <message>
        <source>the values of the point at %1 give no finite reflection coefficient</source>
        <translation>die Werte des Punkts bei %1 ergeben keinen endlichen Reflexionsfaktor</translation>
    </message>
    <message>
        <source>the frequency %1 of line %2 again, with %3 values where a point has %4</source>
        <translation>die Frequenz %1 von Zeile %2 erneut, mit %3 Werten, wo ein Punkt %4 hat</translation>
    </message>
    <message>
        <source>line %1 repeats the frequency %2 of line %3; the repeat is left out</source>
        <translation>Zeile %1 wiederholt die Frequenz %2 von Zeile %3; die Wiederholung wird weggelassen</translation>
    </message>
    <message>
        <source>a control character where only text may stand: this is not a text file</source>
        <translation>ein Steuerzeichen, wo nur Text stehen darf: dies ist keine Textdatei</translation>
    </message>
    <message>
        <source>the headings name %1 columns; a sweep needs frequency and two more</source>
        <translation>die Überschriften nennen %1 Spalten; ein Sweep braucht die Frequenz und zwei weitere</translation>
    </message>
    <message>
        <source>%1 value where the frequency and two more are needed</source>
        <translation>%1 Wert, wo die Frequenz und zwei weitere nötig sind</translation>
    </message>
    <message>
        <source>%1 values where the frequency and two more are needed</source>
        <translation>%1 Werte, wo die Frequenz und zwei weitere nötig sind</translation>
    </message>
    <message>
        <source>the rows from line %1 on (%2) are another sweep than %3 and are left out</source>
        <translation>die Zeilen ab Zeile %1 (%2) sind ein anderer Sweep als %3 und werden weggelassen</translation>
    </message>
    <message>
        <source>%1 is not a frequency</source>
        <translation>%1 ist keine Frequenz</translation>
    </message>
    <message>
        <source>the impedance gives no finite reflection coefficient</source>
        <translation>die Impedanz ergibt keinen endlichen Reflexionsfaktor</translation>
    </message>
    <message>
        <source>%1 port</source>
        <translation>%1 Tor</translation>
    </message>
    <message>
        <source>%1 ports</source>
        <translation>%1 Tore</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 Punkt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>The measurement %1 cannot be opened</source>
        <translation>Die Messung %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>it does not exist or is not readable</source>
        <translation>sie existiert nicht oder ist nicht lesbar</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>sie ist keine Datei</translation>
    </message>
    <message>
        <source>it is larger than 64 MB</source>
        <translation>sie ist größer als 64 MB</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>das Lesen schlug fehl</translation>
    </message>
</context>
<context>
    <name>TuneTable</name>
    <message>
        <source>Measurement</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Gelesen</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Abstimmung</translation>
    </message>
</context>
<context>
    <name>UnitSystem</name>
    <message>
        <source>All measurements are in inches</source>
        <translation>Alle Maße in Zoll</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|a Metric design in error.|Select Metric Design instead.|Do NOT save this version!</source>
        <translation>Falsche Wahl. Sie haben versehentlich|einen metrischen Entwurf gewählt.|Wählen Sie stattdessen Metrischer Entwurf.|Diese Version NICHT speichern!</translation>
    </message>
    <message>
        <source>Press ESC &amp; Select Metric Option!</source>
        <translation>ESC drücken &amp; Metrisch wählen!</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|an Imperial design in error.|Select Imperial Design instead.</source>
        <translation>Falsche Wahl. Sie haben versehentlich|einen Zoll-Entwurf gewählt.|Wählen Sie stattdessen Zoll-Entwurf.</translation>
    </message>
    <message>
        <source>Press ESC &amp; select Imperial Design</source>
        <translation>ESC drücken &amp; Zoll-Entwurf wählen</translation>
    </message>
    <message>
        <source>All measurements are in mm</source>
        <translation>Alle Maße in mm</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Imperial</source>
        <translation>YQ-Antennenberechnung... Zoll</translation>
    </message>
    <message>
        <source>Linear measurements are in Inches</source>
        <translation>Längenmaße sind in Zoll</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in inches. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Alle Spulenmaße beruhen auf dem angegebenen Windungsabstand. Längenmaße sind in Zoll. Die meisten Eingabefelder haben eine Hilfe beim Überfahren mit der Maus. Alle Spulen verwenden denselben Drahtdurchmesser und Windungsabstand.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|*.ini</source>
        <translation>Antennen-Ini-Dateien M = metrisch|*.ini</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Metric</source>
        <translation>YQ-Antennenberechnung... metrisch</translation>
    </message>
    <message>
        <source>Linear measurements are in mm</source>
        <translation>Längenmaße sind in mm</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in mm. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Alle Spulenmaße beruhen auf dem angegebenen Windungsabstand. Längenmaße sind in mm. Die meisten Eingabefelder haben eine Hilfe beim Überfahren mit der Maus. Alle Spulen verwenden denselben Drahtdurchmesser und Windungsabstand.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|M*.ini</source>
        <translation>Antennen-Ini-Dateien M = metrisch|M*.ini</translation>
    </message>
</context>
<context>
    <name>UserList</name>
    <message>
        <source>Records are deleted from the list of users, not from this form.</source>
        <translation>Datensätze werden aus der Benutzerliste gelöscht, nicht aus diesem Formular.</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the highlighted record?|%1</source>
        <translation>Den markierten Datensatz wirklich löschen?|%1</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>YQ Error Message</source>
        <translation>YQ-Fehlermeldung</translation>
    </message>
</context>
<context>
    <name>yq::AboutWindow</name>
    <message>
        <source>Close and return...</source>
        <translation>Schließen und zurück...</translation>
    </message>
    <message>
        <source>About this programme V 5.081</source>
        <translation>Über dieses Programm V 5.081</translation>
    </message>
</context>
<context>
    <name>yq::BuildSheetTab</name>
    <message>
        <source>Build sheet drawing</source>
        <translation>Bauplan-Zeichnung</translation>
    </message>
    <message>
        <source>Build Sheet: the antenna to scale and what to cut and wind</source>
        <translation>Bauplan: die Antenne maßstäblich und was zu schneiden und zu wickeln ist</translation>
    </message>
    <message>
        <source>Print Build Sheet</source>
        <translation>Bauplan drucken</translation>
    </message>
    <message>
        <source>Shows the build sheet in the print preview, to print it</source>
        <translation>Zeigt den Bauplan in der Druckvorschau, um ihn zu drucken</translation>
    </message>
</context>
<context>
    <name>yq::DesignToolsTab</name>
    <message>
        <source>Convert to millimetres</source>
        <translation>In Millimeter umrechnen</translation>
    </message>
    <message>
        <source>Convert to inches</source>
        <translation>In Zoll umrechnen</translation>
    </message>
    <message>
        <source>Lengths x 25.4, rounded to the Metric fields; F, L/D, MBW, FAC and DPS
as they are; then the Metric ReCalc. The design is saved in the working
folder under the Metric window&apos;s file name (M...ini).</source>
        <translation>Längen x 25.4, gerundet auf die metrischen Felder; F, L/D, MBW, FAC und DPS
unverändert; dann ReCalc (metrisch). Der Entwurf wird im Arbeitsordner
unter dem Dateinamen des metrischen Fensters (M...ini) gespeichert.</translation>
    </message>
    <message>
        <source>Lengths / 25.4, rounded to the Imperial fields; F, L/D, MBW, FAC and DPS
as they are; then the Imperial ReCalc. The design is saved in the working
folder under the Imperial window&apos;s file name.</source>
        <translation>Längen / 25.4, gerundet auf die Zoll-Felder; F, L/D, MBW, FAC und DPS
unverändert; dann ReCalc (Zoll). Der Entwurf wird im Arbeitsordner
unter dem Dateinamen des Zoll-Fensters gespeichert.</translation>
    </message>
    <message>
        <source>Convert and Save as Metric</source>
        <translation>Umrechnen, metrisch speichern</translation>
    </message>
    <message>
        <source>Convert and Save as Imperial</source>
        <translation>Umrechnen, in Zoll speichern</translation>
    </message>
    <message>
        <source>Saves this design in millimetres for the Metric window.</source>
        <translation>Speichert diesen Entwurf in Millimetern für das metrische Fenster.</translation>
    </message>
    <message>
        <source>Saves this design in inches for the Imperial window.</source>
        <translation>Speichert diesen Entwurf in Zoll für das Zoll-Fenster.</translation>
    </message>
    <message>
        <source>The design cannot be converted:|%1</source>
        <translation>Der Entwurf kann nicht umgerechnet werden:|%1</translation>
    </message>
    <message>
        <source>The converted design %1 could not be written.|%2</source>
        <translation>Der umgerechnete Entwurf %1 konnte nicht geschrieben werden.|%2</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Saved &lt;b&gt;%1&lt;/b&gt; in %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: open it in the %6 window.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; in %2 gespeichert&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: im Fenster %6 öffnen.</translation>
    </message>
    <message>
        <source>Fit to the built antenna</source>
        <translation>An die gebaute Antenne anpassen</translation>
    </message>
    <message>
        <source>FAC from tuning coil turns (NT)</source>
        <translation>FAC aus Wdg. der Abstimmspule (NT)</translation>
    </message>
    <message>
        <source>DPS from source coil turns (SCT)</source>
        <translation>DPS aus Wdg. der Speisespule (SCT)</translation>
    </message>
    <message>
        <source>Field to fit</source>
        <translation>Anzupassendes Feld</translation>
    </message>
    <message>
        <source>Capacitance Factor from the tuning coil turns you wound,
or Degrees of Phase from the source coil turns.</source>
        <translation>Kapazitätsfaktor aus den gewickelten Windungen der Abstimmspule
oder Phasenwinkel aus den Windungen der Speisespule.</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Gewickelte Wdg.:</translation>
    </message>
    <message>
        <source>Turns wound</source>
        <translation>Gewickelte Wdg.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Tries every value of the field, 0.01 apart, each with a full ReCalc,
and finds the one whose turns come nearest to the turns you wound.</source>
        <translation>Probiert jeden Wert des Feldes im Abstand 0.01 mit vollem ReCalc
und findet den, dessen Windungszahl Ihren gewickelten Windungen am nächsten kommt.</translation>
    </message>
    <message>
        <source>Enter the turns on your working antenna and press Find.</source>
        <translation>Windungszahl Ihrer funktionierenden Antenne eingeben und Suchen drücken.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;Enter the number of turns you wound, for example 31 or 30.5.&lt;/span&gt;</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Geben Sie die gewickelte Windungszahl ein, z. B. 31 oder 30.5.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt; gives %3 = &lt;b&gt;%4&lt;/b&gt; turns (you wound %5).</source>
        <translation>&lt;b&gt;%1 = %2&lt;/b&gt; ergibt %3 = &lt;b&gt;%4&lt;/b&gt; Windungen (gewickelt: %5).</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;No %1 from %2 to %3 gives %4 within half a turn of %5.&lt;/span&gt; The nearest is &lt;b&gt;%1 = %6&lt;/b&gt;, giving %4 = &lt;b&gt;%7&lt;/b&gt;.</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Kein %1 von %2 bis %3 ergibt %4 auf eine halbe Windung genau bei %5.&lt;/span&gt; Am nächsten kommt &lt;b&gt;%1 = %6&lt;/b&gt; mit %4 = &lt;b&gt;%7&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>&lt;br&gt;Also changes: </source>
        <translation>&lt;br&gt;Ändert außerdem: </translation>
    </message>
    <message>
        <source>&lt;br&gt;The window shows DPS with one place (%1); the design keeps %2.</source>
        <translation>&lt;br&gt;Das Fenster zeigt DPS mit einer Stelle (%1); der Entwurf behält %2.</translation>
    </message>
    <message>
        <source>Apply %1 = %2</source>
        <translation>%1 = %2 übernehmen</translation>
    </message>
    <message>
        <source>&lt;i&gt;The design changed since the last Find; this is the fit for it now.&lt;/i&gt;&lt;br&gt;</source>
        <translation>&lt;i&gt;Der Entwurf hat sich seit dem letzten Suchen geändert; dies ist die Anpassung für den jetzigen Stand.&lt;/i&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;Applied&lt;/b&gt; to the design; SAVE keeps it.</source>
        <translation>&lt;br&gt;&lt;b&gt;In den Entwurf übernommen&lt;/b&gt;; SICHERN speichert es.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Cylinder diameter</source>
        <translation>Zylinderdurchmesser</translation>
    </message>
    <message>
        <source>Length/Diameter ratio</source>
        <translation>Verhältnis Länge/Durchm.</translation>
    </message>
    <message>
        <source>Wire diameter</source>
        <translation>Drahtdurchmesser</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Coil diameter</source>
        <translation>Spulendurchmesser</translation>
    </message>
    <message>
        <source>Capacitance factor</source>
        <translation>Kapazitätsfaktor</translation>
    </message>
    <message>
        <source>Phasing coil diameter</source>
        <translation>Durchm. Phasenspule</translation>
    </message>
    <message>
        <source>Source coil diameter</source>
        <translation>Durchm. Speisespule</translation>
    </message>
    <message>
        <source>Degrees of phase</source>
        <translation>Phasenwinkel</translation>
    </message>
    <message>
        <source>Measured bandwidth</source>
        <translation>Gemessene Bandbreite</translation>
    </message>
    <message>
        <source>Sweep one input</source>
        <translation>Sweep einer Eingabe</translation>
    </message>
    <message>
        <source>Input to vary</source>
        <translation>Variable Eingabe</translation>
    </message>
    <message>
        <source>Vary:</source>
        <translation>Ändern:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
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
        <translation>Sweep-Punkte</translation>
    </message>
    <message>
        <source>Up to %1 points, each a full ReCalc of this design.</source>
        <translation>Bis zu %1 Punkte, jeder ein volles ReCalc dieses Entwurfs.</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>CSV speichern...</translation>
    </message>
    <message>
        <source>Every key of every point, as yq-calc sweep writes it.</source>
        <translation>Jeder Schlüssel jedes Punkts, so wie yq-calc sweep ihn schreibt.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number.</source>
        <translation>%1 &apos;%2&apos; ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1 points, each a full ReCalc.</source>
        <translation>%1 Punkte, jeder ein volles ReCalc.</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>Der Sweep konnte nicht als %1 gespeichert werden.|%2</translation>
    </message>
    <message>
        <source>%1 points saved to %2.</source>
        <translation>%1 Punkte in %2 gespeichert.</translation>
    </message>
    <message>
        <source>Save the sweep as CSV</source>
        <translation>Sweep als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>yq::DesignWindow</name>
    <message>
        <source>   Build Sheet</source>
        <translation>   Bauplan</translation>
    </message>
    <message>
        <source>   Design Tools</source>
        <translation>   Entwurfswerkzeuge</translation>
    </message>
    <message>
        <source>Select Antenna</source>
        <translation>Antenne wählen</translation>
    </message>
    <message>
        <source>   Specifications</source>
        <translation>   Daten</translation>
    </message>
    <message>
        <source>   Help</source>
        <translation>   Hilfe</translation>
    </message>
    <message>
        <source>Entries in Bold are those you can change. All others are read only.</source>
        <translation>Fett gedruckte Einträge können Sie ändern. Alle anderen sind schreibgeschützt.</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SICHERN</translation>
    </message>
    <message>
        <source>Saves the file with the name like 726.ini
7 = frequency in mhz
2 = cylinder diameter in inches
6 = diameter to length ratio
An &apos;M&apos; first letter denotes Metric calculations.</source>
        <translation>Speichert die Datei unter einem Namen wie 726.ini
7 = Frequenz in MHz
2 = Zylinderdurchmesser in Zoll
6 = Verhältnis Durchmesser zu Länge
Ein &apos;M&apos; als erster Buchstabe steht für metrische Berechnung.</translation>
    </message>
    <message>
        <source>Print/View</source>
        <translation>Drucken/Ansicht</translation>
    </message>
    <message>
        <source>You MUST save first to print</source>
        <translation>Zum Drucken ZUERST speichern</translation>
    </message>
    <message>
        <source>email Report</source>
        <translation>Bericht mailen</translation>
    </message>
    <message>
        <source>Uses Outlook for email. Other mailers may not work.</source>
        <translation>Nutzt Outlook zum Mailen. Andere Mailprogramme gehen evtl. nicht.</translation>
    </message>
    <message>
        <source>YQ Forum</source>
        <translation>YQ-Forum</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Excel öffnen</translation>
    </message>
    <message>
        <source>Email Results</source>
        <translation>Werte mailen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cylinder Specifications</source>
        <translation>Zylinderdaten</translation>
    </message>
    <message>
        <source>Source Coil Specifications</source>
        <translation>Speisespulendaten</translation>
    </message>
    <message>
        <source>Tuning Coil Specifications</source>
        <translation>Abstimmspulendaten</translation>
    </message>
    <message>
        <source>Click on this button to recalculate after making changes</source>
        <translation>Nach Änderungen diese Schaltfläche klicken, um neu zu berechnen</translation>
    </message>
    <message>
        <source>Initial factor is 2. This divides the cylinder capacitance
by 2 to recalculate the coil size. That will also
recalculate the coil inductance.

Use a number that give the number of turns you
have used to make the system work. Then OK
to SAVE.</source>
        <translation>Anfangsfaktor ist 2. Er teilt die Zylinderkapazität
durch 2, um die Spulengröße neu zu berechnen. Dabei wird auch
die Spuleninduktivität neu berechnet.

Wählen Sie eine Zahl, die die Windungszahl ergibt, mit der
Ihre Anlage funktioniert hat. Dann OK
und SICHERN.</translation>
    </message>
    <message>
        <source>Phasing Coil Specifications</source>
        <translation>Phasenspulendaten</translation>
    </message>
    <message>
        <source>General Help File</source>
        <translation>Allgemeine Hilfe</translation>
    </message>
    <message>
        <source>The various components that make up the YQ Star version are listed on the right for clarification of the terms used on the design page. You must refer to Brannoc&apos;s YQ Design Book (downloadable from the Forum) for a more complete understanding of the YQ Star.</source>
        <translation>Die Bauteile der YQ-Star-Version sind rechts aufgeführt, um die Begriffe auf der Entwurfsseite zu erläutern. Für ein vollständigeres Verständnis der YQ Star lesen Sie bitte Brannocs YQ-Entwurfsbuch (im Forum herunterladbar).</translation>
    </message>
    <message>
        <source>Overall length of antenna is calculated as Cylinder Length * 2, plus Cylinder Diameter * 2, plus the tuning coil length. The Source Coil is not included in the length.</source>
        <translation>Die Gesamtlänge der Antenne ist Zylinderlänge * 2 plus Zylinderdurchmesser * 2 plus Länge der Abstimmspule. Die Speisespule zählt nicht zur Länge.</translation>
    </message>
    <message>
        <source>Click to log onto the YQ Forum</source>
        <translation>Klicken, um sich im YQ-Forum anzumelden</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>Die Teile der YQ-Star-Antenne</translation>
    </message>
    <message>
        <source>   Measurement</source>
        <translation>   Messung</translation>
    </message>
    <message>
        <source>   Simulation</source>
        <translation>   Simulation</translation>
    </message>
    <message>
        <source>The working copy %1 could not be written.|%2</source>
        <translation>Die Arbeitskopie %1 konnte nicht geschrieben werden.|%2</translation>
    </message>
    <message>
        <source>No spreadsheet program could open %1.</source>
        <translation>Kein Tabellenprogramm konnte %1 öffnen.</translation>
    </message>
</context>
<context>
    <name>yq::FrequencyPlot</name>
    <message>
        <source>%1 against frequency</source>
        <translation>%1 über der Frequenz</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Nothing to plot yet.</source>
        <translation>Noch nichts darzustellen.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> Band</translation>
    </message>
</context>
<context>
    <name>yq::MainWindow</name>
    <message>
        <source>ZO Duravar Uravaro  Design Calculator V5.091 - YQ Antennas</source>
        <translation>ZO Duravar Uravaro  Entwurfsrechner V5.091 - YQ-Antennen</translation>
    </message>
    <message>
        <source>Brannoc Quillet CEO  ZO Duravar Uravaro</source>
        <translation>Brannoc Quillet, Geschäftsführer  ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>   Antenna Design</source>
        <translation>   Antennenentwurf</translation>
    </message>
    <message>
        <source>   Imperial YQ Antenna</source>
        <translation>   YQ-Antenne (Zoll)</translation>
    </message>
    <message>
        <source>   Metric YQ antenna</source>
        <translation>   YQ-Antenne (metrisch)</translation>
    </message>
    <message>
        <source>   Pictures</source>
        <translation>   Bilder</translation>
    </message>
    <message>
        <source>    AboutThisProgram</source>
        <translation>    Über das Programm</translation>
    </message>
    <message>
        <source>ZO Duravar Uravaro banner</source>
        <translation>ZO-Duravar-Uravaro-Banner</translation>
    </message>
    <message>
        <source>A YQ antenna</source>
        <translation>Eine YQ-Antenne</translation>
    </message>
    <message>
        <source>A YQ antenna on a van</source>
        <translation>YQ-Antenne auf Transporter</translation>
    </message>
    <message>
        <source>Portrait of Brannoc Quillet</source>
        <translation>Porträt von Brannoc Quillet</translation>
    </message>
    <message>
        <source>   Users</source>
        <translation>   Benutzer</translation>
    </message>
</context>
<context>
    <name>yq::MeasurementTab</name>
    <message>
        <source>Open measurement...</source>
        <translation>Messung öffnen...</translation>
    </message>
    <message>
        <source>No measurement opened (Touchstone .s1p, .s2p, .ts or a VNA CSV)</source>
        <translation>Keine Messung geöffnet (Touchstone .s1p, .s2p, .ts oder VNA-CSV)</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Gewickelte Wdg.:</translation>
    </message>
    <message>
        <source>Turns wound on the tuning coil</source>
        <translation>Gewickelte Windungen der Abstimmspule</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Set the Capacitance Factor whose design winds the turns shown, then ReCalc</source>
        <translation>Den Kapazitätsfaktor setzen, dessen Entwurf die gezeigten Windungen ergibt, dann ReCalc</translation>
    </message>
    <message>
        <source>Findings and tuning</source>
        <translation>Ergebnisse und Abstimmung</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Open a measurement</source>
        <translation>Messung öffnen</translation>
    </message>
    <message>
        <source>Open measurement</source>
        <translation>Messung öffnen</translation>
    </message>
    <message>
        <source>Measurements (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;All files (*)</source>
        <translation>Messungen (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>Die Messung %1 enthält keinen brauchbaren Sweep: %2</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Nicht gelesen: %1</translation>
    </message>
    <message>
        <source>The turns wound &quot;%1&quot; are not a number of turns above 0.</source>
        <translation>Die gewickelten Windungen &quot;%1&quot; sind keine Windungszahl über 0.</translation>
    </message>
    <message>
        <source>Apply FAC %1</source>
        <translation>FAC %1 übernehmen</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tuning coil: wind %1 turns (now %2) for resonance at %3&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Abstimmspule: %1 Windungen wickeln (jetzt %2) für Resonanz bei %3&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Open the sweep your analyser saved of the finished antenna (S11 at the feed). The tab finds its resonance and the turns for the design frequency.&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Öffnen Sie den Sweep, den Ihr Analysator von der fertigen Antenne gespeichert hat (S11 am Speisepunkt). Der Reiter findet ihre Resonanz und die Windungen für die Entwurfsfrequenz.&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>SWR (%1 ohm)</source>
        <translation>SWV (%1 Ohm)</translation>
    </message>
    <message>
        <source>design %1 MHz</source>
        <translation>Entwurf %1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>NEC-2 model of this design over the same range: running...</source>
        <translation>NEC-2-Modell dieses Entwurfs über denselben Bereich: läuft...</translation>
    </message>
    <message>
        <source>No NEC-2 model beside the measurement: %1</source>
        <translation>Kein NEC-2-Modell neben der Messung: %1</translation>
    </message>
    <message>
        <source>NEC-2 model (dashed): this design with the tuning coil of %1 turns, over the measured range. %2</source>
        <translation>NEC-2-Modell (gestrichelt): dieser Entwurf mit einer Abstimmspule von %1 Windungen über den gemessenen Bereich. %2</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>gemessen</translation>
    </message>
    <message>
        <source>NEC-2 model</source>
        <translation>NEC-2-Modell</translation>
    </message>
</context>
<context>
    <name>yq::PicturesWindow</name>
    <message>
        <source>Pictures of YQ Antennas</source>
        <translation>Bilder von YQ-Antennen</translation>
    </message>
    <message>
        <source>A YQ antenna on a house roof at dusk</source>
        <translation>YQ-Antenne auf einem Hausdach bei Dämmerung</translation>
    </message>
    <message>
        <source>A YQ antenna on a tripod at the beach</source>
        <translation>Eine YQ-Antenne auf einem Stativ am Strand</translation>
    </message>
    <message>
        <source>Building a YQ antenna on the workbench</source>
        <translation>Bau einer YQ-Antenne auf der Werkbank</translation>
    </message>
    <message>
        <source>A YQ antenna tested with an antenna analyser</source>
        <translation>Eine YQ-Antenne, gemessen mit einem Antennenanalysator</translation>
    </message>
    <message>
        <source>A YQ antenna on a balcony</source>
        <translation>Eine YQ-Antenne auf einem Balkon</translation>
    </message>
    <message>
        <source>A portable YQ antenna in the mountains</source>
        <translation>Eine portable YQ-Antenne in den Bergen</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna</source>
        <translation>Die Teile einer YQ-Antenne</translation>
    </message>
    <message>
        <source>A YQ antenna by a house on a winter night</source>
        <translation>Eine YQ-Antenne an einem Haus in einer Winternacht</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>yq::PolarPlot</name>
    <message>
        <source>Pattern</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Elevation (deg)	Gain (dBi)
</source>
        <translation>Elevation (Grad)	Gewinn (dBi)
</translation>
    </message>
    <message>
        <source>No pattern yet.</source>
        <translation>Noch kein Diagramm.</translation>
    </message>
    <message>
        <source>%1 dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Largest gain %1 dBi; centre %2 dBi</source>
        <translation>Größter Gewinn %1 dBi; Mitte %2 dBi</translation>
    </message>
</context>
<context>
    <name>yq::ProgressWindow</name>
    <message>
        <source>Process...</source>
        <translation>Verarbeiten...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>yq::SendMailWindow</name>
    <message>
        <source>Send email</source>
        <translation>E-Mail senden</translation>
    </message>
    <message>
        <source>Opening the mail in your mail program...</source>
        <translation>Die Mail wird in Ihrem Mailprogramm geöffnet...</translation>
    </message>
</context>
<context>
    <name>yq::SimulationTab</name>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>The simulation runs when this tab is in front after a ReCalc.</source>
        <translation>Die Simulation läuft, wenn dieser Reiter nach einem ReCalc vorne liegt.</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>&amp;Modell:</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>detailed</source>
        <translation>detailliert</translation>
    </message>
    <message>
        <source>standard: thick wires and lumped coils, a fraction of a second; detailed: wire-grid cages and helical coils, some seconds, fewer figures</source>
        <translation>Standard: dicke Drähte und konzentrierte Spulen, Bruchteil einer Sekunde; detailliert: Drahtgitter-Käfige und Wendelspulen, einige Sekunden, weniger Werte</translation>
    </message>
    <message>
        <source>Simulation progress</source>
        <translation>Simulationsfortschritt</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Simulate again</source>
        <translation>Erneut simulieren</translation>
    </message>
    <message>
        <source>Export NEC deck...</source>
        <translation>NEC-Datei exportieren...</translation>
    </message>
    <message>
        <source>Save sweep...</source>
        <translation>Sweep speichern...</translation>
    </message>
    <message>
        <source>The calculator&apos;s figures beside the NEC-2 model&apos;s</source>
        <translation>Die Werte des Rechners neben denen des NEC-2-Modells</translation>
    </message>
    <message>
        <source>Frequencies plotted</source>
        <translation>Dargestellte Frequenzen</translation>
    </message>
    <message>
        <source>Whole sweep, 0.4 F to 2.5 F</source>
        <translation>Ganzer Sweep, 0.4 F bis 2.5 F</translation>
    </message>
    <message>
        <source>Around the resonance with the calculated coil</source>
        <translation>Um die Resonanz mit der berechneten Spule</translation>
    </message>
    <message>
        <source>Around F with the coil for F</source>
        <translation>Um F mit der Spule für F</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>SWR on 50 ohm</source>
        <translation>SWV an 50 Ohm</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Simulating the design in NEC-2...</source>
        <translation>Entwurf wird in NEC-2 simuliert...</translation>
    </message>
    <message>
        <source>NEC-2 %1 model: %2 runs of nec2c in %3 s.</source>
        <translation>NEC-2-Modell %1: %2 Läufe von nec2c in %3 s.</translation>
    </message>
    <message>
        <source>&lt;br&gt;NEC-2 rule not kept: %1</source>
        <translation>&lt;br&gt;NEC-2-Regel nicht eingehalten: %1</translation>
    </message>
    <message>
        <source>Every deck keeps NEC-2&apos;s rules of thumb.</source>
        <translation>Jede Datei hält die Faustregeln von NEC-2 ein.</translation>
    </message>
    <message>
        <source>F = %1 MHz</source>
        <translation>F = %1 MHz</translation>
    </message>
    <message>
        <source>Elevation pattern at %1 MHz, %2, axis upright</source>
        <translation>Vertikaldiagramm bei %1 MHz, %2, Achse senkrecht</translation>
    </message>
    <message>
        <source>coil for F</source>
        <translation>Spule für F</translation>
    </message>
    <message>
        <source>calculated coil</source>
        <translation>berechnete Spule</translation>
    </message>
    <message>
        <source>No resonance, no pattern.</source>
        <translation>Keine Resonanz, kein Diagramm.</translation>
    </message>
    <message>
        <source>NEC decks (*.nec)</source>
        <translation>NEC-Dateien (*.nec)</translation>
    </message>
    <message>
        <source>The NEC deck could not be saved as %1.|%2</source>
        <translation>Die NEC-Datei konnte nicht als %1 gespeichert werden.|%2</translation>
    </message>
    <message>
        <source>NEC deck saved to %1.</source>
        <translation>NEC-Datei in %1 gespeichert.</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Touchstone (*.s1p)</source>
        <translation>CSV (*.csv);;Touchstone (*.s1p)</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>Der Sweep konnte nicht als %1 gespeichert werden.|%2</translation>
    </message>
    <message>
        <source>Sweep saved to %1.</source>
        <translation>Sweep in %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>yq::SmithChart</name>
    <message>
        <source>Smith chart</source>
        <translation>Smith-Diagramm</translation>
    </message>
    <message>
        <source>Series	Frequency (MHz)	R (ohm)	X (ohm)	Reflection (re)	Reflection (im)
</source>
        <translation>Reihe	Frequenz (MHz)	R (Ohm)	X (Ohm)	Reflexion (Re)	Reflexion (Im)
</translation>
    </message>
    <message>
        <source>Copy points</source>
        <translation>Punkte kopieren</translation>
    </message>
    <message>
        <source>Smith chart, %1 ohm</source>
        <translation>Smith-Diagramm, %1 Ohm</translation>
    </message>
</context>
<context>
    <name>yq::SweepPlot</name>
    <message>
        <source>Sweep plot</source>
        <translation>Sweep-Diagramm</translation>
    </message>
    <message>
        <source>Choose an input and its range, then Sweep.</source>
        <translation>Eingabe und Bereich wählen, dann Sweep.</translation>
    </message>
    <message>
        <source>Tick at least one output to plot.</source>
        <translation>Mind. eine Ausgabe zum Plotten ankreuzen.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> Band</translation>
    </message>
    <message>
        <source>      dashed line: this design, %1</source>
        <translation>      gestrichelt: dieser Entwurf, %1</translation>
    </message>
</context>
<context>
    <name>yq::UserForm</name>
    <message>
        <source>Record Will Be Added</source>
        <translation>Datensatz wird hinzugefügt</translation>
    </message>
    <message>
        <source>Record Will Be Changed</source>
        <translation>Datensatz wird geändert</translation>
    </message>
    <message>
        <source>View Record</source>
        <translation>Datensatz ansehen</translation>
    </message>
    <message>
        <source>&amp;Name &amp;&amp; Call:</source>
        <translation>&amp;Name &amp;&amp; Rufz.:</translation>
    </message>
    <message>
        <source>Name &amp; Call</source>
        <translation>Name &amp; Rufzeichen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Update the yq1 File</source>
        <translation>Die yq1-Datei aktualisieren</translation>
    </message>
    <message>
        <source>Enter in your Name and Call</source>
        <translation>Name und Rufzeichen eingeben</translation>
    </message>
</context>
<context>
    <name>yq::UserListWindow</name>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Browsing Records</source>
        <translation>Datensätze durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Browse the User File</source>
        <translation>Die Benutzerdatei durchsuchen</translation>
    </message>
</context>
</TS>
