<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BuildSheet</name>
    <message>
        <source>No scale: the design has no dimensions yet</source>
        <translation>Sin escala: el diseño aún no tiene dimensiones</translation>
    </message>
    <message>
        <source>Scale 1 : %1</source>
        <translation>Escala 1 : %1</translation>
    </message>
    <message>
        <source>Scale %1 : 1</source>
        <translation>Escala %1 : 1</translation>
    </message>
    <message>
        <source>YQ Antenna Build Sheet</source>
        <translation>Hoja de construcción antena YQ</translation>
    </message>
    <message>
        <source>Designed for %1 MHz</source>
        <translation>Diseñada para %1 MHz</translation>
    </message>
    <message>
        <source>All linear measurements are in mm</source>
        <translation>Todas las medidas lineales están en mm</translation>
    </message>
    <message>
        <source>All linear measurements are in inches</source>
        <translation>Todas las medidas lineales están en pulgadas</translation>
    </message>
    <message>
        <source>Design: %1</source>
        <translation>Diseño: %1</translation>
    </message>
    <message>
        <source>Upper cylinder %1</source>
        <translation>Cilindro superior %1</translation>
    </message>
    <message>
        <source>Cylinder spacing %1</source>
        <translation>Separación cilindros %1</translation>
    </message>
    <message>
        <source>Lower cylinder %1</source>
        <translation>Cilindro inferior %1</translation>
    </message>
    <message>
        <source>Spacing to coil %1</source>
        <translation>Separación a bobina %1</translation>
    </message>
    <message>
        <source>Tuning coil %1</source>
        <translation>Bobina de sintonía %1</translation>
    </message>
    <message>
        <source>Source coil %1</source>
        <translation>Bobina fuente %1</translation>
    </message>
    <message>
        <source>Overall %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>source coil not included</source>
        <translation>bobina fuente no incluida</translation>
    </message>
    <message>
        <source>Cylinder %1 dia.</source>
        <translation>Cilindro diám. %1</translation>
    </message>
    <message>
        <source>Phasing coil %1 dia.</source>
        <translation>Bobina de fase diám. %1</translation>
    </message>
    <message>
        <source>PCNT %1 turns, LPW %2 %3 of wire</source>
        <translation>PCNT %1 espiras, LPW %2 %3 de hilo</translation>
    </message>
    <message>
        <source>(coil and leads; wound length open)</source>
        <translation>(bobina y terminales; longitud bobinada libre)</translation>
    </message>
    <message>
        <source>Tuning coil %1 dia.</source>
        <translation>Bobina de sintonía diám. %1</translation>
    </message>
    <message>
        <source>NT %1 turns at SP %2 %3</source>
        <translation>NT %1 espiras con SP %2 %3</translation>
    </message>
    <message>
        <source>Source coil %1 dia.</source>
        <translation>Bobina fuente diám. %1</translation>
    </message>
    <message>
        <source>SCT %1 turns, at the feed</source>
        <translation>SCT %1 espiras, en la alim.</translation>
    </message>
    <message>
        <source>cylinder length</source>
        <translation>longitud del cilindro</translation>
    </message>
    <message>
        <source>cylinder spacing</source>
        <translation>separación de cilindros</translation>
    </message>
    <message>
        <source>spacing to the tuning coil</source>
        <translation>separación a la bobina de sintonía</translation>
    </message>
    <message>
        <source>tuning coil length</source>
        <translation>long. bobina de sintonía</translation>
    </message>
    <message>
        <source>source coil length</source>
        <translation>longitud bobina fuente</translation>
    </message>
    <message>
        <source>cylinder diameter</source>
        <translation>diámetro del cilindro</translation>
    </message>
    <message>
        <source>phasing coil diameter</source>
        <translation>diámetro bobina de fase</translation>
    </message>
    <message>
        <source>tuning coil diameter</source>
        <translation>diámetro bobina de sintonía</translation>
    </message>
    <message>
        <source>source coil diameter</source>
        <translation>diámetro bobina fuente</translation>
    </message>
    <message>
        <source>Feed</source>
        <translation>Alim.</translation>
    </message>
    <message>
        <source>The design has no dimensions yet: calculate it before building.</source>
        <translation>El diseño aún no tiene dimensiones: calcúlelo antes de construir.</translation>
    </message>
    <message>
        <source>Not to scale, drawn larger so as to be seen: %1.</source>
        <translation>No a escala, dibujado mayor para que se vea: %1.</translation>
    </message>
    <message>
        <source>Dashed: the tuning coil&apos;s wires inside the lower cylinder. The wire from the top of the tuning coil runs up the centre of the lower cylinder, the wire from its bottom up the inside edge.</source>
        <translation>A trazos: los hilos de la bobina de sintonía dentro del cilindro inferior. El hilo del extremo superior de la bobina de sintonía sube por el centro del cilindro inferior, el de su extremo inferior por el borde interior.</translation>
    </message>
    <message>
        <source>Not set by the design: the phasing coil&apos;s wound length (it sits in the cylinder spacing) and the source coil&apos;s place at the feed; LPW is the whole phasing wire. Windings are drawn as strokes, at most one per 0.02 in of coil: the labels give the turns.</source>
        <translation>No fijados por el diseño: la longitud bobinada de la bobina de fase (va en la separación de los cilindros) y la posición de la bobina fuente en el punto de alimentación; LPW es todo el hilo de fase. Los devanados se dibujan como trazos, como mucho uno cada 0.02 in de bobina: las etiquetas dan las espiras.</translation>
    </message>
    <message>
        <source>Cut list</source>
        <translation>Lista de corte</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Cilindros</translation>
    </message>
    <message>
        <source>Non-ferrous tube, outside diameter %1</source>
        <translation>Tubo no férrico, diámetro exterior %1</translation>
    </message>
    <message>
        <source>%1 each</source>
        <translation>%1 cada uno</translation>
    </message>
    <message>
        <source>Tuning coil wire</source>
        <translation>Hilo bobina de sintonía</translation>
    </message>
    <message>
        <source>Wire %1, NT %2 turns at SP %3 %4</source>
        <translation>Hilo %1, NT %2 espiras con SP %3 %4</translation>
    </message>
    <message>
        <source>on a former of %1, wound length %2</source>
        <translation>sobre un soporte de %1, longitud bobinada %2</translation>
    </message>
    <message>
        <source>Phasing wire</source>
        <translation>Hilo de fase</translation>
    </message>
    <message>
        <source>Wire %1, coil of PCNT %2 turns</source>
        <translation>Hilo %1, bobina de PCNT %2 espiras</translation>
    </message>
    <message>
        <source>on a former of %1, in the cylinder spacing</source>
        <translation>sobre un soporte de %1, en la separación de cilindros</translation>
    </message>
    <message>
        <source>Source coil wire</source>
        <translation>Hilo bobina fuente</translation>
    </message>
    <message>
        <source>Wire %1, SCT %2 turns close wound</source>
        <translation>Hilo %1, SCT %2 espiras juntas</translation>
    </message>
    <message>
        <source>Total wire</source>
        <translation>Hilo total</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Pieza</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Cant.</translation>
    </message>
    <message>
        <source>Material and size</source>
        <translation>Material y medida</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Nearest wire gauges</source>
        <translation>Calibres de hilo más cercanos</translation>
    </message>
    <message>
        <source>WD (all coils)</source>
        <translation>WD (todas bobinas)</translation>
    </message>
    <message>
        <source>SCWD (source coil)</source>
        <translation>SCWD (bobina fuente)</translation>
    </message>
    <message>
        <source>Wire</source>
        <translation>Hilo</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Nearest AWG</source>
        <translation>AWG más cercano</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Nearest SWG</source>
        <translation>SWG más cercano</translation>
    </message>
    <message>
        <source>No wire diameter</source>
        <translation>Sin diámetro de hilo</translation>
    </message>
    <message>
        <source>Print build sheet from queue</source>
        <translation>Imprimir hoja desde la cola</translation>
    </message>
</context>
<context>
    <name>CalcHelp</name>
    <message>
        <source>compute a design: start from a fresh design (every field 0) or --file, store each KEY=VALUE (exact decimal text, rounded half away from zero to the field&apos;s places), run the calculation and print every key</source>
        <translation>calcula un diseño: parte de un diseño nuevo (todos los campos a 0) o de --file, guarda cada CLAVE=VALOR (texto decimal exacto, redondeado alejándose de cero a los decimales del campo), ejecuta el cálculo e imprime cada clave</translation>
    </message>
    <message>
        <source>one case per line on standard input, one output line (or &quot;error&quot;) per case</source>
        <translation>un caso por línea en la entrada estándar, una línea de salida (o &quot;error&quot;) por caso</translation>
    </message>
    <message>
        <source>SAVE in the current folder: write the design file named from F, CD and LD, append its row to YQ.csv, print the design file&apos;s path</source>
        <translation>GUARDAR en la carpeta actual: escribe el archivo de diseño con el nombre formado por F, CD y LD, añade su fila a YQ.csv e imprime la ruta del archivo de diseño</translation>
    </message>
    <message>
        <source>list the user records of the current folder (the first is printed on reports and written into YQ.csv), add one, or delete one</source>
        <translation>lista los registros de usuario de la carpeta actual (el primero se imprime en los informes y se escribe en YQ.csv), añade uno o borra uno</translation>
    </message>
    <message>
        <source>the design report of a design file: as a PDF, or exported as in the e-mail command (Report.RTF, its HTML page and the mail&apos;s draft in VH/ of the current folder, their paths printed)</source>
        <translation>el informe de diseño de un archivo de diseño: como PDF, o exportado como en la orden de correo (Report.RTF, su página HTML y el borrador del mensaje en VH/ de la carpeta actual, con sus rutas impresas)</translation>
    </message>
    <message>
        <source>the build sheet of a design file (the dimensioned drawing and the cut list), calculated as the design window of its unit system does, as one or more of PDF, SVG and PNG</source>
        <translation>la hoja de construcción de un archivo de diseño (el dibujo acotado y la lista de corte), calculada como lo hace la ventana de diseño de su sistema de unidades, en uno o varios de PDF, SVG y PNG</translation>
    </message>
    <message>
        <source>fit the capacitance factor FAC to the tuning coil&apos;s turns NT, or the degrees of phase DPS to the source coil&apos;s turns SCT, of a built antenna (exit status 3 when no value comes within half a turn; the nearest is printed)</source>
        <translation>ajusta el factor de capacidad FAC a las espiras NT de la bobina de sintonía, o los grados de fase DPS a las espiras SCT de la bobina fuente, de una antena construida (estado de salida 3 si ningún valor queda a menos de media espira; se imprime el más cercano)</translation>
    </message>
    <message>
        <source>read an analyser&apos;s sweep of the built antenna (Touchstone .s1p, .s2p, .ts or a VNA program&apos;s CSV), find its series resonance, least SWR and 2:1 SWR bandwidth, and give the tuning coil&apos;s turns for the design frequency with the capacitance factor that fits them (exit status 2 for a bad or damaged file, 3 when it holds no usable sweep)</source>
        <translation>lee el barrido de la antena construida hecho con un analizador (Touchstone .s1p, .s2p, .ts o el CSV de un programa de VNA), encuentra su resonancia serie, la ROE mínima y el ancho de banda a ROE 2:1, y da las espiras de la bobina de sintonía para la frecuencia de diseño con el factor de capacidad que las da (estado de salida 2 para un archivo erróneo o dañado, 3 si no contiene ningún barrido utilizable)</translation>
    </message>
    <message>
        <source>compute the design for each value of one input over a range, one CSV row per value</source>
        <translation>calcula el diseño para cada valor de una entrada en un rango, una fila CSV por valor</translation>
    </message>
    <message>
        <source>convert a design file between inches and millimetres and save it under the other unit system&apos;s name in the current folder</source>
        <translation>convierte un archivo de diseño entre pulgadas y milímetros y lo guarda con el nombre del otro sistema de unidades en la carpeta actual</translation>
    </message>
    <message>
        <source>simulate the design in NEC-2 (runs nec2c) and print the calculator&apos;s figures beside the model&apos;s: the series resonance, the coil the model needs at F, the impedance, Q, bandwidths, SWR, efficiency and gain; csv and s1p print the sweep (Touchstone S11 against 50 ohm); exit status 1 when nec2c is missing or fails</source>
        <translation>simula el diseño en NEC-2 (ejecuta nec2c) e imprime los valores de la calculadora junto a los del modelo: la resonancia serie, la bobina que necesita el modelo en F, la impedancia, Q, anchos de banda, ROE, eficiencia y ganancia; csv y s1p imprimen el barrido (Touchstone S11 respecto a 50 ohm); estado de salida 1 si falta nec2c o falla</translation>
    </message>
    <message>
        <source>yq-calc --batch [--format FORMAT]</source>
        <translation>yq-calc --batch [--format FORMATO]</translation>
    </message>
    <message>
        <source>Computes YQ antenna designs with the calculation of the design windows, without the windows: one design from the command line, many from standard input, and the windows&apos; SAVE, user list, report, build sheet and design tools.</source>
        <translation>Calcula diseños de antena YQ con el cálculo de las ventanas de diseño, sin las ventanas: un diseño desde la línea de órdenes, muchos desde la entrada estándar, y el GUARDAR, la lista de usuarios, el informe, la hoja de construcción y las herramientas de diseño de las ventanas.</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Órdenes</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>the design is in millimetres (the Metric design window)</source>
        <translation>el diseño está en milímetros (la ventana de diseño métrica)</translation>
    </message>
    <message>
        <source>start from a design file, read as a design window reads it (a warning when its unit system is the other one)</source>
        <translation>parte de un archivo de diseño, leído como lo lee una ventana de diseño (con un aviso si su sistema de unidades es el otro)</translation>
    </message>
    <message>
        <source>run the full calculation N times (default 1; 0 only stores the values)</source>
        <translation>ejecuta el cálculo completo N veces (por defecto 1; 0 solo guarda los valores)</translation>
    </message>
    <message>
        <source>run only the named partial recalculation of a window field instead of the full one: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</source>
        <translation>ejecuta solo el recálculo parcial indicado de un campo de la ventana en vez del completo: cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, turns-from-inductance, coil-from-turns, phasing-coil-turns</translation>
    </message>
    <message>
        <source>how the design is printed: line (the default: every key as KEY=value on one line), table (one quantity a line with the window&apos;s label, its value in the window&apos;s picture and its unit, in the window&apos;s order), json (an object of every key with its exact decimal text as a string) or csv (the title row and the row of the results table YQ.csv)</source>
        <translation>cómo se imprime el diseño: line (por defecto: cada clave como CLAVE=valor en una línea), table (una magnitud por línea con la etiqueta de la ventana, su valor con el formato de la ventana y su unidad, en el orden de la ventana), json (un objeto con cada clave y su texto decimal exacto como cadena) o csv (la fila de títulos y la fila de la tabla de resultados YQ.csv)</translation>
    </message>
    <message>
        <source>the language of the help and the messages: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>el idioma de la ayuda y de los mensajes: en, de, ja, ru, it, es, pl, pt_BR, fr, cs o nl (por defecto: el del escritorio, según LANGUAGE, LC_ALL, LC_MESSAGES o LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>muestra esta ayuda y sale</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>muestra la versión y sale</translation>
    </message>
    <message>
        <source>Report options</source>
        <translation>Opciones de report</translation>
    </message>
    <message>
        <source>write the report as a PDF file</source>
        <translation>escribe el informe como archivo PDF</translation>
    </message>
    <message>
        <source>write Report.RTF, the HTML page and the mail&apos;s draft into VH/</source>
        <translation>escribe Report.RTF, la página HTML y el borrador del mensaje en VH/</translation>
    </message>
    <message>
        <source>the print date on the report (default today)</source>
        <translation>la fecha de impresión del informe (por defecto hoy)</translation>
    </message>
    <message>
        <source>Simulate options</source>
        <translation>Opciones de simulate</translation>
    </message>
    <message>
        <source>the NEC-2 model: standard (thick wires for the cylinders, lumped coils)</source>
        <translation>el modelo NEC-2: standard (hilos gruesos para los cilindros, bobinas concentradas)</translation>
    </message>
    <message>
        <source>the detailed model (wire-grid cages, helical coils, the leads; some seconds, progress on a terminal&apos;s standard error, Ctrl+C stops it): only the resonance, radiation resistance, gain and efficiency</source>
        <translation>el modelo detallado (jaulas de rejilla de hilos, bobinas helicoidales, los terminales; unos segundos, progreso en la salida de error estándar de un terminal, Ctrl+C lo detiene): solo la resonancia, la resistencia de radiación, la ganancia y la eficiencia</translation>
    </message>
    <message>
        <source>table (the default), json, csv (the sweep) or s1p (the sweep as Touchstone)</source>
        <translation>table (por defecto), json, csv (el barrido) o s1p (el barrido como Touchstone)</translation>
    </message>
    <message>
        <source>also write the model&apos;s NEC deck, which NEC-2 programs open</source>
        <translation>escribe también el deck NEC del modelo, que abren los programas NEC-2</translation>
    </message>
    <message>
        <source>Build sheet options</source>
        <translation>Opciones de build-sheet</translation>
    </message>
    <message>
        <source>write the build sheet as a PDF file</source>
        <translation>escribe la hoja de construcción como archivo PDF</translation>
    </message>
    <message>
        <source>write it as an SVG drawing</source>
        <translation>la escribe como dibujo SVG</translation>
    </message>
    <message>
        <source>write it as a PNG picture</source>
        <translation>la escribe como imagen PNG</translation>
    </message>
    <message>
        <source>Exit status:
  0   success
  1   a file could not be read or written; in --batch, a line could not be
      computed (it prints &quot;error&quot;, the other lines are computed)
  2   bad input (unknown key or option, a value that is no decimal number);
      the message names it on standard error</source>
        <translation>Estado de salida:
  0   éxito
  1   no se pudo leer o escribir un archivo; en --batch, no se pudo calcular
      una línea (imprime &quot;error&quot;, las demás líneas se calculan)
  2   entrada errónea (clave u opción desconocida, un valor que no es un número decimal);
      el mensaje lo indica en la salida de error estándar</translation>
    </message>
</context>
<context>
    <name>CalcMessages</name>
    <message>
        <source>build-sheet needs --pdf, --svg or --png</source>
        <translation>build-sheet necesita --pdf, --svg o --png</translation>
    </message>
    <message>
        <source>design file not found: %1</source>
        <translation>archivo de diseño no encontrado: %1</translation>
    </message>
    <message>
        <source>the design file %1</source>
        <translation>el archivo de diseño %1</translation>
    </message>
    <message>
        <source>the build sheet needs a GUI application object</source>
        <translation>la hoja de construcción necesita un objeto de aplicación GUI</translation>
    </message>
    <message>
        <source>usage: %1</source>
        <translation>uso: %1</translation>
    </message>
    <message>
        <source>invalid run count &apos;%1&apos;</source>
        <translation>número de ejecuciones no válido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1...&apos; (%2 characters)</source>
        <translation>&apos;%1...&apos; (%2 caracteres)</translation>
    </message>
    <message>
        <source>value of %1 is not a decimal number: %2</source>
        <translation>el valor de %1 no es un número decimal: %2</translation>
    </message>
    <message>
        <source>value of %1 is too large for any field (more than %2 digits before the point): %3</source>
        <translation>el valor de %1 es demasiado grande para cualquier campo (más de %2 cifras antes del punto): %3</translation>
    </message>
    <message>
        <source>expected KEY=VALUE, got &apos;%1&apos;</source>
        <translation>se esperaba CLAVE=VALOR, se obtuvo &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos;</source>
        <translation>clave desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>la opción &apos;%1&apos; necesita un valor</translation>
    </message>
    <message>
        <source>option &apos;--file&apos; needs a path</source>
        <translation>la opción &apos;--file&apos; necesita una ruta</translation>
    </message>
    <message>
        <source>unknown partial recalculation &apos;%1&apos;</source>
        <translation>recálculo parcial desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a folder, not a design file</source>
        <translation>&apos;%1&apos; es una carpeta, no un archivo de diseño</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; not found</source>
        <translation>archivo de diseño &apos;%1&apos; no encontrado</translation>
    </message>
    <message>
        <source>&apos;--batch&apos; takes no other arguments</source>
        <translation>&apos;--batch&apos; no admite otros argumentos</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>value of %1 does not fit its field: %2 (%1 holds -%3 to %3)</source>
        <translation>el valor de %1 no cabe en su campo: %2 (%1 admite de -%3 a %3)</translation>
    </message>
    <message>
        <source>the design file&apos;s value of %1 does not fit its field and was cut to what the field holds</source>
        <translation>el valor de %1 del archivo de diseño no cabe en su campo y fue recortado a lo que admite el campo</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>the design file&apos;s values of %1 do not fit their fields and were cut to what the field holds</source>
        <translation>los valores de %1 del archivo de diseño no caben en sus campos y fueron recortados a lo que admite el campo</translation>
    </message>
    <message>
        <source>&apos;save&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;save&apos; no admite &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>the design file %1 could not be written: %2</source>
        <translation>no se pudo escribir el archivo de diseño %1: %2</translation>
    </message>
    <message>
        <source>the results row could not be written: %1</source>
        <translation>no se pudo escribir la fila de resultados: %1</translation>
    </message>
    <message>
        <source>no user record &apos;%1&apos;</source>
        <translation>no hay registro de usuario &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--format&apos; needs a value</source>
        <translation>la opción &apos;--format&apos; necesita un valor</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (line, table, json or csv)</source>
        <translation>formato desconocido &apos;%1&apos; (line, table, json o csv)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a design file</source>
        <translation>%1 necesita un archivo de diseño</translation>
    </message>
    <message>
        <source>invalid date &apos;%1&apos; (expected YYYY-MM-DD)</source>
        <translation>fecha no válida &apos;%1&apos; (se esperaba AAAA-MM-DD)</translation>
    </message>
    <message>
        <source>report needs --pdf OUT.pdf or --export</source>
        <translation>report necesita --pdf OUT.pdf o --export</translation>
    </message>
    <message>
        <source>the report needs a GUI application object</source>
        <translation>el informe necesita un objeto de aplicación GUI</translation>
    </message>
    <message>
        <source>&apos;--model&apos; needs standard or detailed</source>
        <translation>&apos;--model&apos; necesita standard o detailed</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table, json, csv or s1p</source>
        <translation>&apos;--format&apos; necesita table, json, csv o s1p</translation>
    </message>
    <message>
        <source>&apos;--deck&apos; needs a file name</source>
        <translation>&apos;--deck&apos; necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;simulate&apos; admite un solo archivo de diseño, se obtuvo también &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;simulate&apos; needs a design file</source>
        <translation>&apos;simulate&apos; necesita un archivo de diseño</translation>
    </message>
    <message>
        <source>unknown model &apos;%1&apos;</source>
        <translation>modelo desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;</source>
        <translation>formato desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>detailed model, %1 % done</source>
        <translation>modelo detallado, %1 % hecho</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--partial&apos;</source>
        <translation>&apos;%1&apos; no admite &apos;--partial&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no &apos;--runs&apos;</source>
        <translation>&apos;%1&apos; no admite &apos;--runs&apos;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; needs NT=&lt;turns&gt; or SCT=&lt;turns&gt;</source>
        <translation>&apos;fit&apos; necesita NT=&lt;espiras&gt; o SCT=&lt;espiras&gt;</translation>
    </message>
    <message>
        <source>&apos;fit&apos; takes one target, got &apos;%1&apos; as well</source>
        <translation>&apos;fit&apos; admite un solo objetivo, se obtuvo también &apos;%1&apos;</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not a decimal number</source>
        <translation>las espiras &apos;%1&apos; en &apos;%2&apos; no son un número decimal</translation>
    </message>
    <message>
        <source>turns &apos;%1&apos; in &apos;%2&apos; are not above 0</source>
        <translation>las espiras &apos;%1&apos; en &apos;%2&apos; no son mayores que 0</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is what the fit finds; leave it out</source>
        <translation>&apos;%1&apos; es lo que busca el ajuste; omítalo</translation>
    </message>
    <message>
        <source>no %1 from %2 to %3 gives %4 within half a turn of %5; the nearest, %1=%6, gives %4=%7</source>
        <translation>ningún %1 de %2 a %3 da %4 a menos de media espira de %5; el más cercano, %1=%6, da %4=%7</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; needs KEY=FROM:TO:STEP</source>
        <translation>&apos;sweep&apos; necesita CLAVE=DESDE:HASTA:PASO</translation>
    </message>
    <message>
        <source>&apos;sweep&apos; varies one input, got &apos;%1&apos; as well</source>
        <translation>&apos;sweep&apos; varía una sola entrada, se obtuvo también &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--to&apos; needs &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>la opción &apos;--to&apos; necesita &apos;metric&apos; o &apos;imperial&apos;</translation>
    </message>
    <message>
        <source>&apos;--to %1&apos;: expected &apos;metric&apos; or &apos;imperial&apos;</source>
        <translation>&apos;--to %1&apos;: se esperaba &apos;metric&apos; o &apos;imperial&apos;</translation>
    </message>
    <message>
        <source>&apos;convert&apos; takes one design file, got &apos;%1&apos; as well</source>
        <translation>&apos;convert&apos; admite un solo archivo de diseño, se obtuvo también &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs a design file</source>
        <translation>&apos;convert&apos; necesita un archivo de diseño</translation>
    </message>
    <message>
        <source>&apos;convert&apos; needs &apos;--to metric&apos; or &apos;--to imperial&apos;</source>
        <translation>&apos;convert&apos; necesita &apos;--to metric&apos; o &apos;--to imperial&apos;</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; declares the unit system %2, neither Imperial (0) nor Metric (1)</source>
        <translation>el archivo de diseño &apos;%1&apos; declara el sistema de unidades %2, ni en pulgadas (0) ni métrico (1)</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already a Metric design</source>
        <translation>el archivo de diseño &apos;%1&apos; ya es un diseño métrico</translation>
    </message>
    <message>
        <source>design file &apos;%1&apos; is already an Imperial design</source>
        <translation>el archivo de diseño &apos;%1&apos; ya es un diseño en pulgadas</translation>
    </message>
    <message>
        <source>&apos;--format&apos; needs table or json</source>
        <translation>&apos;--format&apos; necesita table o json</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs the turns wound</source>
        <translation>&apos;--wound&apos; necesita las espiras bobinadas</translation>
    </message>
    <message>
        <source>&apos;--wound&apos; needs a number of turns above 0, got &apos;%1&apos;</source>
        <translation>&apos;--wound&apos; necesita un número de espiras mayor que 0, se obtuvo &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;tune&apos; needs a design file and a measurement</source>
        <translation>&apos;tune&apos; necesita un archivo de diseño y una medida</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>La medida %1 no contiene ningún barrido utilizable: %2</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>no se puede ejecutar %1: %2</translation>
    </message>
    <message>
        <source>the page commands need %1, which is not installed (looked for %2 and %3)</source>
        <translation>las órdenes de página necesitan %1, que no está instalado (se buscó %2 y %3)</translation>
    </message>
</context>
<context>
    <name>DesignFields</name>
    <message>
        <source>Enter the Centre Frequency in Megahertz. 
Maximum of 3 decimal points.</source>
        <translation>Introduzca la frecuencia central en megahercios. 
Máximo 3 decimales.</translation>
    </message>
    <message>
        <source>Enter the outside diameter of the cylinder in inches</source>
        <translation>Introduzca el diámetro exterior del cilindro en pulgadas</translation>
    </message>
    <message>
        <source>The L/D Ratio and the Diameter are used to
calculate the primary Capacitance in pfd, the
reactance in Ohms, the 3db bandwidth and the
&apos;Q&apos; of the antenna.</source>
        <translation>La relación L/D y el diámetro se usan para
calcular la capacidad primaria en pF, la
reactancia en ohmios, el ancho de banda a 3 dB y el
&apos;Q&apos; de la antena.</translation>
    </message>
    <message>
        <source>Measured bandwidth in kHz is the 2:1 VSWR
reading either side of the minimum VSWR.</source>
        <translation>El ancho de banda medido en kHz es la lectura de ROE 2:1
a cada lado de la ROE mínima.</translation>
    </message>
    <message>
        <source>An option to calculate the source Coil Inductance
based on the amount of phase shift. Initial setting
is 6 degrees similar to the Phase Coil. When you 
have your antenna working, enter in a value to
generate the completed number of turns in the 
source Coil.</source>
        <translation>Opción para calcular la inductancia de la bobina fuente
según el desfase. El valor inicial
es 6 grados, como en la bobina de fase. Cuando 
su antena funcione, introduzca un valor para
obtener el número final de espiras de la 
bobina fuente.</translation>
    </message>
    <message>
        <source>Normally the same diameter as the Tuning Coil. 
However, you may vary to suit.</source>
        <translation>Normalmente del mismo diámetro que la bobina de sintonía. 
Pero puede variarlo a su gusto.</translation>
    </message>
    <message>
        <source>Close wound coils are usually spaced the same
diameter as the wire diameter.</source>
        <translation>En las bobinas de espiras juntas el paso suele ser
igual al diámetro del hilo.</translation>
    </message>
    <message>
        <source>Factor divided the ratio of Cylinder length to coil length
by 2 then applies the factor you specify. Click on
the Recalc Button to apply.</source>
        <translation>El factor divide entre 2 la relación entre longitud del cilindro y de la bobina
y luego aplica el factor que indique. Pulse
el botón Recalc para aplicarlo.</translation>
    </message>
    <message>
        <source>To calculate the size correctly we need to click 
this field to regenerate the inductance and 
re-calculate the coil size.</source>
        <translation>Para calcular bien el tamaño hay que pulsar 
este campo para regenerar la inductancia y 
recalcular el tamaño de la bobina.</translation>
    </message>
</context>
<context>
    <name>DesignText</name>
    <message>
        <source>Just follow the prompts. On each entry field there is a popup to tell about the field. After entering the wire size and spacing, click on the ReCalc button. This causes a looping through several calculations to get the final coil inductance and size. After making and testing your antenna, if you find that the coil turns generated are different to what you have found to provide maximum output with lowest VSWR, then change the Factor field until you get the number of turns on your completed antenna. Initially this will a factor of 2. Use decimal points to get to the closest number of turns. Email this information to me from the main form, bottom left.The above information is required to get a truer picture of the factor we need to use to get the final release of this programme accurate. It is a chicken before the egg situation. Initially we do not know the size of the inductance required for resonance, so we insert a guestimate. Then we refine it by setting a factor. This then gives us the correct inductance, coil length and number of turns. So we need your help to complete the final project.</source>
        <translation>Siga las indicaciones. Cada campo tiene una ventana emergente que lo explica. Tras introducir el diámetro del hilo y el paso, pulse el botón ReCalc. Así se ejecuta un ciclo de varios cálculos para obtener la inductancia y el tamaño finales de la bobina. Tras construir y probar su antena, si ve que las espiras calculadas difieren de las que usted encontró que dan la máxima salida con la ROE más baja, cambie el campo Factor hasta obtener el número de espiras de su antena terminada. Al principio el factor será 2. Use decimales para acercarse al número de espiras. Envíeme esta información por correo desde el formulario principal, abajo a la izquierda. Esta información es necesaria para tener una idea más fiel del factor que debemos usar para que la versión final de este programa sea precisa. Es el problema del huevo y la gallina. Al principio no conocemos la inductancia necesaria para la resonancia, así que introducimos una estimación. Luego la afinamos fijando un factor. Eso nos da la inductancia, la longitud de bobina y el número de espiras correctos. Por eso necesitamos su ayuda para completar el proyecto.</translation>
    </message>
    <message>
        <source>YQ Design Calculator</source>
        <translation>Calculadora de diseño YQ</translation>
    </message>
    <message>
        <source>Choose File to Open</source>
        <translation>Elija el archivo a abrir</translation>
    </message>
    <message>
        <source>Invalid figure. Valid values are between|1 and 99. Please re-enter</source>
        <translation>Valor no válido. Los valores válidos están entre|1 y 99. Vuelva a introducirlo</translation>
    </message>
    <message>
        <source>You are printing a metric|antenna. Measurements will default to mm.</source>
        <translation>Está imprimiendo una antena|métrica. Las medidas serán en mm.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 could not be written</source>
        <translation>No se pudo escribir %1</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>No se indicó ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>No se pudo leer %1</translation>
    </message>
    <message>
        <source>the path is longer than %1 characters</source>
        <translation>la ruta tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>the results file %1 could not be opened</source>
        <translation>no se pudo abrir el archivo de resultados %1</translation>
    </message>
    <message>
        <source>the results file %1 could not be locked</source>
        <translation>no se pudo bloquear el archivo de resultados %1</translation>
    </message>
    <message>
        <source>the results file %1 is in use by another program</source>
        <translation>el archivo de resultados %1 lo está usando otro programa</translation>
    </message>
    <message>
        <source>the results file %1 could not be read</source>
        <translation>no se pudo leer el archivo de resultados %1</translation>
    </message>
    <message>
        <source> (the file may end in a partial line)</source>
        <translation> (el archivo puede terminar en una línea incompleta)</translation>
    </message>
    <message>
        <source>the results row could not be written to %1</source>
        <translation>no se pudo escribir la fila de resultados en %1</translation>
    </message>
    <message>
        <source>the results row was added to %1 but could not be flushed to disk: %2</source>
        <translation>la fila de resultados se añadió a %1 pero no se pudo volcar al disco: %2</translation>
    </message>
    <message>
        <source>The design file %1 could not be written.</source>
        <translation>No se pudo escribir el archivo de diseño %1.</translation>
    </message>
    <message>
        <source>The design was saved, but the results row could not be written:|%1</source>
        <translation>El diseño se guardó, pero no se pudo escribir la fila de resultados:|%1</translation>
    </message>
    <message>
        <source>it is locked by another program</source>
        <translation>está bloqueado por otro programa</translation>
    </message>
    <message>
        <source>The user file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo de usuarios %1: %2</translation>
    </message>
    <message>
        <source>it holds no user records (not a user file)</source>
        <translation>no contiene registros de usuario (no es un archivo de usuarios)</translation>
    </message>
    <message>
        <source>it is damaged (cut off inside a page)</source>
        <translation>está dañado (cortado dentro de una página)</translation>
    </message>
    <message>
        <source>The name and call sign may not contain control characters (line breaks, tabs).</source>
        <translation>El nombre y el indicativo no pueden contener caracteres de control (saltos de línea, tabulaciones).</translation>
    </message>
    <message>
        <source>The name and call sign may have at most %1 characters.</source>
        <translation>El nombre y el indicativo pueden tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The record could not be added: %1</source>
        <translation>No se pudo añadir el registro: %1</translation>
    </message>
    <message>
        <source>The record could not be changed (it may have been deleted).</source>
        <translation>No se pudo cambiar el registro (puede que se haya borrado).</translation>
    </message>
    <message>
        <source>The record could not be deleted: the user file does not exist.</source>
        <translation>No se pudo borrar el registro: el archivo de usuarios no existe.</translation>
    </message>
    <message>
        <source>The record could not be deleted (it may already be gone).</source>
        <translation>No se pudo borrar el registro (puede que ya no exista).</translation>
    </message>
</context>
<context>
    <name>Findings</name>
    <message>
        <source>Sweep</source>
        <translation>Barrido</translation>
    </message>
    <message>
        <source>Series resonances</source>
        <translation>Resonancias serie</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Resonancia serie</translation>
    </message>
    <message>
        <source>Tuned from</source>
        <translation>Sintonizado desde</translation>
    </message>
    <message>
        <source>Impedance there</source>
        <translation>Impedancia allí</translation>
    </message>
    <message>
        <source>Least SWR (50 ohm)</source>
        <translation>ROE mínima (50 ohm)</translation>
    </message>
    <message>
        <source>2:1 SWR bandwidth (50 ohm)</source>
        <translation>Ancho de banda ROE 2:1 (50 ohm)</translation>
    </message>
    <message>
        <source>Design frequency</source>
        <translation>Frecuencia de diseño</translation>
    </message>
    <message>
        <source>Series inductance at the feed</source>
        <translation>Inductancia serie en la alim.</translation>
    </message>
    <message>
        <source>Effective capacitance</source>
        <translation>Capacidad efectiva</translation>
    </message>
    <message>
        <source>Inductance for the design frequency</source>
        <translation>Inductancia para la frecuencia de diseño</translation>
    </message>
    <message>
        <source>Tuning coil</source>
        <translation>Bobina de sintonía</translation>
    </message>
    <message>
        <source>Coil length</source>
        <translation>Longitud de bobina</translation>
    </message>
    <message>
        <source>Wire length</source>
        <translation>Longitud de hilo</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Factor de capacidad</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Medida</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Sintonía</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>  or:  %1</source>
        <translation>  o:  %1</translation>
    </message>
    <message>
        <source>Example: %1</source>
        <translation>Ejemplo: %1</translation>
    </message>
    <message>
        <source>Licence GPL-2.0-or-later: GNU GPL version 2 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licencia GPL-2.0-or-later: GNU GPL versión 2 o posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Esto es software libre: puede modificarlo y redistribuirlo libremente.
No hay NINGUNA GARANTÍA, en la medida que lo permita la ley.
</translation>
    </message>
</context>
<context>
    <name>InfoTexts</name>
    <message>
        <source>Welcome to the wonderful world of YQ Antennas. At long last we have achieved what many have said was impossible, the development of a new antenna concept. For 120 years the resonant wire antenna of Hertz has been taken as the only way to build an antenna. We did not accept that, and the YQ antenna concept is the outcome. It offers advantages in every antenna parameter: Small Size, High Efficiency, wide bandwidth, and very low EMI. While developing it we came upon a new development in physics connected with it, and that discovery has in turn led us to a further antenna concept that we hope to present to you soon.</source>
        <translation>Bienvenido al maravilloso mundo de las antenas YQ. Por fin hemos logrado lo que muchos decían imposible: el desarrollo de un nuevo concepto de antena. Durante 120 años la antena resonante de hilo de Hertz se ha considerado la única forma de construir una antena. No lo aceptamos, y el concepto de antena YQ es el resultado. Ofrece ventajas en todos los parámetros de antena: tamaño reducido, alta eficiencia, gran ancho de banda y muy baja EMI. Durante su desarrollo dimos con un nuevo hallazgo de la física relacionado con ella, y ese descubrimiento nos ha llevado a su vez a otro concepto de antena que esperamos presentarle pronto.</translation>
    </message>
    <message>
        <source>Here is the information to allow you to design antennas for various Ham bands. We hope you enjoy this information and the use of the antennas you build. There are an untold number already on the air and many more added every day.</source>
        <translation>Aquí tiene la información para diseñar antenas para varias bandas de radioaficionado. Esperamos que disfrute de esta información y del uso de las antenas que construya. Ya hay muchísimas en el aire y se suman más cada día.</translation>
    </message>
    <message>
        <source>Brannoc Quillet has been a radio amateur since his school days, when he built his first crystal receiver from parts of an old telephone. He trained as an electrical engineer and spent many years designing transmitters for broadcast and marine radio. Curious why small antennas were always said to be poor radiators, he began to experiment with short cylinders and coils in his workshop, and from that work the YQ antenna was born. Today he leads ZO Duravar Uravaro, a small company of engineers and radio amateurs who are developing applications of the YQ Antenna.</source>
        <translation>Brannoc Quillet es radioaficionado desde sus tiempos de escuela, cuando construyó su primer receptor de galena con piezas de un viejo teléfono. Se formó como ingeniero eléctrico y pasó muchos años diseñando transmisores de radiodifusión y de radio marítima. Intrigado por qué las antenas pequeñas se consideraban siempre malas radiadoras, empezó a experimentar en su taller con cilindros cortos y bobinas, y de ese trabajo nació la antena YQ. Hoy dirige ZO Duravar Uravaro, una pequeña empresa de ingenieros y radioaficionados que desarrolla aplicaciones de la antena YQ.</translation>
    </message>
    <message>
        <source>We present these pictures to show just what is being accomplished around the world with YQ antennas. We will letthe pictures speak for themselves. If you would like your antenna featured email a good clear picture to %1</source>
        <translation>Presentamos estas fotos para mostrar lo que se está logrando en todo el mundo con las antenas YQ. Dejamos que las fotos hablen por sí solas. Si desea que su antena aparezca, envíe por correo una foto buena y nítida a %1</translation>
    </message>
    <message>
        <source>Written by our programmer from formulas supplied by Brannoc Quillet. It is a work in progress as we need to get feedback from users like yourself who may have successfully built and used an Yq antenna. We need to know the specifications you </source>
        <translation>Escrito por nuestro programador con fórmulas aportadas por Brannoc Quillet. Es un trabajo en curso, ya que necesitamos la opinión de usuarios como usted que hayan construido y usado con éxito una antena YQ. Necesitamos conocer los datos </translation>
    </message>
    <message>
        <source>used to arrive at a working antenna. Please complete and email the details to us for analysis.</source>
        <translation>con los que llegó a una antena que funciona. Rellene los detalles y envíenoslos por correo para su análisis.</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>Enter the Frequency in Megahertz</source>
        <translation>Frecuencia en megahercios</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Radiation Resistance</source>
        <translation>Resistencia de radiación</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Radiation Resistance from measured bandwidth</source>
        <translation>Resistencia de radiación según ancho de banda medido</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter :</source>
        <translation>Diámetro del cilindro  :</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Enter Cylinder  diameter in mm</source>
        <translation>Diámetro del cilindro  en mm</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Enter desired Length/Diameter Ratio</source>
        <translation>Relación longitud/diámetro</translation>
    </message>
    <message>
        <source>Calculated Cylinder Capacitance pFd:</source>
        <translation>Capacidad cilindro calculada pF:</translation>
    </message>
    <message>
        <source>pF</source>
        <translation>pF</translation>
    </message>
    <message>
        <source>Reactance (Xc) in Ohms</source>
        <translation>Reactancia (Xc) en ohmios</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>Ancho de banda +/- 3db en kHz</translation>
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
        <translation>Longitud total antena :</translation>
    </message>
    <message>
        <source>Total Length of Antenna in mm:</source>
        <translation>Long. total antena en mm:</translation>
    </message>
    <message>
        <source>Enter Measured Bandwidth in kHz</source>
        <translation>Ancho de banda medido en kHz</translation>
    </message>
    <message>
        <source>Variance in Measured RR</source>
        <translation>Desviación de la RR medida</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter :</source>
        <translation>Diámetro del hilo :</translation>
    </message>
    <message>
        <source>Enter the Wire Diameter in mm</source>
        <translation>Diámetro del hilo en mm</translation>
    </message>
    <message>
        <source>Enter Spacing :</source>
        <translation>Paso :</translation>
    </message>
    <message>
        <source>Enter Spacing in mm</source>
        <translation>Paso en mm</translation>
    </message>
    <message>
        <source>Calculated Turns per Inch</source>
        <translation>Espiras por pulgada calculadas</translation>
    </message>
    <message>
        <source>1/in</source>
        <translation>1/in</translation>
    </message>
    <message>
        <source>Calculated Turns per mm</source>
        <translation>Espiras por mm calculadas</translation>
    </message>
    <message>
        <source>1/mm</source>
        <translation>1/mm</translation>
    </message>
    <message>
        <source>Cylinder to Wire Capacitance in pFd</source>
        <translation>Capacidad cilindro-hilo en pF</translation>
    </message>
    <message>
        <source>Estimated Coil Capacitance in pFd</source>
        <translation>Capacidad bobina estimada en pF</translation>
    </message>
    <message>
        <source>Coil Inductance in uH</source>
        <translation>Inductancia bobina en uH</translation>
    </message>
    <message>
        <source>uH</source>
        <translation>uH</translation>
    </message>
    <message>
        <source>Number of Turns required</source>
        <translation>Número de espiras necesario</translation>
    </message>
    <message>
        <source>turns</source>
        <translation>espiras</translation>
    </message>
    <message>
        <source>Coil Length :</source>
        <translation>Long. de bobina :</translation>
    </message>
    <message>
        <source>Coil Length in mm:</source>
        <translation>Longitud de bobina en mm:</translation>
    </message>
    <message>
        <source>Length of wire required in Inches</source>
        <translation>Longitud de hilo necesaria, pulgadas</translation>
    </message>
    <message>
        <source>Length of wire required in mm:</source>
        <translation>Long. de hilo necesaria en mm:</translation>
    </message>
    <message>
        <source>Length of cylinder :</source>
        <translation>Longitud del cilindro :</translation>
    </message>
    <message>
        <source>Length of cylinder in mm :</source>
        <translation>Longitud del cilindro en mm :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter :</source>
        <translation>Diámetro de bobina :</translation>
    </message>
    <message>
        <source>Enter the Coil Diameter in mm:</source>
        <translation>Diámetro de bobina en mm:</translation>
    </message>
    <message>
        <source>Length as a % of wave length:</source>
        <translation>Longitud en % de onda:</translation>
    </message>
    <message>
        <source>Length of Phasing Wire :</source>
        <translation>Longitud hilo de fase :</translation>
    </message>
    <message>
        <source>Length of Phasing Wire</source>
        <translation>Longitud hilo de fase</translation>
    </message>
    <message>
        <source>Enter Phasing Coil Diameter:</source>
        <translation>Diámetro bobina de fase:</translation>
    </message>
    <message>
        <source>Phasing Coil Turns</source>
        <translation>Espiras bobina de fase</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Factor de capacidad</translation>
    </message>
    <message>
        <source>Antenna Efficiency</source>
        <translation>Eficiencia de la antena</translation>
    </message>
    <message>
        <source>Loss in DB</source>
        <translation>Pérdida en DB</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Espiras bobina fuente</translation>
    </message>
    <message>
        <source>Source coil length :</source>
        <translation>Long. bobina fuente :</translation>
    </message>
    <message>
        <source>Source coil length in mm</source>
        <translation>Long. bobina fuente en mm</translation>
    </message>
    <message>
        <source>Source Coil Inductance in uH</source>
        <translation>Inductancia bob. fuente en uH</translation>
    </message>
    <message>
        <source>Enter Source Coil Diameter:</source>
        <translation>Diámetro bobina fuente:</translation>
    </message>
    <message>
        <source>Source Coil Wire Length :</source>
        <translation>Long. hilo bobina fuente :</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Long. hilo bobina fuente</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter</source>
        <translation>Diám. hilo bobina fuente</translation>
    </message>
    <message>
        <source>Source Coil Wire Diameter in mm</source>
        <translation>Diám. hilo bob. fuente en mm</translation>
    </message>
    <message>
        <source>Source Coil Reactance at 40ohms</source>
        <translation>Reactancia bob. fuente a 40ohm</translation>
    </message>
    <message>
        <source>Enter Degrees of Phase:</source>
        <translation>Grados de fase:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>unknown language &quot;%1&quot;</source>
        <translation>idioma desconocido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>choose one of %1</source>
        <translation>elija uno de %1</translation>
    </message>
    <message>
        <source>--lang needs a language code</source>
        <translation>--lang necesita un código de idioma</translation>
    </message>
</context>
<context>
    <name>LaunchCodes</name>
    <message>
        <source>The Operating system is out of memory/resources. File:|</source>
        <translation>El sistema operativo se ha quedado sin memoria o recursos. Archivo:|</translation>
    </message>
    <message>
        <source>Unknown ShellExecute Error occured. File:|</source>
        <translation>Error desconocido de ShellExecute. Archivo:|</translation>
    </message>
    <message>
        <source>The specified file was not found. File:|</source>
        <translation>No se encontró el archivo indicado. Archivo:|</translation>
    </message>
    <message>
        <source>The specified path was not found. File:|</source>
        <translation>No se encontró la ruta indicada. Archivo:|</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file. File:|</source>
        <translation>El sistema operativo denegó el acceso al archivo indicado. Archivo:|</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation. File:|</source>
        <translation>No había memoria suficiente para completar la operación. Archivo:|</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32® .exe or error in .exe image). File:|</source>
        <translation>El archivo .exe no es válido (.exe no Win32® o error en la imagen .exe). Archivo:|</translation>
    </message>
    <message>
        <source>A sharing violation occurred. File:|</source>
        <translation>Se produjo una infracción de uso compartido. Archivo:|</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid. File:|</source>
        <translation>La asociación del nombre de archivo es incompleta o no válida. Archivo:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out. File:|</source>
        <translation>No se pudo completar la transacción DDE porque la solicitud agotó el tiempo. Archivo:|</translation>
    </message>
    <message>
        <source>The DDE transaction failed. File:|</source>
        <translation>La transacción DDE falló. Archivo:|</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed. File:|</source>
        <translation>No se pudo completar la transacción DDE porque se estaban procesando otras transacciones DDE. Archivo:|</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension. File:|</source>
        <translation>No hay ninguna aplicación asociada a la extensión de nombre de archivo indicada. Archivo:|</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found. File:|</source>
        <translation>No se encontró la biblioteca de vínculos dinámicos indicada. Archivo:|</translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>|File:|%1</source>
        <translation>|Archivo:|%1</translation>
    </message>
    <message>
        <source>The results file was not found.|Each SAVE adds a row to it: save a design first.</source>
        <translation>No se encontró el archivo de resultados.|Cada GUARDAR le añade una fila: guarde primero un diseño.</translation>
    </message>
    <message>
        <source>No spreadsheet program is set up to open CSV files.|Install one, or choose the program for CSV files in the desktop&apos;s settings.</source>
        <translation>No hay ningún programa de hoja de cálculo configurado para abrir archivos CSV.|Instale uno, o elija el programa para archivos CSV en la configuración del escritorio.</translation>
    </message>
    <message>
        <source>The program set up to open CSV files cannot be started:|its desktop entry is missing or invalid.</source>
        <translation>El programa configurado para abrir archivos CSV no se puede iniciar:|su entrada de escritorio falta o no es válida.</translation>
    </message>
    <message>
        <source>Shell Execute Error:</source>
        <translation>Error de Shell Execute:</translation>
    </message>
</context>
<context>
    <name>MailClient</name>
    <message>
        <source>the mail program</source>
        <translation>el programa de correo</translation>
    </message>
    <message>
        <source>No mail program is registered on this desktop.</source>
        <translation>No hay ningún programa de correo registrado en este escritorio.</translation>
    </message>
    <message>
        <source>The registered mail program (%1) cannot be found.</source>
        <translation>No se encuentra el programa de correo registrado (%1).</translation>
    </message>
    <message>
        <source>%1 cannot take the mail&apos;s HTML body.</source>
        <translation>%1 no admite el cuerpo HTML del mensaje.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments, and cannot take its HTML body.</source>
        <translation>Puede que el programa de correo no haya tomado los adjuntos del mensaje, y no admite su cuerpo HTML.</translation>
    </message>
    <message>
        <source>The mail program may not have taken the mail&apos;s attachments.</source>
        <translation>Puede que el programa de correo no haya tomado los adjuntos del mensaje.</translation>
    </message>
    <message>
        <source>The mail program cannot take the mail&apos;s HTML body.</source>
        <translation>El programa de correo no admite el cuerpo HTML del mensaje.</translation>
    </message>
    <message>
        <source>The mail program could not be started: %1.</source>
        <translation>No se pudo iniciar el programa de correo: %1.</translation>
    </message>
    <message>
        <source>The mail program could not be started: xdg-email is not installed.</source>
        <translation>No se pudo iniciar el programa de correo: xdg-email no está instalado.</translation>
    </message>
    <message>
        <source>The mail program could not be started.</source>
        <translation>No se pudo iniciar el programa de correo.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>YQ antenna logo</source>
        <translation>Logo de la antena YQ</translation>
    </message>
    <message>
        <source>YQ Star antenna: general arrangement with its parts named</source>
        <translation>Antena YQ Star: disposición general con sus piezas nombradas</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>Las piezas de la antena YQ Star</translation>
    </message>
    <message>
        <source>YQ Antenna Design Calculator banner</source>
        <translation>Banner de la calculadora de diseño de antenas YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a garden mast</source>
        <translation>Una antena YQ en un mástil de jardín</translation>
    </message>
    <message>
        <source>A YQ antenna mounted on a camper van</source>
        <translation>Una antena YQ montada en una autocaravana</translation>
    </message>
    <message>
        <source>Illustrated portrait: a radio amateur at the radio bench</source>
        <translation>Retrato ilustrado: un radioaficionado en su estación</translation>
    </message>
    <message>
        <source>A YQ antenna on the roof of a house at sunset</source>
        <translation>Una antena YQ en el tejado de una casa al atardecer</translation>
    </message>
    <message>
        <source>A portable YQ antenna on a tripod by the sea</source>
        <translation>Una antena YQ portátil sobre un trípode junto al mar</translation>
    </message>
    <message>
        <source>Winding the tuning coil on the workbench</source>
        <translation>Bobinando la bobina de sintonía en el banco de trabajo</translation>
    </message>
    <message>
        <source>Tuning a YQ antenna with an antenna analyser</source>
        <translation>Sintonizando una antena YQ con un analizador de antenas</translation>
    </message>
    <message>
        <source>A YQ antenna on an apartment balcony</source>
        <translation>Una antena YQ en el balcón de un piso</translation>
    </message>
    <message>
        <source>A YQ antenna on a mountain summit</source>
        <translation>Una antena YQ en la cima de una montaña</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna laid out on the bench</source>
        <translation>Las piezas de una antena YQ dispuestas en el banco</translation>
    </message>
    <message>
        <source>A YQ antenna on a winter night</source>
        <translation>Una antena YQ en una noche de invierno</translation>
    </message>
    <message>
        <source>YQ program icon</source>
        <translation>Icono del programa YQ</translation>
    </message>
    <message>
        <source>About icon: radio operator</source>
        <translation>Icono Acerca de: radiooperador</translation>
    </message>
    <message>
        <source>Hand pointer for links</source>
        <translation>Puntero de mano para enlaces</translation>
    </message>
</context>
<context>
    <name>ProgramHelp</name>
    <message>
        <source>The YQ design calculator: design the YQ antenna in inches or millimetres, save designs and the results table YQ.csv in the working folder, print the design report and mail results.

The program opens its main window; the design windows open from its menu. Files are kept in the working folder (the folder of the last design file opened).</source>
        <translation>La calculadora de diseño YQ: diseñe la antena YQ en pulgadas o milímetros, guarde los diseños y la tabla de resultados YQ.csv en la carpeta de trabajo, imprima el informe de diseño y envíe los resultados por correo.

El programa abre su ventana principal; las ventanas de diseño se abren desde su menú. Los archivos se guardan en la carpeta de trabajo (la carpeta del último archivo de diseño abierto).</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>the language of the windows for this run: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl (default: the desktop&apos;s, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)</source>
        <translation>el idioma de las ventanas en esta ejecución: en, de, ja, ru, it, es, pl, pt_BR, fr, cs o nl (por defecto: el del escritorio, según LANGUAGE, LC_ALL, LC_MESSAGES o LANG)</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>muestra esta ayuda y sale</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>muestra la versión y sale</translation>
    </message>
    <message>
        <source>trace the hyperlink service of the design windows on standard error: every line starts with &quot;RazedUveziz: &quot; (registrations, events, the commands run, no browser or mail program found)</source>
        <translation>traza el servicio de enlaces de las ventanas de diseño en la salida de error estándar: cada línea empieza por &quot;RazedUveziz: &quot; (registros, eventos, órdenes ejecutadas, navegador o programa de correo no encontrado)</translation>
    </message>
    <message>
        <source>trace each failed look-up of the desktop&apos;s browser or mail program (&quot;RegQueryValue: ...&quot;)</source>
        <translation>traza cada búsqueda fallida del navegador o del programa de correo del escritorio (&quot;RegQueryValue: ...&quot;)</translation>
    </message>
    <message>
        <source>trace the attempts of the per-link handler check (&quot;Tried(...&quot;)</source>
        <translation>traza los intentos de la comprobación del gestor de cada enlace (&quot;Tried(...&quot;)</translation>
    </message>
    <message>
        <source>the Qt display plug-in (xcb, wayland, offscreen); Qt&apos;s other options are taken too</source>
        <translation>el complemento de pantalla de Qt (xcb, wayland, offscreen); también se aceptan las demás opciones de Qt</translation>
    </message>
    <message>
        <source>The trace switches may be given together and in any case (/hadebug). Traces go
to standard error, never to the screen.

Exit status:
  0   the main window was closed (Shutdown)</source>
        <translation>Las opciones de traza pueden darse juntas y en mayúsculas o minúsculas (/hadebug). Las trazas van
a la salida de error estándar, nunca a la pantalla.

Estado de salida:
  0   se cerró la ventana principal (Salir)</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>nothing was drawn for %1</source>
        <translation>no se dibujó nada para %1</translation>
    </message>
    <message>
        <source>cannot draw %1</source>
        <translation>no se puede dibujar %1</translation>
    </message>
    <message>
        <source>it holds no picture (%1 bytes)</source>
        <translation>no contiene ninguna imagen (%1 bytes)</translation>
    </message>
    <message>
        <source>it is cut short (%1 of %2 bytes)</source>
        <translation>está cortada (%1 de %2 bytes)</translation>
    </message>
    <message>
        <source>The page image %1 could not be read</source>
        <translation>No se pudo leer la imagen de página %1</translation>
    </message>
    <message>
        <source>folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>The report has no pages.</source>
        <translation>El informe no tiene páginas.</translation>
    </message>
</context>
<context>
    <name>ReportMail</name>
    <message>
        <source>No mail program is available.</source>
        <translation>No hay ningún programa de correo disponible.</translation>
    </message>
    <message>
        <source>Corvan, my YQ results are attached</source>
        <translation>Corvan, adjunto mis resultados YQ</translation>
    </message>
    <message>
        <source>My Finished YQ Results</source>
        <translation>Mis resultados YQ definitivos</translation>
    </message>
</context>
<context>
    <name>ReportMessages</name>
    <message>
        <source>%1|The report lists its designers from the user file, so it is not printed.|The user file is left as it is.</source>
        <translation>%1|El informe enumera sus diseñadores desde el archivo de usuarios, así que no se imprime.|El archivo de usuarios queda como está.</translation>
    </message>
    <message>
        <source>The report document could not be written.|%1|The mail opens without the report.</source>
        <translation>No se pudo escribir el documento del informe.|%1|El mensaje se abre sin el informe.</translation>
    </message>
    <message>
        <source>The report mail could not be prepared.|</source>
        <translation>No se pudo preparar el mensaje del informe.|</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>No se pudo leer %1.</translation>
    </message>
    <message>
        <source>These files could not be attached to the mail:|</source>
        <translation>Estos archivos no se pudieron adjuntar al mensaje:|</translation>
    </message>
    <message>
        <source>A copy of the mail could not be saved as|%1:|%2</source>
        <translation>No se pudo guardar una copia del mensaje como|%1:|%2</translation>
    </message>
    <message>
        <source>%1|The mail is saved as|%2|Open it with your mail program to send it.</source>
        <translation>%1|El mensaje está guardado como|%2|Ábralo con su programa de correo para enviarlo.</translation>
    </message>
    <message>
        <source>%1|The mail could not be saved as|%2:|%3</source>
        <translation>%1|No se pudo guardar el mensaje como|%2:|%3</translation>
    </message>
    <message>
        <source>%1|The complete mail is saved as|%2|Open that one with your mail program to send all of it.</source>
        <translation>%1|El mensaje completo está guardado como|%2|Abra ese con su programa de correo para enviarlo entero.</translation>
    </message>
    <message>
        <source>Send email</source>
        <translation>Enviar correo</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>YQ *Star* Antenna designed for</source>
        <translation>Antena YQ *Star* diseñada para</translation>
    </message>
    <message>
        <source>Mhz</source>
        <translation>Mhz</translation>
    </message>
    <message>
        <source>All linear measurements are in</source>
        <translation>Todas las medidas lineales están en</translation>
    </message>
    <message>
        <source>Cylinders</source>
        <translation>Cilindros</translation>
    </message>
    <message>
        <source>Tuning Coil</source>
        <translation>Bobina de sintonía</translation>
    </message>
    <message>
        <source>Phasing Coil</source>
        <translation>Bobina de fase</translation>
    </message>
    <message>
        <source>Source Coil</source>
        <translation>Bobina fuente</translation>
    </message>
    <message>
        <source>Cylinder Diameter</source>
        <translation>Diámetro del cilindro</translation>
    </message>
    <message>
        <source>Length to Diameter Ratio</source>
        <translation>Relación longitud/diámetro</translation>
    </message>
    <message>
        <source>Cylinder Length</source>
        <translation>Longitud del cilindro</translation>
    </message>
    <message>
        <source>Cylinder Spacing</source>
        <translation>Separación de cilindros</translation>
    </message>
    <message>
        <source>Cylinder Capacitance in pFd</source>
        <translation>Capacidad del cilindro en pF</translation>
    </message>
    <message>
        <source>Reactance (XC) Ohms</source>
        <translation>Reactancia (XC) ohmios</translation>
    </message>
    <message>
        <source>Radiation Resistance Ohms</source>
        <translation>Resist. de radiación ohmios</translation>
    </message>
    <message>
        <source>+/- 3db Bandwidth in kHz</source>
        <translation>Ancho de banda +/- 3db en kHz</translation>
    </message>
    <message>
        <source>Antenna &apos;Q&apos;</source>
        <translation>Q de la antena</translation>
    </message>
    <message>
        <source>Antenna Length inc Coils</source>
        <translation>Long. antena con bobinas</translation>
    </message>
    <message>
        <source>Wire diameter for all Coils</source>
        <translation>Diámetro hilo de las bobinas</translation>
    </message>
    <message>
        <source>Wire Spacing for Coils</source>
        <translation>Paso del hilo de bobinas</translation>
    </message>
    <message>
        <source>Tuning Coil Diameter</source>
        <translation>Diámetro bobina de sintonía</translation>
    </message>
    <message>
        <source>Tuning Coil Inductance uH</source>
        <translation>Inductancia bob. sintonía uH</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <translation>Número de espiras</translation>
    </message>
    <message>
        <source>Coil Length</source>
        <translation>Long. de bobina</translation>
    </message>
    <message>
        <source>Coil Wire Length</source>
        <translation>Longitud hilo de bobina</translation>
    </message>
    <message>
        <source>Capacitance Factor</source>
        <translation>Factor de capacidad</translation>
    </message>
    <message>
        <source>Phase Coil diameter</source>
        <translation>Diámetro bobina de fase</translation>
    </message>
    <message>
        <source>Wire Length</source>
        <translation>Longitud de hilo</translation>
    </message>
    <message>
        <source>Source Coil Diameter</source>
        <translation>Diámetro bobina fuente</translation>
    </message>
    <message>
        <source>Source Coil Turns</source>
        <translation>Espiras bobina fuente</translation>
    </message>
    <message>
        <source>Source Coil Wire Length</source>
        <translation>Long. hilo bobina fuente</translation>
    </message>
    <message>
        <source>Cylinders should be made from non ferrous metals to reduce losses.</source>
        <translation>Los cilindros deben ser de metal no férrico para reducir pérdidas.</translation>
    </message>
    <message>
        <source>Spacing between cylinders is critical to success.</source>
        <translation>La separación entre cilindros es clave para el éxito.</translation>
    </message>
    <message>
        <source>Spacing between lower cylinder and top of tuning coil should equal cylinder diameter.</source>
        <translation>La separación entre el cilindro inferior y el extremo superior de la bobina de sintonía debe ser igual al diámetro del cilindro.</translation>
    </message>
    <message>
        <source>Wire from bottom of Tuning Coil must run up the inside edge of the lower cylinder.</source>
        <translation>El hilo del extremo inferior de la bobina de sintonía debe subir por el borde interior del cilindro inferior.</translation>
    </message>
    <message>
        <source>Wire from top of Tuning Coil must run up the centre of the lower cylinder.</source>
        <translation>El hilo del extremo superior de la bobina de sintonía debe subir por el centro del cilindro inferior.</translation>
    </message>
    <message>
        <source>Coil formers (the pipe) should be tested in a microwave oven for heating with RF excitation.</source>
        <translation>Los soportes de bobina (el tubo) deben probarse en un horno de microondas para ver si se calientan con la excitación de RF.</translation>
    </message>
    <message>
        <source>If it gets hot in the MW then do not use it as it is absorbing RF energy.</source>
        <translation>Si se calienta en el microondas no lo use, porque absorbe energía de RF.</translation>
    </message>
    <message>
        <source>When completed the entire antenna should be waterproofed.</source>
        <translation>Una vez terminada, toda la antena debe impermeabilizarse.</translation>
    </message>
    <message>
        <source>Follow the instructions in Brannoc&apos;s Book on setting up for maximum radiation and minimum VSWR.</source>
        <translation>Siga las instrucciones del libro de Brannoc para el ajuste a máxima radiación y mínima ROE.</translation>
    </message>
    <message>
        <source>Print Date:</source>
        <translation>Fecha impresión:</translation>
    </message>
    <message>
        <source>Designed By:</source>
        <translation>Diseñado por:</translation>
    </message>
    <message>
        <source>Print from queue</source>
        <translation>Imprimir desde la cola</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
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
        <translation>No se puede leer la línea %1 del deck</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number in the %2 card</source>
        <translation>&quot;%1&quot; no es un número en la tarjeta %2</translation>
    </message>
    <message>
        <source>the %1 card needs %2 numbers</source>
        <translation>la tarjeta %1 necesita %2 números</translation>
    </message>
    <message>
        <source>The deck&apos;s line %1 cannot be checked</source>
        <translation>No se puede comprobar la línea %1 del deck</translation>
    </message>
    <message>
        <source>a GM card that copies or rotates is not read here</source>
        <translation>aquí no se lee una tarjeta GM que copia o gira</translation>
    </message>
    <message>
        <source>The deck asks for no frequency (no FR card).</source>
        <translation>El deck no pide ninguna frecuencia (sin tarjeta FR).</translation>
    </message>
    <message>
        <source>Wire %1 has no length or no segment; nec2c can run on for ever on it.</source>
        <translation>El hilo %1 no tiene longitud o no tiene segmentos; nec2c puede quedarse ejecutando sin fin.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the lowest frequency; NEC-2 wants at least 0.001.</source>
        <translation>Los segmentos del hilo %1 miden %2 longitudes de onda a %3 MHz, la frecuencia más baja; NEC-2 pide al menos 0.001.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 wavelength long at %3 MHz, the highest frequency; NEC-2 wants at most 0.1.</source>
        <translation>Los segmentos del hilo %1 miden %2 longitudes de onda a %3 MHz, la frecuencia más alta; NEC-2 pide como máximo 0.1.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 with the extended thin-wire kernel.</source>
        <translation>Los segmentos del hilo %1 miden %2 veces su radio; NEC-2 pide al menos %3 con el núcleo extendido de hilo fino.</translation>
    </message>
    <message>
        <source>Segments of wire %1 are %2 times their radius long; NEC-2 wants at least %3 without EK.</source>
        <translation>Los segmentos del hilo %1 miden %2 veces su radio; NEC-2 pide al menos %3 sin EK.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 lie over the same %3 m; nec2c gives a meaningless impedance for them.</source>
        <translation>Los hilos %1 y %2 se solapan en %3 m; nec2c da una impedancia sin sentido para ellos.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; the extended thin-wire kernel is not valid where the radius changes.</source>
        <translation>Los hilos %1 y %2 se unen con radios que difieren %3 veces; el núcleo extendido de hilo fino no vale donde cambia el radio.</translation>
    </message>
    <message>
        <source>Wires %1 and %2 meet with radii %3 times apart; NEC-2 wants at most 5.</source>
        <translation>Los hilos %1 y %2 se unen con radios que difieren %3 veces; NEC-2 pide como máximo 5.</translation>
    </message>
    <message>
        <source>The deck has no feed (no EX card).</source>
        <translation>El deck no tiene alimentación (sin tarjeta EX).</translation>
    </message>
    <message>
        <source>The feed is on segment %1 of wire %2, which does not exist.</source>
        <translation>La alimentación está en el segmento %1 del hilo %2, que no existe.</translation>
    </message>
    <message>
        <source>NEC-2 detailed model: free space, no feed line, the cylinders as aluminium wire-grid cages, the tuning and phasing coils as copper helices with their leads as the build sheet draws them, the source coil lumped at the feed.</source>
        <translation>Modelo NEC-2 detallado: espacio libre, sin línea de alimentación, los cilindros como jaulas de rejilla de hilo de aluminio, las bobinas de sintonía y de fase como hélices de cobre con sus terminales tal como los dibuja la hoja de construcción, la bobina fuente concentrada en el punto de alimentación.</translation>
    </message>
    <message>
        <source>NEC-2 standard model: free space, no feed line, the cylinders as thick aluminium wires, the three coils as one lumped series R + L at the feed from the calculator&apos;s coil values.</source>
        <translation>Modelo NEC-2 estándar: espacio libre, sin línea de alimentación, los cilindros como hilos gruesos de aluminio, las tres bobinas como una única R + L serie concentrada en el punto de alimentación, con los valores de bobina de la calculadora.</translation>
    </message>
    <message>
        <source>nec2c cannot be started</source>
        <translation>no se puede iniciar nec2c</translation>
    </message>
    <message>
        <source>A folder for nec2c cannot be made</source>
        <translation>No se puede crear una carpeta para nec2c</translation>
    </message>
    <message>
        <source>The deck for nec2c cannot be written</source>
        <translation>No se puede escribir el deck para nec2c</translation>
    </message>
    <message>
        <source>nec2c stopped before it finished</source>
        <translation>nec2c se detuvo antes de terminar</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>se bloqueó</translation>
    </message>
    <message>
        <source>it exited with status %1</source>
        <translation>salió con el estado %1</translation>
    </message>
    <message>
        <source>nec2c failed</source>
        <translation>nec2c falló</translation>
    </message>
    <message>
        <source>nec2c wrote no output</source>
        <translation>nec2c no escribió salida</translation>
    </message>
    <message>
        <source>deck.out is missing</source>
        <translation>falta deck.out</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not installed: install it with &quot;sudo apt install nec2c&quot;.</source>
        <translation>La simulación necesita nec2c, que no está instalado: instálelo con &quot;sudo apt install nec2c&quot;.</translation>
    </message>
    <message>
        <source>The simulation needs nec2c, which is not at %1.</source>
        <translation>La simulación necesita nec2c, que no está en %1.</translation>
    </message>
    <message>
        <source>nec2c was stopped</source>
        <translation>nec2c fue detenido</translation>
    </message>
    <message>
        <source>it ran longer than its limit of %1 ms</source>
        <translation>duró más de su límite de %1 ms</translation>
    </message>
    <message>
        <source>The simulation was cancelled.</source>
        <translation>La simulación se canceló.</translation>
    </message>
    <message>
        <source>nec2c&apos;s output cannot be read</source>
        <translation>no se puede leer la salida de nec2c</translation>
    </message>
    <message>
        <source>it holds more frequencies than the deck&apos;s %1</source>
        <translation>contiene más frecuencias que las %1 del deck</translation>
    </message>
    <message>
        <source>the input parameters of frequency %1 have no line of numbers</source>
        <translation>los parámetros de entrada de la frecuencia %1 no tienen una línea de números</translation>
    </message>
    <message>
        <source>the impedance at frequency %1 is not a number</source>
        <translation>la impedancia en la frecuencia %1 no es un número</translation>
    </message>
    <message>
        <source>a radiation pattern has no headings</source>
        <translation>un diagrama de radiación no tiene encabezados</translation>
    </message>
    <message>
        <source>it holds %1 of the deck&apos;s %2 frequencies</source>
        <translation>contiene %1 de las %2 frecuencias del deck</translation>
    </message>
    <message>
        <source>The matched half-power band is wider than the fine sweep.</source>
        <translation>La banda adaptada a -3 dB es más ancha que el barrido fino.</translation>
    </message>
    <message>
        <source>The half-power band on 50 ohm is wider than the fine sweep.</source>
        <translation>La banda a -3 dB sobre 50 ohm es más ancha que el barrido fino.</translation>
    </message>
    <message>
        <source>With the calculated coil the model has no series resonance between 0.4 F and 2.5 F.</source>
        <translation>Con la bobina calculada el modelo no tiene resonancia serie entre 0.4 F y 2.5 F.</translation>
    </message>
    <message>
        <source>nec2c gave no power budget or average gain at the resonance.</source>
        <translation>nec2c no dio balance de potencia ni ganancia media en la resonancia.</translation>
    </message>
    <message>
        <source>The coil for F is not computed in this model.</source>
        <translation>La bobina para F no se calcula en este modelo.</translation>
    </message>
    <message>
        <source>The design has no frequency</source>
        <translation>El diseño no tiene frecuencia</translation>
    </message>
    <message>
        <source>F is 0</source>
        <translation>F es 0</translation>
    </message>
    <message>
        <source>The design has no cylinders</source>
        <translation>El diseño no tiene cilindros</translation>
    </message>
    <message>
        <source>CD or LD is 0</source>
        <translation>CD o LD es 0</translation>
    </message>
    <message>
        <source>The detailed model needs a tuning coil</source>
        <translation>El modelo detallado necesita una bobina de sintonía</translation>
    </message>
    <message>
        <source>NT, SP or CCD is 0</source>
        <translation>NT, SP o CCD es 0</translation>
    </message>
    <message>
        <source>No tuning coil resonates the model at F: it needs a series capacitance there.</source>
        <translation>Ninguna bobina de sintonía hace resonar el modelo en F: ahí necesita una capacidad en serie.</translation>
    </message>
    <message>
        <source>With the re-sized coil X does not rise through 0 within 1 % of F.</source>
        <translation>Con la bobina redimensionada X no sube pasando por 0 dentro del 1 % de F.</translation>
    </message>
    <message>
        <source>Its segments are down to %1 wavelength at F (NEC-2 wants at least 0.001) and its cages and leads break NEC-2&apos;s rules, so its feed R and X, and the Q, bandwidths and SWR from them, are not valid: it gives the resonance, radiation resistance, gain and efficiency from the far field only.</source>
        <translation>Sus segmentos bajan a %1 longitudes de onda en F (NEC-2 pide al menos 0.001) y sus jaulas y terminales incumplen las reglas de NEC-2, así que su R y X en el punto de alimentación, y la Q, anchos de banda y ROE que de ellas salen, no son válidos: da la resonancia, la resistencia de radiación, la ganancia y la eficiencia solo a partir del campo lejano.</translation>
    </message>
</context>
<context>
    <name>SimulationTable</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Series resonance</source>
        <translation>Resonancia serie</translation>
    </message>
    <message>
        <source>Tuning coil inductance</source>
        <translation>Inductancia bob. sintonía</translation>
    </message>
    <message>
        <source>Tuning coil turns</source>
        <translation>Espiras bob. sintonía</translation>
    </message>
    <message>
        <source>Series L at the feed</source>
        <translation>L serie en la alim.</translation>
    </message>
    <message>
        <source>Feed impedance at F</source>
        <translation>Impedancia alim. en F</translation>
    </message>
    <message>
        <source>R at resonance (RR + WR)</source>
        <translation>R en resonancia (RR + WR)</translation>
    </message>
    <message>
        <source>Radiation resistance</source>
        <translation>Resistencia de radiación</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>Half-power BW, matched</source>
        <translation>AB a -3 dB, adaptada</translation>
    </message>
    <message>
        <source>2:1 SWR BW, matched</source>
        <translation>AB ROE 2:1, adaptada</translation>
    </message>
    <message>
        <source>Half-power BW on 50 ohm</source>
        <translation>AB a -3 dB sobre 50 ohm</translation>
    </message>
    <message>
        <source>2:1 SWR BW on 50 ohm</source>
        <translation>AB ROE 2:1 sobre 50 ohm</translation>
    </message>
    <message>
        <source>Lowest SWR on 50 ohm</source>
        <translation>ROE mínima sobre 50 ohm</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Eficiencia</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Pérdida</translation>
    </message>
    <message>
        <source>Largest gain</source>
        <translation>Ganancia máxima</translation>
    </message>
    <message>
        <source>Rule not kept: %1</source>
        <translation>Regla incumplida: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>nec2c runs: %1, %2 s</source>
        <translation>ejecuciones nec2c: %1, %2 s</translation>
    </message>
    <message>
        <source>calculator</source>
        <translation>calculadora</translation>
    </message>
    <message>
        <source>NEC-2, calculated coil</source>
        <translation>NEC-2, bobina calculada</translation>
    </message>
    <message>
        <source>NEC-2, coil for F</source>
        <translation>NEC-2, bobina para F</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>no válido</translation>
    </message>
    <message>
        <source>not computed</source>
        <translation>no calculado</translation>
    </message>
</context>
<context>
    <name>Touchstone</name>
    <message>
        <source>The measurement %1 cannot be read</source>
        <translation>La medida %1 no se puede leer</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>a control character (byte %1) where only text may stand: this is not a text file</source>
        <translation>un carácter de control (byte %1) donde solo puede haber texto: esto no es un archivo de texto</translation>
    </message>
    <message>
        <source>text after [End]</source>
        <translation>texto tras [End]</translation>
    </message>
    <message>
        <source>a second option line</source>
        <translation>una segunda línea de opciones</translation>
    </message>
    <message>
        <source>%1 where a keyword in brackets is expected</source>
        <translation>%1 donde se espera una palabra clave entre corchetes</translation>
    </message>
    <message>
        <source>[Reference] has too few values</source>
        <translation>[Reference] tiene muy pocos valores</translation>
    </message>
    <message>
        <source>the file ends in the middle of a point: %1 of its %2 values</source>
        <translation>el archivo termina a mitad de un punto: %1 de sus %2 valores</translation>
    </message>
    <message>
        <source>a Touchstone 2.0 file without [Network Data]</source>
        <translation>un archivo Touchstone 2.0 sin [Network Data]</translation>
    </message>
    <message>
        <source>[Number of Frequencies] says %1, the file holds %2</source>
        <translation>[Number of Frequencies] dice %1, el archivo contiene %2</translation>
    </message>
    <message>
        <source>no option line: GHz S MA R 50 assumed</source>
        <translation>sin línea de opciones: se supone GHz S MA R 50</translation>
    </message>
    <message>
        <source>noise parameters from line %1 skipped</source>
        <translation>parámetros de ruido desde la línea %1 omitidos</translation>
    </message>
    <message>
        <source>a keyword without its closing &quot;]&quot;</source>
        <translation>una palabra clave sin su &quot;]&quot; de cierre</translation>
    </message>
    <message>
        <source>[Version] must be the first line that is not a comment</source>
        <translation>[Version] debe ser la primera línea que no sea un comentario</translation>
    </message>
    <message>
        <source>[Version] %1 is not a version this program reads (2.0)</source>
        <translation>[Version] %1 no es una versión que este programa lea (2.0)</translation>
    </message>
    <message>
        <source>the keyword [%1] in a file without [Version] 2.0</source>
        <translation>la palabra clave [%1] en un archivo sin [Version] 2.0</translation>
    </message>
    <message>
        <source>[Number of Ports] %1 is not a number of ports</source>
        <translation>[Number of Ports] %1 no es un número de puertos</translation>
    </message>
    <message>
        <source>[Two-Port Data Order] %1 is neither 12_21 nor 21_12</source>
        <translation>[Two-Port Data Order] %1 no es ni 12_21 ni 21_12</translation>
    </message>
    <message>
        <source>[Number of Frequencies] %1 is not a count</source>
        <translation>[Number of Frequencies] %1 no es un número de frecuencias</translation>
    </message>
    <message>
        <source>[Reference] before [Number of Ports]</source>
        <translation>[Reference] antes de [Number of Ports]</translation>
    </message>
    <message>
        <source>[Matrix Format] %1 is not Full, Lower or Upper</source>
        <translation>[Matrix Format] %1 no es Full, Lower ni Upper</translation>
    </message>
    <message>
        <source>[Network Data] before [Number of Ports]</source>
        <translation>[Network Data] antes de [Number of Ports]</translation>
    </message>
    <message>
        <source>[Network Data] before the option line</source>
        <translation>[Network Data] antes de la línea de opciones</translation>
    </message>
    <message>
        <source>a two-port file without [Two-Port Data Order]</source>
        <translation>un archivo de dos puertos sin [Two-Port Data Order]</translation>
    </message>
    <message>
        <source>the network data ends in the middle of a point</source>
        <translation>los datos de red terminan a mitad de un punto</translation>
    </message>
    <message>
        <source>[%1] is not a keyword of Touchstone 2.0</source>
        <translation>[%1] no es una palabra clave de Touchstone 2.0</translation>
    </message>
    <message>
        <source>the reference %1 is not a number</source>
        <translation>la referencia %1 no es un número</translation>
    </message>
    <message>
        <source>the reference impedance %1 ohm is not above 0</source>
        <translation>la impedancia de referencia %1 ohm no es mayor que 0</translation>
    </message>
    <message>
        <source>[Reference] has more values than there are ports</source>
        <translation>[Reference] tiene más valores que puertos</translation>
    </message>
    <message>
        <source>the option line names the frequency unit twice</source>
        <translation>la línea de opciones indica dos veces la unidad de frecuencia</translation>
    </message>
    <message>
        <source>the option line names the parameter twice</source>
        <translation>la línea de opciones indica dos veces el parámetro</translation>
    </message>
    <message>
        <source>%1 parameters hold no reflection coefficient this program reads; save S, Z or Y parameters</source>
        <translation>los parámetros %1 no contienen ningún coeficiente de reflexión que este programa lea; guarde parámetros S, Z o Y</translation>
    </message>
    <message>
        <source>the option line names the data format twice</source>
        <translation>la línea de opciones indica dos veces el formato de datos</translation>
    </message>
    <message>
        <source>the option line gives the reference twice</source>
        <translation>la línea de opciones da dos veces la referencia</translation>
    </message>
    <message>
        <source>&quot;R&quot; without its reference impedance</source>
        <translation>&quot;R&quot; sin su impedancia de referencia</translation>
    </message>
    <message>
        <source>%1 is not a part of the option line (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</source>
        <translation>%1 no forma parte de la línea de opciones (# Hz|kHz|MHz|GHz S|Y|Z DB|MA|RI R n)</translation>
    </message>
    <message>
        <source>Z and Y parameters of networks of more than two ports are not read; save S parameters</source>
        <translation>no se leen parámetros Z e Y de redes de más de dos puertos; guarde parámetros S</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 no es un número</translation>
    </message>
    <message>
        <source>the frequency %1 does not rise above the one before it (%2 on line %3)</source>
        <translation>la frecuencia %1 no es mayor que la anterior (%2 en la línea %3)</translation>
    </message>
    <message>
        <source>the frequency %1 is below 0</source>
        <translation>la frecuencia %1 es menor que 0</translation>
    </message>
    <message>
        <source>the frequency %1 is too large</source>
        <translation>la frecuencia %1 es demasiado grande</translation>
    </message>
    <message>
        <source>the point does not end where a line ends: a value is missing or one too many (a point here has %1 values)</source>
        <translation>el punto no termina donde termina una línea: falta un valor o sobra uno (aquí un punto tiene %1 valores)</translation>
    </message>
    <message>
        <source>the values of the point at %1 give no finite reflection coefficient</source>
        <translation>los valores del punto en %1 no dan un coeficiente de reflexión finito</translation>
    </message>
    <message>
        <source>the frequency %1 of line %2 again, with %3 values where a point has %4</source>
        <translation>otra vez la frecuencia %1 de la línea %2, con %3 valores donde un punto tiene %4</translation>
    </message>
    <message>
        <source>line %1 repeats the frequency %2 of line %3; the repeat is left out</source>
        <translation>la línea %1 repite la frecuencia %2 de la línea %3; la repetición se omite</translation>
    </message>
    <message>
        <source>a control character where only text may stand: this is not a text file</source>
        <translation>un carácter de control donde solo puede haber texto: esto no es un archivo de texto</translation>
    </message>
    <message>
        <source>the headings name %1 columns; a sweep needs frequency and two more</source>
        <translation>los encabezados nombran %1 columnas; un barrido necesita la frecuencia y dos más</translation>
    </message>
    <message>
        <source>%1 value where the frequency and two more are needed</source>
        <translation>%1 valor donde se necesitan la frecuencia y dos más</translation>
    </message>
    <message>
        <source>%1 values where the frequency and two more are needed</source>
        <translation>%1 valores donde se necesitan la frecuencia y dos más</translation>
    </message>
    <message>
        <source>the rows from line %1 on (%2) are another sweep than %3 and are left out</source>
        <translation>las filas a partir de la línea %1 (%2) son un barrido distinto de %3 y se omiten</translation>
    </message>
    <message>
        <source>%1 is not a frequency</source>
        <translation>%1 no es una frecuencia</translation>
    </message>
    <message>
        <source>the impedance gives no finite reflection coefficient</source>
        <translation>la impedancia no da un coeficiente de reflexión finito</translation>
    </message>
    <message>
        <source>%1 port</source>
        <translation>%1 puerto</translation>
    </message>
    <message>
        <source>%1 ports</source>
        <translation>%1 puertos</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 punto</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>The measurement %1 cannot be opened</source>
        <translation>La medida %1 no se puede abrir</translation>
    </message>
    <message>
        <source>it does not exist or is not readable</source>
        <translation>no existe o no se puede leer</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is larger than 64 MB</source>
        <translation>tiene más de 64 MB</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>falló su lectura</translation>
    </message>
</context>
<context>
    <name>TuneTable</name>
    <message>
        <source>Measurement</source>
        <translation>Medida</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Sintonía</translation>
    </message>
</context>
<context>
    <name>UnitSystem</name>
    <message>
        <source>All measurements are in inches</source>
        <translation>Todas las medidas están en pulgadas</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|a Metric design in error.|Select Metric Design instead.|Do NOT save this version!</source>
        <translation>Elección incorrecta. Ha elegido por error|un diseño métrico.|Elija en su lugar Diseño métrico.|¡NO guarde esta versión!</translation>
    </message>
    <message>
        <source>Press ESC &amp; Select Metric Option!</source>
        <translation>¡Pulse ESC y elija la opción métrica!</translation>
    </message>
    <message>
        <source>Incorrect choice. You have chosen|an Imperial design in error.|Select Imperial Design instead.</source>
        <translation>Elección incorrecta. Ha elegido por error|un diseño en pulgadas.|Elija en su lugar Diseño en pulgadas.</translation>
    </message>
    <message>
        <source>Press ESC &amp; select Imperial Design</source>
        <translation>Pulse ESC y elija Diseño en pulgadas</translation>
    </message>
    <message>
        <source>All measurements are in mm</source>
        <translation>Todas las medidas están en mm</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Imperial</source>
        <translation>Cálculos antena YQ... Pulgadas</translation>
    </message>
    <message>
        <source>Linear measurements are in Inches</source>
        <translation>Las medidas lineales están en pulgadas</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in inches. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Todas las dimensiones de las bobinas se basan en el paso indicado. Las dimensiones lineales están en pulgadas. La mayoría de los campos tienen ayuda al pasar el ratón. Todas las bobinas usan el mismo diámetro de hilo y el mismo paso.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|*.ini</source>
        <translation>Archivos ini de antena M = Métrico|*.ini</translation>
    </message>
    <message>
        <source>YQ Antenna Calculations... Metric</source>
        <translation>Cálculos antena YQ... Métrico</translation>
    </message>
    <message>
        <source>Linear measurements are in mm</source>
        <translation>Las medidas lineales están en mm</translation>
    </message>
    <message>
        <source>All coil dimensions are based on spacing specified. Linear dimensions are in mm. Most entry fields have &apos;mouse over&apos; help. All coils use the same wire diameter and spacing.</source>
        <translation>Todas las dimensiones de las bobinas se basan en el paso indicado. Las dimensiones lineales están en mm. La mayoría de los campos tienen ayuda al pasar el ratón. Todas las bobinas usan el mismo diámetro de hilo y el mismo paso.</translation>
    </message>
    <message>
        <source>Antenna Ini Files M = Metric|M*.ini</source>
        <translation>Archivos ini de antena M = Métrico|M*.ini</translation>
    </message>
</context>
<context>
    <name>UserList</name>
    <message>
        <source>Records are deleted from the list of users, not from this form.</source>
        <translation>Los registros se borran de la lista de usuarios, no de este formulario.</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar borrado</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the highlighted record?|%1</source>
        <translation>¿Seguro que desea borrar el registro resaltado?|%1</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>YQ Error Message</source>
        <translation>Mensaje de error YQ</translation>
    </message>
</context>
<context>
    <name>yq::AboutWindow</name>
    <message>
        <source>Close and return...</source>
        <translation>Cerrar y volver...</translation>
    </message>
    <message>
        <source>About this programme V 5.081</source>
        <translation>Acerca de este programa V 5.081</translation>
    </message>
</context>
<context>
    <name>yq::BuildSheetTab</name>
    <message>
        <source>Build sheet drawing</source>
        <translation>Dibujo de la hoja</translation>
    </message>
    <message>
        <source>Build Sheet: the antenna to scale and what to cut and wind</source>
        <translation>Hoja de construcción: la antena a escala y qué cortar y bobinar</translation>
    </message>
    <message>
        <source>Print Build Sheet</source>
        <translation>Imprimir hoja</translation>
    </message>
    <message>
        <source>Shows the build sheet in the print preview, to print it</source>
        <translation>Muestra la hoja de construcción en la vista previa, para imprimirla</translation>
    </message>
</context>
<context>
    <name>yq::DesignToolsTab</name>
    <message>
        <source>Convert to millimetres</source>
        <translation>Convertir a milímetros</translation>
    </message>
    <message>
        <source>Convert to inches</source>
        <translation>Convertir a pulgadas</translation>
    </message>
    <message>
        <source>Lengths x 25.4, rounded to the Metric fields; F, L/D, MBW, FAC and DPS
as they are; then the Metric ReCalc. The design is saved in the working
folder under the Metric window&apos;s file name (M...ini).</source>
        <translation>Longitudes x 25.4, redondeadas a los campos métricos; F, L/D, MBW, FAC y DPS
sin cambios; luego el ReCalc métrico. El diseño se guarda en la carpeta
de trabajo con el nombre de archivo de la ventana métrica (M...ini).</translation>
    </message>
    <message>
        <source>Lengths / 25.4, rounded to the Imperial fields; F, L/D, MBW, FAC and DPS
as they are; then the Imperial ReCalc. The design is saved in the working
folder under the Imperial window&apos;s file name.</source>
        <translation>Longitudes / 25.4, redondeadas a los campos en pulgadas; F, L/D, MBW, FAC y DPS
sin cambios; luego el ReCalc en pulgadas. El diseño se guarda en la carpeta
de trabajo con el nombre de archivo de la ventana en pulgadas.</translation>
    </message>
    <message>
        <source>Convert and Save as Metric</source>
        <translation>Convertir y guardar en métrico</translation>
    </message>
    <message>
        <source>Convert and Save as Imperial</source>
        <translation>Convertir y guardar en pulgadas</translation>
    </message>
    <message>
        <source>Saves this design in millimetres for the Metric window.</source>
        <translation>Guarda este diseño en milímetros para la ventana métrica.</translation>
    </message>
    <message>
        <source>Saves this design in inches for the Imperial window.</source>
        <translation>Guarda este diseño en pulgadas para la ventana en pulgadas.</translation>
    </message>
    <message>
        <source>The design cannot be converted:|%1</source>
        <translation>No se puede convertir el diseño:|%1</translation>
    </message>
    <message>
        <source>The converted design %1 could not be written.|%2</source>
        <translation>No se pudo escribir el diseño convertido %1.|%2</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrico</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Saved &lt;b&gt;%1&lt;/b&gt; in %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: open it in the %6 window.</source>
        <translation>Guardado &lt;b&gt;%1&lt;/b&gt; en %2&lt;br&gt;%3&lt;br&gt;NT %4, SCT %5: ábralo en la ventana %6.</translation>
    </message>
    <message>
        <source>Fit to the built antenna</source>
        <translation>Ajustar a la antena construida</translation>
    </message>
    <message>
        <source>FAC from tuning coil turns (NT)</source>
        <translation>FAC por espiras bob. sintonía (NT)</translation>
    </message>
    <message>
        <source>DPS from source coil turns (SCT)</source>
        <translation>DPS por espiras bob. fuente (SCT)</translation>
    </message>
    <message>
        <source>Field to fit</source>
        <translation>Campo a ajustar</translation>
    </message>
    <message>
        <source>Capacitance Factor from the tuning coil turns you wound,
or Degrees of Phase from the source coil turns.</source>
        <translation>Factor de capacidad a partir de las espiras bobinadas en la bobina de sintonía,
o grados de fase a partir de las espiras de la bobina fuente.</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Espiras bobinadas:</translation>
    </message>
    <message>
        <source>Turns wound</source>
        <translation>Espiras bobinadas</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Tries every value of the field, 0.01 apart, each with a full ReCalc,
and finds the one whose turns come nearest to the turns you wound.</source>
        <translation>Prueba cada valor del campo, a pasos de 0.01, cada uno con un ReCalc completo,
y encuentra aquel cuyas espiras se acercan más a las que bobinó.</translation>
    </message>
    <message>
        <source>Enter the turns on your working antenna and press Find.</source>
        <translation>Introduzca las espiras de su antena que funciona y pulse Buscar.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;Enter the number of turns you wound, for example 31 or 30.5.&lt;/span&gt;</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Introduzca el número de espiras bobinadas, por ejemplo 31 o 30.5.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt; gives %3 = &lt;b&gt;%4&lt;/b&gt; turns (you wound %5).</source>
        <translation>&lt;b&gt;%1 = %2&lt;/b&gt; da %3 = &lt;b&gt;%4&lt;/b&gt; espiras (usted bobinó %5).</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#b22222&apos;&gt;No %1 from %2 to %3 gives %4 within half a turn of %5.&lt;/span&gt; The nearest is &lt;b&gt;%1 = %6&lt;/b&gt;, giving %4 = &lt;b&gt;%7&lt;/b&gt;.</source>
        <translation>&lt;span style=&apos;color:#b22222&apos;&gt;Ningún %1 de %2 a %3 da %4 a menos de media espira de %5.&lt;/span&gt; El más cercano es &lt;b&gt;%1 = %6&lt;/b&gt;, que da %4 = &lt;b&gt;%7&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>&lt;br&gt;Also changes: </source>
        <translation>&lt;br&gt;También cambia: </translation>
    </message>
    <message>
        <source>&lt;br&gt;The window shows DPS with one place (%1); the design keeps %2.</source>
        <translation>&lt;br&gt;La ventana muestra DPS con un decimal (%1); el diseño guarda %2.</translation>
    </message>
    <message>
        <source>Apply %1 = %2</source>
        <translation>Aplicar %1 = %2</translation>
    </message>
    <message>
        <source>&lt;i&gt;The design changed since the last Find; this is the fit for it now.&lt;/i&gt;&lt;br&gt;</source>
        <translation>&lt;i&gt;El diseño cambió desde el último Buscar; este es el ajuste para el diseño actual.&lt;/i&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;b&gt;Applied&lt;/b&gt; to the design; SAVE keeps it.</source>
        <translation>&lt;br&gt;&lt;b&gt;Aplicado&lt;/b&gt; al diseño; GUARDAR lo conserva.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Cylinder diameter</source>
        <translation>Diámetro cilindro</translation>
    </message>
    <message>
        <source>Length/Diameter ratio</source>
        <translation>Relación long./diám.</translation>
    </message>
    <message>
        <source>Wire diameter</source>
        <translation>Diámetro del hilo</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Coil diameter</source>
        <translation>Diámetro bobina</translation>
    </message>
    <message>
        <source>Capacitance factor</source>
        <translation>Factor de capacidad</translation>
    </message>
    <message>
        <source>Phasing coil diameter</source>
        <translation>Diám. bobina de fase</translation>
    </message>
    <message>
        <source>Source coil diameter</source>
        <translation>Diám. bobina fuente</translation>
    </message>
    <message>
        <source>Degrees of phase</source>
        <translation>Grados de fase</translation>
    </message>
    <message>
        <source>Measured bandwidth</source>
        <translation>Ancho de banda medido</translation>
    </message>
    <message>
        <source>Sweep one input</source>
        <translation>Barrer una entrada</translation>
    </message>
    <message>
        <source>Input to vary</source>
        <translation>Entrada a variar</translation>
    </message>
    <message>
        <source>Vary:</source>
        <translation>Variar:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Barrido</translation>
    </message>
    <message>
        <source>Plot:</source>
        <translation>Gráfica:</translation>
    </message>
    <message>
        <source>Sweep points</source>
        <translation>Puntos del barrido</translation>
    </message>
    <message>
        <source>Up to %1 points, each a full ReCalc of this design.</source>
        <translation>Hasta %1 puntos, cada uno un ReCalc completo de este diseño.</translation>
    </message>
    <message>
        <source>Save CSV...</source>
        <translation>Guardar CSV...</translation>
    </message>
    <message>
        <source>Every key of every point, as yq-calc sweep writes it.</source>
        <translation>Cada clave de cada punto, tal como la escribe yq-calc sweep.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not a number.</source>
        <translation>%1 &apos;%2&apos; no es un número.</translation>
    </message>
    <message>
        <source>%1 points, each a full ReCalc.</source>
        <translation>%1 puntos, cada uno un ReCalc completo.</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>No se pudo guardar el barrido como %1.|%2</translation>
    </message>
    <message>
        <source>%1 points saved to %2.</source>
        <translation>%1 puntos guardados en %2.</translation>
    </message>
    <message>
        <source>Save the sweep as CSV</source>
        <translation>Guardar el barrido como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>yq::DesignWindow</name>
    <message>
        <source>   Build Sheet</source>
        <translation>   Hoja constr.</translation>
    </message>
    <message>
        <source>   Design Tools</source>
        <translation>   Herramientas</translation>
    </message>
    <message>
        <source>Select Antenna</source>
        <translation>Elegir antena</translation>
    </message>
    <message>
        <source>   Specifications</source>
        <translation>   Especificaciones</translation>
    </message>
    <message>
        <source>   Help</source>
        <translation>   Ayuda</translation>
    </message>
    <message>
        <source>Entries in Bold are those you can change. All others are read only.</source>
        <translation>Los datos en negrita son los que puede cambiar. Los demás son de solo lectura.</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>GUARDAR</translation>
    </message>
    <message>
        <source>Saves the file with the name like 726.ini
7 = frequency in mhz
2 = cylinder diameter in inches
6 = diameter to length ratio
An &apos;M&apos; first letter denotes Metric calculations.</source>
        <translation>Guarda el archivo con un nombre como 726.ini
7 = frecuencia en mhz
2 = diámetro del cilindro en pulgadas
6 = relación diámetro/longitud
Una &apos;M&apos; como primera letra indica cálculos métricos.</translation>
    </message>
    <message>
        <source>Print/View</source>
        <translation>Imprimir/Ver</translation>
    </message>
    <message>
        <source>You MUST save first to print</source>
        <translation>DEBE guardar antes de imprimir</translation>
    </message>
    <message>
        <source>email Report</source>
        <translation>Enviar informe</translation>
    </message>
    <message>
        <source>Uses Outlook for email. Other mailers may not work.</source>
        <translation>Usa Outlook para el correo. Otros programas pueden no funcionar.</translation>
    </message>
    <message>
        <source>YQ Forum</source>
        <translation>Foro YQ</translation>
    </message>
    <message>
        <source>Open Excel</source>
        <translation>Abrir Excel</translation>
    </message>
    <message>
        <source>Email Results</source>
        <translation>Enviar datos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cylinder Specifications</source>
        <translation>Especificaciones cilindros</translation>
    </message>
    <message>
        <source>Source Coil Specifications</source>
        <translation>Especif. bobina fuente</translation>
    </message>
    <message>
        <source>Tuning Coil Specifications</source>
        <translation>Especif. bobina sintonía</translation>
    </message>
    <message>
        <source>Click on this button to recalculate after making changes</source>
        <translation>Pulse este botón para recalcular después de hacer cambios</translation>
    </message>
    <message>
        <source>Initial factor is 2. This divides the cylinder capacitance
by 2 to recalculate the coil size. That will also
recalculate the coil inductance.

Use a number that give the number of turns you
have used to make the system work. Then OK
to SAVE.</source>
        <translation>El factor inicial es 2. Divide la capacidad del cilindro
entre 2 para recalcular el tamaño de la bobina. Eso también
recalcula la inductancia de la bobina.

Use un número que dé el número de espiras que
ha usado para que el sistema funcione. Después ya
puede pulsar GUARDAR.</translation>
    </message>
    <message>
        <source>Phasing Coil Specifications</source>
        <translation>Especif. bobina de fase</translation>
    </message>
    <message>
        <source>General Help File</source>
        <translation>Ayuda general</translation>
    </message>
    <message>
        <source>The various components that make up the YQ Star version are listed on the right for clarification of the terms used on the design page. You must refer to Brannoc&apos;s YQ Design Book (downloadable from the Forum) for a more complete understanding of the YQ Star.</source>
        <translation>Los distintos componentes de la versión YQ Star se enumeran a la derecha para aclarar los términos usados en la página de diseño. Consulte el YQ Design Book de Brannoc (descargable desde el Foro) para entender mejor la YQ Star.</translation>
    </message>
    <message>
        <source>Overall length of antenna is calculated as Cylinder Length * 2, plus Cylinder Diameter * 2, plus the tuning coil length. The Source Coil is not included in the length.</source>
        <translation>La longitud total de la antena se calcula como longitud del cilindro * 2, más diámetro del cilindro * 2, más la longitud de la bobina de sintonía. La bobina fuente no se incluye en la longitud.</translation>
    </message>
    <message>
        <source>Click to log onto the YQ Forum</source>
        <translation>Pulse para entrar en el Foro YQ</translation>
    </message>
    <message>
        <source>The parts of the YQ Star antenna</source>
        <translation>Las piezas de la antena YQ Star</translation>
    </message>
    <message>
        <source>   Measurement</source>
        <translation>   Medida</translation>
    </message>
    <message>
        <source>   Simulation</source>
        <translation>   Simulación</translation>
    </message>
    <message>
        <source>The working copy %1 could not be written.|%2</source>
        <translation>No se pudo escribir la copia de trabajo %1.|%2</translation>
    </message>
    <message>
        <source>No spreadsheet program could open %1.</source>
        <translation>Ningún programa de hoja de cálculo pudo abrir %1.</translation>
    </message>
</context>
<context>
    <name>yq::FrequencyPlot</name>
    <message>
        <source>%1 against frequency</source>
        <translation>%1 frente a frecuencia</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frecuencia (MHz)</translation>
    </message>
    <message>
        <source>Nothing to plot yet.</source>
        <translation>Aún no hay nada que trazar.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> banda</translation>
    </message>
</context>
<context>
    <name>yq::MainWindow</name>
    <message>
        <source>ZO Duravar Uravaro  Design Calculator V5.091 - YQ Antennas</source>
        <translation>ZO Duravar Uravaro  Calculadora de diseño V5.091 - Antenas YQ</translation>
    </message>
    <message>
        <source>Brannoc Quillet CEO  ZO Duravar Uravaro</source>
        <translation>Brannoc Quillet CEO  ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>   Antenna Design</source>
        <translation>   Diseño de antena</translation>
    </message>
    <message>
        <source>   Imperial YQ Antenna</source>
        <translation>   Antena YQ en pulgadas</translation>
    </message>
    <message>
        <source>   Metric YQ antenna</source>
        <translation>   Antena YQ métrica</translation>
    </message>
    <message>
        <source>   Pictures</source>
        <translation>   Fotos</translation>
    </message>
    <message>
        <source>    AboutThisProgram</source>
        <translation>    Acerca de</translation>
    </message>
    <message>
        <source>ZO Duravar Uravaro banner</source>
        <translation>Banner de ZO Duravar Uravaro</translation>
    </message>
    <message>
        <source>A YQ antenna</source>
        <translation>Una antena YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a van</source>
        <translation>Una antena YQ sobre una furgoneta</translation>
    </message>
    <message>
        <source>Portrait of Brannoc Quillet</source>
        <translation>Retrato de Brannoc Quillet</translation>
    </message>
    <message>
        <source>   Users</source>
        <translation>   Usuarios</translation>
    </message>
</context>
<context>
    <name>yq::MeasurementTab</name>
    <message>
        <source>Open measurement...</source>
        <translation>Abrir medida...</translation>
    </message>
    <message>
        <source>No measurement opened (Touchstone .s1p, .s2p, .ts or a VNA CSV)</source>
        <translation>Ninguna medida abierta (Touchstone .s1p, .s2p, .ts o CSV de un VNA)</translation>
    </message>
    <message>
        <source>Turns wound:</source>
        <translation>Espiras bobinadas:</translation>
    </message>
    <message>
        <source>Turns wound on the tuning coil</source>
        <translation>Espiras bobinadas en la bobina de sintonía</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Set the Capacitance Factor whose design winds the turns shown, then ReCalc</source>
        <translation>Fija el factor de capacidad cuyo diseño bobina las espiras indicadas, luego ReCalc</translation>
    </message>
    <message>
        <source>Findings and tuning</source>
        <translation>Resultados y sintonía</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>Open a measurement</source>
        <translation>Abrir una medida</translation>
    </message>
    <message>
        <source>Open measurement</source>
        <translation>Abrir medida</translation>
    </message>
    <message>
        <source>Measurements (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;All files (*)</source>
        <translation>Medidas (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P *.CSV);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The measurement %1 holds no usable sweep: %2</source>
        <translation>La medida %1 no contiene ningún barrido utilizable: %2</translation>
    </message>
    <message>
        <source>Not read: %1</source>
        <translation>No leído: %1</translation>
    </message>
    <message>
        <source>The turns wound &quot;%1&quot; are not a number of turns above 0.</source>
        <translation>Las espiras bobinadas &quot;%1&quot; no son un número de espiras mayor que 0.</translation>
    </message>
    <message>
        <source>Apply FAC %1</source>
        <translation>Aplicar FAC %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tuning coil: wind %1 turns (now %2) for resonance at %3&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Bobina de sintonía: bobinar %1 espiras (ahora %2) para resonar en %3&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Open the sweep your analyser saved of the finished antenna (S11 at the feed). The tab finds its resonance and the turns for the design frequency.&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Abra el barrido de la antena terminada que guardó su analizador (S11 en el punto de alimentación). La pestaña encuentra su resonancia y las espiras para la frecuencia de diseño.&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>SWR (%1 ohm)</source>
        <translation>ROE (%1 ohm)</translation>
    </message>
    <message>
        <source>design %1 MHz</source>
        <translation>diseño %1 MHz</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>NEC-2 model of this design over the same range: running...</source>
        <translation>Modelo NEC-2 de este diseño en el mismo rango: en curso...</translation>
    </message>
    <message>
        <source>No NEC-2 model beside the measurement: %1</source>
        <translation>No hay modelo NEC-2 junto a la medida: %1</translation>
    </message>
    <message>
        <source>NEC-2 model (dashed): this design with the tuning coil of %1 turns, over the measured range. %2</source>
        <translation>Modelo NEC-2 (a trazos): este diseño con la bobina de sintonía de %1 espiras, en el rango medido. %2</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>medido</translation>
    </message>
    <message>
        <source>NEC-2 model</source>
        <translation>Modelo NEC-2</translation>
    </message>
</context>
<context>
    <name>yq::PicturesWindow</name>
    <message>
        <source>Pictures of YQ Antennas</source>
        <translation>Fotos de antenas YQ</translation>
    </message>
    <message>
        <source>A YQ antenna on a house roof at dusk</source>
        <translation>Una antena YQ en el tejado de una casa al anochecer</translation>
    </message>
    <message>
        <source>A YQ antenna on a tripod at the beach</source>
        <translation>Una antena YQ sobre un trípode en la playa</translation>
    </message>
    <message>
        <source>Building a YQ antenna on the workbench</source>
        <translation>Construyendo una antena YQ en el banco de trabajo</translation>
    </message>
    <message>
        <source>A YQ antenna tested with an antenna analyser</source>
        <translation>Una antena YQ probada con un analizador de antenas</translation>
    </message>
    <message>
        <source>A YQ antenna on a balcony</source>
        <translation>Una antena YQ en un balcón</translation>
    </message>
    <message>
        <source>A portable YQ antenna in the mountains</source>
        <translation>Una antena YQ portátil en la montaña</translation>
    </message>
    <message>
        <source>The parts of a YQ antenna</source>
        <translation>Las piezas de una antena YQ</translation>
    </message>
    <message>
        <source>A YQ antenna by a house on a winter night</source>
        <translation>Una antena YQ junto a una casa en una noche de invierno</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>yq::PolarPlot</name>
    <message>
        <source>Pattern</source>
        <translation>Diagrama</translation>
    </message>
    <message>
        <source>Elevation (deg)	Gain (dBi)
</source>
        <translation>Elevación (grados)	Ganancia (dBi)
</translation>
    </message>
    <message>
        <source>No pattern yet.</source>
        <translation>Aún sin diagrama.</translation>
    </message>
    <message>
        <source>%1 dBi</source>
        <translation>%1 dBi</translation>
    </message>
    <message>
        <source>Largest gain %1 dBi; centre %2 dBi</source>
        <translation>Ganancia máxima %1 dBi; centro %2 dBi</translation>
    </message>
</context>
<context>
    <name>yq::ProgressWindow</name>
    <message>
        <source>Process...</source>
        <translation>Procesando...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>yq::SendMailWindow</name>
    <message>
        <source>Send email</source>
        <translation>Enviar correo</translation>
    </message>
    <message>
        <source>Opening the mail in your mail program...</source>
        <translation>Abriendo el mensaje en su programa de correo...</translation>
    </message>
</context>
<context>
    <name>yq::SimulationTab</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>The simulation runs when this tab is in front after a ReCalc.</source>
        <translation>La simulación se ejecuta cuando esta pestaña está delante tras un ReCalc.</translation>
    </message>
    <message>
        <source>&amp;Model:</source>
        <translation>&amp;Modelo:</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>estándar</translation>
    </message>
    <message>
        <source>detailed</source>
        <translation>detallado</translation>
    </message>
    <message>
        <source>standard: thick wires and lumped coils, a fraction of a second; detailed: wire-grid cages and helical coils, some seconds, fewer figures</source>
        <translation>estándar: hilos gruesos y bobinas concentradas, una fracción de segundo; detallado: jaulas de rejilla de hilos y bobinas helicoidales, unos segundos, menos valores</translation>
    </message>
    <message>
        <source>Simulation progress</source>
        <translation>Progreso de la simulación</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Simulate again</source>
        <translation>Simular de nuevo</translation>
    </message>
    <message>
        <source>Export NEC deck...</source>
        <translation>Exportar deck NEC...</translation>
    </message>
    <message>
        <source>Save sweep...</source>
        <translation>Guardar barrido...</translation>
    </message>
    <message>
        <source>The calculator&apos;s figures beside the NEC-2 model&apos;s</source>
        <translation>Los valores de la calculadora junto a los del modelo NEC-2</translation>
    </message>
    <message>
        <source>Frequencies plotted</source>
        <translation>Frecuencias trazadas</translation>
    </message>
    <message>
        <source>Whole sweep, 0.4 F to 2.5 F</source>
        <translation>Barrido completo, de 0.4 F a 2.5 F</translation>
    </message>
    <message>
        <source>Around the resonance with the calculated coil</source>
        <translation>Alrededor de la resonancia con la bobina calculada</translation>
    </message>
    <message>
        <source>Around F with the coil for F</source>
        <translation>Alrededor de F con la bobina para F</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>SWR on 50 ohm</source>
        <translation>ROE sobre 50 ohm</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Diagrama</translation>
    </message>
    <message>
        <source>Simulating the design in NEC-2...</source>
        <translation>Simulando el diseño en NEC-2...</translation>
    </message>
    <message>
        <source>NEC-2 %1 model: %2 runs of nec2c in %3 s.</source>
        <translation>Modelo NEC-2 %1: %2 ejecuciones de nec2c en %3 s.</translation>
    </message>
    <message>
        <source>&lt;br&gt;NEC-2 rule not kept: %1</source>
        <translation>&lt;br&gt;Regla de NEC-2 no cumplida: %1</translation>
    </message>
    <message>
        <source>Every deck keeps NEC-2&apos;s rules of thumb.</source>
        <translation>Cada deck cumple las reglas prácticas de NEC-2.</translation>
    </message>
    <message>
        <source>F = %1 MHz</source>
        <translation>F = %1 MHz</translation>
    </message>
    <message>
        <source>Elevation pattern at %1 MHz, %2, axis upright</source>
        <translation>Diagrama de elevación a %1 MHz, %2, eje vertical</translation>
    </message>
    <message>
        <source>coil for F</source>
        <translation>bobina para F</translation>
    </message>
    <message>
        <source>calculated coil</source>
        <translation>bobina calculada</translation>
    </message>
    <message>
        <source>No resonance, no pattern.</source>
        <translation>Sin resonancia, sin diagrama.</translation>
    </message>
    <message>
        <source>NEC decks (*.nec)</source>
        <translation>Decks NEC (*.nec)</translation>
    </message>
    <message>
        <source>The NEC deck could not be saved as %1.|%2</source>
        <translation>No se pudo guardar el deck NEC como %1.|%2</translation>
    </message>
    <message>
        <source>NEC deck saved to %1.</source>
        <translation>Deck NEC guardado en %1.</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Touchstone (*.s1p)</source>
        <translation>CSV (*.csv);;Touchstone (*.s1p)</translation>
    </message>
    <message>
        <source>The sweep could not be saved as %1.|%2</source>
        <translation>No se pudo guardar el barrido como %1.|%2</translation>
    </message>
    <message>
        <source>Sweep saved to %1.</source>
        <translation>Barrido guardado en %1.</translation>
    </message>
</context>
<context>
    <name>yq::SmithChart</name>
    <message>
        <source>Smith chart</source>
        <translation>Carta de Smith</translation>
    </message>
    <message>
        <source>Series	Frequency (MHz)	R (ohm)	X (ohm)	Reflection (re)	Reflection (im)
</source>
        <translation>Serie	Frecuencia (MHz)	R (ohm)	X (ohm)	Reflexión (re)	Reflexión (im)
</translation>
    </message>
    <message>
        <source>Copy points</source>
        <translation>Copiar puntos</translation>
    </message>
    <message>
        <source>Smith chart, %1 ohm</source>
        <translation>Carta de Smith, %1 ohm</translation>
    </message>
</context>
<context>
    <name>yq::SweepPlot</name>
    <message>
        <source>Sweep plot</source>
        <translation>Gráfica barrido</translation>
    </message>
    <message>
        <source>Choose an input and its range, then Sweep.</source>
        <translation>Elija una entrada y su rango, luego Barrido.</translation>
    </message>
    <message>
        <source>Tick at least one output to plot.</source>
        <translation>Marque al menos una salida para trazar.</translation>
    </message>
    <message>
        <source> band</source>
        <translation> banda</translation>
    </message>
    <message>
        <source>      dashed line: this design, %1</source>
        <translation>      línea a trazos: este diseño, %1</translation>
    </message>
</context>
<context>
    <name>yq::UserForm</name>
    <message>
        <source>Record Will Be Added</source>
        <translation>Se añadirá el registro</translation>
    </message>
    <message>
        <source>Record Will Be Changed</source>
        <translation>Se cambiará el registro</translation>
    </message>
    <message>
        <source>View Record</source>
        <translation>Ver registro</translation>
    </message>
    <message>
        <source>&amp;Name &amp;&amp; Call:</source>
        <translation>&amp;Nombre &amp;&amp; indicativo:</translation>
    </message>
    <message>
        <source>Name &amp; Call</source>
        <translation>Nombre e indicativo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Update the yq1 File</source>
        <translation>Actualizar el archivo yq1</translation>
    </message>
    <message>
        <source>Enter in your Name and Call</source>
        <translation>Introduzca su nombre e indicativo</translation>
    </message>
</context>
<context>
    <name>yq::UserListWindow</name>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Usuarios</translation>
    </message>
    <message>
        <source>Browsing Records</source>
        <translation>Examinando registros</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Elegir</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>&amp;Cambiar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Browse the User File</source>
        <translation>Examinar el archivo de usuarios</translation>
    </message>
</context>
</TS>
