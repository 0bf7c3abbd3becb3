<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>BuildSheet</name>
    <message>
        <source>No scale: the design has no dimensions yet</source>
        <translation>Bez skali: projekt nie ma jeszcze wymiarów</translation>
    </message>
    <message>
        <source>Scale 1 : %1</source>
        <translation>Skala 1 : %1</translation>
    </message>
    <message>
        <source>Scale %1 : 1</source>
        <translation>Skala %1 : 1</translation>
    </message>
    <message>
        <source>YQ Antenna Build Sheet</source>
        <translation>Karta budowy anteny YQ</translation>
    </message>
    <message>
        <source>Designed for %1 MHz</source>
        <translation>Projekt dla %1 MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in mm</source>
        <translation>Wszystkie wymiary liniowe w mm</translation>
    </message>
    <message>
        <source>All linear measurements are in inches</source>
        <translation>Wszystkie wymiary liniowe w calach</translation>
    </message>
    <message>
        <source>Design: %1</source>
        <translation>Projekt: %1</translation>
    </message>
    <message>
        <source>Upper cylinder %1</source>
        <translation>Górny cylinder %1</translation>
    </message>
    <message>
        <source>Cylinder spacing %1</source>
        <translation>Odstęp cylindrów %1</translation>
    </message>
    <message>
        <source>Lower cylinder %1</source>
        <translation>Dolny cylinder %1</translation>
    </message>
    <message>
        <source>Spacing to coil %1</source>
        <translation>Odstęp do cewki %1</translation>
    </message>
    <message>
        <source>Tuning coil %1</source>
        <translation>Cewka strojenia %1</translation>
    </message>
    <message>
        <source>Source coil %1</source>
        <translation>Cewka zasil. %1</translation>
    </message>
    <message>
        <source>Overall %1</source>
        <translation>Całość %1</translation>
    </message>
    <message>
        <source>source coil not included</source>
        <translation>bez cewki zasilającej</translation>
    </message>
    <message>
        <source>Cylinder %1 dia.</source>
        <translation>Cylinder średn. %1</translation>
    </message>
    <message>
        <source>Phasing coil %1 dia.</source>
        <translation>Cewka fazująca średn. %1</translation>
    </message>
    <message>
        <source>PCNT %1 turns, LPW %2 %3 of wire</source>
        <translation>PCNT %1 zw., LPW %2 %3 drutu</translation>
    </message>
    <message>
        <source>(coil and leads; wound length open)</source>
        <translation>(cewka i przewody; dł. uzwojenia dowolna)</translation>
    </message>
    <message>
        <source>Tuning coil %1 dia.</source>
        <translation>Cewka strojenia średn. %1</translation>
    </message>
    <message>
        <source>NT %1 turns at SP %2 %3</source>
        <translation>NT %1 zw. przy SP %2 %3</translation>
    </message>
    <message>
        <source>Source coil %1 dia.</source>
        <translation>Cewka zasil. średn. %1</translation>
    </message>
    <message>
        <source>SCT %1 turns, at the feed</source>
        <translation>SCT %1 zw., w punkcie zasilania</translation>
    </message>
    <message>
        <source>cylinder length</source>
        <translation>długość cylindra</translation>
    </message>
    <message>
        <source>cylinder spacing</source>
        <translation>odstęp cylindrów</translation>
    </message>
    <message>
        <source>spacing to the tuning coil</source>
        <translation>odstęp do cewki strojenia</translation>
    </message>
    <message>
        <source>tuning coil length</source>
        <translation>długość cewki strojenia</translation>
    </message>
    <message>
        <source>source coil length</source>
        <translation>dł. cewki zasil.</translation>
    </message>
    <message>
        <source>cylinder diameter</source>
        <translation>średnica cylindra</translation>
    </message>
    <message>
        <source>phasing coil diameter</source>
        <translation>średnica cewki fazującej</translation>
    </message>
    <message>
        <source>tuning coil diameter</source>
        <translation>średnica cewki strojenia</translation>
    </message>
    <message>
        <source>source coil diameter</source>
        <translation>średnica cewki zasilającej</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Zasil.</translation>
    </message>
    <message>
        <source>The design has no dimensions yet: calculate it before building.</source>
        <translation>Projekt nie ma jeszcze wymiarów: oblicz go przed budową.</translation>
    </message>
    <message>
        <source>Not to scale, drawn larger so as to be seen: %1.</source>
        <translation>Nie w skali, narysowane większe, by było widać: %1.</translation>
    </message>
    <message>
        <source>Dashed: the tuning coil&apos;s wires inside the lower cylinder. The wire from the top of the tuning coil runs up the centre of the lower cylinder, the wire from its bottom up the inside edge.</source>
        <translation>Linia kreskowana: druty cewki strojenia wewnątrz dolnego cylindra. Drut z górnego końca cewki strojenia biegnie w górę środkiem dolnego cylindra, drut z dolnego końca – w górę przy wewnętrznej ściance.</translation>
    </message>
    <message>
        <source>Not set by the design: the phasing coil&apos;s wound length (it sits in the cylinder spacing) and the source coil&apos;s place at the feed; LPW is the whole phasing wire. Windings are drawn as strokes, at most one per 0.02 in of coil: the labels give the turns.</source>
        <translation>Projekt nie określa: długości uzwojenia cewki fazującej (leży w odstępie cylindrów) ani położenia cewki zasilającej przy punkcie zasilania; LPW to cały drut fazujący. Uzwojenia narysowano kreskami, najwyżej jedną na 0.02 in cewki: liczbę zwojów podają opisy.</translation>
    </message>
    <message>
        <source>Cut list</source>
        <translation>Lista cięcia</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Cylindry</translation>
    </message>
    <message>
        <source>Non-ferrous tube, outside diameter %1</source>
        <translation>Rura niemagnetyczna, średnica zewn. %1</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>po %1</translation>
    </message>
    <message>
        <source>Tuning coil wire</source>
        <translation>Drut cewki strojenia</translation>
    </message>
    <message>
        <source>Wire %1, NT %2 turns at SP %3 %4</source>
        <translation>Drut %1, NT %2 zw. przy SP %3 %4</translation>
    </message>
    <message>
        <source>on a former of %1, wound length %2</source>
        <translation>na karkasie %1, długość uzwojenia %2</translation>
    </message>
    <message>
        <source>Phasing wire</source>
        <translation>Drut fazujący</translation>
    </message>
    <message>
        <source>Wire %1, coil of PCNT %2 turns</source>
        <translation>Drut %1, cewka PCNT %2 zw.</translation>
    </message>
    <message>
        <source>on a former of %1, in the cylinder spacing</source>
        <translation>na karkasie %1, w odstępie cylindrów</translation>
    </message>
    <message>
        <source>Source coil wire</source>
        <translation>Drut cewki zasil.</translation>
    </message>
    <message>
        <source>Wire %1, SCT %2 turns close wound</source>
        <translation>Drut %1, SCT %2 zw. ciasno nawinięte</translation>
    </message>
    <message>
        <source>Total wire</source>
        <translation>Drut razem</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Część</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Ilość</translation>
    </message>
    <message>
        <source>Material and size</source>
        <translation>Materiał i wymiar</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>Nearest wire gauges</source>
        <translation>Najbliższe numery drutu</translation>
    </message>
    <message>
        <source>WD (all coils)</source>
        <translation>WD (wsz. cewki)</translation>
    </message>
    <message>
        <source>SCWD (source coil)</source>
        <translation>SCWD (cewka zasil.)</translation>
    </message>
    <message>
        <source>Wire</source>
        <translation>Drut</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Średnica</translation>
    </message>
    <message>
        <source>Nearest AWG</source>
        <translation>Najbliższy AWG</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Różnica</translation>
    </message>
    <message>
        <source>Nearest SWG</source>
        <translation>Najbliższy SWG</translation>
    </message>
    <message>
        <source>No wire diameter</source>
        <translation>Brak średnicy drutu</translation>
    </message>
    <message>
        <source>Print build sheet from queue</source>
        <translation>Druk karty budowy z kolejki</translation>
    </message>
</context>
<context>
    <name>CalcHelp</name>
    <message>
        <source>compute a design: start from a fresh design (every field 0) or --file, store each KEY=VALUE (exact decimal text, rounded half away from zero to the field&apos;s places), run the calculation and print every key</source>
        <translation>oblicza projekt: zaczyna od nowego projektu (każde pole 0) lub od --file, zapisuje każde KEY=VALUE (dokładny zapis dziesiętny, zaokrąglony połówkowo od zera do miejsc pola), wykonuje obliczenia i wypisuje każdy klucz</translation>
    </message>
    <message>
        <source>one case per line on standard input, one output line (or &quot;error&quot;) per case</source>
        <translation>jeden przypadek na wiersz na standardowym wejściu, jeden wiersz wyniku (lub &quot;error&quot;) na przypadek</translation>
    </message>
    <message>
        <source>SAVE in the current folder: write the design file named from F, CD and LD, append its row to YQ.csv, print the design file&apos;s path</source>
        <translation>ZAPISZ w bieżącym folderze: zapisuje plik projektu o nazwie z F, CD i LD, dopisuje jego wiersz do YQ.csv, wypisuje ścieżkę pliku projektu</translation>
    </message>
    <message>
        <source>list the user records of the current folder (the first is printed on reports and written into YQ.csv), add one, or delete one</source>
        <translation>wypisuje rekordy użytkowników bieżącego folderu (pierwszy jest drukowany w raportach i zapisywany w YQ.csv), dodaje jeden lub usuwa jeden</translation>
    </message>
    <message>
        <source>the design report of a design file: as a PDF, or exported as in the e-mail command (Report.RTF, its HTML page and the mail&apos;s draft in VH/ of the current folder, their paths printed)</source>
        <translation>raport projektu z pliku projektu: jako PDF lub wyeksportowany jak w poleceniu e-mail (Report.RTF, jego strona HTML i szkic wiadomości w VH/ bieżącego folderu, z wypisaniem ich ścieżek)</translation>
    </message>
    <message>
        <source>the build sheet of a design file (the dimensioned drawing and the cut list), calculated as the design window of its unit system does, as one or more of PDF, SVG and PNG</source>
        <translation>karta budowy z pliku projektu (rysunek z wymiarami i lista cięcia), obliczona tak jak w oknie projektowym jego systemu miar, jako jeden lub więcej z PDF, SVG i PNG</translation>
    </message>
    <message>
        <source>fit the capacitance factor FAC to the tuning coil&apos;s turns NT, or the degrees of phase DPS to the source coil&apos;s turns SCT, of a built antenna (exit status 3 when no value comes within half a turn; the nearest is printed)</source>
        <translation>dopasowuje współczynnik pojemności FAC do liczby zwojów NT cewki strojenia lub stopnie fazy DPS do liczby zwojów SCT cewki zasilającej zbudowanej anteny (kod wyjścia 3, gdy żadna wartość nie mieści się w pół zwoju; wypisywana jest najbliższa)</translation>
    </message>
    <message>
        <source>read an analyser&apos;s sweep of the built antenna (Touchstone .s1p, .s2p, .ts or a VNA program&apos;s CSV), find its series resonance, least SWR and 2:1 SWR bandwidth, and give the tuning coil&apos;s turns for the design frequency with the capacitance factor that fits them (exit status 2 for a bad or damaged file, 3 when it holds no usable sweep)</source>
        <translation>wczytuje skan zbudowanej anteny z analizatora (Touchstone .s1p, .s2p, .ts lub CSV programu VNA), znajduje jej rezonans szeregowy, najmniejszy WFS i pasmo przy WFS 2:1 oraz podaje liczbę zwojów cewki strojenia dla częstotliwości projektowej z pasującym do nich współczynnikiem pojemności (kod wyjścia 2 dla złego lub uszkodzonego pliku, 3 gdy nie zawiera użytecznego skanu)</translation>
    </message>
    <message>
        <source>compute the design for each value of one input over a range, one CSV row per value</source>
        <translation>oblicza projekt dla każdej wartości jednego wejścia w zakresie, jeden wiersz CSV na wartość</translation>
    </message>
    <message>
        <source>convert a design file between inches and millimetres and save it under the other unit system&apos;s name in the current folder</source>
        <translation>przelicza plik projektu między calami a milimetrami i zapisuje go pod nazwą drugiego systemu miar w bieżącym folderze</translation>
    </message>
    <message>
        <source>simulate the design in NEC-2 (runs nec2c) and print the calculator&apos;s figures beside the model&apos;s: the series resonance, the coil the model needs at F, the impedance, Q, bandwidths, SWR, efficiency and gain; csv and s1p print the sweep (Touchstone S11 against 50 ohm); exit status 1 when nec2c is missing or fails</source>
        <translation>symuluje projekt w NEC-2 (uruchamia nec2c) i wypisuje wyniki kalkulatora obok wyników modelu: rezonans szeregowy, cewkę potrzebną modelowi przy F, impedancję, Q, szerokości pasma, WFS, sprawność i zysk; csv i s1p wypisują skan (Touchstone S11 względem 50 ohm); kod wyjścia 1, gdy brak nec2c lub zawiedzie</translation>
    </message>
    <message>
        <source>yq-calc --batch [--format FORMAT]</source>
        <translation>yq-calc --batch [--format FORMAT]</translation>
    </message>
    <message>
        <source>Computes YQ antenna designs with the calculation of the design windows, without the windows: one design from the command line, many from standard input, and the windows&apos; SAVE, user list, report, build sheet and design tools.</source>
        <translation>Oblicza projekty anten YQ tak jak okna projektowe, ale bez okien: jeden projekt z wiersza poleceń, wiele ze standardowego wejścia oraz ZAPISZ z okien, lista użytkowników, raport, karta budowy i narzędzia projektowe.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Polecenia</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>the design is in millimetres (the Metric design window)</source>
        <translation>projekt jest w milimetrach (metryczne okno projektowe)</translation>
    </message>
    <message>
        <source>start from a design file, read as a design window reads it (a warning when its unit system is the other one)</source>
        <translation>zaczyna od pliku projektu, wczytanego tak jak w oknie projektowym (ostrzeżenie, gdy ma drugi system miar)</translation>
    </message>
    <message>
        <source>run the full calculation N times (default 1; 0 only stores the values)</source>
        <translation>wykonuje pełne obliczenia N razy (domyślnie 1; 0 tylko zapisuje wartości)</translation>
    </message>
    <message>
        <source>run only the named partial recalculation of a window field instead of the full one: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</source>
        <translation>wykonuje zamiast pełnego tylko wskazane częściowe przeliczenie pola okna: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</translation>
    </message>
    <message>
        <source>how the design is printed: line (the default: every key as KEY=value on one line), table (one quantity a line with the window&apos;s label, its value in the window&apos;s picture and its unit, in the window&apos;s order), json (an object of every key with its exact decimal text as a string) or csv (the title row and the row of the results table YQ.csv)</source>
        <translation>sposób wypisania projektu: line (domyślnie: każdy klucz jako KEY=value w jednym wierszu), table (jedna wielkość na wiersz z etykietą z okna, wartością w formacie okna i jednostką, w kolejności okna), json (obiekt z każdym kluczem i jego dokładnym zapisem dziesiętnym jako tekst) lub csv (wiersz tytułów i wiersz tabeli wyników YQ.csv)</translation>
    </message>
    <message>
        <source>the language of the help and the messages: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>język pomocy i komunikatów: en, de, ja, ru, it, es, pl, pt_BR, fr, cs lub nl (domyślnie: język pulpitu, z LANGUAGE, LC_ALL, LC_MESSAGES lub LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>pokaż tę pomoc i zakończ</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>pokaż wersję i zakończ</translation>
    </message>
    <message>
        <source>Report options</source>
        <translation>Opcje raportu</translation>
    </message>
    <message>
        <source>write the report as a PDF file</source>
        <translation>zapisuje raport jako plik PDF</translation>
    </message>
    <message>
        <source>write Report.RTF, the HTML page and the mail&apos;s draft into VH/</source>
        <translation>zapisuje Report.RTF, stronę HTML i szkic wiadomości do VH/</translation>
    </message>
    <message>
        <source>the print date on the report (default today)</source>
        <translation>data wydruku w raporcie (domyślnie dzisiejsza)</translation>
    </message>
    <message>
        <source>Simulate options</source>
        <translation>Opcje symulacji</translation>
    </message>
    <message>
        <source>the NEC-2 model: standard (thick wires for the cylinders, lumped coils)</source>
        <translation>model NEC-2: standard (grube druty jako cylindry, cewki skupione)</translation>
    </message>
    <message>
        <source>the detailed model (wire-grid cages, helical coils, the leads; some seconds, progress on a terminal&apos;s standard error, Ctrl+C stops it): only the resonance, radiation resistance, gain and efficiency</source>
        <translation>model szczegółowy (klatki z siatki drutów, cewki spiralne, doprowadzenia; kilka sekund, postęp na standardowym wyjściu błędów terminala, Ctrl+C przerywa): tylko rezonans, rezystancja promieniowania, zysk i sprawność</translation>
    </message>
    <message>
        <source>table (the default), json, csv (the sweep) or s1p (the sweep as Touchstone)</source>
        <translation>table (domyślnie), json, csv (skan) lub s1p (skan jako Touchstone)</translation>
    </message>
    <message>
        <source>also write the model&apos;s NEC deck, which NEC-2 programs open</source>
        <translation>zapisuje też plik NEC modelu, który otwierają programy NEC-2</translation>
    </message>
    <message>
        <source>Build sheet options</source>
        <translation>Opcje karty budowy</translation>
    </message>
    <message>
        <source>write the build sheet as a PDF file</source>
        <translation>zapisuje kartę budowy jako plik PDF</translation>
    </message>
    <message>
        <source>write it as an SVG drawing</source>
        <translation>zapisuje ją jako rysunek SVG</translation>
    </message>
    <message>
        <source>write it as a PNG picture</source>
        <translation>zapisuje ją jako obraz PNG</translation>
    </message>
    <message>
        <source>Exit status:
  0   success
  1   a file could not be read or written; in --batch, a line could not be
      computed (it prints &quot;error&quot;, the other lines are computed)
  2   bad input (unknown key or option, a value that is no decimal number);
      the message names it on standard error</source>
        <translation>Kod wyjścia:
  0   sukces
  1   nie można odczytać lub zapisać pliku; w --batch nie można obliczyć
      wiersza (wypisuje &quot;error&quot;, pozostałe wiersze są obliczane)
  2   złe dane (nieznany klucz lub opcja, wartość niebędąca liczbą dziesiętną);
      komunikat na standardowym wyjściu błędów ją wskazuje</translation>
    </message>
</context>
<context>
    <name>CalcMessages</name>
    <message>
        <source>build-sheet needs --pdf, --svg or --png</source>
        <translation>build-sheet wymaga --pdf, --svg lub --png</translation>
    </message>
    <message>
        <source>design file not found: %1</source>
        <translation>nie znaleziono pliku projektu: %1</translation>
    </message>
    <message>
        <source>the design file %1</source>
        <translation>plik projektu %1</translation>
    </message>
    <message>
        <source>the build sheet needs a GUI application object</source>
        <translation>karta budowy wymaga obiektu aplikacji GUI</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>użycie: %1</translation>
    </message>
    <message>
        <source>invalid run count &apos;%1&apos;</source>
        <translation>nieprawidłowa liczba uruchomień &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1...&apos; (%2 characters)</source>
        <translation>&apos;%1...&apos; (%2 znaków)</translation>
    </message>
    <message>
        <source>value of %1 is not a decimal number: %2</source>
        <translation>wartość %1 nie jest liczbą dziesiętną: %2</translation>
    </message>
    <message>
        <source>value of %1 is too large for any field (more than %2 digits before the point): %3</source>
        <translation>wartość %1 jest za duża dla każdego pola (więcej niż %2 cyfr przed kropką): %3</translation>
    </message>
    <message>
        <source>expected KEY=VALUE, got &apos;%1&apos;</source>
        <translation>oczekiwano KEY=VALUE, otrzymano &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos;</source>
        <translation>nieznany klucz &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>opcja &apos;%1&apos; wymaga wartości</translation>
    </message>
    <message>
        <source>option &apos;--file&apos; needs a path</source>
        <translation>opcja &apos;--file&apos; wymaga ścieżki</translation>
    </message>
    <message>
        <source>unknown partial recalculation &apos;%1&apos;</source>
        <translation>nieznane częściowe przeliczenie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a design file</source>
        <translation>&apos;%1&apos; to folder, a nie plik projektu</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; not found</source>
        <translation>nie znaleziono pliku projektu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;--batch&apos; takes no other arguments</source>
        <translation>&apos;--batch&apos; nie przyjmuje innych argumentów</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>ostrzeżenie: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>value of %1 does not fit its field: %2 (%1 holds -%3 to %3)</source>
        <translation>wartość %1 nie mieści się w swoim polu: %2 (%1 mieści od -%3 do %3)</translation>
    </message>
    <message>
        <source>the design file&apos;s value of %1 does not fit its field and was cut to what the field holds</source>
        <translation>wartość %1 w pliku projektu nie mieści się w swoim polu i została obcięta do pojemności pola</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>the design file&apos;s values of %1 do not fit their fields and were cut to what the field holds</source>
        <translation>wartości %1 w pliku projektu nie mieszczą się w swoich polach i zostały obcięte do pojemności pól</translation>
    </message>
    <message>
        <source>&apos;save&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;save&apos; nie przyjmuje &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>the design file %1 could not be written: %2</source>
        <translation>nie można zapisać pliku projektu %1: %2</translation>
    </message>
    <message>
        <source>the results row could not be written: %1</source>
        <translation>nie można zapisać wiersza wyników: %1</translation>
    </message>
    <message>
        <source>no user record &apos;%1&apos;</source>
        <translation>brak rekordu użytkownika &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--format&apos; needs a value</source>
        <translation>opcja &apos;--format&apos; wymaga wartości</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (line, table, json or csv)</source>
        <translation>nieznany format &apos;%1&apos; (line, table, json lub csv)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a design file</source>
        <translation>%1 wymaga pliku projektu</translation>
    </message>
    <message>
        <source>invalid date &apos;%1&apos; (expected YYYY-MM-DD)</source>
        <translation>nieprawidłowa data &apos;%1&apos; (oczekiwano YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>report needs --pdf OUT.pdf or --export</source>
        <translation>report wymaga --pdf OUT.pdf lub --export</translation>
    </message>
    <message>
        <source>the report needs a GUI application object</source>
        <translation>raport wymaga obiektu aplikacji GUI</translation>
    </message>
    <message>
        <source>&apos;--model&apos; needs standard or detailed</source>
        <translation>&apos;--model&apos; wymaga standard lub detailed</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table, json, csv or s1p</source>
        <translation>&apos;--format&apos; wymaga table, json, csv lub s1p</translation>
    </message>
    <message>
        <source>&apos;--deck&apos; needs a file name</source>
        <translation>&apos;--deck&apos; wymaga nazwy pliku</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;simulate&apos; przyjmuje jeden plik projektu, otrzymano dodatkowo &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; needs a design file</source>
        <translation>&apos;simulate&apos; wymaga pliku projektu</translation>
    </message>
    <message>
        <source>unknown model &apos;%1&apos;</source>
        <translation>nieznany model &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>nieznany format &apos;%1&apos;</translation>
    </message>
    <message>
        <source>detailed model, %1 % done</source>
        <translation>model szczegółowy, %1 % gotowe</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;%1&apos; nie przyjmuje &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--runs&apos;</source>
        <translation>&apos;%1&apos; nie przyjmuje &apos;--runs&apos;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; needs NT=&lt;turns&gt; or SCT=&lt;turns&gt;</source>
        <translation>&apos;fit&apos; wymaga NT=&lt;zwoje&gt; lub SCT=&lt;zwoje&gt;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; takes one target, got &apos;%1&apos; as well</source>
        <translation>&apos;fit&apos; przyjmuje jeden cel, otrzymano dodatkowo &apos;%1&apos;</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not a decimal number</source>
        <translation>liczba zwojów &apos;%1&apos; w &apos;%2&apos; nie jest liczbą dziesiętną</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not above 0</source>
        <translation>liczba zwojów &apos;%1&apos; w &apos;%2&apos; nie jest większa od 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is what the fit finds; leave it out</source>
        <translation>&apos;%1&apos; to wartość, którą znajduje dopasowanie; pomiń ją</translation>
    </message>
    <message>
        <source>no %1 from %2 to %3 gives %4 within half a turn of %5; the nearest, %1=%6, gives %4=%7</source>
        <translation>żadna wartość %1 od %2 do %3 nie daje %4 w granicach pół zwoju od %5; najbliższa, %1=%6, daje %4=%7</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; needs KEY=FROM:TO:STEP</source>
        <translation>&apos;sweep&apos; wymaga KEY=FROM:TO:STEP</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; varies one input, got &apos;%1&apos; as well</source>
        <translation>&apos;sweep&apos; zmienia jedno wejście, otrzymano dodatkowo &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--to&apos; needs &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>opcja &apos;--to&apos; wymaga &apos;metric&apos; lub &apos;imperial&apos;</translation>
    </message>
    <message>
        <source>&apos;--to %1&apos;: expected &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>&apos;--to %1&apos;: oczekiwano &apos;metric&apos; lub &apos;imperial&apos;</translation>
    </message>
    <message>
        <source>&apos;convert&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;convert&apos; przyjmuje jeden plik projektu, otrzymano dodatkowo &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs a design file</source>
        <translation>&apos;convert&apos; wymaga pliku projektu</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs &apos;--to metric&apos; or &apos;--to imperial&apos;</source>
        <translation>&apos;convert&apos; wymaga &apos;--to metric&apos; lub &apos;--to imperial&apos;</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; declares the unit system %2, neither Imperial (0) nor Metric (1)</source>
        <translation>plik projektu &apos;%1&apos; deklaruje system miar %2, ani calowy (0), ani metryczny (1)</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already a Metric design</source>
        <translation>plik projektu &apos;%1&apos; jest już projektem metrycznym</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already an Imperial design</source>
        <translation>plik projektu &apos;%1&apos; jest już projektem calowym</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table or json</source>
        <translation>&apos;--format&apos; wymaga table lub json</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs the turns wound</source>
        <translation>&apos;--wound&apos; wymaga liczby nawiniętych zwojów</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs a number of turns above 0, got &apos;%1&apos;</source>
        <translation>&apos;--wound&apos; wymaga liczby zwojów większej od 0, otrzymano &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;tune&apos; needs a design file and a measurement</source>
        <translation>&apos;tune&apos; wymaga pliku projektu i pomiaru</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>Pomiar %1 nie zawiera użytecznego skanu: %2</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>nie można uruchomić %1: %2</translation>
    </message>
    <message>
        <source>the page commands need %1, which is not installed (looked for %2 and %3)</source>
        <translation>polecenia stron wymagają %1, który nie jest zainstalowany (szukano %2 i %3)</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>Enter the Centre Frequency in Megahertz. 
Maximum of 3 decimal points.</source>
        <translation>Wpisz częstotliwość środkową w megahercach. 
Najwyżej 3 miejsca po przecinku.</translation>
    </message>
    <message>
        <source>Enter the outside diameter of the cylinder in inches</source>
        <translation>Wpisz średnicę zewnętrzną cylindra w calach</translation>
    </message>
    <message>
        <source>The L/D Ratio and the Diameter are used to
calculate the primary Capacitance in pfd, the
reactance in Ohms, the 3db bandwidth and the
&apos;Q&apos; of the antenna.</source>
        <translation>Stosunek L/D i średnica służą do obliczenia
pojemności pierwotnej w pF, reaktancji
w omach, pasma 3 dB oraz
dobroci &apos;Q&apos; anteny.</translation>
    </message>
    <message>
        <source>Measured bandwidth in kHz is the 2:1 VSWR
reading either side of the minimum VSWR.</source>
        <translation>Zmierzone pasmo w kHz to odczyt WFS 2:1
po obu stronach minimum WFS.</translation>
    </message>
    <message>
        <source>An option to calculate the source Coil Inductance
based on the amount of phase shift. Initial setting
is 6 degrees similar to the Phase Coil. When you 
have your antenna working, enter in a value to
generate the completed number of turns in the 
source Coil.</source>
        <translation>Opcja obliczenia indukcyjności cewki zasilającej
na podstawie przesunięcia fazy. Wartość początkowa
to 6 stopni, podobnie jak dla cewki fazującej. Gdy 
antena już działa, wpisz wartość, aby
uzyskać ostateczną liczbę zwojów 
cewki zasilającej.</translation>
    </message>
    <message>
        <source>Normally the same diameter as the Tuning Coil. 
However, you may vary to suit.</source>
        <translation>Zwykle ta sama średnica co cewki strojenia. 
Można ją jednak dobrać według potrzeb.</translation>
    </message>
    <message>
        <source>Close wound coils are usually spaced the same
diameter as the wire diameter.</source>
        <translation>Cewki nawijane ciasno mają zwykle odstęp równy
średnicy drutu.</translation>
    </message>
    <message>
        <source>Factor divided the ratio of Cylinder length to coil length
by 2 then applies the factor you specify. Click on
the Recalc Button to apply.</source>
        <translation>Współczynnik dzieli przez 2 stosunek długości cylindra
do długości cewki, a potem stosuje podany współczynnik.
Kliknij przycisk Recalc, aby go zastosować.</translation>
    </message>
    <message>
        <source>To calculate the size correctly we need to click 
this field to regenerate the inductance and 
re-calculate the coil size.</source>
        <translation>Aby poprawnie obliczyć wymiary, kliknij 
to pole, aby odtworzyć indukcyjność i 
przeliczyć wymiary cewki.</translation>
    </message>
</context>
<context>
    <name>DesignText</name>
    <message>
        <source>Just follow the prompts. On each entry field there is a popup to tell about the field. After entering the wire size and spacing, click on the ReCalc button. This causes a looping through several calculations to get the final coil inductance and size. After making and testing your antenna, if you find that the coil turns generated are different to what you have found to provide maximum output with lowest VSWR, then change the Factor field until you get the number of turns on your completed antenna. Initially this will a factor of 2. Use decimal points to get to the closest number of turns. Email this information to me from the main form, bottom left.The above information is required to get a truer picture of the factor we need to use to get the final release of this programme accurate. It is a chicken before the egg situation. Initially we do not know the size of the inductance required for resonance, so we insert a guestimate. Then we refine it by setting a factor. This then gives us the correct inductance, coil length and number of turns. So we need your help to complete the final project.</source>
        <translation>Wystarczy postępować zgodnie z podpowiedziami. Każde pole ma okienko z opisem. Po wpisaniu średnicy drutu i odstępu kliknij przycisk ReCalc. Uruchamia to pętlę kilku obliczeń, dającą ostateczną indukcyjność i wymiary cewki. Jeśli po zbudowaniu i przetestowaniu anteny okaże się, że obliczona liczba zwojów różni się od tej, przy której uzyskałeś największą moc wyjściową przy najniższym WFS, zmieniaj pole Factor, aż uzyskasz liczbę zwojów z gotowej anteny. Początkowo współczynnik wynosi 2. Używaj miejsc po przecinku, aby dojść do najbliższej liczby zwojów. Prześlij mi te informacje e-mailem z formularza głównego, w lewym dolnym rogu. Powyższe informacje są potrzebne, aby uzyskać wierniejszy obraz współczynnika, którego trzeba użyć, by ostateczna wersja tego programu była dokładna. To sytuacja jak z jajkiem i kurą. Na początku nie znamy indukcyjności potrzebnej do rezonansu, więc wstawiamy szacunek. Potem go poprawiamy, ustawiając współczynnik. Daje to właściwą indukcyjność, długość cewki i liczbę zwojów. Potrzebujemy więc Twojej pomocy, by ukończyć projekt.</translation>
    </message>
    <message>
        <source>YQ Design Calculator</source>
        <translation>Kalkulator projektowy YQ</translation>
    </message>
    <message>
        <source>Choose File to Open</source>
        <translation>Wybierz plik do otwarcia</translation>
    </message>
    <message>
        <source>Invalid figure. Valid values are between|1 and 99. Please re-enter</source>
        <translation>Nieprawidłowa liczba. Dozwolone wartości to|od 1 do 99. Wpisz ponownie</translation>
    </message>
    <message>
        <source>You are printing a metric|antenna. Measurements will default to mm.</source>
        <translation>Drukujesz antenę|metryczną. Wymiary domyślnie w mm.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 could not be written</source>
        <translation>Nie można zapisać %1</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Nie podano nazwy pliku.</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>Nie można odczytać %1</translation>
    </message>
    <message>
        <source>the path is longer than %1 characters</source>
        <translation>ścieżka jest dłuższa niż %1 znaków</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>the results file %1 could not be opened</source>
        <translation>nie można otworzyć pliku wyników %1</translation>
    </message>
    <message>
        <source>the results file %1 could not be locked</source>
        <translation>nie można zablokować pliku wyników %1</translation>
    </message>
    <message>
        <source>the results file %1 is in use by another program</source>
        <translation>plik wyników %1 jest używany przez inny program</translation>
    </message>
    <message>
        <source>the results file %1 could not be read</source>
        <translation>nie można odczytać pliku wyników %1</translation>
    </message>
    <message>
        <source> (the file may end in a partial line)</source>
        <translation> (plik może kończyć się niepełnym wierszem)</translation>
    </message>
    <message>
        <source>the results row could not be written to %1</source>
        <translation>nie można zapisać wiersza wyników do %1</translation>
    </message>
    <message>
        <source>the results row was added to %1 but could not be flushed to disk: %2</source>
        <translation>wiersz wyników dodano do %1, ale nie można go zapisać na dysk: %2</translation>
    </message>
    <message>
        <source>The design file %1 could not be written.</source>
        <translation>Nie można zapisać pliku projektu %1.</translation>
    </message>
    <message>
        <source>The design was saved, but the results row could not be written:|%1</source>
        <translation>Projekt zapisano, ale nie można zapisać wiersza wyników:|%1</translation>
    </message>
    <message>
        <source>it is locked by another program</source>
        <translation>jest zablokowany przez inny program</translation>
    </message>
    <message>
        <source>The user file %1 cannot be read: %2</source>
        <translation>Nie można odczytać pliku użytkowników %1: %2</translation>
    </message>
    <message>
        <source>it holds no user records (not a user file)</source>
        <translation>nie zawiera rekordów użytkowników (to nie plik użytkowników)</translation>
    </message>
    <message>
        <source>it is damaged (cut off inside a page)</source>
        <translation>jest uszkodzony (urwany w środku strony)</translation>
    </message>
    <message>
        <source>The name and call sign may not contain control characters (line breaks, tabs).</source>
        <translation>Imię i znak wywoławczy nie mogą zawierać znaków sterujących (podziałów wiersza, tabulatorów).</translation>
    </message>
    <message>
        <source>The name and call sign may have at most %1 characters.</source>
        <translation>Imię i znak wywoławczy mogą mieć najwyżej %1 znaków.</translation>
    </message>
    <message>
        <source>The record could not be added: %1</source>
        <translation>Nie można dodać rekordu: %1</translation>
    </message>
    <message>
        <source>The record could not be changed (it may have been deleted).</source>
        <translation>Nie można zmienić rekordu (mógł zostać usunięty).</translation>
    </message>
    <message>
        <source>The record could not be deleted: the user file does not exist.</source>
        <translation>Nie można usunąć rekordu: plik użytkowników nie istnieje.</translation>
    </message>
    <message>
        <source>The record could not be deleted (it may already be gone).</source>
        <translation>Nie można usunąć rekordu (mógł już zniknąć).</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>Sweep</source>
        <translation>Skanuj</translation>
    </message>
    <message>
        <source>Series resonances</source>
        <translation>Rezonanse szeregowe</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Rezonans szeregowy</translation>
    </message>
    <message>
        <source>Tuned from</source>
        <translation>Strojone od</translation>
    </message>
    <message>
        <source>Impedance there</source>
        <translation>Impedancja tam</translation>
    </message>
    <message>
        <source>Least SWR (50 ohm)</source>
        <translation>Najm. WFS (50 ohm)</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth (50 ohm)</source>
        <translation>Pasmo WFS 2:1 (50 ohm)</translation>
    </message>
    <message>
        <source>Design frequency</source>
        <translation>Częst. projektowa</translation>
    </message>
    <message>
        <source>Series inductance at the feed</source>
        <translation>L szeregowa w pkt. zasil.</translation>
    </message>
    <message>
        <source>Effective capacitance</source>
        <translation>Pojemność efektywna</translation>
    </message>
    <message>
        <source>Inductance for the design frequency</source>
        <translation>Indukcyjność dla częstotliwości projektowej</translation>
    </message>
    <message>
        <source>Tuning coil</source>
        <translation>Cewka strojenia</translation>
    </message>
    <message>
        <source>Coil length</source>
        <translation>Długość cewki</translation>
    </message>
    <message>
        <source>Wire length</source>
        <translation>Długość drutu</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Współczynnik pojemności</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Pomiar</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Odczyt</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Strojenie</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Usage: %1</source>
        <translation>Użycie: %1</translation>
    </message>
    <message>
        <source>  or:  %1</source>
        <translation>  lub:  %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Przykład: %1</translation>
    </message>
    <message>
        <source>Licence GPL-2.0-or-later: GNU GPL version 2 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licencja GPL-2.0-or-later: GNU GPL w wersji 2 lub późniejszej &lt;https://gnu.org/licenses/gpl.html&gt;.
To jest wolne oprogramowanie: możesz je zmieniać i rozpowszechniać.
Nie ma ŻADNEJ GWARANCJI w granicach dopuszczonych przez prawo.
</translation>
    </message>
</context>
<context>
    <name>InfoTexts</name>
    <message>
        <source>Welcome to the wonderful world of YQ Antennas. At long last we have achieved what many have said was impossible, the development of a new antenna concept. For 120 years the resonant wire antenna of Hertz has been taken as the only way to build an antenna. We did not accept that, and the YQ antenna concept is the outcome. It offers advantages in every antenna parameter: Small Size, High Efficiency, wide bandwidth, and very low EMI. While developing it we came upon a new development in physics connected with it, and that discovery has in turn led us to a further antenna concept that we hope to present to you soon.</source>
        <translation>Witamy w cudownym świecie anten YQ. Wreszcie osiągnęliśmy to, co wielu uważało za niemożliwe: opracowaliśmy nową koncepcję anteny. Przez 120 lat rezonansowa antena drutowa Hertza uchodziła za jedyny sposób budowy anteny. Nie zgodziliśmy się z tym, a owocem jest koncepcja anteny YQ. Daje ona korzyści w każdym parametrze anteny: małe wymiary, wysoka sprawność, szerokie pasmo i bardzo małe zakłócenia (EMI). Pracując nad nią, natrafiliśmy na związane z nią nowe zjawisko fizyczne, a to odkrycie doprowadziło nas z kolei do kolejnej koncepcji anteny, którą mamy nadzieję wkrótce Wam przedstawić.</translation>
    </message>
    <message>
        <source>Here is the information to allow you to design antennas for various Ham bands. We hope you enjoy this information and the use of the antennas you build. There are an untold number already on the air and many more added every day.</source>
        <translation>Oto informacje, które pozwolą Ci zaprojektować anteny na różne pasma amatorskie. Mamy nadzieję, że spodobają Ci się te informacje i anteny, które zbudujesz. Niezliczona ich liczba pracuje już na antenie, a każdego dnia przybywa wielu nowych.</translation>
    </message>
    <message>
        <source>Brannoc Quillet has been a radio amateur since his school days, when he built his first crystal receiver from parts of an old telephone. He trained as an electrical engineer and spent many years designing transmitters for broadcast and marine radio. Curious why small antennas were always said to be poor radiators, he began to experiment with short cylinders and coils in his workshop, and from that work the YQ antenna was born. Today he leads ZO Duravar Uravaro, a small company of engineers and radio amateurs who are developing applications of the YQ Antenna.</source>
        <translation>Brannoc Quillet jest krótkofalowcem od czasów szkolnych, kiedy to z części starego telefonu zbudował swój pierwszy odbiornik kryształkowy. Wykształcił się na inżyniera elektryka i przez wiele lat projektował nadajniki dla radiofonii i radiokomunikacji morskiej. Zaciekawiony, dlaczego o małych antenach zawsze mówiono, że słabo promieniują, zaczął w swoim warsztacie eksperymentować z krótkimi cylindrami i cewkami – i z tej pracy narodziła się antena YQ. Dziś kieruje firmą ZO Duravar Uravaro, małym zespołem inżynierów i krótkofalowców, którzy opracowują zastosowania anteny YQ.</translation>
    </message>
    <message>
        <source>We present these pictures to show just what is being accomplished around the world with YQ antennas. We will letthe pictures speak for themselves. If you would like your antenna featured email a good clear picture to %1</source>
        <translation>Prezentujemy te zdjęcia, aby pokazać, co osiąga się na całym świecie z antenami YQ. Niech zdjęcia mówią same za siebie. Jeśli chcesz, aby Twoja antena znalazła się wśród nich, wyślij e-mailem dobre, wyraźne zdjęcie na adres %1</translation>
    </message>
    <message>
        <source>Written by our programmer from formulas supplied by Brannoc Quillet. It is a work in progress as we need to get feedback from users like yourself who may have successfully built and used an Yq antenna. We need to know the specifications you </source>
        <translation>Program napisał nasz programista na podstawie wzorów dostarczonych przez Brannoca Quilleta. Prace nad nim trwają, ponieważ potrzebujemy informacji zwrotnych od użytkowników takich jak Ty, którym udało się zbudować i używać anteny YQ. Musimy znać parametry, </translation>
    </message>
    <message>
        <source>used to arrive at a working antenna. Please complete and email the details to us for analysis.</source>
        <translation>które doprowadziły do działającej anteny. Prosimy o wypełnienie i przesłanie nam szczegółów e-mailem do analizy.</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>Enter the Frequency in Megahertz</source>
        <translation>Wpisz częstotliwość w megahercach</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Radiation Resistance</source>
        <translation>Rezystancja promieniowania</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Radiation Resistance from measured bandwidth</source>
        <translation>Rezystancja prom. ze zmierzonego pasma</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter :</source>
        <translation>Wpisz średnicę cylindra :</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter in mm</source>
        <translation>Wpisz średnicę cylindra w mm</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Enter desired Length/Diameter Ratio</source>
        <translation>Żądany stosunek długość/średnica</translation>
    </message>
    <message>
        <source>Calculated Cylinder Capacitance pFd:</source>
        <translation>Obliczona pojemność cylindra pF:</translation>
    </message>
    <message>
        <source>pF</source>
        <translation>pF</translation>
    </message>
    <message>
        <source>Reactance (Xc) in Ohms</source>
        <translation>Reaktancja (Xc) w omach</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>Pasmo +/- 3 dB w kHz</translation>
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
        <translation>Całkowita długość anteny :</translation>
    </message>
    <message>
        <source>Total Length of Antenna in mm:</source>
        <translation>Całkowita długość anteny w mm:</translation>
    </message>
    <message>
        <source>Enter Measured Bandwidth in kHz</source>
        <translation>Wpisz zmierzone pasmo w kHz</translation>
    </message>
    <message>
        <source>Variance in Measured RR</source>
        <translation>Odchyłka zmierzonej RR</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter :</source>
        <translation>Wpisz średnicę drutu :</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter in mm</source>
        <translation>Wpisz średnicę drutu w mm</translation>
    </message>
    <message>
        <source>Enter Spacing :</source>
        <translation>Wpisz odstęp :</translation>
    </message>
    <message>
        <source>Enter Spacing in mm</source>
        <translation>Wpisz odstęp w mm</translation>
    </message>
    <message>
        <source>Calculated Turns per Inch</source>
        <translation>Obliczone zwoje na cal</translation>
    </message>
    <message>
        <source>1/in</source>
        <translation>1/in</translation>
    </message>
    <message>
        <source>Calculated Turns per mm</source>
        <translation>Obliczone zwoje na mm</translation>
    </message>
    <message>
        <source>1/mm</source>
        <translation>1/mm</translation>
    </message>
    <message>
        <source>Cylinder to Wire Capacitance in pFd</source>
        <translation>Pojemność cylinder–drut w pF</translation>
    </message>
    <message>
        <source>Estimated Coil Capacitance in pFd</source>
        <translation>Szacowana pojemność cewki w pF</translation>
    </message>
    <message>
        <source>Coil Inductance in uH</source>
        <translation>Indukcyjność cewki w uH</translation>
    </message>
    <message>
        <source>uH</source>
        <translation>uH</translation>
    </message>
    <message>
        <source>Number of Turns required</source>
        <translation>Wymagana liczba zwojów</translation>
    </message>
    <message>
        <source>turns</source>
        <translation>zw.</translation>
    </message>
    <message>
        <source>Coil Length :</source>
        <translation>Długość cewki :</translation>
    </message>
    <message>
        <source>Coil Length in mm:</source>
        <translation>Długość cewki w mm:</translation>
    </message>
    <message>
        <source>Length of wire required in Inches</source>
        <translation>Wymagana długość drutu w calach</translation>
    </message>
    <message>
        <source>Length of wire required in mm:</source>
        <translation>Wymagana długość drutu w mm:</translation>
    </message>
    <message>
        <source>Length of cylinder :</source>
        <translation>Długość cylindra :</translation>
    </message>
    <message>
        <source>Length of cylinder in mm :</source>
        <translation>Długość cylindra w mm :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter :</source>
        <translation>Wpisz średnicę cewki :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter in mm:</source>
        <translation>Wpisz średnicę cewki w mm:</translation>
    </message>
    <message>
        <source>Length as a % of wave length:</source>
        <translation>Długość jako % długości fali:</translation>
    </message>
    <message>
        <source>Length of Phasing Wire :</source>
        <translation>Długość drutu fazującego :</translation>
    </message>
    <message>
        <source>Length of Phasing Wire</source>
        <translation>Długość drutu fazującego</translation>
    </message>
    <message>
        <source>Enter Phasing Coil Diameter:</source>
        <translation>Wpisz średn. cewki fazującej:</translation>
    </message>
    <message>
        <source>Phasing Coil Turns</source>
        <translation>Zwoje cewki fazującej</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Współczynnik pojemności</translation>
    </message>
    <message>
        <source>Antenna Efficiency</source>
        <translation>Sprawność anteny</translation>
    </message>
    <message>
        <source>Loss in DB</source>
        <translation>Straty w dB</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Zwoje cewki zasil.</translation>
    </message>
    <message>
        <source>Source coil length :</source>
        <translation>Długość cewki zasil. :</translation>
    </message>
    <message>
        <source>Source coil length in mm</source>
        <translation>Długość cewki zasil. w mm</translation>
    </message>
    <message>
        <source>Source Coil Inductance in uH</source>
        <translation>Indukcyjność cewki zasil. uH</translation>
    </message>
    <message>
        <source>Enter Source Coil Diameter:</source>
        <translation>Wpisz średn. cewki zasil.:</translation>
    </message>
    <message>
        <source>Source Coil Wire Length :</source>
        <translation>Dł. drutu cewki zasil. :</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Długość drutu cewki zasil.</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter</source>
        <translation>Średnica drutu cewki zasil.</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter in mm</source>
        <translation>Średn. drutu cewki zasil. mm</translation>
    </message>
    <message>
        <source>Source Coil Reactance at 40ohms</source>
        <translation>Reaktancja cewki zasil. przy 40 ohm</translation>
    </message>
    <message>
        <source>Enter Degrees of Phase:</source>
        <translation>Wpisz stopnie fazy:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>stopni</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>unknown language &quot;%1&quot;</source>
        <translation>nieznany język &quot;%1&quot;</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>wybierz jeden z: %1</translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation>--lang wymaga kodu języka</translation>
    </message>
</context>
<context>
    <name>LaunchCodes</name>
    <message>
        <source>The Operating system is out of memory/resources. File:|</source>
        <translation>Systemowi operacyjnemu brakuje pamięci/zasobów. Plik:|</translation>
    </message>
    <message>
        <source>Unknown ShellExecute Error occured. File:|</source>
        <translation>Wystąpił nieznany błąd ShellExecute. Plik:|</translation>
    </message>
    <message>
        <source>The specified file was not found. File:|</source>
        <translation>Nie znaleziono podanego pliku. Plik:|</translation>
    </message>
    <message>
        <source>The specified path was not found. File:|</source>
        <translation>Nie znaleziono podanej ścieżki. Plik:|</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file. File:|</source>
        <translation>System operacyjny odmówił dostępu do podanego pliku. Plik:|</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation. File:|</source>
        <translation>Za mało pamięci, by dokończyć operację. Plik:|</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32® .exe or error in .exe image). File:|</source>
        <translation>Plik .exe jest nieprawidłowy (nie Win32® .exe lub błąd w obrazie .exe). Plik:|</translation>
    </message>
    <message>
        <source>A sharing violation occurred. File:|</source>
        <translation>Wystąpiło naruszenie udostępniania. Plik:|</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid. File:|</source>
        <translation>Skojarzenie nazwy pliku jest niepełne lub nieprawidłowe. Plik:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out. File:|</source>
        <translation>Nie można ukończyć transakcji DDE, bo upłynął limit czasu żądania. Plik:|</translation>
    </message>
    <message>
        <source>The DDE transaction failed. File:|</source>
        <translation>Transakcja DDE nie powiodła się. Plik:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed. File:|</source>
        <translation>Nie można ukończyć transakcji DDE, bo trwały inne transakcje DDE. Plik:|</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension. File:|</source>
        <translation>Z podanym rozszerzeniem nazwy pliku nie skojarzono żadnej aplikacji. Plik:|</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found. File:|</source>
        <translation>Nie znaleziono podanej biblioteki DLL. Plik:|</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>|File:|%1</source>
        <translation>|Plik:|%1</translation>
    </message>
    <message>
        <source>The results file was not found.|Each SAVE adds a row to it: save a design first.</source>
        <translation>Nie znaleziono pliku wyników.|Każde ZAPISZ dodaje do niego wiersz: najpierw zapisz projekt.</translation>
    </message>
    <message>
        <source>No spreadsheet program is set up to open CSV files.|Install one, or choose the program for CSV files in the desktop&apos;s settings.</source>
        <translation>Żaden arkusz kalkulacyjny nie jest ustawiony do otwierania plików CSV.|Zainstaluj go lub wybierz program dla plików CSV w ustawieniach pulpitu.</translation>
    </message>
    <message>
        <source>The program set up to open CSV files cannot be started:|its desktop entry is missing or invalid.</source>
        <translation>Nie można uruchomić programu ustawionego do otwierania plików CSV:|jego wpis pulpitu jest brakujący lub nieprawidłowy.</translation>
    </message>
    <message>
        <source>Shell Execute Error:</source>
        <translation>Błąd Shell Execute:</translation>
    </message>
</context>
<context>
    <name>MailClient</name>
    <message>
        <source>the mail program</source>
        <translation>program pocztowy</translation>
    </message>
    <message>
        <source>No mail program is registered on this desktop.</source>
        <translation>Na tym pulpicie nie zarejestrowano programu pocztowego.</translation>
    </message>
    <message>
        <source>The registered mail program (%1) cannot be found.</source>
        <translation>Nie można znaleźć zarejestrowanego programu pocztowego (%1).</translation>
    </message>
    <message>
        <source>%1 cannot take the mail&apos;s HTML body.</source>
        <translation>%1 nie przyjmuje treści HTML wiadomości.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments, and cannot take its HTML body.</source>
        <translation>Program pocztowy mógł nie przyjąć załączników wiadomości i nie przyjmuje jej treści HTML.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments.</source>
        <translation>Program pocztowy mógł nie przyjąć załączników wiadomości.</translation>
    </message>
    <message>
        <source>The mail program cannot take the mail&apos;s HTML body.</source>
        <translation>Program pocztowy nie przyjmuje treści HTML wiadomości.</translation>
    </message>
    <message>
        <source>The mail program could not be started: %1.</source>
        <translation>Nie można uruchomić programu pocztowego: %1.</translation>
    </message>
    <message>
        <source>The mail program could not be started: xdg-email is not installed.</source>
        <translation>Nie można uruchomić programu pocztowego: xdg-email nie jest zainstalowany.</translation>
    </message>
    <message>
        <source>The mail program could not be started.</source>
        <translation>Nie można uruchomić programu pocztowego.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>YQ antenna logo</source>
        <translation>Logo anteny YQ</translation>
    </message>
    <message>
        <source>YQ Star antenna: general arrangement with its parts named</source>
        <translation>Antena YQ Star: układ ogólny z nazwami części</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>Części anteny YQ Star</translation>
    </message>
    <message>
        <source>YQ Antenna Design Calculator banner</source>
        <translation>Baner kalkulatora projektowego anten YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a garden mast</source>
        <translation>Antena YQ na maszcie w ogrodzie</translation>
    </message>
    <message>
        <source>A YQ antenna mounted on a camper van</source>
        <translation>Antena YQ zamontowana na kamperze</translation>
    </message>
    <message>
        <source>Illustrated portrait: a radio amateur at the radio bench</source>
        <translation>Ilustrowany portret: krótkofalowiec przy stole radiowym</translation>
    </message>
    <message>
        <source>A YQ antenna on the roof of a house at sunset</source>
        <translation>Antena YQ na dachu domu o zachodzie słońca</translation>
    </message>
    <message>
        <source>A portable YQ antenna on a tripod by the sea</source>
        <translation>Przenośna antena YQ na statywie nad morzem</translation>
    </message>
    <message>
        <source>Winding the tuning coil on the workbench</source>
        <translation>Nawijanie cewki strojenia na stole warsztatowym</translation>
    </message>
    <message>
        <source>Tuning a YQ antenna with an antenna analyser</source>
        <translation>Strojenie anteny YQ analizatorem antenowym</translation>
    </message>
    <message>
        <source>A YQ antenna on an apartment balcony</source>
        <translation>Antena YQ na balkonie mieszkania</translation>
    </message>
    <message>
        <source>A YQ antenna on a mountain summit</source>
        <translation>Antena YQ na szczycie góry</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna laid out on the bench</source>
        <translation>Części anteny YQ rozłożone na stole</translation>
    </message>
    <message>
        <source>A YQ antenna on a winter night</source>
        <translation>Antena YQ w zimową noc</translation>
    </message>
    <message>
        <source>YQ program icon</source>
        <translation>Ikona programu YQ</translation>
    </message>
    <message>
        <source>About icon: radio operator</source>
        <translation>Ikona O programie: radiooperator</translation>
    </message>
    <message>
        <source>Hand pointer for links</source>
        <translation>Wskaźnik ręki dla łączy</translation>
    </message>
</context>
<context>
    <name>ProgramHelp</name>
    <message>
        <source>The YQ design calculator: design the YQ antenna in inches or millimetres, save designs and the results table YQ.csv in the working folder, print the design report and mail results.

The program opens its main window; the design windows open from its menu. Files are kept in the working folder (the folder of the last design file opened).</source>
        <translation>Kalkulator projektowy YQ: projektuje antenę YQ w calach lub milimetrach, zapisuje projekty i tabelę wyników YQ.csv w folderze roboczym, drukuje raport projektu i wysyła wyniki pocztą.

Program otwiera okno główne; okna projektowe otwiera się z jego menu. Pliki są przechowywane w folderze roboczym (folderze ostatnio otwartego pliku projektu).</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>the language of the windows for this run: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>język okien w tym uruchomieniu: en, de, ja, ru, it, es, pl, pt_BR, fr, cs lub nl (domyślnie: język pulpitu, z LANGUAGE, LC_ALL, LC_MESSAGES lub LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>pokaż tę pomoc i zakończ</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>pokaż wersję i zakończ</translation>
    </message>
    <message>
        <source>trace the hyperlink service of the design windows on standard error: every line starts with &quot;RazedUveziz: &quot; (registrations, events, the commands run, no browser or mail program found)</source>
        <translation>śledzi usługę hiperłączy okien projektowych na standardowym wyjściu błędów: każdy wiersz zaczyna się od &quot;RazedUveziz: &quot; (rejestracje, zdarzenia, uruchamiane polecenia, brak przeglądarki lub programu pocztowego)</translation>
    </message>
    <message>
        <source>trace each failed look-up of the desktop&apos;s browser or mail program (&quot;RegQueryValue: ...&quot;)</source>
        <translation>śledzi każde nieudane wyszukanie przeglądarki lub programu pocztowego pulpitu (&quot;RegQueryValue: ...&quot;)</translation>
    </message>
    <message>
        <source>trace the attempts of the per-link handler check (&quot;Tried(...&quot;)</source>
        <translation>śledzi próby sprawdzenia obsługi dla każdego łącza (&quot;Tried(...&quot;)</translation>
    </message>
    <message>
        <source>the Qt display plug-in (xcb, wayland, offscreen); Qt&apos;s other options are taken too</source>
        <translation>wtyczka wyświetlania Qt (xcb, wayland, offscreen); przyjmowane są też inne opcje Qt</translation>
    </message>
    <message>
        <source>The trace switches may be given together and in any case (/hadebug). Traces go
to standard error, never to the screen.

Exit status:
  0   the main window was closed (Shutdown)</source>
        <translation>Przełączniki śledzenia można podawać razem i w dowolnej wielkości liter (/hadebug). Ślady trafiają
na standardowe wyjście błędów, nigdy na ekran.

Kod wyjścia:
  0   okno główne zostało zamknięte (Zakończ)</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>nothing was drawn for %1</source>
        <translation>nic nie narysowano dla %1</translation>
    </message>
    <message>
        <source>cannot draw %1</source>
        <translation>nie można narysować %1</translation>
    </message>
    <message>
        <source>it holds no picture (%1 bytes)</source>
        <translation>nie zawiera obrazu (%1 bajtów)</translation>
    </message>
    <message>
        <source>it is cut short (%1 of %2 bytes)</source>
        <translation>jest obcięty (%1 z %2 bajtów)</translation>
    </message>
    <message>
        <source>The page image %1 could not be read</source>
        <translation>Nie można odczytać obrazu strony %1</translation>
    </message>
    <message>
        <source>folder does not exist</source>
        <translation>folder nie istnieje</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <source>The report has no pages.</source>
        <translation>Raport nie ma stron.</translation>
    </message>
</context>
<context>
    <name>ReportMail</name>
    <message>
        <source>No mail program is available.</source>
        <translation>Brak programu pocztowego.</translation>
    </message>
    <message>
        <source>Corvan, my YQ results are attached</source>
        <translation>Corvan, w załączeniu moje wyniki YQ</translation>
    </message>
    <message>
        <source>My Finished YQ Results</source>
        <translation>Moje wyniki gotowej anteny YQ</translation>
    </message>
</context>
<context>
    <name>ReportMessages</name>
    <message>
        <source>%1|The report lists its designers from the user file, so it is not printed.|The user file is left as it is.</source>
        <translation>%1|Raport podaje projektantów z pliku użytkowników, więc nie zostanie wydrukowany.|Plik użytkowników pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>The report document could not be written.|%1|The mail opens without the report.</source>
        <translation>Nie można zapisać dokumentu raportu.|%1|Wiadomość otworzy się bez raportu.</translation>
    </message>
    <message>
        <source>The report mail could not be prepared.|</source>
        <translation>Nie można przygotować wiadomości z raportem.|</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>Nie można odczytać %1.</translation>
    </message>
    <message>
        <source>These files could not be attached to the mail:|</source>
        <translation>Tych plików nie można dołączyć do wiadomości:|</translation>
    </message>
    <message>
        <source>A copy of the mail could not be saved as|%1:|%2</source>
        <translation>Nie można zapisać kopii wiadomości jako|%1:|%2</translation>
    </message>
    <message>
        <source>%1|The mail is saved as|%2|Open it with your mail program to send it.</source>
        <translation>%1|Wiadomość zapisano jako|%2|Otwórz ją w programie pocztowym, aby ją wysłać.</translation>
    </message>
    <message>
        <source>%1|The mail could not be saved as|%2:|%3</source>
        <translation>%1|Nie można zapisać wiadomości jako|%2:|%3</translation>
    </message>
    <message>
        <source>%1|The complete mail is saved as|%2|Open that one with your mail program to send all of it.</source>
        <translation>%1|Pełną wiadomość zapisano jako|%2|Otwórz ją w programie pocztowym, aby wysłać całość.</translation>
    </message>
    <message>
        <source>Send email</source>
        <translation>Wyślij e-mail</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>YQ *Star* Antenna designed for</source>
        <translation>Antena YQ *Star* zaprojektowana dla</translation>
    </message>
    <message>
        <source>Mhz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in</source>
        <translation>Wszystkie wymiary liniowe w</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Cylindry</translation>
    </message>
    <message>
        <source>Tuning Coil</source>
        <translation>Cewka strojenia</translation>
    </message>
    <message>
        <source>Phasing Coil</source>
        <translation>Cewka fazująca</translation>
    </message>
    <message>
        <source>Source Coil</source>
        <translation>Cewka zasil.</translation>
    </message>
    <message>
        <source>Cylinder Diameter</source>
        <translation>Średnica cylindra</translation>
    </message>
    <message>
        <source>Length to Diameter Ratio</source>
        <translation>Stosunek długości do średnicy</translation>
    </message>
    <message>
        <source>Cylinder Length</source>
        <translation>Długość cylindra</translation>
    </message>
    <message>
        <source>Cylinder Spacing</source>
        <translation>Odstęp cylindrów</translation>
    </message>
    <message>
        <source>Cylinder Capacitance in pFd</source>
        <translation>Pojemność cylindra w pF</translation>
    </message>
    <message>
        <source>Reactance (XC) Ohms</source>
        <translation>Reaktancja (XC) w omach</translation>
    </message>
    <message>
        <source>Radiation Resistance Ohms</source>
        <translation>Rezystancja prom. w omach</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>Pasmo +/- 3 dB w kHz</translation>
    </message>
    <message>
        <source>Antenna &apos;Q&apos;</source>
        <translation>&apos;Q&apos; anteny</translation>
    </message>
    <message>
        <source>Antenna Length inc Coils</source>
        <translation>Długość anteny z cewkami</translation>
    </message>
    <message>
        <source>Wire diameter for all Coils</source>
        <translation>Średnica drutu wszystkich cewek</translation>
    </message>
    <message>
        <source>Wire Spacing for Coils</source>
        <translation>Odstęp drutu w cewkach</translation>
    </message>
    <message>
        <source>Tuning Coil Diameter</source>
        <translation>Średnica cewki strojenia</translation>
    </message>
    <message>
        <source>Tuning Coil Inductance uH</source>
        <translation>Indukcyjność cewki strojenia uH</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <translation>Liczba zwojów</translation>
    </message>
    <message>
        <source>Coil Length</source>
        <translation>Długość cewki</translation>
    </message>
    <message>
        <source>Coil Wire Length</source>
        <translation>Długość drutu cewki</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Współczynnik pojemności</translation>
    </message>
    <message>
        <source>Phase Coil diameter</source>
        <translation>Średnica cewki fazującej</translation>
    </message>
    <message>
        <source>Wire Length</source>
        <translation>Długość drutu</translation>
    </message>
    <message>
        <source>Source Coil Diameter</source>
        <translation>Średnica cewki zasilającej</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Zwoje cewki zasil.</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Długość drutu cewki zasil.</translation>
    </message>
    <message>
        <source>Cylinders should be made from non ferrous metals to reduce losses.</source>
        <translation>Cylindry należy wykonać z metali nieżelaznych, aby zmniejszyć straty.</translation>
    </message>
    <message>
        <source>Spacing between cylinders is critical to success.</source>
        <translation>Odstęp między cylindrami ma kluczowe znaczenie dla powodzenia.</translation>
    </message>
    <message>
        <source>Spacing between lower cylinder and top of tuning coil should equal cylinder diameter.</source>
        <translation>Odstęp między dolnym cylindrem a górą cewki strojenia powinien być równy średnicy cylindra.</translation>
    </message>
    <message>
        <source>Wire from bottom of Tuning Coil must run up the inside edge of the lower cylinder.</source>
        <translation>Drut z dołu cewki strojenia musi biec w górę przy wewnętrznej ściance dolnego cylindra.</translation>
    </message>
    <message>
        <source>Wire from top of Tuning Coil must run up the centre of the lower cylinder.</source>
        <translation>Drut z góry cewki strojenia musi biec w górę środkiem dolnego cylindra.</translation>
    </message>
    <message>
        <source>Coil formers (the pipe) should be tested in a microwave oven for heating with RF excitation.</source>
        <translation>Karkasy cewek (rurę) należy sprawdzić w kuchence mikrofalowej pod kątem nagrzewania się energią w.cz.</translation>
    </message>
    <message>
        <source>If it gets hot in the MW then do not use it as it is absorbing RF energy.</source>
        <translation>Jeśli nagrzewa się w mikrofalówce, nie używaj go, bo pochłania energię w.cz.</translation>
    </message>
    <message>
        <source>When completed the entire antenna should be waterproofed.</source>
        <translation>Gotową antenę należy w całości zabezpieczyć przed wodą.</translation>
    </message>
    <message>
        <source>Follow the instructions in Brannoc&apos;s Book on setting up for maximum radiation and minimum VSWR.</source>
        <translation>Postępuj zgodnie z instrukcjami z książki Brannoca dotyczącymi strojenia na maksimum promieniowania i minimum WFS.</translation>
    </message>
    <message>
        <source>Print Date:</source>
        <translation>Data wydruku:</translation>
    </message>
    <message>
        <source>Designed By:</source>
        <translation>Projektant:</translation>
    </message>
    <message>
        <source>Print from queue</source>
        <translation>Druk z kolejki</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>cale</translation>
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
        <translation>Nie można odczytać wiersza %1 pliku wejściowego</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number in the %2 card</source>
        <translation>&quot;%1&quot; nie jest liczbą w karcie %2</translation>
    </message>
    <message>
        <source>the %1 card needs %2 numbers</source>
        <translation>karta %1 wymaga %2 liczb</translation>
    </message>
    <message>
        <source>The deck&apos;s line %1 cannot be checked</source>
        <translation>Nie można sprawdzić wiersza %1 pliku wejściowego</translation>
    </message>
    <message>
        <source>a GM card that copies or rotates is not read here</source>
        <translation>karta GM, która kopiuje lub obraca, nie jest tu odczytywana</translation>
    </message>
    <message>
        <source>The deck asks for no frequency (no FR card).</source>
        <translation>Plik nie podaje częstotliwości (brak karty FR).</translation>
    </message>
    <message>
        <source>Wire %1 has no length or no segment; nec2c can run on for ever on it.</source>
        <translation>Drut %1 nie ma długości lub segmentu; nec2c może na nim liczyć bez końca.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the lowest frequency; NEC-2 wants at least 0.001.</source>
        <translation>Segmenty drutu %1 mają długość %2 fali przy %3 MHz, najniższej częstotliwości; NEC-2 wymaga co najmniej 0.001.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the highest frequency; NEC-2 wants at most 0.1.</source>
        <translation>Segmenty drutu %1 mają długość %2 fali przy %3 MHz, najwyższej częstotliwości; NEC-2 wymaga najwyżej 0.1.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 with the extended thin-wire kernel.</source>
        <translation>Segmenty drutu %1 są %2 razy dłuższe od promienia; NEC-2 wymaga co najmniej %3 z rozszerzonym jądrem cienkiego drutu.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 without EK.</source>
        <translation>Segmenty drutu %1 są %2 razy dłuższe od promienia; NEC-2 wymaga co najmniej %3 bez EK.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 lie over the same %3 m; nec2c gives a meaningless impedance for them.</source>
        <translation>Druty %1 i %2 nakładają się na odcinku %3 m; nec2c daje dla nich bezsensowną impedancję.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; the extended thin-wire kernel is not valid where the radius changes.</source>
        <translation>Druty %1 i %2 łączą się przy promieniach różnych %3 razy; rozszerzone jądro cienkiego drutu nie działa tam, gdzie zmienia się promień.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; NEC-2 wants at most 5.</source>
        <translation>Druty %1 i %2 łączą się przy promieniach różnych %3 razy; NEC-2 dopuszcza najwyżej 5.</translation>
    </message>
    <message>
        <source>The deck has no feed (no EX card).</source>
        <translation>Plik nie ma zasilania (brak karty EX).</translation>
    </message>
    <message>
        <source>The feed is on segment %1 of wire %2, which does not exist.</source>
        <translation>Zasilanie jest na segmencie %1 drutu %2, który nie istnieje.</translation>
    </message>
    <message>
        <source>NEC-2 detailed model: free space, no feed line, the cylinders as aluminium wire-grid cages, the tuning and phasing coils as copper helices with their leads as the build sheet draws them, the source coil lumped at the feed.</source>
        <translation>Model szczegółowy NEC-2: wolna przestrzeń, bez linii zasilającej, cylindry jako aluminiowe klatki z siatki drutów, cewki strojenia i fazująca jako miedziane spirale z doprowadzeniami jak na karcie budowy, cewka zasilająca skupiona w punkcie zasilania.</translation>
    </message>
    <message>
        <source>NEC-2 standard model: free space, no feed line, the cylinders as thick aluminium wires, the three coils as one lumped series R + L at the feed from the calculator&apos;s coil values.</source>
        <translation>Model standardowy NEC-2: wolna przestrzeń, bez linii zasilającej, cylindry jako grube druty aluminiowe, trzy cewki jako jedno skupione szeregowe R + L w punkcie zasilania z wartości cewek z kalkulatora.</translation>
    </message>
    <message>
        <source>nec2c cannot be started</source>
        <translation>Nie można uruchomić nec2c</translation>
    </message>
    <message>
        <source>A folder for nec2c cannot be made</source>
        <translation>Nie można utworzyć folderu dla nec2c</translation>
    </message>
    <message>
        <source>The deck for nec2c cannot be written</source>
        <translation>Nie można zapisać pliku dla nec2c</translation>
    </message>
    <message>
        <source>nec2c stopped before it finished</source>
        <translation>nec2c zatrzymał się przed zakończeniem</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>uległ awarii</translation>
    </message>
    <message>
        <source>it exited with status %1</source>
        <translation>zakończył się z kodem %1</translation>
    </message>
    <message>
        <source>nec2c failed</source>
        <translation>nec2c zawiódł</translation>
    </message>
    <message>
        <source>nec2c wrote no output</source>
        <translation>nec2c nie zapisał wyników</translation>
    </message>
    <message>
        <source>deck.out is missing</source>
        <translation>brak deck.out</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not installed: install it with &quot;sudo apt install nec2c&quot;.</source>
        <translation>Symulacja wymaga nec2c, który nie jest zainstalowany: zainstaluj go poleceniem &quot;sudo apt install nec2c&quot;.</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not at %1.</source>
        <translation>Symulacja wymaga nec2c, którego nie ma w %1.</translation>
    </message>
    <message>
        <source>nec2c was stopped</source>
        <translation>nec2c został zatrzymany</translation>
    </message>
    <message>
        <source>it ran longer than its limit of %1 ms</source>
        <translation>działał dłużej niż jego limit %1 ms</translation>
    </message>
    <message>
        <source>The simulation was cancelled.</source>
        <translation>Symulację anulowano.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output cannot be read</source>
        <translation>Nie można odczytać wyników nec2c</translation>
    </message>
    <message>
        <source>it holds more frequencies than the deck&apos;s %1</source>
        <translation>zawiera więcej częstotliwości niż %1 z pliku wejściowego</translation>
    </message>
    <message>
        <source>the input parameters of frequency %1 have no line of numbers</source>
        <translation>parametry wejściowe częstotliwości %1 nie mają wiersza liczb</translation>
    </message>
    <message>
        <source>the impedance at frequency %1 is not a number</source>
        <translation>impedancja przy częstotliwości %1 nie jest liczbą</translation>
    </message>
    <message>
        <source>a radiation pattern has no headings</source>
        <translation>charakterystyka promieniowania nie ma nagłówków</translation>
    </message>
    <message>
        <source>it holds %1 of the deck&apos;s %2 frequencies</source>
        <translation>zawiera %1 z %2 częstotliwości pliku wejściowego</translation>
    </message>
    <message>
        <source>The matched half-power band is wider than the fine sweep.</source>
        <translation>Dopasowane pasmo -3 dB jest szersze niż dokładny skan.</translation>
    </message>
    <message>
        <source>The half-power band on 50 ohm is wider than the fine sweep.</source>
        <translation>Pasmo -3 dB przy 50 ohm jest szersze niż dokładny skan.</translation>
    </message>
    <message>
        <source>With the calculated coil the model has no series resonance between 0.4 F and 2.5 F.</source>
        <translation>Z obliczoną cewką model nie ma rezonansu szeregowego między 0.4 F a 2.5 F.</translation>
    </message>
    <message>
        <source>nec2c gave no power budget or average gain at the resonance.</source>
        <translation>nec2c nie podał bilansu mocy ani średniego zysku w rezonansie.</translation>
    </message>
    <message>
        <source>The coil for F is not computed in this model.</source>
        <translation>W tym modelu nie oblicza się cewki dla F.</translation>
    </message>
    <message>
        <source>The design has no frequency</source>
        <translation>Projekt nie ma częstotliwości</translation>
    </message>
    <message>
        <source>F is 0</source>
        <translation>F wynosi 0</translation>
    </message>
    <message>
        <source>The design has no cylinders</source>
        <translation>Projekt nie ma cylindrów</translation>
    </message>
    <message>
        <source>CD or LD is 0</source>
        <translation>CD lub LD wynosi 0</translation>
    </message>
    <message>
        <source>The detailed model needs a tuning coil</source>
        <translation>Model szczegółowy wymaga cewki strojenia</translation>
    </message>
    <message>
        <source>NT, SP or CCD is 0</source>
        <translation>NT, SP lub CCD wynosi 0</translation>
    </message>
    <message>
        <source>No tuning coil resonates the model at F: it needs a series capacitance there.</source>
        <translation>Żadna cewka strojenia nie daje rezonansu modelu przy F: potrzebna jest tam pojemność szeregowa.</translation>
    </message>
    <message>
        <source>With the re-sized coil X does not rise through 0 within 1 % of F.</source>
        <translation>Z cewką o nowych wymiarach X nie przechodzi przez 0 w granicach 1 % od F.</translation>
    </message>
    <message>
        <source>Its segments are down to %1 wavelength at F (NEC-2 wants at least 0.001) and its cages and leads break NEC-2&apos;s rules, so its feed R and X, and the Q, bandwidths and SWR from them, are not valid: it gives the resonance, radiation resistance, gain and efficiency from the far field only.</source>
        <translation>Jego segmenty mają przy F tylko %1 długości fali (NEC-2 wymaga co najmniej 0.001), a klatki i doprowadzenia łamią reguły NEC-2, więc R i X w punkcie zasilania oraz wyliczone z nich Q, pasma i WFS są nieważne: podaje rezonans, rezystancję promieniowania, zysk i sprawność wyłącznie z pola dalekiego.</translation>
    </message>
</context>
<context>
    <name>SimulationTable</name>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Rezonans szeregowy</translation>
    </message>
    <message>
        <source>Tuning coil inductance</source>
        <translation>Indukcyjność cewki strojenia</translation>
    </message>
    <message>
        <source>Tuning coil turns</source>
        <translation>Zwoje cewki strojenia</translation>
    </message>
    <message>
        <source>Series L at the feed</source>
        <translation>L szeregowa w pkt. zasil.</translation>
    </message>
    <message>
        <source>Feed impedance at F</source>
        <translation>Impedancja zasil. przy F</translation>
    </message>
    <message>
        <source>R at resonance (RR + WR)</source>
        <translation>R w rezonansie (RR + WR)</translation>
    </message>
    <message>
        <source>Radiation resistance</source>
        <translation>Rezystancja promieniowania</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Half-power BW, matched</source>
        <translation>Pasmo -3 dB, dopasowane</translation>
    </message>
    <message>
        <source>2:1 SWR BW, matched</source>
        <translation>Pasmo WFS 2:1, dopas.</translation>
    </message>
    <message>
        <source>Half-power BW on 50 ohm</source>
        <translation>Pasmo -3 dB przy 50 ohm</translation>
    </message>
    <message>
        <source>2:1 SWR BW on 50 ohm</source>
        <translation>Pasmo WFS 2:1 przy 50 ohm</translation>
    </message>
    <message>
        <source>Lowest SWR on 50 ohm</source>
        <translation>Najm. WFS przy 50 ohm</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Sprawność</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Straty</translation>
    </message>
    <message>
        <source>Largest gain</source>
        <translation>Największy zysk</translation>
    </message>
    <message>
        <source>Rule not kept: %1</source>
        <translation>Reguła niespełniona: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Uwaga: %1</translation>
    </message>
    <message>
        <source>nec2c runs: %1, %2 s</source>
        <translation>Uruchomienia nec2c: %1, %2 s</translation>
    </message>
    <message>
        <source>calculator</source>
        <translation>kalkulator</translation>
    </message>
    <message>
        <source>NEC-2, calculated coil</source>
        <translation>NEC-2, obliczona cewka</translation>
    </message>
    <message>
        <source>NEC-2, coil for F</source>
        <translation>NEC-2, cewka dla F</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>nieważne</translation>
    </message>
    <message>
        <source>not computed</source>
        <translation>nie obliczono</translation>
    </message>
</context>
<context>
    <name>Touchstone</name>
    <message>
        <source>The measurement %1 cannot be read</source>
        <translation>Nie można odczytać pomiaru %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>a control character (byte %1) where only text may stand: this is not a text file</source>
        <translation>znak sterujący (bajt %1) tam, gdzie może być tylko tekst: to nie jest plik tekstowy</translation>
    </message>
    <message>
        <source>text after [End]</source>
        <translation>tekst po [End]</translation>
    </message>
    <message>
        <source>a second option line</source>
        <translation>drugi wiersz opcji</translation>
    </message>
    <message>
        <source>%1 where a keyword in brackets is expected</source>
        <translation>%1 tam, gdzie oczekiwano słowa kluczowego w nawiasach</translation>
    </message>
    <message>
        <source>[Reference] has too few values</source>
        <translation>[Reference] ma za mało wartości</translation>
    </message>
    <message>
        <source>the file ends in the middle of a point: %1 of its %2 values</source>
        <translation>plik kończy się w środku punktu: %1 z jego %2 wartości</translation>
    </message>
    <message>
        <source>a Touchstone 2.0 file without [Network Data]</source>
        <translation>plik Touchstone 2.0 bez [Network Data]</translation>
    </message>
    <message>
        <source>[Number of Frequencies] says %1, the file holds %2</source>
        <translation>[Number of Frequencies] podaje %1, plik zawiera %2</translation>
    </message>
    <message>
        <source>no option line: GHz S MA R 50 assumed</source>
        <translation>brak wiersza opcji: przyjęto GHz S MA R 50</translation>
    </message>
    <message>
        <source>noise parameters from line %1 skipped</source>
        <translation>parametry szumowe od wiersza %1 pominięto</translation>
    </message>
    <message>
        <source>a keyword without its closing &quot;]&quot;</source>
        <translation>słowo kluczowe bez zamykającego &quot;]&quot;</translation>
    </message>
    <message>
        <source>[Version] must be the first line that is not a comment</source>
        <translation>[Version] musi być pierwszym wierszem, który nie jest komentarzem</translation>
    </message>
    <message>
        <source>[Version] %1 is not a version this program reads (2.0)</source>
        <translation>[Version] %1 to nie wersja, którą czyta ten program (2.0)</translation>
    </message>
    <message>
        <source>the keyword [%1] in a file without [Version] 2.0</source>
        <translation>słowo kluczowe [%1] w pliku bez [Version] 2.0</translation>
    </message>
    <message>
        <source>[Number of Ports] %1 is not a number of ports</source>
        <translation>[Number of Ports] %1 nie jest liczbą portów</translation>
    </message>
    <message>
        <source>[Two-Port Data Order] %1 is neither 12_21 nor 21_12</source>
        <translation>[Two-Port Data Order] %1 nie jest ani 12_21, ani 21_12</translation>
    </message>
    <message>
        <source>[Number of Frequencies] %1 is not a count</source>
        <translation>[Number of Frequencies] %1 nie jest prawidłową liczbą częstotliwości</translation>
    </message>
    <message>
        <source>[Reference] before [Number of Ports]</source>
        <translation>[Reference] przed [Number of Ports]</translation>
    </message>
    <message>
        <source>[Matrix Format] %1 is not Full, Lower or Upper</source>
        <translation>[Matrix Format] %1 nie jest Full, Lower ani Upper</translation>
    </message>
    <message>
        <source>[Network Data] before [Number of Ports]</source>
        <translation>[Network Data] przed [Number of Ports]</translation>
    </message>
    <message>
        <source>[Network Data] before the option line</source>
        <translation>[Network Data] przed wierszem opcji</translation>
    </message>
    <message>
        <source>a two-port file without [Two-Port Data Order]</source>
        <translation>plik dwuwrotnika bez [Two-Port Data Order]</translation>
    </message>
    <message>
        <source>the network data ends in the middle of a point</source>
        <translation>dane sieci kończą się w środku punktu</translation>
    </message>
    <message>
        <source>[%1] is not a keyword of Touchstone 2.0</source>
        <translation>[%1] nie jest słowem kluczowym Touchstone 2.0</translation>
    </message>
    <message>
        <source>the reference %1 is not a number</source>
        <translation>odniesienie %1 nie jest liczbą</translation>
    </message>
    <message>
        <source>the reference impedance %1 ohm is not above 0</source>
        <translation>impedancja odniesienia %1 ohm nie jest większa od 0</translation>
    </message>
    <message>
        <source>[Reference] has more values than there are ports</source>
        <translation>[Reference] ma więcej wartości niż portów</translation>
    </message>
    <message>
        <source>the option line names the frequency unit twice</source>
        <translation>wiersz opcji podaje jednostkę częstotliwości dwukrotnie</translation>
    </message>
    <message>
        <source>the option line names the parameter twice</source>
        <translation>wiersz opcji podaje parametr dwukrotnie</translation>
    </message>
    <message>
        <source>%1 parameters hold no reflection coefficient this program reads; save S, Z or Y parameters</source>
        <translation>parametry %1 nie zawierają współczynnika odbicia czytelnego dla tego programu; zapisz parametry S, Z lub Y</translation>
    </message>
    <message>
        <source>the option line names the data format twice</source>
        <translation>wiersz opcji podaje format danych dwukrotnie</translation>
    </message>
    <message>
        <source>the option line gives the reference twice</source>
        <translation>wiersz opcji podaje odniesienie dwukrotnie</translation>
    </message>
    <message>
        <source>&quot;R&quot; without its reference impedance</source>
        <translation>&quot;R&quot; bez impedancji odniesienia</translation>
    </message>
    <message>
        <source>%1 is not a part of the option line (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</source>
        <translation>%1 nie jest częścią wiersza opcji (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</translation>
    </message>
    <message>
        <source>Z and Y parameters of networks of more than two ports are not read; save S parameters</source>
        <translation>parametry Z i Y sieci o więcej niż dwóch portach nie są czytane; zapisz parametry S</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 nie jest liczbą</translation>
    </message>
    <message>
        <source>the frequency %1 does not rise above the one before it (%2 on line %3)</source>
        <translation>częstotliwość %1 nie jest większa od poprzedniej (%2 w wierszu %3)</translation>
    </message>
    <message>
        <source>the frequency %1 is below 0</source>
        <translation>częstotliwość %1 jest ujemna</translation>
    </message>
    <message>
        <source>the frequency %1 is too large</source>
        <translation>częstotliwość %1 jest za duża</translation>
    </message>
    <message>
        <source>the point does not end where a line ends: a value is missing or one too many (a point here has %1 values)</source>
        <translation>punkt nie kończy się wraz z końcem wiersza: brakuje wartości lub jest o jedną za dużo (punkt ma tu %1 wartości)</translation>
    </message>
    <message>
        <source>the values of the point at %1 give no finite reflection coefficient</source>
        <translation>wartości punktu przy %1 nie dają skończonego współczynnika odbicia</translation>
    </message>
    <message>
        <source>the frequency %1 of line %2 again, with %3 values where a point has %4</source>
        <translation>częstotliwość %1 z wiersza %2 ponownie, z %3 wartościami, gdzie punkt ma %4</translation>
    </message>
    <message>
        <source>line %1 repeats the frequency %2 of line %3; the repeat is left out</source>
        <translation>wiersz %1 powtarza częstotliwość %2 z wiersza %3; powtórzenie pominięto</translation>
    </message>
    <message>
        <source>a control character where only text may stand: this is not a text file</source>
        <translation>znak sterujący tam, gdzie może być tylko tekst: to nie jest plik tekstowy</translation>
    </message>
    <message>
        <source>the headings name %1 columns; a sweep needs frequency and two more</source>
        <translation>liczba kolumn w nagłówkach: %1; skan wymaga częstotliwości i dwóch innych</translation>
    </message>
    <message>
        <source>%1 value where the frequency and two more are needed</source>
        <translation>%1 wartość tam, gdzie potrzebne są częstotliwość i dwie inne</translation>
    </message>
    <message>
        <source>%1 values where the frequency and two more are needed</source>
        <translation>%1 wartości tam, gdzie potrzebne są częstotliwość i dwie inne</translation>
    </message>
    <message>
        <source>the rows from line %1 on (%2) are another sweep than %3 and are left out</source>
        <translation>wiersze od wiersza %1 (%2) to inny skan niż %3 i zostały pominięte</translation>
    </message>
    <message>
        <source>%1 is not a frequency</source>
        <translation>%1 nie jest częstotliwością</translation>
    </message>
    <message>
        <source>the impedance gives no finite reflection coefficient</source>
        <translation>impedancja nie daje skończonego współczynnika odbicia</translation>
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
        <translation>%1 punkt</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 punktów</translation>
    </message>
    <message>
        <source>The measurement %1 cannot be opened</source>
        <translation>Nie można otworzyć pomiaru %1</translation>
    </message>
    <message>
        <source>it does not exist or is not readable</source>
        <translation>nie istnieje lub nie można go odczytać</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>to nie jest plik</translation>
    </message>
    <message>
        <source>it is larger than 64 MB</source>
        <translation>jest większy niż 64 MB</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>odczyt nie powiódł się</translation>
    </message>
</context>
<context>
    <name>TuneTable</name>
    <message>
        <source>Measurement</source>
        <translation>Pomiar</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Odczyt</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Strojenie</translation>
    </message>
</context>
<context>
    <name>UnitSystem</name>
    <message>
        <source>All measurements are in inches</source>
        <translation>Wszystkie wymiary są w calach</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|a Metric design in error.|Select Metric Design instead.|Do NOT save this version!</source>
        <translation>Zły wybór. Wybrano omyłkowo|projekt metryczny.|Wybierz zamiast tego projekt metryczny.|NIE zapisuj tej wersji!</translation>
    </message>
    <message>
        <source>Press ESC &amp; Select Metric Option!</source>
        <translation>Naciśnij ESC &amp; wybierz opcję metryczną!</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|an Imperial design in error.|Select Imperial Design instead.</source>
        <translation>Zły wybór. Wybrano omyłkowo|projekt calowy.|Wybierz zamiast tego projekt calowy.</translation>
    </message>
    <message>
        <source>Press ESC &amp; select Imperial Design</source>
        <translation>Naciśnij ESC &amp; wybierz projekt calowy</translation>
    </message>
    <message>
        <source>All measurements are in mm</source>
        <translation>Wszystkie wymiary są w mm</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Imperial</source>
        <translation>Obliczenia anteny YQ... calowe</translation>
    </message>
    <message>
        <source>Linear measurements are in Inches</source>
        <translation>Wymiary liniowe są w calach</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in inches. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Wszystkie wymiary cewek wynikają z podanego odstępu. Wymiary liniowe są w calach. Większość pól ma pomoc po najechaniu myszą. Wszystkie cewki mają tę samą średnicę drutu i odstęp.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|*.ini</source>
        <translation>Pliki Ini anteny M = metryczne|*.ini</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Metric</source>
        <translation>Obliczenia anteny YQ... metryczne</translation>
    </message>
    <message>
        <source>Linear measurements are in mm</source>
        <translation>Wymiary liniowe są w mm</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in mm. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Wszystkie wymiary cewek wynikają z podanego odstępu. Wymiary liniowe są w mm. Większość pól ma pomoc po najechaniu myszą. Wszystkie cewki mają tę samą średnicę drutu i odstęp.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|M*.ini</source>
        <translation>Pliki Ini anteny M = metryczne|M*.ini</translation>
    </message>
</context>
<context>
    <name>UserList</name>
    <message>
        <source>Records are deleted from the list of users, not from this form.</source>
        <translation>Rekordy usuwa się z listy użytkowników, nie z tego formularza.</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Potwierdź usunięcie</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the highlighted record?|%1</source>
        <translation>Czy na pewno usunąć zaznaczony rekord?|%1</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>YQ Error Message</source>
        <translation>Komunikat o błędzie YQ</translation>
    </message>
</context>
<context>
    <name>yq::AboutWindow</name>
    <message>
        <source>Close and return...</source>
        <translation>Zamknij i wróć...</translation>
    </message>
    <message>
        <source>About this programme V 5.081</source>
        <translation>O programie V 5.081</translation>
    </message>
</context>
<context>
    <name>yq::BuildSheetTab</name>
    <message>
        <source>Build sheet drawing</source>
        <translation>Rysunek karty budowy</translation>
    </message>
    <message>
        <source>Build Sheet: the antenna to scale and what to cut and wind</source>
        <translation>Karta budowy: antena w skali oraz co przyciąć i nawinąć</translation>
    </message>
    <message>
        <source>Print Build Sheet</source>
        <translation>Drukuj kartę budowy</translation>
    </message>
    <message>
        <source>Shows the build sheet in the print preview, to print it</source>
        <translation>Pokazuje kartę budowy w podglądzie wydruku, aby ją wydrukować</translation>
    </message>
</context>
<context>
    <name>yq::DesignToolsTab</name>
    <message>
        <source>Convert to millimetres</source>
        <translation>Przelicz na milimetry</translation>
    </message>
    <message>
        <source>Convert to inches</source>
        <translation>Przelicz na cale</translation>
    </message>
    <message>
        <source>Lengths x 25.4, rounded to the Metric fields; F, L/D, MBW, FAC and DPS
as they are; then the Metric ReCalc. The design is saved in the working
folder under the Metric window&apos;s file name (M...ini).</source>
        <translation>Długości x 25.4, zaokrąglone do pól metrycznych; F, L/D, MBW, FAC i DPS
bez zmian; potem metryczny ReCalc. Projekt zostaje zapisany w folderze
roboczym pod nazwą pliku okna metrycznego (M...ini).</translation>
    </message>
    <message>
        <source>Lengths / 25.4, rounded to the Imperial fields; F, L/D, MBW, FAC and DPS
as they are; then the Imperial ReCalc. The design is saved in the working
folder under the Imperial window&apos;s file name.</source>
        <translation>Długości / 25.4, zaokrąglone do pól calowych; F, L/D, MBW, FAC i DPS
bez zmian; potem calowy ReCalc. Projekt zostaje zapisany w folderze
roboczym pod nazwą pliku okna calowego.</translation>
    </message>
    <message>
        <source>Convert and Save as Metric</source>
        <translation>Przelicz i zapisz jako metr.</translation>
    </message>
    <message>
        <source>Convert and Save as Imperial</source>
        <translation>Przelicz i zapisz jako cal.</translation>
    </message>
    <message>
        <source>Saves this design in millimetres for the Metric window.</source>
        <translation>Zapisuje ten projekt w milimetrach dla okna metrycznego.</translation>
    </message>
    <message>
        <source>Saves this design in inches for the Imperial window.</source>
        <translation>Zapisuje ten projekt w calach dla okna calowego.</translation>
    </message>
    <message>
        <source>The design cannot be converted:|%1</source>
        <translation>Nie można przeliczyć projektu:|%1</translation>
    </message>
    <message>
        <source>The converted design %1 could not be written.|%2</source>
        <translation>Nie można zapisać przeliczonego projektu %1.|%2</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metryczny</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Calowy</translation>
    </message>
    <message>
        <source>Saved &lt;b&gt;%1&lt;/b&gt; in %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: open it in the %6 window.</source>
        <translation>Zapisano &lt;b&gt;%1&lt;/b&gt; w %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: otwórz go w oknie %6.</translation>
    </message>
    <message>
        <source>Fit to the built antenna</source>
        <translation>Dopasuj do zbudowanej anteny</translation>
    </message>
    <message>
        <source>FAC from tuning coil turns (NT)</source>
        <translation>FAC ze zwojów cewki strojenia (NT)</translation>
    </message>
    <message>
        <source>DPS from source coil turns (SCT)</source>
        <translation>DPS ze zwojów cewki zasil. (SCT)</translation>
    </message>
    <message>
        <source>Field to fit</source>
        <translation>Dopasuj pole</translation>
    </message>
    <message>
        <source>Capacitance Factor from the tuning coil turns you wound,
or Degrees of Phase from the source coil turns.</source>
        <translation>Współczynnik pojemności z nawiniętej liczby zwojów cewki strojenia
lub stopnie fazy z liczby zwojów cewki zasilającej.</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Nawinięte zw.:</translation>
    </message>
    <message>
        <source>Turns wound</source>
        <translation>Nawinięte zw.</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Tries every value of the field, 0.01 apart, each with a full ReCalc,
and finds the one whose turns come nearest to the turns you wound.</source>
        <translation>Sprawdza każdą wartość pola co 0.01, każdą z pełnym ReCalc,
i znajduje tę, której liczba zwojów jest najbliższa nawiniętej.</translation>
    </message>
    <message>
        <source>Enter the turns on your working antenna and press Find.</source>
        <translation>Wpisz liczbę zwojów działającej anteny i naciśnij Szukaj.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;Enter the number of turns you wound, for example 31 or 30.5.&lt;/span&gt;</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Wpisz liczbę nawiniętych zwojów, np. 31 lub 30.5.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt; gives %3 = &lt;b&gt;%4&lt;/b&gt; turns (you wound %5).</source>
        <translation>&lt;b&gt;%1 = %2&lt;/b&gt; daje %3 = &lt;b&gt;%4&lt;/b&gt; zw. (nawinięto %5).</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;No %1 from %2 to %3 gives %4 within half a turn of %5.&lt;/span&gt; The nearest is &lt;b&gt;%1 = %6&lt;/b&gt;, giving %4 = &lt;b&gt;%7&lt;/b&gt;.</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Żadna wartość %1 od %2 do %3 nie daje %4 w granicach pół zwoju od %5.&lt;/span&gt; Najbliższa to &lt;b&gt;%1 = %6&lt;/b&gt;, dająca %4 = &lt;b&gt;%7&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>i %1 więcej</translation>
    </message>
    <message>
        <source>&lt;br&gt;Also changes: </source>
        <translation>&lt;br&gt;Zmienia też: </translation>
    </message>
    <message>
        <source>&lt;br&gt;The window shows DPS with one place (%1); the design keeps %2.</source>
        <translation>&lt;br&gt;Okno pokazuje DPS z jednym miejscem po przecinku (%1); projekt zachowuje %2.</translation>
    </message>
    <message>
        <source>Apply %1 = %2</source>
        <translation>Zastosuj %1 = %2</translation>
    </message>
    <message>
        <source>&lt;i&gt;The design changed since the last Find; this is the fit for it now.&lt;/i&gt;&lt;br&gt;</source>
        <translation>&lt;i&gt;Projekt zmienił się od ostatniego wyszukiwania; to dopasowanie dotyczy jego obecnej postaci.&lt;/i&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;Applied&lt;/b&gt; to the design; SAVE keeps it.</source>
        <translation>&lt;br&gt;&lt;b&gt;Zastosowano&lt;/b&gt; w projekcie; ZAPISZ go zachowa.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotl.</translation>
    </message>
    <message>
        <source>Cylinder diameter</source>
        <translation>Średnica cylindra</translation>
    </message>
    <message>
        <source>Length/Diameter ratio</source>
        <translation>Stosunek długość/średnica</translation>
    </message>
    <message>
        <source>Wire diameter</source>
        <translation>Średnica drutu</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Odstęp</translation>
    </message>
    <message>
        <source>Coil diameter</source>
        <translation>Średnica cewki</translation>
    </message>
    <message>
        <source>Capacitance factor</source>
        <translation>Wsp. pojemności</translation>
    </message>
    <message>
        <source>Phasing coil diameter</source>
        <translation>Średn. cewki fazującej</translation>
    </message>
    <message>
        <source>Source coil diameter</source>
        <translation>Średn. cewki zasil.</translation>
    </message>
    <message>
        <source>Degrees of phase</source>
        <translation>Stopnie fazy</translation>
    </message>
    <message>
        <source>Measured bandwidth</source>
        <translation>Zmierzone pasmo</translation>
    </message>
    <message>
        <source>Sweep one input</source>
        <translation>Skan jednego wejścia</translation>
    </message>
    <message>
        <source>Input to vary</source>
        <translation>Zmieniane wejście</translation>
    </message>
    <message>
        <source>Vary:</source>
        <translation>Zmieniaj:</translation>
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
        <translation>Skanuj</translation>
    </message>
    <message>
        <source>Plot:</source>
        <translation>Wykres:</translation>
    </message>
    <message>
        <source>Sweep points</source>
        <translation>Punkty skanu</translation>
    </message>
    <message>
        <source>Up to %1 points, each a full ReCalc of this design.</source>
        <translation>Do %1 punktów, każdy z pełnym ReCalc tego projektu.</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>Zapisz CSV...</translation>
    </message>
    <message>
        <source>Every key of every point, as yq-calc sweep writes it.</source>
        <translation>Każdy klucz każdego punktu, tak jak zapisuje go yq-calc sweep.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number.</source>
        <translation>%1 &apos;%2&apos; nie jest liczbą.</translation>
    </message>
    <message>
        <source>%1 points, each a full ReCalc.</source>
        <translation>%1 punktów, każdy z pełnym ReCalc.</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>Nie można zapisać skanu jako %1.|%2</translation>
    </message>
    <message>
        <source>%1 points saved to %2.</source>
        <translation>Zapisano %1 punktów do %2.</translation>
    </message>
    <message>
        <source>Save the sweep as CSV</source>
        <translation>Zapisz skan jako CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>yq::DesignWindow</name>
    <message>
        <source>   Build Sheet</source>
        <translation>   Karta budowy</translation>
    </message>
    <message>
        <source>   Design Tools</source>
        <translation>   Narzędzia</translation>
    </message>
    <message>
        <source>Select Antenna</source>
        <translation>Wybierz antenę</translation>
    </message>
    <message>
        <source>   Specifications</source>
        <translation>   Parametry</translation>
    </message>
    <message>
        <source>   Help</source>
        <translation>   Pomoc</translation>
    </message>
    <message>
        <source>Entries in Bold are those you can change. All others are read only.</source>
        <translation>Pola pogrubione można zmieniać. Pozostałe są tylko do odczytu.</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ZAPISZ</translation>
    </message>
    <message>
        <source>Saves the file with the name like 726.ini
7 = frequency in mhz
2 = cylinder diameter in inches
6 = diameter to length ratio
An &apos;M&apos; first letter denotes Metric calculations.</source>
        <translation>Zapisuje plik o nazwie w rodzaju 726.ini
7 = częstotliwość w MHz
2 = średnica cylindra w calach
6 = stosunek średnicy do długości
Litera &apos;M&apos; na początku oznacza obliczenia metryczne.</translation>
    </message>
    <message>
        <source>Print/View</source>
        <translation>Drukuj/Podgląd</translation>
    </message>
    <message>
        <source>You MUST save first to print</source>
        <translation>Najpierw ZAPISZ, by drukować</translation>
    </message>
    <message>
        <source>email Report</source>
        <translation>Raport e-mailem</translation>
    </message>
    <message>
        <source>Uses Outlook for email. Other mailers may not work.</source>
        <translation>Poczta przez Outlook. Inne programy mogą nie działać.</translation>
    </message>
    <message>
        <source>YQ Forum</source>
        <translation>Forum YQ</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Otwórz Excel</translation>
    </message>
    <message>
        <source>Email Results</source>
        <translation>Wyślij wyniki</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Cylinder Specifications</source>
        <translation>Parametry cylindra</translation>
    </message>
    <message>
        <source>Source Coil Specifications</source>
        <translation>Parametry cewki zasil.</translation>
    </message>
    <message>
        <source>Tuning Coil Specifications</source>
        <translation>Parametry cewki strojenia</translation>
    </message>
    <message>
        <source>Click on this button to recalculate after making changes</source>
        <translation>Kliknij ten przycisk, aby przeliczyć po zmianach</translation>
    </message>
    <message>
        <source>Initial factor is 2. This divides the cylinder capacitance
by 2 to recalculate the coil size. That will also
recalculate the coil inductance.

Use a number that give the number of turns you
have used to make the system work. Then OK
to SAVE.</source>
        <translation>Współczynnik początkowy to 2. Dzieli on pojemność cylindra
przez 2, aby przeliczyć wymiary cewki. To przelicza
także indukcyjność cewki.

Użyj liczby, która daje liczbę zwojów, jaką
zastosowano, by układ zadziałał. Potem OK
i ZAPISZ.</translation>
    </message>
    <message>
        <source>Phasing Coil Specifications</source>
        <translation>Parametry cewki fazującej</translation>
    </message>
    <message>
        <source>General Help File</source>
        <translation>Ogólny plik pomocy</translation>
    </message>
    <message>
        <source>The various components that make up the YQ Star version are listed on the right for clarification of the terms used on the design page. You must refer to Brannoc&apos;s YQ Design Book (downloadable from the Forum) for a more complete understanding of the YQ Star.</source>
        <translation>Elementy składowe wersji YQ Star wymieniono po prawej, by objaśnić terminy użyte na stronie projektu. Pełniejsze zrozumienie YQ Star daje książka Brannoca „YQ Design Book” (do pobrania z Forum).</translation>
    </message>
    <message>
        <source>Overall length of antenna is calculated as Cylinder Length * 2, plus Cylinder Diameter * 2, plus the tuning coil length. The Source Coil is not included in the length.</source>
        <translation>Całkowita długość anteny to długość cylindra * 2 plus średnica cylindra * 2 plus długość cewki strojenia. Cewka zasilająca nie jest wliczana do długości.</translation>
    </message>
    <message>
        <source>Click to log onto the YQ Forum</source>
        <translation>Kliknij, aby zalogować się na Forum YQ</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>Części anteny YQ Star</translation>
    </message>
    <message>
        <source>   Measurement</source>
        <translation>   Pomiar</translation>
    </message>
    <message>
        <source>   Simulation</source>
        <translation>   Symulacja</translation>
    </message>
    <message>
        <source>The working copy %1 could not be written.|%2</source>
        <translation>Nie można zapisać kopii roboczej %1.|%2</translation>
    </message>
    <message>
        <source>No spreadsheet program could open %1.</source>
        <translation>Żaden arkusz kalkulacyjny nie mógł otworzyć %1.</translation>
    </message>
</context>
<context>
    <name>yq::FrequencyPlot</name>
    <message>
        <source>%1 against frequency</source>
        <translation>%1 od częstotliwości</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Częstotliwość (MHz)</translation>
    </message>
    <message>
        <source>Nothing to plot yet.</source>
        <translation>Brak danych do wykresu.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> pasmo</translation>
    </message>
</context>
<context>
    <name>yq::MainWindow</name>
    <message>
        <source>ZO Duravar Uravaro  Design Calculator V5.091 - YQ Antennas</source>
        <translation>ZO Duravar Uravaro  Kalkulator projektowy V5.091 - anteny YQ</translation>
    </message>
    <message>
        <source>Brannoc Quillet CEO  ZO Duravar Uravaro</source>
        <translation>Brannoc Quillet, prezes  ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>   Antenna Design</source>
        <translation>   Projekt anteny</translation>
    </message>
    <message>
        <source>   Imperial YQ Antenna</source>
        <translation>   Antena YQ calowa</translation>
    </message>
    <message>
        <source>   Metric YQ antenna</source>
        <translation>   Antena YQ metryczna</translation>
    </message>
    <message>
        <source>   Pictures</source>
        <translation>   Zdjęcia</translation>
    </message>
    <message>
        <source>    AboutThisProgram</source>
        <translation>    O programie</translation>
    </message>
    <message>
        <source>ZO Duravar Uravaro banner</source>
        <translation>Baner ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>A YQ antenna</source>
        <translation>Antena YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a van</source>
        <translation>Antena YQ na furgonetce</translation>
    </message>
    <message>
        <source>Portrait of Brannoc Quillet</source>
        <translation>Portret Brannoca Quilleta</translation>
    </message>
    <message>
        <source>   Users</source>
        <translation>   Użytkownicy</translation>
    </message>
</context>
<context>
    <name>yq::MeasurementTab</name>
    <message>
        <source>Open measurement...</source>
        <translation>Otwórz pomiar...</translation>
    </message>
    <message>
        <source>No measurement opened (Touchstone .s1p, .s2p, .ts or a VNA CSV)</source>
        <translation>Nie otwarto pomiaru (Touchstone .s1p, .s2p, .ts lub CSV z VNA)</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Nawinięte zw.:</translation>
    </message>
    <message>
        <source>Turns wound on the tuning coil</source>
        <translation>Zwoje nawinięte na cewce strojenia</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Set the Capacitance Factor whose design winds the turns shown, then ReCalc</source>
        <translation>Ustaw współczynnik pojemności, przy którym projekt ma pokazane zwoje, potem ReCalc</translation>
    </message>
    <message>
        <source>Findings and tuning</source>
        <translation>Wyniki i strojenie</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Open a measurement</source>
        <translation>Otwórz pomiar</translation>
    </message>
    <message>
        <source>Open measurement</source>
        <translation>Otwórz pomiar</translation>
    </message>
    <message>
        <source>Measurements (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;All files (*)</source>
        <translation>Pomiary (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>Pomiar %1 nie zawiera użytecznego skanu: %2</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>Nie wczytano: %1</translation>
    </message>
    <message>
        <source>The turns wound &quot;%1&quot; are not a number of turns above 0.</source>
        <translation>Nawinięte zwoje &quot;%1&quot; nie są liczbą zwojów większą od 0.</translation>
    </message>
    <message>
        <source>Apply FAC %1</source>
        <translation>Zastosuj FAC %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tuning coil: wind %1 turns (now %2) for resonance at %3&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Cewka strojenia: nawiń %1 zw. (teraz %2) dla rezonansu przy %3&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Open the sweep your analyser saved of the finished antenna (S11 at the feed). The tab finds its resonance and the turns for the design frequency.&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Otwórz skan gotowej anteny zapisany przez analizator (S11 w punkcie zasilania). Karta znajdzie jej rezonans i liczbę zwojów dla częstotliwości projektowej.&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>SWR (%1 ohm)</source>
        <translation>WFS (%1 ohm)</translation>
    </message>
    <message>
        <source>design %1 MHz</source>
        <translation>projekt %1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>NEC-2 model of this design over the same range: running...</source>
        <translation>Model NEC-2 tego projektu w tym samym zakresie: obliczanie...</translation>
    </message>
    <message>
        <source>No NEC-2 model beside the measurement: %1</source>
        <translation>Brak modelu NEC-2 obok pomiaru: %1</translation>
    </message>
    <message>
        <source>NEC-2 model (dashed): this design with the tuning coil of %1 turns, over the measured range. %2</source>
        <translation>Model NEC-2 (kreskowany): ten projekt z cewką strojenia o %1 zw., w zmierzonym zakresie. %2</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>zmierzone</translation>
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
        <translation>Zdjęcia anten YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a house roof at dusk</source>
        <translation>Antena YQ na dachu domu o zmierzchu</translation>
    </message>
    <message>
        <source>A YQ antenna on a tripod at the beach</source>
        <translation>Antena YQ na statywie na plaży</translation>
    </message>
    <message>
        <source>Building a YQ antenna on the workbench</source>
        <translation>Budowa anteny YQ na stole warsztatowym</translation>
    </message>
    <message>
        <source>A YQ antenna tested with an antenna analyser</source>
        <translation>Antena YQ badana analizatorem antenowym</translation>
    </message>
    <message>
        <source>A YQ antenna on a balcony</source>
        <translation>Antena YQ na balkonie</translation>
    </message>
    <message>
        <source>A portable YQ antenna in the mountains</source>
        <translation>Przenośna antena YQ w górach</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna</source>
        <translation>Części anteny YQ</translation>
    </message>
    <message>
        <source>A YQ antenna by a house on a winter night</source>
        <translation>Antena YQ przy domu w zimową noc</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
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
        <translation>Elewacja (°)	Zysk (dBi)
</translation>
    </message>
    <message>
        <source>No pattern yet.</source>
        <translation>Brak diagramu.</translation>
    </message>
    <message>
        <source>%1 dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Largest gain %1 dBi; centre %2 dBi</source>
        <translation>Największy zysk %1 dBi; środek %2 dBi</translation>
    </message>
</context>
<context>
    <name>yq::ProgressWindow</name>
    <message>
        <source>Process...</source>
        <translation>Przetwarzaj...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>yq::SendMailWindow</name>
    <message>
        <source>Send email</source>
        <translation>Wyślij e-mail</translation>
    </message>
    <message>
        <source>Opening the mail in your mail program...</source>
        <translation>Otwieranie wiadomości w programie pocztowym...</translation>
    </message>
</context>
<context>
    <name>yq::SimulationTab</name>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>The simulation runs when this tab is in front after a ReCalc.</source>
        <translation>Symulacja rusza, gdy ta karta jest na wierzchu po ReCalc.</translation>
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
        <translation>standardowy</translation>
    </message>
    <message>
        <source>detailed</source>
        <translation>szczegółowy</translation>
    </message>
    <message>
        <source>standard: thick wires and lumped coils, a fraction of a second; detailed: wire-grid cages and helical coils, some seconds, fewer figures</source>
        <translation>standardowy: grube druty i cewki skupione, ułamek sekundy; szczegółowy: klatki z siatki drutów i cewki spiralne, kilka sekund, mniej wyników</translation>
    </message>
    <message>
        <source>Simulation progress</source>
        <translation>Postęp symulacji</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Simulate again</source>
        <translation>Symuluj ponownie</translation>
    </message>
    <message>
        <source>Export NEC deck...</source>
        <translation>Eksportuj plik NEC...</translation>
    </message>
    <message>
        <source>Save sweep...</source>
        <translation>Zapisz skan...</translation>
    </message>
    <message>
        <source>The calculator&apos;s figures beside the NEC-2 model&apos;s</source>
        <translation>Wyniki kalkulatora obok wyników modelu NEC-2</translation>
    </message>
    <message>
        <source>Frequencies plotted</source>
        <translation>Częstotliwości wykresu</translation>
    </message>
    <message>
        <source>Whole sweep, 0.4 F to 2.5 F</source>
        <translation>Cały skan, 0.4 F do 2.5 F</translation>
    </message>
    <message>
        <source>Around the resonance with the calculated coil</source>
        <translation>Wokół rezonansu z obliczoną cewką</translation>
    </message>
    <message>
        <source>Around F with the coil for F</source>
        <translation>Wokół F z cewką dla F</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>SWR on 50 ohm</source>
        <translation>WFS przy 50 ohm</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Simulating the design in NEC-2...</source>
        <translation>Symulacja projektu w NEC-2...</translation>
    </message>
    <message>
        <source>NEC-2 %1 model: %2 runs of nec2c in %3 s.</source>
        <translation>Model NEC-2 %1: %2 uruchomień nec2c w %3 s.</translation>
    </message>
    <message>
        <source>&lt;br&gt;NEC-2 rule not kept: %1</source>
        <translation>&lt;br&gt;Nie spełniono reguły NEC-2: %1</translation>
    </message>
    <message>
        <source>Every deck keeps NEC-2&apos;s rules of thumb.</source>
        <translation>Każdy plik spełnia praktyczne reguły NEC-2.</translation>
    </message>
    <message>
        <source>F = %1 MHz</source>
        <translation>F = %1 MHz</translation>
    </message>
    <message>
        <source>Elevation pattern at %1 MHz, %2, axis upright</source>
        <translation>Diagram w płaszczyźnie pionowej przy %1 MHz, %2, oś pionowo</translation>
    </message>
    <message>
        <source>coil for F</source>
        <translation>cewka dla F</translation>
    </message>
    <message>
        <source>calculated coil</source>
        <translation>obliczona cewka</translation>
    </message>
    <message>
        <source>No resonance, no pattern.</source>
        <translation>Brak rezonansu i diagramu.</translation>
    </message>
    <message>
        <source>NEC decks (*.nec)</source>
        <translation>Pliki NEC (*.nec)</translation>
    </message>
    <message>
        <source>The NEC deck could not be saved as %1.|%2</source>
        <translation>Nie można zapisać pliku NEC jako %1.|%2</translation>
    </message>
    <message>
        <source>NEC deck saved to %1.</source>
        <translation>Plik NEC zapisano do %1.</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Touchstone (*.s1p)</source>
        <translation>CSV (*.csv);;Touchstone (*.s1p)</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>Nie można zapisać skanu jako %1.|%2</translation>
    </message>
    <message>
        <source>Sweep saved to %1.</source>
        <translation>Skan zapisano do %1.</translation>
    </message>
</context>
<context>
    <name>yq::SmithChart</name>
    <message>
        <source>Smith chart</source>
        <translation>Wykres Smitha</translation>
    </message>
    <message>
        <source>Series	Frequency (MHz)	R (ohm)	X (ohm)	Reflection (re)	Reflection (im)
</source>
        <translation>Seria	Częstotliwość (MHz)	R (ohm)	X (ohm)	Odbicie (re)	Odbicie (im)
</translation>
    </message>
    <message>
        <source>Copy points</source>
        <translation>Kopiuj punkty</translation>
    </message>
    <message>
        <source>Smith chart, %1 ohm</source>
        <translation>Wykres Smitha, %1 ohm</translation>
    </message>
</context>
<context>
    <name>yq::SweepPlot</name>
    <message>
        <source>Sweep plot</source>
        <translation>Wykres skanu</translation>
    </message>
    <message>
        <source>Choose an input and its range, then Sweep.</source>
        <translation>Wybierz wejście i jego zakres, potem Skanuj.</translation>
    </message>
    <message>
        <source>Tick at least one output to plot.</source>
        <translation>Zaznacz wyjście do wykresu.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> pasmo</translation>
    </message>
    <message>
        <source>      dashed line: this design, %1</source>
        <translation>      linia kreskowana: ten projekt, %1</translation>
    </message>
</context>
<context>
    <name>yq::UserForm</name>
    <message>
        <source>Record Will Be Added</source>
        <translation>Rekord zostanie dodany</translation>
    </message>
    <message>
        <source>Record Will Be Changed</source>
        <translation>Rekord zostanie zmieniony</translation>
    </message>
    <message>
        <source>View Record</source>
        <translation>Podgląd rekordu</translation>
    </message>
    <message>
        <source>&amp;Name &amp;&amp; Call:</source>
        <translation>&amp;Imię &amp;&amp; znak:</translation>
    </message>
    <message>
        <source>Name &amp; Call</source>
        <translation>Imię &amp; znak</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Update the yq1 File</source>
        <translation>Aktualizuj plik yq1</translation>
    </message>
    <message>
        <source>Enter in your Name and Call</source>
        <translation>Wpisz swoje imię i znak wywoławczy</translation>
    </message>
</context>
<context>
    <name>yq::UserListWindow</name>
    <message>
        <source>User</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Użytkownicy</translation>
    </message>
    <message>
        <source>Browsing Records</source>
        <translation>Przeglądanie rekordów</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Wybierz</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Zmień</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Browse the User File</source>
        <translation>Przeglądaj plik użytk.</translation>
    </message>
</context>
</TS>
